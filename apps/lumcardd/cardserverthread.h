#pragma once

#include <QHostAddress>
#include <QString>
#include <QThread>

class QObject;
class TCardServer;

// A card server in a thread of its own, for a program that is at the same time a client of it (the
// back office without a card server of its shop): the program's blocking calls must not wait for
// its own event loop.
class TCardServerThread {
public:
    TCardServerThread();
    ~TCardServerThread();
    TCardServerThread(const TCardServerThread&) = delete;
    TCardServerThread& operator=(const TCardServerThread&) = delete;

    // Starts the server on the data folder, listening on the address and port (0: any free port),
    // and waits until it listens. False, with the reason, when the store cannot be opened or the
    // port not taken.
    bool start(const QString& dataDir, const QHostAddress& address, quint16 port);
    // Stops the server; open connections are dropped.
    void stop();

    bool isRunning() const { return m_server != nullptr; }
    quint16 port() const { return m_port; }
    const QString& errorString() const { return m_error; }

private:
    QThread m_thread;
    QObject* m_anchor;
    TCardServer* m_server = nullptr;
    quint16 m_port = 0;
    QString m_error;
};
