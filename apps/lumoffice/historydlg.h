#pragma once

#include "changehistory.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QPushButton;
class QTreeWidget;

// The change history of one record or of one list: who changed what and when, filtered by user
// and period, with the attributes before and after the selected change. "Restore" puts the record
// back as it was before the change, through the list as an edit does, so the user's right for the
// list applies and the restore is recorded in its turn.
class THistoryDlg : public QDialog {
    Q_OBJECT
public:
    struct Access {
        // Whether the user may change the list (restore is refused otherwise).
        std::function<bool(const QString& list)> mayChange;
        // A user's name for the list of users.
        std::function<QString(int user)> userName;
        // Why restore is not offered here (an editor holds the record); empty: it is.
        QString noRestore;
    };
    // id: one record's history; without it the whole list's.
    THistoryDlg(TChangeHistory& history, TLumWorkspace& workspace, const QString& list, std::optional<int> id,
                Access access, QWidget* parent);

    QTreeWidget* changes() const { return m_changes; }
    QTreeWidget* details() const { return m_details; }

public Q_SLOTS:
    void reload();
    void restoreSelected();

private:
    void showDetails();
    const TChangeHistory::Entry* selectedEntry() const;

    TChangeHistory& m_history;
    TLumWorkspace& m_workspace;
    QString m_list;
    std::optional<int> m_id;
    Access m_access;
    QList<TChangeHistory::Entry> m_entries;
    QComboBox* m_user;
    QCheckBox* m_period;
    QDateTimeEdit* m_from;
    QDateTimeEdit* m_to;
    QTreeWidget* m_changes;
    QTreeWidget* m_details;
    QLabel* m_status;
    QPushButton* m_restore;
};
