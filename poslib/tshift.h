#pragma once

#include "basics_global.h"
#include "tvalue.h"

namespace PosLib {

// A shift: a named time window on chosen weekdays, belonging to a shift group, with a grace period.
class BASICS_EXPORT TShift : public Basics::TValue {
public:
    // The weekday bits of "days": bit 0 Sunday to bit 6 Saturday.
    enum Day { Sunday = 0, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };
    static constexpr int everyDay = 32767; // the default: every bit set

    int getGroup() const;             // "group", 0: a record of "shiftgroups"
    void setGroup(int group);         // removed when 0
    int getStart() const;             // "start", 0: hour * 100 + minute
    void setStart(int start);         // removed when 0
    int getEnd() const;               // "end", 0: hour * 100 + minute
    void setEnd(int end);             // removed when 0
    int getGracePeriod() const;       // "graceperiod", 0 minutes
    void setGracePeriod(int minutes); // written also when 0
    int getDays() const;              // "days", everyDay
    void setDays(int days);           // removed when everyDay; the bits above Saturday stay
    bool isActiveOn(Day day) const { return getDays() & (1 << day); }
};

// A group of shifts; only its name.
class BASICS_EXPORT TShiftGroup : public Basics::TValue {};

} // namespace PosLib
