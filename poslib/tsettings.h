#pragma once

#include "basics_global.h"
#include "tvaluelist.h"

namespace PosLib {

// One settings record; record 0 of the settings list holds the system-wide settings.
class BASICS_EXPORT TSetting : public Basics::TValue {};

// The settings list ("settings.dat"); record 0 holds the system-wide settings.
class BASICS_EXPORT TSettings : public Basics::TValueList {
    Q_OBJECT
public:
    QString rootName() const override;
    QString fileName() const override;
    QString elementName() const override;
    Basics::TValue* createValue() const override;
};

} // namespace PosLib
