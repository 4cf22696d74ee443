#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QList>
#include <QPair>
#include <QString>

namespace PosLib {

// A payment form: a way a bill is settled at the point of sale, with what the point of sale does
// and asks when it is used. Absent attributes mean their defaults.
class BASICS_EXPORT TPayform : public Basics::TValue {
public:
    // A printout: a printer (record of "prnconfigs") with a layout (record of "layconfigs").
    struct Printout {
        int printer = 0;
        int layout = 0;
        bool operator==(const Printout&) const = default;
    };
    using Printouts = QList<Printout>;

    // Flags by key. Most default to off; "intermsum", "insummary", "nofinsplit", "dodrawer",
    // "dochanger" and "drawercounted" default to on. setFlag stores only what differs from the
    // default ("yes" for a set flag whose default is off, "no" for a cleared one whose default is on).
    bool flag(const char* key) const;
    void setFlag(const char* key, bool on);
    static bool flagDefault(const char* key);

    // An integer attribute whose default is 0; 0 removes it.
    int number(const char* key) const;
    void setNumber(const char* key, int value);
    // An amount in the smallest unit of the system currency, default 0; 0 removes it.
    qint64 amount(const char* key) const;
    void setAmount(const char* key, qint64 value);
    // A text attribute; an empty text removes it.
    QString text(const char* key) const;
    void setText(const char* key, const QString& value);

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
};

} // namespace PosLib
