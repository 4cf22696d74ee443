#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QString>

namespace PosLib {

// A subvention mapping (its id is the card id): a subvention of "subventions" granted through a
// payment form of "payforms", at most so many times per period.
class BASICS_EXPORT TSubventMap : public Basics::TValue {
public:
    enum Period { PerDay = 1, PerWeek = 2, PerMonth = 3, PerYear = 4 };

    int getSubventId() const;                 // "subventid", 0
    void setSubventId(int id);                // removed when 0
    int getSubventType() const;               // "subventtype": the period, PerDay
    void setSubventType(int period);          // removed when PerDay
    uint getMaxSubvent() const;               // "maxsubvent": uses per period, 0
    void setMaxSubvent(uint count);           // removed when 0
    int getPayformId() const;                 // "payformid", 0
    void setPayformId(int id);                // removed when 0
    QString getPayformName() const;           // "payformname"
    void setPayformName(const QString& name); // removed when empty
};

} // namespace PosLib
