#pragma once

#include "tvariant.h"

#include <QDateTime>

namespace Database {

// A date-time attribute ("yyyy-MM-ddThh:mm:ss") as a value for a timestamp column. The columns
// carry no time zone, only the time the clock showed, so the value is made without asking the
// system for its zone: a local time would look up the zone rules for every row (and the C library
// stats the zone file each time), which costs more than the rest of an insert. Invalid when the
// text is no date-time.
inline QDateTime wallClockTime(const Basics::TVariant& value)
{
    const QString& text = value.text();
    if (text.size() != 19 || text[10] != u'T')
        return {};
    const QDate date = QDate::fromString(QStringView(text).left(10), Qt::ISODate);
    const QTime time = QTime::fromString(QStringView(text).mid(11), Qt::ISODate);
    return QDateTime(date, time, Qt::UTC);
}

} // namespace Database
