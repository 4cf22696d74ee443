#pragma once

#include "lumdialogs_global.h"
#include "teditorform.h"
#include "ttextmoduleeditor.h"
#include "ui_TArticleHelpTextDlgBase.h"

// The help-text editor's form. OK needs a name.
class LUMDIALOGS_EXPORT TArticleHelpTextDlgBase
    : public LumDialogs::TEditorLayout<Ui::TArticleHelpTextDlgBase> {
public:
    using TEditorLayout::TEditorLayout;
};

// Creates and edits the help texts attached to articles.
class LUMDIALOGS_EXPORT TArticleHelpTextDlg
    : public LumDialogs::TTextModuleEditor<TArticleHelpTextDlgBase, PosLib::TArticleHelpText> {
    Q_OBJECT
public:
    TArticleHelpTextDlg(TLumWindow* window, QWidget* parent);
};
