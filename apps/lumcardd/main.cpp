// lumcardd: the card server. It keeps the customer cards, their clients, actions and logs and the
// users who may format cards, and carries out the operations of the card readers of all terminals
// of a shop. Its sub-commands put cards on its virtual readers and take them off, for scripts and
// tests.

#include "carddemo.h"
#include "cardserver.h"
#include "cardstore.h"
#include "language.h"
#include "largeblocks.h"
#include "passwords.h"
#include "quitonsignals.h"
#include "tcardserverprotocol.h"
#include "terror.h"
#include "tlog.h"
#include "ttcpclient.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace {

const char* const description = QT_TRANSLATE_NOOP(
    "lumcardd",
    "The card server of the back office and the tills.\n"
    "\n"
    "Commands:\n"
    "  serve            answer the card readers of the terminals (the default)\n"
    "  put [UID]        put a card on a reader; without a UID a new blank card (prints its UID)\n"
    "  take             take the card off a reader\n"
    "  cards            list the cards: UID, card number (empty for a blank card), client\n"
    "  fail CODE        let the next card operation of a reader fail with an error code (-2 ...)\n"
    "  book             carry out the due actions of the card on a reader, as a till does\n"
    "  adduser NAME     add a user who may format cards, or give one a new password\n"
    "                   (read from standard input)\n"
    "  demo             write the demo data unless the database holds data\n"
    "\n"
    "The database is var/lumcardd/cards.sqlite below the data folder. The client commands\n"
    "(put, take, cards, fail, book) reach the server at --host and --port; without --port\n"
    "at the port the server of the data folder listens on.\n"
    "Exit status: 0 on success, 1 on failure, 2 on wrong usage; serve ends on SIGINT or\n"
    "SIGTERM.");

namespace CardServer = PosLib::CardServer;

struct Options {
    QString dataDir;
    QString host;
    QString listen;
    quint16 port = 0;
    bool portGiven = false;
    QString reader;
};

int fail(const QString& text, int status = 1)
{
    std::fprintf(stderr, "lumcardd: %s\n", qPrintable(text));
    return status;
}

// A password typed on a terminal is not shown.
QString readPassword()
{
    const bool terminal = ::isatty(STDIN_FILENO);
    termios saved = {};
    if (terminal) {
        std::fprintf(stderr, "%s", qPrintable(QCoreApplication::translate("lumcardd", "Password: ")));
        ::tcgetattr(STDIN_FILENO, &saved);
        termios silent = saved;
        silent.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &silent);
    }
    QTextStream in(stdin);
    const QString password = in.readLine(1024);
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        std::fprintf(stderr, "\n");
    }
    return password;
}

int serve(QCoreApplication& app, const Options& options, bool demo)
{
    QHostAddress address;
    if (!address.setAddress(options.listen))
        return fail(
            QCoreApplication::translate("lumcardd", "%1 is no address to listen on").arg(options.listen), 2);
    Basics::TLog::instance().setFileName(
        QDir(options.dataDir).filePath(QStringLiteral("var/log/lumcardd.log")));
    try {
        if (demo)
            TCardDemo::create(options.dataDir);
        TCardServer server(options.dataDir);
        if (!quitOnSignals(app) ||
            !server.listen(address, options.portGiven ? options.port : CardServer::defaultPort))
            return fail(QCoreApplication::translate("lumcardd", "cannot listen on %1 port %2: %3")
                            .arg(options.listen)
                            .arg(options.port)
                            .arg(server.errorString()));
        std::fprintf(stderr, "lumcardd: %s\n",
                     qPrintable(QCoreApplication::translate("lumcardd", "listening on %1 port %2")
                                    .arg(options.listen)
                                    .arg(server.port())));
        Basics::TLog::instance().write(
            Basics::TLog::Info,
            QStringLiteral("listening on %1 port %2").arg(options.listen).arg(server.port()), "lumcardd",
            "main");
        app.exec();
    } catch (const Basics::TError& error) {
        return fail(error.description());
    }
    std::fprintf(stderr, "lumcardd: %s\n", qPrintable(QCoreApplication::translate("lumcardd", "stopped")));
    return 0;
}

// Sends one call to the server and prints the answer's entries, one a line.
int call(const Options& options, const QString& command, const QStringList& arguments)
{
    quint16 port = options.port;
    if (!options.portGiven) {
        port = TCardServer::readPortFile(options.dataDir);
        if (port == 0)
            port = CardServer::defaultPort;
    }
    Basics::TTcpClient client;
    PosLib::TCardServerCall request;
    request.reader = options.reader;
    request.command = command;
    request.arguments = arguments;
    const PosLib::TCardServerAnswer answer = PosLib::callCardServer(client, options.host, port, request);
    if (answer.code != 0)
        return fail(QCoreApplication::translate("lumcardd", "%1: code %2 %3")
                        .arg(command)
                        .arg(answer.code)
                        .arg(answer.message));
    for (const QString& line : answer.results)
        std::printf("%s\n", qPrintable(line));
    return 0;
}

int addUser(const Options& options, const QString& name)
{
    const QString password = readPassword();
    if (password.isEmpty())
        return fail(QCoreApplication::translate("lumcardd", "no password given"));
    const QString hash = Passwords::hash(password);
    if (hash.isEmpty())
        return fail(QCoreApplication::translate("lumcardd", "the password cannot be hashed"));
    try {
        TCardStore(options.dataDir).putUser(name, hash);
    } catch (const Basics::TError& error) {
        return fail(error.description());
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    Basics::keepLargeBlocksForReuse();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumcardd"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUM_VERSION));
    if (!AppLanguage::setUp("lumcardd"))
        return 2;

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("lumcardd", description));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataOption(
        QStringLiteral("data"),
        QCoreApplication::translate("lumcardd", "The data folder (default: the working directory)."),
        QStringLiteral("dir"), QStringLiteral("."));
    const QCommandLineOption listenOption(
        QStringLiteral("listen"),
        QCoreApplication::translate(
            "lumcardd", "serve: the address to listen on (default 127.0.0.1; 0.0.0.0 for every network)."),
        QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QCoreApplication::translate("lumcardd", "The port (default %1; serve: 0 picks a free one).")
            .arg(CardServer::defaultPort),
        QStringLiteral("n"));
    const QCommandLineOption hostOption(
        QStringLiteral("host"),
        QCoreApplication::translate("lumcardd", "The server's host for the client commands."),
        QStringLiteral("host"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption readerOption(
        QStringLiteral("reader"),
        QCoreApplication::translate("lumcardd", "The reader's name (default \"%1\").")
            .arg(CardServer::defaultReader),
        QStringLiteral("name"), CardServer::defaultReader);
    const QCommandLineOption demoOption(
        QStringLiteral("demo"),
        QCoreApplication::translate("lumcardd", "serve: write the demo data first unless there is data."));
    parser.addOptions(
        {dataOption, listenOption, portOption, hostOption, readerOption, demoOption, AppLanguage::option()});
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QCoreApplication::translate("lumcardd", "serve, put, take, cards, fail, book, adduser or demo."));
    parser.process(app);

    Options options;
    options.dataDir = QDir(parser.value(dataOption)).absolutePath();
    options.host = parser.value(hostOption);
    options.listen = parser.value(listenOption);
    options.reader = parser.value(readerOption);
    if (parser.isSet(portOption)) {
        bool ok = false;
        const uint port = parser.value(portOption).toUInt(&ok);
        if (!ok || port > 0xffff)
            return fail(QCoreApplication::translate("lumcardd", "--port needs a number from 0 to 65535"), 2);
        options.port = quint16(port);
        options.portGiven = true;
    }

    const QStringList arguments = parser.positionalArguments();
    const QString command = arguments.value(0, QStringLiteral("serve"));
    const QStringList rest = arguments.mid(1);
    const auto usage = [&] {
        return fail(QCoreApplication::translate("lumcardd", "wrong usage") + QStringLiteral("\n\n") +
                        parser.helpText(),
                    2);
    };
    if (command == u"serve")
        return rest.isEmpty() ? serve(app, options, parser.isSet(demoOption)) : usage();
    if (command == u"put")
        return rest.size() <= 1 ? call(options, CardServer::putCard, rest) : usage();
    if (command == u"take")
        return rest.isEmpty() ? call(options, CardServer::takeCard, {}) : usage();
    if (command == u"cards")
        return rest.isEmpty() ? call(options, CardServer::listCards, {}) : usage();
    if (command == u"fail")
        return rest.size() == 1 ? call(options, CardServer::failNext, rest) : usage();
    if (command == u"book")
        return rest.isEmpty() ? call(options, CardServer::bookActions, {}) : usage();
    if (command == u"adduser")
        return rest.size() == 1 ? addUser(options, rest[0]) : usage();
    if (command == u"demo") {
        if (!rest.isEmpty())
            return usage();
        try {
            std::printf("%s\n", qPrintable(QCoreApplication::translate("lumcardd", "%1 records written")
                                               .arg(TCardDemo::create(options.dataDir))));
        } catch (const Basics::TError& error) {
            return fail(error.description());
        }
        return 0;
    }
    return usage();
}
