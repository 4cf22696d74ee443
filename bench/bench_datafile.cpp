// Loading and saving a list of 100,000 records with 12 attributes, against the floor (decoding the
// same bytes with QDataStream into nothing) and against reading the same records from SQLite; and
// the list operations by size.

#include "tvaluelist.h"

#include <QDataStream>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

using Basics::TValue;
using Basics::TValueList;

namespace {

constexpr int recordCount = 100000;
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

// The data directory with the saved list and the same records in an SQLite table.
class Fixture {
public:
    static Fixture& instance()
    {
        static Fixture fixture;
        return fixture;
    }

    QByteArray dir() const { return QFile::encodeName(m_dir.path()); }
    const QByteArray& bytes() const { return m_bytes; }
    QString database() const { return m_dir.filePath("articles.sqlite"); }

private:
    Fixture()
    {
        TValueList list;
        for (int id = 1; id <= recordCount; ++id)
            list.insert(article(id));
        list.save("elements.dat", dir().constData());
        QFile file(m_dir.filePath("elements.dat"));
        file.open(QIODevice::ReadOnly);
        m_bytes = file.readAll();
        writeDatabase(list);
    }

    void writeDatabase(const TValueList& list)
    {
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(database()).constData(), &db);
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

    QTemporaryDir m_dir;
    QByteArray m_bytes;
};

void BM_Load(benchmark::State& state)
{
    const QByteArray dir = Fixture::instance().dir();
    for (auto _ : state) {
        TValueList list;
        benchmark::DoNotOptimize(list.load("elements.dat", dir.constData()));
        state.PauseTiming(); // the destruction of the list is not part of loading it
        list.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * recordCount);
}

void BM_FloorQDataStreamDecode(benchmark::State& state)
{
    const QByteArray& bytes = Fixture::instance().bytes();
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
    state.SetItemsProcessed(state.iterations() * recordCount);
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
    const QByteArray path = QFile::encodeName(Fixture::instance().database());
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
    state.SetItemsProcessed(state.iterations() * recordCount);
}

// The same without building records: only stepping through the rows and their texts.
void BM_SqliteStepOnly(benchmark::State& state)
{
    const QByteArray path = QFile::encodeName(Fixture::instance().database());
    for (auto _ : state) {
        selectArticles(path, [](sqlite3_stmt* select) {
            for (int column = 1; column <= 11; ++column)
                benchmark::DoNotOptimize(sqlite3_column_text(select, column));
        });
    }
    state.SetItemsProcessed(state.iterations() * recordCount);
}

void BM_Save(benchmark::State& state)
{
    TValueList list;
    for (int id = 1; id <= recordCount; ++id)
        list.insert(article(id));
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.path());
    for (auto _ : state)
        list.save("elements.dat", name.constData());
    state.SetItemsProcessed(state.iterations() * recordCount);
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
    for (int id = 1; id <= recordCount; ++id)
        list.insert(article(id));
    for (auto _ : state) {
        qint64 sum = 0;
        for (const TValue* value : list)
            sum += value->getID();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * recordCount);
}

} // namespace

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorQDataStreamDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteReadIntoRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteStepOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindRandom)->RangeMultiplier(10)->Range(1000, 1000000)->Complexity();
BENCHMARK(BM_InsertRandomOrder)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Iterate)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
