#pragma once

// The XML exchange document of a list as a whole: an XML declaration and the list's root element
// (rootName()) holding one element per record (elementName()).

#include "basics_global.h"

#include <QByteArray>
#include <QString>

namespace Basics {

class TValueList;

BASICS_EXPORT QByteArray exportDocument(TValueList& list);

// Parses xml and applies it to the list with importXml. Returns false, with a message naming the
// line and column, when the text is not well-formed XML or when its root element is not the list's
// root name; the list is then untouched.
BASICS_EXPORT bool importDocument(TValueList& list, const QByteArray& xml, QString* error);

} // namespace Basics
