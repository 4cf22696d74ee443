// lumdata: look into, export and import the record files of the point-of-sale data directory.

#include "datatool.h"
#include "language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

const char* const description = QT_TRANSLATE_NOOP(
    "lumdata",
    "Commands:\n"
    "  show FILE                one line per record: the id, then key=value pairs in key order\n"
    "                           (backslash, line breaks and tabs written as \\\\, \\n, \\r, \\t)\n"
    "  xml FILE                 the list's XML exchange document\n"
    "  import XMLFILE FILE      apply an exchange document (XMLFILE, or - for standard input) to the\n"
    "                           list in FILE and save it; FILE is created when missing\n"
    "  text FILE COL[,COL...]   the text export of the named columns, separated by \";\"\n"
    "  check FILE               the load result (0 read completely, 7 no such file, 304 damaged)\n"
    "                           and the record count\n"
    "  backup DIR ARCHIVE       a tar archive of the data root DIR, taken while other programs\n"
    "                           work (files under their locks, SQLite databases by online backup)\n"
    "  restore ARCHIVE DIR      checks the whole archive, then puts it in place of DIR; the\n"
    "                           replaced DIR is kept as DIR.replaced-<date>-<time>\n"
    "\n"
    "The list and element names come from the file name (currency.dat holds \"currencies\" of\n"
    "\"currency\" elements); other files hold \"elements\" of \"element\".\n"
    "Exit status: 0 success, 1 a load result other than 0 or a storage error, 2 wrong usage.");

int usageError(QCommandLineParser& parser, QTextStream& err, const QString& problem)
{
    err << "lumdata: " << problem << "\n\n" << parser.helpText();
    return DataTool::Usage;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumdata"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUM_VERSION));
    if (!AppLanguage::setUp("lumdata"))
        return DataTool::Usage;

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("lumdata", description));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption rootOption(
        QStringLiteral("root"), QCoreApplication::translate("lumdata", "List (XML root) name to use."),
        QCoreApplication::translate("lumdata", "name"));
    const QCommandLineOption elementOption(
        QStringLiteral("element"),
        QCoreApplication::translate("lumdata", "XML element name of a record to use."),
        QCoreApplication::translate("lumdata", "name"));
    parser.addOption(rootOption);
    parser.addOption(elementOption);
    parser.addOption(AppLanguage::option());
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QCoreApplication::translate("lumdata", "show, xml, import, text, check, backup or restore"));
    parser.addPositionalArgument(QStringLiteral("arguments"),
                                 QCoreApplication::translate("lumdata", "the command's files and columns"),
                                 QStringLiteral("[arguments...]"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser, err, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return DataTool::Success;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out << "lumdata " << LUM_VERSION << '\n';
        return DataTool::Success;
    }

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usageError(parser, err, QCoreApplication::translate("lumdata", "a command is missing"));
    const QString command = args.first();
    const auto expect = [&](qsizetype count) { return args.size() == count + 1; };

    DataTool tool(out, err);
    tool.setRootName(parser.value(rootOption));
    tool.setElementName(parser.value(elementOption));
    if (command == u"show" && expect(1))
        return tool.show(args[1]);
    if (command == u"xml" && expect(1))
        return tool.xml(args[1]);
    if (command == u"import" && expect(2))
        return tool.import(args[1], args[2]);
    if (command == u"check" && expect(1))
        return tool.check(args[1]);
    if (command == u"backup" && expect(2))
        return tool.backup(args[1], args[2]);
    if (command == u"restore" && expect(2))
        return tool.restore(args[1], args[2]);
    if (command == u"text" && expect(2)) {
        const QStringList columns = args[2].split(u',', Qt::SkipEmptyParts);
        if (columns.isEmpty())
            return usageError(parser, err,
                              QCoreApplication::translate("lumdata", "text needs at least one column"));
        return tool.text(args[1], columns);
    }
    if (command != u"show" && command != u"xml" && command != u"import" && command != u"check" &&
        command != u"text" && command != u"backup" && command != u"restore")
        return usageError(parser, err,
                          QCoreApplication::translate("lumdata", "unknown command \"%1\"").arg(command));
    return usageError(
        parser, err,
        QCoreApplication::translate("lumdata", "wrong number of arguments for \"%1\"").arg(command));
}
