#include "recordstream.h"

#include "terror.h"
#include "tvalue.h"
#include "tvalue_p.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

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

void appendCount(QByteArray& out, quint32 value)
{
    const quint32 big = qToBigEndian(value);
    out.append(reinterpret_cast<const char*>(&big), sizeof big);
}

void appendString(QByteArray& out, const QString& text)
{
    if (text.isNull()) {
        appendCount(out, nullStringLength);
        return;
    }
    const qsizetype bytes = text.size() * 2;
    appendCount(out, quint32(bytes));
    const qsizetype at = out.size();
    out.resize(at + bytes);
    qToBigEndian<char16_t>(text.utf16(), text.size(), out.data() + at);
}

} // namespace

RecordReader::RecordReader(QByteArrayView data)
    : m_pos(data.data())
    , m_end(data.data() + data.size())
{
}

bool RecordReader::readCount(quint32& count)
{
    if (m_end - m_pos < 4)
        return false;
    count = qFromBigEndian<quint32>(m_pos);
    m_pos += 4;
    return true;
}

bool RecordReader::readString(QString& text)
{
    quint32 bytes = 0;
    if (!readCount(bytes))
        return false;
    if (bytes == nullStringLength) {
        text = QString();
        return true;
    }
    if (bytes % 2 != 0 || bytes > quint64(m_end - m_pos))
        return false;
    if (bytes == 0) {
        text = emptyString();
        return true;
    }
    text = QString(qsizetype(bytes / 2), Qt::Uninitialized);
    qFromBigEndian<char16_t>(m_pos, bytes / 2, text.data());
    m_pos += bytes;
    return true;
}

bool RecordReader::readKey(QString& key, qsizetype index)
{
    if (index < m_previousKeys.size() && m_end - m_pos >= 4) {
        const QString& previous = m_previousKeys.at(index);
        const quint32 bytes = qFromBigEndian<quint32>(m_pos);
        if (!previous.isNull() && bytes == quint32(previous.size()) * 2 &&
            bytes <= quint64(m_end - m_pos - 4)) {
            const char* units = m_pos + 4;
            const QChar* known = previous.constData();
            qsizetype i = 0;
            while (i < previous.size() && qFromBigEndian<char16_t>(units + 2 * i) == known[i].unicode())
                ++i;
            if (i == previous.size()) {
                key = previous;
                m_pos = units + bytes;
                return true;
            }
        }
    }
    if (!readString(key))
        return false;
    if (index < m_previousKeys.size())
        m_previousKeys[index] = key;
    else if (index == m_previousKeys.size())
        m_previousKeys.append(key);
    return true;
}

bool RecordReader::read(TValue& value)
{
    value.clear();
    quint32 count = 0;
    if (!readCount(count))
        return false;
    if (count >= maxAttributeCount)
        throw TError(__LINE__, "tvalue", 5, 5, QStringLiteral("attribute count %1").arg(count));
    QList<TAttribute>& attributes = value.d->attributes;
    attributes.reserve(std::min<qsizetype>(count, (m_end - m_pos) / minimumAttributeSize));
    for (quint32 i = 0; i < count; ++i) {
        QString key;
        QString text;
        if (!readKey(key, i) || !readString(text)) {
            value.refreshID();
            return false;
        }
        // Files are written in key order, so appending is the rule; anything else is sorted in.
        if (attributes.isEmpty() || QStringView(attributes.constLast().key).compare(key) < 0)
            attributes.append(TAttribute{std::move(key), TVariant(std::move(text))});
        else
            value.set(key, TVariant(std::move(text)));
    }
    value.refreshID();
    return true;
}

void appendRecord(QByteArray& out, const TValue& value)
{
    const QList<TAttribute>& attributes = value.attributes();
    appendCount(out, quint32(attributes.size()));
    for (const TAttribute& attribute : attributes) {
        appendString(out, attribute.key);
        appendString(out, attribute.value.text());
    }
}

} // namespace Basics
