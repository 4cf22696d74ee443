#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QList>
#include <QString>

// Reads a record's XML text: the children of the document element, each as its tag and the text
// of all it holds, in the order of the text.
namespace PosLib::XmlRecordReader {

enum class Outcome {
    Complete,
    Stopped, // a child that is no element: the values before it were read
    Failed,  // not XML, or no document element
};

// As the document tree reads it (text of spaces only left out), through the stream reader.
BASICS_EXPORT Outcome readStream(const QString& text, QList<Basics::TAttribute>& values);

// The plain form the records write (declaration, document type, elements of plain names holding
// text with the five named entities) read by hand, four times as fast as the stream reader; false,
// with values left empty, for a text in any other form, which readStream then reads.
BASICS_EXPORT bool readPlain(QStringView text, QList<Basics::TAttribute>& values);

inline Outcome read(const QString& text, QList<Basics::TAttribute>& values)
{
    return readPlain(text, values) ? Outcome::Complete : readStream(text, values);
}

} // namespace PosLib::XmlRecordReader
