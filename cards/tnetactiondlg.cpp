#include "tnetactiondlg.h"

#include "tcardactionfields.h"
#include "tcarderrors.h"
#include "tcardreaderlink.h"
#include "tcardserverprotocol.h"
#include "tlistnames.h"
#include "tlumconfig.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tnetcardaction.h"
#include "tprompts.h"
#include "treadererror.h"
#include "tvaluelist.h"

#include <memory>

using PosLib::TCardActionType;
using PosLib::TNetCardAction;

TNetActionDlg::TNetActionDlg(TLumWindow* window, QWidget* parent, bool newAction)
    : TNetActionTemplateDlg(window, QStringLiteral("TNetActionDlg"), parent)
{
    claimReader();
    m_newAction = newAction;
    TLumWorkspace* workspace = window ? window->workspace() : nullptr;
    setList(workspace ? workspace->getData(PosLib::TListNames::of<TNetCardAction>().root) : nullptr);
    initData(true);
    for (QWidget* widget :
         {static_cast<QWidget*>(b_First), static_cast<QWidget*>(b_Prev), static_cast<QWidget*>(b_Next),
          static_cast<QWidget*>(b_Last), static_cast<QWidget*>(m_chkFreeInput)})
        widget->hide();
}

void TNetActionDlg::claimReader()
{
    m_reader = LumDialogs::findCardReader();
}

void TNetActionDlg::initControls()
{
    TNetActionTemplateDlg::initControls();
    m_Number->setEnabled(false); // the server numbers the actions
}

void TNetActionDlg::setHeaderInfo(const QString& uid, QDateTime validFrom, QDateTime validTo,
                                  QDateTime lastSubvent)
{
    m_uid->setText(uid);
    m_validFrom = validFrom;
    m_validTo = validTo;
    m_lastSubvent = lastSubvent;
}

void TNetActionDlg::setID(QTreeWidget* view)
{
    TNetActionTemplateDlg::setID(view);
    m_Number->setEnabled(false); // the server numbers a new action
}

void TNetActionDlg::setData(QTreeWidget* view)
{
    TNetActionTemplateDlg::setData(view);
}

void TNetActionDlg::showAction(const TNetCardAction& action)
{
    TNetActionTemplateDlg::showAction(action);
    m_actvalidfrom->setDateTime(action.getDateFrom());
    m_actvalidto->setDateTime(action.getDateTo());
}

void TNetActionDlg::getData(TNetCardAction* action)
{
    TNetActionTemplateDlg::getData(action);
    action->setDateFrom(m_actvalidfrom->dateTime());
    action->setDateTo(m_actvalidto->dateTime());
}

void TNetActionDlg::onFieldChange()
{
    if (currentType() != TCardActionType::SetDate)
        return;
    const PosLib::TCardActionField* field =
        PosLib::TCardActionField::byNumber(m_field->currentData().toInt());
    if (!field)
        return;
    const QString key = QString::fromLatin1(field->key);
    const QDateTime date = key == u"startdate" ? m_validFrom : key == u"enddate" ? m_validTo : m_lastSubvent;
    if (date.isValid())
        m_datevalue->setDateTime(date);
}

int TNetActionDlg::writeActionToDB(TNetCardAction* action)
{
    if (!m_reader)
        return PosLib::CardError::UnsupportedReader;
    const QString uid = action->getUid();
    action->setUid(QString());
    QStringList answer;
    const int code = LumDialogs::cardCommandOutcome(m_reader, PosLib::CardServer::updateAction,
                                                    {action->toXml()}, {uid}, &answer);
    action->setUid(uid);
    if (code == 0 && action->getID() <= 0 && answer.value(1).toInt() > 0)
        action->setID(answer.value(1).toInt());
    return code;
}

bool TNetActionDlg::accept(bool close)
{
    if (TLumConfig::appliedRight(this) != TLumConfig::Full || !m_list)
        return false;
    const auto refused = [this](int code) {
        prompts().critical(this, tr("Action update error"), Devices::readerErrorText(code));
        return false;
    };
    if (m_newAction) {
        auto action = std::make_unique<TNetCardAction>();
        getData(action.get());
        action->setID(0);
        if (const int code = writeActionToDB(action.get()); code != 0)
            return refused(code);
        m_list->put(action.release());
    } else {
        // Each action changes only once the server took it; those written before a refusal stay.
        for (TNetCardAction* action : selectedActions()) {
            TNetCardAction changed = *action;
            getData(&changed);
            changed.setID(action->getID());
            if (const int code = writeActionToDB(&changed); code != 0)
                return refused(code);
            *action = changed;
            m_list->notifyChanged(action);
        }
    }
    if (close)
        QDialog::accept();
    return true;
}
