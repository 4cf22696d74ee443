#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

class QIODevice;

// The tar (ustar) container of a backup archive: regular files only, names of at most 255 bytes.
// The reader is bounded: a header that does not check out, a member that is not a regular file, a
// name that could leave the folder it is unpacked into, or a size above the limit ends the reading
// with an error.
namespace TarArchive {

constexpr int blockSize = 512;

// The 512-byte header of a regular file; an empty array when the name does not fit.
QByteArray fileHeader(const QString& name, std::int64_t size, std::int64_t modified);
// The padding after size bytes of content, then (at the end) the two empty blocks.
QByteArray padding(std::int64_t size);
QByteArray endOfArchive();

// Whether a member name stays inside the folder it is unpacked into: relative, without "..", "."
// or empty components, without a backslash or control characters.
bool isSafeName(const QString& name);

struct Member {
    QString name;
    std::int64_t size = 0;
};

class Reader {
public:
    Reader(QIODevice& device, std::int64_t maxMemberSize);
    // The next member's header: true with member filled, false at the end of the archive or on an
    // error (error() then says which).
    bool next(Member& member);
    // Reads the content of the current member piece by piece (at most maxChunk bytes each); an
    // empty array when it is all read.
    QByteArray readChunk(qint64 maxChunk);
    QString error() const { return m_error; }

private:
    bool fail(const QString& error);

    QIODevice& m_device;
    std::int64_t m_maxMemberSize;
    std::int64_t m_left = 0;
    std::int64_t m_pad = 0;
    QString m_error;
};

} // namespace TarArchive
