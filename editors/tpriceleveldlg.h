#pragma once

#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "tpricelevel.h"
#include "ui_TPriceLevelDlgBase.h"

// The price-level editor's form. OK needs a name.
class LUMDIALOGS_EXPORT TPriceLevelDlgBase : public LumDialogs::TEditorLayout<Ui::TPriceLevelDlgBase> {
public:
    using TEditorLayout::TEditorLayout;
};

// Creates and edits price levels: when in the day and on which weekdays each applies.
class LUMDIALOGS_EXPORT TPriceLevelDlg
    : public LumDialogs::TEditorDialog<TPriceLevelDlgBase, PosLib::TPricelevel> {
    Q_OBJECT
public:
    TPriceLevelDlg(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;
};
