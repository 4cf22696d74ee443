#pragma once

#include "tcardserverprotocol.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <functional>

class TCardStore;
class TReaderSlots;

namespace PosLib {
class TCardActionLog;
}

// A log entry of a card: its data after the action (the card text), what was done, why, by whom
// and on which reader.
PosLib::TCardActionLog cardLogEntry(const QString& cardText, const QString& action, const QString& reader,
                                    const QString& reason, const QString& comment, int waiter,
                                    const QDateTime& when);

// The card server's answers: every command of the card dialogs, the reader's own operations and
// those of the virtual reader, carried out on the store and the reader slots. Errors of the
// database end a command with NoDatabase and change nothing; nothing throws out of run().
class TCardCommands {
public:
    using Clock = std::function<QDateTime()>;

    TCardCommands(TCardStore& store, TReaderSlots& readers, Clock clock = &QDateTime::currentDateTime);

    PosLib::TCardServerAnswer run(const PosLib::TCardServerCall& call);
    // Decodes a framed message's text, runs the call and returns the answer's wire text.
    QByteArray answerWire(const QString& frameText);

    // Whether the command is one the server knows.
    bool knows(const QString& command) const;

private:
    using Answer = PosLib::TCardServerAnswer;
    using Call = PosLib::TCardServerCall;
    using Handler = Answer (TCardCommands::*)(const Call&);

    Answer getErrorCode(const Call& call);
    Answer getActions(const Call& call);
    Answer getActionLogs(const Call& call);
    Answer countActionLogs(const Call& call);
    Answer removeAction(const Call& call);
    Answer updateAction(const Call& call);
    Answer updateClient(const Call& call);
    Answer getAllClients(const Call& call);
    Answer checkUser(const Call& call);
    Answer askCardNumber(const Call& call);
    Answer ejectCard(const Call& call);
    Answer readCard(const Call& call);
    Answer writeCard(const Call& call);
    Answer formatCard(const Call& call);
    Answer waitReader(const Call& call);
    Answer putCard(const Call& call);
    Answer takeCard(const Call& call);
    Answer listCards(const Call& call);
    Answer failNext(const Call& call);
    Answer bookActions(const Call& call);

    // Checks a user's password; false with the message for the operator.
    bool authenticate(const QString& user, const QString& password, QString& message);
    // The start of every card operation: a failure set for the reader, or no card on it, end it.
    bool cardOperation(const Call& call, QString& uid, Answer& refusal);
    // Writes a log entry of the card with its data after the action.
    void log(const QString& uid, const QString& cardText, const QString& action, const Call& call,
             const QString& reason, const QString& comment, int waiter);
    QString newBlankUid();

    TCardStore& m_store;
    TReaderSlots& m_readers;
    Clock m_clock;
    QHash<QString, Handler> m_handlers;
};
