#pragma once

#include <QString>

namespace Basics {

// The outcome of a step that prepares an operation: a code (0 = success) and the message that
// tells the operator why it failed.
struct OperationResult {
    int code = 0;
    QString message;

    bool ok() const { return code == 0; }
};

} // namespace Basics
