#pragma once

#include "lumlib_global.h"

#include <QList>
#include <QObject>
#include <QString>

namespace Devices {

// A device the host has opened for the dialogs (a card reader, a fiscal device ...), found by its
// object name.
class LUMLIB_EXPORT TDevice : public QObject {
    Q_OBJECT
public:
    explicit TDevice(const QString& name, QObject* parent = nullptr);
};

// The host's devices of one kind. The list does not own them.
class LUMLIB_EXPORT TDeviceList : public QList<TDevice*> {
public:
    // The first device with that object name, or null.
    TDevice* find(const QString& name) const;
};

} // namespace Devices
