// The cash journal on a real database: the workspace's own SQLite file, or with
// LUM_TEST_DATABASE=postgresql the PostgreSQL data source that scripts/with-postgres.sh sets up
// (LUM_TEST_POSTGRES_DSN, LUM_TEST_POSTGRES_CTL).

#include "cashjournal.h"
#include "cashtesthost.h"
#include "testfiles.h"
#include "tlog.h"

#include <QSqlQuery>
#include <QTest>

using Database::CashGroupCCDTable;
using Database::CashGroupCCDTableList;
using Database::CashGroupJournalsTable;
using Database::CashJournal;

namespace {

const QDateTime noon = QDateTime(QDate::currentDate().addDays(-1), QTime(12, 0));

CashGroupJournalsTable journalRow(const QString& location, const QString& cashGroup, double amount,
                                  int sumOutlet = 1, const QDateTime& time = noon)
{
    CashGroupJournalsTable row;
    row.setLocation(location);
    row.setCashGroup(cashGroup);
    row.setCashAmount(amount);
    row.setOutletSumKey(sumOutlet);
    row.setTimestampRecord(time);
    return row;
}

// "location cashgroup target" of each value, in the order given.
QStringList targets(const Database::CashGroupCCDTableList& values)
{
    QStringList texts;
    for (const CashGroupCCDTable& value : values)
        texts << QStringLiteral("%1 %2 %3")
                     .arg(value.getLocation(), value.getCashGroup())
                     .arg(value.getTargetAmount());
    return texts;
}

} // namespace

class TestCashJournal : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void rowsTakeTheirDefaults();
    void rowsAreWrittenWholeOrNotAtAll();
    void countClaimsTargetsAndSettlesOneLocation();
    void journalOfATimeRange();
    void locationsNotCountedForDays();
    void countTableIsMadeWhenMissing();
    void chartsReadTheLastCountsAndTheVaultPerDay();
    void everyOperationFailsWhileTheServerIsDown();

private:
    QSqlDatabase db() { return m_host->workspace->database(); }
    int rowCount(const QString& table, const QString& where = QStringLiteral("1 = 1"));
    void installFault();
    QStringList logged() const;

    std::unique_ptr<TestHost> m_host;
    std::unique_ptr<Basics::TLog> m_log;
    std::unique_ptr<CashJournal> m_journal;
};

void TestCashJournal::init()
{
    m_host = std::make_unique<TestHost>();
    USE_TEST_DATABASE(*m_host);
    QCOMPARE(Database::kindOf(db()), onPostgres() ? Database::Kind::PostgreSQL : Database::Kind::SQLite);
    m_log = std::make_unique<Basics::TLog>();
    m_log->setLevel(Basics::TLog::All);
    m_log->setFileName(m_host->dir.filePath("journal.log"));
    m_journal = std::make_unique<CashJournal>(m_host->workspace.get(), m_log.get());
}

void TestCashJournal::cleanup()
{
    m_journal.reset();
    m_log.reset();
    m_host.reset();
}

int TestCashJournal::rowCount(const QString& table, const QString& where)
{
    QSqlQuery query(db());
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, where)) || !query.next())
        return -1;
    return query.value(0).toInt();
}

// A journal row of location "stop" makes the database fail in the middle of an insert.
void TestCashJournal::installFault()
{
    QString reason;
    QVERIFY2(installJournalFault(db(), QStringLiteral("NEW.location = 'stop'"), &reason), qPrintable(reason));
}

QStringList TestCashJournal::logged() const
{
    return logLines(m_host->dir.filePath("journal.log"));
}

void TestCashJournal::rowsTakeTheirDefaults()
{
    CashGroupJournalsTable bare;
    bare.setTimestampRecord(noon);
    CashGroupJournalsTable flush =
        journalRow(QStringLiteral("O'Brien(7)"), QStringLiteral("Bar \u20ac"), -12.5);
    flush.setBagNo(4711);
    flush.setBillNum(Q_INT64_C(5000000000));
    flush.setVaultInfo(QStringLiteral("Safe; 'left'"));
    QVERIFY2(m_journal->InsertJournalRow(bare), qPrintable(m_journal->ErrorText()));
    QVERIFY(m_journal->InsertJournalRow(flush));

    QSqlQuery query(db());
    QVERIFY(query.exec(
        "SELECT location, outlet, outletname, mandant, mandantname, outletsumkey, terminal, termname,"
        " center, centername, waiter, waitername, cashgroup, cashamount, cashform, cashreason, bagno,"
        " billnum, cashccd_id, vaultinfo, timestamprecord, timestampimport"
        " FROM CashGroupJournals ORDER BY id"));
    QVERIFY(query.next());
    QStringList bareTexts;
    for (int column = 0; column < 20; ++column)
        bareTexts << (query.isNull(column) ? QStringLiteral("NULL") : query.value(column).toString());
    QCOMPARE(bareTexts.join(u'|'), QStringLiteral("X|1|X|1|X|1|1|X|1|X|1|X|X|0|1|X|NULL|0|0|"));
    QCOMPARE(query.value(20).toDateTime(), noon);
    QVERIFY(qAbs(query.value(21).toDateTime().secsTo(QDateTime::currentDateTime())) < 60);

    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), QStringLiteral("O'Brien(7)"));
    QCOMPARE(query.value(12).toString(), QStringLiteral("Bar \u20ac"));
    QCOMPARE(query.value(13).toDouble(), -12.5);
    QCOMPARE(query.value(16).toInt(), 4711);
    QCOMPARE(query.value(17).toLongLong(), Q_INT64_C(5000000000));
    QCOMPARE(query.value(19).toString(), QStringLiteral("Safe; 'left'"));
    QVERIFY(!m_journal->failed());
}

void TestCashJournal::rowsAreWrittenWholeOrNotAtAll()
{
    installFault();
    Database::CashGroupJournalsTableList rows;
    for (int i = 0; i < 150; ++i) {
        rows << journalRow(QStringLiteral("Waiter(%1)").arg(i % 7), QStringLiteral("Cash"), i);
        if (i % 60 == 59)
            rows.last().setBagNo(i); // another set of columns in the middle of a statement's rows
    }
    Database::CashGroupJournalsTableList faulty = rows;
    faulty.insert(97, journalRow(QStringLiteral("stop"), QStringLiteral("Cash"), 1));

    QVERIFY(!m_journal->InsertJournalRows(faulty));
    QVERIFY(m_journal->ErrorText().startsWith(QStringLiteral("Type: ")));
    QVERIFY(m_journal->ErrorText().contains(QStringLiteral(" DB: ")));
    QVERIFY(
        logged().last().endsWith(QStringLiteral("insert journal rows failed. ") + m_journal->ErrorText()));
    QCOMPARE(rowCount("CashGroupJournals"), 0);

    // The next operation finds a working connection again.
    QVERIFY2(m_journal->InsertJournalRows(rows), qPrintable(m_journal->ErrorText()));
    QCOMPARE(rowCount("CashGroupJournals"), 150);
    QCOMPARE(rowCount("CashGroupJournals", "bagno IS NOT NULL"), 2);
    QSqlQuery order(db());
    QVERIFY(order.exec("SELECT cashamount FROM CashGroupJournals ORDER BY id"));
    for (int i = 0; order.next(); ++i)
        QCOMPARE(order.value(0).toInt(), i);
}

void TestCashJournal::countClaimsTargetsAndSettlesOneLocation()
{
    const QString obrien = QStringLiteral("O'Brien(7)");
    Database::CashGroupJournalsTableList rows = {
        journalRow(obrien, QStringLiteral("Cash"), 50),
        journalRow(obrien, QStringLiteral("Cash"), -20),
        journalRow(obrien, QStringLiteral("Card"), 33.25),
        journalRow(QStringLiteral("Bar"), QStringLiteral("Cash"), 100),
        journalRow(QStringLiteral("Bar"), QStringLiteral("Cash"), 1, 2), // another sum outlet
    };
    CashGroupJournalsTable vault = journalRow(QStringLiteral("vault"), QStringLiteral("Cash"), 500);
    vault.setCashCCDId(-1); // vault bookings come claimed already
    CashGroupJournalsTable settled = journalRow(QStringLiteral("Bar"), QStringLiteral("Cash"), 7);
    settled.setCashCCDId(3);
    rows << vault << settled;
    QVERIFY(m_journal->InsertJournalRows(rows));

    QVERIFY(m_journal->PrepareCCDRows(1));
    QCOMPARE(targets(m_journal->GetCCDValues(1)),
             (QStringList{"Bar Cash 100", "O'Brien(7) Card 33.25", "O'Brien(7) Cash 30", "vault Cash 500"}));
    QCOMPARE(targets(m_journal->GetCCDValues(1, obrien)),
             (QStringList{"O'Brien(7) Card 33.25", "O'Brien(7) Cash 30"}));

    QVERIFY(m_journal->MarkCCDRows(1, 12, obrien));
    QCOMPARE(rowCount("CashGroupJournals", "cashccd_id = 12"), 3);
    QCOMPARE(rowCount("CashGroupJournals", "cashccd_id = -1"),
             2); // the bar and the vault wait for their count
    QCOMPARE(rowCount("CashGroupJournals", "cashccd_id = 0"), 1); // the other sum outlet was not prepared
    QCOMPARE(targets(m_journal->GetCCDValues(1)), (QStringList{"Bar Cash 100", "vault Cash 500"}));

    // An outlet without open rows: nothing changes, and that is no failure.
    QVERIFY(m_journal->MarkCCDRows(1, 13, QStringLiteral("Bar")));
    QVERIFY(m_journal->MarkCCDRows(1, 14, QStringLiteral("vault")));
    QVERIFY(m_journal->PrepareCCDRows(1));
    QVERIFY(m_journal->GetCCDValues(1).isEmpty());
    QVERIFY(!m_journal->failed());
    QCOMPARE(rowCount("CashGroupJournals", "cashccd_id = 3"), 1);
}

void TestCashJournal::journalOfATimeRange()
{
    const QDateTime start(QDate(2024, 3, 5), QTime(0, 0));
    Database::CashGroupJournalsTableList rows;
    for (int hour : {30, 2, 0, 12, 24, 23}) // 30 and 24 are on the next day
        rows << journalRow(QStringLiteral("Waiter(%1)").arg(hour), QStringLiteral("Cash"), hour, 1,
                           start.addSecs(hour * 3600));
    rows[3].setCashReason(QStringLiteral("CashIO CashIN"));
    rows[3].setWaiterName(QStringLiteral("Anna"));
    rows[3].setTermName(QStringLiteral("office"));
    rows[3].setBillNum(77);
    rows << journalRow(QStringLiteral("elsewhere"), QStringLiteral("Cash"), 1, 2, start.addSecs(3600));
    QVERIFY(m_journal->InsertJournalRows(rows));

    const Database::JournalDataList day = m_journal->GetJournal(1, start, start.addSecs(24 * 3600));
    QStringList locations;
    for (const Database::JournalData& line : day)
        locations << line.location;
    QCOMPARE(locations, (QStringList{"Waiter(0)", "Waiter(2)", "Waiter(12)", "Waiter(23)", "Waiter(24)"}));
    const Database::JournalData& noonLine = day[2];
    QCOMPARE(noonLine.timestamp, start.addSecs(12 * 3600));
    QCOMPARE(noonLine.waiterName, QStringLiteral("Anna"));
    QCOMPARE(noonLine.cashGroup, QStringLiteral("Cash"));
    QCOMPARE(noonLine.amount, 12.0);
    QCOMPARE(noonLine.reason, QStringLiteral("CashIO CashIN"));
    QCOMPARE(noonLine.terminalName, QStringLiteral("office"));
    QCOMPARE(noonLine.billNumber, Q_INT64_C(77));
    QVERIFY(m_journal->GetJournal(1, start.addDays(-2), start.addSecs(-1)).isEmpty());
    QVERIFY(!m_journal->failed());
}

void TestCashJournal::locationsNotCountedForDays()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime tenDaysAgo(now.date().addDays(-10), QTime(9, 30));
    const QDateTime fourDaysAgo(now.date().addDays(-4), QTime(18, 5));
    QVERIFY(m_journal->InsertJournalRows({
        journalRow(QStringLiteral("never counted"), QStringLiteral("Cash"), 5, 1, tenDaysAgo),
        journalRow(QStringLiteral("never counted"), QStringLiteral("Cash"), 5, 1, now),
        journalRow(QStringLiteral("counted lately"), QStringLiteral("Cash"), 5, 1, tenDaysAgo),
        journalRow(QStringLiteral("counted a while ago"), QStringLiteral("Cash"), 5, 1, tenDaysAgo),
        journalRow(QStringLiteral("fresh"), QStringLiteral("Cash"), 5, 1, now),
        journalRow(QStringLiteral("other outlet"), QStringLiteral("Cash"), 5, 2, tenDaysAgo),
    }));
    CashGroupCCDTable lately;
    lately.setLocation(QStringLiteral("counted lately"));
    lately.setSumOutletId(1);
    lately.setCCDTimestamp(now.addSecs(-3600));
    CashGroupCCDTable earlier = lately;
    earlier.setLocation(QStringLiteral("counted a while ago"));
    earlier.setCCDTimestamp(fourDaysAgo.addDays(-2));
    CashGroupCCDTable last = earlier;
    last.setCCDTimestamp(fourDaysAgo);
    QVERIFY2(m_journal->InsertCCDRows({lately, earlier, last}), qPrintable(m_journal->ErrorText()));

    const QMap<QString, QString> pending = m_journal->GetNoCCDSince(3, 1);
    QCOMPARE(pending.keys(), (QStringList{"counted a while ago", "never counted"}));
    QCOMPARE(pending.value("never counted"), tenDaysAgo.toString("dd.MM.yyyy hh:mm"));
    QCOMPARE(pending.value("counted a while ago"), fourDaysAgo.toString("dd.MM.yyyy hh:mm"));
    QCOMPARE(m_journal->GetNoCCDSince(5, 1).keys(), QStringList{"never counted"});
    QVERIFY(!m_journal->failed());
}

void TestCashJournal::countTableIsMadeWhenMissing()
{
    QVERIFY(m_journal->MakeCCDTable()); // there already
    QSqlQuery drop(db());
    QVERIFY(drop.exec(onPostgres() ? "DROP TABLE cashgroupccd CASCADE" : "DROP TABLE cashgroupccd"));
    QVERIFY2(m_journal->MakeCCDTable(), qPrintable(m_journal->ErrorText()));

    CashGroupCCDTable row;
    row.setCCDTimestamp(noon);
    row.setLocation(QStringLiteral("O'Brien(7)"));
    row.setCashGroup(QStringLiteral("Cash"));
    row.setTargetAmount(30);
    row.setActualAmount(28.5);
    row.setDifferenceAmount(-1.5);
    row.setSumOutletId(1);
    row.setCCDId(12);
    QVERIFY(m_journal->InsertCCDRows({row, row}));
    QSqlQuery query(db());
    QVERIFY(query.exec(
        "SELECT id, location, differenceamount, outletname, waiterid FROM cashgroupccd ORDER BY id"));
    QVERIFY(query.next());
    const qint64 firstId = query.value(0).toLongLong();
    QCOMPARE(query.value(1).toString(), QStringLiteral("O'Brien(7)"));
    QCOMPARE(query.value(2).toDouble(), -1.5);
    QCOMPARE(query.value(3).toString(), QString()); // NOT NULL columns the record lacks are empty
    QVERIFY(query.isNull(4));                       // the others stay NULL
    QVERIFY(query.next());
    QVERIFY(query.value(0).toLongLong() > firstId); // numbered by the database
}

void TestCashJournal::chartsReadTheLastCountsAndTheVaultPerDay()
{
    // 32 counts of the bar, each of cash and card; the last one over in cash and short in card.
    const QDateTime first(QDate(2024, 3, 1), QTime(23, 0));
    CashGroupCCDTableList counts;
    for (int number = 1; number <= 32; ++number) {
        for (const auto& [group, difference] :
             {std::pair{"Cash", number == 32 ? 2.5 : 0.0}, std::pair{"Card", number == 32 ? -4.0 : 0.0}}) {
            CashGroupCCDTable row;
            row.setLocation(QStringLiteral("Bar"));
            row.setCashGroup(QLatin1String(group));
            row.setSumOutletId(1);
            row.setCCDId(number);
            row.setCCDTimestamp(first.addDays(number));
            row.setTargetAmount(100 + number);
            row.setActualAmount(100 + number + difference);
            row.setDifferenceAmount(difference);
            counts << row;
        }
    }
    counts << counts.last();
    counts.last().setSumOutletId(2); // another sum outlet's count
    counts.last().setCCDId(99);
    QVERIFY2(m_journal->InsertCCDRows(counts), qPrintable(m_journal->ErrorText()));

    const Database::CountSummaryList bar = m_journal->GetLastCounts(1, QStringLiteral("Bar"), 30);
    QCOMPARE(bar.size(), 30);
    QCOMPARE(bar.first().ccdNumber, 3); // the oldest of the last 30 first
    QCOMPARE(bar.first().time, first.addDays(3));
    QCOMPARE(bar.first().target, 206.0);
    QCOMPARE(bar.first().surplus, 0.0);
    const Database::CountSummary& last = bar.last();
    QCOMPARE(last.ccdNumber, 32);
    QCOMPARE(last.target, 264.0);
    QCOMPARE(last.actual, 262.5);
    QCOMPARE(last.surplus, 2.5); // a shortage does not hide a surplus in another cash group
    QCOMPARE(last.shortage, -4.0);
    QVERIFY(m_journal->GetLastCounts(1, QStringLiteral("Terrace"), 30).isEmpty());

    // The vault: 500 before the period, two movements on its second day, card cash on its fourth.
    const QDate from(2024, 3, 10);
    const auto vault = [](const char* group, double amount, const QDateTime& time, int sumOutlet = 1) {
        CashGroupJournalsTable row =
            journalRow(QStringLiteral("vault"), QLatin1String(group), amount, sumOutlet, time);
        row.setCashCCDId(-1);
        return row;
    };
    QVERIFY(m_journal->InsertJournalRows({
        vault("Cash", 500, QDateTime(from.addDays(-3), QTime(9, 0))),
        vault("Cash", 100, QDateTime(from.addDays(1), QTime(0, 0))),
        vault("Cash", -30, QDateTime(from.addDays(1), QTime(23, 59, 59))),
        vault("Card", 40, QDateTime(from.addDays(3), QTime(12, 0))),
        vault("Cash", 1000, QDateTime(from.addDays(7), QTime(0, 0))), // after the period
        vault("Cash", 1000, QDateTime(from.addDays(1), QTime(8, 0)), 2),
        journalRow(QStringLiteral("Terrace"), QStringLiteral("Cash"), 12, 1, QDateTime(from, QTime(9, 0))),
        vault("Cash", 560, QDateTime(from.addDays(2), QTime(12, 0))), // what the vault's count found
    }));
    // The count settled the 570 the vault held; it found 560.
    CashGroupCCDTable vaultCount;
    vaultCount.setLocation(QStringLiteral("vault"));
    vaultCount.setCashGroup(QStringLiteral("Cash"));
    vaultCount.setSumOutletId(1);
    vaultCount.setCCDId(40);
    vaultCount.setCCDTimestamp(QDateTime(from.addDays(2), QTime(12, 0)));
    vaultCount.setTargetAmount(570);
    vaultCount.setActualAmount(560);
    vaultCount.setDifferenceAmount(-10);
    QVERIFY(m_journal->InsertCCDRows({vaultCount}));
    const Database::VaultBalanceList balances =
        m_journal->GetBalances(1, QStringLiteral("vault"), from, from.addDays(6));
    QCOMPARE(balances.size(), 2);
    QCOMPARE(balances[0].cashGroup, QStringLiteral("Card"));
    QCOMPARE(balances[0].opening, 0.0);
    QCOMPARE(balances[0].days, (QList<QPair<QDate, double>>{{from.addDays(3), 40.0}}));
    QCOMPARE(balances[1].cashGroup, QStringLiteral("Cash"));
    QCOMPARE(balances[1].opening, 500.0);
    QCOMPARE(balances[1].days,
             (QList<QPair<QDate, double>>{{from.addDays(1), 570.0}, {from.addDays(2), 560.0}}));

    // Counted, or waiting for a first count; not the other outlet's.
    QCOMPARE(m_journal->GetChartLocations(1), (QStringList{"Bar", "Terrace", "vault"}));
    QVERIFY(!m_journal->failed());
}

void TestCashJournal::everyOperationFailsWhileTheServerIsDown()
{
    if (!onPostgres())
        QSKIP("An embedded database does not go down.");
    QVERIFY(m_journal->InsertJournalRow(journalRow(QStringLiteral("Bar"), QStringLiteral("Cash"), 1)));
    {
        StoppedServer server;
        QVERIFY(server.stopped());
        const qsizetype before = logged().size();
        QVERIFY(!m_journal->InsertJournalRow(journalRow(QStringLiteral("Bar"), QStringLiteral("Cash"), 2)));
        QVERIFY(
            !m_journal->InsertJournalRows({journalRow(QStringLiteral("Bar"), QStringLiteral("Cash"), 3)}));
        QVERIFY(!m_journal->InsertCCDRows({CashGroupCCDTable()}));
        QVERIFY(!m_journal->PrepareCCDRows(1));
        QVERIFY(!m_journal->MarkCCDRows(1, 1, QStringLiteral("Bar")));
        QVERIFY(m_journal->GetCCDValues(1).isEmpty() && m_journal->failed());
        QVERIFY(m_journal->GetJournal(1, noon.addDays(-1), noon.addDays(1)).isEmpty() && m_journal->failed());
        QVERIFY(m_journal->GetNoCCDSince(0, 1).isEmpty() && m_journal->failed());
        QVERIFY(m_journal->GetChartLocations(1).isEmpty() && m_journal->failed());
        QVERIFY(m_journal->GetLastCounts(1, QStringLiteral("Bar"), 30).isEmpty() && m_journal->failed());
        QVERIFY(m_journal->GetBalances(1, QStringLiteral("vault"), noon.date(), noon.date()).isEmpty() &&
                m_journal->failed());
        QVERIFY(!m_journal->MakeCCDTable());
        QVERIFY(m_journal->ErrorText().contains(QStringLiteral("Unable to connect")));
        const QStringList lines = logged().mid(before);
        QCOMPARE(lines.size(), 12);
        for (const QString& line : lines)
            QVERIFY2(line.contains(QStringLiteral(" failed. Type: ")), qPrintable(line));
    }
    // Back again: the next operation connects anew.
    QVERIFY2(m_journal->InsertJournalRow(journalRow(QStringLiteral("Bar"), QStringLiteral("Cash"), 4)),
             qPrintable(m_journal->ErrorText()));
    QCOMPARE(rowCount("CashGroupJournals"), 2);
}

QTEST_MAIN(TestCashJournal)
#include "tst_cashjournal.moc"
