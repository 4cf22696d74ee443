#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QList>

namespace PosLib {

// A menu card: the articles that may not be sold where the card is in force, and the price level
// it forces (0: none).
class BASICS_EXPORT TMenuCard : public Basics::TValue {
public:
    int getPriceLevel() const;               // "pricelevel", 0
    void setPriceLevel(int level);           // removed when 0
    QList<int> getExcludes() const;          // "excludes": article ids joined by ":"
    void setExcludes(const QList<int>& ids); // removed when none is excluded
};

} // namespace PosLib
