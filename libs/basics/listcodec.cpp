#include "listcodec.h"

#include "recordstream.h"
#include "terror.h"
#include "tfilereplacement.h"
#include "tvaluelist.h"

#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <cstring>
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
// Files are read and written in pieces of this size: large enough that a system call and a record
// cut at the end of a piece cost nothing, small enough to stay in the processor's cache.
constexpr qsizetype pieceSize = qsizetype(1) << 20;
// From this size on, the records' texts go into the shared chunks of an arena (textarena.h); a
// smaller list would leave most of a chunk unused.
constexpr qint64 arenaSize = qint64(8) << 20;

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

// What the records of data of a given size may take, against what they took so far.
class LoadBudget {
public:
    explicit LoadBudget(qint64 dataSize)
        : m_budget(memoryFactor * dataSize + memoryAllowance)
    {
    }
    // False once the records take more than the data may make them take.
    bool take(const TValue& value, qsizetype bytes)
    {
        m_used += recordCost + attributeCost * value.count() + bytes;
        m_empty += value.count() == 0;
        return m_used <= m_budget && m_empty <= maxEmptyRecords;
    }

private:
    qint64 m_budget;
    qint64 m_used = 0;
    qsizetype m_empty = 0;
};

// Decodes the records in reader's data into the list. 0 when the data ended after a record, 304
// when it is damaged or over budget (the list is then emptied), -1 when it ended inside a record.
constexpr int cutShort = -1;

int parseRecords(TValueList& list, RecordReader& reader, LoadBudget& budget)
{
    std::unique_ptr<TValue> value;
    while (!reader.atEnd()) {
        if (!value)
            value.reset(list.createValue());
        const qsizetype before = reader.remaining();
        if (!reader.read(*value))
            return reader.needed() > 0 ? cutShort : unreadable;
        if (!budget.take(*value, before - reader.remaining())) {
            list.clear(); // a file of mostly empty records: far more objects than data
            return unreadable;
        }
        list.insert(value.release());
    }
    return loaded;
}

int parse(TValueList& list, QByteArrayView data)
{
    LoadBudget budget(data.size());
    RecordReader reader(data);
    if (data.size() >= arenaSize)
        reader.useArena();
    const int result = parseRecords(list, reader, budget);
    return result == cutShort ? unreadable : result;
}

int parsePieces(TValueList& list, QIODevice& file, qint64 size)
{
    LoadBudget budget(size);
    RecordReader reader({});
    if (size >= arenaSize)
        reader.useArena();
    QByteArray buffer;
    qsizetype unread = 0; // the start of a record cut short, at the front of the buffer
    qsizetype wanted = pieceSize;
    for (;;) {
        if (buffer.size() < unread + wanted)
            buffer.resize(unread + wanted);
        const qint64 got = file.read(buffer.data() + unread, buffer.size() - unread);
        if (got < 0)
            return unreadable;
        if (got == 0)
            return unread == 0 ? loaded : unreadable; // the file ends after a record, or inside one
        const qsizetype available = unread + qsizetype(got);
        reader.setData(QByteArrayView(buffer.constData(), available));
        const int result = parseRecords(list, reader, budget);
        if (result == unreadable)
            return unreadable;
        // A record cut at the end of the piece goes to the front, and at least what it still needs
        // is read after it (or as much again as it has, so that a huge record is read in few steps).
        unread = reader.remaining();
        std::memmove(buffer.data(), buffer.constData() + available - unread, size_t(unread));
        wanted = result == cutShort ? std::max({reader.needed() - unread, unread, pieceSize}) : pieceSize;
    }
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
    RecordWriter writer;
    for (const TValue* value : list)
        writer.append(bytes, *value);
    return bytes;
}

void writeList(const TValueList& list, TFileReplacement& replacement)
{
    QByteArray piece;
    piece.reserve(pieceSize + pieceSize / 4);
    RecordWriter writer;
    for (const TValue* value : list) {
        writer.append(piece, *value);
        if (piece.size() >= pieceSize) {
            replacement.write(piece);
            piece.resize(0); // keeps the room
        }
    }
    replacement.write(piece);
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

int readList(TValueList& list, QIODevice& file, bool compressed)
{
    const qint64 start = file.pos();
    const qint64 size = file.size() - start;
    if (compressed && size > 0) {
        char last = 0;
        if (!file.seek(start + size - 1) || !file.getChar(&last) || !file.seek(start))
            return unreadable;
        if (uchar(last) == 0xFF) {
            QByteArray data = file.readAll();
            if (data.size() != size)
                return unreadable;
            return decodeList(list, std::move(data), true);
        }
    }
    return parsePieces(list, file, size);
}

} // namespace Basics
