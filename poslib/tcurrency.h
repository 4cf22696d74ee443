#pragma once

#include "basics_global.h"
#include "tvalue.h"

namespace PosLib {

// A currency at the till: its exchange rate, how amounts in it are written, and three flags.
class BASICS_EXPORT TCurrency : public Basics::TValue {
public:
    double getRate() const;        // "rate", 1.0
    void setRate(double rate);     // always stored, fixed with 5 decimals
    int getDecPos() const;         // "decpos", 2
    void setDecPos(int decPos);    // always stored
    char getDecChar() const;       // "decchar", ','
    void setDecChar(char decChar); // removed when ','
    char getThsChar() const;       // "thschar", '.'
    void setThsChar(char thsChar); // removed when '.'
    bool getReverse() const;       // "reverse": reversal input
    void setReverse(bool reverse);
    bool getReturn() const; // "return": returning allowed
    void setReturn(bool allowed);
    bool getIgnRounding() const; // "ignrounding": ignore the payment form's rounding
    void setIgnRounding(bool ignore);
};

} // namespace PosLib
