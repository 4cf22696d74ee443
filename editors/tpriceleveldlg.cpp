#include "tpriceleveldlg.h"

using PosLib::TPricelevel;

TPriceLevelDlg::TPriceLevelDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TPriceLevelDlg")
{
}

void TPriceLevelDlg::initData()
{
    fields()
        .text(m_Name, &TPricelevel::getName, &TPricelevel::setName)
        .time(m_Start, &TPricelevel::getStart, &TPricelevel::setStart)
        .time(m_End, &TPricelevel::getEnd, &TPricelevel::setEnd)
        .check(m_NoDiscounts, &TPricelevel::getNoDiscounts, &TPricelevel::setNoDiscounts);
    const std::pair<QCheckBox*, TPricelevel::Day> days[] = {
        {m_Sun, TPricelevel::Sunday},    {m_Mon, TPricelevel::Monday},     {m_Tues, TPricelevel::Tuesday},
        {m_Wed, TPricelevel::Wednesday}, {m_Thurs, TPricelevel::Thursday}, {m_Fri, TPricelevel::Friday},
        {m_Sat, TPricelevel::Saturday}};
    for (const auto& [box, day] : days)
        fields().bit(box, &TPricelevel::getDays, &TPricelevel::setDays, day);
}
