#include "tlockedfile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace Basics {

namespace {

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
    if (!isOpen() || mode == NoLock)
        return false;
    if (mode == m_lockMode)
        return true;
    if (m_lockMode != NoLock)
        unlock();
    if (setLock(handle(), mode == ReadLock ? F_RDLCK : F_WRLCK, block) != 0)
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

} // namespace Basics
