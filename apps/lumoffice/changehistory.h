#pragma once

#include "tlumworkspace.h"
#include "tvalue.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

// The change history of the back office: every record that a save of the workspace created,
// changed or deleted goes into the table "ChangeHistory" of the workspace's database, with the
// list, the record's id, the user logged in, the time and the record before and after. Rows are only
// ever added. A row that cannot be written (the database is down) waits in memory and goes with the
// next change.
class TChangeHistory {
public:
    enum Kind { Created = 1, Changed = 2, Deleted = 3 };

    struct Entry {
        qint64 number = 0;
        QString list;
        int id = 0;
        int user = 0;
        QDateTime when; // the time the clock showed
        Kind kind = Changed;
        std::optional<Basics::TValue> before;
        std::optional<Basics::TValue> after;
    };

    // What to read: one list (all lists when empty), one record of it, one user, a period.
    struct Filter {
        QString list;
        std::optional<int> id;
        std::optional<int> user;
        QDateTime from; // from the start when invalid
        QDateTime to;   // up to now when invalid
        int limit = 5000;
    };

    // Listens to the workspace's saves; user gives the user logged in at each save.
    TChangeHistory(TLumWorkspace& workspace, std::function<int()> user);
    // Saves what is left, so that it is recorded, and stops listening.
    ~TChangeHistory();
    TChangeHistory(const TChangeHistory&) = delete;
    TChangeHistory& operator=(const TChangeHistory&) = delete;

    // Told after every write: why rows could not be written (they wait for the next change), or
    // nothing when every row is written.
    void setWriteHandler(std::function<void(const QString& error)> handler)
    {
        m_onWrite = std::move(handler);
    }
    // Rows waiting for the database.
    qsizetype pending() const { return qsizetype(m_pending.size()); }
    // After a failed write the database is left alone this long (30 s): a server that does not
    // answer would hold every save for its connect time-out. Rows wait meanwhile.
    void setRetryPause(std::chrono::milliseconds pause) { m_retryPause = pause; }

    // The rows of the filter, newest first; empty with error set when the database cannot be read.
    QList<Entry> entries(const Filter& filter, QString* error = nullptr) const;
    // The users that appear in the history of a list (of one record of it), for the filter.
    QList<int> users(const QString& list, std::optional<int> id, QString* error = nullptr) const;

    // The attribute text of a record as the table keeps it, and back (nullopt for an empty or
    // unreadable text).
    static QString encode(const Basics::TValue& record);
    static std::optional<Basics::TValue> decode(const QString& text);

private:
    // The workspace's database with the table; not open (error set) when it cannot be had.
    QSqlDatabase database(QString* error) const;
    void record(const QString& list, const std::vector<TLumWorkspace::RecordChange>& changes);
    bool writePending(QString* error);

    TLumWorkspace& m_workspace;
    std::function<int()> m_user;
    std::function<void(const QString&)> m_onWrite;
    std::vector<Entry> m_pending;
    mutable bool m_tableChecked = false;
    std::chrono::milliseconds m_retryPause{30000};
    QElapsedTimer m_sinceFailure; // invalid while the last write succeeded
    QString m_failure;
};
