#include "tdevicelist.h"

namespace Devices {

TDevice::TDevice(const QString& name, QObject* parent)
    : QObject(parent)
{
    setObjectName(name);
}

TDevice* TDeviceList::find(const QString& name) const
{
    for (TDevice* device : *this) {
        if (device && device->objectName() == name)
            return device;
    }
    return nullptr;
}

} // namespace Devices
