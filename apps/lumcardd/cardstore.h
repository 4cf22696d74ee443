#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

// The card server's storage: an SQLite database below the server's data folder
// ("var/lumcardd/cards.sqlite") with the cards, the clients, the cards' actions and action logs,
// and the server's users. Every failure of the database throws Database::TSQLError; a change of
// several rows goes through a Transaction, so it is stored completely or not at all.
class TCardStore {
public:
    struct Card {
        QString uid;
        // The card text (root element "carddata"); empty for a blank card.
        QString text;
        qint64 counter = 0;
        // The card number of the text, kept apart for the search by number.
        qint64 number = 0;
    };
    struct Action {
        int id = 0;
        QString uid;
        QString text;
        bool booked = false;
    };

    static QString databasePath(const QString& dataDir);

    // Opens (and creates) the database of the data folder.
    explicit TCardStore(const QString& dataDir);
    ~TCardStore();
    TCardStore(const TCardStore&) = delete;
    TCardStore& operator=(const TCardStore&) = delete;

    std::optional<Card> card(const QString& uid);
    // Every card, blank ones included, by UID.
    QList<Card> cards();
    void putCard(const Card& card);
    // The UIDs of the cards that carry this card number.
    QStringList uidsWithNumber(qint64 number);

    // The client texts by ascending id.
    QStringList clientTexts();
    std::optional<QString> client(int id);
    int nextClientId();
    void putClient(int id, const QString& text);

    std::optional<Action> action(int id);
    QList<Action> actions(const QString& uid, bool includeBooked);
    int nextActionId();
    void putAction(const Action& action);
    bool removeAction(int id);

    // Adds a log entry of the card; returns its id.
    int addLog(const QString& uid, int id, const QString& text);
    int nextLogId();
    // The newest entries of the card first, at most max (0: all), only the unread ones unless
    // includeRead, and with before above 0 only those older than the entry of that id; the entries
    // returned count as read from then on.
    QStringList readLogs(const QString& uid, int max, bool includeRead, int before = 0);
    // How many entries readLogs would give without a bound.
    int countLogs(const QString& uid, bool includeRead);

    // The password hash of a user; empty when there is no such user.
    QString userHash(const QString& name);
    void putUser(const QString& name, const QString& hash);
    int userCount();

    class Transaction {
    public:
        explicit Transaction(TCardStore& store);
        ~Transaction();
        void commit();

    private:
        TCardStore& m_store;
        bool m_done = false;
    };

private:
    void createTables();
    void close();
    [[noreturn]] void fail(const QString& what, const QString& why) const;

    QString m_connection;
    QSqlDatabase m_db;
};
