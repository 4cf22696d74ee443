#pragma once

#include "basics_global.h"
#include "ttableentry.h"
#include "tvalue.h"

#include <QDateTime>
#include <QString>

namespace PosLib {

// What was done on a table: one record per action, numbered in the table ("id"), its kind in
// "type", with the lines it owns. The attributes of the cash office's actions are typed here; the
// other kinds carry the attributes the point-of-sale gives them.
class BASICS_EXPORT TTableAction : public Basics::TValue {
public:
    enum Kind {
        Create = 1,
        Change = 2,
        Order = 3,
        Void = 4,
        Pay = 5,
        Split = 6,
        Restore = 7,
        Archived = 8,
        Control = 9,
        Cashing = 10,
        Modifier = 11,
        Combi = 12,
        Balance = 13,
        Signature = 14,
        VoidPay = 15,
    };

    explicit TTableAction(int kind);
    ~TTableAction() override;
    TTableAction(const TTableAction&) = delete;
    TTableAction& operator=(const TTableAction&) = delete;

    // A new action of that kind (its class); null for a kind that does not exist.
    static TTableAction* create(int kind);

    int kind() const; // "type"
    TTableEntries& entries() { return m_entries; }
    const TTableEntries& entries() const { return m_entries; }
    // What the action adds to the table's amount: orders their lines, voids minus theirs.
    virtual qint64 amountChange() const;

    QString getReason() const;
    void setReason(const QString& reason);
    QString getExtAccount() const; // "extaccount", the external account
    void setExtAccount(const QString& account);
    QString getVaultBag() const;
    void setVaultBag(const QString& bag);
    int getTerminal() const;
    void setTerminal(int terminal);
    QString getTermName() const;
    void setTermName(const QString& name);
    int getCenter() const;
    void setCenter(int center);
    QString getCenterName() const;
    void setCenterName(const QString& name);
    QString getCenterAcc() const;
    void setCenterAcc(const QString& account);
    int getWaiter() const;
    void setWaiter(int waiter);

    // A cash-information line: reason, location, cash group, amount and payment form.
    TTableEntry* addCashInformation(const QString& reason, const QString& location, const QString& cashGroup,
                                    qint64 amount, int payform = 0);
    // A cash-balance line: counted and target amount, the initial amount flag, cash group, location.
    TTableEntry* addCashBalanceInformation(qint64 actual, qint64 target, bool initial,
                                           const QString& cashGroup, const QString& location);

protected:
    qint64 entriesAmount() const;

private:
    TTableEntries m_entries;
};

// The first action of every table: when it was opened and by whom.
class BASICS_EXPORT TTableCreate : public TTableAction {
public:
    TTableCreate();
    QDateTime getCreated() const; // "date" and "time"
    void setCreated(const QDateTime& when);
    QString getWaiterName() const;
    void setWaiterName(const QString& name);
    bool isTrainee() const;
    void setTrainee(bool trainee);
};

class BASICS_EXPORT TTableChange : public TTableAction {
public:
    TTableChange();
};

class BASICS_EXPORT TTableOrder : public TTableAction {
public:
    TTableOrder();
    qint64 amountChange() const override;
};

class BASICS_EXPORT TTableVoid : public TTableAction {
public:
    TTableVoid();
    qint64 amountChange() const override;
};

class BASICS_EXPORT TTablePay : public TTableAction {
public:
    TTablePay();
};

class BASICS_EXPORT TTableSplit : public TTableAction {
public:
    TTableSplit();
};

class BASICS_EXPORT TTableRestore : public TTableAction {
public:
    TTableRestore();
};

class BASICS_EXPORT TTableArchived : public TTableAction {
public:
    TTableArchived();
};

class BASICS_EXPORT TTableControl : public TTableAction {
public:
    TTableControl();
};

// Cash paid in or out: the amount, the amount given, the currency, terminal and cost centre.
class BASICS_EXPORT TTableCashing : public TTableAction {
public:
    TTableCashing();
    void setPayment(qint64 amount, qint64 given, int currency, int terminal, int center);
    qint64 getAmount() const;
    qint64 getGiven() const; // "given"
    int getCurrency() const;
};

class BASICS_EXPORT TTableModifier : public TTableAction {
public:
    TTableModifier();
};

class BASICS_EXPORT TTableCombi : public TTableAction {
public:
    TTableCombi();
};

// The balance of a cash count of one cash group: counted amount, target and difference (each left
// out when zero) and whether it covers all waiters.
class BASICS_EXPORT TTableBalance : public TTableAction {
public:
    TTableBalance();
    bool isAllWaiters() const;
    void setAllWaiters(bool all);
    qint64 getCCDAmount() const;
    void setCCDAmount(qint64 amount);
    qint64 getCCDBalance() const;
    void setCCDBalance(qint64 amount);
    qint64 getCCDDifferences() const;
    void setCCDDifferences(qint64 amount);
};

class BASICS_EXPORT TableSignature : public TTableAction {
public:
    TableSignature();
};

class BASICS_EXPORT VoidPayEntry : public TTableAction {
public:
    VoidPayEntry();
};

} // namespace PosLib
