#include "ttextlines.h"

#include <QRegularExpression>
#include <QTextDocument>
#include <QTextEdit>

namespace LumDialogs {

QStringList textLines(const QTextEdit* edit)
{
    static const QRegularExpression breaks(QStringLiteral("[\\n\\x{2028}\\x{2029}]"));
    return rawText(edit).split(breaks, Qt::SkipEmptyParts);
}

QString rawText(const QTextEdit* edit)
{
    return edit->document()->toRawText();
}

} // namespace LumDialogs
