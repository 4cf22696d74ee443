#pragma once

// Internal: how a record keeps its attributes, for the record stream reader.

#include "tvalue.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace Basics {

// The attributes of a record, in two parts.
//
// The keys, in code-unit order, are a list of their own: the records read from one file share one
// list as long as their keys are the same, so a key costs a record nothing.
//
// The texts lie end to end in one string, the block: first a table with the offset of every text
// in the block (two code units each, low half first), then per attribute one code unit that holds
// the type code of its value and whether its text is null, the text, and a NUL. A text is handed
// out as a QString that shares the block, so reading an attribute copies nothing; the NUL keeps such
// a string terminated as every QString is. A record of twelve short attributes thus takes a few
// hundred bytes in four allocations, where a string and an entry per attribute took three times as
// much (docs/performance.md).
struct TValueData : QSharedData {
    QList<QString> keys;
    QString block;

    qsizetype size() const { return keys.size(); }
    // Where the text of attribute i begins in the block, and its length.
    qsizetype offset(qsizetype i) const
    {
        const char16_t* table = reinterpret_cast<const char16_t*>(block.constData()) + 2 * i;
        return qsizetype(table[0]) | qsizetype(table[1]) << 16;
    }
    qsizetype length(qsizetype i) const
    {
        const qsizetype end = i + 1 < size() ? offset(i + 1) - 1 : block.size();
        return end - 1 - offset(i);
    }
    char16_t flags(qsizetype i) const { return block.at(offset(i) - 1).unicode(); }
    int type(qsizetype i) const;
    bool isNull(qsizetype i) const;
    QStringView view(qsizetype i) const { return QStringView(block).sliced(offset(i), length(i)); }
    // The text as a string sharing the block (null when the stored text is null).
    QString text(qsizetype i) const;
    TVariant value(qsizetype i) const;
    // The index of the key, or -1.
    qsizetype find(QAnyStringView key) const;
    // Where the key is or would be inserted.
    qsizetype lowerBound(QAnyStringView key) const;
};

class TextArena;

// Writes a block of a known number of texts with a known number of code units in all, in a string
// of its own or, given an arena, in the arena's memory.
class TextBlockWriter {
public:
    TextBlockWriter(qsizetype count, qsizetype units, TextArena* arena = nullptr);
    // Adds the next text: its flags, then room for length code units, which the caller fills.
    char16_t* add(int type, bool isNull, qsizetype length);
    void add(int type, bool isNull, QStringView text);
    void add(const TValueData& data, qsizetype i);
    QString take() { return std::move(m_block); }

    static char16_t flagsOf(int type, bool isNull);

private:
    QString m_block;
    char16_t* m_base = nullptr;
    char16_t* m_table = nullptr;
    char16_t* m_next = nullptr;
};

// The storage of a record, for the record stream, which reads it into and writes it from the block
// directly.
struct RecordAccess {
    static const TValueData& data(const TValue& value) { return *value.d; }
    static TValueData& data(TValue& value) { return *value.d; }
    static void refreshID(TValue& value) { value.refreshID(); }
};

} // namespace Basics
