#include "tcardactionvalue.h"

#include "tcardactionfields.h"
#include "tcurrencies.h"
#include "teditorframe.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tnetcardaction.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

using PosLib::TCardActionType;

namespace LumDialogs {

namespace {

bool actionValueHasCurrencies(const TLumWindow* window)
{
    TLumWorkspace* workspace = window ? window->workspace() : nullptr;
    return workspace && qobject_cast<const TCurrencies*>(workspace->getData(QStringLiteral("currencies")));
}

bool usesCounter(int type)
{
    return type == TCardActionType::CounterValue || type == TCardActionType::DayValue ||
           type == TCardActionType::MonthValue || type == TCardActionType::YearValue;
}

} // namespace

void showActionValueWidgets(const TActionValueWidgets& widgets, int type, bool hide)
{
    const auto apply = [hide](QWidget* widget, bool on) {
        if (!widget)
            return;
        if (hide)
            widget->setVisible(on);
        else
            widget->setEnabled(on);
    };
    apply(widgets.locked, type == TCardActionType::LockedStatus);
    apply(widgets.counterLabel, usesCounter(type));
    apply(widgets.counter, usesCounter(type));
    apply(widgets.currencyLabel, type == TCardActionType::CurrencyValue);
    apply(widgets.currency, type == TCardActionType::CurrencyValue);
    apply(widgets.dateLabel, type == TCardActionType::SetDate);
    apply(widgets.date, type == TCardActionType::SetDate);
    if (usesCounter(type))
        widgets.counterLabel->setText(TCardActionType::counterLabel(type));
}

void showActionValue(const TActionValueWidgets& widgets, const PosLib::TNetCardActionTemplate& action,
                     const TLumWindow* window)
{
    const int type = action.getDateTag();
    const QString value = action.getNewValue();
    if (type == TCardActionType::LockedStatus && widgets.locked)
        widgets.locked->setChecked(value == u"true");
    else if (type == TCardActionType::CurrencyValue)
        widgets.currency->setText(actionValueHasCurrencies(window) ? amountText(window, value.toLongLong())
                                                                   : value);
    else if (type == TCardActionType::SetDate)
        widgets.date->setDateTime(action.getNewValueDate());
    else if (usesCounter(type))
        widgets.counter->setValue(value.toInt());
}

void storeActionValue(const TActionValueWidgets& widgets, int type, PosLib::TNetCardActionTemplate& action,
                      const TLumWindow* window)
{
    if (type == TCardActionType::LockedStatus)
        action.setNewValue(widgets.locked && widgets.locked->isChecked() ? QStringLiteral("true")
                                                                         : QStringLiteral("false"));
    else if (type == TCardActionType::CurrencyValue)
        action.setNewValue(actionValueHasCurrencies(window)
                               ? QString::number(amountOf(window, widgets.currency->text()))
                               : widgets.currency->text());
    else if (type == TCardActionType::SetDate)
        action.setNewValueDate(widgets.date->dateTime());
    else
        action.setNewValue(QString::number(widgets.counter->value()));
}

} // namespace LumDialogs
