#pragma once

#include <QObject>

class QAction;
class QMenu;
class TLumWindow;
class TPeriodChooser;

// The menu "Cash office" of the back office: the cash transactions (vault, waiters, cash counts,
// journal) and the statistics check over the period of the period chooser. Each entry follows the
// logged-in user's right for its dialog.
class TCashOfficeMenu : public QObject {
    Q_OBJECT
public:
    TCashOfficeMenu(TLumWindow* window, TPeriodChooser* period);

    QMenu* menu() const { return m_menu; }
    QAction* transactionsAction() const { return m_transactions; }
    QAction* statCheckAction() const { return m_statCheck; }

public Q_SLOTS:
    void openTransactions();
    void openStatCheck();

private:
    void updateActions();

    TLumWindow* m_window;
    TPeriodChooser* m_period;
    QMenu* m_menu;
    QAction* m_transactions;
    QAction* m_statCheck;
};
