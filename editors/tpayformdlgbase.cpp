#include "tpayformdlgbase.h"

#include "teditorframe.h"

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
    : QDialog(parent, fl)
{
    setupUi(this);
    setObjectName(QString::fromLatin1(name ? name : "TPayformDlgBase"));
    setModal(modal);
    const QList<QAbstractButton*> roundings = {rndNone, rndMathematical, rndUp, rndDown, rndSwiss};
    for (int id = 0; id < roundings.size(); ++id)
        grpRndType->setId(roundings[id], id);
    m_Vat->setId(vatAsk, 0);
    m_Vat->setId(vatInHouse, 1);
    m_Vat->setId(vatOutOfHouse, 2);

    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(b_First, &QPushButton::clicked, this, &TPayformDlgBase::onFirst);
    connect(b_Prev, &QPushButton::clicked, this, &TPayformDlgBase::onPrev);
    connect(b_Next, &QPushButton::clicked, this, &TPayformDlgBase::onNext);
    connect(b_Last, &QPushButton::clicked, this, &TPayformDlgBase::onLast);
    connect(b_Help, &QPushButton::clicked, this, &TPayformDlgBase::onHelp);
    connect(m_Name, &QLineEdit::textChanged, this, &TPayformDlgBase::onChange);
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
    languageChange();
}

void TPayformDlgBase::languageChange()
{
    retranslateUi(this);
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

void TPayformDlgBase::onFirst()
{
    LumDialogs::notImplemented("TPayformDlgBase::onFirst()");
}

void TPayformDlgBase::onPrev()
{
    LumDialogs::notImplemented("TPayformDlgBase::onPrev()");
}

void TPayformDlgBase::onNext()
{
    LumDialogs::notImplemented("TPayformDlgBase::onNext()");
}

void TPayformDlgBase::onLast()
{
    LumDialogs::notImplemented("TPayformDlgBase::onLast()");
}

void TPayformDlgBase::onHelp()
{
    LumDialogs::notImplemented("TPayformDlgBase::onHelp()");
}

void TPayformDlgBase::grosfornetchanged(bool)
{
    LumDialogs::notImplemented("TPayformDlgBase::grosfornetchanged(bool)");
}

void TPayformDlgBase::netonlychanged(bool)
{
    LumDialogs::notImplemented("TPayformDlgBase::netonlychanged(bool)");
}

void TPayformDlgBase::onPrnAdd()
{
    LumDialogs::notImplemented("TPayformDlgBase::onPrnAdd()");
}

void TPayformDlgBase::onPrnEdit()
{
    LumDialogs::notImplemented("TPayformDlgBase::onPrnEdit()");
}

void TPayformDlgBase::onPrnEdit(QTreeWidgetItem*)
{
    LumDialogs::notImplemented("TPayformDlgBase::onPrnEdit(QListViewItem*)");
}

void TPayformDlgBase::onPrnDel()
{
    LumDialogs::notImplemented("TPayformDlgBase::onPrnDel()");
}

void TPayformDlgBase::onPrnClear()
{
    LumDialogs::notImplemented("TPayformDlgBase::onPrnClear()");
}

void TPayformDlgBase::onPrnChange()
{
    LumDialogs::notImplemented("TPayformDlgBase::onPrnChange()");
}

void TPayformDlgBase::onPrnChange(QTreeWidgetItem*)
{
    LumDialogs::notImplemented("TPayformDlgBase::onPrnChange(QListViewItem*)");
}

void TPayformDlgBase::onPPrnAdd()
{
    LumDialogs::notImplemented("TPayformDlgBase::onPPrnAdd()");
}

void TPayformDlgBase::onPPrnEdit()
{
    LumDialogs::notImplemented("TPayformDlgBase::onPPrnEdit()");
}

void TPayformDlgBase::onPPrnEdit(QTreeWidgetItem*)
{
    LumDialogs::notImplemented("TPayformDlgBase::onPPrnEdit(QListViewItem*)");
}

void TPayformDlgBase::onPPrnDel()
{
    LumDialogs::notImplemented("TPayformDlgBase::onPPrnDel()");
}

void TPayformDlgBase::onPPrnClear()
{
    LumDialogs::notImplemented("TPayformDlgBase::onPPrnClear()");
}

void TPayformDlgBase::onPPrnChange()
{
    LumDialogs::notImplemented("TPayformDlgBase::onPPrnChange()");
}

void TPayformDlgBase::onPPrnChange(QTreeWidgetItem*)
{
    LumDialogs::notImplemented("TPayformDlgBase::onPPrnChange(QListViewItem*)");
}
