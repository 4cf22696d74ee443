#include "tinifile.h"

#include "tdir.h"
#include "terror.h"
#include "tfile.h"
#include "tfilereplacement.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>

namespace Basics {

namespace {

constexpr int nullNameError = 2;
constexpr int tooLargeError = 6;
constexpr int nullNameMessage = 501;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QString folded(const QString& name)
{
    return name.toCaseFolded();
}

constexpr char utf8Mark[] = "\xef\xbb\xbf";
constexpr char16_t markCharacter = 0xfeff;
constexpr char16_t replacement = u'?';

using Encoding = TInifile::Encoding;

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves free stand for the same code points.
constexpr char16_t windows1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes[i]);
        text[i] = QChar(byte >= 0x80 && byte < 0xa0 ? windows1252[byte - 0x80] : char16_t(byte));
    }
    return text;
}

QByteArray toWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        char byte = char(replacement);
        if (u < 0x80 || (u >= 0xa0 && u < 0x100)) {
            byte = char(u);
        } else {
            for (int j = 0; j < 32; ++j)
                if (windows1252[j] == u)
                    byte = char(0x80 + j);
        }
        bytes[i] = byte;
    }
    return bytes;
}

bool isUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes); // decoding happens on conversion
    return !decoder.hasError();
}

// The encoding of a file's bytes and the size of its mark. Only a byte-order mark tells UTF-16
// (UTF-32 is not looked for: "\xff\xfe\0\0" starts a UTF-16 file whose first character is 0).
// Without a mark, text that is valid UTF-8 is UTF-8 (pure ASCII included), anything else the
// 8-bit Windows-1252 of the point-of-sale programs.
std::pair<Encoding, qsizetype> detect(const QByteArray& bytes)
{
    if (bytes.startsWith("\xff\xfe"))
        return {Encoding::Utf16LE, 2};
    if (bytes.startsWith("\xfe\xff"))
        return {Encoding::Utf16BE, 2};
    if (bytes.startsWith(utf8Mark))
        return {Encoding::Utf8, 3};
    return {isUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252, 0};
}

bool isWide(Encoding encoding)
{
    return encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE;
}

char16_t unitAt(QByteArrayView bytes, qsizetype at, Encoding encoding)
{
    const auto first = uchar(bytes[at]);
    const auto second = uchar(bytes[at + 1]);
    return encoding == Encoding::Utf16LE ? char16_t(first | second << 8) : char16_t(first << 8 | second);
}

// The bytes of every line, without its end: lines end at "\n" or "\r\n" (in code units for UTF-16),
// and a final line break does not start another line.
QList<QByteArray> splitLines(QByteArrayView body, Encoding encoding)
{
    QList<QByteArray> lines;
    const qsizetype unit = isWide(encoding) ? 2 : 1;
    const auto isUnit = [&](qsizetype at, char16_t wanted) {
        return unit == 1 ? body[at] == char(wanted) : unitAt(body, at, encoding) == wanted;
    };
    qsizetype start = 0;
    for (qsizetype at = 0; at + unit <= body.size(); at += unit) {
        if (!isUnit(at, u'\n'))
            continue;
        qsizetype end = at;
        if (end - start >= unit && isUnit(end - unit, u'\r'))
            end -= unit;
        lines.append(body.sliced(start, end - start).toByteArray());
        start = at + unit;
    }
    if (start < body.size())
        lines.append(body.sliced(start).toByteArray());
    return lines;
}

QString decodeLine(QByteArrayView bytes, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Windows1252:
        return fromWindows1252(bytes);
    case Encoding::Utf8:
        return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(bytes);
    case Encoding::Utf16LE:
        return QStringDecoder(QStringConverter::Utf16LE, QStringConverter::Flag::ConvertInitialBom)(bytes);
    case Encoding::Utf16BE:
        return QStringDecoder(QStringConverter::Utf16BE, QStringConverter::Flag::ConvertInitialBom)(bytes);
    }
    return QString();
}

QByteArray encodeText(const QString& text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Windows1252:
        return toWindows1252(text);
    case Encoding::Utf8:
        return QStringEncoder(QStringConverter::Utf8)(text);
    case Encoding::Utf16LE:
        return QStringEncoder(QStringConverter::Utf16LE)(text);
    case Encoding::Utf16BE:
        return QStringEncoder(QStringConverter::Utf16BE)(text);
    }
    return QByteArray();
}

// The text between the first open and the first close after it, or a null view.
QStringView between(QStringView text, QChar open, QChar close)
{
    const qsizetype start = text.indexOf(open);
    const qsizetype end = start < 0 ? -1 : text.indexOf(close, start + 1);
    return end < 0 ? QStringView() : text.mid(start + 1, end - start - 1);
}

// Where the value of an entry line starts and ends (surrounding blanks excluded).
std::pair<qsizetype, qsizetype> valueSpan(const QString& line)
{
    qsizetype begin = line.indexOf(u'=') + 1;
    qsizetype end = line.size();
    while (begin < end && isBlank(line[begin]))
        ++begin;
    while (end > begin && isBlank(line[end - 1]))
        --end;
    return {begin, end};
}

QString cleanValue(const QString& text)
{
    QString value = text;
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    return trimBlanks(value).toString();
}

} // namespace

TEntry::TEntry(TLine* line, Kind kind, QString key, TVariant value)
    : m_line(line)
    , m_kind(kind)
    , m_key(std::move(key))
    , m_value(std::move(value))
{
}

TSection::TSection(QString name, TLine* header)
    : m_name(std::move(name))
    , m_header(header)
{
}

TEntry* TSection::find(QStringView key) const
{
    const QStringView wanted = trimBlanks(key);
    for (const auto& entry : m_entries)
        if (entry->kind() == TEntry::Value && !entry->key().isEmpty() &&
            entry->key().compare(wanted, Qt::CaseInsensitive) == 0)
            return entry.get();
    return nullptr;
}

TInifile::TInifile() = default;

TInifile::~TInifile() = default;

void TInifile::clear()
{
    m_sections.clear();
    m_index.clear();
    m_lines.clear();
    m_sources.clear();
    m_cursorSection = nullptr;
}

void TInifile::read(const QString& fileName)
{
    if (fileName.isEmpty())
        throw TInifileError(__LINE__, "tinifile", nullNameError, nullNameMessage, fileName);
    clear();
    m_fileName = fileName;
    // The file named here is source 0 even when it does not exist, so that write() goes there.
    m_sources.push_back({fileName});
    m_read.clear();
    m_bytesRead = 0;
    readFile(fileName, 0);
}

void TInifile::readFile(const QString& name, int depth)
{
    if (name.contains(QChar(0)))
        return; // names no file
    const QFileInfo info(expandPath(name));
    if (!info.exists() || (depth > 0 && !info.isFile()))
        return;
    // Each file once per read: includes that lead back, or include one file many times over,
    // cannot multiply the work.
    const QString canonical = info.canonicalFilePath();
    if (depth > maxIncludeDepth || m_read.contains(canonical))
        return;
    m_read.insert(canonical);

    TFile file(name, TFile::RegularOnly);
    file.open(QIODevice::ReadOnly);
    // A regular file: its size says what reading it takes, before anything is allocated.
    m_bytesRead += file.size();
    const QByteArray bytes = m_bytesRead > maxTotalSize ? QByteArray() : file.readAll();
    file.close();
    if (m_bytesRead > maxTotalSize) {
        errno = EFBIG;
        throw TInifileError(__LINE__, "tinifile", tooLargeError, nullNameMessage, name);
    }

    const int source = depth == 0 ? 0 : int(m_sources.size());
    if (depth > 0)
        m_sources.push_back({name});
    const auto [encoding, mark] = detect(bytes);
    Source& read = m_sources[std::size_t(source)];
    read.encoding = encoding;
    read.utf8Mark = encoding == Encoding::Utf8 && mark > 0;
    read.wasRead = true;
    TSection* current = nullptr;
    for (QByteArray& raw : splitLines(QByteArrayView(bytes).sliced(mark), encoding)) {
        QString text = decodeLine(raw, encoding);
        if (isWide(encoding) && raw.size() % 2 != 0)
            raw = QByteArray(); // a broken last unit: written as the text it was read as
        m_lines.push_back(std::make_unique<TLine>(TLine{std::move(text), source, std::move(raw), false}));
        parseLine(m_lines.back().get(), current, info.path(), depth);
    }
}

void TInifile::parseLine(TLine* line, TSection*& current, const QString& directory, int depth)
{
    const QStringView text = line->text;
    const QStringView significant = trimBlanks(text);
    const QChar first = significant.isEmpty() ? QChar() : significant.front();
    if (first == u'#') {
        const QStringView include = between(significant, u'<', u'>');
        if (!include.isNull()) {
            const QString name = expandPath(include.toString());
            readFile(QFileInfo(name).isRelative() ? directory + u'/' + name : name, depth + 1);
            return;
        }
    } else if (first == u'[') {
        const QStringView name = between(significant, u'[', u']');
        if (!name.isNull()) {
            current = sectionFor(name.toString(), line);
            return;
        }
    }
    if (!current)
        return;
    std::unique_ptr<TEntry> entry;
    if (significant.isEmpty()) {
        entry = std::make_unique<TEntry>(line, TEntry::Blank, QString(), TVariant());
    } else if (first == u';') {
        entry = std::make_unique<TEntry>(line, TEntry::Comment, QString(), TVariant());
    } else {
        const qsizetype equals = text.indexOf(u'=');
        const auto [begin, end] = valueSpan(line->text);
        entry = std::make_unique<TEntry>(
            line, TEntry::Value, equals < 0 ? QString() : trimBlanks(text.left(equals)).toString(),
            equals < 0 ? TVariant(QString()) : TVariant(line->text.mid(begin, end - begin)));
    }
    current->m_entries.push_back(std::move(entry));
}

TSection* TInifile::sectionFor(const QString& name, TLine* header)
{
    const QString key = folded(name);
    if (TSection* existing = m_index.value(key))
        return existing;
    m_sections.push_back(std::make_unique<TSection>(name, header));
    m_index.insert(key, m_sections.back().get());
    return m_sections.back().get();
}

const TSection* TInifile::section(const QString& name) const
{
    return m_index.value(folded(name));
}

QString TInifile::readString(const QString& section, const QString& key, const QString& def) const
{
    const TSection* found = this->section(section);
    const TEntry* entry = found ? found->find(key) : nullptr;
    return entry ? entry->value().text() : def;
}

TVariant TInifile::readValue(const QString& section, const QString& key, const TVariant& def) const
{
    const TSection* found = this->section(section);
    const TEntry* entry = found ? found->find(key) : nullptr;
    return entry ? entry->value() : def;
}

const TEntry* TInifile::first(const QString& section)
{
    m_cursorSection = this->section(section);
    m_cursor = 0;
    return m_cursorSection ? next() : nullptr;
}

const TEntry* TInifile::next()
{
    if (!m_cursorSection)
        return nullptr;
    const auto& entries = m_cursorSection->entries();
    while (m_cursor < entries.size()) {
        const TEntry* entry = entries[m_cursor++].get();
        if (entry->kind() == TEntry::Value)
            return entry;
    }
    return nullptr;
}

std::optional<TInifile::Encoding> TInifile::encodingRead() const
{
    if (m_sources.empty() || !m_sources.front().wasRead)
        return std::nullopt;
    return m_sources.front().encoding;
}

QStringList TInifile::lines() const
{
    QStringList texts;
    texts.reserve(qsizetype(m_lines.size()));
    for (const auto& line : m_lines)
        texts.append(line->text);
    return texts;
}

TLine* TInifile::insertLine(const TLine* after, QString text, int source)
{
    auto at = m_lines.begin();
    if (after)
        at = std::find_if(m_lines.begin(), m_lines.end(),
                          [after](const auto& line) { return line.get() == after; }) +
             1;
    return m_lines.insert(at, std::make_unique<TLine>(TLine{std::move(text), source, QByteArray(), true}))
        ->get();
}

void TInifile::setValue(const QString& section, const QString& key, const TVariant& value)
{
    const QString text = cleanValue(value.text());
    const QString name = trimBlanks(key).toString();
    if (m_sources.empty())
        m_sources.push_back({m_fileName});

    TSection* target = m_index.value(folded(section));
    if (TEntry* entry = target ? target->find(name) : nullptr) {
        QString& line = entry->m_line->text;
        const auto [begin, end] = valueSpan(line);
        line = line.left(begin) + text + line.mid(end);
        entry->m_value = TVariant(text);
        entry->m_line->changed = true;
        m_sources[std::size_t(entry->m_line->source)].changed = true;
        return;
    }
    insertEntry(target ? *target : appendSection(section), name, text);
}

TSection& TInifile::appendSection(const QString& name)
{
    // At the end of the file named in read(), behind an empty line.
    const TLine* last = nullptr;
    for (const auto& line : m_lines)
        if (line->source == 0)
            last = line.get();
    if (last && !trimBlanks(last->text).isEmpty())
        last = insertLine(last, QString(), 0);
    return *sectionFor(name, insertLine(last, u'[' + name + u']', 0));
}

void TInifile::insertEntry(TSection& section, const QString& key, const QString& value)
{
    // Behind the last value line of the section, so that comments and empty lines that lead to the
    // next section stay in front of it, and written in the style of that line.
    const auto anchor =
        std::find_if(section.m_entries.rbegin(), section.m_entries.rend(), [](const auto& entry) {
            return entry->m_kind == TEntry::Value && !entry->m_key.isEmpty();
        });
    QString text = key + u'=' + value;
    const TLine* after = section.m_header;
    if (anchor != section.m_entries.rend()) {
        after = (*anchor)->m_line;
        const QString& model = after->text;
        qsizetype keyStart = 0;
        while (isBlank(model[keyStart]))
            ++keyStart;
        const qsizetype keyEnd = keyStart + (*anchor)->m_key.size();
        const qsizetype valueStart = valueSpan(model).first;
        text = model.left(keyStart) + key + model.mid(keyEnd, valueStart - keyEnd) + value;
    }
    TLine* line = insertLine(after, text, after->source);
    section.m_entries.insert(anchor.base(),
                             std::make_unique<TEntry>(line, TEntry::Value, key, TVariant(value)));
    m_sources[std::size_t(line->source)].changed = true;
}

void TInifile::write(const QString& fileName)
{
    const QString target = fileName.isEmpty() ? m_fileName : fileName;
    if (target.isEmpty())
        throw TInifileError(__LINE__, "tinifile", nullNameError, nullNameMessage, target);
    if (m_sources.empty())
        m_sources.push_back({target});
    writeSource(0, target);
    for (std::size_t source = 1; source < m_sources.size(); ++source) {
        if (m_sources[source].changed) {
            writeSource(int(source), m_sources[source].name);
            m_sources[source].changed = false;
        }
    }
    m_sources[0].changed = false;
}

void TInifile::writeSource(int source, const QString& name) const
{
    // Lines that were not changed go back byte for byte when the file keeps the encoding it was
    // read in; a file written in the other family (8-bit or UTF-16) is encoded anew.
    const Source& from = m_sources[std::size_t(source)];
    Encoding encoding = m_local8Bit ? Encoding::Utf8 : Encoding::Utf16LE;
    if (from.wasRead && isWide(from.encoding) == !m_local8Bit)
        encoding = from.encoding;
    const bool keepRaw = from.wasRead && encoding == from.encoding;

    QByteArray bytes;
    if (encoding == Encoding::Utf16LE)
        bytes = "\xff\xfe";
    else if (encoding == Encoding::Utf16BE)
        bytes = "\xfe\xff";
    const QByteArray lineEnd = encodeText(QStringLiteral("\r\n"), encoding);
    bool first = true;
    for (const auto& line : m_lines) {
        if (line->source != source)
            continue;
        // The mark goes back where there was one, and where the text starts with the character
        // that a reader would otherwise take for a mark.
        if (first && encoding == Encoding::Utf8 &&
            (from.utf8Mark || (!keepRaw && line->text.startsWith(QChar(markCharacter)))))
            bytes += utf8Mark;
        first = false;
        bytes +=
            keepRaw && !line->changed && !line->raw.isNull() ? line->raw : encodeText(line->text, encoding);
        bytes += lineEnd;
    }
    if (first && encoding == Encoding::Utf8 && from.utf8Mark)
        bytes += utf8Mark;
    TFileReplacement(name).commit(bytes, false);
}

} // namespace Basics
