#include "salespromotioncondition.h"

#include "tjson.h"

namespace PosLib {

SalesPromotionCondition::SalesPromotionCondition(int kind)
    : m_object(std::make_unique<rapidjson::Document>(rapidjson::kObjectType))
{
    m_object->AddMember("type", kind, m_object->GetAllocator());
}

SalesPromotionCondition::SalesPromotionCondition(const rapidjson::Value& object)
    : m_object(std::make_unique<rapidjson::Document>(rapidjson::kObjectType))
{
    if (object.IsObject())
        m_object->CopyFrom(object, m_object->GetAllocator());
}

SalesPromotionCondition SalesPromotionCondition::fromText(const QString& text)
{
    rapidjson::Document object;
    Json::parseObject(text, object);
    return SalesPromotionCondition(static_cast<const rapidjson::Value&>(object));
}

SalesPromotionCondition::SalesPromotionCondition(const SalesPromotionCondition& other)
    : SalesPromotionCondition(static_cast<const rapidjson::Value&>(*other.m_object))
{
}

SalesPromotionCondition& SalesPromotionCondition::operator=(const SalesPromotionCondition& other)
{
    if (this != &other) {
        auto copy = std::make_unique<rapidjson::Document>(rapidjson::kObjectType);
        copy->CopyFrom(*other.m_object, copy->GetAllocator());
        m_object = std::move(copy);
    }
    return *this;
}

SalesPromotionCondition::~SalesPromotionCondition() = default;

int SalesPromotionCondition::getInt(const char* name) const
{
    return Json::intMember(*m_object, name);
}

void SalesPromotionCondition::setInt(const char* name, int value)
{
    // Set where it stands, so that the members keep their order; twins go.
    bool set = false;
    for (auto member = m_object->MemberBegin(); member != m_object->MemberEnd();) {
        if (member->name != name) {
            ++member;
        } else if (set) {
            member = m_object->EraseMember(member);
        } else {
            member->value.SetInt(value);
            set = true;
            ++member;
        }
    }
    if (!set) {
        rapidjson::Value key(name, m_object->GetAllocator());
        m_object->AddMember(key, value, m_object->GetAllocator());
    }
}

QString SalesPromotionCondition::toJson() const
{
    return Json::compactText(*m_object);
}

OrderCondition::OrderCondition()
    : SalesPromotionCondition(OrderKind)
{
}

OrderCondition::OrderCondition(const SalesPromotionCondition& condition)
    : SalesPromotionCondition(condition)
{
}

DepartmentCondition::DepartmentCondition()
    : SalesPromotionCondition(DepartmentKind)
{
}

DepartmentCondition::DepartmentCondition(const SalesPromotionCondition& condition)
    : SalesPromotionCondition(condition)
{
}

} // namespace PosLib
