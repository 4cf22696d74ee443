#include "cardlistdemo.h"

#include "carddemo.h"
#include "cardstore.h"
#include "tcardmapping.h"
#include "tcardproperties.h"
#include "tlistnames.h"
#include "tnetclient.h"
#include "tpseudoproperty.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Saves the list unless its file exists; the number of records written.
int saveNew(const QString& root, PosLib::TNamedList& list)
{
    if (QFileInfo::exists(root + QStringLiteral("usr/data/") + list.fileName()))
        return 0;
    list.save(QFile::encodeName(root).constData());
    return int(list.count());
}

} // namespace

int TCardListDemo::create(const QString& dataRoot)
{
    const QString root = dataRoot.endsWith(u'/') ? dataRoot : dataRoot + u'/';
    int written = TCardDemo::create(root);
    TCardStore store(root);

    PosLib::TNamedList clients(PosLib::TListNames::forRoot(QStringLiteral("netclients")));
    for (const QString& text : store.clientTexts())
        clients.insert(new PosLib::TNetClient(text));
    written += saveNew(root, clients);

    if (QFileInfo::exists(root + QStringLiteral("usr/data/") + TCardMapping::fileName))
        return written;
    TCardMapping::load(root);
    PosLib::TNamedList cards(PosLib::TListNames::forRoot(QStringLiteral("pseudoproperties")));
    for (const TCardStore::Card& stored : store.cards()) {
        if (stored.text.isEmpty())
            continue;
        auto* card = new PosLib::TPseudoProperty;
        card->takeCard(PosLib::TCardProperties(stored.text), stored.text,
                       TCardMapping::cardId(root, stored.uid));
        cards.insert(card);
    }
    return written + saveNew(root, cards);
}
