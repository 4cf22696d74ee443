#pragma once

#include "cashchartdata.h"
#include "cashgroupccdtable.h"
#include "cashgroupjournalstable.h"
#include "journaldata.h"
#include "lumdialogs_global.h"

#include <QDateTime>
#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QSqlError;
class QSqlQuery;
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
    ~CashJournal();
    CashJournal(const CashJournal&) = delete;
    CashJournal& operator=(const CashJournal&) = delete;

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
    // The same piece by piece, so that the first lines can be shown while the rest is read:
    // OpenJournal runs the query, ReadJournal gives up to count more lines (fewer at the end, where
    // the query is closed; maxRowsRead in all at most). Opening again, or any other operation,
    // closes a journal still open.
    bool OpenJournal(int sumOutlet, const QDateTime& from, const QDateTime& to);
    JournalDataList ReadJournal(int count);
    bool JournalOpen() const { return m_reader != nullptr; }
    void CloseJournal();
    // Locations with rows no count has settled that were not counted for that many days: location
    // -> the time since which ("dd.MM.yyyy hh:mm").
    QMap<QString, QString> GetNoCCDSince(int days, int sumOutlet);

    // What the cash charts show. The locations of a sum outlet that were counted or wait for
    // their first count, by name.
    QStringList GetChartLocations(int sumOutlet);
    // The last counts of a location (at most count of them), the oldest first.
    CountSummaryList GetLastCounts(int sumOutlet, const QString& location, int count);
    // The cash of a location (the vault) per cash group over the days from first to last.
    VaultBalanceList GetBalances(int sumOutlet, const QString& location, const QDate& first,
                                 const QDate& last);

    // Creates the table "cashgroupccd" when the database lacks it; true when it is there.
    bool MakeCCDTable();

    // Runs the operations of steps in one transaction on one connection: when steps returns false
    // (an operation failed, or the caller gave up) nothing of what they wrote is kept, otherwise
    // all of it. A connection lost in between fails every later operation; none connects anew.
    bool InOneTransaction(const std::function<bool()>& steps);

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
    // Runs a read; false (the error noted) when it could not be run.
    bool select(const char* operation, QSqlQuery& query, const QString& sql, const QVariantList& values);
    void log(int level, const QString& text) const;
    bool inTransaction() const { return m_transaction.isValid(); }

    TLumWorkspace* m_workspace;
    Basics::TLog* m_log;
    QString m_error;
    // The connection of the transaction in progress.
    QSqlDatabase m_transaction;
    // The journal being read piece by piece, and how many of its lines were read.
    std::unique_ptr<QSqlQuery> m_reader;
    int m_readerSumOutlet = 0;
    int m_readerRows = 0;
};

} // namespace Database
