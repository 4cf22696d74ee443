// lumdata: look into, export and import the record files of the point-of-sale data directory.

#include "csvcommand.h"
#include "datatool.h"
#include "language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
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
    "  csv export LIST CSVFILE  the records of a list of the data root (--data) as CSV (CSVFILE,\n"
    "                           or - for standard output)\n"
    "  csv import LIST CSVFILE  compare a CSV file with the list and print every new, changed and\n"
    "                           refused row; with --confirm write the new and changed rows as\n"
    "                           --user (rights and change history as in lumoffice)\n"
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
    const QCommandLineOption dataOption(
        QStringLiteral("data"),
        QCoreApplication::translate("lumdata", "csv: the data root (default: the working directory)."),
        QCoreApplication::translate("lumdata", "dir"));
    const QCommandLineOption userOption(
        QStringLiteral("user"),
        QCoreApplication::translate("lumdata",
                                    "csv import: the user whose rights apply (default 0, nobody)."),
        QCoreApplication::translate("lumdata", "id"));
    const QCommandLineOption confirmOption(
        QStringLiteral("confirm"),
        QCoreApplication::translate("lumdata", "csv import: write the new and changed rows."));
    const QCommandLineOption separatorOption(
        QStringLiteral("separator"),
        QCoreApplication::translate(
            "lumdata", "csv: the separator, \";\", \",\" or tab (default: detected, \";\" for the export)."),
        QCoreApplication::translate("lumdata", "sep"));
    const QCommandLineOption encodingOption(
        QStringLiteral("encoding"),
        QCoreApplication::translate("lumdata",
                                    "csv: utf-8 or windows-1252 (default: detected, utf-8 for the export)."),
        QCoreApplication::translate("lumdata", "name"));
    const QCommandLineOption decimalOption(
        QStringLiteral("decimal"),
        QCoreApplication::translate(
            "lumdata", "csv: the decimal mark, comma or point (default: detected, point for the export)."),
        QCoreApplication::translate("lumdata", "mark"));
    parser.addOptions(
        {dataOption, userOption, confirmOption, separatorOption, encodingOption, decimalOption});
    parser.addOption(rootOption);
    parser.addOption(elementOption);
    parser.addOption(AppLanguage::option());
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QCoreApplication::translate("lumdata", "show, xml, import, text, check, backup, restore or csv"));
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
    if (command == u"csv" && expect(3) && (args[1] == u"export" || args[1] == u"import")) {
        CsvCommand csv;
        csv.dataRoot = parser.isSet(dataOption) ? parser.value(dataOption) : QDir::currentPath();
        csv.list = args[2];
        csv.file = args[3];
        csv.confirm = parser.isSet(confirmOption);
        bool ok = true;
        if (parser.isSet(userOption))
            csv.user = parser.value(userOption).toInt(&ok);
        if (!ok || csv.user < 0)
            return usageError(parser, err, QCoreApplication::translate("lumdata", "--user needs a user id"));
        const QString separator = parser.value(separatorOption);
        csv.separatorChosen = !separator.isEmpty();
        if (separator == u"tab" || separator == u"\t")
            csv.format.separator = u'\t';
        else if (separator == u";" || separator == u",")
            csv.format.separator = separator.front();
        else if (csv.separatorChosen)
            return usageError(parser, err,
                              QCoreApplication::translate("lumdata", "--separator is \";\", \",\" or tab"));
        const QString encoding = parser.value(encodingOption).toLower();
        csv.encodingChosen = !encoding.isEmpty();
        if (encoding == u"windows-1252" || encoding == u"cp1252")
            csv.format.encoding = PosLib::Csv::Encoding::Windows1252;
        else if (csv.encodingChosen && encoding != u"utf-8" && encoding != u"utf8")
            return usageError(parser, err,
                              QCoreApplication::translate("lumdata", "--encoding is utf-8 or windows-1252"));
        const QString decimal = parser.value(decimalOption);
        csv.decimalChosen = !decimal.isEmpty();
        csv.format.decimalComma = decimal == u"comma";
        if (csv.decimalChosen && decimal != u"comma" && decimal != u"point")
            return usageError(parser, err,
                              QCoreApplication::translate("lumdata", "--decimal is comma or point"));
        return args[1] == u"export" ? csv.exportList(out, err) : csv.importFile(out, err);
    }
    if (command != u"show" && command != u"xml" && command != u"import" && command != u"check" &&
        command != u"text" && command != u"backup" && command != u"restore" && command != u"csv")
        return usageError(parser, err,
                          QCoreApplication::translate("lumdata", "unknown command \"%1\"").arg(command));
    return usageError(
        parser, err,
        QCoreApplication::translate("lumdata", "wrong number of arguments for \"%1\"").arg(command));
}
