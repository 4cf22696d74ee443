#include "tlumrecordview.h"

#include "tlumrecordmodel.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include <algorithm>

TLumRecordView::TLumRecordView(QWidget* parent)
    : QTreeView(parent)
    , m_model(new TLumRecordModel(this))
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setAlternatingRowColors(true);
    header()->setSortIndicator(0, Qt::AscendingOrder); // by number until told otherwise
}

void TLumRecordView::setColumns(const QList<TLumColumn>& columns)
{
    m_model->setColumns(columns);
}

const QList<TLumColumn>& TLumRecordView::columns() const
{
    return m_model->columns();
}

void TLumRecordView::setWorkspace(TLumWorkspace* workspace)
{
    m_model->setWorkspace(workspace);
}

void TLumRecordView::setRecords(std::vector<Basics::TValue*> records)
{
    m_model->setRecords(std::move(records), isSortingEnabled() ? header()->sortIndicatorSection() : -1,
                        header()->sortIndicatorOrder());
}

int TLumRecordView::rowCount() const
{
    return m_model->rowCount();
}

Basics::TValue* TLumRecordView::recordAt(int row) const
{
    return m_model->recordAt(row);
}

QString TLumRecordView::rowText(int row, int column) const
{
    return m_model->text(row, column);
}

QList<int> TLumRecordView::selectedRows() const
{
    QList<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows << row;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int TLumRecordView::currentRow() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void TLumRecordView::selectOnlyRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    const QModelIndex index = m_model->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

int TLumRecordView::rowOf(const Basics::TValue* record) const
{
    return m_model->rowOf(record);
}
