#pragma once

#include "lumlib_global.h"

#include <QString>

class QButtonGroup;
class QCheckBox;
class QDate;
class QDateEdit;
class QDateTime;
class QDateTimeEdit;
class QDialog;
class QLineEdit;
class QSpinBox;
class QWidget;
class TLumRecordRows;

namespace Basics {
class TValueList;
}
namespace QtWidgets {
class TComboBox;
}

// What the host gives every editor: the input functions that show a value or, where the selected
// records differ, the "no change" state, and the tests for that state; the id proposal and check;
// moving the list view's selection; help.
//
// The no-change states: an empty line edit; a check box in its middle state; a spin box at one below
// its minimum, shown blank; a combo box with an empty current text; a radio group with no button
// checked; a date or date-time edit at one day below its minimum, shown blank.
class LUMLIB_EXPORT TLumDlg {
public:
    TLumDlg();
    virtual ~TLumDlg();

    void inputText(QLineEdit* edit, bool differs, const QString& text);
    void checkBox(QCheckBox* box, bool differs, bool checked);
    void spinBox(QSpinBox* spin, bool differs, int value);
    void comboCurrent(QtWidgets::TComboBox& combo, bool differs, int id);
    void checkRadio(QButtonGroup* group, bool differs, int id);
    void inputDate(QDateEdit* edit, bool differs, const QDate& date);
    void inputDateTime(QDateTimeEdit* edit, bool differs, const QDateTime& dateTime);

    static bool inputEmpty(QLineEdit* edit);
    static bool checkEmpty(QCheckBox* box);
    static bool spinEmpty(QSpinBox* spin);
    static bool comboEmpty(QtWidgets::TComboBox& combo);
    static bool radioEmpty(QButtonGroup* group);
    static bool dateEmpty(QDateEdit* edit);
    static bool dateTimeEmpty(QDateTimeEdit* edit);

    // Proposes the id of a new record: the list's next free id, or with reuseGaps the lowest id
    // from 1 up that no record has; either kept within the spin box's range.
    void setListID(QSpinBox* spin, Basics::TValueList* list, TLumRecordRows* rows, bool reuseGaps);
    void setListID(QLineEdit* edit, Basics::TValueList* list, TLumRecordRows* rows, bool reuseGaps);
    // False, after telling the operator why, for an id below 1 or one the list holds already.
    bool checkElement(QWidget* parent, Basics::TValueList* list, int id);

    // Move the selection to the first, previous, next or last row (before the first or after the
    // last selected one); true when it moved.
    bool onFirst(TLumRecordRows* rows);
    bool onPrev(TLumRecordRows* rows);
    bool onNext(TLumRecordRows* rows);
    bool onLast(TLumRecordRows* rows);
    // The same, to the next or previous row whose text in that column is the given text.
    bool onMultiNext(TLumRecordRows* rows, int column, const QString& text);
    bool onMultiPrev(TLumRecordRows* rows, int column, const QString& text);
    // Selects the first row whose text in that column starts with the given text (case ignored);
    // its row, or -1 when there is none.
    int onFindItem(TLumRecordRows* rows, int column, const QString& text);

    // After the dialog was filled: applies the user's rights again, since filling may have enabled
    // inputs of a read-only dialog.
    void checkSelection(QDialog* dialog);

    // Shows the section of the dialog (anchored by its object name) of the help file.
    static void onHelp(const QString& file, QDialog* dialog);
    // Whether onHelp can show anything: a help directory exists and a viewer is at hand.
    static bool helpAvailable();
    // The folder of the help files: "help" beside the program, or the installed share folder.
    static QString helpDirectory();
    // The path of the help file in the language of the texts: its name is translated like a text
    // ("lumdialogs.html" is "lumdialogs_de.html" in German), falling back to the file itself.
    static QString helpPath(const QString& file);

protected:
    bool multi = false;
};
