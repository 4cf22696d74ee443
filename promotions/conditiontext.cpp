#include "conditiontext.h"

#include "salespromotioncondition.h"
#include "tlistnames.h"
#include "tlumworkspace.h"
#include "tvaluelist.h"

#include <QCoreApplication>

namespace {

QString conditionTr(const char* text)
{
    return QCoreApplication::translate("SalesPromotionConditionsListView", text);
}

// "<name> (<id>) ", with "(missing)" for a record the list does not hold.
QString conditionRecordText(TLumWorkspace* workspace, const QString& list, int id)
{
    const Basics::TValueList* records = workspace ? workspace->getData(list) : nullptr;
    const Basics::TValue* record = records ? records->find(id) : nullptr;
    return QStringLiteral("%1 (%2) ").arg(record ? record->getName() : conditionTr("(missing)")).arg(id);
}

// A restriction to a record: its name, or "Ignored" for 0.
QString conditionRestriction(TLumWorkspace* workspace, const QString& list, int id)
{
    return id == 0 ? conditionTr("Ignored") : conditionRecordText(workspace, list, id);
}

QString conditionDiscountText(int discount)
{
    switch (discount) {
    case PosLib::OrderCondition::Discounted:
        return conditionTr("Yes");
    case PosLib::OrderCondition::NotDiscounted:
        return conditionTr("No");
    default:
        return conditionTr("Ignored");
    }
}

} // namespace

QString promotionConditionText(const PosLib::SalesPromotionCondition& condition, TLumWorkspace* workspace)
{
    const QString levels = QStringLiteral("pricelevels");
    switch (condition.kind()) {
    case PosLib::SalesPromotionCondition::OrderKind: {
        const PosLib::OrderCondition order(condition);
        return QStringList{
            conditionTr("ORDERCONDITION"),
            QString::number(order.getCount()) + conditionTr(" x ") +
                conditionRecordText(workspace, PosLib::Lists::articles, order.getPlu()),
            conditionTr("Costcenter: ") +
                conditionRestriction(workspace, QStringLiteral("costcenters"), order.getCostCenter()),
            conditionTr("Family: ") +
                conditionRestriction(workspace, PosLib::Lists::families, order.getFamily()),
            conditionTr("Pricelevel: ") + conditionRestriction(workspace, levels, order.getPriceLevel()),
            conditionTr("Discount: ") + conditionDiscountText(order.getDiscount())}
            .join(u'\n');
    }
    case PosLib::SalesPromotionCondition::DepartmentKind: {
        const PosLib::DepartmentCondition department(condition);
        return QStringList{
            conditionTr("DEPARTMENTCONDITION"),
            QString::number(department.getCount()) + conditionTr(" Article(s) of ") +
                conditionRecordText(workspace, PosLib::Lists::departments, department.getDepartment()),
            conditionTr("Pricelevel: ") + conditionRestriction(workspace, levels, department.getPriceLevel())}
            .join(u'\n');
    }
    case PosLib::SalesPromotionCondition::TableKind:
        return conditionTr("TABLECONDITION (not supported!)");
    default:
        return conditionTr("Unknown condition");
    }
}
