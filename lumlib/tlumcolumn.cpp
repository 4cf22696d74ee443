#include "tlumcolumn.h"

#include "tcurrencies.h"
#include "tlumworkspace.h"
#include "tvalue.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdlib>

namespace {

constexpr int everyDay = 0x7f;

int order(double a, double b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

QString referenceText(TLumWorkspace* workspace, const QString& list, int id)
{
    const Basics::TValueList* records = workspace ? workspace->getData(list) : nullptr;
    if (!records)
        return QString::number(id);
    const Basics::TValue* record = records->find(id);
    if (!record)
        return QCoreApplication::translate("TLumColumn", "%1 (missing)").arg(id);
    return record->getName().isEmpty() ? QString::number(id) : record->getName();
}

} // namespace

bool TLumColumn::numeric() const
{
    return kind == Number || kind == Decimal || kind == Amount || kind == Percent || kind == Time ||
           key == u"id";
}

QString TLumColumn::percentText(int hundredths)
{
    return QString::asprintf("%s%d.%02d", hundredths < 0 ? "-" : "", std::abs(hundredths) / 100,
                             std::abs(hundredths) % 100);
}

QString TLumColumn::timeText(int hhmm)
{
    return QString::asprintf("%02d:%02d", hhmm / 100, hhmm % 100);
}

QString TLumColumn::weekdaysText(int days)
{
    if ((days & everyDay) == everyDay)
        return QCoreApplication::translate("TLumColumn", "every day");
    QStringList names;
    const QLocale locale;
    // Monday first, as a week is read; bit 0 is Sunday.
    for (int day : {1, 2, 3, 4, 5, 6, 0}) {
        if (days & (1 << day))
            names << locale.dayName(day == 0 ? 7 : day, QLocale::ShortFormat);
    }
    return names.join(QStringLiteral(", "));
}

QString TLumColumn::text(const Basics::TValue& record, TLumWorkspace* workspace) const
{
    if (format)
        return format(record, workspace);
    if (key == u"id")
        return QString::number(record.getID());
    if (kind != Weekdays && !record.contains(key))
        return QString();
    switch (kind) {
    case Text:
    case Number:
        return record.getString(key);
    case Decimal:
        return QString::number(record.getDouble(key), 'g', 6);
    case Amount: {
        const qint64 amount = record.getString(key).toLongLong();
        const auto* currencies =
            workspace ? qobject_cast<const TCurrencies*>(workspace->getData(QStringLiteral("currencies")))
                      : nullptr;
        return currencies ? currencies->amountToText(amount) : QString::number(amount);
    }
    case Percent:
        return percentText(record.getInt(key));
    case Time:
        return timeText(record.getInt(key));
    case Weekdays:
        return weekdaysText(record.contains(key) ? record.getInt(key) : everyDay);
    case Flag:
        return record.getBool(key) ? QCoreApplication::translate("TLumColumn", "yes") : QString();
    case Reference:
    case References: {
        QStringList names;
        for (int id : ids(record))
            names << referenceText(workspace, reference, id);
        return names.join(QStringLiteral(", "));
    }
    }
    return QString();
}

int TLumColumn::compare(const Basics::TValue& a, const Basics::TValue& b) const
{
    if (keyOf)
        return compareKeys(sortKey(a), sortKey(b));
    if (key == u"id")
        return order(a.getID(), b.getID());
    if (kind == Weekdays)
        return order(a.getInt(key, everyDay), b.getInt(key, everyDay));
    if (numeric() || kind == Reference)
        return order(a.getDouble(key), b.getDouble(key));
    return a.getString(key).compare(b.getString(key), Qt::CaseInsensitive);
}

TLumColumn::SortKey TLumColumn::sortKey(const Basics::TValue& record) const
{
    if (keyOf) {
        SortKey result = keyOf(record);
        result.text = result.text.toCaseFolded();
        return result;
    }
    if (key == u"id")
        return {double(record.getID()), QString()};
    if (kind == Weekdays)
        return {double(record.getInt(key, everyDay)), QString()};
    if (numeric() || kind == Reference)
        return {record.getDouble(key), QString()};
    return {0, record.getString(key).toCaseFolded()};
}

int TLumColumn::compareKeys(const SortKey& a, const SortKey& b)
{
    if (a.number != b.number)
        return a.number < b.number ? -1 : 1;
    return a.text.compare(b.text);
}

QList<int> TLumColumn::ids(const Basics::TValue& record) const
{
    if (idsOf)
        return idsOf(record);
    QList<int> result;
    if (kind == Reference) {
        const int id = record.getInt(key);
        if (id != 0)
            result << id;
    } else if (kind == References) {
        for (const QString& part : record.getString(key).split(separator, Qt::SkipEmptyParts)) {
            const int id = part.trimmed().toInt();
            if (id != 0)
                result << id;
        }
    }
    return result;
}
