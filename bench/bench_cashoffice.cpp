// The cash office's dialog as the operator waits for it, on the workspace's SQLite file and on
// PostgreSQL side by side: a cash count of a location with 50,000 journal rows since its last
// count (from "Book" until the dialog is done), and the journal page over 100,000 rows (from
// "Request" until the first lines show, and until all are read). PostgreSQL runs beside a cluster:
// scripts/with-postgres.sh --durable build/bin/bench_cashoffice

#include "cashjournal.h"
#include "cashtransactionsdialog.h"
#include "tcounter.h"
#include "tfiscaldevice.h"
#include "tlistnames.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tprompts.h"
#include "tsqldatabase.h"
#include "tvaluelist.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include "widgetbenchmarkmain.h"

#include <memory>

namespace {

constexpr int countedRows = 50000;
constexpr int journalRows = 100000;
constexpr int firstCount = 100;
const QString counted = QStringLiteral("Waiter 1(1)");
const QStringList cashGroups = {QStringLiteral("Cash"), QStringLiteral("Voucher"), QStringLiteral("Cheque"),
                                QStringLiteral("Credit card")};

// Every question answered "Yes", every message unseen.
class YesPrompts : public TPrompts {
public:
    void information(QWidget*, const QString&, const QString&) override {}
    void warning(QWidget*, const QString&, const QString&) override {}
    int choose(QWidget*, QMessageBox::Icon, const QString&, const QString&, const QStringList&, int,
               int) override
    {
        return 0;
    }
};

// A data root with the records a booking needs, its journal in the database the benchmark runs on.
class Office {
public:
    explicit Office(bool postgres)
    {
        QFile(m_dir.filePath(QStringLiteral("externaccountmap.ini"))).open(QIODevice::WriteOnly);
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
        put(QStringLiteral("currencies"), 1, {{"name", "Euro"}, {"decpos", "2"}});
        for (int i = 0; i < cashGroups.size(); ++i)
            put(QStringLiteral("payforms"), i + 1, {{"name", qPrintable(cashGroups[i])}});
        put(QStringLiteral("waiters"), 1, {{"name", "Waiter 1"}});
        put(QStringLiteral("costcenters"), 1, {{"name", "Restaurant"}});
        put(QStringLiteral("settings"), 0, {{"cashoutlet", "1"}});
        m_window = std::make_unique<TLumWindow>(m_workspace.get());
        m_device = std::make_unique<Devices::TFiscalExportDevice>(m_dir.path());
        TLumWorkspace::FiscalDeviceList.clear();
        TLumWorkspace::FiscalDeviceList.append(m_device.get());

        // The counted location's rows since its last count, and 100,000 rows of one day besides.
        Database::CashGroupJournalsTableList rows;
        const QDateTime day(QDate(2024, 3, 5), QTime(0, 0));
        for (int i = 0; i < countedRows + journalRows; ++i) {
            Database::CashGroupJournalsTable row;
            const bool count = i < countedRows;
            row.setLocation(count ? counted : QStringLiteral("Waiter %1(%1)").arg(2 + i % 19));
            row.setCashGroup(cashGroups[i % cashGroups.size()]);
            row.setCashAmount((i % 997) / 4.0);
            row.setOutletSumKey(1);
            row.setWaiterName(QStringLiteral("Waiter"));
            row.setCashReason(QStringLiteral("Sale"));
            row.setBillNum(i);
            row.setCashCCDId(count ? 0 : 1);
            row.setTimestampRecord(count ? day.addDays(-1) : day.addMSecs(qint64(i - countedRows) * 864));
            rows << row;
        }
        m_ready = Database::CashJournal(m_workspace.get()).InsertJournalRows(rows);
        // Counts number on from the earlier ones.
        PosLib::TCounter(m_dir.path(), QStringLiteral("counter.dat"))
            .setCounter(PosLib::TCounter::ccdKey, firstCount);
        if (postgres)
            execute(QStringLiteral("ANALYZE CashGroupJournals"));
    }
    ~Office() { TLumWorkspace::FiscalDeviceList.clear(); }

    bool ready() const { return m_ready; }
    TLumWorkspace* workspace() const { return m_workspace.get(); }
    TLumWindow* window() const { return m_window.get(); }
    bool execute(const QString& sql)
    {
        QSqlQuery query(m_workspace->database());
        return query.exec(sql);
    }

private:
    void put(const QString& list, int id,
             std::initializer_list<std::pair<const char*, const char*>> attributes)
    {
        Basics::TValueList* target = m_workspace->getData(list);
        Basics::TValue* record = target->createValue();
        record->setID(id);
        for (const auto& [key, text] : attributes)
            record->set(key, QString::fromUtf8(text));
        target->insert(record);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<TLumWorkspace> m_workspace;
    std::unique_ptr<TLumWindow> m_window;
    std::unique_ptr<Devices::TFiscalExportDevice> m_device;
    bool m_ready = false;
};

std::unique_ptr<Office> offices[2];

Office* officeOf(benchmark::State& state, bool postgres)
{
    if (postgres && qEnvironmentVariableIsEmpty("LUM_TEST_POSTGRES_DSN")) {
        state.SkipWithError("no PostgreSQL: run through scripts/with-postgres.sh");
        return nullptr;
    }
    auto& office = offices[postgres];
    if (!office) {
        offices[!postgres].reset(); // one data root at a time
        office = std::make_unique<Office>(postgres);
    }
    if (!office->ready()) {
        state.SkipWithError("the journal could not be filled");
        return nullptr;
    }
    return office.get();
}

template <class T>
T* widget(QWidget* dialog, const char* name)
{
    return dialog->findChild<T*>(QString::fromLatin1(name));
}

void BM_CountOfLocation(benchmark::State& state, bool postgres)
{
    Office* office = officeOf(state, postgres);
    if (!office)
        return;
    YesPrompts prompts;
    TPrompts::install(&prompts);
    CashTransactionsDialog dialog(office->workspace(), office->window());
    dialog.InitData();
    auto* tabs = widget<QTabWidget>(&dialog, "MainTabView");
    auto* book = widget<QAbstractButton>(&dialog, "BookButton");
    auto* table = widget<QTableWidget>(&dialog, "CCDCashGroupsTableView");
    int settled = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The location as it was before its count.
        office->execute(
            QStringLiteral("UPDATE CashGroupJournals SET cashccd_id = 0 WHERE location = '%1'").arg(counted));
        office->execute(QStringLiteral("DELETE FROM CashGroupJournals WHERE cashreason = 'CCD CashIN'"));
        tabs->setCurrentIndex(0);
        tabs->setCurrentIndex(1);
        auto* locations = widget<QComboBox>(&dialog, "CCDLocationComboBox");
        locations->setCurrentIndex(locations->findText(counted, Qt::MatchEndsWith));
        Q_EMIT locations->activated(locations->currentIndex());
        for (int row = 0; row < table->rowCount(); ++row)
            table->item(row, 1)->setText(QStringLiteral("100"));
        state.ResumeTiming();
        book->click();
        state.PauseTiming();
        QSqlQuery check(office->workspace()->database());
        check.exec(
            QStringLiteral("SELECT COUNT(*) FROM CashGroupJournals WHERE cashccd_id >= %1").arg(firstCount));
        settled = check.next() ? check.value(0).toInt() : 0;
        state.ResumeTiming();
    }
    TPrompts::install(nullptr);
    state.counters["settled"] = settled;
    if (settled != countedRows)
        state.SkipWithError("the count did not settle the location's rows");
}

void BM_JournalPage(benchmark::State& state, bool postgres, bool allLines)
{
    Office* office = officeOf(state, postgres);
    if (!office)
        return;
    YesPrompts prompts;
    TPrompts::install(&prompts);
    CashTransactionsDialog dialog(office->workspace(), office->window());
    dialog.InitData();
    widget<QTabWidget>(&dialog, "MainTabView")->setCurrentIndex(3);
    widget<QDateTimeEdit>(&dialog, "CCDJournalBeginTimestampControl")
        ->setDateTime(QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
    widget<QDateTimeEdit>(&dialog, "CCDJournalEndTimestampControl")
        ->setDateTime(QDateTime(QDate(2024, 3, 6), QTime(0, 0)));
    auto* request = widget<QAbstractButton>(&dialog, "CCDJournalRequestButton");
    auto* list = widget<QTreeWidget>(&dialog, "CCDJournalViewControl");
    int shown = 0;
    for (auto _ : state) {
        request->click();
        shown = list->topLevelItemCount();
        while (allLines && list->topLevelItemCount() < journalRows)
            QApplication::processEvents();
        state.PauseTiming();
        list->clear(); // what the next request does first, not what is measured
        state.ResumeTiming();
    }
    TPrompts::install(nullptr);
    state.counters["shown"] = shown;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    for (const bool postgres : {false, true}) {
        const std::string database = postgres ? "/postgresql" : "/sqlite";
        benchmark::RegisterBenchmark(("BM_CountOfLocation" + database).c_str(), BM_CountOfLocation, postgres)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(5);
        benchmark::RegisterBenchmark(("BM_JournalFirstLines" + database).c_str(), BM_JournalPage, postgres,
                                     false)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(5);
        benchmark::RegisterBenchmark(("BM_JournalAllLines" + database).c_str(), BM_JournalPage, postgres,
                                     true)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(3);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (auto& office : offices)
        office.reset();
    return 0;
}
