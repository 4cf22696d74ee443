#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include <memory>

class TCardCommands;
class TCardStore;
class TReaderSlots;

// lumcardd's network side: answers one call per connection with the framed, enciphered messages
// of the project's transport. What it accepts is bounded: the size of a call, the number of open
// connections, and the time a connection may take to deliver its call. A "waitreader" call is held
// until the card on its reader changes or its wait ends.
class TCardServer : public QObject {
    Q_OBJECT
public:
    struct Limits {
        qsizetype maxCall = 1024 * 1024;
        int maxConnections = 64;
        int callTimeout = 10000;
        // An answer the peer does not take within this time is dropped with the connection.
        int answerTimeout = 30000;
        int maxWait = 10000;
    };

    // Opens the store of the data folder; throws Database::TSQLError when it cannot be used.
    explicit TCardServer(const QString& dataDir, const Limits& limits, QObject* parent = nullptr);
    explicit TCardServer(const QString& dataDir, QObject* parent = nullptr);
    ~TCardServer() override;

    bool listen(const QHostAddress& address, quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }
    int openConnections() const { return m_open; }
    TCardStore& store() { return *m_store; }

    // The file in the data folder that tells the port the server listens on, for the programs
    // that put cards on its readers.
    static QString portFile(const QString& dataDir);
    // The port written there; 0 when none.
    static quint16 readPortFile(const QString& dataDir);

private:
    class Connection;
    void accept();

    QString m_dataDir;
    Limits m_limits;
    std::unique_ptr<TCardStore> m_store;
    std::unique_ptr<TReaderSlots> m_readers;
    std::unique_ptr<TCardCommands> m_commands;
    QTcpServer m_server;
    int m_open = 0;
};
