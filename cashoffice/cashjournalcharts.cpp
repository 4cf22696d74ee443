// The reads of the cash charts: which locations there are, their last counts, and the vault's cash
// per day. Each read is bounded: by the number of counts, by the days of the period, and by
// maxRowsRead whatever the database holds.

#include "cashjournal.h"

#include "journalcolumns_p.h"
#include "tlog.h"

#include <QSqlError>
#include <QSqlQuery>

namespace Database {

bool CashJournal::select(const char* operation, QSqlQuery& query, const QString& sql,
                         const QVariantList& values)
{
    QSqlDatabase db = connection(operation);
    if (!db.isOpen())
        return false;
    query = QSqlQuery(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        fail(operation, query.lastError());
        return false;
    }
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        fail(operation, query.lastError());
        return false;
    }
    return true;
}

QStringList CashJournal::GetChartLocations(int sumOutlet)
{
    QStringList locations;
    QSqlQuery query;
    if (!select("chart locations", query,
                QStringLiteral("SELECT location FROM cashgroupccd WHERE sumoutletid = ?"
                               " UNION SELECT location FROM CashGroupJournals"
                               " WHERE outletsumkey = ? AND cashccd_id < 1 ORDER BY 1"),
                {sumOutlet, sumOutlet}))
        return locations;
    while (query.next() && locations.size() < maxRowsRead)
        locations << query.value(0).toString();
    return locations;
}

CountSummaryList CashJournal::GetLastCounts(int sumOutlet, const QString& location, int count)
{
    CountSummaryList counts;
    QSqlQuery query;
    if (!select("last counts", query,
                QStringLiteral("SELECT ccdid, MAX(ccdtimestamp), SUM(actualamount), SUM(targetamount),"
                               " SUM(CASE WHEN differenceamount > 0 THEN differenceamount ELSE 0 END),"
                               " SUM(CASE WHEN differenceamount < 0 THEN differenceamount ELSE 0 END)"
                               " FROM cashgroupccd WHERE sumoutletid = ? AND location = ?"
                               " GROUP BY ccdid ORDER BY 2 DESC, 1 DESC LIMIT ?"),
                {sumOutlet, location, qBound(0, count, maxRowsRead)}))
        return counts;
    while (query.next() && counts.size() < count) {
        counts.prepend({query.value(0).toLongLong(), journalDateTime(query.value(1)),
                        query.value(2).toDouble(), query.value(3).toDouble(), query.value(4).toDouble(),
                        query.value(5).toDouble()});
    }
    return counts;
}

VaultBalanceList CashJournal::GetBalances(int sumOutlet, const QString& location, const QDate& first,
                                          const QDate& last)
{
    VaultBalanceList balances;
    QSqlQuery query;
    // Per cash group the sum before the period (day "") and the sum of each day in it; the day is
    // the date part of the time's text, which both databases write as "yyyy-MM-dd hh:mm:ss". A
    // count of the location settles the rows it counted and books what it found as a new row, so
    // its targets leave the sum.
    const QDateTime begin = first.startOfDay();
    const QDateTime end = last.addDays(1).startOfDay();
    if (!select("balances", query,
                QStringLiteral(
                    "SELECT cashgroup, CASE WHEN moved < ? THEN '' ELSE SUBSTR(CAST(moved AS TEXT), 1, 10)"
                    " END, SUM(amount) FROM ("
                    "SELECT cashgroup, timestamprecord AS moved, cashamount AS amount"
                    " FROM CashGroupJournals WHERE outletsumkey = ? AND location = ? AND timestamprecord < ?"
                    " UNION ALL SELECT cashgroup, ccdtimestamp, -targetamount FROM cashgroupccd"
                    " WHERE sumoutletid = ? AND location = ? AND ccdtimestamp < ?"
                    ") AS moves GROUP BY 1, 2 ORDER BY 1, 2"),
                {begin, sumOutlet, location, end, sumOutlet, location, end}))
        return balances;
    for (int rows = 0; query.next(); ++rows) {
        if (rows == maxRowsRead) {
            log(Basics::TLog::Warning, QStringLiteral("Balances of %1: only the first %2 rows are read.")
                                           .arg(location)
                                           .arg(maxRowsRead));
            break;
        }
        const QString cashGroup = query.value(0).toString();
        if (balances.isEmpty() || balances.last().cashGroup != cashGroup)
            balances.append({cashGroup, 0.0, {}});
        VaultBalance& balance = balances.last();
        const QString day = query.value(1).toString();
        const double amount = query.value(2).toDouble();
        if (day.isEmpty()) {
            balance.opening = amount;
            continue;
        }
        const double before = balance.days.isEmpty() ? balance.opening : balance.days.last().second;
        balance.days.append({QDate::fromString(day, Qt::ISODate), before + amount});
    }
    return balances;
}

} // namespace Database
