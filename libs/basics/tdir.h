#pragma once

#include "basics_global.h"

#include <QString>

namespace Basics {

// Replaces every "$(NAME)" by the value of the environment variable NAME (empty when unset),
// repeatedly, so that a value may itself hold references. An unclosed "$(" is left as it is, and
// expansion stops after a bounded number of rounds so that a variable referring to itself cannot
// loop forever.
BASICS_EXPORT QString expandPath(const QString& path);

// A normalised directory name: expanded, with one trailing separator, created with every missing
// parent when asked to. A directory that cannot be created throws TDirError (code 201).
class BASICS_EXPORT TDir {
public:
    explicit TDir(const QString& path, bool create = false);

    // The directory with "/" appended; empty for an empty name (the working directory).
    const QString& path() const { return m_path; }
    operator const QString&() const { return m_path; }

private:
    QString m_path;
};

} // namespace Basics
