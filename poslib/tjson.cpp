#include "tjson.h"

#include <QByteArray>

#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <charconv>
#include <string>
#include <vector>

namespace PosLib::Json {

namespace {

// The first pass over a text: refuses it as soon as its nesting goes beyond maxDepth, and keeps every
// number as written, in the order of the text.
struct JsonFirstPass : rapidjson::BaseReaderHandler<rapidjson::UTF8<>, JsonFirstPass> {
    int depth = 0;
    std::vector<std::string> numbers;
    bool Default() { return true; }
    bool RawNumber(const char* text, rapidjson::SizeType length, bool)
    {
        numbers.emplace_back(text, length);
        return true;
    }
    bool StartObject() { return ++depth <= maxDepth; }
    bool EndObject(rapidjson::SizeType) { return --depth, true; }
    bool StartArray() { return ++depth <= maxDepth; }
    bool EndArray(rapidjson::SizeType) { return --depth, true; }
};

// The iterative parser needs no stack of its own for nesting.
constexpr unsigned parseFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseValidateEncodingFlag;

// RapidJSON's fast reading of a number that is no integer may miss by a unit in the last place; its
// written form then reads as another number, and a model read and written again changes at every
// save, or flips between two numbers. (Its full-precision reading computes with undefined behaviour
// on hostile numbers and reads some of them wrong.) Such a number is read again from its text,
// correctly rounded, so that the written form reads back as the same number. The numbers of the
// document are those of the first pass, in the same order; recursion is as deep as the depth check
// let the text be.
void readExactNumbers(rapidjson::Value& value, const std::vector<std::string>& numbers, std::size_t& next)
{
    if (value.IsNumber()) {
        if (value.IsDouble() && next < numbers.size()) {
            const std::string& text = numbers[next];
            double exact = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), exact);
            if (error == std::errc() && end == text.data() + text.size())
                value.SetDouble(exact);
        }
        ++next;
    } else if (value.IsArray()) {
        for (rapidjson::Value& element : value.GetArray())
            readExactNumbers(element, numbers, next);
    } else if (value.IsObject()) {
        for (auto& member : value.GetObject())
            readExactNumbers(member.value, numbers, next);
    }
}

} // namespace

bool parseObject(const QString& text, rapidjson::Document& document)
{
    document.SetObject();
    if (text.size() > maxTextLength)
        return false;
    const QByteArray utf8 = text.toUtf8();
    if (utf8.contains('\0')) // never part of a JSON text, and the end of the parser's input
        return false;
    JsonFirstPass first;
    {
        rapidjson::Reader reader;
        rapidjson::StringStream stream(utf8.constData());
        if (!reader.Parse<parseFlags | rapidjson::kParseNumbersAsStringsFlag>(stream, first))
            return false;
    }
    rapidjson::Document parsed;
    parsed.Parse<parseFlags>(utf8.constData());
    if (parsed.HasParseError() || !parsed.IsObject())
        return false;
    std::size_t next = 0;
    readExactNumbers(parsed, first.numbers, next);
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
