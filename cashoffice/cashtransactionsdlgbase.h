#pragma once

#include "lumdialogs_global.h"
#include "ui_CashTransactionsDlgBase.h"

#include <QDialog>

// The form of the cash office: the pages "Cash IO", "CCD", "Vault" and "Journal" with the common
// Book and Close buttons. The radio buttons carry their ids in the form ("buttonId"). The slots
// that the logic class gives code only warn here.
class LUMDIALOGS_EXPORT CashTransactionsDlgBase : public QDialog, public Ui::CashTransactionsDlgBase {
    Q_OBJECT

public:
    explicit CashTransactionsDlgBase(QWidget* parent = nullptr, const char* name = nullptr,
                                     bool modal = false, Qt::WindowFlags fl = {});

protected:
    void changeEvent(QEvent* event) override;

protected Q_SLOTS:
    virtual void languageChange();
    virtual void OnBookButtonHandler();
    virtual void OnCashIoPayformChangedHandler(int index);
    virtual void OnCashTypeChangedHandler(int id);
    virtual void OnTabPageChangedHandler(QWidget* page);
    virtual void OnCashIOAmountFieldHandler();
    virtual void OnCcdLocationChangedHandler(int index);
    virtual void CCDJournalRequestHandler();

private:
    void notImplemented(const char* slot) const;
};
