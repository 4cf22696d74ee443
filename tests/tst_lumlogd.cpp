// The remote log from end to end: programs write their log, lumlogd receives and writes the
// entries; it survives what else arrives on its port and ends cleanly on a signal.

#include "tcryption.h"
#include "ttcpclient.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

const QString lumlogd = QStringLiteral(LUMLOGD_PATH);
const QString logwriter = QStringLiteral(LOGWRITER_PATH);

// Runs logwriter against the given log host and returns its exit code.
int writeEntries(quint16 port, int count, const QString& text, const QString& logFile = QString())
{
    QProcess writer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KORVAXK7_LOGHOST", "127.0.0.1");
    env.insert("KORVAXK7_LOGPORT", QString::number(port));
    writer.setProcessEnvironment(env);
    QStringList arguments = {QString::number(count), text};
    if (!logFile.isEmpty())
        arguments.append(logFile);
    writer.start(logwriter, arguments);
    if (!writer.waitForFinished(60000) || writer.exitStatus() != QProcess::NormalExit)
        return -1;
    return writer.readAllStandardOutput() == "done\n" ? writer.exitCode() : -1;
}

// Reads lines from a device until there are count of them.
QStringList readLines(QIODevice& device, int count)
{
    QStringList lines;
    while (lines.size() < count && (device.canReadLine() || device.waitForReadyRead(10000))) {
        while (device.canReadLine())
            lines.append(QString::fromUtf8(device.readLine()).chopped(1));
    }
    return lines;
}

// Starts lumlogd on a free port and waits until it listens; 0 when it does not.
quint16 startReceiver(QProcess& receiver, const QStringList& arguments = {})
{
    receiver.start(lumlogd, QStringList{"--lang", "en", "--port", "0"} + arguments);
    receiver.setReadChannel(QProcess::StandardError);
    const QStringList lines = readLines(receiver, 1);
    const QString prefix = QStringLiteral("lumlogd: listening on port ");
    return lines.size() == 1 && lines[0].startsWith(prefix) ? quint16(lines[0].mid(prefix.size()).toUInt())
                                                            : 0;
}

bool stop(QProcess& receiver, int signal)
{
    ::kill(pid_t(receiver.processId()), signal);
    return receiver.waitForFinished(10000) && receiver.exitStatus() == QProcess::NormalExit &&
           receiver.exitCode() == 0;
}

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

} // namespace

class TestLumLogd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entriesArriveDecoded();
    void otherTrafficIsSkipped();
    void closedPortDoesNotStopWriting();
    void failedWritesAreReported();
    void whatAPeerMayHoldIsBounded();
};

void TestLumLogd::entriesArriveDecoded()
{
    QProcess receiver;
    const quint16 port = startReceiver(receiver);
    QVERIFY(port != 0);
    receiver.setReadChannel(QProcess::StandardOutput);

    // Short entries, then entries of several pieces on the wire, then past the long header.
    const QString text = QStringLiteral("Kasse geöffnet\t€ 東京\nzweite Zeile\\");
    QCOMPARE(writeEntries(port, 20, text), 0);
    QCOMPARE(writeEntries(port, 2, QString(1100, u'p')), 0);
    QCOMPARE(writeEntries(port, 1, QString(64000, u'q')), 0);

    const QStringList lines = readLines(receiver, 23);
    QCOMPARE(lines.size(), 23);
    const QString escaped = QStringLiteral("Kasse geöffnet\\t€ 東京\\nzweite Zeile\\\\");
    for (int i = 0; i < 20; ++i) {
        const QStringList fields = lines[i].split(u'\t');
        QCOMPARE(fields.size(), 7);
        QVERIFY2(QDateTime::fromString(fields[0], Qt::ISODate).isValid(), qPrintable(fields[0]));
        QCOMPARE(fields.mid(1),
                 QStringList({"00-00-00-00-00-00", QString::number(i % 9), "logwriter", "TTable", "logwriter",
                              escaped + QStringLiteral(" #%1").arg(i)}));
    }
    QCOMPARE(lines[21].split(u'\t').last(), QString(1100, u'p') + QStringLiteral(" #1"));
    QCOMPARE(lines[22].split(u'\t').last(), QString(64000, u'q') + QStringLiteral(" #0"));

    QVERIFY(stop(receiver, SIGTERM));
    QVERIFY(receiver.readAllStandardError().contains("lumlogd: stopped"));
}

void TestLumLogd::otherTrafficIsSkipped()
{
    QTemporaryDir dir;
    const QString output = dir.filePath("remote.log");
    QProcess receiver;
    const quint16 port = startReceiver(receiver, {"--output", output});
    QVERIFY(port != 0);

    // A connection that ends in the middle of a frame; then noise, a frame that is no cipher text,
    // an entry and a message that is not a log entry.
    Basics::TTcpMessage other;
    other.fields[2] = QStringLiteral("card");
    Basics::TTcpMessage entry;
    entry.fields[2] = QStringLiteral("log");
    entry.attributes.set("entry", QStringLiteral("after the noise"));
    const Basics::TCryption cryption;
    {
        QTcpSocket cut;
        cut.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(cut.waitForConnected(10000));
        cut.write("\x05"
                  "ABCD");
        QVERIFY(cut.waitForBytesWritten(10000));
    }
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(socket.waitForConnected(10000));
    // One connection is read in order: when the last message is reported, the entry is written.
    socket.write("noise\x05NOT CIPHER\x06");
    socket.write("\x05" + entry.wireText(cryption) + "\x06");
    socket.write("\x05" + other.wireText(cryption) + "\x06");
    QVERIFY(socket.waitForBytesWritten(10000));

    QStringList reports = readLines(receiver, 3);
    QCOMPARE(reports.size(), 3);
    // The broken connection is told whenever its end is seen; the other one in order.
    const qsizetype ended = reports.indexOf(QRegularExpression(".*the connection ended inside a message$"));
    QVERIFY2(ended >= 0, qPrintable(reports.join('\n')));
    reports.removeAt(ended);
    QVERIFY2(reports[0].endsWith("a message that cannot be read"), qPrintable(reports[0]));
    QVERIFY2(reports[1].endsWith("a \"card\" message, not a log entry"), qPrintable(reports[1]));
    socket.disconnectFromHost();

    QVERIFY(stop(receiver, SIGINT));
    QFile file(output);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\t\t\t\t\t\tafter the noise\n"));
}

void TestLumLogd::closedPortDoesNotStopWriting()
{
    QTemporaryDir dir;
    const QString logFile = dir.filePath("var/log/office.log");
    QCOMPARE(writeEntries(closedPort(), 100, QStringLiteral("nobody listens"), logFile), 0);
    QFile file(logFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count(QByteArray("\r\0\n\0", 4)), 100);
}

void TestLumLogd::failedWritesAreReported()
{
    // A full disk: every entry that cannot be written is told, and so is the exit status.
    QProcess receiver;
    const quint16 port = startReceiver(receiver, {"--output", "/dev/full"});
    QVERIFY(port != 0);
    QCOMPARE(writeEntries(port, 3, QStringLiteral("lost")), 0);
    const QStringList reports = readLines(receiver, 3);
    QCOMPARE(reports.size(), 3);
    for (const QString& report : reports)
        QVERIFY2(report.contains("could not be written"), qPrintable(report));
    ::kill(pid_t(receiver.processId()), SIGTERM);
    QVERIFY(receiver.waitForFinished(10000));
    QCOMPARE(receiver.exitCode(), 3);
}

void TestLumLogd::whatAPeerMayHoldIsBounded()
{
    QProcess receiver;
    const quint16 port = startReceiver(receiver);
    QVERIFY(port != 0);
    // More connections than are served at once, each starting a message: those beyond the limit
    // wait until others end; none is lost, each is told as broken (when its end is seen, or when
    // its message is overdue on a slow machine).
    std::vector<std::unique_ptr<QTcpSocket>> open;
    for (int i = 0; i < 40; ++i) {
        open.push_back(std::make_unique<QTcpSocket>());
        open.back()->connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(open.back()->waitForConnected(10000));
        open.back()->write("\x05" + QByteArray(1000, 'A'));
        QVERIFY(open.back()->waitForBytesWritten(10000));
    }
    open.clear();
    const QStringList ended = readLines(receiver, 40);
    QCOMPARE(ended.size(), 40);
    for (const QString& report : ended)
        QVERIFY2(report.endsWith("the connection ended inside a message") ||
                     report.endsWith("no whole message within 10 s"),
                 qPrintable(report));

    // A message longer than the limit closes its connection.
    QTcpSocket big;
    big.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(big.waitForConnected(10000));
    big.write("\x05" + QByteArray(3 * 1024 * 1024, 'A'));
    QVERIFY(big.waitForDisconnected(10000));
    const QStringList reports = readLines(receiver, 1);
    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports[0].endsWith("a message of more than 2097152 bytes"), qPrintable(reports[0]));
    QVERIFY(stop(receiver, SIGTERM));
}

QTEST_GUILESS_MAIN(TestLumLogd)
#include "tst_lumlogd.moc"
