// The card reader device against the real card server: every command of the card dialogs, the
// reader's operations and events, two terminals on one card, and a server that is missing, stops,
// answers garbage or is flooded.

#include "cardstore.h"
#include "lumcardhost.h"
#include "tcardactionlog.h"
#include "tcarderrors.h"
#include "tcardproperties.h"
#include "tcardserverprotocol.h"
#include "tcryption.h"
#include "tlumreaderevent.h"
#include "tnetcardaction.h"
#include "tnetclient.h"
#include "tnetreader.h"
#include "treadererror.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <memory>

using Devices::TNetReader;
using namespace LumCardHost;
namespace CardError = PosLib::CardError;

namespace {

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// Receives a reader's reports as a card dialog does: the slot only posts the event, the work is
// done when the event arrives in the GUI thread.
class Listener : public QObject {
public:
    explicit Listener(TNetReader* reader)
    {
        connect(
            reader, &TNetReader::dataChanged, this,
            [this](const QString& uid) {
                slotThread = QThread::currentThread();
                QCoreApplication::postEvent(this, new TLumReaderEvent(uid));
            },
            Qt::DirectConnection);
    }

    QThread* slotThread = nullptr;
    QStringList handled;
    QThread* handlerThread = nullptr;

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() != TLumReaderEvent::eventType)
            return;
        handlerThread = QThread::currentThread();
        handled.append(static_cast<TLumReaderEvent*>(event)->data());
    }
};

} // namespace

class TestLumCardd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void readerOperations();
    void readerEventsReachTheGuiThread();
    void twoTerminalsWriteOneCard();
    void cardActions();
    void actionLogs();
    void aLongLogComesPageByPage();
    void clients();
    void loginAndFormat();
    void serverMissing();
    void serverStopsInTheMiddle();
    void garbageAnswers_data();
    void garbageAnswers();
    void boundsHold();
    void passwordsNeverInClear();

private:
    QString put(const QString& reader, const QString& uid = QString());
    bool take(const QString& reader);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Server> m_server;
};

void TestLumCardd::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_server = std::make_unique<Server>(m_dir->path());
    QVERIFY(m_server->start());
}

void TestLumCardd::cleanup()
{
    m_server.reset();
    m_dir.reset();
}

QString TestLumCardd::put(const QString& reader, const QString& uid)
{
    QStringList arguments = {"put", "--data", m_dir->path(), "--reader", reader};
    if (!uid.isEmpty())
        arguments.append(uid);
    return run(arguments).trimmed();
}

bool TestLumCardd::take(const QString& reader)
{
    return !run({"take", "--data", m_dir->path(), "--reader", reader}).isNull();
}

void TestLumCardd::readerOperations()
{
    auto reader = device(m_server->port, "t1");
    QString data = "left over";
    reader->readCardData(data);
    QVERIFY(data.isEmpty());
    QCOMPARE(errorCode(*reader), int(CardError::NoCard));

    const QString blank = put("t1");
    QCOMPARE(blank.size(), 8);
    reader->readCardData(data);
    QVERIFY(data.isEmpty());
    QCOMPARE(errorCode(*reader), int(CardError::NotK7Card));
    QVERIFY(run({"cards", "--data", m_dir->path()}).contains(blank + "\t\t"));

    QCOMPARE(put("t1", "04a1b201"), QStringLiteral("04A1B201"));
    reader->readCardData(data);
    QCOMPARE(errorCode(*reader), 0);
    const PosLib::TCardProperties card(data);
    QCOMPARE(card.getCardNumber(), 1001ul);
    QCOMPARE(card.getUid(), QStringLiteral("04A1B201"));
    QCOMPARE(card.getCreditSaldo(), 2500L);

    // A failure of the reader, as a real one has them, and a bad UID.
    QVERIFY(!run({"fail", "--data", m_dir->path(), "--reader", "t1", "--", "-2"}).isNull());
    reader->readCardData(data);
    QVERIFY(data.isEmpty());
    QCOMPARE(Devices::readerErrorText(errorCode(*reader)), QStringLiteral("Unresponsive card"));
    reader->readCardData(data);
    QVERIFY(!data.isEmpty());
    QVERIFY(put("t1", "not-a-uid").isEmpty());

    // The server's own record of the reader's code agrees.
    QStringList result;
    PosLib::TCardServerCall call;
    call.reader = "t1";
    call.command = PosLib::CardServer::getErrorCode;
    Basics::TTcpClient client;
    QCOMPARE(PosLib::callCardServer(client, "127.0.0.1", m_server->port, call).results, QStringList{"0"});
}

void TestLumCardd::readerEventsReachTheGuiThread()
{
    auto reader = device(m_server->port, "t2");
    Listener listener(reader.get());
    QCOMPARE(put("t2", "04A1B202"), QStringLiteral("04A1B202"));
    QTRY_COMPARE(listener.handled, QStringList{"04A1B202"});
    QVERIFY(listener.slotThread != QThread::currentThread());
    QCOMPARE(listener.handlerThread, QThread::currentThread());

    // ejectcard takes it off.
    QStringList result;
    reader->command(PosLib::CardServer::ejectCard, result);
    QVERIFY(result.isEmpty());
    QTRY_COMPARE(listener.handled, (QStringList{"04A1B202", ""}));

    // While a dialog drives the reader nothing is reported; afterwards the card now on it is.
    reader->deactivate();
    QVERIFY(!reader->isActive());
    QCOMPARE(put("t2", "04A1B203"), QStringLiteral("04A1B203"));
    QVERIFY(take("t2"));
    QCOMPARE(put("t2", "04A1B204"), QStringLiteral("04A1B204"));
    reader->reactivate();
    QTRY_COMPARE(listener.handled, (QStringList{"04A1B202", "", "04A1B204"}));

    // A card lying on the reader when the device starts is reported at once.
    auto second = device(m_server->port, "t2");
    Listener late(second.get());
    QTRY_COMPARE(late.handled, QStringList{"04A1B204"});
}

void TestLumCardd::twoTerminalsWriteOneCard()
{
    auto bar = device(m_server->port, "bar");
    auto office = device(m_server->port, "office");
    const QString uid = QStringLiteral("04A1B207");

    // The office reads the card; then the bar reads and writes it.
    put("office", uid);
    QString officeText;
    office->readCardData(officeText);
    take("office");
    put("bar", uid);
    QString barText;
    bar->readCardData(barText);
    PosLib::TCardProperties barCard(barText);
    const unsigned long counter = barCard.getCounter();
    barCard.setCreditSaldo(1000);
    bar->writeCard(barCard.toXml());
    QCOMPARE(errorCode(*bar), 0);
    take("bar");

    // The office's write of what it read before is refused; read again, it succeeds.
    put("office", uid);
    PosLib::TCardProperties officeCard(officeText);
    officeCard.setCreditSaldo(5000);
    office->writeCard(officeCard.toXml());
    QCOMPARE(errorCode(*office), int(CardError::CounterMismatch));
    office->readCardData(officeText);
    officeCard.setXml(officeText);
    QCOMPARE(officeCard.getCounter(), counter + 1);
    QCOMPARE(officeCard.getCreditSaldo(), 1000L);
    officeCard.setCreditSaldo(5000);
    officeCard.setCanPoints(true); // functions are not changed by writing
    office->request().set("waiter", 3);
    office->request().set("reason", "officeWrite");
    office->request().set("comment", "Top up <5000>");
    office->writeCard(officeCard.toXml());
    QCOMPARE(errorCode(*office), 0);
    QVERIFY(!office->request().contains("comment"));
    office->readCardData(officeText);
    officeCard.setXml(officeText);
    QCOMPARE(officeCard.getCreditSaldo(), 5000L);
    QCOMPARE(officeCard.getCounter(), counter + 2);
    QVERIFY(!officeCard.canPoints());
    QVERIFY(officeCard.canCredit());

    // A text of another card is refused.
    officeCard.setUid(QStringLiteral("04A1B201"));
    office->writeCard(officeCard.toXml());
    QCOMPARE(errorCode(*office), int(CardError::WrongMifareUid));

    QStringList logs;
    office->command(PosLib::CardServer::getActionLogs, {uid, "1", "true"}, logs);
    QCOMPARE(logs.size(), 1);
    const PosLib::TCardActionLog last(logs[0]);
    QCOMPARE(last.getAction(), QStringLiteral("write"));
    QCOMPARE(last.getComment(), QStringLiteral("Top up <5000>"));
    QCOMPARE(last.getReason(), QStringLiteral("officeWrite"));
    QCOMPARE(last.getWaiter(), 3);
    QCOMPARE(last.getTerminalId(), QStringLiteral("office"));
    QCOMPARE(last.getCreditSaldo(), 5000L);
}

void TestLumCardd::cardActions()
{
    auto reader = device(m_server->port, "t3");
    const auto actions = [&](const QString& uid, bool booked) {
        QStringList result;
        reader->command(PosLib::CardServer::getActions, {uid, booked ? "true" : "false"}, result);
        return result;
    };
    // The demo's actions of card 1005 have been carried out by a till.
    QVERIFY(actions("04A1B205", false).isEmpty());
    const QStringList done = actions("04A1B205", true);
    QCOMPARE(done.size(), 2);
    const PosLib::TNetCardAction booked(done[0]);
    QVERIFY(booked.isBooked());
    QVERIFY(booked.getTriggerTime().isValid());

    // A new action of card 1003, as the action dialog writes it: the UID in the result list.
    PosLib::TNetCardAction action;
    action.setDateTag(1);
    action.setModifier(2);
    action.setField("pointssaldo");
    action.setNewValue("20");
    action.setDescription("<bonus>");
    QStringList result = {"04A1B203"};
    reader->command(PosLib::CardServer::updateAction, {action.toXml()}, result);
    QCOMPARE(result.value(0), QStringLiteral("0"));
    const int id = result.value(1).toInt();
    QVERIFY(id > 0);
    QStringList pending = actions("04A1B203", false);
    QCOMPARE(pending.size(), 1);
    PosLib::TNetCardAction stored(pending[0]);
    QCOMPARE(stored.getID(), id);
    QCOMPARE(stored.getUid(), QStringLiteral("04A1B203"));
    QCOMPARE(stored.getDescription(), QStringLiteral("<bonus>"));

    // Changed; then refused for another card, for a booked action and for a text that is no XML.
    stored.setNewValue("30");
    stored.setUid(QString());
    result = QStringList{"04A1B203"};
    reader->command(PosLib::CardServer::updateAction, {stored.toXml()}, result);
    QCOMPARE(result.value(0), QStringLiteral("0"));
    QCOMPARE(PosLib::TNetCardAction(actions("04A1B203", false).value(0)).getNewValue(), QStringLiteral("30"));
    result = QStringList{"04A1B201"};
    reader->command(PosLib::CardServer::updateAction, {stored.toXml()}, result);
    QCOMPARE(result.value(0).toInt(), int(CardError::CardDataMismatch));
    result = QStringList{"04A1B205"};
    reader->command(PosLib::CardServer::updateAction, {booked.toXml()}, result);
    QCOMPARE(result.value(0).toInt(), int(CardError::InternalError));
    result = QStringList{"04A1B203"};
    reader->command(PosLib::CardServer::updateAction, {"<cardactiondata>"}, result);
    QCOMPARE(result.value(0).toInt(), int(CardError::InternalError));
    result = QStringList{"FFFFFFFF"};
    reader->command(PosLib::CardServer::updateAction, {action.toXml()}, result);
    QCOMPARE(result.value(0).toInt(), int(CardError::NotInDatabase));

    // A till carries it out: 980 + 30 points.
    put("t3", "04A1B203");
    QCOMPARE(run({"book", "--data", m_dir->path(), "--reader", "t3"}).trimmed(), QStringLiteral("1"));
    QString text;
    reader->readCardData(text);
    QCOMPARE(PosLib::TCardProperties(text).getPointsSaldo(), 1010L);
    QVERIFY(actions("04A1B203", false).isEmpty());

    // Removing: a booked one is refused, a pending one goes, an unknown one is not found.
    reader->command(PosLib::CardServer::removeAction, {QString::number(id)}, result);
    QCOMPARE(result.value(0).toInt(), int(CardError::InternalError));
    const QStringList waiting = actions("04A1B201", false);
    QCOMPARE(waiting.size(), 2);
    reader->command(PosLib::CardServer::removeAction,
                    {QString::number(PosLib::TNetCardAction(waiting[0]).getID())}, result);
    QCOMPARE(result, QStringList{"0"});
    QCOMPARE(actions("04A1B201", false).size(), 1);
    reader->command(PosLib::CardServer::removeAction, {"99999"}, result);
    QCOMPARE(result.value(0).toInt(), int(CardError::NotInDatabase));
}

void TestLumCardd::actionLogs()
{
    auto reader = device(m_server->port, "t4");
    const auto logs = [&](const QString& count, bool read) {
        QStringList result;
        reader->command(PosLib::CardServer::getActionLogs, {"04A1B206", count, read ? "true" : "false"},
                        result);
        return result;
    };
    // Card 1006: formatted, then one action carried out; the newest first.
    const QStringList unread = logs("1", false);
    QCOMPARE(unread.size(), 1);
    QCOMPARE(PosLib::TCardActionLog(unread[0]).getAction(), QStringLiteral("book"));
    QCOMPARE(logs("0", false).size(), 1); // the older one is still unread
    QVERIFY(logs("0", false).isEmpty());
    const QStringList all = logs("0", true);
    QCOMPARE(all.size(), 2);
    const PosLib::TCardActionLog format(all[1]);
    QCOMPARE(format.getAction(), QStringLiteral("format"));
    QCOMPARE(format.getResult(), QStringLiteral("Process_was_successful"));
    QCOMPARE(format.getCardNumber(), 1006ul);
    QVERIFY(format.getID() != PosLib::TCardActionLog(all[0]).getID());
}

void TestLumCardd::aLongLogComesPageByPage()
{
    // More entries than two pages hold.
    const int count = 2 * PosLib::CardServer::actionLogPage + 500;
    QVERIFY(m_server->stop());
    {
        TCardStore store(m_dir->path());
        TCardStore::Transaction transaction(store);
        for (int i = 0; i < count; ++i) {
            PosLib::TCardActionLog entry;
            entry.setCardNumber(1001);
            entry.setID(store.nextLogId()); // the entry's own number, not the card's
            entry.setUid(QStringLiteral("04A1B201"));
            entry.setAction(QStringLiteral("write"));
            entry.setPointsSaldo(i);
            store.addLog(QStringLiteral("04A1B201"), entry.getID(), entry.toXml());
        }
        transaction.commit();
    }
    QVERIFY(m_server->start({}));
    auto reader = device(m_server->port, "t4");
    const auto points = [&](const QString& count, bool read) {
        QStringList result;
        reader->command(PosLib::CardServer::getActionLogs, {"04A1B201", count, read ? "true" : "false"},
                        result);
        QList<long> saldos;
        for (const QString& text : result)
            saldos << PosLib::TCardActionLog(text).getPointsSaldo();
        return saldos;
    };
    // The newest first, each once; what was listed counts as read.
    QList<long> unread = points("2100", false);
    QCOMPARE(unread.size(), 2100);
    QCOMPARE(unread.first(), long(count - 1));
    QCOMPARE(unread.last(), long(count - 2100));
    unread = points("0", false);
    QCOMPARE(unread.size(), count - 2100 + 1); // and the demo's format entry
    QCOMPARE(unread.first(), long(count - 2101));
    const QList<long> all = points("0", true);
    QCOMPARE(all.size(), count + 1);
    QCOMPARE(QSet<long>(all.cbegin(), all.cend()).size(), count); // 0 twice: the format entry has none
    QCOMPARE(errorCode(*reader), 0);

    // Handed on page by page with the number to come; a server that stops half-way fails the log.
    QList<qsizetype> sizes;
    int expected = 0;
    QVERIFY(reader->actionLogPages({"04A1B201", "0", "true"}, [&](const QStringList& entries, int all) {
        sizes << entries.size();
        expected = all;
    }));
    QCOMPARE(sizes, (QList<qsizetype>{2000, 2000, 501}));
    QCOMPARE(expected, count + 1);
    bool stopped = false;
    QVERIFY(!reader->actionLogPages({"04A1B201", "0", "true"}, [&](const QStringList&, int) {
        stopped = stopped || m_server->stop(SIGKILL);
    }));
    QVERIFY(stopped);
    QCOMPARE(errorCode(*reader), int(CardError::NoDatabase));
}

void TestLumCardd::clients()
{
    auto reader = device(m_server->port, "t5");
    QStringList result;
    reader->command(PosLib::CardServer::getAllClients, result);
    QCOMPARE(result.size(), 20);
    QCOMPARE(PosLib::TNetClient(result[0]).getName(), QStringLiteral("Bauer"));

    PosLib::TNetClient client;
    client.setPrename("Zoë");
    client.setBirthday(QDateTime(QDate(1950, 5, 17), QTime(0, 0)));
    reader->command(PosLib::CardServer::updateClient, {client.toXml()}, result);
    QCOMPARE(result, (QStringList{"0", "21"}));
    client.setID(21);
    client.setName("Winter");
    reader->command(PosLib::CardServer::updateClient, {client.toXml()}, result);
    QCOMPARE(result.value(0), QStringLiteral("0"));
    reader->command(PosLib::CardServer::updateClient, {"no client"}, result);
    QCOMPARE(result.value(0).toInt(), int(CardError::InternalError));
    // Texts with the characters that separate the parts of a message are not sent at all.
    reader->command(PosLib::CardServer::updateClient, {QStringLiteral("<clientdata>\x03</clientdata>")},
                    result);
    QVERIFY(result.isEmpty());
    QCOMPARE(errorCode(*reader), int(CardError::InternalError));

    reader->command(PosLib::CardServer::getAllClients, result);
    QCOMPARE(result.size(), 21);
    const PosLib::TNetClient stored(result.last());
    QCOMPARE(stored.getName(), QStringLiteral("Winter"));
    QCOMPARE(stored.getPrename(), QStringLiteral("Zoë"));
    QCOMPARE(stored.getBirthday().date(), QDate(1950, 5, 17));
}

void TestLumCardd::loginAndFormat()
{
    auto reader = device(m_server->port, "t6");
    QStringList result;
    reader->command(PosLib::CardServer::checkUser, {"manager", "wrong"}, result);
    QCOMPARE(result.value(0).toInt(), int(CardError::Authorisation));
    QVERIFY(!result.value(1).isEmpty());
    reader->command(PosLib::CardServer::checkUser, {"manager", "demo"}, result);
    QCOMPARE(result, QStringList{"0"});

    const QString blank = put("t6");
    reader->command(PosLib::CardServer::askCardNumber, {"manager", "nope", blank, "1001"}, result);
    QCOMPARE(reader->request().getInt("lasterrorcode", -1), int(CardError::Authorisation));
    QVERIFY(!reader->request().getString("lasterrormsg").isEmpty());
    reader->command(PosLib::CardServer::askCardNumber, {"manager", "demo", blank, "1001"}, result);
    QCOMPARE(reader->request().getInt("lasterrorcode", -1), 0);
    QCOMPARE(result, QStringList{"04A1B201"});

    PosLib::TCardProperties card;
    card.setCardNumber(2001);
    card.setCanCredit(true);
    card.setCreditMax(10000);
    card.setCounter(7);
    PosLib::TNetClient client;
    client.setName("Neukunde");
    client.setBirthday(QDateTime(QDate(1800, 1, 1), QTime(0, 0)));
    QCOMPARE(reader->format(card.toXml(), "manager", "wrong"), int(CardError::Authorisation));
    reader->request().set("netclient", client.toXml());
    QCOMPARE(reader->format(card.toXml(), "manager", "demo"), 0);
    QVERIFY(!reader->request().contains("netclient"));

    QString text;
    reader->readCardData(text);
    const PosLib::TCardProperties formatted(text);
    QCOMPARE(formatted.getUid(), blank);
    QCOMPARE(formatted.getCardNumber(), 2001ul);
    QCOMPARE(formatted.getCounter(), 0ul);
    QVERIFY(formatted.getLastFormat() > QDateTime(QDate(2024, 1, 1), QTime(0, 0)));
    QCOMPARE(formatted.getClientNumber(), 21ul); // the new client
    reader->command(PosLib::CardServer::getAllClients, result);
    QCOMPARE(PosLib::TNetClient(result.last()).getName(), QStringLiteral("Neukunde"));
    reader->command(PosLib::CardServer::askCardNumber, {"manager", "demo", blank, "2001"}, result);
    QCOMPARE(result, QStringList{blank});
}

void TestLumCardd::serverMissing()
{
    auto reader = device(closedPort(), "t7");
    QElapsedTimer clock;
    clock.start();
    QStringList result = {"given"};
    reader->command(PosLib::CardServer::getAllClients, result);
    QVERIFY(result.isEmpty());
    QString text = "left over";
    reader->readCardData(text);
    QVERIFY(text.isEmpty());
    QCOMPARE(Devices::readerErrorText(errorCode(*reader)), QStringLiteral("Could not access DB"));
    QCOMPARE(reader->format("<carddata><cardnumber>1</cardnumber></carddata>", "u", "p"),
             int(CardError::NoDatabase));
    // A refused connection does not wait at all; nothing waits past the connect bound.
    QVERIFY(clock.elapsed() < reader->settings().connectTimeout);
}

void TestLumCardd::serverStopsInTheMiddle()
{
    auto reader = device(m_server->port, "t8", 300);
    PosLib::TNetClient client;
    client.setName("Vor dem Halt");
    QStringList result;
    reader->command(PosLib::CardServer::updateClient, {client.toXml()}, result);
    QCOMPARE(result.value(0), QStringLiteral("0"));

    // The server takes the call and stops: the reader gives up after its reply bound.
    m_server->pause();
    reader->command(PosLib::CardServer::getAllClients, result);
    QVERIFY(result.isEmpty());
    QCOMPARE(errorCode(*reader), int(CardError::NoDatabase));
    QVERIFY(m_server->stop(SIGKILL));
    reader->command(PosLib::CardServer::getAllClients, result);
    QCOMPARE(errorCode(*reader), int(CardError::NoDatabase));

    // Started again on the same data, it has everything stored before.
    m_server = std::make_unique<Server>(m_dir->path());
    QVERIFY(m_server->start({}));
    reader = device(m_server->port, "t8");
    reader->command(PosLib::CardServer::getAllClients, result);
    QCOMPARE(result.size(), 21);
    QCOMPARE(PosLib::TNetClient(result.last()).getName(), QStringLiteral("Vor dem Halt"));
}

void TestLumCardd::garbageAnswers_data()
{
    const Basics::TCryption cryption;
    Basics::TTcpMessage log;
    log.fields = {"", "1", "log"};
    Basics::TTcpMessage badCode;
    badCode.plain = true;
    badCode.fields = {"", "1", "answer"};
    badCode.attributes.set("code", "zero");
    Basics::TTcpMessage gap;
    gap.plain = true;
    gap.fields = {"", "1", "answer"};
    gap.attributes.set("code", "0");
    gap.attributes.set("r000001", "no entry 0");

    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("code");
    QTest::newRow("no cipher text") << QByteArray("\x05hello\x06") << int(CardError::InternalError);
    QTest::newRow("another kind of message")
        << ('\x05' + log.wireText(cryption) + '\x06') << int(CardError::InternalError);
    QTest::newRow("a code that is no number")
        << ('\x05' + badCode.wireText(cryption) + '\x06') << int(CardError::InternalError);
    QTest::newRow("results with a gap")
        << ('\x05' + gap.wireText(cryption) + '\x06') << int(CardError::InternalError);
    QTest::newRow("closed without an answer") << QByteArray() << int(CardError::NoDatabase);
    QTest::newRow("noise without a frame") << QByteArray("garbage") << int(CardError::NoDatabase);
    QTest::newRow("a frame that does not end") << QByteArray("\x05"
                                                             "ABCD")
                                               << int(CardError::NoDatabase);
}

void TestLumCardd::garbageAnswers()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, code);
    GarbageServer garbage(answer);
    auto reader = device(garbage.port, "t9", 1000);
    QStringList result = {"given"};
    reader->command(PosLib::CardServer::getAllClients, result);
    QVERIFY(result.isEmpty());
    QCOMPARE(errorCode(*reader), code);
    QVERIFY(!Devices::readerErrorText(code).startsWith(QLatin1StringView("Code")));
}

void TestLumCardd::boundsHold()
{
    auto reader = device(m_server->port, "t10");
    QStringList result;

    // A call above the size bound is cut off; the server goes on serving.
    QTcpSocket flood;
    flood.connectToHost(QHostAddress::LocalHost, m_server->port);
    QVERIFY(flood.waitForConnected(10000));
    flood.write("\x05" + QByteArray(2 * 1024 * 1024, 'A'));
    QTRY_COMPARE_WITH_TIMEOUT(flood.state(), QAbstractSocket::UnconnectedState, 20000);
    reader->command(PosLib::CardServer::getAllClients, result);
    QCOMPARE(result.size(), 20);

    // Connections above the bound are refused until others end.
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < 64; ++i) {
        idle.push_back(std::make_unique<QTcpSocket>());
        idle.back()->connectToHost(QHostAddress::LocalHost, m_server->port);
        QVERIFY(idle.back()->waitForConnected(10000));
    }
    QTRY_VERIFY_WITH_TIMEOUT((reader->command(PosLib::CardServer::getAllClients, result), result.isEmpty()),
                             20000);
    QCOMPARE(errorCode(*reader), int(CardError::NoDatabase));
    idle.clear();
    QTRY_VERIFY_WITH_TIMEOUT(
        (reader->command(PosLib::CardServer::getAllClients, result), result.size() == 20), 20000);
}

void TestLumCardd::passwordsNeverInClear()
{
    // A server that logs everything it may.
    QVERIFY(m_server->stop());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KORVAXK7_LOGLEVEL", "ALL");
    m_server = std::make_unique<Server>(m_dir->path());
    QVERIFY(m_server->start({}, env));

    const QString password = QStringLiteral("s3cret-Pa55wörd");
    QVERIFY(!run({"adduser", "--data", m_dir->path(), "kasse"}, password.toUtf8() + '\n').isNull());
    auto reader = device(m_server->port, "t11");
    QStringList result;
    reader->command(PosLib::CardServer::checkUser, {"kasse", password}, result);
    QCOMPARE(result, QStringList{"0"});
    const QString blank = put("t11");
    reader->command(PosLib::CardServer::askCardNumber, {"kasse", password, blank, "3001"}, result);
    PosLib::TCardProperties card;
    card.setCardNumber(3001);
    QCOMPARE(reader->format(card.toXml(), "kasse", password), 0);
    QCOMPARE(reader->format(card.toXml(), "kasse", password + "x"), int(CardError::Authorisation));
    QVERIFY(m_server->stop());

    int files = 0;
    QDirIterator it(m_dir->path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(!bytes.contains(password.toUtf8()), qPrintable(file.fileName()));
        QVERIFY2(
            !bytes.contains(QByteArray(reinterpret_cast<const char*>(password.utf16()), password.size() * 2)),
            qPrintable(file.fileName()));
        ++files;
    }
    QVERIFY(files >= 2); // the database and the log at least
    QVERIFY(QFile::exists(m_dir->filePath("var/log/lumcardd.log")));
}

QTEST_GUILESS_MAIN(TestLumCardd)
#include "tst_lumcardd.moc"
