// Sales promotions: the model as stored (whatever shape another program or a hand left it in), the
// promotion editor with its pages, conditions and action, the article picker, and the groups editor,
// driven as an operator drives them. (What every editor shares is held by the frame's tests.)

#include "articleselectdialog.h"
#include "lumtesthost.h"
#include "salepromotion.h"
#include "salepromotiondialog.h"
#include "salepromotionmodel.h"
#include "salepromotionsgroupdialog.h"
#include "salespromotioncondition.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

using PosLib::SalePromotion;
using PosLib::SalePromotionModel;

namespace {

// A double click on a row of a list, as an operator gives it (the first click makes the row the one
// pressed).
void doubleClick(QAbstractItemView* view, const QModelIndex& index)
{
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

QTreeWidget* pagesOf(QWidget* dialog)
{
    return child<QTreeWidget>(dialog, "SalePromotionPageView");
}

// The condition list shown: the current page's.
QTreeWidget* shownConditions(QWidget* dialog)
{
    for (auto* list :
         dialog->findChildren<QTreeWidget*>(QStringLiteral("SalesPromotionConditionsListView"))) {
        if (list->isVisible())
            return list;
    }
    qFatal("no condition list shown");
}

// Adds a condition of the kind (row of the kinds) to the current page with Return; answer fills the
// condition's dialog.
void addCondition(QWidget* dialog, int kind, const std::function<void(QDialog*)>& answer)
{
    auto* kinds = child<QListWidget>(dialog, "ConditionsSelectList");
    kinds->setCurrentRow(kind);
    answerNextDialog(answer);
    QTest::keyClick(kinds, Qt::Key_Return);
}

// Chooses the item of that key in a condition dialog's chooser.
void chooseKey(QWidget* dialog, const char* combo, const char* key)
{
    auto* box = child<QComboBox>(dialog, combo);
    const int row = box->findData(QString::fromLatin1(key));
    QVERIFY(row >= 0);
    box->setCurrentIndex(row);
}

// Picks an article in the picker the button opens: the first one the text finds, taken with Return.
void pickArticle(QWidget* dialog, const char* button, const char* text)
{
    answerNextDialog([text](QDialog* picker) {
        QCOMPARE(picker->windowTitle(), QStringLiteral("Select Article"));
        QTest::keyClicks(child<QLineEdit>(picker, "SearchField"), text);
        QTest::keyClick(child<QLineEdit>(picker, "SearchField"), Qt::Key_Return);
    });
    click(dialog, button);
}

QStringList checked(QTreeWidget* pages)
{
    QStringList names;
    for (int row = 0; row < pages->topLevelItemCount(); ++row) {
        if (pages->topLevelItem(row)->checkState(0) == Qt::Checked)
            names << pages->topLevelItem(row)->text(0);
    }
    return names;
}

} // namespace

class TestPromotions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void storedModelsOfAnyShape_data();
    void storedModelsOfAnyShape();
    void modelIsWrittenAsShown();
    void groupMembersAsStored();

    void newPromotionWithConditionsAndAction();
    void pagesAreAddedRemovedAndMoved();
    void storedConditionsAreShownAndKept();
    void articlePickerSearchesAndSorts();

    void groupMembersAreChosenAndOrdered();
    void newPromotionFromTheGroupEditor();

private:
    SalePromotion* promotion(int id)
    {
        return static_cast<SalePromotion*>(m_host->list(QStringLiteral("salepromotions"))->find(id));
    }
    PosLib::SalePromotionsGroup* group(int id)
    {
        return static_cast<PosLib::SalePromotionsGroup*>(
            m_host->list(QStringLiteral("salepromotionsgroups"))->find(id));
    }

    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TestHost> m_host;
};

void TestPromotions::init()
{
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_host = std::make_unique<TestHost>();
    TestHost& h = *m_host;
    h.put("articles", 7, {{"name", "Espresso"}});
    h.put("articles", 12, {{"name", "Lager"}});
    h.put("articles", 20, {{"name", "Cappuccino"}});
    h.put("articles", 120, {{"name", "Pizza Margherita"}});
    h.put("departments", 1, {{"name", "Kitchen"}});
    h.put("departments", 2, {{"name", "Bar"}});
    h.put("costcenters", 1, {{"name", "Restaurant"}});
    h.put("costcenters", 2, {{"name", "Terrace"}});
    h.put("families", 3, {{"name", "Coffee"}});
    h.put("pricelevels", 2, {{"name", "Happy hour"}});
}

void TestPromotions::cleanup()
{
    m_host.reset();
    m_prompts.reset();
}

void TestPromotions::storedModelsOfAnyShape_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("combiPlu");
    QTest::addColumn<QString>("pages");
    QTest::addColumn<QStringList>("pageNames"); // as the editor reads them; "-" marks a page switched off
    QTest::addColumn<int>("conditions");

    const QString deep = QString(40, u'[') + QString(40, u']');
    QTest::newRow("as written")
        << R"({"pages":[{"name":"A","id":0,"active":true,"conditions":[{"type":2}]}],)"
           R"("action":{"type":1,"prop":{"plu":20}}})"
        << R"({"type":1,"prop":{"plu":20}})" << 20
        << R"([{"name":"A","id":0,"active":true,"conditions":[{"type":2}]}])" << QStringList{"A"} << 1;
    QTest::newRow("no model") << ""
                              << "" << 0 << "" << QStringList() << 0;
    QTest::newRow("no JSON") << R"({"pages":[{"name":"A")"
                             << "" << 0 << "" << QStringList() << 0;
    QTest::newRow("an array") << R"([{"pages":[]}])"
                              << "" << 0 << "" << QStringList() << 0;
    QTest::newRow("nested too deep") << R"({"pages":)" + deep + "}"
                                     << "" << 0 << "" << QStringList() << 0;
    QTest::newRow("numbers for objects and arrays") << R"({"pages":5,"action":[1]})"
                                                    << "" << 0 << "" << QStringList() << 0;
    QTest::newRow("action without properties") << R"({"action":{"type":1}})"
                                               << R"({"type":1})" << 0 << "" << QStringList() << 0;
    QTest::newRow("a PLU that is text")
        << R"({"action":{"type":1,"prop":{"plu":"20"}}})"
        << R"({"type":1,"prop":{"plu":"20"}})" << 0 << "" << QStringList() << 0;
    QTest::newRow("numbers that are no integers")
        << R"({"action":{"type":3333333333333333333333333333333333333333333333333333333333331.61}})"
        << R"({"type":3.3333333333333336e60})" << 0 << "" << QStringList() << 0;
    QTest::newRow("pages and conditions of other types")
        << R"({"pages":[7,{"name":3,"active":"yes","conditions":[1,{"type":3},null]},{"name":"B","active":true}]})"
        << "" << 0
        << R"([7,{"name":3,"active":"yes","conditions":[1,{"type":3},null]},{"name":"B","active":true}])"
        << QStringList{"-", "B"} << 1;
}

void TestPromotions::storedModelsOfAnyShape()
{
    QFETCH(QString, model);
    SalePromotion record;
    record.setModel(model);
    QTEST(record.getAction(), "action");
    QTEST(record.getCombiPlu(), "combiPlu");
    QTEST(record.getPages(), "pages");
    QFETCH(QStringList, pageNames);
    QFETCH(int, conditions);
    const SalePromotionModel read = SalePromotionModel::read(model);
    QStringList names;
    int count = 0;
    for (const PosLib::SalePromotionPage& page : read.pages) {
        names << (page.active ? page.name : QStringLiteral("-") + page.name);
        count += int(page.conditions.size());
    }
    QCOMPARE(names, pageNames);
    QCOMPARE(count, conditions);
    // Whatever was read is written as a valid model that reads back the same.
    QCOMPARE(SalePromotionModel::read(read.text()), read);
}

void TestPromotions::modelIsWrittenAsShown()
{
    // Page ids are positions, a page without "active" is off, a condition keeps what the back office
    // does not know of it, and an action of another kind is kept.
    const SalePromotionModel read = SalePromotionModel::read(
        R"({"note":1,"pages":[{"name":"B","id":7,"conditions":[{"type":3,"table":40}]},{"name":"A","id":7}],)"
        R"("action":{"type":2,"prop":{"percent":10}}})");
    QCOMPARE(read.text(), QStringLiteral(R"({"pages":[{"name":"B","id":0,"active":false,"conditions":[)"
                                         R"({"type":3,"table":40}]},{"name":"A","id":1,"active":false,)"
                                         R"("conditions":[]}],"action":{"type":2,"prop":{"percent":10}}})"));
    SalePromotionModel none;
    QCOMPARE(none.text(), QStringLiteral(R"({"pages":[],"action":{}})"));
    QCOMPARE(SalePromotion::initialPage("Tom \"Jr\""),
             QStringLiteral(R"({"name":"Tom \"Jr\"","active":true})"));

    // A condition's members are integers; missing ones read 0, a set one replaces every twin.
    PosLib::OrderCondition order(
        PosLib::SalesPromotionCondition::fromText(R"({"type":1,"plu":5,"plu":6,"x":"y"})"));
    QCOMPARE(order.kind(), 1);
    QCOMPARE(order.getFamily(), 0);
    order.setPlu(9);
    order.setCount(2);
    QCOMPARE(PosLib::SalesPromotionCondition::fromText(order.toJson()).getInt("plu"), 9);
    QVERIFY(!order.toJson().contains("\"plu\":5") && !order.toJson().contains("\"plu\":6"));
    QVERIFY(order.toJson().contains(R"("x":"y")"));
    QCOMPARE(PosLib::SalesPromotionCondition::fromText("[1]").kind(), 0);
}

void TestPromotions::groupMembersAsStored()
{
    PosLib::SalePromotionsGroup group;
    QVERIFY(group.getPromotions().isEmpty());
    group.set("promotions", QStringLiteral("3;x;;1;7"));
    QCOMPARE(group.getPromotions(), (QList<int>{3, 1, 7}));
    group.setPromotions({7, 3});
    QCOMPARE(group.getString("promotions"), QStringLiteral("7;3"));
    group.setPromotions({});
    QVERIFY(!group.contains("promotions"));
}

void TestPromotions::newPromotionWithConditionsAndAction()
{
    auto dialog = m_host->open<SalePromotionDialog>();
    dialog->show();
    retype(child<QLineEdit>(dialog.get(), "m_Name"), "Coffee break");
    QCOMPARE(column(pagesOf(dialog.get()), 0), QStringList{"New Page"});

    // An order condition needs its article.
    addCondition(dialog.get(), 0, [this](QDialog* condition) {
        QCOMPARE(condition->windowTitle(), QStringLiteral("Edit order condition"));
        QCOMPARE(child<QSpinBox>(condition, "CountControl")->suffix(), QStringLiteral(" pcs"));
        QCOMPARE(child<QComboBox>(condition, "CostcenterControl")->itemText(0), QStringLiteral("Ignore"));
        click(condition, "OkButton");
        QCOMPARE(m_prompts->messages.last().text, QStringLiteral("No article speicified."));
        QVERIFY(condition->isVisible());
        pickArticle(condition, "OpenArticleDlgButton", "espr");
        QCOMPARE(child<QLabel>(condition, "ArticleLabel")->text(), QStringLiteral("7     Espresso"));
        chooseKey(condition, "CostcenterControl", "2");
        chooseKey(condition, "DiscountControl", "2");
        child<QSpinBox>(condition, "CountControl")->setValue(2);
        click(condition, "OkButton");
    });
    QCOMPARE(column(shownConditions(dialog.get()), 0),
             QStringList{"ORDERCONDITION\n2 x Espresso (7) \nCostcenter: Terrace (2) \nFamily: Ignored\n"
                         "Pricelevel: Ignored\nDiscount: No"});

    // A second page, switched off, with a department condition; one cancelled adds nothing.
    m_prompts->texts.enqueue(QStringLiteral("Evening"));
    click(dialog.get(), "AddPageButton");
    QCOMPARE(child<QGroupBox>(dialog.get(), "ConditionsViewContainer")->title(),
             QStringLiteral("Conditions of Evening"));
    addCondition(dialog.get(), 1, [](QDialog* condition) { click(condition, "CancelButton"); });
    addCondition(dialog.get(), 1, [](QDialog* condition) {
        QCOMPARE(condition->windowTitle(), QStringLiteral("Edit department condition"));
        QCOMPARE(child<QComboBox>(condition, "DepartmentControl")->itemText(0), QStringLiteral("Kitchen"));
        chooseKey(condition, "DepartmentControl", "2");
        chooseKey(condition, "PricelevelControl", "2");
        child<QSpinBox>(condition, "CountControl")->setValue(3);
        click(condition, "OkButton");
    });
    QCOMPARE(shownConditions(dialog.get())->topLevelItemCount(), 1);
    pagesOf(dialog.get())->currentItem()->setCheckState(0, Qt::Unchecked);

    // The combination article, picked from the articles.
    child<QCheckBox>(dialog.get(), "CombiOrderActiveButton")->click();
    pickArticle(dialog.get(), "pushButton16", "cap");
    QCOMPARE(child<QSpinBox>(dialog.get(), "CombiActionPlu")->value(), 20);

    click(dialog.get(), "buttonOk");
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(promotion(1)->getModel(),
             QStringLiteral(
                 R"({"pages":[{"name":"New Page","id":0,"active":true,"conditions":[{"type":1,"plu":7,)"
                 R"("costcenter":2,"family":0,"pricelevel":0,"discount":2,"count":2}]},{"name":"Evening",)"
                 R"("id":1,"active":false,"conditions":[{"type":2,"dep":2,"pricelevel":2,"count":3}]}],)"
                 R"("action":{"type":1,"prop":{"plu":20}}})"));
    QVERIFY(!promotion(1)->contains("description"));

    // Edited again: a double click shows the condition as stored, and only what changes changes.
    auto again = m_host->open<SalePromotionDialog>({1});
    again->show();
    QTreeWidget* conditions = shownConditions(again.get());
    answerNextDialog([](QDialog* condition) {
        QCOMPARE(child<QLabel>(condition, "ArticleLabel")->text(), QStringLiteral("7     Espresso"));
        QCOMPARE(child<QComboBox>(condition, "CostcenterControl")->currentText(), QStringLiteral("Terrace"));
        QCOMPARE(child<QSpinBox>(condition, "CountControl")->value(), 2);
        child<QSpinBox>(condition, "CountControl")->setValue(4);
        click(condition, "OkButton");
    });
    doubleClick(conditions, conditions->model()->index(0, 0));
    QVERIFY(conditions->topLevelItem(0)->text(0).contains("4 x Espresso"));
    child<QCheckBox>(again.get(), "CombiOrderActiveButton")->click();
    click(again.get(), "buttonOk");
    const QString model = promotion(1)->getModel();
    QVERIFY(model.contains(R"("discount":2,"count":4)"));
    QVERIFY(model.endsWith(R"("action":{}})"));
}

void TestPromotions::pagesAreAddedRemovedAndMoved()
{
    auto dialog = m_host->open<SalePromotionDialog>();
    dialog->show();
    QTreeWidget* pages = pagesOf(dialog.get());
    retype(child<QLineEdit>(dialog.get(), "m_Name"), "Weekend");

    // The only page stays.
    click(dialog.get(), "RemovePageButton");
    QCOMPARE(m_prompts->messages.last().text, QStringLiteral("One page must exist."));
    QCOMPARE(pages->topLevelItemCount(), 1);

    // No name, no page; a page goes after the current one.
    m_prompts->texts.enqueue(QString());
    click(dialog.get(), "AddPageButton");
    QCOMPARE(pages->topLevelItemCount(), 1);
    for (const char* name : {"Saturday", "Sunday"}) {
        m_prompts->texts.enqueue(QString::fromLatin1(name));
        click(dialog.get(), "AddPageButton");
    }
    pages->setCurrentItem(pages->topLevelItem(0));
    m_prompts->texts.enqueue(QStringLiteral("Friday"));
    click(dialog.get(), "AddPageButton");
    QCOMPARE(column(pages, 0), (QStringList{"New Page", "Friday", "Saturday", "Sunday"}));

    // Friday gets a condition; removing the page (after "Yes") removes it with its conditions.
    addCondition(dialog.get(), 1, [](QDialog* condition) { click(condition, "OkButton"); });
    m_prompts->choices.enqueue(1); // "No"
    click(dialog.get(), "RemovePageButton");
    QCOMPARE(m_prompts->messages.last().text, QStringLiteral("Remove Page?"));
    QCOMPARE(pages->topLevelItemCount(), 4);
    m_prompts->choices.enqueue(0);
    click(dialog.get(), "RemovePageButton");
    QCOMPARE(column(pages, 0), (QStringList{"New Page", "Saturday", "Sunday"}));

    // Moved and renamed: the conditions group follows; saving numbers the pages anew.
    pages->setCurrentItem(pages->topLevelItem(2));
    click(dialog.get(), "PageUpButton");
    click(dialog.get(), "PageUpButton");
    click(dialog.get(), "PageUpButton"); // at the top already
    pages->currentItem()->setText(0, "Sunday brunch");
    QCOMPARE(child<QGroupBox>(dialog.get(), "ConditionsViewContainer")->title(),
             QStringLiteral("Conditions of Sunday brunch"));
    pages->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    click(dialog.get(), "buttonOk");
    QCOMPARE(promotion(1)->getModel(),
             QStringLiteral(R"({"pages":[{"name":"Sunday brunch","id":0,"active":true,"conditions":[]},)"
                            R"({"name":"New Page","id":1,"active":false,"conditions":[]},)"
                            R"({"name":"Saturday","id":2,"active":true,"conditions":[]}],"action":{}})"));
}

void TestPromotions::storedConditionsAreShownAndKept()
{
    m_host->put(
        "salepromotions", 1,
        {{"name", "Stored"},
         {"model", R"({"pages":[{"name":"Off","conditions":[{"type":1,"plu":99,"costcenter":1,)"
                   R"("family":3,"pricelevel":2,"discount":1,"count":1}]},{"name":"Tables","active":true,)"
                   R"("conditions":[{"type":3,"tables":"1-9"},{"type":8},{"type":2,"dep":1,"count":2}]}],)"
                   R"("action":{"type":4,"prop":{"text":"free"}}})"}});
    m_host->put("salepromotions", 2, {{"name", "Broken"}, {"model", R"({"pages":[)"}});
    const QString stored = promotion(1)->getModel();

    auto dialog = m_host->open<SalePromotionDialog>({1});
    dialog->show();
    QTreeWidget* pages = pagesOf(dialog.get());
    QCOMPARE(column(pages, 0), (QStringList{"Off", "Tables"}));
    QCOMPARE(checked(pages), QStringList{"Tables"});
    QCOMPARE(
        column(shownConditions(dialog.get()), 0),
        QStringList{"ORDERCONDITION\n1 x (missing) (99) \nCostcenter: Restaurant (1) \nFamily: Coffee (3) \n"
                    "Pricelevel: Happy hour (2) \nDiscount: Yes"});
    pages->setCurrentItem(pages->topLevelItem(1));
    QCoreApplication::processEvents(); // the page's conditions are laid out
    QTreeWidget* conditions = shownConditions(dialog.get());
    QCOMPARE(column(conditions, 0),
             (QStringList{"TABLECONDITION (not supported!)", "Unknown condition",
                          "DEPARTMENTCONDITION\n2 Article(s) of Kitchen (1) \nPricelevel: Ignored"}));
    QVERIFY(!child<QCheckBox>(dialog.get(), "CombiOrderActiveButton")->isChecked());

    // A table condition opens nothing; untouched, the model stays as it was stored.
    int opened = 0;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            modal && modal != dialog.get()) {
            ++opened;
            modal->reject();
        }
    });
    closer.start(0);
    for (int row : {0, 1})
        doubleClick(conditions, conditions->model()->index(row, 0));
    QCoreApplication::processEvents();
    closer.stop();
    QCOMPARE(opened, 0);
    QVERIFY(!LumDialogs::recordEditor(dialog.get())->hasChanges());

    // Saved with a change elsewhere: the table condition, the unknown one and the action of another
    // kind are written back as they were.
    conditions->setCurrentItem(conditions->topLevelItem(2));
    click(dialog.get(), "ConditionUpButton");
    click(dialog.get(), "buttonOk");
    const SalePromotionModel saved = SalePromotionModel::read(promotion(1)->getModel());
    QCOMPARE(saved.pages.at(1).conditions, (QStringList{R"({"type":3,"tables":"1-9"})",
                                                        R"({"type":2,"dep":1,"count":2})", R"({"type":8})"}));
    QCOMPARE(saved.otherAction, QStringLiteral(R"({"type":4,"prop":{"text":"free"}})"));
    QVERIFY(promotion(1)->getModel() != stored);

    // A model that cannot be read shows one new page and is saved as a valid model.
    auto broken = m_host->open<SalePromotionDialog>({2});
    QCOMPARE(column(pagesOf(broken.get()), 0), QStringList{"New Page"});
    retype(child<QLineEdit>(broken.get(), "DescriptionTextControl"), "Repaired");
    click(broken.get(), "buttonOk");
    QCOMPARE(promotion(2)->getModel(),
             QStringLiteral(
                 R"({"pages":[{"name":"New Page","id":0,"active":true,"conditions":[]}],"action":{}})"));
}

void TestPromotions::articlePickerSearchesAndSorts()
{
    m_host->put("articles", 1200, {{"name", "Lager large"}});
    QtWidgets::ArticleSelectDialog picker;
    picker.fill(m_host->list("articles"));
    picker.show(); // Return takes the default button of a dialog shown
    auto* search = child<QLineEdit>(&picker, "SearchField");
    auto* list = child<QTreeView>(&picker, "ArticlesListView");
    const auto shown = [list](int column) {
        QStringList texts;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            texts << list->model()->index(row, column).data().toString();
        return texts;
    };
    QCOMPARE(shown(0), (QStringList{"7", "12", "20", "120", "1200"}));
    QCOMPARE(list->currentIndex().row(), 0);

    // A PLU begins with the text, or the name contains it, case ignored.
    QTest::keyClicks(search, "12");
    QCOMPARE(shown(0), (QStringList{"12", "120", "1200"}));
    QTest::keyClick(search, Qt::Key_Down);
    QTest::keyClick(search, Qt::Key_Backspace);
    QTest::keyClick(search, Qt::Key_Backspace);
    QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("120")); // stays current
    QTest::keyClicks(search, "LAG");
    QCOMPARE(shown(1), (QStringList{"Lager", "Lager large"}));
    QTest::keyClicks(search, "er l");
    QCOMPARE(shown(1), QStringList{"Lager large"});

    // By name, ties by PLU; the current article stays current.
    search->clear();
    m_host->put("articles", 3, {{"name", "lager"}});
    picker.fill(m_host->list("articles"));
    list->setCurrentIndex(list->model()->index(3, 0)); // 20 Cappuccino
    list->sortByColumn(1, Qt::AscendingOrder);
    QCOMPARE(shown(0), (QStringList{"20", "7", "3", "12", "1200", "120"}));
    QCOMPARE(list->currentIndex().row(), 0);
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(picker.result(), int(QDialog::Accepted));
    QCOMPARE(picker.chosenPlu(), 20);

    // Nothing found, nothing taken.
    QtWidgets::ArticleSelectDialog empty;
    empty.fill(m_host->list("articles"));
    empty.show();
    QTest::keyClicks(child<QLineEdit>(&empty, "SearchField"), "qq");
    click(&empty, "OkButton");
    QCOMPARE(empty.result(), int(QDialog::Rejected));
    QCOMPARE(empty.chosenPlu(), 0);
}

void TestPromotions::groupMembersAreChosenAndOrdered()
{
    for (int id : {1, 3, 5, 7})
        m_host->put("salepromotions", id, {{"name", qPrintable(QStringLiteral("P%1").arg(id))}});
    m_host->put("salepromotions", 9, {{"name", "P9"}, {"description", "Late"}});
    m_host->put("salepromotionsgroups", 1, {{"name", "Bar"}, {"promotions", "7;42;3"}});

    // Members show in the stored order; a promotion that is gone is left out.
    auto dialog = m_host->open<SalePromotionsGroupDialog>({1});
    dialog->show();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit sale promotions group"));
    auto* available = child<QTreeWidget>(dialog.get(), "PromotionsListView");
    auto* members = child<QTreeWidget>(dialog.get(), "PromotionsGroupListView");
    const auto visible = [](QTreeWidget* list) {
        QStringList ids;
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            if (!list->topLevelItem(row)->isHidden())
                ids << list->topLevelItem(row)->text(0);
        }
        return ids;
    };
    const auto select = [](QTreeWidget* list, const QStringList& ids) {
        list->clearSelection();
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            list->topLevelItem(row)->setSelected(ids.contains(list->topLevelItem(row)->text(0)));
    };
    QCOMPARE(visible(members), (QStringList{"7", "3"}));
    QCOMPARE(visible(available), (QStringList{"1", "5", "9"}));
    QCOMPARE(available->topLevelItem(4)->text(2), QStringLiteral("Late"));

    // Inserted ones go to the end; up and down pass the members next to them.
    select(available, {"9", "1"});
    click(dialog.get(), "AddPromotionButton");
    QCOMPARE(visible(members), (QStringList{"7", "3", "1", "9"}));
    QCOMPARE(visible(available), QStringList{"5"});
    select(members, {"9"});
    click(dialog.get(), "PromotionUpButton");
    click(dialog.get(), "PromotionUpButton");
    QCOMPARE(visible(members), (QStringList{"7", "9", "3", "1"}));
    select(members, {"7"});
    click(dialog.get(), "PromotionUpButton"); // at the top already
    select(members, {"3"});
    click(dialog.get(), "RemovePromotionButton");
    QCOMPARE(visible(available), (QStringList{"3", "5"}));
    click(dialog.get(), "OkButton");
    QCOMPARE(group(1)->getString("promotions"), QStringLiteral("7;9;1"));

    // All in, all out: a group without members loses the attribute.
    auto again = m_host->open<SalePromotionsGroupDialog>({1});
    click(again.get(), "AddAllPromotionsButton");
    QCOMPARE(visible(child<QTreeWidget>(again.get(), "PromotionsGroupListView")),
             (QStringList{"7", "9", "1", "3", "5"}));
    click(again.get(), "RemoveAllPromotionsButton");
    QCOMPARE(visible(child<QTreeWidget>(again.get(), "PromotionsListView")).size(), 5);
    click(again.get(), "OkButton");
    QVERIFY(!group(1)->contains("promotions"));
}

void TestPromotions::newPromotionFromTheGroupEditor()
{
    m_host->put("salepromotions", 1, {{"name", "Lunch"}});
    m_host->put("salepromotions", 2, {{"name", "Dinner"}});
    auto dialog = m_host->open<SalePromotionsGroupDialog>();
    auto* available = child<QTreeWidget>(dialog.get(), "PromotionsListView");
    available->topLevelItem(1)->setSelected(true);
    click(dialog.get(), "AddPromotionButton");
    available->topLevelItem(0)->setSelected(true);
    click(dialog.get(), "AddPromotionButton");

    answerNextDialog([](QDialog* editor) {
        QCOMPARE(editor->objectName(), QStringLiteral("SalePromotionDialog"));
        QCOMPARE(child<QSpinBox>(editor, "m_Number")->value(), 3);
        retype(child<QLineEdit>(editor, "m_Name"), "Brunch");
        click(editor, "buttonOk");
    });
    click(dialog.get(), "NewPromotionButton");
    QCOMPARE(column(available, 1), (QStringList{"Lunch", "Dinner", "Brunch"}));
    QCOMPARE(promotion(3)->getName(), QStringLiteral("Brunch"));
    retype(child<QLineEdit>(dialog.get(), "m_Name"), "Weekend");
    click(dialog.get(), "OkButton");
    QCOMPARE(group(1)->getPromotions(), (QList<int>{2, 1}));
}

QTEST_MAIN(TestPromotions)
#include "tst_promotions.moc"
