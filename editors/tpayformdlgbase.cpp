#include "tpayformdlgbase.h"

namespace {

// The buttons of the printout list of a page, wired to the given slots.
template <class Dialog>
void connectPrintouts(Dialog* dialog, QTreeWidget* list, QPushButton* add, QPushButton* edit,
                      QPushButton* remove, QPushButton* clear, void (Dialog::*onAdd)(),
                      void (Dialog::*onEdit)(), void (Dialog::*onEditItem)(QTreeWidgetItem*),
                      void (Dialog::*onDel)(), void (Dialog::*onClear)(), void (Dialog::*onChange)())
{
    QObject::connect(add, &QPushButton::clicked, dialog, onAdd);
    QObject::connect(edit, &QPushButton::clicked, dialog, onEdit);
    QObject::connect(remove, &QPushButton::clicked, dialog, onDel);
    QObject::connect(clear, &QPushButton::clicked, dialog, onClear);
    QObject::connect(list, &QTreeWidget::itemSelectionChanged, dialog, onChange);
    // Activated: a double click or Return on a row.
    QObject::connect(list, &QTreeWidget::itemActivated, dialog,
                     [dialog, onEditItem](QTreeWidgetItem* item) { (dialog->*onEditItem)(item); });
}

} // namespace

TPayformDlgBase::TPayformDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : TEditorLayout(parent, name, modal, fl)
{

    connectPrintouts(this, m_Printers, b_PrnAdd, b_PrnEdit, b_PrnDel, b_PrnClear, &TPayformDlgBase::onPrnAdd,
                     qOverload<>(&TPayformDlgBase::onPrnEdit),
                     qOverload<QTreeWidgetItem*>(&TPayformDlgBase::onPrnEdit), &TPayformDlgBase::onPrnDel,
                     &TPayformDlgBase::onPrnClear, qOverload<>(&TPayformDlgBase::onPrnChange));
    connectPrintouts(this, m_PPrinters, b_PPrnAdd, b_PPrnEdit, b_PPrnDel, b_PPrnClear,
                     &TPayformDlgBase::onPPrnAdd, qOverload<>(&TPayformDlgBase::onPPrnEdit),
                     qOverload<QTreeWidgetItem*>(&TPayformDlgBase::onPPrnEdit), &TPayformDlgBase::onPPrnDel,
                     &TPayformDlgBase::onPPrnClear, qOverload<>(&TPayformDlgBase::onPPrnChange));
    connect(m_ReadBill, &QCheckBox::toggled, m_Summary, &QWidget::setDisabled);
    connect(m_ReadBill, &QCheckBox::toggled, m_TermSum, &QWidget::setDisabled);
    connect(m_NoPaySplit, &QCheckBox::toggled, m_NoFinalSplit, &QWidget::setEnabled);
    // Asking for the given amount and forbidding it exclude each other.
    connect(m_AskGiven, &QCheckBox::toggled, m_NoOverPay, &QWidget::setDisabled);
    connect(m_NoOverPay, &QCheckBox::toggled, m_AskGiven, &QWidget::setDisabled);
    connect(m_GrossForNet, &QCheckBox::toggled, this, &TPayformDlgBase::grosfornetchanged);
    connect(m_NetOnly, &QCheckBox::toggled, this, &TPayformDlgBase::netonlychanged);
    connect(m_SelectHotelBox, &QCheckBox::toggled, this, &TPayformDlgBase::selecthotelchanged);
    connect(m_GuestAddr, &QCheckBox::toggled, m_RequestDatabase, &QWidget::setEnabled);
    connect(m_GuestAddr, &QCheckBox::toggled, m_MinGuestAddr, &QWidget::setEnabled);
    connect(grpRndType, &QButtonGroup::idClicked, this, &TPayformDlgBase::onRndType);
}

void TPayformDlgBase::onChange()
{
    buttonOk->setEnabled(m_Number->value() > 0 && !m_Name->text().isEmpty());
}

void TPayformDlgBase::onRndType(int type)
{
    m_RndPlu->setEnabled(type != 0);
    m_RndVal->setEnabled(type >= 1 && type <= 3);
}

void TPayformDlgBase::selecthotelchanged(bool on)
{
    m_SelectedHotel->setEnabled(on);
}
