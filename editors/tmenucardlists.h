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

// A text searched for in the article lists, prepared once for all rows.
struct LUMDIALOGS_EXPORT TArticleSearch {
    explicit TArticleSearch(const QString& text);

    QString folded;
    quint64 mask;
    // A text with a letter can only be in a name: PLU and price are digits and signs.
    bool nameOnly;
};

// A row of the menu card editor's article lists: the article's PLU, name and price. The price is an
// amount, written as the system currency writes it when the row is shown; the lists sort it as a
// number. The row keeps which characters its name and its numbers may have, so that a search over
// many rows looks into a row only where it may match.
class LUMDIALOGS_EXPORT TMenuCardArtItem : public TLumListItem {
public:
    TMenuCardArtItem(PosLib::TArticle* article, const TCurrencies* currencies);

    PosLib::TArticle* article() const;
    int plu() const { return m_plu; }
    int family() const;
    // Whether the PLU, the name or the price contains the text, ignoring case.
    bool contains(const TArticleSearch& search) const;

    QVariant data(int column, int role) const override;
    // By PLU and by price as numbers, with no more than the two rows at hand: sorting 100,000
    // rows compares them nearly two million times.
    bool operator<(const QTreeWidgetItem& other) const override;

    enum Column { PluColumn = 0, ArticleColumn = 1, PriceColumn = 2 };

private:
    QString priceText() const;

    const TCurrencies* m_currencies;
    // Kept here as well, so that sorting does not reach into 100,000 articles.
    int m_plu;
    qint64 m_price;
    quint64 m_nameMask;
    quint64 m_numberMask; // what PLU and price text may hold
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
