#include "hashtagdlg.h"

using PosLib::HashTag;

HashTagDlg::HashTagDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "HashTagDlg")
{
}

void HashTagDlg::initData()
{
    // An emptied caption or tag is removed; with several tags only what was typed into is written.
    fields()
        .text(NameField, &HashTag::getName, &HashTag::setName)
        .text(ButtonCaptionField, &HashTag::getButtonCaption, &HashTag::setButtonCaption,
              {.writeEmpty = true})
        .text(TagField, &HashTag::getTag, &HashTag::setTag, {.writeEmpty = true});
}
