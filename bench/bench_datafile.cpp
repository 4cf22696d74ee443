// Lists of articles of 12 attributes, 100,000 and 1,000,000 of them: loading against the floor
// (decoding the same bytes with QDataStream into nothing), saving, the resident memory a loaded list
// takes (also for payment forms and cards), `lumdata check` of the file, reading the same records
// from SQLite, and the list operations by size.
//
// The files lie in the temporary folder (TMPDIR); docs/performance.md says which one the figures
// were taken with.

#include "tcardproperties.h"
#include "tpayform.h"
#include "tpseudoproperty.h"
#include "tvaluelist.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <fcntl.h>
#include <malloc.h>
#include <map>
#include <memory>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

using Basics::TValue;
using Basics::TValueList;

namespace {

constexpr int sqliteCount = 100000;
const char* const keys[] = {"name", "shortname", "price",   "vatrate", "family", "department",
                            "plu",  "unit",      "printer", "color",   "created"};

TValue* article(int id)
{
    auto* value = new TValue;
    value->setID(id);
    value->set("name", QStringLiteral("Article number %1").arg(id));
    value->set("shortname", QStringLiteral("Art %1").arg(id));
    value->set("price", id % 5000 * 10 + 90);
    value->set("vatrate", id % 3 + 1);
    value->set("family", id % 40 + 1);
    value->set("department", id % 12 + 1);
    value->set("plu", QString::number(4000000 + id));
    value->set("unit", "piece");
    value->set("printer", id % 4 + 1);
    value->set("color", "#a0c0e0");
    value->set("created", "2026-01-15T08:30:00");
    return value;
}

// A payment form as a shop sets one up: names, button, account, asked amounts, printouts.
TValue* payform(int id)
{
    auto* form = new PosLib::TPayform;
    form->setID(id);
    form->setName(QStringLiteral("Payment form %1").arg(id));
    form->setShortName(QStringLiteral("PF%1").arg(id % 1000));
    form->set("button", QStringLiteral("Pay %1").arg(id % 100));
    form->set("account", 1000 + id % 900);
    form->setFlag("doaskgiven", true);
    form->setFlag("paycurr", id % 2 == 0);
    form->setAllowedCurrencies({2, 3});
    form->setHotelType(1);
    form->set("kost", id % 7);
    form->set("rndtype", id % 3);
    form->setPrintouts("printers", {{1, 1}, {2, 3}});
    form->set("maxamount", 50000);
    form->set("minamount", 100);
    return form;
}

// A card of the card list: number, UID, client, flags, balances and the card text.
TValue* card(int id)
{
    PosLib::TCardProperties properties;
    properties.setCardNumber(100000 + id);
    properties.setUid(QStringLiteral("04A1%1").arg(id, 10, 16, QLatin1Char('0')).toUpper());
    properties.setMandant(1);
    properties.setClientNumber(id % 5000 + 1);
    properties.setPersonType(id % 4);
    properties.setCanCredit(true);
    properties.setCanPoints(true);
    properties.setCreditSaldo(id % 10000 * 5);
    properties.setStartDate(QDateTime(QDate(2025, 1, 1), QTime(8, 0)));
    properties.setEndDate(QDateTime(QDate(2027, 12, 31), QTime(23, 59)));
    auto* value = new PosLib::TPseudoProperty;
    value->takeCard(properties, properties.toXml(), id);
    return value;
}

enum Kind { Articles, Payforms, Cards };

TValue* recordOf(Kind kind, int id)
{
    switch (kind) {
    case Payforms:
        return payform(id);
    case Cards:
        return card(id);
    case Articles:
        break;
    }
    return article(id);
}

// A saved list of one kind and size, written once per run.
class Fixture {
public:
    static Fixture& of(Kind kind, int count)
    {
        static std::map<std::pair<Kind, int>, std::unique_ptr<Fixture>> fixtures;
        auto& fixture = fixtures[{kind, count}];
        if (!fixture)
            fixture.reset(new Fixture(kind, count));
        return *fixture;
    }

    QByteArray dir() const { return QFile::encodeName(m_dir.path()); }
    QString path() const { return m_dir.filePath("elements.dat"); }
    qint64 fileSize() const { return QFileInfo(path()).size(); }
    int count() const { return m_count; }
    QByteArray bytes() const
    {
        QFile file(path());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    // The same records in an SQLite table (articles only).
    QString database()
    {
        const QString name = m_dir.filePath("articles.sqlite");
        if (!QFile::exists(name)) {
            TValueList list;
            list.load("elements.dat", dir().constData());
            writeDatabase(list, name);
        }
        return name;
    }

private:
    // The records are made and saved by a child process, so that this one stays as small as it was
    // for the measurements of memory.
    Fixture(Kind kind, int count)
        : m_count(count)
    {
        const pid_t child = ::fork();
        if (child == 0) {
            TValueList list;
            for (int id = 1; id <= count; ++id)
                list.insert(recordOf(kind, id));
            list.save("elements.dat", dir().constData());
            ::_exit(0);
        }
        ::waitpid(child, nullptr, 0);
    }

    static void writeDatabase(const TValueList& list, const QString& name)
    {
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(name).constData(), &db);
        QByteArray create = "CREATE TABLE articles (id INTEGER PRIMARY KEY";
        for (const char* key : keys)
            create += QByteArray(", ") + key + " TEXT";
        sqlite3_exec(db, (create + ")").constData(), nullptr, nullptr, nullptr);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO articles VALUES (?,?,?,?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
        for (const TValue* value : list) {
            sqlite3_bind_int(insert, 1, value->getID());
            int column = 2;
            for (const char* key : keys) {
                const QByteArray text = value->getString(key).toUtf8();
                sqlite3_bind_text(insert, column++, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            }
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }

    int m_count;
    QTemporaryDir m_dir;
};

Fixture& articles(const benchmark::State& state)
{
    return Fixture::of(Articles, int(state.range(0)));
}

// Loads after a first load that is not timed: the figure is that of a program that has its memory
// already (the first load in a new process also waits for the system to hand it out, which is what
// BM_LumdataCheck shows).
void BM_Load(benchmark::State& state)
{
    Fixture& fixture = articles(state);
    const QByteArray dir = fixture.dir();
    TValueList().load("elements.dat", dir.constData());
    for (auto _ : state) {
        TValueList list;
        benchmark::DoNotOptimize(list.load("elements.dat", dir.constData()));
        state.PauseTiming(); // the destruction of the list is not part of loading it
        list.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * fixture.count());
    state.SetBytesProcessed(state.iterations() * fixture.fileSize());
}

void BM_FloorQDataStreamDecode(benchmark::State& state)
{
    Fixture& fixture = articles(state);
    const QByteArray bytes = fixture.bytes();
    for (auto _ : state) {
        QDataStream in(bytes);
        in.setVersion(QDataStream::Qt_3_3);
        while (!in.atEnd()) {
            quint32 count = 0;
            in >> count;
            for (quint32 i = 0; i < count; ++i) {
                QString key;
                QString text;
                in >> key >> text;
                benchmark::DoNotOptimize(key);
                benchmark::DoNotOptimize(text);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * fixture.count());
}

void BM_Save(benchmark::State& state)
{
    Fixture& fixture = articles(state);
    TValueList list;
    list.load("elements.dat", fixture.dir().constData());
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.path());
    for (auto _ : state)
        list.save("elements.dat", name.constData());
    state.SetItemsProcessed(state.iterations() * fixture.count());
}

// The resident memory of the process, in bytes, from /proc/self/statm, and its peak since the last
// reset (resetPeak) from /proc/self/status.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    statm.open(QIODevice::ReadOnly);
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

qint64 peakResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

struct LoadMemory {
    qint64 resident = 0; // what the loaded list holds
    qint64 peak = 0;     // the most the load held on its way
};

// Loads the fixture's file in a child process, so that what this process freed before cannot hide
// what the load takes, and returns what the child's resident memory grew by.
LoadMemory measureLoad(Fixture& fixture)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        malloc_trim(0);
        const qint64 before = residentBytes();
        resetPeak();
        TValueList list;
        list.load("elements.dat", fixture.dir().constData());
        const LoadMemory grown{residentBytes() - before, peakResidentBytes() - before};
        [[maybe_unused]] const auto written = ::write(channel[1], &grown, sizeof grown);
        ::_exit(0);
    }
    ::close(channel[1]);
    LoadMemory grown;
    if (::read(channel[0], &grown, sizeof grown) != sizeof grown)
        grown = {};
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return grown;
}

// Resident memory of a loaded list per record, and against the size of its file.
void BM_Resident(benchmark::State& state)
{
    Fixture& fixture = Fixture::of(Kind(state.range(0)), int(state.range(1)));
    LoadMemory memory;
    for (auto _ : state)
        memory = measureLoad(fixture);
    const double records = fixture.count();
    state.counters["bytes/record"] = double(memory.resident) / records;
    state.counters["file bytes/record"] = double(fixture.fileSize()) / records;
    state.counters["resident/file"] = double(memory.resident) / double(fixture.fileSize());
    state.counters["peak/file"] = double(memory.peak) / double(fixture.fileSize());
}

// `lumdata check` of the file as a process of its own: wall time and the most memory it held. The
// system counts the memory of this process at the start towards the child's peak, so this one
// gives back what it can and forgets its own peak first.
void BM_LumdataCheck(benchmark::State& state)
{
    Fixture& fixture = articles(state);
    const QByteArray path = QFile::encodeName(fixture.path());
    const QByteArray program = LUMDATA_PATH;
    double maxResident = 0;
    for (auto _ : state) {
        malloc_trim(0);
        resetPeak();
        char* const argv[] = {const_cast<char*>(program.constData()), const_cast<char*>("check"),
                              const_cast<char*>(path.constData()), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        QElapsedTimer timer;
        timer.start();
        pid_t child = 0;
        if (posix_spawn(&child, program.constData(), &actions, nullptr, argv, environ) != 0) {
            state.SkipWithError("lumdata cannot be started");
            break;
        }
        int status = 0;
        struct rusage usage = {};
        ::wait4(child, &status, 0, &usage);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        posix_spawn_file_actions_destroy(&actions);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("lumdata check failed");
            break;
        }
        maxResident = std::max(maxResident, double(usage.ru_maxrss) * 1024);
    }
    state.counters["resident/file"] = maxResident / double(fixture.fileSize());
    state.counters["resident MB"] = maxResident / 1e6;
}

// Steps through every row of the articles table, handing each to the row function.
template <class Row>
void selectArticles(const QByteArray& path, Row row)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM articles", -1, &select, nullptr);
    while (sqlite3_step(select) == SQLITE_ROW)
        row(select);
    sqlite3_finalize(select);
    sqlite3_close(db);
}

// What a user might do instead: keep the records in an SQLite table and read them into records.
void BM_SqliteReadIntoRecords(benchmark::State& state)
{
    const QByteArray path = QFile::encodeName(Fixture::of(Articles, sqliteCount).database());
    for (auto _ : state) {
        TValueList list;
        selectArticles(path, [&list](sqlite3_stmt* select) {
            auto* value = new TValue;
            value->setID(sqlite3_column_int(select, 0));
            for (int column = 1; column <= 11; ++column) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(select, column));
                value->set(keys[column - 1], QString::fromUtf8(text, sqlite3_column_bytes(select, column)));
            }
            list.insert(value);
        });
        state.PauseTiming();
        list.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * sqliteCount);
}

// The same without building records: only stepping through the rows and their texts.
void BM_SqliteStepOnly(benchmark::State& state)
{
    const QByteArray path = QFile::encodeName(Fixture::of(Articles, sqliteCount).database());
    for (auto _ : state) {
        selectArticles(path, [](sqlite3_stmt* select) {
            for (int column = 1; column <= 11; ++column)
                benchmark::DoNotOptimize(sqlite3_column_text(select, column));
        });
    }
    state.SetItemsProcessed(state.iterations() * sqliteCount);
}

void BM_FindRandom(benchmark::State& state)
{
    const int size = int(state.range(0));
    TValueList list;
    for (int id = 1; id <= size; ++id)
        list.insert(article(id));
    QRandomGenerator random(7);
    std::vector<int> probes(4096);
    for (int& probe : probes)
        probe = random.bounded(size) + 1;
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(list.find(probes[i++ & 4095]));
    state.SetComplexityN(size);
}

void BM_InsertRandomOrder(benchmark::State& state)
{
    const int size = int(state.range(0));
    std::vector<int> ids(size);
    std::iota(ids.begin(), ids.end(), 1);
    std::shuffle(ids.begin(), ids.end(), std::mt19937(7));
    for (auto _ : state) {
        TValueList list;
        for (int id : ids) {
            auto* value = new TValue;
            value->setID(id);
            list.insert(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * size);
}

void BM_Iterate(benchmark::State& state)
{
    TValueList list;
    list.load("elements.dat", articles(state).dir().constData());
    for (auto _ : state) {
        qint64 sum = 0;
        for (const TValue* value : list)
            sum += value->getID();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * list.count());
}

// Reading three attributes of every record: a number, a text and one that is missing.
void BM_ReadAttributes(benchmark::State& state)
{
    TValueList list;
    list.load("elements.dat", articles(state).dir().constData());
    for (auto _ : state) {
        qint64 sum = 0;
        for (const TValue* value : list)
            sum += value->getInt("price") + value->getString("name").size() + value->getInt("missing");
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * list.count());
}

} // namespace

// The measurements of memory first, while this process is small.
BENCHMARK(BM_LumdataCheck)->Arg(1000000)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Resident)
    ->ArgNames({"kind", "records"})
    ->Args({Articles, 1000000})
    ->Args({Articles, 100000})
    ->Args({Payforms, 100000})
    ->Args({Cards, 100000})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorQDataStreamDecode)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteReadIntoRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteStepOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindRandom)->RangeMultiplier(10)->Range(1000, 1000000)->Complexity();
BENCHMARK(BM_InsertRandomOrder)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Iterate)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAttributes)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
