#include "logreceiver.h"

#include "ttcpclient.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

const char* const columns[] = {"date", "station", "level", "program", "mod", "class", "entry"};

QString escaped(QString text)
{
    return text.replace(u'\\', QLatin1StringView("\\\\"))
        .replace(u'\t', QLatin1StringView("\\t"))
        .replace(u'\n', QLatin1StringView("\\n"))
        .replace(u'\r', QLatin1StringView("\\r"));
}

// The frames of one connection, read as they arrive, each within a deadline.
class Connection : public QObject {
public:
    Connection(QTcpSocket* socket, std::function<void(const QString&)> deliver,
               std::function<void(const QString&)> report)
        : QObject(socket)
        , m_socket(socket)
        , m_deliver(std::move(deliver))
        , m_report(std::move(report))
    {
        socket->setReadBufferSize(LogReceiver::readChunk);
        m_deadline.setSingleShot(true);
        m_deadline.setInterval(LogReceiver::frameDeadline);
        connect(&m_deadline, &QTimer::timeout, this, [this] {
            close(QStringLiteral("no whole message within %1 s").arg(LogReceiver::frameDeadline / 1000));
        });
        connect(socket, &QTcpSocket::readyRead, this, &Connection::read);
        connect(socket, &QTcpSocket::disconnected, this, &Connection::finish);
        m_deadline.start();
        // A connection that waited to be served may have sent everything, and ended, meanwhile.
        QTimer::singleShot(0, this, [this] {
            read();
            if (m_socket->state() != QAbstractSocket::ConnectedState)
                finish();
        });
    }

private:
    void read()
    {
        while (!m_closed && m_socket->bytesAvailable() > 0) {
            const QByteArray bytes = m_socket->read(LogReceiver::readChunk);
            QByteArrayView rest(bytes);
            while (!rest.isEmpty()) {
                rest = rest.sliced(m_frame.feed(rest));
                if (m_frame.overflowed()) {
                    close(QStringLiteral("a message of more than %1 bytes").arg(LogReceiver::maxFrameSize));
                    return;
                }
                if (m_frame.complete()) {
                    m_deliver(m_frame.text());
                    m_frame.reset();
                    m_deadline.start(); // the next message has its own time
                }
            }
        }
    }

    void finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        if (!m_closed) {
            read(); // what arrived with the end
            if (!m_closed && m_frame.started() && !m_frame.complete())
                m_report(QStringLiteral("the connection ended inside a message"));
        }
        m_deadline.stop();
        m_socket->deleteLater();
    }

    void close(const QString& why)
    {
        m_closed = true;
        m_report(why);
        m_socket->abort();
    }

    QTcpSocket* m_socket;
    bool m_closed = false;
    bool m_finished = false;
    std::function<void(const QString&)> m_deliver;
    std::function<void(const QString&)> m_report;
    Basics::TFrameReader m_frame{LogReceiver::maxFrameSize};
    QTimer m_deadline;
};

} // namespace

LogReceiver::LogReceiver(QIODevice& out, QIODevice& err, QObject* parent)
    : QObject(parent)
    , m_out(out)
    , m_err(err)
{
    m_server.setMaxPendingConnections(4);
    // A burst of entries, one connection each, waits in the system's queue rather than being
    // turned away while the connections before it are served.
    m_server.setListenBacklogSize(1024);
    connect(&m_server, &QTcpServer::newConnection, this, &LogReceiver::accept);
}

bool LogReceiver::listen(const QHostAddress& address, quint16 port)
{
    return m_server.listen(address, port);
}

void LogReceiver::Server::incomingConnection(qintptr descriptor)
{
    auto* socket = new QTcpSocket(this);
    socket->setReadBufferSize(readChunk);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    addPendingConnection(socket);
}

// Takes connections while fewer than maxConnections are open; the others wait in the system's
// queue (a program that logs fast opens one per entry) and are taken as connections end.
void LogReceiver::accept()
{
    while (m_connections < maxConnections) {
        QTcpSocket* socket = m_server.nextPendingConnection();
        if (!socket)
            return;
        const QString peer = socket->peerAddress().toString();
        ++m_connections;
        connect(socket, &QObject::destroyed, this, [this] {
            --m_connections;
            if (!m_server.isListening())
                return;
            m_server.resumeAccepting();
            accept();
        });
        new Connection(
            socket, [this, peer](const QString& text) { receive(text, peer); },
            [this, peer](const QString& problem) { report(peer + QLatin1StringView(": ") + problem); });
    }
    m_server.pauseAccepting();
}

void LogReceiver::receive(const QString& text, const QString& peer)
{
    Basics::TTcpMessage message;
    if (!message.parse(text, m_cryption)) {
        report(peer + QLatin1StringView(": a message that cannot be read"));
        return;
    }
    if (message.fields[2] != u"log") {
        report(peer + QStringLiteral(": a \"%1\" message, not a log entry").arg(escaped(message.fields[2])));
        return;
    }
    QStringList fields;
    for (const char* column : columns)
        fields.append(escaped(message.attributes.getString(column)));
    const QByteArray line = (fields.join(u'\t') + u'\n').toUtf8();
    if (m_out.write(line) != line.size()) {
        ++m_failedWrites;
        report(QStringLiteral("an entry from %1 could not be written: %2").arg(peer, m_out.errorString()));
    }
}

void LogReceiver::report(const QString& text)
{
    m_err.write(QByteArrayLiteral("lumlogd: ") + text.toUtf8() + '\n');
}
