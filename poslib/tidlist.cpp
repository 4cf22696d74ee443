#include "tidlist.h"

#include <QStringList>

namespace PosLib {

QList<int> splitIds(const QString& text, QChar separator)
{
    QList<int> ids;
    for (const QString& part : text.split(separator, Qt::SkipEmptyParts)) {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        if (ok)
            ids << id;
    }
    return ids;
}

QString joinIds(const QList<int>& ids, QChar separator)
{
    QStringList parts;
    for (int id : ids)
        parts << QString::number(id);
    return parts.join(separator);
}

} // namespace PosLib
