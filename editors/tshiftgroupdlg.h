#pragma once

#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "tshift.h"
#include "ui_TShiftGroupDlgBase.h"

// The shift-group editor's form. OK needs a name.
class LUMDIALOGS_EXPORT TShiftGroupDlgBase : public LumDialogs::TEditorLayout<Ui::TShiftGroupDlgBase> {
public:
    using TEditorLayout::TEditorLayout;
};

// Creates and edits shift groups: a name only.
class LUMDIALOGS_EXPORT TShiftGroupDlg
    : public LumDialogs::TEditorDialog<TShiftGroupDlgBase, PosLib::TShiftGroup> {
    Q_OBJECT
public:
    TShiftGroupDlg(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;
};
