// Data files shared between processes: locks, saves killed at random moments, and several
// processes loading and saving one list at the same time.

#include "tcounter.h"
#include "tfile.h"
#include "ttable.h"
#include "tvaluelist.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <thread>

using Basics::TValue;
using Basics::TValueList;

namespace {

const QString worker = QStringLiteral(WORKER_PATH);

qint64 monotonicNanoseconds()
{
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

bool waitForLine(QProcess& process, const QByteArray& prefix, QByteArray* line = nullptr)
{
    while (process.state() != QProcess::NotRunning || process.canReadLine()) {
        if (!process.canReadLine() && !process.waitForReadyRead(10000))
            return false;
        while (process.canReadLine()) {
            const QByteArray read = process.readLine().trimmed();
            if (read.startsWith(prefix)) {
                if (line)
                    *line = read;
                return true;
            }
        }
    }
    return false;
}

// The type of lock another process holds on the file, F_UNLCK when none conflicts with ours.
short conflictingLock(const QString& path, short wanted)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return -1;
    struct flock query = {};
    query.l_type = wanted;
    query.l_whence = SEEK_SET;
    if (::fcntl(file.handle(), F_GETLK, &query) != 0)
        return -1;
    return query.l_type;
}

// An empty data file in the folder; its path.
QString emptyDataFile(const QTemporaryDir& dir)
{
    TValueList list;
    list.save("elements.dat", QFile::encodeName(dir.path()).constData());
    return dir.filePath("elements.dat");
}

} // namespace

class TestProcesses : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writeLockExcludesOtherProcesses();
    void readLocksAreShared();
    void killedSavesLeaveACompleteFile();
    void concurrentLoadsAndSaves();
    void twoProcessesNeverDrawTheSameNumber();
    void killedTableSavesLeaveAWholeTable();
    void concurrentWorkspacesLoseNoChange();
};

void TestProcesses::writeLockExcludesOtherProcesses()
{
    QTemporaryDir dir;
    const QString path = emptyDataFile(dir);

    QProcess holder;
    holder.start(worker, {"hold-lock", path, "write"});
    QVERIFY(waitForLine(holder, "locked"));
    QCOMPARE(conflictingLock(path, F_RDLCK), short(F_WRLCK));

    // A reader waits for the writer: its open returns only after the other process let go.
    qint64 opened = 0;
    std::thread reader([&] {
        Basics::TFile file(path);
        file.open(QIODevice::ReadOnly);
        opened = monotonicNanoseconds();
    });
    holder.write("\n");
    QByteArray released;
    QVERIFY(waitForLine(holder, "releasing", &released));
    reader.join();
    QVERIFY(opened >= released.mid(10).toLongLong());
    QVERIFY(holder.waitForFinished());
    QCOMPARE(holder.exitCode(), 0);
    QCOMPARE(conflictingLock(path, F_WRLCK), short(F_UNLCK));
}

void TestProcesses::readLocksAreShared()
{
    QTemporaryDir dir;
    const QString path = emptyDataFile(dir);

    QProcess holder;
    holder.start(worker, {"hold-lock", path, "read"});
    QVERIFY(waitForLine(holder, "locked"));
    Basics::TLockedFile mine(path);
    QVERIFY(mine.open(QIODevice::ReadWrite));
    QVERIFY(mine.lock(Basics::TLockedFile::ReadLock, false));
    QVERIFY(!mine.lock(Basics::TLockedFile::WriteLock, false));
    holder.write("\n");
    QVERIFY(holder.waitForFinished());
    QVERIFY(mine.lock(Basics::TLockedFile::WriteLock, false));
}

void TestProcesses::killedSavesLeaveACompleteFile()
{
    constexpr int kills = 200;
    constexpr int records = 400;
    QTemporaryDir dir;
    const QByteArray dirName = QFile::encodeName(dir.path());
    const QString newFile = dir.filePath("elements.dat.new");
    QCOMPARE(QProcess::execute(worker, {"fill", dir.path(), QString::number(records)}), 0);

    int killedInsideSave = 0;
    int savesCompleted = 0;
    for (int round = 0; round < kills; ++round) {
        QProcess saver;
        saver.start(worker, {"save-loop", dir.path(), QString::number(records)});
        QVERIFY(waitForLine(saver, "ready"));
        // A random moment within the first few saves.
        QThread::usleep(QRandomGenerator::global()->bounded(40000));
        ::kill(pid_t(saver.processId()), SIGKILL);
        QVERIFY(saver.waitForFinished());
        savesCompleted += int(saver.readAllStandardOutput().count("saved"));
        killedInsideSave += QFile::exists(newFile);

        TValueList list;
        QCOMPARE(list.load("elements.dat", dirName.constData()), 0);
        QCOMPARE(list.count(), records);
        const QString generation = list.find(1)->getString("generation");
        for (const TValue* value : list)
            QCOMPARE(value->getString("generation"), generation); // all old or all new
    }
    qInfo("%d kills: %d inside a save (a .new file left behind), %d saves completed; every file loaded whole",
          kills, killedInsideSave, savesCompleted);
    QVERIFY(killedInsideSave > 0);
}

void TestProcesses::concurrentLoadsAndSaves()
{
    constexpr int records = 300;
    constexpr int seconds = 3;
    QTemporaryDir dir;
    QCOMPARE(QProcess::execute(worker, {"fill", dir.path(), QString::number(records)}), 0);
    std::vector<std::unique_ptr<QProcess>> workers;
    for (int i = 1; i <= 4; ++i) {
        workers.push_back(std::make_unique<QProcess>());
        workers.back()->start(worker, {"load-save", dir.path(), QString::number(records),
                                       QString::number(seconds), QString::number(i)});
    }
    for (auto& process : workers) {
        QVERIFY(process->waitForFinished(seconds * 1000 + 60000));
        const QByteArray report = process->readAllStandardOutput().trimmed();
        qInfo("%s", report.constData());
        QVERIFY2(process->exitCode() == 0, report.constData());
        QVERIFY(report.contains("missing=0 damaged=0 lost=0"));
    }
}

void TestProcesses::twoProcessesNeverDrawTheSameNumber()
{
    constexpr int draws = 1000;
    QTemporaryDir dir;
    QProcess first;
    QProcess second;
    first.start(worker, {"draw", dir.path(), QString::number(draws)});
    second.start(worker, {"draw", dir.path(), QString::number(draws)});
    QSet<int> drawn;
    for (QProcess* process : {&first, &second}) {
        QVERIFY(process->waitForFinished(120000));
        QCOMPARE(process->exitCode(), 0);
        const QList<QByteArray> lines = process->readAllStandardOutput().trimmed().split('\n');
        QCOMPARE(lines.size(), draws);
        for (const QByteArray& line : lines)
            drawn.insert(line.toInt());
    }
    QCOMPARE(drawn.size(), 2 * draws); // no number twice
    QCOMPARE(*std::min_element(drawn.cbegin(), drawn.cend()), 1);
    QCOMPARE(*std::max_element(drawn.cbegin(), drawn.cend()), 2 * draws);
    QCOMPARE(PosLib::TCounter(dir.path(), "counter.dat").getCounter(PosLib::TCounter::ccdKey), 2 * draws + 1);
}

void TestProcesses::killedTableSavesLeaveAWholeTable()
{
    constexpr int kills = 100;
    QTemporaryDir dir;
    int savesCompleted = 0;
    int killedInsideSave = 0;
    int lastRounds = 0;
    for (int round = 0; round < kills; ++round) {
        QProcess saver;
        saver.start(worker, {"table-save-loop", dir.path()});
        QVERIFY(waitForLine(saver, "ready"));
        QThread::usleep(QRandomGenerator::global()->bounded(40000));
        ::kill(pid_t(saver.processId()), SIGKILL);
        QVERIFY(saver.waitForFinished());
        savesCompleted += int(saver.readAllStandardOutput().count("saved"));
        killedInsideSave += QFile::exists(dir.filePath("var/tables/t7.001.tmp"));

        // The previous or the new content, whole: every round's order with all its lines.
        PosLib::TTable table(dir.path(), 7, 1);
        const int opened = table.open(nullptr, false);
        if (opened == PosLib::TTable::Missing && savesCompleted == 0)
            continue; // killed before it made the table
        QCOMPARE(opened, int(PosLib::TTable::Opened));
        const int rounds = table.getInt("rounds");
        QVERIFY(rounds >= lastRounds);
        QCOMPARE(int(table.actions().size()), rounds);
        for (const auto& [number, action] : table.actions()) {
            QCOMPARE(action->getInt("round"), number + 1);
            QCOMPARE(action->entries().count(), 5);
        }
        QCOMPARE(table.getAmount(), qint64(15 * rounds));
        lastRounds = rounds;
        table.setKeep(true);
    }
    qInfo(
        "%d kills: %d inside a save (a .tmp file left behind), %d saves completed; every table opened whole",
        kills, killedInsideSave, savesCompleted);
    QVERIFY(lastRounds > 0);
}

void TestProcesses::concurrentWorkspacesLoseNoChange()
{
    // Two workspaces on one data root, each adding 100 records and changing one of its own 100
    // times, saving after every change.
    constexpr int changes = 100;
    QTemporaryDir dir;
    std::vector<std::unique_ptr<QProcess>> workers;
    for (int worker = 1; worker <= 2; ++worker) {
        workers.push_back(std::make_unique<QProcess>());
        workers.back()->start(QStringLiteral(WORKSPACE_WORKER_PATH),
                              {dir.path(), QString::number(worker), QString::number(changes)});
    }
    for (auto& process : workers) {
        QVERIFY(process->waitForFinished(60000));
        // A worker that ended without its line says why on its error output.
        QVERIFY2(process->readAllStandardOutput().trimmed() == "failed=0",
                 process->readAllStandardError().right(2000).constData());
    }
    TValueList list;
    QCOMPARE(list.load("discount.dat", QFile::encodeName(dir.filePath("usr/data")).constData()), 0);
    QCOMPARE(list.count(), 2 * changes + 2);
    for (int worker = 1; worker <= 2; ++worker) {
        QCOMPARE(list.find(worker)->getInt("changes"), changes);
        for (int change = 1; change <= changes; ++change)
            QVERIFY(list.find(worker * 1000 + change));
    }
}

QTEST_GUILESS_MAIN(TestProcesses)
#include "tst_processes.moc"
