#pragma once

#include "lumlib_global.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QDialog;
class QLabel;
class QTreeWidget;
class QTreeView;
class QTreeWidgetItem;
class TLumConfig;
class TLumWorkspace;

namespace Basics {
class TLog;
}

// The host's main window as the dialogs see it: the workspace, the configuration (read from the
// workspace's data root), the logged-in user, the log, a wait dialog, and finding rows in lists.
class LUMLIB_EXPORT TLumWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TLumWindow(TLumWorkspace* workspace, QWidget* parent = nullptr);
    ~TLumWindow() override;

    TLumWorkspace* workspace() const { return m_workspace; }
    TLumConfig* config() const { return m_config.get(); }
    Basics::TLog* log() const;

    // The id of the logged-in user, 0 when nobody is logged in.
    int userId() const { return m_userId; }
    bool isLoggedIn() const { return m_userId > 0; }
    void setUser(int userId);

    // A small window telling the operator to wait: text, caption, and the widget it belongs to.
    // With cancel set it has a Cancel button, whose pressing waitCancelled() tells.
    void showWaitDlg(bool cancel, const QString& text, const QString& caption, QWidget* parent = nullptr);
    void hideWaitDlg();
    bool waitCancelled() const { return m_waitCancelled; }

    // Selects and shows the first row of the list whose text, in any column, contains the text
    // (case ignored); when the current row matches already, the next matching one. Null when none.
    QTreeWidgetItem* findListItem(const QString& text, QTreeWidget* list);
    // The same in a view over any flat model; the row found, or -1.
    int findListRow(const QString& text, QTreeView* view);

Q_SIGNALS:
    void userChanged(int userId);

private:
    // The window that shows waits for locks: the one made last.
    static TLumWindow*& waitingWindow();

    TLumWorkspace* m_workspace;
    std::unique_ptr<TLumConfig> m_config;
    int m_userId = 0;
    QPointer<QDialog> m_waitDialog;
    QPointer<QLabel> m_waitText;
    bool m_waitCancelled = false;
};
