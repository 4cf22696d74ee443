#include "cashtransactionsdlgbase.h"

#include <QAbstractButton>
#include <QEvent>
#include <QtDebug>

CashTransactionsDlgBase::CashTransactionsDlgBase(QWidget* parent, const char* name, bool modal,
                                                 Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setupUi(this);
    setObjectName(QString::fromLatin1(name ? name : "CashTransactionsDlgBase"));
    setModal(modal);
    for (QButtonGroup* group : {CashTypeGroup, JournalActionGroup}) {
        for (QAbstractButton* button : group->buttons())
            group->setId(button, button->property("buttonId").toInt());
    }
    connect(BookButton, &QPushButton::clicked, this, &CashTransactionsDlgBase::OnBookButtonHandler);
    connect(CashIoPayformComboBox, &QComboBox::activated, this,
            &CashTransactionsDlgBase::OnCashIoPayformChangedHandler);
    connect(CashTypeGroup, &QButtonGroup::idClicked, this,
            &CashTransactionsDlgBase::OnCashTypeChangedHandler);
    connect(MainTabView, &QTabWidget::currentChanged, this,
            [this](int index) { OnTabPageChangedHandler(MainTabView->widget(index)); });
    connect(CashIoAmountField, &QLineEdit::editingFinished, this,
            &CashTransactionsDlgBase::OnCashIOAmountFieldHandler);
    connect(CCDLocationComboBox, &QComboBox::activated, this,
            &CashTransactionsDlgBase::OnCcdLocationChangedHandler);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CCDJournalRequestButton, &QPushButton::clicked, this,
            &CashTransactionsDlgBase::CCDJournalRequestHandler);
    // The bag number belongs to a flush only.
    connect(JournalFlushButton, &QAbstractButton::toggled, BagNoSpinControl, &QWidget::setEnabled);
    languageChange();
}

void CashTransactionsDlgBase::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}

void CashTransactionsDlgBase::languageChange()
{
    retranslateUi(this);
}

void CashTransactionsDlgBase::notImplemented(const char* slot) const
{
    qWarning("CashTransactionsDlgBase::%s: Not implemented yet", slot);
}

void CashTransactionsDlgBase::OnBookButtonHandler()
{
    notImplemented("OnBookButtonHandler()");
}

void CashTransactionsDlgBase::OnCashIoPayformChangedHandler(int)
{
    notImplemented("OnCashIoPayformChangedHandler(int)");
}

void CashTransactionsDlgBase::OnCashTypeChangedHandler(int)
{
    notImplemented("OnCashTypeChangedHandler(int)");
}

void CashTransactionsDlgBase::OnTabPageChangedHandler(QWidget*)
{
    notImplemented("OnTabPageChangedHandler(QWidget*)");
}

void CashTransactionsDlgBase::OnCashIOAmountFieldHandler()
{
    notImplemented("OnCashIOAmountFieldHandler()");
}

void CashTransactionsDlgBase::OnCcdLocationChangedHandler(int)
{
    notImplemented("OnCcdLocationChangedHandler(int)");
}

void CashTransactionsDlgBase::CCDJournalRequestHandler()
{
    notImplemented("CCDJournalRequestHandler()");
}
