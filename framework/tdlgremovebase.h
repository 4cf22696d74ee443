#pragma once

#include "lumdialogs_global.h"
#include "ui_TDlgRemoveBase.h"

#include <QDialog>

namespace QtWidgets {

// The form of the removal confirmation with its connections and texts.
class LUMDIALOGS_EXPORT TDlgRemoveBase : public QDialog, public Ui::TDlgRemoveBase {
    Q_OBJECT

public:
    explicit TDlgRemoveBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                            Qt::WindowFlags fl = {});

protected:
    void changeEvent(QEvent* event) override;

protected Q_SLOTS:
    virtual void languageChange();
};

} // namespace QtWidgets
