#pragma once

#include "tnetactiontemplatedlg.h"

#include <QDateTime>

namespace Devices {
class TNetReader;
}

// One action of the card shown in the card editor: the card editor hands over the card's UID and
// dates and its list of actions. Accepting writes every selected action to the card server through
// the card reader; a refused one stops the walk with the reader's error text, and the dialog stays
// open. The workspace list "realnetcardactions" is told of each action the server took.
class LUMDIALOGS_EXPORT TNetActionDlg : public TNetActionTemplateDlg {
    Q_OBJECT
public:
    // newAction: the dialog creates an action for the card (the card editor edits existing ones).
    TNetActionDlg(TLumWindow* window, QWidget* parent, bool newAction);

    // The card's UID and its valid-from, valid-to and last-subvent dates.
    void setHeaderInfo(const QString& uid, QDateTime validFrom, QDateTime validTo, QDateTime lastSubvent);
    void setID(QTreeWidget* view) override;
    void setData(QTreeWidget* view) override;
    void getData(PosLib::TNetCardAction* action) override;
    bool accept(bool close) override;
    using TNetActionTemplateDlg::accept;

    // Sends the action to the server: 0, or the reader's error code. A new action gets the id the
    // server gave it.
    int writeActionToDB(PosLib::TNetCardAction* action);

protected:
    void initControls() override;
    // For "set date", a change of the field proposes the card's own date of that field.
    void onFieldChange() override;
    void showAction(const PosLib::TNetCardAction& action) override;
    void claimReader();

private:
    Devices::TNetReader* m_reader = nullptr;
    QDateTime m_validFrom;
    QDateTime m_validTo;
    QDateTime m_lastSubvent;
};
