#include "tpriceleveldlgbase.h"

TPriceLevelDlgBase::TPriceLevelDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : TEditorForm(parent, fl)
{
    setupUi(this);
    setUpForm("TPriceLevelDlgBase", name, modal,
              {m_Number, buttonOk, b_Help, b_First, b_Prev, b_Next, b_Last}, buttonCancel, {m_Name});
    languageChange();
}

void TPriceLevelDlgBase::languageChange()
{
    retranslateUi(this);
}
