#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// Backup and restore of a data root. The archive is a tar file: every file of the root below
// "data/", read under the storage layer's read lock (SQLite databases through SQLite's online
// backup), then "manifest.json" with the size, SHA-256 and kind of each. A restore unpacks and
// checks the whole archive beside the root before it replaces anything, and keeps the root it
// replaces in a dated folder beside it.
namespace DataBackup {

struct Limits {
    std::int64_t maxFileSize = std::int64_t(4) << 30;
    int maxFiles = 100000;
    std::int64_t maxManifestSize = std::int64_t(32) << 20;
};

struct Result {
    bool ok = false;
    QString error; // why it failed (nothing was written or replaced then)
    int files = 0; // files archived or restored
    std::int64_t bytes = 0;
    QStringList notes; // what the operator should know: files left out, the server database
    QString kept;      // restore: the folder that now holds the replaced root
};

// The server data source the workspace uses instead of its SQLite file; empty when there is none.
QString serverDatabase();

Result backup(const QString& root, const QString& archive, const Limits& limits = {});
// Checks the archive completely (container, manifest, sizes, checksums, every list loads, every
// SQLite database passes its check), then puts it in place of root.
Result restore(const QString& archive, const QString& root, const Limits& limits = {});

} // namespace DataBackup
