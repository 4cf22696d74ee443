#pragma once

#include "basics_global.h"
#include "tkeyedvalue.h"

namespace PosLib {

// The configuration of one table of the venue (its id is the table number): what the point of sale
// forces or asks for when the table is opened, ordered on and paid. Keys it shares with payment
// forms have their type and default; absent attributes mean the default.
class BASICS_EXPORT TTableCfg : public TKeyedValue {
public:
    // What is asked for the guest count ("doaskguests").
    enum AskGuests { DontAskGuests = 0, AskGuestCount = 1, AskGuestsFirstOrder = 2 };

    // Most flags default to off; "dodiscount", "dodrawer", "dochanger" and "dobill" default to on.
    static bool flagDefault(const char* key);

    int getAskGuests() const { return number("doaskguests"); }
    void setAskGuests(int ask) { setNumber("doaskguests", ask); }

protected:
    bool defaultOn(const char* key) const override { return flagDefault(key); }
};

} // namespace PosLib
