#include "tvalue.h"

#include "terror.h"
#include "tvalue_p.h"

#include <QDataStream>
#include <QDomDocument>
#include <QDomElement>
#include <QTextStream>

#include <algorithm>

namespace Basics {

namespace {

const QString idKey = QStringLiteral("id");
const QString nameKey = QStringLiteral("name");
const QString shortNameKey = QStringLiteral("shortname");

bool isAscii(QUtf8StringView view)
{
    return std::all_of(view.begin(), view.end(), [](char c) { return uchar(c) < 0x80; });
}

// Orders a stored key against a looked-up key by UTF-16 code units, whatever encoding the caller
// used for the key.
int compareKey(const QString& stored, QAnyStringView key)
{
    return key.visit([&stored](auto view) -> int {
        using View = decltype(view);
        if constexpr (std::is_same_v<View, QUtf8StringView>) {
            if (isAscii(view))
                return QStringView(stored).compare(QLatin1StringView(view.data(), view.size()));
            return QStringView(stored).compare(view.toString());
        } else {
            return QStringView(stored).compare(view);
        }
    });
}

QList<TAttribute>::const_iterator lowerBound(const QList<TAttribute>& list, QAnyStringView key)
{
    return std::lower_bound(list.cbegin(), list.cend(), key,
                            [](const TAttribute& a, QAnyStringView k) { return compareKey(a.key, k) < 0; });
}

const TVariant* lookup(const QList<TAttribute>& list, QAnyStringView key)
{
    const auto it = lowerBound(list, key);
    if (it != list.cend() && compareKey(it->key, key) == 0)
        return &it->value;
    return nullptr;
}

QString textField(const QString& text)
{
    QString field = text;
    field.replace(u';', u',');
    field.replace(u'\r', u'|');
    field.replace(u'\n', u'|');
    field.replace(u'"', u'\'');
    return field;
}

} // namespace

TValue::TValue()
    : d(new Data)
{
}

TValue::TValue(const TValue& other) = default;
TValue::TValue(TValue&& other) noexcept = default;
TValue& TValue::operator=(const TValue& other) = default;
TValue& TValue::operator=(TValue&& other) noexcept = default;
TValue::~TValue() = default;

int TValue::getID() const
{
    return m_id;
}

void TValue::refreshID()
{
    const TVariant* id = lookup(d.constData()->attributes, idKey);
    m_id = id ? id->toInt() : 0;
}

void TValue::setID(int id)
{
    set(idKey, TVariant(id));
}

TVariant TValue::get(QAnyStringView key, const TVariant& def) const
{
    const TVariant* value = lookup(d->attributes, key);
    return value ? *value : def;
}

QString TValue::getString(QAnyStringView key, const QString& def) const
{
    const TVariant* value = lookup(d->attributes, key);
    return value ? value->text() : def;
}

int TValue::getInt(QAnyStringView key, int def) const
{
    const TVariant* value = lookup(d->attributes, key);
    return value ? value->toInt() : def;
}

double TValue::getDouble(QAnyStringView key, double def) const
{
    const TVariant* value = lookup(d->attributes, key);
    return value ? value->toDouble() : def;
}

bool TValue::getBool(QAnyStringView key, bool def) const
{
    const TVariant* value = lookup(d->attributes, key);
    return value ? value->toBool() : def;
}

bool TValue::contains(QAnyStringView key) const
{
    return lookup(d->attributes, key) != nullptr;
}

void TValue::set(QAnyStringView key, const TVariant& value)
{
    const QList<TAttribute>& shared = d.constData()->attributes;
    const auto pos = lowerBound(shared, key) - shared.cbegin();
    QList<TAttribute>& list = d->attributes; // detaches
    if (pos < list.size() && compareKey(list[pos].key, key) == 0)
        list[pos].value = value;
    else
        list.insert(pos, TAttribute{key.toString(), value});
    if (list[pos].key == idKey)
        m_id = value.toInt();
}

void TValue::remove(QAnyStringView key)
{
    const QList<TAttribute>& shared = d.constData()->attributes;
    const auto it = lowerBound(shared, key);
    if (it == shared.cend() || compareKey(it->key, key) != 0)
        return;
    const auto pos = it - shared.cbegin();
    if (it->key == idKey)
        m_id = 0;
    d->attributes.removeAt(pos);
}

void TValue::clear()
{
    if (!d.constData()->attributes.isEmpty())
        d->attributes.clear();
    m_id = 0;
}

void TValue::setOrRemove(QAnyStringView key, const TVariant& value, const TVariant& def)
{
    if (value.text() == def.text())
        remove(key);
    else
        set(key, value);
}

void TValue::setFlag(QAnyStringView key, bool on)
{
    if (on)
        set(key, TVariant(true));
    else
        remove(key);
}

void TValue::setFlagDefaultOn(QAnyStringView key, bool on)
{
    if (on)
        remove(key);
    else
        set(key, TVariant(false));
}

QString TValue::getName() const
{
    return getString(nameKey);
}

QString TValue::getShortName() const
{
    return getString(shortNameKey);
}

void TValue::setName(const QString& name)
{
    if (name.isEmpty())
        remove(nameKey);
    else
        set(nameKey, TVariant(name));
}

void TValue::setShortName(const QString& shortName)
{
    if (shortName.isEmpty())
        remove(shortNameKey);
    else
        set(shortNameKey, TVariant(shortName));
}

const QList<TAttribute>& TValue::attributes() const
{
    return d->attributes;
}

qsizetype TValue::count() const
{
    return d->attributes.size();
}

bool TValue::readXml(const QDomElement& element)
{
    for (QDomNode node = element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (!node.isElement())
            return false;
        const QDomElement child = node.toElement();
        set(child.tagName(), TVariant(child.text()));
    }
    return true;
}

void TValue::writeXml(QDomDocument& doc, QDomElement& parent) const
{
    for (const TAttribute& attribute : d->attributes) {
        QDomElement child = doc.createElement(attribute.key);
        child.appendChild(doc.createTextNode(attribute.value.text()));
        parent.appendChild(child);
    }
}

void TValue::writeText(QTextStream& stream, const QList<QString>& columns) const
{
    bool first = true;
    for (const QString& column : columns) {
        if (!first)
            stream << ';';
        first = false;
        stream << textField(getString(column));
    }
}

bool TValue::operator==(const TValue& other) const
{
    if (d == other.d)
        return true;
    const QList<TAttribute>& a = d->attributes;
    const QList<TAttribute>& b = other.d->attributes;
    return std::equal(
        a.cbegin(), a.cend(), b.cbegin(), b.cend(),
        [](const TAttribute& x, const TAttribute& y) { return x.key == y.key && x.value == y.value; });
}

QDataStream& operator<<(QDataStream& stream, const TValue& value)
{
    const QList<TAttribute>& attributes = value.attributes();
    stream << quint32(attributes.size());
    for (const TAttribute& attribute : attributes)
        stream << attribute.key << attribute.value.text();
    return stream;
}

QDataStream& operator>>(QDataStream& stream, TValue& value)
{
    value.clear();
    quint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok)
        return stream;
    if (count >= maxAttributeCount)
        throw TError(__LINE__, "tvalue", 5, 5, QStringLiteral("attribute count %1").arg(count));
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        QString key;
        QString text;
        stream >> key >> text;
        if (stream.status() == QDataStream::Ok)
            value.set(key, TVariant(std::move(text)));
    }
    return stream;
}

} // namespace Basics
