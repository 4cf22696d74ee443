#pragma once

#include "basics_global.h"

#include <QChar>
#include <QList>
#include <QString>

namespace PosLib {

// Record ids kept in one attribute, joined by a separator ("3:1:7"). Splitting skips empty parts
// and parts that are no number, so a damaged text yields the ids it still holds.
BASICS_EXPORT QList<int> splitIds(const QString& text, QChar separator);
BASICS_EXPORT QString joinIds(const QList<int>& ids, QChar separator);

} // namespace PosLib
