#pragma once

#include <QString>
#include <QStringList>

class QCommandLineOption;

// The language of a program's texts: English or German, as the system locale says unless the
// command line names one with "--lang en|de".
namespace AppLanguage {

// The option the programs declare, so that their help names it.
QCommandLineOption option();
// The language asked for by "--lang X" or "--lang=X" in arguments, otherwise the system locale's
// ("de" for a German locale, "en" for every other). Read before the command line is parsed, so
// that the parser's own texts are translated already.
QString chosen(const QStringList& arguments);
// Installs the language that the application's command line or the system asks for. False, after
// saying so on standard error under the program's name, for a language the programs do not have.
bool setUp(const char* program);
// Installs Qt's and the project's translations of language into the running application. False
// for a language other than "en" and "de" (nothing is installed then).
bool install(const QString& language);
// The folder of the project's .qm files: "translations" beside the program, or the installed
// share folder.
QString translationsDirectory();

} // namespace AppLanguage
