#pragma once

#include "lumlib_global.h"
#include "tlistnames.h"

class QString;

namespace PosLib {
class TCurrency;
}

// The workspace's currency list ("currencies" in "currency.dat"), and the one conversion between
// amounts (integers in the smallest unit of the system currency) and their texts.
class LUMLIB_EXPORT TCurrencies : public PosLib::TNamedList {
    Q_OBJECT
public:
    TCurrencies();

    // Takes a newly created currency into the list, which owns it from then on.
    virtual void addCurrency(Basics::TValue* currency);

    // The system currency: the currency with the id of the "syscurr" setting (1 unless set);
    // null when the list has no such currency.
    int systemCurrencyId() const { return m_systemCurrency; }
    void setSystemCurrencyId(int id) { m_systemCurrency = id; }
    const PosLib::TCurrency* systemCurrency() const;

    // An amount as the system currency writes it: with d decimal places ("decpos") the units, the
    // decimal sign and d digits ("-0,50" for minus half a unit); with d = 0 the amount; with d < 0
    // the amount times 10^-d. Without a system currency the amount in decimal.
    QString amountToText(qint64 amount) const;
    // The reverse: the first comma counts as a decimal point, the number is scaled by 10^d and
    // rounded half up (exactly, digit by digit); without a system currency a trailing point is
    // dropped and the text read as an integer. A text that is no number gives 0.
    qint64 textToAmount(const QString& text) const;

private:
    int m_systemCurrency = 1;
};
