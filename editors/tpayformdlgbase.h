#pragma once

#include "lumdialogs_global.h"
#include "teditorform.h"
#include "ui_TPayformDlgBase.h"

class QTreeWidgetItem;

// The payment form editor's form: eight pages, the connections between its widgets and its texts.
class LUMDIALOGS_EXPORT TPayformDlgBase : public LumDialogs::TEditorLayout<Ui::TPayformDlgBase> {
    Q_OBJECT
public:
    explicit TPayformDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                             Qt::WindowFlags fl = {});

protected Q_SLOTS:
    // OK needs a number above 0 and a name.
    void onChange() override;
    // Order PLU for every rounding but none, the value to round to for types 1 to 3 only.
    virtual void onRndType(int type);
    // The hotel number only while "Select Hotel" is on.
    virtual void selecthotelchanged(bool on);
    virtual void grosfornetchanged(bool) { notImplemented("grosfornetchanged(bool)"); }
    virtual void netonlychanged(bool) { notImplemented("netonlychanged(bool)"); }
    virtual void onPrnAdd() { notImplemented("onPrnAdd()"); }
    virtual void onPrnEdit() { notImplemented("onPrnEdit()"); }
    virtual void onPrnEdit(QTreeWidgetItem*) { notImplemented("onPrnEdit(QListViewItem*)"); }
    virtual void onPrnDel() { notImplemented("onPrnDel()"); }
    virtual void onPrnClear() { notImplemented("onPrnClear()"); }
    virtual void onPrnChange() { notImplemented("onPrnChange()"); }
    virtual void onPrnChange(QTreeWidgetItem*) { notImplemented("onPrnChange(QListViewItem*)"); }
    virtual void onPPrnAdd() { notImplemented("onPPrnAdd()"); }
    virtual void onPPrnEdit() { notImplemented("onPPrnEdit()"); }
    virtual void onPPrnEdit(QTreeWidgetItem*) { notImplemented("onPPrnEdit(QListViewItem*)"); }
    virtual void onPPrnDel() { notImplemented("onPPrnDel()"); }
    virtual void onPPrnClear() { notImplemented("onPPrnClear()"); }
    virtual void onPPrnChange() { notImplemented("onPPrnChange()"); }
    virtual void onPPrnChange(QTreeWidgetItem*) { notImplemented("onPPrnChange(QListViewItem*)"); }
};
