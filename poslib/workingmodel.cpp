#include "workingmodel.h"

#include "tjson.h"

namespace PosLib {

namespace {

const char* const beginKey = "begin";

QByteArray dayKey(int day)
{
    return QByteArray::number(day);
}

} // namespace

int WorkingModel::getGracePeriod() const
{
    return getInt("graceperiod", 0);
}

void WorkingModel::setGracePeriod(int minutes)
{
    setOrRemove("graceperiod", minutes, 0);
}

QString WorkingModel::getModel() const
{
    return getString("model");
}

QTime WorkingModel::getBegin(int day) const
{
    rapidjson::Document model;
    Json::parseObject(getModel(), model);
    const auto member = model.FindMember(dayKey(day).constData());
    if (member == model.MemberEnd() || !member->value.IsObject())
        return QTime();
    const auto begin = member->value.FindMember(beginKey);
    if (begin == member->value.MemberEnd() || !begin->value.IsString())
        return QTime();
    const QString text = QString::fromUtf8(begin->value.GetString(), begin->value.GetStringLength());
    return QTime::fromString(text, QStringLiteral("hh:mm"));
}

void WorkingModel::setBegin(int day, const QTime& begin)
{
    rapidjson::Document model;
    Json::parseObject(getModel(), model);
    auto& allocator = model.GetAllocator();
    const QByteArray key = dayKey(day);
    const QByteArray time = begin.toString(QStringLiteral("hh:mm")).toUtf8();
    Json::removeMembers(model, key.constData());
    rapidjson::Value entry(rapidjson::kObjectType);
    entry.AddMember(rapidjson::StringRef(beginKey),
                    rapidjson::Value(time.constData(), rapidjson::SizeType(time.size()), allocator),
                    allocator);
    model.AddMember(rapidjson::Value(key.constData(), rapidjson::SizeType(key.size()), allocator), entry,
                    allocator);
    set("model", Json::compactText(model));
}

void WorkingModel::removeDay(int day)
{
    rapidjson::Document model;
    Json::parseObject(getModel(), model);
    Json::removeMembers(model, dayKey(day).constData());
    set("model", Json::compactText(model));
}

} // namespace PosLib
