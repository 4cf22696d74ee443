#pragma once

#include "coatcheckrange.h"
#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "ui_CoatCheckRangeDlgBase.h"

// The coat-check range editor's form. OK needs a name.
class LUMDIALOGS_EXPORT CoatCheckRangeDlgBase
    : public LumDialogs::TEditorLayout<LumDialogs::TRoleNamedForm<Ui::CoatCheckRangeDlgBase>> {
    Q_OBJECT
public:
    explicit CoatCheckRangeDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                                   Qt::WindowFlags fl = {})
        : TEditorLayout(parent, name, modal, fl)
    {
        connect(RangeBeginField, &QSpinBox::valueChanged, this, &CoatCheckRangeDlgBase::CheckBeginValue);
        connect(RangeEndField, &QSpinBox::valueChanged, this, &CoatCheckRangeDlgBase::CheckEndValue);
    }

protected Q_SLOTS:
    virtual void CheckBeginValue(int) { notImplemented("CheckBeginValue(int)"); }
    virtual void CheckEndValue(int) { notImplemented("CheckEndValue(int)"); }
};

// Creates and edits coat-check ranges, and shows the articles booked into a range. The end of a
// range never stays below its begin. Ranges of different records may overlap.
class LUMDIALOGS_EXPORT CoatCheckRangeDlg
    : public LumDialogs::TEditorDialog<CoatCheckRangeDlgBase, PosLib::CoatCheckRange> {
    Q_OBJECT
public:
    CoatCheckRangeDlg(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;
    void showRecord(const PosLib::CoatCheckRange& reference) override;
    // A begin above the end moves the end behind it.
    void CheckBeginValue(int begin) override;
    // An end below the begin moves the begin one up, and the end behind it.
    void CheckEndValue(int end) override;

private:
    // The articles whose "coatcheckrangeid" is the range's number, as "PLU <id> - <name>".
    void UpdateArticles();
};
