#pragma once

#include "basics_global.h"

#include <QDeadlineTimer>
#include <QFile>

#include <functional>

namespace Basics {

// A file with advisory whole-file locks between processes: a read lock is shared, a write lock is
// exclusive. On Linux the locks belong to the open file (open file description locks), so two
// objects of one process exclude each other as two processes do, and closing some other descriptor
// of the same file does not drop them. Elsewhere classic POSIX record locks are used.
//
// A blocking lock waits at most lockTimeout() milliseconds: a process that holds a lock and has
// been stopped must not stop every other program with it. A wait that lasts longer than
// waitNoticeDelay is told to the wait observer, so that a program with a screen can say why it
// does not answer.
class BASICS_EXPORT TLockedFile : public QFile {
    Q_OBJECT
public:
    enum LockMode { NoLock = 0, ReadLock, WriteLock };
    static constexpr int defaultLockTimeout = 10000;
    static constexpr int waitNoticeDelay = 250;

    // Called with waiting set when a lock wait starts to be noticeable, and with it cleared when
    // the wait ends; from the thread that waits.
    using WaitObserver = std::function<void(const QString& file, bool waiting)>;

    TLockedFile();
    explicit TLockedFile(const QString& name);
    ~TLockedFile() override;

    // Takes the lock; with block set, waits until it is granted or lockTimeout() has passed (errno
    // is then EWOULDBLOCK). A lock held in the other mode is released first. The file must be
    // open for reading (read lock) or writing (write lock).
    bool lock(LockMode mode, bool block = true);
    // The same, waiting until the deadline at most; a long wait is told to the observer only when
    // asked (the log does not: what the observer does may write to the log again).
    bool lock(LockMode mode, QDeadlineTimer deadline, bool tellObserver = true);
    bool unlock();
    bool isLocked() const { return m_lockMode != NoLock; }
    // Releases the lock, then closes.
    void close() override;
    LockMode lockMode() const { return m_lockMode; }

    // The longest wait for a lock in milliseconds, for the whole process.
    static int lockTimeout();
    static void setLockTimeout(int milliseconds);
    // Replaces the observer of long waits (an empty one: nobody is told).
    static void setWaitObserver(WaitObserver observer);

private:
    LockMode m_lockMode = NoLock;
};

} // namespace Basics
