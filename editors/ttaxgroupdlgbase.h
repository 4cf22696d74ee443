#pragma once

#include "lumdialogs_global.h"
#include "teditorform.h"
#include "ui_TTaxGroupDlgBase.h"

// The tax-group editor's form. OK needs a name.
class LUMDIALOGS_EXPORT TTaxGroupDlgBase : public LumDialogs::TEditorLayout<Ui::TTaxGroupDlgBase> {
    Q_OBJECT
public:
    explicit TTaxGroupDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                              Qt::WindowFlags fl = {})
        : TEditorLayout(parent, name, modal, fl)
    {
        connect(b_RateAdd, &QPushButton::clicked, this, &TTaxGroupDlgBase::onRateAdd);
        connect(b_RateDel, &QPushButton::clicked, this, &TTaxGroupDlgBase::onRateDel);
        connect(b_RateUp, &QPushButton::clicked, this, &TTaxGroupDlgBase::onRateUp);
        connect(b_RateDn, &QPushButton::clicked, this, &TTaxGroupDlgBase::onRateDn);
        connect(a_Rate, &QPushButton::clicked, this, &TTaxGroupDlgBase::onNewRate);
    }

protected Q_SLOTS:
    // Appends the VAT rate chosen in m_Rate to the rows.
    virtual void onRateAdd() { notImplemented("onRateAdd()"); }
    // Removes the selected row.
    virtual void onRateDel() { notImplemented("onRateDel()"); }
    // Moves the selected row up or down.
    virtual void onRateUp() { notImplemented("onRateUp()"); }
    virtual void onRateDn() { notImplemented("onRateDn()"); }
    // Creates a VAT rate on the spot and chooses it.
    virtual void onNewRate() { notImplemented("onNewRate()"); }
};
