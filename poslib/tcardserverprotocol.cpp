#include "tcardserverprotocol.h"

#include "tcarderrors.h"

#include <QCoreApplication>

namespace PosLib {

namespace {

constexpr int indexWidth = 6;
const QString answerName = QStringLiteral("answer");

QString indexKey(char16_t prefix, qsizetype index)
{
    return prefix + QStringLiteral("%1").arg(index, indexWidth, 10, QLatin1Char('0'));
}

void putList(QList<Basics::TAttribute>& attributes, char16_t prefix, const QStringList& entries)
{
    for (qsizetype i = 0; i < entries.size(); ++i)
        attributes.append({indexKey(prefix, i), Basics::TVariant(entries[i])});
}

// The entries under prefix, which must be numbered 0, 1, 2 ... without a gap; false when they are
// not or there are more than max.
bool takeList(const Basics::TAttributeViews& attributes, char16_t prefix, qsizetype max, QStringList& entries)
{
    entries.clear();
    for (const auto& [key, value] : attributes) {
        if (key.size() != indexWidth + 1 || key[0] != prefix)
            continue;
        if (entries.size() >= max || key != indexKey(prefix, entries.size()))
            return false;
        entries.append(value.toString());
    }
    return true;
}

bool takeList(const Basics::TValue& attributes, char16_t prefix, qsizetype max, QStringList& entries)
{
    QList<Basics::TAttribute> texts;
    for (const Basics::TAttribute& attribute : attributes.attributes())
        texts.append(attribute);
    Basics::TAttributeViews views;
    for (const Basics::TAttribute& attribute : texts)
        views.append({attribute.key, attribute.value.text()});
    return takeList(views, prefix, max, entries);
}

bool transferable(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x02 && c.unicode() <= 0x04)
            return false;
    }
    return true;
}

bool transferable(const QStringList& texts)
{
    for (const QString& text : texts) {
        if (!transferable(text))
            return false;
    }
    return true;
}

} // namespace

Basics::TTcpMessage TCardServerCall::toMessage() const
{
    Basics::TTcpMessage message;
    message.fields = {reader, CardServer::protocolVersion, command};
    QList<Basics::TAttribute> attributes;
    putList(attributes, u'a', arguments);
    putList(attributes, u'g', given);
    message.attributes.assign(std::move(attributes));
    return message;
}

bool TCardServerCall::fromMessage(const Basics::TTcpMessage& message, QString* why)
{
    const auto refuse = [why](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (message.fields[1] != CardServer::protocolVersion)
        return refuse(
            QStringLiteral("not a card server call of version %1").arg(CardServer::protocolVersion));
    reader = message.fields[0];
    command = message.fields[2];
    if (!takeList(message.attributes, u'a', CardServer::maxArguments, arguments) ||
        !takeList(message.attributes, u'g', CardServer::maxArguments, given))
        return refuse(QStringLiteral("arguments out of order or too many"));
    return true;
}

bool TCardServerCall::isTransferable() const
{
    return transferable(reader) && transferable(command) && transferable(arguments) && transferable(given);
}

QByteArray TCardServerAnswer::wireText(const Basics::TCryption& cryption) const
{
    // Keys in order: "code", "message", then the results.
    const QString codeText = QString::number(code);
    Basics::TAttributeViews attributes;
    attributes.reserve(results.size() + 2);
    attributes.append({u"code", codeText});
    if (!message.isEmpty())
        attributes.append({u"message", message});
    QStringList keys;
    keys.reserve(results.size());
    for (qsizetype i = 0; i < results.size(); ++i) {
        keys.append(indexKey(u'r', i));
        attributes.append({keys.constLast(), results[i]});
    }
    return Basics::TTcpMessage::wireText({QString(), CardServer::protocolVersion, answerName}, attributes,
                                         false, cryption);
}

bool TCardServerAnswer::fromWire(QByteArrayView wireText, const Basics::TCryption& cryption)
{
    Basics::TTcpMessageText wire;
    if (!wire.parse(wireText, cryption))
        return false;
    bool ok = false;
    code = wire.value(u"code").toInt(&ok);
    message = wire.value(u"message").toString();
    return ok && wire.field(1) == CardServer::protocolVersion && wire.field(2) == answerName &&
           takeList(wire.attributes(), u'r', CardServer::maxResults, results);
}

bool TCardServerAnswer::isTransferable() const
{
    return transferable(message) && transferable(results);
}

TCardServerAnswer callCardServer(Basics::TTcpClient& client, const QString& host, quint16 port,
                                 const TCardServerCall& call)
{
    TCardServerAnswer answer;
    const auto fail = [&answer](int code, const QString& why) {
        answer = TCardServerAnswer();
        answer.code = code;
        answer.message = why;
        return answer;
    };
    if (!call.isTransferable())
        return fail(CardError::InternalError,
                    QCoreApplication::translate("PosLib::TCardServerCall",
                                                "The command holds characters that cannot be sent."));
    QByteArray reply;
    if (!client.sendWire(host, port, call.toMessage().wireText(client.cryption()), &reply))
        return fail(CardError::NoDatabase, client.errorString());
    if (!answer.fromWire(reply, client.cryption()))
        return fail(CardError::InternalError,
                    QCoreApplication::translate("PosLib::TCardServerCall",
                                                "The card server's answer cannot be read."));
    return answer;
}

} // namespace PosLib
