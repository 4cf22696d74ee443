#include "tcurrencies.h"

#include "tcurrency.h"

QString TCurrencies::rootName() const
{
    return QStringLiteral("currencies");
}

QString TCurrencies::fileName() const
{
    return QStringLiteral("currency.dat");
}

QString TCurrencies::elementName() const
{
    return QStringLiteral("currency");
}

Basics::TValue* TCurrencies::createValue() const
{
    return new PosLib::TCurrency;
}

void TCurrencies::addCurrency(Basics::TValue* currency)
{
    put(currency);
}
