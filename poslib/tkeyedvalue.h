#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QString>

#include <initializer_list>

namespace PosLib {

// A record of many options read and written by key (payment forms, table configurations): flags,
// numbers, amounts and texts, each stored only where it differs from its default.
class BASICS_EXPORT TKeyedValue : public Basics::TValue {
public:
    // A flag; absent means the record class's default for the key. setFlag stores only what
    // differs from that default ("yes" for a set flag whose default is off, "no" for a cleared one
    // whose default is on).
    bool flag(const char* key) const;
    void setFlag(const char* key, bool on);

    // An integer attribute whose default is 0; 0 removes it.
    int number(const char* key) const;
    void setNumber(const char* key, int value);
    // An amount in the smallest unit of the system currency, default 0; 0 removes it.
    qint64 amount(const char* key) const;
    void setAmount(const char* key, qint64 value);
    // A text attribute; an empty text removes it.
    QString text(const char* key) const;
    void setText(const char* key, const QString& value);

protected:
    // Whether the flag of that key is set when its attribute is absent.
    virtual bool defaultOn(const char* key) const;
    // Whether the key is one of the keys.
    static bool isOneOf(const char* key, std::initializer_list<const char*> keys);
};

} // namespace PosLib
