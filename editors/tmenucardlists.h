#pragma once

#include "lumdialogs_global.h"
#include "tlumlistview.h"

#include <QList>
#include <QString>

class TCurrencies;

namespace PosLib {
class TArticle;
}
namespace QtWidgets {
class TComboBox;
}

// A row of the menu card editor's article lists: the article's PLU, name and price, read from the
// article whenever they are shown. The price is an amount, written as the system currency writes
// it; the lists sort it as a number.
class LUMDIALOGS_EXPORT TMenuCardArtItem : public TLumListItem {
public:
    TMenuCardArtItem(PosLib::TArticle* article, const TCurrencies* currencies);

    PosLib::TArticle* article() const;
    int family() const;
    // Whether the PLU, the name or the price contains the text, ignoring case.
    bool contains(const QString& text) const;

    QVariant data(int column, int role) const override;

    enum Column { PluColumn = 0, ArticleColumn = 1, PriceColumn = 2 };

private:
    QString priceText() const;

    const TCurrencies* m_currencies;
};

// One side of the menu card editor: the list of included or of excluded articles with its family
// filter. Rows of other families than the filter's are kept aside, not in the list, so that a
// filter over many articles costs no hidden rows. Rows are moved between the sides in one step
// each way, whatever their number.
class LUMDIALOGS_EXPORT TMenuCardSide {
public:
    TMenuCardSide(TLumListView* list, QtWidgets::TComboBox* families);
    ~TMenuCardSide();
    TMenuCardSide(const TMenuCardSide&) = delete;
    TMenuCardSide& operator=(const TMenuCardSide&) = delete;

    TLumListView* list() const { return m_list; }
    // The family filter's id; 0 shows every family.
    int family() const;

    // All rows of the side, those of other families too; the side no longer has them.
    QList<TMenuCardArtItem*> takeAll();
    // The rows shown: all of them, or those selected; the side no longer has them.
    QList<TMenuCardArtItem*> takeShown(bool selectedOnly);
    // One row of the list; the side no longer has it.
    QList<TMenuCardArtItem*> take(QTreeWidgetItem* row);
    // Takes over rows: those of the filter's family are shown, sorted as the list is.
    void add(const QList<TMenuCardArtItem*>& rows);
    // Shows the rows of the family the filter names now.
    void applyFilter();

    // The article ids of all rows, ascending.
    QList<int> ids() const;
    bool hasShownRows() const { return m_list->topLevelItemCount() > 0; }
    bool hasSelection() const;

    // Selects and shows the first row from the top that contains the text (the current row while
    // it still does). Null when none does.
    QTreeWidgetItem* search(const QString& text);

private:
    QList<TMenuCardArtItem*> takeFromList();

    TLumListView* m_list;
    QtWidgets::TComboBox* m_families;
    QList<TMenuCardArtItem*> m_filteredOut;
};
