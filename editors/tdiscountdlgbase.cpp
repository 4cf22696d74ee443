#include "tdiscountdlgbase.h"

TDiscountDlgBase::TDiscountDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : TEditorForm(parent, fl)
{
    setupUi(this);
    m_RoundingGroup->setId(m_RoundingNo, 1);
    m_RoundingGroup->setId(m_Rounding5, 2);
    m_RoundingGroup->setId(m_Rounding10, 3);
    setUpForm("TDiscountDlgBase", name, modal, {m_Number, buttonOk, b_Help, b_First, b_Prev, b_Next, b_Last},
              buttonCancel, {m_Name});
    languageChange();
}

void TDiscountDlgBase::languageChange()
{
    retranslateUi(this);
}
