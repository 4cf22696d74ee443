#include "tcounter.h"

#include "recordstream.h"
#include "tdir.h"
#include "terror.h"
#include "tfile.h"

#include <QFileInfo>

#include <climits>

namespace PosLib {

namespace {

// A counter file holds one small record; anything this large is not one.
constexpr qint64 maxFileSize = 64 * 1024;

void readRecord(Basics::TFile& file, Basics::TValue& record)
{
    record.clear();
    if (file.size() > maxFileSize)
        throw Basics::TFileError(__LINE__, "tcounter", 304, 304, file.fileName());
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return; // a new counter file
    bool complete = false;
    try {
        Basics::RecordReader reader(bytes);
        complete = reader.read(record);
    } catch (const Basics::TError&) {
        // an impossible attribute count: no counter file either
    }
    if (!complete)
        throw Basics::TFileError(__LINE__, "tcounter", 304, 304, file.fileName());
}

} // namespace

const QString TCounter::ccdKey = QStringLiteral("ccd");

TCounter::TCounter(const QString& path, const QString& fileName)
    : m_filePath(Basics::TDir(path).path() + fileName)
{
}

int TCounter::valueOf(const Basics::TValue& record, const QString& key) const
{
    if (!record.contains(key))
        return 1;
    bool ok = false;
    const int value = record.getString(key).trimmed().toInt(&ok);
    if (!ok)
        throw Basics::TFileError(__LINE__, "tcounter", 305, 305, m_filePath + QStringLiteral(": ") + key);
    return value;
}

void TCounter::update(const std::function<void(Basics::TValue&)>& change)
{
    Basics::TDir(QFileInfo(m_filePath).path(), true);
    Basics::TFile file(m_filePath);
    file.open(QIODevice::ReadWrite); // the write lock is held until the file is closed
    Basics::TValue record;
    readRecord(file, record);
    change(record);
    QByteArray bytes;
    Basics::appendRecord(bytes, record);
    // Written over the old record in place: the file never stands empty, which would start the
    // counters at 1 again. A record only grows as its numbers do; a shorter one is cut to size.
    if (!file.seek(0))
        throw Basics::TFileError(__LINE__, "tcounter", 301, 301, m_filePath);
    file.writeDurably(bytes);
    if (file.size() > bytes.size() && !file.resize(bytes.size()))
        throw Basics::TFileError(__LINE__, "tcounter", 301, 301, m_filePath);
    file.close();
    Basics::TValue::operator=(record);
}

int TCounter::next(const QString& key)
{
    int drawn = 0;
    update([&](Basics::TValue& record) {
        drawn = valueOf(record, key);
        if (drawn == INT_MAX)
            throw Basics::TFileError(__LINE__, "tcounter", 305, 305, m_filePath + QStringLiteral(": ") + key);
        record.set(key, drawn + 1);
    });
    return drawn;
}

int TCounter::getNextCCD()
{
    return next(ccdKey);
}

int TCounter::getCounter(const QString& key)
{
    Basics::TValue record;
    if (QFileInfo::exists(m_filePath)) {
        Basics::TFile file(m_filePath);
        file.open(QIODevice::ReadOnly);
        readRecord(file, record);
    }
    const int value = valueOf(record, key);
    Basics::TValue::operator=(record);
    return value;
}

void TCounter::setCounter(const QString& key, int value)
{
    update([&](Basics::TValue& record) { record.set(key, value); });
}

} // namespace PosLib
