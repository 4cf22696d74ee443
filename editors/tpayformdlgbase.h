#pragma once

#include "lumdialogs_global.h"
#include "teditorform.h"
#include "ui_TPayformDlgBase.h"

class QTreeWidgetItem;

// The payment form editor's form: eight pages, the connections between its widgets and its texts.
class LUMDIALOGS_EXPORT TPayformDlgBase : public LumDialogs::TEditorForm, public Ui::TPayformDlgBase {
    Q_OBJECT
public:
    explicit TPayformDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                             Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void languageChange();
    // OK needs a number above 0 and a name.
    void onChange() override;
    // Order PLU for every rounding but none, the value to round to for types 1 to 3 only.
    virtual void onRndType(int type);
    // The hotel number only while "Select Hotel" is on.
    virtual void selecthotelchanged(bool on);
    virtual void grosfornetchanged(bool on);
    virtual void netonlychanged(bool on);
    virtual void onPrnAdd();
    virtual void onPrnEdit();
    virtual void onPrnEdit(QTreeWidgetItem* item);
    virtual void onPrnDel();
    virtual void onPrnClear();
    virtual void onPrnChange();
    virtual void onPrnChange(QTreeWidgetItem* item);
    virtual void onPPrnAdd();
    virtual void onPPrnEdit();
    virtual void onPPrnEdit(QTreeWidgetItem* item);
    virtual void onPPrnDel();
    virtual void onPPrnClear();
    virtual void onPPrnChange();
    virtual void onPPrnChange(QTreeWidgetItem* item);
};
