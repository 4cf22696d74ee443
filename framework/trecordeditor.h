#pragma once

#include "lumdialogs_global.h"
#include "tfields.h"

#include <QString>

class QDialog;
class TLumRecordRows;

namespace Basics {
class TValue;
}

namespace LumDialogs {

// What every record editor offers its host, whatever its record class: the host prepares it for a
// new record or the selection of a list view, runs it, and may ask what it would write.
class LUMDIALOGS_EXPORT TRecordEditor {
public:
    virtual ~TRecordEditor();

    virtual QDialog* dialog() = 0;
    // The workspace list the editor works on.
    virtual QString listName() const = 0;
    // Prepares the dialog for a new record; the host proposes its id.
    virtual void setID(TLumRecordRows* view) = 0;
    // Shows the records selected in the list view.
    virtual void setData(TLumRecordRows* view) = 0;
    virtual int getID() const = 0;
    virtual TEditContext editContext() const = 0;
    // Whether the operator changed anything since the dialog showed the records.
    virtual bool hasChanges() const = 0;
    // Writes back without closing; false (after telling the operator why) when nothing was written.
    virtual bool save() = 0;
    // Writes into a record what the editor writes into every selected record whether or not the
    // operator changed it (the fields shown from the first record).
    virtual void writeShownFromFirst(Basics::TValue& record) const = 0;
};

} // namespace LumDialogs
