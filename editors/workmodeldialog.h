#pragma once

#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "ui_WorkmodelDialogBase.h"
#include "workingmodel.h"

// The work-model editor's form: a check box and a start time per weekday. OK needs a name.
class LUMDIALOGS_EXPORT WorkmodelDialogBase : public LumDialogs::TEditorLayout<Ui::WorkmodelDialogBase> {
    Q_OBJECT
public:
    explicit WorkmodelDialogBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                                 Qt::WindowFlags fl = {});
};

// Creates and edits work models: on which weekdays work begins at which time, and the grace period.
// With several models the first one's days and grace period are shown and go into every selected
// model.
class LUMDIALOGS_EXPORT WorkmodelDialog
    : public LumDialogs::TEditorDialog<WorkmodelDialogBase, PosLib::WorkingModel> {
    Q_OBJECT
public:
    WorkmodelDialog(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;

private:
    class TDayField;
};
