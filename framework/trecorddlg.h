#pragma once

#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "tvalue.h"
#include "ui_TRecordDlgBase.h"

class QFormLayout;

namespace LumDialogs {

struct TListDescriptor;

// The record editor's form: the id and an empty area that the editor fills with one field per
// column of its list.
class LUMDIALOGS_EXPORT TRecordDlgBase : public TEditorLayout<Ui::TRecordDlgBase> {
public:
    using TEditorLayout::TEditorLayout;
};

// Creates and edits the records of a list that has no editor of its own, from its descriptor: a
// typed field per column (text, number, amount, percentage, time, weekdays, flag, and an id
// chooser for a reference), with everything the frame gives every editor.
class LUMDIALOGS_EXPORT TRecordDlg : public TEditorDialog<TRecordDlgBase, Basics::TValue> {
    Q_OBJECT
public:
    TRecordDlg(TLumWindow* window, QWidget* parent, const TListDescriptor& list);

protected:
    void initData() override;

private:
    void addField(const TLumColumn& column, QFormLayout* form);

    const TListDescriptor& m_list;
};

} // namespace LumDialogs
