// The counter file of the cash office and the dialog that counts a cash group by denominations.

#include "counterdialog.h"
#include "lumtesthost.h"
#include "recordstream.h"
#include "tcounter.h"
#include "terror.h"
#include "testfiles.h"

#include <QLabel>
#include <QTableWidget>
#include <QTest>

using PosLib::TCounter;

namespace {

QByteArray counterRecord(const QString& ccd)
{
    Basics::TValue record;
    record.set("ccd", ccd);
    record.set("other", 40);
    QByteArray bytes;
    Basics::appendRecord(bytes, record);
    return bytes;
}

const QByteArray counterIni = "[counters]\r\n"
                              "Cash = coin50, nofactor, note10, missing\r\n"
                              "default = coin50\r\n"
                              "[coin50]\r\n"
                              "name = 50 Cent\r\n"
                              "factor = 0.50\r\n"
                              "[nofactor]\r\n"
                              "name = Button\r\n"
                              "[note10]\r\n"
                              "name = 10 Euro\r\n"
                              "factor = 10\r\n";

} // namespace

class TestCounter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numbersFollowEachOther();
    void damagedFileHandsOutNothing_data();
    void damagedFileHandsOutNothing();
    void rowsOfACashGroup();
    void piecesTimesFactor();
};

void TestCounter::numbersFollowEachOther()
{
    QTemporaryDir dir;
    TCounter counter(dir.path() + "/cash", "counter.dat");
    QCOMPARE(counter.getCounter(TCounter::ccdKey), 1); // no file yet
    QCOMPARE(counter.getNextCCD(), 1);
    QCOMPARE(counter.getNextCCD(), 2);
    QCOMPARE(counter.getString("ccd"), QStringLiteral("3"));
    counter.setCounter("tableindex", 41);
    QCOMPARE(counter.next("tableindex"), 41);

    TCounter again(dir.path() + "/cash/", "counter.dat");
    QCOMPARE(again.getCounter("ccd"), 3);
    QCOMPARE(again.getCounter("tableindex"), 42);
    // Set back by hand: the record gets shorter, and the file is cut to it.
    again.setCounter("tableindex", 9);
    QCOMPARE(counter.getCounter("tableindex"), 9);
    QCOMPARE(counter.getNextCCD(), 3);
    const QByteArray bytes = readFile(dir.filePath("cash/counter.dat"));
    Basics::TValue record;
    Basics::RecordReader reader(bytes);
    QVERIFY(reader.read(record));
    QVERIFY(reader.atEnd()); // nothing of the longer record is left behind
}

void TestCounter::damagedFileHandsOutNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("code");
    QTest::newRow("record cut short") << counterRecord("17").chopped(3) << 304;
    QTest::newRow("not a record") << QByteArray("ccd=17\n") << 304;
    QTest::newRow("counter not a number") << counterRecord("seventeen") << 305;
    QTest::newRow("counter at its end") << counterRecord("2147483647") << 305;
}

void TestCounter::damagedFileHandsOutNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(int, code);
    QTemporaryDir dir;
    const QString path = dir.filePath("counter.dat");
    QVERIFY(writeFile(path, content));
    TCounter counter(dir.path(), "counter.dat");
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            counter.getNextCCD();
            QFAIL("a number was handed out");
        } catch (const Basics::TFileError& error) {
            QCOMPARE(error.code(), code);
            QVERIFY(error.description().contains("counter.dat"));
        }
    }
    QCOMPARE(readFile(path), content); // left for repair, not started afresh
}

void TestCounter::rowsOfACashGroup()
{
    TestHost host;
    const QString ini = host.dir.filePath("externaccountmap.ini");
    QVERIFY(writeFile(ini, counterIni));
    CounterDialog dialog(host.workspace.get(), host.window.get());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Cash Counter"));
    auto* table = child<QTableWidget>(&dialog, "CounterTable");

    QVERIFY(dialog.InsertCounters(ini, "Cash"));
    QCOMPARE(table->rowCount(), 2); // a section without factor and a missing one give no row
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("10 Euro"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("0"));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("10"));
    QCOMPARE(table->item(1, 3)->text(), QStringLiteral("0,00"));
    QCOMPARE(child<QLabel>(&dialog, "CashGroupLabel")->text(), QStringLiteral("Cash"));
    QCOMPARE(child<QLabel>(&dialog, "TotalAmountLabel")->text(), QStringLiteral("Total: 0,00"));

    QVERIFY(dialog.InsertCounters(ini, "Card")); // the default rows
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(child<QLabel>(&dialog, "CashGroupLabel")->text(), QStringLiteral("Card"));

    QVERIFY(writeFile(ini, "[counters]\r\nCash = coin50\r\n"));
    QVERIFY(!dialog.InsertCounters(ini, "Card"));
}

void TestCounter::piecesTimesFactor()
{
    TestHost host;
    ScriptedPrompts prompts;
    const QString ini = host.dir.filePath("externaccountmap.ini");
    QVERIFY(writeFile(ini, counterIni));
    CounterDialog dialog(host.workspace.get(), host.window.get());
    QVERIFY(dialog.InsertCounters(ini, "Cash"));
    auto* table = child<QTableWidget>(&dialog, "CounterTable");
    auto* total = child<QLabel>(&dialog, "TotalAmountLabel");

    table->item(0, 1)->setText("3");
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("1.50"));
    QCOMPARE(total->text(), QStringLiteral("Total: 1.50"));
    table->item(1, 1)->setText("2,5");
    QCOMPARE(table->item(1, 3)->text(), QStringLiteral("25.00"));
    QCOMPARE(dialog.GetTotalAmount(), QStringLiteral("26.50"));
    QVERIFY(prompts.messages.isEmpty());

    for (const char* bad : {"-2", "1.2.3", ",", "two"}) {
        table->item(1, 1)->setText(bad);
        QCOMPARE(prompts.messages.last().text, QStringLiteral("No valid number."));
        QCOMPARE(prompts.messages.last().caption, QStringLiteral("Counter"));
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("0"));
        QCOMPARE(dialog.GetTotalAmount(), QStringLiteral("1.50"));
    }
    QCOMPARE(prompts.messages.size(), 4);
}

QTEST_MAIN(TestCounter)
#include "tst_counter.moc"
