#pragma once

#include "lumlib_global.h"
#include "tlumcolumn.h"
#include "tlumrecordrows.h"

#include <QList>
#include <QString>
#include <QTreeWidget>
#include <QTreeWidgetItem>

class QDomDocument;
class QDomElement;
class TLumWindow;
class TLumWorkspace;

namespace Basics {
class TValue;
}

// The host's view of records: one item per record, several selectable. When columns are set, the
// items of records show the columns' values as the editors show them, formatted from the record
// whenever they are painted, so a changed record needs no refill and a view of many records costs
// no copies of their texts; sorting compares the stored values.
//
// The view sorts its items itself: it takes a key from every item once, sorts the keys and puts the
// items back in their new order, where QTreeWidget compares the items pair by pair (seconds for a
// million records). setSortingEnabled, isSortingEnabled and sortByColumn therefore hide QTreeView's
// functions of those names; with sorting on, a click on a header sorts by that column, and items
// added or changed are put in their place once control returns to the event loop.
class LUMLIB_EXPORT TLumListView : public QTreeWidget, public TLumRecordRows {
    Q_OBJECT
public:
    explicit TLumListView(QWidget* parent = nullptr);

    void setSortingEnabled(bool enable);
    bool isSortingEnabled() const { return m_sorting; }
    // Sorts by the column now (whether or not sorting is on) and shows it in the header.
    void sortByColumn(int column, Qt::SortOrder order);

    void setColumns(const QList<TLumColumn>& columns);
    const QList<TLumColumn>& columns() const { return m_columns; }
    // The workspace that amounts and references are shown from.
    void setWorkspace(TLumWorkspace* workspace) { m_workspace = workspace; }
    TLumWorkspace* workspace() const { return m_workspace; }

    // The tag of one record in exportXml ("element" unless set).
    void setElementName(const QString& name) { m_elementName = name; }
    const QString& elementName() const { return m_elementName; }

    // The items in list (display) order and the selected ones among them.
    QList<QTreeWidgetItem*> itemsInOrder() const;
    QList<QTreeWidgetItem*> selectedInOrder() const;
    // Selects exactly this item, makes it current and shows it.
    void selectOnly(QTreeWidgetItem* item);

    // One element per item that holds a record, in list order, appended to parent.
    void exportXml(QDomDocument& doc, QDomElement& parent) const;

    // The rows are the top-level items.
    QWidget* rowsWidget() override { return this; }
    int rowCount() const override { return topLevelItemCount(); }
    Basics::TValue* recordAt(int row) const override;
    QString rowText(int row, int column) const override;
    QList<int> selectedRows() const override;
    int currentRow() const override;
    void selectOnlyRow(int row) override { selectOnly(topLevelItem(row)); }

private:
    // Puts the items in the order the header shows; keepScroll false scrolls to the current item.
    void sortItemsNow(bool keepScroll);
    void sortLater();

    QList<TLumColumn> m_columns;
    TLumWorkspace* m_workspace = nullptr;
    QString m_elementName = QStringLiteral("element");
    bool m_sorting = false;
    bool m_sortPending = false;
    bool m_reordering = false; // while the view moves its own items
    bool m_inOrder = false;    // the items are in the order the header shows
};

// An item that carries its record (or, built from texts, only an id).
class LUMLIB_EXPORT TLumListItem : public QTreeWidgetItem {
public:
    enum { Type = QTreeWidgetItem::UserType + 1 };

    TLumListItem(QTreeWidget* view, Basics::TValue* value);
    TLumListItem(QTreeWidgetItem* parent, Basics::TValue* value);
    TLumListItem(QTreeWidget* view, int id, QTreeWidgetItem* after, const QString& text0,
                 const QString& text1 = QString(), const QString& text2 = QString(),
                 const QString& text3 = QString(), const QString& text4 = QString(),
                 const QString& text5 = QString(), const QString& text6 = QString(),
                 const QString& text7 = QString());

    Basics::TValue* value() const { return m_value; }
    void setValue(Basics::TValue* value) { m_value = value; }
    // The record's id, or the id the item was built with.
    int id() const;
    // Tells the view that the record changed, so that the item is painted (and sorted) anew.
    void refresh() { emitDataChanged(); }

    // Negative, zero or positive as this item sorts before, with or after other in the column:
    // numbers by value, other texts by the locale's rules.
    virtual int compare(QTreeWidgetItem* other, int column, bool ascending) const;
    bool operator<(const QTreeWidgetItem& other) const override;
    QVariant data(int column, int role) const override;

    // The item that carries this record in the view, or null.
    static TLumListItem* of(QTreeWidgetItem* item);

protected:
    // The text of a column taken from the record; empty when the view has no such column.
    QString recordText(int column) const;

private:
    Basics::TValue* m_value = nullptr;
    int m_id = 0;
};

// A record item painted in the record's own colours: "color" for the background and "textcolor"
// for the text, each a colour name such as "#ffd0a0" or "lightblue".
class LUMLIB_EXPORT TLumListPaintedItem : public TLumListItem {
public:
    TLumListPaintedItem(QTreeWidget* view, Basics::TValue* value, TLumWindow* window);

    QVariant data(int column, int role) const override;

private:
    TLumWindow* m_window;
};
