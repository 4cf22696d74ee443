#pragma once

#include "lumlib_global.h"

#include <QString>

namespace Devices {

// The operator's text for an error code of the card reader (PosLib::CardError): "Success",
// "No card inserted" ... and "Code %1: Unknown error" for a code the table does not know.
LUMLIB_EXPORT QString readerErrorText(int code);

} // namespace Devices
