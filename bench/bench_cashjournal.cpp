// The cash journal with 100,000 rows, on the workspace's SQLite file and on PostgreSQL side by
// side: inserting 10,000 rows in one operation, the journal of one day, and the steps of a cash
// count (claiming the open rows, the targets, settling one location); and what the cash charts read
// from a journal of 150,000 rows with a count of every location each day. PostgreSQL runs when the
// program runs beside a cluster: scripts/with-postgres.sh --durable build/bin/bench_cashjournal

#include "cashjournal.h"
#include "tlumworkspace.h"
#include "tsqldatabase.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int journalRows = 100000;
constexpr int days = 100;     // 1,000 rows a day
constexpr int locations = 20; // "Waiter 1(1)" ...
constexpr int insertedRows = 10000;
constexpr int chartJournalRows = 150000; // every tenth row the vault's
const QDateTime firstDay(QDate(2024, 1, 1), QTime(0, 0));

Database::CashGroupJournalsTable journalRow(int i, int rows = journalRows)
{
    Database::CashGroupJournalsTable row;
    const int location = i % locations + 1;
    row.setLocation(rows > journalRows && i % 10 == 0 ? QStringLiteral("vault")
                                                      : QStringLiteral("Waiter %1(%1)").arg(location));
    row.setCashGroup(QStringList{"Cash", "Card", "Voucher", "Cheque"}[i % 4]);
    row.setCashAmount((i % 997) / 4.0);
    row.setOutletSumKey(1);
    row.setOutlet(1);
    row.setOutletName(QStringLiteral("Restaurant"));
    row.setWaiter(location);
    row.setWaiterName(QStringLiteral("Waiter %1").arg(location));
    row.setCashReason(QStringLiteral("Sale"));
    row.setBillNum(i);
    row.setTimestampRecord(firstDay.addSecs(qint64(i) * days * 86400 / rows));
    return row;
}

// A count of every location and cash group at the end of each day.
Database::CashGroupCCDTableList dailyCounts()
{
    Database::CashGroupCCDTableList counts;
    for (int day = 0; day < days; ++day) {
        for (int location = 1; location <= locations; ++location) {
            for (const char* group : {"Cash", "Card", "Voucher", "Cheque"}) {
                Database::CashGroupCCDTable row;
                row.setLocation(QStringLiteral("Waiter %1(%1)").arg(location));
                row.setCashGroup(QLatin1String(group));
                row.setSumOutletId(1);
                row.setCCDId(day * locations + location);
                row.setCCDTimestamp(firstDay.addDays(day).addSecs(23 * 3600));
                row.setTargetAmount(100);
                row.setActualAmount(100 + (day + location) % 5 - 2);
                row.setDifferenceAmount((day + location) % 5 - 2);
                counts << row;
            }
        }
    }
    return counts;
}

// A database with the journal: the workspace's SQLite file, or the PostgreSQL data source.
class Journal {
public:
    Journal(bool postgres, int rowCount)
    {
        m_workspace = std::make_unique<TLumWorkspace>(m_dir.path());
        if (postgres) {
            m_workspace->setDatabase(QStringLiteral("QODBC"), qEnvironmentVariable("LUM_TEST_POSTGRES_DSN"));
            QSqlDatabase db = m_workspace->database();
            Database::runScript(
                db, QStringLiteral("DROP VIEW IF EXISTS GetNoCCDSinceDate, GetCCDValues, "
                                   "CashGroupJournalView;\nDROP TABLE IF EXISTS CashGroupJournals, "
                                   "cashgroupccd, Kostenstellen;\n"));
            for (const QString& script : Database::projectScripts(Database::Kind::PostgreSQL))
                Database::runScript(db, Database::projectScript(Database::Kind::PostgreSQL, script));
        }
        m_journal = std::make_unique<Database::CashJournal>(m_workspace.get());
        // Everything but the last day settled by earlier counts.
        Database::CashGroupJournalsTableList rows;
        for (int i = 0; i < rowCount; ++i) {
            rows << journalRow(i, rowCount);
            rows.last().setCashCCDId(i < rowCount - rowCount / days ? 1 + i / 5000 : 0);
        }
        m_ready = m_journal->InsertJournalRows(rows) &&
                  (rowCount == journalRows || m_journal->InsertCCDRows(dailyCounts()));
        if (postgres)
            execute(QStringLiteral("ANALYZE CashGroupJournals"));
    }

    bool ready() const { return m_ready; }
    Database::CashJournal& journal() { return *m_journal; }
    bool execute(const QString& sql)
    {
        QSqlQuery query(m_workspace->database());
        return query.exec(sql);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TLumWorkspace> m_workspace;
    std::unique_ptr<Database::CashJournal> m_journal;
    bool m_ready = false;
};

// Made on first use and gone before the application is; the charts' own larger one apart.
std::unique_ptr<Journal> journals[2];
std::unique_ptr<Journal> chartJournals[2];

Journal* journalOf(benchmark::State& state, bool postgres, int rows = journalRows)
{
    if (postgres && qEnvironmentVariableIsEmpty("LUM_TEST_POSTGRES_DSN")) {
        state.SkipWithError("no PostgreSQL: run through scripts/with-postgres.sh");
        return nullptr;
    }
    auto& journal = rows == journalRows ? journals[postgres] : chartJournals[postgres];
    if (!journal) {
        // One journal on the cluster at a time: each starts from fresh tables.
        if (postgres)
            (rows == journalRows ? chartJournals : journals)[postgres].reset();
        journal = std::make_unique<Journal>(postgres, rows);
    }
    if (!journal->ready()) {
        state.SkipWithError("the journal could not be filled");
        return nullptr;
    }
    return journal.get();
}

void BM_InsertRows(benchmark::State& state, bool postgres)
{
    Journal* journal = journalOf(state, postgres);
    if (!journal)
        return;
    Database::CashGroupJournalsTableList rows;
    for (int i = 0; i < insertedRows; ++i) {
        rows << journalRow(i);
        rows.last().setOutletSumKey(99);
    }
    for (auto _ : state) {
        if (!journal->journal().InsertJournalRows(rows))
            state.SkipWithError(qPrintable(journal->journal().ErrorText()));
        state.PauseTiming();
        journal->execute(QStringLiteral("DELETE FROM CashGroupJournals WHERE outletsumkey = 99"));
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * insertedRows);
}

void BM_JournalOfOneDay(benchmark::State& state, bool postgres)
{
    Journal* journal = journalOf(state, postgres);
    if (!journal)
        return;
    const QDateTime from = firstDay.addDays(days / 2);
    qsizetype lines = 0;
    for (auto _ : state)
        lines = journal->journal().GetJournal(1, from, from.addSecs(86399)).size();
    state.counters["lines"] = double(lines);
}

void BM_PrepareCount(benchmark::State& state, bool postgres)
{
    Journal* journal = journalOf(state, postgres);
    if (!journal)
        return;
    for (auto _ : state) {
        state.PauseTiming();
        journal->execute(QStringLiteral("UPDATE CashGroupJournals SET cashccd_id = 0 WHERE cashccd_id = -1"));
        state.ResumeTiming();
        if (!journal->journal().PrepareCCDRows(1))
            state.SkipWithError(qPrintable(journal->journal().ErrorText()));
    }
}

void BM_CountTargets(benchmark::State& state, bool postgres)
{
    Journal* journal = journalOf(state, postgres);
    if (!journal)
        return;
    journal->journal().PrepareCCDRows(1);
    qsizetype targets = 0;
    for (auto _ : state)
        targets = journal->journal().GetCCDValues(1).size();
    state.counters["targets"] = double(targets);
}

void BM_MarkCount(benchmark::State& state, bool postgres)
{
    Journal* journal = journalOf(state, postgres);
    if (!journal)
        return;
    for (auto _ : state) {
        state.PauseTiming();
        journal->execute(
            QStringLiteral("UPDATE CashGroupJournals SET cashccd_id = -1 WHERE cashccd_id = 9999"));
        journal->journal().PrepareCCDRows(1);
        state.ResumeTiming();
        if (!journal->journal().MarkCCDRows(1, 9999, QStringLiteral("Waiter 7(7)")))
            state.SkipWithError(qPrintable(journal->journal().ErrorText()));
    }
}

// What the charts read when they are shown: the locations, the last 30 counts of one, and the
// vault's cash per day over 90 days.
void BM_ChartData(benchmark::State& state, bool postgres)
{
    Journal* journal = journalOf(state, postgres, chartJournalRows);
    if (!journal)
        return;
    Database::CashJournal& cash = journal->journal();
    const QDate last = firstDay.date().addDays(days - 1);
    qsizetype points = 0;
    for (auto _ : state) {
        points = cash.GetChartLocations(1).size();
        points += cash.GetLastCounts(1, QStringLiteral("Waiter 7(7)"), 30).size();
        for (const Database::VaultBalance& balance :
             cash.GetBalances(1, QStringLiteral("vault"), last.addDays(-89), last))
            points += balance.days.size();
        if (cash.failed())
            state.SkipWithError(qPrintable(cash.ErrorText()));
    }
    state.counters["points"] = double(points);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    for (const bool postgres : {false, true}) {
        const std::string database = postgres ? "/postgresql" : "/sqlite";
        benchmark::RegisterBenchmark(("BM_InsertRows" + database).c_str(), BM_InsertRows, postgres)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("BM_JournalOfOneDay" + database).c_str(), BM_JournalOfOneDay, postgres)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("BM_PrepareCount" + database).c_str(), BM_PrepareCount, postgres)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("BM_CountTargets" + database).c_str(), BM_CountTargets, postgres)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("BM_MarkCount" + database).c_str(), BM_MarkCount, postgres)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("BM_ChartData" + database).c_str(), BM_ChartData, postgres)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (auto& journal : journals)
        journal.reset();
    for (auto& journal : chartJournals)
        journal.reset();
    return 0;
}
