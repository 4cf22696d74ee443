#include "tsortedrow.h"

#include <typeinfo>

TSortedRow::TSortedRow(QTreeWidget* view, Basics::TValue* value)
    : TLumListItem(view, value)
{
}

TSortedRow::TSortedRow(Basics::TValue* value)
    : TLumListItem(static_cast<QTreeWidgetItem*>(nullptr), value)
{
}

const TLumColumn::SortKey& TSortedRow::key(int column) const
{
    if (m_keyColumn != column) {
        const auto* view = static_cast<const TLumListView*>(treeWidget());
        m_key = value() ? view->columns().at(column).sortKey(*value()) : TLumColumn::SortKey{};
        m_keyColumn = column;
    }
    return m_key;
}

bool TSortedRow::operator<(const QTreeWidgetItem& other) const
{
    // Rows of one view are all of this class; anything else compares as the base does.
    const int column = treeWidget() ? treeWidget()->sortColumn() : -1;
    if (typeid(other) != typeid(TSortedRow) || column < 0 ||
        column >= static_cast<const TLumListView*>(treeWidget())->columns().size())
        return TLumListItem::operator<(other);
    return TLumColumn::compareKeys(key(column), static_cast<const TSortedRow&>(other).key(column)) < 0;
}
