#pragma once

#include "authorization.h"
#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "ui_AuthorizationDlgBase.h"

// The authorization editor's form. OK needs a name.
class LUMDIALOGS_EXPORT AuthorizationDlgBase
    : public LumDialogs::TEditorLayout<LumDialogs::TRoleNamedForm<Ui::AuthorizationDlgBase>> {
public:
    using TEditorLayout::TEditorLayout;
};

// Creates and edits the authorizations of the list "authorizations".
class LUMDIALOGS_EXPORT AuthorizationDlg
    : public LumDialogs::TEditorDialog<AuthorizationDlgBase, PosLib::Authorization> {
    Q_OBJECT
public:
    AuthorizationDlg(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;
};
