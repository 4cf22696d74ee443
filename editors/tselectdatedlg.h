#pragma once

#include "lumdialogs_global.h"
#include "ui_TDateSelectDlgBase.h"

#include <QDateTime>
#include <QDialog>

// The form of the validity-period dialog: two date-times, OK and Cancel.
class LUMDIALOGS_EXPORT TDateSelectDlgBase : public QDialog, public Ui::TDateSelectDlgBase {
    Q_OBJECT
public:
    explicit TDateSelectDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                                Qt::WindowFlags fl = {});

protected:
    // Sets every visible text of the form again, in the current language.
    virtual void languageChange() { retranslateUi(this); }
};

// Asks for a validity period for whoever calls it: setFrom and setTo put in what is shown, getFrom
// and getTo read what the operator chose after exec(). Nothing is checked: a "to" before "from"
// comes back as entered.
class LUMDIALOGS_EXPORT TSelectDateDlg : public TDateSelectDlgBase {
    Q_OBJECT
public:
    explicit TSelectDateDlg(QWidget* parent);

    void setFrom(const QDateTime& from) { m_from->setDateTime(from); }
    void setTo(const QDateTime& to) { m_to->setDateTime(to); }
    QDateTime getFrom() const { return m_from->dateTime(); }
    QDateTime getTo() const { return m_to->dateTime(); }
};
