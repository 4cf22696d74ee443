#pragma once

#include "lumdialogs_global.h"

class TCardReaderLink;
class TLumWindow;

// The back office's copy of the card server's clients: the workspace list "netclients".
namespace TNetClientCopy {

// Asks the card server for all its clients ("getallclientsfromdb") while the host's wait dialog
// and the wait cursor show, and makes the list hold exactly them: a client the list holds already
// is changed in place (so whoever shows it keeps its record), one it lacks is inserted, one the
// server no longer has is removed. A text that is not a client is left out. When the server cannot
// be asked the list stays as it is and the result is false.
LUMDIALOGS_EXPORT bool reload(TLumWindow* window, const TCardReaderLink& link);

} // namespace TNetClientCopy
