#pragma once

// The items of an id chooser (TComboBox) as the model of its combo box.

#include <QAbstractListModel>
#include <QString>
#include <QStringView>

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

// Texts end to end in one string, each item a span of it: a million items are a handful of
// allocations instead of a string each. Changing an item appends its new text.
class TChooserTexts {
public:
    qsizetype size() const { return qsizetype(m_spans.size()); }
    QStringView at(qsizetype item) const
    {
        const Span& span = m_spans[size_t(item)];
        return QStringView(m_buffer).sliced(span.start, span.length);
    }
    // The code units of all texts stored, those of replaced and removed items included.
    qsizetype units() const { return m_buffer.size(); }
    void reserve(qsizetype items, qsizetype units);
    void append(QStringView text);
    // Appends the item text of id and name (writeItem), written in place.
    void appendItem(int id, QStringView name, int idWidth);
    // Stores text case-folded (as QString::toCaseFolded folds it) as the text of an item, inserted
    // or replacing it, and returns it as stored.
    QStringView insertFolded(qsizetype item, QStringView text);
    QStringView replaceFolded(qsizetype item, QStringView text);
    void insert(qsizetype item, QStringView text);
    void replace(qsizetype item, QStringView text);
    void remove(qsizetype item);
    bool isSorted() const;
    // In code-unit order, equal texts in their order.
    void sort();

private:
    struct Span {
        qsizetype start;
        qsizetype length;
    };
    Span store(QStringView text);
    Span storeFolded(QStringView text);

    QString m_buffer;
    std::vector<Span> m_spans;
};

// All items of the chooser and, while a filter is on, the rows shown: the row of an item shown
// refers to its place among all items. With the search index on, every item also has its
// case-folded text and a mask of its characters (tcharactermask.h), kept in step with every change,
// so that a keystroke looks at a word per item and into a text only where it may match.
//
// The combo box edits the items through the model as through any other (addItem, setItemText,
// removeItem); items added while filtered go behind all others and are shown where they were added.
class TChooserItems : public QAbstractListModel {
public:
    explicit TChooserItems(QObject* parent = nullptr);

    const TChooserTexts& all() const { return m_all; }
    // Whether all items are in code-unit order (remembered until they change).
    bool allSorted() const;
    // Adds an item behind all others without showing it (while filtered: one the filter hides).
    void appendHidden(QStringView text);
    bool filtered() const { return m_filtered; }
    // The items shown while filtered.
    const std::vector<qsizetype>& shown() const { return m_shown; }
    // The item shown in a row.
    qsizetype itemOf(int row) const { return m_filtered ? m_shown[size_t(row)] : row; }

    // Replaces all items and shows them all, in one reset.
    void setAll(TChooserTexts texts);
    // Shows only these items (ascending places among all), or all of them again, in one reset.
    void show(std::vector<qsizetype> items);
    void showAll();

    void setSearchIndexed(bool on);
    // The items whose folded text contains foldedText; among `among` only, when given.
    std::vector<qsizetype> match(QStringView foldedText, const std::vector<qsizetype>* among) const;
    QStringView folded(qsizetype item) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

private:
    void indexItem(qsizetype item);

    TChooserTexts m_all;
    mutable int m_sorted = -1; // -1 unknown, else whether all items are sorted
    bool m_filtered = false;
    std::vector<qsizetype> m_shown;
    bool m_indexed = false;
    TChooserTexts m_folded;
    std::vector<quint64> m_masks;
};

} // namespace QtWidgets
