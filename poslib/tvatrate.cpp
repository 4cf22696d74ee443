#include "tvatrate.h"

#include "tidlist.h"

#include <cstdlib>
#include <limits>

namespace PosLib {

namespace {
constexpr QChar composeSeparator = u':';
} // namespace

int TVatRate::getRate() const
{
    return getInt("rate", 0);
}

void TVatRate::setRate(int rate)
{
    setOrRemove("rate", rate, 0);
}

int TVatRate::getType() const
{
    return getInt("type", FromBrutto);
}

void TVatRate::setType(int type)
{
    setOrRemove("type", type, int(FromBrutto));
}

bool TVatRate::getDoDiscount() const
{
    return getBool("discount");
}

void TVatRate::setDoDiscount(bool on)
{
    setFlag("discount", on);
}

bool TVatRate::getIsGuestTA() const
{
    return getBool("guestta");
}

void TVatRate::setIsGuestTA(bool on)
{
    setFlag("guestta", on);
}

bool TVatRate::getIsGuestIH() const
{
    return getBool("guestih");
}

void TVatRate::setIsGuestIH(bool on)
{
    setFlag("guestih", on);
}

QList<int> TVatRate::getCompose() const
{
    return splitIds(getString("compose"), composeSeparator);
}

void TVatRate::setCompose(const QList<int>& ids)
{
    setOrRemove("compose", joinIds(ids, composeSeparator), QString());
}

int TVatRate::getRksTaxId() const
{
    return getInt("rkstaxid", 0);
}

void TVatRate::setRksTaxId(int id)
{
    set("rkstaxid", id);
}

QString TVatRate::getFiscalTaxSign() const
{
    return getString("fiscaltaxsign");
}

void TVatRate::setFiscalTaxSign(const QString& sign)
{
    set("fiscaltaxsign", sign);
}

QString TVatRate::percentText(int rate)
{
    const qint64 magnitude = std::abs(qint64(rate));
    return QStringLiteral("%1%2.%3")
        .arg(rate < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QChar(u'0'));
}

int TVatRate::parsePercent(const QString& input)
{
    QStringView text = QStringView(input).trimmed();
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.mid(1);
    qint64 whole = 0;
    qsizetype at = 0;
    for (; at < text.size() && text[at].isDigit(); ++at) {
        whole = whole * 10 + text[at].digitValue();
        if (whole > std::numeric_limits<int>::max() / 100)
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    // Hundredths from the first two digits after the separator, the third rounds.
    int fraction[3] = {0, 0, 0};
    if (at < text.size() && (text[at] == u'.' || text[at] == u',')) {
        ++at;
        for (int digit = 0; digit < 3 && at < text.size() && text[at].isDigit(); ++digit, ++at)
            fraction[digit] = text[at].digitValue();
    }
    qint64 rate = whole * 100 + fraction[0] * 10 + fraction[1] + (fraction[2] >= 5 ? 1 : 0);
    if (rate > std::numeric_limits<int>::max())
        rate = std::numeric_limits<int>::max();
    return int(negative ? -rate : rate);
}

} // namespace PosLib
