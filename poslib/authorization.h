#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QString>

namespace PosLib {

// An authorization of the list "authorizations": a number, a name and what it allows.
class BASICS_EXPORT Authorization : public Basics::TValue {
public:
    QString getDescription() const;                  // "description"
    void setDescription(const QString& description); // removed when empty
};

} // namespace PosLib
