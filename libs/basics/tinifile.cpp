#include "tinifile.h"

#include "tdir.h"
#include "terror.h"
#include "tfile.h"
#include "tfilereplacement.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace Basics {

namespace {

constexpr int nullNameError = 2;
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

QString decode(const QByteArray& bytes)
{
    // Only a byte-order mark tells UTF-16 (or UTF-8 with a mark) from 8-bit text. UTF-32 is not
    // looked for: "\xff\xfe\0\0" starts a UTF-16 file whose first character is 0.
    QStringConverter::Encoding encoding = QStringConverter::System;
    qsizetype mark = 0;
    if (bytes.startsWith("\xff\xfe")) {
        encoding = QStringConverter::Utf16LE;
        mark = 2;
    } else if (bytes.startsWith("\xfe\xff")) {
        encoding = QStringConverter::Utf16BE;
        mark = 2;
    } else if (bytes.startsWith(utf8Mark)) {
        encoding = QStringConverter::Utf8;
        mark = 3;
    }
    // Past the mark, a U+FEFF is text like any other.
    QStringDecoder decoder(encoding, QStringConverter::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(bytes).sliced(mark));
}

// Lines end at "\n" or "\r\n"; a final line break does not start another line.
QStringList splitLines(const QString& text)
{
    QStringList lines;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QString line = text.mid(start, end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        lines.append(std::move(line));
        start = end + 1;
    }
    return lines;
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
    m_sources.push_back({fileName, false});
    m_reading.clear();
    readFile(fileName, 0);
}

void TInifile::readFile(const QString& name, int depth)
{
    if (name.contains(QChar(0)))
        return; // names no file
    const QFileInfo info(expandPath(name));
    if (!info.exists() || (depth > 0 && !info.isFile()))
        return;
    const QString canonical = info.canonicalFilePath();
    if (depth > maxIncludeDepth || m_reading.contains(canonical))
        return;

    TFile file(name);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    file.close();

    const int source = depth == 0 ? 0 : int(m_sources.size());
    if (depth > 0)
        m_sources.push_back({name, false});
    m_sources[std::size_t(source)].utf8Mark = bytes.startsWith(utf8Mark);
    m_reading.append(canonical);
    TSection* current = nullptr;
    for (QString& text : splitLines(decode(bytes))) {
        m_lines.push_back(std::make_unique<TLine>(TLine{std::move(text), source}));
        parseLine(m_lines.back().get(), current, info.path(), depth);
    }
    m_reading.removeLast();
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
    return m_lines.insert(at, std::make_unique<TLine>(TLine{std::move(text), source}))->get();
}

void TInifile::setValue(const QString& section, const QString& key, const TVariant& value)
{
    const QString text = cleanValue(value.text());
    const QString name = trimBlanks(key).toString();
    if (m_sources.empty())
        m_sources.push_back({m_fileName, false});

    TSection* target = m_index.value(folded(section));
    if (TEntry* entry = target ? target->find(name) : nullptr) {
        QString& line = entry->m_line->text;
        const auto [begin, end] = valueSpan(line);
        line = line.left(begin) + text + line.mid(end);
        entry->m_value = TVariant(text);
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
        m_sources.push_back({target, false});
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
    QString text;
    for (const auto& line : m_lines) {
        if (line->source == source) {
            text += line->text;
            text += u"\r\n";
        }
    }
    QByteArray bytes;
    if (m_local8Bit) {
        // The mark goes back where there was one, and where the text starts with the character
        // that a reader would otherwise take for a mark.
        if (m_sources[std::size_t(source)].utf8Mark || text.startsWith(QChar(markCharacter)))
            bytes = utf8Mark;
        bytes += QStringEncoder(QStringConverter::System)(text);
    } else {
        bytes = QByteArrayLiteral("\xff\xfe");
        bytes += QStringEncoder(QStringConverter::Utf16LE)(text);
    }

    TFileReplacement(name).commit(bytes, false);
}

} // namespace Basics
