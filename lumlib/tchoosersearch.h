#pragma once

// What the type-ahead filter of an id chooser (TChooserList) searches instead of the items' names,
// which lie in their records all over memory.

#include <QByteArray>
#include <QStringView>
#include <QtGlobal>

#include <string_view>
#include <vector>

namespace QtWidgets {

// For every item, in item order: a mask of the characters of its folded text (tcharactermask.h),
// one of its pairs of adjacent characters, hashed, and a copy of the start of its name, folded to
// Latin-1, lying end to end with the copies of the other items. A search text rules out most items
// by the masks and searches the rest in their copies; only an item whose copy is not its whole name
// (longer than copiedUnits, or a character beyond Latin-1) and does not contain the text needs its
// name. An item takes 21 bytes and one per unit of its copy.
//
// The index covers the first size() items: it is built after the items, a part at a time, and a
// change of an item drops the index from that item on.
class TChooserSearchIndex {
public:
    struct Masks {
        quint64 characters = 0;
        quint64 pairs = 0;
    };
    // Long enough for the whole name of nearly every article.
    static constexpr qsizetype copiedUnits = 32;

    // The masks of text as it is once folded (foldedUnit).
    static Masks masksOf(QStringView text);
    static bool mayContain(const Masks& item, const Masks& needle)
    {
        return (item.characters & needle.characters) == needle.characters &&
               (item.pairs & needle.pairs) == needle.pairs;
    }

    qsizetype size() const { return qsizetype(m_masks.size()); }
    // Indexes the next item: its whole text (for the masks) and the part of it a search looks into
    // beyond the id (the whole text for an item without one).
    void append(QStringView text, QStringView name);
    void truncate(qsizetype items);
    void reserve(qsizetype items)
    {
        m_masks.reserve(size_t(items));
        m_starts.reserve(size_t(items));
    }

    const Masks& masks(qsizetype item) const { return m_masks[size_t(item)]; }
    // The folded copy of the item's name, and whether that is the whole name.
    std::string_view copy(qsizetype item) const
    {
        const char* at = m_copies.constData() + m_starts[size_t(item)];
        return std::string_view(at + 1, size_t(uchar(*at) & ~partialCopy));
    }
    bool complete(qsizetype item) const
    {
        return !(uchar(m_copies.at(m_starts[size_t(item)])) & partialCopy);
    }

private:
    // Every copy begins with its length; the top bit marks a copy that is not the whole name.
    static constexpr uchar partialCopy = 0x80;
    std::vector<Masks> m_masks;
    std::vector<quint32> m_starts;
    QByteArray m_copies;
};

} // namespace QtWidgets
