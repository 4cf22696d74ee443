#pragma once

#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "tpayform.h"
#include "tpayformdlgbase.h"

#include <memory>

class TPrintoutList;

namespace QtWidgets {
class TComboBox;
}

// Creates and edits payment forms.
class LUMDIALOGS_EXPORT TPayformDlg : public LumDialogs::TEditorDialog<TPayformDlgBase, PosLib::TPayform> {
    Q_OBJECT
public:
    TPayformDlg(TLumWindow* window, QWidget* parent);
    ~TPayformDlg() override;

    void setID(TLumRecordRows* view) override;

protected:
    void initData() override;
    void getData(PosLib::TPayform* payform) override;
    void showRecord(const PosLib::TPayform& reference) override;

    QString getPrinters(QTreeWidget* list) const;
    void insertPrinters(QTreeWidget* list, const QString& stored);
    void insertPrinter(QTreeWidget* list, int printer, int layout, QTreeWidgetItem* row);
    void onPrnDel(QTreeWidget* list);

protected Q_SLOTS:
    void onPrnAdd() override;
    void onPrnEdit() override;
    void onPrnEdit(QTreeWidgetItem* item) override;
    void onPrnDel() override;
    void onPrnClear() override;
    void onPrnChange() override;
    void onPrnChange(QTreeWidgetItem* item) override;
    void onPPrnAdd() override;
    void onPPrnEdit() override;
    void onPPrnEdit(QTreeWidgetItem* item) override;
    void onPPrnDel() override;
    void onPPrnClear() override;
    void onPPrnChange() override;
    void onPPrnChange(QTreeWidgetItem* item) override;
    void onRPrnAdd();
    void onRPrnEdit();
    void onRPrnEdit(QTreeWidgetItem* item);
    void onRPrnDel();
    void onRPrnClear();
    void onRPrnChange();
    void onRPrnChange(QTreeWidgetItem* item);
    // "Gross for Net" and "Net amount payform" are never both set.
    void grosfornetchanged(bool on) override;
    void netonlychanged(bool on) override;
    // "Pay as tip" only while no money is returned.
    void AdjustNoReturnPayAsTipBoxes(bool on);

private:
    class TCurrenciesField;
    class TPrintoutsField;
    class TKostField;

    void declareFields();
    void CreateCurrenciesList();
    void SetCurrenciesListItems(PosLib::TPayform* payform);
    void GetCurrenciesListItems(PosLib::TPayform* payform);
    TPrintoutList* printoutsOf(QTreeWidget* list) const;
    bool bonusSwitchedOff() const;
    void removePage(QWidget* page);
    void updateClientscreenText();
    // The states of the boxes that depend on other boxes, after the dialog was filled.
    void applyWidgetRules();

    QtWidgets::TComboBox* m_rndPlu = nullptr;
    std::unique_ptr<TPrintoutList> m_bills;
    std::unique_ptr<TPrintoutList> m_partBills;
    std::unique_ptr<TPrintoutList> m_restore;
    bool m_kostPage = true;
};
