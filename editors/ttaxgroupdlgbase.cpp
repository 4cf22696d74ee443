#include "ttaxgroupdlgbase.h"

TTaxGroupDlgBase::TTaxGroupDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : TEditorForm(parent, fl)
{
    setupUi(this);
    setUpForm("TTaxGroupDlgBase", name, modal, {m_Number, buttonOk, b_Help, b_First, b_Prev, b_Next, b_Last},
              buttonCancel, {m_Name});
    connect(b_RateAdd, &QPushButton::clicked, this, &TTaxGroupDlgBase::onRateAdd);
    connect(b_RateDel, &QPushButton::clicked, this, &TTaxGroupDlgBase::onRateDel);
    connect(b_RateUp, &QPushButton::clicked, this, &TTaxGroupDlgBase::onRateUp);
    connect(b_RateDn, &QPushButton::clicked, this, &TTaxGroupDlgBase::onRateDn);
    connect(a_Rate, &QPushButton::clicked, this, &TTaxGroupDlgBase::onNewRate);
    languageChange();
}

void TTaxGroupDlgBase::languageChange()
{
    retranslateUi(this);
}

void TTaxGroupDlgBase::onRateAdd()
{
    notImplemented("onRateAdd()");
}

void TTaxGroupDlgBase::onRateDel()
{
    notImplemented("onRateDel()");
}

void TTaxGroupDlgBase::onRateUp()
{
    notImplemented("onRateUp()");
}

void TTaxGroupDlgBase::onRateDn()
{
    notImplemented("onRateDn()");
}

void TTaxGroupDlgBase::onNewRate()
{
    notImplemented("onNewRate()");
}
