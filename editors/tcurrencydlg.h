#pragma once

#include "lumdialogs_global.h"
#include "tcurrency.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "ui_TCurrencyDlgBase.h"

// The currency editor's form. OK needs a name and a short name.
class LUMDIALOGS_EXPORT TCurrencyDlgBase : public LumDialogs::TEditorLayout<Ui::TCurrencyDlgBase> {
public:
    using TEditorLayout::TEditorLayout;
};

// Creates and edits currencies.
class LUMDIALOGS_EXPORT TCurrencyDlg : public LumDialogs::TEditorDialog<TCurrencyDlgBase, PosLib::TCurrency> {
    Q_OBJECT
public:
    TCurrencyDlg(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;
    // A new currency goes to the list through TCurrencies::addCurrency.
    void storeNew(Basics::TValueList* target, std::unique_ptr<PosLib::TCurrency> currency) override;
};
