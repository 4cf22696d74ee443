#pragma once

#include "basics_global.h"
#include "tlistnames.h"

namespace PosLib {

// One settings record; record 0 of the settings list holds the system-wide settings.
class BASICS_EXPORT TSetting : public Basics::TValue {};

// The settings list ("settings" of "setting" records in "settings.dat").
class BASICS_EXPORT TSettings : public TNamedList {
    Q_OBJECT
public:
    TSettings();
};

} // namespace PosLib
