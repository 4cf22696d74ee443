#pragma once

#include "lumdialogs_global.h"
#include "tcostcenter.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "ui_TCostCenterDlgBase.h"

// The cost-centre editor's form. OK needs a name.
class LUMDIALOGS_EXPORT TCostCenterDlgBase : public LumDialogs::TEditorLayout<Ui::TCostCenterDlgBase> {
public:
    using TEditorLayout::TEditorLayout;
};

// Creates and edits cost centres. The workspace's list of cost centres keeps their rows in the
// database in step; a refused row keeps the dialog open with its input.
class LUMDIALOGS_EXPORT TCostCenterDlg
    : public LumDialogs::TEditorDialog<TCostCenterDlgBase, PosLib::TCostCenter> {
    Q_OBJECT
public:
    TCostCenterDlg(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;
};
