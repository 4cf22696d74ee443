#pragma once

#include "lumdialogs_global.h"
#include "teditorform.h"
#include "ui_TVatRateDlgBase.h"

// The VAT-rate editor's form. OK needs a name.
class LUMDIALOGS_EXPORT TVatRateDlgBase : public LumDialogs::TEditorLayout<Ui::TVatRateDlgBase> {
    Q_OBJECT
public:
    explicit TVatRateDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                             Qt::WindowFlags fl = {})
        : TEditorLayout(parent, name, modal, fl)
    {
        connect(m_Type, &QButtonGroup::idClicked, this, &TVatRateDlgBase::onType);
    }

protected Q_SLOTS:
    // A type button was clicked: the rate field takes the input of that type.
    virtual void onType(int) { notImplemented("onType(int)"); }
};
