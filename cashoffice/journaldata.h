#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace Database {

// One line of the cash journal as the view "CashGroupJournalView" gives it.
struct JournalData {
    QDateTime timestamp;
    QString location;
    QString waiterName;
    QString cashGroup;
    double amount = 0.0;
    QString reason;
    QString terminalName;
    qint64 billNumber = 0;
};

using CCDJournalViewData = JournalData;
using JournalDataList = QList<JournalData>;

} // namespace Database
