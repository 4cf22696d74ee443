#include "tcostcenterdlg.h"

#include "terror.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <memory>

using PosLib::TCostCenter;

namespace {

// The database error of an operation ("Insert", "Change", or "Check" for a statement the database
// cannot even prepare, such as one on a missing table).
[[noreturn]] void fail(int line, const char* operation, const QString& reason, int id)
{
    throw Database::TSQLError(line, "tcostcenterdlg", 0, id,
                              QStringLiteral("%1: %2").arg(QLatin1String(operation), reason));
}

// The workspace's database; invalid when there is none. One that exists but cannot be opened
// fails the operation.
QSqlDatabase costDatabase(const TLumWindow* window, const char* operation, int id)
{
    TLumWorkspace* workspace = window ? window->workspace() : nullptr;
    if (!workspace)
        return {};
    QSqlDatabase db = workspace->database();
    if (db.isValid() && !db.isOpen())
        fail(__LINE__, operation, workspace->databaseError(), id);
    return db;
}

void prepare(QSqlQuery& query, const QString& statement, int id)
{
    if (!query.prepare(statement))
        fail(__LINE__, "Check", query.lastError().text(), id);
}

} // namespace

TCostCenterDlg::TCostCenterDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TCostCenterDlg", QStringLiteral("costcenters"), tr("Edit cost center"),
                    tr("Edit cost centers"))
{
    initData();
    onChange();
}

void TCostCenterDlg::initData()
{
    TEditorDialog::initData();
    fields()
        .text(m_Name, &TCostCenter::getName, &TCostCenter::setName)
        .text(m_ShortName, &TCostCenter::getShortName, &TCostCenter::setShortName)
        .text(m_Account, &TCostCenter::getAccount, &TCostCenter::setAccount);
}

void TCostCenterDlg::storeNew(Basics::TValueList* target, TCostCenter* center)
{
    std::unique_ptr<TCostCenter> owned(center); // deleted when the row cannot be written
    insertCost(*center);
    target->put(owned.release());
}

void TCostCenterDlg::storeChanged(Basics::TValueList* target, TCostCenter* center)
{
    // The record changes only once its row has.
    TCostCenter changed = *center;
    getData(&changed);
    updateCost(changed);
    *center = changed;
    target->notifyChanged(center);
}

void TCostCenterDlg::insertCost(const TCostCenter& center)
{
    const int id = center.getID();
    QSqlDatabase db = costDatabase(window(), "Insert", id);
    if (!db.isValid())
        return;
    QSqlQuery query(db);
    prepare(query, QStringLiteral("INSERT INTO Kostenstellen (KSCode, Bezeichnung) VALUES (?, ?)"), id);
    query.addBindValue(id);
    query.addBindValue(center.getName());
    if (!query.exec())
        fail(__LINE__, "Insert", query.lastError().text(), id);
}

void TCostCenterDlg::updateCost(const TCostCenter& center)
{
    const int id = center.getID();
    QSqlDatabase db = costDatabase(window(), "Change", id);
    if (!db.isValid())
        return;
    QSqlQuery select(db);
    select.setForwardOnly(true);
    prepare(select, QStringLiteral("SELECT KstNr FROM Kostenstellen WHERE KSCode = ?"), id);
    select.addBindValue(id);
    if (!select.exec())
        fail(__LINE__, "Change", select.lastError().text(), id);
    if (!select.next()) {
        qDebug("Value %d not found", id);
        return;
    }
    select.finish();
    QSqlQuery update(db);
    prepare(update, QStringLiteral("UPDATE Kostenstellen SET Bezeichnung = ? WHERE KSCode = ?"), id);
    update.addBindValue(center.getName());
    update.addBindValue(id);
    if (!update.exec())
        fail(__LINE__, "Change", update.lastError().text(), id);
}
