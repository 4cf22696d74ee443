#pragma once

#include "lumdialogs_global.h"
#include "ttextgroupeditor.h"
#include "ui_TArticleHelpTextsGroupDlgBase.h"

// The help-text group editor's form. OK needs a name.
class LUMDIALOGS_EXPORT TArticleHelpTextsGroupDlgBase
    : public LumDialogs::TTextGroupLayout<Ui::TArticleHelpTextsGroupDlgBase> {
public:
    using TTextGroupLayout::TTextGroupLayout;
};

// Creates and edits the groups of article help texts.
class LUMDIALOGS_EXPORT TArticleHelpTextsGroupDlg
    : public LumDialogs::TTextGroupEditor<TArticleHelpTextsGroupDlgBase, PosLib::TArticleHelpTextsGroup,
                                          PosLib::TArticleHelpText> {
    Q_OBJECT
public:
    TArticleHelpTextsGroupDlg(TLumWindow* window, QWidget* parent);
};
