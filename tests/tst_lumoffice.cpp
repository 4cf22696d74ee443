// The back-office application as an operator uses it, on a temporary demo data root: editors opened
// from the main window, rights on every path, what a delete checks and how it is undone, what the
// lists show, filtering, export, the record editor, remembered state, logging in, and the program
// on the command line.

#include "demodata.h"
#include "lumtesthost.h"
#include "officewindow.h"
#include "periodchooser.h"
#include "tcurrencies.h"
#include "tcurrency.h"
#include "tdlgremove.h"
#include "testfiles.h"
#include "tlistdescriptor.h"
#include "tlumrecordview.h"
#include "tpasswordhash.h"
#include "trecorddlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDirIterator>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include <functional>

namespace {

// The currencies as stored in the data file right now.
std::unique_ptr<TCurrencies> onDisk(const QString& root)
{
    auto list = std::make_unique<TCurrencies>();
    if (list->load(QFile::encodeName(root).constData()) != 0)
        list->clear();
    return list;
}

// Selects the rows whose records pass the test.
void selectWhere(TLumRecordView* view, const std::function<bool(const Basics::TValue&)>& wanted)
{
    view->clearSelection();
    for (int row = 0; row < view->rowCount(); ++row) {
        if (wanted(*view->recordAt(row)))
            view->selectionModel()->select(view->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

void selectIds(TLumRecordView* view, const QList<int>& ids)
{
    selectWhere(view, [&ids](const Basics::TValue& record) { return ids.contains(record.getID()); });
}

QStringList shownColumn(TLumRecordView* view, int column)
{
    QStringList texts;
    for (int row = 0; row < view->rowCount(); ++row) {
        if (!view->isRowHidden(row))
            texts << view->model()->index(row, column).data().toString();
    }
    return texts;
}

// Every file below the data root with its content, to tell that nothing was written.
QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(root + "/usr/data", QDir::Files); it.hasNext();) {
        const QString path = it.next();
        files.insert(path, readFile(path));
    }
    return files;
}

} // namespace

class TestLumOffice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void createEditDeleteAndRestart();
    void rightsOnEveryPath_data();
    void rightsOnEveryPath();
    void deletingWhatOthersUse();
    void listsShowWhatTheEditorsShow();
    void filterExportAndPrint();
    void theRecordEditorEditsListsWithoutAnEditor();
    void aFileReplacedOrDamagedFromOutside();
    void loggingIn();
    void aPeriodIsTakenAsEntered();
    void theCardOnTheReaderOpensItsEditor();
    void theCashOfficeOnTheDemo();
    void commandLine();
    void backupAndRestoreFromTheMenu();

private:
    void start(const QByteArray& rights = QByteArray(), int user = 0);
    void stop();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TLumWorkspace> m_workspace;
    std::unique_ptr<TOfficeWindow> m_window;
};

void TestLumOffice::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts = std::make_unique<ScriptedPrompts>();
    QVERIFY(TDemoData::create(m_dir->path()) > 10);
    QSettings().clear();
    start();
}

void TestLumOffice::cleanup()
{
    stop();
    m_prompts.reset();
    m_dir.reset();
}

void TestLumOffice::start(const QByteArray& rights, int user)
{
    if (!rights.isEmpty()) {
        QFile config(m_dir->filePath("lumconfig.ini"));
        QVERIFY(config.open(QIODevice::Append));
        config.write(rights);
    }
    m_workspace = std::make_unique<TLumWorkspace>(m_dir->path());
    m_window = std::make_unique<TOfficeWindow>(m_workspace.get());
    m_window->setUser(user);
    m_window->show();
    QVERIFY(m_window->showList("currencies"));
}

void TestLumOffice::stop()
{
    if (m_window)
        m_window->close(); // as the operator quits: the window's state is kept
    m_window.reset();
    m_workspace.reset();
}

void TestLumOffice::createEditDeleteAndRestart()
{
    const QString root = m_dir->path();
    const int before = int(onDisk(root)->count());

    answerNextDialog([](QDialog* editor) {
        QCOMPARE(editor->objectName(), QStringLiteral("TCurrencyDlg"));
        QTest::keyClicks(child<QLineEdit>(editor, "m_Name"), "Japanese Yen");
        QTest::keyClicks(child<QLineEdit>(editor, "m_Short"), "JPY");
        click(editor, "buttonOk");
    });
    m_window->newAction()->trigger();
    QTRY_COMPARE(int(onDisk(root)->count()), before + 1);
    QVERIFY(m_window->statusBar()->currentMessage().startsWith("Saved"));
    QCOMPARE(m_window->listView()->rowCount(), before + 1);

    // Edit two at once: only what is typed changes, in both.
    selectIds(m_window->listView(), {2, 3});
    answerNextDialog([](QDialog* editor) {
        QCOMPARE(editor->windowTitle(), QStringLiteral("Edit currencies"));
        click(editor, "m_IgnRounding");
        click(editor, "buttonOk");
    });
    m_window->editAction()->trigger();
    QTRY_VERIFY(onDisk(root)->find(2)->getBool("ignrounding"));
    QVERIFY(onDisk(root)->find(3)->getBool("ignrounding"));
    QVERIFY(!onDisk(root)->find(1)->getBool("ignrounding"));

    // Delete one after the confirmation that lists it; the next row is selected then.
    selectIds(m_window->listView(), {4});
    answerNextDialog([](QDialog* confirm) {
        QCOMPARE(qobject_cast<QtWidgets::TDlgRemove*>(confirm)->rowCount(), 1);
        click(confirm, "m_Yes");
    });
    m_window->deleteAction()->trigger();
    QTRY_COMPARE(onDisk(root)->find(4), nullptr);
    QCOMPARE(m_window->listView()->selectedRecords().value(0)->getID(), 5);

    // The sort order of the list and the list shown are kept for the next start.
    m_window->listView()->sortByColumn(1, Qt::DescendingOrder);
    stop();
    start();
    QVERIFY(m_window->restoreState());
    QCOMPARE(m_window->currentList(), QStringLiteral("currencies"));
    QCOMPARE(m_window->listView()->header()->sortIndicatorSection(), 1);
    QCOMPARE(m_workspace->getData("currencies")->find(5)->getShortName(), QStringLiteral("JPY"));
    QCOMPARE(m_workspace->getData("currencies")->find(4), nullptr);
}

void TestLumOffice::rightsOnEveryPath_data()
{
    QTest::addColumn<QByteArray>("right");
    QTest::newRow("read only") << QByteArray("readonly");
    QTest::newRow("no access") << QByteArray("none");
}

void TestLumOffice::rightsOnEveryPath()
{
    QFETCH(QByteArray, right);
    stop();
    start("[Rights.5]\r\n* = " + right + "\r\n", 5);
    const auto files = snapshot(m_dir->path());
    // Any dialog that opens is answered as an operator who tries to change it would: OK.
    int opened = 0;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++opened;
            if (auto* editor = LumDialogs::recordEditor(dialog))
                editor->save();
            dialog->accept();
            dialog->reject();
        }
    });
    closer.start(0);
    for (const LumDialogs::TListDescriptor& list : LumDialogs::TListDescriptor::all()) {
        QVERIFY(m_window->showList(list.names.root));
        m_window->listView()->selectAll();
        QVERIFY2(!m_window->newAction()->isEnabled() && !m_window->deleteAction()->isEnabled(),
                 qPrintable(list.names.root));
        QVERIFY(!m_window->newAction()->toolTip().isEmpty());
        m_window->newRecord();
        m_window->deleteSelection();
        m_window->editSelection();
        m_window->deleteAction()->trigger();
    }
    if (right == "none")
        QCOMPARE(opened, 0);
    else
        QVERIFY(opened > 5); // the editors open, read only
    closer.stop();
    QCOMPARE(snapshot(m_dir->path()), files);
}

void TestLumOffice::deletingWhatOthersUse()
{
    // The system currency is never deleted.
    selectIds(m_window->listView(), {1});
    m_window->deleteSelection();
    QVERIFY(m_prompts->messages.last().text.contains("system currency"));
    QVERIFY(m_workspace->getData("currencies")->find(1));

    // A VAT rate that tax groups use: the operator sees which, and "No" keeps it.
    QVERIFY(m_window->showList("vatrates"));
    selectIds(m_window->listView(), {1});
    m_prompts->buttons.enqueue(QMessageBox::No);
    m_window->deleteSelection();
    QCOMPARE(m_prompts->messages.last().kind, QStringLiteral("question"));
    QVERIFY2(m_prompts->messages.last().text.contains("Tax groups: 2 Beverages"),
             qPrintable(m_prompts->messages.last().text));
    QVERIFY(m_workspace->getData("vatrates")->find(1));

    // Deleted anyway, it comes back from the deleted records until the program ends.
    m_prompts->buttons.enqueue(QMessageBox::Yes);
    answerNextDialog([](QDialog* confirm) { click(confirm, "m_Yes"); });
    m_window->deleteSelection();
    QCOMPARE(m_workspace->getData("vatrates")->find(1), nullptr);
    QCOMPARE(m_window->deletedRecords().entries().size(), std::size_t(1));
    answerNextDialog([](QDialog* deleted) {
        auto* list = child<QTreeWidget>(deleted, "m_Records");
        list->topLevelItem(0)->setSelected(true);
        click(deleted, "b_Restore");
        deleted->reject();
    });
    m_window->showDeletedRecords();
    QCOMPARE(m_workspace->getData("vatrates")->find(1)->getName(), QStringLiteral("Standard rate"));
}

void TestLumOffice::listsShowWhatTheEditorsShow()
{
    QCOMPARE(shownColumn(m_window->listView(), 3).first(), QStringLiteral("1")); // rate 1.00000
    QVERIFY(m_window->showList("vatrates"));
    QCOMPARE(shownColumn(m_window->listView(), 3).mid(0, 4),
             (QStringList{"19.00", "7.00", "0.00", "0,25"})); // a deposit is an amount
    QVERIFY(m_window->showList("taxgroups"));
    QCOMPARE(shownColumn(m_window->listView(), 2).last(), QStringLiteral("Standard rate, Bottle deposit"));
    QVERIFY(m_window->showList("pricelevels"));
    const QStringList days = shownColumn(m_window->listView(), 4);
    QVERIFY(days.contains("every day"));
    QVERIFY(shownColumn(m_window->listView(), 2).contains("17:00"));
    // Sorting goes by the stored value, not by the text.
    QVERIFY(m_window->showList("articles"));
    m_window->listView()->sortByColumn(2, Qt::AscendingOrder);
    const TLumRecordView* rows = m_window->listView();
    QVERIFY(rows->recordAt(0)->getInt("price") <= rows->recordAt(rows->rowCount() - 1)->getInt("price"));
    QVERIFY(rows->rowText(rows->rowCount() - 1, 2).contains(u',')); // an amount of the system currency
}

void TestLumOffice::filterExportAndPrint()
{
    QTest::keyClicks(m_window->findField(), "frank");
    QCOMPARE(shownColumn(m_window->listView(), 1), QStringList{"Schweizer Franken"});
    QVERIFY(m_window->statusBar()->findChildren<QLabel*>().first()->text().startsWith("1 of 4"));
    const QString csv = m_dir->filePath("shown.csv");
    m_prompts->texts.enqueue(csv);
    m_window->exportCsv();
    QCOMPARE(readFile(csv),
             QByteArray("Number;Name;Short name;Rate;Decimals\r\n2;Schweizer Franken;CHF;0.9412;2\r\n"));
    const QString pdf = m_dir->filePath("shown.pdf");
    m_prompts->texts.enqueue(pdf);
    m_window->printPdf();
    QVERIFY(readFile(pdf).startsWith("%PDF"));
    m_window->findField()->clear();
    QCOMPARE(shownColumn(m_window->listView(), 1).size(), 4);
}

void TestLumOffice::theRecordEditorEditsListsWithoutAnEditor()
{
    QVERIFY(m_window->showList("waiters"));
    const int before = m_window->listView()->rowCount();
    answerNextDialog([](QDialog* editor) {
        QVERIFY(qobject_cast<LumDialogs::TRecordDlg*>(editor));
        QVERIFY(!child<QPushButton>(editor, "buttonOk")->isEnabled()); // a name is needed
        QTest::keyClicks(child<QLineEdit>(editor, "m_name"), "Paula");
        child<QCheckBox>(editor, "m_trainee")->click();
        click(editor, "buttonOk");
    });
    m_window->newRecord();
    QCOMPARE(m_window->listView()->rowCount(), before + 1);
    const Basics::TValue* paula = m_window->listView()->selectedRecords().first();
    QCOMPARE(paula->getString("trainee"), QStringLiteral("yes"));
    // Every attribute of a record can be looked at.
    answerNextDialog([](QDialog* view) {
        QCOMPARE(view->objectName(), QStringLiteral("TRecordViewDlg"));
        QVERIFY(column(child<QTreeWidget>(view, "m_Attributes"), 1).contains("Paula"));
        view->reject();
    });
    m_window->showSelection();
}

void TestLumOffice::aFileReplacedOrDamagedFromOutside()
{
    // Another program writes the list its own way: a new file renamed into place.
    TCurrencies other;
    auto* peso = new PosLib::TCurrency;
    peso->setID(7);
    peso->setName("Peso");
    other.insert(peso);
    other.save(QFile::encodeName(m_dir->path()).constData());
    QTRY_COMPARE(m_window->listView()->rowCount(), 1);

    const QString path = m_dir->filePath("usr/data/discount.dat");
    QByteArray damaged = readFile(path);
    damaged.chop(3);
    writeFile(path, damaged);
    QVERIFY(m_window->showList("discounts"));
    QCOMPARE(m_prompts->messages.last().kind, QStringLiteral("critical"));
    selectIds(m_window->listView(), {1});
    QVERIFY(!m_window->newAction()->isEnabled() && !m_window->deleteAction()->isEnabled());
    m_window->deleteSelection(); // disabled: nothing happens
    stop();
    QCOMPARE(readFile(path), damaged);
}

void TestLumOffice::loggingIn()
{
    stop();
    start("[Users]\r\n3 = Anna|" + TPasswordHash::make("s3cret").toLatin1() + "\r\n");
    answerNextDialog([](QDialog* login) {
        QTest::keyClicks(child<QLineEdit>(login, "m_Password"), "wrong");
        login->accept();
        QVERIFY(login->isVisible()); // refused
        login->reject();
    });
    QVERIFY(!m_window->changeUser());
    QCOMPARE(m_window->userId(), 0);
    answerNextDialog([](QDialog* login) {
        QTest::keyClicks(child<QLineEdit>(login, "m_Password"), "s3cret");
        login->accept();
    });
    QVERIFY(m_window->changeUser());
    QCOMPARE(m_window->userId(), 3);
    QVERIFY(m_window->windowTitle().endsWith("Anna"));
    QVERIFY(!TPasswordHash::matches("s3cret", "s3cret")); // never kept in clear
}

void TestLumOffice::aPeriodIsTakenAsEntered()
{
    auto* period = m_window->findChild<TPeriodChooser*>();
    QVERIFY(period);
    QCOMPARE(period->from(), QDate::currentDate().startOfDay());
    // Nothing is checked: a "to" before the "from" comes back as entered. Cancel keeps the period.
    const QDateTime from(QDate(2024, 3, 31), QTime(6, 0));
    const QDateTime to(QDate(2024, 3, 1), QTime(22, 30));
    answerNextDialog([&](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("TSelectDateDlg"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Select date..."));
        dialog->findChild<QDateTimeEdit*>(QStringLiteral("m_from"))->setDateTime(from);
        dialog->findChild<QDateTimeEdit*>(QStringLiteral("m_to"))->setDateTime(to);
        click(dialog, "buttonOk");
    });
    m_window->findChild<QAction*>(QStringLiteral("selectPeriod"))->trigger();
    QCOMPARE(period->from(), from);
    QCOMPARE(period->to(), to);
    answerNextDialog([](QDialog* dialog) { click(dialog, "buttonCancel"); });
    period->action()->trigger();
    QCOMPARE(period->to(), to);
}

void TestLumOffice::theCardOnTheReaderOpensItsEditor()
{
    auto* panel = m_window->findChild<QDockWidget*>("TReaderPanel");
    QVERIFY(panel);
    auto* cards = panel->findChild<QComboBox*>("m_Cards");
    // A blank card: the editor opens for formatting it; then a card of the list, shown in it.
    for (const QString& uid : {QStringLiteral("0AB1C2D3"), QStringLiteral("04A1B203")}) {
        cards->setCurrentIndex(cards->findData(uid));
        panel->findChild<QPushButton*>("b_Put")->click();
        QTRY_COMPARE(panel->findChild<QLabel*>("m_OnReader")->text(), uid);
        QString shown;
        answerNextDialog([&shown](QDialog* editor) {
            shown = editor->objectName() + u' ' + editor->findChild<QLineEdit*>("m_uid")->text() + u' ' +
                    QString::number(editor->findChild<QSpinBox*>("m_Number")->value());
            editor->reject();
        });
        panel->findChild<QPushButton*>("b_EditCard")->click();
        QCOMPARE(m_window->currentList(), QStringLiteral("pseudoproperties"));
        if (uid == u"0AB1C2D3")
            QCOMPARE(shown, QStringLiteral("TNetCardDlg  11")); // the card list's next number
        else
            QCOMPARE(shown, QStringLiteral("TNetCardDlg 04A1B203 1003"));
    }
    QCOMPARE(m_window->listView()->selectedRows().size(), 1);

    // From the list "Cards": the editor shows the chosen card, not the one on the reader.
    selectWhere(m_window->listView(),
                [](const Basics::TValue& record) { return record.getString("uid") == u"04A1B205"; });
    QString shown;
    answerNextDialog([&shown](QDialog* editor) {
        shown = editor->findChild<QLineEdit*>("m_uid")->text() + u' ' +
                QString::number(editor->findChild<QSpinBox*>("m_Number")->value());
        editor->reject();
    });
    m_window->editAction()->trigger();
    QCOMPARE(shown, QStringLiteral("04A1B205 1005"));
}

void TestLumOffice::theCashOfficeOnTheDemo()
{
    // Three weeks of journal: the locations to count, the journal of the last days, and the waiter
    // not counted for days named before the dialog opens.
    answerNextDialog([this](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("CashTransactionsDialog"));
        QCOMPARE(m_prompts->messages.size(), 1);
        QCOMPARE(m_prompts->messages[0].caption, QStringLiteral("Pending CCD's"));
        QVERIFY(m_prompts->messages[0].text.contains(QStringLiteral("Sofia Rossi(3) - LastCCD: ")));
        auto* tabs = child<QTabWidget>(dialog, "MainTabView");
        tabs->setCurrentIndex(1);
        QVERIFY(child<QComboBox>(dialog, "CCDLocationComboBox")->count() >= 4);
        tabs->setCurrentIndex(3);
        click(dialog, "CCDJournalRequestButton");
        QVERIFY(child<QTreeWidget>(dialog, "CCDJournalViewControl")->topLevelItemCount() > 50);
        QCOMPARE(m_prompts->messages.size(), 1);
        click(dialog, "CloseButton");
    });
    m_window->findChild<QAction*>(QStringLiteral("cashTransactions"))->trigger();

    // The statistics of the last week: one day of the bar misses a file.
    answerNextDialog([](QDialog* dialog) {
        dialog->findChild<QDateTimeEdit*>(QStringLiteral("m_from"))
            ->setDate(QDate::currentDate().addDays(-7));
        dialog->findChild<QDateTimeEdit*>(QStringLiteral("m_to"))->setDate(QDate::currentDate().addDays(-1));
        click(dialog, "buttonOk");
    });
    m_window->findChild<QAction*>(QStringLiteral("statCheck"))->trigger();
    auto* check = m_window->findChild<QDialog*>(QStringLiteral("StatCheckDlg"));
    QVERIFY(check && check->isVisible());
    QCOMPARE(column(child<QTreeWidget>(check, "m_Outs"), 2), (QStringList{"Success", "Failed"}));
    check->close();
}

void TestLumOffice::commandLine()
{
    QTemporaryDir root;
    QTemporaryDir pictures;
    QProcess lumoffice;
    // The folder of the pictures is meant from where the program starts, not from the data root.
    lumoffice.setWorkingDirectory(pictures.path());
    lumoffice.start(QStringLiteral(LUMOFFICE_PATH),
                    {"--demo", "--data", root.path(), "--user", "4", "--screenshots", "shots"});
    QVERIFY(lumoffice.waitForFinished(60000));
    QCOMPARE(lumoffice.exitCode(), 0);
    QVERIFY(QFile::exists(pictures.filePath("shots/payform-editor.png")));
    QVERIFY(QFile::exists(root.filePath("var/log/lumoffice.log")));

    // A configuration that cannot be read is told, not a crash.
    QVERIFY(QFile::remove(root.filePath("lumconfig.ini")) || !QFile::exists(root.filePath("lumconfig.ini")));
    QVERIFY(QDir(root.path()).mkdir("lumconfig.ini"));
    lumoffice.start(QStringLiteral(LUMOFFICE_PATH), {"--data", root.path(), "--screenshots", "again"});
    QVERIFY(lumoffice.waitForFinished(60000));
    QCOMPARE(lumoffice.exitStatus(), QProcess::NormalExit);
    QCOMPARE(lumoffice.exitCode(), 0);
    QVERIFY(lumoffice.readAllStandardError().contains("lumconfig.ini"));

    for (const QStringList& refused : {QStringList{"--data", root.path(), "--user", "none"},
                                       QStringList{"--data", root.path(), "--user", "77"}}) {
        lumoffice.start(QStringLiteral(LUMOFFICE_PATH), refused);
        QVERIFY(lumoffice.waitForFinished(60000));
        QCOMPARE(lumoffice.exitCode(), 2);
    }
    lumoffice.start(QStringLiteral(LUMOFFICE_PATH), {"--hash-password"});
    lumoffice.write("s3cret\n");
    lumoffice.closeWriteChannel();
    QVERIFY(lumoffice.waitForFinished(60000));
    QVERIFY(
        TPasswordHash::matches("s3cret", QString::fromLatin1(lumoffice.readAllStandardOutput()).trimmed()));
}

void TestLumOffice::backupAndRestoreFromTheMenu()
{
    stop();
    start("[Rights.5]\r\nDataRestore = readonly\r\n", 5);
    auto* backup = m_window->findChild<QAction*>(QStringLiteral("backupData"));
    auto* restore = m_window->findChild<QAction*>(QStringLiteral("restoreData"));
    QVERIFY(backup && restore);
    QVERIFY(backup->isEnabled());
    QVERIFY(!restore->isEnabled());

    stop();
    start();
    QTemporaryDir out;
    const QString archive = out.filePath(QStringLiteral("demo.tar"));
    m_prompts->texts.enqueue(archive);
    m_window->findChild<QAction*>(QStringLiteral("backupData"))->trigger();
    QCOMPARE(m_prompts->messages.last().kind, QStringLiteral("information"));
    QVERIFY(QFileInfo(archive).size() > 0);

    // Asked first, naming the root; answered No, nothing changes.
    const QString root = QDir::cleanPath(m_dir->path());
    QVERIFY(writeFile(root + QStringLiteral("/usr/data/changed.dat"), {}));
    const auto files = snapshot(root);
    m_prompts->texts.enqueue(archive);
    m_window->findChild<QAction*>(QStringLiteral("restoreData"))->trigger();
    QCOMPARE(m_prompts->messages.last().kind, QStringLiteral("question"));
    QVERIFY(m_prompts->messages.last().text.contains(root));
    QCOMPARE(snapshot(root), files);

    m_prompts->texts.enqueue(archive);
    m_prompts->buttons.enqueue(QMessageBox::Yes);
    m_window->findChild<QAction*>(QStringLiteral("restoreData"))->trigger();
    QCOMPARE(m_prompts->messages.last().kind, QStringLiteral("information"));
    QVERIFY(!m_window->isVisible());
    QVERIFY(!QFileInfo::exists(root + QStringLiteral("/usr/data/changed.dat")));
    const QStringList kept =
        QDir(QFileInfo(root).path())
            .entryList({QFileInfo(root).fileName() + QStringLiteral(".replaced-*")}, QDir::Dirs);
    QCOMPARE(kept.size(), 1);
    QDir(QFileInfo(root).dir().filePath(kept.first())).removeRecursively();
}

QTEST_MAIN(TestLumOffice)
#include "tst_lumoffice.moc"
