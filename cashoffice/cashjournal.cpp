#include "cashjournal.h"

#include "journalcolumns_p.h"
#include "tlog.h"
#include "tlumworkspace.h"
#include "tsqldatabase.h"

#include <QSqlError>
#include <QSqlQuery>

#include <map>
#include <memory>

namespace Database {

namespace {

const QString journalTable = QStringLiteral("CashGroupJournals");
const QString ccdTable = QStringLiteral("cashgroupccd");

// Several rows go into one INSERT: a round trip per row is what costs on a server. 40 rows of 23
// columns stay below the 999 parameters that some SQLite builds allow.
constexpr int rowsPerStatement = 40;

// The table "cashgroupccd" as SQL Server knows it; the other databases have it in their scripts.
QString sqlServerCCDTable()
{
    static const char* const columns[][2] = {
        {"id", " bigint NOT NULL IDENTITY(1,1) PRIMARY KEY(id),"},
        {"ccdtimestamp", " datetime NULL,"},
        {"location", " nvarchar(max) NULL,"},
        {"cashgroup", " nvarchar(max) NULL,"},
        {"targetamount", " numeric(12,5) NULL,"},
        {"differenceamount", " numeric(12,5) NULL,"},
        {"actualamount", " numeric(12,5) NULL,"},
        {"outletid", " bigint NOT NULL,"},
        {"outletname", " nvarchar(max) NOT NULL,"},
        {"mandantid", " bigint NOT NULL,"},
        {"mandantname", " nvarchar(max) NOT NULL,"},
        {"sumoutletid", " bigint NOT NULL,"},
        {"terminalid", " bigint NOT NULL,"},
        {"terminalname", " nvarchar(max) NOT NULL,"},
        {"costcenterid", " bigint NOT NULL,"},
        {"costcentername", " nvarchar(max) NOT NULL,"},
        {"waiterid", " bigint NULL,"},
        {"waitername", " nvarchar(max) NULL,"},
        {"ccdid", " bigint NULL"},
    };
    QString list;
    for (const auto& column : columns)
        list += QLatin1String(column[0]) + QLatin1String(column[1]);
    return QStringLiteral("CREATE TABLE %1 ( %2 )").arg(ccdTable, list);
}

QString insertStatement(const QString& table, const QStringList& columns, qsizetype rows)
{
    QString row = QStringLiteral("(?");
    for (qsizetype i = 1; i < columns.size(); ++i)
        row += QLatin1String(",?");
    row += u')';
    QStringList all(rows, row);
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3").arg(table, columns.join(u','), all.join(u','));
}

// Walks the rows of a query, at most maxRowsRead of them; false when some were left unread.
template <class Visit>
bool readRows(QSqlQuery& query, Visit visit)
{
    for (int count = 0; query.next(); ++count) {
        if (count == CashJournal::maxRowsRead)
            return false;
        visit(query);
    }
    return true;
}

} // namespace

CashJournal::CashJournal(TLumWorkspace* workspace, Basics::TLog* log)
    : m_workspace(workspace)
    , m_log(log ? log : &Basics::TLog::instance())
{
}

CashJournal::~CashJournal() = default;

void CashJournal::log(int level, const QString& text) const
{
    if (m_log->level() >= level)
        m_log->write(level, text, "cashoffice", "CashJournal");
}

void CashJournal::fail(const char* operation, const QSqlError& error)
{
    m_error = QStringLiteral("Type: %1 Code: %2 DB: %3 Driver: %4")
                  .arg(int(error.type()))
                  .arg(error.nativeErrorCode(), error.databaseText(), error.driverText());
    log(Basics::TLog::Error, QStringLiteral("%1 failed. %2").arg(QLatin1String(operation), m_error));
}

QSqlDatabase CashJournal::connection(const char* operation)
{
    m_error.clear();
    // A statement still reading would keep the connection busy (and a transaction from ending).
    m_reader.reset();
    if (inTransaction()) {
        if (!m_transaction.isOpen())
            fail(operation, QSqlError(QString(), QStringLiteral("The connection was lost."),
                                      QSqlError::ConnectionError));
        return m_transaction;
    }
    if (!m_workspace) {
        fail(operation, QSqlError(QString(), QStringLiteral("No workspace."), QSqlError::ConnectionError));
        return {};
    }
    QSqlDatabase db = m_workspace->database();
    if (!db.isOpen()) {
        QSqlError error = db.lastError();
        if (error.type() == QSqlError::NoError)
            error = QSqlError(QString(), m_workspace->databaseError(), QSqlError::ConnectionError);
        fail(operation, error);
    }
    return db;
}

bool CashJournal::execute(const char* operation, const QString& statement, const QVariantList& values)
{
    QSqlQuery query;
    return select(operation, query, statement, values);
}

bool CashJournal::insertRows(const char* operation, const QString& table, const QList<QStringList>& columns,
                             const QList<QVariantList>& values)
{
    QSqlDatabase db = connection(operation);
    if (!db.isOpen())
        return false;
    if (values.isEmpty())
        return true;
    const bool own = !inTransaction();
    if (own && !db.transaction()) {
        fail(operation, db.lastError());
        return false;
    }
    std::map<QString, std::unique_ptr<QSqlQuery>> statements;
    for (qsizetype first = 0; first < values.size();) {
        // The following rows with the same columns, as many as go into one statement.
        qsizetype end = first + 1;
        while (end < values.size() && end - first < rowsPerStatement && columns[end] == columns[first])
            ++end;
        const QString sql = insertStatement(table, columns[first], end - first);
        auto& query = statements[sql];
        bool ready = true;
        if (!query) {
            query = std::make_unique<QSqlQuery>(db);
            ready = query->prepare(sql);
        }
        int position = 0;
        for (qsizetype row = first; ready && row < end; ++row) {
            for (const QVariant& value : values[row])
                query->bindValue(position++, value);
        }
        if (!ready || !query->exec()) {
            fail(operation, query->lastError());
            statements.clear();
            if (own)
                db.rollback();
            return false;
        }
        first = end;
    }
    statements.clear();
    if (own && !db.commit()) {
        fail(operation, db.lastError());
        db.rollback();
        return false;
    }
    return true;
}

bool CashJournal::InsertJournalRow(const CashGroupJournalsTable& row)
{
    return InsertJournalRows({row});
}

bool CashJournal::InsertJournalRows(const CashGroupJournalsTableList& rows)
{
    QList<QStringList> columns;
    QList<QVariantList> values;
    columns.reserve(rows.size());
    values.reserve(rows.size());
    for (const CashGroupJournalsTable& row : rows) {
        columns << row.columnNames();
        values << row.columnValues();
    }
    return insertRows("insert journal rows", journalTable, columns, values);
}

bool CashJournal::InsertCCDRows(const CashGroupCCDTableList& rows)
{
    const QStringList names = CashGroupCCDTable::columnNames();
    QList<QStringList> columns(rows.size(), names);
    QList<QVariantList> values;
    values.reserve(rows.size());
    for (const CashGroupCCDTable& row : rows)
        values << row.columnValues();
    return insertRows("insert CCD rows", ccdTable, columns, values);
}

bool CashJournal::PrepareCCDRows(int sumOutlet)
{
    return execute("prepare CCD rows",
                   // Rows claimed already are left alone: a claim is taken again whenever the
                   // count page opens, and rewriting them would cost a write per claimed row.
                   QStringLiteral("UPDATE %1 SET %2 = -1 WHERE %3 = ? AND %4 < 1 AND %4 <> -1")
                       .arg(journalTable, QStringLiteral("cashccd_id"), QStringLiteral("outletsumkey"),
                            QStringLiteral("cashccd_id")),
                   {sumOutlet});
}

bool CashJournal::MarkCCDRows(int sumOutlet, qint64 ccdNumber, const QString& location)
{
    return execute("mark CCD rows",
                   QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ? AND %4 = -1 AND %5 = ?")
                       .arg(journalTable, QStringLiteral("cashccd_id"), QStringLiteral("outletsumkey"),
                            QStringLiteral("cashccd_id"), QStringLiteral("location")),
                   {ccdNumber, sumOutlet, location});
}

CashGroupCCDTableList CashJournal::GetCCDValues(int sumOutlet, const QString& location)
{
    const char* operation = "CCD values";
    CashGroupCCDTableList values;
    QSqlDatabase db = connection(operation);
    if (!db.isOpen())
        return values;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    QString sql = QStringLiteral("SELECT location, cashgroup, target FROM GetCCDValues WHERE sumoutlet = ?");
    if (!location.isEmpty())
        sql += QStringLiteral(" AND location = ?");
    sql += QStringLiteral(" ORDER BY location, cashgroup");
    query.prepare(sql);
    query.addBindValue(sumOutlet);
    if (!location.isEmpty())
        query.addBindValue(location);
    if (!query.exec()) {
        fail(operation, query.lastError());
        return values;
    }
    const bool complete = readRows(query, [&values](const QSqlQuery& row) {
        CashGroupCCDTable value;
        value.setLocation(row.value(0).toString());
        value.setCashGroup(row.value(1).toString());
        value.setTargetAmount(row.value(2).toDouble());
        values << value;
    });
    if (!complete)
        log(Basics::TLog::Warning, QStringLiteral("CCD values of outlet %1: only the first %2 rows are read.")
                                       .arg(sumOutlet)
                                       .arg(maxRowsRead));
    return values;
}

JournalDataList CashJournal::GetJournal(int sumOutlet, const QDateTime& from, const QDateTime& to)
{
    if (!OpenJournal(sumOutlet, from, to))
        return {};
    return ReadJournal(maxRowsRead + 1);
}

bool CashJournal::OpenJournal(int sumOutlet, const QDateTime& from, const QDateTime& to)
{
    const char* operation = "journal";
    QSqlDatabase db = connection(operation);
    if (!db.isOpen())
        return false;
    auto query = std::make_unique<QSqlQuery>(db);
    query->setForwardOnly(true);
    query->prepare(
        QStringLiteral("SELECT timestamprecord, location, waitername, cashgroup, cashamount, cashreason,"
                       " termname, billnum FROM CashGroupJournalView"
                       " WHERE outletsumkey = ? AND timestamprecord >= ? AND timestamprecord <= ?"
                       " ORDER BY timestamprecord, id"));
    query->addBindValue(sumOutlet);
    query->addBindValue(from);
    query->addBindValue(to);
    if (!query->exec()) {
        fail(operation, query->lastError());
        return false;
    }
    m_reader = std::move(query);
    m_readerSumOutlet = sumOutlet;
    m_readerRows = 0;
    return true;
}

JournalDataList CashJournal::ReadJournal(int count)
{
    JournalDataList lines;
    if (!m_reader)
        return lines;
    lines.reserve(qMin(count, 10000));
    QSqlQuery& row = *m_reader;
    while (lines.size() < count && row.next()) {
        if (m_readerRows == maxRowsRead) {
            log(Basics::TLog::Warning,
                QStringLiteral("Journal of outlet %1: only the first %2 rows are read.")
                    .arg(m_readerSumOutlet)
                    .arg(maxRowsRead));
            m_reader.reset();
            return lines;
        }
        ++m_readerRows;
        lines << JournalData{journalDateTime(row.value(0)), row.value(1).toString(),  row.value(2).toString(),
                             row.value(3).toString(),       row.value(4).toDouble(),  row.value(5).toString(),
                             row.value(6).toString(),       row.value(7).toLongLong()};
    }
    if (lines.size() < count)
        m_reader.reset(); // at the end
    return lines;
}

void CashJournal::CloseJournal()
{
    m_reader.reset();
}

QMap<QString, QString> CashJournal::GetNoCCDSince(int days, int sumOutlet)
{
    const char* operation = "not counted since";
    QMap<QString, QString> locations;
    QSqlDatabase db = connection(operation);
    if (!db.isOpen())
        return locations;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT NoCCDSince, location FROM GetNoCCDSinceDate WHERE sumoutlet = ? AND NoCCDSinceDays >= ?"));
    query.addBindValue(sumOutlet);
    query.addBindValue(days);
    if (!query.exec()) {
        fail(operation, query.lastError());
        return locations;
    }
    readRows(query, [&locations](const QSqlQuery& row) {
        locations.insert(row.value(1).toString(),
                         journalDateTime(row.value(0)).toString(QStringLiteral("dd.MM.yyyy hh:mm")));
    });
    return locations;
}

bool CashJournal::MakeCCDTable()
{
    const char* operation = "make CCD table";
    QSqlDatabase db = connection(operation);
    if (!db.isOpen())
        return false;
    for (const QString& table : db.tables()) {
        if (table.compare(ccdTable, Qt::CaseInsensitive) == 0)
            return true;
    }
    const Kind kind = kindOf(db);
    const QString script = projectScript(kind, ccdTable + QStringLiteral(".sql"));
    QSqlError error;
    if (!runScript(db, script.isEmpty() ? sqlServerCCDTable() : script, &error)) {
        fail(operation, error);
        return false;
    }
    return true;
}

bool CashJournal::InOneTransaction(const std::function<bool()>& steps)
{
    const char* operation = "transaction";
    QSqlDatabase db = connection(operation);
    if (!db.isOpen())
        return false;
    if (!db.transaction()) {
        fail(operation, db.lastError());
        return false;
    }
    m_transaction = db;
    bool done = steps();
    m_reader.reset();
    m_transaction = QSqlDatabase();
    if (done && !db.commit()) {
        fail(operation, db.lastError());
        done = false;
    }
    if (!done) {
        // What failed told why already; a failed rollback (the connection is gone) needs no word.
        const QString error = m_error;
        db.rollback();
        m_error = error;
    }
    return done;
}

} // namespace Database
