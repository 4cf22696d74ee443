#pragma once

#include "hashtag.h"
#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "ui_HashTagDlgBase.h"

// The hash-tag editor's form. OK needs a name.
class LUMDIALOGS_EXPORT HashTagDlgBase
    : public LumDialogs::TEditorLayout<LumDialogs::TRoleNamedForm<Ui::HashTagDlgBase>> {
public:
    using TEditorLayout::TEditorLayout;
};

// Creates and edits the hash tags offered on the point-of-sale screen.
class LUMDIALOGS_EXPORT HashTagDlg : public LumDialogs::TEditorDialog<HashTagDlgBase, PosLib::HashTag> {
    Q_OBJECT
public:
    HashTagDlg(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;
};
