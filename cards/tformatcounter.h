#pragma once

#include <QString>

// Where formatting keeps the next free card number: the counter "lastformatcardnumber" of the
// counter store "counter.dat" in the data path.
namespace TFormatCounter {

inline const QString fileName = QStringLiteral("counter.dat");
inline const QString key = QStringLiteral("lastformatcardnumber");

} // namespace TFormatCounter
