#include "cardserver.h"

#include "cardcommands.h"
#include "cardstore.h"
#include "readerslots.h"
#include "tcardserverprotocol.h"
#include "tcryption.h"
#include "tlog.h"
#include "ttcpclient.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTcpSocket>
#include <QTimer>

namespace CardServer = PosLib::CardServer;

// One connection: its call, read as it arrives within the call time-out, and its answer.
class TCardServer::Connection : public QObject {
public:
    Connection(QTcpSocket* socket, TCardServer* server)
        : QObject(socket)
        , m_socket(socket)
        , m_server(server)
        , m_frame(server->m_limits.maxCall)
    {
        ++m_server->m_open;
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &Connection::timeout);
        connect(socket, &QTcpSocket::readyRead, this, &Connection::read);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        m_timer.start(server->m_limits.callTimeout);
    }

    ~Connection() override { --m_server->m_open; }

private:
    void read()
    {
        if (m_frame.complete())
            return; // one call per connection; the rest is ignored
        m_frame.feed(m_socket->readAll());
        if (m_frame.overflowed()) {
            report(QStringLiteral("a call of more than %1 characters").arg(m_server->m_limits.maxCall));
            m_socket->abort();
            return;
        }
        if (!m_frame.complete())
            return;
        m_timer.stop();
        if (!holdWait())
            answer(m_server->m_commands->answerWire(m_frame.text()));
    }

    // A "waitreader" call for a card that is still on the reader waits for a change.
    bool holdWait()
    {
        static const Basics::TCryption cryption;
        Basics::TTcpMessage message;
        PosLib::TCardServerCall call;
        if (!message.parse(m_frame.text(), cryption) || !call.fromMessage(message) ||
            call.command != CardServer::waitReader || call.arguments.size() < 2 ||
            m_server->m_readers->cardOn(call.reader) != call.arguments[0])
            return false;
        m_reader = call.reader;
        m_waitText = m_frame.text();
        connect(m_server->m_readers.get(), &TReaderSlots::changed, this, [this](const QString& reader) {
            if (reader == m_reader)
                finishWait();
        });
        m_timer.disconnect();
        connect(&m_timer, &QTimer::timeout, this, &Connection::finishWait);
        m_timer.start(qBound(0, call.arguments[1].toInt(), m_server->m_limits.maxWait));
        return true;
    }

    void finishWait()
    {
        m_timer.stop();
        disconnect(m_server->m_readers.get(), nullptr, this, nullptr);
        answer(m_server->m_commands->answerWire(m_waitText));
    }

    void answer(const QByteArray& wire)
    {
        m_timer.disconnect();
        connect(&m_timer, &QTimer::timeout, m_socket, &QTcpSocket::abort);
        m_timer.start(m_server->m_limits.answerTimeout);
        // In three writes: the answer may be megabytes, and joining it to its frame copies it.
        m_socket->write("\x05", 1);
        m_socket->write(wire);
        m_socket->write("\x06", 1);
        m_socket->disconnectFromHost();
    }

    void timeout()
    {
        report(QStringLiteral("no complete call within %1 ms").arg(m_server->m_limits.callTimeout));
        m_socket->abort();
    }

    void report(const QString& what)
    {
        Basics::TLog::instance().write(Basics::TLog::Warning,
                                       QStringLiteral("%1: %2").arg(m_socket->peerAddress().toString(), what),
                                       "lumcardd", "TCardServer");
    }

    QTcpSocket* m_socket;
    TCardServer* m_server;
    Basics::TFrameReader m_frame;
    QTimer m_timer;
    QString m_reader;
    QString m_waitText;
};

TCardServer::TCardServer(const QString& dataDir, const Limits& limits, QObject* parent)
    : QObject(parent)
    , m_dataDir(dataDir)
    , m_limits(limits)
    , m_store(std::make_unique<TCardStore>(dataDir))
    , m_readers(std::make_unique<TReaderSlots>())
    , m_commands(std::make_unique<TCardCommands>(*m_store, *m_readers))
{
    m_server.setMaxPendingConnections(limits.maxConnections);
    connect(&m_server, &QTcpServer::newConnection, this, &TCardServer::accept);
}

TCardServer::TCardServer(const QString& dataDir, QObject* parent)
    : TCardServer(dataDir, Limits(), parent)
{
}

TCardServer::~TCardServer()
{
    m_server.close();
    // The connections go with their sockets, which belong to the listening server; the answers
    // they hold are not sent.
    for (QTcpSocket* socket : m_server.findChildren<QTcpSocket*>())
        delete socket;
    QFile::remove(portFile(m_dataDir));
}

bool TCardServer::listen(const QHostAddress& address, quint16 port)
{
    if (!m_server.listen(address, port))
        return false;
    QSaveFile file(portFile(m_dataDir));
    if (QDir().mkpath(QFileInfo(file.fileName()).absolutePath()) && file.open(QIODevice::WriteOnly)) {
        file.write(QByteArray::number(m_server.serverPort()) + '\n');
        file.commit();
    }
    return true;
}

void TCardServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        if (m_open >= m_limits.maxConnections) {
            Basics::TLog::instance().write(Basics::TLog::Warning,
                                           QStringLiteral("%1: refused, %2 connections open")
                                               .arg(socket->peerAddress().toString())
                                               .arg(m_open),
                                           "lumcardd", "TCardServer");
            socket->abort();
            socket->deleteLater();
            continue;
        }
        new Connection(socket, this);
    }
}

QString TCardServer::portFile(const QString& dataDir)
{
    return QDir(dataDir).filePath(QStringLiteral("var/lumcardd/port"));
}

quint16 TCardServer::readPortFile(const QString& dataDir)
{
    QFile file(portFile(dataDir));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return quint16(file.read(16).trimmed().toUInt());
}
