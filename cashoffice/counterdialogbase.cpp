#include "counterdialogbase.h"

#include <QEvent>

CounterDialogBase::CounterDialogBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setupUi(this);
    setObjectName(QString::fromLatin1(name ? name : "CounterDialogBase"));
    setModal(modal);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    languageChange();
}

void CounterDialogBase::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}

void CounterDialogBase::languageChange()
{
    retranslateUi(this);
}
