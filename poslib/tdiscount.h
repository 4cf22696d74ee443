#pragma once

#include "basics_global.h"
#include "tvalue.h"

namespace PosLib {

// A discount the waiter may give: a percentage, or with "absolut" an amount in the smallest unit
// of the system currency, with the rules of its use at the point of sale.
class BASICS_EXPORT TDiscount : public Basics::TValue {
public:
    // How the discounted price is rounded ("rounding").
    enum Rounding { NoRounding = 1, Rounding5 = 2, Rounding10 = 3 };

    double getRate() const;         // "rate", 0
    void setRate(double rate);      // fixed with 5 decimals; removed when 0
    int getArticle() const;         // "article", 0: the article the discount is booked on
    void setArticle(int id);        // removed when 0
    bool getInOrder() const;        // "inorder": an order discount
    void setInOrder(bool on);       //
    bool getAbsolut() const;        // "absolut": the rate is an amount, not a percentage
    void setAbsolut(bool on);       //
    bool getUseActualPrice() const; // "useactualprice"
    void setUseActualPrice(bool on);
    bool getAllowNegative() const; // "allownegative"
    void setAllowNegative(bool on);
    bool getSuppressReason() const; // "suppressreason": no reason is asked for
    void setSuppressReason(bool on);
    bool getUseNetAmounts() const; // "usenetamounts"
    void setUseNetAmounts(bool on);
    bool getHideInList() const; // "hideinlist"
    void setHideInList(bool on);
    int getRounding() const;        // "rounding", NoRounding
    void setRounding(int rounding); // removed when NoRounding
};

} // namespace PosLib
