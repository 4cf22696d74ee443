// The id chooser with 100,000 and 1,000,000 articles: filling it, showing it the first time, one
// keystroke of the type-ahead filter, and choosing an item while filtered, each against the plain way
// of doing the same with QComboBox (an addItem loop, and a clear/addItem rebuild per keystroke). Everything
// runs on the offscreen platform, and every timed step ends with processing the events it queued, so the
// figures include what the combo box does in reaction (geometry, repaints).

#include "tcombobox.h"
#include "tvaluelist.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include "articlenames.h"
#include "widgetbenchmarkmain.h"

#include <map>
#include <memory>

using Basics::TValue;
using Basics::TValueList;
using QtWidgets::TComboBox;

namespace {

constexpr int plainCount = 100000; // the plain QComboBox only at this size
constexpr int idWidth = 6;

// The width of the ids of a list of that many records (a million take seven digits).
int idWidthFor(int count)
{
    return count >= 1000000 ? 7 : idWidth;
}

const TValueList& articles(int count = plainCount)
{
    static std::map<int, std::unique_ptr<TValueList>> lists;
    auto& list = lists[count];
    if (!list) {
        list = std::make_unique<TValueList>();
        for (int id = 1; id <= count; ++id) {
            auto* value = new TValue;
            value->setID(id);
            value->setName(benchmarkArticleName(id));
            list->insert(value);
        }
    }
    return *list;
}

const QStringList& articleTexts()
{
    static const QStringList texts = [] {
        QStringList result;
        for (const TValue* value : articles())
            result.append(TComboBox::itemText(value->getID(), value->getName(), idWidth));
        return result;
    }();
    return texts;
}

TValueList* articleList(int count = plainCount)
{
    return const_cast<TValueList*>(&articles(count));
}

void settle()
{
    QCoreApplication::processEvents();
}

// The filter's index is built while the event loop is idle after a fill, before the operator has
// moved to the field and typed.
void settleIndex(const TComboBox& chooser)
{
    while (!chooser.filterIndexComplete())
        settle();
}

// A shown combo box with all articles, its text selected as when the operator tabs into it.
struct Chooser {
    QComboBox combo;
    TComboBox chooser;
    int count;

    explicit Chooser(int count)
        : chooser(&combo, idWidthFor(count))
        , count(count)
    {
        chooser.fill(articleList(count));
        chooser.enableFilter();
        combo.show();
        settle();
        settleIndex(chooser);
    }
    // Filled anew, to be typed into before the index is built (one idle slice of it done).
    void refill()
    {
        chooser.clear();
        chooser.fill(articleList(count));
    }

    QLineEdit* edit() { return combo.lineEdit(); }
    void restart()
    {
        edit()->setText(QString());
        edit()->selectAll();
        settle();
    }
};

void fillChooser(benchmark::State& state)
{
    TValueList* list = articleList(int(state.range(1)));
    QComboBox combo;
    TComboBox chooser(&combo, idWidthFor(int(state.range(1))));
    if (state.range(0))
        chooser.enableFilter();
    for (auto _ : state) {
        state.PauseTiming();
        chooser.clear();
        settle();
        state.ResumeTiming();
        chooser.fill(list);
        settle();
    }
    state.counters["items"] = combo.count();
}
BENCHMARK(fillChooser)
    ->ArgNames({"filter", "articles"})
    ->ArgsProduct({{0, 1}, {100000, 1000000}})
    ->Unit(benchmark::kMillisecond);

// The filter's index built in idle time after a fill: how soon typing is fast again.
void indexAfterFill(benchmark::State& state)
{
    TValueList* list = articleList(int(state.range(0)));
    QComboBox combo;
    TComboBox chooser(&combo, idWidthFor(int(state.range(0))));
    chooser.enableFilter();
    for (auto _ : state) {
        state.PauseTiming();
        chooser.clear();
        chooser.fill(list);
        state.ResumeTiming();
        settleIndex(chooser);
    }
}
BENCHMARK(indexAfterFill)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void fillAddItem(benchmark::State& state)
{
    articleTexts();
    QComboBox combo;
    for (auto _ : state) {
        state.PauseTiming();
        combo.clear();
        settle();
        state.ResumeTiming();
        for (const TValue* value : articles())
            combo.addItem(TComboBox::itemText(value->getID(), value->getName(), idWidth));
        settle();
    }
    state.counters["items"] = combo.count();
}
BENCHMARK(fillAddItem)->Unit(benchmark::kMillisecond)->Iterations(2);

// Showing a combo box of 100,000 items for the first time: it measures every item for its width.
void firstShow(benchmark::State& state)
{
    articles();
    for (auto _ : state) {
        state.PauseTiming();
        auto combo = std::make_unique<QComboBox>();
        TComboBox chooser(combo.get(), idWidth);
        chooser.fill(articleList());
        state.ResumeTiming();
        combo->show();
        settle();
    }
}
BENCHMARK(firstShow)->Unit(benchmark::kMillisecond);

void firstShowAddItem(benchmark::State& state)
{
    articleTexts();
    for (auto _ : state) {
        state.PauseTiming();
        auto combo = std::make_unique<QComboBox>();
        for (const QString& text : articleTexts())
            combo->addItem(text);
        state.ResumeTiming();
        combo->show();
        settle();
    }
}
BENCHMARK(firstShowAddItem)->Unit(benchmark::kMillisecond)->Iterations(2);

// One letter typed, after the text typed before (restarting from all items each time): the first
// letter over all items ("s" keeps about 60 % of them), a second one that narrows what the
// first left, and a letter that keeps nearly all items; and the first two right after a fill,
// before the filter's index is built.
void keystroke(benchmark::State& state, const char* before, const char* typed, bool indexed = true)
{
    Chooser chooser(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        if (!indexed)
            chooser.refill();
        chooser.restart();
        chooser.edit()->insert(QString::fromLatin1(before));
        settle();
        state.ResumeTiming();
        chooser.edit()->insert(QString::fromLatin1(typed));
        settle();
    }
    state.counters["shown"] = chooser.combo.count();
}
BENCHMARK_CAPTURE(keystroke, first, "", "s")->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(keystroke, narrowing, "s", "a")->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(keystroke, nearlyAll, "", "e")->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(keystroke, firstBeforeIndex, "", "s", false)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(keystroke, narrowingBeforeIndex, "s", "a", false)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// Choosing an item (arrow key) while filtered: all items come back, the chosen one current.
void chooseWhileFiltered(benchmark::State& state)
{
    Chooser chooser(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        chooser.restart();
        chooser.edit()->insert(QStringLiteral("sal"));
        settle();
        state.ResumeTiming();
        chooser.combo.setCurrentIndex(0);
        settle();
    }
    state.counters["shown"] = chooser.combo.count();
}
BENCHMARK(chooseWhileFiltered)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The plain way: every keystroke clears the combo box and adds the matching items one by one.
void keystrokeRebuild(benchmark::State& state)
{
    const QStringList& texts = articleTexts();
    QComboBox combo;
    combo.setEditable(true);
    combo.setCompleter(nullptr);
    combo.show();
    settle();
    const QString typed = QStringLiteral("s");
    for (auto _ : state) {
        combo.clear();
        for (const QString& text : texts) {
            if (text.contains(typed, Qt::CaseInsensitive))
                combo.addItem(text);
        }
        combo.setEditText(typed);
        settle();
    }
    state.counters["shown"] = combo.count();
}
BENCHMARK(keystrokeRebuild)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

WIDGET_BENCHMARK_MAIN()
