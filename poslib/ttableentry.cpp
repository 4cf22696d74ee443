#include "ttableentry.h"

namespace PosLib {

const QString TTableEntry::cashInformation = QStringLiteral("cashinformation");
const QString TTableEntry::cashBalanceInformation = QStringLiteral("cashbalanceinformation");

QString TTableEntry::getEntryKind() const
{
    return getString("tableentry");
}

void TTableEntry::setEntryKind(const QString& kind)
{
    set("tableentry", kind);
}

qint64 TTableEntry::getAmount() const
{
    return get("amount").text().toLongLong();
}

void TTableEntry::setAmount(qint64 amount)
{
    set("amount", amount);
}

Basics::TValue* TTableEntries::createValue() const
{
    return new TTableEntry;
}

QList<TTableEntry*> TTableEntries::ofKind(const QString& kind) const
{
    QList<TTableEntry*> entries;
    for (Basics::TValue* value : *this) {
        auto* entry = dynamic_cast<TTableEntry*>(value);
        if (entry && entry->getEntryKind() == kind)
            entries << entry;
    }
    return entries;
}

} // namespace PosLib
