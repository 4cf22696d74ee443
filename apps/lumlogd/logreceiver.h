#pragma once

#include "tcryption.h"

#include <QObject>
#include <QTcpServer>

class QIODevice;

// Accepts log messages from any number of connections and writes each "log" record as one line of
// tab-separated fields: date, station, level, program, mod, class, entry (backslash, tab and line
// breaks written as \\, \t, \n, \r). Nothing is ever sent back. Other messages and unreadable
// ones are reported on the error device.
class LogReceiver : public QObject {
    Q_OBJECT
public:
    // A connection that sends nothing for this long is closed.
    static constexpr int idleTimeout = 60000;

    LogReceiver(QIODevice& out, QIODevice& err, QObject* parent = nullptr);

    bool listen(quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

private:
    void accept();
    void receive(const QString& text, const QString& peer);
    void report(const QString& text);

    QTcpServer m_server;
    Basics::TCryption m_cryption;
    QIODevice& m_out;
    QIODevice& m_err;
};
