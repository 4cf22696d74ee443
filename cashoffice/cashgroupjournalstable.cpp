#include "cashgroupjournalstable.h"

#include "wallclock_p.h"

namespace Database {

namespace {

enum class JournalType { Time, Text, Integer, Long, Real };

struct JournalColumn {
    const char* name;
    JournalType type;
    const char* fallback; // the value of a column the record lacks
};

// In the order in which a row is filled.
constexpr JournalColumn journalColumns[] = {
    {"timestampimport", JournalType::Time, ""}, {"timestamprecord", JournalType::Time, ""},
    {"location", JournalType::Text, "X"},       {"outlet", JournalType::Integer, "1"},
    {"outletname", JournalType::Text, "X"},     {"mandant", JournalType::Integer, "1"},
    {"mandantname", JournalType::Text, "X"},    {"outletsumkey", JournalType::Integer, "1"},
    {"terminal", JournalType::Integer, "1"},    {"termname", JournalType::Text, "X"},
    {"center", JournalType::Integer, "1"},      {"centername", JournalType::Text, "X"},
    {"waiter", JournalType::Integer, "1"},      {"waitername", JournalType::Text, "X"},
    {"cashgroup", JournalType::Text, "X"},      {"cashamount", JournalType::Real, "0"},
    {"cashform", JournalType::Integer, "1"},    {"cashreason", JournalType::Text, "X"},
    {"bagno", JournalType::Integer, nullptr},   {"billnum", JournalType::Long, "0"},
    {"cashccd_id", JournalType::Long, "0"},     {"vaultinfo", JournalType::Text, ""},
};

constexpr const char* bagNo = "bagno";

QVariant journalValueOf(const Basics::TValue& row, const JournalColumn& column)
{
    const QString text = row.getString(column.name, QString::fromLatin1(column.fallback));
    switch (column.type) {
    case JournalType::Time:
        return wallClockTime(text);
    case JournalType::Text:
        return text;
    case JournalType::Integer:
        return text.toInt();
    case JournalType::Long:
        return text.toLongLong();
    case JournalType::Real:
        return text.toDouble();
    }
    return {};
}

} // namespace

CashGroupJournalsTable::CashGroupJournalsTable()
{
    const QDateTime now = QDateTime::currentDateTime();
    setTimestampImport(now);
    setTimestampRecord(now);
}

QDateTime CashGroupJournalsTable::getTimestampImport() const
{
    return get("timestampimport").toDateTime();
}

void CashGroupJournalsTable::setTimestampImport(const QDateTime& time)
{
    set("timestampimport", time);
}

QDateTime CashGroupJournalsTable::getTimestampRecord() const
{
    return get("timestamprecord").toDateTime();
}

void CashGroupJournalsTable::setTimestampRecord(const QDateTime& time)
{
    set("timestamprecord", time);
}

QString CashGroupJournalsTable::getLocation() const
{
    return getString("location", QStringLiteral("X"));
}

void CashGroupJournalsTable::setLocation(const QString& location)
{
    set("location", location);
}

int CashGroupJournalsTable::getOutlet() const
{
    return getInt("outlet", 1);
}

void CashGroupJournalsTable::setOutlet(int outlet)
{
    set("outlet", outlet);
}

QString CashGroupJournalsTable::getOutletName() const
{
    return getString("outletname", QStringLiteral("X"));
}

void CashGroupJournalsTable::setOutletName(const QString& name)
{
    set("outletname", name);
}

int CashGroupJournalsTable::getMandant() const
{
    return getInt("mandant", 1);
}

void CashGroupJournalsTable::setMandant(int mandant)
{
    set("mandant", mandant);
}

QString CashGroupJournalsTable::getMandantName() const
{
    return getString("mandantname", QStringLiteral("X"));
}

void CashGroupJournalsTable::setMandantName(const QString& name)
{
    set("mandantname", name);
}

int CashGroupJournalsTable::getOutletSumKey() const
{
    return getInt("outletsumkey", 1);
}

void CashGroupJournalsTable::setOutletSumKey(int key)
{
    set("outletsumkey", key);
}

int CashGroupJournalsTable::getTerminal() const
{
    return getInt("terminal", 1);
}

void CashGroupJournalsTable::setTerminal(int terminal)
{
    set("terminal", terminal);
}

QString CashGroupJournalsTable::getTermName() const
{
    return getString("termname", QStringLiteral("X"));
}

void CashGroupJournalsTable::setTermName(const QString& name)
{
    set("termname", name);
}

int CashGroupJournalsTable::getCenter() const
{
    return getInt("center", 1);
}

void CashGroupJournalsTable::setCenter(int center)
{
    set("center", center);
}

QString CashGroupJournalsTable::getCenterName() const
{
    return getString("centername", QStringLiteral("X"));
}

void CashGroupJournalsTable::setCenterName(const QString& name)
{
    set("centername", name);
}

int CashGroupJournalsTable::getWaiter() const
{
    return getInt("waiter", 1);
}

void CashGroupJournalsTable::setWaiter(int waiter)
{
    set("waiter", waiter);
}

QString CashGroupJournalsTable::getWaiterName() const
{
    return getString("waitername", QStringLiteral("X"));
}

void CashGroupJournalsTable::setWaiterName(const QString& name)
{
    set("waitername", name);
}

QString CashGroupJournalsTable::getCashGroup() const
{
    return getString("cashgroup", QStringLiteral("X"));
}

void CashGroupJournalsTable::setCashGroup(const QString& group)
{
    set("cashgroup", group);
}

double CashGroupJournalsTable::getCashAmount() const
{
    return getDouble("cashamount", 0.0);
}

void CashGroupJournalsTable::setCashAmount(double amount)
{
    set("cashamount", amount);
}

int CashGroupJournalsTable::getCashForm() const
{
    return getInt("cashform", 1);
}

void CashGroupJournalsTable::setCashForm(int payform)
{
    set("cashform", payform);
}

QString CashGroupJournalsTable::getCashReason() const
{
    return getString("cashreason", QStringLiteral("X"));
}

void CashGroupJournalsTable::setCashReason(const QString& reason)
{
    set("cashreason", reason);
}

bool CashGroupJournalsTable::hasBagNo() const
{
    return contains(bagNo);
}

int CashGroupJournalsTable::getBagNo() const
{
    return getInt(bagNo, 0);
}

void CashGroupJournalsTable::setBagNo(int bag)
{
    set(bagNo, bag);
}

qint64 CashGroupJournalsTable::getBillNum() const
{
    return get("billnum").text().toLongLong();
}

void CashGroupJournalsTable::setBillNum(qint64 bill)
{
    set("billnum", bill);
}

qint64 CashGroupJournalsTable::getCashCCDId() const
{
    return get("cashccd_id").text().toLongLong();
}

void CashGroupJournalsTable::setCashCCDId(qint64 ccd)
{
    set("cashccd_id", ccd);
}

QString CashGroupJournalsTable::getVaultInfo() const
{
    return getString("vaultinfo");
}

void CashGroupJournalsTable::setVaultInfo(const QString& info)
{
    set("vaultinfo", info);
}

QStringList CashGroupJournalsTable::columnNames() const
{
    QStringList names;
    const bool withBag = hasBagNo();
    for (const JournalColumn& column : journalColumns) {
        if (withBag || qstrcmp(column.name, bagNo) != 0)
            names << QString::fromLatin1(column.name);
    }
    return names;
}

QVariantList CashGroupJournalsTable::columnValues() const
{
    QVariantList values;
    const bool withBag = hasBagNo();
    for (const JournalColumn& column : journalColumns) {
        if (withBag || qstrcmp(column.name, bagNo) != 0)
            values << journalValueOf(*this, column);
    }
    return values;
}

} // namespace Database
