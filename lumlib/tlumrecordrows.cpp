#include "tlumrecordrows.h"

#include <QWidget>

TLumRecordRows::~TLumRecordRows() = default;

int TLumRecordRows::rowOf(const Basics::TValue* record) const
{
    if (!record)
        return -1;
    for (int row = 0; row < rowCount(); ++row) {
        if (recordAt(row) == record)
            return row;
    }
    return -1;
}

QList<Basics::TValue*> TLumRecordRows::selectedRecords() const
{
    QList<Basics::TValue*> records;
    for (int row : selectedRows()) {
        if (Basics::TValue* record = recordAt(row))
            records << record;
    }
    return records;
}

bool TLumRecordRows::selectRecord(const Basics::TValue* record)
{
    const int row = rowOf(record);
    if (row >= 0)
        selectOnlyRow(row);
    return row >= 0;
}

TLumRecordRows* TLumRecordRows::of(QWidget* widget)
{
    return dynamic_cast<TLumRecordRows*>(widget);
}
