#include "tlumrecordmodel.h"

#include "tlumlistorder.h"
#include "tvalue.h"

#include <algorithm>

TLumRecordModel::TLumRecordModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void TLumRecordModel::setColumns(const QList<TLumColumn>& columns)
{
    beginResetModel();
    m_columns = columns;
    m_records.clear();
    endResetModel();
}

void TLumRecordModel::setRecords(std::vector<Basics::TValue*> records, int sortColumn, Qt::SortOrder order)
{
    beginResetModel();
    m_records = std::move(records);
    m_sortColumn = sortColumn;
    m_sortOrder = order;
    if (sorted()) {
        const std::vector<int> rows = sortedRecordRows(m_records, m_columns.at(m_sortColumn), m_sortOrder);
        if (!rows.empty()) {
            std::vector<Basics::TValue*> inOrder(rows.size());
            std::transform(rows.cbegin(), rows.cend(), inOrder.begin(),
                           [this](int row) { return m_records[size_t(row)]; });
            m_records.swap(inOrder);
        }
    }
    endResetModel();
}

Basics::TValue* TLumRecordModel::recordAt(int row) const
{
    return row >= 0 && size_t(row) < m_records.size() ? m_records[size_t(row)] : nullptr;
}

int TLumRecordModel::rowOf(const Basics::TValue* record) const
{
    const auto found = std::find(m_records.cbegin(), m_records.cend(), record);
    return found == m_records.cend() ? -1 : int(found - m_records.cbegin());
}

QString TLumRecordModel::text(int row, int column) const
{
    const Basics::TValue* record = recordAt(row);
    if (!record || column < 0 || column >= m_columns.size())
        return QString();
    return m_columns.at(column).text(*record, m_workspace);
}

bool TLumRecordModel::before(const Basics::TValue* a, const Basics::TValue* b) const
{
    const int order = m_columns.at(m_sortColumn).compare(*a, *b);
    return m_sortOrder == Qt::AscendingOrder ? order < 0 : order > 0;
}

int TLumRecordModel::placeOf(const Basics::TValue* record, int skip) const
{
    // The first row (counted without skip) that sorts after the record: equal records keep the
    // order they came in.
    const auto at = [this, skip](int k) { return m_records[size_t(skip >= 0 && k >= skip ? k + 1 : k)]; };
    int low = 0;
    int high = int(m_records.size()) - (skip >= 0 ? 1 : 0);
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (before(record, at(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

void TLumRecordModel::insertRecord(Basics::TValue* record)
{
    if (!record || rowOf(record) >= 0)
        return;
    const int row = sorted() ? placeOf(record, -1) : int(m_records.size());
    beginInsertRows(QModelIndex(), row, row);
    m_records.insert(m_records.begin() + row, record);
    endInsertRows();
}

void TLumRecordModel::recordChanged(Basics::TValue* record)
{
    const int row = rowOf(record);
    if (row < 0)
        return;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    if (!sorted())
        return;
    const int place = placeOf(record, row);
    if (place == row)
        return;
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), place > row ? place + 1 : place);
    const auto first = m_records.begin();
    if (place > row)
        std::rotate(first + row, first + row + 1, first + place + 1);
    else
        std::rotate(first + place, first + row, first + row + 1);
    endMoveRows();
}

void TLumRecordModel::removeRecord(const Basics::TValue* record)
{
    const int row = rowOf(record);
    if (row < 0)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_records.erase(m_records.begin() + row);
    endRemoveRows();
}

int TLumRecordModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

int TLumRecordModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TLumRecordModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && m_columns.at(index.column()).numeric())
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

QVariant TLumRecordModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_columns.size())
        return m_columns.at(section).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags TLumRecordModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

void TLumRecordModel::sort(int column, Qt::SortOrder order)
{
    // The rows keep their order while the model is sorted: asked again, there is nothing to do.
    if (column == m_sortColumn && order == m_sortOrder)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    if (!sorted())
        return;
    const std::vector<int> rows = sortedRecordRows(m_records, m_columns.at(column), order);
    if (rows.empty())
        return;
    // One layout change: the view's selection, current row and hidden rows follow their records.
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<Basics::TValue*> inOrder(rows.size());
    std::vector<int> newRow(rows.size());
    for (size_t row = 0; row < rows.size(); ++row) {
        inOrder[row] = m_records[size_t(rows[row])];
        newRow[size_t(rows[row])] = int(row);
    }
    m_records.swap(inOrder);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from)
        to << createIndex(newRow[size_t(index.row())], index.column());
    changePersistentIndexList(from, to);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
