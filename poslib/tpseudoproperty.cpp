#include "tpseudoproperty.h"

#include "tcardproperties.h"

namespace PosLib {

void TPseudoProperty::setNumber(const char* key, qint64 value)
{
    if (value == 0)
        remove(key);
    else
        set(key, Basics::TVariant(static_cast<long long>(value)));
}

int TPseudoProperty::getCardNumber() const
{
    return getInt("cardnumber");
}
void TPseudoProperty::setCardNumber(int number)
{
    setNumber("cardnumber", number);
}
QString TPseudoProperty::getUid() const
{
    return getString("uid");
}

void TPseudoProperty::setUid(const QString& uid)
{
    if (uid.isEmpty())
        remove("uid");
    else
        set("uid", uid);
}

int TPseudoProperty::getClientNumber() const
{
    return getInt("clientnumber");
}
void TPseudoProperty::setClientNumber(int number)
{
    setNumber("clientnumber", number);
}
QString TPseudoProperty::getCardData() const
{
    return getString("carddata");
}

void TPseudoProperty::setCardData(const QString& text)
{
    if (text.isEmpty())
        remove("carddata");
    else
        set("carddata", text);
}

long TPseudoProperty::getCreditSaldo() const
{
    return get("creditsaldo").toLong();
}
void TPseudoProperty::setCreditSaldo(long amount)
{
    setNumber("creditsaldo", amount);
}
int TPseudoProperty::getPointsSaldo() const
{
    return getInt("pointssaldo");
}
void TPseudoProperty::setPointsSaldo(int points)
{
    setNumber("pointssaldo", points);
}
int TPseudoProperty::getExtraPoints(const QString& key) const
{
    return getInt(key);
}

void TPseudoProperty::setExtraPoints(const QString& key, int points)
{
    if (key == u"extrapoints1" || key == u"extrapoints2" || key == u"extrapoints3")
        setNumber(key.toLatin1().constData(), points);
}

int TPseudoProperty::getTableNr() const
{
    return getInt("tablenr");
}
void TPseudoProperty::setTableNr(int table)
{
    setNumber("tablenr", table);
}
int TPseudoProperty::getPartyNr() const
{
    return getInt("partynr");
}
void TPseudoProperty::setPartyNr(int party)
{
    setNumber("partynr", party);
}
int TPseudoProperty::getWaiterNr() const
{
    return getInt("waiternr");
}
void TPseudoProperty::setWaiterNr(int waiter)
{
    setNumber("waiternr", waiter);
}
int TPseudoProperty::getCardType() const
{
    return getInt("cardtype");
}

void TPseudoProperty::setCardType(bool canPoints, bool canCredit, bool canTable, bool canWaiter,
                                  bool databaseCard, bool locked)
{
    setNumber("cardtype", (canPoints ? 1 : 0) | (canCredit ? 2 : 0) | (canTable ? 4 : 0) |
                              (canWaiter ? 8 : 0) | (databaseCard ? 16 : 0) | (locked ? 32 : 0));
}

void TPseudoProperty::takeCard(const TCardProperties& card, const QString& cardText, int id)
{
    setCardNumber(int(card.getCardNumber()));
    setUid(card.getUid());
    setClientNumber(int(card.getClientNumber()));
    setCardType(card.canPoints(), card.canCredit(), card.canTable(), card.canWaiter(), card.isDatabaseCard(),
                card.isLocked());
    setCardData(cardText);
    if (id == 0)
        remove("id");
    else
        setID(id);
    setCreditSaldo(card.getCreditSaldo());
    setPointsSaldo(int(card.getPointsSaldo()));
    for (const QString& key :
         {QStringLiteral("extrapoints1"), QStringLiteral("extrapoints2"), QStringLiteral("extrapoints3")})
        setExtraPoints(key, int(card.getExtraPoints(key)));
    setTableNr(int(card.getTableNr()));
    setPartyNr(int(card.getPartyNr()));
    setWaiterNr(int(card.getWaiterNr()));
}

} // namespace PosLib
