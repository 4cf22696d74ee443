#pragma once

#include "basics_global.h"

#include <QFile>

namespace Basics {

// A file with advisory whole-file locks between processes: a read lock is shared, a write lock is
// exclusive. On Linux the locks belong to the open file (open file description locks), so two
// objects of one process exclude each other as two processes do, and closing some other descriptor
// of the same file does not drop them. Elsewhere classic POSIX record locks are used.
class BASICS_EXPORT TLockedFile : public QFile {
    Q_OBJECT
public:
    enum LockMode { NoLock = 0, ReadLock, WriteLock };

    TLockedFile();
    explicit TLockedFile(const QString& name);
    ~TLockedFile() override;

    // Takes the lock; with block set, waits until it is granted. A lock held in the other mode is
    // released first. The file must be open for reading (read lock) or writing (write lock).
    bool lock(LockMode mode, bool block = true);
    bool unlock();
    bool isLocked() const { return m_lockMode != NoLock; }
    // Releases the lock, then closes.
    void close() override;
    LockMode lockMode() const { return m_lockMode; }

private:
    LockMode m_lockMode = NoLock;
};

} // namespace Basics
