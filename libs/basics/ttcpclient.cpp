#include "ttcpclient.h"

#include "tcryption.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QHostInfo>
#include <QLoggingCategory>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTime>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace Basics {

namespace {

Q_LOGGING_CATEGORY(tcpLog, "lum.tcp", QtInfoMsg)

constexpr char16_t fieldSeparator = 0x02;
constexpr char16_t itemSeparator = 0x03;
constexpr char16_t keySeparator = 0x04;
constexpr char frameStart = 0x05;
constexpr char frameEnd = 0x06;
constexpr qsizetype readSize = 1000;
constexpr int readTries = 10;

// The addresses of host, found within the deadline. A name lookup cannot be cancelled, so it runs
// in a thread of its own that is left behind when the deadline passes.
QList<QHostAddress> lookup(const QString& host, QDeadlineTimer deadline)
{
    QHostAddress address;
    if (address.setAddress(host))
        return {address};
    struct Pending {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<QList<QHostAddress>> addresses;
    };
    auto pending = std::make_shared<Pending>();
    std::thread([pending, host] {
        QList<QHostAddress> found = QHostInfo::fromName(host).addresses();
        const std::lock_guard lock(pending->mutex);
        pending->addresses = std::move(found);
        pending->done.notify_all();
    }).detach();
    std::unique_lock lock(pending->mutex);
    pending->done.wait_until(lock, deadline.deadline<std::chrono::steady_clock>(),
                             [&] { return pending->addresses.has_value(); });
    return pending->addresses.value_or(QList<QHostAddress>());
}

bool connectWithin(QTcpSocket& socket, const QString& host, quint16 port, int milliseconds, QString& error)
{
    const QDeadlineTimer deadline(milliseconds);
    const QList<QHostAddress> addresses = lookup(host, deadline);
    if (addresses.isEmpty()) {
        error = QStringLiteral("%1: host not found within %2 ms").arg(host).arg(milliseconds);
        return false;
    }
    for (const QHostAddress& address : addresses) {
        socket.connectToHost(address, port);
        if (socket.waitForConnected(int(qMax<qint64>(1, deadline.remainingTime()))))
            return true;
        error = QStringLiteral("%1:%2: %3").arg(host).arg(port).arg(socket.errorString());
        socket.abort();
        if (deadline.hasExpired())
            break;
    }
    return false;
}

} // namespace

QString TTcpMessage::text() const
{
    QString result;
    if (!plain)
        result += QString::number(QTime::currentTime().msec());
    for (const QString& field : fields)
        result += fieldSeparator + field;
    result += fieldSeparator;
    bool first = true;
    for (const TAttribute& attribute : attributes.attributes()) {
        if (!first)
            result += itemSeparator;
        result += attribute.key + keySeparator + attribute.value.text();
        first = false;
    }
    return result;
}

QByteArray TTcpMessage::wireText(const TCryption& cryption) const
{
    // A plain message is Latin-1 on the wire, as a reply is read back byte by byte.
    return plain ? '*' + text().toLatin1() : cryption.encryptLatin1(text());
}

bool TTcpMessage::parse(const QString& wireText, const TCryption& cryption)
{
    plain = wireText.startsWith(u'*');
    const QString text = plain ? wireText.mid(1) : cryption.decrypt(wireText);
    // The time stamp, three fields, and the attributes after the fourth separator.
    qsizetype at = text.indexOf(fieldSeparator);
    for (QString& field : fields) {
        if (at < 0)
            return false;
        const qsizetype end = text.indexOf(fieldSeparator, at + 1);
        field = text.mid(at + 1, end < 0 ? -1 : end - at - 1);
        at = end;
    }
    if (at < 0)
        return false;
    QList<TAttribute> items;
    for (QStringView item : QStringView(text).mid(at + 1).split(itemSeparator, Qt::SkipEmptyParts)) {
        const qsizetype split = item.indexOf(keySeparator);
        const QStringView key = split < 0 ? item : item.left(split);
        if (!key.isEmpty())
            items.append({key.toString(), TVariant(split < 0 ? QString() : item.mid(split + 1).toString())});
    }
    attributes.assign(std::move(items));
    return true;
}

TFrameReader::TFrameReader(qsizetype limit)
    : m_limit(limit)
{
}

qsizetype TFrameReader::feed(QByteArrayView bytes)
{
    if (m_complete || m_overflowed)
        return 0;
    qsizetype at = 0;
    if (!m_started) {
        at = bytes.indexOf(frameStart);
        if (at < 0)
            return bytes.size();
        m_started = true;
        ++at;
    }
    const qsizetype end = bytes.indexOf(frameEnd, at);
    const qsizetype take = (end < 0 ? bytes.size() : end) - at;
    if (m_bytes.size() + take > m_limit) {
        m_overflowed = true;
        return bytes.size();
    }
    m_bytes.append(bytes.data() + at, take);
    if (end < 0)
        return bytes.size();
    m_complete = true;
    return end + 1;
}

void TFrameReader::reset()
{
    m_bytes.clear();
    m_started = m_complete = m_overflowed = false;
}

TTcpClient::TTcpClient(QObject* parent)
    : QObject(parent)
    , m_cryption(std::make_unique<TCryption>())
{
}

TTcpClient::~TTcpClient() = default;

bool TTcpClient::send(const QString& host, quint16 port, const TTcpMessage& message, TTcpMessage* reply)
{
    m_error.clear();
    m_failure = Failure::None;
    const auto fail = [this](Failure failure) {
        m_failure = failure;
        return false;
    };
    const QDeadlineTimer deadline =
        m_sendTimeout > 0 ? QDeadlineTimer(m_sendTimeout) : QDeadlineTimer(QDeadlineTimer::Forever);
    QTcpSocket socket;
    socket.setProxy(QNetworkProxy::NoProxy);
    const int connectTime =
        m_sendTimeout > 0 ? int(qMin<qint64>(m_connectTimeout, deadline.remainingTime())) : m_connectTimeout;
    if (!connectWithin(socket, host, port, connectTime, m_error))
        return fail(Failure::Connect);
    const QByteArray text = message.wireText(*m_cryption);
    qCDebug(tcpLog).noquote() << QStringLiteral("TTcpClient, writing %1 bytes").arg(text.size());
    if (!writeFramed(socket, text, m_timeout, deadline)) {
        socket.abort();
        m_error = QStringLiteral("%1:%2: writing failed: %3").arg(host).arg(port).arg(socket.errorString());
        return fail(Failure::Write);
    }
    if (reply) {
        QString replyText;
        if (!readFramed(socket, replyText, m_timeout, &m_error))
            return fail(Failure::Read);
        if (!reply->parse(replyText, *m_cryption)) {
            m_error = QStringLiteral("%1:%2: the reply cannot be read").arg(host).arg(port);
            return fail(Failure::Reply);
        }
    }
    socket.disconnectFromHost();
    return true;
}

bool TTcpClient::writeFramed(QIODevice& device, const QByteArray& text, int timeout, QDeadlineTimer deadline)
{
    qsizetype at = 0;
    do {
        const qsizetype length = qMin(pieceSize, text.size() - at);
        QByteArray piece;
        if (at == 0)
            piece += frameStart;
        piece += QByteArrayView(text).sliced(at, length);
        at += length;
        if (at == text.size())
            piece += frameEnd;
        if (device.write(piece) != piece.size())
            return false;
        while (device.bytesToWrite() > 0) {
            // Every piece waits again, but never past the deadline of the whole send.
            if (deadline.hasExpired() || !device.waitForBytesWritten(int(qMin<qint64>(
                                             timeout, qMax<qint64>(1, deadline.remainingTime())))))
                return false;
        }
    } while (at < text.size());
    return true;
}

bool TTcpClient::readFramed(QIODevice& device, QString& text, int timeout, QString* error)
{
    const auto fail = [error](const QString& why) {
        qCDebug(tcpLog).noquote() << why;
        if (error)
            *error = why;
        return false;
    };
    TFrameReader frame;
    int missed = 0;
    while (!frame.complete()) {
        if (device.bytesAvailable() <= 0 && !device.waitForReadyRead(timeout))
            return fail(QStringLiteral("timeout"));
        const QByteArray chunk = device.read(readSize);
        const bool wasStarted = frame.started();
        const qsizetype used = frame.feed(chunk);
        if (frame.overflowed())
            return fail(QStringLiteral("reply too long"));
        if (!frame.started()) {
            if (++missed >= readTries)
                return fail(QStringLiteral("No tries left"));
            continue;
        }
        if (!wasStarted)
            qCDebug(tcpLog).noquote() << QStringLiteral("Got STX at %1").arg(chunk.indexOf(frameStart));
        if (frame.complete())
            qCDebug(tcpLog).noquote()
                << QStringLiteral("Got ETX at %1 (%2)").arg(used - 1).arg(frame.text().size());
    }
    text = frame.text();
    return true;
}

} // namespace Basics
