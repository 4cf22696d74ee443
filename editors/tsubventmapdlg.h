#pragma once

#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "tsubventmap.h"
#include "ui_TSubventMapDlgBase.h"

// The subvention map editor's form. OK needs a subvention.
class LUMDIALOGS_EXPORT TSubventMapDlgBase : public LumDialogs::TEditorLayout<Ui::TSubventMapDlgBase> {
    Q_OBJECT
public:
    explicit TSubventMapDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                                Qt::WindowFlags fl = {});

protected Q_SLOTS:
    void onChange() override;
    // A payment form was picked (or its text typed) in m_PayformId.
    virtual void payformchanged(const QString&) { notImplemented("payformchanged(const QString&)"); }
};

// Creates and edits subvention maps: which subvention a card gets through which payment form, and
// how often per period.
class LUMDIALOGS_EXPORT TSubventMapDlg
    : public LumDialogs::TEditorDialog<TSubventMapDlgBase, PosLib::TSubventMap> {
    Q_OBJECT
public:
    TSubventMapDlg(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;
    // Every record written must name a subvention of the list; otherwise the operator is told and
    // nothing is written.
    bool validate() override;
    // Picking a payment form fills in its name.
    void payformchanged(const QString& text) override;

private:
    void fillTypes(QtWidgets::TComboBox& types);
};
