#pragma once

// A card server for tests: a real lumcardd on a temporary data folder, its client commands, and
// card reader devices at it. Tests that include this define LUMCARDD_PATH.

#include "tcardserverprotocol.h"
#include "tnetreader.h"

#include <QProcess>
#include <QString>
#include <QStringList>

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
        m_process.start(lumcardd, QStringList{"serve", "--data", m_dataDir, "--port", "0"} + extra);
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

inline int errorCode(Devices::TNetReader& reader)
{
    QStringList result;
    reader.command(PosLib::CardServer::getErrorCode, result);
    return result.value(0, QStringLiteral("-1")).toInt();
}

} // namespace LumCardHost
