#include "cashofficemenu.h"

#include "cashtransactionsdialog.h"
#include "periodchooser.h"
#include "statcheckdlg.h"
#include "tlumconfig.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"

#include <QAction>
#include <QMenu>

namespace {

const QString transactionsDialog = QStringLiteral("CashTransactionsDialog");
const QString statCheckDialog = QStringLiteral("StatCheckDlg");

} // namespace

TCashOfficeMenu::TCashOfficeMenu(TLumWindow* window, TPeriodChooser* period)
    : QObject(window)
    , m_window(window)
    , m_period(period)
    , m_menu(new QMenu(tr("Cash &office"), window))
    , m_transactions(m_menu->addAction(tr("Cash &transactions...")))
    , m_statCheck(m_menu->addAction(tr("&Statistics check...")))
{
    m_menu->setObjectName(QStringLiteral("cashOfficeMenu"));
    m_transactions->setObjectName(QStringLiteral("cashTransactions"));
    m_transactions->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    m_transactions->setStatusTip(
        tr("Hand cash to waiters, book the vault, count cash drawers, see the journal"));
    m_statCheck->setObjectName(QStringLiteral("statCheck"));
    m_statCheck->setStatusTip(
        tr("Check the daily statistics of every outlet over the period (File > Select period)"));
    connect(m_transactions, &QAction::triggered, this, &TCashOfficeMenu::openTransactions);
    connect(m_statCheck, &QAction::triggered, this, &TCashOfficeMenu::openStatCheck);
    connect(window, &TLumWindow::userChanged, this, &TCashOfficeMenu::updateActions);
    updateActions();
}

void TCashOfficeMenu::updateActions()
{
    const auto allowed = [this](const QString& dialog) {
        return m_window->config() &&
               m_window->config()->right(dialog, m_window->userId()) != TLumConfig::NoAccess;
    };
    m_transactions->setEnabled(allowed(transactionsDialog));
    m_statCheck->setEnabled(allowed(statCheckDialog));
}

void TCashOfficeMenu::openTransactions()
{
    if (!m_transactions->isEnabled())
        return;
    // The dialog reads records of the workspace's lists: none may be read anew under it.
    const TLumWorkspace::ReloadHold hold(m_window->workspace());
    CashTransactionsDialog dialog(m_window->workspace(), m_window);
    dialog.InitData();
    dialog.ShowPendingCCDs();
    dialog.exec();
}

void TCashOfficeMenu::openStatCheck()
{
    // The period is asked for each time: the check is about closed days, rarely about today.
    if (!m_statCheck->isEnabled() || !m_period->choose())
        return;
    auto* dialog = new StatCheckDlg(m_period->from().date(), m_period->to().date(), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
