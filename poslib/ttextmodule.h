#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace PosLib {

// A text module: a short text of several lines (a remark, a kitchen note) that the point of sale
// offers to the waiter. "text" holds the lines joined by "|".
class BASICS_EXPORT TTextModule : public Basics::TValue {
public:
    QStringList getLines() const;
    // The lines as one text with line breaks.
    QString getText() const;
    // Stores the non-empty lines; removes "text" when there are none.
    void setLines(const QStringList& lines);
    // What tells several modules' texts apart: the text, or the name of a module without one.
    QString comparedText() const;
};

// A help text attached to articles: a text module of its own list.
class BASICS_EXPORT TArticleHelpText : public TTextModule {};

// A group of text modules offered together, each with its priority. "modules" holds one entry
// "module-prio" per member, joined by ",".
class BASICS_EXPORT TTextModulesGroup : public Basics::TValue {
public:
    static constexpr int maxPrio = 99;
    static constexpr int ignoredPrio = 99; // "Ignore": the member is not offered first

    struct Member {
        int module = 0;
        int prio = 0;
        bool operator==(const Member&) const = default;
    };

    // Entries without a module number are skipped; a prio that is no number counts as 0.
    QList<Member> getMembers() const;
    // Removes "modules" when there are no members.
    void setMembers(const QList<Member>& members);
};

// A group of article help texts.
class BASICS_EXPORT TArticleHelpTextsGroup : public TTextModulesGroup {};

} // namespace PosLib
