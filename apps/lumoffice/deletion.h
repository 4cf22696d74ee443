#pragma once

#include "tvalue.h"

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QTreeWidget;
class TLumWorkspace;

namespace Basics {
class TValueList;
}

// Before records are deleted: which records of the workspace refer to them (by the reference
// columns of the table of lists), and whether one of them is the system currency, which is never
// deleted.
namespace TDeleteCheck {

// "<list>: <id> <name> (<column>)" for every record that refers to one of the ids of the list.
QStringList referrers(TLumWorkspace& workspace, const QString& list, const QList<int>& ids);
// The id of the system currency when the list is the currencies and it holds it among the ids.
bool holdsSystemCurrency(TLumWorkspace& workspace, const QString& list, const QList<int>& ids);

} // namespace TDeleteCheck

// The records deleted while the program runs, newest first, so that they can be brought back.
class TDeletedRecords {
public:
    struct Entry {
        QString list;
        std::unique_ptr<Basics::TValue> record;
        QDateTime when;
    };

    // Keeps a copy of the record, which its list is about to delete.
    void keep(const QString& list, const Basics::TValueList& records, const Basics::TValue& record);
    const std::vector<Entry>& entries() const { return m_entries; }
    // Puts the record back into its list; false (and nothing changed) when its id is taken again.
    bool restore(TLumWorkspace& workspace, std::size_t index);

private:
    std::vector<Entry> m_entries;
};

// The "Deleted records" view: the records deleted since the start, and Restore.
class TDeletedRecordsDlg : public QDialog {
    Q_OBJECT
public:
    // mayRestore says whether the operator may change the record's list.
    TDeletedRecordsDlg(TDeletedRecords& deleted, TLumWorkspace& workspace,
                       std::function<bool(const QString&)> mayRestore, QWidget* parent);

private:
    void fill();
    void restoreSelected();

    TDeletedRecords& m_deleted;
    TLumWorkspace& m_workspace;
    std::function<bool(const QString&)> m_mayRestore;
    QTreeWidget* m_list;
};
