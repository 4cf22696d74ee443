#pragma once

#include <QString>

// The cash office of the demo: its INI files ("outlets.ini", "externaccountmap.ini" with the
// cash counter's denominations), three weeks of journal rows up to today (sales, change funds
// handed to the waiters, cash counts with their differences, vault deposits and flushes) and the
// daily statistics directories of both outlets, one day of the bar missing a file.
class TCashOfficeDemo {
public:
    // Writes what the root lacks: the INI files and statistics directories when they are missing,
    // the journal when the root's own journal database holds no row (never into a configured
    // "poscashdb"). Returns the number of files and rows written; throws Basics::TError.
    static int create(const QString& dataRoot);
};
