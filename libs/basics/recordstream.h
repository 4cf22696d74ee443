#pragma once

// Fast reading and writing of the record stream form straight from and into memory, byte for byte
// what QDataStream (version Qt_3_3) reads and writes: big-endian 32-bit counts, strings as a 32-bit
// byte length (0xFFFFFFFF for a null string) followed by UTF-16BE code units.

#include "basics_global.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace Basics {

class TValue;

class BASICS_EXPORT RecordReader {
public:
    explicit RecordReader(QByteArrayView data);

    bool atEnd() const { return m_pos == m_end; }
    qsizetype remaining() const { return m_end - m_pos; }
    // Reads one record into value (cleared first). False when the data ends inside the record or
    // holds a string of odd byte length; the record is then incomplete. Throws TError code 5 for an
    // attribute count of 2^24 or more. Never allocates more than the bytes left can fill.
    bool read(TValue& value);

private:
    bool readCount(quint32& count);
    bool readString(QString& text);
    // Reads a key; one equal to the key at the same place in the previous record shares its text,
    // so the records of a file hold each key once.
    bool readKey(QString& key, qsizetype index);

    const char* m_pos;
    const char* m_end;
    QList<QString> m_previousKeys;
};

// Appends the stream form of one record to out.
BASICS_EXPORT void appendRecord(QByteArray& out, const TValue& value);

} // namespace Basics
