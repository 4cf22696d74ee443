#pragma once

// What every record editor shares, apart from the record type: the id field and the buttons.

#include "lumdialogs_global.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QDialog;
class QPushButton;
class QSpinBox;
class QWidget;
class TLumRecordRows;
class TLumWindow;

namespace QtWidgets {
class TComboBox;
}

namespace LumDialogs {

// The widgets every editor form has.
struct TEditorWidgets {
    QSpinBox* number;
    QPushButton* ok;
    QPushButton* help;
    QPushButton* first;
    QPushButton* prev;
    QPushButton* next;
    QPushButton* last;
};

// The common part of the set-up: the user's rights (a dialog without a window or configuration
// gets none), the navigation keys and icons, help only where it can be shown, the focus on the id.
LUMDIALOGS_EXPORT void initEditor(QDialog* dialog, TLumWindow* window, const TEditorWidgets& widgets);
// The four navigation buttons work only where there is a list view to move in.
LUMDIALOGS_EXPORT void enableNavigation(const TEditorWidgets& widgets, bool enabled);
// Edit mode: stored ids are never changed, so the id field is disabled and gives the focus away.
LUMDIALOGS_EXPORT void lockNumber(const TEditorWidgets& widgets, QWidget* firstTextField);
// Reports a storage error to the operator instead of letting it escape into the event loop.
LUMDIALOGS_EXPORT void reportStorageError(QWidget* parent, const QString& description);
// Asks whether the operator's changes may be thrown away; cannotSave says that they cannot be
// saved as they are (a required input is missing).
LUMDIALOGS_EXPORT bool confirmDiscard(QWidget* parent, bool cannotSave);
// The dialog's parent as the list view the navigation moves in.
LUMDIALOGS_EXPORT TLumRecordRows* parentListView(const QDialog* dialog);
// Amounts (integers in the smallest unit of the system currency) as the workspace's currency list
// writes and reads them; plain integers where the workspace has no currency list.
LUMDIALOGS_EXPORT QString amountText(const TLumWindow* window, qint64 amount);
LUMDIALOGS_EXPORT qint64 amountOf(const TLumWindow* window, const QString& text);
// A chooser that shows an id (other than 0) of a record its list does not hold says so: the id
// followed by "(missing)". The id itself stays, so saving keeps the reference as it is.
LUMDIALOGS_EXPORT void markMissingId(QtWidgets::TComboBox& chooser, int id);
// The warning of a layout slot that its form gives no code: "<Class>::<slot>: Not implemented yet".
LUMDIALOGS_EXPORT void notImplemented(const char* classAndSlot);

// While it lives, the inputs of a dialog (buttons, text and number fields, combo boxes, lists,
// button groups) emit no signals: filling a dialog runs none of the rules that react to the
// operator's input.
class LUMDIALOGS_EXPORT TQuietFill {
public:
    explicit TQuietFill(QDialog* dialog);
    ~TQuietFill();
    TQuietFill(const TQuietFill&) = delete;
    TQuietFill& operator=(const TQuietFill&) = delete;

private:
    std::vector<QPointer<QObject>> m_blocked;
};

inline constexpr const char* helpFile = "lumdialogs.html";

} // namespace LumDialogs
