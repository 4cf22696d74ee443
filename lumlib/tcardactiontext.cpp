#include "tcardactiontext.h"

#include "tcurrencies.h"
#include "tnetcardaction.h"

QString cardActionText(const PosLib::TNetCardActionTemplate& action, const TCurrencies* currencies)
{
    if (!currencies)
        return action.getActionText();
    return action.getActionText([currencies](qint64 amount) { return currencies->amountToText(amount); });
}
