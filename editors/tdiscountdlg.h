#pragma once

#include "lumdialogs_global.h"
#include "tcombobox.h"
#include "tdiscount.h"
#include "tdiscountdlgbase.h"
#include "teditordialog.h"

#include <memory>

class TLumListView;
class TLumWindow;

// Creates and edits discounts of the workspace list "discounts".
class LUMDIALOGS_EXPORT TDiscountDlg : public LumDialogs::TEditorDialog<TDiscountDlgBase, PosLib::TDiscount> {
    Q_OBJECT
public:
    TDiscountDlg(TLumWindow* window, QWidget* parent);
    ~TDiscountDlg() override;

protected:
    void initData() override;

private:
    // The rate as shown: a percentage, or for an absolute discount an amount of the system currency.
    QString rateText(const PosLib::TDiscount& discount) const;
    // The typed rate, read as an amount when the discount is (or with the box in its no-change
    // state, stays) absolute.
    double rateOf(const QString& text, const PosLib::TDiscount& discount) const;

    std::unique_ptr<QtWidgets::TComboBox> m_articleChooser;
};
