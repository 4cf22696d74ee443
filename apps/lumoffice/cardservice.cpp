#include "cardservice.h"

#include "cardserverthread.h"
#include "tcardserverprotocol.h"
#include "terror.h"
#include "tinifile.h"
#include "tlog.h"
#include "tlumconfig.h"
#include "tlumworkspace.h"
#include "tnetreader.h"

#include <QDir>

TCardService::Config TCardService::readConfig(const QString& dataRoot)
{
    Config config;
    Basics::TInifile ini;
    try {
        ini.read(QDir(dataRoot).filePath(TLumConfig::defaultFileName));
    } catch (const Basics::TError& error) {
        Basics::TLog::instance().write(Basics::TLog::Warning, error.description(), "lumoffice",
                                       "TCardService");
    }
    const QString section = QStringLiteral("CardServer");
    config.host = ini.readString(section, QStringLiteral("Host")).trimmed();
    const uint port = ini.readString(section, QStringLiteral("Port")).toUInt();
    config.port = port > 0 && port <= 0xffff ? quint16(port) : PosLib::CardServer::defaultPort;
    config.reader =
        ini.readString(section, QStringLiteral("Reader"), PosLib::CardServer::defaultReader).trimmed();
    return config;
}

TCardService::TCardService(const QString& dataRoot, QObject* parent)
    : QObject(parent)
{
    const Config config = readConfig(dataRoot);
    Devices::TNetReader::Settings settings;
    settings.reader = config.reader;
    if (config.host.isEmpty()) {
        // The port of the configuration when it is free, else any (a second program on the same
        // machine); the server's port file in the data root tells the scripts which.
        m_server = std::make_unique<TCardServerThread>();
        const QHostAddress loopback(QHostAddress::LocalHost);
        if (!m_server->start(dataRoot, loopback, config.port) && !m_server->start(dataRoot, loopback, 0)) {
            m_error = m_server->errorString();
            Basics::TLog::instance().write(Basics::TLog::Error,
                                           QStringLiteral("card server not started: %1").arg(m_error),
                                           "lumoffice", "TCardService");
        }
        settings.host = loopback.toString();
        settings.port = m_server->port();
    } else {
        settings.host = config.host;
        settings.port = config.port;
    }
    m_reader = std::make_unique<Devices::TNetReader>(settings);
    TLumWorkspace::ReaderDeviceList.append(m_reader.get());
}

TCardService::~TCardService()
{
    TLumWorkspace::ReaderDeviceList.removeAll(m_reader.get());
    m_reader.reset();
    m_server.reset();
}

bool TCardService::runsServer() const
{
    return m_server && m_server->isRunning();
}

QString TCardService::serverText() const
{
    const auto& settings = m_reader->settings();
    const QString address = QStringLiteral("%1:%2").arg(settings.host).arg(settings.port);
    if (!m_server)
        return address;
    return runsServer() ? tr("%1 (in this program)").arg(address) : tr("not running: %1").arg(m_error);
}
