#pragma once

#include "lumlib_global.h"
#include "tlumcolumn.h"
#include "tlumrecordrows.h"

#include <QList>
#include <QTreeView>

#include <vector>

class TLumRecordModel;
class TLumWorkspace;

// The view of a whole list of records, as the main window shows it: a tree view over a
// TLumRecordModel, which makes no object per record, so that a list of a million records opens and
// sorts in a fraction of a second. Several rows can be selected; a click on a header sorts by that
// column.
class LUMLIB_EXPORT TLumRecordView : public QTreeView, public TLumRecordRows {
    Q_OBJECT
public:
    explicit TLumRecordView(QWidget* parent = nullptr);

    TLumRecordModel* recordModel() const { return m_model; }
    void setColumns(const QList<TLumColumn>& columns);
    const QList<TLumColumn>& columns() const;
    void setWorkspace(TLumWorkspace* workspace);
    // The records shown, put in the order the header shows.
    void setRecords(std::vector<Basics::TValue*> records);

    using QTreeView::isRowHidden;
    using QTreeView::setRowHidden;
    bool isRowHidden(int row) const { return QTreeView::isRowHidden(row, QModelIndex()); }
    void setRowHidden(int row, bool hide) { QTreeView::setRowHidden(row, QModelIndex(), hide); }

    QWidget* rowsWidget() override { return this; }
    int rowCount() const override;
    Basics::TValue* recordAt(int row) const override;
    QString rowText(int row, int column) const override;
    QList<int> selectedRows() const override;
    int currentRow() const override;
    void selectOnlyRow(int row) override;
    int rowOf(const Basics::TValue* record) const override;

private:
    TLumRecordModel* m_model;
};
