#include "changehistory.h"

#include "terror.h"
#include "tlog.h"
#include "tsqldatabase.h"

#include <QDataStream>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace {

constexpr qsizetype historyTextLimit = 4 * 1024 * 1024; // a record's text above this is no record

// The time the clock shows, as a timestamp without a zone (as the cash journal keeps its times).
QDateTime historyWallClock(const QDateTime& local)
{
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

QString historyError(const QSqlQuery& query)
{
    return query.lastError().text();
}

} // namespace

TChangeHistory::TChangeHistory(TLumWorkspace& workspace, std::function<int()> user)
    : m_workspace(workspace)
    , m_user(std::move(user))
{
    m_workspace.setChangeObserver(
        [this](const QString& list, const std::vector<TLumWorkspace::RecordChange>& changes) {
            record(list, changes);
        });
}

TChangeHistory::~TChangeHistory()
{
    m_workspace.saveChanges();
    m_workspace.setChangeObserver({});
}

QString TChangeHistory::encode(const Basics::TValue& record)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_3_3);
    stream << record;
    return QString::fromLatin1(bytes.toBase64());
}

std::optional<Basics::TValue> TChangeHistory::decode(const QString& text)
{
    if (text.isEmpty() || text.size() > historyTextLimit)
        return std::nullopt;
    const QByteArray bytes = QByteArray::fromBase64(text.toLatin1());
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_3_3);
    Basics::TValue record;
    try {
        stream >> record;
    } catch (const Basics::TError&) {
        return std::nullopt;
    }
    if (stream.status() != QDataStream::Ok)
        return std::nullopt;
    return record;
}

void TChangeHistory::record(const QString& list, const std::vector<TLumWorkspace::RecordChange>& changes)
{
    const QDateTime now = historyWallClock(QDateTime::currentDateTime());
    const int user = m_user ? m_user() : 0;
    for (const TLumWorkspace::RecordChange& change : changes) {
        Entry entry;
        entry.list = list;
        entry.id = change.id;
        entry.user = user;
        entry.when = now;
        entry.kind = !change.before ? Created : !change.after ? Deleted : Changed;
        entry.before = change.before;
        entry.after = change.after;
        m_pending.push_back(std::move(entry));
    }
    QString error = m_failure;
    if (!m_sinceFailure.isValid() || m_sinceFailure.elapsed() >= m_retryPause.count()) {
        error.clear();
        if (writePending(&error)) {
            m_sinceFailure.invalidate();
        } else {
            m_sinceFailure.start();
            Basics::TLog::instance().write(Basics::TLog::Error,
                                           QStringLiteral("change history not written: %1").arg(error),
                                           "lumoffice", "TChangeHistory");
        }
        m_failure = error;
    }
    if (m_onWrite)
        m_onWrite(error);
}

QSqlDatabase TChangeHistory::database(QString* error) const
{
    QSqlDatabase db = m_workspace.database();
    if (!db.isOpen()) {
        if (error)
            *error = m_workspace.databaseError();
        return db;
    }
    // The workspace's own SQLite file has the table; a server gets it with the first use.
    if (!m_tableChecked) {
        const QStringList tables = db.tables();
        const bool present = std::any_of(tables.cbegin(), tables.cend(), [](const QString& table) {
            return table.compare(QLatin1String("ChangeHistory"), Qt::CaseInsensitive) == 0;
        });
        QSqlError failure;
        const QString script =
            Database::projectScript(Database::kindOf(db), QStringLiteral("changehistory.sql"));
        if (!present && (script.isEmpty() || !Database::runScript(db, script, &failure))) {
            if (error)
                *error = script.isEmpty() ? QStringLiteral("no table ChangeHistory") : failure.text();
            return QSqlDatabase();
        }
        m_tableChecked = true;
    }
    return db;
}

bool TChangeHistory::writePending(QString* error)
{
    if (m_pending.empty())
        return true;
    QSqlDatabase db = database(error);
    if (!db.isOpen())
        return false;
    // All waiting rows or none, so that none is written twice.
    if (!db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO ChangeHistory (ListName, RecordId, UserId, ChangedAt, Kind, "
                                 "OldRecord, NewRecord) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (const Entry& entry : m_pending) {
        query.addBindValue(entry.list);
        query.addBindValue(entry.id);
        query.addBindValue(entry.user);
        query.addBindValue(entry.when);
        query.addBindValue(int(entry.kind));
        query.addBindValue(entry.before ? encode(*entry.before) : QString());
        query.addBindValue(entry.after ? encode(*entry.after) : QString());
        if (!query.exec()) {
            *error = historyError(query);
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        *error = db.lastError().text();
        db.rollback();
        return false;
    }
    m_pending.clear();
    return true;
}

QList<TChangeHistory::Entry> TChangeHistory::entries(const Filter& filter, QString* error) const
{
    QList<Entry> found;
    QSqlDatabase db = database(error);
    if (!db.isOpen())
        return found;
    QString sql =
        QStringLiteral("SELECT Nr, ListName, RecordId, UserId, ChangedAt, Kind, OldRecord, NewRecord "
                       "FROM ChangeHistory WHERE 1 = 1");
    QVariantList values;
    if (!filter.list.isEmpty()) {
        sql += QStringLiteral(" AND ListName = ?");
        values << filter.list;
    }
    if (filter.id) {
        sql += QStringLiteral(" AND RecordId = ?");
        values << *filter.id;
    }
    if (filter.user) {
        sql += QStringLiteral(" AND UserId = ?");
        values << *filter.user;
    }
    if (filter.from.isValid()) {
        sql += QStringLiteral(" AND ChangedAt >= ?");
        values << historyWallClock(filter.from);
    }
    if (filter.to.isValid()) {
        sql += QStringLiteral(" AND ChangedAt <= ?");
        values << historyWallClock(filter.to);
    }
    sql += QStringLiteral(" ORDER BY Nr DESC LIMIT %1").arg(std::max(1, filter.limit));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant& value : std::as_const(values))
        query.addBindValue(value);
    if (!query.exec()) {
        if (error)
            *error = historyError(query);
        return found;
    }
    while (query.next()) {
        Entry entry;
        entry.number = query.value(0).toLongLong();
        entry.list = query.value(1).toString();
        entry.id = query.value(2).toInt();
        entry.user = query.value(3).toInt();
        const QDateTime when = query.value(4).toDateTime();
        entry.when = QDateTime(when.date(), when.time());
        entry.kind = Kind(query.value(5).toInt());
        entry.before = decode(query.value(6).toString());
        entry.after = decode(query.value(7).toString());
        found << entry;
    }
    return found;
}

QList<int> TChangeHistory::users(const QString& list, std::optional<int> id, QString* error) const
{
    QList<int> found;
    QSqlDatabase db = database(error);
    if (!db.isOpen())
        return found;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        id ? QStringLiteral("SELECT DISTINCT UserId FROM ChangeHistory WHERE ListName = ? AND RecordId = ? "
                            "ORDER BY UserId")
           : QStringLiteral("SELECT DISTINCT UserId FROM ChangeHistory WHERE ListName = ? ORDER BY UserId"));
    query.addBindValue(list);
    if (id)
        query.addBindValue(*id);
    if (!query.exec()) {
        if (error)
            *error = historyError(query);
        return found;
    }
    while (query.next())
        found << query.value(0).toInt();
    return found;
}
