// The client picker and the client editor, driven as an operator would, against a real lumcardd:
// what the server holds, what the workspace's copy holds, and what the operator is told when the
// server is gone, stops in the middle or answers garbage.

#include "lumcardhost.h"
#include "lumtesthost.h"
#include "tcarderrors.h"
#include "tcryption.h"
#include "tnetclient.h"
#include "tnetclientdlg.h"
#include "tnetclientselectdlg.h"
#include "treadererror.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

using namespace LumCardHost;
using PosLib::TNetClient;
namespace CardError = PosLib::CardError;

namespace {

// Runs the action on the modal dialog that the next step of the test opens.
void whenModal(std::function<void(QDialog*)> action)
{
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(dialog);
    });
}

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// The clients the server holds, by id.
QMap<int, QString> serverClients(Devices::TNetReader* reader)
{
    QStringList texts;
    reader->command(PosLib::CardServer::getAllClients, texts);
    QMap<int, QString> clients;
    for (const QString& text : texts) {
        const TNetClient client(text);
        clients.insert(client.getID(), client.getPrename() + u' ' + client.getName());
    }
    return clients;
}

} // namespace

class TestClientDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void pickerListsTheServersClients();
    void pickerSearchGoesRoundTheList();
    void pickerTakesTheChosenClient();
    void pickerSkipsTextsThatAreNoClient();
    void editorWritesToTheServerFirst();
    void editorKeepsEachParentUntouched();
    void pictureBelowTheDataRootIsRelative();
    void faultsAreToldAndLoseNothing_data();
    void faultsAreToldAndLoseNothing();

private:
    QTreeWidget* rows(QDialog* picker) { return child<QTreeWidget>(picker, "m_ClientView"); }

    QTemporaryDir m_serverDir;
    std::unique_ptr<Server> m_server;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TestHost> m_host;
    std::unique_ptr<ListedReader> m_reader;
};

void TestClientDialogs::initTestCase()
{
    m_server = std::make_unique<Server>(m_serverDir.path());
    QVERIFY(m_server->start());
}

void TestClientDialogs::init()
{
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_host = std::make_unique<TestHost>();
    m_reader = std::make_unique<ListedReader>(device(m_server->port, "office"));
}

void TestClientDialogs::cleanup()
{
    m_reader.reset();
    m_host.reset();
    m_prompts.reset();
}

void TestClientDialogs::pickerListsTheServersClients()
{
    // A client of the copy that the server no longer has goes; one it changed is taken over.
    m_host->put("netclients", 77, {{"name", "Gone"}});
    m_host->put("netclients", 2, {{"name", "Outdated"}});
    TNetClientSelectDlg picker(m_host->window.get(), nullptr);
    QTreeWidget* list = rows(&picker);
    QCOMPARE(list->topLevelItemCount(), 20);
    QCOMPARE(list->headerItem()->text(13), QStringLiteral("Parent"));
    Basics::TValueList* copy = m_host->list("netclients");
    QCOMPARE(copy->count(), 20);
    QVERIFY(!copy->find(77));
    QCOMPARE(copy->find(2)->getString("name"), QStringLiteral("Schmid"));

    // Numbers sort as numbers: 2 before 10, and postal codes the same way.
    QCOMPARE(column(list, 0).mid(0, 3), (QStringList{"1", "2", "3"}));
    list->sortByColumn(0, Qt::DescendingOrder);
    QCOMPARE(column(list, 0).first(), QStringLiteral("20"));
    list->sortByColumn(5, Qt::AscendingOrder);
    QStringList plz = column(list, 5);
    QCOMPARE(plz.first(), QStringLiteral("80331"));
    QCOMPARE(plz.last(), QStringLiteral("85716"));
    list->sortByColumn(2, Qt::AscendingOrder);
    QCOMPARE(column(list, 2).first(), QStringLiteral("Bauer"));
    // A client whose birthday is not known shows none.
    const QStringList birthdays = column(list, 4);
    QCOMPARE(birthdays.count(QString()), 1);
    QVERIFY(!child<QPushButton>(&picker, "buttonOk")->isEnabled());
}

void TestClientDialogs::pickerSearchGoesRoundTheList()
{
    TNetClientSelectDlg picker(m_host->window.get(), nullptr);
    QTreeWidget* list = rows(&picker);
    auto* input = child<QLineEdit>(&picker, "m_input");
    const auto selectedId = [list] {
        const QList<QTreeWidgetItem*> selected = list->selectedItems();
        return selected.size() == 1 ? selected.first()->text(0).toInt() : -1;
    };

    // Typing selects the first client holding the text, in any column, case ignored.
    retype(input, QStringLiteral("münchen"));
    QCOMPARE(selectedId(), 1);
    QTest::keyClicks(input, " ");
    QCOMPARE(selectedId(), 1); // no client holds it: the selection stays
    // Return and "search" go on to the next one, from the last round to the first.
    retype(input, "starnberg");
    QCOMPARE(selectedId(), 9);
    QTest::keyClick(input, Qt::Key_Return);
    QCOMPARE(selectedId(), 10);
    click(&picker, "b_search");
    QCOMPARE(selectedId(), 9);
    // A text that only the selected client holds finds it again after the whole list.
    retype(input, "Kantinenservice");
    QCOMPARE(selectedId(), 20);
    click(&picker, "b_search");
    QCOMPARE(selectedId(), 20);
    QVERIFY(picker.result() != QDialog::Accepted);
}

void TestClientDialogs::pickerTakesTheChosenClient()
{
    TNetClientSelectDlg picker(m_host->window.get(), nullptr);
    picker.setSearchId(0);
    QVERIFY(rows(&picker)->selectedItems().isEmpty());
    picker.accept();
    QVERIFY(!picker.getResultClient());
    picker.setSearchId(7);
    QVERIFY(child<QPushButton>(&picker, "buttonOk")->isEnabled());
    click(&picker, "buttonOk");
    QCOMPARE(picker.result(), int(QDialog::Accepted));
    QCOMPARE(picker.getResultClient()->getName(), QStringLiteral("Becker"));
    QCOMPARE(picker.getResultClient()->getID(), 7);

    // A new client made from the picker is written to the server, listed and selected.
    TNetClientSelectDlg again(m_host->window.get(), nullptr);
    whenModal([](QDialog* editor) {
        QCOMPARE(editor->objectName(), QStringLiteral("TNetClientDlg"));
        child<QSpinBox>(editor, "m_Number")->setValue(300);
        QTest::keyClicks(child<QLineEdit>(editor, "m_Prename"), "Zoe");
        click(editor, "buttonOk");
    });
    click(&again, "buttonNewClient");
    QCOMPARE(rows(&again)->topLevelItemCount(), 21);
    QCOMPARE(rows(&again)->selectedItems().value(0)->text(3), QStringLiteral("Zoe"));
    QCOMPARE(serverClients(m_reader->get()).value(300), QStringLiteral("Zoe "));
    // Activating a row takes it.
    QTreeWidgetItem* first = rows(&again)->topLevelItem(0);
    emit rows(&again)->itemActivated(first, 0);
    QCOMPARE(again.getResultClient()->getID(), first->text(0).toInt());
}

void TestClientDialogs::pickerSkipsTextsThatAreNoClient()
{
    PosLib::TCardServerAnswer answer;
    answer.results = {"<clientdata><id>3</id><name>Kept</name></clientdata>", "<clientdata><name>",
                      "<clientdata><name>No number</name></clientdata>", "plain text"};
    const Basics::TCryption cryption;
    GarbageServer server('\x05' + answer.wireText(cryption) + '\x06');
    m_reader = std::make_unique<ListedReader>(device(server.port, "office", 1000));
    TNetClientSelectDlg picker(m_host->window.get(), nullptr);
    QCOMPARE(column(rows(&picker), 2), QStringList{"Kept"});
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.last().kind, QStringLiteral("warning"));
    QVERIFY(m_prompts->messages.last().text.startsWith("3 client texts"));
}

void TestClientDialogs::editorWritesToTheServerFirst()
{
    auto editor = m_host->open<TNetClientDlg>();
    QPushButton* ok = child<QPushButton>(editor.get(), "buttonOk");
    child<QSpinBox>(editor.get(), "m_Number")->setValue(401);
    // Neither name nor first name: the client cannot be saved; one of them is enough.
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(child<QLineEdit>(editor.get(), "m_Prename"), "Ulla");
    QVERIFY(ok->isEnabled());
    retype(child<QLineEdit>(editor.get(), "m_Prename"), QString());
    QTest::keyClicks(child<QLineEdit>(editor.get(), "m_Name"), "Ulm");
    QVERIFY(ok->isEnabled());
    choose(child<QComboBox>(editor.get(), "m_parent"), 0);
    child<QDateEdit>(editor.get(), "m_birthday")->setDate(QDate(1950, 5, 17));
    click(editor.get(), "buttonOk");
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(serverClients(m_reader->get()).value(401), QStringLiteral(" Ulm"));
    const Basics::TValue* stored = m_host->list("netclients")->find(401);
    QVERIFY(stored);
    QCOMPARE(attributesOf(*stored),
             (QStringList{"bday=1950-05-17", "bdaytime=00:00:00", "id=401", "name=Ulm"}));

    // A changed client goes to the server too; choosing "not specified" removes the parent.
    m_host->put("netclients", 402, {{"name", "Kind"}, {"parentid", "401"}});
    auto change = m_host->open<TNetClientDlg>({402});
    QCOMPARE(child<QDateEdit>(change.get(), "m_birthday")->text(), QStringLiteral("not known"));
    choose(child<QComboBox>(change.get(), "m_parent"), 0);
    retype(child<QLineEdit>(change.get(), "m_City"), "Ulm");
    click(change.get(), "buttonOk");
    QCOMPARE(change->result(), int(QDialog::Accepted));
    QCOMPARE(attributesOf(*m_host->list("netclients")->find(402)),
             (QStringList{"city=Ulm", "id=402", "name=Kind"}));
    QVERIFY(serverClients(m_reader->get()).contains(402));
}

void TestClientDialogs::editorKeepsEachParentUntouched()
{
    m_host->put("netclients", 1, {{"name", "Eltern"}});
    m_host->put("netclients", 2, {{"name", "Andere"}});
    m_host->put("netclients", 3, {{"name", "Kind A"}, {"parentid", "1"}});
    m_host->put("netclients", 4, {{"name", "Kind B"}, {"parentid", "2"}});
    auto editor = m_host->open<TNetClientDlg>({3, 4});
    retype(child<QLineEdit>(editor.get(), "m_Phone1"), "0800 1");
    click(editor.get(), "buttonOk");
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(attributesOf(*m_host->list("netclients")->find(3)),
             (QStringList{"id=3", "name=Kind A", "parentid=1", "phone1=0800 1"}));
    QCOMPARE(attributesOf(*m_host->list("netclients")->find(4)),
             (QStringList{"id=4", "name=Kind B", "parentid=2", "phone1=0800 1"}));
}

void TestClientDialogs::pictureBelowTheDataRootIsRelative()
{
    const QString before = QDir::currentPath();
    QVERIFY(QDir().mkpath(m_host->dir.filePath("pictures")));
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(m_host->dir.filePath("pictures/anna.png")));
    QVERIFY(QDir::setCurrent(m_host->dir.path()));
    auto editor = m_host->open<TNetClientDlg>();
    auto* bitmap = child<QPushButton>(editor.get(), "b_Bitmap");
    QCOMPARE(bitmap->text(), QStringLiteral("..."));
    m_prompts->texts.enqueue(m_host->dir.filePath("pictures/anna.png"));
    click(editor.get(), "b_Bitmap");
    QCOMPARE(child<QLineEdit>(editor.get(), "m_Bitmap")->text(), QStringLiteral("pictures/anna.png"));
    QVERIFY(!bitmap->icon().isNull());
    QVERIFY(bitmap->text().isEmpty());
    // A picture elsewhere keeps its whole path.
    m_prompts->texts.enqueue(QStringLiteral("/nowhere/else.png"));
    click(editor.get(), "b_Bitmap");
    QCOMPARE(child<QLineEdit>(editor.get(), "m_Bitmap")->text(), QStringLiteral("/nowhere/else.png"));
    QCOMPARE(bitmap->text(), QStringLiteral("..."));
    QVERIFY(QDir::setCurrent(before));
}

void TestClientDialogs::faultsAreToldAndLoseNothing_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("dialog");
    for (const char* fault : {"not running", "stops in the middle", "garbage"}) {
        for (const char* dialog : {"picker", "new client", "changed client"})
            QTest::addRow("%s, %s", fault, dialog)
                << QString::fromLatin1(fault) << QString::fromLatin1(dialog);
    }
}

void TestClientDialogs::faultsAreToldAndLoseNothing()
{
    QFETCH(QString, fault);
    QFETCH(QString, dialog);
    QTemporaryDir stoppedDir;
    Server stopped(stoppedDir.path());
    std::unique_ptr<GarbageServer> garbage;
    quint16 port = 0;
    int code = CardError::NoDatabase;
    if (fault == u"not running") {
        port = closedPort();
    } else if (fault == u"stops in the middle") {
        QVERIFY(stopped.start({}));
        stopped.pause();
        port = stopped.port;
    } else {
        garbage = std::make_unique<GarbageServer>("\x05hello\x06");
        port = garbage->port;
        code = CardError::InternalError;
    }
    m_reader = std::make_unique<ListedReader>(device(port, "office", 300));
    m_host->put("netclients", 5, {{"name", "Bleibt"}, {"city", "Hier"}});
    const QStringList before = attributesOf(*m_host->list("netclients")->find(5));

    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QDialog> shown;
    if (dialog == u"picker") {
        auto picker = std::make_unique<TNetClientSelectDlg>(m_host->window.get(), nullptr);
        // The copy of the last load is offered.
        QCOMPARE(rows(picker.get())->topLevelItemCount(), 1);
        shown = std::move(picker);
    } else {
        auto editor = m_host->open<TNetClientDlg>(dialog == u"new client" ? QList<int>{} : QList<int>{5});
        if (dialog == u"new client")
            child<QSpinBox>(editor.get(), "m_Number")->setValue(6);
        retype(child<QLineEdit>(editor.get(), "m_Name"), "Neu");
        click(editor.get(), "buttonOk");
        // The dialog stays with the input as typed.
        QVERIFY(editor->result() != QDialog::Accepted);
        QCOMPARE(child<QLineEdit>(editor.get(), "m_Name")->text(), QStringLiteral("Neu"));
        QCOMPARE(m_prompts->messages.last().caption, dialog == u"new client"
                                                         ? QStringLiteral("Client insert error")
                                                         : QStringLiteral("Client update error"));
        shown = std::move(editor);
    }
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m_prompts->messages.last().kind, QStringLiteral("critical"));
    QCOMPARE(m_prompts->messages.last().text, Devices::readerErrorText(code));
    QCOMPARE(m_host->list("netclients")->count(), 1);
    QCOMPARE(attributesOf(*m_host->list("netclients")->find(5)), before);
}

QTEST_MAIN(TestClientDialogs)
#include "tst_clientdialogs.moc"
