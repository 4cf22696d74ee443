#include "historydemo.h"

#include "changehistory.h"
#include "tlumworkspace.h"
#include "tsqldatabase.h"
#include "tvaluelist.h"

int THistoryDemo::create(const QString& dataRoot)
{
    if (Database::odbcDataSourceExists(QStringLiteral("poscashdb")))
        return 0;
    TLumWorkspace workspace(dataRoot);
    int user = 0;
    TChangeHistory history(workspace, [&user] { return user; });
    const QString list = QStringLiteral("payforms");
    Basics::TValueList* payforms = workspace.getData(list);
    Basics::TValue* card = payforms ? payforms->find(2) : nullptr;
    QString error;
    if (!card || !history.users(list, std::nullopt, &error).isEmpty() || !error.isEmpty())
        return 0;
    const QString button = card->getString("button");
    int recorded = 0;
    const auto change = [&](int by, const QString& text) {
        user = by;
        card->set("button", text);
        payforms->notifyChanged(card);
        if (workspace.saveChanges() && history.pending() == 0)
            ++recorded;
    };
    change(9, QStringLiteral("Card (new terminal)"));
    change(1, button);
    return recorded;
}
