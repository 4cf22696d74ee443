#include "cardbooking.h"

#include "tcardactionfields.h"
#include "tcardproperties.h"
#include "tnetcardaction.h"

namespace CardBooking {

using PosLib::TCardActionField;
using PosLib::TCardActionType;

namespace {

constexpr int setTo = 1;
constexpr int add = 2;
constexpr int subtract = 3;

bool applyNumber(PosLib::TCardProperties& card, const QString& key, int modifier, qint64 value)
{
    const qint64 current = card.getString(key).toLongLong();
    qint64 result = 0;
    switch (modifier) {
    case setTo:
        result = value;
        break;
    case add:
        result = current + value;
        break;
    case subtract:
        result = current - value;
        break;
    default:
        return false;
    }
    // The balances keep their bounds; everything else is taken as it comes.
    if (key == u"pointssaldo")
        card.setPoints(long(result));
    else if (key.startsWith(u"extrapoints") && key.size() == 12)
        card.setExtraPoints(key, long(result));
    else
        card.setOrRemove(key, static_cast<long long>(result), 0);
    return true;
}

bool applyDate(PosLib::TCardProperties& card, const QString& key,
               const PosLib::TNetCardActionTemplate& action)
{
    const int type = action.getDateTag();
    const int modifier = action.getModifier();
    if (type == TCardActionType::SetDate) {
        if (modifier != setTo || !action.hasDateValue())
            return false;
        card.setDateTime(key, action.getNewValueDate());
        return true;
    }
    if (modifier != add && modifier != subtract)
        return false;
    const int amount = (modifier == add ? 1 : -1) * action.getNewValue().toInt();
    const QDateTime current = card.getDateTime(key);
    switch (type) {
    case TCardActionType::DayValue:
        card.setDateTime(key, current.addDays(amount));
        return true;
    case TCardActionType::MonthValue:
        card.setDateTime(key, current.addMonths(amount));
        return true;
    case TCardActionType::YearValue:
        card.setDateTime(key, current.addYears(amount));
        return true;
    default:
        return false;
    }
}

} // namespace

bool isDue(const PosLib::TNetCardActionTemplate& action, const QDateTime& now)
{
    if (action.isBooked() || action.isFreeInput())
        return false;
    if (action.contains("datefrom") && now < action.getDateFrom())
        return false;
    return !action.contains("dateto") || now <= action.getDateTo();
}

bool apply(PosLib::TCardProperties& card, const PosLib::TNetCardActionTemplate& action)
{
    const QString key = action.getField();
    const TCardActionField* field = TCardActionField::byKey(key);
    const int type = action.getDateTag();
    if (!field || field->group != TCardActionType::fieldGroup(type) || type < 0 ||
        type >= TCardActionType::count)
        return false;
    switch (field->group) {
    case TCardActionField::Locked:
        if (action.getModifier() != setTo)
            return false;
        card.setLocked(Basics::TVariant(action.getNewValue()).toBool());
        return true;
    case TCardActionField::Counter:
    case TCardActionField::Currency:
        return applyNumber(card, key, action.getModifier(), action.getNewValue().toLongLong());
    case TCardActionField::Date:
        return applyDate(card, key, action);
    }
    return false;
}

} // namespace CardBooking
