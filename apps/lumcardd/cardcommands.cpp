#include "cardcommands.h"

#include "cardbooking.h"
#include "cardstore.h"
#include "passwords.h"
#include "readerslots.h"
#include "tcardactionlog.h"
#include "tcarderrors.h"
#include "tcardproperties.h"
#include "tcryption.h"
#include "terror.h"
#include "tlog.h"
#include "tnetcardaction.h"
#include "tnetclient.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace CardError = PosLib::CardError;
namespace CardServer = PosLib::CardServer;

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("TCardCommands", text);
}

PosLib::TCardServerAnswer answer(int code, const QStringList& results = {}, const QString& message = {})
{
    PosLib::TCardServerAnswer a;
    a.code = code;
    a.results = results;
    a.message = message;
    return a;
}

// An answer whose first entry repeats the outcome, as the dialogs read it.
PosLib::TCardServerAnswer outcome(int code, const QString& message = {}, const QStringList& more = {})
{
    return answer(code, QStringList{QString::number(code)} + more, message);
}

QString argument(const PosLib::TCardServerCall& call, int i)
{
    return call.arguments.value(i);
}

bool isUid(const QString& uid)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9A-Fa-f]{8,20}$"));
    return pattern.match(uid).hasMatch();
}

// A card's four functions are fixed when it is formatted; a write keeps them.
void keepFunctions(PosLib::TCardProperties& card, const PosLib::TCardProperties& stored)
{
    card.setCanCredit(stored.canCredit());
    card.setCanPoints(stored.canPoints());
    card.setCanTable(stored.canTable());
    card.setCanWaiter(stored.canWaiter());
}

TCardStore::Card storedCard(const QString& uid, const PosLib::TCardProperties& card)
{
    return {uid, card.toXml(), qint64(card.getCounter()), qint64(card.getCardNumber())};
}

} // namespace

TCardCommands::TCardCommands(TCardStore& store, TReaderSlots& readers, Clock clock)
    : m_store(store)
    , m_readers(readers)
    , m_clock(std::move(clock))
{
    m_handlers = {
        {CardServer::getErrorCode, &TCardCommands::getErrorCode},
        {CardServer::getActions, &TCardCommands::getActions},
        {CardServer::getActionLogs, &TCardCommands::getActionLogs},
        {CardServer::countActionLogs, &TCardCommands::countActionLogs},
        {CardServer::removeAction, &TCardCommands::removeAction},
        {CardServer::updateAction, &TCardCommands::updateAction},
        {CardServer::updateClient, &TCardCommands::updateClient},
        {CardServer::getAllClients, &TCardCommands::getAllClients},
        {CardServer::checkUser, &TCardCommands::checkUser},
        {CardServer::askCardNumber, &TCardCommands::askCardNumber},
        {CardServer::ejectCard, &TCardCommands::ejectCard},
        {CardServer::readCard, &TCardCommands::readCard},
        {CardServer::writeCard, &TCardCommands::writeCard},
        {CardServer::formatCard, &TCardCommands::formatCard},
        {CardServer::waitReader, &TCardCommands::waitReader},
        {CardServer::putCard, &TCardCommands::putCard},
        {CardServer::takeCard, &TCardCommands::takeCard},
        {CardServer::listCards, &TCardCommands::listCards},
        {CardServer::failNext, &TCardCommands::failNext},
        {CardServer::bookActions, &TCardCommands::bookActions},
    };
}

bool TCardCommands::knows(const QString& command) const
{
    return m_handlers.contains(command);
}

PosLib::TCardServerAnswer TCardCommands::run(const Call& call)
{
    const Handler handler = m_handlers.value(call.command);
    Answer result;
    if (!handler) {
        result = answer(CardError::InternalError, {}, tr("Unknown command"));
    } else {
        try {
            result = (this->*handler)(call);
        } catch (const Basics::TError& error) {
            Basics::TLog::instance().write(Basics::TLog::Error, error.description(), "lumcardd",
                                           "TCardCommands");
            result = answer(CardError::NoDatabase, {}, tr("The card database cannot be used."));
        }
    }
    // The reader's last error code is that of the terminal's last operation; watching the reader and
    // driving the virtual reader are no operations of the terminal.
    static const QStringList notOperations = {CardServer::getErrorCode, CardServer::waitReader,
                                              CardServer::putCard,      CardServer::takeCard,
                                              CardServer::listCards,    CardServer::failNext};
    if (handler && !notOperations.contains(call.command))
        m_readers.setLastCode(call.reader, result.code);
    // Only the command and its outcome are logged: arguments may hold passwords.
    Basics::TLog::instance().write(
        Basics::TLog::Debug, QStringLiteral("%1 from %2: %3").arg(call.command, call.reader).arg(result.code),
        "lumcardd", "TCardCommands");
    return result;
}

QByteArray TCardCommands::answerWire(const QString& frameText)
{
    static const Basics::TCryption cryption;
    Basics::TTcpMessage message;
    Call call;
    QString why;
    Answer result;
    if (!message.parse(frameText, cryption))
        result = answer(CardError::InternalError, {}, tr("The call cannot be read."));
    else if (!call.fromMessage(message, &why))
        result = answer(CardError::InternalError, {}, why);
    else
        result = run(call);
    if (!result.isTransferable())
        result = answer(CardError::InternalError, {}, tr("The answer holds characters that cannot be sent."));
    QByteArray wire = result.wireText(cryption);
    if (wire.size() > Basics::TFrameReader::defaultLimit)
        wire =
            answer(CardError::InternalError, {}, tr("The answer is too long to be sent.")).wireText(cryption);
    return wire;
}

bool TCardCommands::authenticate(const QString& user, const QString& password, QString& message)
{
    const QString hash = user.isEmpty() ? QString() : m_store.userHash(user);
    if (!hash.isEmpty() && Passwords::verify(hash, password))
        return true;
    message = tr("Unknown user or wrong password.");
    return false;
}

bool TCardCommands::cardOperation(const Call& call, QString& uid, Answer& refusal)
{
    if (const int failure = m_readers.takeFailure(call.reader)) {
        refusal = answer(failure, {QString()}, tr("The reader failed."));
        return false;
    }
    uid = m_readers.cardOn(call.reader);
    if (uid.isEmpty()) {
        refusal = answer(CardError::NoCard, {QString()});
        return false;
    }
    return true;
}

PosLib::TCardActionLog cardLogEntry(const QString& cardText, const QString& action, const QString& reader,
                                    const QString& reason, const QString& comment, int waiter,
                                    const QDateTime& when)
{
    PosLib::TCardActionLog entry(cardText);
    entry.setAction(action);
    entry.setResult(PosLib::TCardActionLog::success);
    entry.setReason(reason);
    entry.setComment(comment);
    entry.setActionDateTime(when);
    entry.setTerminalId(reader);
    entry.setWaiter(waiter);
    return entry;
}

void TCardCommands::log(const QString& uid, const QString& cardText, const QString& action, const Call& call,
                        const QString& reason, const QString& comment, int waiter)
{
    PosLib::TCardActionLog entry =
        cardLogEntry(cardText, action, call.reader, reason, comment, waiter, m_clock());
    entry.setID(m_store.nextLogId());
    m_store.addLog(uid, entry.getID(), entry.toXml());
}

PosLib::TCardServerAnswer TCardCommands::getErrorCode(const Call& call)
{
    return answer(CardError::Success, {QString::number(m_readers.lastCode(call.reader))});
}

PosLib::TCardServerAnswer TCardCommands::getActions(const Call& call)
{
    QStringList texts;
    for (const TCardStore::Action& action : m_store.actions(argument(call, 0), argument(call, 1) == u"true"))
        texts.append(action.text);
    return answer(CardError::Success, texts);
}

PosLib::TCardServerAnswer TCardCommands::getActionLogs(const Call& call)
{
    const int max = qBound(0, argument(call, 1).toInt(), int(CardServer::maxResults));
    // A fourth argument asks for the entries older than the entry of that id: the reader fetches a
    // long log page by page, since one answer holds some thousand entries at most.
    return answer(CardError::Success,
                  m_store.readLogs(argument(call, 0), max == 0 ? int(CardServer::maxResults) : max,
                                   argument(call, 2) == u"true", argument(call, 3).toInt()));
}

PosLib::TCardServerAnswer TCardCommands::countActionLogs(const Call& call)
{
    return answer(CardError::Success,
                  {QString::number(m_store.countLogs(argument(call, 0), argument(call, 1) == u"true"))});
}

PosLib::TCardServerAnswer TCardCommands::removeAction(const Call& call)
{
    const int id = argument(call, 0).toInt();
    const std::optional<TCardStore::Action> action = m_store.action(id);
    if (!action)
        return outcome(CardError::NotInDatabase, tr("There is no such action."));
    if (action->booked)
        return outcome(CardError::InternalError,
                       tr("The action has been carried out; it cannot be removed."));
    m_store.removeAction(id);
    return outcome(CardError::Success);
}

PosLib::TCardServerAnswer TCardCommands::updateAction(const Call& call)
{
    PosLib::TNetCardAction action;
    if (argument(call, 0).isEmpty() || !action.setXml(argument(call, 0)))
        return outcome(CardError::InternalError, tr("The action text is not XML."));
    const QString uid = call.given.value(0).isEmpty() ? action.getUid() : call.given.value(0);
    if (uid.isEmpty() || !m_store.card(uid))
        return outcome(CardError::NotInDatabase, tr("The action's card is not known."));

    TCardStore::Transaction transaction(m_store);
    int id = action.getID();
    if (id > 0) {
        if (const std::optional<TCardStore::Action> stored = m_store.action(id)) {
            if (stored->uid != uid)
                return outcome(CardError::CardDataMismatch, tr("The action belongs to another card."));
            if (stored->booked)
                return outcome(CardError::InternalError,
                               tr("The action has been carried out; it cannot be changed."));
        }
    } else {
        id = m_store.nextActionId();
    }
    // Whether and when an action was carried out is the server's to say.
    action.setID(id);
    action.setUid(uid);
    action.setBooked(false);
    action.remove("triggertime");
    action.remove("triggertimetime");
    action.remove("terminal");
    m_store.putAction({id, uid, action.toXml(), false});
    transaction.commit();
    return outcome(CardError::Success, {}, {QString::number(id)});
}

PosLib::TCardServerAnswer TCardCommands::updateClient(const Call& call)
{
    PosLib::TNetClient client;
    if (argument(call, 0).isEmpty() || !client.setXml(argument(call, 0)))
        return outcome(CardError::InternalError, tr("The client text is not XML."));
    TCardStore::Transaction transaction(m_store);
    const int id = client.getID() > 0 ? client.getID() : m_store.nextClientId();
    client.setID(id);
    m_store.putClient(id, client.toXml());
    transaction.commit();
    return outcome(CardError::Success, {}, {QString::number(id)});
}

PosLib::TCardServerAnswer TCardCommands::getAllClients(const Call&)
{
    return answer(CardError::Success, m_store.clientTexts());
}

PosLib::TCardServerAnswer TCardCommands::checkUser(const Call& call)
{
    QString message;
    if (!authenticate(argument(call, 0), argument(call, 1), message))
        return outcome(CardError::Authorisation, message, {message});
    return outcome(CardError::Success);
}

PosLib::TCardServerAnswer TCardCommands::askCardNumber(const Call& call)
{
    QString message;
    if (!authenticate(argument(call, 0), argument(call, 1), message))
        return answer(CardError::Authorisation, {QString()}, message);
    return answer(CardError::Success, {m_store.uidsWithNumber(argument(call, 3).toLongLong()).join(u',')});
}

PosLib::TCardServerAnswer TCardCommands::ejectCard(const Call& call)
{
    m_readers.take(call.reader);
    return answer(CardError::Success);
}

PosLib::TCardServerAnswer TCardCommands::readCard(const Call& call)
{
    QString uid;
    Answer refusal;
    if (!cardOperation(call, uid, refusal))
        return refusal;
    const std::optional<TCardStore::Card> card = m_store.card(uid);
    if (!card || card->text.isEmpty())
        return answer(CardError::NotK7Card, {QString()});
    return answer(CardError::Success, {card->text});
}

PosLib::TCardServerAnswer TCardCommands::writeCard(const Call& call)
{
    QString uid;
    Answer refusal;
    if (!cardOperation(call, uid, refusal))
        return refusal;
    TCardStore::Transaction transaction(m_store);
    const std::optional<TCardStore::Card> stored = m_store.card(uid);
    if (!stored || stored->text.isEmpty())
        return answer(CardError::NotK7Card, {}, tr("The card is not formatted."));
    PosLib::TCardProperties card;
    if (!card.setXml(argument(call, 0)) || card.isEmpty())
        return answer(CardError::CardDataMismatch, {}, tr("The card text is not XML."));
    if (card.getUid() != uid)
        return answer(CardError::WrongMifareUid, {}, tr("The card text belongs to another card."));
    // Whoever read the card before the last write must read it again.
    if (qint64(card.getCounter()) != stored->counter)
        return answer(CardError::CounterMismatch, {}, tr("The card was written since it was read."));

    const PosLib::TCardProperties before(stored->text);
    keepFunctions(card, before);
    card.setCardNumber(before.getCardNumber());
    card.setCounter(card.getCounter() + 1);
    card.setLastProcess(m_clock());
    m_store.putCard(storedCard(uid, card));
    log(uid, card.toXml(), QStringLiteral("write"), call, argument(call, 2), argument(call, 3),
        argument(call, 1).toInt());
    transaction.commit();
    return answer(CardError::Success);
}

PosLib::TCardServerAnswer TCardCommands::formatCard(const Call& call)
{
    QString message;
    if (!authenticate(argument(call, 1), argument(call, 2), message))
        return answer(CardError::Authorisation, {}, message);
    QString uid;
    Answer refusal;
    if (!cardOperation(call, uid, refusal))
        return refusal;
    PosLib::TCardProperties card;
    if (!card.setXml(argument(call, 0)) || card.isEmpty())
        return answer(CardError::CardDataMismatch, {}, tr("The card text is not XML."));
    if (!card.getUid().isEmpty() && card.getUid() != uid)
        return answer(CardError::WrongMifareUid, {}, tr("The card text belongs to another card."));

    TCardStore::Transaction transaction(m_store);
    const QDateTime now = m_clock();
    card.setUid(uid);
    card.setCounter(0);
    card.setLastFormat(now);
    card.setLastProcess(now);
    card.setDatabaseCard(true);

    // The client to create with the card: under the card's client number when that is free,
    // otherwise under a new number, which the card then carries. A client that exists stays.
    PosLib::TNetClient client;
    if (client.setXml(argument(call, 3)) && (!client.getName().isEmpty() || !client.getPrename().isEmpty())) {
        const int wanted = int(card.getClientNumber());
        if (wanted <= 0 || !m_store.client(wanted)) {
            const int id = wanted > 0 ? wanted : m_store.nextClientId();
            client.setID(id);
            m_store.putClient(id, client.toXml());
            card.setClientNumber((unsigned long)id);
        }
    }
    m_store.putCard(storedCard(uid, card));
    log(uid, card.toXml(), QStringLiteral("format"), call, QStringLiteral("officeFormat"), QString(), 0);
    transaction.commit();
    return answer(CardError::Success);
}

PosLib::TCardServerAnswer TCardCommands::waitReader(const Call& call)
{
    return answer(CardError::Success, {m_readers.cardOn(call.reader)});
}

QString TCardCommands::newBlankUid()
{
    for (;;) {
        // Four bytes as a Mifare Classic card has them, the first one not 0x08 (random UIDs).
        const quint32 bytes = QRandomGenerator::system()->generate() | 0x01000000u;
        const QString uid = QStringLiteral("%1").arg(bytes, 8, 16, QLatin1Char('0')).toUpper();
        if (!m_store.card(uid))
            return uid;
    }
}

PosLib::TCardServerAnswer TCardCommands::putCard(const Call& call)
{
    QString uid = argument(call, 0).toUpper();
    if (!uid.isEmpty() && !isUid(uid))
        return answer(CardError::NoMifareUid, {}, tr("A UID is 8 to 20 hexadecimal digits."));
    TCardStore::Transaction transaction(m_store);
    if (uid.isEmpty())
        uid = newBlankUid();
    // A card the server has not seen is a blank card out of the box.
    if (!m_store.card(uid))
        m_store.putCard({uid, QString(), 0, 0});
    transaction.commit();
    if (!m_readers.put(call.reader, uid))
        return answer(CardError::ReaderInUse, {}, tr("Too many readers."));
    return answer(CardError::Success, {uid});
}

PosLib::TCardServerAnswer TCardCommands::takeCard(const Call& call)
{
    m_readers.take(call.reader);
    return answer(CardError::Success);
}

PosLib::TCardServerAnswer TCardCommands::listCards(const Call&)
{
    QStringList rows;
    for (const TCardStore::Card& card : m_store.cards()) {
        QString client;
        if (!card.text.isEmpty()) {
            const PosLib::TCardProperties properties(card.text);
            if (const std::optional<QString> text = m_store.client(int(properties.getClientNumber()))) {
                const PosLib::TNetClient netClient(*text);
                client = QStringList{netClient.getPrename(), netClient.getName()}.join(u' ').trimmed();
            }
        }
        rows.append(
            QStringList{card.uid, card.text.isEmpty() ? QString() : QString::number(card.number), client}
                .join(u'\t'));
    }
    return answer(CardError::Success, rows);
}

PosLib::TCardServerAnswer TCardCommands::failNext(const Call& call)
{
    bool ok = false;
    const int code = argument(call, 0).toInt(&ok);
    if (!ok || code >= 0)
        return answer(CardError::InternalError, {}, tr("A failure is a negative error code."));
    m_readers.failNext(call.reader, code);
    return answer(CardError::Success);
}

PosLib::TCardServerAnswer TCardCommands::bookActions(const Call& call)
{
    QString uid;
    Answer refusal;
    if (!cardOperation(call, uid, refusal))
        return refusal;
    TCardStore::Transaction transaction(m_store);
    const std::optional<TCardStore::Card> stored = m_store.card(uid);
    if (!stored || stored->text.isEmpty())
        return answer(CardError::NotK7Card, {QStringLiteral("0")});
    PosLib::TCardProperties card(stored->text);
    const QDateTime now = m_clock();
    int booked = 0;
    for (const TCardStore::Action& row : m_store.actions(uid, false)) {
        PosLib::TNetCardAction action(row.text);
        if (!CardBooking::isDue(action, now) || !CardBooking::apply(card, action))
            continue;
        action.setBooked(true);
        action.setTriggerTime(now);
        action.setTerminal(call.reader.toInt());
        m_store.putAction({row.id, uid, action.toXml(), true});
        log(uid, card.toXml(), QStringLiteral("book"), call, QStringLiteral("action"), action.getActionText(),
            action.getCreateWaiter());
        ++booked;
    }
    if (booked > 0) {
        card.setCounter(card.getCounter() + 1);
        card.setLastProcess(now);
        m_store.putCard(storedCard(uid, card));
    }
    transaction.commit();
    return answer(CardError::Success, {QString::number(booked)});
}
