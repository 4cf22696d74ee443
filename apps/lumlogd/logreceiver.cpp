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

// The frames of one connection, read as they arrive.
class Connection : public QObject {
public:
    Connection(QTcpSocket* socket, std::function<void(const QString&)> deliver,
               std::function<void(const QString&)> report)
        : QObject(socket)
        , m_socket(socket)
        , m_deliver(std::move(deliver))
        , m_report(std::move(report))
    {
        m_idle.setSingleShot(true);
        m_idle.setInterval(LogReceiver::idleTimeout);
        connect(&m_idle, &QTimer::timeout, socket, &QTcpSocket::abort);
        connect(socket, &QTcpSocket::readyRead, this, &Connection::read);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        m_idle.start();
    }

private:
    void read()
    {
        m_idle.start();
        const QByteArray bytes = m_socket->readAll();
        QByteArrayView rest(bytes);
        while (!rest.isEmpty()) {
            rest = rest.sliced(m_frame.feed(rest));
            if (m_frame.overflowed()) {
                m_report(QStringLiteral("a message of more than %1 bytes")
                             .arg(Basics::TFrameReader::defaultLimit));
                m_socket->abort();
                return;
            }
            if (m_frame.complete()) {
                m_deliver(m_frame.text());
                m_frame.reset();
            }
        }
    }

    QTcpSocket* m_socket;
    std::function<void(const QString&)> m_deliver;
    std::function<void(const QString&)> m_report;
    Basics::TFrameReader m_frame;
    QTimer m_idle;
};

} // namespace

LogReceiver::LogReceiver(QIODevice& out, QIODevice& err, QObject* parent)
    : QObject(parent)
    , m_out(out)
    , m_err(err)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LogReceiver::accept);
}

bool LogReceiver::listen(quint16 port)
{
    return m_server.listen(QHostAddress::Any, port);
}

void LogReceiver::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        const QString peer = socket->peerAddress().toString();
        new Connection(
            socket, [this, peer](const QString& text) { receive(text, peer); },
            [this, peer](const QString& problem) { report(peer + QLatin1StringView(": ") + problem); });
    }
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
    m_out.write((fields.join(u'\t') + u'\n').toUtf8());
}

void LogReceiver::report(const QString& text)
{
    m_err.write(QByteArrayLiteral("lumlogd: ") + text.toUtf8() + '\n');
}
