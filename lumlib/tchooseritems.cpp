#include "tchooseritems.h"

#include "tcharactermask.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <numeric>

namespace QtWidgets {

namespace {

struct IdDigits {
    char digits[16];
    qsizetype length;
    qsizetype padding;
};

IdDigits idDigits(int id, int idWidth)
{
    IdDigits result;
    result.length =
        std::to_chars(result.digits, result.digits + sizeof result.digits, id).ptr - result.digits;
    result.padding = std::max<qsizetype>(0, qsizetype(std::abs(idWidth)) - result.length);
    return result;
}

} // namespace

qsizetype itemLength(int id, qsizetype nameLength, int idWidth)
{
    const IdDigits digits = idDigits(id, idWidth);
    return digits.padding + digits.length + chosenMark.size() + nameLength;
}

QChar* writeItem(QChar* out, int id, QStringView name, int idWidth)
{
    const IdDigits digits = idDigits(id, idWidth);
    if (idWidth >= 0)
        out = std::fill_n(out, digits.padding, u' ');
    out = std::transform(digits.digits, digits.digits + digits.length, out,
                         [](char c) { return QLatin1Char(c); });
    if (idWidth < 0)
        out = std::fill_n(out, digits.padding, u' ');
    out = std::copy(chosenMark.begin(), chosenMark.end(), out);
    return std::copy(name.begin(), name.end(), out);
}

int idOfItem(QStringView text)
{
    if (text.isEmpty())
        return -1;
    const qsizetype end = text.indexOf(u')');
    return text.first(end < 0 ? text.size() : end).trimmed().toInt();
}

QString foldedText(QStringView text)
{
    QString folded(text.size(), Qt::Uninitialized);
    std::transform(text.begin(), text.end(), folded.begin(),
                   [](QChar c) { return QChar(foldedUnit(c.unicode())); });
    return folded;
}

bool containsFolded(QStringView text, QStringView foldedNeedle)
{
    // Item and filter texts are short: a plain search beats setting up a skip table.
    return std::search(text.begin(), text.end(), foldedNeedle.begin(), foldedNeedle.end(),
                       [](QChar c, QChar folded) { return foldedUnit(c.unicode()) == folded.unicode(); }) !=
           text.end();
}

void TChooserList::itemAdded(qsizetype item)
{
    if (m_indexed)
        m_masks.insert(m_masks.begin() + item, masksOf(m_items[size_t(item)]));
}

void TChooserList::append(int id, const QString& name)
{
    m_items.push_back({name, id, true});
    itemAdded(size() - 1);
}

void TChooserList::appendText(const QString& text)
{
    m_items.push_back({text, idOfItem(text), false});
    itemAdded(size() - 1);
}

void TChooserList::insertText(qsizetype item, const QString& text)
{
    m_items.insert(m_items.begin() + item, Item{text, idOfItem(text), false});
    itemAdded(item);
}

void TChooserList::replaceText(qsizetype item, const QString& text)
{
    m_items[size_t(item)] = {text, idOfItem(text), false};
    if (m_indexed)
        m_masks[size_t(item)] = masksOf(m_items[size_t(item)]);
}

void TChooserList::remove(qsizetype item)
{
    m_items.erase(m_items.begin() + item);
    if (m_indexed)
        m_masks.erase(m_masks.begin() + item);
}

void TChooserList::reserve(qsizetype items)
{
    m_items.reserve(size_t(items));
    if (m_indexed)
        m_masks.reserve(size_t(items));
}

void TChooserList::setIndexed(bool on)
{
    if (on == m_indexed)
        return;
    m_indexed = on;
    m_masks = std::vector<Masks>();
    if (!on)
        return;
    m_masks.resize(m_items.size());
    std::transform(m_items.cbegin(), m_items.cend(), m_masks.begin(),
                   [this](const Item& item) { return masksOf(item); });
}

QString TChooserList::text(qsizetype item) const
{
    const Item& entry = m_items[size_t(item)];
    if (!entry.composed)
        return entry.name;
    QString text(itemLength(entry.id, entry.name.size(), m_idWidth), Qt::Uninitialized);
    writeItem(text.data(), entry.id, entry.name, m_idWidth);
    return text;
}

qsizetype TChooserList::textLength(qsizetype item) const
{
    const Item& entry = m_items[size_t(item)];
    return entry.composed ? itemLength(entry.id, entry.name.size(), m_idWidth) : entry.name.size();
}

bool TChooserList::alignedId(int id) const
{
    return id >= 0 && m_idWidth >= 0 && itemLength(id, 0, m_idWidth) == m_idWidth + chosenMark.size();
}

QStringView TChooserList::textOf(const Item& item, TextBuffer& buffer) const
{
    if (!item.composed)
        return item.name;
    buffer.resize(itemLength(item.id, item.name.size(), m_idWidth));
    writeItem(buffer.data(), item.id, item.name, m_idWidth);
    return QStringView(buffer.constData(), buffer.size());
}

bool TChooserList::lessItem(const Item& a, const Item& b) const
{
    // Ids right-aligned in the same width compare as their texts do.
    if (a.composed && b.composed && alignedId(a.id) && alignedId(b.id))
        return a.id != b.id ? a.id < b.id : a.name < b.name;
    TextBuffer textA;
    TextBuffer textB;
    return textOf(a, textA) < textOf(b, textB);
}

bool TChooserList::less(qsizetype a, qsizetype b) const
{
    return lessItem(m_items[size_t(a)], m_items[size_t(b)]);
}

bool TChooserList::lessThan(qsizetype item, QStringView text) const
{
    TextBuffer buffer;
    return textOf(m_items[size_t(item)], buffer) < text;
}

bool TChooserList::isSorted() const
{
    return std::is_sorted(m_items.cbegin(), m_items.cend(),
                          [this](const Item& a, const Item& b) { return lessItem(a, b); });
}

void TChooserList::sort()
{
    if (!m_indexed) {
        std::stable_sort(m_items.begin(), m_items.end(),
                         [this](const Item& a, const Item& b) { return lessItem(a, b); });
        return;
    }
    // The masks move with their items.
    std::vector<size_t> order(m_items.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [this](size_t a, size_t b) { return lessItem(m_items[a], m_items[b]); });
    std::vector<Item> items;
    std::vector<Masks> masks;
    items.reserve(order.size());
    masks.reserve(order.size());
    for (size_t item : order) {
        items.push_back(std::move(m_items[item]));
        masks.push_back(m_masks[item]);
    }
    m_items = std::move(items);
    m_masks = std::move(masks);
}

bool TChooserList::contains(const Item& entry, QStringView foldedNeedle) const
{
    if (containsFolded(entry.name, foldedNeedle))
        return true;
    if (!entry.composed || foldedNeedle.isEmpty())
        return false;
    // A match that begins in "<id>)  " begins with one of its characters and ends within the first
    // characters of the name.
    const char16_t first = foldedNeedle.front().unicode();
    if (!(first == u' ' || first == u')' || first == u'-' || (first >= u'0' && first <= u'9')))
        return false;
    const QStringView head =
        QStringView(entry.name).first(std::min(entry.name.size(), foldedNeedle.size() - 1));
    TextBuffer buffer(itemLength(entry.id, head.size(), m_idWidth));
    writeItem(buffer.data(), entry.id, head, m_idWidth);
    return containsFolded(QStringView(buffer.constData(), buffer.size()), foldedNeedle);
}

TChooserList::Masks TChooserList::masksOf(QStringView text)
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

TChooserList::Masks TChooserList::masksOf(const Item& entry) const
{
    TextBuffer buffer;
    return masksOf(textOf(entry, buffer));
}

std::vector<qsizetype> TChooserList::match(QStringView foldedNeedle,
                                           const std::vector<qsizetype>* among) const
{
    const Masks needle = masksOf(foldedNeedle);
    const auto mayContain = [&](size_t item) {
        const Masks& masks = m_masks[item];
        return (masks.characters & needle.characters) == needle.characters &&
               (masks.pairs & needle.pairs) == needle.pairs;
    };
    const bool maskDecides =
        foldedNeedle.size() == 1 && characterBit(foldedNeedle.front().unicode()) < ownCharacterBits;
    // Names lie all over memory, in their records: the next ones are fetched while one is searched.
    constexpr size_t fetchAhead = 16;
    const auto matches = [&](size_t item) {
        if (!mayContain(item))
            return false;
        return maskDecides || contains(m_items[item], foldedNeedle);
    };
    const auto fetch = [&](size_t item) {
        if (!maskDecides && mayContain(item))
            __builtin_prefetch(m_items[item].name.constData());
    };
    std::vector<qsizetype> result;
    if (among) {
        result.reserve(among->size());
        for (size_t i = 0; i < among->size(); ++i) {
            if (i + fetchAhead < among->size())
                fetch(size_t((*among)[i + fetchAhead]));
            if (matches(size_t((*among)[i])))
                result.push_back((*among)[i]);
        }
        return result;
    }
    result.reserve(m_masks.size());
    for (size_t item = 0; item < m_masks.size(); ++item) {
        if (item + fetchAhead < m_masks.size())
            fetch(item + fetchAhead);
        if (matches(item))
            result.push_back(qsizetype(item));
    }
    return result;
}

TChooserItems::TChooserItems(QObject* parent)
    : QAbstractListModel(parent)
{
}

bool TChooserItems::allSorted() const
{
    if (m_sorted < 0)
        m_sorted = m_all.isSorted() ? 1 : 0;
    return m_sorted == 1;
}

void TChooserItems::appendHidden(const QString& text)
{
    m_all.appendText(text);
    m_sorted = -1;
}

void TChooserItems::setAll(TChooserList items)
{
    beginResetModel();
    const bool indexed = m_all.indexed();
    m_all = std::move(items);
    m_all.setIndexed(indexed);
    m_sorted = -1;
    m_filtered = false;
    m_shown.clear();
    endResetModel();
}

void TChooserItems::show(std::vector<qsizetype> items)
{
    beginResetModel();
    m_shown = std::move(items);
    m_filtered = true;
    endResetModel();
}

void TChooserItems::showAll()
{
    beginResetModel();
    m_shown = std::vector<qsizetype>();
    m_filtered = false;
    endResetModel();
}

int TChooserItems::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return int(m_filtered ? qsizetype(m_shown.size()) : m_all.size());
}

QVariant TChooserItems::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return m_all.text(itemOf(index.row()));
}

bool TChooserItems::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return false;
    const qsizetype item = itemOf(index.row());
    m_all.replaceText(item, value.toString());
    m_sorted = -1;
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TChooserItems::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

bool TChooserItems::insertRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || count < 1 || row < 0 || row > rowCount())
        return false;
    beginInsertRows(QModelIndex(), row, row + count - 1);
    for (int i = 0; i < count; ++i) {
        const qsizetype item = m_filtered ? m_all.size() : row + i;
        m_all.insertText(item, QString());
        m_sorted = -1;
        if (m_filtered)
            m_shown.insert(m_shown.begin() + row + i, item);
    }
    endInsertRows();
    return true;
}

bool TChooserItems::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || count < 1 || row < 0 || row + count > rowCount())
        return false;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    std::vector<qsizetype> removed;
    for (int i = 0; i < count; ++i)
        removed.push_back(itemOf(row + i));
    std::sort(removed.begin(), removed.end(), std::greater<>());
    for (qsizetype item : removed)
        m_all.remove(item);
    if (m_filtered) {
        m_shown.erase(m_shown.begin() + row, m_shown.begin() + row + count);
        for (qsizetype& shown : m_shown)
            shown -= std::count_if(removed.cbegin(), removed.cend(),
                                   [shown](qsizetype gone) { return gone < shown; });
    }
    endRemoveRows();
    return true;
}

} // namespace QtWidgets
