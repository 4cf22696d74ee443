#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

namespace Database {

// The location of the journal rows that hold the vault's cash.
inline QString vaultLocation()
{
    return QStringLiteral("vault");
}

// One count of a location, its cash groups taken together. Surplus and shortage are kept apart
// (the shortage negative): a cash group short by as much as another is over still shows both.
struct CountSummary {
    qint64 ccdNumber = 0;
    QDateTime time;
    double actual = 0.0;
    double target = 0.0;
    double surplus = 0.0;
    double shortage = 0.0;
};
using CountSummaryList = QList<CountSummary>;

// The vault's cash of one cash group over a period: what it held when the period began, and what
// it held at the end of each day with movements.
struct VaultBalance {
    QString cashGroup;
    double opening = 0.0;
    QList<QPair<QDate, double>> days;
};
using VaultBalanceList = QList<VaultBalance>;

} // namespace Database
