#pragma once

#include <QObject>

class QAction;
class QMenu;
class TLumWindow;

// The entries "Back up data..." and "Restore data..." of the Tools menu: an archive of the whole
// data root, taken while other programs work, and its restore in place of the data root. Backing
// up needs any right for "DataBackup", restoring the full right for "DataRestore"; the restore
// says what it replaces and asks first, and closes the window after it, so that nothing of the
// replaced data stays in memory.
class TBackupActions : public QObject {
    Q_OBJECT
public:
    TBackupActions(TLumWindow* window, QMenu* menu);

    QAction* backupAction() const { return m_backup; }
    QAction* restoreAction() const { return m_restore; }
    // The question a restore asks before it replaces anything.
    static QString restoreQuestion(const QString& root, const QString& archive);

public Q_SLOTS:
    void backUp();
    void restore();

private:
    void updateActions();

    TLumWindow* m_window;
    QAction* m_backup;
    QAction* m_restore;
};
