#pragma once

#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "tgeneralsetting.h"
#include "ui_GeneralSettingDlgBase.h"

// The general-settings editor's form: the pages "Settings", "Inventory Control", "Voucher" and
// "Bakery", with a chooser button beside every path. OK needs a name.
class LUMDIALOGS_EXPORT GeneralSettingDlgBase : public LumDialogs::TEditorLayout<Ui::GeneralSettingDlgBase> {
    Q_OBJECT
public:
    explicit GeneralSettingDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                                   Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void onbonmonitorpath() { notImplemented("onbonmonitorpath()"); }
    virtual void onIConSpoolpath() { notImplemented("onIConSpoolpath()"); }
    virtual void onIConExportPath() { notImplemented("onIConExportPath()"); }
    virtual void onBakeryExchangePath() { notImplemented("onBakeryExchangePath()"); }
};

// Creates and edits general setting sets: the interfaces of the installation to the order display,
// the inventory control, the voucher systems and the bakery. With several sets only the name and
// the preorder articles can be left as each set has them; every other input is shown from the first
// set and goes into every selected set.
class LUMDIALOGS_EXPORT GeneralSettingDlg
    : public LumDialogs::TEditorDialog<GeneralSettingDlgBase, PosLib::TGeneralSetting> {
    Q_OBJECT
public:
    GeneralSettingDlg(TLumWindow* window, QWidget* parent);

    void SetID(TLumRecordRows* view) { setID(view); }
    void SetData(TLumRecordRows* view) { setData(view); }
    int GetID() const { return getID(); }

protected:
    void initData() override;
    void showRecord(const PosLib::TGeneralSetting& reference) override;
    void onbonmonitorpath() override;
    void onIConSpoolpath() override;
    void onIConExportPath() override;
    void onBakeryExchangePath() override;

private:
    class TVoucherSystemField;
    class TCustomDataField;

    // The order-display path only while the order display is on.
    void applyBonmonitorRule();
    // Replaces the field's text by a directory the operator chooses, starting at the text.
    void choosePath(QLineEdit* field);
    void FillArticles();

    QtWidgets::TComboBox* m_inPlu = nullptr;
    QtWidgets::TComboBox* m_outPlu = nullptr;
};
