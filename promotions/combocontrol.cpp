#include "combocontrol.h"

#include "tvaluelist.h"

ComboControl::ComboControl(QWidget* parent)
    : QComboBox(parent)
{
}

void ComboControl::insertItem(int row, const QString& text, const QString& key)
{
    QComboBox::insertItem(row, text, key);
}

void ComboControl::addRecords(const Basics::TValueList* list)
{
    if (!list)
        return;
    for (const Basics::TValue* record : *list)
        insertItem(count(), record->getName(), QString::number(record->getID()));
}

QString ComboControl::currentKey() const
{
    return currentData().toString();
}

void ComboControl::setCurrentKey(const QString& key)
{
    int row = findData(key);
    if (row < 0) {
        row = count();
        insertItem(row, tr("%1 (missing)").arg(key), key);
    }
    setCurrentIndex(row);
}
