#pragma once

#include "basics_global.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace Basics {

class TFile;

// Replaces the content of a data or INI file in one step: the new content is written into
// "<file>.new" and renamed over the file. From construction to commit the object holds the write
// lock on the ".new" file, which is what every save of the same file takes turns on; a program
// that reads the file, changes it and writes it back holds one across the three steps, so that no
// other save falls between them.
//
// A name that is a symbolic link is followed: the link stays, and its target is replaced in the
// target's folder. The new file takes the mode and, as far as the system lets the user, the owner
// and group of the file it replaces. A ".new" or ".old" name is never followed through a link.
class BASICS_EXPORT TFileReplacement {
public:
    // Takes the lock, waiting at most TLockedFile::lockTimeout(). Throws TFileError: 317 when the
    // file is a directory, a device or a pipe; 301 when the user may not write it (a file without
    // any write permission counts as such for every user, the superuser included) or the ".new"
    // file cannot be created; 318 when the lock is not granted in time.
    explicit TFileReplacement(const QString& name);
    // Without a commit, removes the ".new" file again and releases the lock.
    ~TFileReplacement();
    TFileReplacement(const TFileReplacement&) = delete;
    TFileReplacement& operator=(const TFileReplacement&) = delete;

    // The file that is replaced: the expanded name, or the file its links lead to.
    const QString& target() const { return m_target; }

    // Writes bytes as the new content and renames it over the file; with keepOld the previous
    // content stays as "<file>.old". Releases the lock. Throws TFileError (301, 311, 312); the
    // previous file is then still in place.
    void commit(const QByteArray& bytes, bool keepOld);
    // The same in steps: the new content piece by piece, then the commit. write() throws
    // TFileError 301.
    void write(QByteArrayView bytes);
    void commit(bool keepOld);

private:
    void openTemp();
    void adoptOwnerAndMode();

    QString m_target;
    std::unique_ptr<TFile> m_temp;
    bool m_existed = false;
    unsigned m_mode = 0;
    unsigned m_owner = 0;
    unsigned m_group = 0;
};

} // namespace Basics
