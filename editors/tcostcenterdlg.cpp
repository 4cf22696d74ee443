#include "tcostcenterdlg.h"

using PosLib::TCostCenter;

TCostCenterDlg::TCostCenterDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TCostCenterDlg")
{
}

void TCostCenterDlg::initData()
{
    fields()
        .text(m_Name, &TCostCenter::getName, &TCostCenter::setName)
        .text(m_ShortName, &TCostCenter::getShortName, &TCostCenter::setShortName)
        .text(m_Account, &TCostCenter::getAccount, &TCostCenter::setAccount, {.writeEmpty = true});
}
