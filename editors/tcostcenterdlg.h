#pragma once

#include "lumdialogs_global.h"
#include "tcostcenter.h"
#include "tcostcenterdlgbase.h"
#include "teditordialog.h"

class TLumListView;
class TLumWindow;

// Creates and edits cost centres of the workspace list "costcenters". The workspace's database
// keeps a row of every cost centre in the table "Kostenstellen" (its id in "KSCode", its name in
// "Bezeichnung"); a cost centre goes into the list, or is reported changed, only after its row was
// written. Without a database the list alone keeps them.
class LUMDIALOGS_EXPORT TCostCenterDlg
    : public LumDialogs::TEditorDialog<TCostCenterDlgBase, PosLib::TCostCenter> {
    Q_OBJECT
public:
    TCostCenterDlg(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;
    void storeNew(Basics::TValueList* target, PosLib::TCostCenter* center) override;
    void storeChanged(Basics::TValueList* target, PosLib::TCostCenter* center) override;

    // Adds the row of a new cost centre. Throws Database::TSQLError.
    void insertCost(const PosLib::TCostCenter& center);
    // Writes the name into the row of the cost centre; a cost centre without a row is only
    // reported to the debug output. Throws Database::TSQLError.
    void updateCost(const PosLib::TCostCenter& center);
};
