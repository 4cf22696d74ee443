#pragma once

// The XML exchange document of a list as a whole: an XML declaration and the list's root element
// (rootName()) holding one element per record (elementName()).

#include "basics_global.h"

#include <QByteArray>
#include <QString>

namespace Basics {

class TValueList;

// The document, or a null array with a message naming the record and the value when a value holds
// a character that XML 1.0 cannot carry (a control character other than tab and line breaks).
BASICS_EXPORT QByteArray exportDocument(TValueList& list, QString* error = nullptr);

// Parses xml and applies it to the list with importXml, all records or none. Returns false, with a
// message naming the line and column, when the text is not well-formed XML, is nested deeper than
// a list can be (list, record, value), has a root element other than the list's root name, or
// when importXml would lose or invent a record: text or comments between the values of a record,
// an empty record, an id that is not a number of the integer range, a "_delete_" that is not the
// first element of its record, or without an id, or of a record the list does not hold, a record without an
// id when no id is left to give it, or a settings record whose id is taken. The list is then untouched.
BASICS_EXPORT bool importDocument(TValueList& list, const QByteArray& xml, QString* error);

// Elements of a list document: the list, a record, a value.
inline constexpr int maxDocumentDepth = 3;

} // namespace Basics
