#pragma once

#include "lumdialogs_global.h"

#include <QStringList>

class TCardReaderLink;
class TLumWindow;

namespace Basics {
class TValueList;
}

// The back office's copy of the card server's clients: the workspace list "netclients".
namespace TNetClientCopy {

// Brings the list in step with the server's client texts: a client the list holds already is
// changed in place (so whoever shows it keeps its record), one it lacks is inserted, one the server
// no longer has is removed. A text that is no client is left out, logged and counted: the result.
LUMDIALOGS_EXPORT int take(Basics::TValueList& clients, const QStringList& texts);

// Asks the card server for all its clients ("getallclientsfromdb") while the host's wait dialog
// and the wait cursor show, and takes them. When the server cannot be asked the list stays as it
// is and the result is false.
LUMDIALOGS_EXPORT bool reload(TLumWindow* window, const TCardReaderLink& link);

} // namespace TNetClientCopy
