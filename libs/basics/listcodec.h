#pragma once

// The content of a data file as a whole: the records of a list in their stream form, one after the
// other, and the compressed variant that is read when POS_COMPRESS is on.

#include "basics_global.h"

#include <QByteArray>

class QIODevice;

namespace Basics {

class TFileReplacement;
class TValueList;

// Whether POS_COMPRESS asks for compressed files to be recognised (set, and not "0" or "false").
BASICS_EXPORT bool compressionEnabled();

// The bytes of every record of the list in iteration order.
BASICS_EXPORT QByteArray encodeList(const TValueList& list);
// Writes the same bytes into the replacement's new file, a piece at a time.
BASICS_EXPORT void writeList(const TValueList& list, TFileReplacement& replacement);

// Inserts the records of a file's content into the list; returns 0 when all was read, 304 when the
// data ends inside a record, does not uncompress, or would take more memory than a file of its
// size may: a plain file may make the reader hold about memoryFactor times its size (and at most
// 1,000 records without any attribute), a compressed one may uncompress to at most expansionFactor
// times its size. With compression on, content that ends in 0xFF but does not uncompress is read as
// plain records, so that a file this program wrote always reads back. A file refused for its memory
// leaves the list empty. Throws TError 5 for an attribute count of 2^24 or more.
BASICS_EXPORT int decodeList(TValueList& list, QByteArray data, bool compressed);
// The same for an open file, from where it stands to its end. A plain file is read a piece at a
// time, each piece decoded before the next is read, so that the list never holds more of the file's
// bytes than a piece (and a record that does not fit into one); a compressed one is read whole. 304
// also when the file cannot be read.
BASICS_EXPORT int readList(TValueList& list, QIODevice& file, bool compressed);

inline constexpr qsizetype memoryFactor = 16;
inline constexpr qsizetype expansionFactor = 256;
// What any file may use in any case, however small it is.
inline constexpr qsizetype memoryAllowance = 1 << 20;

} // namespace Basics
