#include "cashamounts.h"

#include "tcurrencies.h"
#include "tcurrency.h"
#include "tlumworkspace.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

TCashAmounts::TCashAmounts(TLumWorkspace* workspace)
{
    m_currencies = workspace
                       ? dynamic_cast<const TCurrencies*>(workspace->getData(QStringLiteral("currencies")))
                       : nullptr;
    if (const PosLib::TCurrency* currency = m_currencies ? m_currencies->systemCurrency() : nullptr)
        m_decimals = currency->getDecPos();
    else
        m_currencies = nullptr;
}

bool TCashAmounts::isNumber(const QString& text)
{
    static const QRegularExpression number(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-]?([0-9]*[.,])?[0-9]+")));
    if (!number.match(text).hasMatch())
        return false;
    // Checked before any conversion: twenty digits would not fit the smallest unit.
    return std::fabs(QString(text).replace(u',', u'.').toDouble()) <= maxAmount;
}

qint64 TCashAmounts::minorUnits(const QString& text) const
{
    if (!isNumber(text))
        return 0;
    return m_currencies ? m_currencies->textToAmount(text) : QString(text).replace(u',', u'.').toLongLong();
}

QString TCashAmounts::text(qint64 minor) const
{
    return m_currencies ? m_currencies->amountToText(minor) : QString::number(minor);
}

double TCashAmounts::toUnits(qint64 minor) const
{
    return double(minor) / std::pow(10.0, m_decimals);
}

qint64 TCashAmounts::fromUnits(double units) const
{
    // A sum the database made up from other programs' rows may be anything: kept within what a
    // double holds exactly.
    constexpr double limit = 9e15;
    const double scaled = units * std::pow(10.0, m_decimals);
    if (!std::isfinite(scaled))
        return 0;
    return qint64(std::llround(std::clamp(scaled, -limit, limit)));
}
