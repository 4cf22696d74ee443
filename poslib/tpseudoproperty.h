#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QString>

namespace PosLib {

class TCardProperties;

// A card in the card list "pseudoproperties": the id of its chip UID, the main values of the card
// and its whole card text. Every setter removes its attribute instead of storing 0 or an empty text.
class BASICS_EXPORT TPseudoProperty : public Basics::TValue {
public:
    int getCardNumber() const;
    void setCardNumber(int number);
    QString getUid() const;
    void setUid(const QString& uid);
    int getClientNumber() const;
    void setClientNumber(int number);
    // The card text (root element "carddata") as read from the card.
    QString getCardData() const;
    void setCardData(const QString& text);
    long getCreditSaldo() const;
    void setCreditSaldo(long amount);
    int getPointsSaldo() const;
    void setPointsSaldo(int points);
    // "extrapoints1", "extrapoints2" or "extrapoints3".
    int getExtraPoints(const QString& key) const;
    void setExtraPoints(const QString& key, int points);
    int getTableNr() const;
    void setTableNr(int table);
    int getPartyNr() const;
    void setPartyNr(int party);
    int getWaiterNr() const;
    void setWaiterNr(int waiter);

    // The card's flags as a bit set: 1 points, 2 credit, 4 table, 8 waiter, 16 database card,
    // 32 locked.
    int getCardType() const;
    void setCardType(bool canPoints, bool canCredit, bool canTable, bool canWaiter, bool databaseCard,
                     bool locked);

    // Takes the values of a card read from the reader: its number, UID, client, flags and card
    // text, the list id (from the UID mapping), then its balances and table, party and waiter.
    void takeCard(const TCardProperties& card, const QString& cardText, int id);

private:
    void setNumber(const char* key, qint64 value);
};

} // namespace PosLib
