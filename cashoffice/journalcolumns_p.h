#pragma once

#include <QDateTime>
#include <QVariant>

namespace Database {

// A date-time column: drivers hand out a date-time, or for a computed column of SQLite its text.
inline QDateTime journalDateTime(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QDateTime>())
        return value.toDateTime();
    QString text = value.toString().trimmed();
    text.replace(u' ', u'T');
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

} // namespace Database
