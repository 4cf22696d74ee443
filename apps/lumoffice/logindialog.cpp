#include "logindialog.h"

#include "dialoghelp.h"
#include "tlumconfig.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TLoginDlg::TLoginDlg(const TLumConfig& config, int preset, QWidget* parent)
    : QDialog(parent)
    , m_config(config)
    , m_user(new QComboBox(this))
    , m_password(new QLineEdit(this))
    , m_message(new QLabel(this))
{
    setObjectName(QStringLiteral("TLoginDlg"));
    setWindowTitle(tr("Log in to the back office"));
    m_user->setObjectName(QStringLiteral("m_User"));
    m_password->setObjectName(QStringLiteral("m_Password"));
    m_password->setEchoMode(QLineEdit::Password);
    for (const TLumConfig::User& user : config.users()) {
        m_user->addItem(QStringLiteral("%1  %2").arg(user.id).arg(user.name), user.id);
        if (user.id == preset)
            m_user->setCurrentIndex(m_user->count() - 1);
    }
    m_message->setStyleSheet(QStringLiteral("color: #b00000;"));
    auto* form = new QFormLayout;
    form->addRow(tr("&User:"), m_user);
    form->addRow(tr("&Password:"), m_password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(tr("Log in"));
    offerDialogHelp(buttons, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TLoginDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_message);
    layout->addWidget(buttons);
    m_password->setFocus();
}

void TLoginDlg::accept()
{
    const int id = m_user->currentData().toInt();
    if (!m_ok->isEnabled())
        return;
    if (!m_config.checkPassword(id, m_password->text())) {
        // Each wrong try waits a little longer before the next, so guessing is slow.
        m_message->setText(tr("The password is wrong."));
        m_password->selectAll();
        m_password->setFocus();
        m_ok->setEnabled(false);
        QTimer::singleShot(std::min(250 * ++m_failures, 3000), this, [this] { m_ok->setEnabled(true); });
        return;
    }
    m_userId = id;
    QDialog::accept();
}
