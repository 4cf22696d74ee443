#include "conditiontext.h"

#include "salespromotioncondition.h"
#include "tlistnames.h"
#include "tlumworkspace.h"
#include "tvaluelist.h"

#include <QCoreApplication>

namespace {

// "<name> (<id>) ", with "(missing)" for a record the list does not hold.
QString conditionRecordText(TLumWorkspace* workspace, const QString& list, int id)
{
    const Basics::TValueList* records = workspace ? workspace->getData(list) : nullptr;
    const Basics::TValue* record = records ? records->find(id) : nullptr;
    return QStringLiteral("%1 (%2) ")
        .arg(record ? record->getName()
                    : QCoreApplication::translate("SalesPromotionConditionsListView", "(missing)"))
        .arg(id);
}

// A restriction to a record: its name, or "Ignored" for 0.
QString conditionRestriction(TLumWorkspace* workspace, const QString& list, int id)
{
    return id == 0 ? QCoreApplication::translate("SalesPromotionConditionsListView", "Ignored")
                   : conditionRecordText(workspace, list, id);
}

QString conditionDiscountText(int discount)
{
    switch (discount) {
    case PosLib::OrderCondition::Discounted:
        return QCoreApplication::translate("SalesPromotionConditionsListView", "Yes");
    case PosLib::OrderCondition::NotDiscounted:
        return QCoreApplication::translate("SalesPromotionConditionsListView", "No");
    default:
        return QCoreApplication::translate("SalesPromotionConditionsListView", "Ignored");
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
            QCoreApplication::translate("SalesPromotionConditionsListView", "ORDERCONDITION"),
            QString::number(order.getCount()) +
                QCoreApplication::translate("SalesPromotionConditionsListView", " x ") +
                conditionRecordText(workspace, PosLib::Lists::articles, order.getPlu()),
            QCoreApplication::translate("SalesPromotionConditionsListView", "Costcenter: ") +
                conditionRestriction(workspace, QStringLiteral("costcenters"), order.getCostCenter()),
            QCoreApplication::translate("SalesPromotionConditionsListView", "Family: ") +
                conditionRestriction(workspace, PosLib::Lists::families, order.getFamily()),
            QCoreApplication::translate("SalesPromotionConditionsListView", "Pricelevel: ") +
                conditionRestriction(workspace, levels, order.getPriceLevel()),
            QCoreApplication::translate("SalesPromotionConditionsListView", "Discount: ") +
                conditionDiscountText(order.getDiscount())}
            .join(u'\n');
    }
    case PosLib::SalesPromotionCondition::DepartmentKind: {
        const PosLib::DepartmentCondition department(condition);
        return QStringList{
            QCoreApplication::translate("SalesPromotionConditionsListView", "DEPARTMENTCONDITION"),
            QString::number(department.getCount()) +
                QCoreApplication::translate("SalesPromotionConditionsListView", " Article(s) of ") +
                conditionRecordText(workspace, PosLib::Lists::departments, department.getDepartment()),
            QCoreApplication::translate("SalesPromotionConditionsListView", "Pricelevel: ") +
                conditionRestriction(workspace, levels, department.getPriceLevel())}
            .join(u'\n');
    }
    case PosLib::SalesPromotionCondition::TableKind:
        return QCoreApplication::translate("SalesPromotionConditionsListView",
                                           "TABLECONDITION (not supported!)");
    default:
        return QCoreApplication::translate("SalesPromotionConditionsListView", "Unknown condition");
    }
}
