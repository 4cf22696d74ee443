#include "salepromotionmodel.h"

#include "salepromotion.h"
#include "tjson.h"

namespace PosLib {

namespace {

rapidjson::Value promotionText(const QString& text, rapidjson::Document::AllocatorType& allocator)
{
    const QByteArray utf8 = text.toUtf8();
    return rapidjson::Value(utf8.constData(), rapidjson::SizeType(utf8.size()), allocator);
}

// A stored object (a condition, an action) back into the model it came from.
rapidjson::Value promotionObject(const QString& text, rapidjson::Document::AllocatorType& allocator)
{
    rapidjson::Document object;
    Json::parseObject(text, object);
    return rapidjson::Value(object, allocator);
}

} // namespace

SalePromotionPage SalePromotionPage::read(const rapidjson::Value& page)
{
    SalePromotionPage result;
    result.name = Json::textMember(page, "name");
    const rapidjson::Value* active = Json::member(page, "active");
    result.active = active && active->IsTrue();
    const rapidjson::Value* conditions = Json::member(page, "conditions");
    if (conditions && conditions->IsArray()) {
        for (const rapidjson::Value& condition : conditions->GetArray()) {
            if (condition.IsObject())
                result.conditions << Json::compactText(condition);
        }
    }
    return result;
}

SalePromotionModel SalePromotionModel::read(const QString& text, bool* readable)
{
    rapidjson::Document model;
    const bool parsed = Json::parseObject(text, model);
    if (readable)
        *readable = parsed;
    SalePromotionModel result;
    const rapidjson::Value* pages = Json::member(model, "pages");
    if (pages && pages->IsArray()) {
        for (const rapidjson::Value& page : pages->GetArray()) {
            if (page.IsObject())
                result.pages << SalePromotionPage::read(page);
        }
    }
    const rapidjson::Value* action = Json::member(model, "action");
    if (action && action->IsObject() && action->MemberCount() > 0) {
        if (Json::intMember(*action, "type") == SalePromotion::combiOrderAction) {
            result.combiOrder = true;
            const rapidjson::Value* properties = Json::member(*action, "prop");
            result.combiPlu = properties ? Json::intMember(*properties, "plu") : 0;
        } else {
            result.otherAction = Json::compactText(*action);
        }
    }
    return result;
}

QString SalePromotionModel::text() const
{
    rapidjson::Document model(rapidjson::kObjectType);
    auto& allocator = model.GetAllocator();
    rapidjson::Value pageArray(rapidjson::kArrayType);
    int id = 0;
    for (const SalePromotionPage& page : pages) {
        rapidjson::Value conditionArray(rapidjson::kArrayType);
        for (const QString& condition : page.conditions)
            conditionArray.PushBack(promotionObject(condition, allocator), allocator);
        rapidjson::Value object(rapidjson::kObjectType);
        object.AddMember("name", promotionText(page.name, allocator), allocator);
        object.AddMember("id", id++, allocator);
        object.AddMember("active", page.active, allocator);
        object.AddMember("conditions", conditionArray, allocator);
        pageArray.PushBack(object, allocator);
    }
    model.AddMember("pages", pageArray, allocator);
    rapidjson::Value action(rapidjson::kObjectType);
    if (combiOrder) {
        rapidjson::Value properties(rapidjson::kObjectType);
        properties.AddMember("plu", combiPlu, allocator);
        action.AddMember("type", SalePromotion::combiOrderAction, allocator);
        action.AddMember("prop", properties, allocator);
    } else if (!otherAction.isEmpty()) {
        action = promotionObject(otherAction, allocator);
    }
    model.AddMember("action", action, allocator);
    return Json::compactText(model);
}

} // namespace PosLib
