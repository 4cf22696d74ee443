// Opening a list of 100,000 articles in the main window (load and fill the list view) against the
// load alone.

#include "officewindow.h"
#include "tlistnames.h"
#include "tlumlistview.h"
#include "tlumworkspace.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "widgetbenchmarkmain.h"

namespace {

constexpr int articleCount = 100000;

// A data root with the articles, written once.
const QTemporaryDir& dataRoot()
{
    static QTemporaryDir dir;
    static const bool written = [] {
        PosLib::TNamedList articles(PosLib::TListNames::forRoot(QStringLiteral("articles")));
        for (int id = 1; id <= articleCount; ++id) {
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
        articles.save(QFile::encodeName(dir.path()).constData());
        return true;
    }();
    Q_UNUSED(written);
    return dir;
}

void BM_LoadArticles(benchmark::State& state)
{
    const QByteArray root = QFile::encodeName(dataRoot().path());
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
    for (auto _ : state) {
        state.PauseTiming();
        auto workspace = std::make_unique<TLumWorkspace>(dataRoot().path());
        auto window = std::make_unique<TOfficeWindow>(workspace.get());
        state.ResumeTiming();
        window->showList(QStringLiteral("articles"));
        benchmark::DoNotOptimize(window->listView()->topLevelItemCount());
        state.PauseTiming();
        window.reset();
        workspace.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_LoadArticles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenArticlesInMainWindow)->Unit(benchmark::kMillisecond);

WIDGET_BENCHMARK_MAIN()
