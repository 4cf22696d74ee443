#include "tfile.h"

#include "tdir.h"
#include "terror.h"

#include <QFileInfo>
#include <QLoggingCategory>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Basics {

namespace {

Q_LOGGING_CATEGORY(storageLog, "lum.storage", QtInfoMsg)

constexpr int openMessage = 301;

// Whether the name still refers to the open file (not following a link when asked not to).
bool sameFile(int fd, const QString& name, bool followLinks)
{
    struct stat opened = {};
    struct stat named = {};
    const QByteArray path = QFile::encodeName(name);
    if (::fstat(fd, &opened) != 0 ||
        (followLinks ? ::stat(path.constData(), &named) : ::lstat(path.constData(), &named)) != 0)
        return false;
    return opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

bool wantsTruncation(QIODevice::OpenMode mode)
{
    if (mode & QIODevice::Truncate)
        return true;
    return (mode & QIODevice::WriteOnly) &&
           !(mode & (QIODevice::ReadOnly | QIODevice::Append | QIODevice::NewOnly));
}

} // namespace

TFile::TFile(const QString& name, int flags)
    : TLockedFile(name)
    , m_flags(flags)
    , m_name(name)
{
}

TFile::~TFile()
{
    if (isOpen())
        TFile::close();
}

QString TFile::fileName() const
{
    // A file opened from a descriptor has no name of its own in QFile.
    return m_name;
}

void TFile::setFileName(const QString& name)
{
    m_name = name;
    QFile::setFileName(name);
}

// Opens through the system, so that links and special files are handled as the flags say; -1 with
// errno set on failure.
int TFile::openDescriptor(OpenMode mode) const
{
    const bool reading = mode & ReadOnly;
    const bool writing = mode & (WriteOnly | Append);
    int flags = O_CLOEXEC | (reading && writing ? O_RDWR : writing ? O_WRONLY : O_RDONLY);
    if (writing && !(mode & ExistingOnly))
        flags |= O_CREAT;
    if (mode & NewOnly)
        flags |= O_CREAT | O_EXCL;
    if (mode & Append)
        flags |= O_APPEND;
    if (m_flags & NoFollow)
        flags |= O_NOFOLLOW;
    if (m_flags & RegularOnly)
        flags |= O_NONBLOCK; // opening a pipe must not wait for a writer
    int fd = -1;
    do {
        fd = ::open(QFile::encodeName(m_name).constData(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool TFile::open(OpenMode mode)
{
    const QString expanded = expandPath(m_name);
    setFileName(expanded);
    if (expanded.contains(u'%'))
        throw TFileError(__LINE__, "tfile", 3, openMessage, expanded);
    const bool exists = QFileInfo::exists(expanded);
    if ((m_flags & MustExist) && !exists)
        throw TFileError(__LINE__, "tfile", 316, openMessage, expanded);
    if ((m_flags & MustNotExist) && exists)
        throw TFileError(__LINE__, "tfile", 315, openMessage, expanded);

    const bool writing = mode & (WriteOnly | Append);
    const bool truncate = wantsTruncation(mode);
    // Never truncate before the lock is ours: another writer may be filling the file.
    const OpenMode systemMode = truncate ? ((mode & ~OpenMode(Truncate)) | ReadOnly) : mode;
    const QDeadlineTimer deadline(lockTimeout());
    for (;;) {
        const int fd = openDescriptor(systemMode);
        if (fd < 0)
            throw TFileError(__LINE__, "tfile", 301, openMessage, expanded);
        struct stat info = {};
        if (::fstat(fd, &info) != 0 || ((m_flags & RegularOnly) && !S_ISREG(info.st_mode))) {
            const int error = S_ISDIR(info.st_mode) ? EISDIR : 0;
            ::close(fd);
            errno = error;
            throw TFileError(__LINE__, "tfile", 317, openMessage, expanded);
        }
        if (m_flags & RegularOnly)
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        if (!TLockedFile::open(fd, systemMode, AutoCloseHandle)) {
            ::close(fd);
            throw TFileError(__LINE__, "tfile", 301, openMessage, expanded);
        }
        if (!lock(writing ? WriteLock : ReadLock, deadline)) {
            const int error = errno;
            TLockedFile::close();
            errno = error;
            throw TFileError(__LINE__, "tfile", 318, openMessage, expanded);
        }
        // A writer that waited for the lock may find that the file it opened has been renamed
        // away meanwhile (a save publishes its ".new" file that way): start again on the name.
        if (!writing || sameFile(handle(), expanded, !(m_flags & NoFollow)))
            break;
        TLockedFile::close();
    }
    if (truncate && !resize(0)) {
        TFile::close();
        throw TFileError(__LINE__, "tfile", 301, openMessage, expanded);
    }
    return true;
}

void TFile::close()
{
    if (isOpen())
        flush(); // the data is in the file before another process may lock it
    TLockedFile::close();
}

void TFile::writeDurably(const QByteArray& data)
{
    if (write(data) != data.size() || !flush() || ::fsync(handle()) != 0)
        throw TFileError(__LINE__, "tfile", 301, openMessage, fileName());
}

void TFile::remove(const QString& name)
{
    const QString expanded = expandPath(name);
    struct stat info = {};
    if (::lstat(QFile::encodeName(expanded).constData(), &info) != 0) { // a dangling link exists too
        qCDebug(storageLog).noquote() << expanded << "does not exist";
        return;
    }
    if (::unlink(QFile::encodeName(expanded).constData()) != 0)
        throw TFileError(__LINE__, "tfile", 311, 311, expanded);
}

void TFile::rename(const QString& from, const QString& to)
{
    const QString source = expandPath(from);
    const QString target = expandPath(to);
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0)
        throw TFileError(__LINE__, "tfile", 312, 312, source);
}

void TFile::keepCopy(const QString& from, const QString& to)
{
    const QString source = expandPath(from);
    const QString target = expandPath(to);
    const QByteArray sourceName = QFile::encodeName(source);
    const QByteArray targetName = QFile::encodeName(target);
    if (::link(sourceName.constData(), targetName.constData()) == 0)
        return;
    if (errno == EEXIST)
        throw TFileError(__LINE__, "tfile", 312, 312, target);
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(source, partial) ||
        std::rename(QFile::encodeName(partial).constData(), targetName.constData()) != 0) {
        QFile::remove(partial);
        throw TFileError(__LINE__, "tfile", 312, 312, source);
    }
}

void TFile::syncDirectory(const QString& dir)
{
    const QString expanded = expandPath(dir.isEmpty() ? QStringLiteral(".") : dir);
    const int fd = ::open(QFile::encodeName(expanded).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return; // nothing to flush: the rename itself has succeeded
    ::fsync(fd);
    ::close(fd);
}

} // namespace Basics
