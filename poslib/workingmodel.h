#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QTime>

namespace PosLib {

// A work model: per working day the time at which work begins, and a grace period. "model" is a
// JSON object with one member per working day, named by the day's number ("1" Monday to "7"
// Sunday), whose member "begin" holds the time as "hh:mm":
//
//   {"1":{"begin":"08:00"},"7":{"begin":"10:15"}}
//
// A model text that cannot be read as such an object has no working days; the first change writes
// a valid object in its place. Members the model holds besides the days are kept.
class BASICS_EXPORT WorkingModel : public Basics::TValue {
public:
    enum Day { Monday = 1, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday };

    int getGracePeriod() const;       // "graceperiod", 0 minutes
    void setGracePeriod(int minutes); // removed when 0
    QString getModel() const;         // "model", the JSON text as stored

    // The time work begins on that day; an invalid time when it is no working day.
    QTime getBegin(int day) const;
    // Makes the day a working day beginning at that time (minutes; seconds are dropped).
    void setBegin(int day, const QTime& begin);
    void removeDay(int day);
};

} // namespace PosLib
