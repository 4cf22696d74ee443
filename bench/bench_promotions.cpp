// Sales promotions: 1,000 promotions of 10 pages each (three conditions a page) loaded from their
// data file and saved to it, their models read as the editor reads them, and the editor opened and
// saved on one of them; and the article picker over 100,000 articles, one filter keystroke. The
// widget steps run on the offscreen platform with the dialog shown and end with processing the
// events they queued, so layout and painting are included.

#include "articleselectdialog.h"
#include "salepromotion.h"
#include "salepromotiondialog.h"
#include "salepromotionmodel.h"
#include "salespromotioncondition.h"
#include "tarticle.h"
#include "tlistnames.h"
#include "tlumlistview.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include "articlenames.h"
#include "widgetbenchmarkmain.h"

namespace {

constexpr int promotionCount = 1000;
constexpr int pagesPerPromotion = 10;
constexpr int articleCount = 100000;

void settle()
{
    QCoreApplication::processEvents();
}

// A promotion's model: ten pages, each with two order conditions and a department condition.
QString promotionModel(int id)
{
    PosLib::SalePromotionModel model;
    for (int page = 0; page < pagesPerPromotion; ++page) {
        PosLib::SalePromotionPage shown{
            QStringLiteral("Page %1 of promotion %2").arg(page + 1).arg(id), page % 3 != 0, {}};
        for (int plu : {1000 + id + page, 2000 + page}) {
            PosLib::OrderCondition order;
            order.setPlu(plu);
            order.setCostCenter(page % 4);
            order.setFamily(0);
            order.setPriceLevel(page % 2);
            order.setDiscount(page % 3);
            order.setCount(1 + page);
            shown.conditions << order.toJson();
        }
        PosLib::DepartmentCondition department;
        department.setDepartment(1 + page % 5);
        department.setPriceLevel(0);
        department.setCount(2);
        shown.conditions << department.toJson();
        model.pages << shown;
    }
    model.combiOrder = id % 2 == 0;
    model.combiPlu = 9000 + id;
    return model.text();
}

// A data root whose promotion list holds 1,000 promotions, saved.
struct Promotions {
    Promotions()
        : list(PosLib::TListNames::of<PosLib::SalePromotion>())
    {
        for (int id = 1; id <= promotionCount; ++id) {
            auto* promotion = new PosLib::SalePromotion;
            promotion->setID(id);
            promotion->setName(QStringLiteral("Promotion %1").arg(id));
            promotion->setDescription(QStringLiteral("Two articles and a department, ten times"));
            promotion->setModel(promotionModel(id));
            list.insert(promotion);
        }
        list.save(QFile::encodeName(dir.path()).constData());
    }

    QTemporaryDir dir;
    PosLib::TNamedList list;
};

Promotions& promotions()
{
    static Promotions shared;
    return shared;
}

void loadList(benchmark::State& state)
{
    const QByteArray root = QFile::encodeName(promotions().dir.path());
    for (auto _ : state) {
        PosLib::TNamedList list(PosLib::TListNames::of<PosLib::SalePromotion>());
        if (list.load(root.constData()) != 0 || list.count() != promotionCount)
            state.SkipWithError("the list did not load");
    }
    state.counters["bytes"] =
        double(QFile(promotions().dir.filePath(QStringLiteral("usr/data/salepromotions.dat"))).size());
}
BENCHMARK(loadList)->Unit(benchmark::kMillisecond);

void saveList(benchmark::State& state)
{
    const QByteArray root = QFile::encodeName(promotions().dir.path());
    for (auto _ : state)
        promotions().list.save(root.constData());
}
BENCHMARK(saveList)->Unit(benchmark::kMillisecond);

// Every model read into pages and conditions, and written again, as the editor does.
void readAndWriteModels(benchmark::State& state)
{
    for (auto _ : state) {
        for (const Basics::TValue* record : promotions().list) {
            const auto* promotion = static_cast<const PosLib::SalePromotion*>(record);
            benchmark::DoNotOptimize(PosLib::SalePromotionModel::read(promotion->getModel()).text());
        }
    }
}
BENCHMARK(readAndWriteModels)->Unit(benchmark::kMillisecond);

// The editor on one promotion of ten pages (30 conditions), shown, then saved with one change.
struct Office {
    Office()
        : workspace(promotions().dir.path())
        , window(&workspace)
        , view(new TLumListView(&window))
    {
        Basics::TValueList* list = workspace.getData(QStringLiteral("salepromotions"));
        new TLumListItem(view, list->find(1));
        view->selectAll();
    }

    TLumWorkspace workspace;
    TLumWindow window;
    TLumListView* view;
};

void openAndSaveEditor(benchmark::State& state)
{
    Office office;
    for (auto _ : state) {
        SalePromotionDialog dialog(&office.window, office.view);
        dialog.setData(office.view);
        dialog.show();
        settle();
        dialog.findChild<QLineEdit*>(QStringLiteral("m_Name"))->setText(QStringLiteral("Changed"));
        dialog.accept();
        settle();
    }
}
BENCHMARK(openAndSaveEditor)->Unit(benchmark::kMillisecond);

// 100,000 articles in a list of their own.
struct Articles {
    Articles()
        : list(PosLib::TListNames::of<PosLib::TArticle>())
    {
        for (int id = 1; id <= articleCount; ++id) {
            auto* article = new PosLib::TArticle;
            article->setID(id);
            article->setName(benchmarkArticleName(id));
            list.insert(article);
        }
    }
    PosLib::TNamedList list;
};

Articles& articles()
{
    static Articles shared;
    return shared;
}

void openPicker(benchmark::State& state)
{
    articles();
    for (auto _ : state) {
        QtWidgets::ArticleSelectDialog picker;
        picker.fill(&articles().list);
        picker.show();
        settle();
    }
    state.counters["articles"] = articleCount;
}
BENCHMARK(openPicker)->Unit(benchmark::kMillisecond);

// One key typed into the search field after the text before (a Backspace when typed is 0): the
// first letter (most names have it), a letter that narrows to a few thousand, the beginning of a PLU
// far down, a first letter no name has (every article looked at), and a Backspace that brings
// articles back.
void pickerKeystroke(benchmark::State& state, const char* before, char typed)
{
    QtWidgets::ArticleSelectDialog picker;
    picker.fill(&articles().list);
    picker.show();
    settle();
    auto* search = picker.findChild<QLineEdit*>(QStringLiteral("SearchField"));
    auto* list = picker.findChild<QTreeView*>(QStringLiteral("ArticlesListView"));
    for (auto _ : state) {
        state.PauseTiming();
        search->setText(QString::fromLatin1(before));
        settle();
        state.ResumeTiming();
        QKeyEvent key(QEvent::KeyPress, typed ? Qt::Key_unknown : Qt::Key_Backspace, Qt::NoModifier,
                      typed ? QString(QLatin1Char(typed)) : QString());
        QCoreApplication::sendEvent(search, &key);
        settle();
    }
    state.counters["shown"] = list->model()->rowCount();
}
BENCHMARK_CAPTURE(pickerKeystroke, firstLetter, "", 'e')->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pickerKeystroke, narrowing, "bee", 'r')->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pickerKeystroke, plu, "9987", '6')->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pickerKeystroke, nothing, "", 'q')->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pickerKeystroke, backspace, "be", 0)->Unit(benchmark::kMillisecond);

} // namespace

WIDGET_BENCHMARK_MAIN()
