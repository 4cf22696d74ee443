#include "cardlistdemo.h"

#include "carddemo.h"
#include "cardstore.h"
#include "tcardmapping.h"
#include "tcardproperties.h"
#include "tcounter.h"
#include "tformatcounter.h"
#include "tlistnames.h"
#include "tnetclient.h"
#include "tpseudoproperty.h"
#include "ttemplatecardaction.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Saves the list unless its file exists; the number of records written.
int saveNew(const QString& root, PosLib::TNamedList& list)
{
    if (QFileInfo::exists(root + QStringLiteral("usr/data/") + list.fileName()))
        return 0;
    list.save(QFile::encodeName(root).constData());
    return int(list.count());
}

PosLib::TNetCardAction templateAction(int type, int modifier, const char* field, const QString& value,
                                      const char* description)
{
    PosLib::TNetCardAction action;
    action.setDateTag(type);
    action.setModifier(modifier);
    action.setField(QString::fromLatin1(field));
    action.setNewValue(value);
    action.setDescription(QString::fromUtf8(description));
    return action;
}

// Card action templates the office prepared: a welcome for new cards, the yearly renewal, a lost card.
int saveTemplates(const QString& root)
{
    PosLib::TNamedList templates(PosLib::TListNames::forRoot(QStringLiteral("templatecardactions")));
    const QList<std::pair<const char*, QList<PosLib::TNetCardAction>>> demo = {
        {"Welcome",
         {templateAction(1, 2, "pointssaldo", QStringLiteral("500"), "Welcome points"),
          templateAction(2, 1, "creditmax", QStringLiteral("20000"), "Credit up to 200,00")}},
        {"Annual renewal",
         {templateAction(6, 2, "enddate", QStringLiteral("1"), "One more year"),
          templateAction(1, 1, "extrapoints1", QStringLiteral("0"), "Extra points start anew")}},
        {"Lost card", {templateAction(0, 1, "islocked", QStringLiteral("true"), "Reported lost")}},
    };
    int id = 0;
    for (const auto& [name, actions] : demo) {
        auto* record = new PosLib::TTemplateCardAction;
        record->setID(++id);
        record->setName(QString::fromUtf8(name));
        QList<PosLib::TNetCardAction> numbered = actions;
        for (int i = 0; i < numbered.size(); ++i)
            numbered[i].setID(i + 1);
        record->setActions(numbered);
        templates.insert(record);
    }
    return saveNew(root, templates);
}

} // namespace

int TCardListDemo::create(const QString& dataRoot)
{
    const QString root = dataRoot.endsWith(u'/') ? dataRoot : dataRoot + u'/';
    int written = TCardDemo::create(root);
    TCardStore store(root);
    // New cards are formatted with the numbers after the demo's.
    qint64 highest = 0;
    for (const TCardStore::Card& stored : store.cards())
        highest = std::max(highest, stored.number);
    PosLib::TCounter counter(root, TFormatCounter::fileName);
    if (counter.getCounter(TFormatCounter::key) <= highest)
        counter.setCounter(TFormatCounter::key, int(highest + 1));

    PosLib::TNamedList clients(PosLib::TListNames::forRoot(QStringLiteral("netclients")));
    for (const QString& text : store.clientTexts())
        clients.insert(new PosLib::TNetClient(text));
    written += saveNew(root, clients);
    written += saveTemplates(root);

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
