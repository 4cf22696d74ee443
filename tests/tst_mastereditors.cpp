// The editors of currencies, VAT rates, tax groups, discounts, price levels and cost centres: what
// each stores and the rules of its own, driven as an operator drives them. (What every editor
// shares is held by the frame's tests.) The workspace has a currency list, so amounts read "0,25".

#include "lumtesthost.h"
#include "tcostcenterdlg.h"
#include "tcurrencies.h"
#include "tcurrencydlg.h"
#include "tdiscountdlg.h"
#include "thelpviewer.h"
#include "tlistviewcheck.h"
#include "tpriceleveldlg.h"
#include "ttaxgroupdlg.h"
#include "tvatratedlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>

using namespace PosLib;

namespace {

void setChecks(QTreeWidget* list, const QList<int>& rows)
{
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        list->topLevelItem(row)->setCheckState(0, rows.contains(row) ? Qt::Checked : Qt::Unchecked);
}

QList<int> checkedRows(QTreeWidget* list)
{
    QList<int> rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->checkState(0) == Qt::Checked)
            rows << row;
    }
    return rows;
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

class TestMasterEditors : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void currencyStoresWhatWasTyped();
    void currencySeparatorsAndRate();
    void currencyHelp();
    void vatRateTexts_data();
    void vatRateTexts();
    void vatRateStoresItsAlwaysWrittenKeys();
    void vatTypeIsChosenOnlyAbroad();
    void composedRatesAreTheTickedOnes();
    void taxGroupRowsKeepTheirOrder();
    void taxGroupCreatesAVatRateOnTheSpot();
    void discountRoundingArticleAndAmounts();
    void priceLevelDaysAndTimes();
    void costCentresAreKeptInTheDatabase();
    void aRefusedRowKeepsTheDialogOpen();

private:
    void makeHost(const QByteArray& configuration = QByteArray());
    Basics::TValue* find(const char* list, int id)
    {
        return m_host->list(QString::fromLatin1(list))->find(id);
    }

    std::unique_ptr<TestHost> m_host;
    std::unique_ptr<ScriptedPrompts> m_prompts;
};

void TestMasterEditors::makeHost(const QByteArray& configuration)
{
    m_host = std::make_unique<TestHost>(configuration);
    TestHost& h = *m_host;
    h.put("currencies", 1, {{"name", "Euro"}, {"shortname", "EUR"}, {"decpos", "2"}, {"rate", "1.00000"}});
    h.put("currencies", 2, {{"name", "Franc"}, {"shortname", "CHF"}, {"rate", "0.94120"}});
    h.put("vatrates", 1, {{"name", "Standard"}, {"rate", "1900"}});
    h.put("vatrates", 2, {{"name", "Reduced"}, {"rate", "700"}});
    h.put("vatrates", 3, {{"name", "Exempt"}});
    h.put("vatrates", 4, {{"name", "Deposit"}, {"rate", "25"}, {"type", "2"}});
    h.put("vatrates", 5, {{"name", "Menu"}, {"compose", "1:2"}});
    h.put("taxgroups", 1, {{"name", "Food"}, {"rates", "2"}});
    h.put("taxgroups", 2, {{"name", "Drinks"}, {"rates", "1:4"}});
    h.put("discounts", 1, {{"name", "Staff"}, {"rate", "50.00000"}});
    h.put("discounts", 2,
          {{"name", "Voucher"}, {"rate", "500.00000"}, {"absolut", "yes"}, {"article", "1002"}});
    h.put("pricelevels", 1, {{"name", "Normal"}});
    h.put("pricelevels", 2, {{"name", "Happy hour"}, {"start", "1700"}, {"end", "1900"}, {"days", "62"}});
    h.put("pricelevels", 3, {{"name", "Brunch"}, {"start", "900"}, {"end", "1900"}, {"days", "65"}});
    h.put("articles", 1001, {{"name", "Espresso"}});
    h.put("articles", 1002, {{"name", "Gift voucher"}});
}

void TestMasterEditors::init()
{
    m_prompts = std::make_unique<ScriptedPrompts>();
    makeHost();
}

void TestMasterEditors::cleanup()
{
    m_host.reset();
    m_prompts.reset();
}

void TestMasterEditors::currencyStoresWhatWasTyped()
{
    auto dialog = m_host->open<TCurrencyDlg>();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Insert new currency..."));
    QCOMPARE(dialog->getID(), 3);
    auto* ok = child<QPushButton>(dialog.get(), "buttonOk");
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Pound");
    QVERIFY(!ok->isEnabled()); // a short name is needed too
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Short"), "GBP");
    QTest::mouseClick(ok, Qt::LeftButton);
    const auto* pound = dynamic_cast<TCurrency*>(find("currencies", 3));
    QVERIFY(pound);
    QCOMPARE(attributesOf(*pound), (QStringList{"id=3", "name=Pound", "shortname=GBP"}));
    QCOMPARE(pound->getRate(), 1.0);
    QCOMPARE(pound->getDecPos(), 2);

    // The workspace writes the list to its file once the event loop turns.
    QTRY_VERIFY(!m_host->workspace->hasUnsavedChanges("currencies"));
    TCurrencies onDisk;
    QCOMPARE(onDisk.load(QFile::encodeName(m_host->dir.path()).constData()), 0);
    QCOMPARE(onDisk.find(3)->getName(), QStringLiteral("Pound"));

    // One record: an emptied rate keeps the stored one, a cleared flag is removed.
    find("currencies", 2)->set("reverse", "yes");
    auto franc = m_host->open<TCurrencyDlg>({2});
    retype(child<QLineEdit>(franc.get(), "m_Rate"), QString());
    click(franc.get(), "m_Reverse");
    click(franc.get(), "buttonOk");
    QCOMPARE(find("currencies", 2)->getString("rate"), QStringLiteral("0.94120"));
    QVERIFY(!find("currencies", 2)->contains("reverse"));
}

void TestMasterEditors::currencySeparatorsAndRate()
{
    auto dialog = m_host->open<TCurrencyDlg>({2});
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_DecSign")->text(), QStringLiteral(","));
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_Rate")->text(), QStringLiteral("0.9412"));
    retype(child<QLineEdit>(dialog.get(), "m_DecSign"), ";");
    retype(child<QLineEdit>(dialog.get(), "m_ThsSign"), "'");
    retype(child<QLineEdit>(dialog.get(), "m_DecPos"), "-12"); // the validator keeps it within -10..10
    retype(child<QLineEdit>(dialog.get(), "m_Rate"), "1.5");
    click(dialog.get(), "buttonOk");
    auto* franc = dynamic_cast<TCurrency*>(find("currencies", 2));
    QCOMPARE(franc->getString("decchar"), QStringLiteral(";"));
    QCOMPARE(franc->getString("thschar"), QStringLiteral("'"));
    QCOMPARE(franc->getString("rate"), QStringLiteral("1.50000"));
    QVERIFY(franc->getDecPos() >= -10 && franc->getDecPos() <= 10);

    auto again = m_host->open<TCurrencyDlg>({2});
    QCOMPARE(child<QLineEdit>(again.get(), "m_Rate")->text(), QStringLiteral("1.5"));
    retype(child<QLineEdit>(again.get(), "m_DecSign"), ",");
    retype(child<QLineEdit>(again.get(), "m_ThsSign"), QStringLiteral("\u20ac")); // beyond Latin-1
    click(again.get(), "buttonOk");
    QVERIFY(!franc->contains("decchar"));
    QCOMPARE(franc->getString("thschar"), QString(QChar(0)));
}

void TestMasterEditors::currencyHelp()
{
    auto dialog = m_host->open<TCurrencyDlg>({1});
    auto* help = child<QPushButton>(dialog.get(), "b_Help");
    QVERIFY(help->isEnabled()); // the build puts the help files beside the programs
    QTest::mouseClick(help, Qt::LeftButton);
    auto* viewer = dialog->findChild<THelpViewer*>();
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->currentAnchor(), QStringLiteral("TCurrencyDlg"));
    QVERIFY(viewer->currentFile().endsWith("/help/lumdialogs.html"));
}

void TestMasterEditors::vatRateTexts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole") << "19" << 1900 << "19.00";
    QTest::newRow("fraction") << "19.5" << 1950 << "19.50"; // a decimal fraction, not five hundredths
    QTest::newRow("comma") << "7,25" << 725 << "7.25";
    QTest::newRow("rounded up") << "7,256" << 726 << "7.26";
    QTest::newRow("rounded down") << "7,254" << 725 << "7.25";
    QTest::newRow("blanks") << " 0.05 " << 5 << "0.05";
    QTest::newRow("empty") << "" << 0 << "0.00";
}

void TestMasterEditors::vatRateTexts()
{
    QFETCH(QString, typed);
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QCOMPARE(TVatRate::parsePercent(typed), stored);
    QCOMPARE(TVatRate::percentText(stored), shown);
}

void TestMasterEditors::vatRateStoresItsAlwaysWrittenKeys()
{
    auto dialog = m_host->open<TVatRateDlg>();
    QCOMPARE(dialog->getID(), 6);
    auto* rate = child<QLineEdit>(dialog.get(), "m_Rate");
    QTest::keyClicks(rate, "150"); // a percentage stays within 0 to 100 with two decimals
    QCOMPARE(rate->text(), QStringLiteral("15"));
    retype(rate, "7,255");
    QCOMPARE(rate->text(), QStringLiteral("7,25"));
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Food and drinks");
    click(dialog.get(), "buttonOk");
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    const Basics::TValue* created = find("vatrates", 6);
    QCOMPARE(attributesOf(*created),
             (QStringList{"fiscaltaxsign=", "id=6", "name=Food and drinks", "rate=725", "rkstaxid=0"}));

    // Several rates: the RKS assignment and the fiscal sign, where they differ, are written only
    // when the operator sets them; a sign cleared where they agreed is cleared in both.
    find("vatrates", 1)->set("rkstaxid", "1");
    find("vatrates", 1)->set("fiscaltaxsign", "A");
    find("vatrates", 2)->set("fiscaltaxsign", "A");
    auto several = m_host->open<TVatRateDlg>({1, 2});
    QCOMPARE(child<QComboBox>(several.get(), "RKSTaxRatesBox")->currentIndex(), -1);
    retype(child<QLineEdit>(several.get(), "FisacalTaxSignField"), QString());
    click(several.get(), "buttonOk");
    QCOMPARE(find("vatrates", 1)->getString("rkstaxid"), QStringLiteral("1"));
    QVERIFY(!find("vatrates", 2)->contains("rkstaxid"));
    QCOMPARE(find("vatrates", 1)->getString("fiscaltaxsign", "?"), QString());
    QCOMPARE(find("vatrates", 2)->getString("fiscaltaxsign", "?"), QString());
}

void TestMasterEditors::vatTypeIsChosenOnlyAbroad()
{
    // At home the type is shown but cannot be chosen, and it is never written.
    auto home = m_host->open<TVatRateDlg>({1});
    QVERIFY(!child<QGroupBox>(home.get(), "groupType")->isEnabled());
    child<QRadioButton>(home.get(), "radioNetto")->setChecked(true); // as if it could be chosen
    click(home.get(), "buttonOk");
    QVERIFY(!find("vatrates", 1)->contains("type"));
    home.reset(); // before its host goes

    makeHost(abroad);
    auto fresh = m_host->open<TVatRateDlg>();
    QVERIFY(child<QRadioButton>(fresh.get(), "radioBrutto")->isChecked());
    QTest::keyClicks(child<QLineEdit>(fresh.get(), "m_Name"), "Bag fee");
    click(fresh.get(), "radioAmount"); // an amount: no percentage validator any more
    QTest::keyClicks(child<QLineEdit>(fresh.get(), "m_Rate"), "120,5");
    click(fresh.get(), "buttonOk");
    QCOMPARE(find("vatrates", 6)->getString("type"), QStringLiteral("2"));
    QCOMPARE(find("vatrates", 6)->getString("rate"), QStringLiteral("12050"));

    // Two rates of different types: no button is chosen, each keeps its type, and a rate typed for
    // both is read by each one's own type.
    auto both = m_host->open<TVatRateDlg>({2, 4});
    QCOMPARE(child<QButtonGroup>(both.get(), "m_Type")->checkedId(), -1);
    QTest::keyClicks(child<QLineEdit>(both.get(), "m_Rate"), "10");
    click(both.get(), "buttonOk");
    QCOMPARE(find("vatrates", 2)->getString("rate"), QStringLiteral("1000"));
    QVERIFY(!find("vatrates", 2)->contains("type"));
    QCOMPARE(find("vatrates", 4)->getString("rate"), QStringLiteral("1000")); // 10,00 as an amount
    QCOMPARE(find("vatrates", 4)->getString("type"), QStringLiteral("2"));
}

void TestMasterEditors::composedRatesAreTheTickedOnes()
{
    // Not offered at home: the tab is gone and a stored composition stays.
    auto home = m_host->open<TVatRateDlg>({5});
    QVERIFY(!child<QTabWidget>(home.get(), "tabWidget")->isTabEnabled(1));
    click(home.get(), "buttonOk");
    QCOMPARE(find("vatrates", 5)->getString("compose"), QStringLiteral("1:2"));
    home.reset();

    makeHost(abroad);
    auto single = m_host->open<TVatRateDlg>({5});
    auto* compose = child<QTreeWidget>(single.get(), "m_Compose");
    QCOMPARE(column(compose, 1), (QStringList{"19.00", "7.00", "0.00", "0,25", "0.00"}));
    QCOMPARE(checkedRows(compose), (QList<int>{0, 1}));
    QVERIFY(!(compose->topLevelItem(4)->flags() & Qt::ItemIsEnabled)); // not composed of itself
    setChecks(compose, {0, 2, 3});
    click(single.get(), "buttonOk");
    QCOMPARE(find("vatrates", 5)->getString("compose"), QStringLiteral("1:3:4")); // list order

    // Two rates that differ show nothing ticked and keep their compositions unless one is ticked;
    // then the ticked ones go into both, but no rate into itself.
    auto both = m_host->open<TVatRateDlg>({1, 5});
    QCOMPARE(checkedRows(child<QTreeWidget>(both.get(), "m_Compose")), QList<int>());
    click(both.get(), "buttonOk");
    QVERIFY(!find("vatrates", 1)->contains("compose"));
    QCOMPARE(find("vatrates", 5)->getString("compose"), QStringLiteral("1:3:4"));
    auto again = m_host->open<TVatRateDlg>({1, 5});
    setChecks(child<QTreeWidget>(again.get(), "m_Compose"), {0, 1});
    click(again.get(), "buttonOk");
    QCOMPARE(find("vatrates", 1)->getString("compose"), QStringLiteral("2"));
    QCOMPARE(find("vatrates", 5)->getString("compose"), QStringLiteral("1:2"));

    auto cleared = m_host->open<TVatRateDlg>({5});
    setChecks(child<QTreeWidget>(cleared.get(), "m_Compose"), {});
    click(cleared.get(), "buttonOk");
    QVERIFY(!find("vatrates", 5)->contains("compose"));
}

void TestMasterEditors::taxGroupRowsKeepTheirOrder()
{
    m_host->put("vatrates", 7, {{"name", "Luxury"}, {"rate", "2550"}});
    auto dialog = m_host->open<TTaxGroupDlg>();
    auto* chooser = child<QComboBox>(dialog.get(), "m_Rate");
    QCOMPARE(chooser->itemText(0), QStringLiteral("  1)  19.00%  Standard"));
    QCOMPARE(chooser->itemText(3), QStringLiteral("  4)  0,25  Deposit"));
    auto* rows = child<QTreeWidget>(dialog.get(), "m_Rates");
    for (int id : {3, 1, 7, 1}) { // the second 1 is already there
        choose(chooser, id);
        click(dialog.get(), "b_RateAdd");
    }
    QCOMPARE(column(rows, 1), (QStringList{"  0.00%", " 19.00%", " 25.50%"}));
    QCOMPARE(column(rows, 2), (QStringList{"Exempt", "Standard", "Luxury"}));
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Mixed");
    click(dialog.get(), "buttonOk");
    QCOMPARE(find("taxgroups", 3)->getString("rates"), QStringLiteral("3:1:7"));

    // Up, down and delete work on the selected row; no rows remove the key.
    auto edit = m_host->open<TTaxGroupDlg>({3});
    rows = child<QTreeWidget>(edit.get(), "m_Rates");
    rows->setCurrentItem(rows->topLevelItem(2));
    for (const char* button : {"b_RateUp", "b_RateUp", "b_RateUp"})
        click(edit.get(), button);
    QCOMPARE(column(rows, 0), (QStringList{"7", "3", "1"}));
    rows->setCurrentItem(rows->topLevelItem(1));
    click(edit.get(), "b_RateDn");
    click(edit.get(), "b_RateDn");
    QCOMPARE(column(rows, 0), (QStringList{"7", "1", "3"}));
    click(edit.get(), "b_RateDel");
    click(edit.get(), "buttonOk");
    QCOMPARE(find("taxgroups", 3)->getString("rates"), QStringLiteral("7:1"));
    auto empty = m_host->open<TTaxGroupDlg>({3});
    child<QTreeWidget>(empty.get(), "m_Rates")->clear();
    click(empty.get(), "buttonOk");
    QVERIFY(!find("taxgroups", 3)->contains("rates"));

    // With several groups the rows cannot be changed.
    auto several = m_host->open<TTaxGroupDlg>({1, 2});
    QVERIFY(!child<QGroupBox>(several.get(), "groupRates")->isEnabled());
}

void TestMasterEditors::taxGroupCreatesAVatRateOnTheSpot()
{
    auto dialog = m_host->open<TTaxGroupDlg>({1});
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
    QCOMPARE(child<QComboBox>(dialog.get(), "m_Rate")->currentText(),
             QStringLiteral("  6)  2.50%  Super reduced"));
    click(dialog.get(), "b_RateAdd");
    click(dialog.get(), "buttonOk");
    QCOMPARE(find("taxgroups", 1)->getString("rates"), QStringLiteral("2:6"));
}

void TestMasterEditors::discountRoundingArticleAndAmounts()
{
    auto dialog = m_host->open<TDiscountDlg>();
    auto* article = child<QComboBox>(dialog.get(), "m_Article");
    QCOMPARE(article->itemText(0), QStringLiteral("    0)  Not specified"));
    QVERIFY(article->isEditable()); // type-ahead
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Birthday");
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Rate"), "12,5");
    click(dialog.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("discounts", 3)), (QStringList{"id=3", "name=Birthday", "rate=12.50000"}));

    // An absolute discount is an amount of the system currency, both ways.
    auto voucher = m_host->open<TDiscountDlg>({2});
    QCOMPARE(child<QLineEdit>(voucher.get(), "m_Rate")->text(), QStringLiteral("5,00"));
    retype(child<QLineEdit>(voucher.get(), "m_Rate"), "7,5");
    click(voucher.get(), "m_Rounding10");
    choose(child<QComboBox>(voucher.get(), "m_Article"), 0);
    click(voucher.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("discounts", 2)),
             (QStringList{"absolut=yes", "id=2", "name=Voucher", "rate=750.00000", "rounding=3"}));

    // Two discounts, one absolute: a rate typed for both is read by each one's own flag while the
    // box is left in its no-change state; a rate of 0 removes the key.
    auto both = m_host->open<TDiscountDlg>({1, 2});
    QCOMPARE(child<QButtonGroup>(both.get(), "m_RoundingGroup")->checkedId(), -1);
    QCOMPARE(child<QCheckBox>(both.get(), "m_Absolute")->checkState(), Qt::PartiallyChecked);
    QTest::keyClicks(child<QLineEdit>(both.get(), "m_Rate"), "3");
    click(both.get(), "buttonOk");
    QCOMPARE(find("discounts", 1)->getString("rate"), QStringLiteral("3.00000"));
    QCOMPARE(find("discounts", 2)->getString("rate"), QStringLiteral("300.00000"));
    auto zero = m_host->open<TDiscountDlg>({1});
    retype(child<QLineEdit>(zero.get(), "m_Rate"), "0");
    click(zero.get(), "buttonOk");
    QVERIFY(!find("discounts", 1)->contains("rate"));
}

void TestMasterEditors::priceLevelDaysAndTimes()
{
    // A new level that is left alone counts for every day until midnight.
    auto fresh = m_host->open<TPriceLevelDlg>();
    QTest::keyClicks(child<QLineEdit>(fresh.get(), "m_Name"), "Late");
    click(fresh.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("pricelevels", 4)), (QStringList{"end=2359", "id=4", "name=Late"}));

    auto market = m_host->open<TPriceLevelDlg>();
    QTest::keyClicks(child<QLineEdit>(market.get(), "m_Name"), "Market days");
    for (const char* day : {"m_Sun", "m_Tues", "m_Wed", "m_Thurs", "m_Sat"})
        click(market.get(), day);
    child<QTimeEdit>(market.get(), "m_Start")->setTime(QTime(7, 30));
    click(market.get(), "buttonOk");
    QCOMPARE(find("pricelevels", 5)->getString("days"), QStringLiteral("34")); // Monday and Friday
    QCOMPARE(find("pricelevels", 5)->getString("start"), QStringLiteral("730"));

    // Different start times: that field is blank and disabled and both times are kept; the end
    // time they share can be changed for both, and only the touched days change.
    auto both = m_host->open<TPriceLevelDlg>({2, 3});
    auto* start = child<QTimeEdit>(both.get(), "m_Start");
    QVERIFY(!start->isEnabled());
    QCOMPARE(start->text().trimmed(), QString());
    child<QTimeEdit>(both.get(), "m_End")->setTime(QTime(20, 15));
    child<QCheckBox>(both.get(), "m_Sun")->setCheckState(Qt::Checked);
    click(both.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("pricelevels", 2)),
             (QStringList{"days=63", "end=2015", "id=2", "name=Happy hour", "start=1700"}));
    QCOMPARE(attributesOf(*find("pricelevels", 3)),
             (QStringList{"days=65", "end=2015", "id=3", "name=Brunch", "start=900"}));
    m_host->select({2});
    both->setData(m_host->view);
    QVERIFY(start->isEnabled());
}

void TestMasterEditors::costCentresAreKeptInTheDatabase()
{
    QSqlDatabase db = m_host->workspace->database();
    QVERIFY2(db.isOpen(), qPrintable(m_host->workspace->databaseError()));
    auto dialog = m_host->open<TCostCenterDlg>();
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Bar 'Zum Hirschen'"); // a quote is data
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Account"), "4010");
    click(dialog.get(), "buttonOk");
    m_host->put("costcenters", 2, {{"name", "Terrace"}}); // made before the database existed
    QCOMPARE(costRows(db), (QStringList{"1=Bar 'Zum Hirschen'"}));

    // An edit renames the row; one without a row is only reported; an emptied account is removed.
    auto both = m_host->open<TCostCenterDlg>({1, 2});
    QTest::keyClicks(child<QLineEdit>(both.get(), "m_Account"), "4900");
    QTest::ignoreMessage(QtDebugMsg, "Value 2 not found");
    click(both.get(), "buttonOk");
    QCOMPARE(find("costcenters", 2)->getString("account"), QStringLiteral("4900"));
    auto single = m_host->open<TCostCenterDlg>({1});
    retype(child<QLineEdit>(single.get(), "m_Name"), "Dining room");
    retype(child<QLineEdit>(single.get(), "m_Account"), QString());
    click(single.get(), "buttonOk");
    QCOMPARE(costRows(db), (QStringList{"1=Dining room"}));
    QVERIFY(!find("costcenters", 1)->contains("account"));

    // A deleted cost centre takes its row along; a new one with the same number gets one row.
    m_host->list("costcenters")->remove(find("costcenters", 1));
    QCOMPARE(costRows(db), QStringList());
    m_host->put("costcenters", 3, {});
    auto again = m_host->open<TCostCenterDlg>();
    child<QSpinBox>(again.get(), "m_Number")->setValue(1);
    QTest::keyClicks(child<QLineEdit>(again.get(), "m_Name"), "Garden");
    click(again.get(), "buttonOk");
    QCOMPARE(costRows(db), (QStringList{"1=Garden"}));

    // Without a database the list alone keeps them.
    m_host->workspace->setDatabase(QStringLiteral("QNOSUCHDRIVER"), QStringLiteral("none"));
    auto offline = m_host->open<TCostCenterDlg>();
    QTest::keyClicks(child<QLineEdit>(offline.get(), "m_Name"), "Cellar");
    click(offline.get(), "buttonOk");
    QCOMPARE(find("costcenters", 4)->getName(), QStringLiteral("Cellar"));
    QVERIFY(m_prompts->messages.isEmpty());
}

void TestMasterEditors::aRefusedRowKeepsTheDialogOpen()
{
    QSqlQuery sql(m_host->workspace->database());
    QVERIFY(sql.exec("DROP TABLE Kostenstellen"));
    QVERIFY(sql.exec("CREATE TABLE Kostenstellen (KstNr INTEGER PRIMARY KEY, KSCode INTEGER NOT NULL "
                     "CHECK (KSCode < 3), Bezeichnung VARCHAR(60))"));
    auto fresh = m_host->open<TCostCenterDlg>();
    child<QSpinBox>(fresh.get(), "m_Number")->setValue(3);
    QTest::keyClicks(child<QLineEdit>(fresh.get(), "m_Name"), "Terrace");
    click(fresh.get(), "buttonOk");
    QCOMPARE(fresh->result(), int(QDialog::Rejected));
    QVERIFY(!find("costcenters", 3));
    QVERIFY2(m_prompts->messages.last().text.contains("Insert: "),
             qPrintable(m_prompts->messages.last().text));
    QCOMPARE(child<QLineEdit>(fresh.get(), "m_Name")->text(), QStringLiteral("Terrace"));
}

QTEST_MAIN(TestMasterEditors)
#include "tst_mastereditors.moc"
