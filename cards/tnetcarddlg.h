#pragma once

#include "lumdialogs_global.h"
#include "tcardreaderlink.h"
#include "tlumdlg.h"
#include "tlumworkspace.h"
#include "tpseudoproperty.h"
#include "trecordeditor.h"
#include "ui_TNetCardDlgBase.h"

#include <QDialog>
#include <QString>

#include <memory>

class QProgressBar;
class QTreeWidgetItem;
class TFormatLoginDlg;
class TLumWindow;

namespace Basics {
class TValue;
class TValueList;
} // namespace Basics
namespace PosLib {
class TCardProperties;
}
namespace QtWidgets {
class TComboBox;
}

// The card editor's form. Its slots have no code of their own: each says so until the editor gives
// it some.
class LUMDIALOGS_EXPORT TNetCardDlgBase : public QDialog, public Ui::TNetCardDlgBase {
    Q_OBJECT
public:
    explicit TNetCardDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                             Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void onWritecard();
    virtual void onHelp();
    virtual void onFirst();
    virtual void onPrev();
    virtual void onNext();
    virtual void onLast();
    virtual void onFormatCard();
    virtual void onChange();
    virtual void onToggleCredit(bool on);
    virtual void onToggleTable(bool on);
    virtual void onToggleWaiter(bool on);
    virtual void onTogglePoints(bool on);
    virtual void onTabChanged(QWidget* page);
    virtual void onPrintAction();
    virtual void onrefreshaction();
    virtual void onExportAction();
    virtual void onDeleteCardAction();
    virtual void onExportCardActions();
    virtual void onPrintCardActions();
    virtual void onActionSelect();
    virtual void onToggleBooked(bool on);
    virtual void onChangeAction(QTreeWidgetItem* item);
    virtual void onClientSelect();

private:
    void notImplemented(const char* slot) const;
};

// The editor of customer cards ("Manage card properties"). It works on the card on the reader:
// whenever a card is put on, it is stored in the card list "pseudoproperties" and shown. The
// operator changes its values and writes them to the card ("Write card"), formats new cards,
// chooses the card's client, and sees the card's pending actions and its action log as the card
// server lists them. Nothing is written to the list on closing: the card is the record.
class LUMDIALOGS_EXPORT TNetCardDlg : public TNetCardDlgBase,
                                      public LumDialogs::TRecordEditor,
                                      protected TLumDlg {
    Q_OBJECT
public:
    using RecordType = PosLib::TPseudoProperty;

    TNetCardDlg(TLumWindow* window, QWidget* parent);
    ~TNetCardDlg() override;

    // Shows the first card selected in the view.
    void setData(TLumRecordRows* view) override;
    // Prepares formatting a new card: the card number is proposed from the card list.
    void setID(TLumRecordRows* view) override;
    int getID() const override;
    // The last card reader report.
    void setLastKey(const QString& uid) { m_lastKey = uid; }
    const QString& lastKey() const { return m_lastKey; }

    // What the host asks of an editor.
    QDialog* dialog() override { return this; }
    QString listName() const override;
    LumDialogs::TEditContext editContext() const override;
    bool hasChanges() const override { return false; }
    bool save() override { return false; }
    void writeShownFromFirst(Basics::TValue&) const override {}

public Q_SLOTS:
    void accept() override;

protected:
    void customEvent(QEvent* event) override;
    // A card was put on the reader (its UID) or taken off (empty).
    virtual void gotReaderData(const QString& uid);
    // Copies the inputs into the card record; inputs in the no-change state leave it as it is.
    virtual void getData(PosLib::TCardProperties* card);
    // Fills a card record from every input, for formatting.
    void getFormatData(PosLib::TCardProperties* card);
    void getPoints(PosLib::TCardProperties* card);

protected Q_SLOTS:
    void onReader(const QString& uid);
    void onWritecard() override;
    void onHelp() override;
    void onFirst() override;
    void onPrev() override;
    void onNext() override;
    void onLast() override;
    void onFormatCard() override;
    void onChange() override;
    void onToggleCredit(bool on) override;
    void onToggleTable(bool on) override;
    void onToggleWaiter(bool on) override;
    void onTogglePoints(bool on) override;
    void CheckWaiterId(int index);
    void onClientSelect() override;
    // The two server lists (the card's actions and its action log).
    void onTabChanged(QWidget* page) override;
    void onrefreshaction() override;
    void onToggleBooked(bool on) override;
    void onActionSelect() override;
    void onDeleteCardAction() override;
    void onExportAction() override;
    void onExportCardActions() override;
    void onPrintAction() override;
    void onPrintCardActions() override;
    void onChangeAction(QTreeWidgetItem* item) override;
    void onInsertAction(Basics::TValue* value);
    void onUpdateAction(Basics::TValue* value);
    void onRemoveAction(Basics::TValue* value);

private:
    // Shows a card of the card list; null shows an empty card.
    void showCard(const PosLib::TPseudoProperty* record);
    // The card list's record of a card UID; null when the list has none.
    PosLib::TPseudoProperty* listRecord(const QString& uid) const;
    void showReaderStatus();
    void enableFormat();
    // Applies the user's right once more: the rules above may have enabled inputs of a read-only
    // dialog.
    void keepRight();
    void navigate(bool (TLumDlg::*move)(TLumRecordRows*));
    void fillChooser(QtWidgets::TComboBox& chooser, const QString& list, bool markInvalidWaiters);

    // The server lists.
    void updateActionList();
    void loadActionLogs();
    void loadActions();
    void createHeader(QTreeWidget* view);
    void createActionHeader(QTreeWidget* view);
    void startProgressBar(int total, QProgressBar* bar, QTreeWidget* view);
    void setProgress(int step, QProgressBar* bar, QTreeWidget* view);
    void endProgressBar(QProgressBar* bar, QTreeWidget* view);
    // Hands the rows of a list to the host's document of that name (one item per record).
    void fillDocument(const QString& name, QTreeWidget* rows);
    void exportRows(const QString& document, QTreeWidget* rows, const QString& rootElement);
    QTreeWidgetItem* actionRow(int id) const;
    bool selectedActionBooked() const;

    TLumWindow* m_window;
    TLumRecordRows* m_listView = nullptr;
    TCardReaderLink m_reader;
    QString m_lastKey;
    std::unique_ptr<TFormatLoginDlg> m_login;
    bool m_databaseCard = false;
    std::unique_ptr<QtWidgets::TComboBox> m_subventMaps;
    std::unique_ptr<QtWidgets::TComboBox> m_priceLevels;
    std::unique_ptr<QtWidgets::TComboBox> m_waiters;
    // "realnetcardactions" of the workspace, or the editor's own list without a workspace.
    Basics::TValueList* m_actions = nullptr;
    std::unique_ptr<Basics::TValueList> m_ownActions;
    // The rows hold records of the workspace: no list may be read anew under them.
    std::unique_ptr<TLumWorkspace::ReloadHold> m_reloadHold;
    LumDialogs::TEditContext m_context = LumDialogs::TEditContext::NewRecord;
};
