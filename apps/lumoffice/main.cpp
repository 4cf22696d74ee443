// lumoffice: the back office of the point of sale on one data root.

#include "demodata.h"
#include "officewindow.h"
#include "screenshots.h"
#include "terror.h"
#include "tlog.h"
#include "tlumconfig.h"
#include "tlumworkspace.h"
#include "tprompts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lumoffice"));
    QApplication::setApplicationVersion(QStringLiteral(LUM_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The back office of the point of sale."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataOption(
        QStringLiteral("data"),
        QStringLiteral("The data root (default: the working directory, or with "
                       "--demo the demo folder in your data location)."),
        QStringLiteral("dir"));
    const QCommandLineOption demoOption(
        QStringLiteral("demo"), QStringLiteral("Create the demo data that the data root does not hold yet."));
    const QCommandLineOption userOption(
        QStringLiteral("user"), QStringLiteral("Log in the waiter with this id."), QStringLiteral("id"));
    const QCommandLineOption screenshotsOption(
        QStringLiteral("screenshots"),
        QStringLiteral("Render the main window and every editor to PNG files, then quit."),
        QStringLiteral("dir"));
    parser.addOptions({dataOption, demoOption, userOption, screenshotsOption});
    parser.process(app);

    // Paths on the command line are meant from where the program was started.
    const QString pictures =
        parser.isSet(screenshotsOption) ? QDir(parser.value(screenshotsOption)).absolutePath() : QString();
    QString root = parser.value(dataOption);
    if (root.isEmpty())
        root = parser.isSet(demoOption) ? TDemoData::defaultRoot() : QDir::currentPath();
    root = QDir(root).absolutePath();
    try {
        if (parser.isSet(demoOption))
            TDemoData::create(root);
    } catch (const Basics::TError& error) {
        std::fprintf(stderr, "lumoffice: the demo data cannot be written: %s\n", error.what());
        return 1;
    }
    if (!QDir(root).exists() || !QDir::setCurrent(root)) {
        std::fprintf(stderr, "lumoffice: no data root %s\n", qPrintable(QDir::toNativeSeparators(root)));
        return 1;
    }
    Basics::TLog::instance().setFileName(QDir(root).filePath(QStringLiteral("var/log/lumoffice.log")));
    Basics::TLog::instance().write(Basics::TLog::Info, QStringLiteral("started on %1").arg(root), "lumoffice",
                                   "main");

    TLumWorkspace workspace(root);
    TOfficeWindow window(&workspace);
    if (parser.isSet(userOption)) {
        bool ok = false;
        const int user = parser.value(userOption).toInt(&ok);
        if (!ok || user < 1) {
            std::fprintf(stderr, "lumoffice: --user needs a waiter id of 1 or more\n");
            return 2;
        }
        window.setUser(user);
    }
    const QString configError = window.config()->errorText();
    if (!configError.isEmpty())
        std::fprintf(stderr, "lumoffice: %s\n", qPrintable(configError));
    if (parser.isSet(screenshotsOption)) {
        const int written = TScreenshots::render(window, pictures);
        std::printf("%d pictures in %s\n", written, qPrintable(QDir::toNativeSeparators(pictures)));
        return written > 0 ? 0 : 1;
    }
    window.showList(QStringLiteral("currencies"));
    window.show();
    if (!configError.isEmpty())
        QTimer::singleShot(0, &window, [&window, configError] {
            prompts().critical(&window, QApplication::translate("lumoffice", "Configuration"),
                               QApplication::translate("lumoffice",
                                                       "The configuration cannot be read:\n%1\n\n"
                                                       "Until it can, every dialog is read-only.")
                                   .arg(configError));
        });
    return QApplication::exec();
}
