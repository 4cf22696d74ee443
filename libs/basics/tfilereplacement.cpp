#include "tfilereplacement.h"

#include "tdir.h"
#include "terror.h"
#include "tfile.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace Basics {

namespace {

constexpr int maxLinks = 40; // as the system allows in one path

// The file a chain of symbolic links leads to (the name itself when it is no link). A chain that
// does not end is left as it is: opening it then fails with the system's reason.
QString followLinks(const QString& name)
{
    QString path = name;
    for (int step = 0; step < maxLinks; ++step) {
        struct stat info = {};
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        const QString target = QFile::symLinkTarget(path);
        if (target.isEmpty())
            return path;
        path = target;
    }
    return path;
}

bool mayWrite(const struct stat& info, const QString& path)
{
    return (info.st_mode & 0222) != 0 && ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

} // namespace

TFileReplacement::TFileReplacement(const QString& name)
    : m_target(followLinks(expandPath(name)))
{
    struct stat info = {};
    if (::stat(QFile::encodeName(m_target).constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            errno = S_ISDIR(info.st_mode) ? EISDIR : 0;
            throw TFileError(__LINE__, "tfilereplacement", 317, 301, m_target);
        }
        if (!mayWrite(info, m_target)) {
            errno = EACCES;
            throw TFileError(__LINE__, "tfilereplacement", 301, 301, m_target);
        }
        m_existed = true;
        m_mode = info.st_mode & 07777;
        m_owner = info.st_uid;
        m_group = info.st_gid;
    }
    openTemp();
    adoptOwnerAndMode();
}

TFileReplacement::~TFileReplacement()
{
    // Given up before the commit: the ".new" file goes, unless another save has taken the name.
    if (m_temp && m_temp->isOpen()) {
        struct stat opened = {};
        struct stat named = {};
        const QByteArray tempName = QFile::encodeName(m_temp->fileName());
        if (::fstat(m_temp->handle(), &opened) == 0 && ::lstat(tempName.constData(), &named) == 0 &&
            opened.st_dev == named.st_dev && opened.st_ino == named.st_ino)
            ::unlink(tempName.constData());
        m_temp->close();
    }
}

// Opens and locks "<file>.new". Something planted under that name is removed first: a symbolic
// link (which would send the records elsewhere) or a hard link to another file (whose content
// would be overwritten). Only the name goes; what it pointed to stays untouched.
void TFileReplacement::openTemp()
{
    const QString temp = m_target + QStringLiteral(".new");
    const QByteArray tempName = QFile::encodeName(temp);
    for (int attempt = 0;; ++attempt) {
        m_temp = std::make_unique<TFile>(temp, TFile::NoFollow | TFile::RegularOnly);
        try {
            m_temp->open(QIODevice::ReadWrite); // truncated below, once it is known to be ours
        } catch (const TFileError&) {
            struct stat planted = {};
            if (attempt > 2 || ::lstat(tempName.constData(), &planted) != 0 || S_ISDIR(planted.st_mode) ||
                S_ISREG(planted.st_mode))
                throw;
            ::unlink(tempName.constData()); // a link, a pipe or a device node
            continue;
        }
        struct stat info = {};
        if (::fstat(m_temp->handle(), &info) == 0 && info.st_nlink <= 1) {
            if (!m_temp->resize(0))
                throw TFileError(__LINE__, "tfilereplacement", 301, 301, temp);
            return;
        }
        if (attempt > 2) {
            errno = EMLINK;
            throw TFileError(__LINE__, "tfilereplacement", 301, 301, temp);
        }
        ::unlink(tempName.constData());
        m_temp->close();
    }
}

void TFileReplacement::adoptOwnerAndMode()
{
    if (!m_existed)
        return;
    const int fd = m_temp->handle();
    // The owner first: changing it may clear set-id bits, which the mode then restores.
    if (::fchown(fd, m_owner, m_group) != 0 && ::fchown(fd, uid_t(-1), m_group) != 0) {
        // Neither owner nor group may be given away by this user: the file becomes the user's.
    }
    if (::fchmod(fd, m_mode) != 0)
        throw TFileError(__LINE__, "tfilereplacement", 301, 301, m_temp->fileName());
}

void TFileReplacement::commit(const QByteArray& bytes, bool keepOld)
{
    write(bytes);
    commit(keepOld);
}

void TFileReplacement::write(QByteArrayView bytes)
{
    if (m_temp->write(bytes.data(), bytes.size()) != bytes.size())
        throw TFileError(__LINE__, "tfilereplacement", 301, 301, m_temp->fileName());
}

void TFileReplacement::commit(bool keepOld)
{
    m_temp->writeDurably({}); // flushes what was written, and waits for the disk
    if (keepOld) {
        const QString old = m_target + QStringLiteral(".old");
        TFile::remove(old);
        // The previous content becomes ".old" while the file stays in place, and the rename then
        // replaces the file in one step: a concurrent reader never finds it missing.
        if (m_existed && QFileInfo::exists(m_target))
            TFile::keepCopy(m_target, old);
    }
    TFile::rename(m_temp->fileName(), m_target);
    TFile::syncDirectory(QFileInfo(m_target).path());
    m_temp->close();
}

} // namespace Basics
