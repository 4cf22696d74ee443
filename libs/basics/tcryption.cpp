#include "tcryption.h"

#include "tcryptioncore.h"
#include "terror.h"

#include <QStringEncoder>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <thread>
#include <vector>

namespace Basics {

namespace {

// Row 0 of the DES S-boxes (FIPS 46-3), k1 = S8 ... k8 = S1.
constexpr TCryptionCore::SBoxes boxes = {{
    {13, 2, 8, 4, 6, 15, 11, 1, 10, 9, 3, 14, 5, 0, 12, 7},
    {4, 11, 2, 14, 15, 0, 8, 13, 3, 12, 9, 7, 5, 10, 6, 1},
    {12, 1, 10, 15, 9, 2, 6, 8, 0, 13, 3, 4, 14, 7, 5, 11},
    {2, 12, 4, 1, 7, 10, 11, 6, 8, 5, 3, 15, 13, 0, 14, 9},
    {7, 13, 14, 3, 0, 6, 9, 10, 1, 2, 8, 5, 11, 12, 4, 15},
    {10, 0, 9, 14, 6, 3, 15, 5, 1, 13, 12, 7, 11, 4, 2, 8},
    {15, 1, 8, 14, 6, 11, 3, 4, 9, 7, 2, 13, 12, 0, 5, 10},
    {14, 4, 13, 1, 2, 15, 11, 8, 3, 10, 6, 12, 5, 9, 0, 7},
}};

const char builtInKey[] = "Lumdialogs/remote-log/2f9c41e7a0b3d865";
constexpr qsizetype keySize = 32;

// Texts this long or longer carry an 8-digit length after a section sign (UTF-8 c2 a7).
constexpr qsizetype longText = 64000;

// The error's line field holds these numbers; the code repeats them.
constexpr int emptyTextError = 401;
constexpr int shortKeyError = 403;

[[noreturn]] void fail(int number, const QString& text)
{
    errno = 0; // the operating system has nothing to do with it
    throw TCryptError(number, "tcryption", number, number, text);
}

TCryptionCore::Key keyWords(const QByteArray& key)
{
    if (key.size() < keySize)
        fail(shortKeyError, QStringLiteral("key of %1 bytes").arg(key.size()));
    TCryptionCore::Key words = {};
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = qFromLittleEndian<quint32>(key.constData() + 4 * i);
    return words;
}

// The length in the header, or -1 when the header is not one.
qint64 readLength(const QByteArray& digits)
{
    bool ok = false;
    const uint length = digits.toUInt(&ok, 16);
    return ok ? qint64(qint32(length)) : -1;
}

// Each byte as two letters, the low nibble first.
template <class Char>
void writeLetters(const QByteArray& bytes, Char* out)
{
    for (const char c : bytes) {
        *out++ = Char(u'A' + (uchar(c) & 15));
        *out++ = Char(u'A' + (uchar(c) >> 4));
    }
}

} // namespace

TCryption::TCryption()
    : TCryption(QByteArray::fromRawData(builtInKey, sizeof builtInKey - 1))
{
}

TCryption::TCryption(const QByteArray& key)
    : m_core(std::make_unique<TCryptionCore>(boxes, keyWords(key)))
{
}

TCryption::TCryption(const TCryption& other)
    : m_core(std::make_unique<TCryptionCore>(*other.m_core))
{
}

TCryption& TCryption::operator=(const TCryption& other)
{
    *m_core = *other.m_core;
    return *this;
}

TCryption::~TCryption() = default;

QByteArray TCryption::cipherBytes(const QList<QStringView>& pieces) const
{
    qsizetype n = 0;
    for (QStringView piece : pieces)
        n += piece.size();
    if (n == 0)
        fail(emptyTextError, QStringLiteral("empty text"));
    const QByteArray header = n < longText
                                  ? QByteArray::number(n, 16).rightJustified(4, '0')
                                  : QByteArray("\xc2\xa7") + QByteArray::number(n, 16).rightJustified(8, '0');
    // Every piece straight into one buffer of the largest size UTF-8 can take; the pages never
    // written to are never touched.
    QStringEncoder utf8(QStringEncoder::Utf8);
    QByteArray bytes(header.size() + utf8.requiredSpace(n) + 8, Qt::Uninitialized);
    char* out = std::copy(header.begin(), header.end(), bytes.data());
    for (QStringView piece : pieces)
        out = utf8.appendToBuffer(out, piece);
    bytes.resize(out - bytes.constData());
    padAndEncipher(bytes);
    return bytes;
}

QString TCryption::encrypt(const QString& text) const
{
    const QByteArray bytes = cipherBytes({text});
    QString letters(bytes.size() * 2, Qt::Uninitialized);
    writeLetters(bytes, letters.data());
    return letters;
}

QByteArray TCryption::encryptLatin1(const QString& text) const
{
    return encryptLatin1(QList<QStringView>{text});
}

QByteArray TCryption::encryptLatin1(const QList<QStringView>& pieces) const
{
    const QByteArray bytes = cipherBytes(pieces);
    QByteArray letters(bytes.size() * 2, Qt::Uninitialized);
    writeLetters(bytes, letters.data());
    return letters;
}

QString TCryption::decrypt(const QString& cipherText) const
{
    return textOf(decode(QStringView(cipherText)));
}

QString TCryption::decryptLatin1(QByteArrayView cipherText) const
{
    return textOf(decode(cipherText));
}

QString TCryption::textOf(const QByteArray& bytes)
{
    // The header counts the text's UTF-16 units; the padding after the text is ASCII.
    const bool isLong = bytes.startsWith("\xc2\xa7");
    const qsizetype headerSize = isLong ? 10 : 4;
    if (bytes.size() < headerSize)
        return QString();
    const qint64 length = readLength(bytes.sliced(isLong ? 2 : 0, isLong ? 8 : 4));
    if (length <= 0)
        return QString();
    QString text = QString::fromUtf8(QByteArrayView(bytes).sliced(headerSize));
    if (length > text.size())
        return QString();
    text.truncate(length);
    return text;
}

QString TCryption::encode(const QByteArray& body) const
{
    QByteArray bytes = body;
    padAndEncipher(bytes);
    QString letters(bytes.size() * 2, Qt::Uninitialized);
    writeLetters(bytes, letters.data());
    return letters;
}

void TCryption::padAndEncipher(QByteArray& bytes) const
{
    if (bytes.size() % 8 != 0) {
        bytes += '@';
        for (char pad = 'B'; bytes.size() % 8 != 0; ++pad)
            bytes += pad;
    }
    inEveryBlock(bytes, true);
}

QByteArray TCryption::decode(QStringView cipherText) const
{
    return decodeLetters(cipherText.utf16(), cipherText.size());
}

QByteArray TCryption::decode(QByteArrayView cipherText) const
{
    return decodeLetters(reinterpret_cast<const uchar*>(cipherText.data()), cipherText.size());
}

template <class Char>
QByteArray TCryption::decodeLetters(const Char* letters, qsizetype size) const
{
    if (size == 0 || size % 16 != 0)
        return QByteArray();
    QByteArray bytes(size / 2, Qt::Uninitialized);
    char* out = bytes.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned low = unsigned(letters[2 * i]) - u'A';
        const unsigned high = unsigned(letters[2 * i + 1]) - u'A';
        if (low > 15 || high > 15)
            return QByteArray();
        out[i] = char(high << 4 | low);
    }
    inEveryBlock(bytes, false);
    return bytes;
}

// Electronic codebook: every 8 bytes on their own, as two little-endian words. The blocks do not
// depend on each other, so a long text (a page of a card's action log is megabytes) is shared out
// among the processor's cores.
void TCryption::inEveryBlock(QByteArray& bytes, bool encipher) const
{
    const TCryptionCore& core = *m_core;
    const auto run = [&core, encipher](char* begin, char* end) {
        constexpr int lanes = TCryptionCore::lanes;
        char* block = begin;
        for (; block + 8 * lanes <= end; block += 8 * lanes) {
            TCryptionCore::Lanes n1;
            TCryptionCore::Lanes n2;
            for (int i = 0; i < lanes; ++i) {
                n1[i] = qFromLittleEndian<quint32>(block + 8 * i);
                n2[i] = qFromLittleEndian<quint32>(block + 8 * i + 4);
            }
            encipher ? core.encrypt(n1, n2) : core.decrypt(n1, n2);
            for (int i = 0; i < lanes; ++i) {
                qToLittleEndian(n1[i], block + 8 * i);
                qToLittleEndian(n2[i], block + 8 * i + 4);
            }
        }
        for (; block + 8 <= end; block += 8) {
            quint32 n1 = qFromLittleEndian<quint32>(block);
            quint32 n2 = qFromLittleEndian<quint32>(block + 4);
            encipher ? core.encrypt(n1, n2) : core.decrypt(n1, n2);
            qToLittleEndian(n1, block);
            qToLittleEndian(n2, block + 4);
        }
    };
    constexpr qsizetype sharedFrom = 1 << 20;
    const qsizetype blocks = bytes.size() / 8;
    const qsizetype parts =
        bytes.size() < sharedFrom ? 1 : std::clamp<qsizetype>(std::thread::hardware_concurrency(), 1, 8);
    char* data = bytes.data(); // detaches once, before the threads start
    std::vector<std::thread> helpers;
    for (qsizetype part = 1; part < parts; ++part) {
        char* begin = data + 8 * (blocks * part / parts);
        char* end = data + 8 * (blocks * (part + 1) / parts);
        try {
            helpers.emplace_back(run, begin, end);
        } catch (const std::system_error&) { // no thread to be had: this one does the part
            run(begin, end);
        }
    }
    run(data, data + 8 * (blocks / parts));
    for (std::thread& helper : helpers)
        helper.join();
}

} // namespace Basics
