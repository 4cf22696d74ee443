#pragma once

#include "basics_global.h"
#include "txmlvalue.h"

#include <QDateTime>
#include <QString>

namespace PosLib {

// A client of the card server, the person or account a card is issued to (the card's
// "clientnumber" is the client's id): an XML text with the root element "clientdata". Every text
// setter removes its attribute when given an empty text.
class BASICS_EXPORT TNetClient : public TXmlValue {
public:
    TNetClient();
    explicit TNetClient(const QString& text);

    // Birthdays lie far before the date that stands for "not set" in other records: for a client
    // it is 1 January 1800, the birthday of a client whose birthday is not known.
    QDateTime defaultDateTime() const override;

    QString getAddress() const;
    void setAddress(const QString& address);
    QString getPrename() const;
    void setPrename(const QString& prename);
    // The date counts; the time is stored but not used.
    QDateTime getBirthday() const;
    void setBirthday(const QDateTime& birthday);
    QString getPlz() const;
    void setPlz(const QString& plz);
    QString getCity() const;
    void setCity(const QString& city);
    QString getStreet() const;
    void setStreet(const QString& street);
    QString getPhone1() const;
    void setPhone1(const QString& phone);
    QString getPhone2() const;
    void setPhone2(const QString& phone);
    QString getFax() const;
    void setFax(const QString& fax);
    QString getEmail() const;
    void setEmail(const QString& email);
    // Path of a picture of the client.
    QString getBitmap() const;
    void setBitmap(const QString& path);
    // Id of the parent client; 0 (none) removes it.
    long getParentId() const;
    void setParentId(long id);

private:
    void setText(const char* key, const QString& text);
};

} // namespace PosLib
