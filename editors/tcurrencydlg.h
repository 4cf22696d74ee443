#pragma once

#include "lumdialogs_global.h"
#include "tcurrency.h"
#include "tcurrencydlgbase.h"
#include "teditordialog.h"

class TLumListView;
class TLumWindow;

// Creates and edits currencies of the workspace list "currencies".
class LUMDIALOGS_EXPORT TCurrencyDlg : public LumDialogs::TEditorDialog<TCurrencyDlgBase, PosLib::TCurrency> {
    Q_OBJECT
public:
    TCurrencyDlg(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;
    // A new currency goes to the list through TCurrencies::addCurrency.
    void storeNew(Basics::TValueList* target, PosLib::TCurrency* currency) override;
};
