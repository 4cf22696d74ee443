#include "tcostcenters.h"

#include "terror.h"
#include "tlumworkspace.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <memory>

namespace {

[[noreturn]] void fail(int line, const char* operation, const QString& reason, int id)
{
    throw Database::TSQLError(line, "tcostcenters", 0, id,
                              QStringLiteral("%1: %2").arg(QLatin1String(operation), reason));
}

// The workspace's database; invalid when there is none. One that exists but cannot be opened
// fails the operation.
QSqlDatabase costDatabase(TLumWorkspace* workspace, const char* operation, int id)
{
    if (!workspace)
        return {};
    QSqlDatabase db = workspace->database();
    if (db.isValid() && !db.isOpen())
        fail(__LINE__, operation, workspace->databaseError(), id);
    return db;
}

// Runs one statement with its values bound; the operation names what failed.
void run(QSqlDatabase& db, const char* operation, const QString& statement, const QVariantList& values,
         int id)
{
    QSqlQuery query(db);
    if (!query.prepare(statement))
        fail(__LINE__, "Check", query.lastError().text(), id);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        fail(__LINE__, operation, query.lastError().text(), id);
}

} // namespace

TCostCenters::TCostCenters(TLumWorkspace* workspace)
    : TNamedList(PosLib::TListNames::forRoot(QStringLiteral("costcenters")))
    , m_workspace(workspace)
{
}

void TCostCenters::put(Basics::TValue* value)
{
    std::unique_ptr<Basics::TValue> owned(value); // deleted when its row cannot be written
    if (!find(value->getID()))
        insertRow(*value);
    TNamedList::put(owned.release());
}

void TCostCenters::notifyChanged(Basics::TValue* value)
{
    updateRow(*value);
    TNamedList::notifyChanged(value);
}

bool TCostCenters::remove(Basics::TValue* value)
{
    if (find(value->getID()))
        deleteRow(value->getID());
    return TNamedList::remove(value);
}

void TCostCenters::insertRow(const Basics::TValue& center)
{
    const int id = center.getID();
    QSqlDatabase db = costDatabase(m_workspace, "Insert", id);
    if (db.isValid())
        run(db, "Insert", QStringLiteral("INSERT INTO Kostenstellen (KSCode, Bezeichnung) VALUES (?, ?)"),
            {id, center.getName()}, id);
}

void TCostCenters::updateRow(const Basics::TValue& center)
{
    const int id = center.getID();
    QSqlDatabase db = costDatabase(m_workspace, "Change", id);
    if (!db.isValid())
        return;
    QSqlQuery select(db);
    select.setForwardOnly(true);
    if (!select.prepare(QStringLiteral("SELECT KstNr FROM Kostenstellen WHERE KSCode = ?")))
        fail(__LINE__, "Check", select.lastError().text(), id);
    select.addBindValue(id);
    if (!select.exec())
        fail(__LINE__, "Change", select.lastError().text(), id);
    if (!select.next()) {
        qDebug("Value %d not found", id); // a cost centre made before the database existed
        return;
    }
    select.finish();
    run(db, "Change", QStringLiteral("UPDATE Kostenstellen SET Bezeichnung = ? WHERE KSCode = ?"),
        {center.getName(), id}, id);
}

void TCostCenters::deleteRow(int id)
{
    QSqlDatabase db = costDatabase(m_workspace, "Delete", id);
    if (db.isValid())
        run(db, "Delete", QStringLiteral("DELETE FROM Kostenstellen WHERE KSCode = ?"), {id}, id);
}
