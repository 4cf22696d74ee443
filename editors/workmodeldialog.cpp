#include "workmodeldialog.h"

using PosLib::WorkingModel;

// One weekday of the model: checked when work begins at a set time that day.
class WorkmodelDialog::TDayField : public LumDialogs::TField<WorkingModel> {
public:
    TDayField(int day, QCheckBox* box, QTimeEdit* begin)
        : TField({.shownFromFirst = true})
        , m_day(day)
        , m_box(box)
        , m_begin(begin)
    {
    }
    bool differs(const WorkingModel& a, const WorkingModel& b) const override
    {
        return a.getBegin(m_day) != b.getBegin(m_day);
    }
    void show(TLumDlg&, const WorkingModel& record, bool) override
    {
        const QTime begin = record.getBegin(m_day);
        m_box->setChecked(begin.isValid());
        m_begin->setEnabled(begin.isValid());
        m_begin->setTime(begin.isValid() ? begin : QTime(0, 0));
    }
    void store(WorkingModel& record) const override
    {
        if (m_box->isChecked())
            record.setBegin(m_day, m_begin->time());
        else
            record.removeDay(m_day);
    }
    QVariant state() const override { return m_box->isChecked() ? m_begin->time() : QTime(); }
    QList<QWidget*> widgets() const override { return {m_box, m_begin}; }

private:
    int m_day;
    QCheckBox* m_box;
    QTimeEdit* m_begin;
};

WorkmodelDialogBase::WorkmodelDialogBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : TEditorLayout(parent, name, modal, fl)
{
    // Each check box enables the start time of its day.
    const std::pair<QCheckBox*, QTimeEdit*> days[] = {
        {MondayCheckControl, MondayStartTimeControl},       {TuesdayCheckControl, TuesdayStartTimeControl},
        {WednesdayCheckControl, WednesdayStartTimeControl}, {ThursdayCheckControl, ThursdayStartTimeControl},
        {FridayCheckControl, FridayStartTimeControl},       {SaturdayCheckControl, SaturdayStartTimeControl},
        {SundayCheckControl, SundayStartTimeControl}};
    for (const auto& [box, begin] : days)
        connect(box, &QCheckBox::toggled, begin, &QWidget::setEnabled);
}

WorkmodelDialog::WorkmodelDialog(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "WorkmodelDialog")
{
}

void WorkmodelDialog::initData()
{
    fields()
        .text(m_Name, &WorkingModel::getName, &WorkingModel::setName)
        .spin(GracePeriodBox, &WorkingModel::getGracePeriod, &WorkingModel::setGracePeriod,
              {.shownFromFirst = true});
    // Written in the order Sunday, Monday ... Saturday.
    const std::tuple<WorkingModel::Day, QCheckBox*, QTimeEdit*> days[] = {
        {WorkingModel::Sunday, SundayCheckControl, SundayStartTimeControl},
        {WorkingModel::Monday, MondayCheckControl, MondayStartTimeControl},
        {WorkingModel::Tuesday, TuesdayCheckControl, TuesdayStartTimeControl},
        {WorkingModel::Wednesday, WednesdayCheckControl, WednesdayStartTimeControl},
        {WorkingModel::Thursday, ThursdayCheckControl, ThursdayStartTimeControl},
        {WorkingModel::Friday, FridayCheckControl, FridayStartTimeControl},
        {WorkingModel::Saturday, SaturdayCheckControl, SaturdayStartTimeControl}};
    for (const auto& [day, box, begin] : days)
        fields().add(std::make_unique<TDayField>(day, box, begin));
}
