#include "tnetreader.h"

#include "tcardactionlog.h"
#include "tcardserverprotocol.h"
#include "tcryption.h"
#include "tlumworkspace.h"
#include "ttcpclient.h"

#include <QNetworkProxy>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <future>
#include <optional>
#include <system_error>

namespace Devices {

const QString TNetReader::deviceName = QStringLiteral("TNetReader");

namespace CardServer = PosLib::CardServer;

// Watches the reader from the device's thread: it asks the server for the card on the reader
// again and again ("waitreader", which the server holds until the card changes or the watch
// interval ends) and reports every change while the device is active. A server that cannot be
// reached is asked again after the retry interval.
class TReaderWatch : public QObject {
public:
    explicit TReaderWatch(TNetReader* reader)
        : m_reader(reader)
        , m_settings(reader->settings())
        , m_socket(new QTcpSocket(this))
        , m_retry(new QTimer(this))
        , m_deadline(new QTimer(this))
    {
        m_socket->setProxy(QNetworkProxy::NoProxy);
        m_retry->setSingleShot(true);
        m_deadline->setSingleShot(true);
        connect(m_retry, &QTimer::timeout, this, &TReaderWatch::ask);
        connect(m_deadline, &QTimer::timeout, this, &TReaderWatch::giveUp);
        connect(m_socket, &QTcpSocket::connected, this, &TReaderWatch::sendCall);
        connect(m_socket, &QTcpSocket::readyRead, this, &TReaderWatch::receive);
        connect(m_socket, &QTcpSocket::errorOccurred, this, &TReaderWatch::giveUp);
    }

    // Starts the first exchange; called in the watch's thread.
    void start() { ask(); }

    // Reports the card now on the reader if it is not the one reported last (after reactivate).
    void report()
    {
        if (!m_known || !m_reader->isActive() || m_reported == *m_known)
            return;
        m_reported = *m_known;
        emit m_reader->dataChanged(m_reported);
    }

private:
    void ask()
    {
        m_frame.reset();
        m_answered = false;
        m_socket->abort();
        m_socket->connectToHost(m_settings.host, m_settings.port);
        m_deadline->start(m_settings.connectTimeout + m_settings.watchInterval + m_settings.replyTimeout);
    }

    void sendCall()
    {
        PosLib::TCardServerCall call;
        call.reader = m_settings.reader;
        call.command = CardServer::waitReader;
        // Without a card known yet the server answers at once.
        if (m_known)
            call.arguments = {*m_known, QString::number(m_settings.watchInterval)};
        m_socket->write('\x05' + call.toMessage().wireText(m_cryption) + '\x06');
    }

    void receive()
    {
        const QByteArray bytes = m_socket->readAll();
        m_frame.feed(bytes);
        if (m_frame.overflowed())
            return giveUp();
        if (!m_frame.complete())
            return;
        PosLib::TCardServerAnswer answer;
        if (!answer.fromWire(m_frame.bytes(), m_cryption) || answer.code != 0)
            return giveUp();
        m_answered = true;
        m_deadline->stop();
        m_socket->abort();
        m_known = answer.results.value(0);
        report();
        ask();
    }

    void giveUp()
    {
        if (m_answered)
            return;
        m_deadline->stop();
        m_socket->abort();
        m_retry->start(m_settings.retryInterval);
    }

    TNetReader* m_reader;
    const TNetReader::Settings m_settings;
    QTcpSocket* m_socket;
    QTimer* m_retry;
    QTimer* m_deadline;
    Basics::TCryption m_cryption;
    // Answers are small: a UID.
    Basics::TFrameReader m_frame{64 * 1024};
    bool m_answered = false;
    std::optional<QString> m_known;
    QString m_reported;
};

TNetReader::TNetReader(const Settings& settings, QObject* parent)
    : TDevice(deviceName, parent)
    , m_settings(settings)
    , m_client(std::make_unique<Basics::TTcpClient>())
    , m_thread(new QThread(this))
    , m_watch(new TReaderWatch(this))
{
    m_client->setConnectTimeout(settings.connectTimeout);
    m_client->setTimeout(settings.replyTimeout);
    m_thread->setObjectName(QStringLiteral("TNetReader watch"));
    m_watch->moveToThread(m_thread);
    // The watch's timers and socket are ended in its own thread.
    connect(m_thread, &QThread::finished, m_watch, &QObject::deleteLater);
    m_thread->start();
    QMetaObject::invokeMethod(m_watch, [watch = m_watch] { watch->start(); });
}

TNetReader::~TNetReader()
{
    m_thread->quit();
    m_thread->wait();
}

bool TNetReader::isActive() const
{
    return m_active.load();
}

void TNetReader::reactivate()
{
    m_active = true;
    QMetaObject::invokeMethod(m_watch, [watch = m_watch] { watch->report(); });
}

void TNetReader::deactivate()
{
    m_active = false;
}

PosLib::TCardServerCall TNetReader::callOf(const QString& command, const QStringList& arguments,
                                           const QStringList& given) const
{
    PosLib::TCardServerCall call;
    call.reader = m_settings.reader;
    call.command = command;
    call.arguments = arguments;
    call.given = given;
    return call;
}

void TNetReader::keepOutcome(const PosLib::TCardServerAnswer& answer)
{
    m_lastCode = answer.code;
    m_request.set("lasterrorcode", answer.code);
    if (answer.message.isEmpty())
        m_request.remove("lasterrormsg");
    else
        m_request.set("lasterrormsg", answer.message);
}

QStringList TNetReader::call(const QString& command, const QStringList& arguments, const QStringList& given)
{
    PosLib::TCardServerAnswer answer = PosLib::callCardServer(*m_client, m_settings.host, m_settings.port,
                                                              callOf(command, arguments, given));
    keepOutcome(answer);
    return std::move(answer.results);
}

void TNetReader::readCardData(QString& data)
{
    data = call(CardServer::readCard, {}).value(0);
}

void TNetReader::command(const QString& name, const QStringList& arguments, QStringList& result)
{
    if (name == CardServer::getErrorCode) {
        result = QStringList{QString::number(m_lastCode)};
        return;
    }
    if (name == CardServer::getActionLogs && arguments.size() == 3) {
        result.clear();
        if (!actionLogPages(arguments, [&result](const QStringList& entries, int) { result += entries; }))
            result.clear();
        return;
    }
    result = call(name, arguments, result);
}

namespace {

// One call in a thread of its own, on a connection of its own.
std::future<PosLib::TCardServerAnswer> callMeanwhile(const TNetReader::Settings& settings,
                                                     PosLib::TCardServerCall call)
{
    const auto exchange = [settings](const PosLib::TCardServerCall& call) {
        Basics::TTcpClient client;
        client.setConnectTimeout(settings.connectTimeout);
        client.setTimeout(settings.replyTimeout);
        return PosLib::callCardServer(client, settings.host, settings.port, call);
    };
    try {
        return std::async(std::launch::async, exchange, std::move(call));
    } catch (const std::system_error&) { // no thread to be had: the call waits for get()
        return std::async(std::launch::deferred, exchange, std::move(call));
    }
}

} // namespace

bool TNetReader::actionLogPages(const QStringList& arguments, const ActionLogPage& onPage)
{
    // Page by page, each older than the last entry of the page before, until the count is reached
    // or a page comes back short. The server works on the next page while this one is handed on.
    const QString& uid = arguments.value(0);
    const QString& includeRead = arguments.value(2);
    const int wanted = std::max(arguments.value(1).toInt(), 0);
    const QStringList counted = call(CardServer::countActionLogs, {uid, includeRead});
    if (m_lastCode != 0)
        return false;
    const int expected = wanted > 0 ? std::min(wanted, counted.value(0).toInt()) : counted.value(0).toInt();
    int got = 0;
    const auto pageSize = [&] {
        return wanted == 0 ? CardServer::actionLogPage : std::min(CardServer::actionLogPage, wanted - got);
    };
    const auto pageCall = [&](int size, int before) {
        return callOf(CardServer::getActionLogs,
                      {uid, QString::number(size), includeRead, QString::number(before)});
    };
    int size = pageSize();
    int before = 0;
    std::future<PosLib::TCardServerAnswer> next = callMeanwhile(m_settings, pageCall(size, before));
    for (;;) {
        const PosLib::TCardServerAnswer page = next.get();
        keepOutcome(page);
        if (page.code != 0)
            return false;
        got += int(page.results.size());
        // Ids go down from page to page: a server that answers otherwise cannot keep the reader
        // asking for ever.
        const int lastBefore = before;
        before = page.results.size() >= size && (wanted == 0 || got < wanted)
                     ? PosLib::TCardActionLog(page.results.last()).getID()
                     : 0;
        if (lastBefore > 0 && before >= lastBefore)
            before = 0;
        if (before > 0) {
            size = pageSize();
            next = callMeanwhile(m_settings, pageCall(size, before));
        }
        if (!page.results.isEmpty())
            onPage(page.results, std::max(expected, got));
        if (before <= 0)
            return true;
    }
}

void TNetReader::command(const QString& name, QStringList& result)
{
    command(name, QStringList(), result);
}

void TNetReader::writeCard(const QString& text)
{
    const QStringList arguments = {text, m_request.getString("waiter"), m_request.getString("reason"),
                                   m_request.getString("comment")};
    for (const char* key : {"waiter", "reason", "comment"})
        m_request.remove(key);
    call(CardServer::writeCard, arguments);
}

int TNetReader::format(const QString& text, const QString& user, const QString& password)
{
    const QStringList arguments = {text, user, password, m_request.getString("netclient")};
    m_request.remove("netclient");
    call(CardServer::formatCard, arguments);
    return m_lastCode;
}

TNetReader* TNetReader::find()
{
    return qobject_cast<TNetReader*>(TLumWorkspace::ReaderDeviceList.find(deviceName));
}

} // namespace Devices
