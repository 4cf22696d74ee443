// The change history with 100,000 recorded changes in the data root's SQLite database: reading one
// record's history, and opening the history window on it (the query, the users and the rows).

#include "changehistory.h"
#include "historydlg.h"
#include "tlistnames.h"
#include "tlumworkspace.h"
#include "tvaluelist.h"

#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include "widgetbenchmarkmain.h"

namespace {

constexpr int historyRecords = 1000;
constexpr int historyRounds = 100; // 1000 records changed 100 times: 100,000 changes

struct HistoryRoot {
    QTemporaryDir dir;
    std::unique_ptr<TLumWorkspace> workspace;
    std::unique_ptr<TChangeHistory> history;
};

// A data root whose history holds the changes, recorded as the back office records them: a save of
// the list after each round of changes.
HistoryRoot& historyRoot()
{
    static const std::unique_ptr<HistoryRoot> root = [] {
        qunsetenv("ODBCINI"); // the data root's own database, not a server of the environment
        auto made = std::make_unique<HistoryRoot>();
        made->workspace = std::make_unique<TLumWorkspace>(made->dir.path());
        made->history = std::make_unique<TChangeHistory>(*made->workspace, [] { return 3; });
        Basics::TValueList* articles = made->workspace->getData(QStringLiteral("articles"));
        for (int round = 0; round < historyRounds; ++round) {
            for (int id = 1; id <= historyRecords; ++id) {
                Basics::TValue* article = articles->find(id);
                if (!article) {
                    article = articles->createValue();
                    article->setID(id);
                    article->setName(QStringLiteral("Article %1").arg(id));
                    article->set("price", 100 + id);
                    articles->insert(article);
                } else {
                    article->set("price", 100 + id + round);
                    articles->notifyChanged(article);
                }
            }
            made->workspace->saveChanges();
        }
        return made;
    }();
    return *root;
}

void BM_HistoryOfOneRecord(benchmark::State& state)
{
    HistoryRoot& root = historyRoot();
    TChangeHistory::Filter filter;
    filter.list = QStringLiteral("articles");
    int id = 1;
    for (auto _ : state) {
        filter.id = id;
        const QList<TChangeHistory::Entry> entries = root.history->entries(filter);
        if (entries.size() != historyRounds)
            state.SkipWithError("not every change was recorded");
        id = id % historyRecords + 1;
    }
}

void BM_OpenHistoryWindowOfOneRecord(benchmark::State& state)
{
    HistoryRoot& root = historyRoot();
    int id = 1;
    for (auto _ : state) {
        THistoryDlg dialog(*root.history, *root.workspace, QStringLiteral("articles"), id, {}, nullptr);
        benchmark::DoNotOptimize(dialog.changes()->topLevelItemCount());
        id = id % historyRecords + 1;
    }
}

} // namespace

BENCHMARK(BM_HistoryOfOneRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenHistoryWindowOfOneRecord)->Unit(benchmark::kMillisecond);

WIDGET_BENCHMARK_MAIN();
