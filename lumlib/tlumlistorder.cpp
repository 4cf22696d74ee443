#include "tlumlistorder.h"

#include "tlumcolumn.h"
#include "tlumlistview.h"
#include "tvalue.h"

#include <QString>

#include <algorithm>
#include <array>
#include <numeric>

namespace {

struct NumberKey {
    double number;
    int row;
};

// A text ignoring case, as QString::compare with Qt::CaseInsensitive orders it, which compares the
// case-folded code units one by one: the first sixteen folded units packed into four words, so that
// integers decide most comparisons, and the text where they cannot.
struct TextKey {
    std::array<quint64, 4> prefix{};
    int row = 0;
    quint32 length : 31 = 0; // up to packedUnits + 1: all that counts
    quint32 packed : 1 = 0;  // prefix holds the folded units (none of them is a surrogate)
};

constexpr qsizetype packedUnits = 16;
// Items and records lie all over memory once a list has been sorted: they are fetched this many
// places ahead of their turn.
constexpr qsizetype fetchAhead = 16;

using Records = std::span<Basics::TValue* const>;

void fetchEarly(Records records, size_t row)
{
    if (row + fetchAhead < records.size())
        __builtin_prefetch(records[row + fetchAhead]);
}

TextKey textKey(QStringView text, int row)
{
    TextKey key;
    key.row = row;
    key.length = quint32(std::min(text.size(), packedUnits + 1));
    const qsizetype units = std::min(text.size(), packedUnits);
    for (qsizetype i = 0; i < units; ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isSurrogate(unit))
            return key;
        const char16_t folded = unit < 0x80 ? (unit >= u'A' && unit <= u'Z' ? char16_t(unit | 0x20) : unit)
                                            : char16_t(QChar::toCaseFolded(char32_t(unit)));
        key.prefix[size_t(i / 4)] |= quint64(folded) << (16 * (3 - i % 4));
    }
    key.packed = 1;
    return key;
}

// Negative, zero or positive as a sorts before, with or after b ignoring case; textOf gives a row's
// whole text for the few pairs the keys cannot decide.
template <class TextOf>
int compareTexts(const TextKey& a, const TextKey& b, const TextOf& textOf)
{
    if (a.packed && b.packed) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix ? -1 : 1;
        if (a.length <= packedUnits && b.length <= packedUnits)
            return a.length < b.length ? -1 : (a.length > b.length ? 1 : 0);
    }
    return QStringView(textOf(a.row)).compare(textOf(b.row), Qt::CaseInsensitive);
}

// The rows in the order of the keys; empty when they are in that order already.
template <class Key, class Less>
std::vector<int> sortKeys(std::vector<Key>& keys, Less less)
{
    if (std::is_sorted(keys.cbegin(), keys.cend(), less))
        return {};
    std::sort(keys.begin(), keys.end(), less);
    std::vector<int> rows(keys.size());
    std::transform(keys.cbegin(), keys.cend(), rows.begin(), [](const Key& key) { return key.row; });
    return rows;
}

std::vector<int> byNumber(Records records, const TLumColumn& column, bool ascending)
{
    std::vector<NumberKey> keys(records.size());
    for (size_t row = 0; row < records.size(); ++row) {
        fetchEarly(records, row);
        keys[row] = {column.orderNumber(*records[row]), int(row)};
    }
    return sortKeys(keys, [ascending](const NumberKey& a, const NumberKey& b) {
        if (a.number != b.number)
            return ascending ? a.number < b.number : a.number > b.number;
        return a.row < b.row;
    });
}

std::vector<int> byText(Records records, const TLumColumn& column, bool ascending)
{
    // The texts are not kept: a million of them cost more to hold and let go than the few pairs
    // whose keys tie cost to read again.
    std::vector<TextKey> keys(records.size());
    for (size_t row = 0; row < records.size(); ++row) {
        fetchEarly(records, row);
        keys[row] = textKey(records[row]->getString(column.key), int(row)); // shares the record's storage
    }
    const auto textOf = [records, &column](int row) { return records[size_t(row)]->getString(column.key); };
    return sortKeys(keys, [ascending, &textOf](const TextKey& a, const TextKey& b) {
        const int order = compareTexts(a, b, textOf);
        if (order != 0)
            return ascending ? order < 0 : order > 0;
        return a.row < b.row;
    });
}

struct OwnKey {
    TLumColumn::SortKey key;
    int row;
};

// A column with an order of its own: its key, taken once from every record.
std::vector<int> byOwnKey(Records records, const TLumColumn& column, bool ascending)
{
    std::vector<OwnKey> keys(records.size());
    for (size_t row = 0; row < records.size(); ++row)
        keys[row] = {column.sortKey(*records[row]), int(row)};
    return sortKeys(keys, [ascending](const OwnKey& a, const OwnKey& b) {
        const int order = TLumColumn::compareKeys(a.key, b.key);
        if (order != 0)
            return ascending ? order < 0 : order > 0;
        return a.row < b.row;
    });
}

std::vector<int> byItems(const QList<QTreeWidgetItem*>& items, bool ascending)
{
    std::vector<int> rows(size_t(items.size()));
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(), [&items, ascending](int a, int b) {
        return ascending ? *items[a] < *items[b] : *items[b] < *items[a];
    });
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] != int(i))
            return rows;
    }
    return {};
}

} // namespace

std::vector<int> sortedRows(const QList<QTreeWidgetItem*>& items, const TLumColumn* column,
                            Qt::SortOrder order)
{
    const bool ascending = order == Qt::AscendingOrder;
    std::vector<Basics::TValue*> records;
    if (column) {
        records.reserve(items.size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (i + fetchAhead < items.size())
                __builtin_prefetch(items[i + fetchAhead]);
            const TLumListItem* recordItem = TLumListItem::of(items[i]);
            if (!recordItem || !recordItem->value())
                break;
            records.push_back(recordItem->value());
        }
    }
    // A column with an order of its own sorts through its items' comparison.
    if (!column || column->keyOf || qsizetype(records.size()) != items.size())
        return byItems(items, ascending);
    return sortedRecordRows(records, *column, order);
}

std::vector<int> sortedRecordRows(std::span<Basics::TValue* const> records, const TLumColumn& column,
                                  Qt::SortOrder order)
{
    const bool ascending = order == Qt::AscendingOrder;
    if (column.keyOf)
        return byOwnKey(records, column, ascending);
    if (column.ordersByNumber())
        return byNumber(records, column, ascending);
    return byText(records, column, ascending);
}
