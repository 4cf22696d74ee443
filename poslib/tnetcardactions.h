#pragma once

#include "basics_global.h"
#include "tlistnames.h"

namespace PosLib {

// The actions of one card as the card server lists them: the list "realnetcardactions" of
// TNetCardAction records.
class BASICS_EXPORT TNetCardActions : public TNamedList {
    Q_OBJECT
public:
    TNetCardActions();
};

} // namespace PosLib
