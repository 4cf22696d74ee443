#include "sqlitecopy.h"

#include <QFile>

#include <sqlite3.h>

namespace SqliteCopy {

namespace {

// How long a copy or a check waits for a writer that holds the database.
constexpr int sqliteBusyTimeout = 10000;

struct Connection {
    sqlite3* db = nullptr;
    ~Connection() { sqlite3_close(db); }
    bool open(const QString& file, int flags, QString* error)
    {
        if (sqlite3_open_v2(QFile::encodeName(file).constData(), &db, flags, nullptr) == SQLITE_OK) {
            sqlite3_busy_timeout(db, sqliteBusyTimeout);
            return true;
        }
        *error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        return false;
    }
    QString message() const { return QString::fromUtf8(sqlite3_errmsg(db)); }
};

} // namespace

bool isDatabase(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) && f.read(16) == QByteArray("SQLite format 3\0", 16);
}

bool copy(const QString& source, const QString& target, QString* error)
{
    Connection from;
    Connection to;
    if (!from.open(source, SQLITE_OPEN_READONLY, error) ||
        !to.open(target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error))
        return false;
    sqlite3_backup* backup = sqlite3_backup_init(to.db, "main", from.db, "main");
    if (!backup) {
        *error = to.message();
        return false;
    }
    // All pages in one step: the source is read under one read transaction, so the copy is one
    // state of the database; a writer that holds it is waited for (busy timeout).
    int result = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (result == SQLITE_DONE)
        result = finished;
    if (result != SQLITE_OK && result != SQLITE_DONE) {
        *error = QString::fromUtf8(sqlite3_errstr(result));
        return false;
    }
    return true;
}

bool check(const QString& file, QString* error)
{
    Connection db;
    if (!db.open(file, SQLITE_OPEN_READONLY, error))
        return false;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db.db, "PRAGMA quick_check", -1, &statement, nullptr) != SQLITE_OK) {
        *error = db.message();
        return false;
    }
    QString answer;
    while (sqlite3_step(statement) == SQLITE_ROW)
        answer += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    if (answer != u"ok") {
        *error = answer.isEmpty() ? db.message() : answer.left(500);
        return false;
    }
    return true;
}

} // namespace SqliteCopy
