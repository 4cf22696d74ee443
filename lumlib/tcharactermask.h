#pragma once

#include <QStringView>
#include <QtGlobal>

namespace QtWidgets {

// Which characters a text contains, as one bit per character class: a bit of its own for every
// letter a-z and digit, the 28 other bits shared by all other characters. A text can only contain
// a search text whose bits it has all; for a single letter or digit the bit alone decides. Searches
// over many texts test the masks first and look into a text only where it may match.
inline constexpr int ownCharacterBits = 36;

inline int characterBit(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return c - u'a';
    if (c >= u'0' && c <= u'9')
        return 26 + (c - u'0');
    return ownCharacterBits + c % (64 - ownCharacterBits);
}

// The mask of a case-folded text.
inline quint64 characterMask(QStringView foldedText)
{
    quint64 mask = 0;
    for (QChar c : foldedText)
        mask |= quint64(1) << characterBit(c.unicode());
    return mask;
}

// The mask of a text as it would be once case-folded, without folding it.
inline quint64 foldedCharacterMask(QStringView text)
{
    quint64 mask = 0;
    for (QChar c : text)
        mask |= quint64(1) << characterBit(c.toCaseFolded().unicode());
    return mask;
}

} // namespace QtWidgets
