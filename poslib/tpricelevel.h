#pragma once

#include "basics_global.h"
#include "tvalue.h"

namespace PosLib {

// A price level: the prices in force within a time window of the day on some weekdays.
class BASICS_EXPORT TPricelevel : public Basics::TValue {
public:
    // The weekday bits of "days": bit 0 Sunday to bit 6 Saturday.
    enum Day { Sunday = 0, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };
    static constexpr int everyDay = 32767; // the default: every bit set
    static constexpr int weekdayBits = 0x7f;

    int getStart() const;        // "start", 0: hour * 100 + minute
    void setStart(int start);    // removed when 0
    int getEnd() const;          // "end", 0: hour * 100 + minute
    void setEnd(int end);        // removed when 0
    bool getNoDiscounts() const; // "nodiscs": discounts are forbidden
    void setNoDiscounts(bool on);
    int getDays() const; // "days", everyDay
    // Only the seven weekday bits are kept; with all seven set the key is removed (every day).
    void setDays(int days);
    bool isActiveOn(Day day) const { return getDays() & (1 << day); }
};

} // namespace PosLib
