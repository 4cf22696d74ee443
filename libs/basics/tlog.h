#pragma once

#include "basics_global.h"
#include "tlockedfile.h"

#include <QDate>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

namespace Basics {

class TTcpClient;

// The diagnostic log: timestamped lines in a UTF-16 file that is rotated by size or by day, and,
// when a log host is configured, every entry also sent to it as an enciphered "log" message.
//
// The process's log is instance(), created when the library is loaded; it takes its settings from
// the environment then:
//   KORVAXK7_LOGLEVEL  OFF, FATAL, ERROR, WARNING, INFO, DETAILED, DEBUG, PROF or ALL (0 to 8)
//   KORVAXK7_LOGHOST   the log host; empty: no remote log
//   KORVAXK7_LOGPORT   its port (4307), read only when a host is set
//   KORVAXK7_LOGMAX    the size limit in bytes (5,242,880); 0 rotates daily instead
// It has no file until the owner names one. Callers filter by level() themselves; write() writes
// whatever it is given. Every member may be used from any thread; each entry is written whole.
//
// A remote send, connecting and writing, takes at most TTcpClient::defaultConnectTimeout per
// entry, whether the log host cannot be reached or accepts and does not read; after such a failure
// no entry is sent for remotePause milliseconds: the entries of that time go to the file only. The log never throws: a file that cannot be written is reported once on
// the standard error channel and tried again with the next entry.
class BASICS_EXPORT TLog : public QObject {
    Q_OBJECT
public:
    enum Level { Off, Fatal, Error, Warning, Info, Detailed, Debug, Prof, All };
    static constexpr qint32 defaultMaxSize = 0x500000;
    static constexpr int defaultPort = 4307;
    static constexpr int remotePause = 30000;

    // Reads the environment. The process uses instance(); own objects serve tools and tests.
    TLog();
    ~TLog() override;

    static TLog& instance();
    // The level of an environment text, case-insensitive; 0 for any other text.
    static int levelFromText(const QString& text);

    void write(int level, const QString& text, const char* module, const char* className);

    int level() const { return m_level.load(std::memory_order_relaxed); }
    void setLevel(int level) { m_level.store(level, std::memory_order_relaxed); }

    // The log file; "$(" references are expanded and missing directories created. Daily rotation
    // keeps the old days as "yyyy-MM-dd.<name>", size rotation as "<base>.old" or, with multi,
    // "<base>0.old", "<base>1.old" ... where base is the name up to its first ".".
    QString fileName() const;
    void setFileName(const QString& name);
    qint32 maxSize() const;
    void setMaxSize(qint32 bytes);
    bool multi() const;
    void setMulti(bool on);
    // The number shown after "[w:" in every line.
    int w() const;
    void setW(int w);
    QString host() const;
    int port() const;
    void setHost(const QString& host, int port = defaultPort);
    // The source of the current time (the system clock unless set), for replaying and tests.
    void setClock(std::function<QDateTime()> clock);

private:
    void sendRemote(const QDateTime& now, int level, const QString& text, const char* module,
                    const char* className);
    void writeFile(const QDateTime& now, const QByteArray& line);
    bool lockNamedFile(const QDate& today);
    bool holdsNamedFile() const;
    void closeFile();
    void reportFailure(const QString& what);

    qint32 m_w = 0;
    TLockedFile m_file;
    std::atomic<int> m_level{Off};
    qint32 m_maxSize = defaultMaxSize;
    QDate m_date;
    mutable QMutex m_mutex;
    QString m_host;
    int m_port = defaultPort;
    bool m_multi = false;

    QString m_fileName;
    QString m_program;
    std::function<QDateTime()> m_clock;
    std::unique_ptr<TTcpClient> m_client;
    QDeadlineTimer m_remotePaused;
    bool m_failureReported = false;
};

} // namespace Basics
