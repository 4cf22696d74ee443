#pragma once

#include "lumdialogs_global.h"
#include "tvalue.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace Database {

// One row of the cash journal table "CashGroupJournals": the attributes are its columns. A new
// record is stamped with the current time ("timestampimport", "timestamprecord"). Columns the
// record lacks are written with their defaults: "X" for texts (empty for "vaultinfo"), 1 for
// numbers, 0 for "cashamount", "billnum" and "cashccd_id"; "bagno" is left out altogether.
class LUMDIALOGS_EXPORT CashGroupJournalsTable : public Basics::TValue {
public:
    CashGroupJournalsTable();

    QDateTime getTimestampImport() const;
    void setTimestampImport(const QDateTime& time);
    QDateTime getTimestampRecord() const;
    void setTimestampRecord(const QDateTime& time);
    QString getLocation() const;
    void setLocation(const QString& location);
    int getOutlet() const;
    void setOutlet(int outlet);
    QString getOutletName() const;
    void setOutletName(const QString& name);
    int getMandant() const;
    void setMandant(int mandant);
    QString getMandantName() const;
    void setMandantName(const QString& name);
    int getOutletSumKey() const;
    void setOutletSumKey(int key);
    int getTerminal() const;
    void setTerminal(int terminal);
    QString getTermName() const;
    void setTermName(const QString& name);
    int getCenter() const;
    void setCenter(int center);
    QString getCenterName() const;
    void setCenterName(const QString& name);
    int getWaiter() const;
    void setWaiter(int waiter);
    QString getWaiterName() const;
    void setWaiterName(const QString& name);
    QString getCashGroup() const;
    void setCashGroup(const QString& group);
    double getCashAmount() const;
    void setCashAmount(double amount);
    int getCashForm() const;
    void setCashForm(int payform);
    QString getCashReason() const;
    void setCashReason(const QString& reason);
    bool hasBagNo() const;
    int getBagNo() const;
    void setBagNo(int bag);
    qint64 getBillNum() const;
    void setBillNum(qint64 bill);
    qint64 getCashCCDId() const;
    void setCashCCDId(qint64 ccd);
    QString getVaultInfo() const;
    void setVaultInfo(const QString& info);

    // The columns a row of this record fills, in order ("bagno" only when the record has one), and
    // the values for them, defaults included.
    QStringList columnNames() const;
    QVariantList columnValues() const;
};

using CashGroupJournalsTableList = QList<CashGroupJournalsTable>;

} // namespace Database
