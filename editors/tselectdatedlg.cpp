#include "tselectdatedlg.h"

TDateSelectDlgBase::TDateSelectDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setupUi(this);
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TSelectDateDlg::TSelectDateDlg(QWidget* parent)
    : TDateSelectDlgBase(parent, "TSelectDateDlg", true)
{
}
