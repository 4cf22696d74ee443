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
#include <optional>

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

QStringList TNetReader::call(const QString& command, const QStringList& arguments, const QStringList& given)
{
    PosLib::TCardServerCall call;
    call.reader = m_settings.reader;
    call.command = command;
    call.arguments = arguments;
    call.given = given;
    const PosLib::TCardServerAnswer answer =
        PosLib::callCardServer(*m_client, m_settings.host, m_settings.port, call);
    m_lastCode = answer.code;
    m_request.set("lasterrorcode", answer.code);
    if (answer.message.isEmpty())
        m_request.remove("lasterrormsg");
    else
        m_request.set("lasterrormsg", answer.message);
    return answer.results;
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
        result = actionLogs(arguments);
        return;
    }
    result = call(name, arguments, result);
}

QStringList TNetReader::actionLogs(const QStringList& arguments)
{
    // Page by page, each older than the last entry of the page before, until the count is reached
    // or a page comes back short. A failed page fails the whole list.
    const int wanted = std::max(arguments[1].toInt(), 0);
    QStringList entries;
    int before = 0;
    for (;;) {
        const int page = wanted == 0 ? CardServer::actionLogPage
                                     : std::min<int>(CardServer::actionLogPage, wanted - int(entries.size()));
        const QStringList part = call(CardServer::getActionLogs, {arguments[0], QString::number(page),
                                                                  arguments[2], QString::number(before)});
        if (m_lastCode != 0)
            return {};
        entries += part;
        if (part.size() < page || (wanted > 0 && entries.size() >= wanted))
            return entries;
        before = PosLib::TCardActionLog(part.last()).getID();
        if (before <= 0)
            return entries;
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
