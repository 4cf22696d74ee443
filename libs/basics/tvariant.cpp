#include "tvariant.h"

#include "tvariant_p.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <algorithm>

namespace Basics {

namespace {
const QString dateFormat = QStringLiteral("yyyy-MM-dd");
const QString timeFormat = QStringLiteral("hh:mm:ss");
const QString dateTimeFormat = QStringLiteral("yyyy-MM-ddThh:mm:ss");
} // namespace

TVariant::TVariant(Type type, QString text)
    : m_type(type)
    , m_text(std::move(text))
{
}

TVariant::TVariant(char value)
    : TVariant(Char, QString(QChar(uchar(value))))
{
}

TVariant::TVariant(int value)
    : TVariant(Int, QString::number(value))
{
}

TVariant::TVariant(unsigned int value)
    : TVariant(UInt, QString::number(value))
{
}

TVariant::TVariant(long value)
    : TVariant(Long, QString::number(value))
{
}

TVariant::TVariant(unsigned long value)
    : TVariant(ULong, QString::number(value))
{
}

TVariant::TVariant(long long value)
    : TVariant(Long, QString::number(value))
{
}

TVariant::TVariant(unsigned long long value)
    : TVariant(ULong, QString::number(value))
{
}

TVariant::TVariant(bool value)
    : TVariant(Bool, value ? QStringLiteral("yes") : QStringLiteral("no"))
{
}

TVariant::TVariant(double value)
    : TVariant(Double, QString::number(value, 'f', 5))
{
}

TVariant::TVariant(const QString& value)
    : TVariant(String, value)
{
}

TVariant::TVariant(QString&& value)
    : TVariant(String, std::move(value))
{
}

TVariant::TVariant(const char* value)
    : TVariant(String, QString::fromUtf8(value))
{
}

TVariant::TVariant(const QDate& value)
    : TVariant(DateOrTime, value.toString(dateFormat))
{
}

TVariant::TVariant(const QTime& value)
    : TVariant(DateOrTime, value.toString(timeFormat))
{
}

TVariant::TVariant(const QDateTime& value)
    : TVariant(DateTime, value.toString(dateTimeFormat))
{
}

int VariantText::toInt(QStringView text)
{
    return text.toInt(); // 0 when the text does not parse
}

double VariantText::toDouble(QStringView text)
{
    return text.toDouble(); // always "." as decimal point, whatever the locale
}

bool VariantText::toBool(QStringView text)
{
    // The lower-cased text is "yes", "true" or "on" (no other character lower-cases to one of these
    // ASCII letters), or the text is the integer 1.
    const auto isWord = [text](QLatin1StringView word) {
        return std::equal(text.begin(), text.end(), word.begin(), word.end(), [](QChar c, char letter) {
            return c.unicode() < 0x80 && char(c.unicode() | 0x20) == letter;
        });
    };
    if (isWord(QLatin1StringView("yes")) || isWord(QLatin1StringView("true")) ||
        isWord(QLatin1StringView("on")))
        return true;
    bool ok = false;
    return text.toInt(&ok) == 1 && ok;
}

int TVariant::toInt() const
{
    return VariantText::toInt(m_text);
}

unsigned int TVariant::toUInt() const
{
    return m_text.toUInt();
}

long TVariant::toLong() const
{
    return m_text.toLong();
}

unsigned long TVariant::toULong() const
{
    return m_text.toULong();
}

double TVariant::toDouble() const
{
    return VariantText::toDouble(m_text);
}

bool TVariant::toBool() const
{
    return VariantText::toBool(m_text);
}

char TVariant::toChar() const
{
    if (m_text.isEmpty() || m_text.at(0).unicode() >= 256)
        return 0;
    return static_cast<char>(static_cast<signed char>(m_text.at(0).unicode()));
}

QDate TVariant::toDate() const
{
    return QDate::fromString(m_text.left(10), dateFormat);
}

QTime TVariant::toTime() const
{
    return QTime::fromString(m_text, timeFormat);
}

QDateTime TVariant::toDateTime() const
{
    return QDateTime::fromString(m_text, dateTimeFormat);
}

} // namespace Basics
