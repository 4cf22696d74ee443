#include "cardstore.h"

#include "terror.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

namespace {

// A prepared statement with its values bound in order; throws through the store on failure.
class Statement {
public:
    Statement(const QSqlDatabase& db, const QString& sql)
        : m_query(db)
        , m_sql(sql)
    {
        m_query.setForwardOnly(true);
        m_ok = m_query.prepare(sql);
    }

    Statement& bind(const QVariant& value)
    {
        m_query.addBindValue(value);
        return *this;
    }

    // False with the reason when the statement fails.
    bool exec(QString& why)
    {
        if (m_ok && m_query.exec())
            return true;
        why = m_sql + QStringLiteral(": ") + m_query.lastError().text();
        return false;
    }

    QSqlQuery& query() { return m_query; }

private:
    QSqlQuery m_query;
    QString m_sql;
    bool m_ok;
};

const char* const schema[] = {
    "CREATE TABLE IF NOT EXISTS cards (uid TEXT PRIMARY KEY, cardnumber INTEGER NOT NULL DEFAULT 0, "
    "carddata TEXT NOT NULL DEFAULT '', counter INTEGER NOT NULL DEFAULT 0)",
    "CREATE INDEX IF NOT EXISTS cards_number ON cards (cardnumber)",
    "CREATE TABLE IF NOT EXISTS clients (id INTEGER PRIMARY KEY, clientdata TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS actions (id INTEGER PRIMARY KEY, uid TEXT NOT NULL, "
    "actiondata TEXT NOT NULL, booked INTEGER NOT NULL DEFAULT 0)",
    "CREATE INDEX IF NOT EXISTS actions_uid ON actions (uid, id)",
    "CREATE TABLE IF NOT EXISTS actionlogs (id INTEGER PRIMARY KEY, uid TEXT NOT NULL, "
    "logdata TEXT NOT NULL, isread INTEGER NOT NULL DEFAULT 0)",
    "CREATE INDEX IF NOT EXISTS actionlogs_uid ON actionlogs (uid, id)",
    "CREATE TABLE IF NOT EXISTS users (name TEXT PRIMARY KEY, passwordhash TEXT NOT NULL)",
};

} // namespace

QString TCardStore::databasePath(const QString& dataDir)
{
    return QDir(dataDir).filePath(QStringLiteral("var/lumcardd/cards.sqlite"));
}

TCardStore::TCardStore(const QString& dataDir)
    : m_connection(QStringLiteral("lumcardd-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    const QString path = databasePath(dataDir);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        fail(path, QStringLiteral("the folder cannot be created"));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(path);
    // Another program on the same database (lumcardd adduser) is waited for, not failed.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    try {
        if (!m_db.open())
            fail(path, m_db.lastError().text());
        createTables();
    } catch (...) {
        close();
        throw;
    }
}

TCardStore::~TCardStore()
{
    close();
}

void TCardStore::close()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

void TCardStore::fail(const QString& what, const QString& why) const
{
    throw Database::TSQLError(__LINE__, "cardstore", 0, 0, what + QStringLiteral(": ") + why);
}

void TCardStore::createTables()
{
    QString why;
    // The journal in its own file lets readers go on while a change is written; a change that
    // was committed survives the end of the process at any moment.
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL"}) {
        Statement statement(m_db, QString::fromLatin1(pragma));
        if (!statement.exec(why))
            fail(m_db.databaseName(), why);
    }
    for (const char* sql : schema) {
        Statement statement(m_db, QString::fromLatin1(sql));
        if (!statement.exec(why))
            fail(m_db.databaseName(), why);
    }
}

std::optional<TCardStore::Card> TCardStore::card(const QString& uid)
{
    QString why;
    Statement s(m_db, QStringLiteral("SELECT carddata, counter, cardnumber FROM cards WHERE uid = ?"));
    if (!s.bind(uid).exec(why))
        fail(QStringLiteral("cards"), why);
    if (!s.query().next())
        return std::nullopt;
    return Card{uid, s.query().value(0).toString(), s.query().value(1).toLongLong(),
                s.query().value(2).toLongLong()};
}

QList<TCardStore::Card> TCardStore::cards()
{
    QString why;
    Statement s(m_db, QStringLiteral("SELECT uid, carddata, counter, cardnumber FROM cards ORDER BY uid"));
    if (!s.exec(why))
        fail(QStringLiteral("cards"), why);
    QList<Card> result;
    while (s.query().next())
        result.append({s.query().value(0).toString(), s.query().value(1).toString(),
                       s.query().value(2).toLongLong(), s.query().value(3).toLongLong()});
    return result;
}

void TCardStore::putCard(const Card& card)
{
    QString why;
    Statement s(m_db, QStringLiteral("INSERT OR REPLACE INTO cards (uid, cardnumber, carddata, counter) "
                                     "VALUES (?, ?, ?, ?)"));
    if (!s.bind(card.uid).bind(card.number).bind(card.text).bind(card.counter).exec(why))
        fail(QStringLiteral("cards"), why);
}

QStringList TCardStore::uidsWithNumber(qint64 number)
{
    QString why;
    Statement s(m_db, QStringLiteral("SELECT uid FROM cards WHERE cardnumber = ? ORDER BY uid"));
    if (!s.bind(number).exec(why))
        fail(QStringLiteral("cards"), why);
    QStringList uids;
    while (s.query().next())
        uids.append(s.query().value(0).toString());
    return uids;
}

QStringList TCardStore::clientTexts()
{
    QString why;
    Statement s(m_db, QStringLiteral("SELECT clientdata FROM clients ORDER BY id"));
    if (!s.exec(why))
        fail(QStringLiteral("clients"), why);
    QStringList texts;
    while (s.query().next())
        texts.append(s.query().value(0).toString());
    return texts;
}

std::optional<QString> TCardStore::client(int id)
{
    QString why;
    Statement s(m_db, QStringLiteral("SELECT clientdata FROM clients WHERE id = ?"));
    if (!s.bind(id).exec(why))
        fail(QStringLiteral("clients"), why);
    if (!s.query().next())
        return std::nullopt;
    return s.query().value(0).toString();
}

namespace {

int nextId(const QSqlDatabase& db, const char* table, QString& why, bool& ok)
{
    Statement s(db, QStringLiteral("SELECT COALESCE(MAX(id), 0) + 1 FROM %1").arg(QLatin1StringView(table)));
    ok = s.exec(why) && s.query().next();
    return ok ? s.query().value(0).toInt() : 0;
}

} // namespace

int TCardStore::nextClientId()
{
    QString why;
    bool ok = false;
    const int id = nextId(m_db, "clients", why, ok);
    if (!ok)
        fail(QStringLiteral("clients"), why);
    return id;
}

void TCardStore::putClient(int id, const QString& text)
{
    QString why;
    Statement s(m_db, QStringLiteral("INSERT OR REPLACE INTO clients (id, clientdata) VALUES (?, ?)"));
    if (!s.bind(id).bind(text).exec(why))
        fail(QStringLiteral("clients"), why);
}

std::optional<TCardStore::Action> TCardStore::action(int id)
{
    QString why;
    Statement s(m_db, QStringLiteral("SELECT uid, actiondata, booked FROM actions WHERE id = ?"));
    if (!s.bind(id).exec(why))
        fail(QStringLiteral("actions"), why);
    if (!s.query().next())
        return std::nullopt;
    return Action{id, s.query().value(0).toString(), s.query().value(1).toString(),
                  s.query().value(2).toBool()};
}

QList<TCardStore::Action> TCardStore::actions(const QString& uid, bool includeBooked)
{
    QString why;
    Statement s(
        m_db, includeBooked
                  ? QStringLiteral("SELECT id, actiondata, booked FROM actions WHERE uid = ? ORDER BY id")
                  : QStringLiteral("SELECT id, actiondata, booked FROM actions WHERE uid = ? AND booked = 0 "
                                   "ORDER BY id"));
    if (!s.bind(uid).exec(why))
        fail(QStringLiteral("actions"), why);
    QList<Action> result;
    while (s.query().next())
        result.append(
            {s.query().value(0).toInt(), uid, s.query().value(1).toString(), s.query().value(2).toBool()});
    return result;
}

int TCardStore::nextActionId()
{
    QString why;
    bool ok = false;
    const int id = nextId(m_db, "actions", why, ok);
    if (!ok)
        fail(QStringLiteral("actions"), why);
    return id;
}

void TCardStore::putAction(const Action& action)
{
    QString why;
    Statement s(m_db, QStringLiteral("INSERT OR REPLACE INTO actions (id, uid, actiondata, booked) "
                                     "VALUES (?, ?, ?, ?)"));
    if (!s.bind(action.id).bind(action.uid).bind(action.text).bind(action.booked ? 1 : 0).exec(why))
        fail(QStringLiteral("actions"), why);
}

bool TCardStore::removeAction(int id)
{
    QString why;
    Statement s(m_db, QStringLiteral("DELETE FROM actions WHERE id = ?"));
    if (!s.bind(id).exec(why))
        fail(QStringLiteral("actions"), why);
    return s.query().numRowsAffected() > 0;
}

int TCardStore::nextLogId()
{
    QString why;
    bool ok = false;
    const int id = nextId(m_db, "actionlogs", why, ok);
    if (!ok)
        fail(QStringLiteral("actionlogs"), why);
    return id;
}

int TCardStore::addLog(const QString& uid, int id, const QString& text)
{
    QString why;
    Statement s(m_db, QStringLiteral("INSERT INTO actionlogs (id, uid, logdata) VALUES (?, ?, ?)"));
    if (!s.bind(id).bind(uid).bind(text).exec(why))
        fail(QStringLiteral("actionlogs"), why);
    return id;
}

int TCardStore::countLogs(const QString& uid, bool includeRead)
{
    QString why;
    Statement s(m_db, QStringLiteral("SELECT COUNT(*) FROM actionlogs WHERE uid = ?%1")
                          .arg(includeRead ? QString() : QStringLiteral(" AND isread = 0")));
    if (!s.bind(uid).exec(why) || !s.query().next())
        fail(QStringLiteral("actionlogs"), why);
    return s.query().value(0).toInt();
}

QStringList TCardStore::readLogs(const QString& uid, int max, bool includeRead, int before)
{
    QString why;
    const QString sql =
        QStringLiteral("SELECT id, logdata FROM actionlogs WHERE uid = ?%1%2 ORDER BY id DESC%3")
            .arg(includeRead ? QString() : QStringLiteral(" AND isread = 0"),
                 before > 0 ? QStringLiteral(" AND id < ?") : QString(),
                 max > 0 ? QStringLiteral(" LIMIT ?") : QString());
    Statement s(m_db, sql);
    s.bind(uid);
    if (before > 0)
        s.bind(before);
    if (max > 0)
        s.bind(max);
    if (!s.exec(why))
        fail(QStringLiteral("actionlogs"), why);
    QStringList texts;
    int lowest = 0;
    while (s.query().next()) {
        lowest = s.query().value(0).toInt();
        texts.append(s.query().value(1).toString());
    }
    if (!texts.isEmpty()) {
        // Only the entries of this page that were unread: a row written again costs its whole
        // text, and a long log is read page by page.
        Statement mark(
            m_db,
            QStringLiteral("UPDATE actionlogs SET isread = 1 WHERE uid = ? AND isread = 0 AND id >= ?%1")
                .arg(before > 0 ? QStringLiteral(" AND id < ?") : QString()));
        mark.bind(uid).bind(lowest);
        if (before > 0)
            mark.bind(before);
        if (!mark.exec(why))
            fail(QStringLiteral("actionlogs"), why);
    }
    return texts;
}

QString TCardStore::userHash(const QString& name)
{
    QString why;
    Statement s(m_db, QStringLiteral("SELECT passwordhash FROM users WHERE name = ?"));
    if (!s.bind(name).exec(why))
        fail(QStringLiteral("users"), why);
    return s.query().next() ? s.query().value(0).toString() : QString();
}

void TCardStore::putUser(const QString& name, const QString& hash)
{
    QString why;
    Statement s(m_db, QStringLiteral("INSERT OR REPLACE INTO users (name, passwordhash) VALUES (?, ?)"));
    if (!s.bind(name).bind(hash).exec(why))
        fail(QStringLiteral("users"), why);
}

int TCardStore::userCount()
{
    QString why;
    Statement s(m_db, QStringLiteral("SELECT COUNT(*) FROM users"));
    if (!s.exec(why) || !s.query().next())
        fail(QStringLiteral("users"), why);
    return s.query().value(0).toInt();
}

TCardStore::Transaction::Transaction(TCardStore& store)
    : m_store(store)
{
    if (!m_store.m_db.transaction())
        m_store.fail(QStringLiteral("transaction"), m_store.m_db.lastError().text());
}

TCardStore::Transaction::~Transaction()
{
    if (!m_done)
        m_store.m_db.rollback();
}

void TCardStore::Transaction::commit()
{
    if (!m_store.m_db.commit())
        m_store.fail(QStringLiteral("commit"), m_store.m_db.lastError().text());
    m_done = true;
}
