// The payment form editor: its defaults, the rules between its widgets, what several records
// edited together keep, the printer lists and the currencies.

#include "lumtesthost.h"
#include "tcurrency.h"
#include "tpayform.h"
#include "tpayformdlg.h"
#include "tprnprintdlg.h"
#include "tsettings.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using PosLib::TPayform;

namespace {

QStringList rows(QTreeWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts << list->topLevelItem(row)->text(0) + u'/' + list->topLevelItem(row)->text(1);
    return texts;
}

const QByteArray configuration = "[KostForms]\r\nForm1 = A All centres\r\nForm2 = W By waiter\r\n";

} // namespace

class TestPayformDlg : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void newPayformStoresItsDefaults();
    void inverseFlagsStoreOnlyNo();
    void roundingTypeDecidesValueAndArticle();
    void boxesThatExcludeEachOther();
    void severalPayformsKeepWhatIsSingleOnly();
    void kostFormOfAFormWithoutOne();
    void allowedCurrencies();
    void printerListsKeepOrderAndDropMissingPrinters();
    void addingAndRemovingPrintouts();
    void amountsInTheSystemCurrency();
    void pagesThatDependOnTheInstallation();

private:
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TestHost> m_host;
    Basics::TValueList* m_payforms = nullptr;
};

void TestPayformDlg::init()
{
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_host = std::make_unique<TestHost>(configuration);
    TestHost& h = *m_host;
    for (int id : {1, 2, 5})
        h.put("currencies", id,
              {{"name", QByteArray("Currency " + QByteArray::number(id)).constData()}, {"decpos", "2"}});
    h.put("prnconfigs", 3, {{"name", "Bar printer"}});
    h.put("prnconfigs", 7, {{"name", "Kitchen"}});
    h.put("layconfigs", 1, {{"name", "Bill"}});
    h.put("layconfigs", 12, {{"name", "Short bill"}});
    for (int id = 100; id < 110; ++id)
        h.put("articles", id, {{"name", QByteArray("Article " + QByteArray::number(id)).constData()}});
    h.put("payforms", 1, {{"name", "Cash"}});
    h.put("payforms", 2, {{"name", "Card"}});
    m_payforms = h.list("payforms");
}

void TestPayformDlg::cleanup()
{
    m_host.reset();
    m_prompts.reset();
}

void TestPayformDlg::newPayformStoresItsDefaults()
{
    auto dialog = m_host->open<TPayformDlg>();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Insert new payform..."));
    QCOMPARE(dialog->getID(), 3);
    QVERIFY(!child<QPushButton>(dialog.get(), "buttonOk")->isEnabled());
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Voucher");
    QTest::mouseClick(child<QPushButton>(dialog.get(), "buttonOk"), Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));

    const Basics::TValue* stored = m_payforms->find(3);
    QVERIFY(stored);
    QStringList keys;
    for (const auto& attribute : stored->attributes())
        keys << attribute.key;
    // Beside the name: the boxes that store both states, the hotel number (always written), and
    // the KOST summary type shown first.
    QCOMPARE(keys.join(' '),
             QStringLiteral(
                 "allowedcurrencies askforallowedcurrencies drawercounted hoteltype id kostsummary name"));
    QCOMPARE(stored->getString("kostsummary"), QStringLiteral("A"));
    QCOMPARE(stored->getString("drawercounted"), QStringLiteral("no"));
    QCOMPARE(stored->getString("askforallowedcurrencies"), QStringLiteral("yes"));
    QVERIFY(stored->getString("allowedcurrencies").isEmpty());
    const auto* payform = dynamic_cast<const TPayform*>(stored);
    QVERIFY(payform && payform->flag("dodrawer") && payform->flag("insummary"));
}

void TestPayformDlg::inverseFlagsStoreOnlyNo()
{
    auto dialog = m_host->open<TPayformDlg>({1});
    auto* summary = child<QCheckBox>(dialog.get(), "m_Summary");
    QVERIFY(summary->isChecked()); // the default
    QTest::mouseClick(summary, Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(dialog.get(), "buttonOk"), Qt::LeftButton);
    QCOMPARE(m_payforms->find(1)->getString("insummary"), QStringLiteral("no"));

    auto again = m_host->open<TPayformDlg>({1});
    QVERIFY(!child<QCheckBox>(again.get(), "m_Summary")->isChecked());
    QTest::mouseClick(child<QCheckBox>(again.get(), "m_Summary"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(again.get(), "buttonOk"), Qt::LeftButton);
    QVERIFY(!m_payforms->find(1)->contains("insummary"));
}

void TestPayformDlg::roundingTypeDecidesValueAndArticle()
{
    auto dialog = m_host->open<TPayformDlg>({1});
    auto* value = child<QSpinBox>(dialog.get(), "m_RndVal");
    auto* article = child<QComboBox>(dialog.get(), "m_RndPlu");
    QVERIFY(!value->isEnabled() && !article->isEnabled()); // no rounding
    QTest::mouseClick(child<QRadioButton>(dialog.get(), "rndUp"), Qt::LeftButton);
    QVERIFY(value->isEnabled() && article->isEnabled());
    value->setValue(5);
    article->setCurrentIndex(3);
    QTest::mouseClick(child<QRadioButton>(dialog.get(), "rndSwiss"), Qt::LeftButton);
    QVERIFY(!value->isEnabled() && article->isEnabled());
    QTest::mouseClick(child<QPushButton>(dialog.get(), "buttonOk"), Qt::LeftButton);
    const Basics::TValue* stored = m_payforms->find(1);
    QCOMPARE(stored->getInt("rndtype"), 4);
    QVERIFY(!stored->contains("rndval"));
    QCOMPARE(stored->getInt("rndplu"), 103);

    auto again = m_host->open<TPayformDlg>({1});
    QVERIFY(child<QRadioButton>(again.get(), "rndSwiss")->isChecked());
    QCOMPARE(child<QComboBox>(again.get(), "m_RndPlu")->currentText(), QStringLiteral("  103)  Article 103"));
    QCOMPARE(child<QSpinBox>(again.get(), "m_RndVal")->value(), 2); // a stored 0 shows the minimum
    QTest::mouseClick(child<QRadioButton>(again.get(), "rndNone"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(again.get(), "buttonOk"), Qt::LeftButton);
    QVERIFY(!stored->contains("rndtype") && !stored->contains("rndval") && !stored->contains("rndplu"));
}

void TestPayformDlg::boxesThatExcludeEachOther()
{
    auto dialog = m_host->open<TPayformDlg>({1});
    auto* gross = child<QCheckBox>(dialog.get(), "m_GrossForNet");
    auto* net = child<QCheckBox>(dialog.get(), "m_NetOnly");
    QTest::mouseClick(net, Qt::LeftButton);
    QTest::mouseClick(gross, Qt::LeftButton);
    QVERIFY(gross->isChecked() && !net->isChecked());
    QTest::mouseClick(net, Qt::LeftButton);
    QVERIFY(net->isChecked() && !gross->isChecked());

    auto* noReturn = child<QCheckBox>(dialog.get(), "m_NoReturn");
    auto* payAsTip = child<QCheckBox>(dialog.get(), "m_PayAsTipBox");
    QVERIFY(!payAsTip->isEnabled());
    QTest::mouseClick(noReturn, Qt::LeftButton);
    QTest::mouseClick(payAsTip, Qt::LeftButton);
    QVERIFY(payAsTip->isChecked());
    QTest::mouseClick(noReturn, Qt::LeftButton);
    QVERIFY(!payAsTip->isEnabled() && !payAsTip->isChecked());

    auto* selectHotel = child<QCheckBox>(dialog.get(), "m_SelectHotelBox");
    child<QGroupBox>(dialog.get(), "m_Hotel")->setChecked(true);
    QVERIFY(!child<QSpinBox>(dialog.get(), "m_SelectedHotel")->isEnabled());
    QTest::mouseClick(selectHotel, Qt::LeftButton);
    QVERIFY(child<QSpinBox>(dialog.get(), "m_SelectedHotel")->isEnabled());
}

void TestPayformDlg::severalPayformsKeepWhatIsSingleOnly()
{
    // Both forms pay net only and differ in "Gross for Net": showing them must not run the rule
    // that clears "Net amount payform" (a box in its no-change state reports itself as toggled on).
    for (int id : {1, 2})
        m_payforms->find(id)->set("isnetonly", "yes");
    m_payforms->find(1)->set("brutfornet", "yes");
    auto dialog = m_host->open<TPayformDlg>({1, 2});
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit payforms"));
    QCOMPARE(child<QCheckBox>(dialog.get(), "m_NetOnly")->checkState(), Qt::Checked);
    for (const char* name : {"m_Printers", "b_PrnAdd", "grpRoundings", "tabKost"})
        QVERIFY2(!child<QWidget>(dialog.get(), name)->isEnabled(), name);
    QTest::mouseClick(child<QPushButton>(dialog.get(), "buttonOk"), Qt::LeftButton);
    QCOMPARE(m_payforms->find(1)->getString("isnetonly"), QStringLiteral("yes"));
    QCOMPARE(m_payforms->find(2)->getString("isnetonly"), QStringLiteral("yes"));
}

void TestPayformDlg::kostFormOfAFormWithoutOne()
{
    m_payforms->find(2)->set("kostsummary", "W");
    auto dialog = m_host->open<TPayformDlg>({1});
    QCOMPARE(child<QComboBox>(dialog.get(), "m_KostForm")->currentIndex(), 0); // the first form
    QTest::mouseClick(child<QPushButton>(dialog.get(), "b_Next"), Qt::LeftButton);
    QCOMPARE(child<QComboBox>(dialog.get(), "m_KostForm")->currentText(), QStringLiteral("W By waiter"));
    QTest::mouseClick(child<QPushButton>(dialog.get(), "b_Prev"), Qt::LeftButton);
    QCOMPARE(child<QComboBox>(dialog.get(), "m_KostForm")->currentIndex(), 0);
    QVERIFY(!m_payforms->find(1)->contains("kostsummary")); // nothing was saved on the way
    QTest::mouseClick(child<QPushButton>(dialog.get(), "buttonOk"), Qt::LeftButton);
    QCOMPARE(m_payforms->find(1)->getString("kostsummary"), QStringLiteral("A"));
}

void TestPayformDlg::allowedCurrencies()
{
    m_payforms->find(1)->set("allowedcurrencies", "2;5");
    m_payforms->find(1)->set("askforallowedcurrencies", "yes");
    auto dialog = m_host->open<TPayformDlg>({1});
    auto* list = child<QTreeWidget>(dialog.get(), "CurrenciesListView");
    QCOMPARE(list->topLevelItemCount(), 3);
    QStringList checked;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->checkState(0) == Qt::Checked)
            checked << list->topLevelItem(row)->text(0);
    }
    QCOMPARE(checked, (QStringList{"Currency 2", "Currency 5"}));
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        list->topLevelItem(row)->setCheckState(0, Qt::Unchecked);
    QTest::mouseClick(child<QPushButton>(dialog.get(), "buttonOk"), Qt::LeftButton);
    QVERIFY(m_payforms->find(1)->contains("allowedcurrencies"));
    QVERIFY(m_payforms->find(1)->getString("allowedcurrencies").isEmpty());
}

void TestPayformDlg::printerListsKeepOrderAndDropMissingPrinters()
{
    m_payforms->find(1)->set("printers", "3,12;7,1");
    m_payforms->find(1)->set("Rprinters", "7,1;99,1;3,404");
    auto dialog = m_host->open<TPayformDlg>({1});
    QCOMPARE(rows(child<QTreeWidget>(dialog.get(), "m_Printers")),
             (QStringList{"Bar printer/Short bill", "Kitchen/Bill"}));
    QCOMPARE(rows(child<QTreeWidget>(dialog.get(), "m_RPrinters")), QStringList{"Kitchen/Bill"});
    QTest::mouseClick(child<QPushButton>(dialog.get(), "buttonOk"), Qt::LeftButton);
    QCOMPARE(m_payforms->find(1)->getString("printers"), QStringLiteral("3,12;7,1"));
    QCOMPARE(m_payforms->find(1)->getString("Rprinters"), QStringLiteral("7,1"));
}

void TestPayformDlg::addingAndRemovingPrintouts()
{
    auto dialog = m_host->open<TPayformDlg>({2});
    auto* list = child<QTreeWidget>(dialog.get(), "m_PPrinters");
    QVERIFY(!child<QPushButton>(dialog.get(), "b_PPrnClear")->isEnabled());
    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<TPrnPrintDlg*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        QCOMPARE(chooser->windowTitle(), QStringLiteral("Printout of partial bills"));
        chooser->setData(7, 12);
        chooser->accept();
    });
    QTest::mouseClick(child<QPushButton>(dialog.get(), "b_PPrnAdd"), Qt::LeftButton);
    QCOMPARE(rows(list), QStringList{"Kitchen/Short bill"});
    QVERIFY(child<QPushButton>(dialog.get(), "b_PPrnClear")->isEnabled());

    list->setCurrentItem(list->topLevelItem(0));
    m_host->workspace->getData("prnconfigs")->remove(m_host->workspace->getData("prnconfigs")->find(7));
    m_prompts->choices.enqueue(1); // No
    QTest::mouseClick(child<QPushButton>(dialog.get(), "b_PPrnDel"), Qt::LeftButton);
    QCOMPARE(m_prompts->messages.last().caption, QStringLiteral("Remove printout"));
    QCOMPARE(m_prompts->messages.last().text,
             QStringLiteral("Are you sure to delete\nobsolete printer\nlayout 12: Short bill?"));
    QCOMPARE(list->topLevelItemCount(), 1);

    m_prompts->choices.enqueue(0); // Yes
    QTest::mouseClick(child<QPushButton>(dialog.get(), "b_PPrnClear"), Qt::LeftButton);
    QCOMPARE(
        m_prompts->messages.last().text,
        QStringLiteral("Are you sure to delete the printout configurations\nfor *** ALL *** partial bills?"));
    QCOMPARE(list->topLevelItemCount(), 0);
    QVERIFY(!child<QPushButton>(dialog.get(), "b_PPrnClear")->isEnabled());
}

void TestPayformDlg::amountsInTheSystemCurrency()
{
    m_payforms->find(1)->set("limmax", 50000);
    auto dialog = m_host->open<TPayformDlg>({1});
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_MaxAmount")->text(), QStringLiteral("500,00"));
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_MinAmount")->text(), QString());
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_MinAmount"), "12.505");
    child<QLineEdit>(dialog.get(), "m_MaxAmount")->setText("0");
    QTest::mouseClick(child<QPushButton>(dialog.get(), "buttonOk"), Qt::LeftButton);
    QCOMPARE(m_payforms->find(1)->getString("limmin"), QStringLiteral("1251"));
    QVERIFY(!m_payforms->find(1)->contains("limmax"));
}

void TestPayformDlg::pagesThatDependOnTheInstallation()
{
    auto withKost = m_host->open<TPayformDlg>();
    QCOMPARE(child<QTabWidget>(withKost.get(), "tabWidget")->count(), 8);
    QCOMPARE(child<QComboBox>(withKost.get(), "m_KostForm")->count(), 2);
    withKost.reset();

    // Without KOST forms, with the bonus system switched off in the settings, and without printer
    // configurations: the bills pages are disabled and a form keeps the printers it has.
    m_host = std::make_unique<TestHost>();
    PosLib::TSettings settings;
    auto* system = new PosLib::TSetting;
    system->setID(0);
    system->set("usebonus", "no");
    settings.insert(system);
    settings.save(QFile::encodeName(m_host->dir.path()).constData());
    m_host->put("payforms", 1, {{"name", "Cash"}, {"printers", "3,1"}});
    auto plain = m_host->open<TPayformDlg>({1});
    auto* tabs = child<QTabWidget>(plain.get(), "tabWidget");
    QCOMPARE(tabs->count(), 6);
    for (int i = 0; i < tabs->count(); ++i)
        QVERIFY(tabs->tabText(i) != "KOST settings" && tabs->tabText(i) != "Bonus system");
    QVERIFY(!tabs->isTabEnabled(tabs->indexOf(child<QWidget>(plain.get(), "tabBills"))));
    QVERIFY(!tabs->isTabEnabled(tabs->indexOf(child<QWidget>(plain.get(), "tabPBills"))));
    QTest::mouseClick(child<QPushButton>(plain.get(), "buttonOk"), Qt::LeftButton);
    const Basics::TValue* cash = m_host->workspace->getData("payforms")->find(1);
    QCOMPARE(cash->getString("printers"), QStringLiteral("3,1"));
    QVERIFY(!cash->contains("kostsummary"));
}

QTEST_MAIN(TestPayformDlg)
#include "tst_payformdlg.moc"
