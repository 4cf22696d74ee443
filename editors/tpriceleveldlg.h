#pragma once

#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "tpricelevel.h"
#include "tpriceleveldlgbase.h"

class TLumListView;
class TLumWindow;

// Creates and edits price levels of the workspace list "pricelevels": when in the day and on which
// weekdays each applies.
class LUMDIALOGS_EXPORT TPriceLevelDlg
    : public LumDialogs::TEditorDialog<TPriceLevelDlgBase, PosLib::TPricelevel> {
    Q_OBJECT
public:
    TPriceLevelDlg(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;
};
