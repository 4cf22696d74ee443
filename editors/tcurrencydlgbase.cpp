#include "tcurrencydlgbase.h"

TCurrencyDlgBase::TCurrencyDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : TEditorForm(parent, fl)
{
    setupUi(this);
    setUpForm("TCurrencyDlgBase", name, modal, {m_Number, buttonOk, b_Help, b_First, b_Prev, b_Next, b_Last},
              buttonCancel, {m_Name, m_Short});
    languageChange();
}

void TCurrencyDlgBase::languageChange()
{
    retranslateUi(this);
}
