#include "recordstream.h"

#include "terror.h"
#include "textarena.h"
#include "tvalue.h"
#include "tvalue_p.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace Basics {

namespace {

constexpr quint32 nullStringLength = 0xFFFFFFFFu;
// A key and a text of an attribute need at least two length fields.
constexpr qsizetype minimumAttributeSize = 8;

const QString& emptyString()
{
    static const QString empty = QStringLiteral(""); // empty but not null, as QDataStream reads it
    return empty;
}

// Big-endian UTF-16 compares byte by byte as its code units do.
int compareBigEndian(const char* a, quint32 aBytes, const char* b, quint32 bBytes)
{
    const quint32 common = std::min(aBytes, bBytes);
    const int order = common == 0 ? 0 : std::memcmp(a, b, common);
    return order != 0 ? order : (aBytes < bBytes ? -1 : aBytes > bBytes ? 1 : 0);
}

void fromBigEndian(const char* data, qsizetype units, char16_t* out)
{
    if (units > 0)
        qFromBigEndian<char16_t>(data, units, out);
}

char* putCount(char* out, quint32 value)
{
    qToBigEndian(value, out);
    return out + 4;
}

char* putString(char* out, QStringView text, bool isNull)
{
    if (isNull)
        return putCount(out, nullStringLength);
    out = putCount(out, quint32(text.size() * 2));
    if (!text.isEmpty())
        qToBigEndian<char16_t>(text.utf16(), text.size(), out);
    return out + text.size() * 2;
}

} // namespace

RecordReader::RecordReader(QByteArrayView data)
    : m_pos(data.data())
    , m_end(data.data() + data.size())
{
}

RecordReader::~RecordReader() = default;

void RecordReader::useArena()
{
    if (!m_arena)
        m_arena = std::make_unique<TextArena>();
}

void RecordReader::setData(QByteArrayView data)
{
    m_pos = data.data();
    m_end = data.data() + data.size();
}

bool RecordReader::readPiece(Piece& piece)
{
    if (m_end - m_pos < 4) {
        m_needed = m_pos - m_start + 4;
        return false;
    }
    const quint32 bytes = qFromBigEndian<quint32>(m_pos);
    m_pos += 4;
    if (bytes == nullStringLength) {
        piece = Piece();
        return true;
    }
    if (bytes % 2 != 0) {
        m_needed = 0; // cannot be UTF-16: damaged
        return false;
    }
    if (bytes > quint64(m_end - m_pos)) {
        m_needed = m_pos - m_start + qsizetype(bytes);
        return false;
    }
    piece = Piece{m_pos, bytes};
    m_pos += bytes;
    return true;
}

bool RecordReader::sameKey(const Piece& key, const QString& known)
{
    if (key.isNull() || known.isNull())
        return key.isNull() && known.isNull();
    if (key.units() != known.size())
        return false;
    const char16_t* units = reinterpret_cast<const char16_t*>(known.utf16());
    for (qsizetype i = 0; i < known.size(); ++i) {
        if (qFromBigEndian<char16_t>(key.data + 2 * i) != units[i])
            return false;
    }
    return true;
}

bool RecordReader::matches(const KeyList& list) const
{
    if (size_t(list.keys.size()) != m_fields.size())
        return false;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (!sameKey(m_fields[i].key, list.keys.at(qsizetype(i))))
            return false;
    }
    return true;
}

QString RecordReader::decode(const Piece& piece)
{
    if (piece.isNull())
        return QString();
    if (piece.bytes == 0)
        return emptyString();
    QString text(piece.units(), Qt::Uninitialized);
    fromBigEndian(piece.data, piece.units(), reinterpret_cast<char16_t*>(text.data()));
    return text;
}

// A key as a string that every record with that key shares.
QString RecordReader::keyText(const Piece& key)
{
    constexpr qsizetype maxKnownKeys = 4096;
    QString text = decode(key);
    if (text.isEmpty())
        return text;
    if (const auto known = m_knownKeys.constFind(text); known != m_knownKeys.cend())
        return *known;
    if (m_knownKeys.size() < maxKnownKeys)
        m_knownKeys.insert(text);
    return text;
}

// The key list of the record just read: one of the last records' lists, or a new one.
const RecordReader::KeyList& RecordReader::keysOfRecord()
{
    constexpr size_t recentLists = 8;
    for (size_t i = 0; i < m_recentKeys.size(); ++i) {
        if (matches(m_recentKeys[i])) {
            std::rotate(m_recentKeys.begin(), m_recentKeys.begin() + qsizetype(i),
                        m_recentKeys.begin() + qsizetype(i) + 1);
            return m_recentKeys.front();
        }
    }
    KeyList list;
    list.keys.reserve(qsizetype(m_fields.size()));
    list.ascending = true;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const Piece& key = m_fields[i].key;
        list.keys.append(keyText(key));
        if (i > 0) {
            const Piece& before = m_fields[i - 1].key;
            list.ascending =
                list.ascending && compareBigEndian(before.data, before.bytes, key.data, key.bytes) < 0;
        }
    }
    if (m_recentKeys.size() == recentLists)
        m_recentKeys.pop_back();
    m_recentKeys.insert(m_recentKeys.begin(), std::move(list));
    return m_recentKeys.front();
}

bool RecordReader::read(TValue& value)
{
    value.clear();
    m_start = m_pos;
    m_needed = 0;
    if (m_end - m_pos < 4) {
        m_needed = 4;
        return false;
    }
    const quint32 count = qFromBigEndian<quint32>(m_pos);
    m_pos += 4;
    if (count >= maxAttributeCount) {
        m_pos = m_start;
        throw TError(__LINE__, "tvalue", 5, 5, QStringLiteral("attribute count %1").arg(count));
    }
    m_fields.clear();
    m_fields.reserve(std::min<qsizetype>(count, (m_end - m_pos) / minimumAttributeSize));
    qsizetype units = 0;
    for (quint32 i = 0; i < count; ++i) {
        Field field;
        if (!readPiece(field.key) || !readPiece(field.text)) {
            m_pos = m_start;
            return false;
        }
        units += field.text.units();
        m_fields.push_back(field);
    }
    // Files are written in key order, so that is the rule; anything else is sorted in.
    const KeyList& keys = keysOfRecord();
    if (keys.ascending)
        readSorted(value, units, keys.keys);
    else
        readUnsorted(value, keys.keys);
    RecordAccess::refreshID(value);
    return true;
}

// Keys in order: the block is written at once, and the record shares the key list.
void RecordReader::readSorted(TValue& value, qsizetype units, const QList<QString>& keys)
{
    TextBlockWriter writer(qsizetype(m_fields.size()), units, m_arena.get());
    for (const Field& field : m_fields) {
        char16_t* text = writer.add(TVariant::String, field.text.isNull(), field.text.units());
        fromBigEndian(field.text.data, field.text.units(), text);
    }
    TValueData& data = RecordAccess::data(value);
    data.keys = keys;
    data.block = writer.take();
}

// Keys out of order or twice (files of other programs): sorted in, and of a key that comes twice
// the first key with the last text, as setting them one by one would leave it.
void RecordReader::readUnsorted(TValue& value, const QList<QString>& keys)
{
    std::vector<qsizetype> order(m_fields.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        return QStringView(keys.at(a)).compare(keys.at(b)) < 0;
    });
    QList<QString> sorted;
    std::vector<const Piece*> texts;
    qsizetype units = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        const QString& key = keys.at(order[i]);
        const Piece* text = &m_fields[size_t(order[i])].text;
        if (!sorted.isEmpty() && QStringView(sorted.constLast()).compare(key) == 0) {
            units -= texts.back()->units();
            texts.back() = text;
        } else {
            sorted.append(key);
            texts.push_back(text);
        }
        units += text->units();
    }
    TextBlockWriter writer(sorted.size(), units, m_arena.get());
    for (const Piece* text : texts)
        fromBigEndian(text->data, text->units(), writer.add(TVariant::String, text->isNull(), text->units()));
    TValueData& data = RecordAccess::data(value);
    data.keys = std::move(sorted);
    data.block = writer.take();
}

void RecordWriter::append(QByteArray& out, const TValue& value)
{
    const TValueData& data = RecordAccess::data(value);
    const qsizetype count = data.size();
    if (data.keys.constData() != m_keys.constData() || count != m_keys.size()) {
        m_keys = data.keys;
        m_keyEnds.clear();
        qsizetype bytes = 0;
        for (const QString& key : data.keys)
            bytes += 4 + 2 * key.size();
        m_encodedKeys.resize(bytes);
        char* next = m_encodedKeys.data();
        for (const QString& key : data.keys) {
            next = putString(next, key, key.isNull());
            m_keyEnds.push_back(next - m_encodedKeys.constData());
        }
    }
    const qsizetype textStart = count == 0 ? 0 : data.offset(0) - 1;
    // The flags and NUL of every text in the block give way to the length of every text.
    const qsizetype bytes = 4 + m_encodedKeys.size() + 2 * (data.block.size() - textStart);
    const qsizetype at = out.size();
    out.resize(at + bytes);
    char* next = putCount(out.data() + at, quint32(count));
    const char* keys = m_encodedKeys.constData();
    qsizetype keyStart = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype keyEnd = m_keyEnds[size_t(i)];
        std::memcpy(next, keys + keyStart, size_t(keyEnd - keyStart));
        next += keyEnd - keyStart;
        keyStart = keyEnd;
        next = putString(next, data.view(i), data.isNull(i));
    }
}

void appendRecord(QByteArray& out, const TValue& value)
{
    RecordWriter().append(out, value);
}

} // namespace Basics
