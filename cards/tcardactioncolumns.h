#pragma once

#include "lumdialogs_global.h"
#include "tlumcolumn.h"

#include <QList>
#include <QString>

namespace Basics {
class TValue;
}

// The columns of the card editor's two server lists: a card's action log (38 columns) and its
// actions (10 columns). Each column shows the attribute its title names, formatted as the card
// editor formats it (amounts in the system currency, date-times in the local format), and sorts by
// the stored value: numbers as numbers, date-times by date and time.
namespace TCardActionColumns {

inline constexpr int actionLogCount = 38;
inline constexpr int actionCount = 10;

LUMDIALOGS_EXPORT QList<TLumColumn> actionLog();
LUMDIALOGS_EXPORT QList<TLumColumn> actions();
// The title of a column; "noName" for a column the list does not have.
LUMDIALOGS_EXPORT QString actionLogTitle(int column);
LUMDIALOGS_EXPORT QString actionTitle(int column);
// The functions of a log entry's card: "P," for points, "C," credit, "T," table, "W," waiter, in
// this order, without the last comma.
LUMDIALOGS_EXPORT QString cardFunctions(const Basics::TValue& entry);

} // namespace TCardActionColumns
