#pragma once

#include "lumdialogs_global.h"
#include "teditorframe.h"

#include <QDialog>
#include <QList>

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace LumDialogs {

// What the layout classes of the editor forms share. The form itself says what is particular to
// it: a line edit with the dynamic property "required" set must be filled before OK is enabled,
// and a button of a button group takes the id of its dynamic property "buttonId". The form
// connects OK, Cancel, help and the navigation buttons to the slots below and the required text
// fields to onChange. The navigation and help slots only warn "<layout class>::<slot>: Not
// implemented yet"; the logic class gives them their code.
class LUMDIALOGS_EXPORT TEditorForm : public QDialog {
    Q_OBJECT
public:
    TEditorForm(QWidget* parent, Qt::WindowFlags flags);

protected:
    // Called once the form's widgets exist. The layout class's name is the form's object name as
    // the generated set-up gave it; name becomes the object name (the layout class's own when null).
    void setUpForm(const char* name, bool modal, const TEditorWidgets& widgets, QPushButton* cancel);
    // A text field that must be filled before OK is enabled, besides the form's own.
    void requireInput(QLineEdit* edit);
    // OK's tool tip names the required fields still empty while OK is disabled.
    void explainOk();
    // The text of a field's label, without accelerator and colon.
    QString fieldName(const QWidget* field) const;
    // The warning of a slot that the form gives no code, for a slot signature such as "onType(int)".
    void notImplemented(const char* slot) const;

protected Q_SLOTS:
    virtual void onChange();
    virtual void onFirst();
    virtual void onPrev();
    virtual void onNext();
    virtual void onLast();
    virtual void onHelp();

private:
    QByteArray m_className = "TEditorForm";
    QPushButton* m_ok = nullptr;
    QList<QLineEdit*> m_required;
};

// The layout class of an editor form, from its generated form class:
//
//   class TDiscountDlgBase : public LumDialogs::TEditorLayout<Ui::TDiscountDlgBase> {
//       using TEditorLayout::TEditorLayout;
//   };
template <class Form>
class TEditorLayout : public TEditorForm, public Form {
public:
    explicit TEditorLayout(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                           Qt::WindowFlags fl = {})
        : TEditorForm(parent, fl)
    {
        this->setupUi(this);
        setUpForm(name, modal,
                  {this->m_Number, this->buttonOk, this->b_Help, this->b_First, this->b_Prev, this->b_Next,
                   this->b_Last},
                  this->buttonCancel);
    }

protected:
    // Sets every visible text of the form again, in the current language.
    virtual void languageChange() { this->retranslateUi(this); }
};

// A form whose widgets are named by their role (NumberField, NameField) instead of m_Number and
// m_Name; the frame reaches its id field as m_Number:
//
//   class HashTagDlgBase : public LumDialogs::TEditorLayout<LumDialogs::TRoleNamedForm<Ui::HashTagDlgBase>>
template <class Form>
class TRoleNamedForm : public Form {
public:
    QSpinBox* m_Number = nullptr;

    void setupUi(QDialog* dialog)
    {
        Form::setupUi(dialog);
        m_Number = this->NumberField;
    }
};

// A form whose frame buttons are named by their role (OkButton, CancelButton, HelpButton,
// FirstButton, PreviousButton, NextButton, LastButton); the frame reaches them by its own names:
//
//   class SalePromotionsGroupDialogBase
//       : public LumDialogs::TEditorLayout<LumDialogs::TRoleNamedButtons<Ui::SalePromotionsGroupDialogBase>>
template <class Form>
class TRoleNamedButtons : public Form {
public:
    QPushButton* buttonOk = nullptr;
    QPushButton* buttonCancel = nullptr;
    QPushButton* b_Help = nullptr;
    QPushButton* b_First = nullptr;
    QPushButton* b_Prev = nullptr;
    QPushButton* b_Next = nullptr;
    QPushButton* b_Last = nullptr;

    void setupUi(QDialog* dialog)
    {
        Form::setupUi(dialog);
        buttonOk = this->OkButton;
        buttonCancel = this->CancelButton;
        b_Help = this->HelpButton;
        b_First = this->FirstButton;
        b_Prev = this->PreviousButton;
        b_Next = this->NextButton;
        b_Last = this->LastButton;
    }
};

} // namespace LumDialogs
