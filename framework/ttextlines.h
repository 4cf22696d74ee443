#pragma once

#include "lumdialogs_global.h"

#include <QStringList>

class QTextEdit;

namespace LumDialogs {

// The non-empty lines of a multi-line text field, every character as typed (non-breaking spaces
// too, which the plain text of a text field turns into blanks). Paragraphs and line breaks
// (Shift+Return) both end a line.
LUMDIALOGS_EXPORT QStringList textLines(const QTextEdit* edit);
// The field's whole text, as textLines reads it; what tells whether the operator changed it.
LUMDIALOGS_EXPORT QString rawText(const QTextEdit* edit);

} // namespace LumDialogs
