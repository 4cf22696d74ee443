#pragma once

#include "lumlib_global.h"
#include "tdevicelist.h"

#include <QString>

namespace PosLib {
class TTable;
}

namespace Devices {

// A fiscal device of the host (TLumWorkspace::FiscalDeviceList): it takes the export tables of the
// cash office.
class LUMLIB_EXPORT TFiscalDevice : public TDevice {
    Q_OBJECT
public:
    using TDevice::TDevice;

    // Hands the table to the device; 0 when it took it, otherwise the device's error code.
    virtual int exportTable(const PosLib::TTable& table) = 0;
};

// The fiscal device of this system: it files every export table it is given as a record file
// below the data root (var/fiscal/<time>-<table file name>, readable with "lumdata show") and
// answers 0. So that every failure of an export can be tried, the host configuration can make it
// answer an error code instead, and then it files nothing:
//   [FiscalDevice]
//   Answer = 7
class LUMLIB_EXPORT TFiscalExportDevice : public TFiscalDevice {
    Q_OBJECT
public:
    // The answer when the table cannot be filed.
    static constexpr int notFiled = 1001;

    explicit TFiscalExportDevice(const QString& dataRoot, QObject* parent = nullptr);

    int exportTable(const PosLib::TTable& table) override;
    // Where the tables go.
    QString folder() const;

private:
    QString m_dataRoot;
};

} // namespace Devices
