// Helper process of the data file tests: holds locks, saves in a loop until it is killed, loads
// and saves one list together with other workers, draws numbers from a counter file, or saves a
// table record in a loop.

#include "tcounter.h"
#include "tlockedfile.h"
#include "ttable.h"
#include "tvaluelist.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>

using Basics::TValue;
using Basics::TValueList;

namespace {

qint64 monotonicNanoseconds()
{
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void fill(TValueList& list, int count, int generation)
{
    list.clear();
    for (int id = 1; id <= count; ++id) {
        auto* value = new TValue;
        value->setID(id);
        value->setName(QStringLiteral("Article %1 with a name of some length").arg(id));
        value->set("generation", generation);
        value->set("price", id * 10 + generation);
        list.insert(value);
    }
}

// hold-lock FILE read|write: lock, say so, wait for a line on standard input, then release.
int holdLock(const QString& file, const QString& mode)
{
    Basics::TLockedFile locked(file);
    const bool write = mode == u"write";
    if (!locked.open(write ? QIODevice::ReadWrite : QIODevice::ReadOnly) ||
        !locked.lock(write ? Basics::TLockedFile::WriteLock : Basics::TLockedFile::ReadLock))
        return 3;
    std::printf("locked\n");
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    std::printf("releasing %lld\n", static_cast<long long>(monotonicNanoseconds()));
    std::fflush(stdout);
    locked.unlock();
    return 0;
}

// save-loop DIR COUNT: saves the list over and over, switching between two generations.
int saveLoop(const QByteArray& dir, int count)
{
    TValueList list;
    std::printf("ready\n");
    std::fflush(stdout);
    for (int generation = 0;; ++generation) {
        fill(list, count, generation % 2);
        list.save("elements.dat", dir.constData());
        std::printf("saved\n");
        std::fflush(stdout);
    }
}

// load-save DIR COUNT SECONDS WORKER: loads, checks, changes one record and saves, for a while.
int loadSave(const QByteArray& dir, int count, int seconds, int worker)
{
    TValueList list;
    int loads = 0;
    int saves = 0;
    int missing = 0;
    int damaged = 0;
    int lost = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000) {
        const int result = list.load("elements.dat", dir.constData());
        ++loads;
        missing += result == 7;
        damaged += result == 304;
        if (result != 0)
            continue;
        for (int id = 1; id <= count; ++id)
            lost += list.find(id) == nullptr;
        TValue* changed = list.find(QRandomGenerator::global()->bounded(count) + 1);
        if (changed) {
            changed->set("writer", worker);
            changed->set("round", loads);
        }
        list.save("elements.dat", dir.constData());
        ++saves;
    }
    std::printf("loads=%d saves=%d missing=%d damaged=%d lost=%d\n", loads, saves, missing, damaged, lost);
    return missing + damaged + lost == 0 ? 0 : 1;
}

// draw DIR COUNT: draws numbers from the cash count counter of DIR/counter.dat, one per line.
int draw(const QString& dir, int count)
{
    PosLib::TCounter counter(dir, QStringLiteral("counter.dat"));
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += QByteArray::number(counter.getNextCCD()) + '\n';
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}

// table-save-loop DIR: opens table 7 of DIR over and over, adds an order numbered by the round and
// saves it, until it is killed.
int tableSaveLoop(const QString& dir)
{
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        PosLib::TTable table(dir, 7, 1);
        if (table.open(nullptr, true) != PosLib::TTable::Opened)
            return 3;
        const int round = table.getInt("rounds") + 1;
        auto* order = new PosLib::TTableOrder;
        order->set("round", round);
        for (int line = 1; line <= 5; ++line) {
            auto* entry = new PosLib::TTableEntry;
            entry->set("round", round);
            entry->setAmount(line);
            order->entries().append(entry);
        }
        table.addAction(order);
        table.set("rounds", round);
        table.close();
        std::printf("saved\n");
        std::fflush(stdout);
    }
}

// save-lists DIR COUNT TIMES: saves three lists TIMES times, each round a new generation.
int saveLists(const QByteArray& dir, int count, int times)
{
    TValueList list;
    std::printf("ready\n");
    std::fflush(stdout);
    for (int generation = 0; generation < times; ++generation) {
        fill(list, count, generation);
        for (const char* file : {"articles.dat", "currency.dat", "elements.dat"})
            list.save(file, dir.constData());
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    if (mode == u"hold-lock" && args.size() == 4)
        return holdLock(args[2], args[3]);
    if (mode == u"save-loop" && args.size() == 4)
        return saveLoop(QFile::encodeName(args[2]), args[3].toInt());
    if (mode == u"fill" && args.size() == 4) {
        TValueList list;
        fill(list, args[3].toInt(), 0);
        list.save("elements.dat", QFile::encodeName(args[2]).constData());
        return 0;
    }
    if (mode == u"load-save" && args.size() == 6)
        return loadSave(QFile::encodeName(args[2]), args[3].toInt(), args[4].toInt(), args[5].toInt());
    if (mode == u"save-lists" && args.size() == 5)
        return saveLists(QFile::encodeName(args[2]), args[3].toInt(), args[4].toInt());
    if (mode == u"table-save-loop" && args.size() == 3)
        return tableSaveLoop(args[2]);
    if (mode == u"draw" && args.size() == 4)
        return draw(args[2], args[3].toInt());
    std::fprintf(stderr,
                 "usage: datafileworker hold-lock FILE read|write | save-loop DIR COUNT | fill DIR COUNT"
                 " | save-lists DIR COUNT TIMES | load-save DIR COUNT SECONDS WORKER | draw DIR COUNT | "
                 "table-save-loop DIR\n");
    return 2;
}
