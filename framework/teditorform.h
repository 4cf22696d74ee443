#pragma once

#include "lumdialogs_global.h"
#include "teditorframe.h"

#include <QDialog>
#include <QList>

class QLineEdit;
class QPushButton;

namespace LumDialogs {

// What the layout classes of the editor forms share: a layout class is
//
//   class TVatRateDlgBase : public LumDialogs::TEditorForm, public Ui::TVatRateDlgBase
//
// whose constructor calls setupUi(this), then setUpForm with its own class name and the common
// widgets, makes its own connections and calls its languageChange(). The form connects OK, Cancel,
// help and the navigation buttons to the slots below and the required text fields to onChange,
// which enables OK exactly while all of them are filled. The navigation and help slots only warn
// "<layout class>::<slot>: Not implemented yet"; the logic class gives them their code.
class LUMDIALOGS_EXPORT TEditorForm : public QDialog {
    Q_OBJECT
public:
    TEditorForm(QWidget* parent, Qt::WindowFlags flags);

protected:
    // name: the object name, the layout class's own when null.
    void setUpForm(const char* className, const char* name, bool modal, const TEditorWidgets& widgets,
                   QPushButton* cancel, const QList<QLineEdit*>& required);
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
    const char* m_className = "TEditorForm";
    QPushButton* m_ok = nullptr;
    QList<QLineEdit*> m_required;
};

} // namespace LumDialogs
