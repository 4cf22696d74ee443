#pragma once

#include "lumdialogs_global.h"
#include "teditorform.h"
#include "ui_TTaxGroupDlgBase.h"

// The tax-group editor's form. OK needs a name.
class LUMDIALOGS_EXPORT TTaxGroupDlgBase : public LumDialogs::TEditorForm, public Ui::TTaxGroupDlgBase {
    Q_OBJECT
public:
    explicit TTaxGroupDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                              Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void languageChange();
    // Appends the VAT rate chosen in m_Rate to the rows.
    virtual void onRateAdd();
    // Removes the selected row.
    virtual void onRateDel();
    // Moves the selected row up or down.
    virtual void onRateUp();
    virtual void onRateDn();
    // Creates a VAT rate on the spot and chooses it.
    virtual void onNewRate();
};
