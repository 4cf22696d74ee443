// The framed messages: their text, the pieces on the wire, frames read back from a connection,
// and whole exchanges with a server that answers.

#include "tcryption.h"
#include "ttcpclient.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <functional>
#include <future>
#include <sys/socket.h>
#include <thread>

using Basics::TCryption;
using Basics::TFrameReader;
using Basics::TTcpClient;
using Basics::TTcpMessage;

namespace {

// Keeps every write as one piece.
class PieceRecorder : public QIODevice {
public:
    PieceRecorder() { open(WriteOnly); }
    QList<QByteArray> pieces;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        pieces.append(QByteArray(data, size));
        return size;
    }
};

// A server in a thread of its own that takes one connection, reads one frame and answers with the
// given bytes (nothing when empty), then waits for the client to go.
class OneShotServer {
public:
    explicit OneShotServer(QByteArray answer)
    {
        std::promise<quint16> listening;
        m_port = listening.get_future();
        m_thread =
            std::thread([this, answer = std::move(answer), listening = std::move(listening)]() mutable {
                QTcpServer server;
                server.listen(QHostAddress::LocalHost);
                listening.set_value(server.serverPort());
                if (!server.waitForNewConnection(10000))
                    return;
                std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
                TTcpClient::readFramed(*socket, m_received, 10000);
                socket->write(answer);
                socket->waitForBytesWritten(10000);
                if (socket->state() == QAbstractSocket::ConnectedState)
                    socket->waitForDisconnected(10000);
            });
    }
    ~OneShotServer() { m_thread.join(); }

    quint16 port() { return m_port.get(); }
    // Valid once the client is done.
    const QString& received() const { return m_received; }

private:
    std::future<quint16> m_port;
    QString m_received;
    std::thread m_thread;
};

TTcpMessage logMessage()
{
    TTcpMessage message;
    message.fields[2] = QStringLiteral("log");
    message.attributes.set("level", 2);
    message.attributes.set("entry", QStringLiteral("Kasse 3 geöffnet"));
    message.attributes.set("class", QString());
    return message;
}

QByteArray frame(const QByteArray& text)
{
    return '\x05' + text + '\x06';
}

} // namespace

class TestTcpClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void messageText();
    void piecesOnTheWire();
    void wireTextIsReadBack();
    void frameReader();
    void exchangeWithReply();
    void replyFailures_data();
    void replyFailures();
    void unreachableServer();
    void serverThatDoesNotReadHoldsTheSendBoundedly();
};

void TestTcpClient::messageText()
{
    TTcpMessage message = logMessage();
    message.fields[0] = QStringLiteral("a");
    message.plain = true;
    QCOMPARE(message.text(), QStringLiteral("\x02"
                                            "a\x02\x02log\x02"
                                            "class\x04\x03"
                                            "entry\x04Kasse 3 geöffnet\x03"
                                            "level\x04"
                                            "2"));
    QCOMPARE(message.wireText(TCryption()), '*' + message.text().toLatin1());

    // Enciphered messages start with the milliseconds of the time, 0 to 999.
    message.plain = false;
    const QString text = message.text();
    const qsizetype stamp = text.indexOf(u'\x02');
    QVERIFY(stamp >= 1 && stamp <= 3);
    QVERIFY(text.left(stamp).toInt() < 1000);
    QCOMPARE(text.mid(stamp), message.text().mid(message.text().indexOf(u'\x02')));
}

void TestTcpClient::piecesOnTheWire()
{
    const QByteArray text(1100, 'x');
    PieceRecorder device;
    QVERIFY(TTcpClient::writeFramed(device, text, 1000));
    QCOMPARE(device.pieces.size(), 3);
    QCOMPARE(device.pieces[0], '\x05' + text.left(512));
    QCOMPARE(device.pieces[1], text.mid(512, 512));
    QCOMPARE(device.pieces[2], text.mid(1024) + '\x06');
    QCOMPARE(device.pieces[2].size(), 77);

    PieceRecorder single;
    QVERIFY(TTcpClient::writeFramed(single, QByteArray(512, 'y'), 1000));
    QCOMPARE(single.pieces, QList<QByteArray>{frame(QByteArray(512, 'y'))});

    PieceRecorder closed;
    closed.close();
    QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QIODevice): device not open");
    QVERIFY(!TTcpClient::writeFramed(closed, text, 1000));
}

void TestTcpClient::wireTextIsReadBack()
{
    const TCryption cryption;
    for (const bool plain : {false, true}) {
        TTcpMessage sent = logMessage();
        sent.plain = plain;
        sent.fields[1] = QStringLiteral("f1");
        TTcpMessage received;
        QVERIFY(received.parse(QString::fromLatin1(sent.wireText(cryption)), cryption));
        QCOMPARE(received.plain, plain);
        QCOMPARE(received.fields, sent.fields);
        QCOMPARE(received.attributes.getString("entry"), sent.attributes.getString("entry"));
        QCOMPARE(received.attributes.getString("level"), QStringLiteral("2"));
        QVERIFY(received.attributes.contains("class"));
    }

    TTcpMessage reply;
    // An item without 0x04 is a key with an empty value; empty items are skipped.
    QVERIFY(reply.parse(QStringLiteral("*\x02\x02\x02ok\x02"
                                       "a\x04"
                                       "1\x03\x03"
                                       "b\x03\x04x"),
                        cryption));
    QCOMPARE(reply.fields[2], QStringLiteral("ok"));
    QCOMPARE(reply.attributes.count(), 2);
    QCOMPARE(reply.attributes.getString("a"), QStringLiteral("1"));
    QVERIFY(reply.attributes.contains("b"));

    QVERIFY(!reply.parse(QStringLiteral("*\x02only\x02two"), cryption));
    QVERIFY(!reply.parse(QStringLiteral("ABCDEFGHIJKLMNOP"), cryption));
    QVERIFY(!reply.parse(QString(), cryption));
}

void TestTcpClient::frameReader()
{
    // A frame across two reads; what follows its end is left for the next frame.
    TFrameReader reader;
    QCOMPARE(reader.feed("noise\x05"
                         "cd"),
             8);
    QCOMPARE(reader.feed("\xe4"
                         "f\x06"
                         "\x05next"),
             3);
    QVERIFY(reader.complete());
    QCOMPARE(reader.text(), QStringLiteral("cdäf"));

    TFrameReader limited(4);
    limited.feed("\x05"
                 "abcde");
    QVERIFY(limited.overflowed() && !limited.complete());
}

void TestTcpClient::exchangeWithReply()
{
    const TCryption cryption;
    TTcpMessage answer;
    answer.fields[2] = QStringLiteral("ok");
    answer.attributes.set("result", 0);
    answer.attributes.set("text", QString(700, u'ü'));
    // Noise before the frame, and a frame longer than one read.
    OneShotServer server("noise" + frame(answer.wireText(cryption)));

    TTcpMessage message = logMessage();
    message.attributes.set("entry", QString(1100, u'e'));
    TTcpMessage reply;
    TTcpClient client;
    QVERIFY2(client.send(QStringLiteral("127.0.0.1"), server.port(), message, &reply),
             qPrintable(client.errorString()));
    QCOMPARE(reply.fields[2], QStringLiteral("ok"));
    QCOMPARE(reply.attributes.getString("text"), QString(700, u'ü'));

    TTcpMessage received;
    QVERIFY(received.parse(server.received(), cryption));
    QCOMPARE(received.attributes.getString("entry"), QString(1100, u'e'));
}

void TestTcpClient::replyFailures_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("error");
    // Ten reads of 1000 bytes without 0x05.
    QTest::newRow("no start") << QByteArray(10000, 'x') << QStringLiteral("No tries left");
    QTest::newRow("silence") << QByteArray() << QStringLiteral("timeout");
    QTest::newRow("no end") << QByteArray("\x05"
                                          "abc")
                            << QStringLiteral("timeout");
    QTest::newRow("unreadable") << frame("ABCDEFGHIJKLMNOP") << QStringLiteral("the reply cannot be read");
}

void TestTcpClient::replyFailures()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, error);
    OneShotServer server(answer);
    TTcpClient client;
    client.setTimeout(300);
    TTcpMessage reply;
    QVERIFY(!client.send(QStringLiteral("127.0.0.1"), server.port(), logMessage(), &reply));
    QVERIFY2(client.errorString().endsWith(error), qPrintable(client.errorString()));
}

void TestTcpClient::unreachableServer()
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        closedPort = probe.serverPort();
    }
    TTcpClient client;
    QVERIFY(!client.send(QStringLiteral("127.0.0.1"), closedPort, logMessage()));
    QVERIFY(!client.errorString().isEmpty());
    QVERIFY(!client.send(QStringLiteral("no-such-host.invalid"), 4307, logMessage()));
    QVERIFY(client.errorString().contains(QStringLiteral("not found")));
}

void TestTcpClient::serverThatDoesNotReadHoldsTheSendBoundedly()
{
    // The system accepts the connection, nobody ever reads: a message of a million characters
    // fills the buffers, and every further piece would wait the whole time-out again.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    const int small = 4096; // the connection the system accepts takes little before it stops
    QVERIFY(::setsockopt(int(silent.socketDescriptor()), SOL_SOCKET, SO_RCVBUF, &small, sizeof small) == 0);
    TTcpClient client;
    client.setSendTimeout(300);
    TTcpMessage message = logMessage();
    message.attributes.set("entry", QString(1000000, u'x'));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!client.send(QStringLiteral("127.0.0.1"), silent.serverPort(), message));
    // Far below the 11 s that a single wait may take: the deadline of the whole send ended it.
    QVERIFY2(clock.elapsed() < TTcpClient::defaultTimeout / 2, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(client.errorString().contains("writing failed"));
}

QTEST_GUILESS_MAIN(TestTcpClient)
#include "tst_tcpclient.moc"
