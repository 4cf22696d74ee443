#pragma once

#include "journaldata.h"
#include "lumdialogs_global.h"

#include <QTreeWidgetItem>

// One line of the cash journal in the journal page's list: the time ("dd.MM.yyyy hh:mm:ss"),
// location, waiter, cash group, amount (two decimals), reason, terminal and bill number.
class LUMDIALOGS_EXPORT CCDJournalViewItem : public QTreeWidgetItem {
public:
    explicit CCDJournalViewItem(const Database::JournalData& line);

    const Database::JournalData& line() const { return m_line; }

private:
    Database::JournalData m_line;
};
