#include "statcheckdlgbase.h"

#include <QEvent>
#include <QtDebug>

StatCheckDlgBase::StatCheckDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setupUi(this);
    setObjectName(QString::fromLatin1(name ? name : "StatCheckDlgBase"));
    setModal(modal);
    connect(buttonHelp, &QPushButton::clicked, this, &StatCheckDlgBase::onHelp);
    connect(buttonClose, &QPushButton::clicked, this, &QDialog::reject);
    languageChange();
}

void StatCheckDlgBase::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}

void StatCheckDlgBase::languageChange()
{
    retranslateUi(this);
}

void StatCheckDlgBase::onHelp()
{
    qWarning("StatCheckDlgBase::onHelp(): Not implemented yet");
}
