#pragma once

#include "tcryption.h"

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

class QIODevice;

// Accepts log messages from a bounded number of connections and writes each "log" record as one
// line of tab-separated fields: date, station, level, program, mod, class, entry (backslash, tab
// and line breaks written as \\, \t, \n, \r). Nothing is ever sent back. Other messages,
// unreadable ones, connections that break off inside a message and entries that cannot be
// written are reported on the error device.
//
// What a peer can make the receiver hold is bounded: a message of more than maxFrameSize bytes
// closes its connection, each connection must complete every message within frameDeadline of its
// start or of the message before, and connections beyond maxConnections wait in the system's queue
// until one ends. So the receiver holds at most maxConnections * maxFrameSize bytes of messages.
class LogReceiver : public QObject {
    Q_OBJECT
public:
    // Cipher text of an entry of about a million characters.
    static constexpr qsizetype maxFrameSize = 2 * 1024 * 1024;
    static constexpr int frameDeadline = 10000;
    static constexpr int maxConnections = 32;
    // Bytes taken from a connection at a time.
    static constexpr qint64 readChunk = 64 * 1024;

    LogReceiver(QIODevice& out, QIODevice& err, QObject* parent = nullptr);

    bool listen(const QHostAddress& address, quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }
    // Entries that could not be written to the output.
    int failedWrites() const { return m_failedWrites; }

private:
    // Creates the sockets of incoming connections with a bounded read buffer, so that a
    // connection waiting to be served cannot hold more than readChunk bytes either.
    class Server : public QTcpServer {
    protected:
        void incomingConnection(qintptr descriptor) override;
    };

    void accept();
    void receive(const QString& text, const QString& peer);
    void report(const QString& text);

    Server m_server;
    Basics::TCryption m_cryption;
    QIODevice& m_out;
    QIODevice& m_err;
    int m_connections = 0;
    int m_failedWrites = 0;
};
