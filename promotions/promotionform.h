#pragma once

// The layout class of a small promotion dialog that is no record editor (the condition dialogs, the
// article picker), from its generated form class: the form is set up, OkButton and CancelButton
// accept and reject, and the texts follow a change of language.

#include <QDialog>
#include <QEvent>
#include <QPushButton>

template <class Form>
class PromotionForm : public QDialog, public Form {
public:
    PromotionForm(QWidget* parent, const char* name, const char* formName, bool modal, Qt::WindowFlags fl)
        : QDialog(parent, fl)
    {
        this->setupUi(this);
        setObjectName(QString::fromLatin1(name ? name : formName));
        setModal(modal);
        connect(this->OkButton, &QPushButton::clicked, this, &QDialog::accept);
        connect(this->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            this->retranslateUi(this);
        QDialog::changeEvent(event);
    }
};
