#include "listcodec.h"

#include "recordstream.h"
#include "terror.h"
#include "tvaluelist.h"

#include <QtEndian>

#include <memory>
#include <zlib.h>

namespace Basics {

namespace {

constexpr int loaded = 0;
constexpr int unreadable = 304;

// What a record costs in memory beyond its text: the object, its place in the list, and per
// attribute the entry with its two strings. An estimate on the high side.
constexpr qsizetype recordCost = 128;
constexpr qsizetype attributeCost = 64;
constexpr qsizetype maxUncompressed = qsizetype(1) << 30;
// A record without attributes carries nothing but takes a record's memory; a file may hold a few
// (a settings record with every value at its default), never masses of them.
constexpr qsizetype maxEmptyRecords = 1000;

// The payload of qCompress's format (a 4-byte big-endian length, then a zlib stream), refused when
// the length exceeds limit or the stream does not give exactly that many bytes.
bool uncompress(QByteArrayView packed, qsizetype limit, QByteArray& plain)
{
    if (packed.size() < 4)
        return false;
    const quint32 expected = qFromBigEndian<quint32>(packed.data());
    if (qsizetype(expected) > limit)
        return false;
    if (expected == 0) {
        plain.clear();
        return true;
    }
    QByteArray out(qsizetype(expected), Qt::Uninitialized);
    z_stream stream = {};
    if (inflateInit(&stream) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data() + 4));
    stream.avail_in = uInt(packed.size() - 4);
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(expected);
    const int result = inflate(&stream, Z_FINISH);
    const bool complete = result == Z_STREAM_END && stream.total_out == expected;
    inflateEnd(&stream);
    if (!complete)
        return false;
    plain = std::move(out);
    return true;
}

int parse(TValueList& list, QByteArrayView data)
{
    const qsizetype budget = memoryFactor * data.size() + memoryAllowance;
    qsizetype used = 0;
    qsizetype empty = 0;
    RecordReader reader(data);
    while (!reader.atEnd()) {
        const qsizetype before = reader.remaining();
        std::unique_ptr<TValue> value(list.createValue());
        if (!reader.read(*value))
            return unreadable;
        used += recordCost + attributeCost * value->count() + (before - reader.remaining());
        empty += value->count() == 0;
        if (used > budget || empty > maxEmptyRecords) {
            list.clear(); // a file of mostly empty records: far more objects than data
            return unreadable;
        }
        list.insert(value.release());
    }
    return loaded;
}

} // namespace

bool compressionEnabled()
{
    const QString value = qEnvironmentVariable("POS_COMPRESS").trimmed().toLower();
    return !value.isEmpty() && value != u"0" && value != u"false";
}

QByteArray encodeList(const TValueList& list)
{
    QByteArray bytes;
    for (const TValue* value : list)
        appendRecord(bytes, *value);
    return bytes;
}

int decodeList(TValueList& list, QByteArray data, bool compressed)
{
    if (compressed && !data.isEmpty() && uchar(data.back()) == 0xFF) {
        QByteArray plain;
        const qsizetype limit = qMin(expansionFactor * data.size() + memoryAllowance, maxUncompressed);
        if (uncompress(data, limit, plain))
            return parse(list, plain);
        // Not compressed after all: plain records whose last value ends in U+00FF or is null.
        // Data that reads as neither is damaged, and what was read of it is no record.
        int result = unreadable;
        try {
            result = parse(list, data);
        } catch (const TError&) {
        }
        if (result != loaded)
            list.clear();
        return result;
    }
    return parse(list, data);
}

} // namespace Basics
