#include "tcardactionfields.h"

#include <QCoreApplication>

#include <algorithm>

namespace PosLib {

namespace {

// The texts belong to the action dialogs, which translate them in their own context.
constexpr const char* context = "TNetActionTemplateDlg";

QString translated(const char* text)
{
    return QCoreApplication::translate(context, text);
}

} // namespace

QString TCardActionField::translatedText() const
{
    return translated(text);
}

const QList<TCardActionField>& TCardActionField::all()
{
    static const QList<TCardActionField> fields = {
        {0, "islocked", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "card locked"), Locked},
        {1, "pointssaldo", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Points saldo"), Counter},
        {2, "pointsmin", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Points min"), Counter},
        {3, "pointsmax", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Points max"), Counter},
        {4, "extrapoints1", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Extra Points 1"), Counter},
        {5, "extrapoints2", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Extra Points 2"), Counter},
        {6, "extrapoints3", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Extra Points 3"), Counter},
        {7, "extrapointsmin", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Extra Points min"), Counter},
        {8, "extrapointsmax", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Extra Points max"), Counter},
        {9, "clientnumber", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Client number"), Counter},
        {10, "persontype", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Person type"), Counter},
        {11, "outlet", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Outlet"), Counter},
        {12, "pricefinding", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Pricefinding"), Counter},
        {13, "pricemodel", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Pricelevel"), Counter},
        {14, "subventcount", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Subvent count"), Counter},
        {15, "tablenr", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Table"), Counter},
        {16, "partynr", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Party"), Counter},
        {17, "waiternr", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Waiter"), Counter},
        {18, "creditsaldo", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Credit saldo"), Currency},
        {19, "creditmin", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Credit min"), Currency},
        {20, "creditmax", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Credit max"), Currency},
        {21, "givensubvent", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Given subvent"), Currency},
        {22, "startdate", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "valid from"), Date},
        {23, "enddate", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "valid to"), Date},
        {24, "lastsubvent", QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Last subvent"), Date},
    };
    return fields;
}

const TCardActionField* TCardActionField::byNumber(int number)
{
    const auto& fields = all();
    return number >= 0 && number < fields.size() ? &fields[number] : nullptr;
}

const TCardActionField* TCardActionField::byKey(QStringView key)
{
    const auto& fields = all();
    const auto it = std::find_if(fields.cbegin(), fields.cend(), [&](const TCardActionField& field) {
        return key == QLatin1StringView(field.key);
    });
    return it != fields.cend() ? &*it : nullptr;
}

QList<TCardActionField> TCardActionField::forType(int type)
{
    QList<TCardActionField> fields;
    if (type < 0 || type >= TCardActionType::count)
        return fields;
    const Group group = TCardActionType::fieldGroup(type);
    for (const TCardActionField& field : all()) {
        if (field.group == group)
            fields.append(field);
    }
    return fields;
}

QString TCardActionType::text(int type)
{
    static const char* const texts[count] = {
        QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "change locked status"),
        QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "change counter value"),
        QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "change currency value"),
        QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "set date"),
        QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "change day value"),
        QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "change month value"),
        QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "change year value"),
    };
    return type >= 0 && type < count ? translated(texts[type]) : QString();
}

QString TCardActionType::modifierText(int modifier)
{
    switch (modifier) {
    case SetTo:
        return translated(QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "set to"));
    case AddValue:
        return translated(QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "add value"));
    case SubtractValue:
        return translated(QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "substract value"));
    default:
        return QString();
    }
}

QList<int> TCardActionType::modifiers(int type)
{
    switch (type) {
    case LockedStatus:
    case SetDate:
        return {SetTo};
    case CounterValue:
    case CurrencyValue:
        return {SetTo, AddValue, SubtractValue};
    case DayValue:
    case MonthValue:
    case YearValue:
        return {AddValue, SubtractValue};
    default:
        return {};
    }
}

TCardActionField::Group TCardActionType::fieldGroup(int type)
{
    switch (type) {
    case LockedStatus:
        return TCardActionField::Locked;
    case CounterValue:
        return TCardActionField::Counter;
    case CurrencyValue:
        return TCardActionField::Currency;
    default:
        return TCardActionField::Date;
    }
}

QString TCardActionType::counterLabel(int type)
{
    switch (type) {
    case CounterValue:
        return translated(QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Counter Value:"));
    case DayValue:
        return translated(QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Day value:"));
    case MonthValue:
        return translated(QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Month value:"));
    case YearValue:
        return translated(QT_TRANSLATE_NOOP("TNetActionTemplateDlg", "Year value:"));
    default:
        return QString();
    }
}

} // namespace PosLib
