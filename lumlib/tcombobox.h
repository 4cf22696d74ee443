#pragma once

#include "lumlib_global.h"

#include <QComboBox>
#include <QObject>
#include <QString>

#include <memory>

namespace Basics {
class TValueList;
}

namespace QtWidgets {

// Turns a plain combo box into a chooser of record ids. Every item reads "<id>)  <name>", the id
// right-aligned in idWidth characters ("  5)  Cash" for width 3), and the items are kept sorted by
// their text. The wrapper does not own the combo box; with a null combo box (or once the combo box
// is gone) every operation does nothing.
//
// With the type-ahead filter switched on, the combo box becomes editable and whatever the operator
// types narrows the items to those containing the text, ignoring case. Choosing an item brings all
// items back with the chosen one current; clearing the text brings all items back with the first
// one current.
//
// The items live in a model of the wrapper's own (TChooserItems, owned by the combo box) that keeps
// each item's id and name, sharing the record's text, and makes item texts only for the rows asked
// for; filling and filtering replace the whole list in one step, and a million items write no text
// of their own. The filter's index of the items is built after a fill, in idle time
// (docs/performance.md).
class LUMLIB_EXPORT TComboBox : public QObject {
    Q_OBJECT

public:
    TComboBox(QComboBox* combo, int idWidth);
    ~TComboBox() override;

    QComboBox* combo() const;
    int idWidth() const;

    // Adds one item per record (id and "name"), records the names, sorts all items by text and makes
    // the first one current. Items added before (such as id 0 "None specified") sort among them.
    // A combo box of 1000 items or more that sizes itself to its contents by default then takes its
    // width from the longest texts instead of measuring every item when it is first shown.
    void fill(Basics::TValueList* list);
    // Adds one item at the end, without sorting.
    void insertItem(int id, const QString& name);
    // The id of the current text; -1 when the text is empty.
    int currentId() const;
    // Makes the first item with that id current. When there is none, the current text becomes the
    // id with an empty name: an editable combo box shows it in its edit field, a non-editable one
    // gets such an item. An active filter is cleared first.
    void setCurrentId(int id);
    // Removes all items and names.
    void clear();

    // Switches the type-ahead filter on (a second call does nothing). The combo box becomes editable
    // without auto-completion and without inserting typed texts; its former settings are kept for
    // disableFilter().
    void enableFilter();
    // Shows all items again and gives the combo box back its former settings.
    void disableFilter();
    bool filterEnabled() const;
    // The text the items are currently filtered by; empty when all items are shown.
    QString filterString() const;
    // Whether the filter's index of the items is complete. Many items are indexed in idle time after
    // a fill; until then typing searches the names of the items not yet indexed (the same items
    // match, found more slowly).
    bool filterIndexComplete() const;

    // The recorded name of an id, empty when unknown.
    QString name(int id) const;
    // Whether an item of that id was added (by fill or insertItem).
    bool hasId(int id) const;

    // "%*d)  " of id and idWidth, followed by the name.
    static QString itemText(int id, const QString& name, int idWidth);
    // The integer before the first ")" (of the whole text when there is none); -1 for an empty text.
    static int idOf(const QString& text);

public Q_SLOTS:
    // Connected to the combo box's editTextChanged while the filter is on: an empty text after a
    // filter shows all items with the first current; a text with ")  " (an item was chosen) shows
    // all items with that item current; any other text becomes the filter.
    void setFilterString(const QString& text);

private:
    struct Data;
    std::unique_ptr<Data> d;
};

} // namespace QtWidgets
