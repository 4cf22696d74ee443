#pragma once

#include "lumdialogs_global.h"
#include "teditorform.h"
#include "ui_TCurrencyDlgBase.h"

// The currency editor's form. OK needs a name and a short name.
class LUMDIALOGS_EXPORT TCurrencyDlgBase : public LumDialogs::TEditorForm, public Ui::TCurrencyDlgBase {
    Q_OBJECT
public:
    explicit TCurrencyDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                              Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void languageChange();
};
