#pragma once

#include "lumdialogs_global.h"
#include "tlistnames.h"
#include "tlumcolumn.h"
#include "tlumrecordrows.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class TLumWindow;

namespace LumDialogs {

class TRecordEditor;

// Builds the editor of a list, with the host window and the list view (the rows) as its parent.
using TEditorFactory = std::function<std::unique_ptr<QDialog>(TLumWindow*, TLumRecordRows*)>;

// Everything the system says about one list, declared once in the table of lists: its names and
// record class, where the back office shows it, the captions of its editor, its columns (what the
// list view shows, the fields of the record editor, the references to other lists), and its
// editor. A list without an editor of its own is edited by the record editor (TRecordDlg).
struct LUMDIALOGS_EXPORT TListDescriptor {
    PosLib::TListNames names;
    QString group;       // where the navigator shows the list
    QString title;       // the list as the navigator names it
    QString captionOne;  // the editor's caption for one record ("Edit currency")
    QString captionMany; // and for several ("Edit currencies")
    QList<TLumColumn> columns;
    TEditorFactory editor; // the list's own editor, or the record editor built from the columns
    QString dialogName;    // the object name of the editor, by which the rights name it
    bool ownEditor = false;
    // The editor writes the list's records. The card editor does not: it writes to the card on the
    // reader, and the card list follows what the reader reports.
    bool writesRecords = true;

    // The list's editor, prepared for a new record or for the records selected in the view.
    std::unique_ptr<QDialog> openEditor(TLumWindow* window, TLumRecordRows* view, bool newRecord) const;

    // Every list, in the navigator's order.
    static const QList<TListDescriptor>& all();
    // The list of that name; null when there is none.
    static const TListDescriptor* find(const QString& list);
    // The groups in navigator order.
    static QStringList groups();
};

// The record-editor side of an editor built by a factory.
LUMDIALOGS_EXPORT TRecordEditor* recordEditor(QDialog* dialog);

} // namespace LumDialogs
