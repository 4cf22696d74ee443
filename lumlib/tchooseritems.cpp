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

void TChooserTexts::reserve(qsizetype items, qsizetype units)
{
    m_spans.reserve(size_t(items));
    m_buffer.reserve(units);
}

TChooserTexts::Span TChooserTexts::store(QStringView text)
{
    const Span span{m_buffer.size(), text.size()};
    m_buffer.append(text);
    return span;
}

// Folds in place: ASCII texts letter by letter, others as QString::toCaseFolded, which may change
// their length.
TChooserTexts::Span TChooserTexts::storeFolded(QStringView text)
{
    const qsizetype start = m_buffer.size();
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        m_buffer.resize(start + text.size());
        std::transform(text.begin(), text.end(), m_buffer.begin() + start,
                       [](QChar c) { return c >= u'A' && c <= u'Z' ? QChar(c.unicode() | 0x20) : c; });
        return {start, text.size()};
    }
    return store(text.toString().toCaseFolded());
}

QStringView TChooserTexts::insertFolded(qsizetype item, QStringView text)
{
    m_spans.insert(m_spans.begin() + item, storeFolded(text));
    return at(item);
}

QStringView TChooserTexts::replaceFolded(qsizetype item, QStringView text)
{
    m_spans[size_t(item)] = storeFolded(text);
    return at(item);
}

void TChooserTexts::append(QStringView text)
{
    m_spans.push_back(store(text));
}

void TChooserTexts::appendItem(int id, QStringView name, int idWidth)
{
    const Span span{m_buffer.size(), itemLength(id, name.size(), idWidth)};
    m_buffer.resize(span.start + span.length);
    writeItem(m_buffer.data() + span.start, id, name, idWidth);
    m_spans.push_back(span);
}

void TChooserTexts::insert(qsizetype item, QStringView text)
{
    m_spans.insert(m_spans.begin() + item, store(text));
}

void TChooserTexts::replace(qsizetype item, QStringView text)
{
    m_spans[size_t(item)] = store(text);
}

void TChooserTexts::remove(qsizetype item)
{
    m_spans.erase(m_spans.begin() + item);
}

bool TChooserTexts::isSorted() const
{
    for (qsizetype i = 1; i < size(); ++i) {
        if (at(i) < at(i - 1))
            return false;
    }
    return true;
}

void TChooserTexts::sort()
{
    std::stable_sort(m_spans.begin(), m_spans.end(), [this](const Span& a, const Span& b) {
        return QStringView(m_buffer).sliced(a.start, a.length) <
               QStringView(m_buffer).sliced(b.start, b.length);
    });
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

void TChooserItems::appendHidden(QStringView text)
{
    m_all.append(text);
    m_sorted = -1;
    if (m_indexed)
        indexItem(m_all.size() - 1);
}

void TChooserItems::setAll(TChooserTexts texts)
{
    beginResetModel();
    m_all = std::move(texts);
    m_sorted = -1;
    m_filtered = false;
    m_shown.clear();
    if (m_indexed) {
        m_folded = TChooserTexts();
        m_masks.clear();
        m_indexed = false;
        setSearchIndexed(true);
    }
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

void TChooserItems::setSearchIndexed(bool on)
{
    if (on == m_indexed)
        return;
    m_indexed = on;
    m_folded = TChooserTexts();
    m_masks = std::vector<quint64>();
    if (!on)
        return;
    // Folding keeps the length of nearly every text: the folded texts take about as much as the
    // texts themselves.
    m_folded.reserve(m_all.size(), m_all.units());
    m_masks.reserve(size_t(m_all.size()));
    for (qsizetype item = 0; item < m_all.size(); ++item)
        indexItem(item);
}

// Stores the folded text and mask of an item just added to all items.
void TChooserItems::indexItem(qsizetype item)
{
    m_masks.insert(m_masks.begin() + item, characterMask(m_folded.insertFolded(item, m_all.at(item))));
}

QStringView TChooserItems::folded(qsizetype item) const
{
    return m_folded.at(item);
}

std::vector<qsizetype> TChooserItems::match(QStringView foldedText, const std::vector<qsizetype>* among) const
{
    const quint64 mask = characterMask(foldedText);
    const bool maskDecides =
        foldedText.size() == 1 && characterBit(foldedText.front().unicode()) < ownCharacterBits;
    const auto matches = [&](qsizetype item) {
        if ((m_masks[size_t(item)] & mask) != mask)
            return false;
        if (maskDecides)
            return true;
        // Item and filter texts are short: a plain search beats setting up a skip table.
        const QStringView text = m_folded.at(item);
        return std::search(text.begin(), text.end(), foldedText.begin(), foldedText.end()) != text.end();
    };
    std::vector<qsizetype> result;
    if (among) {
        result.reserve(among->size());
        std::copy_if(among->cbegin(), among->cend(), std::back_inserter(result), matches);
        return result;
    }
    result.reserve(m_masks.size());
    for (qsizetype item = 0; item < qsizetype(m_masks.size()); ++item) {
        if (matches(item))
            result.push_back(item);
    }
    return result;
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
    return m_all.at(itemOf(index.row())).toString();
}

bool TChooserItems::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return false;
    const qsizetype item = itemOf(index.row());
    m_all.replace(item, value.toString());
    m_sorted = -1;
    if (m_indexed) {
        m_masks[size_t(item)] = characterMask(m_folded.replaceFolded(item, m_all.at(item)));
    }
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
        m_all.insert(item, QStringView());
        m_sorted = -1;
        if (m_indexed)
            indexItem(item);
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
    for (qsizetype item : removed) {
        m_all.remove(item);
        if (m_indexed) {
            m_folded.remove(item);
            m_masks.erase(m_masks.begin() + item);
        }
    }
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
