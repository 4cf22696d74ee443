// The cash office as an operator works it: cash to a waiter and back, the vault, counting a drawer,
// the journal, and what happens when the fiscal device refuses or the database goes away. On the
// workspace's own SQLite file, or with LUM_TEST_DATABASE=postgresql on PostgreSQL
// (scripts/with-postgres.sh).

#include "accountmap.h"
#include "cashchartview.h"
#include "cashjournal.h"
#include "cashtesthost.h"
#include "cashtransactionsdialog.h"
#include "counterdialog.h"
#include "fiscalexport.h"
#include "outletdata.h"
#include "tcounter.h"
#include "testfiles.h"
#include "tfiscaldevice.h"
#include "tlog.h"
#include "ttable.h"

#include <QApplication>
#include <QBarSet>
#include <QButtonGroup>
#include <QChart>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineSeries>
#include <QSpinBox>
#include <QSqlQuery>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

using Database::CashGroupJournalsTable;

namespace {

const QByteArray accountMapText = "[accountmap]\r\nCash = 1\r\nVoucher = 3\r\nCredit card = 99\r\n"
                                  "[vaultaccountmap]\r\nCash = 1600;1610;2700;2710\r\n"
                                  "[vaultpayforms]\r\ncashin = 1,2,3\r\ncashout = 1\r\nflush = 1\r\n"
                                  "[vaultinfos]\r\ncashin = Bank,Tips\r\nflush = Night safe\r\n"
                                  "[settings]\r\npendingccddays = 3\r\n"
                                  "[counters]\r\nCash = note10,coin50\r\n"
                                  "[note10]\r\nname = 10 Euro\r\nfactor = 10\r\n"
                                  "[coin50]\r\nname = 50 Cent\r\nfactor = 0.50\r\n";

CashGroupJournalsTable sale(const QString& location, const QString& cashGroup, double amount,
                            const QDateTime& time = QDateTime::currentDateTime().addSecs(-3600))
{
    CashGroupJournalsTable row;
    row.setLocation(location);
    row.setCashGroup(cashGroup);
    row.setCashAmount(amount);
    row.setOutletSumKey(1);
    row.setCashReason(QStringLiteral("Sale"));
    row.setTimestampRecord(time);
    return row;
}

// The texts of one column of a table, top to bottom.
QStringList cells(const QTableWidget* table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, column)->text();
    return texts;
}

} // namespace

class TestCashOffice : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void settingsFiles_data();
    void settingsFiles();
    void cashGoesToAWaiterAndBack();
    void vaultDepositWithdrawalAndFlush();
    void countingADrawerAgainstItsTargets();
    void counterFillsTheCount();
    void journalShowsTheBookingsWhileItIsRead();
    void journalPageChartsTheCountsAndTheVault();
    void refusedExportIsHandedOverLater_data();
    void refusedExportIsHandedOverLater();
    void databaseGoneInTheMiddleOfABooking();
    void amountsAsTyped_data();
    void amountsAsTyped();
    void cellAmounts_data();
    void cellAmounts();
    void pendingCountsWarn();
    void withoutDatabaseNothingIsAvailable();
    void readOnlyUserBooksNothing();

private:
    void open();
    // Answers "Book transaction?" (and the questions after it) and presses Book.
    void book(QList<int> answers = {0});
    QString lastText() const
    {
        return m_prompts->messages.isEmpty() ? QString() : m_prompts->messages.last().text;
    }
    QStringList texts() const;
    void setTab(int index) { child<QTabWidget>(m_dialog.get(), "MainTabView")->setCurrentIndex(index); }
    QTableWidget* table(const char* name) { return child<QTableWidget>(m_dialog.get(), name); }
    // "location|cashgroup|amount|reason|cashccd_id" of the journal's rows in order.
    QStringList journal(const QString& where = QStringLiteral("1 = 1"));
    int rowCount(const QString& table, const QString& where = QStringLiteral("1 = 1"));
    // The tables the fiscal device received, in order.
    std::vector<std::unique_ptr<PosLib::TTable>> exported() const;
    QStringList logged() const { return logLines(m_host->dir.filePath("office.log")); }
    void writeConfig(const QByteArray& text)
    {
        QVERIFY(writeFile(m_host->dir.filePath("lumconfig.ini"), text));
    }

    std::unique_ptr<TestHost> m_host;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<Devices::TFiscalExportDevice> m_device;
    std::unique_ptr<CashTransactionsDialog> m_dialog;
};

void TestCashOffice::init()
{
    m_host = std::make_unique<TestHost>();
    USE_TEST_DATABASE(*m_host);
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_host->put("currencies", 1, {{"name", "Euro"}, {"decpos", "2"}});
    m_host->put("payforms", 1,
                {{"name", "Cash"}, {"extposacc", "1000"}, {"extnegacc", "1001"}, {"extnegdiffacc", "2710"}});
    m_host->put("payforms", 2, {{"name", "Credit card"}, {"drawercounted", "no"}});
    m_host->put("payforms", 3, {{"name", "Voucher"}});
    m_host->put("waiters", 1, {{"name", "Anna"}});
    m_host->put("waiters", 4, {{"name", "Max"}, {"trainee", "yes"}});
    m_host->put("waiters", 7, {{"name", "O'Brien"}});
    m_host->put("costcenters", 1, {{"name", "Restaurant"}});
    m_host->put("settings", 0, {{"cashoutlet", "1"}, {"officeid", "3"}});
    QVERIFY(writeFile(m_host->dir.filePath("externaccountmap.ini"), accountMapText));
    QVERIFY(writeFile(
        m_host->dir.filePath("outlets.ini"),
        "[settings]\r\noutlet = 4\r\noutletname = Lindenhof\r\nmandant = 2\r\nmandantname = GmbH\r\n"));
    m_device = std::make_unique<Devices::TFiscalExportDevice>(m_host->dir.path());
    TLumWorkspace::FiscalDeviceList.append(m_device.get());
    Basics::TLog::instance().setFileName(m_host->dir.filePath("office.log"));
    Basics::TLog::instance().setLevel(Basics::TLog::Debug);
}

void TestCashOffice::cleanup()
{
    m_dialog.reset();
    TLumWorkspace::FiscalDeviceList.clear();
    m_device.reset();
    Basics::TLog::instance().setLevel(Basics::TLog::Off);
    m_prompts.reset();
    m_host.reset();
}

void TestCashOffice::open()
{
    m_dialog = std::make_unique<CashTransactionsDialog>(m_host->workspace.get(), m_host->window.get());
    m_dialog->InitData();
}

void TestCashOffice::book(QList<int> answers)
{
    for (int answer : answers)
        m_prompts->choices.enqueue(answer);
    click(m_dialog.get(), "BookButton");
}

QStringList TestCashOffice::texts() const
{
    QStringList all;
    for (const auto& message : m_prompts->messages)
        all << message.text;
    return all;
}

QStringList TestCashOffice::journal(const QString& where)
{
    QSqlQuery query(m_host->workspace->database());
    if (!query.exec(QStringLiteral("SELECT location, cashgroup, cashamount, cashreason, cashccd_id FROM "
                                   "CashGroupJournals WHERE %1 ORDER BY id")
                        .arg(where)))
        return {query.lastError().text()};
    QStringList rows;
    while (query.next())
        rows << QStringLiteral("%1|%2|%3|%4|%5")
                    .arg(query.value(0).toString(), query.value(1).toString())
                    .arg(query.value(2).toDouble())
                    .arg(query.value(3).toString())
                    .arg(query.value(4).toLongLong());
    return rows;
}

int TestCashOffice::rowCount(const QString& table, const QString& where)
{
    QSqlQuery query(m_host->workspace->database());
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, where)) || !query.next())
        return -1;
    return query.value(0).toInt();
}

std::vector<std::unique_ptr<PosLib::TTable>> TestCashOffice::exported() const
{
    std::vector<std::unique_ptr<PosLib::TTable>> tables;
    const QDir folder(m_device->folder());
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        auto table = std::make_unique<PosLib::TTable>(folder.path(), name, nullptr);
        if (table->fromBytes(readFile(folder.filePath(name))))
            tables.push_back(std::move(table));
    }
    return tables;
}

void TestCashOffice::settingsFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("cashGroup");
    QTest::addColumn<int>("cashForm");
    QTest::addColumn<QString>("flushAccount");
    QTest::addColumn<QString>("cashInPayforms");
    QTest::addColumn<int>("pendingDays");

    QTest::newRow("mapped") << QByteArray(
                                   "[accountmap]\nCash = 1\n[vaultaccountmap]\ncash = a;b;c;d\n"
                                   "[vaultpayforms]\ncashin = 3, 1 ,x,3\n[settings]\npendingccddays = 5\n")
                            << "Cash" << 1 << "b"
                            << "3,1" << 5;
    QTest::newRow("names without case") << QByteArray("[AccountMap]\nCASH = 3\n") << "cash" << 3 << ""
                                        << "" << 0;
    QTest::newRow("no payment form") << QByteArray("[accountmap]\nCash = 99\n") << "Cash" << 999 << ""
                                     << "" << 0;
    QTest::newRow("zero") << QByteArray("[accountmap]\nCash = 0\n") << "Cash" << 999 << ""
                          << "" << 0;
    QTest::newRow("not a number") << QByteArray("[accountmap]\nCash = one\n[settings]\npendingccddays = x\n")
                                  << "Cash" << 999 << ""
                                  << "" << 0;
    QTest::newRow("one account only") << QByteArray("[vaultaccountmap]\nCash = 1600\n") << "Cash" << 999 << ""
                                      << "" << 0;
    QTest::newRow("a quote in the name")
        << QByteArray("[accountmap]\nO'Brien's = 1\n") << "O'Brien's" << 1 << ""
        << "" << 0;
}

void TestCashOffice::settingsFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, cashGroup);
    const QString path = m_host->dir.filePath("map.ini");
    QVERIFY(writeFile(path, text));
    TAccountMap map;
    QVERIFY(map.read(path, m_host->list("payforms")));
    QTEST(map.cashForm(cashGroup), "cashForm");
    QTEST(map.vaultAccount(cashGroup, TAccountMap::VaultCashOut), "flushAccount");
    QStringList ids;
    for (int id : map.vaultPayforms(QStringLiteral("cashin")))
        ids << QString::number(id);
    QTEST(ids.join(u','), "cashInPayforms");
    QTEST(map.pendingCCDDays(), "pendingDays");

    // Without the files: nothing mapped, and the outlet of the defaults.
    QVERIFY(!map.read(m_host->dir.filePath("missing.ini"), m_host->list("payforms")));
    QCOMPARE(map.cashForm(QStringLiteral("Cash")), 999);
    TOutletData outlet;
    QVERIFY(!outlet.read(m_host->dir.filePath("missing.ini")));
    QCOMPARE(outlet.outlet, 1);
    QCOMPARE(outlet.outletName, QStringLiteral("defaultoutlet"));
}

void TestCashOffice::cashGoesToAWaiterAndBack()
{
    open();
    auto* waiters = child<QComboBox>(m_dialog.get(), "CashIoWaiterComboBox");
    QCOMPARE(waiters->count(), 2); // not the trainee
    choose(waiters, 7);
    click(m_dialog.get(), "CashOutRadioButton");
    QCOMPARE(child<QLabel>(m_dialog.get(), "CashIoAccountInfoField")->text(), QStringLiteral("1001"));
    retype(child<QLineEdit>(m_dialog.get(), "CashIoAmountField"), QStringLiteral("10,00"));
    book();
    QCOMPARE(lastText(), QStringLiteral("Booking complete."));
    QCOMPARE(journal(),
             (QStringList{"vault|Cash|10|CashIO CashOUT|0", "O'Brien(7)|Cash|-10|CashIO CashOUT|0"}));
    QCOMPARE(child<QLineEdit>(m_dialog.get(), "CashIoAmountField")->text(), QStringLiteral("0,00"));

    // Back, booked by the waiter logged in.
    m_host->window->setUser(7);
    click(m_dialog.get(), "CashInRadioButton");
    QCOMPARE(child<QLabel>(m_dialog.get(), "CashIoAccountInfoField")->text(), QStringLiteral("1000"));
    retype(child<QLineEdit>(m_dialog.get(), "CashIoAmountField"), QStringLiteral("10.00"));
    book();
    QCOMPARE(journal("cashreason = 'CashIO CashIN'"),
             (QStringList{"vault|Cash|-10|CashIO CashIN|0", "O'Brien(7)|Cash|10|CashIO CashIN|0"}));

    QSqlQuery query(m_host->workspace->database());
    QVERIFY(query.exec(
        "SELECT outlet, outletname, mandant, mandantname, outletsumkey, terminal, termname, center,"
        " centername, waiter, waitername, cashform FROM CashGroupJournals ORDER BY id"));
    QStringList fields;
    for (int row = 0; row < 3 && query.next(); row += 2) {
        QStringList values;
        for (int column = 0; column < 12; ++column)
            values << query.value(column).toString();
        fields << values.join(u'|');
        query.next();
    }
    QCOMPARE(fields, (QStringList{"4|Lindenhof|2|GmbH|1|3|office|1|Restaurant|1|Anna|1",
                                  "4|Lindenhof|2|GmbH|1|3|office|1|Restaurant|7|O'Brien|1"}));
    QVERIFY(exported().empty()); // cash handed to a waiter is not exported
}

void TestCashOffice::vaultDepositWithdrawalAndFlush()
{
    open();
    setTab(2);
    QTableWidget* vault = table("VaultTableView");
    QCOMPARE(cells(vault, 0), (QStringList{"Cash", "Voucher"})); // the credit card is never in the drawer
    QCOMPARE(child<QComboBox>(m_dialog.get(), "VaultInfoBox")->itemText(1), QStringLiteral("Tips"));
    vault->item(0, 1)->setText(QStringLiteral("500"));
    QCOMPARE(vault->item(0, 1)->text(), QStringLiteral("500,00"));
    // Another action while amounts wait: "&No" keeps them and the action they were entered for.
    click(m_dialog.get(), "JournalCashOutButton");
    QCOMPARE(lastText(), QStringLiteral("Lost modified data?"));
    QVERIFY(child<QAbstractButton>(m_dialog.get(), "JournalCashInButton")->isChecked());
    QCOMPARE(child<QAbstractButton>(m_dialog.get(), "BookButton")->text(), QStringLiteral("CashIn"));
    QCOMPARE(cells(vault, 1), (QStringList{"500,00", "0,00"}));
    book();
    QCOMPARE(lastText(), QStringLiteral("Booking complete."));
    QCOMPARE(vault->item(0, 2)->text(), QStringLiteral("500,00")); // the vault's new target

    click(m_dialog.get(), "JournalCashOutButton");
    QCOMPARE(cells(vault, 0), QStringList{"Cash"});
    vault->item(0, 1)->setText(QStringLiteral("120"));
    book();
    click(m_dialog.get(), "JournalFlushButton");
    QVERIFY(child<QSpinBox>(m_dialog.get(), "BagNoSpinControl")->isEnabled());
    child<QSpinBox>(m_dialog.get(), "BagNoSpinControl")->setValue(4711);
    vault->item(0, 1)->setText(QStringLiteral("200"));
    book();
    QCOMPARE(texts().count(QStringLiteral("Booking complete.")), 3);
    QCOMPARE(journal(), (QStringList{"vault|Cash|500|Vault CashIN|-1", "vault|Cash|-120|Vault CashOUT|-1",
                                     "vault|Cash|-200|Vault Flush|-1"}));
    QCOMPARE(rowCount("CashGroupJournals", "bagno = 4711 AND vaultinfo = 'Night safe'"), 1);
    QCOMPARE(rowCount("CashGroupJournals", "vaultinfo = 'Bank' AND cashform = 1"), 1);

    // Each booking went to the fiscal device: one cashing per amount, with its account and line.
    const auto tables = exported();
    QCOMPARE(int(tables.size()), 3);
    QStringList actions;
    for (const auto& exportTable : tables) {
        QCOMPARE(int(exportTable->actions().size()), 1);
        const PosLib::TTableAction& cashing = *exportTable->actions().begin()->second;
        QCOMPARE(cashing.kind(), int(PosLib::TTableAction::Cashing));
        const auto* line = cashing.entries().isEmpty()
                               ? nullptr
                               : static_cast<const PosLib::TTableEntry*>(*cashing.entries().begin());
        QVERIFY(line);
        actions << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(exportTable->getFileName().section(u'/', -1).section(u'-', 2),
                            cashing.getReason(), cashing.getExtAccount())
                       .arg(line->getAmount())
                       .arg(cashing.getVaultBag());
    }
    QCOMPARE(actions,
             (QStringList{"vaultcashin.xxx cashin 1600 50000 ", "vaultcashout.xxx cashout 1610 -12000 ",
                          "vaultflush.xxx flush 1610 -20000 4711"}));
}

void TestCashOffice::countingADrawerAgainstItsTargets()
{
    Database::CashJournal cash(m_host->workspace.get());
    QVERIFY(cash.InsertJournalRows(
        {sale("O'Brien(7)", "Cash", 45.5), sale("O'Brien(7)", "Credit card", 20), sale("Bar", "Cash", 30)}));
    open();
    setTab(1);
    auto* locations = child<QComboBox>(m_dialog.get(), "CCDLocationComboBox");
    QCOMPARE(locations->count(), 2);
    choose(locations, 2);
    emit locations->activated(locations->currentIndex());
    QTableWidget* count = table("CCDCashGroupsTableView");
    QCOMPARE(cells(count, 0), (QStringList{"Cash", "Credit card"}));
    count->item(0, 1)->setText(QStringLiteral("45"));
    count->item(1, 1)->setText(QStringLiteral("20,00"));
    QCOMPARE(count->item(0, 3)->text(), QStringLiteral("-0,50"));
    QCOMPARE(count->item(0, 3)->background().color(), QColor(200, 0, 0));
    QCOMPARE(count->item(1, 3)->background().color(), QColor(0, 200, 0));

    book({0, 1}); // the difference is not to be booked
    QCOMPARE(texts().mid(texts().size() - 2),
             (QStringList{"Differences found! Proceed booking?", "Booking error. Code; 9."}));
    QCOMPARE(rowCount("cashgroupccd"), 0);
    book({0, 0});
    QCOMPARE(lastText(), QStringLiteral("Booking complete."));
    QCOMPARE(rowCount("cashgroupccd", "ccdid = 1 AND location = 'O''Brien(7)'"), 2);
    QCOMPARE(
        rowCount("cashgroupccd", "actualamount = 45 AND targetamount = 45.5 AND differenceamount = -0.5"), 1);
    QCOMPARE(journal("location <> 'vault'"),
             (QStringList{"O'Brien(7)|Cash|45.5|Sale|1", "O'Brien(7)|Credit card|20|Sale|1",
                          "Bar|Cash|30|Sale|-1"}));
    QCOMPARE(journal("location = 'vault'"),
             (QStringList{"vault|Cash|45|CCD CashIN|-1", "vault|Credit card|20|CCD CashIN|-1"}));
    QCOMPARE(rowCount("CashGroupJournals", "cashreason = 'CCD CashIN' AND cashform = 999"), 1);

    // The balances went to the fiscal device, with the account of the short payment form.
    auto tables = exported();
    QCOMPARE(int(tables.size()), 1);
    QStringList balances;
    for (const auto& [number, action] : tables[0]->actions()) {
        const auto& balance = static_cast<const PosLib::TTableBalance&>(*action);
        balances << QStringLiteral("%1 %2 %3 %4 %5")
                        .arg(balance.getCCDAmount())
                        .arg(balance.getCCDBalance())
                        .arg(balance.getCCDDifferences())
                        .arg(balance.getExtAccount(), balance.getTermName());
    }
    QCOMPARE(balances, (QStringList{"4500 4550 -50 2710 Office: 3", "2000 2000 0  Office: 3"}));

    // The bar counted right: no question, and the next number.
    choose(locations, 1);
    emit locations->activated(locations->currentIndex());
    QCOMPARE(cells(count, 0), QStringList{"Cash"});
    count->item(0, 1)->setText(QStringLiteral("30"));
    const qsizetype asked = texts().size();
    book();
    QCOMPARE(texts().mid(asked), (QStringList{"Book transaction?", "Booking complete."}));
    QCOMPARE(rowCount("cashgroupccd", "ccdid = 2 AND location = 'Bar'"), 1);
    QCOMPARE(PosLib::TCounter(m_host->dir.path(), "counter.dat").getCounter("ccd"), 3);
}

void TestCashOffice::counterFillsTheCount()
{
    Database::CashJournal cash(m_host->workspace.get());
    QVERIFY(cash.InsertJournalRows({sale("Bar", "Cash", 23)}));
    open();
    setTab(1);
    QTableWidget* count = table("CCDCashGroupsTableView");
    QTimer::singleShot(0, this, [] {
        auto* counter = qobject_cast<CounterDialog*>(QApplication::activeModalWidget());
        QVERIFY(counter);
        auto* pieces = counter->findChild<QTableWidget*>("CounterTable");
        pieces->item(0, 1)->setText("2"); // 10 Euro
        pieces->item(1, 1)->setText("6"); // 50 Cent
        counter->accept();
    });
    emit count->cellClicked(0, 1);
    QCOMPARE(count->item(0, 1)->text(), QStringLiteral("23,00"));
    QCOMPARE(count->item(0, 3)->text(), QStringLiteral("0,00"));
}

void TestCashOffice::journalShowsTheBookingsWhileItIsRead()
{
    Database::CashGroupJournalsTableList rows;
    const QDateTime yesterday(QDate::currentDate().addDays(-1), QTime(8, 0));
    for (int i = 0; i < 1200; ++i)
        rows << sale(QStringLiteral("Waiter %1(%1)").arg(i % 5), "Cash", i, yesterday.addSecs(i));
    rows << sale("Far away", "Cash", 1, yesterday.addDays(-3));
    QVERIFY(Database::CashJournal(m_host->workspace.get()).InsertJournalRows(rows));
    open();
    choose(child<QComboBox>(m_dialog.get(), "CashIoWaiterComboBox"), 7);
    retype(child<QLineEdit>(m_dialog.get(), "CashIoAmountField"), QStringLiteral("12,5"));
    book();
    setTab(3);
    QVERIFY(!child<QAbstractButton>(m_dialog.get(), "BookButton")->isVisible());
    auto* list = child<QTreeWidget>(m_dialog.get(), "CCDJournalViewControl");
    click(m_dialog.get(), "CCDJournalRequestButton");
    QVERIFY(list->topLevelItemCount() < 1202); // the first lines show before the rest is read
    QCOMPARE(list->currentItem(), list->topLevelItem(0));
    QTRY_COMPARE(list->topLevelItemCount(), 1202);
    const QStringList first = {
        yesterday.toString("dd.MM.yyyy hh:mm:ss"), "Waiter 0(0)", "X", "Cash", "0.00", "Sale", "X", "0"};
    for (int column = 0; column < first.size(); ++column)
        QCOMPARE(list->topLevelItem(0)->text(column), first[column]);
    QCOMPARE(list->topLevelItem(1201)->text(1), QStringLiteral("O'Brien(7)"));
    QCOMPARE(list->topLevelItem(1201)->text(4), QStringLiteral("12.50"));
    QCOMPARE(list->topLevelItem(1201)->text(5), QStringLiteral("CashIO CashIN"));

    // A range without lines says so.
    child<QDateTimeEdit>(m_dialog.get(), "CCDJournalEndTimestampControl")->setDateTime(yesterday.addDays(-5));
    click(m_dialog.get(), "CCDJournalRequestButton");
    QCOMPARE(list->topLevelItemCount(), 0);
    QCOMPARE(lastText(), QStringLiteral("No data available."));
}

void TestCashOffice::journalPageChartsTheCountsAndTheVault()
{
    // Two counts of the bar, the second one short; the vault not counted yet.
    Database::CashGroupCCDTableList counts;
    for (const int number : {1, 2}) {
        Database::CashGroupCCDTable row;
        row.setLocation(QStringLiteral("Bar"));
        row.setCashGroup(QStringLiteral("Cash"));
        row.setSumOutletId(1);
        row.setCCDId(number);
        row.setCCDTimestamp(QDateTime::currentDateTime().addDays(number - 3));
        row.setTargetAmount(200);
        row.setActualAmount(number == 2 ? 190 : 200);
        row.setDifferenceAmount(number == 2 ? -10 : 0);
        counts << row;
    }
    Database::CashJournal cash(m_host->workspace.get());
    QVERIFY(cash.InsertCCDRows(counts));
    QVERIFY(cash.InsertJournalRows({sale("vault", "Cash", 300)}));
    open();
    m_dialog->show();
    setTab(3);
    auto* charts = child<CashChartView>(m_dialog.get(), "CashChartView");
    QTRY_COMPARE(charts->countsChart()->title(), QStringLiteral("vault: no counts yet"));
    QVERIFY(charts->countsChart()->series().isEmpty());
    QCOMPARE(charts->locationChooser()->count(), 2);

    charts->locationChooser()->setCurrentIndex(charts->locationChooser()->findText("Bar"));
    QCOMPARE(charts->countsChart()->title(), QStringLiteral("Bar: the last 2 count(s)"));
    QStackedBarSeries* bars = nullptr;
    QStringList lines;
    for (QAbstractSeries* series : charts->countsChart()->series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series))
            lines << QStringLiteral("%1 %2").arg(line->name()).arg(line->at(1).y());
        bars = bars ? bars : qobject_cast<QStackedBarSeries*>(series);
    }
    QCOMPARE(lines, (QStringList{"Counted 190", "Target 200"}));
    QVERIFY(bars);
    QBarSet* shortage = bars->barSets().at(1);
    QCOMPARE(shortage->at(1), -10.0);
    QCOMPARE(shortage->color(), QColor(200, 0, 0));
    QCOMPARE(bars->barSets().at(0)->at(1), 0.0);

    const QList<QAbstractSeries*> vault = charts->vaultChart()->series();
    QCOMPARE(vault.size(), 1);
    QCOMPARE(vault[0]->name(), QStringLiteral("Cash"));
    auto* held = static_cast<QLineSeries*>(vault[0]);
    QCOMPARE(held->at(held->count() - 1).y(), 300.0);
}

void TestCashOffice::refusedExportIsHandedOverLater_data()
{
    QTest::addColumn<bool>("withDevice");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("device refuses") << true << "The fiscal device refused the export (code 7).";
    QTest::newRow("no device") << false << "No fiscal device for export found.";
}

void TestCashOffice::refusedExportIsHandedOverLater()
{
    QFETCH(bool, withDevice);
    QFETCH(QString, refusal);
    writeConfig("[FiscalDevice]\nAnswer = 7\n");
    if (!withDevice)
        TLumWorkspace::FiscalDeviceList.clear();
    open();
    setTab(2);
    table("VaultTableView")->item(0, 1)->setText("50");
    book();
    const QString code = withDevice ? QStringLiteral("7") : QStringLiteral("1000");
    QCOMPARE(texts().mid(texts().size() - 2),
             (QStringList{refusal + "\nThe export is kept and handed to the fiscal device with the next one.",
                          "Booking error. Code; " + code + "."}));
    QCOMPARE(journal(), QStringList{"vault|Cash|50|Vault CashIN|-1"}); // booked all the same
    QVERIFY(exported().empty());
    QVERIFY(logged().last().endsWith("export vault cashin. code " + code));

    // The device works again: the kept table goes first, then the new one.
    writeConfig("[FiscalDevice]\nAnswer = 0\n");
    TLumWorkspace::FiscalDeviceList.clear();
    TLumWorkspace::FiscalDeviceList.append(m_device.get());
    table("VaultTableView")->item(0, 1)->setText("20");
    book();
    QCOMPARE(lastText(), QStringLiteral("Booking complete."));
    const auto tables = exported();
    QCOMPARE(int(tables.size()), 2);
    QCOMPARE(static_cast<const PosLib::TTableCashing&>(*tables[0]->actions().begin()->second).getAmount(),
             5000);
    QCOMPARE(static_cast<const PosLib::TTableCashing&>(*tables[1]->actions().begin()->second).getAmount(),
             2000);
    QVERIFY(TFiscalExport(m_host->dir.path()).pending().isEmpty());
    QCOMPARE(journal().size(), 2);
}

void TestCashOffice::databaseGoneInTheMiddleOfABooking()
{
    m_host->put("waiters", 8, {{"name", "stop"}});
    Database::CashJournal cash(m_host->workspace.get());
    QVERIFY(cash.InsertJournalRows({sale("Bar", "Cash", 30), sale("Bar", "Voucher", 10)}));
    QString reason;
    QVERIFY2(installJournalFault(m_host->workspace->database(),
                                 "NEW.location = 'stop(8)' OR NEW.cashreason = 'CCD CashIN'", &reason),
             qPrintable(reason));
    open();

    // The vault's row is written first, the waiter's fails: neither is kept.
    choose(child<QComboBox>(m_dialog.get(), "CashIoWaiterComboBox"), 8);
    retype(child<QLineEdit>(m_dialog.get(), "CashIoAmountField"), QStringLiteral("15"));
    book();
    QCOMPARE(texts().mid(texts().size() - 2),
             (QStringList{"CashIO CashIN: Booking failed!", "Booking error. Code; 607."}));
    QCOMPARE(journal("location <> 'Bar'"), QStringList());
    QVERIFY(logged().filter("insert journal rows failed. Type: ").size() == 1);

    // A count: the count's rows are written and the journal's rows settled before the cash moves
    // into the vault, which fails; nothing of it is kept, nothing is exported.
    setTab(1);
    QTableWidget* count = table("CCDCashGroupsTableView");
    QCOMPARE(cells(count, 0), (QStringList{"Cash", "Voucher"}));
    count->item(0, 1)->setText("30");
    count->item(1, 1)->setText("10");
    book();
    QCOMPARE(texts().mid(texts().size() - 2),
             (QStringList{"CCD CashIN: Booking failed!", "Booking error. Code; 607."}));
    QCOMPARE(rowCount("cashgroupccd"), 0);
    QCOMPARE(journal(), (QStringList{"Bar|Cash|30|Sale|-1", "Bar|Voucher|10|Sale|-1"}));
    QVERIFY(exported().empty());
    QVERIFY(!logged().filter("insert ccd journal records for outlet 3 CCDCashIN faiiled. Type: ").isEmpty());

    // The database is back: the same count goes through.
    QSqlQuery repair(m_host->workspace->database());
    QVERIFY(
        repair.exec(onPostgres() ? "DROP TRIGGER stop_here ON CashGroupJournals" : "DROP TRIGGER stop_here"));
    book();
    QCOMPARE(lastText(), QStringLiteral("Booking complete."));
    QCOMPARE(rowCount("cashgroupccd"), 2);
}

void TestCashOffice::amountsAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<double>("booked");
    QTest::newRow("comma") << "12,50"
                           << "" << 12.5;
    QTest::newRow("point") << "12.5"
                           << "" << 12.5;
    QTest::newRow("sign") << "+3"
                          << "" << 3.0;
    QTest::newRow("cents only") << ",05"
                                << "" << 0.05;
    QTest::newRow("negative") << "-5"
                              << "Negative amount." << 0.0;
    QTest::newRow("empty") << ""
                           << "Invalid amount." << 0.0;
    QTest::newRow("zero") << "0,00"
                          << "Zero amount." << 0.0;
    QTest::newRow("below a cent") << "0.001"
                                  << "Zero amount." << 0.0;
    QTest::newRow("huge") << "12345678901234567890"
                          << "Invalid amount." << 0.0;
    QTest::newRow("two points") << "1.2.3"
                                << "Invalid amount." << 0.0;
    QTest::newRow("letters") << "ten"
                             << "Invalid amount." << 0.0;
}

void TestCashOffice::amountsAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QFETCH(double, booked);
    open();
    child<QLineEdit>(m_dialog.get(), "CashIoAmountField")->setText(typed);
    book();
    if (refusal.isEmpty()) {
        QCOMPARE(lastText(), QStringLiteral("Booking complete."));
        QCOMPARE(journal("location = 'Anna(1)'"),
                 QStringList{QStringLiteral("Anna(1)|Cash|%1|CashIO CashIN|0").arg(booked)});
    } else {
        QCOMPARE(m_prompts->messages.at(m_prompts->messages.size() - 2).text, refusal);
        QCOMPARE(lastText(), QStringLiteral("Booking error. Code; 10021."));
        QCOMPARE(rowCount("CashGroupJournals"), 0);
    }
}

void TestCashOffice::cellAmounts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("point") << "7.5"
                           << "7,50"
                           << "";
    QTest::newRow("comma") << "1234,567"
                           << "1234,57"
                           << "";
    QTest::newRow("emptied") << ""
                             << "0,00"
                             << "";
    QTest::newRow("negative") << "-5"
                              << "0,00"
                              << "Amounts cannot be negative.";
    QTest::newRow("letters") << "abc"
                             << "0,00"
                             << "No valid number.";
    QTest::newRow("huge") << "99999999"
                          << "0,00"
                          << "No valid number.";
}

void TestCashOffice::cellAmounts()
{
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    open();
    setTab(2);
    QTableWidget* vault = table("VaultTableView");
    vault->item(0, 1)->setText(typed);
    QTEST(vault->item(0, 1)->text(), "shown");
    QCOMPARE(m_prompts->messages.isEmpty() ? QString() : lastText(), refusal);
    if (!refusal.isEmpty())
        QCOMPARE(m_prompts->messages.last().caption, QStringLiteral("Vault Transactions"));
}

void TestCashOffice::pendingCountsWarn()
{
    Database::CashJournal cash(m_host->workspace.get());
    const QDateTime tenDaysAgo(QDate::currentDate().addDays(-10), QTime(9, 30));
    QVERIFY(cash.InsertJournalRows({sale("Bar", "Cash", 5, tenDaysAgo), sale("O'Brien(7)", "Cash", 5)}));
    open();
    m_dialog->ShowPendingCCDs();
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages[0].caption, QStringLiteral("Pending CCD's"));
    QCOMPARE(m_prompts->messages[0].text, "Bar - LastCCD: " + tenDaysAgo.toString("dd.MM.yyyy hh:mm"));

    QVERIFY(writeFile(m_host->dir.filePath("externaccountmap.ini"), "[settings]\npendingccddays = 0\n"));
    open();
    m_dialog->ShowPendingCCDs();
    QCOMPARE(m_prompts->messages.size(), 1);
}

void TestCashOffice::withoutDatabaseNothingIsAvailable()
{
    if (onPostgres())
        QSKIP("Shown once, on the embedded database's run.");
    m_host->workspace->setDatabase(QStringLiteral("QODBC"), QStringLiteral("DSN=lum-no-such-source"));
    open();
    auto* tabs = child<QTabWidget>(m_dialog.get(), "MainTabView");
    QStringList labels;
    for (int page = 0; page < tabs->count(); ++page)
        labels << tabs->tabText(page);
    QCOMPARE(labels, (QStringList{"Cash IO (not available)", "CCD (not available)", "Vault (not available)",
                                  "Journal (not available)"}));
    QVERIFY(!child<QAbstractButton>(m_dialog.get(), "BookButton")->isEnabled());
    QVERIFY(
        !logged().filter("No ODBC database connection available. CCD transactions not available.").isEmpty());
}

void TestCashOffice::readOnlyUserBooksNothing()
{
    writeConfig("[Rights]\nCashTransactionsDialog = readonly\n");
    m_host->restart();
    USE_TEST_DATABASE(*m_host);
    open();
    QVERIFY(!child<QAbstractButton>(m_dialog.get(), "BookButton")->isEnabled());
    QMetaObject::invokeMethod(m_dialog.get(), "OnBookButtonHandler");
    QVERIFY(m_prompts->messages.isEmpty());
    QCOMPARE(rowCount("CashGroupJournals"), 0);
}

QTEST_MAIN(TestCashOffice)
#include "tst_cashoffice.moc"
