// The diagnostic log: settings from the environment, the line, both rotations, writers in several
// threads and a log host that does not answer.

#include "testfiles.h"
#include "tlog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using Basics::TLog;

namespace {

const QDateTime june2(QDate(2020, 6, 2), QTime(10, 11, 12, 345));

class Environment {
public:
    explicit Environment(std::initializer_list<std::pair<const char*, const char*>> values)
    {
        for (const char* name : names)
            qunsetenv(name);
        for (const auto& [name, value] : values)
            qputenv(name, value);
    }
    ~Environment()
    {
        for (const char* name : names)
            qunsetenv(name);
    }

private:
    static constexpr const char* names[] = {"KORVAXK7_LOGLEVEL", "KORVAXK7_LOGHOST", "KORVAXK7_LOGPORT",
                                            "KORVAXK7_LOGMAX"};
};

} // namespace

class TestLog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void levels();
    void environment();
    void lineFormat();
    void sizeRotation();
    void sizeRotationWithNumberedFiles();
    void dailyRotation();
    void threadsWriteWholeLines();
    void unreachableHost();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
};

void TestLog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_file = m_dir->filePath("var/log/office.2020.log");
}

void TestLog::levels()
{
    const QStringList names = {"OFF",      "FATAL", "ERROR", "WARNING", "INFO",
                               "DETAILED", "DEBUG", "PROF",  "ALL"};
    for (int level = 0; level < names.size(); ++level) {
        QCOMPARE(TLog::levelFromText(names[level]), level);
        QCOMPARE(TLog::levelFromText(names[level].toLower()), level);
    }
    QCOMPARE(TLog::levelFromText("verbose"), 0);
    QCOMPARE(TLog::levelFromText("3"), 0);
}

void TestLog::environment()
{
    {
        Environment env({{"KORVAXK7_LOGLEVEL", "warning"}, {"KORVAXK7_LOGPORT", "5000"}});
        TLog log;
        QCOMPARE(log.level(), 3);
        QCOMPARE(log.host(), QString());
        QCOMPARE(log.port(), 4307); // read only with a host
        QCOMPARE(log.maxSize(), 5242880);
        QVERIFY(log.fileName().isEmpty());
    }
    {
        Environment env({{"KORVAXK7_LOGLEVEL", "loud"},
                         {"KORVAXK7_LOGHOST", "loghost"},
                         {"KORVAXK7_LOGPORT", "5000"},
                         {"KORVAXK7_LOGMAX", "0"}});
        TLog log;
        QCOMPARE(log.level(), 0);
        QCOMPARE(log.host(), QStringLiteral("loghost"));
        QCOMPARE(log.port(), 5000);
        QCOMPARE(log.maxSize(), 0);
    }
    {
        Environment env(
            {{"KORVAXK7_LOGHOST", "loghost"}, {"KORVAXK7_LOGPORT", "x"}, {"KORVAXK7_LOGMAX", "-5"}});
        TLog log;
        QCOMPARE(log.port(), 4307);
        QCOMPARE(log.maxSize(), 5242880);
    }
}

void TestLog::lineFormat()
{
    Environment env({});
    TLog log;
    log.setClock([] { return june2; });
    log.write(2, "nowhere", "TTable", ""); // no file yet: nothing happens
    log.setFileName(m_file);
    log.write(2, "x", "TTable", "");
    log.setW(7);
    log.write(6, QStringLiteral("Grüße, 東京"), "Library", "database");
    const QString first = QStringLiteral("2020.06.02 10:11:12:345 [TTable]:[]:[w:0]x\r\n");
    const QString second =
        QStringLiteral("2020.06.02 10:11:12:345 [Library]:[database]:[w:7]Grüße, 東京\r\n");
    QCOMPARE(readFile(m_file), "\xff\xfe" + QStringEncoder(QStringEncoder::Utf16LE)(first + second));
}

void TestLog::sizeRotation()
{
    Environment env({});
    TLog log;
    log.setFileName(m_file);
    log.setMaxSize(1000);
    const QString old = m_dir->filePath("var/log/office.old");
    // 43 characters of frame and 12 of text: 110 bytes a line. The mark and nine lines, 992 bytes,
    // stay below the limit; the tenth line takes the file past it.
    const QString text(12, u'a');
    for (int i = 0; i < 9; ++i)
        log.write(1, text, "Mod", "Cls");
    QCOMPARE(QFileInfo(m_file).size(), 992);
    QVERIFY(!QFile::exists(old));
    log.write(1, text, "Mod", "Cls");
    QVERIFY(!QFile::exists(m_file));
    QCOMPARE(logLines(old).size(), 10);

    log.write(1, "next", "Mod", "Cls");
    QCOMPARE(logLines(m_file).size(), 1);
    for (int i = 0; i < 10; ++i)
        log.write(1, text, "Mod", "Cls");
    // The older ".old" file has been replaced.
    QCOMPARE(logLines(old).size(), 10);
    QVERIFY(logLines(old).first().endsWith("next"));
    QCOMPARE(logLines(m_file).size(), 1);
}

void TestLog::sizeRotationWithNumberedFiles()
{
    Environment env({});
    TLog log;
    log.setFileName(m_file);
    log.setMaxSize(1000); // six lines a file
    log.setMulti(true);
    for (int i = 0; i < 30; ++i)
        log.write(1, QStringLiteral("line %1 ").arg(i) + QString(40, u'x'), "Mod", "Cls");
    const QDir dir(m_dir->filePath("var/log"));
    QCOMPARE(dir.entryList({"*.old"}, QDir::Files, QDir::Name),
             QStringList({"office0.old", "office1.old", "office2.old", "office3.old", "office4.old"}));
    QStringList all;
    for (const QString& name : dir.entryList({"*.old"}, QDir::Files, QDir::Name))
        all += logLines(dir.filePath(name));
    all += logLines(m_file);
    QCOMPARE(all.size(), 30);
    for (int i = 0; i < 30; ++i)
        QVERIFY(all[i].contains(QStringLiteral("line %1 ").arg(i)));
}

void TestLog::dailyRotation()
{
    Environment env({{"KORVAXK7_LOGMAX", "0"}});
    TLog log;
    QDateTime now(QDate(2020, 6, 1), QTime(23, 59, 59, 999));
    log.setClock([&now] { return now; });
    log.setFileName(m_file);
    const QString big(400000, u'b'); // far past the size limit: only the day counts
    for (int i = 0; i < 8; ++i)
        log.write(1, big, "Mod", "Cls");
    const QString june1 = m_dir->filePath("var/log/2020-06-01.office.2020.log");
    QVERIFY(!QFile::exists(june1));

    now = june2;
    log.write(1, "second day", "Mod", "Cls");
    QCOMPARE(logLines(june1).size(), 8);
    QCOMPARE(logLines(m_file), QStringList({"2020.06.02 10:11:12:345 [Mod]:[Cls]:[w:0]second day"}));
    log.write(1, "again", "Mod", "Cls");
    QCOMPARE(logLines(m_file).size(), 2);

    // A file of the old day's name is replaced.
    const QString june2Name = m_dir->filePath("var/log/2020-06-02.office.2020.log");
    QFile stale(june2Name);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("stale");
    stale.close();
    now = now.addDays(1);
    log.write(1, "third day", "Mod", "Cls");
    QCOMPARE(logLines(june2Name).size(), 2);
    QCOMPARE(logLines(m_file).size(), 1);
}

void TestLog::threadsWriteWholeLines()
{
    Environment env({});
    TLog log;
    log.setFileName(m_file);
    log.setMaxSize(64 * 1024);
    log.setMulti(true);
    constexpr int threads = 4;
    constexpr int entries = 500;
    std::vector<std::unique_ptr<QThread>> writers;
    for (int t = 0; t < threads; ++t) {
        writers.emplace_back(QThread::create([&log, t] {
            for (int i = 0; i < entries; ++i)
                log.write(4,
                          QStringLiteral("thread %1 entry %2 ").arg(t).arg(i) + QString(i % 50, u'é') + u'|',
                          "Worker", "Thread");
        }));
        writers.back()->start();
    }
    for (const auto& writer : writers)
        QVERIFY(writer->wait());

    const QDir dir(m_dir->filePath("var/log"));
    QStringList lines;
    for (const QString& name : dir.entryList(QDir::Files))
        lines += logLines(dir.filePath(name));
    QCOMPARE(lines.size(), threads * entries);
    const QRegularExpression whole(QStringLiteral(
        R"(^\d{4}\.\d\d\.\d\d \d\d:\d\d:\d\d:\d{3} \[Worker\]:\[Thread\]:\[w:0\]thread (\d) entry (\d+) (é*)\|$)"));
    QSet<QString> seen;
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = whole.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QCOMPARE(match.captured(3).size(), match.captured(2).toInt() % 50);
        seen.insert(match.captured(1) + u'/' + match.captured(2));
    }
    QCOMPARE(seen.size(), threads * entries);
}

void TestLog::unreachableHost()
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        closedPort = probe.serverPort();
    }
    const QByteArray port = QByteArray::number(closedPort);
    Environment env({{"KORVAXK7_LOGHOST", "127.0.0.1"}, {"KORVAXK7_LOGPORT", port.constData()}});
    TLog log;
    QCOMPARE(log.port(), closedPort);
    log.setFileName(m_file);
    for (int i = 0; i < 20; ++i)
        log.write(2, QStringLiteral("entry %1").arg(i), "Mod", "Cls");
    // Every entry reaches the file all the same.
    QCOMPARE(logLines(m_file).size(), 20);
}

QTEST_GUILESS_MAIN(TestLog)
#include "tst_log.moc"
