#include "tpayform.h"

#include <QStringList>

#include <cstring>

namespace PosLib {

bool TPayform::flagDefault(const char* key)
{
    static const char* const defaultOn[] = {"intermsum", "insummary", "nofinsplit",
                                            "dodrawer",  "dochanger", "drawercounted"};
    for (const char* on : defaultOn) {
        if (std::strcmp(on, key) == 0)
            return true;
    }
    return false;
}

bool TPayform::flag(const char* key) const
{
    return getBool(key, flagDefault(key));
}

void TPayform::setFlag(const char* key, bool on)
{
    if (flagDefault(key))
        setFlagDefaultOn(key, on);
    else
        TValue::setFlag(key, on);
}

int TPayform::number(const char* key) const
{
    return getInt(key, 0);
}

void TPayform::setNumber(const char* key, int value)
{
    setOrRemove(key, value, 0);
}

qint64 TPayform::amount(const char* key) const
{
    return getString(key).toLongLong();
}

void TPayform::setAmount(const char* key, qint64 value)
{
    setOrRemove(key, static_cast<long long>(value), 0);
}

QString TPayform::text(const char* key) const
{
    return getString(key);
}

void TPayform::setText(const char* key, const QString& value)
{
    if (value.isEmpty())
        remove(key);
    else
        set(key, value);
}

TPayform::Printouts TPayform::parsePrintouts(const QString& text)
{
    Printouts printouts;
    for (const QString& entry : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(u',');
        printouts << Printout{parts.value(0).toInt(), parts.value(1).toInt()};
    }
    return printouts;
}

QString TPayform::printoutsText(const Printouts& printouts)
{
    QStringList entries;
    for (const Printout& printout : printouts)
        entries << QStringLiteral("%1,%2").arg(printout.printer).arg(printout.layout);
    return entries.join(u';');
}

TPayform::Printouts TPayform::printouts(const char* key) const
{
    return parsePrintouts(getString(key));
}

void TPayform::setPrintouts(const char* key, const Printouts& printouts)
{
    setText(key, printoutsText(printouts));
}

QList<int> TPayform::allowedCurrencies() const
{
    QList<int> ids;
    for (const QString& id : getString("allowedcurrencies").split(u';', Qt::SkipEmptyParts))
        ids << id.toInt();
    return ids;
}

void TPayform::setAllowedCurrencies(const QList<int>& ids)
{
    QStringList texts;
    for (int id : ids)
        texts << QString::number(id);
    // Written also when empty: an empty text is not a missing attribute here.
    set("allowedcurrencies", texts.isEmpty() ? QStringLiteral("") : texts.join(u';'));
}

} // namespace PosLib
