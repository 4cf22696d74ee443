#pragma once

#include "basics_global.h"
#include "tnetcardaction.h"
#include "tvalue.h"

#include <QList>
#include <QString>

namespace PosLib {

// A named list of card actions, prepared once and applied to cards. The actions are kept in the
// one attribute "templates": each action as its attributes written key "__" value, joined with two
// section signs; the actions joined with "?$".
class BASICS_EXPORT TTemplateCardAction : public Basics::TValue {
public:
    QList<TNetCardAction> getActions() const;
    // An empty list removes "templates".
    void setActions(const QList<TNetCardAction>& actions);
};

} // namespace PosLib
