#include "tnetactionfreedlg.h"

#include "tcardactionfields.h"
#include "tcardactionvalue.h"
#include "tnetcardaction.h"

TNetActionFreeDlgBase::TNetActionFreeDlgBase(QWidget* parent, const char* name, bool modal,
                                             Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setupUi(this);
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

namespace {

LumDialogs::TActionValueWidgets freeValueWidgets(const Ui::TNetActionFreeDlgBase& form)
{
    return {nullptr,
            form.textLabelCounter,
            form.m_countervalue,
            form.textLabelCurrency,
            form.m_currenyvalue,
            form.textLabelDate,
            form.m_datevalue};
}

} // namespace

TNetActionFreeDlg::TNetActionFreeDlg(TLumWindow* window, QWidget* parent)
    : TNetActionFreeDlgBase(parent, "TNetActionFreeDlg", true)
    , m_window(window)
{
}

void TNetActionFreeDlg::handleInputControls(int type)
{
    LumDialogs::showActionValueWidgets(freeValueWidgets(*this), type, true);
    // "Day:", "Month:" and "Year:" for the amounts of dates.
    switch (type) {
    case PosLib::TCardActionType::DayValue:
        textLabelCounter->setText(tr("Day") + u':');
        break;
    case PosLib::TCardActionType::MonthValue:
        textLabelCounter->setText(tr("Month") + u':');
        break;
    case PosLib::TCardActionType::YearValue:
        textLabelCounter->setText(tr("Year") + u':');
        break;
    default:
        break;
    }
    adjustSize();
}

void TNetActionFreeDlg::setData(PosLib::TNetCardAction* action)
{
    m_action = action;
    if (!action)
        return;
    setWindowTitle(tr("Specify new value for ") + action->getField());
    m_Number->setText(QString::number(action->getID()));
    m_description->setText(action->getDescription());
    switch (action->getModifier()) {
    case 1:
        m_modifier->setText(tr("set"));
        break;
    case 2:
        m_modifier->setText(tr("add"));
        break;
    case 3:
        m_modifier->setText(tr("substract"));
        break;
    default:
        m_modifier->clear();
        break;
    }
    handleInputControls(action->getDateTag());
    LumDialogs::showActionValue(freeValueWidgets(*this), *action, m_window);
}

void TNetActionFreeDlg::getData(PosLib::TNetCardAction* action)
{
    LumDialogs::storeActionValue(freeValueWidgets(*this), action->getDateTag(), *action, m_window);
    action->setDescription(m_description->text());
}

void TNetActionFreeDlg::accept()
{
    if (m_action)
        getData(m_action);
    QDialog::accept();
}
