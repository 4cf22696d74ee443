#pragma once

#include "lumdialogs_global.h"
#include "tcardreaderlink.h"
#include "ui_TFormatCardDlgBase.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <memory>

class QTreeWidgetItem;
class TLumListView;
class TLumRecordRows;
class TLumWindow;

namespace PosLib {
class TCardProperties;
class TCounter;
class TNetClient;
} // namespace PosLib

// The form that shows the formatting of a stack of cards.
class LUMDIALOGS_EXPORT TFormatCardDlgBase : public QDialog, public Ui::TFormatCardDlgBase {
    Q_OBJECT
public:
    explicit TFormatCardDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                                Qt::WindowFlags fl = {});
};

// Formats one card after the other as they are put on the reader: each gets the next card number
// and the functions and values of the format record, and is registered with the card server and
// stored in the card list. The next free number is kept in the counter store after every card, so
// a number is used up only by a card that was formatted. The dialog closes at the first reader
// event after the last card, or when the operator cancels.
class LUMDIALOGS_EXPORT TFormatCardDlg : public TFormatCardDlgBase {
    Q_OBJECT
public:
    // The card list's records are found by the UID mapping, so the host's list view of it is not
    // needed to find them; it is taken for the callers that have one.
    TFormatCardDlg(TLumWindow* window, TLumRecordRows* listView, QWidget* parent);
    ~TFormatCardDlg() override;

    // The login, how many cards from which number, the card record to format them with (kept by
    // the caller while the dialog runs), the template client's id (0: none) and whether each card's
    // number becomes its client number too.
    void setData(const QString& user, const QString& password, int count, int start,
                 PosLib::TCardProperties* record, int templateId, bool cardIsClient);
    // The cards formatted so far.
    int getCount() const { return m_done; }

    // Connects the reader's reports; false without a reader.
    bool claimReader();
    // The operator's text of an error code: the server's message for a refused login.
    void displayError(int code);
    // Whether formatting this card is to stop because its number is used by other cards and the
    // operator does not confirm twice; result is the answer of "askcardnumber".
    bool shouldCancel(const QStringList& result, const QString& uid);
    // Reads the card on the reader and stores it in the card list.
    void updateCardList(const QString& uid);
    // The first item of the view whose text in that column is the text.
    static QTreeWidgetItem* findListItem(TLumListView* view, int column, const QString& text);

protected:
    void customEvent(QEvent* event) override;
    // A card was put on the reader (its UID) or taken off (empty).
    virtual void gotReaderData(const QString& uid);

protected Q_SLOTS:
    void onReader(const QString& uid);

private:
    void showProgress();

    TLumWindow* m_window;
    TCardReaderLink m_reader;
    std::unique_ptr<PosLib::TCounter> m_counter;
    int m_total = 0;
    int m_done = 0;
    int m_next = 0;
    QString m_lastUid;
    QString m_user;
    QString m_password;
    PosLib::TCardProperties* m_record = nullptr;
    // A copy of the template client, or an empty client when there is none.
    std::unique_ptr<PosLib::TNetClient> m_template;
    bool m_cardIsClient = false;
};
