#include "tcombobox.h"

#include "tchooseritems.h"
#include "tvaluelist.h"

#include <QComboBox>
#include <QCompleter>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QScopedValueRollback>

#include <algorithm>

namespace QtWidgets {

struct TComboBox::Data {
    QPointer<QComboBox> combo;
    int idWidth = 0;
    // The model the items live in; a child of the combo box, installed on first use.
    QPointer<TChooserItems> model;

    bool filterOn = false;
    // The text the shown items are filtered by, as typed and case-folded; empty: all items shown.
    QString filterText;
    QString foldedFilter;

    // The names of the ids added, by id ascending (sharing the records' texts).
    std::vector<std::pair<int, QString>> names;

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
    TChooserItems* itemModel();
    void setAll(TChooserList items, int current);
    void showAll();
    int rowOf(int id) const;
    void keepSizeHintCheap();
    void selectId(int id);
    void addName(int id, const QString& name);
    void sortNames(qsizetype sortedBefore);
    std::vector<std::pair<int, QString>>::const_iterator findName(int id) const;
};

// The combo box's own model when it is ours; otherwise (first use, or someone gave the combo box
// another model) a chooser model with the combo box's current texts takes its place.
TChooserItems* TComboBox::Data::itemModel()
{
    if (!combo)
        return nullptr;
    if (model && combo->model() == model)
        return model;
    TChooserList texts(idWidth);
    for (int i = 0; i < combo->count(); ++i)
        texts.appendText(combo->itemText(i));
    const int current = combo->currentIndex();
    QScopedValueRollback guard(updating, true);
    model = new TChooserItems(combo);
    model->setAll(std::move(texts));
    combo->setModel(model);
    combo->setCurrentIndex(current);
    // The popup then lays out 100,000 rows without asking each one for its size.
    if (auto* view = qobject_cast<QListView*>(combo->view()))
        view->setUniformItemSizes(true);
    return model;
}

// Replaces all items in one model reset and makes row current (-1: none).
void TComboBox::Data::setAll(TChooserList items, int current)
{
    QScopedValueRollback guard(updating, true);
    itemModel()->setAll(std::move(items));
    combo->setCurrentIndex(current);
}

void TComboBox::Data::showAll()
{
    filterText.clear();
    foldedFilter.clear();
    QScopedValueRollback guard(updating, true);
    model->showAll();
    combo->setCurrentIndex(model->rowCount() == 0 ? -1 : 0);
}

// A combo box that sizes itself to its contents measures every item when it is first shown: half a
// second for 100,000 articles, and again for its minimum size. With that many items its width is
// taken from the longest texts alone, as a minimum contents length, unless the form chose how the
// combo box sizes itself.
void TComboBox::Data::keepSizeHintCheap()
{
    constexpr qsizetype manyItems = 1000;
    constexpr int measuredTexts = 200;
    const TChooserList& items = model->all();
    const bool formDefault = combo->sizeAdjustPolicy() == QComboBox::AdjustToContentsOnFirstShow &&
                             combo->minimumContentsLength() == 0;
    if (items.size() < manyItems || !(formDefault || sizedByItems))
        return;
    qsizetype longest = 0;
    for (qsizetype i = 0; i < items.size(); ++i)
        longest = std::max(longest, items.textLength(i));
    const QFontMetrics metrics = combo->fontMetrics();
    int width = 0;
    int measured = 0;
    for (qsizetype i = 0; i < items.size() && measured < measuredTexts; ++i) {
        if (items.textLength(i) * 10 >= longest * 9) {
            width = std::max(width, metrics.horizontalAdvance(items.text(i)));
            ++measured;
        }
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
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->all().id(model->itemOf(row)) == id)
            return row;
    }
    return -1;
}

void TComboBox::Data::selectId(int id)
{
    TChooserItems* items = itemModel();
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
    const TChooserList& all = items->all();
    int row = int(all.size());
    if (items->allSorted()) {
        row = 0;
        while (row < all.size() && all.lessThan(row, text))
            ++row;
    }
    items->insertRows(row, 1);
    items->setData(items->index(row), text);
    combo->setCurrentIndex(row);
}

void TComboBox::Data::addName(int id, const QString& name)
{
    names.emplace_back(id, name);
}

// Orders the names by id after names were added behind the first sortedBefore ones; of an id added
// twice the later name counts.
void TComboBox::Data::sortNames(qsizetype sortedBefore)
{
    const auto byId = [](const auto& a, const auto& b) { return a.first < b.first; };
    if (std::is_sorted(names.cbegin() + sortedBefore, names.cend(), byId) &&
        (sortedBefore == 0 || sortedBefore == qsizetype(names.size()) ||
         names[size_t(sortedBefore) - 1].first < names[size_t(sortedBefore)].first)) {
        return;
    }
    std::stable_sort(names.begin(), names.end(), byId);
    // Of equal ids the last one stays.
    std::vector<std::pair<int, QString>> unique;
    unique.reserve(names.size());
    for (auto& entry : names) {
        if (!unique.empty() && unique.back().first == entry.first)
            unique.back() = std::move(entry);
        else
            unique.push_back(std::move(entry));
    }
    names = std::move(unique);
}

std::vector<std::pair<int, QString>>::const_iterator TComboBox::Data::findName(int id) const
{
    const auto it = std::lower_bound(names.cbegin(), names.cend(), id,
                                     [](const auto& entry, int wanted) { return entry.first < wanted; });
    return it != names.cend() && it->first == id ? it : names.cend();
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
    TChooserItems* model = d->itemModel();
    if (!model || !list)
        return;
    if (d->filterConnection)
        disconnect(d->filterConnection);
    if (d->filtered()) {
        d->filterText.clear();
        d->foldedFilter.clear();
    }

    TChooserList items = model->all();
    items.reserve(items.size() + list->count());
    const qsizetype namesBefore = qsizetype(d->names.size());
    d->names.reserve(d->names.size() + size_t(list->count()));
    for (const Basics::TValue* value : *list) {
        const int id = value->getID();
        const QString name = value->getName(); // shares the record's text
        items.append(id, name);
        d->addName(id, name);
    }
    d->sortNames(namesBefore);
    // Records come in ascending id, so with ids that fit the width the items are sorted already.
    if (!items.isSorted())
        items.sort();
    const int current = items.size() == 0 ? -1 : 0;
    d->setAll(std::move(items), current);
    d->keepSizeHintCheap();

    if (d->filterOn)
        d->filterConnection =
            connect(d->combo, &QComboBox::editTextChanged, this, &TComboBox::setFilterString);
}

void TComboBox::insertItem(int id, const QString& name)
{
    TChooserItems* model = d->itemModel();
    if (!model)
        return;
    const QString text = itemText(id, name, d->idWidth);
    d->addName(id, name);
    d->sortNames(qsizetype(d->names.size()) - 1);
    QScopedValueRollback guard(d->updating, true);
    if (d->filterOn && d->filtered() && !containsFolded(text, d->foldedFilter)) {
        model->appendHidden(text); // shown again with all items
        return;
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
    if (!d->itemModel())
        return;
    d->names.clear();
    d->filterText.clear();
    d->foldedFilter.clear();
    d->setAll(TChooserList(d->idWidth), -1);
}

void TComboBox::enableFilter()
{
    TChooserItems* model = d->itemModel();
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
    model->setSearchIndexed(true);
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
    d->model->setSearchIndexed(false);
}

bool TComboBox::filterEnabled() const
{
    return d->filterOn;
}

QString TComboBox::filterString() const
{
    return d->filterText;
}

bool TComboBox::filterIndexComplete() const
{
    return !d->model || d->model->searchIndexComplete();
}

QString TComboBox::name(int id) const
{
    const auto it = d->findName(id);
    return it == d->names.cend() ? QString() : it->second;
}

bool TComboBox::hasId(int id) const
{
    return d->findName(id) != d->names.cend();
}

QString TComboBox::itemText(int id, const QString& name, int idWidth)
{
    QString text(itemLength(id, name.size(), idWidth), Qt::Uninitialized);
    writeItem(text.data(), id, name, idWidth);
    return text;
}

int TComboBox::idOf(const QString& text)
{
    return idOfItem(text);
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

    const QString folded = foldedText(text);
    TChooserItems* model = d->model;
    // A text that extends the current filter only narrows the items shown now.
    const bool narrowing = d->filtered() && model->filtered() && folded.contains(d->foldedFilter);
    std::vector<qsizetype> matches = model->match(folded, narrowing ? &model->shown() : nullptr);
    if (!model->allSorted()) {
        std::stable_sort(matches.begin(), matches.end(),
                         [model](qsizetype a, qsizetype b) { return model->all().less(a, b); });
    }

    const int cursor = edit ? edit->cursorPosition() : int(text.size());
    {
        // No item is current, so that the first arrow key press picks the first match.
        QScopedValueRollback guard(d->updating, true);
        model->show(std::move(matches));
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
        if (edit)
            edit->setCursorPosition(cursor);
    }
    d->filterText = text;
    d->foldedFilter = folded;
}

} // namespace QtWidgets
