#pragma once

#include "basics_global.h"
#include "tlockedfile.h"

namespace Basics {

// A locked data file. open() expands "$(" references in the name, checks the flags, opens and takes
// a read lock (read-only modes) or a write lock (every other mode), waiting until it is granted.
// Every failure throws TFileError:
//   3 the expanded name still contains "%"      316 missing and MustExist is set
//   301 the system refuses to open (or write)   315 present and MustNotExist is set
//   318 the lock cannot be obtained (the file is closed again)
// A file opened for writing is truncated only once its write lock is held, and only if the name
// still refers to the locked file; so a writer never destroys what another writer is producing.
class BASICS_EXPORT TFile : public TLockedFile {
    Q_OBJECT
public:
    enum Flag { MustExist = 0x1, MustNotExist = 0x2 };

    explicit TFile(const QString& name, int flags = 0);
    ~TFile() override;

    int flags() const { return m_flags; }
    void setFlags(int flags) { m_flags = flags; }

    bool open(OpenMode mode) override;
    void close() override;

    // Writes everything, then flushes the data to the disk; throws TFileError 301 on failure.
    void writeDurably(const QByteArray& data);

    // Removes the file if it exists (throws 311 when it cannot be removed).
    static void remove(const QString& name);
    // Renames, replacing an existing target in one step (throws 312 when refused).
    static void rename(const QString& from, const QString& to);
    // Makes "to" hold the content of "from" while "from" stays in place: a hard link where the file
    // system has them, a copy elsewhere (throws 312 when neither works).
    static void keepCopy(const QString& from, const QString& to);
    // Flushes a directory's entries, so that a rename survives a power cut.
    static void syncDirectory(const QString& dir);

private:
    int m_flags;
};

} // namespace Basics
