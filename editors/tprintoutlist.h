#pragma once

#include "tpayform.h"

#include <QCoreApplication>
#include <QString>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TLumWorkspace;

// One printout list of the payment form editor (bills, partial bills or restore receipts): its
// rows of printer and layout, and its Add, Edit, Remove and Clear buttons. Each row keeps the code
// layout id * 1000 + printer id.
class TPrintoutList {
    Q_DECLARE_TR_FUNCTIONS(TPayformDlg)
public:
    enum Kind { Bills, PartialBills, RestoreReceipts };

    TPrintoutList(Kind kind, TLumWorkspace* workspace, QTreeWidget* list, QPushButton* add, QPushButton* edit,
                  QPushButton* remove, QPushButton* clear);

    QTreeWidget* list() const { return m_list; }
    // Shows a stored printer list; entries whose printer or layout no longer exists are left out.
    void show(const QString& stored);
    // The rows in list order, in the stored form.
    QString stored() const;
    PosLib::TPayform::Printouts printouts() const;
    // A row for the printer and layout (the given row is overwritten, else a row is added); nothing
    // when either of them does not exist.
    void insert(int printer, int layout, QTreeWidgetItem* row = nullptr);

    void add();
    void edit(QTreeWidgetItem* row);
    void remove();
    void clear();
    // Edit and Remove need a current row, Clear needs rows.
    void updateButtons();
    // Several records are edited together: their printer lists stay as they are.
    void setEditable(bool editable);

private:
    // The caption of the printer chooser for this list.
    QString caption() const;
    QString printerText(int printer) const;
    QString layoutText(int layout) const;

    Kind m_kind;
    TLumWorkspace* m_workspace;
    QTreeWidget* m_list;
    QPushButton* m_add;
    QPushButton* m_edit;
    QPushButton* m_remove;
    QPushButton* m_clear;
    bool m_editable = true;
};
