#include "tmenucardlists.h"

#include "tarticle.h"
#include "tcharactermask.h"
#include "tcombobox.h"
#include "tcurrencies.h"

#include <QSet>

#include <algorithm>
#include <charconv>

TArticleSearch::TArticleSearch(const QString& text)
    : folded(text.toCaseFolded())
    , mask(QtWidgets::characterMask(folded))
    , nameOnly(std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); }))
{
}

namespace {

// The mask of the digits of a number.
quint64 digitMask(qint64 number)
{
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    quint64 mask = 0;
    for (const char* digit = digits; digit != end; ++digit)
        mask |= quint64(1) << QtWidgets::characterBit(char16_t(*digit));
    return mask;
}

// What a price text may hold besides the digits of its amount: zeros that pad it, a minus and a
// decimal sign, which may be any character that is no letter or digit.
const quint64 priceMarks = digitMask(0) | ~((quint64(1) << QtWidgets::ownCharacterBits) - 1);

} // namespace

TMenuCardArtItem::TMenuCardArtItem(PosLib::TArticle* article, const TCurrencies* currencies)
    : TLumListItem(static_cast<QTreeWidget*>(nullptr), article)
    , m_currencies(currencies)
    , m_plu(article->getID())
    , m_price(article->getPrice())
    , m_nameMask(QtWidgets::foldedCharacterMask(article->getName()))
    , m_numberMask(digitMask(m_plu) | digitMask(m_price) | priceMarks)
{
}

QString TMenuCardArtItem::priceText() const
{
    return m_currencies ? m_currencies->amountToText(m_price) : QString::number(m_price);
}

PosLib::TArticle* TMenuCardArtItem::article() const
{
    // Built only with articles.
    return static_cast<PosLib::TArticle*>(value());
}

int TMenuCardArtItem::family() const
{
    return article()->getFamily();
}

bool TMenuCardArtItem::contains(const TArticleSearch& search) const
{
    if ((m_nameMask & search.mask) == search.mask &&
        article()->getName().contains(search.folded, Qt::CaseInsensitive))
        return true;
    if (search.nameOnly || (m_numberMask & search.mask) != search.mask)
        return false;
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, m_plu).ptr;
    return QLatin1StringView(digits, end).contains(search.folded) || priceText().contains(search.folded);
}

QVariant TMenuCardArtItem::data(int column, int role) const
{
    if (column == PriceColumn && (role == Qt::DisplayRole || role == Qt::ToolTipRole))
        return priceText();
    return TLumListItem::data(column, role);
}

bool TMenuCardArtItem::operator<(const QTreeWidgetItem& other) const
{
    // The article lists hold article rows only.
    const auto& theirs = static_cast<const TMenuCardArtItem&>(other);
    switch (treeWidget() ? treeWidget()->sortColumn() : PluColumn) {
    case PluColumn:
        return m_plu < theirs.m_plu;
    case PriceColumn:
        return m_price < theirs.m_price || (m_price == theirs.m_price && m_plu < theirs.m_plu);
    default:
        return TLumListItem::operator<(other);
    }
}

namespace {

// Appends rows in one step and sorts the list once: a list that sorts inserts every row on its own.
// The list view's own sorting (TLumListView) puts them in place at once.
void appendRows(TLumListView* list, const QList<TMenuCardArtItem*>& rows)
{
    if (rows.isEmpty())
        return;
    const bool sorting = list->isSortingEnabled();
    list->setSortingEnabled(false);
    list->addTopLevelItems(QList<QTreeWidgetItem*>(rows.cbegin(), rows.cend()));
    list->setSortingEnabled(sorting);
}

} // namespace

TMenuCardSide::TMenuCardSide(TLumListView* list, QtWidgets::TComboBox* families)
    : m_list(list)
    , m_families(families)
{
}

TMenuCardSide::~TMenuCardSide()
{
    qDeleteAll(m_filteredOut);
}

int TMenuCardSide::family() const
{
    const int id = m_families ? m_families->currentId() : 0;
    return id > 0 ? id : 0;
}

QList<TMenuCardArtItem*> TMenuCardSide::takeFromList()
{
    QList<TMenuCardArtItem*> rows;
    const QList<QTreeWidgetItem*> taken = m_list->invisibleRootItem()->takeChildren();
    rows.reserve(taken.size());
    for (QTreeWidgetItem* row : taken)
        rows << static_cast<TMenuCardArtItem*>(row);
    return rows;
}

QList<TMenuCardArtItem*> TMenuCardSide::takeAll()
{
    QList<TMenuCardArtItem*> rows = takeFromList();
    rows += m_filteredOut;
    m_filteredOut.clear();
    return rows;
}

QList<TMenuCardArtItem*> TMenuCardSide::takeShown(bool selectedOnly)
{
    if (!selectedOnly)
        return takeFromList();
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.size() <= 1)
        return take(selected.value(0));
    // Many rows leave the list in one step, the others come back in one step.
    const QSet<QTreeWidgetItem*> chosen(selected.cbegin(), selected.cend());
    QList<TMenuCardArtItem*> taken;
    QList<TMenuCardArtItem*> kept;
    taken.reserve(selected.size());
    for (TMenuCardArtItem* row : takeFromList())
        (chosen.contains(row) ? taken : kept) << row;
    appendRows(m_list, kept);
    return taken;
}

QList<TMenuCardArtItem*> TMenuCardSide::take(QTreeWidgetItem* row)
{
    const int index = row ? m_list->indexOfTopLevelItem(row) : -1;
    if (index < 0)
        return {};
    return {static_cast<TMenuCardArtItem*>(m_list->takeTopLevelItem(index))};
}

void TMenuCardSide::add(const QList<TMenuCardArtItem*>& rows)
{
    const int shown = family();
    if (shown == 0) {
        appendRows(m_list, rows);
        return;
    }
    QList<TMenuCardArtItem*> ofFamily;
    for (TMenuCardArtItem* row : rows)
        (row->family() == shown ? ofFamily : m_filteredOut) << row;
    appendRows(m_list, ofFamily);
}

void TMenuCardSide::applyFilter()
{
    add(takeAll());
}

QList<int> TMenuCardSide::ids() const
{
    QList<int> result;
    result.reserve(m_list->topLevelItemCount() + m_filteredOut.size());
    for (int row = 0; row < m_list->topLevelItemCount(); ++row)
        result << static_cast<const TMenuCardArtItem*>(m_list->topLevelItem(row))->plu();
    for (const TMenuCardArtItem* row : m_filteredOut)
        result << row->plu();
    std::sort(result.begin(), result.end());
    return result;
}

bool TMenuCardSide::hasSelection() const
{
    return m_list->selectionModel()->hasSelection();
}

QTreeWidgetItem* TMenuCardSide::search(const QString& text)
{
    if (text.isEmpty())
        return nullptr;
    const TArticleSearch wanted(text);
    auto* found = static_cast<TMenuCardArtItem*>(m_list->currentItem());
    if (!found || !found->contains(wanted)) {
        found = nullptr;
        for (int row = 0; row < m_list->topLevelItemCount() && !found; ++row) {
            auto* candidate = static_cast<TMenuCardArtItem*>(m_list->topLevelItem(row));
            if (candidate->contains(wanted))
                found = candidate;
        }
    }
    if (found)
        m_list->selectOnly(found);
    return found;
}
