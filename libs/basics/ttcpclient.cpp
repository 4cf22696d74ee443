#include "ttcpclient.h"

#include "tcryption.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QHostInfo>
#include <QLoggingCategory>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTime>

#include <algorithm>
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
constexpr qsizetype maxReadSize = 1 << 20;
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

namespace {

const char16_t fieldSeparatorText[] = {fieldSeparator};
const char16_t itemSeparatorText[] = {itemSeparator};
const char16_t keySeparatorText[] = {keySeparator};

// A message's text as the pieces it is made of, in order; stamp holds the time stamp they point to.
QList<QStringView> messagePieces(const std::array<QString, 3>& fields, const TAttributeViews& attributes,
                                 bool plain, QString& stamp)
{
    QList<QStringView> pieces;
    pieces.reserve(8 + 4 * attributes.size());
    if (!plain) {
        stamp = QString::number(QTime::currentTime().msec());
        pieces.append(stamp);
    }
    for (const QString& field : fields)
        pieces << QStringView(fieldSeparatorText, 1) << field;
    pieces.append(QStringView(fieldSeparatorText, 1));
    for (qsizetype i = 0; i < attributes.size(); ++i) {
        if (i > 0)
            pieces.append(QStringView(itemSeparatorText, 1));
        pieces << attributes[i].first << QStringView(keySeparatorText, 1) << attributes[i].second;
    }
    return pieces;
}

// A record's attributes as views; the texts they point to stay in texts.
TAttributeViews attributeViews(const TValue& value, QList<TAttribute>& texts)
{
    texts.clear();
    for (const TAttribute& attribute : value.attributes())
        texts.append(attribute);
    TAttributeViews views;
    views.reserve(texts.size());
    for (const TAttribute& attribute : texts)
        views.append({attribute.key, attribute.value.text()});
    return views;
}

} // namespace

QString TTcpMessage::text() const
{
    QList<TAttribute> texts;
    QString stamp;
    QString result;
    for (QStringView piece : messagePieces(fields, attributeViews(attributes, texts), plain, stamp))
        result += piece;
    return result;
}

QByteArray TTcpMessage::wireText(const TCryption& cryption) const
{
    QList<TAttribute> texts;
    return wireText(fields, attributeViews(attributes, texts), plain, cryption);
}

QByteArray TTcpMessage::wireText(const std::array<QString, 3>& fields, const TAttributeViews& attributes,
                                 bool plain, const TCryption& cryption)
{
    QString stamp;
    const QList<QStringView> pieces = messagePieces(fields, attributes, plain, stamp);
    if (!plain)
        return cryption.encryptLatin1(pieces);
    // A plain message is Latin-1 on the wire, as a reply is read back byte by byte.
    QByteArray text(1, '*');
    for (QStringView piece : pieces)
        text += piece.toLatin1();
    return text;
}

bool TTcpMessage::parse(QByteArrayView wireText, const TCryption& cryption)
{
    TTcpMessageText message;
    if (!message.parse(wireText, cryption))
        return false;
    plain = message.isPlain();
    for (int i = 0; i < int(fields.size()); ++i)
        fields[i] = message.field(i).toString();
    QList<TAttribute> items;
    items.reserve(message.attributes().size());
    for (const auto& [key, value] : message.attributes())
        items.append({key.toString(), TVariant(value.isNull() ? QString() : value.toString())});
    attributes.assign(std::move(items));
    return true;
}

bool TTcpMessageText::parse(QByteArrayView wireText, const TCryption& cryption)
{
    m_plain = wireText.startsWith('*');
    m_text = m_plain ? QString::fromLatin1(wireText.sliced(1)) : cryption.decryptLatin1(wireText);
    m_attributes.clear();
    // The time stamp, three fields, and the attributes after the fourth separator.
    const QStringView text(m_text);
    qsizetype at = text.indexOf(fieldSeparator);
    for (QStringView& field : m_fields) {
        if (at < 0)
            return false;
        const qsizetype end = text.indexOf(fieldSeparator, at + 1);
        field = text.sliced(at + 1, (end < 0 ? text.size() : end) - at - 1);
        at = end;
    }
    if (at < 0)
        return false;
    for (QStringView item : text.sliced(at + 1).split(itemSeparator, Qt::SkipEmptyParts)) {
        const qsizetype split = item.indexOf(keySeparator);
        const QStringView key = split < 0 ? item : item.first(split);
        if (!key.isEmpty())
            m_attributes.append({key, split < 0 ? QStringView() : item.sliced(split + 1)});
    }
    // In key order, and of a key given twice the last value, as a record would keep them.
    const auto byKey = [](const auto& a, const auto& b) { return a.first < b.first; };
    if (!std::is_sorted(m_attributes.begin(), m_attributes.end(), byKey))
        std::stable_sort(m_attributes.begin(), m_attributes.end(), byKey);
    qsizetype kept = 0;
    for (qsizetype i = 0; i < m_attributes.size(); ++i) {
        if (kept > 0 && m_attributes[kept - 1].first == m_attributes[i].first)
            m_attributes[kept - 1].second = m_attributes[i].second;
        else
            m_attributes[kept++] = m_attributes[i];
    }
    m_attributes.resize(kept);
    return true;
}

QStringView TTcpMessageText::value(QStringView key) const
{
    const auto found =
        std::lower_bound(m_attributes.begin(), m_attributes.end(), key,
                         [](const auto& attribute, QStringView k) { return attribute.first < k; });
    return found != m_attributes.end() && found->first == key ? found->second : QStringView();
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
    QByteArray replyWire;
    if (!sendWire(host, port, message.wireText(*m_cryption), reply ? &replyWire : nullptr))
        return false;
    if (reply && !reply->parse(replyWire, *m_cryption)) {
        m_error = QStringLiteral("%1:%2: the reply cannot be read").arg(host).arg(port);
        m_failure = Failure::Reply;
        return false;
    }
    return true;
}

bool TTcpClient::sendWire(const QString& host, quint16 port, const QByteArray& wireText,
                          QByteArray* replyWire)
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
    qCDebug(tcpLog).noquote() << QStringLiteral("TTcpClient, writing %1 bytes").arg(wireText.size());
    if (!writeFramed(socket, wireText, m_timeout, deadline)) {
        socket.abort();
        m_error = QStringLiteral("%1:%2: writing failed: %3").arg(host).arg(port).arg(socket.errorString());
        return fail(Failure::Write);
    }
    if (replyWire && !readFramed(socket, *replyWire, m_timeout, &m_error))
        return fail(Failure::Read);
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
    QByteArray bytes;
    if (!readFramed(device, bytes, timeout, error))
        return false;
    text = QString::fromLatin1(bytes);
    return true;
}

bool TTcpClient::readFramed(QIODevice& device, QByteArray& bytes, int timeout, QString* error)
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
        // Before the frame starts, small reads bound what garbage may pass; then what is there.
        const QByteArray chunk = device.read(
            frame.started() ? std::clamp(device.bytesAvailable(), readSize, maxReadSize) : readSize);
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
            qCDebug(tcpLog).noquote() << QStringLiteral("Got ETX at %1 (%2)").arg(used - 1).arg(frame.size());
    }
    bytes = frame.bytes();
    return true;
}

} // namespace Basics
