#pragma once

#include "basics_global.h"
#include "txmlvalue.h"

#include <QDateTime>
#include <QString>

namespace PosLib {

// The data record of a customer chip card, as it is stored on the card, exchanged with the card
// reader and kept in the card list: an XML text with the root element "carddata". Amounts are in the
// smallest unit of the system currency. Setters remove an attribute that is set to 0 (or to false,
// or to an empty text), so a card carries only what is set.
class BASICS_EXPORT TCardProperties : public TXmlValue {
public:
    TCardProperties();
    explicit TCardProperties(const QString& text);

    // Reads a card text. An empty text or "<carddata/>" marks the record empty and changes nothing
    // else; any other text replaces the attributes, and the record id becomes the card number.
    // False when the text is not XML (the record is then left without attributes).
    bool setXml(const QString& text) override;
    // True for a new record and for one read from an empty card text.
    bool isEmpty() const { return m_empty; }
    void setEmpty(bool empty) { m_empty = empty; }

    // Sets "cardnumber" and the record id.
    void setCardNumber(unsigned long number);
    unsigned long getCardNumber() const;

    QString getUid() const;
    void setUid(const QString& uid);
    unsigned long getMandant() const;
    void setMandant(unsigned long mandant);
    unsigned long getClientNumber() const;
    void setClientNumber(unsigned long number);
    unsigned long getOutlet() const;
    void setOutlet(unsigned long outlet);
    unsigned long getPersonType() const;
    void setPersonType(unsigned long type);
    // Id of a price level.
    unsigned long getPriceModel() const;
    void setPriceModel(unsigned long id);
    // Id of a subvention map.
    unsigned long getPriceFinding() const;
    void setPriceFinding(unsigned long id);

    bool isLocked() const;
    void setLocked(bool locked);
    QDateTime getStartDate() const;
    void setStartDate(const QDateTime& date);
    QDateTime getEndDate() const;
    void setEndDate(const QDateTime& date);
    QDateTime getLastSubvent() const;
    void setLastSubvent(const QDateTime& date);
    QDateTime getLastProcess() const;
    void setLastProcess(const QDateTime& date);
    QDateTime getLastFormat() const;
    void setLastFormat(const QDateTime& date);

    // The process counter: every write to the card counts it up; formatting sets it to 0.
    unsigned long getCounter() const;
    void setCounter(unsigned long counter);
    long getVersion() const;
    void setVersion(long version);
    bool isDatabaseCard() const;
    void setDatabaseCard(bool on);

    // The card's functions, fixed when the card is formatted.
    bool canCredit() const;
    void setCanCredit(bool on);
    bool canPoints() const;
    void setCanPoints(bool on);
    bool canTable() const;
    void setCanTable(bool on);
    bool canWaiter() const;
    void setCanWaiter(bool on);

    long getCreditSaldo() const;
    void setCreditSaldo(long amount);
    long getCreditMin() const;
    void setCreditMin(long amount);
    long getCreditMax() const;
    void setCreditMax(long amount);
    long getGivenSubvent() const;
    void setGivenSubvent(long amount);

    long getPointsSaldo() const;
    void setPointsSaldo(long points);
    long getPointsMin() const;
    void setPointsMin(long points);
    long getPointsMax() const;
    void setPointsMax(long points);
    // "extrapoints1", "extrapoints2" or "extrapoints3".
    long getExtraPoints(const QString& key) const;
    void setExtraPointsSaldo(const QString& key, long points);
    long getExtraPointsMin() const;
    void setExtraPointsMin(long points);
    long getExtraPointsMax() const;
    void setExtraPointsMax(long points);

    // The bounded setters, against the bounds stored now: a value below the minimum is refused
    // (11, nothing stored); one above the maximum stores the maximum (10); otherwise 0.
    int setPoints(long points);
    int setExtraPoints(const QString& key, long points);

    unsigned long getTableNr() const;
    void setTableNr(unsigned long table);
    unsigned long getPartyNr() const;
    void setPartyNr(unsigned long party);
    // Id of a waiter.
    unsigned long getWaiterNr() const;
    void setWaiterNr(unsigned long waiter);

protected:
    // For records that carry a card's attributes under another element name.
    struct Element {
        QString name;
    };
    explicit TCardProperties(const Element& element);

    unsigned long unsignedValue(const char* key) const;
    long longValue(const char* key) const;
    void setNumber(const char* key, qint64 value);

private:
    int setBounded(const char* key, long value, const char* minKey, const char* maxKey);

    bool m_empty = true;
};

} // namespace PosLib
