#include "tdlgremovebase.h"

#include <QEvent>

namespace QtWidgets {

TDlgRemoveBase::TDlgRemoveBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setupUi(this);
    setObjectName(QString::fromLatin1(name ? name : "TDlgRemoveBase"));
    setModal(modal);
    connect(m_Yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_No, &QPushButton::clicked, this, &QDialog::reject);
    languageChange();
}

void TDlgRemoveBase::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}

void TDlgRemoveBase::languageChange()
{
    retranslateUi(this);
}

} // namespace QtWidgets
