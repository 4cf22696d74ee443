#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class TLumWorkspace;

// The window of the configuration check: one row per reference to a record that does not exist.
// A double click (or Return) opens the editor on the record that holds the reference; the check
// runs again when the editor closes, so a repaired reference leaves the list.
class TConfigCheckDlg : public QDialog {
    Q_OBJECT
public:
    // openRecord opens the editor of a list on one record.
    using OpenRecord = std::function<void(const QString& list, int id)>;
    TConfigCheckDlg(TLumWorkspace& workspace, OpenRecord openRecord, QWidget* parent);

    QTreeWidget* findings() const { return m_findings; }

public Q_SLOTS:
    void check();

private:
    void open(QTreeWidgetItem* item);

    TLumWorkspace& m_workspace;
    OpenRecord m_openRecord;
    QTreeWidget* m_findings;
    QLabel* m_summary;
};
