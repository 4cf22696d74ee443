#pragma once

#include "lumdialogs_global.h"
#include "ui_TCurrencyDlgBase.h"

#include <QDialog>

// The currency editor's form with its connections and texts.
class LUMDIALOGS_EXPORT TCurrencyDlgBase : public QDialog, public Ui::TCurrencyDlgBase {
    Q_OBJECT
public:
    explicit TCurrencyDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                              Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void languageChange();
    // OK needs a name and a short name.
    virtual void onChange();
    virtual void onFirst();
    virtual void onPrev();
    virtual void onNext();
    virtual void onLast();
    virtual void onHelp();
};
