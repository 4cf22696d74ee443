#include "tcardactioncolumns.h"

#include "tcardactionlog.h"
#include "tcardactiontext.h"
#include "tcurrencies.h"
#include "tlumworkspace.h"
#include "tnetcardaction.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <iterator>

namespace TCardActionColumns {

namespace {

constexpr const char* context = "TNetCardDlg";

const char* const logTitles[actionLogCount] = {
    QT_TRANSLATE_NOOP("TNetCardDlg", "ID"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Terminal"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Action"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Reason"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Comment"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Action date"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Card No."),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Result"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Write waiter"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Counter"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Payform"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Client No."),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Functions"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Points min"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Points max"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Points saldo"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Credit min"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Credit max"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Credit saldo"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Extra Points min"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Extra Points max"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Extra Points 1 Saldo"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Extra Points 2 Saldo"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Extra Points 3 Saldo"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Valid from"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Valid to"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Last write"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Last subvent"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Last format"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Table/Party"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Card waiter"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Pricefinding"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Pricemodel"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Subvent count"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Given subvent"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Persontype"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Outlet"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Version"),
};

const char* const actionTitles[actionCount] = {
    QT_TRANSLATE_NOOP("TNetCardDlg", "ID"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Create waiter"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Create date"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Booked"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Book date"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Book terminal"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Valid from"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Valid to"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Spezification"),
    QT_TRANSLATE_NOOP("TNetCardDlg", "Description"),
};

QString tr(const char* text)
{
    return QCoreApplication::translate(context, text);
}

TLumColumn titled(const char* title, const char* key, TLumColumn::Kind kind)
{
    TLumColumn column;
    column.title = tr(title);
    column.key = QString::fromLatin1(key);
    column.kind = kind;
    return column;
}

TLumColumn logColumn(int column, const char* key, TLumColumn::Kind kind = TLumColumn::Number)
{
    return titled(logTitles[column], key, kind);
}

// A date-time as a record keeps it: "yyyy-MM-dd" under the key and "hh:mm:ss" under the key with
// "time" appended. Shown in the local format; sorted by date, then time.
TLumColumn dateTime(const char* title, const char* key)
{
    TLumColumn result = titled(title, key, TLumColumn::Text);
    const QString timeKey = result.key + QStringLiteral("time");
    result.format = [key = result.key, timeKey](const Basics::TValue& record, TLumWorkspace*) {
        const QDate date = QDate::fromString(record.getString(key), Qt::ISODate);
        if (!date.isValid())
            return QString();
        const QTime time = QTime::fromString(record.getString(timeKey), Qt::ISODate);
        return QLocale().toString(QDateTime(date, time.isValid() ? time : QTime(0, 0)), QLocale::ShortFormat);
    };
    result.keyOf = [key = result.key, timeKey](const Basics::TValue& record) {
        return TLumColumn::SortKey{0, record.getString(key) + u' ' + record.getString(timeKey)};
    };
    return result;
}

// The functions as a number that sorts the same functions together, without building their text.
int functionBits(const Basics::TValue& entry)
{
    return (entry.getBool("canpoints") ? 8 : 0) | (entry.getBool("cancredit") ? 4 : 0) |
           (entry.getBool("cantable") ? 2 : 0) | (entry.getBool("canwaiter") ? 1 : 0);
}

bool booked(const Basics::TValue& action)
{
    return action.getBool("booked");
}

const TCurrencies* currenciesOf(TLumWorkspace* workspace)
{
    return workspace ? qobject_cast<const TCurrencies*>(workspace->getData(QStringLiteral("currencies")))
                     : nullptr;
}

} // namespace

QString cardFunctions(const Basics::TValue& entry)
{
    QStringList letters;
    if (entry.getBool("canpoints"))
        letters << QStringLiteral("P");
    if (entry.getBool("cancredit"))
        letters << QStringLiteral("C");
    if (entry.getBool("cantable"))
        letters << QStringLiteral("T");
    if (entry.getBool("canwaiter"))
        letters << QStringLiteral("W");
    return letters.join(u',');
}

QString actionLogTitle(int column)
{
    return column >= 0 && column < actionLogCount ? tr(logTitles[column]) : QStringLiteral("noName");
}

QString actionTitle(int column)
{
    return column >= 0 && column < actionCount ? tr(actionTitles[column]) : QStringLiteral("noName");
}

QList<TLumColumn> actionLog()
{
    using K = TLumColumn::Kind;
    TLumColumn result = logColumn(7, "result", K::Text);
    result.format = [](const Basics::TValue& entry, TLumWorkspace*) {
        const QString text = entry.getString("result");
        return text == PosLib::TCardActionLog::success ? tr("OK") : text;
    };
    TLumColumn functions = logColumn(12, "canpoints", K::Text);
    functions.format = [](const Basics::TValue& entry, TLumWorkspace*) { return cardFunctions(entry); };
    functions.keyOf = [](const Basics::TValue& entry) {
        return TLumColumn::SortKey{double(functionBits(entry)), QString()};
    };
    TLumColumn tableParty = logColumn(29, "tablenr", K::Text);
    tableParty.format = [](const Basics::TValue& entry, TLumWorkspace*) {
        return QStringLiteral("%1/%2").arg(entry.getInt("tablenr")).arg(entry.getInt("partynr"));
    };
    tableParty.keyOf = [](const Basics::TValue& entry) {
        // Table and party numbers fit into 32 bits each, both together into a double.
        return TLumColumn::SortKey{double(entry.getString("tablenr").toUInt()) * 4294967296.0 +
                                       double(entry.getString("partynr").toUInt()),
                                   QString()};
    };
    return {
        logColumn(0, "id"),
        logColumn(1, "terminalid", K::Text),
        logColumn(2, "action", K::Text),
        logColumn(3, "reason", K::Text),
        logColumn(4, "comment", K::Text),
        dateTime(logTitles[5], "actiondatetime"),
        logColumn(6, "cardnumber"),
        result,
        logColumn(8, "waiter"),
        logColumn(9, "counter"),
        logColumn(10, "payform"),
        logColumn(11, "clientnumber"),
        functions,
        logColumn(13, "pointsmin"),
        logColumn(14, "pointsmax"),
        logColumn(15, "pointssaldo"),
        logColumn(16, "creditmin", K::Amount),
        logColumn(17, "creditmax", K::Amount),
        logColumn(18, "creditsaldo", K::Amount),
        logColumn(19, "extrapointsmin"),
        logColumn(20, "extrapointsmax"),
        logColumn(21, "extrapoints1"),
        logColumn(22, "extrapoints2"),
        logColumn(23, "extrapoints3"),
        dateTime(logTitles[24], "startdate"),
        dateTime(logTitles[25], "enddate"),
        dateTime(logTitles[26], "lastprocess"),
        dateTime(logTitles[27], "lastsubvent"),
        dateTime(logTitles[28], "lastformat"),
        tableParty,
        logColumn(30, "waiternr"),
        logColumn(31, "pricefinding"),
        logColumn(32, "pricemodel"),
        logColumn(33, "subventcount"),
        logColumn(34, "givensubvent", K::Amount),
        logColumn(35, "persontype"),
        logColumn(36, "outlet"),
        logColumn(37, "version"),
    };
}

QList<TLumColumn> actions()
{
    using K = TLumColumn::Kind;
    const auto notBooked = [] { return tr("n/a"); };
    TLumColumn bookedColumn = titled(actionTitles[3], "booked", K::Text);
    bookedColumn.format = [](const Basics::TValue& action, TLumWorkspace*) {
        return booked(action) ? tr("yes") : tr("no");
    };
    bookedColumn.keyOf = [](const Basics::TValue& action) {
        return TLumColumn::SortKey{booked(action) ? 1.0 : 0.0, QString()};
    };
    TLumColumn bookDate = dateTime(actionTitles[4], "triggertime");
    bookDate.format = [shown = bookDate.format, notBooked](const Basics::TValue& action,
                                                           TLumWorkspace* workspace) {
        return booked(action) ? shown(action, workspace) : notBooked();
    };
    TLumColumn terminal = titled(actionTitles[5], "terminal", K::Number);
    terminal.format = [notBooked](const Basics::TValue& action, TLumWorkspace*) {
        return booked(action) ? action.getString("terminal") : notBooked();
    };
    TLumColumn actionText = titled(actionTitles[8], "field", K::Text);
    actionText.format = [](const Basics::TValue& record, TLumWorkspace* workspace) {
        const auto* action = dynamic_cast<const PosLib::TNetCardActionTemplate*>(&record);
        return action ? cardActionText(*action, currenciesOf(workspace)) : QString();
    };
    actionText.keyOf = [format = actionText.format](const Basics::TValue& action) {
        return TLumColumn::SortKey{0, format(action, nullptr)};
    };
    TLumColumn description = titled(actionTitles[9], "description", K::Text);
    description.format = [](const Basics::TValue& record, TLumWorkspace*) {
        const auto* action = dynamic_cast<const PosLib::TNetCardActionTemplate*>(&record);
        return action ? action->getDescription() : QString();
    };
    description.keyOf = [format = description.format](const Basics::TValue& action) {
        return TLumColumn::SortKey{0, format(action, nullptr)};
    };
    return {
        titled(actionTitles[0], "id", K::Number),
        titled(actionTitles[1], "createwaiter", K::Number),
        dateTime(actionTitles[2], "createdate"),
        bookedColumn,
        bookDate,
        terminal,
        dateTime(actionTitles[6], "datefrom"),
        dateTime(actionTitles[7], "dateto"),
        actionText,
        description,
    };
}

} // namespace TCardActionColumns
