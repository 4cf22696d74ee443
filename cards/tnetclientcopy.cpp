#include "tnetclientcopy.h"

#include "tcardreaderlink.h"
#include "tcardserverprotocol.h"
#include "tlistnames.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tnetclient.h"
#include "tvaluelist.h"

#include <QApplication>
#include <QCoreApplication>
#include <QSet>

#include <memory>

namespace TNetClientCopy {

bool reload(TLumWindow* window, const TCardReaderLink& link)
{
    Basics::TValueList* list =
        window ? window->workspace()->getData(PosLib::TListNames::of<PosLib::TNetClient>().root) : nullptr;
    if (!list || !link)
        return false;
    window->showWaitDlg(
        false, QCoreApplication::translate("TNetClientCopy", "Loading data from database, please wait."),
        QCoreApplication::translate("TNetClientCopy", "Collecting data"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList texts = link.command(PosLib::CardServer::getAllClients);
    const bool answered = link.errorCode() == 0;
    QApplication::restoreOverrideCursor();
    window->hideWaitDlg();
    if (!answered)
        return false;

    QSet<int> served;
    for (const QString& text : texts) {
        auto client = std::make_unique<PosLib::TNetClient>();
        if (text.isEmpty() || !client->setXml(text) || client->getID() <= 0)
            continue;
        served.insert(client->getID());
        auto* stored = dynamic_cast<PosLib::TNetClient*>(list->find(client->getID()));
        if (!stored) {
            list->insert(client.release());
        } else if (!(*stored == *client)) {
            *stored = *client;
            list->notifyChanged(stored);
        }
    }
    QList<Basics::TValue*> gone;
    for (Basics::TValue* client : *list) {
        if (!served.contains(client->getID()))
            gone << client;
    }
    for (Basics::TValue* client : gone)
        list->remove(client);
    return true;
}

} // namespace TNetClientCopy
