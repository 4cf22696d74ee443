#include "tcardproperties.h"

namespace PosLib {

namespace {

const QString emptyCardText = QStringLiteral("<carddata/>");

bool isExtraPointsKey(const QString& key)
{
    return key == u"extrapoints1" || key == u"extrapoints2" || key == u"extrapoints3";
}

} // namespace

TCardProperties::TCardProperties()
    : TXmlValue(QStringLiteral("carddata"))
{
}

TCardProperties::TCardProperties(const QString& text)
    : TCardProperties()
{
    setXml(text);
}

TCardProperties::TCardProperties(const Element& element)
    : TXmlValue(element.name)
{
}

bool TCardProperties::setXml(const QString& text)
{
    m_empty = text.isEmpty() || text == emptyCardText;
    if (m_empty)
        return true;
    const bool ok = TXmlValue::setXml(text);
    const int id = int(getCardNumber());
    if (id != getID())
        setID(id);
    return ok;
}

unsigned long TCardProperties::unsignedValue(const char* key) const
{
    return get(key).toULong();
}

long TCardProperties::longValue(const char* key) const
{
    return get(key).toLong();
}

void TCardProperties::setNumber(const char* key, qint64 value)
{
    if (value == 0)
        remove(key);
    else
        set(key, Basics::TVariant(static_cast<long long>(value)));
}

void TCardProperties::setCardNumber(unsigned long number)
{
    setNumber("cardnumber", qint64(number));
    setID(int(number));
}

unsigned long TCardProperties::getCardNumber() const
{
    return unsignedValue("cardnumber");
}

QString TCardProperties::getUid() const
{
    return getString("uid");
}

void TCardProperties::setUid(const QString& uid)
{
    if (uid.isEmpty())
        remove("uid");
    else
        set("uid", uid);
}

unsigned long TCardProperties::getMandant() const
{
    return unsignedValue("mandant");
}
void TCardProperties::setMandant(unsigned long mandant)
{
    setNumber("mandant", qint64(mandant));
}
unsigned long TCardProperties::getClientNumber() const
{
    return unsignedValue("clientnumber");
}
void TCardProperties::setClientNumber(unsigned long number)
{
    setNumber("clientnumber", qint64(number));
}
unsigned long TCardProperties::getOutlet() const
{
    return unsignedValue("outlet");
}
void TCardProperties::setOutlet(unsigned long outlet)
{
    setNumber("outlet", qint64(outlet));
}
unsigned long TCardProperties::getPersonType() const
{
    return unsignedValue("persontype");
}
void TCardProperties::setPersonType(unsigned long type)
{
    setNumber("persontype", qint64(type));
}
unsigned long TCardProperties::getPriceModel() const
{
    return unsignedValue("pricemodel");
}
void TCardProperties::setPriceModel(unsigned long id)
{
    setNumber("pricemodel", qint64(id));
}
unsigned long TCardProperties::getPriceFinding() const
{
    return unsignedValue("pricefinding");
}
void TCardProperties::setPriceFinding(unsigned long id)
{
    setNumber("pricefinding", qint64(id));
}

bool TCardProperties::isLocked() const
{
    return getBool("islocked");
}
void TCardProperties::setLocked(bool locked)
{
    setFlag("islocked", locked);
}

QDateTime TCardProperties::getStartDate() const
{
    return getDateTime(QStringLiteral("startdate"));
}
void TCardProperties::setStartDate(const QDateTime& date)
{
    setDateTime(QStringLiteral("startdate"), date);
}
QDateTime TCardProperties::getEndDate() const
{
    return getDateTime(QStringLiteral("enddate"));
}
void TCardProperties::setEndDate(const QDateTime& date)
{
    setDateTime(QStringLiteral("enddate"), date);
}
QDateTime TCardProperties::getLastSubvent() const
{
    return getDateTime(QStringLiteral("lastsubvent"));
}
void TCardProperties::setLastSubvent(const QDateTime& date)
{
    setDateTime(QStringLiteral("lastsubvent"), date);
}
QDateTime TCardProperties::getLastProcess() const
{
    return getDateTime(QStringLiteral("lastprocess"));
}
void TCardProperties::setLastProcess(const QDateTime& date)
{
    setDateTime(QStringLiteral("lastprocess"), date);
}
QDateTime TCardProperties::getLastFormat() const
{
    return getDateTime(QStringLiteral("lastformat"));
}
void TCardProperties::setLastFormat(const QDateTime& date)
{
    setDateTime(QStringLiteral("lastformat"), date);
}

unsigned long TCardProperties::getCounter() const
{
    return unsignedValue("counter");
}
void TCardProperties::setCounter(unsigned long counter)
{
    setNumber("counter", qint64(counter));
}
long TCardProperties::getVersion() const
{
    return longValue("version");
}
void TCardProperties::setVersion(long version)
{
    setNumber("version", version);
}
bool TCardProperties::isDatabaseCard() const
{
    return getBool("databasecard");
}
void TCardProperties::setDatabaseCard(bool on)
{
    setFlag("databasecard", on);
}

bool TCardProperties::canCredit() const
{
    return getBool("cancredit");
}
void TCardProperties::setCanCredit(bool on)
{
    setFlag("cancredit", on);
}
bool TCardProperties::canPoints() const
{
    return getBool("canpoints");
}
void TCardProperties::setCanPoints(bool on)
{
    setFlag("canpoints", on);
}
bool TCardProperties::canTable() const
{
    return getBool("cantable");
}
void TCardProperties::setCanTable(bool on)
{
    setFlag("cantable", on);
}
bool TCardProperties::canWaiter() const
{
    return getBool("canwaiter");
}
void TCardProperties::setCanWaiter(bool on)
{
    setFlag("canwaiter", on);
}

long TCardProperties::getCreditSaldo() const
{
    return longValue("creditsaldo");
}
void TCardProperties::setCreditSaldo(long amount)
{
    setNumber("creditsaldo", amount);
}
long TCardProperties::getCreditMin() const
{
    return longValue("creditmin");
}
void TCardProperties::setCreditMin(long amount)
{
    setNumber("creditmin", amount);
}
long TCardProperties::getCreditMax() const
{
    return longValue("creditmax");
}
void TCardProperties::setCreditMax(long amount)
{
    setNumber("creditmax", amount);
}
long TCardProperties::getGivenSubvent() const
{
    return longValue("givensubvent");
}
void TCardProperties::setGivenSubvent(long amount)
{
    setNumber("givensubvent", amount);
}

long TCardProperties::getPointsSaldo() const
{
    return longValue("pointssaldo");
}
void TCardProperties::setPointsSaldo(long points)
{
    setNumber("pointssaldo", points);
}
long TCardProperties::getPointsMin() const
{
    return longValue("pointsmin");
}
void TCardProperties::setPointsMin(long points)
{
    setNumber("pointsmin", points);
}
long TCardProperties::getPointsMax() const
{
    return longValue("pointsmax");
}
void TCardProperties::setPointsMax(long points)
{
    setNumber("pointsmax", points);
}
long TCardProperties::getExtraPoints(const QString& key) const
{
    return get(key).toLong();
}

void TCardProperties::setExtraPointsSaldo(const QString& key, long points)
{
    if (isExtraPointsKey(key))
        setNumber(key.toLatin1().constData(), points);
}

long TCardProperties::getExtraPointsMin() const
{
    return longValue("extrapointsmin");
}
void TCardProperties::setExtraPointsMin(long points)
{
    setNumber("extrapointsmin", points);
}
long TCardProperties::getExtraPointsMax() const
{
    return longValue("extrapointsmax");
}
void TCardProperties::setExtraPointsMax(long points)
{
    setNumber("extrapointsmax", points);
}

int TCardProperties::setBounded(const char* key, long value, const char* minKey, const char* maxKey)
{
    if (value < longValue(minKey))
        return 11;
    const long max = longValue(maxKey);
    if (value <= max) {
        setNumber(key, value);
        return 0;
    }
    setNumber(key, max);
    return 10;
}

int TCardProperties::setPoints(long points)
{
    return setBounded("pointssaldo", points, "pointsmin", "pointsmax");
}

int TCardProperties::setExtraPoints(const QString& key, long points)
{
    if (!isExtraPointsKey(key))
        return 11;
    return setBounded(key.toLatin1().constData(), points, "extrapointsmin", "extrapointsmax");
}

unsigned long TCardProperties::getTableNr() const
{
    return unsignedValue("tablenr");
}
void TCardProperties::setTableNr(unsigned long table)
{
    setNumber("tablenr", qint64(table));
}
unsigned long TCardProperties::getPartyNr() const
{
    return unsignedValue("partynr");
}
void TCardProperties::setPartyNr(unsigned long party)
{
    setNumber("partynr", qint64(party));
}
unsigned long TCardProperties::getWaiterNr() const
{
    return unsignedValue("waiternr");
}
void TCardProperties::setWaiterNr(unsigned long waiter)
{
    setNumber("waiternr", qint64(waiter));
}

} // namespace PosLib
