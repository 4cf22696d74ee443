#include "tarticlehelptextdlg.h"

TArticleHelpTextDlg::TArticleHelpTextDlg(TLumWindow* window, QWidget* parent)
    : TTextModuleEditor(window, parent, "TArticleHelpTextDlg", &TArticleHelpTextDlgBase::m_Text, tr("Info"),
                        tr("Helptext is empty."))
{
}
