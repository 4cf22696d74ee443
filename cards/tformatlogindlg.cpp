#include "tformatlogindlg.h"

#include "tcardserverprotocol.h"
#include "tcombobox.h"
#include "tcounter.h"
#include "terror.h"
#include "tformatcounter.h"
#include "tlistnames.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tnetclient.h"
#include "tnetclientcopy.h"
#include "tprompts.h"
#include "treadererror.h"
#include "tvaluelist.h"

TFormatLoginDlgBase::TFormatLoginDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setupUi(this);
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("TFormatLoginDlgBase"));
    setModal(modal);
    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_user, &QLineEdit::textChanged, this, &TFormatLoginDlgBase::onChange);
    connect(m_password, &QLineEdit::textChanged, this, &TFormatLoginDlgBase::onChange);
}

void TFormatLoginDlgBase::onChange()
{
    qWarning("TFormatLoginDlgBase::onChange(): Not implemented yet");
}

TFormatLoginDlg::TFormatLoginDlg(TLumWindow* window, QWidget* parent)
    : TFormatLoginDlgBase(parent, "TFormatLoginDlg", true)
    , m_window(window)
    , m_templates(std::make_unique<QtWidgets::TComboBox>(m_template, 5))
{
    onChange();
}

TFormatLoginDlg::~TFormatLoginDlg() = default;

void TFormatLoginDlg::onChange()
{
    buttonOk->setEnabled(!m_user->text().isEmpty() && !m_password->text().isEmpty());
}

void TFormatLoginDlg::init()
{
    m_templates->clear();
    if (!m_window || !m_reader)
        return;
    TNetClientCopy::reload(m_window, m_reader);
    Basics::TValueList* clients =
        m_window->workspace()->getData(PosLib::TListNames::of<PosLib::TNetClient>().root);
    if (!clients)
        return;
    for (const Basics::TValue* value : *clients) {
        const auto* client = dynamic_cast<const PosLib::TNetClient*>(value);
        if (client)
            m_templates->insertItem(client->getID(), client->getName() + u' ' + client->getPrename());
    }
    // A template is optional: none is chosen until the operator chooses one.
    m_template->setCurrentIndex(-1);
}

void TFormatLoginDlg::setCardNumber()
{
    if (!m_window)
        return;
    try {
        PosLib::TCounter counter(m_window->workspace()->GetDataPath(), TFormatCounter::fileName);
        m_start->setValue(counter.getCounter(TFormatCounter::key));
    } catch (const Basics::TError& error) {
        prompts().critical(this, tr("Card number"),
                           tr("The next card number cannot be read:\n%1").arg(error.description()));
    }
}

void TFormatLoginDlg::onlyLogin(bool only)
{
    for (QWidget* widget : std::initializer_list<QWidget*>{textLabelStart, m_start, textLabelCount, m_count,
                                                           textLabelTemplate, m_template, chk_cardclient})
        widget->setVisible(!only);
    if (!only)
        init();
}

QString TFormatLoginDlg::getUser() const
{
    return m_user->text();
}

QString TFormatLoginDlg::getPassword() const
{
    return m_password->text();
}

int TFormatLoginDlg::getCardNumber() const
{
    return m_start->value();
}

int TFormatLoginDlg::getCount() const
{
    return m_count->value();
}

bool TFormatLoginDlg::cardisclient() const
{
    return chk_cardclient->isChecked();
}

void TFormatLoginDlg::accept()
{
    if (!m_reader)
        return;
    const QStringList result = m_reader.command(PosLib::CardServer::checkUser, {getUser(), getPassword()});
    bool ok = false;
    if (result.value(0).toInt(&ok) == 0 && ok) {
        const int id = m_templates->currentId();
        m_templateId = id > 0 ? id : 0;
        QDialog::accept();
        return;
    }
    // The server's reason; when it could not be asked, why not.
    const QString reason = result.value(1).isEmpty() ? m_reader.errorText() : result.value(1);
    prompts().critical(this, tr("Login failed"), reason);
}
