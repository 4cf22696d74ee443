#include "tlog.h"

#include "tdir.h"
#include "terror.h"
#include "tfile.h"
#include "ttcpclient.h"

#include <QFileInfo>
#include <QGlobalStatic>
#include <QStringEncoder>

#include <array>
#include <sys/stat.h>

namespace Basics {

namespace {

Q_GLOBAL_STATIC(TLog, processLog)
// The log exists from the moment the library is loaded and takes its environment then.
[[maybe_unused]] const bool processLogCreated = processLog() != nullptr;

constexpr std::array<const char*, 9> levelNames = {"OFF",      "FATAL", "ERROR", "WARNING", "INFO",
                                                   "DETAILED", "DEBUG", "PROF",  "ALL"};

QString programName()
{
    const QString name = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).completeBaseName();
    return name.isEmpty() ? QStringLiteral("app") : name;
}

int environmentNumber(const char* name, int def)
{
    bool ok = false;
    const int value = qEnvironmentVariable(name).trimmed().toInt(&ok);
    return ok && value >= 0 ? value : def;
}

// The name up to the first "." of its last component, with the directory in front.
QString baseName(const QString& path)
{
    const QFileInfo info(path);
    const QString file = info.fileName();
    const qsizetype dot = file.indexOf(u'.');
    const QString base = dot < 0 ? file : file.left(dot);
    return path.left(path.size() - file.size()) + base;
}

QString datedName(const QString& path, const QDate& date)
{
    const QString file = QFileInfo(path).fileName();
    return path.left(path.size() - file.size()) + date.toString(u"yyyy-MM-dd") + u'.' + file;
}

QString nextOldName(const QString& path, bool multi)
{
    const QString base = baseName(path);
    if (!multi)
        return base + QStringLiteral(".old");
    for (int n = 0;; ++n) {
        const QString name = base + QString::number(n) + QStringLiteral(".old");
        if (!QFileInfo::exists(name))
            return name;
    }
}

QByteArray utf16(const QString& text)
{
    return QStringEncoder(QStringConverter::Utf16LE)(text);
}

} // namespace

TLog::TLog()
    : m_program(programName())
    , m_client(std::make_unique<TTcpClient>())
{
    // A log host that accepts but does not read holds the caller no longer than one that cannot
    // be reached.
    m_client->setSendTimeout(TTcpClient::defaultConnectTimeout);
    m_date = QDate::currentDate();
    const QString level = qEnvironmentVariable("KORVAXK7_LOGLEVEL");
    if (!level.isEmpty())
        m_level = levelFromText(level);
    m_host = qEnvironmentVariable("KORVAXK7_LOGHOST").trimmed();
    if (!m_host.isEmpty()) {
        const int port = environmentNumber("KORVAXK7_LOGPORT", defaultPort);
        m_port = port > 0 && port <= 0xffff ? port : defaultPort;
    }
    m_maxSize = environmentNumber("KORVAXK7_LOGMAX", defaultMaxSize);
}

TLog::~TLog() = default;

TLog& TLog::instance()
{
    return *processLog();
}

int TLog::levelFromText(const QString& text)
{
    const QString upper = text.trimmed().toUpper();
    for (std::size_t level = 0; level < levelNames.size(); ++level)
        if (upper == QLatin1StringView(levelNames[level]))
            return int(level);
    return Off;
}

QString TLog::fileName() const
{
    const QMutexLocker lock(&m_mutex);
    return m_fileName;
}

void TLog::setFileName(const QString& name)
{
    const QMutexLocker lock(&m_mutex);
    closeFile();
    m_fileName = name;
    m_file.setFileName(expandPath(name));
}

qint32 TLog::maxSize() const
{
    const QMutexLocker lock(&m_mutex);
    return m_maxSize;
}

void TLog::setMaxSize(qint32 bytes)
{
    const QMutexLocker lock(&m_mutex);
    m_maxSize = bytes;
}

bool TLog::multi() const
{
    const QMutexLocker lock(&m_mutex);
    return m_multi;
}

void TLog::setMulti(bool on)
{
    const QMutexLocker lock(&m_mutex);
    m_multi = on;
}

int TLog::w() const
{
    const QMutexLocker lock(&m_mutex);
    return m_w;
}

void TLog::setW(int w)
{
    const QMutexLocker lock(&m_mutex);
    m_w = w;
}

QString TLog::host() const
{
    const QMutexLocker lock(&m_mutex);
    return m_host;
}

int TLog::port() const
{
    const QMutexLocker lock(&m_mutex);
    return m_port;
}

void TLog::setHost(const QString& host, int port)
{
    const QMutexLocker lock(&m_mutex);
    m_host = host;
    m_port = port;
    m_remotePaused = QDeadlineTimer();
}

void TLog::setClock(std::function<QDateTime()> clock)
{
    const QMutexLocker lock(&m_mutex);
    m_clock = std::move(clock);
}

void TLog::write(int level, const QString& text, const char* module, const char* className)
{
    const QMutexLocker lock(&m_mutex);
    const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    if (!m_host.isEmpty())
        sendRemote(now, level, text, module, className);
    if (m_fileName.isEmpty())
        return;
    const QString line = now.toString(u"yyyy.MM.dd hh:mm:ss:zzz") + QLatin1StringView(" [") +
                         QLatin1StringView(module) + QLatin1StringView("]:[") + QLatin1StringView(className) +
                         QLatin1StringView("]:[w:") + QString::number(m_w) + u']' + text +
                         QLatin1StringView("\r\n");
    try {
        writeFile(now, utf16(line));
    } catch (const TError& error) {
        closeFile();
        reportFailure(error.description());
    }
}

void TLog::sendRemote(const QDateTime& now, int level, const QString& text, const char* module,
                      const char* className)
{
    if (!m_remotePaused.hasExpired())
        return;
    TTcpMessage message;
    message.fields[2] = QStringLiteral("log");
    message.attributes.set("date", now.toString(Qt::ISODate));
    message.attributes.set("station", QStringLiteral("00-00-00-00-00-00"));
    message.attributes.set("level", level);
    message.attributes.set("program", m_program);
    message.attributes.set("mod", QString::fromLatin1(module));
    message.attributes.set("class", QString::fromLatin1(className));
    message.attributes.set("entry", text);
    if (!m_client->send(m_host, quint16(m_port), message))
        m_remotePaused.setRemainingTime(remotePause);
}

void TLog::writeFile(const QDateTime& now, const QByteArray& line)
{
    if (!lockNamedFile(now.date()))
        throw TFileError(__LINE__, "tlog", 301, 301, m_file.fileName());
    const QString path = m_file.fileName();
    if (m_maxSize == 0 && now.date() != m_date) {
        // A new day: the file of the old one keeps its date in the name.
        TFile::rename(path, datedName(path, m_date));
        closeFile();
        m_date = now.date();
        if (!lockNamedFile(m_date))
            throw TFileError(__LINE__, "tlog", 301, 301, path);
    }
    QByteArray bytes = m_file.size() == 0 ? QByteArrayLiteral("\xff\xfe") + line : line;
    if (m_file.write(bytes) != bytes.size())
        throw TFileError(__LINE__, "tlog", 301, 301, path);
    m_failureReported = false;
    if (m_maxSize != 0 && m_file.size() > m_maxSize) {
        TFile::rename(path, nextOldName(path, m_multi));
        closeFile(); // the next entry starts a new file
        return;
    }
    m_file.unlock();
}

// Opens the named file for appending and locks it. The lock keeps other processes that write the
// same log out of the entry and of a rotation; one of them may have rotated the file away while
// this one waited, and then the name is opened anew. A file opened anew belongs to the day it was
// last written (today when it is new).
bool TLog::lockNamedFile(const QDate& today)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!m_file.isOpen()) {
            const QFileInfo info(m_file.fileName());
            TDir(info.path(), true);
            m_date = info.exists() && info.size() > 0 ? info.lastModified().date() : today;
            if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
                return false;
        }
        if (!m_file.lock(TLockedFile::WriteLock, QDeadlineTimer(TLockedFile::lockTimeout()), false))
            return false;
        if (holdsNamedFile())
            return true;
        closeFile();
    }
    return false;
}

void TLog::closeFile()
{
    // Unlocked first: the file object would otherwise still think it holds the lock.
    m_file.unlock();
    m_file.close();
}

bool TLog::holdsNamedFile() const
{
    struct stat opened = {};
    struct stat named = {};
    return ::fstat(m_file.handle(), &opened) == 0 &&
           ::stat(QFile::encodeName(m_file.fileName()).constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

void TLog::reportFailure(const QString& what)
{
    if (m_failureReported)
        return;
    m_failureReported = true;
    qWarning("TLog: %s", qUtf8Printable(what));
}

} // namespace Basics
