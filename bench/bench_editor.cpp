// The editor frame with many records: setData (the comparison walk and the filling) over a growing
// number of selected currencies, and accepting them all.

#include "tcurrency.h"
#include "tcurrencydlg.h"
#include "tlumlistview.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "widgetbenchmarkmain.h"

namespace {

// A host with n currencies, all selected in its list view.
struct Selection {
    explicit Selection(int n)
        : workspace(dir.path())
        , window(&workspace)
        , view(new TLumListView(&window))
    {
        Basics::TValueList* list = workspace.getData(QStringLiteral("currencies"));
        list->blockSignals(true); // building the fixture is not a change to save
        for (int id = 1; id <= n; ++id) {
            auto* currency = new PosLib::TCurrency;
            currency->setID(id);
            currency->setName(QStringLiteral("Currency %1").arg(id));
            currency->setShortName(QStringLiteral("C%1").arg(id % 1000));
            currency->setRate(id % 7 ? 1.0 : 0.5);
            currency->setDecPos(2);
            list->insert(currency);
        }
        list->blockSignals(false);
        QList<QTreeWidgetItem*> items;
        for (Basics::TValue* value : *list)
            items << new TLumListItem(static_cast<QTreeWidget*>(nullptr), value);
        view->addTopLevelItems(items);
        view->selectAll();
    }

    QTemporaryDir dir;
    TLumWorkspace workspace;
    TLumWindow window;
    TLumListView* view;
};

void BM_SetDataSelected(benchmark::State& state)
{
    Selection selection(int(state.range(0)));
    for (auto _ : state) {
        TCurrencyDlg dialog(&selection.window, selection.view);
        dialog.setData(selection.view);
    }
    state.SetComplexityN(state.range(0));
}

void BM_AcceptSelected(benchmark::State& state)
{
    Selection selection(int(state.range(0)));
    for (auto _ : state) {
        TCurrencyDlg dialog(&selection.window, selection.view);
        dialog.setData(selection.view);
        dialog.accept();
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_SetDataSelected)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_AcceptSelected)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

WIDGET_BENCHMARK_MAIN()
