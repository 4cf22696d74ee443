// The editors of VAT rates, tax groups, discounts, price levels and cost centres, driven as an
// operator drives them, on a workspace with a currency list (so amounts are written "0,25") and, for
// cost centres, the workspace's SQLite database.

#include "lumtesthost.h"
#include "tcostcenter.h"
#include "tcostcenterdlg.h"
#include "tcurrency.h"
#include "tdiscount.h"
#include "tdiscountdlg.h"
#include "tlistviewcheck.h"
#include "tpricelevel.h"
#include "tpriceleveldlg.h"
#include "ttaxgroup.h"
#include "ttaxgroupdlg.h"
#include "tvatrate.h"
#include "tvatratedlg.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <initializer_list>
#include <utility>

using namespace PosLib;

namespace {

using Attributes = std::initializer_list<std::pair<const char*, const char*>>;

QList<QtWidgets::TListViewCheck*> checkItems(QTreeWidget* list)
{
    QList<QtWidgets::TListViewCheck*> items;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        items << dynamic_cast<QtWidgets::TListViewCheck*>(list->topLevelItem(row));
    return items;
}

QStringList column(QTreeWidget* list, int column)
{
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts << list->topLevelItem(row)->text(column);
    return texts;
}

// The rows of "Kostenstellen" as "KSCode=Bezeichnung", in KSCode order.
QStringList costRows(QSqlDatabase db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT KSCode, Bezeichnung FROM Kostenstellen ORDER BY KSCode")))
        return {QStringLiteral("error")};
    QStringList rows;
    while (query.next())
        rows << query.value(0).toString() + u'=' + query.value(1).toString();
    return rows;
}

const QByteArray abroad = "[General]\r\nRestOfWorld = yes\r\nTaxComposite = yes\r\n";

} // namespace

class TestRateEditors : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void vatRateTextsRoundTrip();
    void vatRateNameWithCommaIsRefused();
    void vatTypeIsChosenOnlyAbroad();
    void composedRatesAreTheTickedOnes();
    void taxGroupRowsKeepTheirOrder();
    void taxGroupCreatesAVatRateOnTheSpot();
    void discountRoundingArticleAndAmounts();
    void priceLevelDaysAndTimes();
    void costCentresAreKeptInTheDatabase();
    void aFailingDatabaseKeepsTheDialogOpen();

private:
    // Helpers as members, so that helpers of the shared test host never make a call ambiguous.
    template <class Record>
    static Record* record(int id, Attributes attributes)
    {
        auto* value = new Record;
        value->setID(id);
        for (const auto& [key, text] : attributes)
            value->set(key, QString::fromUtf8(text));
        return value;
    }
    static void retype(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    static void click(QWidget* dialog, const char* button)
    {
        QTest::mouseClick(child<QAbstractButton>(dialog, button), Qt::LeftButton);
    }
    // Makes the item of that id current in an id chooser.
    static void choose(QComboBox* combo, int id)
    {
        for (int i = 0; i < combo->count(); ++i) {
            if (QtWidgets::TComboBox::idOf(combo->itemText(i)) == id) {
                combo->setCurrentIndex(i);
                return;
            }
        }
        qFatal("no item %d", id);
    }

    std::unique_ptr<TestHost> m_host;
    std::unique_ptr<ScriptedPrompts> m_prompts;

    void makeHost(const QByteArray& configuration = QByteArray());
    Basics::TValueList* list(const char* name)
    {
        return m_host->workspace->getData(QString::fromLatin1(name));
    }
    template <class Dialog>
    std::unique_ptr<Dialog> editorFor(const char* listName, const QList<int>& ids)
    {
        m_host->showList(QString::fromLatin1(listName));
        m_host->select(ids);
        auto dialog = std::make_unique<Dialog>(m_host->window.get(), m_host->view);
        dialog->setData(m_host->view);
        return dialog;
    }
    template <class Dialog>
    std::unique_ptr<Dialog> newEditor()
    {
        auto dialog = std::make_unique<Dialog>(m_host->window.get(), m_host->view);
        dialog->setID(nullptr);
        return dialog;
    }
};

void TestRateEditors::makeHost(const QByteArray& configuration)
{
    m_host = std::make_unique<TestHost>(configuration);
    list("currencies")
        ->insert(record<TCurrency>(1, {{"name", "Euro"}, {"shortname", "EUR"}, {"decpos", "2"}}));
    list("vatrates")->insert(record<TVatRate>(1, {{"name", "Standard"}, {"rate", "1900"}}));
    list("vatrates")->insert(record<TVatRate>(2, {{"name", "Reduced"}, {"rate", "700"}}));
    list("vatrates")->insert(record<TVatRate>(3, {{"name", "Exempt"}}));
    list("vatrates")->insert(record<TVatRate>(4, {{"name", "Deposit"}, {"rate", "25"}, {"type", "2"}}));
    list("vatrates")->insert(record<TVatRate>(5, {{"name", "Menu"}, {"compose", "1:2"}}));
    list("taxgroups")->insert(record<TTaxGroup>(1, {{"name", "Food"}, {"rates", "2"}}));
    list("taxgroups")->insert(record<TTaxGroup>(2, {{"name", "Drinks"}, {"rates", "1:4"}}));
    list("discounts")->insert(record<TDiscount>(1, {{"name", "Staff"}, {"rate", "50.00000"}}));
    list("discounts")
        ->insert(record<TDiscount>(
            2, {{"name", "Voucher"}, {"rate", "500.00000"}, {"absolut", "yes"}, {"article", "1002"}}));
    list("pricelevels")->insert(record<TPricelevel>(1, {{"name", "Normal"}}));
    list("pricelevels")
        ->insert(record<TPricelevel>(
            2, {{"name", "Happy hour"}, {"start", "1700"}, {"end", "1900"}, {"days", "62"}}));
    list("pricelevels")
        ->insert(
            record<TPricelevel>(3, {{"name", "Brunch"}, {"start", "900"}, {"end", "1900"}, {"days", "65"}}));
    list("articles")->insert(record<Basics::TValue>(1001, {{"name", "Espresso"}}));
    list("articles")->insert(record<Basics::TValue>(1002, {{"name", "Gift voucher"}}));
}

void TestRateEditors::init()
{
    m_prompts = std::make_unique<ScriptedPrompts>();
    makeHost();
}

void TestRateEditors::cleanup()
{
    m_host.reset();
    m_prompts.reset();
}

void TestRateEditors::vatRateTextsRoundTrip()
{
    QCOMPARE(TVatRate::parsePercent("19"), 1900);
    QCOMPARE(TVatRate::parsePercent("19.5"), 1950); // a decimal fraction, not five hundredths
    QCOMPARE(TVatRate::parsePercent("7,25"), 725);
    QCOMPARE(TVatRate::parsePercent("7,256"), 726);
    QCOMPARE(TVatRate::parsePercent("7,254"), 725);
    QCOMPARE(TVatRate::parsePercent(" 0.05 "), 5);
    QCOMPARE(TVatRate::parsePercent(""), 0);
    QCOMPARE(TVatRate::percentText(1900), QStringLiteral("19.00"));
    QCOMPARE(TVatRate::percentText(725), QStringLiteral("7.25"));
    QCOMPARE(TVatRate::percentText(5), QStringLiteral("0.05"));

    // A percentage is shown with two decimals, a fixed amount as the system currency writes it.
    auto standard = editorFor<TVatRateDlg>("vatrates", {1});
    QCOMPARE(standard->windowTitle(), QStringLiteral("Edit VAT rate"));
    QCOMPARE(child<QLineEdit>(standard.get(), "m_Rate")->text(), QStringLiteral("19.00"));
    auto deposit = editorFor<TVatRateDlg>("vatrates", {4});
    auto* rate = child<QLineEdit>(deposit.get(), "m_Rate");
    QCOMPARE(rate->text(), QStringLiteral("0,25"));
    retype(rate, "1,5");
    click(deposit.get(), "buttonOk");
    QCOMPARE(list("vatrates")->find(4)->getString("rate"), QStringLiteral("150"));
    QCOMPARE(list("vatrates")->find(4)->getString("type"), QStringLiteral("2"));

    // Typing stays within 0 to 100 with two decimals.
    auto fresh = newEditor<TVatRateDlg>();
    rate = child<QLineEdit>(fresh.get(), "m_Rate");
    QTest::keyClicks(rate, "150");
    QCOMPARE(rate->text(), QStringLiteral("15"));
    retype(rate, "7,255");
    QCOMPARE(rate->text(), QStringLiteral("7,25"));
}

void TestRateEditors::vatRateNameWithCommaIsRefused()
{
    auto dialog = newEditor<TVatRateDlg>();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Insert new VAT rate..."));
    QCOMPARE(dialog->getID(), 6);
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Food, drinks");
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Rate"), "19.5");
    click(dialog.get(), "buttonOk");
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.first().kind, QStringLiteral("information"));
    QCOMPARE(m_prompts->messages.first().caption, QStringLiteral("Warning"));
    QCOMPARE(m_prompts->messages.first().text, QStringLiteral("Comma not allowed in name"));
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(!list("vatrates")->find(6));

    retype(child<QLineEdit>(dialog.get(), "m_Name"), "Food and drinks");
    click(dialog.get(), "buttonOk");
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    auto* created = dynamic_cast<TVatRate*>(list("vatrates")->find(6));
    QVERIFY(created);
    QCOMPARE(created->getRate(), 1950);
    QVERIFY(!created->contains("type"));                           // the home country has no types
    QVERIFY(!created->contains("compose"));                        // nothing ticked
    QCOMPARE(created->getString("rkstaxid"), QStringLiteral("0")); // always written
    QVERIFY(created->contains("fiscaltaxsign"));

    // Several records are refused the same way.
    auto several = editorFor<TVatRateDlg>("vatrates", {1, 2});
    QTest::keyClicks(child<QLineEdit>(several.get(), "m_Name"), "A,B");
    click(several.get(), "buttonOk");
    QCOMPARE(m_prompts->messages.size(), 2);
    QCOMPARE(list("vatrates")->find(1)->getName(), QStringLiteral("Standard"));
}

void TestRateEditors::vatTypeIsChosenOnlyAbroad()
{
    // At home the type is shown but cannot be chosen, and it is never written.
    auto home = editorFor<TVatRateDlg>("vatrates", {1});
    QVERIFY(!child<QGroupBox>(home.get(), "groupType")->isEnabled());
    child<QRadioButton>(home.get(), "radioNetto")->setChecked(true); // as if it could be chosen
    click(home.get(), "buttonOk");
    QVERIFY(!list("vatrates")->find(1)->contains("type"));
    home.reset(); // before its host goes

    makeHost(abroad);
    auto fresh = newEditor<TVatRateDlg>();
    QVERIFY(child<QRadioButton>(fresh.get(), "radioBrutto")->isChecked());
    QTest::keyClicks(child<QLineEdit>(fresh.get(), "m_Name"), "Bag fee");
    click(fresh.get(), "radioAmount"); // an amount: no percentage validator any more
    QTest::keyClicks(child<QLineEdit>(fresh.get(), "m_Rate"), "120,5");
    click(fresh.get(), "buttonOk");
    QCOMPARE(fresh->result(), int(QDialog::Accepted));
    QCOMPARE(list("vatrates")->find(6)->getString("type"), QStringLiteral("2"));
    QCOMPARE(list("vatrates")->find(6)->getString("rate"), QStringLiteral("12050"));

    // Two rates of different types: no button is chosen, each rate keeps its type, and a rate
    // typed for both is read by each one's own type.
    auto both = editorFor<TVatRateDlg>("vatrates", {2, 4});
    QCOMPARE(child<QButtonGroup>(both.get(), "m_Type")->checkedId(), -1);
    QCOMPARE(child<QLineEdit>(both.get(), "m_Rate")->text(), QString());
    QTest::keyClicks(child<QLineEdit>(both.get(), "m_Rate"), "10");
    click(both.get(), "buttonOk");
    QCOMPARE(list("vatrates")->find(2)->getString("rate"), QStringLiteral("1000"));
    QVERIFY(!list("vatrates")->find(2)->contains("type"));
    QCOMPARE(list("vatrates")->find(4)->getString("rate"), QStringLiteral("1000")); // 10,00 as an amount
    QCOMPARE(list("vatrates")->find(4)->getString("type"), QStringLiteral("2"));

    auto netto = editorFor<TVatRateDlg>("vatrates", {1});
    click(netto.get(), "radioNetto");
    click(netto.get(), "buttonOk");
    QCOMPARE(list("vatrates")->find(1)->getString("type"), QStringLiteral("1"));
    QCOMPARE(list("vatrates")->find(1)->getString("rate"), QStringLiteral("1900"));
}

void TestRateEditors::composedRatesAreTheTickedOnes()
{
    // Not offered at home: the tab is gone and a stored composition stays.
    auto home = editorFor<TVatRateDlg>("vatrates", {5});
    auto* tabs = child<QTabWidget>(home.get(), "tabWidget");
    QVERIFY(!tabs->isTabVisible(1) && !tabs->isTabEnabled(1));
    click(home.get(), "buttonOk");
    QCOMPARE(list("vatrates")->find(5)->getString("compose"), QStringLiteral("1:2"));
    home.reset();

    makeHost(abroad);
    auto single = editorFor<TVatRateDlg>("vatrates", {5});
    auto* compose = child<QTreeWidget>(single.get(), "m_Compose");
    QList<QtWidgets::TListViewCheck*> items = checkItems(compose);
    QCOMPARE(column(compose, 0), (QStringList{"1", "2", "3", "4", "5"}));
    QCOMPARE(column(compose, 1), (QStringList{"19.00", "7.00", "0.00", "0,25", "0.00"}));
    QVERIFY(items[0]->isOn() && items[1]->isOn() && !items[2]->isOn());
    QVERIFY(!(items[4]->flags() & Qt::ItemIsEnabled)); // not composed of itself
    items[1]->setOn(false);
    items[3]->setOn(true);
    items[2]->setOn(true);
    click(single.get(), "buttonOk");
    QCOMPARE(list("vatrates")->find(5)->getString("compose"), QStringLiteral("1:3:4")); // list order

    // Two rates that differ show nothing ticked and keep their compositions unless one is ticked;
    // then the ticked ones go into both, but no rate into itself.
    auto both = editorFor<TVatRateDlg>("vatrates", {1, 5});
    for (auto* item : checkItems(child<QTreeWidget>(both.get(), "m_Compose")))
        QVERIFY(!item->isOn());
    click(both.get(), "buttonOk");
    QVERIFY(!list("vatrates")->find(1)->contains("compose"));
    QCOMPARE(list("vatrates")->find(5)->getString("compose"), QStringLiteral("1:3:4"));
    auto again = editorFor<TVatRateDlg>("vatrates", {1, 5});
    items = checkItems(child<QTreeWidget>(again.get(), "m_Compose"));
    items[0]->setOn(true);
    items[1]->setOn(true);
    click(again.get(), "buttonOk");
    QCOMPARE(list("vatrates")->find(1)->getString("compose"), QStringLiteral("2"));
    QCOMPARE(list("vatrates")->find(5)->getString("compose"), QStringLiteral("1:2"));

    // Clearing every item removes the key.
    auto cleared = editorFor<TVatRateDlg>("vatrates", {5});
    for (auto* item : checkItems(child<QTreeWidget>(cleared.get(), "m_Compose")))
        item->setOn(false);
    click(cleared.get(), "buttonOk");
    QVERIFY(!list("vatrates")->find(5)->contains("compose"));
}

void TestRateEditors::taxGroupRowsKeepTheirOrder()
{
    // The form alone has no code for its buttons and says so.
    TTaxGroupDlgBase form;
    QCOMPARE(form.objectName(), QStringLiteral("TTaxGroupDlgBase"));
    QTest::ignoreMessage(QtWarningMsg, "TTaxGroupDlgBase::onRateAdd(): Not implemented yet");
    click(&form, "b_RateAdd");
    QTest::ignoreMessage(QtWarningMsg, "TTaxGroupDlgBase::onNext(): Not implemented yet");
    click(&form, "b_Next");

    list("vatrates")->insert(record<TVatRate>(7, {{"name", "Luxury"}, {"rate", "2550"}}));
    auto dialog = newEditor<TTaxGroupDlg>();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Insert new tax group..."));
    auto* chooser = child<QComboBox>(dialog.get(), "m_Rate");
    QCOMPARE(chooser->itemText(0), QStringLiteral("  1)  19.00%  Standard"));
    QCOMPARE(chooser->itemText(3), QStringLiteral("  4)  0,25  Deposit"));
    auto* rows = child<QTreeWidget>(dialog.get(), "m_Rates");
    for (int id : {3, 1, 7, 1}) { // the second 1 is already there
        choose(chooser, id);
        click(dialog.get(), "b_RateAdd");
    }
    QCOMPARE(column(rows, 0), (QStringList{"3", "1", "7"}));
    QCOMPARE(column(rows, 1), (QStringList{"  0.00%", " 19.00%", " 25.50%"}));
    QCOMPARE(column(rows, 2), (QStringList{"Exempt", "Standard", "Luxury"}));
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Mixed");
    click(dialog.get(), "buttonOk");
    QCOMPARE(list("taxgroups")->find(3)->getString("rates"), QStringLiteral("3:1:7"));

    // Up, down and delete work on the selected row.
    auto edit = editorFor<TTaxGroupDlg>("taxgroups", {3});
    rows = child<QTreeWidget>(edit.get(), "m_Rates");
    rows->setCurrentItem(rows->topLevelItem(2));
    click(edit.get(), "b_RateUp");
    click(edit.get(), "b_RateUp");
    click(edit.get(), "b_RateUp"); // already first
    QCOMPARE(column(rows, 0), (QStringList{"7", "3", "1"}));
    rows->setCurrentItem(rows->topLevelItem(1));
    click(edit.get(), "b_RateDn");
    click(edit.get(), "b_RateDn");
    QCOMPARE(column(rows, 0), (QStringList{"7", "1", "3"}));
    click(edit.get(), "b_RateDel");
    click(edit.get(), "buttonOk");
    QCOMPARE(list("taxgroups")->find(3)->getString("rates"), QStringLiteral("7:1"));

    auto empty = editorFor<TTaxGroupDlg>("taxgroups", {3});
    for (int i = 0; i < 2; ++i) {
        child<QTreeWidget>(empty.get(), "m_Rates")
            ->setCurrentItem(child<QTreeWidget>(empty.get(), "m_Rates")->topLevelItem(0));
        click(empty.get(), "b_RateDel");
    }
    click(empty.get(), "buttonOk");
    QVERIFY(!list("taxgroups")->find(3)->contains("rates"));

    // With several groups the rows can be seen where they agree, but are not written.
    auto several = editorFor<TTaxGroupDlg>("taxgroups", {1, 2});
    QCOMPARE(several->windowTitle(), QStringLiteral("Edit tax groups"));
    QVERIFY(!child<QGroupBox>(several.get(), "groupRates")->isEnabled());
    QCOMPARE(child<QTreeWidget>(several.get(), "m_Rates")->topLevelItemCount(), 0);
    click(several.get(), "buttonOk");
    QCOMPARE(list("taxgroups")->find(1)->getString("rates"), QStringLiteral("2"));
    QCOMPARE(list("taxgroups")->find(2)->getString("rates"), QStringLiteral("1:4"));
}

void TestRateEditors::taxGroupCreatesAVatRateOnTheSpot()
{
    auto dialog = editorFor<TTaxGroupDlg>("taxgroups", {1});
    QString caption;
    QTimer::singleShot(0, [&caption] {
        auto* vat = qobject_cast<TVatRateDlg*>(QApplication::activeModalWidget());
        QVERIFY(vat);
        caption = vat->windowTitle();
        QVERIFY(!child<QPushButton>(vat, "b_First")->isEnabled()); // no list to move in
        QTest::keyClicks(child<QLineEdit>(vat, "m_Name"), "Super reduced");
        QTest::keyClicks(child<QLineEdit>(vat, "m_Rate"), "2.5");
        click(vat, "buttonOk");
    });
    click(dialog.get(), "a_Rate");
    QCOMPARE(caption, QStringLiteral("Insert new VAT rate..."));
    QCOMPARE(list("vatrates")->find(6)->getName(), QStringLiteral("Super reduced"));
    auto* chooser = child<QComboBox>(dialog.get(), "m_Rate");
    QCOMPARE(chooser->currentText(), QStringLiteral("  6)  2.50%  Super reduced"));
    click(dialog.get(), "b_RateAdd");
    click(dialog.get(), "buttonOk");
    QCOMPARE(list("taxgroups")->find(1)->getString("rates"), QStringLiteral("2:6"));

    // Cancelled: nothing new to choose.
    QTimer::singleShot(0, [] { click(QApplication::activeModalWidget(), "buttonCancel"); });
    auto other = editorFor<TTaxGroupDlg>("taxgroups", {2});
    choose(child<QComboBox>(other.get(), "m_Rate"), 2);
    click(other.get(), "a_Rate");
    QCOMPARE(list("vatrates")->count(), 6);
    QCOMPARE(child<QComboBox>(other.get(), "m_Rate")->currentText(), QStringLiteral("  2)  7.00%  Reduced"));
}

void TestRateEditors::discountRoundingArticleAndAmounts()
{
    auto dialog = newEditor<TDiscountDlg>();
    auto* article = child<QComboBox>(dialog.get(), "m_Article");
    QCOMPARE(article->itemText(0), QStringLiteral("    0)  Not specified"));
    QCOMPARE(article->count(), 3);
    QVERIFY(article->isEditable()); // type-ahead
    QVERIFY(child<QRadioButton>(dialog.get(), "m_RoundingNo")->isChecked());
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Birthday");
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Rate"), "12,5");
    click(dialog.get(), "buttonOk");
    const TDiscount* birthday = dynamic_cast<TDiscount*>(list("discounts")->find(3));
    QVERIFY(birthday);
    QCOMPARE(birthday->getString("rate"), QStringLiteral("12.50000"));
    QVERIFY(!birthday->contains("rounding"));
    QVERIFY(!birthday->contains("article"));
    QVERIFY(!birthday->contains("absolut"));

    // An absolute discount is an amount of the system currency, both ways.
    auto voucher = editorFor<TDiscountDlg>("discounts", {2});
    QCOMPARE(child<QLineEdit>(voucher.get(), "m_Rate")->text(), QStringLiteral("5,00"));
    QCOMPARE(QtWidgets::TComboBox::idOf(child<QComboBox>(voucher.get(), "m_Article")->currentText()), 1002);
    retype(child<QLineEdit>(voucher.get(), "m_Rate"), "7,5");
    click(voucher.get(), "m_Rounding10");
    choose(child<QComboBox>(voucher.get(), "m_Article"), 0);
    click(voucher.get(), "buttonOk");
    QCOMPARE(list("discounts")->find(2)->getString("rate"), QStringLiteral("750.00000"));
    QCOMPARE(list("discounts")->find(2)->getString("rounding"), QStringLiteral("3"));
    QVERIFY(!list("discounts")->find(2)->contains("article"));

    // Ticking Absolute reads the typed text as an amount; a rate of 0 removes the key.
    auto staff = editorFor<TDiscountDlg>("discounts", {1});
    QCOMPARE(child<QLineEdit>(staff.get(), "m_Rate")->text(), QStringLiteral("50"));
    click(staff.get(), "m_Absolute");
    retype(child<QLineEdit>(staff.get(), "m_Rate"), "2");
    choose(child<QComboBox>(staff.get(), "m_Article"), 1001);
    click(staff.get(), "buttonOk");
    QCOMPARE(list("discounts")->find(1)->getString("rate"), QStringLiteral("200.00000"));
    QCOMPARE(list("discounts")->find(1)->getString("absolut"), QStringLiteral("yes"));
    QCOMPARE(list("discounts")->find(1)->getString("article"), QStringLiteral("1001"));

    // Two discounts: the rounding shows no choice and stays; a rate typed for both is read by
    // each one's Absolute flag where the box is left in its no-change state.
    list("discounts")->find(1)->remove("absolut");
    auto both = editorFor<TDiscountDlg>("discounts", {1, 2});
    QCOMPARE(child<QButtonGroup>(both.get(), "m_RoundingGroup")->checkedId(), -1);
    QCOMPARE(child<QCheckBox>(both.get(), "m_Absolute")->checkState(), Qt::PartiallyChecked);
    QTest::keyClicks(child<QLineEdit>(both.get(), "m_Rate"), "3");
    click(both.get(), "buttonOk");
    QCOMPARE(list("discounts")->find(1)->getString("rate"), QStringLiteral("3.00000"));
    QCOMPARE(list("discounts")->find(2)->getString("rate"), QStringLiteral("300.00000"));
    QCOMPARE(list("discounts")->find(2)->getString("rounding"), QStringLiteral("3"));

    auto zero = editorFor<TDiscountDlg>("discounts", {1});
    retype(child<QLineEdit>(zero.get(), "m_Rate"), "0");
    click(zero.get(), "m_RoundingNo");
    click(zero.get(), "buttonOk");
    QVERIFY(!list("discounts")->find(1)->contains("rate"));
}

void TestRateEditors::priceLevelDaysAndTimes()
{
    // A new level that is left alone counts for every day until midnight.
    auto fresh = newEditor<TPriceLevelDlg>();
    QCOMPARE(child<QTimeEdit>(fresh.get(), "m_End")->time(), QTime(23, 59, 59));
    QTest::keyClicks(child<QLineEdit>(fresh.get(), "m_Name"), "Late");
    click(fresh.get(), "buttonOk");
    const auto* late = dynamic_cast<TPricelevel*>(list("pricelevels")->find(4));
    QVERIFY(late);
    QVERIFY(!late->contains("days"));
    QVERIFY(!late->contains("start"));
    QCOMPARE(late->getString("end"), QStringLiteral("2359"));
    QCOMPARE(late->getDays(), TPricelevel::everyDay);

    auto market = newEditor<TPriceLevelDlg>();
    QTest::keyClicks(child<QLineEdit>(market.get(), "m_Name"), "Market days");
    for (const char* day : {"m_Sun", "m_Tues", "m_Wed", "m_Thurs", "m_Sat"})
        click(market.get(), day);
    child<QTimeEdit>(market.get(), "m_Start")->setTime(QTime(7, 30));
    click(market.get(), "m_NoDiscounts");
    click(market.get(), "buttonOk");
    const auto* created = dynamic_cast<TPricelevel*>(list("pricelevels")->find(5));
    QCOMPARE(created->getString("days"), QStringLiteral("34"));
    QCOMPARE(created->getString("start"), QStringLiteral("730"));
    QCOMPARE(created->getString("nodiscs"), QStringLiteral("yes"));
    QVERIFY(created->isActiveOn(TPricelevel::Monday) && !created->isActiveOn(TPricelevel::Sunday));

    // Different start times: that field is blank and disabled and both times are kept; the end
    // time they share can be changed for both, and only the touched days change.
    auto both = editorFor<TPriceLevelDlg>("pricelevels", {2, 3});
    auto* start = child<QTimeEdit>(both.get(), "m_Start");
    auto* end = child<QTimeEdit>(both.get(), "m_End");
    QVERIFY(!start->isEnabled());
    QCOMPARE(start->text().trimmed(), QString());
    QVERIFY(end->isEnabled());
    QCOMPARE(end->time(), QTime(19, 0));
    QCOMPARE(child<QCheckBox>(both.get(), "m_Sun")->checkState(), Qt::PartiallyChecked); // 62 and 65
    QCOMPARE(child<QCheckBox>(both.get(), "m_Mon")->checkState(), Qt::PartiallyChecked);
    end->setTime(QTime(20, 15));
    child<QCheckBox>(both.get(), "m_Sun")->setCheckState(Qt::Checked);
    click(both.get(), "buttonOk");
    QCOMPARE(list("pricelevels")->find(2)->getString("start"), QStringLiteral("1700"));
    QCOMPARE(list("pricelevels")->find(3)->getString("start"), QStringLiteral("900"));
    QCOMPARE(list("pricelevels")->find(2)->getString("end"), QStringLiteral("2015"));
    QCOMPARE(list("pricelevels")->find(3)->getString("end"), QStringLiteral("2015"));
    QCOMPARE(list("pricelevels")->find(2)->getString("days"), QStringLiteral("63"));
    QCOMPARE(list("pricelevels")->find(3)->getString("days"), QStringLiteral("65"));

    // Moving on to one level enables the start time again.
    m_host->select({2});
    both->setData(m_host->view);
    QVERIFY(start->isEnabled());
    QCOMPARE(start->time(), QTime(17, 0));
}

void TestRateEditors::costCentresAreKeptInTheDatabase()
{
    QVERIFY2(m_host->workspace->database().isOpen(), qPrintable(m_host->workspace->databaseError()));
    list("costcenters")->insert(record<TCostCenter>(1, {{"name", "Restaurant"}, {"account", "4000"}}));
    QVERIFY(QSqlQuery(m_host->workspace->database())
                .exec("INSERT INTO Kostenstellen (KSCode, Bezeichnung) VALUES (1, 'Restaurant')"));

    auto dialog = newEditor<TCostCenterDlg>();
    QCOMPARE(dialog->getID(), 2);
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Bar 'Zum Hirschen'"); // a quote is data
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_ShortName"), "BAR");
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Account"), "4010");
    click(dialog.get(), "buttonOk");
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(list("costcenters")->find(2)->getString("account"), QStringLiteral("4010"));
    QCOMPARE(costRows(m_host->workspace->database()), (QStringList{"1=Restaurant", "2=Bar 'Zum Hirschen'"}));
    {
        QSqlQuery numbers(m_host->workspace->database());
        QVERIFY(numbers.exec("SELECT COUNT(DISTINCT KstNr) FROM Kostenstellen") && numbers.next());
        QCOMPARE(numbers.value(0).toInt(), 2); // the database numbers its rows itself
    }

    // An edit changes the row of each selected cost centre; one without a row is only reported.
    list("costcenters")->insert(record<TCostCenter>(3, {{"name", "Terrace"}}));
    auto edit = editorFor<TCostCenterDlg>("costcenters", {1});
    retype(child<QLineEdit>(edit.get(), "m_Name"), "Dining room");
    click(edit.get(), "buttonOk");
    QCOMPARE(costRows(m_host->workspace->database()), (QStringList{"1=Dining room", "2=Bar 'Zum Hirschen'"}));
    QCOMPARE(list("costcenters")->find(1)->getName(), QStringLiteral("Dining room"));

    auto several = editorFor<TCostCenterDlg>("costcenters", {2, 3});
    QCOMPARE(several->windowTitle(), QStringLiteral("Edit cost centers"));
    QTest::keyClicks(child<QLineEdit>(several.get(), "m_Account"), "4900");
    QSignalSpy changed(list("costcenters"), &Basics::TValueList::changed);
    QTest::ignoreMessage(QtDebugMsg, "Value 3 not found");
    click(several.get(), "buttonOk");
    QCOMPARE(changed.count(), 2);
    QCOMPARE(list("costcenters")->find(3)->getString("account"), QStringLiteral("4900"));
    QCOMPARE(costRows(m_host->workspace->database()), (QStringList{"1=Dining room", "2=Bar 'Zum Hirschen'"}));

    // Without a database the list alone keeps them.
    m_host->workspace->setDatabase(QStringLiteral("QNOSUCHDRIVER"), QStringLiteral("none"));
    auto offline = newEditor<TCostCenterDlg>();
    QTest::keyClicks(child<QLineEdit>(offline.get(), "m_Name"), "Garden");
    click(offline.get(), "buttonOk");
    QCOMPARE(list("costcenters")->find(4)->getName(), QStringLiteral("Garden"));
    QVERIFY(m_prompts->messages.isEmpty());
}

void TestRateEditors::aFailingDatabaseKeepsTheDialogOpen()
{
    list("costcenters")->insert(record<TCostCenter>(1, {{"name", "Restaurant"}}));
    list("costcenters")->insert(record<TCostCenter>(2, {{"name", "Bar"}}));
    QSqlDatabase db = m_host->workspace->database();
    QVERIFY(db.isOpen());
    QSqlQuery drop(db);
    QVERIFY(drop.exec("DROP TABLE Kostenstellen"));

    auto edit = editorFor<TCostCenterDlg>("costcenters", {1, 2});
    QTest::keyClicks(child<QLineEdit>(edit.get(), "m_ShortName"), "X");
    QSignalSpy changed(list("costcenters"), &Basics::TValueList::changed);
    click(edit.get(), "buttonOk");
    QCOMPARE(edit->result(), int(QDialog::Rejected));
    QCOMPARE(changed.count(), 0);
    QVERIFY(!list("costcenters")->find(1)->contains("shortname")); // the walk stopped at the first
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.first().kind, QStringLiteral("critical"));
    QVERIFY2(m_prompts->messages.first().text.contains("Check: "),
             qPrintable(m_prompts->messages.first().text));
    QCOMPARE(child<QLineEdit>(edit.get(), "m_ShortName")->text(), QStringLiteral("X"));

    auto fresh = newEditor<TCostCenterDlg>();
    QTest::keyClicks(child<QLineEdit>(fresh.get(), "m_Name"), "Terrace");
    click(fresh.get(), "buttonOk");
    QCOMPARE(fresh->result(), int(QDialog::Rejected));
    QVERIFY(!list("costcenters")->find(3));
    QCOMPARE(m_prompts->messages.size(), 2);

    // A table that takes no insert: the database's own refusal.
    QVERIFY(drop.exec("CREATE TABLE Kostenstellen (KstNr INTEGER PRIMARY KEY, KSCode INTEGER NOT NULL "
                      "CHECK (KSCode < 3), Bezeichnung VARCHAR(60))"));
    click(fresh.get(), "buttonOk");
    QVERIFY(!list("costcenters")->find(3));
    QVERIFY2(m_prompts->messages.last().text.contains("Insert: "),
             qPrintable(m_prompts->messages.last().text));
}

QTEST_MAIN(TestRateEditors)
#include "tst_rateeditors.moc"
