#include "tshiftdlg.h"

#include "tshiftgroupdlg.h"

using PosLib::TShift;

TShiftDlg::TShiftDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TShiftDlg")
{
}

void TShiftDlg::initData()
{
    const QString groupList = PosLib::TListNames::of<PosLib::TShiftGroup>().root;
    m_groups = &chooser(m_Group, 3, groupList);
    a_Group->setVisible(workspaceList(groupList) != nullptr); // a new group could not be stored
    // The graceperiod is shown from the first shift and goes into every selected one.
    fields()
        .text(m_Name, &TShift::getName, &TShift::setName)
        .combo(*m_groups, &TShift::getGroup, &TShift::setGroup)
        .time(m_Start, &TShift::getStart, &TShift::setStart)
        .time(m_End, &TShift::getEnd, &TShift::setEnd)
        .spin(GracePeriodBox, &TShift::getGracePeriod, &TShift::setGracePeriod, {.shownFromFirst = true});
    const std::pair<QCheckBox*, TShift::Day> days[] = {
        {m_Sun, TShift::Sunday},    {m_Mon, TShift::Monday},     {m_Tues, TShift::Tuesday},
        {m_Wed, TShift::Wednesday}, {m_Thurs, TShift::Thursday}, {m_Fri, TShift::Friday},
        {m_Sat, TShift::Saturday}};
    for (const auto& [box, day] : days)
        fields().bit(box, &TShift::getDays, &TShift::setDays, day);
}

void TShiftDlg::fillGroups()
{
    m_groups->clear();
    m_groups->fill(workspaceList(PosLib::TListNames::of<PosLib::TShiftGroup>().root));
}

void TShiftDlg::onNewGroup()
{
    TShiftGroupDlg dialog(window(), this);
    dialog.setID(nullptr);
    if (dialog.exec() != QDialog::Accepted)
        return;
    fillGroups();
    m_groups->setCurrentId(dialog.getID());
}
