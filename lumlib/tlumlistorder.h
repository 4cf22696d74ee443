#pragma once

// The order of the items of a list view by one of its columns, worked out on a key taken once from
// every item instead of by comparing the items pair by pair (a sort of a million items compares
// some twenty million times).

#include <QList>
#include <Qt>

#include <span>
#include <vector>

class QTreeWidgetItem;
struct TLumColumn;

namespace Basics {
class TValue;
}

// The rows of items in their order by the column: column's order for items that carry a record,
// QTreeWidgetItem's operator< (with the view's sort column) when any item does not, or when column
// is null. Equal items keep their order. Empty when the items are in that order already.
std::vector<int> sortedRows(const QList<QTreeWidgetItem*>& items, const TLumColumn* column,
                            Qt::SortOrder order);

// The rows of records in their order by the column. Equal records keep their order. Empty when the
// records are in that order already.
std::vector<int> sortedRecordRows(std::span<Basics::TValue* const> records, const TLumColumn& column,
                                  Qt::SortOrder order);
