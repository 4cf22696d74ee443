#pragma once

#include "lumdialogs_global.h"
#include "tlumcolumn.h"
#include "tlumlistview.h"

// A row of a record in a TLumListView that keeps what it sorts by in the column the view is sorted by:
// sorting tens of thousands of rows compares each row some thirty times, and looking the value up in the
// record each time took most of the sort. A row whose record changed forgets its key.
class LUMDIALOGS_EXPORT TSortedRow : public TLumListItem {
public:
    TSortedRow(QTreeWidget* view, Basics::TValue* value);
    // A row not yet in a view, to be added with others in one step.
    explicit TSortedRow(Basics::TValue* value);

    void forgetKey() { m_keyColumn = -1; }
    bool operator<(const QTreeWidgetItem& other) const override;

private:
    const TLumColumn::SortKey& key(int column) const;

    mutable int m_keyColumn = -1;
    mutable TLumColumn::SortKey m_key;
};
