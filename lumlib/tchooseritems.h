#pragma once

// The items of an id chooser (TComboBox) as the model of its combo box.

#include "tchoosersearch.h"

#include <QAbstractListModel>
#include <QBasicTimer>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <string_view>
#include <vector>

namespace QtWidgets {

// The text of a chooser item: "<id>)  <name>" with the id right-aligned in idWidth characters (left
// for a negative width), as printf's "%*d" writes it. itemLength gives its length; writeItem writes
// it where out points and returns where it ends.
inline constexpr QStringView chosenMark = u")  ";
qsizetype itemLength(int id, qsizetype nameLength, int idWidth);
QChar* writeItem(QChar* out, int id, QStringView name, int idWidth);
// The integer before the first ")" (of the whole text when there is none); -1 for an empty text.
int idOfItem(QStringView text);

// The filter compares texts case-folded code unit by code unit: ASCII letters to lower case, every
// other unit as QChar::toCaseFolded folds it.
inline char16_t foldedUnit(char16_t c)
{
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c | 0x20) : c;
    return QChar::toCaseFolded(c);
}
QString foldedText(QStringView text);
// Whether text, folded unit by unit, contains foldedNeedle (folded the same way), without a copy.
bool containsFolded(QStringView text, QStringView foldedNeedle);

// The items of a chooser. An item added by id and name keeps the two (the name shares the record's
// text) and its text is made only when asked for, so that a million items are a million names
// shared, not a million texts written; an item added as a text (through the combo box) keeps that.
class TChooserList {
public:
    explicit TChooserList(int idWidth = 0)
        : m_idWidth(idWidth)
    {
    }

    qsizetype size() const { return qsizetype(m_items.size()); }
    void reserve(qsizetype items);
    void append(int id, const QString& name);
    void appendText(const QString& text);
    void insertText(qsizetype item, const QString& text);
    void replaceText(qsizetype item, const QString& text);
    void remove(qsizetype item);

    QString text(qsizetype item) const;
    qsizetype textLength(qsizetype item) const;
    // The id of the item (idOfItem of its text).
    int id(qsizetype item) const { return m_items[size_t(item)].id; }
    // In code-unit order of the texts.
    bool less(qsizetype a, qsizetype b) const;
    bool lessThan(qsizetype item, QStringView text) const;
    bool isSorted() const;
    // In code-unit order of the texts, equal texts in their order.
    void sort();

    // With the search index on, every item also gets its entry in a search index (tchoosersearch.h),
    // so that a search looks at a few bytes per item and into a name only where it must. The index
    // is not taken as items are added (that would read every name once more while filling) but by
    // indexNext, a part at a time; a search takes the items not yet indexed from their names.
    void setIndexed(bool on);
    bool indexed() const { return m_indexed; }
    // Whether every item is indexed (or the index is off).
    bool indexComplete() const { return notIndexed() == 0; }
    qsizetype notIndexed() const { return m_indexed ? size() - m_index.size() : 0; }
    // Indexes up to count more items.
    void indexNext(qsizetype count);
    // The items whose folded text contains foldedNeedle (containsFolded); among `among` only, when
    // given, ascending.
    std::vector<qsizetype> match(QStringView foldedNeedle, const std::vector<qsizetype>* among) const;

private:
    struct Item {
        QString name; // the whole text when not composed
        int id = -1;
        bool composed = false;
    };
    // Whether the text of an item of that id begins with the id in exactly idWidth characters, so
    // that items of such ids sort by id, then name.
    bool alignedId(int id) const;
    using TextBuffer = QVarLengthArray<QChar, 128>;
    QStringView textOf(const Item& item, TextBuffer& buffer) const;
    bool lessItem(const Item& a, const Item& b) const;
    bool contains(const Item& item, QStringView foldedNeedle) const;
    // Searches the item's copy in the index, its name only where the copy is not the whole name;
    // inId: whether a match may begin in the item's id (mayBeginInId).
    bool containsIndexed(qsizetype item, QStringView foldedNeedle, std::string_view latin1Needle,
                         bool inId) const;
    static bool mayBeginInId(QStringView foldedNeedle);
    // Whether a match of foldedNeedle begins in the "<id>)  " of a composed item whose name begins
    // with head.
    bool idPartContains(int id, QStringView head, QStringView foldedNeedle) const;
    // The changed item and those after it are indexed anew.
    void itemChanged(qsizetype item) { m_index.truncate(item); }

    std::vector<Item> m_items;
    int m_idWidth = 0;
    bool m_indexed = false;
    TChooserSearchIndex m_index;
};

// All items of the chooser and, while a filter is on, the rows shown: the row of an item shown
// refers to its place among all items.
//
// The combo box edits the items through the model as through any other (addItem, setItemText,
// removeItem); items added while filtered go behind all others and are shown where they were added.
class TChooserItems : public QAbstractListModel {
public:
    explicit TChooserItems(QObject* parent = nullptr);

    const TChooserList& all() const { return m_all; }
    // Whether all items are in code-unit order (remembered until they change).
    bool allSorted() const;
    // Adds an item behind all others without showing it (while filtered: one the filter hides).
    void appendHidden(const QString& text);
    bool filtered() const { return m_filtered; }
    // The items shown while filtered.
    const std::vector<qsizetype>& shown() const { return m_shown; }
    // The item shown in a row.
    qsizetype itemOf(int row) const { return m_filtered ? m_shown[size_t(row)] : row; }

    // Replaces all items and shows them all, in one reset.
    void setAll(TChooserList items);
    // Shows only these items (ascending places among all), or all of them again, in one reset.
    void show(std::vector<qsizetype> items);
    void showAll();

    // Switches the search index of all items on or off (TChooserList::setIndexed); items set later
    // keep the setting. A few items are indexed at once, more in idle time, a part at a time.
    void setSearchIndexed(bool on);
    bool searchIndexComplete() const { return m_all.indexComplete(); }
    std::vector<qsizetype> match(QStringView foldedText, const std::vector<qsizetype>* among) const
    {
        return m_all.match(foldedText, among);
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void indexLater();

    TChooserList m_all;
    mutable int m_sorted = -1; // -1 unknown, else whether all items are sorted
    bool m_filtered = false;
    std::vector<qsizetype> m_shown;
    QBasicTimer m_indexing;
};

} // namespace QtWidgets
