#pragma once

#include "lumlib_global.h"
#include "tdevicelist.h"
#include "tvalue.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

namespace Basics {
class TTcpClient;
}

namespace PosLib {
struct TCardServerAnswer;
struct TCardServerCall;
} // namespace PosLib

namespace Devices {

class TReaderWatch;

// The card reader of the card dialogs: a chip-card reader at a card server (lumcardd), which
// carries out the reader's operations on the cards and keeps their data, clients and actions. The
// operations block the calling thread (the GUI thread) for at most the connect bound when the
// server cannot be reached, and for the reply bound per wait while it answers.
//
// A thread of the device's own watches the reader while the device is active and emits
// dataChanged from that thread whenever a card is put on (its UID) or taken off (empty).
class LUMLIB_EXPORT TNetReader : public TDevice {
    Q_OBJECT
public:
    // The object name under which the dialogs find the device.
    static const QString deviceName;

    struct Settings {
        QString host = QStringLiteral("127.0.0.1");
        quint16 port = 4308;
        // The reader's name at the server: each terminal has its own.
        QString reader = QStringLiteral("office");
        int connectTimeout = 1000;
        // The longest wait for the server's next bytes.
        int replyTimeout = 3000;
        // How long the watch waits before it tries a server again that did not answer.
        int retryInterval = 500;
        // How long the server may hold a watch call while nothing happens.
        int watchInterval = 5000;
    };

    explicit TNetReader(const Settings& settings, QObject* parent = nullptr);
    ~TNetReader() override;

    const Settings& settings() const { return m_settings; }

    // The operations of the card dialogs, in this order.

    // True while the device watches the reader on its own.
    virtual bool isActive() const;
    // Watches again after deactivate; a change meanwhile is reported at once.
    virtual void reactivate();
    // Stops the reports while a dialog drives the reader.
    virtual void deactivate();
    // The card text (root element "carddata") of the card on the reader; empty when there is none
    // or it carries no card data (a blank card), with the reason in the error code.
    virtual void readCardData(QString& data);
    // Sends a command to the card server; result gets its answer (it may hold entries the command
    // takes along). "geterrorcode" is answered by the device itself: the code of its last operation.
    // "getactionlogs" fetches a long log in several calls, as one answer holds a few thousand
    // entries at most.
    virtual void command(const QString& name, const QStringList& arguments, QStringList& result);
    virtual void command(const QString& name, QStringList& result);
    // Writes the card text to the card on the reader, with "waiter", "reason" and "comment" of the
    // request record (which are used up); the outcome is the error code.
    virtual void writeCard(const QString& text);
    // Formats the card on the reader with the card text, creating the client of "netclient" of the
    // request record (used up) with it; 0 or an error code.
    virtual int format(const QString& text, const QString& user, const QString& password);

    // Attributes that go with the next operation, and "lasterrorcode" and "lasterrormsg" of the
    // last command.
    Basics::TValue& request() { return m_request; }
    // The code of the last operation: 0 or a PosLib::CardError code.
    int lastErrorCode() const { return m_lastCode; }

    // The first device of the workspace's reader device list named deviceName; null when none.
    static TNetReader* find();

    // "getactionlogs" (UID, count, "true" for read entries too) page by page: each page is handed
    // to onPage as it arrives, with the number of entries expected in all, while the next page is
    // fetched meanwhile. False, with the error code, when a call failed; the pages handed on
    // before then are not the whole log.
    using ActionLogPage = std::function<void(const QStringList& entries, int expected)>;
    bool actionLogPages(const QStringList& arguments, const ActionLogPage& onPage);

Q_SIGNALS:
    void dataChanged(const QString& uid);

private:
    friend class TReaderWatch;

    // One exchange with the server; keeps its outcome as the last error code.
    QStringList call(const QString& command, const QStringList& arguments, const QStringList& given = {});
    PosLib::TCardServerCall callOf(const QString& command, const QStringList& arguments,
                                   const QStringList& given = {}) const;
    void keepOutcome(const PosLib::TCardServerAnswer& answer);

    Settings m_settings;
    Basics::TValue m_request;
    int m_lastCode = 0;
    std::unique_ptr<Basics::TTcpClient> m_client;
    std::atomic<bool> m_active{true};
    QThread* m_thread;
    TReaderWatch* m_watch;
};

} // namespace Devices
