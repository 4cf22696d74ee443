#include "tshiftgroupdlg.h"

using PosLib::TShiftGroup;

TShiftGroupDlg::TShiftGroupDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TShiftGroupDlg")
{
}

void TShiftGroupDlg::initData()
{
    fields().text(m_Name, &TShiftGroup::getName, &TShiftGroup::setName);
}
