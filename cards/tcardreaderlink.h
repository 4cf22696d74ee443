#pragma once

// How the card dialogs reach the card server: only through the card reader device of the host's
// reader device list, which relays the commands.

#include "lumdialogs_global.h"

#include <QString>
#include <QStringList>

namespace Devices {
class TNetReader;
}

namespace LumDialogs {

// The first device of the host's reader device list named "TNetReader"; null when there is none.
LUMDIALOGS_EXPORT Devices::TNetReader* findCardReader();

// Entry 0 of the reader's "geterrorcode" as a number; -1 without a reader or an answer.
LUMDIALOGS_EXPORT int cardReaderErrorCode(Devices::TNetReader* reader);

// Sends a command whose result entry 0 is its outcome (given: entries handed in with the command;
// answer, when given, gets the whole answer).
// The outcome is that entry as a number. An empty answer (the server could not be reached, stopped
// in the middle, or answered what cannot be read) is the reader's own error code, so that the
// operator reads why; -19 ("Unsupported reader") without a reader or when the reader knows no error.
LUMDIALOGS_EXPORT int cardCommandOutcome(Devices::TNetReader* reader, const QString& command,
                                         const QStringList& arguments, QStringList given = {},
                                         QStringList* answer = nullptr);

} // namespace LumDialogs
