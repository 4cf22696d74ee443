// Drawing cash count numbers from "counter.dat": in one process, and two processes drawing 1,000
// numbers each from the same file (every number once, checked).

#include "tcounter.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString worker = QStringLiteral(WORKER_PATH);

void BM_DrawInOneProcess(benchmark::State& state)
{
    QTemporaryDir dir;
    PosLib::TCounter counter(dir.path(), QStringLiteral("counter.dat"));
    for (auto _ : state)
        benchmark::DoNotOptimize(counter.getNextCCD());
    state.SetItemsProcessed(state.iterations());
}

void BM_TwoProcessesDraw1000Each(benchmark::State& state)
{
    constexpr int draws = 1000;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        state.ResumeTiming();
        QProcess first;
        QProcess second;
        first.start(worker, {"draw", dir.path(), QString::number(draws)});
        second.start(worker, {"draw", dir.path(), QString::number(draws)});
        first.waitForFinished(-1);
        second.waitForFinished(-1);
        state.PauseTiming();
        QSet<QByteArray> drawn;
        for (QProcess* process : {&first, &second}) {
            for (const QByteArray& line : process->readAllStandardOutput().split('\n')) {
                if (!line.isEmpty())
                    drawn.insert(line);
            }
        }
        if (drawn.size() != 2 * draws)
            state.SkipWithError("a number was drawn twice or not at all");
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 2 * draws);
}

BENCHMARK(BM_DrawInOneProcess)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_TwoProcessesDraw1000Each)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
