#pragma once

#include "basics_global.h"
#include "tvalue.h"

namespace PosLib {

// A range of coat-check ticket numbers and how they are handed out. Articles book into the range
// whose number their "coatcheckrangeid" names.
class BASICS_EXPORT CoatCheckRange : public Basics::TValue {
public:
    // "mode": numbers one after the other, or reusing the gaps that returned tickets leave.
    enum Mode { Continuous = 0, UseGaps = 1 };

    int getBegin() const;     // "begin", 0: the first ticket number
    void setBegin(int begin); // removed when 0
    int getEnd() const;       // "end", 0: the last ticket number
    void setEnd(int end);     // removed when 0
    int getMode() const;      // "mode", Continuous
    void setMode(int mode);   // always written
};

} // namespace PosLib
