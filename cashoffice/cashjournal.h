#pragma once

#include "cashgroupccdtable.h"
#include "cashgroupjournalstable.h"
#include "journaldata.h"
#include "lumdialogs_global.h"

#include <QDateTime>
#include <QMap>
#include <QSqlDatabase>
#include <QString>

class QSqlError;
class TLumWorkspace;

namespace Basics {
class TLog;
}

namespace Database {

// The cash journal in the workspace's database ("poscashdb", or the workspace's own SQLite file):
// the rows the cash office writes and the views it reads. Every value travels as a bound
// parameter. Nothing is thrown: an operation that fails returns false (a read returns what it
// has, as a rule nothing), leaves ErrorText() telling why and writes that to the log. A set of
// rows is written whole or not at all.
//
// Counting cash goes in two steps: PrepareCCDRows claims every row of a sum outlet that no count
// has settled (cashccd_id below 1 becomes -1), GetCCDValues then gives the target of every
// location and cash group from the claimed rows, and MarkCCDRows settles the claimed rows of the
// counted location with the number of the count.
class LUMDIALOGS_EXPORT CashJournal {
public:
    // Reads stop after this many rows (the log says so), whatever the database holds.
    static constexpr int maxRowsRead = 100000;

    // The log receives the failures; without one, the process's log.
    explicit CashJournal(TLumWorkspace* workspace, Basics::TLog* log = nullptr);

    bool InsertJournalRow(const CashGroupJournalsTable& row);
    bool InsertJournalRows(const CashGroupJournalsTableList& rows);
    bool InsertCCDRows(const CashGroupCCDTableList& rows);

    bool PrepareCCDRows(int sumOutlet);
    bool MarkCCDRows(int sumOutlet, qint64 ccdNumber, const QString& location);

    // The targets of one location, or of every location when none is named, ordered by location
    // and cash group.
    CashGroupCCDTableList GetCCDValues(int sumOutlet, const QString& location = QString());
    // The journal lines of a sum outlet between two times (both included), in time order.
    JournalDataList GetJournal(int sumOutlet, const QDateTime& from, const QDateTime& to);
    // Locations with rows no count has settled that were not counted for that many days: location
    // -> the time since which ("dd.MM.yyyy hh:mm").
    QMap<QString, QString> GetNoCCDSince(int days, int sumOutlet);

    // Creates the table "cashgroupccd" when the database lacks it; true when it is there.
    bool MakeCCDTable();

    // Why the last operation failed ("Type: %1 Code: %2 DB: %3 Driver: %4"); empty after success.
    QString ErrorText() const { return m_error; }
    bool failed() const { return !m_error.isEmpty(); }

private:
    // The workspace's database, open; not open (with the error noted) when there is none to be had.
    QSqlDatabase connection(const char* operation);
    bool insertRows(const char* operation, const QString& table, const QList<QStringList>& columns,
                    const QList<QVariantList>& values);
    bool execute(const char* operation, const QString& statement, const QVariantList& values);
    void fail(const char* operation, const QSqlError& error);
    void log(int level, const QString& text) const;

    TLumWorkspace* m_workspace;
    Basics::TLog* m_log;
    QString m_error;
};

} // namespace Database
