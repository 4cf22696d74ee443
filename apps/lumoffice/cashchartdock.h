#pragma once

#include <QDockWidget>

class CashChartView;
class TLumWindow;

// The cash charts as a panel of the back office's main window: the counts and the vault at a
// glance when the back office starts. Only for users who may open the cash transactions; the
// database logs in as the cash office's account map says, as the cash transactions do.
class TCashChartDock : public QDockWidget {
    Q_OBJECT
public:
    explicit TCashChartDock(TLumWindow* window);

    CashChartView* charts() const { return m_charts; }

private:
    void updateAccess();

    TLumWindow* m_window;
    CashChartView* m_charts;
};
