#include "tcombobox.h"

#include "tcharactermask.h"
#include "tvaluelist.h"

#include <QComboBox>
#include <QCompleter>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QScopedValueRollback>
#include <QStringListModel>

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace QtWidgets {

namespace {

const QString chosenMark = QStringLiteral(")  ");

} // namespace

struct TComboBox::Data {
    QPointer<QComboBox> combo;
    int idWidth = 0;
    // The model the items live in; a child of the combo box, installed on first use.
    QPointer<QStringListModel> model;

    bool filterOn = false;
    // The text the shown items are filtered by, as typed and case-folded; empty: all items shown.
    QString filterText;
    QString foldedFilter;
    // Snapshot of all items while the filter is on, with a case-folded copy of their texts end to
    // end (item i is folded.mid(offsets[i], offsets[i + 1] - offsets[i])) and the character mask of
    // every item, so that a keystroke tests one word per item and searches only where it may match.
    QStringList allItems;
    QString folded;
    QList<qsizetype> offsets{0};
    QList<quint64> masks;
    bool allSorted = true;
    // Snapshot indexes of the items shown while filtered, ascending.
    QList<qsizetype> shown;

    QHash<int, QString> names;

    bool savedEditable = true;
    bool savedAutoCompletion = true;
    QPointer<QCompleter> savedCompleter;
    QComboBox::InsertPolicy savedInsertPolicy = QComboBox::InsertAtBottom;
    QMetaObject::Connection filterConnection;
    // Set while the wrapper itself changes the combo box, whose text signals are then no input.
    bool updating = false;
    // The wrapper chose how the combo box sizes itself (keepSizeHintCheap).
    bool sizedByItems = false;

    bool filtered() const { return !filterText.isEmpty(); }
    QStringListModel* itemModel();
    void takeSnapshot(const QStringList& items);
    void appendToSnapshot(const QString& text);
    QStringView foldedItem(qsizetype i) const
    {
        return QStringView(folded).sliced(offsets[i], offsets[i + 1] - offsets[i]);
    }
    QList<qsizetype> match(QStringView foldedText) const;
    void setItems(const QStringList& items, int current);
    void showAll();
    int rowOf(int id) const;
    void keepSizeHintCheap();
    void selectId(int id);
};

// The combo box's own model when it is ours; otherwise (first use, or someone gave the combo box
// another model) a new string list model with the combo box's current texts takes its place.
QStringListModel* TComboBox::Data::itemModel()
{
    if (!combo)
        return nullptr;
    if (model && combo->model() == model)
        return model;
    QStringList texts;
    texts.reserve(combo->count());
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    const int current = combo->currentIndex();
    QScopedValueRollback guard(updating, true);
    model = new QStringListModel(texts, combo);
    combo->setModel(model);
    combo->setCurrentIndex(current);
    // The popup then lays out 100,000 rows without asking each one for its size.
    if (auto* view = qobject_cast<QListView*>(combo->view()))
        view->setUniformItemSizes(true);
    return model;
}

void TComboBox::Data::takeSnapshot(const QStringList& items)
{
    allItems = items;
    offsets.resize(items.size() + 1);
    qsizetype total = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        offsets[i] = total;
        total += items[i].size();
    }
    offsets[items.size()] = total;
    QString joined;
    joined.reserve(total);
    for (const QString& item : items)
        joined.append(item);
    folded = std::move(joined).toCaseFolded();
    if (folded.size() != total) {
        // Folding changed a length somewhere: fold item by item so the offsets stay right.
        folded.clear();
        for (qsizetype i = 0; i < items.size(); ++i) {
            offsets[i] = folded.size();
            folded.append(items[i].toCaseFolded());
        }
        offsets[items.size()] = folded.size();
    }
    masks.resize(items.size());
    for (qsizetype i = 0; i < items.size(); ++i)
        masks[i] = characterMask(foldedItem(i));
    allSorted = std::is_sorted(items.cbegin(), items.cend());
    shown.clear();
    filterText.clear();
    foldedFilter.clear();
}

void TComboBox::Data::appendToSnapshot(const QString& text)
{
    allSorted = allSorted && (allItems.isEmpty() || allItems.constLast() <= text);
    allItems.append(text);
    folded.append(text.toCaseFolded());
    offsets.append(folded.size());
    masks.append(characterMask(foldedItem(allItems.size() - 1)));
}

// Snapshot indexes of the items whose folded text contains foldedText, ascending. A text that
// extends the current filter only narrows the items shown now.
QList<qsizetype> TComboBox::Data::match(QStringView foldedText) const
{
    const quint64 mask = characterMask(foldedText);
    const bool maskDecides =
        foldedText.size() == 1 && characterBit(foldedText.front().unicode()) < ownCharacterBits;
    auto matches = [&](qsizetype i) {
        if ((masks[i] & mask) != mask)
            return false;
        if (maskDecides)
            return true;
        // Item and filter texts are short: a plain search beats setting up a skip table.
        const QStringView item = foldedItem(i);
        return std::search(item.begin(), item.end(), foldedText.begin(), foldedText.end()) != item.end();
    };
    QList<qsizetype> result;
    if (filtered() && foldedText.contains(foldedFilter)) {
        result.reserve(shown.size());
        for (qsizetype i : shown) {
            if (matches(i))
                result.append(i);
        }
    } else {
        result.reserve(allItems.size());
        for (qsizetype i = 0; i < allItems.size(); ++i) {
            if (matches(i))
                result.append(i);
        }
    }
    return result;
}

// Replaces all items in one model reset and makes row current (-1: none).
void TComboBox::Data::setItems(const QStringList& items, int current)
{
    QScopedValueRollback guard(updating, true);
    itemModel()->setStringList(items);
    combo->setCurrentIndex(current);
}

void TComboBox::Data::showAll()
{
    filterText.clear();
    foldedFilter.clear();
    shown.clear();
    setItems(allItems, allItems.isEmpty() ? -1 : 0);
}

// A combo box that sizes itself to its contents measures every item when it is first shown: half a
// second for 100,000 articles, and again for its minimum size. With that many items its width is
// taken from the longest texts alone, as a minimum contents length, unless the form chose how the
// combo box sizes itself.
void TComboBox::Data::keepSizeHintCheap()
{
    constexpr qsizetype manyItems = 1000;
    constexpr int measuredTexts = 200;
    const QStringList& items = model->stringList();
    const bool formDefault = combo->sizeAdjustPolicy() == QComboBox::AdjustToContentsOnFirstShow &&
                             combo->minimumContentsLength() == 0;
    if (items.size() < manyItems || !(formDefault || sizedByItems))
        return;
    qsizetype longest = 0;
    for (const QString& text : items)
        longest = std::max(longest, text.size());
    const QFontMetrics metrics = combo->fontMetrics();
    int width = 0;
    int measured = 0;
    for (const QString& text : items) {
        if (text.size() * 10 >= longest * 9 && measured++ < measuredTexts)
            width = std::max(width, metrics.horizontalAdvance(text));
    }
    // The policy that skips measuring also keeps room for an icon, which id choosers never show: the
    // texts take its width, and its height stays within the text's so the box is as high as others.
    const QSize icon = combo->iconSize();
    if (icon.height() > metrics.height())
        combo->setIconSize(QSize(icon.width(), metrics.height()));
    width = std::max(0, width - icon.width() - 4);
    const int xWidth = std::max(1, metrics.horizontalAdvance(QLatin1Char('X')));
    combo->setMinimumContentsLength((width + xWidth - 1) / xWidth);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    sizedByItems = true;
}

int TComboBox::Data::rowOf(int id) const
{
    const QStringList& items = model->stringList();
    for (qsizetype row = 0; row < items.size(); ++row) {
        if (idOf(items[row]) == id)
            return int(row);
    }
    return -1;
}

void TComboBox::Data::selectId(int id)
{
    QStringListModel* items = itemModel();
    QScopedValueRollback guard(updating, true);
    if (filterOn && filtered())
        showAll();
    if (const int row = rowOf(id); row >= 0) {
        combo->setCurrentIndex(row);
        return;
    }
    const QString text = itemText(id, QString(), idWidth);
    if (combo->isEditable()) {
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
        return;
    }
    const QStringList& list = items->stringList();
    const bool sorted = std::is_sorted(list.cbegin(), list.cend());
    const int row =
        sorted ? int(std::lower_bound(list.cbegin(), list.cend(), text) - list.cbegin()) : int(list.size());
    items->insertRows(row, 1);
    items->setData(items->index(row), text);
    if (filterOn)
        appendToSnapshot(text);
    combo->setCurrentIndex(row);
}

TComboBox::TComboBox(QComboBox* combo, int idWidth)
    : d(std::make_unique<Data>())
{
    d->combo = combo;
    d->idWidth = idWidth;
    d->itemModel();
}

TComboBox::~TComboBox() = default;

QComboBox* TComboBox::combo() const
{
    return d->combo;
}

int TComboBox::idWidth() const
{
    return d->idWidth;
}

void TComboBox::fill(Basics::TValueList* list)
{
    QStringListModel* model = d->itemModel();
    if (!model || !list)
        return;
    if (d->filterConnection)
        disconnect(d->filterConnection);

    QStringList items = d->filterOn ? d->allItems : model->stringList();
    items.reserve(items.size() + list->count());
    d->names.reserve(d->names.size() + list->count());
    for (const Basics::TValue* value : *list) {
        const int id = value->getID();
        const QString name = value->getName();
        items.append(itemText(id, name, d->idWidth));
        d->names.insert(id, name);
    }
    // Records come in ascending id, so with ids that fit the width the items are sorted already.
    if (!std::is_sorted(items.cbegin(), items.cend()))
        std::sort(items.begin(), items.end());
    d->setItems(items, items.isEmpty() ? -1 : 0);
    d->keepSizeHintCheap();

    if (d->filterOn) {
        d->takeSnapshot(items);
        d->filterConnection =
            connect(d->combo, &QComboBox::editTextChanged, this, &TComboBox::setFilterString);
    }
}

void TComboBox::insertItem(int id, const QString& name)
{
    QStringListModel* model = d->itemModel();
    if (!model)
        return;
    const QString text = itemText(id, name, d->idWidth);
    d->names.insert(id, name);
    QScopedValueRollback guard(d->updating, true);
    if (d->filterOn) {
        d->appendToSnapshot(text);
        if (d->filtered()) {
            if (!text.toCaseFolded().contains(d->foldedFilter))
                return;
            d->shown.append(d->allItems.size() - 1);
        }
    }
    d->combo->addItem(text);
}

int TComboBox::currentId() const
{
    return d->combo ? idOf(d->combo->currentText()) : -1;
}

void TComboBox::setCurrentId(int id)
{
    if (d->combo)
        d->selectId(id);
}

void TComboBox::clear()
{
    QStringListModel* model = d->itemModel();
    if (!model)
        return;
    d->names.clear();
    if (d->filterOn)
        d->takeSnapshot({});
    d->setItems({}, -1);
}

void TComboBox::enableFilter()
{
    QStringListModel* model = d->itemModel();
    if (!model || d->filterOn)
        return;
    QComboBox* combo = d->combo;
    d->savedEditable = combo->isEditable();
    d->savedCompleter = combo->completer();
    d->savedAutoCompletion = d->savedCompleter != nullptr;
    d->savedInsertPolicy = combo->insertPolicy();
    {
        QScopedValueRollback guard(d->updating, true);
        combo->setEditable(true);
        combo->setCompleter(nullptr);
        // Return must not turn a typed filter text into an item.
        combo->setInsertPolicy(QComboBox::NoInsert);
    }
    d->takeSnapshot(model->stringList());
    d->filterConnection = connect(combo, &QComboBox::editTextChanged, this, &TComboBox::setFilterString);
    d->filterOn = true;
}

void TComboBox::disableFilter()
{
    if (!d->combo || !d->filterOn)
        return;
    disconnect(d->filterConnection);
    if (d->filtered())
        d->showAll();
    QComboBox* combo = d->combo;
    QScopedValueRollback guard(d->updating, true);
    combo->setInsertPolicy(d->savedInsertPolicy);
    combo->setEditable(d->savedEditable);
    if (d->savedEditable && d->savedAutoCompletion && d->savedCompleter)
        combo->setCompleter(d->savedCompleter);
    d->filterOn = false;
    d->takeSnapshot({});
}

bool TComboBox::filterEnabled() const
{
    return d->filterOn;
}

QString TComboBox::filterString() const
{
    return d->filterText;
}

QString TComboBox::name(int id) const
{
    return d->names.value(id);
}

bool TComboBox::hasId(int id) const
{
    return d->names.contains(id);
}

QString TComboBox::itemText(int id, const QString& name, int idWidth)
{
    char digits[16];
    const qsizetype length = std::to_chars(digits, digits + sizeof digits, id).ptr - digits;
    // As printf: a negative width aligns to the left.
    const qsizetype padding = std::max<qsizetype>(0, qsizetype(std::abs(idWidth)) - length);
    QString text(padding + length + chosenMark.size() + name.size(), Qt::Uninitialized);
    QChar* out = text.data();
    if (idWidth >= 0)
        out = std::fill_n(out, padding, u' ');
    out = std::transform(digits, digits + length, out, [](char c) { return QLatin1Char(c); });
    if (idWidth < 0)
        out = std::fill_n(out, padding, u' ');
    out = std::copy(chosenMark.cbegin(), chosenMark.cend(), out);
    std::copy(name.cbegin(), name.cend(), out);
    return text;
}

int TComboBox::idOf(const QString& text)
{
    if (text.isEmpty())
        return -1;
    const qsizetype end = text.indexOf(u')');
    return QStringView(text).first(end < 0 ? text.size() : end).trimmed().toInt();
}

void TComboBox::setFilterString(const QString& text)
{
    if (!d->combo || !d->filterOn || d->updating)
        return;
    QComboBox* combo = d->combo;
    QLineEdit* edit = combo->lineEdit();

    if (text.isEmpty()) {
        if (d->filtered()) {
            d->showAll();
            // Typing goes on replacing the first item's text rather than appending to it.
            if (edit)
                edit->selectAll();
        }
        return;
    }
    if (text.contains(chosenMark)) {
        if (d->filtered())
            d->selectId(idOf(text));
        return;
    }
    if (text == d->filterText)
        return;

    const QString foldedText = text.toCaseFolded();
    QList<qsizetype> matches = d->match(foldedText);
    QStringList items;
    items.reserve(matches.size());
    for (qsizetype i : matches)
        items.append(d->allItems[i]);
    if (!d->allSorted)
        std::sort(items.begin(), items.end());

    const int cursor = edit ? edit->cursorPosition() : int(text.size());
    {
        // No item is current, so that the first arrow key press picks the first match.
        QScopedValueRollback guard(d->updating, true);
        d->setItems(items, -1);
        combo->setEditText(text);
        if (edit)
            edit->setCursorPosition(cursor);
    }
    d->filterText = text;
    d->foldedFilter = foldedText;
    d->shown = std::move(matches);
}

} // namespace QtWidgets
