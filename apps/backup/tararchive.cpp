#include "tararchive.h"

#include <QCoreApplication>
#include <QIODevice>

#include <cstring>

namespace TarArchive {

namespace {

constexpr int nameLength = 100;
constexpr int prefixLength = 155;

void putOctal(char* field, int width, std::int64_t value)
{
    // width - 1 digits and a NUL, as every tar reads them.
    QByteArray digits = QByteArray::number(qlonglong(value), 8).rightJustified(width - 1, '0');
    std::memcpy(field, digits.constData(), size_t(width - 1));
    field[width - 1] = '\0';
}

std::int64_t parseOctal(const char* field, int width, bool* ok)
{
    std::int64_t value = 0;
    int i = 0;
    while (i < width && field[i] == ' ')
        ++i;
    int digits = 0;
    for (; i < width && field[i] >= '0' && field[i] <= '7'; ++i, ++digits) {
        if (value > (std::int64_t(1) << 58)) {
            *ok = false;
            return 0;
        }
        value = value * 8 + (field[i] - '0');
    }
    for (; i < width; ++i) {
        if (field[i] != '\0' && field[i] != ' ') {
            *ok = false;
            return 0;
        }
    }
    *ok = digits > 0;
    return value;
}

unsigned headerChecksum(const char* header)
{
    unsigned sum = 0;
    for (int i = 0; i < blockSize; ++i)
        sum += (i >= 148 && i < 156) ? unsigned(' ') : unsigned(static_cast<unsigned char>(header[i]));
    return sum;
}

QString fieldText(const char* field, int width)
{
    return QString::fromUtf8(field, qsizetype(strnlen(field, size_t(width))));
}

} // namespace

QByteArray fileHeader(const QString& name, std::int64_t size, std::int64_t modified)
{
    const QByteArray utf8 = name.toUtf8();
    QByteArray prefix;
    QByteArray shortName = utf8;
    if (utf8.size() > nameLength) {
        // Split at a "/" so that the prefix holds the folders and the name field the rest.
        const qsizetype split = utf8.lastIndexOf('/', prefixLength);
        if (split <= 0 || utf8.size() - split - 1 > nameLength)
            return {};
        prefix = utf8.left(split);
        shortName = utf8.mid(split + 1);
    }
    QByteArray header(blockSize, '\0');
    char* h = header.data();
    std::memcpy(h, shortName.constData(), size_t(shortName.size()));
    putOctal(h + 100, 8, 0644);
    putOctal(h + 108, 8, 0);
    putOctal(h + 116, 8, 0);
    putOctal(h + 124, 12, size);
    putOctal(h + 136, 12, modified);
    h[156] = '0';
    std::memcpy(h + 257, "ustar", 6);
    std::memcpy(h + 263, "00", 2);
    std::memcpy(h + 345, prefix.constData(), size_t(prefix.size()));
    const QByteArray sum = QByteArray::number(headerChecksum(h), 8).rightJustified(6, '0');
    std::memcpy(h + 148, sum.constData(), 6);
    h[154] = '\0';
    h[155] = ' ';
    return header;
}

QByteArray padding(std::int64_t size)
{
    return QByteArray(int((blockSize - size % blockSize) % blockSize), '\0');
}

QByteArray endOfArchive()
{
    return QByteArray(2 * blockSize, '\0');
}

bool isSafeName(const QString& name)
{
    if (name.isEmpty() || name.size() > nameLength + prefixLength || name.startsWith(u'/'))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c == u'\\' || c.unicode() == 0x7f)
            return false;
    }
    const QStringList parts = name.split(u'/');
    for (const QString& part : parts) {
        if (part.isEmpty() || part == u"." || part == u"..")
            return false;
    }
    return true;
}

Reader::Reader(QIODevice& device, std::int64_t maxMemberSize)
    : m_device(device)
    , m_maxMemberSize(maxMemberSize)
{
}

bool Reader::fail(const QString& error)
{
    m_error = error;
    return false;
}

bool Reader::next(Member& member)
{
    // What is left of the previous member is skipped.
    while (m_left > 0 && !readChunk(1 << 20).isEmpty()) {
    }
    if (m_left > 0)
        return fail(QCoreApplication::translate("backup", "the archive ends in the middle of a file"));
    if (m_pad > 0 && m_device.read(m_pad).size() != m_pad)
        return fail(QCoreApplication::translate("backup", "the archive ends in the middle of a file"));
    m_pad = 0;

    const QByteArray header = m_device.read(blockSize);
    if (header.size() != blockSize)
        return fail(QCoreApplication::translate("backup", "the archive ends without its end marker"));
    if (header.count('\0') == blockSize)
        return false; // the end marker
    const char* h = header.constData();
    bool ok = false;
    const std::int64_t sum = parseOctal(h + 148, 8, &ok);
    if (!ok || sum != headerChecksum(h))
        return fail(QCoreApplication::translate("backup", "a file header of the archive is damaged"));
    if (std::memcmp(h + 257, "ustar", 5) != 0)
        return fail(QCoreApplication::translate("backup", "the archive is not in the tar (ustar) format"));
    const QString prefix = fieldText(h + 345, prefixLength);
    member.name = (prefix.isEmpty() ? QString() : prefix + u'/') + fieldText(h, nameLength);
    if (h[156] != '0' && h[156] != '\0')
        return fail(
            QCoreApplication::translate("backup", "\"%1\" is no regular file (a link, a folder or a device)")
                .arg(member.name));
    if (!isSafeName(member.name))
        return fail(QCoreApplication::translate("backup", "the name \"%1\" leads out of the data root")
                        .arg(member.name));
    member.size = parseOctal(h + 124, 12, &ok);
    if (!ok || member.size < 0 || member.size > m_maxMemberSize)
        return fail(QCoreApplication::translate("backup", "\"%1\" is larger than %2 bytes")
                        .arg(member.name)
                        .arg(qlonglong(m_maxMemberSize)));
    m_left = member.size;
    m_pad = padding(member.size).size();
    return true;
}

QByteArray Reader::readChunk(qint64 maxChunk)
{
    if (m_left == 0)
        return {};
    const QByteArray chunk = m_device.read(std::min<std::int64_t>(m_left, maxChunk));
    if (chunk.isEmpty()) {
        m_error = QCoreApplication::translate("backup", "the archive ends in the middle of a file");
        return {};
    }
    m_left -= chunk.size();
    return chunk;
}

} // namespace TarArchive
