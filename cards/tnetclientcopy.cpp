#include "tnetclientcopy.h"

#include "tcardreaderlink.h"
#include "tcardserverprotocol.h"
#include "tlistnames.h"
#include "tlog.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tnetclient.h"
#include "tvaluelist.h"

#include <QApplication>
#include <QCoreApplication>

#include <map>

namespace TNetClientCopy {

int take(Basics::TValueList& clients, const QStringList& texts)
{
    std::map<int, PosLib::TNetClient> received;
    int unreadable = 0;
    for (const QString& text : texts) {
        PosLib::TNetClient client;
        if (!client.setXml(text) || client.getID() <= 0) {
            ++unreadable;
            continue;
        }
        received.insert_or_assign(client.getID(), std::move(client));
    }
    QList<Basics::TValue*> gone;
    for (Basics::TValue* local : clients) {
        if (!received.count(local->getID()))
            gone << local;
    }
    for (Basics::TValue* local : gone)
        clients.remove(local);
    for (auto& [id, client] : received) {
        if (Basics::TValue* local = clients.find(id)) {
            if (!(*local == client)) {
                *local = client;
                clients.notifyChanged(local);
            }
        } else {
            clients.insert(new PosLib::TNetClient(client));
        }
    }
    if (unreadable > 0)
        Basics::TLog::instance().write(Basics::TLog::Warning,
                                       QStringLiteral("%1 client texts are no client").arg(unreadable),
                                       "lumdialogs", "TNetClientCopy");
    return unreadable;
}

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
    const bool answered = !texts.isEmpty() || link.errorCode() == 0;
    QApplication::restoreOverrideCursor();
    window->hideWaitDlg();
    if (answered)
        take(*list, texts);
    return answered;
}

} // namespace TNetClientCopy
