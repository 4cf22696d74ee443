#pragma once

#include "basics_global.h"
#include "tkeyedvalue.h"

#include <QList>
#include <QPair>
#include <QString>

namespace PosLib {

// A payment form: a way a bill is settled at the point of sale, with what the point of sale does
// and asks when it is used. Absent attributes mean their defaults.
class BASICS_EXPORT TPayform : public TKeyedValue {
public:
    // A printout: a printer (record of "prnconfigs") with a layout (record of "layconfigs").
    struct Printout {
        int printer = 0;
        int layout = 0;
        bool operator==(const Printout&) const = default;
    };
    using Printouts = QList<Printout>;

    // Most flags default to off; "intermsum", "insummary", "nofinsplit", "dodrawer", "dochanger"
    // and "drawercounted" default to on.
    static bool flagDefault(const char* key);

    int getRndType() const { return number("rndtype"); }
    int getHotelType() const { return getInt("hoteltype", 1); }
    // Written as it is, the default 1 too.
    void setHotelType(int hotel) { set("hoteltype", hotel); }

    // "printers", "Pprinters", "Rprinters": "printer,layout" entries joined by ";".
    Printouts printouts(const char* key) const;
    void setPrintouts(const char* key, const Printouts& printouts);
    static Printouts parsePrintouts(const QString& text);
    static QString printoutsText(const Printouts& printouts);

    // "allowedcurrencies": currency ids joined by ";", written also when empty.
    QList<int> allowedCurrencies() const;
    void setAllowedCurrencies(const QList<int>& ids);

protected:
    bool defaultOn(const char* key) const override { return flagDefault(key); }
};

} // namespace PosLib
