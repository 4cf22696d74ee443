// lumoffice: the back office of the point of sale on one data root.

#include "configcheck.h"
#include "demodata.h"
#include "language.h"
#include "largeblocks.h"
#include "logindialog.h"
#include "officewindow.h"
#include "screenshots.h"
#include "terror.h"
#include "tfiscaldevice.h"
#include "tlistnames.h"
#include "tlog.h"
#include "tlumconfig.h"
#include "tlumworkspace.h"
#include "tpasswordhash.h"
#include "tprompts.h"
#include "tvaluelist.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

// A message on standard error, named by the program.
void complain(const QString& message)
{
    std::fprintf(stderr, "lumoffice: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[])
{
    // The check prints to the terminal: it needs no screen (a cron job or a session over ssh).
    for (int arg = 1; arg < argc; ++arg) {
        if (qstrcmp(argv[arg], "--check") == 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Basics::keepLargeBlocksForReuse();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lumoffice"));
    QApplication::setApplicationVersion(QStringLiteral(LUM_VERSION));
    QApplication::setOrganizationName(QStringLiteral("lumdialogs"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (!AppLanguage::setUp("lumoffice"))
        return 2;

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("lumoffice", "The back office of the point of sale."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataOption(
        QStringLiteral("data"),
        QCoreApplication::translate("lumoffice", "The data root (default: the working directory, or with "
                                                 "--demo the demo folder in your data location)."),
        QCoreApplication::translate("lumoffice", "dir"));
    const QCommandLineOption demoOption(
        QStringLiteral("demo"),
        QCoreApplication::translate("lumoffice",
                                    "Create the demo data that the data root does not hold yet."));
    const QCommandLineOption userOption(
        QStringLiteral("user"),
        QCoreApplication::translate("lumoffice", "Log in the user (or, without users in lumconfig.ini, the "
                                                 "waiter) with this id."),
        QCoreApplication::translate("lumoffice", "id"));
    const QCommandLineOption hashOption(
        QStringLiteral("hash-password"),
        QCoreApplication::translate("lumoffice", "Read a password from standard input and print the hash "
                                                 "that lumconfig.ini keeps for it, then quit."));
    const QCommandLineOption screenshotsOption(
        QStringLiteral("screenshots"),
        QCoreApplication::translate("lumoffice",
                                    "Render the main window and every editor to PNG files, then quit."),
        QCoreApplication::translate("lumoffice", "dir"));
    const QCommandLineOption checkOption(
        QStringLiteral("check"),
        QCoreApplication::translate("lumoffice",
                                    "Print every reference to a record that does not exist, then "
                                    "quit (exit status 1 when there is one)."));
    parser.addOptions({dataOption, demoOption, userOption, hashOption, screenshotsOption, checkOption,
                       AppLanguage::option()});
    parser.process(app);

    if (parser.isSet(hashOption)) {
        std::string password;
        std::getline(std::cin, password);
        std::printf("%s\n", qPrintable(TPasswordHash::make(QString::fromStdString(password))));
        return 0;
    }

    // Paths on the command line are meant from where the program was started.
    const QString pictures =
        parser.isSet(screenshotsOption) ? QDir(parser.value(screenshotsOption)).absolutePath() : QString();
    QString root = parser.value(dataOption);
    // Pictures are taken of the demo data unless a data root is named.
    const bool demo = parser.isSet(demoOption) || (parser.isSet(screenshotsOption) && root.isEmpty());
    if (root.isEmpty())
        root = demo ? TDemoData::defaultRoot() : QDir::currentPath();
    root = QDir(root).absolutePath();
    try {
        if (demo)
            TDemoData::create(root);
    } catch (const Basics::TError& error) {
        complain(QCoreApplication::translate("lumoffice", "the demo data cannot be written: %1")
                     .arg(QString::fromUtf8(error.what())));
        return 1;
    }
    if (!QDir(root).exists() || !QDir::setCurrent(root)) {
        complain(
            QCoreApplication::translate("lumoffice", "no data root %1").arg(QDir::toNativeSeparators(root)));
        return 1;
    }
    Basics::TLog::instance().setFileName(QDir(root).filePath(QStringLiteral("var/log/lumoffice.log")));
    Basics::TLog::instance().write(Basics::TLog::Info, QStringLiteral("started on %1").arg(root), "lumoffice",
                                   "main");

    TLumWorkspace workspace(root);
    if (parser.isSet(checkOption)) {
        const QList<TConfigCheck::Finding> found = TConfigCheck::run(workspace);
        for (const TConfigCheck::Finding& finding : found)
            std::printf("%s\n", qPrintable(TConfigCheck::text(finding)));
        std::printf("%s\n", found.isEmpty() ? "No broken references."
                                            : qPrintable(QStringLiteral("%1 finding(s).").arg(found.size())));
        return found.isEmpty() ? 0 : 1;
    }
    // The cash office hands its export tables to the first fiscal device.
    Devices::TFiscalExportDevice fiscalDevice(root);
    TLumWorkspace::FiscalDeviceList.append(&fiscalDevice);
    TOfficeWindow window(&workspace);
    int user = 0;
    if (parser.isSet(userOption)) {
        bool ok = false;
        user = parser.value(userOption).toInt(&ok);
        if (!ok || user < 1) {
            complain(QCoreApplication::translate("lumoffice", "--user needs a user id of 1 or more"));
            return 2;
        }
    }
    // With users configured, nobody works without the password; without them, as the command line
    // says, but only as a waiter that exists.
    const bool usersConfigured = !window.config()->users().isEmpty();
    if (usersConfigured && !parser.isSet(screenshotsOption)) {
        if (user != 0 && !window.config()->user(user)) {
            complain(
                QCoreApplication::translate("lumoffice", "there is no user %1 in lumconfig.ini").arg(user));
            return 2;
        }
        TLoginDlg login(*window.config(), user);
        if (login.exec() != QDialog::Accepted)
            return 0;
        user = login.userId();
    } else if (user != 0) {
        const Basics::TValueList* waiters = workspace.getData(PosLib::Lists::waiters);
        if (!window.config()->user(user) && (!waiters || !waiters->find(user))) {
            complain(QCoreApplication::translate("lumoffice", "there is no user or waiter %1").arg(user));
            return 2;
        }
    }
    window.setUser(user);
    const QString configError = window.config()->errorText();
    if (!configError.isEmpty())
        complain(configError);
    if (parser.isSet(screenshotsOption)) {
        const int written = TScreenshots::render(window, pictures);
        std::printf("%s\n", qPrintable(QCoreApplication::translate("lumoffice", "%1 pictures in %2")
                                           .arg(written)
                                           .arg(QDir::toNativeSeparators(pictures))));
        return written > 0 ? 0 : 1;
    }
    if (!window.restoreState())
        window.showList(PosLib::Lists::currencies);
    window.show();
    if (!configError.isEmpty())
        QTimer::singleShot(0, &window, [&window, configError] {
            prompts().critical(&window, QCoreApplication::translate("lumoffice", "Configuration"),
                               QCoreApplication::translate("lumoffice",
                                                           "The configuration cannot be read:\n%1\n\n"
                                                           "Until it can, every dialog is read-only.")
                                   .arg(configError));
        });
    return QApplication::exec();
}
