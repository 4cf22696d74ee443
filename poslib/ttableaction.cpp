#include "ttableaction.h"

namespace PosLib {

namespace {

qint64 longOf(const Basics::TValue& value, QAnyStringView key)
{
    return value.get(key).text().toLongLong();
}

} // namespace

TTableAction::TTableAction(int kind)
{
    set("type", kind);
}

TTableAction::~TTableAction() = default;

TTableAction* TTableAction::create(int kind)
{
    switch (kind) {
    case Create:
        return new TTableCreate;
    case Change:
        return new TTableChange;
    case Order:
        return new TTableOrder;
    case Void:
        return new TTableVoid;
    case Pay:
        return new TTablePay;
    case Split:
        return new TTableSplit;
    case Restore:
        return new TTableRestore;
    case Archived:
        return new TTableArchived;
    case Control:
        return new TTableControl;
    case Cashing:
        return new TTableCashing;
    case Modifier:
        return new TTableModifier;
    case Combi:
        return new TTableCombi;
    case Balance:
        return new TTableBalance;
    case Signature:
        return new TableSignature;
    case VoidPay:
        return new VoidPayEntry;
    default:
        return nullptr;
    }
}

int TTableAction::kind() const
{
    return getInt("type");
}

qint64 TTableAction::amountChange() const
{
    return 0;
}

qint64 TTableAction::entriesAmount() const
{
    qint64 sum = 0;
    for (const Basics::TValue* entry : m_entries)
        sum += longOf(*entry, "amount");
    return sum;
}

QString TTableAction::getReason() const
{
    return getString("reason");
}

void TTableAction::setReason(const QString& reason)
{
    set("reason", reason);
}

QString TTableAction::getExtAccount() const
{
    return getString("extaccount");
}

void TTableAction::setExtAccount(const QString& account)
{
    set("extaccount", account);
}

QString TTableAction::getVaultBag() const
{
    return getString("vaultbag");
}

void TTableAction::setVaultBag(const QString& bag)
{
    set("vaultbag", bag);
}

int TTableAction::getTerminal() const
{
    return getInt("terminal");
}

void TTableAction::setTerminal(int terminal)
{
    set("terminal", terminal);
}

QString TTableAction::getTermName() const
{
    return getString("termname");
}

void TTableAction::setTermName(const QString& name)
{
    set("termname", name);
}

int TTableAction::getCenter() const
{
    return getInt("center");
}

void TTableAction::setCenter(int center)
{
    set("center", center);
}

QString TTableAction::getCenterName() const
{
    return getString("centername");
}

void TTableAction::setCenterName(const QString& name)
{
    set("centername", name);
}

QString TTableAction::getCenterAcc() const
{
    return getString("centeracc");
}

void TTableAction::setCenterAcc(const QString& account)
{
    set("centeracc", account);
}

int TTableAction::getWaiter() const
{
    return getInt("waiter");
}

void TTableAction::setWaiter(int waiter)
{
    set("waiter", waiter);
}

TTableEntry* TTableAction::addCashInformation(const QString& reason, const QString& location,
                                              const QString& cashGroup, qint64 amount, int payform)
{
    auto* line = new TTableEntry;
    line->setEntryKind(TTableEntry::cashInformation);
    line->set("reason", reason);
    line->set("location", location);
    line->set("cashgroup", cashGroup);
    line->setAmount(amount);
    line->setOrRemove("payform", payform, 0);
    m_entries.append(line);
    return line;
}

TTableEntry* TTableAction::addCashBalanceInformation(qint64 actual, qint64 target, bool initial,
                                                     const QString& cashGroup, const QString& location)
{
    auto* line = new TTableEntry;
    line->setEntryKind(TTableEntry::cashBalanceInformation);
    line->set("actual", actual);
    line->set("target", target);
    line->setFlag("initial", initial);
    line->set("cashgroup", cashGroup);
    line->set("location", location);
    m_entries.append(line);
    return line;
}

TTableCreate::TTableCreate()
    : TTableAction(Create)
{
}

QDateTime TTableCreate::getCreated() const
{
    return QDateTime(get("date").toDate(), get("time").toTime());
}

void TTableCreate::setCreated(const QDateTime& when)
{
    set("date", when.date());
    set("time", when.time());
}

QString TTableCreate::getWaiterName() const
{
    return getString("waitername");
}

void TTableCreate::setWaiterName(const QString& name)
{
    set("waitername", name);
}

bool TTableCreate::isTrainee() const
{
    return getBool("trainee");
}

void TTableCreate::setTrainee(bool trainee)
{
    setFlag("trainee", trainee);
}

TTableChange::TTableChange()
    : TTableAction(Change)
{
}

TTableOrder::TTableOrder()
    : TTableAction(Order)
{
}

qint64 TTableOrder::amountChange() const
{
    return entriesAmount();
}

TTableVoid::TTableVoid()
    : TTableAction(Void)
{
}

qint64 TTableVoid::amountChange() const
{
    return -entriesAmount();
}

TTablePay::TTablePay()
    : TTableAction(Pay)
{
}

TTableSplit::TTableSplit()
    : TTableAction(Split)
{
}

TTableRestore::TTableRestore()
    : TTableAction(Restore)
{
}

TTableArchived::TTableArchived()
    : TTableAction(Archived)
{
}

TTableControl::TTableControl()
    : TTableAction(Control)
{
}

TTableCashing::TTableCashing()
    : TTableAction(Cashing)
{
}

void TTableCashing::setPayment(qint64 amount, qint64 given, int currency, int terminal, int center)
{
    set("amount", amount);
    set("given", given);
    set("currency", currency);
    setTerminal(terminal);
    setCenter(center);
}

qint64 TTableCashing::getAmount() const
{
    return longOf(*this, "amount");
}

qint64 TTableCashing::getGiven() const
{
    return longOf(*this, "given");
}

int TTableCashing::getCurrency() const
{
    return getInt("currency");
}

TTableModifier::TTableModifier()
    : TTableAction(Modifier)
{
}

TTableCombi::TTableCombi()
    : TTableAction(Combi)
{
}

TTableBalance::TTableBalance()
    : TTableAction(Balance)
{
}

bool TTableBalance::isAllWaiters() const
{
    return getBool("allwaiters");
}

void TTableBalance::setAllWaiters(bool all)
{
    setFlag("allwaiters", all);
}

qint64 TTableBalance::getCCDAmount() const
{
    return longOf(*this, "ccdamount");
}

void TTableBalance::setCCDAmount(qint64 amount)
{
    setOrRemove("ccdamount", amount, qint64(0));
}

qint64 TTableBalance::getCCDBalance() const
{
    return longOf(*this, "ccdbalance");
}

void TTableBalance::setCCDBalance(qint64 amount)
{
    setOrRemove("ccdbalance", amount, qint64(0));
}

qint64 TTableBalance::getCCDDifferences() const
{
    return longOf(*this, "ccddifferences");
}

void TTableBalance::setCCDDifferences(qint64 amount)
{
    setOrRemove("ccddifferences", amount, qint64(0));
}

TableSignature::TableSignature()
    : TTableAction(Signature)
{
}

VoidPayEntry::VoidPayEntry()
    : TTableAction(VoidPay)
{
}

} // namespace PosLib
