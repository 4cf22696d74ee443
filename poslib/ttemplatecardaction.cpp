#include "ttemplatecardaction.h"

namespace PosLib {

namespace {

const QString actionSeparator = QStringLiteral("?$");
const QString attributeSeparator = QStringLiteral("\u00a7\u00a7");
const QString keySeparator = QStringLiteral("__");

} // namespace

QList<TNetCardAction> TTemplateCardAction::getActions() const
{
    QList<TNetCardAction> actions;
    const QString text = getString("templates");
    if (text.isEmpty())
        return actions;
    for (QStringView part : QStringView(text).split(actionSeparator, Qt::SkipEmptyParts)) {
        TNetCardAction action;
        for (QStringView item : part.split(attributeSeparator, Qt::SkipEmptyParts)) {
            const qsizetype split = item.indexOf(keySeparator);
            if (split > 0)
                action.set(item.left(split), item.mid(split + keySeparator.size()).toString());
        }
        actions.append(action);
    }
    return actions;
}

void TTemplateCardAction::setActions(const QList<TNetCardAction>& actions)
{
    QStringList parts;
    for (const TNetCardAction& action : actions) {
        QStringList items;
        for (const Basics::TAttribute& attribute : action.attributes())
            items.append(attribute.key + keySeparator + attribute.value.text());
        parts.append(items.join(attributeSeparator));
    }
    if (parts.isEmpty())
        remove("templates");
    else
        set("templates", parts.join(actionSeparator));
}

} // namespace PosLib
