#include "tcardreaderlink.h"

#include "tcarderrors.h"
#include "tcardserverprotocol.h"
#include "tlumreaderevent.h"
#include "tnetreader.h"
#include "treadererror.h"

#include <QCoreApplication>

#include <utility>

TCardReaderLink::TCardReaderLink()
    : m_reader(LumDialogs::findCardReader())
{
}

TCardReaderLink::~TCardReaderLink()
{
    release();
}

Devices::TNetReader* TCardReaderLink::reader() const
{
    return m_reader;
}

bool TCardReaderLink::claim(QObject* receiver, std::function<void(const QString&)> onReader)
{
    release();
    m_receiver = receiver;
    if (!m_reader)
        return false;
    Devices::TNetReader* reader = m_reader;
    m_connect = [reader, receiver, onReader = std::move(onReader)] {
        return QObject::connect(reader, &Devices::TNetReader::dataChanged, receiver, onReader,
                                Qt::QueuedConnection);
    };
    reconnect();
    return isConnected();
}

void TCardReaderLink::release()
{
    if (m_connection)
        QObject::disconnect(m_connection);
    m_connection = {};
}

void TCardReaderLink::reconnect()
{
    if (m_reader && m_connect && !m_connection)
        m_connection = m_connect();
}

void TCardReaderLink::post(const QString& uid) const
{
    if (m_receiver)
        QCoreApplication::postEvent(m_receiver, new TLumReaderEvent(uid));
}

bool TCardReaderLink::handle(QEvent* event, const std::function<void(const QString&)>& gotReaderData)
{
    if (event->type() != TLumReaderEvent::eventType)
        return false;
    const QString uid = static_cast<TLumReaderEvent*>(event)->data();
    if (m_busy > 0) {
        m_pending = uid;
        return true;
    }
    const Busy busy(*this);
    gotReaderData(uid);
    return true;
}

TCardReaderLink::Busy::Busy(TCardReaderLink& link)
    : m_link(link)
{
    ++m_link.m_busy;
}

TCardReaderLink::Busy::~Busy()
{
    if (--m_link.m_busy == 0 && m_link.m_pending)
        m_link.post(*std::exchange(m_link.m_pending, std::nullopt));
}

int TCardReaderLink::errorCode() const
{
    return LumDialogs::cardReaderErrorCode(m_reader);
}

QString TCardReaderLink::errorText() const
{
    return Devices::readerErrorText(errorCode());
}

QStringList TCardReaderLink::command(const QString& name, const QStringList& arguments) const
{
    QStringList result;
    if (m_reader)
        m_reader->command(name, arguments, result);
    return result;
}

bool TCardReaderLink::actionLogPages(
    const QStringList& arguments,
    const std::function<void(const QStringList& entries, int expected)>& onPage) const
{
    return m_reader && m_reader->actionLogPages(arguments, onPage);
}

QString TCardReaderLink::cardData() const
{
    QString data;
    if (m_reader)
        m_reader->readCardData(data);
    return data;
}

TReaderRelease::TReaderRelease(TCardReaderLink& link)
    : m_link(link)
    , m_wasConnected(link.isConnected())
{
    m_link.release();
}

TReaderRelease::~TReaderRelease()
{
    if (m_wasConnected)
        m_link.reconnect();
}

namespace LumDialogs {

Devices::TNetReader* findCardReader()
{
    return Devices::TNetReader::find();
}

int cardReaderErrorCode(Devices::TNetReader* reader)
{
    if (!reader)
        return PosLib::CardError::NoCard;
    QStringList result;
    reader->command(PosLib::CardServer::getErrorCode, result);
    return result.isEmpty() ? PosLib::CardError::NoCard : result.first().toInt();
}

int cardCommandOutcome(Devices::TNetReader* reader, const QString& command, const QStringList& arguments,
                       QStringList given, QStringList* answer)
{
    if (!reader)
        return PosLib::CardError::UnsupportedReader;
    reader->command(command, arguments, given);
    if (answer)
        *answer = given;
    if (!given.isEmpty())
        return given.first().toInt();
    const int code = cardReaderErrorCode(reader);
    return code != 0 ? code : int(PosLib::CardError::UnsupportedReader);
}

} // namespace LumDialogs
