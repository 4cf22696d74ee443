#pragma once

#include <QObject>
#include <QString>

#include <memory>

class TCardServerThread;

namespace Devices {
class TNetReader;
}

// The back office's card reader and the card server behind it. The data root's lumconfig.ini
// names the shop's card server:
//
//   [CardServer]
//   Host = 192.168.1.10   ; the shop's lumcardd; without a host the server runs in this program
//   Port = 4308           ; its port (in this program: the port tried first)
//   Reader = office       ; this terminal's reader at the server
//
// Without a host the same server runs in a thread of this program on the data root, listening on
// the loopback address. The reader is listed in the workspace's reader device list while the
// service lives.
class TCardService : public QObject {
    Q_OBJECT
public:
    struct Config {
        QString host;
        quint16 port = 0;
        QString reader;
    };
    static Config readConfig(const QString& dataRoot);

    explicit TCardService(const QString& dataRoot, QObject* parent = nullptr);
    ~TCardService() override;

    Devices::TNetReader* reader() const { return m_reader.get(); }
    // The server runs in this program.
    bool runsServer() const;
    // Where the server is, for the operator: "127.0.0.1:4308 (in this program)" ...
    QString serverText() const;
    // Why the server of this program could not be started; empty when it runs or is elsewhere.
    const QString& error() const { return m_error; }

private:
    std::unique_ptr<TCardServerThread> m_server;
    std::unique_ptr<Devices::TNetReader> m_reader;
    QString m_error;
};
