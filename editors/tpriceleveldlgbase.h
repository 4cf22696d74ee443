#pragma once

#include "lumdialogs_global.h"
#include "teditorform.h"
#include "ui_TPriceLevelDlgBase.h"

// The price-level editor's form. OK needs a name.
class LUMDIALOGS_EXPORT TPriceLevelDlgBase : public LumDialogs::TEditorForm, public Ui::TPriceLevelDlgBase {
    Q_OBJECT
public:
    explicit TPriceLevelDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                                Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void languageChange();
};
