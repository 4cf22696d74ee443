#pragma once

#include <QDockWidget>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class TCardService;
class TLumWorkspace;

// The card reader at the back office, as a panel of the main window: the operator chooses a card
// the server knows, or a new blank card, and puts it on the reader or takes it off, as a hand does
// at a real reader. The reader reports it to the dialogs like any reader; the panel shows what lies
// on it. It owns the card service (reader device and, without a shop's server, the card server).
class TReaderPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit TReaderPanel(TLumWorkspace* workspace, QWidget* parent = nullptr);
    ~TReaderPanel() override;

    TCardService* service() const { return m_service; }
    // The UID of the card on the reader as last reported; empty when there is none.
    const QString& cardOnReader() const { return m_uidOnReader; }

Q_SIGNALS:
    // The operator wants to edit the card on the reader (its UID; empty: none lies there).
    void editCard(const QString& uid);

public Q_SLOTS:
    // Reads the server's cards into the chooser again.
    void refresh();
    void putCard();
    void takeCard();

private:
    // One call to the server as the hand at the reader, which is no operation of the terminal;
    // false (and the reason shown) when it fails.
    bool send(const QString& command, const QStringList& arguments, QStringList* results = nullptr);
    void showCardOnReader(const QString& uid);

    TCardService* m_service;
    QLabel* m_server;
    QComboBox* m_cards;
    QPushButton* m_put;
    QPushButton* m_take;
    QPushButton* m_edit;
    QString m_uidOnReader;
    QLabel* m_onReader;
    QLabel* m_problem;
};
