// The back office's tools beside the editors, as an operator uses them on a demo data root: the
// configuration check in its window and on the command line, and the change history.

#include "changehistory.h"
#include "configcheck.h"
#include "demodata.h"
#include "historydlg.h"
#include "lumtesthost.h"
#include "officewindow.h"
#include "tcardproperties.h"
#include "testfiles.h"
#include "thelpviewer.h"
#include "tlistdescriptor.h"
#include "tlumrecordview.h"
#include "trecordeditor.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSqlQuery>
#include <QStandardPaths>

using References = QList<std::pair<QString, QString>>;
Q_DECLARE_METATYPE(References)

namespace {

QString cardText(unsigned long priceLevel, unsigned long subventionMap)
{
    PosLib::TCardProperties card;
    card.setCardNumber(4711);
    card.setPriceModel(priceLevel);
    card.setPriceFinding(subventionMap);
    return card.toXml();
}

QAction* menuAction(QMainWindow* window, const QString& text)
{
    for (QAction* menu : window->menuBar()->actions()) {
        for (QAction* action : menu->menu()->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

} // namespace

class TestOfficeTools : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // The history goes into the data root's own database, not into a server the test run set up.
        qunsetenv("ODBCINI");
    }
    void init();
    void cleanup();
    void everyBrokenReferenceIsFound_data();
    void everyBrokenReferenceIsFound();
    void theCheckOpensTheRecordThatHoldsTheReference();
    void checkOnTheCommandLine();
    void changesAreRecordedAndRestored();
    void historyFiltersAndRights();
    void historyWaitsForTheDatabase();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TLumWorkspace> m_workspace;
    std::unique_ptr<TOfficeWindow> m_window;
};

void TestOfficeTools::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts = std::make_unique<ScriptedPrompts>();
    QVERIFY(TDemoData::create(m_dir->path()) > 10);
    QSettings().clear();
    m_workspace = std::make_unique<TLumWorkspace>(m_dir->path());
    m_window = std::make_unique<TOfficeWindow>(m_workspace.get());
    m_window->show();
}

void TestOfficeTools::cleanup()
{
    m_window.reset();
    m_workspace.reset();
    m_prompts.reset();
    m_dir.reset();
}

void TestOfficeTools::everyBrokenReferenceIsFound_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<References>("attributes");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<int>("missing");
    QTest::newRow("payment form to printer")
        << "payforms" << References{{"printers", "1,1;7,2"}} << "Bill printers" << 7;
    QTest::newRow("payment form to restore printer")
        << "payforms" << References{{"Rprinters", "8,3"}} << "Restore printers" << 8;
    QTest::newRow("payment form to currency")
        << "payforms" << References{{"allowedcurrencies", "2;9"}} << "Currencies" << 9;
    QTest::newRow("table to menu card") << "tablecfgs" << References{{"menucard", "9"}} << "Menu card" << 9;
    QTest::newRow("table to payment form") << "tablecfgs" << References{{"payform", "9"}} << "Payform" << 9;
    QTest::newRow("table to price level") << "tablecfgs" << References{{"level", "9"}} << "Price level" << 9;
    QTest::newRow("table to cost centre") << "tablecfgs" << References{{"center", "9"}} << "Cost centre" << 9;
    QTest::newRow("card to price level")
        << "pseudoproperties" << References{{"carddata", cardText(9, 1)}} << "Price level" << 9;
    QTest::newRow("card to subvention map")
        << "pseudoproperties" << References{{"carddata", cardText(1, 9)}} << "Subvention map" << 9;
    QTest::newRow("card to waiter") << "pseudoproperties" << References{{"waiternr", "77"}} << "Waiter" << 77;
    QTest::newRow("subvention map to payment form")
        << "subventmaps" << References{{"payformid", "9"}} << "Payform" << 9;
    QTest::newRow("promotion condition to article")
        << "salepromotions"
        << References{{"model", R"({"pages":[{"name":"p","active":true,"conditions":[{"type":2,"dep":1},)"
                                R"({"type":1,"plu":4242,"count":1}]}],"action":{}})"}}
        << "Articles" << 4242;
    QTest::newRow("promotion combination to article")
        << "salepromotions"
        << References{{"model", R"({"pages":[],"action":{"type":1,"prop":{"plu":4243}}})"}} << "Articles"
        << 4243;
}

// The demo is sound; one broken reference of each kind is found, with the record that holds it.
void TestOfficeTools::everyBrokenReferenceIsFound()
{
    QFETCH(QString, list);
    QFETCH(References, attributes);
    QFETCH(QString, reference);
    QFETCH(int, missing);

    for (const TConfigCheck::Finding& finding : TConfigCheck::run(*m_workspace))
        QFAIL(qPrintable(TConfigCheck::text(finding)));
    Basics::TValueList* records = m_workspace->getData(list);
    Basics::TValue* record = records->createValue();
    record->setID(990);
    record->set("name", QStringLiteral("Broken"));
    for (const auto& [key, value] : attributes)
        record->set(key, value);
    records->insert(record);

    const QList<TConfigCheck::Finding> found = TConfigCheck::run(*m_workspace);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].list, list);
    QCOMPARE(found[0].id, 990);
    QCOMPARE(found[0].reference, reference);
    QCOMPARE(found[0].missing, missing);
    QVERIFY(
        TConfigCheck::text(found[0]).contains(QStringLiteral("Broken: %1 %2").arg(reference).arg(missing)));
}

void TestOfficeTools::theCheckOpensTheRecordThatHoldsTheReference()
{
    m_workspace->getData("tablecfgs")->find(2)->set("menucard", 9);
    m_workspace->getData("menucards")->remove(m_workspace->getData("menucards")->find(3)); // table 20's
    QAction* check = menuAction(m_window.get(), QStringLiteral("Configuration &check..."));
    QVERIFY(check);

    bool checked = false;
    answerNextDialog([this, &checked](QDialog* dialog) {
        auto* findings = child<QTreeWidget>(dialog, "m_Findings");
        QCOMPARE(column(findings, 1), QStringList({"2", "20"}));
        QCOMPARE(column(findings, 4), QStringList({"Menu cards 9", "Menu cards 3"}));

        // The operator chooses another card in the editor that the double click opens.
        answerNextDialog([](QDialog* editor) {
            QCOMPARE(editor->objectName(), QStringLiteral("TTableCfgDlg"));
            QCOMPARE(LumDialogs::recordEditor(editor)->getID(), 2);
            choose(child<QComboBox>(editor, "m_MenuCard"), 1);
            click(editor, "buttonOk");
        });
        const QPoint first = findings->visualItemRect(findings->topLevelItem(0)).center();
        QTest::mouseClick(findings->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(findings->viewport(), Qt::LeftButton, {}, first);
        // The check ran again: only the table whose card was deleted is left.
        QCOMPARE(column(findings, 1), QStringList({"20"}));
        QCOMPARE(m_window->currentList(), QStringLiteral("tablecfgs"));

        // F1 and Help open the window's own section of the help.
        QPushButton* help = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help);
        QCOMPARE(help->shortcut(), QKeySequence(QKeySequence::HelpContents));
        QTest::mouseClick(help, Qt::LeftButton);
        auto* viewer = dialog->findChild<THelpViewer*>();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->currentAnchor(), QStringLiteral("TConfigCheckDlg"));
        dialog->reject();
        checked = true;
    });
    check->trigger();
    QVERIFY(checked);
    QCOMPARE(m_workspace->getData("tablecfgs")->find(2)->getInt("menucard"), 1);
}

void TestOfficeTools::checkOnTheCommandLine()
{
    const auto run = [this](QByteArray* output) {
        QProcess lumoffice;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM"); // no screen is needed
        lumoffice.setProcessEnvironment(environment);
        lumoffice.start(QStringLiteral(LUMOFFICE_PATH), {"--check", "--data", m_dir->path()});
        if (!lumoffice.waitForFinished(60000))
            return -1;
        *output = lumoffice.readAllStandardOutput();
        return lumoffice.exitStatus() == QProcess::NormalExit ? lumoffice.exitCode() : -1;
    };
    QByteArray output;
    QCOMPARE(run(&output), 0);
    QCOMPARE(output, QByteArray("No broken references.\n"));

    PosLib::TNamedList maps(PosLib::TListNames::forRoot(QStringLiteral("subventmaps")));
    const QByteArray root = QFile::encodeName(m_dir->path());
    QCOMPARE(maps.load(root.constData()), 0);
    maps.find(2)->set("payformid", 12);
    maps.save(root.constData());
    const QString levels = m_dir->filePath("usr/data/prlevels.dat");
    QByteArray damaged = readFile(levels);
    damaged.chop(3);
    QVERIFY(writeFile(levels, damaged));
    QCOMPARE(run(&output), 1);
    const QStringList lines = QString::fromUtf8(output).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].startsWith("Price levels: the file "));
    QCOMPARE(lines[1],
             QStringLiteral("Subvention maps 2 Canteen week: Payform 12 does not exist (Payment forms)"));
    QCOMPARE(lines[2], QStringLiteral("2 finding(s)."));
}

namespace {

// The name of a currency as stored in its data file right now.
QString storedName(const QString& root, int id)
{
    PosLib::TNamedList list(PosLib::TListNames::forRoot(QStringLiteral("currencies")));
    list.load(QFile::encodeName(root).constData());
    const Basics::TValue* record = list.find(id);
    return record ? record->getName() : QString();
}

void editCurrencyName(TOfficeWindow* window, int id, const QString& name)
{
    window->showList(QStringLiteral("currencies"));
    answerNextDialog([name](QDialog* editor) {
        retype(child<QLineEdit>(editor, "m_Name"), name);
        click(editor, "buttonOk");
    });
    QVERIFY(window->editRecord(QStringLiteral("currencies"), id));
}

} // namespace

// Edits, a new record and a deletion are recorded with user and attributes; a restore puts the
// version back through the list and is recorded in its turn; the table keeps every row.
void TestOfficeTools::changesAreRecordedAndRestored()
{
    const QString root = m_dir->path();
    m_window->setUser(3);
    const QString before = storedName(root, 2);
    editCurrencyName(m_window.get(), 2, "Swiss franc (old)");
    QTRY_COMPARE(storedName(root, 2), QStringLiteral("Swiss franc (old)"));
    Basics::TValueList* currencies = m_workspace->getData("currencies");
    currencies->remove(currencies->find(4));
    QVERIFY(m_workspace->saveChanges());

    // The history of the record, from the list's context menu; restore the version before the edit.
    m_window->showList("currencies");
    m_window->listView()->selectRecord(m_workspace->getData("currencies")->find(2));
    bool shown = false;
    answerNextDialog([&](QDialog* dialog) {
        auto* changes = child<QTreeWidget>(dialog, "m_Changes");
        QCOMPARE(column(changes, 2), QStringList({"changed"}));
        QCOMPARE(column(changes, 1), QStringList({"Sofia Rossi"}));
        QCOMPARE(column(changes, 5), QStringList({"name"}));
        const QStringList name = {"name", before, "Swiss franc (old)"};
        auto* details = child<QTreeWidget>(dialog, "m_Details");
        const QList<QTreeWidgetItem*> rows = details->findItems("name", Qt::MatchExactly);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(QStringList({rows[0]->text(0), rows[0]->text(1), rows[0]->text(2)}), name);
        QVERIFY(rows[0]->font(1).bold());
        click(dialog, "b_Restore");
        QCOMPARE(column(changes, 2), QStringList({"changed", "changed"}));
        dialog->reject();
        shown = true;
    });
    m_window->historyAction()->trigger();
    QVERIFY(shown);
    QCOMPARE(storedName(root, 2), before);

    // The list's history holds the deletion too, and its restore brings the record back.
    shown = false;
    answerNextDialog([&](QDialog* dialog) {
        auto* changes = child<QTreeWidget>(dialog, "m_Changes");
        QCOMPARE(column(changes, 3), QStringList({"2", "4", "2"}));
        changes->setCurrentItem(changes->topLevelItem(1));
        QCOMPARE(changes->topLevelItem(1)->text(2), QStringLiteral("deleted"));
        click(dialog, "b_Restore");
        QCOMPARE(column(changes, 2).first(), QStringLiteral("created"));
        dialog->reject();
        shown = true;
    });
    m_window->listHistoryAction()->trigger();
    QVERIFY(shown);
    QVERIFY(currencies->find(4));

    // Nothing changes a recorded row.
    QSqlQuery query(m_workspace->database());
    QVERIFY(!query.exec("UPDATE ChangeHistory SET UserId = 1"));
    QVERIFY(!query.exec("DELETE FROM ChangeHistory"));
    QVERIFY(query.exec("SELECT COUNT(*) FROM ChangeHistory WHERE UserId = 3") && query.next());
    QCOMPARE(query.value(0).toInt(), 4);
}

// The filters by user and period; restore needs the right to change the list, and an editor offers
// the history without restore, since it holds the record.
void TestOfficeTools::historyFiltersAndRights()
{
    m_window->setUser(3);
    editCurrencyName(m_window.get(), 2, "By Sofia");
    QTRY_VERIFY(!m_workspace->hasUnsavedChanges("currencies"));
    m_window->setUser(1);
    editCurrencyName(m_window.get(), 2, "By Anna");
    QTRY_VERIFY(!m_workspace->hasUnsavedChanges("currencies"));

    THistoryDlg::Access access;
    access.mayChange = [](const QString&) { return false; };
    THistoryDlg dialog(m_window->changeHistory(), *m_workspace, "currencies", 2, access, nullptr);
    auto* changes = dialog.changes();
    QCOMPARE(changes->topLevelItemCount(), 2);
    auto* user = child<QComboBox>(&dialog, "m_User");
    QCOMPARE(user->count(), 3); // everybody, 1 and 3
    user->setCurrentIndex(user->findData(3));
    QCOMPARE(changes->topLevelItemCount(), 1);
    QCOMPARE(changes->topLevelItem(0)->text(4), QStringLiteral("By Sofia"));
    user->setCurrentIndex(0);
    child<QCheckBox>(&dialog, "m_Period")->setChecked(true);
    QCOMPARE(changes->topLevelItemCount(), 2); // the last 30 days
    child<QDateTimeEdit>(&dialog, "m_From")->setDateTime(QDateTime::currentDateTime().addDays(1));
    QCOMPARE(changes->topLevelItemCount(), 0);
    child<QCheckBox>(&dialog, "m_Period")->setChecked(false);

    changes->setCurrentItem(changes->topLevelItem(0));
    click(&dialog, "b_Restore");
    QCOMPARE(m_prompts->messages.last().text, QStringLiteral("You may not change this list."));
    QCOMPARE(m_workspace->getData("currencies")->find(2)->getName(), QStringLiteral("By Anna"));

    bool offered = false;
    m_window->showList("currencies");
    answerNextDialog([&](QDialog* editor) {
        answerNextDialog([&](QDialog* history) {
            QCOMPARE(history->objectName(), QStringLiteral("THistoryDlg"));
            QVERIFY(!child<QPushButton>(history, "b_Restore")->isEnabled());
            history->reject();
            offered = true;
        });
        click(editor, "b_History");
        click(editor, "buttonCancel");
    });
    m_window->editRecord("currencies", 2);
    QVERIFY(offered);
}

// Rows the database does not take wait, are told in the status bar, and go with the next save,
// each once; the data file is saved meanwhile.
void TestOfficeTools::historyWaitsForTheDatabase()
{
    const QString root = m_dir->path();
    m_window->changeHistory().setRetryPause(std::chrono::milliseconds(0));
    QSqlQuery sql(m_workspace->database());
    const auto count = [&sql] {
        return sql.exec("SELECT COUNT(*) FROM ChangeHistory WHERE ListName = 'currencies'") && sql.next()
                   ? sql.value(0).toInt()
                   : -1;
    };
    editCurrencyName(m_window.get(), 2, "First");
    QTRY_COMPARE(count(), 1);
    QVERIFY(sql.exec("ALTER TABLE ChangeHistory RENAME TO ChangeHistoryAway"));
    editCurrencyName(m_window.get(), 2, "Second");
    QTRY_COMPARE(storedName(root, 2), QStringLiteral("Second"));
    auto* warning = m_window->findChild<QLabel*>("m_HistoryWarning");
    QVERIFY(!warning->isHidden());
    QCOMPARE(m_window->changeHistory().pending(), 1);

    QVERIFY(sql.exec("ALTER TABLE ChangeHistoryAway RENAME TO ChangeHistory"));
    editCurrencyName(m_window.get(), 3, "Third");
    QTRY_COMPARE(count(), 3);
    QVERIFY(warning->isHidden());
    QCOMPARE(m_window->changeHistory().pending(), 0);
}

QTEST_MAIN(TestOfficeTools)
#include "tst_officetools.moc"
