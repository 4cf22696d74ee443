#pragma once

#include "lumlib_global.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QPushButton;
class TLumWorkspace;

namespace QtWidgets {
class TComboBox;
}

// Chooses a printer of "prnconfigs" and a layout of "layconfigs" for a printout.
class LUMLIB_EXPORT TPrnPrintDlg : public QDialog {
    Q_OBJECT
public:
    // kind names the printout in the caption: 0 bills, 1 partial bills, 2 restore receipts, other
    // numbers a printout in general.
    TPrnPrintDlg(int kind, TLumWorkspace* workspace, QWidget* parent = nullptr, const char* name = nullptr);
    ~TPrnPrintDlg() override;

    // Preselects a printer and a layout by id.
    void setData(int printer, int layout);
    // The ids chosen.
    void getData(int& printer, int& layout) const;

private:
    void updateOk();

    QComboBox* m_Printer;
    QComboBox* m_Layout;
    QPushButton* m_Ok;
    std::unique_ptr<QtWidgets::TComboBox> m_printers;
    std::unique_ptr<QtWidgets::TComboBox> m_layouts;
};
