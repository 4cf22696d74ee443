#pragma once

#include "lumdialogs_global.h"

#include <QString>
#include <QStringList>

namespace PosLib {
class TTable;
}

// Hands the cash office's export tables to the host's first fiscal device
// (TLumWorkspace::FiscalDeviceList). A table that the device refuses, or that finds no device, is
// kept in var/fiscalpending/ of the data root and handed over again before the next table, oldest
// first, so that what the device received agrees with the journal once it works again. A table
// waits behind those that wait already: the device receives them in the order of their bookings.
class LUMDIALOGS_EXPORT TFiscalExport {
public:
    // The answer when the host has no fiscal device.
    static constexpr int noDevice = 1000;
    // The answer when a refused table cannot be kept either (the folder cannot be written).
    static constexpr int notKept = 1002;

    explicit TFiscalExport(const QString& dataPath);

    // Hands over the tables that wait, then this one; 0 when the device took all of them,
    // otherwise the code of the first refusal (noDevice without a device). The table is kept
    // to be handed over later unless the device took it.
    int exportTable(const PosLib::TTable& table);
    // Hands over the tables that wait; 0 when none is left.
    int sendPending();
    // The files of the tables that wait, oldest first.
    QStringList pending() const;
    QString pendingFolder() const;

private:
    int deviceExport(const PosLib::TTable& table) const;
    bool keep(const PosLib::TTable& table);

    QString m_dataPath;
};
