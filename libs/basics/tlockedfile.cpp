#include "tlockedfile.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace Basics {

namespace {

std::atomic<int> timeout{TLockedFile::defaultLockTimeout};

QMutex observerMutex;
TLockedFile::WaitObserver& observer()
{
    static TLockedFile::WaitObserver instance;
    return instance;
}

void notify(const QString& file, bool waiting)
{
    TLockedFile::WaitObserver current;
    {
        const QMutexLocker lock(&observerMutex);
        current = observer();
    }
    if (current)
        current(file, waiting);
}

int setLock(int fd, short type, bool block)
{
    struct flock fl = {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0; // the whole file, however long it grows
    int rc = -1;
#if defined(F_OFD_SETLKW)
    do {
        rc = ::fcntl(fd, block ? F_OFD_SETLKW : F_OFD_SETLK, &fl);
    } while (rc == -1 && errno == EINTR);
    if (rc == 0 || errno != EINVAL)
        return rc;
    // A kernel without open file description locks: fall back to process locks.
    fl.l_pid = 0;
#endif
    do {
        rc = ::fcntl(fd, block ? F_SETLKW : F_SETLK, &fl);
    } while (rc == -1 && errno == EINTR);
    return rc;
}

bool isContention(int error)
{
    return error == EAGAIN || error == EACCES || error == EWOULDBLOCK;
}

// Tries the lock until the deadline, at growing intervals: the system has no lock call with a
// time limit, and a signal to break a blocking one would reach the whole process.
bool waitForLock(int fd, short type, QDeadlineTimer deadline, const QString& file, bool tell)
{
    if (setLock(fd, type, false) == 0)
        return true;
    if (!isContention(errno))
        return false;
    QElapsedTimer waited;
    waited.start();
    bool noticed = false;
    unsigned long pause = 1;
    bool granted = false;
    for (;;) {
        if (deadline.hasExpired()) {
            errno = EWOULDBLOCK;
            break;
        }
        if (tell && !noticed && waited.elapsed() >= TLockedFile::waitNoticeDelay) {
            noticed = true;
            notify(file, true);
        }
        QThread::msleep(qMin<qint64>(pause, qMax<qint64>(1, deadline.remainingTime())));
        pause = qMin<unsigned long>(pause * 2, 50);
        if (setLock(fd, type, false) == 0) {
            granted = true;
            break;
        }
        if (!isContention(errno))
            break;
    }
    const int error = errno;
    if (noticed)
        notify(file, false);
    errno = error;
    return granted;
}

} // namespace

TLockedFile::TLockedFile() = default;

TLockedFile::TLockedFile(const QString& name)
    : QFile(name)
{
}

TLockedFile::~TLockedFile()
{
    if (isOpen())
        unlock();
}

bool TLockedFile::lock(LockMode mode, bool block)
{
    return lock(mode, block ? QDeadlineTimer(lockTimeout()) : QDeadlineTimer(0));
}

bool TLockedFile::lock(LockMode mode, QDeadlineTimer deadline, bool tellObserver)
{
    if (!isOpen() || mode == NoLock)
        return false;
    if (mode == m_lockMode)
        return true;
    if (m_lockMode != NoLock)
        unlock();
    if (!waitForLock(handle(), mode == ReadLock ? F_RDLCK : F_WRLCK, deadline, fileName(), tellObserver))
        return false;
    m_lockMode = mode;
    return true;
}

void TLockedFile::close()
{
    if (isOpen())
        unlock();
    m_lockMode = NoLock; // closing drops the lock in any case
    QFile::close();
}

bool TLockedFile::unlock()
{
    if (!isOpen() || m_lockMode == NoLock)
        return m_lockMode == NoLock;
    const bool ok = setLock(handle(), F_UNLCK, false) == 0;
    m_lockMode = NoLock;
    return ok;
}

int TLockedFile::lockTimeout()
{
    return timeout.load(std::memory_order_relaxed);
}

void TLockedFile::setLockTimeout(int milliseconds)
{
    timeout.store(milliseconds, std::memory_order_relaxed);
}

void TLockedFile::setWaitObserver(WaitObserver newObserver)
{
    const QMutexLocker lock(&observerMutex);
    observer() = std::move(newObserver);
}

} // namespace Basics
