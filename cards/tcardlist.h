#pragma once

#include "lumdialogs_global.h"

#include <QString>

class QTreeWidgetItem;
class TLumListView;
class TLumWorkspace;

namespace PosLib {
class TPseudoProperty;
}

// The back office's card list "pseudoproperties", kept as cards are read and formatted.
namespace TCardList {

// The chip UID stands in this column of the host's view of the card list.
inline constexpr int uidColumn = 2;

// The first item of the view whose text in that column is the text; null when none (or no view).
LUMDIALOGS_EXPORT QTreeWidgetItem* findListItem(TLumListView* view, int column, const QString& text);

// Stores a card read from the reader: its list id comes from the UID mapping (a UID not seen before
// gets the next id there), its list record takes the card's values and text, and the list is told
// (inserted for a new card, changed for a known one, nothing when the record already held them).
// The record, or null without a workspace, a list or a UID.
LUMDIALOGS_EXPORT PosLib::TPseudoProperty* store(TLumWorkspace* workspace, const QString& uid,
                                                 const QString& cardText);

} // namespace TCardList
