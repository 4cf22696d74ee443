#pragma once

#include "lumdialogs_global.h"
#include "tcardreaderlink.h"
#include "ui_TFormatLoginDlgBase.h"

#include <QDialog>

#include <memory>

class TLumWindow;

namespace QtWidgets {
class TComboBox;
}

// The login form before cards are formatted.
class LUMDIALOGS_EXPORT TFormatLoginDlgBase : public QDialog, public Ui::TFormatLoginDlgBase {
    Q_OBJECT
public:
    explicit TFormatLoginDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                                 Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void onChange();
};

// Asks for a user of the card server who may format cards and for what to format: the first card
// number, how many cards, and optionally a client whose data each new card gets a client of its own
// from. The login is checked with the server ("checkuser"); a refused login keeps the dialog open
// with the server's message.
class LUMDIALOGS_EXPORT TFormatLoginDlg : public TFormatLoginDlgBase {
    Q_OBJECT
public:
    TFormatLoginDlg(TLumWindow* window, QWidget* parent);
    ~TFormatLoginDlg() override;

    // Loads the clients of the card server into "netclients" and offers them as templates.
    void init();
    // Proposes the next free card number of the counter store.
    void setCardNumber();
    // true: asks for the login only.
    void onlyLogin(bool only);

    QString getUser() const;
    QString getPassword() const;
    int getCardNumber() const;
    int getCount() const;
    bool cardisclient() const;
    // The chosen template client's id; 0 for none.
    int getTemplateId() const { return m_templateId; }

public Q_SLOTS:
    void accept() override;

protected Q_SLOTS:
    void onChange() override;

private:
    TLumWindow* m_window;
    TCardReaderLink m_reader;
    std::unique_ptr<QtWidgets::TComboBox> m_templates;
    int m_templateId = 0;
};
