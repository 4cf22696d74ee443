#include "salepromotion.h"

#include "tidlist.h"
#include "tjson.h"

namespace PosLib {

namespace {

// The member of the stored model as compact JSON when it is of that type; empty otherwise.
QString promotionModelMember(const SalePromotion& promotion, const char* name, rapidjson::Type type)
{
    rapidjson::Document model;
    Json::parseObject(promotion.getModel(), model);
    const rapidjson::Value* found = Json::member(model, name);
    return found && found->GetType() == type ? Json::compactText(*found) : QString();
}

} // namespace

QString SalePromotion::getDescription() const
{
    return getString("description");
}

void SalePromotion::setDescription(const QString& description)
{
    setOrRemove("description", description, QString());
}

QString SalePromotion::getModel() const
{
    return getString("model");
}

void SalePromotion::setModel(const QString& model)
{
    setOrRemove("model", model, QString());
}

QString SalePromotion::initialPage(const QString& name)
{
    rapidjson::Document page(rapidjson::kObjectType);
    const QByteArray utf8 = name.toUtf8();
    page.AddMember("name",
                   rapidjson::Value(utf8.constData(), rapidjson::SizeType(utf8.size()), page.GetAllocator()),
                   page.GetAllocator());
    page.AddMember("active", true, page.GetAllocator());
    return Json::compactText(page);
}

QString SalePromotion::getAction() const
{
    return promotionModelMember(*this, "action", rapidjson::kObjectType);
}

QString SalePromotion::getActionProperties() const
{
    rapidjson::Document model;
    Json::parseObject(getModel(), model);
    const rapidjson::Value* action = Json::member(model, "action");
    const rapidjson::Value* properties = action ? Json::member(*action, "prop") : nullptr;
    return properties && properties->IsObject() ? Json::compactText(*properties) : QString();
}

int SalePromotion::getCombiPlu() const
{
    rapidjson::Document model;
    Json::parseObject(getModel(), model);
    const rapidjson::Value* action = Json::member(model, "action");
    const rapidjson::Value* properties = action ? Json::member(*action, "prop") : nullptr;
    return properties ? Json::intMember(*properties, "plu") : 0;
}

QString SalePromotion::getPages() const
{
    return promotionModelMember(*this, "pages", rapidjson::kArrayType);
}

QString SalePromotionsGroup::getDescription() const
{
    return getString("description");
}

void SalePromotionsGroup::setDescription(const QString& description)
{
    setOrRemove("description", description, QString());
}

QList<int> SalePromotionsGroup::getPromotions() const
{
    return splitIds(getString("promotions"), u';');
}

void SalePromotionsGroup::setPromotions(const QList<int>& ids)
{
    setOrRemove("promotions", joinIds(ids, u';'), QString());
}

} // namespace PosLib
