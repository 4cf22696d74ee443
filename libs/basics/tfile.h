#pragma once

#include "basics_global.h"
#include "tlockedfile.h"

namespace Basics {

// A locked data file. open() expands "$(" references in the name, checks the flags, opens and takes
// a read lock (read-only modes) or a write lock (every other mode), waiting for it at most
// lockTimeout(). Every failure throws TFileError:
//   3 the expanded name still contains "%"      316 missing and MustExist is set
//   301 the system refuses to open (or write)   315 present and MustNotExist is set
//   317 RegularOnly is set and the name refers to a directory, a device or a pipe
//   318 the lock cannot be obtained in time (the file is closed again)
// A file opened for writing is truncated only once its write lock is held, and only if the name
// still refers to the locked file; so a writer never destroys what another writer is producing.
class BASICS_EXPORT TFile : public TLockedFile {
    Q_OBJECT
public:
    enum Flag {
        MustExist = 0x1,
        MustNotExist = 0x2,
        // A symbolic link in place of the file is not followed: the open fails (ELOOP).
        NoFollow = 0x4,
        // Only a regular file is opened; a pipe or a device is never read from or waited on.
        RegularOnly = 0x8,
    };

    explicit TFile(const QString& name, int flags = 0);
    ~TFile() override;

    int flags() const { return m_flags; }
    void setFlags(int flags) { m_flags = flags; }

    bool open(OpenMode mode) override;
    void close() override;
    QString fileName() const override;
    void setFileName(const QString& name);

    // Writes everything, then flushes the data to the disk; throws TFileError 301 on failure.
    void writeDurably(const QByteArray& data);

    // Removes the file, or a symbolic link in its place, if it exists (throws 311 when it cannot be
    // removed).
    static void remove(const QString& name);
    // Renames, replacing an existing target in one step (throws 312 when refused).
    static void rename(const QString& from, const QString& to);
    // Makes "to" hold the content of "from" while "from" stays in place: a hard link where the file
    // system has them, a copy elsewhere (throws 312 when neither works).
    static void keepCopy(const QString& from, const QString& to);
    // Flushes a directory's entries, so that a rename survives a power cut.
    static void syncDirectory(const QString& dir);

private:
    int openDescriptor(OpenMode mode) const;

    int m_flags;
    QString m_name;
};

} // namespace Basics
