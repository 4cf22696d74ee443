#include "tarticlehelptextsgroupdlg.h"

TArticleHelpTextsGroupDlg::TArticleHelpTextsGroupDlg(TLumWindow* window, QWidget* parent)
    : TTextGroupEditor(window, parent, "TArticleHelpTextsGroupDlg")
{
}
