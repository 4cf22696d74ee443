#include "tjson.h"

#include <QByteArray>

#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

namespace PosLib::Json {

namespace {

// Refuses a document as soon as its nesting goes beyond maxDepth.
struct DepthCheck : rapidjson::BaseReaderHandler<rapidjson::UTF8<>, DepthCheck> {
    int depth = 0;
    bool Default() { return true; }
    bool StartObject() { return ++depth <= maxDepth; }
    bool EndObject(rapidjson::SizeType) { return --depth, true; }
    bool StartArray() { return ++depth <= maxDepth; }
    bool EndArray(rapidjson::SizeType) { return --depth, true; }
};

// The iterative parser needs no stack of its own for nesting. Numbers are read in full precision:
// the fast reading of a number that is no integer may miss by a unit in the last place, and a model
// that is read and written again would then change at every save.
constexpr unsigned parseFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseValidateEncodingFlag |
                                rapidjson::kParseFullPrecisionFlag;

} // namespace

bool parseObject(const QString& text, rapidjson::Document& document)
{
    document.SetObject();
    if (text.size() > maxTextLength)
        return false;
    const QByteArray utf8 = text.toUtf8();
    if (utf8.contains('\0')) // never part of a JSON text, and the end of the parser's input
        return false;
    {
        rapidjson::Reader reader;
        rapidjson::StringStream stream(utf8.constData());
        DepthCheck check;
        if (!reader.Parse<parseFlags>(stream, check))
            return false;
    }
    rapidjson::Document parsed;
    parsed.Parse<parseFlags>(utf8.constData());
    if (parsed.HasParseError() || !parsed.IsObject())
        return false;
    document.Swap(parsed);
    return true;
}

QString compactText(const rapidjson::Value& value)
{
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    value.Accept(writer);
    return QString::fromUtf8(buffer.GetString(), qsizetype(buffer.GetSize()));
}

void removeMembers(rapidjson::Value& object, const char* name)
{
    if (!object.IsObject())
        return;
    while (object.RemoveMember(name)) {
    }
}

const rapidjson::Value* member(const rapidjson::Value& value, const char* name)
{
    if (!value.IsObject())
        return nullptr;
    const auto found = value.FindMember(name);
    return found != value.MemberEnd() ? &found->value : nullptr;
}

int intMember(const rapidjson::Value& value, const char* name, int def)
{
    const rapidjson::Value* found = member(value, name);
    return found && found->IsInt() ? found->GetInt() : def;
}

QString textMember(const rapidjson::Value& value, const char* name)
{
    const rapidjson::Value* found = member(value, name);
    if (!found || !found->IsString())
        return QString();
    return QString::fromUtf8(found->GetString(), qsizetype(found->GetStringLength()));
}

} // namespace PosLib::Json
