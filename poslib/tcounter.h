#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QString>

#include <functional>

namespace PosLib {

// Persistent sequence numbers in a small record file ("counter.dat" of the cash office,
// "tablecounter.dat" of the table records): one record whose attributes are the counters, each the
// next number to hand out; a counter the file lacks stands at 1. The object holds the record as it
// was read or written last.
//
// Every change is one read-modify-write under the file's write lock, so two processes never draw
// the same number, and the new record goes to the disk before the number is handed out. A file
// that cannot be read, or a counter that is not a number, throws Basics::TFileError (304, 305)
// and changes nothing: numbers are never handed out again from a fresh start.
class BASICS_EXPORT TCounter : public Basics::TValue {
public:
    static const QString ccdKey; // "ccd", the number of the next cash count

    // The file is the path (a folder, "" for the working directory) followed by the file name.
    TCounter(const QString& path, const QString& fileName);

    QString filePath() const { return m_filePath; }

    // The next cash count number: next(ccdKey).
    int getNextCCD();
    // Hands out the counter's value and stores the value plus one.
    int next(const QString& key);
    // The counter's value; 1 when the file or the counter is missing.
    int getCounter(const QString& key);
    void setCounter(const QString& key, int value);

private:
    // Reads the record under the write lock, lets change alter it, writes it back durably.
    void update(const std::function<void(Basics::TValue&)>& change);
    int valueOf(const Basics::TValue& record, const QString& key) const;

    QString m_filePath;
};

} // namespace PosLib
