// The main window with a list of articles, 100,000 and 1,000,000 of them: opening the list (load and
// fill of the list view) against the load alone, and in the shown window scrolling to the end and
// sorting by another column.

#include "officewindow.h"
#include "tlistnames.h"
#include "tlumrecordview.h"
#include "tlumworkspace.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "widgetbenchmarkmain.h"

#include <map>
#include <memory>

namespace {

// A data root with that many articles, written once per run.
const QTemporaryDir& dataRoot(int count)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> roots;
    auto& dir = roots[count];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        PosLib::TNamedList articles(PosLib::TListNames::forRoot(QStringLiteral("articles")));
        for (int id = 1; id <= count; ++id) {
            auto* article = new Basics::TValue;
            article->setID(id);
            article->setName(QStringLiteral("Article %1").arg(id));
            article->set("price", 100 + id % 5000);
            article->set("family", id % 40 + 1);
            article->set("department", id % 8 + 1);
            article->set("vatrate", id % 2 + 1);
            article->set("plu", QString::number(4000000 + id));
            articles.insert(article);
        }
        articles.save(QFile::encodeName(dir->path()).constData());
    }
    return *dir;
}

void settle()
{
    QCoreApplication::processEvents();
}

void BM_LoadArticles(benchmark::State& state)
{
    const QByteArray root = QFile::encodeName(dataRoot(int(state.range(0))).path());
    for (auto _ : state) {
        PosLib::TNamedList articles(PosLib::TListNames::forRoot(QStringLiteral("articles")));
        benchmark::DoNotOptimize(articles.load(root.constData()));
        state.PauseTiming();
        articles.clear();
        state.ResumeTiming();
    }
}

void BM_OpenArticlesInMainWindow(benchmark::State& state)
{
    const QTemporaryDir& root = dataRoot(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto workspace = std::make_unique<TLumWorkspace>(root.path());
        auto window = std::make_unique<TOfficeWindow>(workspace.get());
        state.ResumeTiming();
        window->showList(QStringLiteral("articles"));
        benchmark::DoNotOptimize(window->listView()->rowCount());
        state.PauseTiming();
        window.reset();
        workspace.reset();
        state.ResumeTiming();
    }
}

// The window shown with the articles open, sorted by number.
struct OpenWindow {
    explicit OpenWindow(int count)
        : workspace(dataRoot(count).path())
        , window(&workspace)
    {
        window.showList(QStringLiteral("articles"));
        window.show();
        settle();
    }
    TLumRecordView* view() { return window.listView(); }
    // Paints the rows now in view, as the screen would.
    void paint()
    {
        view()->viewport()->repaint();
        settle();
    }

    TLumWorkspace workspace;
    TOfficeWindow window;
};

// From the top of the list to its end (the End key), painted.
void BM_ScrollToEnd(benchmark::State& state)
{
    OpenWindow open(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        open.view()->scrollToTop();
        open.paint();
        state.ResumeTiming();
        open.view()->scrollToBottom();
        open.paint();
    }
}

// A click on another column's header (the name, a text, or the price, a number), painted; then,
// not timed, on the number's again.
void BM_SortBy(benchmark::State& state, int column)
{
    OpenWindow open(int(state.range(0)));
    for (auto _ : state) {
        open.view()->header()->setSortIndicator(column, Qt::AscendingOrder);
        open.paint();
        state.PauseTiming();
        open.view()->header()->setSortIndicator(0, Qt::AscendingOrder);
        open.paint();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_LoadArticles)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenArticlesInMainWindow)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollToEnd)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortBy, name, 1)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortBy, price, 2)->Arg(1000000)->Unit(benchmark::kMillisecond);

WIDGET_BENCHMARK_MAIN()
