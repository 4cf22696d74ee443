// Table records: where their files lie, saving and opening them with the waiter's checks, and the
// export tables of the cash office that the fiscal export device files.

#include "recordstream.h"
#include "testfiles.h"
#include "tfiscaldevice.h"
#include "ttable.h"
#include "tvaluelist.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using PosLib::TTable;
using PosLib::TTableAction;

namespace {

Basics::TValue waiter(int id, const QString& name = QStringLiteral("Anna"))
{
    Basics::TValue value;
    value.setID(id);
    value.setName(name);
    return value;
}

// An order of one article line of that amount.
PosLib::TTableOrder* order(qint64 amount)
{
    auto* action = new PosLib::TTableOrder;
    auto* line = new PosLib::TTableEntry;
    line->set("plu", 4711);
    line->setAmount(amount);
    action->entries().append(line);
    return action;
}

} // namespace

class TestTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileLocations_data();
    void fileLocations();
    void factoryKnowsEveryKind();
    void savedTableOpensAgain();
    void tableWithoutActionsIsNotKept();
    void whoMayOpenATable();
    void exportTableIsFiledByTheFiscalDevice();
};

void TestTable::fileLocations_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("open") << int(TTable::Open) << "/pos/var/tables/t12.007";
    QTest::newRow("archive") << int(TTable::Archive) << "/pos/var/archives/a815";
    QTest::newRow("restored") << int(TTable::Restored) << "/pos/var/archives/a815";
    QTest::newRow("statist") << int(TTable::Statist) << "/pos/var/statist/tag05.03.2024/a815";
    QTest::newRow("export") << int(TTable::Export) << "./vaultcashin.xxx";
}

void TestTable::fileLocations()
{
    QFETCH(int, kind);
    QFETCH(QString, expected);
    std::unique_ptr<TTable> table;
    if (kind == TTable::Open)
        table = std::make_unique<TTable>("/pos", 12, 7);
    else if (kind == TTable::Export)
        table = std::make_unique<TTable>(QString(), "vaultcashin.xxx", nullptr);
    else
        table = std::make_unique<TTable>("/pos/", TTable::Location(kind), 815, QDate(2024, 3, 5));
    QCOMPARE(table->getFileName(), expected);
    if (kind == TTable::Open)
        QCOMPARE(table->activeMarker(3), QStringLiteral("/pos/var/activetables/T12P7.3"));
}

void TestTable::factoryKnowsEveryKind()
{
    for (int kind = TTableAction::Create; kind <= TTableAction::VoidPay; ++kind) {
        std::unique_ptr<TTableAction> action(TTableAction::create(kind));
        QVERIFY(action);
        QCOMPARE(action->kind(), kind);
    }
    QVERIFY(
        dynamic_cast<PosLib::TTableBalance*>(std::unique_ptr<TTableAction>(TTableAction::create(13)).get()));
    QVERIFY(
        dynamic_cast<PosLib::VoidPayEntry*>(std::unique_ptr<TTableAction>(TTableAction::create(15)).get()));
    QVERIFY(!TTableAction::create(0));
    QVERIFY(!TTableAction::create(16));
}

void TestTable::savedTableOpensAgain()
{
    QTemporaryDir dir;
    const Basics::TValue anna = waiter(3);
    {
        TTable table(dir.path(), 12, 1);
        QSignalSpy created(&table, &TTable::created);
        QCOMPARE(table.open(&anna, true, false, 4), int(TTable::Opened));
        QCOMPARE(created.size(), 1);
        QVERIFY(QFile::exists(table.activeMarker(4)));
        table.addAction(order(350));
        table.addAction(order(150));
        auto* voided = new PosLib::TTableVoid;
        auto* line = new PosLib::TTableEntry;
        line->setAmount(150);
        voided->entries().append(line);
        table.addAction(voided);
        table.close();
        QVERIFY(!QFile::exists(table.activeMarker(4)));
        QVERIFY(!QFile::exists(table.getFileName() + ".tmp"));
    }
    TTable table(dir.path(), 12, 1);
    QSignalSpy loaded(&table, &TTable::loaded);
    QCOMPARE(table.open(&anna, false), int(TTable::Opened));
    QCOMPARE(loaded.value(0).value(0).toInt(), 3);
    QCOMPARE(table.createInfo()->getWaiterName(), QStringLiteral("Anna"));
    QCOMPARE(table.action(0)->entries().count(), 1);
    QCOMPARE(table.action(2)->kind(), int(TTableAction::Void));
    QCOMPARE(static_cast<PosLib::TTableEntry*>(*table.action(1)->entries().begin())->getAmount(),
             qint64(150));
    QCOMPARE(table.getAmount(), qint64(350)); // recomputed from the actions when saved
    QCOMPARE(table.getInt("tableindex"), 2);  // from "tablecounter.dat", which now holds it
    table.addAction(order(1));
    table.close();

    TTable next(dir.path(), 13, 1); // the next table takes the next index
    QCOMPARE(next.open(&anna, true), int(TTable::Opened));
    next.addAction(order(1));
    next.close();
    QCOMPARE(next.getInt("tableindex"), 3);
}

void TestTable::tableWithoutActionsIsNotKept()
{
    QTemporaryDir dir;
    TTable table(dir.path(), 5, 2);
    QCOMPARE(table.open(nullptr, true), int(TTable::Opened));
    QVERIFY(QFile::exists(table.getFileName()));
    QSignalSpy removed(&table, &TTable::tableRemoved);
    table.close();
    QVERIFY(!QFile::exists(table.getFileName()));
    QCOMPARE(removed.size(), 1);

    QCOMPARE(table.open(nullptr, true), int(TTable::Opened));
    table.set("reservationno", "R-17"); // a reserved table stays
    table.close();
    QVERIFY(QFile::exists(table.getFileName()));
    table.close(); // closed already: only logged
    QCOMPARE(table.state(), int(TTable::Closed));
}

void TestTable::whoMayOpenATable()
{
    QTemporaryDir dir;
    Basics::TValue anna = waiter(3);
    anna.set("mintablerange", 1);
    anna.set("maxtablerange", 20);
    {
        TTable table(dir.path(), 30, 1);
        QCOMPARE(table.open(nullptr, false), int(TTable::Missing));
        QCOMPARE(table.open(&anna, true), int(TTable::Opened));
        table.set("teams", "2, 5");
        table.addAction(order(100));
        table.close();
    }
    TTable table(dir.path(), 30, 1);
    Basics::TValue bert = waiter(4, "Bert");
    bert.set("mintablerange", 1);
    bert.set("maxtablerange", 29);
    QCOMPARE(table.open(&bert, false), int(TTable::WrongWaiter)); // table 30 is outside his range
    QCOMPARE(table.state(), int(TTable::NoAccess));
    bert.set("alltables", "yes");
    bert.set("teams", "1,3");
    QCOMPARE(table.open(&bert, false), int(TTable::WrongWaiter)); // no team of the table
    bert.set("teams", "5");
    QCOMPARE(table.open(&bert, false), int(TTable::Opened));
    table.close();
    bert.set("maxtablerange", 40);
    bert.remove("alltables");
    QCOMPARE(table.open(&bert, false), int(TTable::Opened)); // within his range
    table.close();

    Basics::TValue trainee = waiter(3);
    trainee.setFlag("trainee", true);
    QCOMPARE(table.open(&trainee, false), int(TTable::TraineeMismatch));
    QCOMPARE(table.open(&trainee, false, true), int(TTable::Opened));
    table.close();

    const QString path = table.getFileName();
    const QByteArray saved = readFile(path);
    QVERIFY(writeFile(path, saved.left(saved.size() - 5)));
    QCOMPARE(table.open(&anna, false), int(TTable::Damaged));
    QCOMPARE(readFile(path), saved.left(saved.size() - 5)); // left as it was
    Basics::TValue header;
    header.set("type", 2);
    QByteArray other;
    Basics::appendRecord(other, header);
    Basics::appendRecord(other, header);
    QVERIFY(writeFile(path, other));
    QCOMPARE(table.open(&anna, false), int(TTable::NoTable));
    QCOMPARE(table.state(), int(TTable::NotATable));
}

void TestTable::exportTableIsFiledByTheFiscalDevice()
{
    QTemporaryDir dir;
    const Basics::TValue anna = waiter(3);
    TTable table(dir.path(), "vaultcashin.xxx", &anna);
    auto* cashing = new PosLib::TTableCashing;
    cashing->setReason("cashin");
    table.setAccount(cashing, "1000");
    table.addCashMovement(cashing, "cashin", "vault", "Cash", 2500);
    table.addCashMovement(cashing, "cashin", "vault", "Card", -300);
    table.fillCashing(cashing, 2200, 2200, 1, 9, 2);
    table.addAction(cashing);
    auto* balance = new PosLib::TTableBalance;
    balance->setCCDAmount(2500);
    balance->setCCDBalance(2500);
    balance->setCCDDifferences(0);
    balance->addCashBalanceInformation(2500, 2500, true, "Cash", "Bar");
    table.addBalanceActions({balance}, 3, 9);
    QVERIFY(!balance->contains("ccddifferences")); // zero is left out

    Devices::TFiscalExportDevice device(dir.path());
    QCOMPARE(device.exportTable(table), 0);
    const QStringList filed = QDir(device.folder()).entryList(QDir::Files);
    QCOMPARE(filed.size(), 1);
    QVERIFY(filed[0].endsWith("-vaultcashin.xxx"));
    Basics::TValueList records; // as "lumdata show" reads it
    QCOMPARE(records.load(filed[0], QFile::encodeName(device.folder()).constData()), 0);
    QCOMPARE(records.count(), 7); // header, create, 2 actions, 3 lines
    QStringList texts;
    for (const Basics::TValue* record : records) {
        if (record->contains("father"))
            texts << record->getString("father") + ":" + record->getString("cashgroup") + ":" +
                         record->getString("amount", record->getString("actual"));
    }
    QCOMPARE(texts, (QStringList{"0:Cash:2500", "1:Cash:2500", "0:Card:-300"}));
    QCOMPARE(table.action(1)->getInt("waiter"), 3);

    QVERIFY(writeFile(dir.filePath("lumconfig.ini"), "[FiscalDevice]\r\nAnswer = 7\r\n"));
    QCOMPARE(device.exportTable(table), 7);
    QCOMPARE(QDir(device.folder()).entryList(QDir::Files).size(), 1); // nothing more filed
}

QTEST_GUILESS_MAIN(TestTable)
#include "tst_table.moc"
