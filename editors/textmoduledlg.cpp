#include "textmoduledlg.h"

TextModuleDlg::TextModuleDlg(TLumWindow* window, QWidget* parent)
    : TTextModuleEditor(window, parent, "TextModuleDlg", &TextModuleDlgBase::TextField, tr("Info"),
                        tr("Textmodule is empty."))
{
}
