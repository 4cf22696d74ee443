#pragma once

#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "tshift.h"
#include "ui_TShiftDlgBase.h"

// The shift editor's form. OK needs a name.
class LUMDIALOGS_EXPORT TShiftDlgBase : public LumDialogs::TEditorLayout<Ui::TShiftDlgBase> {
    Q_OBJECT
public:
    explicit TShiftDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                           Qt::WindowFlags fl = {})
        : TEditorLayout(parent, name, modal, fl)
    {
        connect(a_Group, &QPushButton::clicked, this, &TShiftDlgBase::onNewGroup);
    }

protected Q_SLOTS:
    // Creates a shift group on the spot and chooses it.
    virtual void onNewGroup() { notImplemented("onNewGroup()"); }
};

// Creates and edits shifts: a time window on chosen weekdays, in a shift group. Where several
// shifts differ in their start or end, that time is locked and stays as each shift has it.
class LUMDIALOGS_EXPORT TShiftDlg : public LumDialogs::TEditorDialog<TShiftDlgBase, PosLib::TShift> {
    Q_OBJECT
public:
    TShiftDlg(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;
    void onNewGroup() override;

private:
    void fillGroups();

    QtWidgets::TComboBox* m_groups = nullptr;
};
