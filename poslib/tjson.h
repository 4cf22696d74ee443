#pragma once

// JSON objects kept as text in one attribute of a record (the work model, the sales promotions),
// read and written with RapidJSON. Reading is bounded: a text longer than maxTextLength or nested
// deeper than maxDepth counts as unreadable, so a damaged or hostile attribute costs neither much
// memory nor the stack of a recursive writer.

#include "basics_global.h"

#include <QString>

#include <rapidjson/document.h>

namespace PosLib::Json {

inline constexpr qsizetype maxTextLength = 256 * 1024; // UTF-16 code units
inline constexpr int maxDepth = 32;

// Reads text as a JSON object into document. When the text is too long, too deep, not JSON or not
// an object, document becomes an empty object and the result is false.
BASICS_EXPORT bool parseObject(const QString& text, rapidjson::Document& document);
// The value as compact JSON text.
BASICS_EXPORT QString compactText(const rapidjson::Value& value);
// Removes every member of that name (a hand-edited text may hold one twice).
BASICS_EXPORT void removeMembers(rapidjson::Value& object, const char* name);
// The first member of that name when value is an object holding one; null otherwise.
BASICS_EXPORT const rapidjson::Value* member(const rapidjson::Value& value, const char* name);
// The member as an integer: def when it is missing or no integer.
BASICS_EXPORT int intMember(const rapidjson::Value& value, const char* name, int def = 0);
// The member as a text: empty when it is missing or no string.
BASICS_EXPORT QString textMember(const rapidjson::Value& value, const char* name);

} // namespace PosLib::Json
