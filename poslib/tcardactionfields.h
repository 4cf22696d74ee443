#pragma once

#include "basics_global.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace PosLib {

// The card attributes that a card action can change, by field number, with the text the action
// dialogs show and the group that decides which action types offer the field.
struct BASICS_EXPORT TCardActionField {
    enum Group { Locked, Counter, Currency, Date };

    int number;
    const char* key;
    const char* text; // untranslated; see translatedText
    Group group;

    QString translatedText() const;

    static const QList<TCardActionField>& all();
    // Null for a number or key outside the table.
    static const TCardActionField* byNumber(int number);
    static const TCardActionField* byKey(QStringView key);
    // The fields offered for an action type (0 to 6), in number order.
    static QList<TCardActionField> forType(int type);
};

// The action types ("datetag") and the modifiers each offers. Modifier ids are those of the
// dialog's modifier list: 0 "set to", 1 "add value", 2 "substract value"; the action stores id + 1.
struct BASICS_EXPORT TCardActionType {
    enum Type { LockedStatus, CounterValue, CurrencyValue, SetDate, DayValue, MonthValue, YearValue };
    enum Modifier { SetTo = 0, AddValue = 1, SubtractValue = 2 };

    static constexpr int count = 7;

    // "change locked status", "change counter value" ... translated; empty outside 0 to 6.
    static QString text(int type);
    static QString modifierText(int modifier);
    // The modifier ids a type offers, in list order.
    static QList<int> modifiers(int type);
    static TCardActionField::Group fieldGroup(int type);
    // The label of the counter value for types 1, 4, 5 and 6 ("Counter Value:", "Day value:" ...);
    // empty for the others.
    static QString counterLabel(int type);
};

} // namespace PosLib
