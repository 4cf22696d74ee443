#include "configcheck.h"

#include "salepromotionmodel.h"
#include "salespromotioncondition.h"
#include "tcardproperties.h"
#include "tlistdescriptor.h"
#include "tlistnames.h"
#include "tlumworkspace.h"
#include "tvaluelist.h"

#include <QCoreApplication>
#include <QDir>

namespace {

using LumDialogs::TListDescriptor;

QString configCheckTr(const char* text)
{
    return QCoreApplication::translate("TConfigCheck", text);
}

// A reference the check follows: the list that holds it and how its ids are read.
struct CheckedReference {
    QString list;
    TLumColumn column;
};

// A reference kept inside a text of the record rather than in an attribute of its own.
CheckedReference inside(QLatin1String list, const char* title, QLatin1String target, TLumColumn::Ids ids)
{
    TLumColumn column;
    column.title = configCheckTr(title);
    column.kind = TLumColumn::Reference;
    column.reference = target;
    column.idsOf = std::move(ids);
    return {list, column};
}

// A card's price level and subvention map are in its card text.
TLumColumn::Ids cardValue(unsigned long (PosLib::TCardProperties::*get)() const)
{
    return [get](const Basics::TValue& record) {
        const PosLib::TCardProperties card(record.getString("carddata"));
        const int id = int((card.*get)());
        return id != 0 ? QList<int>{id} : QList<int>{};
    };
}

// The articles a promotion orders in its conditions and books as its combination.
QList<int> promotionArticles(const Basics::TValue& record)
{
    const PosLib::SalePromotionModel model = PosLib::SalePromotionModel::read(record.getString("model"));
    QList<int> ids;
    for (const PosLib::SalePromotionPage& page : model.pages) {
        for (const QString& text : page.conditions) {
            const PosLib::SalesPromotionCondition condition = PosLib::SalesPromotionCondition::fromText(text);
            if (condition.kind() == PosLib::SalesPromotionCondition::OrderKind &&
                condition.getInt("plu") != 0)
                ids << condition.getInt("plu");
        }
    }
    if (model.combiOrder && model.combiPlu != 0)
        ids << model.combiPlu;
    return ids;
}

// What the check follows: the references of the table of lists from these lists to those, and
// the ones inside texts.
QList<CheckedReference> checkedReferences()
{
    using L = QLatin1String;
    const std::pair<QLatin1String, QLatin1String> pairs[] = {
        {L("payforms"), PosLib::Lists::prnconfigs},
        {L("payforms"), PosLib::Lists::currencies},
        {L("tablecfgs"), L("menucards")},
        {L("tablecfgs"), L("payforms")},
        {L("tablecfgs"), L("pricelevels")},
        {L("tablecfgs"), L("costcenters")},
        {L("pseudoproperties"), PosLib::Lists::waiters},
        {L("subventmaps"), L("payforms")},
    };
    QList<CheckedReference> references;
    for (const auto& [list, target] : pairs) {
        const TListDescriptor* descriptor = TListDescriptor::find(list);
        for (const TLumColumn& column : descriptor ? descriptor->columns : QList<TLumColumn>()) {
            if ((column.kind == TLumColumn::Reference || column.kind == TLumColumn::References) &&
                column.reference == target)
                references << CheckedReference{list, column};
        }
    }
    references << inside(L("pseudoproperties"), "Price level", L("pricelevels"),
                         cardValue(&PosLib::TCardProperties::getPriceModel))
               << inside(L("pseudoproperties"), "Subvention map", L("subventmaps"),
                         cardValue(&PosLib::TCardProperties::getPriceFinding))
               << inside(L("pseudoproperties"), "Waiter", PosLib::Lists::waiters,
                         [](const Basics::TValue& record) {
                             const int id = record.getInt("waiternr");
                             return id != 0 ? QList<int>{id} : QList<int>{};
                         })
               << inside(L("salepromotions"), "Articles", PosLib::Lists::articles, &promotionArticles);
    return references;
}

QString listTitle(const QString& list)
{
    const TListDescriptor* descriptor = TListDescriptor::find(list);
    return descriptor ? descriptor->title : list;
}

} // namespace

QList<TConfigCheck::Finding> TConfigCheck::run(TLumWorkspace& workspace)
{
    const QList<CheckedReference> references = checkedReferences();
    QList<Finding> damaged;
    QList<Finding> broken;
    QStringList seen;
    const auto noteDamage = [&](const QString& list) {
        if (seen.contains(list))
            return;
        seen << list;
        if (workspace.isDamaged(list))
            damaged << Finding{list, 0, {}, {}, {}, 0, workspace.filePath(list)};
    };
    for (const CheckedReference& reference : references) {
        const Basics::TValueList* records = workspace.getData(reference.list);
        const Basics::TValueList* targets = workspace.getData(reference.column.reference);
        noteDamage(reference.list);
        noteDamage(reference.column.reference);
        if (!records)
            continue;
        for (const Basics::TValue* record : *records) {
            for (int id : reference.column.ids(*record)) {
                if (!targets || !targets->find(id))
                    broken << Finding{reference.list,
                                      record->getID(),
                                      record->getName(),
                                      reference.column.title,
                                      reference.column.reference,
                                      id,
                                      {}};
            }
        }
    }
    // By list in the navigator's order, then by record; a record's references in the check's order.
    QStringList order;
    for (const TListDescriptor& descriptor : TListDescriptor::all())
        order << descriptor.names.root;
    std::stable_sort(broken.begin(), broken.end(), [&](const Finding& a, const Finding& b) {
        const qsizetype listA = order.indexOf(a.list);
        const qsizetype listB = order.indexOf(b.list);
        return listA != listB ? listA < listB : a.id < b.id;
    });
    return damaged + broken;
}

QString TConfigCheck::text(const Finding& finding)
{
    if (!finding.file.isEmpty())
        return configCheckTr("%1: the file %2 could not be read completely; its references cannot be checked")
            .arg(listTitle(finding.list), QDir::toNativeSeparators(finding.file));
    // One call for every part: a name holding "%5" must stay as it is.
    return configCheckTr("%1 %2 %3: %4 %5 does not exist (%6)")
        .arg(listTitle(finding.list), QString::number(finding.id), finding.name, finding.reference,
             QString::number(finding.missing), listTitle(finding.target));
}
