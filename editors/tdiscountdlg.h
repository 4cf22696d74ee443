#pragma once

#include "lumdialogs_global.h"
#include "tdiscount.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "ui_TDiscountDlgBase.h"

// The discount editor's form. OK needs a name.
class LUMDIALOGS_EXPORT TDiscountDlgBase : public LumDialogs::TEditorLayout<Ui::TDiscountDlgBase> {
public:
    using TEditorLayout::TEditorLayout;
};

// Creates and edits discounts.
class LUMDIALOGS_EXPORT TDiscountDlg : public LumDialogs::TEditorDialog<TDiscountDlgBase, PosLib::TDiscount> {
    Q_OBJECT
public:
    TDiscountDlg(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;

private:
    // The rate as shown: a percentage, or for an absolute discount an amount of the system currency.
    QString rateText(const PosLib::TDiscount& discount) const;
    // The typed rate, read as an amount when the discount is (or with the box in its no-change
    // state, stays) absolute.
    double rateOf(const QString& text, const PosLib::TDiscount& discount) const;
};
