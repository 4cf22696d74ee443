// lumlogd: the remote log host. Programs whose KORVAXK7_LOGHOST names this machine send every log
// entry here; lumlogd writes one line per entry to standard output or a file.

#include "language.h"
#include "logreceiver.h"
#include "quitonsignals.h"
#include "tlog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char* const description = QT_TRANSLATE_NOOP(
    "lumlogd", "Receives the enciphered log messages that programs send to their log host\n"
               "(KORVAXK7_LOGHOST, KORVAXK7_LOGPORT) and writes one line per entry, fields separated\n"
               "by tabs: date, station, level, program, mod, class, entry. Backslash, tab and line\n"
               "breaks inside a field are written as \\\\, \\t, \\n and \\r. Nothing is sent back.\n"
               "Listens on the loopback address unless --listen names another (any: every address).\n"
               "Ends on SIGINT or SIGTERM. Exit status: 0 after a signal, 1 when the port or the\n"
               "output cannot be opened, 2 on wrong usage, 3 when entries could not be written\n"
               "(each is reported on standard error).");

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumlogd"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUM_VERSION));
    if (!AppLanguage::setUp("lumlogd"))
        return 2;

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("lumlogd", description));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QCoreApplication::translate("lumlogd", "Port to listen on (%1; 0 picks a free one).")
            .arg(Basics::TLog::defaultPort),
        QStringLiteral("N"), QString::number(Basics::TLog::defaultPort));
    const QCommandLineOption outputOption(
        QStringLiteral("output"),
        QCoreApplication::translate("lumlogd", "Append the lines to FILE instead of standard output."),
        QStringLiteral("FILE"));
    const QCommandLineOption listenOption(
        QStringLiteral("listen"),
        QCoreApplication::translate("lumlogd",
                                    "Address to listen on (127.0.0.1; \"any\" for every address)."),
        QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    parser.addOption(portOption);
    parser.addOption(listenOption);
    parser.addOption(outputOption);
    parser.addOption(AppLanguage::option());
    parser.process(app);

    QFile err;
    err.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
    bool ok = false;
    const uint port = parser.value(portOption).toUInt(&ok);
    const QString listenText = parser.value(listenOption).trimmed();
    QHostAddress address;
    if (listenText.compare(u"any", Qt::CaseInsensitive) == 0)
        address = QHostAddress::Any;
    else if (!address.setAddress(listenText))
        ok = false;
    if (!ok || port > 0xffff || !parser.positionalArguments().isEmpty()) {
        err.write("lumlogd: " + (QCoreApplication::translate("lumlogd", "wrong usage") +
                                 QStringLiteral("\n\n") + parser.helpText())
                                    .toUtf8());
        return 2;
    }

    QFile out;
    const QString outputName = parser.value(outputOption);
    if (!outputName.isEmpty())
        out.setFileName(outputName);
    // Appending through the system: a device such as /dev/full cannot seek to its end.
    const int fd = outputName.isEmpty() ? STDOUT_FILENO
                                        : ::open(QFile::encodeName(outputName).constData(),
                                                 O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    const bool opened = fd >= 0 && out.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                                            outputName.isEmpty() ? QFileDevice::DontCloseHandle
                                                                 : QFileDevice::AutoCloseHandle);
    if (!opened) {
        err.write(
            (QStringLiteral("lumlogd: ") + QCoreApplication::translate("lumlogd", "cannot open %1: %2") +
             u'\n')
                .arg(outputName, fd < 0 ? QString::fromLocal8Bit(std::strerror(errno)) : out.errorString())
                .toUtf8());
        return 1;
    }

    LogReceiver receiver(out, err);
    if (!quitOnSignals(app) || !receiver.listen(address, quint16(port))) {
        err.write((QStringLiteral("lumlogd: ") +
                   QCoreApplication::translate("lumlogd", "cannot listen on port %1: %2") + u'\n')
                      .arg(port)
                      .arg(receiver.errorString())
                      .toUtf8());
        return 1;
    }
    err.write(
        (QStringLiteral("lumlogd: ") + QCoreApplication::translate("lumlogd", "listening on port %1") + u'\n')
            .arg(receiver.port())
            .toUtf8());
    app.exec();
    if (receiver.failedWrites() > 0) {
        err.write((QStringLiteral("lumlogd: ") +
                   QCoreApplication::translate("lumlogd", "stopped; %1 entries could not be written") + u'\n')
                      .arg(receiver.failedWrites())
                      .toUtf8());
        return 3;
    }
    err.write(
        (QStringLiteral("lumlogd: ") + QCoreApplication::translate("lumlogd", "stopped") + u'\n').toUtf8());
    return 0;
}
