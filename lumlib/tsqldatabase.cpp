#include "tsqldatabase.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sql.h>
#include <sqlext.h>

namespace Database {

namespace {

QString odbcDbmsName(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "void*") != 0)
        return {};
    SQLHANDLE connection = *static_cast<const SQLHANDLE*>(handle.constData());
    if (!connection)
        return {};
    SQLCHAR name[256] = {};
    SQLSMALLINT length = 0;
    const SQLRETURN result = SQLGetInfo(connection, SQL_DBMS_NAME, name, SQLSMALLINT(sizeof name), &length);
    if (!SQL_SUCCEEDED(result))
        return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(name), qBound<int>(0, length, sizeof name - 1));
}

QString scriptFolder(Kind kind)
{
    switch (kind) {
    case Kind::SQLite:
        return QStringLiteral(":/lum/db/sqlite/");
    case Kind::PostgreSQL:
        return QStringLiteral(":/lum/db/postgresql/");
    default:
        return {};
    }
}

} // namespace

QString dbmsName(const QSqlDatabase& db)
{
    if (!db.isOpen())
        return {};
    const QString driver = db.driverName();
    if (driver == u"QODBC")
        return odbcDbmsName(db);
    if (driver == u"QSQLITE")
        return QStringLiteral("SQLite");
    if (driver == u"QPSQL")
        return QStringLiteral("PostgreSQL");
    return driver;
}

Kind kindOf(const QSqlDatabase& db)
{
    const QString name = dbmsName(db);
    if (name.startsWith(u"SQLite", Qt::CaseInsensitive))
        return Kind::SQLite;
    if (name.startsWith(u"PostgreSQL", Qt::CaseInsensitive))
        return Kind::PostgreSQL;
    if (name.contains(u"SQL Server", Qt::CaseInsensitive))
        return Kind::SqlServer;
    return Kind::Other;
}

bool odbcDataSourceExists(const QString& name)
{
    SQLHENV environment = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment)))
        return false;
    SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    bool found = false;
    SQLCHAR source[SQL_MAX_DSN_LENGTH + 1];
    SQLCHAR description[256];
    SQLSMALLINT sourceLength = 0;
    SQLSMALLINT descriptionLength = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (!found && SQL_SUCCEEDED(SQLDataSources(environment, direction, source, SQLSMALLINT(sizeof source),
                                                  &sourceLength, description, SQLSMALLINT(sizeof description),
                                                  &descriptionLength))) {
        found =
            QString::fromUtf8(reinterpret_cast<const char*>(source)).compare(name, Qt::CaseInsensitive) == 0;
        direction = SQL_FETCH_NEXT;
    }
    SQLFreeHandle(SQL_HANDLE_ENV, environment);
    return found;
}

QString projectScript(Kind kind, const QString& fileName)
{
    const QString folder = scriptFolder(kind);
    if (folder.isEmpty())
        return {};
    QFile file(folder + fileName);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList projectScripts(Kind kind)
{
    const QString folder = scriptFolder(kind);
    return folder.isEmpty() ? QStringList()
                            : QDir(folder).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
}

bool runScript(QSqlDatabase& db, const QString& script, QSqlError* error)
{
    static const QRegularExpression end(QStringLiteral(";[ \\t]*(\\r?\\n|$)"));
    static const QRegularExpression comment(QStringLiteral("^[ \\t]*--[^\\n]*$"),
                                            QRegularExpression::MultilineOption);
    QString text = script;
    text.remove(comment);
    for (const QString& statement : text.split(end)) {
        const QString sql = statement.trimmed();
        if (sql.isEmpty())
            continue;
        QSqlQuery query(db);
        if (!query.exec(sql)) {
            if (error)
                *error = query.lastError();
            return false;
        }
    }
    return true;
}

} // namespace Database
