#pragma once

#include "lumdialogs_global.h"

#include <QString>

class TCurrencies;
class TLumWorkspace;

// The amounts of the cash office: typed and shown as decimal texts, booked in the smallest unit of
// the system currency (tables exported to the fiscal device) and as a decimal number of whole
// units (the journal's "cashamount"). The texts go through the workspace's currency list; without
// one an amount is a plain integer.
class LUMDIALOGS_EXPORT TCashAmounts {
public:
    // The largest amount taken, in whole units: the journal's count columns hold twelve digits, five
    // of them decimals.
    static constexpr double maxAmount = 9999999.99;

    explicit TCashAmounts(TLumWorkspace* workspace);

    // Whether the text is an amount: "[+-]?([0-9]*[.,])?[0-9]+" in full, and not above maxAmount.
    static bool isNumber(const QString& text);

    // The text in the smallest unit; 0 for a text that is no number.
    qint64 minorUnits(const QString& text) const;
    // An amount in the smallest unit as the system currency writes it ("-0,50").
    QString text(qint64 minor) const;
    // Whole units and the smallest unit.
    double toUnits(qint64 minor) const;
    qint64 fromUnits(double units) const;

private:
    const TCurrencies* m_currencies = nullptr;
    int m_decimals = 0;
};
