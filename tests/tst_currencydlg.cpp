// The currency editor driven as an operator drives it: typing, clicking, selecting list items.

#include "lumtesthost.h"
#include "tcurrencies.h"
#include "tcurrency.h"
#include "tcurrencydlg.h"
#include "thelpviewer.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using PosLib::TCurrency;

namespace {

TCurrency* currency(int id, const QString& name, const QString& shortName, double rate)
{
    auto* value = new TCurrency;
    value->setID(id);
    value->setName(name);
    value->setShortName(shortName);
    value->setRate(rate);
    return value;
}

// Replaces the text as typed keys (any character, not only what QTest::keyClicks knows).
void retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class TestCurrencyDlg : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void newCurrencyStoresOnlyWhatWasTyped();
    void okNeedsNameAndShortName();
    void separatorsAndDecimalPlaces();
    void severalCurrenciesShowNoChangeWhereTheyDiffer();
    void singleCurrencyKeepsWhatIsClearedAndDropsClearedFlags();
    void navigationSavesOnlyWhenOkIsEnabled();
    void refusedNumberKeepsTheDialogOpen();
    void readOnlyUserChangesNothing();
    void noAccessIsTold();
    void helpShowsTheCurrencySection();

private:
    std::unique_ptr<TestHost> m_host;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    Basics::TValueList* m_list = nullptr;

    void makeHost(const QByteArray& configuration = QByteArray());
    std::unique_ptr<TCurrencyDlg> editorFor(const QList<int>& ids);
};

void TestCurrencyDlg::makeHost(const QByteArray& configuration)
{
    m_host = std::make_unique<TestHost>(configuration);
    m_list = m_host->workspace->getData("currencies");
    m_list->insert(currency(1, "Euro", "EUR", 1.0));
    m_list->insert(currency(2, "Franc", "CHF", 0.9412));
    m_list->insert(currency(3, "Dollar", "USD", 0.9412));
    m_list->find(3)->set("reverse", "yes");
    m_host->showList("currencies");
}

void TestCurrencyDlg::init()
{
    m_prompts = std::make_unique<ScriptedPrompts>();
    makeHost();
}

void TestCurrencyDlg::cleanup()
{
    m_host.reset();
    m_prompts.reset();
}

std::unique_ptr<TCurrencyDlg> TestCurrencyDlg::editorFor(const QList<int>& ids)
{
    m_host->select(ids);
    auto dialog = std::make_unique<TCurrencyDlg>(m_host->window.get(), m_host->view);
    dialog->setData(m_host->view);
    return dialog;
}

void TestCurrencyDlg::newCurrencyStoresOnlyWhatWasTyped()
{
    TCurrencyDlg dialog(m_host->window.get(), m_host->view);
    dialog.setID(nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Insert new currency..."));
    QCOMPARE(dialog.getID(), 4);
    QVERIFY(!child<QPushButton>(&dialog, "b_Next")->isEnabled());
    QTest::keyClicks(child<QLineEdit>(&dialog, "m_Name"), "Pound");
    QTest::keyClicks(child<QLineEdit>(&dialog, "m_Short"), "GBP");
    QSignalSpy inserted(m_list, &Basics::TValueList::inserted);
    QTest::mouseClick(child<QPushButton>(&dialog, "buttonOk"), Qt::LeftButton);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(inserted.count(), 1);
    auto* pound = dynamic_cast<TCurrency*>(m_list->find(4));
    QVERIFY(pound);
    QStringList keys;
    for (const auto& attribute : pound->attributes())
        keys << attribute.key;
    QCOMPARE(keys, (QStringList{"id", "name", "shortname"})); // no rate, decpos, separators or flags
    QCOMPARE(pound->getRate(), 1.0);
    QCOMPARE(pound->getDecPos(), 2);

    // The workspace writes the list to its file once the event loop turns.
    QTRY_VERIFY(!m_host->workspace->hasUnsavedChanges("currencies"));
    TCurrencies onDisk;
    QCOMPARE(onDisk.load(QFile::encodeName(m_host->dir.path()).constData()), 0);
    QCOMPARE(onDisk.find(4)->getName(), QStringLiteral("Pound"));
}

void TestCurrencyDlg::okNeedsNameAndShortName()
{
    TCurrencyDlg dialog(m_host->window.get(), m_host->view);
    dialog.setID(nullptr);
    auto* ok = child<QPushButton>(&dialog, "buttonOk");
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(child<QLineEdit>(&dialog, "m_Name"), "Yen");
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(child<QLineEdit>(&dialog, "m_Short"), "JPY");
    QVERIFY(ok->isEnabled());

    auto single = editorFor({1});
    retype(child<QLineEdit>(single.get(), "m_Name"), QString());
    QVERIFY(!child<QPushButton>(single.get(), "buttonOk")->isEnabled());

    auto several = editorFor({1, 2});
    retype(child<QLineEdit>(several.get(), "m_Name"), QString());
    QVERIFY(child<QPushButton>(several.get(), "buttonOk")->isEnabled());
}

void TestCurrencyDlg::separatorsAndDecimalPlaces()
{
    auto dialog = editorFor({2});
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_DecSign")->text(), QStringLiteral(","));
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_Rate")->text(), QStringLiteral("0.9412"));
    retype(child<QLineEdit>(dialog.get(), "m_DecSign"), ";");
    retype(child<QLineEdit>(dialog.get(), "m_ThsSign"), "'");
    retype(child<QLineEdit>(dialog.get(), "m_DecPos"), "-12"); // the validator keeps it within -10..10
    retype(child<QLineEdit>(dialog.get(), "m_Rate"), "1.5");
    QTest::mouseClick(child<QPushButton>(dialog.get(), "buttonOk"), Qt::LeftButton);
    auto* franc = dynamic_cast<TCurrency*>(m_list->find(2));
    QCOMPARE(franc->getString("decchar"), QStringLiteral(";"));
    QCOMPARE(franc->getString("thschar"), QStringLiteral("'"));
    QCOMPARE(franc->getString("rate"), QStringLiteral("1.50000"));
    QVERIFY(franc->getDecPos() >= -10 && franc->getDecPos() <= 10);

    auto again = editorFor({2});
    QCOMPARE(child<QLineEdit>(again.get(), "m_Rate")->text(), QStringLiteral("1.5"));
    retype(child<QLineEdit>(again.get(), "m_DecSign"), ",");
    retype(child<QLineEdit>(again.get(), "m_ThsSign"), QStringLiteral("\u20ac")); // beyond Latin-1
    QTest::mouseClick(child<QPushButton>(again.get(), "buttonOk"), Qt::LeftButton);
    QVERIFY(!franc->contains("decchar"));
    QCOMPARE(franc->getString("thschar"), QString(QChar(0)));
    QCOMPARE(franc->getThsChar(), '\0');
}

void TestCurrencyDlg::severalCurrenciesShowNoChangeWhereTheyDiffer()
{
    auto dialog = editorFor({1, 2, 3});
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit currencies"));
    QVERIFY(!child<QSpinBox>(dialog.get(), "m_Number")->isEnabled());
    auto* name = child<QLineEdit>(dialog.get(), "m_Name");
    QCOMPARE(name->text(), QString());
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_Rate")->text(), QString()); // 1 against 0.9412
    QCOMPARE(child<QCheckBox>(dialog.get(), "m_Reverse")->checkState(), Qt::PartiallyChecked);
    QCOMPARE(child<QCheckBox>(dialog.get(), "m_Return")->checkState(), Qt::Unchecked);
    QVERIFY(child<QPushButton>(dialog.get(), "buttonOk")->isEnabled());

    retype(child<QLineEdit>(dialog.get(), "m_DecPos"), "0");
    QTest::mouseClick(child<QCheckBox>(dialog.get(), "m_Return"), Qt::LeftButton);
    QSignalSpy changed(m_list, &Basics::TValueList::changed);
    QTest::mouseClick(child<QPushButton>(dialog.get(), "buttonOk"), Qt::LeftButton);
    QCOMPARE(changed.count(), 3);
    for (int id : {1, 2, 3}) {
        auto* record = dynamic_cast<TCurrency*>(m_list->find(id));
        QCOMPARE(record->getDecPos(), 0);
        QVERIFY(record->getReturn());
    }
    QCOMPARE(m_list->find(1)->getName(), QStringLiteral("Euro"));
    QCOMPARE(m_list->find(1)->getString("rate"), QStringLiteral("1.00000"));
    QVERIFY(!m_list->find(1)->contains("reverse"));
    QCOMPARE(m_list->find(3)->getString("reverse"), QStringLiteral("yes"));

    auto twoAlike = editorFor({2, 3});
    QCOMPARE(child<QLineEdit>(twoAlike.get(), "m_Rate")->text(), QStringLiteral("0.9412"));
    QCOMPARE(child<QLineEdit>(twoAlike.get(), "m_DecPos")->text(), QStringLiteral("0"));
}

void TestCurrencyDlg::singleCurrencyKeepsWhatIsClearedAndDropsClearedFlags()
{
    auto dialog = editorFor({3});
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit currency"));
    QCOMPARE(dialog->getID(), 3);
    QCOMPARE(child<QCheckBox>(dialog.get(), "m_Reverse")->checkState(), Qt::Checked);
    retype(child<QLineEdit>(dialog.get(), "m_Rate"), QString());
    QTest::mouseClick(child<QCheckBox>(dialog.get(), "m_Reverse"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(dialog.get(), "buttonOk"), Qt::LeftButton);
    QCOMPARE(m_list->find(3)->getString("rate"), QStringLiteral("0.94120"));
    QVERIFY(!m_list->find(3)->contains("reverse"));
}

void TestCurrencyDlg::navigationSavesOnlyWhenOkIsEnabled()
{
    auto dialog = editorFor({1});
    retype(child<QLineEdit>(dialog.get(), "m_Short"), "EU");
    QTest::mouseClick(child<QPushButton>(dialog.get(), "b_Next"), Qt::LeftButton);
    QCOMPARE(m_list->find(1)->getShortName(), QStringLiteral("EU"));
    QCOMPARE(dialog->getID(), 2);
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_Name")->text(), QStringLiteral("Franc"));
    QCOMPARE(dialog->result(), int(QDialog::Rejected)); // still open

    retype(child<QLineEdit>(dialog.get(), "m_Name"), QString()); // OK disabled now
    retype(child<QLineEdit>(dialog.get(), "m_Short"), "XX");
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    // Through the shortcut, as a user presses it; the button then animates its click.
    QTest::keyClick(dialog->windowHandle(), Qt::Key_PageDown);
    QTRY_COMPARE(dialog->getID(), 3);
    QCOMPARE(m_list->find(2)->getShortName(), QStringLiteral("CHF"));

    QTest::mouseClick(child<QPushButton>(dialog.get(), "b_First"), Qt::LeftButton);
    QCOMPARE(dialog->getID(), 1);
    QTest::mouseClick(child<QPushButton>(dialog.get(), "b_Prev"), Qt::LeftButton); // nowhere to go
    QCOMPARE(dialog->getID(), 1);
    QTest::mouseClick(child<QPushButton>(dialog.get(), "b_Last"), Qt::LeftButton);
    QCOMPARE(dialog->getID(), 3);

    // A new-record dialog that navigates becomes an edit dialog.
    TCurrencyDlg fresh(m_host->window.get(), m_host->view);
    fresh.setID(m_host->view);
    QVERIFY(child<QPushButton>(&fresh, "b_First")->isEnabled());
    QTest::mouseClick(child<QPushButton>(&fresh, "b_First"), Qt::LeftButton);
    QCOMPARE(fresh.windowTitle(), QStringLiteral("Edit currency"));
    QVERIFY(!child<QSpinBox>(&fresh, "m_Number")->isEnabled());
    QCOMPARE(m_list->count(), 3);
}

void TestCurrencyDlg::refusedNumberKeepsTheDialogOpen()
{
    TCurrencyDlg dialog(m_host->window.get(), m_host->view);
    dialog.setID(nullptr);
    child<QSpinBox>(&dialog, "m_Number")->setValue(2);
    QTest::keyClicks(child<QLineEdit>(&dialog, "m_Name"), "Other");
    QTest::keyClicks(child<QLineEdit>(&dialog, "m_Short"), "OTH");
    QTest::mouseClick(child<QPushButton>(&dialog, "buttonOk"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(m_list->find(2)->getName(), QStringLiteral("Franc"));
    QCOMPARE(m_list->count(), 3);
    QCOMPARE(m_prompts->messages.size(), 1);
    QVERIFY(m_prompts->messages.first().text.contains("Franc"));
    QCOMPARE(child<QLineEdit>(&dialog, "m_Name")->text(), QStringLiteral("Other"));
}

void TestCurrencyDlg::readOnlyUserChangesNothing()
{
    makeHost("[Rights]\r\n* = full\r\n[Rights.7]\r\nTCurrencyDlg = readonly\r\n");
    m_host->window->setUser(7);
    auto dialog = editorFor({1, 2});
    for (const char* name : {"m_Name", "m_Short", "m_Rate", "m_DecPos", "m_DecSign", "m_ThsSign"})
        QVERIFY2(!child<QLineEdit>(dialog.get(), name)->isEnabled(), name);
    for (const char* name : {"m_Reverse", "m_Return", "m_IgnRounding"})
        QVERIFY2(!child<QCheckBox>(dialog.get(), name)->isEnabled(), name);
    QVERIFY(!child<QPushButton>(dialog.get(), "buttonOk")->isEnabled());
    QVERIFY(child<QPushButton>(dialog.get(), "buttonCancel")->isEnabled());

    const Basics::TValue before = *m_list->find(1);
    QSignalSpy changed(m_list, &Basics::TValueList::changed);
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    QTest::mouseClick(child<QPushButton>(dialog.get(), "b_Next"), Qt::LeftButton);
    dialog->accept(); // even called directly, nothing is written
    QCOMPARE(changed.count(), 0);
    QVERIFY(*m_list->find(1) == before);

    m_host->window->setUser(8); // another user keeps full rights
    auto other = editorFor({1});
    QVERIFY(child<QLineEdit>(other.get(), "m_Name")->isEnabled());
}

void TestCurrencyDlg::noAccessIsTold()
{
    makeHost("[Rights]\r\nTCurrencyDlg = none\r\n");
    TCurrencyDlg dialog(m_host->window.get(), m_host->view);
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.first().kind, QStringLiteral("warning"));
    QVERIFY(!child<QLineEdit>(&dialog, "m_Name")->isEnabled());
    QVERIFY(!child<QPushButton>(&dialog, "buttonOk")->isEnabled());
}

void TestCurrencyDlg::helpShowsTheCurrencySection()
{
    TCurrencyDlg dialog(m_host->window.get(), m_host->view);
    auto* help = child<QPushButton>(&dialog, "b_Help");
    QVERIFY(help->isEnabled()); // the build puts the help files beside the programs
    QTest::mouseClick(help, Qt::LeftButton);
    auto* viewer = dialog.findChild<THelpViewer*>();
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->currentAnchor(), QStringLiteral("TCurrencyDlg"));
    QVERIFY(viewer->currentFile().endsWith("/help/lumdialogs.html"));
}

QTEST_MAIN(TestCurrencyDlg)
#include "tst_currencydlg.moc"
