#pragma once

#include "lumdialogs_global.h"

#include <QString>

// The outlet and mandant (client company) this back office books for, from "outlets.ini" of the
// data root:
//
//   [settings]
//   outlet = 1
//   outletname = Restaurant Lindenhof
//   mandant = 1
//   mandantname = Lindenhof GmbH
//
// Without the file (or where it lacks an entry) outlet 1 "defaultoutlet" and mandant 1
// "defaultmandant".
struct LUMDIALOGS_EXPORT TOutletData {
    static const QString fileName; // "outlets.ini"

    int outlet = 1;
    QString outletName = QStringLiteral("defaultoutlet");
    int mandant = 1;
    QString mandantName = QStringLiteral("defaultmandant");

    // Reads the file at that path; false, leaving the defaults, when it cannot be read.
    bool read(const QString& path);
};
