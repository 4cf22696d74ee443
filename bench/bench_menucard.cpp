// The menu card editor over 100,000 articles: opening it on a card, moving 10,000 selected articles
// from one list to the other and back, and one keystroke of the search. Everything runs on the
// offscreen platform with the dialog shown, and every timed step ends with processing the events it
// queued, so layout and painting of the lists are included.

#include "tarticle.h"
#include "tlumlistview.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tmenucard.h"
#include "tmenucarddlg.h"

#include <QApplication>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "articlenames.h"
#include "widgetbenchmarkmain.h"

namespace {

constexpr int articleCount = 100000;
constexpr int excludedCount = 1000;
constexpr int movedCount = 10000;

void settle()
{
    QCoreApplication::processEvents();
}

// A data root with 100,000 articles in 50 families, the euro, and a card that excludes every
// hundredth article; the list view shows the card selected.
struct Venue {
    Venue()
        : workspace(dir.path())
        , window(&workspace)
        , view(new TLumListView(&window))
    {
        Basics::TValueList* articles = workspace.getData(QStringLiteral("articles"));
        articles->blockSignals(true); // building the fixture is not a change to save
        for (int id = 1; id <= articleCount; ++id) {
            auto* article = new PosLib::TArticle;
            article->setID(id);
            article->setName(benchmarkArticleName(id));
            article->set("price", 100 + (id * 37) % 5000);
            article->set("family", 1 + id % 50);
            articles->insert(article);
        }
        articles->blockSignals(false);
        Basics::TValueList* currencies = workspace.getData(QStringLiteral("currencies"));
        auto* euro = currencies->createValue();
        euro->setID(1);
        euro->setName(QStringLiteral("Euro"));
        euro->set("decpos", 2);
        currencies->insert(euro);
        auto* card = new PosLib::TMenuCard;
        card->setID(1);
        card->setName(QStringLiteral("Lunch"));
        QList<int> excluded;
        for (int id = 100; id <= excludedCount * 100; id += 100)
            excluded << id;
        card->setExcludes(excluded);
        workspace.getData(QStringLiteral("menucards"))->insert(card);
        new TLumListItem(view, card);
        view->selectAll();
    }

    QTemporaryDir dir;
    TLumWorkspace workspace;
    TLumWindow window;
    TLumListView* view;
};

Venue& venue()
{
    static Venue shared;
    return shared;
}

std::unique_ptr<TMenuCardDlg> openCard()
{
    auto dialog = std::make_unique<TMenuCardDlg>(&venue().window, venue().view);
    dialog->setData(venue().view);
    dialog->show();
    settle();
    return dialog;
}

// Selects the rows of the list for which chosen(row, PLU) holds, in one step as a long row of
// Ctrl+clicks would.
template <class Chosen>
void selectRows(QTreeWidget* list, Chosen chosen)
{
    QItemSelection selection;
    QAbstractItemModel* model = list->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (chosen(row, list->topLevelItem(row)->text(0).toInt()))
            selection.select(model->index(row, 0), model->index(row, model->columnCount() - 1));
    }
    list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    settle();
}

void openEditor(benchmark::State& state)
{
    venue();
    for (auto _ : state) {
        auto dialog = openCard();
        state.PauseTiming();
        dialog.reset();
        settle();
        state.ResumeTiming();
    }
    state.counters["articles"] = articleCount;
}
BENCHMARK(openEditor)->Unit(benchmark::kMillisecond);

// 10,000 of 99,000 included articles (every tenth row, 10,000 ranges) to the excluded ones, and
// the same 10,000 back among the 89,000 still included.
void moveSelected(benchmark::State& state)
{
    auto dialog = openCard();
    auto* allowed = dialog->findChild<QTreeWidget*>(QStringLiteral("m_Allowed"));
    auto* forbidden = dialog->findChild<QTreeWidget*>(QStringLiteral("m_Forbidden"));
    auto* forbid = dialog->findChild<QPushButton*>(QStringLiteral("b_Forbid"));
    auto* allow = dialog->findChild<QPushButton*>(QStringLiteral("b_Allow"));
    const bool back = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        dialog->setData(venue().view);
        settle();
        selectRows(allowed, [](int row, int) { return row % 10 == 0 && row < movedCount * 10; });
        if (back) {
            forbid->click();
            settle();
            selectRows(forbidden, [](int, int plu) { return plu % 100 != 0; });
        }
        state.ResumeTiming();
        (back ? allow : forbid)->click();
        settle();
    }
    state.counters["excluded"] = forbidden->topLevelItemCount();
}
BENCHMARK(moveSelected)->ArgName("back")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One letter typed into the included side's find field after the text before: a text the first rows
// contain, one that only a PLU far down has, and one that no article contains (every row is read).
void searchKeystroke(benchmark::State& state, const char* before, char typed)
{
    auto dialog = openCard();
    auto* find = dialog->findChild<QLineEdit*>(QStringLiteral("m_FindInc"));
    auto* allowed = dialog->findChild<QTreeWidget*>(QStringLiteral("m_Allowed"));
    for (auto _ : state) {
        state.PauseTiming();
        allowed->setCurrentItem(allowed->topLevelItem(0));
        allowed->clearSelection();
        find->setText(QString::fromLatin1(before));
        settle();
        state.ResumeTiming();
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QLatin1Char(typed)));
        QCoreApplication::sendEvent(find, &key);
        settle();
    }
    state.counters["row"] = allowed->currentIndex().row();
}
BENCHMARK_CAPTURE(searchKeystroke, nearTheTop, "bee", 'r')->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(searchKeystroke, plu, "9987", '6')->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(searchKeystroke, nothing, "zq", 'x')->Unit(benchmark::kMillisecond);

} // namespace

WIDGET_BENCHMARK_MAIN()
