// Hostile calls to the card server's command decoder, on a database of its own. An input is either
// the text of a frame as it comes from the wire (first byte even) or a call made of its parts
// (first byte odd: the command is chosen by the second byte, the arguments and the given result
// entries are the rest split at NUL bytes), sent plain or enciphered. Every call gets an answer that
// a reader can read.

#include "cardcommands.h"
#include "cardstore.h"
#include "readerslots.h"
#include "tcardserverprotocol.h"
#include "tcryption.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

namespace CardServer = PosLib::CardServer;

const QStringList commands = {
    CardServer::getErrorCode,  CardServer::getActions,         CardServer::getActionLogs,
    CardServer::removeAction,  CardServer::updateAction,       CardServer::updateClient,
    CardServer::getAllClients, CardServer::checkUser,          CardServer::askCardNumber,
    CardServer::ejectCard,     CardServer::readCard,           CardServer::writeCard,
    CardServer::formatCard,    CardServer::waitReader,         CardServer::putCard,
    CardServer::takeCard,      CardServer::listCards,          CardServer::failNext,
    CardServer::bookActions,   QStringLiteral("nosuchcommand")};

struct Server {
    Server()
        : dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/fuzz_cardcommands-XXXXXX")
                                        : QDir::tempPath() + QStringLiteral("/fuzz_cardcommands-XXXXXX"))
    {
        reset();
    }

    // A new database now and then, so that what the inputs stored does not grow without end.
    void reset()
    {
        commands.reset();
        store.reset();
        QFile::remove(TCardStore::databasePath(dir.path()));
        QFile::remove(TCardStore::databasePath(dir.path()) + QStringLiteral("-wal"));
        QFile::remove(TCardStore::databasePath(dir.path()) + QStringLiteral("-shm"));
        store = std::make_unique<TCardStore>(dir.path());
        // A formatted card and a blank one on two readers, so that the card operations go deep.
        store->putCard({QStringLiteral("04A1B201"),
                        QStringLiteral("<carddata><cardnumber>1</cardnumber><uid>04A1B201</uid>"
                                       "<canpoints>yes</canpoints><pointsmax>100</pointsmax></carddata>"),
                        0, 1});
        store->putCard({QStringLiteral("0AB1C2D3"), QString(), 0, 0});
        readers = std::make_unique<TReaderSlots>();
        readers->put(QStringLiteral("office"), QStringLiteral("04A1B201"));
        readers->put(QStringLiteral("2"), QStringLiteral("0AB1C2D3"));
        commands = std::make_unique<TCardCommands>(*store, *readers);
        runs = 0;
    }

    QTemporaryDir dir;
    std::unique_ptr<TCardStore> store;
    std::unique_ptr<TReaderSlots> readers;
    std::unique_ptr<TCardCommands> commands;
    int runs = 0;
};

Server& server()
{
    static int argc = 1;
    static char name[] = "fuzz_cardcommands";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static Server instance;
    return instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Basics::TCryption cryption;
    Server& s = server();
    if (++s.runs > 5000)
        s.reset();
    if (size < 2)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 2, qsizetype(size - 2));

    QString frame;
    if ((data[0] & 1) == 0) {
        frame = QString::fromLatin1(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    } else {
        PosLib::TCardServerCall call;
        call.reader = (data[0] & 2) ? QStringLiteral("office") : QStringLiteral("2");
        call.command = commands[data[1] % commands.size()];
        const QList<QByteArray> parts = bytes.split('\0');
        for (qsizetype i = 0; i < parts.size() && i < 2 * CardServer::maxArguments; ++i)
            ((data[0] & 4) && i % 2 ? call.given : call.arguments).append(QString::fromUtf8(parts[i]));
        if (!call.isTransferable())
            return 0;
        Basics::TTcpMessage message = call.toMessage();
        message.plain = (data[0] & 8) != 0;
        frame = QString::fromLatin1(message.wireText(cryption));
    }

    const QByteArray wire = s.commands->answerWire(frame);
    PosLib::TCardServerAnswer answer;
    if (!answer.fromWire(wire, cryption))
        __builtin_trap();
    return 0;
}
