#pragma once

#include "lumdialogs_global.h"

#include <QWidget>

#include <memory>

class QBoxLayout;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class TLumWorkspace;

namespace Basics {
class TLog;
}
namespace Database {
class CashJournal;
} // namespace Database

// The cash charts of a sum outlet (the active setting's "cashoutlet"): for the chosen location the
// counted cash of its last counts against their targets, each count's surplus and shortage as bars
// (green up, red down), and the vault's cash per cash group over the chosen period. They are read
// when the view is first shown and again on reload; a database that fails or has nothing to show
// leaves empty charts whose titles say why, never a message box.
class LUMDIALOGS_EXPORT CashChartView : public QWidget {
    Q_OBJECT
public:
    static constexpr int countsShown = 30;

    // The log receives the database's failures; without one, the process's log.
    explicit CashChartView(TLumWorkspace* workspace, QWidget* parent = nullptr, Basics::TLog* log = nullptr);
    ~CashChartView() override;

    // Side by side (a page) or one above the other (a narrow panel).
    void setOrientation(Qt::Orientation orientation);
    QChart* countsChart() const;
    QChart* vaultChart() const;
    QComboBox* locationChooser() const { return m_location; }

public Q_SLOTS:
    // Reads the locations, the counts of the chosen one and the vault's cash anew.
    void reload();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Runs a step of the reading; a storage error shows as the charts' title, never escapes.
    bool guarded(void (CashChartView::*step)());
    void readLocations();
    void showCounts();
    void showVault();
    // The title of both charts when nothing can be read, the reason as their tool tip.
    void showFailure(const QString& title, const QString& reason);

    TLumWorkspace* m_workspace;
    std::unique_ptr<Database::CashJournal> m_journal;
    int m_sumOutlet = 0;
    bool m_loaded = false;
    QComboBox* m_location;
    QComboBox* m_period;
    QBoxLayout* m_charts;
    QChartView* m_countsView;
    QChartView* m_vaultView;
};
