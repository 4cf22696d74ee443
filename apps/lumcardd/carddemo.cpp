#include "carddemo.h"

#include "cardcommands.h"
#include "cardstore.h"
#include "passwords.h"
#include "readerslots.h"
#include "tcardactionlog.h"
#include "tcardproperties.h"
#include "tnetcardaction.h"
#include "tnetclient.h"

#include <iterator>

const QString TCardDemo::user = QStringLiteral("manager");
const QString TCardDemo::password = QStringLiteral("demo");

namespace {

struct DemoClient {
    const char* prename;
    const char* name;
    const char* street;
    const char* plz;
    const char* city;
    const char* phone;
    int birthYear;
};

const DemoClient clients[] = {
    {"Anton", "Bauer", "Hauptstraße 1", "80331", "München", "089 1234501", 1970},
    {"Berta", "Schmid", "Marktplatz 3", "80331", "München", "089 1234502", 1985},
    {"Carla", "Vogel", "Lindenweg 12", "80469", "München", "089 1234503", 1992},
    {"David", "Keller", "Bahnhofstraße 7", "85354", "Freising", "08161 55501", 1964},
    {"Emil", "Fischer", "Am Anger 2", "85354", "Freising", "08161 55502", 1978},
    {"Frieda", "Wagner", "Gartenstraße 9", "82152", "Planegg", "089 8595503", 2001},
    {"Gustav", "Becker", "Schulweg 4", "82152", "Planegg", "089 8595504", 1956},
    {"Hanna", "Hoffmann", "Kirchplatz 6", "81371", "München", "089 7600505", 1999},
    {"Ida", "Schulz", "Seestraße 21", "82319", "Starnberg", "08151 44506", 1988},
    {"Jonas", "Koch", "Waldweg 5", "82319", "Starnberg", "08151 44507", 1975},
    {"Klara", "Richter", "Ringstraße 14", "80797", "München", "089 3000508", 1991},
    {"Leon", "Wolf", "Mühlgasse 8", "80797", "München", "089 3000509", 1983},
    {"Mia", "Neumann", "Rosenweg 17", "85221", "Dachau", "08131 22510", 2003},
    {"Noah", "Schwarz", "Brunnenstraße 11", "85221", "Dachau", "08131 22511", 1969},
    {"Olga", "Zimmermann", "Feldweg 3", "85716", "Unterschleißheim", "089 3100512", 1994},
    {"Paul", "Braun", "Poststraße 19", "85716", "Unterschleißheim", "089 3100513", 1961},
    {"Rosa", "Krüger", "Uferweg 2", "82211", "Herrsching", "08152 11514", 1980},
    {"Simon", "Hartmann", "Talstraße 10", "82211", "Herrsching", "08152 11515", 1972},
    {"Tanja", "Lange", "Burgweg 1", "81667", "München", "089 4400516", 1997},
    {"Firma", "Kantinenservice GmbH", "Industriestraße 40", "81829", "München", "089 4400517", 0},
};

struct DemoCard {
    const char* uid;
    unsigned long number;
    unsigned long client;
    bool credit, points, table, waiter;
    long credit_saldo;
    long points_saldo;
    unsigned long counter;
};

const DemoCard cards[] = {
    {"04A1B201", 1001, 1, true, true, false, false, 2500, 120, 3},
    {"04A1B202", 1002, 2, true, true, false, false, 12550, 40, 7},
    {"04A1B203", 1003, 3, false, true, false, false, 0, 980, 1},
    {"04A1B204", 1004, 4, true, false, false, false, 500, 0, 12},
    {"04A1B205", 1005, 5, true, true, false, false, 30000, 15, 4},
    {"04A1B206", 1006, 6, false, true, true, false, 0, 300, 2},
    {"04A1B207", 1007, 7, true, false, false, false, 7390, 0, 9},
    {"04A1B208", 1008, 20, true, false, false, false, 150000, 0, 21},
    {"04A1B209", 1009, 0, false, false, false, true, 0, 0, 5},
    {"04A1B20A", 1010, 0, false, false, true, true, 0, 0, 0},
};

const char* const blankCards[] = {"0AB1C2D3", "0AB1C2D4"};

const QDateTime formatted(QDate(2024, 3, 1), QTime(10, 0));
const QDateTime booked(QDate(2024, 6, 1), QTime(12, 30));

PosLib::TCardProperties demoCard(const DemoCard& demo)
{
    PosLib::TCardProperties card;
    card.setCardNumber(demo.number);
    card.setUid(QString::fromLatin1(demo.uid));
    card.setMandant(1);
    card.setOutlet(1);
    card.setPersonType(demo.client == 20 ? 2 : 1);
    card.setClientNumber(demo.client);
    card.setPriceModel(1);
    card.setStartDate(formatted);
    card.setEndDate(QDateTime(QDate(2027, 12, 31), QTime(23, 59)));
    card.setLastFormat(formatted);
    card.setLastProcess(formatted.addDays(int(demo.counter)));
    card.setCounter(demo.counter);
    card.setVersion(1);
    card.setDatabaseCard(true);
    card.setCanCredit(demo.credit);
    card.setCanPoints(demo.points);
    card.setCanTable(demo.table);
    card.setCanWaiter(demo.waiter);
    if (demo.credit) {
        card.setCreditMax(200000);
        card.setCreditSaldo(demo.credit_saldo);
    }
    if (demo.points) {
        card.setPointsMax(5000);
        card.setPointsSaldo(demo.points_saldo);
        card.setExtraPointsMax(1000);
    }
    if (demo.table) {
        card.setTableNr(12);
        card.setPartyNr(1);
    }
    if (demo.waiter)
        card.setWaiterNr(demo.number == 1009 ? 1 : 3);
    return card;
}

PosLib::TNetCardAction demoAction(int type, int modifier, const char* field, const QString& value,
                                  const QString& description)
{
    PosLib::TNetCardAction action;
    action.setDateTag(type);
    action.setModifier(modifier);
    action.setField(QString::fromLatin1(field));
    action.setNewValue(value);
    action.setDescription(description);
    action.setCreateDate(formatted.addMonths(2));
    action.setCreateWaiter(9);
    return action;
}

} // namespace

int TCardDemo::create(const QString& dataDir)
{
    TCardStore store(dataDir);
    if (store.userCount() > 0 || !store.cards().isEmpty() || !store.clientTexts().isEmpty())
        return 0;
    int written = 0;
    TCardStore::Transaction transaction(store);
    store.putUser(user, Passwords::hash(password));
    ++written;

    for (int i = 0; i < int(std::size(clients)); ++i) {
        const DemoClient& demo = clients[i];
        PosLib::TNetClient client;
        client.setID(i + 1);
        client.setPrename(QString::fromUtf8(demo.prename));
        client.setName(QString::fromUtf8(demo.name));
        client.setStreet(QString::fromUtf8(demo.street));
        client.setPlz(QString::fromLatin1(demo.plz));
        client.setCity(QString::fromUtf8(demo.city));
        client.setPhone1(QString::fromLatin1(demo.phone));
        if (demo.birthYear > 0)
            client.setBirthday(QDateTime(QDate(demo.birthYear, 1 + i % 12, 1 + i), QTime(0, 0)));
        if (i >= 16 && i < 19)
            client.setParentId(20); // staff of the canteen company
        store.putClient(client.getID(), client.toXml());
        ++written;
    }

    for (const DemoCard& demo : cards) {
        const PosLib::TCardProperties card = demoCard(demo);
        const QString uid = card.getUid();
        store.putCard({uid, card.toXml(), qint64(demo.counter), qint64(demo.number)});
        PosLib::TCardActionLog entry =
            cardLogEntry(card.toXml(), QStringLiteral("format"), QStringLiteral("office"),
                         QStringLiteral("officeFormat"), QString(), 9, formatted);
        entry.setID(store.nextLogId());
        store.addLog(uid, entry.getID(), entry.toXml());
        written += 2;
    }
    for (const char* uid : blankCards) {
        store.putCard({QString::fromLatin1(uid), QString(), 0, 0});
        ++written;
    }

    // Actions waiting for the till, and some that a till carried out already.
    const QList<std::pair<const char*, PosLib::TNetCardAction>> actions = {
        {"04A1B201",
         demoAction(1, 2, "pointssaldo", QStringLiteral("500"), QStringLiteral("Birthday bonus <500>"))},
        {"04A1B201",
         demoAction(5, 2, "enddate", QStringLiteral("6"), QStringLiteral("Extended by the manager"))},
        {"04A1B202",
         demoAction(2, 1, "creditsaldo", QStringLiteral("10000"), QStringLiteral("Reset to 100.00"))},
        {"04A1B204", demoAction(0, 1, "islocked", QStringLiteral("true"), QStringLiteral("Reported lost"))},
        {"04A1B205", demoAction(2, 2, "creditsaldo", QStringLiteral("2000"), QStringLiteral("Voucher"))},
        {"04A1B205",
         demoAction(1, 2, "pointssaldo", QStringLiteral("100"), QStringLiteral("Welcome points"))},
        {"04A1B206", demoAction(6, 2, "enddate", QStringLiteral("1"), QStringLiteral("One more year"))},
    };
    for (const auto& [uid, action] : actions) {
        PosLib::TNetCardAction stored = action;
        stored.setID(store.nextActionId());
        stored.setUid(QString::fromLatin1(uid));
        store.putAction({stored.getID(), stored.getUid(), stored.toXml(), false});
        ++written;
    }
    transaction.commit();

    // The till carries out the actions of the cards 1005 and 1006, as it would when they are
    // presented.
    TReaderSlots readers;
    TCardCommands commands(store, readers, [] { return booked; });
    for (const char* uid : {"04A1B205", "04A1B206"}) {
        readers.put(QStringLiteral("1"), QString::fromLatin1(uid));
        PosLib::TCardServerCall call;
        call.reader = QStringLiteral("1");
        call.command = PosLib::CardServer::bookActions;
        written += commands.run(call).results.value(0).toInt();
    }
    return written;
}
