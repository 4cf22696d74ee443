#include "tnetcardaction.h"

#include "tcardactionfields.h"

#include <QCoreApplication>

namespace PosLib {

namespace {

const QString smaller = QStringLiteral("SmAlLeR");
const QString greater = QStringLiteral("GrEaTeR");

QString tr(const char* text, int n = -1)
{
    return QCoreApplication::translate("TNetCardAction", text, nullptr, n);
}

bool isCurrencyField(const QString& key)
{
    const TCardActionField* field = TCardActionField::byKey(key);
    return field && field->group == TCardActionField::Currency;
}

} // namespace

TNetCardActionTemplate::TNetCardActionTemplate()
    : TXmlValue(QStringLiteral("cardactiondata"))
{
}

TNetCardActionTemplate::TNetCardActionTemplate(const QString& text)
    : TNetCardActionTemplate()
{
    setXml(text);
}

QString TNetCardActionTemplate::getUid() const
{
    return getString("uid");
}

void TNetCardActionTemplate::setUid(const QString& uid)
{
    if (uid.isEmpty())
        remove("uid");
    else
        set("uid", uid);
}

int TNetCardActionTemplate::getDateTag() const
{
    return getInt("datetag");
}
void TNetCardActionTemplate::setDateTag(int type)
{
    setOrRemove("datetag", type, 0);
}
int TNetCardActionTemplate::getModifier() const
{
    return getInt("modifier");
}
void TNetCardActionTemplate::setModifier(int modifier)
{
    setOrRemove("modifier", modifier, 0);
}
QString TNetCardActionTemplate::getField() const
{
    return getString("field");
}
void TNetCardActionTemplate::setField(const QString& key)
{
    if (key.isEmpty())
        remove("field");
    else
        set("field", key);
}
QString TNetCardActionTemplate::getNewValue() const
{
    return getString("newvalue");
}

void TNetCardActionTemplate::setNewValue(const QString& value)
{
    remove("newvaluetime");
    set("newvalue", value);
}

bool TNetCardActionTemplate::hasDateValue() const
{
    return contains("newvaluetime");
}
QDateTime TNetCardActionTemplate::getNewValueDate() const
{
    return getDateTime(QStringLiteral("newvalue"));
}

void TNetCardActionTemplate::setNewValueDate(const QDateTime& date)
{
    setDateTime(QStringLiteral("newvalue"), date);
}

bool TNetCardActionTemplate::isFreeInput() const
{
    return getBool("freeinput");
}
void TNetCardActionTemplate::setFreeInput(bool on)
{
    setFlag("freeinput", on);
}

QString TNetCardActionTemplate::getDescription() const
{
    return getString("description")
        .replace(smaller, QStringLiteral("<"))
        .replace(greater, QStringLiteral(">"));
}

void TNetCardActionTemplate::setDescription(const QString& description)
{
    if (description.isEmpty()) {
        remove("description");
        return;
    }
    QString stored = description;
    set("description", stored.replace(u'<', smaller).replace(u'>', greater));
}

QDateTime TNetCardActionTemplate::getCreateDate() const
{
    return getDateTime(QStringLiteral("createdate"));
}
void TNetCardActionTemplate::setCreateDate(const QDateTime& date)
{
    setDateTime(QStringLiteral("createdate"), date);
}
int TNetCardActionTemplate::getCreateWaiter() const
{
    return getInt("createwaiter");
}

void TNetCardActionTemplate::setCreateWaiter(int waiter)
{
    if (waiter == 0)
        remove("createwaiter");
    else
        set("createwaiter", waiter);
}

QDateTime TNetCardActionTemplate::getDateFrom() const
{
    return getDateTime(QStringLiteral("datefrom"));
}
void TNetCardActionTemplate::setDateFrom(const QDateTime& date)
{
    setDateTime(QStringLiteral("datefrom"), date);
}
QDateTime TNetCardActionTemplate::getDateTo() const
{
    return getDateTime(QStringLiteral("dateto"));
}
void TNetCardActionTemplate::setDateTo(const QDateTime& date)
{
    setDateTime(QStringLiteral("dateto"), date);
}
bool TNetCardActionTemplate::isBooked() const
{
    return getBool("booked");
}
void TNetCardActionTemplate::setBooked(bool booked)
{
    setFlag("booked", booked);
}
QDateTime TNetCardActionTemplate::getTriggerTime() const
{
    return getDateTime(QStringLiteral("triggertime"));
}

void TNetCardActionTemplate::setTriggerTime(const QDateTime& time)
{
    setDateTime(QStringLiteral("triggertime"), time);
}

int TNetCardActionTemplate::getTerminal() const
{
    return getInt("terminal");
}

void TNetCardActionTemplate::setTerminal(int terminal)
{
    if (terminal == 0)
        remove("terminal");
    else
        set("terminal", terminal);
}

QString TNetCardActionTemplate::getActionText(const AmountText& amountText) const
{
    const QString field = getField();
    const QString newValue = getNewValue();
    QString value;
    if (isFreeInput())
        value = tr("free input");
    else if (hasDateValue())
        value = getNewValueDate().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    else if (amountText && isCurrencyField(field))
        value = amountText(newValue.toLongLong());
    else
        value = newValue;

    const bool one = newValue == u"1";
    QString unit;
    switch (getDateTag()) {
    case TCardActionType::DayValue:
        unit = one ? tr("day") : tr("days");
        break;
    case TCardActionType::MonthValue:
        unit = one ? tr("month") : tr("months");
        break;
    case TCardActionType::YearValue:
        unit = one ? tr("year") : tr("years");
        break;
    default:
        break;
    }

    // Without a unit the templates would leave two blanks in a row.
    const auto joined = [&](QString text) {
        return unit.isEmpty() ? text.replace(QStringLiteral("  "), QStringLiteral(" ")) : text;
    };
    switch (getModifier()) {
    case 1:
        return tr("set %1 to %2").arg(field, value);
    case 2:
        return joined(tr("add %1 %2 to %3").arg(value, unit, field));
    case 3:
        return joined(tr("substract from %1 %2 %3").arg(field, value, unit)).trimmed();
    default:
        return QString();
    }
}

} // namespace PosLib
