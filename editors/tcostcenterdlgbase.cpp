#include "tcostcenterdlgbase.h"

TCostCenterDlgBase::TCostCenterDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : TEditorForm(parent, fl)
{
    setupUi(this);
    setUpForm("TCostCenterDlgBase", name, modal,
              {m_Number, buttonOk, b_Help, b_First, b_Prev, b_Next, b_Last}, buttonCancel, {m_Name});
    languageChange();
}

void TCostCenterDlgBase::languageChange()
{
    retranslateUi(this);
}
