#include "cashgroupccdtable.h"

#include "wallclock_p.h"

namespace Database {

namespace {

enum class CcdType { Time, Text, Long, Amount };

struct CcdColumn {
    const char* name;
    CcdType type;
    bool nullable;
};

constexpr CcdColumn ccdColumns[] = {
    {"ccdtimestamp", CcdType::Time, true},       {"location", CcdType::Text, true},
    {"cashgroup", CcdType::Text, true},          {"targetamount", CcdType::Amount, true},
    {"differenceamount", CcdType::Amount, true}, {"actualamount", CcdType::Amount, true},
    {"outletid", CcdType::Long, false},          {"outletname", CcdType::Text, false},
    {"mandantid", CcdType::Long, false},         {"mandantname", CcdType::Text, false},
    {"sumoutletid", CcdType::Long, false},       {"terminalid", CcdType::Long, false},
    {"terminalname", CcdType::Text, false},      {"costcenterid", CcdType::Long, false},
    {"costcentername", CcdType::Text, false},    {"waiterid", CcdType::Long, true},
    {"waitername", CcdType::Text, true},         {"ccdid", CcdType::Long, true},
};

QMetaType ccdMetaTypeOf(CcdType type)
{
    switch (type) {
    case CcdType::Time:
        return QMetaType::fromType<QDateTime>();
    case CcdType::Text:
        return QMetaType::fromType<QString>();
    case CcdType::Long:
        return QMetaType::fromType<qlonglong>();
    case CcdType::Amount:
        return QMetaType::fromType<double>();
    }
    return {};
}

QVariant ccdValueOf(const Basics::TValue& row, const CcdColumn& column)
{
    if (!row.contains(column.name) && column.nullable)
        return QVariant(ccdMetaTypeOf(column.type)); // NULL of the column's type
    const Basics::TVariant value = row.get(column.name);
    switch (column.type) {
    case CcdType::Time:
        return wallClockTime(value);
    case CcdType::Text:
        return value.text().isNull() ? QStringLiteral("") : value.text(); // never NULL here
    case CcdType::Long:
        return value.text().toLongLong();
    case CcdType::Amount:
        return value.toDouble();
    }
    return {};
}

} // namespace

QDateTime CashGroupCCDTable::getCCDTimestamp() const
{
    return get("ccdtimestamp").toDateTime();
}

void CashGroupCCDTable::setCCDTimestamp(const QDateTime& time)
{
    set("ccdtimestamp", time);
}

QString CashGroupCCDTable::getLocation() const
{
    return getString("location");
}

void CashGroupCCDTable::setLocation(const QString& location)
{
    set("location", location);
}

QString CashGroupCCDTable::getCashGroup() const
{
    return getString("cashgroup");
}

void CashGroupCCDTable::setCashGroup(const QString& group)
{
    set("cashgroup", group);
}

double CashGroupCCDTable::getTargetAmount() const
{
    return getDouble("targetamount");
}

void CashGroupCCDTable::setTargetAmount(double amount)
{
    set("targetamount", amount);
}

double CashGroupCCDTable::getDifferenceAmount() const
{
    return getDouble("differenceamount");
}

void CashGroupCCDTable::setDifferenceAmount(double amount)
{
    set("differenceamount", amount);
}

double CashGroupCCDTable::getActualAmount() const
{
    return getDouble("actualamount");
}

void CashGroupCCDTable::setActualAmount(double amount)
{
    set("actualamount", amount);
}

qint64 CashGroupCCDTable::getOutletId() const
{
    return get("outletid").text().toLongLong();
}

void CashGroupCCDTable::setOutletId(qint64 id)
{
    set("outletid", id);
}

QString CashGroupCCDTable::getOutletName() const
{
    return getString("outletname");
}

void CashGroupCCDTable::setOutletName(const QString& name)
{
    set("outletname", name);
}

qint64 CashGroupCCDTable::getMandantId() const
{
    return get("mandantid").text().toLongLong();
}

void CashGroupCCDTable::setMandantId(qint64 id)
{
    set("mandantid", id);
}

QString CashGroupCCDTable::getMandantName() const
{
    return getString("mandantname");
}

void CashGroupCCDTable::setMandantName(const QString& name)
{
    set("mandantname", name);
}

qint64 CashGroupCCDTable::getSumOutletId() const
{
    return get("sumoutletid").text().toLongLong();
}

void CashGroupCCDTable::setSumOutletId(qint64 id)
{
    set("sumoutletid", id);
}

qint64 CashGroupCCDTable::getTerminalId() const
{
    return get("terminalid").text().toLongLong();
}

void CashGroupCCDTable::setTerminalId(qint64 id)
{
    set("terminalid", id);
}

QString CashGroupCCDTable::getTerminalName() const
{
    return getString("terminalname");
}

void CashGroupCCDTable::setTerminalName(const QString& name)
{
    set("terminalname", name);
}

qint64 CashGroupCCDTable::getCostCenterId() const
{
    return get("costcenterid").text().toLongLong();
}

void CashGroupCCDTable::setCostCenterId(qint64 id)
{
    set("costcenterid", id);
}

QString CashGroupCCDTable::getCostCenterName() const
{
    return getString("costcentername");
}

void CashGroupCCDTable::setCostCenterName(const QString& name)
{
    set("costcentername", name);
}

qint64 CashGroupCCDTable::getWaiterId() const
{
    return get("waiterid").text().toLongLong();
}

void CashGroupCCDTable::setWaiterId(qint64 id)
{
    set("waiterid", id);
}

QString CashGroupCCDTable::getWaiterName() const
{
    return getString("waitername");
}

void CashGroupCCDTable::setWaiterName(const QString& name)
{
    set("waitername", name);
}

qint64 CashGroupCCDTable::getCCDId() const
{
    return get("ccdid").text().toLongLong();
}

void CashGroupCCDTable::setCCDId(qint64 id)
{
    set("ccdid", id);
}

QStringList CashGroupCCDTable::columnNames()
{
    QStringList names;
    for (const CcdColumn& column : ccdColumns)
        names << QString::fromLatin1(column.name);
    return names;
}

QVariantList CashGroupCCDTable::columnValues() const
{
    QVariantList values;
    for (const CcdColumn& column : ccdColumns)
        values << ccdValueOf(*this, column);
    return values;
}

} // namespace Database
