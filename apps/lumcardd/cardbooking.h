#pragma once

#include <QDateTime>

namespace PosLib {
class TCardProperties;
class TNetCardActionTemplate;
} // namespace PosLib

// Carrying out card actions, as a till does when the card is presented.
namespace CardBooking {

// Whether the action is to be carried out at that time: not booked yet, no value left to enter,
// and the time within its validity period where it has one.
bool isDue(const PosLib::TNetCardActionTemplate& action, const QDateTime& now);
// Changes the card as the action says; false (and the card unchanged) for an action whose field,
// type or modifier it does not know.
bool apply(PosLib::TCardProperties& card, const PosLib::TNetCardActionTemplate& action);

} // namespace CardBooking
