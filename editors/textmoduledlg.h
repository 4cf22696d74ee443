#pragma once

#include "lumdialogs_global.h"
#include "teditorform.h"
#include "ttextmoduleeditor.h"
#include "ui_TextModuleDlgBase.h"

// The text-module editor's form. OK needs a name.
class LUMDIALOGS_EXPORT TextModuleDlgBase : public LumDialogs::TEditorLayout<Ui::TextModuleDlgBase> {
public:
    using TEditorLayout::TEditorLayout;
};

// Creates and edits text modules, the short texts the point of sale offers to the waiter.
class LUMDIALOGS_EXPORT TextModuleDlg
    : public LumDialogs::TTextModuleEditor<TextModuleDlgBase, PosLib::TTextModule> {
    Q_OBJECT
public:
    TextModuleDlg(TLumWindow* window, QWidget* parent);
};
