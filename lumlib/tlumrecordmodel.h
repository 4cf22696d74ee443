#pragma once

#include "lumlib_global.h"
#include "tlumcolumn.h"

#include <QAbstractTableModel>
#include <QList>

#include <vector>

class TLumWorkspace;

namespace Basics {
class TValue;
}

// The records of a list as a table: one row per record, held as a pointer in display order, one
// column per TLumColumn. A cell's text is made from the record when it is asked for, so a list of a
// million records costs a million pointers, and a changed record needs no refill.
//
// Sorting takes one key from every record (tlumlistorder) and permutes the pointers within one layout
// change, so that the selection and the current row follow their records. While the model is sorted,
// a record inserted or changed goes to its place at once.
class LUMLIB_EXPORT TLumRecordModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TLumRecordModel(QObject* parent = nullptr);

    void setColumns(const QList<TLumColumn>& columns);
    const QList<TLumColumn>& columns() const { return m_columns; }
    // The workspace that amounts and references are shown from.
    void setWorkspace(TLumWorkspace* workspace) { m_workspace = workspace; }
    TLumWorkspace* workspace() const { return m_workspace; }

    // The records shown from now on, sorted by the column (none when -1).
    void setRecords(std::vector<Basics::TValue*> records, int sortColumn, Qt::SortOrder order);
    const std::vector<Basics::TValue*>& records() const { return m_records; }
    Basics::TValue* recordAt(int row) const;
    // The row of a record, or -1.
    int rowOf(const Basics::TValue* record) const;
    QString text(int row, int column) const;

    // A record the list took, put at its place; a record that changed, painted and moved to its
    // place; a record the list let go, left out.
    void insertRecord(Basics::TValue* record);
    void recordChanged(Basics::TValue* record);
    void removeRecord(const Basics::TValue* record);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    bool sorted() const { return m_sortColumn >= 0 && m_sortColumn < m_columns.size(); }
    // Whether a sorts before b in the model's order.
    bool before(const Basics::TValue* a, const Basics::TValue* b) const;
    // The row a record belongs at among the rows other than skip (-1: among all).
    int placeOf(const Basics::TValue* record, int skip) const;

    QList<TLumColumn> m_columns;
    TLumWorkspace* m_workspace = nullptr;
    std::vector<Basics::TValue*> m_records;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
