#include "tnetclient.h"

namespace PosLib {

TNetClient::TNetClient()
    : TXmlValue(QStringLiteral("clientdata"))
{
}

TNetClient::TNetClient(const QString& text)
    : TNetClient()
{
    setXml(text);
}

QDateTime TNetClient::defaultDateTime() const
{
    return QDateTime(QDate(1800, 1, 1), QTime(0, 0, 0));
}

void TNetClient::setText(const char* key, const QString& text)
{
    if (text.isEmpty())
        remove(key);
    else
        set(key, text);
}

QString TNetClient::getAddress() const
{
    return getString("adress");
}
void TNetClient::setAddress(const QString& address)
{
    setText("adress", address);
}
QString TNetClient::getPrename() const
{
    return getString("prename");
}
void TNetClient::setPrename(const QString& prename)
{
    setText("prename", prename);
}
QDateTime TNetClient::getBirthday() const
{
    return getDateTime(QStringLiteral("bday"));
}
void TNetClient::setBirthday(const QDateTime& birthday)
{
    setDateTime(QStringLiteral("bday"), birthday);
}
QString TNetClient::getPlz() const
{
    return getString("plz");
}
void TNetClient::setPlz(const QString& plz)
{
    setText("plz", plz);
}
QString TNetClient::getCity() const
{
    return getString("city");
}
void TNetClient::setCity(const QString& city)
{
    setText("city", city);
}
QString TNetClient::getStreet() const
{
    return getString("street");
}
void TNetClient::setStreet(const QString& street)
{
    setText("street", street);
}
QString TNetClient::getPhone1() const
{
    return getString("phone1");
}
void TNetClient::setPhone1(const QString& phone)
{
    setText("phone1", phone);
}
QString TNetClient::getPhone2() const
{
    return getString("phone2");
}
void TNetClient::setPhone2(const QString& phone)
{
    setText("phone2", phone);
}
QString TNetClient::getFax() const
{
    return getString("fax");
}
void TNetClient::setFax(const QString& fax)
{
    setText("fax", fax);
}
QString TNetClient::getEmail() const
{
    return getString("email");
}
void TNetClient::setEmail(const QString& email)
{
    setText("email", email);
}
QString TNetClient::getBitmap() const
{
    return getString("bitmap");
}
void TNetClient::setBitmap(const QString& path)
{
    setText("bitmap", path);
}
long TNetClient::getParentId() const
{
    return get("parentid").toLong();
}

void TNetClient::setParentId(long id)
{
    if (id == 0)
        remove("parentid");
    else
        set("parentid", Basics::TVariant(id));
}

} // namespace PosLib
