#pragma once

// The database of the cash office's tests: the workspace's own SQLite file, or with
// LUM_TEST_DATABASE=postgresql the PostgreSQL data source that scripts/with-postgres.sh sets up
// (LUM_TEST_POSTGRES_DSN, LUM_TEST_POSTGRES_CTL), given fresh tables and views.

#include "lumtesthost.h"
#include "tsqldatabase.h"

#include <QProcess>
#include <QSqlError>

inline bool onPostgres()
{
    return qEnvironmentVariable("LUM_TEST_DATABASE") == u"postgresql";
}

// Points the host's workspace at the test database; false, with the reason, when it cannot be had
// (skip is then set when there is no PostgreSQL to run on).
inline bool useTestDatabase(TestHost& host, QString* reason, bool* skip)
{
    *skip = false;
    if (!onPostgres())
        return true;
    const QString dsn = qEnvironmentVariable("LUM_TEST_POSTGRES_DSN");
    if (dsn.isEmpty()) {
        *skip = true;
        *reason = QStringLiteral("No PostgreSQL data source: run the suite through scripts/run-tests.sh.");
        return false;
    }
    host.workspace->setDatabase(QStringLiteral("QODBC"), dsn);
    QSqlDatabase database = host.workspace->database();
    if (!database.isOpen()) {
        *reason = host.workspace->databaseError();
        return false;
    }
    QSqlError error;
    if (!Database::runScript(
            database,
            QStringLiteral("DROP VIEW IF EXISTS GetNoCCDSinceDate, GetCCDValues, "
                           "CashGroupJournalView;\n"
                           "DROP TABLE IF EXISTS CashGroupJournals, cashgroupccd, Kostenstellen;\n"
                           "DROP FUNCTION IF EXISTS stop_here CASCADE;\n"),
            &error)) {
        *reason = error.text();
        return false;
    }
    for (const QString& script : Database::projectScripts(Database::Kind::PostgreSQL)) {
        if (!Database::runScript(database, Database::projectScript(Database::Kind::PostgreSQL, script),
                                 &error)) {
            *reason = error.text();
            return false;
        }
    }
    return true;
}

#define USE_TEST_DATABASE(host)                                                                              \
    do {                                                                                                     \
        QString reason;                                                                                      \
        bool skip = false;                                                                                   \
        if (!useTestDatabase(host, &reason, &skip)) {                                                        \
            if (skip)                                                                                        \
                QSKIP(qPrintable(reason));                                                                   \
            QFAIL(qPrintable(reason));                                                                       \
        }                                                                                                    \
    } while (false)

// Makes the database fail in the middle of an insert of a journal row that the condition picks
// (an SQL expression over NEW): SQLite aborts the statement, PostgreSQL ends the connection as
// when the server goes down.
inline bool installJournalFault(QSqlDatabase database, const QString& condition, QString* reason)
{
    const QString script =
        onPostgres() ? QStringLiteral(
                           "CREATE FUNCTION stop_here() RETURNS trigger AS $$ BEGIN IF %1 "
                           "THEN PERFORM pg_terminate_backend(pg_backend_pid()); END IF; RETURN NEW; END $$ "
                           "LANGUAGE plpgsql;\n"
                           "CREATE TRIGGER stop_here BEFORE INSERT ON CashGroupJournals FOR EACH ROW EXECUTE "
                           "FUNCTION stop_here();\n")
                           .arg(condition)
                     : QStringLiteral("CREATE TRIGGER stop_here BEFORE INSERT ON CashGroupJournals WHEN %1 "
                                      "BEGIN SELECT RAISE(ABORT, 'the database stopped'); END;\n")
                           .arg(condition);
    QSqlError error;
    if (!Database::runScript(database, script, &error)) {
        *reason = error.text();
        return false;
    }
    return true;
}

// Restarts the cluster when it goes out of scope, also after a failed check.
class StoppedServer {
public:
    StoppedServer() { m_stopped = QProcess::execute(control(), {QStringLiteral("stop")}) == 0; }
    ~StoppedServer() { QProcess::execute(control(), {QStringLiteral("start")}); }
    bool stopped() const { return m_stopped; }

private:
    static QString control() { return qEnvironmentVariable("LUM_TEST_POSTGRES_CTL"); }
    bool m_stopped;
};
