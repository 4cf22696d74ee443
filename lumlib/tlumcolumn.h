#pragma once

#include "lumlib_global.h"

#include <QChar>
#include <QList>
#include <QString>

#include <functional>

class TLumWorkspace;

namespace Basics {
class TValue;
}

// One attribute of the records of a list as the back office shows it: the column of the list view,
// a field of the generic record editor, and where it refers to records of another list, a
// reference the delete check and the configuration check follow. Each kind formats the stored
// value as the editors show it; sorting compares the stored values.
struct LUMLIB_EXPORT TLumColumn {
    enum Kind {
        Text,
        Number,     // an integer
        Decimal,    // a number with decimals, shown with up to six significant digits
        Amount,     // an integer in the smallest unit of the system currency
        Percent,    // hundredths of a per cent, shown "19.00"
        Time,       // hour * 100 + minute, shown "hh:mm"
        Weekdays,   // bit 0 Sunday to bit 6 Saturday; absent: every day
        Flag,       // "yes" or absent
        Reference,  // the id of a record of another list, shown by its name
        References, // ids of records of another list joined by a separator
    };
    using Format = std::function<QString(const Basics::TValue&, TLumWorkspace*)>;
    using Ids = std::function<QList<int>(const Basics::TValue&)>;
    // What a record sorts by in a column: the number first, then the text without regard to case
    // (kept case-folded, so that comparing keys compares code units).
    struct SortKey {
        double number = 0;
        QString text;
    };
    using KeyOf = std::function<SortKey(const Basics::TValue&)>;

    QString title;
    QString key; // "id" shows the record id
    Kind kind = Text;
    QString reference; // the list a Reference or References column refers to
    QChar separator;   // between the ids of a References column
    bool shown = true; // listed unless the operator chooses it; hidden ones are offered
    Format format;     // a text of its own where the kind does not say enough
    Ids idsOf;         // the referenced ids where the stored text is not a plain list of them
    KeyOf keyOf;       // an order of its own where the stored value does not sort as the kind says
                       // (its text is case-folded by sortKey)

    bool numeric() const;
    // The column's text for a record; the workspace gives the system currency and the referenced
    // lists (without it amounts are plain integers and references plain ids).
    QString text(const Basics::TValue& record, TLumWorkspace* workspace) const;
    // Negative, zero or positive as a's stored value sorts before, with or after b's.
    int compare(const Basics::TValue& a, const Basics::TValue& b) const;
    // The key compare() orders a record by, for rows that keep it while they are sorted.
    SortKey sortKey(const Basics::TValue& record) const;
    static int compareKeys(const SortKey& a, const SortKey& b);
    // The ids a reference column holds (none for other kinds; 0 is no reference).
    QList<int> ids(const Basics::TValue& record) const;

    static QString percentText(int hundredths);
    static QString timeText(int hhmm);
    static QString weekdaysText(int days);
};
