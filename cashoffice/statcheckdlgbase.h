#pragma once

#include "lumdialogs_global.h"
#include "ui_StatCheckDlgBase.h"

#include <QDialog>

// The form of the statistics check: the outlets with their days, a progress bar, Help and Close.
class LUMDIALOGS_EXPORT StatCheckDlgBase : public QDialog, public Ui::StatCheckDlgBase {
    Q_OBJECT

public:
    explicit StatCheckDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                              Qt::WindowFlags fl = {});

protected:
    void changeEvent(QEvent* event) override;

protected Q_SLOTS:
    virtual void languageChange();
    virtual void onHelp();
};
