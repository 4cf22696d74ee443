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

Basics::TValue* named(int id, const QString& name, Basics::TValue* value = new Basics::TValue)
{
    value->setID(id);
    value->setName(name);
    return value;
}

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
    void allowedCurrencies();
    void printerListsKeepOrderAndDropMissingPrinters();
    void addingAndRemovingPrintouts();
    void amountsInTheSystemCurrency();
    void pagesThatDependOnTheInstallation();

private:
    std::unique_ptr<TPayformDlg> editorFor(const QList<int>& ids);
    std::unique_ptr<TPayformDlg> newEditor();

    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TestHost> m_host;
    Basics::TValueList* m_payforms = nullptr;
};

void TestPayformDlg::init()
{
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_host = std::make_unique<TestHost>(configuration);
    TLumWorkspace& workspace = *m_host->workspace;
    Basics::TValueList* currencies = workspace.getData("currencies");
    for (int id : {1, 2, 5}) {
        auto* currency = new PosLib::TCurrency;
        currency->setDecPos(2);
        currencies->insert(named(id, QStringLiteral("Currency %1").arg(id), currency));
    }
    workspace.getData("prnconfigs")->insert(named(3, "Bar printer"));
    workspace.getData("prnconfigs")->insert(named(7, "Kitchen"));
    workspace.getData("layconfigs")->insert(named(1, "Bill"));
    workspace.getData("layconfigs")->insert(named(12, "Short bill"));
    for (int id = 100; id < 110; ++id)
        workspace.getData("articles")->insert(named(id, QStringLiteral("Article %1").arg(id)));
    m_payforms = workspace.getData("payforms");
    m_payforms->insert(named(1, "Cash", new TPayform));
    m_payforms->insert(named(2, "Card", new TPayform));
    m_host->showList("payforms");
}

void TestPayformDlg::cleanup()
{
    m_host.reset();
    m_prompts.reset();
}

std::unique_ptr<TPayformDlg> TestPayformDlg::editorFor(const QList<int>& ids)
{
    m_host->select(ids);
    auto dialog = std::make_unique<TPayformDlg>(m_host->window.get(), m_host->view);
    dialog->setData(m_host->view);
    return dialog;
}

std::unique_ptr<TPayformDlg> TestPayformDlg::newEditor()
{
    auto dialog = std::make_unique<TPayformDlg>(m_host->window.get(), m_host->view);
    dialog->setID(nullptr);
    return dialog;
}

void TestPayformDlg::newPayformStoresItsDefaults()
{
    auto dialog = newEditor();
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
    auto dialog = editorFor({1});
    auto* summary = child<QCheckBox>(dialog.get(), "m_Summary");
    QVERIFY(summary->isChecked()); // the default
    QTest::mouseClick(summary, Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(dialog.get(), "buttonOk"), Qt::LeftButton);
    QCOMPARE(m_payforms->find(1)->getString("insummary"), QStringLiteral("no"));

    auto again = editorFor({1});
    QVERIFY(!child<QCheckBox>(again.get(), "m_Summary")->isChecked());
    QTest::mouseClick(child<QCheckBox>(again.get(), "m_Summary"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(again.get(), "buttonOk"), Qt::LeftButton);
    QVERIFY(!m_payforms->find(1)->contains("insummary"));
}

void TestPayformDlg::roundingTypeDecidesValueAndArticle()
{
    auto dialog = editorFor({1});
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

    auto again = editorFor({1});
    QVERIFY(child<QRadioButton>(again.get(), "rndSwiss")->isChecked());
    QCOMPARE(child<QComboBox>(again.get(), "m_RndPlu")->currentText(), QStringLiteral("  103)  Article 103"));
    QCOMPARE(child<QSpinBox>(again.get(), "m_RndVal")->value(), 2); // a stored 0 shows the minimum
    QTest::mouseClick(child<QRadioButton>(again.get(), "rndNone"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(again.get(), "buttonOk"), Qt::LeftButton);
    QVERIFY(!stored->contains("rndtype") && !stored->contains("rndval") && !stored->contains("rndplu"));
}

void TestPayformDlg::boxesThatExcludeEachOther()
{
    auto dialog = editorFor({1});
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
    Basics::TValue* cash = m_payforms->find(1);
    Basics::TValue* card = m_payforms->find(2);
    cash->set("printers", "3,1");
    card->set("printers", "7,12");
    cash->set("kostsummary", "A");
    cash->set("rndtype", 2);
    cash->set("rndval", 5);
    card->set("notifylimit", "yes");
    cash->set("notip", "yes");
    for (Basics::TValue* both : {cash, card})
        both->set("noreturn", "yes");
    card->set("payastip", "yes");
    card->set("drawercounted", "no");
    const Basics::TValue cashBefore = *cash;
    const Basics::TValue cardBefore = *card;

    auto dialog = editorFor({1, 2});
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit payforms"));
    QVERIFY(!child<QTreeWidget>(dialog.get(), "m_Printers")->isEnabled());
    QVERIFY(!child<QPushButton>(dialog.get(), "b_PrnAdd")->isEnabled());
    QVERIFY(!child<QGroupBox>(dialog.get(), "grpRoundings")->isEnabled());
    QVERIFY(!child<QWidget>(dialog.get(), "tabKost")->isEnabled());
    QCOMPARE(child<QCheckBox>(dialog.get(), "m_NoTip")->checkState(), Qt::PartiallyChecked);
    QCOMPARE(child<QCheckBox>(dialog.get(), "m_PayAsTipBox")->checkState(), Qt::PartiallyChecked);
    QCOMPARE(child<QCheckBox>(dialog.get(), "DrawerCountedBox")->checkState(), Qt::PartiallyChecked);
    QVERIFY(child<QPushButton>(dialog.get(), "buttonOk")->isEnabled());
    QTest::mouseClick(child<QPushButton>(dialog.get(), "buttonOk"), Qt::LeftButton);

    // What OK wrote into both is only what both showed alike; the rest is as before.
    for (const auto& [record, before] : {std::pair{cash, cashBefore}, {card, cardBefore}}) {
        for (const char* key : {"printers", "kostsummary", "rndtype", "rndval", "notifylimit", "notip",
                                "payastip", "drawercounted", "name"})
            QCOMPARE(record->getString(key), before.getString(key));
    }
}

void TestPayformDlg::allowedCurrencies()
{
    m_payforms->find(1)->set("allowedcurrencies", "2;5");
    m_payforms->find(1)->set("askforallowedcurrencies", "yes");
    auto dialog = editorFor({1});
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
    auto dialog = editorFor({1});
    QCOMPARE(rows(child<QTreeWidget>(dialog.get(), "m_Printers")),
             (QStringList{"Bar printer/Short bill", "Kitchen/Bill"}));
    QCOMPARE(rows(child<QTreeWidget>(dialog.get(), "m_RPrinters")), QStringList{"Kitchen/Bill"});
    QTest::mouseClick(child<QPushButton>(dialog.get(), "buttonOk"), Qt::LeftButton);
    QCOMPARE(m_payforms->find(1)->getString("printers"), QStringLiteral("3,12;7,1"));
    QCOMPARE(m_payforms->find(1)->getString("Rprinters"), QStringLiteral("7,1"));
}

void TestPayformDlg::addingAndRemovingPrintouts()
{
    auto dialog = editorFor({2});
    auto* list = child<QTreeWidget>(dialog.get(), "m_PPrinters");
    QVERIFY(!child<QPushButton>(dialog.get(), "b_PPrnClear")->isEnabled());
    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<TPrnPrintDlg*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
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
    auto dialog = editorFor({1});
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
    auto withKost = newEditor();
    auto* tabs = child<QTabWidget>(withKost.get(), "tabWidget");
    QCOMPARE(tabs->count(), 8);
    QCOMPARE(child<QComboBox>(withKost.get(), "m_KostForm")->count(), 2);
    withKost.reset();

    // Without KOST forms and with the bonus system switched off in the settings.
    m_host = std::make_unique<TestHost>();
    PosLib::TSettings settings;
    auto* system = new PosLib::TSetting;
    system->setID(0);
    system->set("usebonus", "no");
    settings.insert(system);
    settings.save(QFile::encodeName(m_host->dir.path()).constData());
    auto plain = std::make_unique<TPayformDlg>(m_host->window.get(), m_host->view);
    tabs = child<QTabWidget>(plain.get(), "tabWidget");
    QCOMPARE(tabs->count(), 6);
    for (int i = 0; i < tabs->count(); ++i)
        QVERIFY(tabs->tabText(i) != "KOST settings" && tabs->tabText(i) != "Bonus system");
    QTest::keyClicks(child<QLineEdit>(plain.get(), "m_Name"), "Plain");
    plain->setID(nullptr);
    QTest::mouseClick(child<QPushButton>(plain.get(), "buttonOk"), Qt::LeftButton);
    QVERIFY(!m_host->workspace->getData("payforms")->find(1)->contains("kostsummary"));
}

QTEST_MAIN(TestPayformDlg)
#include "tst_payformdlg.moc"
