#pragma once

// A card server for tests: a real lumcardd on a temporary data folder, its client commands, and
// card reader devices at it. Tests that include this define LUMCARDD_PATH.

#include "tcardserverprotocol.h"
#include "tlumworkspace.h"
#include "tnetreader.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>
#include <memory>

namespace LumCardHost {

inline const QString lumcardd = QStringLiteral(LUMCARDD_PATH);

// A lumcardd on a data folder, listening on a free port.
class Server {
public:
    explicit Server(const QString& dataDir)
        : m_dataDir(dataDir)
    {
    }
    ~Server() { stop(SIGKILL); }

    bool start(const QStringList& extra = {"--demo"}, const QProcessEnvironment& env = {})
    {
        if (!env.isEmpty())
            m_process.setProcessEnvironment(env);
        // The line waited for is the English one, whatever the machine's language.
        m_process.start(lumcardd,
                        QStringList{"serve", "--lang", "en", "--data", m_dataDir, "--port", "0"} + extra);
        m_process.setReadChannel(QProcess::StandardError);
        const QString prefix = QStringLiteral("lumcardd: listening on 127.0.0.1 port ");
        while (m_process.canReadLine() || m_process.waitForReadyRead(30000)) {
            const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
            if (line.startsWith(prefix)) {
                port = quint16(line.mid(prefix.size()).toUInt());
                return true;
            }
        }
        return false;
    }

    bool stop(int signal = SIGTERM)
    {
        if (m_process.state() == QProcess::NotRunning)
            return true;
        ::kill(pid_t(m_process.processId()), signal);
        return m_process.waitForFinished(30000);
    }

    qint64 processId() const { return m_process.processId(); }
    void pause() { ::kill(pid_t(m_process.processId()), SIGSTOP); }
    void resume() { ::kill(pid_t(m_process.processId()), SIGCONT); }

    quint16 port = 0;

private:
    QString m_dataDir;
    QProcess m_process;
};

// Runs a lumcardd client command; its standard output, or a null string when it failed.
inline QString run(const QStringList& arguments, const QByteArray& input = QByteArray())
{
    QProcess process;
    process.start(lumcardd, arguments);
    if (!input.isNull()) {
        process.write(input);
        process.closeWriteChannel();
    }
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QString();
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    return output.isNull() ? QStringLiteral("") : output;
}

inline std::unique_ptr<Devices::TNetReader> device(quint16 port, const QString& reader,
                                                   int replyTimeout = 5000)
{
    Devices::TNetReader::Settings settings;
    settings.port = port;
    settings.reader = reader;
    settings.replyTimeout = replyTimeout;
    settings.retryInterval = 50;
    return std::make_unique<Devices::TNetReader>(settings);
}

// A server that answers every call with the same bytes, in a thread of its own (the device blocks
// the test's thread while it waits).
class GarbageServer {
public:
    explicit GarbageServer(const QByteArray& answer)
    {
        m_server.moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(
            &m_server,
            [this, answer] {
                m_server.listen(QHostAddress::LocalHost);
                port = m_server.serverPort();
                QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this, answer] {
                    QTcpSocket* socket = m_server.nextPendingConnection();
                    QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, answer] {
                        if (!socket->readAll().contains('\x06'))
                            return;
                        socket->write(answer);
                        socket->disconnectFromHost();
                    });
                });
            },
            Qt::BlockingQueuedConnection);
    }
    ~GarbageServer()
    {
        QMetaObject::invokeMethod(
            &m_server, [this] { m_server.close(); }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    quint16 port = 0;

private:
    QThread m_thread;
    QTcpServer m_server;
};

// A reader listed in the workspace's reader device list while it lives, as the back office lists
// its reader for the card dialogs.
class ListedReader {
public:
    explicit ListedReader(std::unique_ptr<Devices::TNetReader> reader)
        : m_reader(std::move(reader))
    {
        TLumWorkspace::ReaderDeviceList.append(m_reader.get());
    }
    ~ListedReader() { TLumWorkspace::ReaderDeviceList.removeAll(m_reader.get()); }
    ListedReader(const ListedReader&) = delete;
    ListedReader& operator=(const ListedReader&) = delete;

    Devices::TNetReader* get() const { return m_reader.get(); }
    Devices::TNetReader* operator->() const { return m_reader.get(); }

private:
    std::unique_ptr<Devices::TNetReader> m_reader;
};

inline int errorCode(Devices::TNetReader& reader)
{
    QStringList result;
    reader.command(PosLib::CardServer::getErrorCode, result);
    return result.value(0, QStringLiteral("-1")).toInt();
}

} // namespace LumCardHost
