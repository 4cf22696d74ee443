#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QDateTime>
#include <QString>

namespace PosLib {

// A record that also converts to and from an XML text: a document with the tag name as document
// type and one element of that name whose children carry the attributes.
class BASICS_EXPORT TXmlValue : public Basics::TValue {
public:
    explicit TXmlValue(const QString& tagName);

    const QString& tagName() const { return m_tagName; }

    // An empty text changes nothing. Otherwise all attributes are replaced by the children of the
    // text's document element; false when the text is not XML or a child is not an element.
    virtual bool setXml(const QString& text);
    virtual QString toXml() const;
    // Stands for "not set": 2010-01-01 00:00:00.
    virtual QDateTime defaultDateTime() const;

    // key = "yyyy-MM-dd" and key + "time" = "hh:mm:ss"; both removed for a time before the default.
    void setDateTime(const QString& key, const QDateTime& dateTime);
    // The stored date and time, or defaultDateTime() when the key is empty or does not parse.
    QDateTime getDateTime(const QString& key) const;

private:
    QString m_tagName;
};

} // namespace PosLib
