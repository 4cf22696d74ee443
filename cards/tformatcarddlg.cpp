#include "tformatcarddlg.h"

#include "tcardlist.h"
#include "tcardproperties.h"
#include "tcardserverprotocol.h"
#include "tcounter.h"
#include "terror.h"
#include "tformatcounter.h"
#include "tlistnames.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tnetclient.h"
#include "tnetreader.h"
#include "tprompts.h"
#include "treadererror.h"
#include "tvaluelist.h"

TFormatCardDlgBase::TFormatCardDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setupUi(this);
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("TFormatCardDlgBase"));
    setModal(modal);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFormatCardDlg::TFormatCardDlg(TLumWindow* window, TLumRecordRows*, QWidget* parent)
    : TFormatCardDlgBase(parent, "TFormatCardDlg", true)
    , m_window(window)
{
    if (claimReader()) {
        // The card that lay on the reader is not one of the stack.
        m_reader.command(PosLib::CardServer::ejectCard);
        m_displayerror->clear();
        m_status->setText(tr("Please insert card"));
    } else {
        m_status->setText(tr("No reader for formatting found"));
    }
    if (m_window)
        m_counter = std::make_unique<PosLib::TCounter>(m_window->workspace()->GetDataPath(),
                                                       TFormatCounter::fileName);
}

TFormatCardDlg::~TFormatCardDlg() = default;

bool TFormatCardDlg::claimReader()
{
    return m_reader.claim(this, [this](const QString& uid) { onReader(uid); });
}

void TFormatCardDlg::setData(const QString& user, const QString& password, int count, int start,
                             PosLib::TCardProperties* record, int templateId, bool cardIsClient)
{
    m_user = user;
    m_password = password;
    m_total = count;
    m_next = start;
    m_record = record;
    m_cardIsClient = cardIsClient;
    m_template = std::make_unique<PosLib::TNetClient>();
    Basics::TValueList* clients =
        m_window ? m_window->workspace()->getData(PosLib::TListNames::of<PosLib::TNetClient>().root)
                 : nullptr;
    if (const auto* chosen = clients && templateId > 0
                                 ? dynamic_cast<const PosLib::TNetClient*>(clients->find(templateId))
                                 : nullptr)
        *m_template = *chosen;
    else
        m_template->setBirthday(QDateTime(QDate(1800, 1, 1), QTime(0, 0)));
    m_progress->setRange(0, std::max(m_total, 1));
    showProgress();
}

void TFormatCardDlg::showProgress()
{
    m_card->setText(QString::number(m_next));
    m_cardsdisplay->setText(tr("Card %1 of %2").arg(m_done < m_total ? m_done + 1 : m_done).arg(m_total));
    m_progress->setValue(m_done);
}

void TFormatCardDlg::onReader(const QString& uid)
{
    m_reader.post(uid);
}

void TFormatCardDlg::customEvent(QEvent* event)
{
    m_reader.handle(event, [this](const QString& uid) { gotReaderData(uid); });
}

void TFormatCardDlg::gotReaderData(const QString& uid)
{
    if (m_done >= m_total || !m_record) {
        reject();
        return;
    }
    if (uid.isEmpty()) {
        m_status->setText(tr("Please insert card"));
        m_lastUid.clear();
        return;
    }
    if (uid == m_lastUid) {
        m_status->setText(tr("Please remove card"));
        return;
    }
    Devices::TNetReader* reader = m_reader.reader();
    if (!reader)
        return;
    m_record->setUid(uid);
    m_record->setCardNumber((unsigned long)m_next);
    // The dialog drives the reader now; what happens meanwhile is reported when it is given back.
    const bool wasActive = reader->isActive();
    if (wasActive)
        reader->deactivate();
    m_status->setText(tr("Formatting card %1").arg(m_next));
    const QStringList result = m_reader.command(PosLib::CardServer::askCardNumber,
                                                {m_user, m_password, uid, QString::number(m_next)});
    const int code = reader->request().getInt("lasterrorcode", -1);
    bool cancelled = false;
    if (code != 0) {
        displayError(code);
    } else if (!(cancelled = shouldCancel(result, uid))) {
        if (m_cardIsClient)
            m_record->setClientNumber(m_record->getCardNumber());
        reader->request().set("netclient", m_template->toXml());
        const int formatted = reader->format(m_record->toXml(), m_user, m_password);
        if (formatted != 0) {
            displayError(formatted);
        } else {
            updateCardList(uid);
            m_displayerror->clear();
            ++m_done;
            ++m_next;
            try {
                if (m_counter)
                    m_counter->setCounter(TFormatCounter::key, m_next);
            } catch (const Basics::TError& error) {
                m_displayerror->setText(
                    tr("The next card number cannot be stored:\n%1").arg(error.description()));
            }
            showProgress();
        }
    }
    m_status->setText(tr("Please remove card"));
    m_lastUid = uid;
    if (wasActive)
        reader->reactivate();
    if (cancelled)
        reject();
}

void TFormatCardDlg::displayError(int code)
{
    const QString message =
        m_reader.reader() ? m_reader.reader()->request().getString("lasterrormsg") : QString();
    m_displayerror->setText(code == -98 && !message.isEmpty() ? message : Devices::readerErrorText(code));
}

bool TFormatCardDlg::shouldCancel(const QStringList& result, const QString& uid)
{
    const QStringList users = result.value(0).split(u',', Qt::SkipEmptyParts);
    if (users.isEmpty() || users.contains(uid))
        return false;
    const QStringList buttons = {tr("yes"), tr("no")};
    if (prompts().choose(
            this, QMessageBox::Warning, tr("Card number copy found"),
            tr("Card number %1 is used by other card(s).\nWARNING!\nYou will get multiple cards with "
               "the same card number, if you choose to continue!\nAre you sure you want to do this?")
                .arg(m_next),
            buttons, 1, 1) != 0)
        return true;
    return prompts().choose(this, QMessageBox::Warning, tr("Confirmation required"),
                            tr("Are you really sure you want to do this?"), buttons, 1, 1) != 0;
}

void TFormatCardDlg::updateCardList(const QString& uid)
{
    TCardList::store(m_window ? m_window->workspace() : nullptr, uid, m_reader.cardData());
}

QTreeWidgetItem* TFormatCardDlg::findListItem(TLumListView* view, int column, const QString& text)
{
    return TCardList::findListItem(view, column, text);
}
