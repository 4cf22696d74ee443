// The card editor's action log of a card with 50,000 entries, from a real lumcardd on loopback:
// loaded through the reader with progress and shown (page by page from the server, parsed, one
// row each, painted), and sorted by a column. The parts of the loading are measured on their own.

#include "cardstore.h"
#include "largeblocks.h"
#include "lumcardhost.h"
#include "tcardactionlog.h"
#include "tcardserverprotocol.h"
#include "tlumlistview.h"
#include "tlumreaderevent.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tnetcarddlg.h"
#include "widgetbenchmarkmain.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <memory>
#include <unistd.h>

namespace {

namespace CardServer = PosLib::CardServer;

constexpr int entryCount = 50000;
const QString benchUid = QStringLiteral("04A1B201");

// A card as the demo formats them, with points and credit.
PosLib::TCardProperties benchCard()
{
    PosLib::TCardProperties card;
    card.setCardNumber(1001);
    card.setUid(benchUid);
    card.setMandant(1);
    card.setOutlet(1);
    card.setPersonType(1);
    card.setClientNumber(1);
    card.setPriceModel(1);
    card.setStartDate(QDateTime(QDate(2024, 3, 1), QTime(10, 0)));
    card.setEndDate(QDateTime(QDate(2027, 12, 31), QTime(23, 59)));
    card.setLastFormat(QDateTime(QDate(2024, 3, 1), QTime(10, 0)));
    card.setVersion(1);
    card.setDatabaseCard(true);
    card.setCanCredit(true);
    card.setCanPoints(true);
    card.setCreditMax(200000);
    card.setPointsMax(5000);
    card.setExtraPointsMax(1000);
    return card;
}

// lumcardd with the card and its log, the back office's host, and the card editor on the card.
class LogBench {
public:
    LogBench()
        : m_server(m_serverDir.path())
    {
        Basics::keepLargeBlocksForReuse(); // as lumoffice does at its start
        fillStore();
        m_server.start({});
        m_reader = LumCardHost::device(m_server.port, QStringLiteral("bench"), 30000);
        TLumWorkspace::ReaderDeviceList.append(m_reader.get());
        PosLib::TCardServerCall put;
        put.reader = QStringLiteral("bench");
        put.command = CardServer::putCard;
        put.arguments = {benchUid};
        Basics::TTcpClient client;
        PosLib::callCardServer(client, QStringLiteral("127.0.0.1"), m_server.port, put);

        m_workspace = std::make_unique<TLumWorkspace>(m_hostDir.path());
        m_window = std::make_unique<TLumWindow>(m_workspace.get());
        m_view = new TLumListView(m_window.get());
        editor = std::make_unique<TNetCardDlg>(m_window.get(), m_view);
        editor->setID(m_view);
        editor->resize(1200, 800);
        editor->show();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::postEvent(editor.get(), new TLumReaderEvent(benchUid));
        QCoreApplication::processEvents();
        editor->findChild<QCheckBox*>(QStringLiteral("m_chkreadentries"))->setChecked(true);
        editor->findChild<QSpinBox*>(QStringLiteral("m_actioncount"))->setValue(0);
        log = editor->findChild<QTreeWidget*>(QStringLiteral("m_ActionList"));
    }
    ~LogBench()
    {
        editor.reset();
        TLumWorkspace::ReaderDeviceList.removeAll(m_reader.get());
    }

    // Loads the whole log as the tab and the options ask for it, and lets it paint.
    void load()
    {
        auto* tabs = editor->findChild<QTabWidget*>(QStringLiteral("m_Tab"));
        tabs->setCurrentIndex(0);
        tabs->setCurrentWidget(editor->findChild<QWidget*>(QStringLiteral("TabActionlogs")));
        QCoreApplication::processEvents();
    }

    Devices::TNetReader& reader() { return *m_reader; }

    // The processor time the card server has used so far, in milliseconds.
    double serverCpuMs() const
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(m_server.processId()));
        if (!stat.open(QIODevice::ReadOnly))
            return 0;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble(); // utime, stime
        return 1000.0 * ticks / double(sysconf(_SC_CLK_TCK));
    }

    std::unique_ptr<TNetCardDlg> editor;
    QTreeWidget* log = nullptr;

private:
    void fillStore()
    {
        TCardStore store(m_serverDir.path());
        TCardStore::Transaction transaction(store);
        PosLib::TCardProperties card = benchCard();
        store.putCard({benchUid, card.toXml(), 0, 1001});
        const QDateTime start(QDate(2024, 3, 1), QTime(10, 0));
        for (int i = 0; i < entryCount; ++i) {
            card.setCounter((unsigned long)i);
            card.setPointsSaldo(i % 5000);
            card.setCreditSaldo((i * 37) % 200000);
            card.setLastProcess(start.addSecs(i * 600));
            PosLib::TCardActionLog entry(card.toXml());
            entry.setID(i + 1);
            entry.setAction(i % 3 == 0 ? QStringLiteral("book") : QStringLiteral("write"));
            entry.setResult(PosLib::TCardActionLog::success);
            entry.setReason(QStringLiteral("sale"));
            entry.setTerminalId(QStringLiteral("till-%1").arg(i % 4));
            entry.setWaiter(1 + i % 9);
            entry.setActionDateTime(start.addSecs(i * 600));
            store.addLog(benchUid, entry.getID(), entry.toXml());
        }
        transaction.commit();
    }

    QTemporaryDir m_serverDir;
    QTemporaryDir m_hostDir;
    LumCardHost::Server m_server;
    std::unique_ptr<Devices::TNetReader> m_reader;
    std::unique_ptr<TLumWorkspace> m_workspace;
    std::unique_ptr<TLumWindow> m_window;
    TLumListView* m_view = nullptr;
};

LogBench& bench()
{
    static std::unique_ptr<LogBench> instance;
    return lastingFixture(instance);
}

// The whole way: the log fetched page by page, parsed, a row per entry, progress, painted.
void BM_LoadAndShowActionLog(benchmark::State& state)
{
    LogBench& b = bench();
    const double server = b.serverCpuMs();
    for (auto _ : state)
        b.load();
    state.counters["rows"] = double(b.log->topLevelItemCount());
    state.counters["server_cpu_ms"] = (b.serverCpuMs() - server) / double(state.iterations());
}
BENCHMARK(BM_LoadAndShowActionLog)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Iterations(3);

// Only the fetch: "getactionlogs" through the reader, 25 pages of 2000.
void BM_FetchActionLog(benchmark::State& state)
{
    LogBench& b = bench();
    const double server = b.serverCpuMs();
    for (auto _ : state) {
        QStringList entries;
        b.reader().command(CardServer::getActionLogs, {benchUid, QStringLiteral("0"), QStringLiteral("true")},
                           entries);
        benchmark::DoNotOptimize(entries);
    }
    state.counters["server_cpu_ms"] = (b.serverCpuMs() - server) / double(state.iterations());
}
BENCHMARK(BM_FetchActionLog)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Iterations(3);

// Only the parsing of the entries into records.
void BM_ParseActionLog(benchmark::State& state)
{
    LogBench& b = bench();
    QStringList entries;
    b.reader().command(CardServer::getActionLogs, {benchUid, QStringLiteral("0"), QStringLiteral("true")},
                       entries);
    for (auto _ : state) {
        for (const QString& text : entries) {
            PosLib::TCardActionLog entry;
            entry.setXml(text);
            benchmark::DoNotOptimize(entry);
        }
    }
}
BENCHMARK(BM_ParseActionLog)->Unit(benchmark::kMillisecond)->Iterations(3);

// Sorting the shown log by a column (clicked on its header), painted.
void BM_SortActionLog(benchmark::State& state)
{
    LogBench& b = bench();
    if (b.log->topLevelItemCount() != entryCount)
        b.load();
    const int column = int(state.range(0));
    Qt::SortOrder order = Qt::DescendingOrder;
    for (auto _ : state) {
        b.log->sortByColumn(column, order);
        QCoreApplication::processEvents();
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
    state.SetLabel(b.log->headerItem()->text(column).toStdString());
}
// The id, a text, an amount in the system currency, a date-time and the functions.
BENCHMARK(BM_SortActionLog)
    ->Arg(0)
    ->Arg(1)
    ->Arg(18)
    ->Arg(5)
    ->Arg(12)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

} // namespace

WIDGET_BENCHMARK_MAIN()
