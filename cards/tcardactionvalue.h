#pragma once

// The value of a card action as the action dialogs show and take it: a check box for the locked
// flag, a number for counters and for day, month and year amounts, an amount of the system
// currency, a date.

#include "lumdialogs_global.h"

class QCheckBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QSpinBox;
class TLumWindow;

namespace PosLib {
class TNetCardActionTemplate;
}

namespace LumDialogs {

struct TActionValueWidgets {
    QCheckBox* locked; // may be null
    QLabel* counterLabel;
    QSpinBox* counter;
    QLabel* currencyLabel;
    QLineEdit* currency;
    QLabel* dateLabel;
    QDateTimeEdit* date;
};

// Enables (or, with hide, shows) only the widgets of the action type; the counter label names the
// type's unit.
LUMDIALOGS_EXPORT void showActionValueWidgets(const TActionValueWidgets& widgets, int type, bool hide);
// Fills the widget of the action's type from "newvalue".
LUMDIALOGS_EXPORT void showActionValue(const TActionValueWidgets& widgets,
                                       const PosLib::TNetCardActionTemplate& action,
                                       const TLumWindow* window);
// Writes the widget of the type into "newvalue": "true" or "false", a decimal number, an amount in
// the smallest unit of the system currency (the text as typed without a currency list), a date.
LUMDIALOGS_EXPORT void storeActionValue(const TActionValueWidgets& widgets, int type,
                                        PosLib::TNetCardActionTemplate& action, const TLumWindow* window);

} // namespace LumDialogs
