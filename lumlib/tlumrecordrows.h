#pragma once

#include "lumlib_global.h"

#include <QList>
#include <QString>

class QWidget;

namespace Basics {
class TValue;
}

// What the editors and the host's navigation need of a view that lists records: its rows in list
// order, their records and texts, the selected and the current row, and selecting one row. The item
// view of the dialogs (TLumListView) and the main window's view over a model (TLumRecordView) both
// offer it, so an editor moves the same way through either.
class LUMLIB_EXPORT TLumRecordRows {
public:
    virtual ~TLumRecordRows();

    // The view itself, the parent of the editors opened on it.
    virtual QWidget* rowsWidget() = 0;
    virtual int rowCount() const = 0;
    // The record of a row; null for a row that carries none.
    virtual Basics::TValue* recordAt(int row) const = 0;
    // The text the row shows in the column.
    virtual QString rowText(int row, int column) const = 0;
    // The selected rows in list order.
    virtual QList<int> selectedRows() const = 0;
    // -1 when there is no current row.
    virtual int currentRow() const = 0;
    // Selects exactly this row, makes it current and shows it.
    virtual void selectOnlyRow(int row) = 0;
    // The row of the record, or -1.
    virtual int rowOf(const Basics::TValue* record) const;

    // The records of the selected rows, in list order.
    QList<Basics::TValue*> selectedRecords() const;
    // Selects only the record's row; false when the view does not list it.
    bool selectRecord(const Basics::TValue* record);

    // The rows a widget offers, or null.
    static TLumRecordRows* of(QWidget* widget);
};
