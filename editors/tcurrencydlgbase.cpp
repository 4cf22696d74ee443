#include "tcurrencydlgbase.h"

#include "teditorframe.h"

TCurrencyDlgBase::TCurrencyDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setupUi(this);
    setObjectName(QString::fromLatin1(name ? name : "TCurrencyDlgBase"));
    setModal(modal);
    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(b_First, &QPushButton::clicked, this, &TCurrencyDlgBase::onFirst);
    connect(b_Prev, &QPushButton::clicked, this, &TCurrencyDlgBase::onPrev);
    connect(b_Next, &QPushButton::clicked, this, &TCurrencyDlgBase::onNext);
    connect(b_Last, &QPushButton::clicked, this, &TCurrencyDlgBase::onLast);
    connect(b_Help, &QPushButton::clicked, this, &TCurrencyDlgBase::onHelp);
    connect(m_Name, &QLineEdit::textChanged, this, &TCurrencyDlgBase::onChange);
    connect(m_Short, &QLineEdit::textChanged, this, &TCurrencyDlgBase::onChange);
    languageChange();
}

void TCurrencyDlgBase::languageChange()
{
    retranslateUi(this);
}

void TCurrencyDlgBase::onChange()
{
    buttonOk->setEnabled(!m_Name->text().isEmpty() && !m_Short->text().isEmpty());
}

void TCurrencyDlgBase::onFirst()
{
    LumDialogs::notImplemented("TCurrencyDlgBase::onFirst()");
}

void TCurrencyDlgBase::onPrev()
{
    LumDialogs::notImplemented("TCurrencyDlgBase::onPrev()");
}

void TCurrencyDlgBase::onNext()
{
    LumDialogs::notImplemented("TCurrencyDlgBase::onNext()");
}

void TCurrencyDlgBase::onLast()
{
    LumDialogs::notImplemented("TCurrencyDlgBase::onLast()");
}

void TCurrencyDlgBase::onHelp()
{
    LumDialogs::notImplemented("TCurrencyDlgBase::onHelp()");
}
