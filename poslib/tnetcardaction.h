#pragma once

#include "basics_global.h"
#include "txmlvalue.h"

#include <QDateTime>
#include <QString>

#include <functional>

namespace PosLib {

// A change of one attribute of a customer card, prepared in the back office and carried out
// ("booked") when the card is next presented: an XML text with the root element "cardactiondata".
// Templates hold these records without a card; TNetCardAction is one that belongs to a card.
class BASICS_EXPORT TNetCardActionTemplate : public TXmlValue {
public:
    // An amount in the smallest unit of the system currency as text.
    using AmountText = std::function<QString(qint64)>;

    TNetCardActionTemplate();
    explicit TNetCardActionTemplate(const QString& text);

    QString getUid() const;
    void setUid(const QString& uid);
    // The action type, TCardActionType::Type.
    int getDateTag() const;
    void setDateTag(int type);
    // 1 set, 2 add, 3 subtract.
    int getModifier() const;
    void setModifier(int modifier);
    // The key of the card attribute to change (TCardActionField).
    QString getField() const;
    void setField(const QString& key);

    // "true"/"false" for the locked flag, a decimal integer for counters, day, month and year
    // amounts and (in the smallest currency unit) amounts; setting a text drops a date value.
    QString getNewValue() const;
    void setNewValue(const QString& value);
    // A date value ("set date"): stored with its companion time attribute.
    bool hasDateValue() const;
    QDateTime getNewValueDate() const;
    void setNewValueDate(const QDateTime& date);

    // The value is entered when the action is carried out.
    bool isFreeInput() const;
    void setFreeInput(bool on);
    // Stored with "<" as "SmAlLeR" and ">" as "GrEaTeR"; the getter turns them back.
    QString getDescription() const;
    void setDescription(const QString& description);
    QDateTime getCreateDate() const;
    void setCreateDate(const QDateTime& date);
    int getCreateWaiter() const;
    void setCreateWaiter(int waiter);
    QDateTime getDateFrom() const;
    void setDateFrom(const QDateTime& date);
    QDateTime getDateTo() const;
    void setDateTo(const QDateTime& date);
    // Carried out, set by the card server with the time and the terminal.
    bool isBooked() const;
    void setBooked(bool booked);
    QDateTime getTriggerTime() const;
    void setTriggerTime(const QDateTime& time);
    int getTerminal() const;
    void setTerminal(int terminal);

    // What the action does, as the action lists show it: "set pointssaldo to 100", "add 1 month to
    // enddate", "substract from creditsaldo 5,00" ... Amounts of currency fields are written with
    // amountText when one is given.
    QString getActionText(const AmountText& amountText = AmountText()) const;
};

class BASICS_EXPORT TNetCardAction : public TNetCardActionTemplate {
public:
    using TNetCardActionTemplate::TNetCardActionTemplate;
};

} // namespace PosLib
