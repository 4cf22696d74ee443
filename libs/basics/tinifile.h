#pragma once

#include "basics_global.h"
#include "tvariant.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace Basics {

// One line of an INI file, exactly as read, and the file it came from (0: the file given to read,
// then every included file in the order of reading), with its bytes as they were in the file
// (without the line end; null for a line that was added).
struct TLine {
    QString text;
    int source = 0;
    QByteArray raw;
    bool changed = false;
};

// A line inside a section: a key with its value, a comment (";") or an empty line. A line without
// "=" counts as a value line with an empty key and an empty value.
class BASICS_EXPORT TEntry {
public:
    enum Kind { Blank, Comment, Value };

    TEntry(TLine* line, Kind kind, QString key, TVariant value);

    Kind kind() const { return m_kind; }
    // Without surrounding blanks.
    const QString& key() const { return m_key; }
    const TVariant& value() const { return m_value; }
    const TLine& line() const { return *m_line; }

private:
    friend class TInifile;
    TLine* m_line;
    Kind m_kind;
    QString m_key;
    TVariant m_value;
};

class BASICS_EXPORT TSection {
public:
    TSection(QString name, TLine* header);

    // As written in the first header of the section.
    const QString& name() const { return m_name; }
    const TLine& header() const { return *m_header; }
    // Every line of the section in file order, comments and empty lines included. Headers that
    // repeat the name (in any case) continue the same section.
    const std::vector<std::unique_ptr<TEntry>>& entries() const { return m_entries; }
    // The first value line with this key (compared without case and surrounding blanks).
    TEntry* find(QStringView key) const;

private:
    friend class TInifile;
    QString m_name;
    TLine* m_header;
    std::vector<std::unique_ptr<TEntry>> m_entries;
};

// A line-oriented INI file that keeps every line as read, so that it can be written back as it was:
//   [Section]             a section header (names compared without case)
//   key = value           an entry (keys compared without case and surrounding blanks)
//   ; text                a comment
//   #include <other.ini>  the lines of another file, read at this place into the same object
// Lines before the first header belong to no section. A file with a UTF-16 byte-order mark is read
// as UTF-16; one with a UTF-8 mark, or that is valid UTF-8, as UTF-8; any other as the 8-bit
// Windows-1252 of the point-of-sale programs. Lines that were not changed are written back byte for
// byte, changed ones in the file's encoding (a character Windows-1252 lacks becomes "?").
//
// setValue changes a value inside its own line and leaves every other line as it was; write puts
// the lines back into the file they came from (an included file only when one of its values was
// changed), each ended by "\r\n".
class BASICS_EXPORT TInifile {
public:
    enum class Encoding { Utf16LE, Utf16BE, Utf8, Windows1252 };

    TInifile();
    ~TInifile();
    TInifile(const TInifile&) = delete;
    TInifile& operator=(const TInifile&) = delete;

    // Replaces the content by the file's. A missing file leaves the object empty; an empty name
    // throws TInifileError (2), a file that with its includes is larger than maxTotalSize
    // TInifileError (6), a name that is no regular file TFileError (317). Storage errors of TFile
    // propagate. A relative include name is taken relative to the including file; an include of a
    // file that has been read already in this read, or nested deeper than maxIncludeDepth, or
    // naming no regular file, is skipped.
    void read(const QString& fileName);
    // Writes the lines back; an empty name stands for the file last read. Each file is replaced in
    // one step, so a reader finds either the old or the new content.
    void write(const QString& fileName = QString());

    QString readString(const QString& section, const QString& key, const QString& def = QString()) const;
    TVariant readValue(const QString& section, const QString& key, const TVariant& def = TVariant()) const;
    // Changes the value of the first entry with that key; a missing entry is added behind the last
    // entry of its section, in the style of that entry ("key = value" or "key=value"), a missing
    // section at the end of the file. Line breaks in the value become blanks, and surrounding blanks
    // are dropped, as reading would drop them. Key and section must not hold "=", "]" or line breaks.
    void setValue(const QString& section, const QString& key, const TVariant& value);

    const TSection* section(const QString& name) const;
    // The entries of a section in file order, comments and empty lines skipped; null at the end.
    const TEntry* first(const QString& section);
    const TEntry* next();

    // The encoding family used by write: UTF-16 with byte-order mark (false, the default) or 8-bit
    // (true). A file keeps its own encoding within the family (UTF-16 of either byte order; UTF-8
    // or Windows-1252); a new file, or one of the other family, becomes UTF-16LE or UTF-8.
    bool isLocal8Bit() const { return m_local8Bit; }
    void setLocal8Bit(bool on) { m_local8Bit = on; }

    const QString& fileName() const { return m_fileName; }
    // The encoding the file given to read() was read in; none when it was missing.
    std::optional<Encoding> encodingRead() const;
    // The texts of all lines in reading order, included files at the place of their include line.
    QStringList lines() const;

    static constexpr int maxIncludeDepth = 16;
    static constexpr qint64 maxTotalSize = qint64(16) << 20;

private:
    struct Source {
        QString name;
        bool changed = false;
        bool wasRead = false;
        bool utf8Mark = false;
        Encoding encoding = Encoding::Utf8;
    };

    void clear();
    void readFile(const QString& name, int depth);
    void parseLine(TLine* line, TSection*& current, const QString& directory, int depth);
    TSection* sectionFor(const QString& name, TLine* header);
    TLine* insertLine(const TLine* after, QString text, int source);
    TSection& appendSection(const QString& name);
    void insertEntry(TSection& section, const QString& key, const QString& value);
    void writeSource(int source, const QString& name) const;

    std::vector<std::unique_ptr<TLine>> m_lines;
    std::vector<std::unique_ptr<TSection>> m_sections;
    QHash<QString, TSection*> m_index;
    std::vector<Source> m_sources;
    QSet<QString> m_read;
    qint64 m_bytesRead = 0;
    QString m_fileName;
    bool m_local8Bit = false;
    const TSection* m_cursorSection = nullptr;
    std::size_t m_cursor = 0;
};

} // namespace Basics
