#pragma once

#include "basics_global.h"

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace Basics {
class TValueList;
}

// Lists as CSV files, for spreadsheets. The export writes the id and every attribute key of the
// list, one record per row. The import reads such a file (separator, encoding and decimal comma
// detected unless chosen), compares every row with the list and says which rows are new, changed
// (in which columns), unchanged or refused (and why) before anything is written. A refused row
// never stops the others.
namespace PosLib::Csv {

enum class Encoding { Utf8, Windows1252 };

struct Format {
    QChar separator = u';';
    Encoding encoding = Encoding::Utf8;
    bool decimalComma = false; // numbers with a decimal comma: "1,5" in the file is "1.5" in the list
    bool operator==(const Format&) const = default;
};

// What a file may hold, so that a hostile or mistaken file cannot take the memory.
constexpr qsizetype maxFileSize = 64 * 1024 * 1024;
constexpr qsizetype maxColumns = 1000;
constexpr qsizetype maxRecordLength = 1024 * 1024; // characters of one record (JSON models fit)
constexpr qsizetype maxFields = 4 * 1000 * 1000;   // fields of the whole file

// A parsed file: its format, header and rows, each row with the line it starts on.
struct Table {
    Format format;
    QStringList header;
    QList<QStringList> rows;
    QList<int> lines;
    QString error; // the file cannot be used at all (not CSV, no "id" column, too large ...)
};

// Separator (";", "," or tab, the most frequent in the first line), encoding (a byte-order mark or
// valid UTF-8, else Windows-1252) and decimal comma (numbers with a comma and none with a point).
BASICS_EXPORT Format detect(const QByteArray& bytes);
// Parses the file in the format; the first line names the columns, one of them "id".
BASICS_EXPORT Table read(const QByteArray& bytes, const Format& format);

// The list as CSV: "id" and every key in key order, records by id; UTF-8 with a byte-order mark,
// so that spreadsheets recognise it. A character that Windows-1252 lacks is written as "?".
BASICS_EXPORT QByteArray write(const Basics::TValueList& list, const Format& format);

enum class RowState { New, Changed, Unchanged, Refused };

struct PreviewRow {
    int line = 0;
    int id = -1;
    RowState state = RowState::Refused;
    QStringList changed; // the changed columns of a changed row
    QString reason;      // why a row is refused
};

struct BASICS_EXPORT Preview {
    QList<PreviewRow> rows;     // one per row of the table, in its order
    QStringList unknownColumns; // columns no record of the list has yet
    int count(RowState state) const;
};

// Compares every row with the list. A cell holds the attribute's text; an empty cell means the
// attribute is not set. Attributes the file has no column for are left as they are.
BASICS_EXPORT Preview preview(const Basics::TValueList& list, const Table& table);

struct Applied {
    int written = 0;
    QList<PreviewRow> failed; // rows the list refused, with the list's reason
};

// Writes the new and changed rows of the preview into the list: insert for new records,
// notifyChanged for changed ones, so that the list's owner saves and records them. A row the list
// refuses (a Basics::TError) is left as it was and reported; the other rows go on.
BASICS_EXPORT Applied apply(Basics::TValueList& list, const Table& table, const Preview& preview);

BASICS_EXPORT QString stateText(RowState state);
BASICS_EXPORT QString describe(const Format& format);

} // namespace PosLib::Csv
