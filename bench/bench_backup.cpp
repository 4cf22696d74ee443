// Backup and restore of a data root: the demo root, and a big one (ten lists of 50,000 records
// and a database of 200,000 rows).

#include "databackup.h"
#include "demodata.h"
#include "tvaluelist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int bigLists = 10;
constexpr int bigRecords = 50000;
constexpr int bigRows = 200000;

void fillDatabase(const QString& file)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db.setDatabaseName(file);
        db.open();
        QSqlQuery query(db);
        query.exec(
            QStringLiteral("CREATE TABLE journal (id INTEGER PRIMARY KEY, text TEXT, amount INTEGER)"));
        db.transaction();
        query.prepare(QStringLiteral("INSERT INTO journal (text, amount) VALUES (?, ?)"));
        for (int row = 0; row < bigRows; ++row) {
            query.addBindValue(QStringLiteral("Booking %1 of the cash office").arg(row));
            query.addBindValue(row * 7);
            query.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
}

struct Roots {
    QTemporaryDir dir;
    QString demo = dir.filePath(QStringLiteral("demo"));
    QString big = dir.filePath(QStringLiteral("big"));

    Roots()
    {
        qunsetenv("ODBCINI");
        TDemoData::create(demo);
        const QString lists = big + QStringLiteral("/usr/data");
        QDir().mkpath(lists);
        QDir().mkpath(big + QStringLiteral("/var/db"));
        Basics::TValueList list;
        for (int id = 1; id <= bigRecords; ++id) {
            auto* value = new Basics::TValue;
            value->setID(id);
            value->setName(QStringLiteral("Article %1 with a name of some length").arg(id));
            value->set("price", id * 10);
            value->set("group", id % 40);
            list.insert(value);
        }
        for (int i = 0; i < bigLists; ++i)
            list.save(QStringLiteral("list%1.dat").arg(i), QFile::encodeName(lists).constData());
        fillDatabase(big + QStringLiteral("/var/db/poscash.sqlite"));
    }
};

Roots& roots()
{
    static Roots made;
    return made;
}

void backupRoot(benchmark::State& state, const QString& root)
{
    const QString archive = roots().dir.filePath(QStringLiteral("bench.tar"));
    DataBackup::Result result;
    for (auto _ : state)
        result = DataBackup::backup(root, archive);
    if (!result.ok)
        state.SkipWithError(result.error.toUtf8().constData());
    state.counters["files"] = result.files;
    state.counters["MB"] = double(result.bytes) / 1e6;
    state.counters["archiveMB"] = double(QFileInfo(archive).size()) / 1e6;
}

void restoreRoot(benchmark::State& state, const QString& root)
{
    const QString archive = roots().dir.filePath(QStringLiteral("bench.tar"));
    const QString target = roots().dir.filePath(QStringLiteral("target"));
    DataBackup::backup(root, archive);
    DataBackup::Result result;
    for (auto _ : state) {
        result = DataBackup::restore(archive, target);
        state.PauseTiming();
        QDir(target).removeRecursively();
        if (!result.kept.isEmpty())
            QDir(result.kept).removeRecursively();
        state.ResumeTiming();
    }
    if (!result.ok)
        state.SkipWithError(result.error.toUtf8().constData());
}

void BM_BackupDemo(benchmark::State& state)
{
    backupRoot(state, roots().demo);
}
void BM_BackupBig(benchmark::State& state)
{
    backupRoot(state, roots().big);
}
void BM_RestoreDemo(benchmark::State& state)
{
    restoreRoot(state, roots().demo);
}
void BM_RestoreBig(benchmark::State& state)
{
    restoreRoot(state, roots().big);
}

} // namespace

BENCHMARK(BM_BackupDemo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BackupBig)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RestoreDemo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RestoreBig)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
