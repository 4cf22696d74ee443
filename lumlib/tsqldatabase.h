#pragma once

#include "lumlib_global.h"

#include <QString>
#include <QStringList>

class QSqlDatabase;
class QSqlError;

namespace Database {

// The database products whose SQL differs in what the system needs of it.
enum class Kind { SQLite, PostgreSQL, SqlServer, Other };

// The product name the database reports: over ODBC the driver's DBMS name ("SQLite",
// "PostgreSQL", "Microsoft SQL Server" ...), since Qt reports every ODBC database as of unknown
// type; for Qt's own drivers the product they serve. Empty for a connection that is not open.
LUMLIB_EXPORT QString dbmsName(const QSqlDatabase& db);
LUMLIB_EXPORT Kind kindOf(const QSqlDatabase& db);

// Whether the ODBC configuration (system or user) defines a data source of that name.
LUMLIB_EXPORT bool odbcDataSourceExists(const QString& name);

// The text of an SQL script of the project's db folder for that kind of database ("cashgroupccd.sql"
// ...), compiled into the library; empty when there is none.
LUMLIB_EXPORT QString projectScript(Kind kind, const QString& fileName);
// The names of all those scripts, sorted.
LUMLIB_EXPORT QStringList projectScripts(Kind kind);

// Runs the statements of a script, in order, each by itself: a statement ends with ";" at the end
// of a line, and lines that begin with "--" are comments. Stops at the first statement that fails,
// whose error error then holds.
LUMLIB_EXPORT bool runScript(QSqlDatabase& db, const QString& script, QSqlError* error = nullptr);

} // namespace Database
