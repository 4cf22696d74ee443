#pragma once

#include "lumdialogs_global.h"
#include "teditorform.h"
#include "ui_TDiscountDlgBase.h"

// The discount editor's form. OK needs a name.
class LUMDIALOGS_EXPORT TDiscountDlgBase : public LumDialogs::TEditorForm, public Ui::TDiscountDlgBase {
    Q_OBJECT
public:
    explicit TDiscountDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                              Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void languageChange();
};
