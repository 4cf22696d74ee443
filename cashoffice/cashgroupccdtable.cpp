#include "cashgroupccdtable.h"

#include "wallclock_p.h"

namespace Database {

namespace {

enum class Type { Time, Text, Long, Amount };

struct Column {
    const char* name;
    Type type;
    bool nullable;
};

constexpr Column columns[] = {
    {"ccdtimestamp", Type::Time, true},       {"location", Type::Text, true},
    {"cashgroup", Type::Text, true},          {"targetamount", Type::Amount, true},
    {"differenceamount", Type::Amount, true}, {"actualamount", Type::Amount, true},
    {"outletid", Type::Long, false},          {"outletname", Type::Text, false},
    {"mandantid", Type::Long, false},         {"mandantname", Type::Text, false},
    {"sumoutletid", Type::Long, false},       {"terminalid", Type::Long, false},
    {"terminalname", Type::Text, false},      {"costcenterid", Type::Long, false},
    {"costcentername", Type::Text, false},    {"waiterid", Type::Long, true},
    {"waitername", Type::Text, true},         {"ccdid", Type::Long, true},
};

QMetaType metaTypeOf(Type type)
{
    switch (type) {
    case Type::Time:
        return QMetaType::fromType<QDateTime>();
    case Type::Text:
        return QMetaType::fromType<QString>();
    case Type::Long:
        return QMetaType::fromType<qlonglong>();
    case Type::Amount:
        return QMetaType::fromType<double>();
    }
    return {};
}

QVariant valueOf(const Basics::TValue& row, const Column& column)
{
    if (!row.contains(column.name) && column.nullable)
        return QVariant(metaTypeOf(column.type)); // NULL of the column's type
    const Basics::TVariant value = row.get(column.name);
    switch (column.type) {
    case Type::Time:
        return wallClockTime(value);
    case Type::Text:
        return value.text().isNull() ? QStringLiteral("") : value.text(); // never NULL here
    case Type::Long:
        return value.text().toLongLong();
    case Type::Amount:
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
    for (const Column& column : columns)
        names << QString::fromLatin1(column.name);
    return names;
}

QVariantList CashGroupCCDTable::columnValues() const
{
    QVariantList values;
    for (const Column& column : columns)
        values << valueOf(*this, column);
    return values;
}

} // namespace Database
