#pragma once

#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "ttablecfg.h"
#include "ui_TTableCfgDlgBase.h"

class QPushButton;

// The table configuration editor's form: pages General, Order and Payment, and a button beside
// five choosers that creates the missing record on the spot. OK needs a name.
class LUMDIALOGS_EXPORT TTableCfgDlgBase : public LumDialogs::TEditorLayout<Ui::TTableCfgDlgBase> {
    Q_OBJECT
public:
    explicit TTableCfgDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                              Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void onNewCenter() { notImplemented("onNewCenter()"); }
    virtual void onNewCurrency() { notImplemented("onNewCurrency()"); }
    virtual void onNewLevel() { notImplemented("onNewLevel()"); }
    virtual void onNewPayform() { notImplemented("onNewPayform()"); }
    virtual void onNewMenuCard() { notImplemented("onNewMenuCard()"); }
};

// Creates and edits table configurations. A card put on one of the host's card readers fills in
// the order card.
class LUMDIALOGS_EXPORT TTableCfgDlg : public LumDialogs::TEditorDialog<TTableCfgDlgBase, PosLib::TTableCfg> {
    Q_OBJECT
public:
    TTableCfgDlg(TLumWindow* window, QWidget* parent);

public Q_SLOTS:
    // A card reader read a card: its text becomes the order card.
    void onReader(const QString& text);

protected:
    void initData() override;
    void showRecord(const PosLib::TTableCfg& reference) override;

    void onNewCenter() override;
    void onNewCurrency() override;
    void onNewLevel() override;
    void onNewPayform() override;
    void onNewMenuCard() override;

private:
    class TAskGuestsField;

    // Each empties its chooser and fills it again; false (with the new-record button hidden) when
    // the workspace has no such list.
    bool fillCenters();
    bool fillCurrencies();
    bool fillLevels();
    bool fillPayforms();
    bool fillCards();
    bool fillWithButton(QtWidgets::TComboBox& chooser, const QString& list, QPushButton* button);
    // Runs the editor for a new record and chooses the record in the chooser once it was accepted.
    template <class Editor>
    void createAndChoose(QtWidgets::TComboBox& chooser, bool (TTableCfgDlg::*refill)());
    void listenToCardReaders();
    // The boxes that depend on others: the two guest questions exclude each other, the address
    // amount and database only while the address is asked for.
    void applyWidgetRules();

    QtWidgets::TComboBox* m_center = nullptr;
    QtWidgets::TComboBox* m_currency = nullptr;
    QtWidgets::TComboBox* m_level = nullptr;
    QtWidgets::TComboBox* m_payform = nullptr;
    QtWidgets::TComboBox* m_menuCard = nullptr;
};
