#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QList>
#include <QString>

namespace PosLib {

// A VAT rate: a percentage in hundredths of a per cent, or a fixed amount per item, with the rules
// the point of sale applies it by.
class BASICS_EXPORT TVatRate : public Basics::TValue {
public:
    // How the tax is calculated ("type").
    enum Type { FromBrutto = 0, FromNetto = 1, FixAmount = 2 };

    int getRate() const;    // "rate", 0: hundredths of a per cent; for a fixed amount an amount
    void setRate(int rate); // removed when 0
    int getType() const;    // "type", FromBrutto
    void setType(int type);
    bool isFixAmount() const { return getType() == FixAmount; }
    bool getDoDiscount() const; // "discount": calculated from the price including discounts
    void setDoDiscount(bool on);
    bool getIsGuestTA() const; // "guestta": a takeaway tax per client
    void setIsGuestTA(bool on);
    bool getIsGuestIH() const; // "guestih": an in-house tax per client
    void setIsGuestIH(bool on);
    // "compose": the VAT rates a composite rate is made of, ids joined by ":"; removed when empty.
    QList<int> getCompose() const;
    void setCompose(const QList<int>& ids);
    int getRksTaxId() const;          // "rkstaxid", 0 (RKS "Null"); always stored
    void setRksTaxId(int id);         //
    QString getFiscalTaxSign() const; // "fiscaltaxsign"; always stored, also when empty
    void setFiscalTaxSign(const QString& sign);

    // A percentage as the system writes it, with two decimals: 1900 is "19.00", 725 is "7.25".
    static QString percentText(int rate);
    // The reverse: "19" is 1900, "19.5" 1950, "7,25" 725 (a comma counts as a point); the digits
    // after the separator are a decimal fraction, rounded half up to hundredths ("7,256" is 726).
    static int parsePercent(const QString& text);
};

} // namespace PosLib
