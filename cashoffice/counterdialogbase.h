#pragma once

#include "lumdialogs_global.h"
#include "ui_CounterDialogBase.h"

#include <QDialog>

// The form of the cash counter: the cash group, the table of denominations, the total, Ok and
// Cancel.
class LUMDIALOGS_EXPORT CounterDialogBase : public QDialog, public Ui::CounterDialogBase {
    Q_OBJECT

public:
    explicit CounterDialogBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                               Qt::WindowFlags fl = {});

protected:
    void changeEvent(QEvent* event) override;

protected Q_SLOTS:
    virtual void languageChange();
};
