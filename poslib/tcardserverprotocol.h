#pragma once

#include "basics_global.h"
#include "ttcpclient.h"

#include <QString>
#include <QStringList>

namespace PosLib {

// The card server's messages: one call per connection, one answer back, both as framed, enciphered
// messages of the project's TCP transport.
//
// A call names the card reader it comes from (field 0), the protocol version "1" (field 1) and the
// command (field 2); its arguments are the attributes "a000000", "a000001" ... and the entries of a
// result list handed in with it "g000000" ... An answer carries "code" (the outcome: 0 or a
// CardError code), "message" (the text of an error) and the result entries "r000000" ...
namespace CardServer {

inline constexpr quint16 defaultPort = 4308;
inline const QString defaultReader = QStringLiteral("office");
inline const QString protocolVersion = QStringLiteral("1");
// Bounds of what a message may carry.
inline constexpr qsizetype maxArguments = 64;
inline constexpr qsizetype maxResults = 200000;
// The log entries a reader asks for in one call: a log entry's text is about a kilobyte, and an
// answer must fit into one frame of the transport.
inline constexpr int actionLogPage = 2000;

// The commands of the card dialogs.
inline const QString getErrorCode = QStringLiteral("geterrorcode");
inline const QString getActions = QStringLiteral("getactions");
inline const QString getActionLogs = QStringLiteral("getactionlogs");
// How many entries "getactionlogs" would give in all: [UID, "true" to count read entries too].
inline const QString countActionLogs = QStringLiteral("countactionlogs");
inline const QString removeAction = QStringLiteral("removeaction");
inline const QString updateAction = QStringLiteral("updateaction");
inline const QString updateClient = QStringLiteral("updateclient");
inline const QString getAllClients = QStringLiteral("getallclientsfromdb");
inline const QString checkUser = QStringLiteral("checkuser");
inline const QString askCardNumber = QStringLiteral("askcardnumber");
inline const QString ejectCard = QStringLiteral("ejectcard");
// The reader's own operations.
inline const QString readCard = QStringLiteral("readcard");
inline const QString writeCard = QStringLiteral("writecard");
inline const QString formatCard = QStringLiteral("formatcard");
inline const QString waitReader = QStringLiteral("waitreader");
// The virtual reader and the till: cards put on and taken off, failures to come, bookings.
inline const QString putCard = QStringLiteral("putcard");
inline const QString takeCard = QStringLiteral("takecard");
inline const QString listCards = QStringLiteral("listcards");
inline const QString failNext = QStringLiteral("failnext");
inline const QString bookActions = QStringLiteral("bookactions");

} // namespace CardServer

struct BASICS_EXPORT TCardServerCall {
    QString reader;
    QString command;
    QStringList arguments;
    // Entries of the result list that the caller filled before the command.
    QStringList given;

    Basics::TTcpMessage toMessage() const;
    // False, with the reason, for a message that is no call or breaks the bounds.
    bool fromMessage(const Basics::TTcpMessage& message, QString* why = nullptr);
    // False when a text holds one of the characters that separate the parts of a message (0x02 to
    // 0x04): such a call cannot be sent.
    bool isTransferable() const;
};

struct BASICS_EXPORT TCardServerAnswer {
    int code = 0;
    QString message;
    QStringList results;

    // Straight from and to the wire, without a record in between: an answer may be megabytes.
    QByteArray wireText(const Basics::TCryption& cryption) const;
    bool fromWire(QByteArrayView wireText, const Basics::TCryption& cryption);
    bool isTransferable() const;
};

// Sends the call and reads the answer. When the exchange fails the answer has no results, the code
// NoDatabase when the server could not be reached or did not answer in time, InternalError when
// the call could not be sent or the answer not read, and the reason as its message.
BASICS_EXPORT TCardServerAnswer callCardServer(Basics::TTcpClient& client, const QString& host, quint16 port,
                                               const TCardServerCall& call);

} // namespace PosLib
