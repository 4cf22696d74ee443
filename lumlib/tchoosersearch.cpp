#include "tchoosersearch.h"

#include "tcharactermask.h"
#include "tchooseritems.h"

#include <algorithm>

namespace QtWidgets {

TChooserSearchIndex::Masks TChooserSearchIndex::masksOf(QStringView text)
{
    Masks masks;
    char16_t previous = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t folded = foldedUnit(text[i].unicode());
        masks.characters |= quint64(1) << characterBit(folded);
        if (i > 0)
            masks.pairs |= quint64(1) << ((quint32(previous) << 16 | folded) * 2654435761u >> 26);
        previous = folded;
    }
    return masks;
}

void TChooserSearchIndex::append(QStringView text, QStringView name)
{
    m_masks.push_back(masksOf(text));
    m_starts.push_back(quint32(m_copies.size()));
    const qsizetype lengthAt = m_copies.size();
    m_copies.append(char(0));
    qsizetype length = 0;
    bool whole = true;
    for (const QChar c : name) {
        const char16_t folded = foldedUnit(c.unicode());
        if (folded > 0xff || length == copiedUnits) {
            whole = false;
            break;
        }
        m_copies.append(char(folded));
        ++length;
    }
    m_copies[lengthAt] = char(uchar(length) | (whole ? 0 : partialCopy));
}

void TChooserSearchIndex::truncate(qsizetype items)
{
    if (items >= size())
        return;
    if (items == 0) {
        *this = TChooserSearchIndex();
        return;
    }
    m_copies.truncate(m_starts[size_t(items)]);
    m_masks.resize(size_t(items));
    m_starts.resize(size_t(items));
}

} // namespace QtWidgets
