#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>

#include <QList>
#include <QStringView>

#include <array>
#include <memory>
#include <utility>

class QIODevice;

namespace Basics {

class TCryption;

// A message's attributes as keys and values, in key order, each key once.
using TAttributeViews = QList<std::pair<QStringView, QStringView>>;

// One message of the framed TCP protocol: three text fields and the attributes of a record. A
// plain message travels as it is, behind a "*"; every other one as cipher text.
struct BASICS_EXPORT TTcpMessage {
    std::array<QString, 3> fields;
    TValue attributes;
    bool plain = false;

    // The text before ciphering: the milliseconds of the current time (not for plain messages),
    // then the fields behind 0x02 each, a closing 0x02, and the attributes in key order as key 0x04
    // value, joined with 0x03.
    QString text() const;
    // What goes over the wire: "*" + text() for a plain message, the cipher text otherwise.
    QByteArray wireText(const TCryption& cryption) const;
    // The same for a message given as its fields and its attributes in key order, without a
    // record: an answer of megabytes goes out without a copy of its texts.
    static QByteArray wireText(const std::array<QString, 3>& fields, const TAttributeViews& attributes,
                               bool plain, const TCryption& cryption);
    // Reads a text received from the wire (plain or cipher text) into fields and attributes;
    // false when it is neither.
    bool parse(QByteArrayView wireText, const TCryption& cryption);
    // The same for a wire text taken one byte a character.
    bool parse(QStringView wireText, const TCryption& cryption)
    {
        return parse(QByteArrayView(wireText.toLatin1()), cryption);
    }
};

// A message received from the wire, read without a record: its text, and its fields and
// attributes as views into that text. An answer of megabytes is read once and taken apart in
// place.
class BASICS_EXPORT TTcpMessageText {
public:
    // False when the wire text is neither plain nor cipher text of a message.
    bool parse(QByteArrayView wireText, const TCryption& cryption);
    bool isPlain() const { return m_plain; }
    QStringView field(int index) const { return m_fields[index]; }
    // In key order; of a key given twice, the last value.
    const TAttributeViews& attributes() const { return m_attributes; }
    // The value of key; a null view when the message has none.
    QStringView value(QStringView key) const;

private:
    QString m_text;
    std::array<QStringView, 3> m_fields;
    TAttributeViews m_attributes;
    bool m_plain = false;
};

// Collects one framed message from the bytes of a connection: everything after 0x05 up to 0x06,
// each byte taken as one character. Bytes before 0x05 are skipped.
class BASICS_EXPORT TFrameReader {
public:
    // Frames longer than this are refused, so a peer cannot make the reader grow without end.
    static constexpr qsizetype defaultLimit = 16 * 1024 * 1024;

    explicit TFrameReader(qsizetype limit = defaultLimit);

    // Takes bytes until the frame is complete and returns how many it took; the rest belongs to
    // whatever follows the frame.
    qsizetype feed(QByteArrayView bytes);
    bool started() const { return m_started; }
    bool complete() const { return m_complete; }
    bool overflowed() const { return m_overflowed; }
    // The bytes after 0x05 so far, each taken as one character.
    QString text() const { return QString::fromLatin1(m_bytes); }
    const QByteArray& bytes() const { return m_bytes; }
    // How many bytes the reader holds: one per character.
    qsizetype size() const { return m_bytes.size(); }
    void reset();

private:
    qsizetype m_limit;
    QByteArray m_bytes;
    bool m_started = false;
    bool m_complete = false;
    bool m_overflowed = false;
};

// Sends one message to a server over a blocking connection and can read one reply. Every wait is
// bounded: connecting (with the name lookup) by connectTimeout, each write and each wait for reply
// bytes by timeout.
class BASICS_EXPORT TTcpClient : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultTimeout = 11000;
    static constexpr int defaultConnectTimeout = 1000;
    // Characters per piece on the wire.
    static constexpr qsizetype pieceSize = 512;

    explicit TTcpClient(QObject* parent = nullptr);
    ~TTcpClient() override;

    int timeout() const { return m_timeout; }
    void setTimeout(int milliseconds) { m_timeout = milliseconds; }
    int connectTimeout() const { return m_connectTimeout; }
    void setConnectTimeout(int milliseconds) { m_connectTimeout = milliseconds; }

    // The step at which the last send failed.
    enum class Failure { None, Connect, Write, Read, Reply };
    // The longest time one send may take from connecting to the last byte written, whatever the
    // single waits; 0 (the default) sets no such bound.
    int sendTimeout() const { return m_sendTimeout; }
    void setSendTimeout(int milliseconds) { m_sendTimeout = milliseconds; }

    // Connects, sends the message and, when reply is given, reads the answer into it. False when
    // any step fails; failure() and errorString() then say which.
    bool send(const QString& host, quint16 port, const TTcpMessage& message, TTcpMessage* reply = nullptr);
    // The same with the message as wire text; the reply, when asked for, as it came (not yet
    // deciphered or read).
    bool sendWire(const QString& host, quint16 port, const QByteArray& wireText, QByteArray* replyWire);
    const TCryption& cryption() const { return *m_cryption; }
    Failure failure() const { return m_failure; }
    const QString& errorString() const { return m_error; }

    // The framing of a message text: 0x05 and pieces of at most 512 characters, 0x06 after the
    // last, each piece one write followed by a wait until it is written.
    static bool writeFramed(QIODevice& device, const QByteArray& text, int timeout,
                            QDeadlineTimer deadline = QDeadlineTimer::Forever);
    // Reads up to the end of one framed reply: up to 10 reads of at most 1000 bytes may pass
    // without 0x05, and no wait for bytes may take longer than timeout.
    static bool readFramed(QIODevice& device, QString& text, int timeout, QString* error = nullptr);
    static bool readFramed(QIODevice& device, QByteArray& bytes, int timeout, QString* error = nullptr);

private:
    int m_timeout = defaultTimeout;
    int m_connectTimeout = defaultConnectTimeout;
    Failure m_failure = Failure::None;
    int m_sendTimeout = 0;
    QString m_error;
    std::unique_ptr<TCryption> m_cryption;
};

} // namespace Basics
