#pragma once

#include "lumdialogs_global.h"

#include <QComboBox>

namespace Basics {
class TValueList;
}

// A combo box that keeps a key text for every row: items are inserted with their row, text and key,
// and the current key is the key of the current row.
class LUMDIALOGS_EXPORT ComboControl : public QComboBox {
    Q_OBJECT
public:
    explicit ComboControl(QWidget* parent = nullptr);

    using QComboBox::insertItem;
    void insertItem(int row, const QString& text, const QString& key);
    // One row per record of the list after the rows there are: the name, keyed by the id.
    void addRecords(const Basics::TValueList* list);
    // The key of the current row; empty when no row is current.
    QString currentKey() const;
    // Makes the first row of that key current. A key that no row has (a record that was deleted)
    // gets a row of its own, "<key> (missing)", so that the key stays as it was.
    void setCurrentKey(const QString& key);
};
