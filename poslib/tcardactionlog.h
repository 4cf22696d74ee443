#pragma once

#include "basics_global.h"
#include "tcardproperties.h"

#include <QDateTime>
#include <QString>

namespace PosLib {

// One entry of a card's action log on the card server: the card's attributes after the action,
// and what was done, by whom, where and with what result. Its id is the entry's own number, not the
// card number. The XML text has the root element "cardactionlog".
class BASICS_EXPORT TCardActionLog : public TCardProperties {
public:
    // The result of an action that succeeded.
    static const QString success;

    TCardActionLog();
    explicit TCardActionLog(const QString& text);

    // An empty text marks the record empty; any other is read as it stands (the id stays the
    // entry's number).
    bool setXml(const QString& text) override;

    QString getAction() const;
    void setAction(const QString& action);
    // success, or what went wrong.
    QString getResult() const;
    void setResult(const QString& result);
    QString getReason() const;
    void setReason(const QString& reason);
    QString getComment() const;
    void setComment(const QString& comment);
    int getPayform() const;
    void setPayform(int payform);
    QDateTime getActionDateTime() const;
    void setActionDateTime(const QDateTime& time);
    QString getTerminalId() const;
    void setTerminalId(const QString& terminal);
    int getWaiter() const;
    void setWaiter(int waiter);
    long getSubventCount() const;
    void setSubventCount(long count);

private:
    void setText(const char* key, const QString& text);
};

} // namespace PosLib
