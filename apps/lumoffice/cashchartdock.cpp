#include "cashchartdock.h"

#include "accountmap.h"
#include "cashchartview.h"
#include "tlumconfig.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"

#include <QAction>

TCashChartDock::TCashChartDock(TLumWindow* window)
    : QDockWidget(tr("Cash"), window)
    , m_window(window)
    , m_charts(new CashChartView(window->workspace(), nullptr, window->log()))
{
    setObjectName(QStringLiteral("cashChartDock"));
    m_charts->setOrientation(Qt::Vertical);
    setWidget(m_charts);
    toggleViewAction()->setStatusTip(tr("Show the last counts and the vault's cash"));
    TLumWorkspace* workspace = window->workspace();
    TAccountMap map;
    map.read(TAccountMap::pathIn(workspace->GetDataPath()), workspace->getData(QStringLiteral("payforms")));
    workspace->setDatabaseLogin(map.databaseUser(), map.databasePassword());
    connect(window, &TLumWindow::userChanged, this, &TCashChartDock::updateAccess);
    updateAccess();
}

void TCashChartDock::updateAccess()
{
    const bool allowed =
        m_window->config() && m_window->config()->right(QStringLiteral("CashTransactionsDialog"),
                                                        m_window->userId()) != TLumConfig::NoAccess;
    toggleViewAction()->setEnabled(allowed);
    setVisible(allowed);
}
