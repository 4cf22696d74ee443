#pragma once

// Fast reading and writing of the record stream form straight from and into memory, byte for byte
// what QDataStream (version Qt_3_3) reads and writes: big-endian 32-bit counts, strings as a 32-bit
// byte length (0xFFFFFFFF for a null string) followed by UTF-16BE code units.

#include "basics_global.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include <memory>
#include <vector>

namespace Basics {

class TextArena;
class TValue;

class BASICS_EXPORT RecordReader {
public:
    explicit RecordReader(QByteArrayView data);
    ~RecordReader();
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    bool atEnd() const { return m_pos == m_end; }
    qsizetype remaining() const { return m_end - m_pos; }
    // Reads one record into value (cleared first). False when the data ends inside the record or
    // holds a string of odd byte length; the record is then left empty and the reader stays where
    // the record begins. Throws TError code 5 for an attribute count of 2^24 or more. Never
    // allocates more than the bytes left can fill.
    bool read(TValue& value);
    // After a read that returned false because the data ended inside the record: how many bytes
    // from the record's start it needs at least. 0 when the data is damaged instead.
    qsizetype needed() const { return m_needed; }
    // Goes on in the next piece of the same stream, which begins with the bytes not read yet. Keys
    // are still shared with the records read before.
    void setData(QByteArrayView data);
    // Puts the texts of the records read from now on into large chunks of memory that the records
    // share (textarena.h): for data of many megabytes, which then loads with far fewer page faults.
    void useArena();

private:
    // Where a key or text lies in the data: its bytes, or null.
    struct Piece {
        const char* data = nullptr;
        quint32 bytes = 0;
        bool isNull() const { return data == nullptr; }
        qsizetype units() const { return bytes / 2; }
    };
    struct Field {
        Piece key;
        Piece text;
    };
    // The keys of records read before, in the order of the data; the records with these keys
    // share the list.
    struct KeyList {
        QList<QString> keys;
        bool ascending = false;
    };

    bool readPiece(Piece& piece);
    static bool sameKey(const Piece& key, const QString& known);
    bool matches(const KeyList& list) const;
    const KeyList& keysOfRecord();
    QString keyText(const Piece& key);
    static QString decode(const Piece& piece);
    void readSorted(TValue& value, qsizetype units, const QList<QString>& keys);
    void readUnsorted(TValue& value, const QList<QString>& keys);

    const char* m_pos;
    const char* m_end;
    const char* m_start = nullptr; // of the record being read
    qsizetype m_needed = 0;
    std::vector<Field> m_fields;
    // The key lists of the last records, the latest first, and every key read so far (up to a
    // limit), so that records of a few alternating kinds share their keys too.
    std::vector<KeyList> m_recentKeys;
    QSet<QString> m_knownKeys;
    std::unique_ptr<TextArena> m_arena;
};

// Writes the stream form of many records. The records of a list share their key list as long as
// their keys are the same, so the keys are encoded once per key list rather than once per record.
class BASICS_EXPORT RecordWriter {
public:
    // Appends the stream form of one record to out.
    void append(QByteArray& out, const TValue& value);

private:
    QList<QString> m_keys;    // the key list encoded last, kept so that its address stays its own
    QByteArray m_encodedKeys; // each key in its stream form, one after the other
    std::vector<qsizetype> m_keyEnds;
};

// Appends the stream form of one record to out.
BASICS_EXPORT void appendRecord(QByteArray& out, const TValue& value);

} // namespace Basics
