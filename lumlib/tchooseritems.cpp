#include "tchooseritems.h"

#include "tcharactermask.h"

#include <QElapsedTimer>
#include <QTimerEvent>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <ranges>

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

void TChooserList::append(int id, const QString& name)
{
    m_items.push_back({name, id, true});
}

void TChooserList::appendText(const QString& text)
{
    m_items.push_back({text, idOfItem(text), false});
}

void TChooserList::insertText(qsizetype item, const QString& text)
{
    m_items.insert(m_items.begin() + item, Item{text, idOfItem(text), false});
    itemChanged(item);
}

void TChooserList::replaceText(qsizetype item, const QString& text)
{
    m_items[size_t(item)] = {text, idOfItem(text), false};
    itemChanged(item);
}

void TChooserList::remove(qsizetype item)
{
    m_items.erase(m_items.begin() + item);
    itemChanged(item);
}

void TChooserList::reserve(qsizetype items)
{
    m_items.reserve(size_t(items));
}

void TChooserList::setIndexed(bool on)
{
    if (on == m_indexed)
        return;
    m_indexed = on;
    m_index.truncate(0);
}

void TChooserList::indexNext(qsizetype count)
{
    if (!m_indexed)
        return;
    const qsizetype end = std::min(size(), m_index.size() + count);
    if (m_index.size() == 0)
        m_index.reserve(size());
    TextBuffer buffer;
    for (qsizetype item = m_index.size(); item < end; ++item) {
        const Item& entry = m_items[size_t(item)];
        const QStringView text = textOf(entry, buffer);
        m_index.append(text, text.sliced(text.size() - entry.name.size()));
    }
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
    std::stable_sort(m_items.begin(), m_items.end(),
                     [this](const Item& a, const Item& b) { return lessItem(a, b); });
    m_index.truncate(0);
}

bool TChooserList::contains(const Item& entry, QStringView foldedNeedle) const
{
    if (containsFolded(entry.name, foldedNeedle))
        return true;
    return entry.composed && idPartContains(entry.id, entry.name, foldedNeedle);
}

bool TChooserList::idPartContains(int id, QStringView head, QStringView foldedNeedle) const
{
    if (!mayBeginInId(foldedNeedle))
        return false;
    head = head.first(std::min(head.size(), foldedNeedle.size() - 1));
    TextBuffer buffer(itemLength(id, head.size(), m_idWidth));
    writeItem(buffer.data(), id, head, m_idWidth);
    return containsFolded(QStringView(buffer.constData(), buffer.size()), foldedNeedle);
}

// A match that begins in "<id>)  " begins with one of its characters and ends within the first
// characters of the name.
bool TChooserList::mayBeginInId(QStringView foldedNeedle)
{
    if (foldedNeedle.isEmpty())
        return false;
    const char16_t first = foldedNeedle.front().unicode();
    return first == u' ' || first == u')' || first == u'-' || (first >= u'0' && first <= u'9');
}

// latin1Needle is foldedNeedle in Latin-1, empty when it has a character beyond.
bool TChooserList::containsIndexed(qsizetype item, QStringView foldedNeedle, std::string_view latin1Needle,
                                   bool inId) const
{
    const std::string_view copy = m_index.copy(item);
    if (!latin1Needle.empty() && copy.find(latin1Needle) != std::string_view::npos)
        return true;
    const bool complete = m_index.complete(item);
    if (complete && !inId)
        return false;
    const Item& entry = m_items[size_t(item)];
    if (!complete)
        return contains(entry, foldedNeedle);
    if (!entry.composed)
        return false;
    QVarLengthArray<QChar, TChooserSearchIndex::copiedUnits> head;
    for (qsizetype i = 0; i < std::min(qsizetype(copy.size()), foldedNeedle.size() - 1); ++i)
        head.append(QLatin1Char(copy[size_t(i)]));
    return idPartContains(entry.id, QStringView(head.constData(), head.size()), foldedNeedle);
}

std::vector<qsizetype> TChooserList::match(QStringView foldedNeedle,
                                           const std::vector<qsizetype>* among) const
{
    const TChooserSearchIndex::Masks needle = TChooserSearchIndex::masksOf(foldedNeedle);
    const bool maskDecides =
        foldedNeedle.size() == 1 && characterBit(foldedNeedle.front().unicode()) < ownCharacterBits;
    std::string latin1Needle;
    for (const QChar c : foldedNeedle) {
        if (c.unicode() > 0xff) {
            latin1Needle.clear();
            break;
        }
        latin1Needle.push_back(char(c.unicode()));
    }
    const bool inId = mayBeginInId(foldedNeedle);
    const qsizetype indexed = m_indexed ? m_index.size() : 0;
    std::vector<qsizetype> result;
    result.reserve(size_t(among ? qsizetype(among->size()) : size()));
    const auto searchIndex = [&](auto first, auto last) {
        for (; first != last; ++first) {
            const qsizetype item = *first;
            if (TChooserSearchIndex::mayContain(m_index.masks(item), needle) &&
                (maskDecides || containsIndexed(item, foldedNeedle, latin1Needle, inId))) {
                result.push_back(item);
            }
        }
    };
    // The names of items not yet indexed lie all over memory, in their records: the next ones are
    // fetched while one is searched.
    const auto searchNames = [&](auto first, auto last) {
        constexpr qsizetype fetchAhead = 16;
        for (; first != last; ++first) {
            if (last - first > fetchAhead)
                __builtin_prefetch(m_items[size_t(*(first + fetchAhead))].name.constData());
            if (contains(m_items[size_t(*first)], foldedNeedle))
                result.push_back(*first);
        }
    };
    if (among) {
        const auto split = std::lower_bound(among->cbegin(), among->cend(), indexed);
        searchIndex(among->cbegin(), split);
        searchNames(split, among->cend());
    } else {
        const std::ranges::iota_view<qsizetype, qsizetype> items(0, size());
        searchIndex(items.begin(), items.begin() + indexed);
        searchNames(items.begin() + indexed, items.end());
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
    indexLater();
}

void TChooserItems::setSearchIndexed(bool on)
{
    m_all.setIndexed(on);
    indexLater();
}

// Indexing reads every item's name, a cache miss into its record: over a million items a quarter
// of a second that would otherwise be spent filling or on the first keystroke. A few items are
// indexed at once; more in slices of a few milliseconds whenever the event loop is idle, so that
// the operator's typing waits for a slice at most.
void TChooserItems::indexLater()
{
    constexpr qsizetype indexedAtOnce = 4096;
    if (m_all.notIndexed() <= indexedAtOnce)
        m_all.indexNext(indexedAtOnce);
    if (m_all.indexComplete())
        m_indexing.stop();
    else if (!m_indexing.isActive())
        m_indexing.start(0, this);
}

void TChooserItems::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_indexing.timerId()) {
        QAbstractListModel::timerEvent(event);
        return;
    }
    constexpr qint64 sliceNanoseconds = 2'000'000;
    constexpr qsizetype itemsBetweenClockReads = 256;
    QElapsedTimer slice;
    slice.start();
    while (!m_all.indexComplete() && slice.nsecsElapsed() < sliceNanoseconds)
        m_all.indexNext(itemsBetweenClockReads);
    if (m_all.indexComplete())
        m_indexing.stop();
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
    indexLater();
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
    indexLater();
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
    indexLater();
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
    indexLater();
    return true;
}

} // namespace QtWidgets
