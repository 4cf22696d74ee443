#pragma once

#include "lumdialogs_global.h"
#include "teditorform.h"
#include "ui_TCostCenterDlgBase.h"

// The cost-centre editor's form. OK needs a name.
class LUMDIALOGS_EXPORT TCostCenterDlgBase : public LumDialogs::TEditorForm, public Ui::TCostCenterDlgBase {
    Q_OBJECT
public:
    explicit TCostCenterDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                                Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void languageChange();
};
