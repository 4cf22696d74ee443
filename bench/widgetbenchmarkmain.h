#pragma once

// The main function of a benchmark program with widgets: a QApplication (offscreen unless another
// platform is set) around the benchmarks.

#include <QApplication>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <vector>

// What must end while the application still exists (windows, child processes) and is kept in a
// static for all benchmarks of a program: ended in reverse order before the application.
inline std::vector<std::function<void()>>& benchmarkTeardowns()
{
    static std::vector<std::function<void()>> teardowns;
    return teardowns;
}

// The fixture in slot, made on first use with the arguments and ended with the application.
template <class Fixture, class... Arguments>
Fixture& lastingFixture(std::unique_ptr<Fixture>& slot, Arguments&&... arguments)
{
    if (!slot) {
        slot = std::make_unique<Fixture>(std::forward<Arguments>(arguments)...);
        benchmarkTeardowns().push_back([&slot] { slot.reset(); });
    }
    return *slot;
}

inline int runWidgetBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (auto teardown = benchmarkTeardowns().rbegin(); teardown != benchmarkTeardowns().rend(); ++teardown)
        (*teardown)();
    return 0;
}

#define WIDGET_BENCHMARK_MAIN()                                                                              \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        return runWidgetBenchmarks(argc, argv);                                                              \
    }
