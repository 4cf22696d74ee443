#include "language.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace AppLanguage {

namespace {

const QString langOption = QStringLiteral("--lang");

// Loads one .qm file into a translator owned by the application; a missing file is no error,
// since the source texts are then shown.
void installFile(const QString& name, const QString& directory)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, directory))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QCommandLineOption option()
{
    return QCommandLineOption(
        QStringLiteral("lang"),
        QCoreApplication::translate("AppLanguage", "The language of the texts: en or de (default: as the "
                                                   "system locale says)."),
        QStringLiteral("language"));
}

QString chosen(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        if (argument == langOption && i + 1 < arguments.size())
            return arguments[i + 1];
        if (argument.startsWith(langOption + QLatin1Char('=')))
            return argument.mid(langOption.size() + 1);
    }
    return QLocale::system().language() == QLocale::German ? QStringLiteral("de") : QStringLiteral("en");
}

bool setUp(const char* program)
{
    const QString language = chosen(QCoreApplication::arguments());
    if (install(language))
        return true;
    std::fprintf(
        stderr, "%s: %s\n", program,
        qPrintable(
            QCoreApplication::translate("AppLanguage", "--lang needs en or de, not %1").arg(language)));
    return false;
}

bool install(const QString& language)
{
    if (language != QLatin1String("en") && language != QLatin1String("de"))
        return false;
    if (language == QLatin1String("de"))
        installFile(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // The English file holds only corrections of the system's source texts.
    installFile(QStringLiteral("lumdialogs_") + language, translationsDirectory());
    return true;
}

QString translationsDirectory()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {QStringLiteral("translations"), QStringLiteral("../share/lumdialogs/translations")}) {
        if (QFileInfo(programDir.filePath(candidate)).isDir())
            return QDir::cleanPath(programDir.filePath(candidate));
    }
    return programDir.filePath(QStringLiteral("translations"));
}

} // namespace AppLanguage
