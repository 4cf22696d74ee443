// The card reader device against a real lumcardd on loopback: the round trip of one command (with
// its median and 99th percentile), 10,000 clients loaded with "getallclientsfromdb" into client
// records, and the client picker with those clients: filled, and one search keystroke.

#include "cardstore.h"
#include "lumcardhost.h"
#include "tcardserverprotocol.h"
#include "tlistnames.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tnetclient.h"
#include "tnetclientselectdlg.h"
#include "tnetreader.h"
#include "widgetbenchmarkmain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

namespace CardServer = PosLib::CardServer;

// A lumcardd on its own data folder (with the demo, or with that many clients) for the
// benchmarks' whole run.
class BenchServer {
public:
    explicit BenchServer(int clients)
        : m_server(m_dir.path())
    {
        if (clients > 0)
            storeClients(clients);
        m_server.start(clients > 0 ? QStringList() : QStringList{QStringLiteral("--demo")});
    }

    std::unique_ptr<Devices::TNetReader> device() const
    {
        return LumCardHost::device(m_server.port, QStringLiteral("bench"));
    }

    quint16 port() const { return m_server.port; }

    // The processor time the server used so far, in milliseconds (user and system).
    double cpuMilliseconds() const
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(m_server.processId()));
        if (!stat.open(QIODevice::ReadOnly))
            return 0;
        const QList<QByteArray> fields = stat.readAll().split(' ');
        return (fields.value(13).toDouble() + fields.value(14).toDouble()) * 1000.0 /
               double(::sysconf(_SC_CLK_TCK));
    }

private:
    void storeClients(int count)
    {
        TCardStore store(m_dir.path());
        TCardStore::Transaction transaction(store);
        for (int id = 1; id <= count; ++id) {
            PosLib::TNetClient client;
            client.setID(id);
            client.setName(QStringLiteral("Name %1").arg(id));
            client.setPrename(QStringLiteral("Prename"));
            client.setStreet(QStringLiteral("Hauptstraße %1").arg(id % 200));
            client.setPlz(QStringLiteral("80%1").arg(id % 1000, 3, 10, QLatin1Char('0')));
            client.setCity(QStringLiteral("München"));
            client.setPhone1(QStringLiteral("089 %1").arg(1000000 + id));
            client.setEmail(QStringLiteral("client%1@example.org").arg(id));
            client.setBirthday(QDateTime(QDate(1950 + id % 50, 1 + id % 12, 1 + id % 28), QTime(0, 0)));
            store.putClient(id, client.toXml());
        }
        transaction.commit();
    }

    QTemporaryDir m_dir;
    LumCardHost::Server m_server;
};

// Times every iteration and reports the median and the 99th percentile in microseconds.
template <class Step>
void timeEach(benchmark::State& state, Step step)
{
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        step();
        times.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    state.counters["median_us"] = times[times.size() / 2];
    state.counters["p99_us"] = times[std::min(times.size() - 1, times.size() * 99 / 100)];
}

void BM_ReadCardRoundTrip(benchmark::State& state)
{
    static std::unique_ptr<BenchServer> fixture;
    BenchServer& server = lastingFixture(fixture, 0);
    auto reader = server.device();
    PosLib::TCardServerCall put;
    put.reader = QStringLiteral("bench");
    put.command = CardServer::putCard;
    put.arguments = {QStringLiteral("04A1B201")};
    Basics::TTcpClient client;
    PosLib::callCardServer(client, QStringLiteral("127.0.0.1"), server.port(), put);
    QString text;
    timeEach(state, [&] {
        reader->readCardData(text);
        benchmark::DoNotOptimize(text);
    });
    if (text.isEmpty())
        state.SkipWithError("no card data");
}
BENCHMARK(BM_ReadCardRoundTrip)->Iterations(2000)->UseRealTime();

void BM_GetActionsRoundTrip(benchmark::State& state)
{
    static std::unique_ptr<BenchServer> fixture;
    BenchServer& server = lastingFixture(fixture, 0);
    auto reader = server.device();
    QStringList result;
    timeEach(state, [&] {
        reader->command(CardServer::getActions, {QStringLiteral("04A1B201"), QStringLiteral("true")}, result);
        benchmark::DoNotOptimize(result);
    });
    if (result.size() != 2)
        state.SkipWithError("not the demo's actions");
}
BENCHMARK(BM_GetActionsRoundTrip)->Iterations(2000)->UseRealTime();

void BM_AllClientsIntoRecords(benchmark::State& state)
{
    static std::unique_ptr<BenchServer> fixture;
    BenchServer& server = lastingFixture(fixture, 10000);
    auto reader = server.device();
    PosLib::TNamedList clients(PosLib::TListNames::forRoot(QStringLiteral("netclients")));
    const double serverStart = server.cpuMilliseconds();
    for (auto _ : state) {
        QStringList result;
        reader->command(CardServer::getAllClients, result);
        clients.clear();
        for (const QString& text : result)
            clients.insert(new PosLib::TNetClient(text));
    }
    state.counters["clients"] = double(clients.count());
    state.counters["server_cpu_ms"] = (server.cpuMilliseconds() - serverStart) / double(state.iterations());
    if (clients.count() != 10000)
        state.SkipWithError("not all clients");
}
BENCHMARK(BM_AllClientsIntoRecords)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// The part of the above that makes the records: 10,000 client texts read into client records.
void BM_ClientTextsIntoRecords(benchmark::State& state)
{
    static std::unique_ptr<BenchServer> fixture;
    BenchServer& server = lastingFixture(fixture, 10000);
    QStringList texts;
    server.device()->command(CardServer::getAllClients, texts);
    PosLib::TNamedList clients(PosLib::TListNames::forRoot(QStringLiteral("netclients")));
    for (auto _ : state) {
        clients.clear();
        for (const QString& text : texts)
            clients.insert(new PosLib::TNetClient(text));
    }
}
BENCHMARK(BM_ClientTextsIntoRecords)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_AllClientsCommandOnly(benchmark::State& state)
{
    static std::unique_ptr<BenchServer> fixture;
    BenchServer& server = lastingFixture(fixture, 10000);
    auto reader = server.device();
    for (auto _ : state) {
        QStringList result;
        reader->command(CardServer::getAllClients, result);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_AllClientsCommandOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// The client picker on a fresh workspace (its copy of the clients empty, as on the first start):
// the command, 10,000 records made and stored, 10,000 rows made and sorted.
void BM_ClientPickerFilled(benchmark::State& state)
{
    static std::unique_ptr<BenchServer> fixture;
    BenchServer& server = lastingFixture(fixture, 10000);
    LumCardHost::ListedReader reader(server.device());
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<QTemporaryDir>();
        auto workspace = std::make_unique<TLumWorkspace>(dir->path());
        auto window = std::make_unique<TLumWindow>(workspace.get());
        state.ResumeTiming();
        {
            TNetClientSelectDlg picker(window.get(), nullptr);
            rows = picker.m_ClientView->topLevelItemCount();
            state.PauseTiming();
        }
        window.reset();
        workspace.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    if (rows != 10000)
        state.SkipWithError("not all clients listed");
}
BENCHMARK(BM_ClientPickerFilled)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// One keystroke in the picker's search field over 10,000 rows: a text that no client holds (every
// row is looked at), and one that only the last client holds (found from the top).
void BM_ClientPickerKeystroke(benchmark::State& state)
{
    static std::unique_ptr<BenchServer> fixture;
    BenchServer& server = lastingFixture(fixture, 10000);
    LumCardHost::ListedReader reader(server.device());
    QTemporaryDir dir;
    TLumWorkspace workspace(dir.path());
    TLumWindow window(&workspace);
    TNetClientSelectDlg picker(&window, nullptr);
    const QString text = state.range(0) == 0 ? QStringLiteral("xq") : QStringLiteral("name 10000");
    timeEach(state, [&] {
        picker.m_ClientView->clearSelection();
        emit picker.m_input->textEdited(text);
    });
    const QList<QTreeWidgetItem*> selected = picker.m_ClientView->selectedItems();
    if (state.range(0) != 0 && (selected.isEmpty() || selected.first()->text(0) != u"10000"))
        state.SkipWithError("the last client was not found");
}
BENCHMARK(BM_ClientPickerKeystroke)->Arg(0)->Arg(1)->Iterations(200)->UseRealTime();

} // namespace

WIDGET_BENCHMARK_MAIN()
