#pragma once

#include "lumdialogs_global.h"
#include "tcombobox.h"
#include "teditordialog.h"
#include "ttaxgroup.h"
#include "ttaxgroupdlgbase.h"

#include <QList>

#include <memory>

// Creates and edits tax groups: each a name and the VAT rates of the group in their order.
class LUMDIALOGS_EXPORT TTaxGroupDlg : public LumDialogs::TEditorDialog<TTaxGroupDlgBase, PosLib::TTaxGroup> {
    Q_OBJECT
public:
    TTaxGroupDlg(TLumWindow* window, QWidget* parent);
    ~TTaxGroupDlg() override;

protected:
    void initData() override;
    void onRateAdd() override;
    void onRateDel() override;
    void onRateUp() override;
    void onRateDn() override;
    void onNewRate() override;

private:
    class TRatesField;

    // One item per VAT rate of "vatrates", its rate followed by "%" and its name.
    void fillRateChooser();
    void showRates(const QList<int>& ids);
    QList<int> rateIds() const;
    QTreeWidgetItem* addRow(int id);
    void moveRow(int by);

    std::unique_ptr<QtWidgets::TComboBox> m_rateChooser;
};
