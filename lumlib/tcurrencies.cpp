#include "tcurrencies.h"

#include "tcurrency.h"

#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

qint64 powerOfTen(int exponent)
{
    qint64 factor = 1;
    for (int i = 0; i < exponent; ++i)
        factor *= 10;
    return factor;
}

// Reads "[-+]units[.digits]" and scales it by 10^shift (a negative shift divides), rounding half
// up; false when the text is not of that form.
bool scaleExactly(const QString& text, int shift, qint64& result)
{
    static const QRegularExpression plain(QStringLiteral("^\\s*([-+]?)(\\d*)(?:\\.(\\d*))?\\s*$"));
    const QRegularExpressionMatch match = plain.match(text);
    if (!match.hasMatch() || (match.capturedLength(2) == 0 && match.capturedLength(3) == 0))
        return false;
    const bool negative = match.captured(1) == u"-";
    QString digits = match.captured(2) + match.captured(3);
    int point = int(match.capturedLength(2)) + shift; // the position of the decimal point after scaling
    while (digits.size() < point + 1)
        digits += u'0'; // one digit beyond the point decides the rounding
    if (point < 0) {
        digits = QString(-point, u'0') + digits;
        point = 0;
    }
    qint64 value = 0;
    for (int i = 0; i < point; ++i) {
        if (value > (std::numeric_limits<qint64>::max() - 9) / 10)
            return false;
        value = value * 10 + digits.at(i).digitValue();
    }
    // Half up: toward positive infinity, as floor(value + 0.5) rounds.
    const int next = digits.at(point).digitValue();
    const QStringView beyond = QStringView(digits).mid(point + 1);
    const bool moreBeyond = std::any_of(beyond.begin(), beyond.end(), [](QChar c) { return c != u'0'; });
    if (negative) {
        result = -value;
        if (next > 5 || (next == 5 && moreBeyond))
            result -= 1;
    } else {
        result = value + (next >= 5 ? 1 : 0);
    }
    return true;
}

} // namespace

TCurrencies::TCurrencies()
    : TNamedList(PosLib::TListNames::forRoot(QStringLiteral("currencies")))
{
}

void TCurrencies::addCurrency(Basics::TValue* currency)
{
    put(currency);
}

const PosLib::TCurrency* TCurrencies::systemCurrency() const
{
    return dynamic_cast<const PosLib::TCurrency*>(find(m_systemCurrency));
}

QString TCurrencies::amountToText(qint64 amount) const
{
    const PosLib::TCurrency* currency = systemCurrency();
    if (!currency)
        return QString::number(amount);
    const int decimals = currency->getDecPos();
    if (decimals == 0)
        return QString::number(amount);
    const qint64 factor = powerOfTen(std::abs(decimals));
    if (decimals < 0)
        return QString::number(amount * factor);
    const char sign = currency->getDecChar();
    // Written into one buffer and made a text once: lists show and search many amounts.
    char text[64];
    char* out = text;
    if (amount < 0 && amount > -factor)
        *out++ = '-'; // the units are 0, which has no sign of its own
    out = std::to_chars(out, text + 24, amount / factor).ptr;
    *out++ = sign ? sign : '.';
    char rest[24];
    const char* restEnd = std::to_chars(rest, rest + sizeof rest, std::abs(amount % factor)).ptr;
    // A place count beyond any amount's digits (a damaged file) pads no further than the buffer.
    const qsizetype width = std::min(decimals, 32);
    out = std::fill_n(out, std::max<qsizetype>(0, width - (restEnd - rest)), '0');
    out = std::copy(static_cast<const char*>(rest), restEnd, out);
    return QString::fromLatin1(text, out - text);
}

qint64 TCurrencies::textToAmount(const QString& text) const
{
    QString number = text;
    const qsizetype comma = number.indexOf(u',');
    if (comma >= 0)
        number[comma] = u'.';
    const PosLib::TCurrency* currency = systemCurrency();
    if (!currency) {
        if (number.endsWith(u'.'))
            number.chop(1);
        return number.trimmed().toLongLong();
    }
    const int decimals = currency->getDecPos();
    qint64 amount = 0;
    if (scaleExactly(number, decimals, amount))
        return amount;
    // Other forms of a number (an exponent ...) go through a double, rounded half up.
    const double factor = std::pow(10.0, decimals);
    return qint64(std::floor(number.toDouble() * factor + 0.5));
}
