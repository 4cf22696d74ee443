#include "tcardlist.h"

#include "tcardmapping.h"
#include "tcardproperties.h"
#include "tlistnames.h"
#include "tlumlistview.h"
#include "tlumworkspace.h"
#include "tpseudoproperty.h"
#include "tvaluelist.h"

namespace TCardList {

QTreeWidgetItem* findListItem(TLumListView* view, int column, const QString& text)
{
    if (!view)
        return nullptr;
    for (QTreeWidgetItem* item : view->itemsInOrder()) {
        if (item->text(column) == text)
            return item;
    }
    return nullptr;
}

PosLib::TPseudoProperty* store(TLumWorkspace* workspace, const QString& uid, const QString& cardText)
{
    Basics::TValueList* list =
        workspace ? workspace->getData(PosLib::TListNames::of<PosLib::TPseudoProperty>().root) : nullptr;
    if (!list || uid.isEmpty())
        return nullptr;
    const PosLib::TCardProperties card(cardText);
    const int id = TCardMapping::cardId(workspace->GetDataPath(), uid);
    // The list record of a UID is the one of its mapped id: an item of the host's view showing the
    // UID holds that very record.
    auto* stored = dynamic_cast<PosLib::TPseudoProperty*>(list->find(id));
    if (!stored) {
        auto* fresh = new PosLib::TPseudoProperty;
        fresh->takeCard(card, cardText, id);
        list->put(fresh);
        return fresh;
    }
    PosLib::TPseudoProperty changed = *stored;
    changed.takeCard(card, cardText, id);
    if (!(changed == *stored)) {
        *stored = changed;
        list->notifyChanged(stored);
    }
    return stored;
}

} // namespace TCardList
