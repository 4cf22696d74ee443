#pragma once

// How the card dialogs reach the card server: only through the card reader device of the host's
// reader device list, which relays the commands.

#include "lumdialogs_global.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QEvent;

namespace Devices {
class TNetReader;
}

namespace LumDialogs {

// The first device of the host's reader device list named "TNetReader"; null when there is none.
LUMDIALOGS_EXPORT Devices::TNetReader* findCardReader();

// Entry 0 of the reader's "geterrorcode" as a number; -1 without a reader or an answer.
LUMDIALOGS_EXPORT int cardReaderErrorCode(Devices::TNetReader* reader);

// Sends a command whose result entry 0 is its outcome (given: entries handed in with the command;
// answer, when given, gets the whole answer).
// The outcome is that entry as a number. An empty answer (the server could not be reached, stopped
// in the middle, or answered what cannot be read) is the reader's own error code, so that the
// operator reads why; -19 ("Unsupported reader") without a reader or when the reader knows no error.
LUMDIALOGS_EXPORT int cardCommandOutcome(Devices::TNetReader* reader, const QString& command,
                                         const QStringList& arguments, QStringList given = {},
                                         QStringList* answer = nullptr);

} // namespace LumDialogs

// The card reader as a card dialog holds it: the first device named "TNetReader" of the
// workspace's reader device list. A dialog that claims it hears its reports (a card put on or taken
// off) in a slot of its own, which only posts them to the GUI thread; while the dialog drives the
// reader itself (a modal dialog of its own is open, a list is loading) it releases the reader and
// reconnects afterwards. Dialogs that only send commands find the reader and connect nothing.
class LUMDIALOGS_EXPORT TCardReaderLink {
public:
    // Finds the reader; reader() is null when the device list has none.
    TCardReaderLink();
    ~TCardReaderLink();
    TCardReaderLink(const TCardReaderLink&) = delete;
    TCardReaderLink& operator=(const TCardReaderLink&) = delete;

    Devices::TNetReader* reader() const;
    explicit operator bool() const { return reader() != nullptr; }

    // Connects the reader's reports to the receiver's slot (queued: the reader reports from a thread
    // of its own). Without a reader nothing is connected and the result is false.
    bool claim(QObject* receiver, std::function<void(const QString&)> onReader);
    // Disconnects the reports; the reader stays known.
    void release();
    // Connects them again after release.
    void reconnect();
    bool isConnected() const { return bool(m_connection); }
    // Claimed by a dialog, connected or released for the moment.
    bool isClaimed() const { return reader() && m_connect; }

    // Posts a report to the receiver of claim() as a reader event (type 1006), which the receiver's
    // customEvent hands to handle() in the GUI thread.
    void post(const QString& uid) const;
    // Handles a reader event with gotReaderData, one report at a time and not while the dialog is
    // busy with the reader (a list loads, a question box runs an event loop): a report that arrives
    // meanwhile is handled afterwards, the last one only. False for an event of another type.
    bool handle(QEvent* event, const std::function<void(const QString&)>& gotReaderData);

    // While it lives, reports wait.
    class Busy {
    public:
        explicit Busy(TCardReaderLink& link);
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        TCardReaderLink& m_link;
    };

    // The code of the reader's last operation ("geterrorcode"); -1 without a reader or an answer.
    int errorCode() const;
    // Its text for the operator.
    QString errorText() const;
    // Sends a command; without a reader the result stays empty.
    QStringList command(const QString& name, const QStringList& arguments = {}) const;
    // A card's action log page by page (see Devices::TNetReader::actionLogPages); false without a
    // reader.
    bool actionLogPages(const QStringList& arguments,
                        const std::function<void(const QStringList& entries, int expected)>& onPage) const;
    // The card text of the card on the reader; empty without a reader or a card.
    QString cardData() const;

private:
    QPointer<Devices::TNetReader> m_reader;
    std::function<QMetaObject::Connection()> m_connect;
    QMetaObject::Connection m_connection;
    QPointer<QObject> m_receiver;
    int m_busy = 0;
    std::optional<QString> m_pending;
};

// Holds the link's reports released for its lifetime, when it held them connected.
class LUMDIALOGS_EXPORT TReaderRelease {
public:
    explicit TReaderRelease(TCardReaderLink& link);
    ~TReaderRelease();
    TReaderRelease(const TReaderRelease&) = delete;
    TReaderRelease& operator=(const TReaderRelease&) = delete;

private:
    TCardReaderLink& m_link;
    bool m_wasConnected;
};
