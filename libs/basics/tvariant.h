#pragma once

#include "basics_global.h"

#include <QString>

class QDate;
class QDateTime;
class QTime;

namespace Basics {

// The value of one record attribute. The text is the value; the type code only tells how the value
// was produced in memory and is never stored: everything read back from a file or XML is a String.
class BASICS_EXPORT TVariant {
public:
    enum Type {
        Empty = 0,
        Char = 1,
        Int = 2,
        UInt = 3,
        Long = 4,
        Bool = 5,
        Double = 6,
        String = 7,
        DateOrTime = 9,
        DateTime = 11,
        ULong = 12,
    };

    TVariant() = default;
    TVariant(char value);
    TVariant(int value);
    TVariant(unsigned int value);
    TVariant(long value);
    TVariant(unsigned long value);
    TVariant(long long value);
    TVariant(unsigned long long value);
    TVariant(bool value);
    TVariant(double value);
    TVariant(const QString& value);
    TVariant(QString&& value);
    TVariant(const char* value);
    TVariant(const QDate& value);
    TVariant(const QTime& value);
    TVariant(const QDateTime& value);

    int type() const { return m_type; }
    const QString& text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }

    // Text to value, as every typed getter reads it.
    int toInt() const;
    unsigned int toUInt() const;
    long toLong() const;
    unsigned long toULong() const;
    double toDouble() const;
    bool toBool() const;
    char toChar() const;
    QDate toDate() const;
    QTime toTime() const;
    QDateTime toDateTime() const;

    // Equal texts are equal values, whatever produced them.
    friend bool operator==(const TVariant& a, const TVariant& b) { return a.m_text == b.m_text; }

private:
    friend struct TValueData; // gives back values of the stored type and text
    TVariant(Type type, QString text);

    qint32 m_type = Empty;
    QString m_text;
};

} // namespace Basics
