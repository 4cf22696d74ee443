#pragma once

#include "lumlib_global.h"

#include <QString>

// The chip-UID mapping of the card list (TLumWorkspace::Cardmapping): one attribute per card UID
// seen, holding the id of the card's record in "pseudoproperties". It is kept in the data root
// ("usr/data/cardmapping.dat"), so a card keeps its list id from one run to the next.
class LUMLIB_EXPORT TCardMapping {
public:
    static const QString fileName;

    // Reads the data root's mapping into TLumWorkspace::Cardmapping; empty when there is none.
    static void load(const QString& dataRoot);
    // The list id of a card UID. A UID not seen before gets the number of UIDs mapped + 1, which
    // is written to the data root at once (together with the UIDs other programs on the same data
    // root added meanwhile). 0 for an empty UID.
    static int cardId(const QString& dataRoot, const QString& uid);
};
