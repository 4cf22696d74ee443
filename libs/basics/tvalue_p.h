#pragma once

// Internal: the shared attribute storage of TValue, for the record stream reader.

#include "tvalue.h"

namespace Basics {

struct TValue::Data : QSharedData {
    QList<TAttribute> attributes; // sorted by key, keys unique
};

} // namespace Basics
