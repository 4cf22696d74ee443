#include "tcardactionlog.h"

namespace PosLib {

const QString TCardActionLog::success = QStringLiteral("Process_was_successful");

TCardActionLog::TCardActionLog()
    : TCardProperties(Element{QStringLiteral("cardactionlog")})
{
}

TCardActionLog::TCardActionLog(const QString& text)
    : TCardActionLog()
{
    setXml(text);
}

bool TCardActionLog::setXml(const QString& text)
{
    setEmpty(text.isEmpty());
    return text.isEmpty() || TXmlValue::setXml(text);
}

void TCardActionLog::setText(const char* key, const QString& text)
{
    if (text.isEmpty())
        remove(key);
    else
        set(key, text);
}

QString TCardActionLog::getAction() const
{
    return getString("action");
}
void TCardActionLog::setAction(const QString& action)
{
    setText("action", action);
}
QString TCardActionLog::getResult() const
{
    return getString("result");
}
void TCardActionLog::setResult(const QString& result)
{
    setText("result", result);
}
QString TCardActionLog::getReason() const
{
    return getString("reason");
}
void TCardActionLog::setReason(const QString& reason)
{
    setText("reason", reason);
}
QString TCardActionLog::getComment() const
{
    return getString("comment");
}
void TCardActionLog::setComment(const QString& comment)
{
    setText("comment", comment);
}
int TCardActionLog::getPayform() const
{
    return getInt("payform");
}
void TCardActionLog::setPayform(int payform)
{
    setNumber("payform", payform);
}
QDateTime TCardActionLog::getActionDateTime() const
{
    return getDateTime(QStringLiteral("actiondatetime"));
}

void TCardActionLog::setActionDateTime(const QDateTime& time)
{
    setDateTime(QStringLiteral("actiondatetime"), time);
}

QString TCardActionLog::getTerminalId() const
{
    return getString("terminalid");
}
void TCardActionLog::setTerminalId(const QString& terminal)
{
    setText("terminalid", terminal);
}
int TCardActionLog::getWaiter() const
{
    return getInt("waiter");
}
void TCardActionLog::setWaiter(int waiter)
{
    setNumber("waiter", waiter);
}
long TCardActionLog::getSubventCount() const
{
    return longValue("subventcount");
}
void TCardActionLog::setSubventCount(long count)
{
    setNumber("subventcount", count);
}

} // namespace PosLib
