// The back-office application as an operator uses it, on a temporary data root: editors opened
// from the main window, the data files on disk after every step, a restart, a file replaced by
// another program, a damaged file.

#include "demodata.h"
#include "lumtesthost.h"
#include "officewindow.h"
#include "periodchooser.h"
#include "tcurrencies.h"
#include "tcurrency.h"
#include "tdlgremove.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs the action once the modal dialog it opens is up, from the event loop that dialog runs.
void answerNextDialog(const std::function<void(QDialog*)>& answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(dialog);
    });
}

void click(QDialog* dialog, const char* button)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

// The currencies as stored in the data file right now.
std::unique_ptr<TCurrencies> onDisk(const QString& root)
{
    auto list = std::make_unique<TCurrencies>();
    if (list->load(QFile::encodeName(root).constData()) != 0)
        list->clear();
    return list;
}

void selectIds(TLumListView* view, const QList<int>& ids)
{
    view->clearSelection();
    for (QTreeWidgetItem* item : view->itemsInOrder())
        item->setSelected(ids.contains(TLumListItem::of(item)->id()));
}

} // namespace

class TestLumOffice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void createEditDeleteAndRestart();
    void aFileReplacedFromOutsideIsReadAgain();
    void aDamagedFileIsReportedAndLeftAlone();
    void listsWithoutEditorAreReadOnly();
    void aPeriodIsTakenAsEntered();
    void commandLine();

private:
    void start();
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
    start();
}

void TestLumOffice::cleanup()
{
    stop();
    m_prompts.reset();
    m_dir.reset();
}

void TestLumOffice::start()
{
    m_workspace = std::make_unique<TLumWorkspace>(m_dir->path());
    m_window = std::make_unique<TOfficeWindow>(m_workspace.get());
    m_window->show();
    QVERIFY(m_window->showList("currencies"));
}

void TestLumOffice::stop()
{
    m_window.reset();
    m_workspace.reset();
}

void TestLumOffice::createEditDeleteAndRestart()
{
    const QString root = m_dir->path();
    const int before = int(onDisk(root)->count());

    // New: the editor proposes the next number; the operator types a name and a short name.
    answerNextDialog([](QDialog* editor) {
        QCOMPARE(editor->objectName(), QStringLiteral("TCurrencyDlg"));
        QTest::keyClicks(editor->findChild<QLineEdit*>("m_Name"), "Japanese Yen");
        QTest::keyClicks(editor->findChild<QLineEdit*>("m_Short"), "JPY");
        QTest::keyClicks(editor->findChild<QLineEdit*>("m_DecPos"), "0");
        click(editor, "buttonOk");
    });
    m_window->newAction()->trigger();
    QTRY_COMPARE(int(onDisk(root)->count()), before + 1);
    QCOMPARE(onDisk(root)->find(5)->getName(), QStringLiteral("Japanese Yen"));
    QCOMPARE(m_window->listView()->topLevelItemCount(), before + 1);

    // Edit two at once: only what is typed changes, in both.
    selectIds(m_window->listView(), {2, 3});
    answerNextDialog([](QDialog* editor) {
        QCOMPARE(editor->windowTitle(), QStringLiteral("Edit currencies"));
        QTest::mouseClick(editor->findChild<QCheckBox*>("m_IgnRounding"), Qt::LeftButton);
        click(editor, "buttonOk");
    });
    m_window->editAction()->trigger();
    QTRY_VERIFY(onDisk(root)->find(2)->getBool("ignrounding"));
    QVERIFY(onDisk(root)->find(3)->getBool("ignrounding"));
    QVERIFY(!onDisk(root)->find(1)->getBool("ignrounding"));
    QCOMPARE(onDisk(root)->find(2)->getName(), QStringLiteral("Schweizer Franken"));

    // Delete one after the confirmation that lists it.
    selectIds(m_window->listView(), {4});
    answerNextDialog([](QDialog* confirm) {
        auto* remove = qobject_cast<QtWidgets::TDlgRemove*>(confirm);
        QVERIFY(remove);
        QCOMPARE(remove->rowCount(), 1);
        click(confirm, "m_Yes");
    });
    m_window->deleteAction()->trigger();
    QTRY_COMPARE(onDisk(root)->find(4), nullptr);
    QCOMPARE(m_window->listView()->topLevelItemCount(), before);

    // A "No" deletes nothing.
    selectIds(m_window->listView(), {1});
    answerNextDialog([](QDialog* confirm) { click(confirm, "m_No"); });
    m_window->deleteAction()->trigger();
    QVERIFY(m_workspace->getData("currencies")->find(1));

    stop();
    start();
    Basics::TValueList* currencies = m_workspace->getData("currencies");
    QCOMPARE(int(currencies->count()), before);
    QCOMPARE(currencies->find(5)->getShortName(), QStringLiteral("JPY"));
    QCOMPARE(currencies->find(4), nullptr);
    QCOMPARE(m_window->listView()->topLevelItemCount(), before);
}

void TestLumOffice::aFileReplacedFromOutsideIsReadAgain()
{
    QCOMPARE(m_window->listView()->topLevelItemCount(), 4);
    // Another program writes the list its own way: a new file renamed into place.
    TCurrencies other;
    auto* peso = new PosLib::TCurrency;
    peso->setID(7);
    peso->setName("Peso");
    other.insert(peso);
    other.save(QFile::encodeName(m_dir->path()).constData());
    QTRY_COMPARE(m_window->listView()->topLevelItemCount(), 1);
    QCOMPARE(TLumListItem::of(m_window->listView()->topLevelItem(0))->value()->getName(),
             QStringLiteral("Peso"));

    // With changes of its own that are not saved yet, the list keeps them.
    Basics::TValueList* currencies = m_workspace->getData("currencies");
    currencies->find(7)->setName("Peso mexicano");
    currencies->notifyChanged(currencies->find(7));
    other.find(7)->setName("Peso argentino");
    other.save(QFile::encodeName(m_dir->path()).constData());
    QVERIFY(m_workspace->hasUnsavedChanges("currencies"));
    m_workspace->reloadChangedFiles();
    QCOMPARE(currencies->find(7)->getName(), QStringLiteral("Peso mexicano"));
}

void TestLumOffice::aDamagedFileIsReportedAndLeftAlone()
{
    const QString path = m_dir->filePath("usr/data/discount.dat");
    QByteArray damaged = readFile(path);
    damaged.chop(3);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damaged);
    }
    QVERIFY(m_window->showList("discounts"));
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.first().kind, QStringLiteral("critical"));
    QVERIFY(m_prompts->messages.first().text.contains(path));
    QVERIFY(!m_window->newAction()->isEnabled());
    selectIds(m_window->listView(), {1});
    QVERIFY(!m_window->deleteAction()->isEnabled());
    m_window->deleteAction()->trigger(); // disabled: nothing happens
    m_window->close();
    stop();
    QCOMPARE(readFile(path), damaged);
}

void TestLumOffice::listsWithoutEditorAreReadOnly()
{
    QVERIFY(m_window->showList("articles"));
    QVERIFY(m_window->listView()->topLevelItemCount() > 100);
    QVERIFY(!m_window->newAction()->isEnabled());
    QVERIFY(!m_window->showList("nonsense"));
    QCOMPARE(m_window->currentList(), QStringLiteral("articles"));
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
    QVERIFY(QFile::exists(pictures.filePath("shots/main-window.png")));
    QVERIFY(QFile::exists(pictures.filePath("shots/payform-editor.png")));
    QVERIFY(QFile::exists(root.filePath("usr/data/articles.dat")));
    QVERIFY(QFile::exists(root.filePath("var/log/lumoffice.log")));

    lumoffice.start(QStringLiteral(LUMOFFICE_PATH), {"--data", root.path(), "--user", "none"});
    QVERIFY(lumoffice.waitForFinished(60000));
    QCOMPARE(lumoffice.exitCode(), 2);
}

QTEST_MAIN(TestLumOffice)
#include "tst_lumoffice.moc"
