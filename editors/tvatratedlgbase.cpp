#include "tvatratedlgbase.h"

TVatRateDlgBase::TVatRateDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : TEditorForm(parent, fl)
{
    setupUi(this);
    m_Type->setId(radioBrutto, 0);
    m_Type->setId(radioNetto, 1);
    m_Type->setId(radioAmount, 2);
    setUpForm("TVatRateDlgBase", name, modal, {m_Number, buttonOk, b_Help, b_First, b_Prev, b_Next, b_Last},
              buttonCancel, {m_Name});
    connect(m_Type, &QButtonGroup::idClicked, this, &TVatRateDlgBase::onType);
    languageChange();
}

void TVatRateDlgBase::languageChange()
{
    retranslateUi(this);
}

void TVatRateDlgBase::onType(int)
{
    notImplemented("onType(int)");
}
