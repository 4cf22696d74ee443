#pragma once

// Internal: the memory the record stream reader puts the text blocks of a large file's records in.

#include <QString>

namespace Basics {

// Hands out the text blocks of many records as pieces of a few large strings (chunks). A block
// shares its chunk as a text read from a record shares the block, so a chunk goes back to the
// system when the last record in it was changed or deleted, and a record changed later gets a
// block of its own as before.
//
// Loading a large list in a fresh process spends most of its time on the system handing out
// memory a 4 KB page at a time; the chunks ask for transparent huge pages (2 MB), which cost the
// same for the whole 2 MB as a 4 KB page does. Where the system gives none, the chunks are plain
// memory and only the allocations saved remain (a block costs no header of its own).
class TextArena {
public:
    // Code units of a chunk: 16 MB, of which at least 14 MB lie in whole huge pages.
    static constexpr qsizetype chunkUnits = qsizetype(8) << 20;

    // A block of units code units, into which the caller writes through the pointer returned
    // (block is then a string of that length). Larger blocks than an eighth of a chunk get a
    // string of their own.
    char16_t* allocate(qsizetype units, QString& block);

private:
    QString m_chunk;
    qsizetype m_used = 0;
};

} // namespace Basics
