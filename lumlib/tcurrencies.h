#pragma once

#include "lumlib_global.h"
#include "tvaluelist.h"

// The workspace's currency list ("currencies" in "currency.dat").
class LUMLIB_EXPORT TCurrencies : public Basics::TValueList {
    Q_OBJECT
public:
    QString rootName() const override;
    QString fileName() const override;
    QString elementName() const override;
    Basics::TValue* createValue() const override;

    // Takes a newly created currency into the list, which owns it from then on.
    virtual void addCurrency(Basics::TValue* currency);
};
