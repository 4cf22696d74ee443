#include "tlumlistview.h"

#include "tlumlistorder.h"
#include "tvalue.h"

#include <QColor>
#include <QDomDocument>
#include <QDomElement>
#include <QHeaderView>
#include <QItemSelection>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

namespace {

bool parseNumber(const QString& text, double& number)
{
    bool ok = false;
    number = text.toDouble(&ok);
    return ok;
}

} // namespace

TLumListView::TLumListView(QWidget* parent)
    : QTreeWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setAlternatingRowColors(true);
    connect(header(), &QHeaderView::sortIndicatorChanged, this, [this] {
        m_inOrder = false;
        if (m_sorting)
            sortItemsNow(true);
    });
    connect(model(), &QAbstractItemModel::rowsInserted, this, &TLumListView::sortLater);
    connect(model(), &QAbstractItemModel::dataChanged, this, &TLumListView::sortLater);
    connect(model(), &QAbstractItemModel::layoutChanged, this, [this] { m_inOrder = false; });
}

void TLumListView::setSortingEnabled(bool enable)
{
    m_sorting = enable;
    header()->setSortIndicatorShown(enable);
    header()->setSectionsClickable(enable);
    if (enable)
        sortItemsNow(true);
}

void TLumListView::sortByColumn(int column, Qt::SortOrder order)
{
    if (column != header()->sortIndicatorSection() || order != header()->sortIndicatorOrder()) {
        const QSignalBlocker quiet(header()); // sorted below
        header()->setSortIndicator(column, order);
        m_inOrder = false;
    }
    sortItemsNow(true);
}

void TLumListView::sortLater()
{
    if (m_reordering)
        return;
    m_inOrder = false;
    if (!m_sorting || m_sortPending)
        return;
    m_sortPending = true;
    QTimer::singleShot(0, this, [this] {
        m_sortPending = false;
        if (m_sorting)
            sortItemsNow(false);
    });
}

void TLumListView::sortItemsNow(bool keepScroll)
{
    const int column = header()->sortIndicatorSection();
    QTreeWidgetItem* root = invisibleRootItem();
    if (m_inOrder || column < 0 || column >= columnCount())
        return;
    QList<QTreeWidgetItem*> items;
    items.reserve(root->childCount());
    for (int row = 0; row < root->childCount(); ++row)
        items.append(root->child(row));
    const std::vector<int> rows = sortedRows(
        items, column < m_columns.size() ? &m_columns.at(column) : nullptr, header()->sortIndicatorOrder());
    m_inOrder = true;
    if (rows.empty())
        return;

    // The items go out and come back in their new order, which is a row move for every item; the
    // selection, the current item and the scroll position stay as they were.
    std::vector<bool> wasSelected(size_t(items.size()));
    for (qsizetype row = 0; row < items.size(); ++row)
        wasSelected[size_t(row)] = items[row]->isSelected();
    QList<QTreeWidgetItem*> sorted;
    sorted.reserve(items.size());
    std::vector<bool> selected(rows.size());
    for (size_t row = 0; row < rows.size(); ++row) {
        sorted.append(items[rows[row]]);
        selected[row] = wasSelected[size_t(rows[row])];
    }
    QTreeWidgetItem* current = currentItem();
    const int scroll = verticalScrollBar()->value();
    const QSignalBlocker quiet(this);
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    m_reordering = true;
    root->takeChildren();
    addTopLevelItems(sorted);
    QItemSelection selection;
    for (int row = 0; row < sorted.size(); ++row) {
        if (!selected[size_t(row)])
            continue;
        int last = row;
        while (last + 1 < sorted.size() && selected[size_t(last) + 1])
            ++last;
        selection.select(model()->index(row, 0), model()->index(last, columnCount() - 1));
        row = last;
    }
    if (current)
        setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::Select);
    m_reordering = false;
    setUpdatesEnabled(updates);
    executeDelayedItemsLayout();
    if (keepScroll)
        verticalScrollBar()->setValue(scroll);
    else if (current)
        scrollToItem(current);
}

void TLumListView::setColumns(const QList<TLumColumn>& columns)
{
    m_columns = columns;
    m_inOrder = false;
    setColumnCount(int(columns.size()));
    QStringList titles;
    for (const TLumColumn& column : columns)
        titles << column.title;
    setHeaderLabels(titles);
}

QList<QTreeWidgetItem*> TLumListView::itemsInOrder() const
{
    QList<QTreeWidgetItem*> items;
    items.reserve(topLevelItemCount());
    for (QTreeWidgetItemIterator it(const_cast<TLumListView*>(this)); *it; ++it)
        items << *it;
    return items;
}

QList<QTreeWidgetItem*> TLumListView::selectedInOrder() const
{
    QList<QTreeWidgetItem*> items;
    for (QTreeWidgetItemIterator it(const_cast<TLumListView*>(this), QTreeWidgetItemIterator::Selected); *it;
         ++it)
        items << *it;
    return items;
}

void TLumListView::selectOnly(QTreeWidgetItem* item)
{
    if (!item)
        return;
    clearSelection();
    setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollToItem(item);
}

void TLumListView::exportXml(QDomDocument& doc, QDomElement& parent) const
{
    for (QTreeWidgetItem* item : itemsInOrder()) {
        const TLumListItem* recordItem = TLumListItem::of(item);
        if (!recordItem || !recordItem->value())
            continue;
        QDomElement element = doc.createElement(m_elementName);
        recordItem->value()->writeXml(doc, element);
        parent.appendChild(element);
    }
}

Basics::TValue* TLumListView::recordAt(int row) const
{
    const TLumListItem* item = TLumListItem::of(topLevelItem(row));
    return item ? item->value() : nullptr;
}

QString TLumListView::rowText(int row, int column) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

QList<int> TLumListView::selectedRows() const
{
    QList<int> rows;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        if (topLevelItem(row)->isSelected())
            rows << row;
    }
    return rows;
}

int TLumListView::currentRow() const
{
    return currentItem() ? indexOfTopLevelItem(currentItem()) : -1;
}

TLumListItem::TLumListItem(QTreeWidget* view, Basics::TValue* value)
    : QTreeWidgetItem(view, Type)
    , m_value(value)
{
}

TLumListItem::TLumListItem(QTreeWidgetItem* parent, Basics::TValue* value)
    : QTreeWidgetItem(parent, Type)
    , m_value(value)
{
}

TLumListItem::TLumListItem(QTreeWidget* view, int id, QTreeWidgetItem* after, const QString& text0,
                           const QString& text1, const QString& text2, const QString& text3,
                           const QString& text4, const QString& text5, const QString& text6,
                           const QString& text7)
    : QTreeWidgetItem(view, after, Type)
    , m_id(id)
{
    const QString texts[] = {text0, text1, text2, text3, text4, text5, text6, text7};
    for (int column = 0; column < 8; ++column) {
        if (!texts[column].isNull())
            setText(column, texts[column]);
    }
}

int TLumListItem::id() const
{
    return m_value ? m_value->getID() : m_id;
}

TLumListItem* TLumListItem::of(QTreeWidgetItem* item)
{
    return item && item->type() == Type ? static_cast<TLumListItem*>(item) : nullptr;
}

QString TLumListItem::recordText(int column) const
{
    const auto* view = qobject_cast<const TLumListView*>(treeWidget());
    if (!view || !m_value || column < 0 || column >= view->columns().size())
        return QString();
    return view->columns().at(column).text(*m_value, view->workspace());
}

QVariant TLumListItem::data(int column, int role) const
{
    const auto* view = qobject_cast<const TLumListView*>(treeWidget());
    if (m_value && view && column < view->columns().size()) {
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return recordText(column);
        if (role == Qt::TextAlignmentRole && view->columns().at(column).numeric())
            return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return QTreeWidgetItem::data(column, role);
}

int TLumListItem::compare(QTreeWidgetItem* other, int column, bool) const
{
    const auto order = [](auto a, auto b) { return a < b ? -1 : (b < a ? 1 : 0); };
    // Records of a view with columns compare their values themselves: sorting many records must
    // not build and parse a text per comparison.
    const TLumListItem* theirs = of(other);
    const auto* view = static_cast<const TLumListView*>(treeWidget());
    if (m_value && theirs && theirs->m_value && view && column >= 0 && column < view->columns().size() &&
        qobject_cast<const TLumListView*>(treeWidget())) {
        return view->columns().at(column).compare(*m_value, *theirs->m_value);
    }
    const QString mine = data(column, Qt::DisplayRole).toString();
    const QString theirText = other->data(column, Qt::DisplayRole).toString();
    double a = 0;
    double b = 0;
    if (parseNumber(mine, a) && parseNumber(theirText, b))
        return order(a, b);
    return mine.localeAwareCompare(theirText);
}

bool TLumListItem::operator<(const QTreeWidgetItem& other) const
{
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    return compare(const_cast<QTreeWidgetItem*>(&other), column, true) < 0;
}

TLumListPaintedItem::TLumListPaintedItem(QTreeWidget* view, Basics::TValue* value, TLumWindow* window)
    : TLumListItem(view, value)
    , m_window(window)
{
}

QVariant TLumListPaintedItem::data(int column, int role) const
{
    if (value() && (role == Qt::BackgroundRole || role == Qt::ForegroundRole)) {
        const QColor colour(value()->getString(role == Qt::BackgroundRole ? "color" : "textcolor"));
        if (colour.isValid())
            return colour;
    }
    return TLumListItem::data(column, role);
}
