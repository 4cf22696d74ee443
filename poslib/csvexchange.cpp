#include "csvexchange.h"

#include "terror.h"
#include "tvaluelist.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <memory>
#include <set>
#include <unordered_map>

namespace PosLib::Csv {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PosLib::Csv", text);
}

const QByteArray csvUtf8Mark("\xEF\xBB\xBF");

// "12,5" or "-3.25": digits, one decimal mark, digits. Written by hand since it runs for every
// field of a file of 100,000 rows.
bool csvIsDecimal(QStringView text, QChar mark)
{
    qsizetype at = 0;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+'))
        ++at;
    const qsizetype digitsBefore = at;
    while (at < text.size() && text[at].isDigit() && text[at].unicode() < 0x80)
        ++at;
    if (at == digitsBefore || at >= text.size() || text[at] != mark)
        return false;
    const qsizetype digitsAfter = ++at;
    while (at < text.size() && text[at].isDigit() && text[at].unicode() < 0x80)
        ++at;
    return at == text.size() && at > digitsAfter;
}

bool csvValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString csvDecode(const QByteArray& bytes, Encoding encoding)
{
    if (bytes.startsWith(csvUtf8Mark))
        return QString::fromUtf8(bytes.constData() + csvUtf8Mark.size(), bytes.size() - csvUtf8Mark.size());
    if (encoding == Encoding::Utf8)
        return QString::fromUtf8(bytes);
    QStringDecoder decoder("windows-1252");
    return decoder.isValid() ? QString(decoder.decode(bytes)) : QString::fromLatin1(bytes);
}

// The records of a text, quoted as spreadsheets quote them ("" is a quote inside quotes), each
// with the line it starts on. Empty lines are skipped. Stops with an error at the bounds.
QList<QStringList> csvParse(QStringView text, QChar separator, QList<int>* lines, QString* error)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool any = false; // the record has a character
    int line = 1;
    int start = 1;
    qsizetype recordStart = 0;
    qsizetype total = 0;
    const auto endField = [&] {
        fields << field;
        field = QString();
    };
    const auto endRecord = [&] {
        endField();
        if (any || fields.size() > 1) {
            total += fields.size();
            records << fields;
            lines->append(start);
        }
        fields.clear();
        any = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (i - recordStart > maxRecordLength) {
            *error = tr("line %1 is longer than %2 characters").arg(start).arg(maxRecordLength);
            return {};
        }
        if (c.isNull()) {
            *error = tr("line %1 holds a NUL character: the file is no CSV text").arg(line);
            return {};
        }
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                line += c == u'\n' ? 1 : 0;
                field += c;
            }
            continue;
        }
        if (c == u'"' && field.isEmpty()) {
            quoted = true;
            any = true;
        } else if (c == separator) {
            endField();
            any = true;
            if (fields.size() >= maxColumns) {
                *error = tr("line %1 has more than %2 columns").arg(start).arg(maxColumns);
                return {};
            }
        } else if (c == u'\n') {
            endRecord();
            start = ++line;
            recordStart = i + 1;
            if (total > maxFields) {
                *error = tr("the file has more than %1 fields").arg(maxFields);
                return {};
            }
        } else if (c != u'\r') {
            field += c;
            any = true;
        }
    }
    if (quoted) {
        *error = tr("the quote that begins on line %1 is never closed").arg(start);
        return {};
    }
    endRecord();
    return records;
}

QString csvQuoted(const QString& text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString doubled = text;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

bool csvHasControl(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r'; });
}

QString csvRowProblem(const Table& table, const QStringList& cells, qsizetype idColumn, int* id)
{
    const QString idText = cells.value(idColumn).trimmed();
    bool number = false;
    *id = idText.toInt(&number);
    if (!number || *id < 0) {
        *id = -1;
        if (cells.size() == table.header.size())
            return tr("the id \"%1\" is no number of 0 or more").arg(idText);
    }
    if (cells.size() != table.header.size())
        return tr("%1 fields where the first line names %2 columns")
            .arg(cells.size())
            .arg(table.header.size());
    if (std::any_of(cells.cbegin(), cells.cend(), csvHasControl))
        return tr("a value holds a control character");
    return {};
}

} // namespace

Format detect(const QByteArray& bytes)
{
    Format format;
    const QByteArray head = bytes.left(64 * 1024);
    if (!bytes.startsWith(csvUtf8Mark) && !csvValidUtf8(bytes)) {
        // The head cut in the middle of a character is no reason for Windows-1252.
        format.encoding = Encoding::Windows1252;
    }
    const QString text = csvDecode(head, format.encoding);
    const QStringView firstLine = QStringView(text).left(text.indexOf(u'\n'));
    qsizetype best = 0;
    for (const QChar candidate : {QChar(u';'), QChar(u','), QChar(u'\t')}) {
        const qsizetype count = firstLine.count(candidate);
        if (count > best) {
            best = count;
            format.separator = candidate;
        }
    }
    // A decimal comma only where the comma is not the separator and no number has a point. The
    // head may end inside a record: only its complete lines are looked at.
    if (format.separator != u',') {
        QList<int> lines;
        QString error;
        const qsizetype end = text.lastIndexOf(u'\n');
        bool comma = false;
        bool point = false;
        for (const QStringList& row : csvParse(QStringView(text).left(std::max<qsizetype>(end, 0)),
                                               format.separator, &lines, &error)) {
            for (const QString& cell : row) {
                comma = comma || csvIsDecimal(cell, u',');
                point = point || csvIsDecimal(cell, u'.');
            }
        }
        format.decimalComma = comma && !point;
    }
    return format;
}

Table read(const QByteArray& bytes, const Format& format)
{
    Table table;
    table.format = format;
    if (bytes.size() > maxFileSize) {
        table.error = tr("the file is larger than %1 MiB").arg(maxFileSize / 1024 / 1024);
        return table;
    }
    QList<QStringList> records =
        csvParse(csvDecode(bytes, format.encoding), format.separator, &table.lines, &table.error);
    const auto refuse = [&table](const QString& error) {
        table.error = error;
        table.lines.clear();
        return table;
    };
    if (!table.error.isEmpty())
        return refuse(table.error);
    if (records.isEmpty())
        return refuse(tr("the file is empty"));
    table.header = records.takeFirst();
    table.lines.removeFirst();
    for (QString& name : table.header)
        name = name.trimmed();
    if (!table.header.contains(QStringLiteral("id")))
        return refuse(
            tr("the first line names no column \"id\"; is it a CSV file of a list, with "
               "the separator \"%1\"?")
                .arg(format.separator == u'\t' ? QStringLiteral("Tab") : QString(format.separator)));
    const std::set<QString> distinct(table.header.cbegin(), table.header.cend());
    if (qsizetype(distinct.size()) != table.header.size() || distinct.count(QString()))
        return refuse(tr("the first line names a column twice or has a column without a name"));
    if (format.decimalComma) {
        for (QStringList& row : records) {
            for (QString& cell : row) {
                if (csvIsDecimal(cell, u','))
                    cell.replace(u',', u'.');
            }
        }
    }
    table.rows = std::move(records);
    return table;
}

QByteArray write(const Basics::TValueList& list, const Format& format)
{
    std::set<QString> keys;
    for (const Basics::TValue* record : list) {
        for (const Basics::TAttribute& attribute : record->attributes())
            keys.insert(attribute.key);
    }
    keys.erase(QStringLiteral("id"));
    QStringList header{QStringLiteral("id")};
    header.append(QStringList(keys.cbegin(), keys.cend()));
    QString text;
    const auto addRow = [&](const QStringList& cells) {
        for (qsizetype c = 0; c < cells.size(); ++c) {
            if (c > 0)
                text += format.separator;
            text += csvQuoted(cells.at(c), format.separator);
        }
        text += QLatin1String("\r\n");
    };
    addRow(header);
    QStringList cells;
    for (const Basics::TValue* record : list) {
        cells = {QString::number(record->getID())};
        for (const QString& key : keys) {
            QString value = record->getString(key);
            if (format.decimalComma && csvIsDecimal(value, u'.'))
                value.replace(u'.', u',');
            cells << value;
        }
        addRow(cells);
    }
    if (format.encoding == Encoding::Utf8)
        return csvUtf8Mark + text.toUtf8();
    QStringEncoder encoder("windows-1252", QStringEncoder::Flag::Stateless);
    if (!encoder.isValid())
        return text.toLatin1();
    QByteArray bytes = encoder.encode(text);
    return bytes;
}

int Preview::count(RowState state) const
{
    return int(std::count_if(rows.cbegin(), rows.cend(),
                             [state](const PreviewRow& row) { return row.state == state; }));
}

Preview preview(const Basics::TValueList& list, const Table& table)
{
    Preview result;
    if (!table.error.isEmpty())
        return result;
    const qsizetype idColumn = table.header.indexOf(QStringLiteral("id"));
    for (qsizetype c = 0; c < table.header.size(); ++c) {
        const QString& key = table.header.at(c);
        if (c != idColumn && std::none_of(list.begin(), list.end(), [&key](const Basics::TValue* record) {
                return record->contains(key);
            }))
            result.unknownColumns << key;
    }
    std::unordered_map<int, int> seen; // id -> line
    seen.reserve(size_t(table.rows.size()));
    result.rows.reserve(table.rows.size());
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const QStringList& cells = table.rows.at(r);
        PreviewRow row;
        row.line = table.lines.value(r);
        row.reason = csvRowProblem(table, cells, idColumn, &row.id);
        if (row.reason.isEmpty()) {
            if (const auto twin = seen.find(row.id); twin != seen.end())
                row.reason = tr("the id %1 is on line %2 already").arg(row.id).arg(twin->second);
        }
        if (!row.reason.isEmpty()) {
            result.rows << row;
            continue;
        }
        seen.emplace(row.id, row.line);
        if (const Basics::TValue* record = list.find(row.id)) {
            for (qsizetype c = 0; c < cells.size(); ++c) {
                const QString& key = table.header.at(c);
                if (c != idColumn && record->getString(key) != cells.at(c))
                    row.changed << key;
            }
            row.state = row.changed.isEmpty() ? RowState::Unchanged : RowState::Changed;
        } else {
            row.state = RowState::New;
        }
        result.rows << row;
    }
    return result;
}

Applied apply(Basics::TValueList& list, const Table& table, const Preview& preview)
{
    const qsizetype idColumn = table.header.indexOf(QStringLiteral("id"));
    Applied applied;
    for (qsizetype r = 0; r < preview.rows.size() && r < table.rows.size(); ++r) {
        const PreviewRow& row = preview.rows.at(r);
        if (row.state != RowState::New && row.state != RowState::Changed)
            continue;
        const QStringList& cells = table.rows.at(r);
        const auto fill = [&](Basics::TValue& record) {
            for (qsizetype c = 0; c < cells.size(); ++c) {
                if (c == idColumn)
                    continue;
                if (cells.at(c).isEmpty())
                    record.remove(table.header.at(c));
                else
                    record.set(table.header.at(c), cells.at(c));
            }
        };
        PreviewRow failed = row;
        failed.state = RowState::Refused;
        Basics::TValue* record = list.find(row.id);
        if (row.state == RowState::New && record)
            failed.reason = tr("the id %1 was taken meanwhile").arg(row.id);
        else if (row.state == RowState::Changed && !record)
            failed.reason = tr("the record %1 was deleted meanwhile").arg(row.id);
        if (!failed.reason.isEmpty()) {
            applied.failed << failed;
            continue;
        }
        try {
            if (!record) {
                std::unique_ptr<Basics::TValue> created(list.createValue());
                created->setID(row.id);
                fill(*created);
                list.put(created.release()); // the list owns it, also when it refuses it
            } else {
                const Basics::TValue was = *record;
                fill(*record);
                try {
                    list.notifyChanged(record);
                } catch (const Basics::TError&) {
                    *record = was;
                    throw;
                }
            }
            ++applied.written;
        } catch (const Basics::TError& error) {
            failed.reason = error.description();
            applied.failed << failed;
        }
    }
    return applied;
}

QString stateText(RowState state)
{
    switch (state) {
    case RowState::New:
        return tr("new");
    case RowState::Changed:
        return tr("changed");
    case RowState::Unchanged:
        return tr("unchanged");
    case RowState::Refused:
        break;
    }
    return tr("refused");
}

QString describe(const Format& format)
{
    const QString separator =
        format.separator == u'\t' ? tr("Tab") : QStringLiteral("\"%1\"").arg(format.separator);
    return tr("separator %1, %2, %3")
        .arg(separator,
             format.encoding == Encoding::Utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252"),
             format.decimalComma ? tr("decimal comma") : tr("decimal point"));
}

} // namespace PosLib::Csv
