#pragma once

#include "basics_global.h"
#include "tvalue.h"

namespace PosLib {

// An article of the till, as the back office's dialogs read it.
class BASICS_EXPORT TArticle : public Basics::TValue {
public:
    // "price": an amount in the smallest unit of the system currency, 0.
    qint64 getPrice() const { return getString("price").toLongLong(); }
    int getFamily() const { return getInt("family", 0); } // "family", 0
};

} // namespace PosLib
