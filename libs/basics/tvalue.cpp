#include "tvalue.h"

#include "terror.h"
#include "textarena.h"
#include "tvalue_p.h"
#include "tvariant_p.h"

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

// The flags code unit in front of a text: the type code, and whether the text is null.
constexpr char16_t textTypeBits = 0x1f;
constexpr char16_t nullTextBit = 0x20;

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

QString textField(const QString& text)
{
    QString field = text;
    field.replace(u';', u',');
    field.replace(u'\r', u'|');
    field.replace(u'\n', u'|');
    field.replace(u'"', u'\'');
    return field;
}

enum class BlockChange { Replace, Insert, Remove };

// The block of data with the text at index `at` replaced by value, value inserted before it, or the
// text removed.
QString changedBlock(const TValueData& data, qsizetype at, BlockChange change, const TVariant* value)
{
    const qsizetype count = data.size();
    qsizetype units = data.block.size() - 4 * count; // the texts alone
    if (change != BlockChange::Insert)
        units -= data.length(at);
    if (change != BlockChange::Remove)
        units += value->text().size();
    const qsizetype newCount = count + (change == BlockChange::Insert   ? 1
                                        : change == BlockChange::Remove ? -1
                                                                        : 0);
    TextBlockWriter writer(newCount, units);
    for (qsizetype i = 0; i <= count; ++i) {
        if (i == at && change != BlockChange::Remove)
            writer.add(value->type(), value->text().isNull(), value->text());
        if (i == count)
            break;
        if (i != at || change == BlockChange::Insert)
            writer.add(data, i);
    }
    return writer.take();
}

} // namespace

int TValueData::type(qsizetype i) const
{
    return flags(i) & textTypeBits;
}

bool TValueData::isNull(qsizetype i) const
{
    return flags(i) & nullTextBit;
}

QString TValueData::text(qsizetype i) const
{
    if (isNull(i))
        return QString();
    QString::DataPointer slice(block.data_ptr()); // shares the block
    slice.setBegin(slice.data() + offset(i));
    slice.size = length(i);
    return QString(std::move(slice));
}

TVariant TValueData::value(qsizetype i) const
{
    return TVariant(TVariant::Type(type(i)), text(i));
}

qsizetype TValueData::lowerBound(QAnyStringView key) const
{
    return std::lower_bound(
               keys.cbegin(), keys.cend(), key,
               [](const QString& stored, QAnyStringView k) { return compareKey(stored, k) < 0; }) -
           keys.cbegin();
}

qsizetype TValueData::find(QAnyStringView key) const
{
    const qsizetype i = lowerBound(key);
    return i < keys.size() && compareKey(keys.at(i), key) == 0 ? i : -1;
}

char16_t TextBlockWriter::flagsOf(int type, bool isNull)
{
    return char16_t((type & textTypeBits) | (isNull ? nullTextBit : 0));
}

TextBlockWriter::TextBlockWriter(qsizetype count, qsizetype units, TextArena* arena)
{
    if (count == 0)
        return;
    // The table, and a flags unit and a NUL per text.
    const qsizetype size = 4 * count + units;
    if (quint64(size) > 0xFFFFFFFFu)
        qBadAlloc(); // offsets are 32 bits: a record of more than 8 GB
    if (arena) {
        m_base = arena->allocate(size, m_block);
    } else {
        m_block = QString(size, Qt::Uninitialized);
        m_base = reinterpret_cast<char16_t*>(m_block.data());
    }
    m_table = m_base;
    m_next = m_base + 2 * count;
}

char16_t* TextBlockWriter::add(int type, bool isNull, qsizetype length)
{
    *m_next++ = flagsOf(type, isNull);
    const quint32 offset = quint32(m_next - m_base);
    *m_table++ = char16_t(offset & 0xffff);
    *m_table++ = char16_t(offset >> 16);
    char16_t* text = m_next;
    m_next += length;
    *m_next++ = 0;
    return text;
}

void TextBlockWriter::add(int type, bool isNull, QStringView text)
{
    std::copy(text.utf16(), text.utf16() + text.size(), add(type, isNull, text.size()));
}

void TextBlockWriter::add(const TValueData& data, qsizetype i)
{
    const QStringView text = data.view(i);
    std::copy(text.utf16(), text.utf16() + text.size(), add(data.type(i), data.isNull(i), text.size()));
}

TValue::TValue()
    : d(new TValueData)
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
    const TValueData* data = d.constData();
    const qsizetype i = data->find(idKey);
    m_id = i < 0 ? 0 : VariantText::toInt(data->view(i));
}

void TValue::setID(int id)
{
    set(idKey, TVariant(id));
}

TVariant TValue::get(QAnyStringView key, const TVariant& def) const
{
    const qsizetype i = d->find(key);
    return i < 0 ? def : d->value(i);
}

QString TValue::getString(QAnyStringView key, const QString& def) const
{
    const qsizetype i = d->find(key);
    return i < 0 ? def : d->text(i);
}

int TValue::getInt(QAnyStringView key, int def) const
{
    const qsizetype i = d->find(key);
    return i < 0 ? def : VariantText::toInt(d->view(i));
}

double TValue::getDouble(QAnyStringView key, double def) const
{
    const qsizetype i = d->find(key);
    return i < 0 ? def : VariantText::toDouble(d->view(i));
}

bool TValue::getBool(QAnyStringView key, bool def) const
{
    const qsizetype i = d->find(key);
    return i < 0 ? def : VariantText::toBool(d->view(i));
}

bool TValue::contains(QAnyStringView key) const
{
    return d->find(key) >= 0;
}

void TValue::set(QAnyStringView key, const TVariant& value)
{
    const TValueData* shared = d.constData();
    const qsizetype pos = shared->lowerBound(key);
    const bool present = pos < shared->size() && compareKey(shared->keys.at(pos), key) == 0;
    QString block = changedBlock(*shared, pos, present ? BlockChange::Replace : BlockChange::Insert, &value);
    TValueData* data = d.data(); // detaches
    if (!present)
        data->keys.insert(pos, key.toString());
    data->block = std::move(block);
    if (data->keys.at(pos) == idKey)
        m_id = value.toInt();
}

void TValue::remove(QAnyStringView key)
{
    const TValueData* shared = d.constData();
    const qsizetype pos = shared->find(key);
    if (pos < 0)
        return;
    const bool isID = shared->keys.at(pos) == idKey;
    QString block = changedBlock(*shared, pos, BlockChange::Remove, nullptr);
    TValueData* data = d.data(); // detaches
    data->keys.removeAt(pos);
    data->block = std::move(block);
    if (isID)
        m_id = 0;
}

void TValue::clear()
{
    if (d.constData()->size() != 0) {
        TValueData* data = d.data();
        data->keys = QList<QString>(); // clear() would keep a list of the same capacity
        data->block = QString();
    }
    m_id = 0;
}

void TValue::assign(QList<TAttribute> attributes)
{
    std::stable_sort(attributes.begin(), attributes.end(),
                     [](const TAttribute& a, const TAttribute& b) { return a.key < b.key; });
    QList<QString> keys;
    keys.reserve(attributes.size());
    std::vector<const TVariant*> values;
    values.reserve(size_t(attributes.size()));
    qsizetype units = 0;
    for (const TAttribute& attribute : attributes) {
        if (!keys.isEmpty() && keys.constLast() == attribute.key) {
            units -= values.back()->text().size();
            values.back() = &attribute.value;
        } else {
            keys.append(attribute.key);
            values.push_back(&attribute.value);
        }
        units += attribute.value.text().size();
    }
    TextBlockWriter writer(keys.size(), units);
    for (const TVariant* value : values)
        writer.add(value->type(), value->text().isNull(), value->text());
    TValueData* data = d.data();
    data->keys = std::move(keys);
    data->block = writer.take();
    refreshID();
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

TAttributes TValue::attributes() const
{
    return TAttributes(d);
}

qsizetype TValue::count() const
{
    return d->size();
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
    const TValueData* data = d.constData();
    for (qsizetype i = 0; i < data->size(); ++i) {
        QDomElement child = doc.createElement(data->keys.at(i));
        child.appendChild(doc.createTextNode(data->text(i)));
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
    const TValueData* a = d.constData();
    const TValueData* b = other.d.constData();
    if (a->keys != b->keys)
        return false;
    for (qsizetype i = 0; i < a->size(); ++i) {
        if (a->view(i) != b->view(i))
            return false;
    }
    return true;
}

TAttributes::TAttributes(const QSharedDataPointer<TValueData>& data)
    : d(data)
{
}

TAttributes::TAttributes(const TAttributes& other) = default;
TAttributes& TAttributes::operator=(const TAttributes& other) = default;
TAttributes::~TAttributes() = default;

qsizetype TAttributes::size() const
{
    return d->size();
}

TAttribute TAttributes::at(qsizetype index) const
{
    return TAttribute{d->keys.at(index), d->value(index)};
}

QDataStream& operator<<(QDataStream& stream, const TValue& value)
{
    const TValueData& data = RecordAccess::data(value);
    stream << quint32(data.size());
    for (qsizetype i = 0; i < data.size(); ++i)
        stream << data.keys.at(i) << data.text(i);
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
