#include "cashofficedemo.h"

#include "cashgroupccdtable.h"
#include "cashgroupjournalstable.h"
#include "cashjournal.h"
#include "demodata.h"
#include "tcounter.h"
#include "tlumworkspace.h"
#include "tsqldatabase.h"
#include "ttable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

constexpr int journalDays = 21;
constexpr int statistDays = 14;

int cashOfficeIniFiles(const QString& root)
{
    int written = 0;
    written += TDemoData::writeFile(root + QStringLiteral("outlets.ini"),
                                    "; The outlet and mandant this back office books for\r\n"
                                    "[settings]\r\noutlet = 1\r\noutletname = Restaurant Lindenhof\r\n"
                                    "mandant = 1\r\nmandantname = Lindenhof GmbH\r\n");
    written += TDemoData::writeFile(
        root + QStringLiteral("externaccountmap.ini"),
        "; Cash groups (payment form names) and the payment form ids they are journalled under\r\n"
        "[accountmap]\r\nCash = 1\r\nCredit card = 2\r\nVoucher = 3\r\n\r\n"
        "; Vault accounts per cash group: cash-in;cash-out and flush;count over;count short\r\n"
        "[vaultaccountmap]\r\nCash = 1600;1610;2700;2710\r\nVoucher = 1650;1660;2700;2710\r\n\r\n"
        "; The payment forms of the vault table per action (none listed: all counted ones)\r\n"
        "[vaultpayforms]\r\ncashin = 1,3\r\ncashout = 1\r\nflush = 1\r\n\r\n"
        "; The info texts offered per vault action\r\n"
        "[vaultinfos]\r\ncashin = Change fund from the bank,Tips,Cash from the shop\r\n"
        "cashout = Change for the bar,Petty cash,Bank deposit\r\n"
        "flush = Night safe,Cash transport\r\n\r\n"
        "[cashreasons]\r\ncashin = Change fund,Tips\r\ncashout = Bank,Petty cash\r\n\r\n"
        "; The login of the journal database (empty: as the data source says)\r\n"
        "[database]\r\nuser =\r\npassword =\r\n\r\n"
        "; Warn of locations not counted for that many days (0: never)\r\n"
        "[settings]\r\npendingccddays = 3\r\n\r\n"
        "; The denominations the cash counter offers per cash group\r\n"
        "[counters]\r\nCash = note100,note50,note20,note10,note5,coin2,coin1,coin50c,coin20c,coin10c\r\n"
        "Voucher = voucher10,voucher25\r\ndefault = note50,note20,note10,note5\r\n"
        "[note100]\r\nname = 100 Euro\r\nfactor = 100\r\n[note50]\r\nname = 50 Euro\r\nfactor = 50\r\n"
        "[note20]\r\nname = 20 Euro\r\nfactor = 20\r\n[note10]\r\nname = 10 Euro\r\nfactor = 10\r\n"
        "[note5]\r\nname = 5 Euro\r\nfactor = 5\r\n[coin2]\r\nname = 2 Euro\r\nfactor = 2\r\n"
        "[coin1]\r\nname = 1 Euro\r\nfactor = 1\r\n[coin50c]\r\nname = 50 Cent\r\nfactor = 0.50\r\n"
        "[coin20c]\r\nname = 20 Cent\r\nfactor = 0.20\r\n[coin10c]\r\nname = 10 Cent\r\nfactor = 0.10\r\n"
        "[voucher10]\r\nname = Voucher 10\r\nfactor = 10\r\n[voucher25]\r\nname = Voucher 25\r\nfactor = "
        "25\r\n");
    return written;
}

// Three weeks of a restaurant's cash journal, built in memory with the counts that settle it.
class DemoJournal {
public:
    explicit DemoJournal(const QDate& today)
        : m_today(today)
    {
    }

    void build()
    {
        struct Waiter {
            int id;
            const char* name;
        };
        const Waiter waiters[] = {{1, "Anna Berger"}, {2, "Lukas Huber"}, {3, "Sofia Rossi"}};
        for (int ago = journalDays - 1; ago >= 0; --ago) {
            const QDate day = m_today.addDays(-ago);
            if (day.dayOfWeek() == 1) { // Mondays the bank brings the change fund
                add(at(day, 8, 30), QStringLiteral("vault"), 9, QStringLiteral("Manager"),
                    QStringLiteral("Cash"), 800.0, QStringLiteral("Vault CashIN"), 0, -1,
                    QStringLiteral("Change fund from the bank"));
            }
            for (const Waiter& waiter : waiters) {
                const QString name = QString::fromLatin1(waiter.name);
                const QString location = QStringLiteral("%1(%2)").arg(name).arg(waiter.id);
                add(at(day, 10, 45), QStringLiteral("vault"), 9, QStringLiteral("Manager"),
                    QStringLiteral("Cash"), -150.0, QStringLiteral("CashIO CashIN"));
                add(at(day, 10, 45), location, 9, QStringLiteral("Manager"), QStringLiteral("Cash"), 150.0,
                    QStringLiteral("CashIO CashIN"));
                for (int sale = 0; sale < 6; ++sale) {
                    const QString group =
                        sale % 3 == 2 ? QStringLiteral("Credit card")
                                      : (sale == 4 ? QStringLiteral("Voucher") : QStringLiteral("Cash"));
                    add(at(day, 11 + sale * 2, int(next() % 60)), location, waiter.id, name, group,
                        double(1500 + next() % 9000) / 100.0, QStringLiteral("Sale"), ++m_bill);
                }
                // Counted at the end of the day, but not the last day (still open) and Sofia not
                // these last days (the pending warning names her).
                if (ago >= 1 && !(waiter.id == 3 && ago < 5))
                    count(at(day, 23, 10 + waiter.id), location);
            }
            for (int sale = 0; sale < 4; ++sale)
                add(at(day, 18 + sale, 30), QStringLiteral("Bar"), 2, QStringLiteral("Lukas Huber"),
                    QStringLiteral("Cash"), double(800 + next() % 4000) / 100.0, QStringLiteral("Sale"),
                    ++m_bill, 0, QString(), 2);
            if (ago >= 1)
                count(at(day, 23, 30), QStringLiteral("Bar"));
            if (day.dayOfWeek() == 6 && ago >= 1) { // Saturdays the vault goes to the night safe
                // All but a float of 1,000 in whole hundreds.
                const double flushed =
                    std::max(0.0, std::floor(openCash(QStringLiteral("vault")) / 100) * 100 - 1000);
                add(at(day, 23, 45), QStringLiteral("vault"), 9, QStringLiteral("Manager"),
                    QStringLiteral("Cash"), -flushed, QStringLiteral("Vault Flush"), 0, -1,
                    QStringLiteral("Night safe"), 1, 4700 + ago);
                count(at(day, 23, 50), QStringLiteral("vault"));
            }
        }
    }

    const Database::CashGroupJournalsTableList& rows() const { return m_rows; }
    const Database::CashGroupCCDTableList& counts() const { return m_counts; }
    int lastCount() const { return m_ccd; }

private:
    QDateTime at(const QDate& day, int hour, int minute) const { return QDateTime(day, QTime(hour, minute)); }

    // The cash of a location's rows not yet counted.
    double openCash(const QString& location)
    {
        double sum = 0;
        for (qsizetype index : m_open[location]) {
            if (m_rows[index].getCashGroup() == u"Cash")
                sum += m_rows[index].getCashAmount();
        }
        return sum;
    }

    quint32 next()
    {
        m_seed = m_seed * 1103515245u + 12345u;
        return (m_seed >> 16) & 0x7fff;
    }

    void add(const QDateTime& time, const QString& location, int waiter, const QString& waiterName,
             const QString& cashGroup, double amount, const QString& reason, qint64 bill = 0, qint64 ccd = 0,
             const QString& info = QString(), int outlet = 1, int bag = 0)
    {
        Database::CashGroupJournalsTable row;
        row.setTimestampImport(time);
        row.setTimestampRecord(time);
        row.setLocation(location);
        row.setOutlet(outlet);
        row.setOutletName(outlet == 1 ? QStringLiteral("Restaurant Lindenhof")
                                      : QStringLiteral("Lindenhof Bar"));
        row.setMandant(1);
        row.setMandantName(QStringLiteral("Lindenhof GmbH"));
        row.setOutletSumKey(1);
        const bool office = bill == 0;
        row.setTerminal(office ? 1 : outlet + 1);
        row.setTermName(office ? QStringLiteral("office") : QStringLiteral("Till %1").arg(outlet));
        row.setCenter(outlet);
        row.setCenterName(outlet == 1 ? QStringLiteral("Restaurant") : QStringLiteral("Bar"));
        row.setWaiter(waiter);
        row.setWaiterName(waiterName);
        row.setCashGroup(cashGroup);
        row.setCashAmount(amount);
        row.setCashForm(cashGroup == u"Cash" ? 1 : cashGroup == u"Credit card" ? 2 : 3);
        row.setCashReason(reason);
        row.setBillNum(bill);
        row.setCashCCDId(ccd);
        if (!info.isEmpty())
            row.setVaultInfo(info);
        if (bag != 0)
            row.setBagNo(bag);
        m_open[location].push_back(m_rows.size());
        m_rows << row;
    }

    // Counts a location: its open rows are settled, the counted cash goes into the vault.
    void count(const QDateTime& time, const QString& location)
    {
        ++m_ccd;
        std::map<QString, double> targets;
        for (qsizetype index : m_open[location]) {
            m_rows[index].setCashCCDId(m_ccd);
            targets[m_rows[index].getCashGroup()] += m_rows[index].getCashAmount();
        }
        m_open[location].clear();
        for (const auto& [group, target] : targets) {
            // Now and then a drawer is short, rarely over.
            const quint32 luck = next() % 10;
            const double actual = target + (luck == 0 ? -5.0 : luck == 1 ? 0.5 : 0.0);
            Database::CashGroupCCDTable counted;
            counted.setCCDTimestamp(time);
            counted.setLocation(location);
            counted.setCashGroup(group);
            counted.setTargetAmount(target);
            counted.setActualAmount(actual);
            counted.setDifferenceAmount(actual - target);
            counted.setOutletId(1);
            counted.setOutletName(QStringLiteral("Restaurant Lindenhof"));
            counted.setMandantId(1);
            counted.setMandantName(QStringLiteral("Lindenhof GmbH"));
            counted.setSumOutletId(1);
            counted.setTerminalId(1);
            counted.setTerminalName(QStringLiteral("office"));
            counted.setCostCenterId(1);
            counted.setCostCenterName(QStringLiteral("Restaurant"));
            counted.setWaiterId(9);
            counted.setWaiterName(QStringLiteral("Manager"));
            counted.setCCDId(m_ccd);
            m_counts << counted;
            // As every count does; a count of the vault carries its counted cash on this way.
            add(time, QStringLiteral("vault"), 9, QStringLiteral("Manager"), group, actual,
                QStringLiteral("CCD CashIN"));
        }
    }

    QDate m_today;
    quint32 m_seed = 20240305;
    qint64 m_bill = 5000;
    int m_ccd = 0;
    Database::CashGroupJournalsTableList m_rows;
    Database::CashGroupCCDTableList m_counts;
    std::map<QString, std::vector<qsizetype>> m_open;
};

int cashOfficeJournal(const QString& root)
{
    // Demo rows go into the root's own database only, never into a configured one.
    if (Database::odbcDataSourceExists(QStringLiteral("poscashdb")))
        return 0;
    TLumWorkspace workspace(root);
    QSqlDatabase db = workspace.database();
    QSqlQuery existing(db);
    if (!db.isOpen() || !existing.exec(QStringLiteral("SELECT COUNT(*) FROM CashGroupJournals")) ||
        !existing.next() || existing.value(0).toInt() > 0)
        return 0;
    existing.finish();
    DemoJournal demo(QDate::currentDate());
    demo.build();
    Database::CashJournal cash(&workspace);
    if (!cash.InsertJournalRows(demo.rows()) || !cash.InsertCCDRows(demo.counts()))
        return 0;
    // The next count goes on from the demo's last number.
    PosLib::TCounter counter(root, QStringLiteral("counter.dat"));
    if (counter.getCounter(PosLib::TCounter::ccdKey) <= demo.lastCount())
        counter.setCounter(PosLib::TCounter::ccdKey, demo.lastCount() + 1);
    return int(demo.rows().size() + demo.counts().size());
}

// The statistics of two weeks of both outlets: per day an archived table per bill and the summary
// "turnover.z" with the bills of each till. On one day of the bar a table file went missing.
int cashOfficeStatistics(const QString& root)
{
    struct Outlet {
        const char* path;
        int tills;
    };
    int written = 0;
    const QDate today = QDate::currentDate();
    for (const Outlet& outlet : {Outlet{"outlets/lindenhof", 2}, Outlet{"outlets/bar", 1}}) {
        const QString base = root + QLatin1String(outlet.path);
        if (QFileInfo::exists(base + QStringLiteral("/var/statist")))
            continue;
        for (int ago = statistDays; ago >= 1; --ago) {
            const QDate day = today.addDays(-ago);
            const QString dir = PosLib::TTable::statistDirectory(base, day);
            QDir().mkpath(dir);
            QByteArray summary;
            int archive = 0;
            for (int till = 1; till <= outlet.tills; ++till) {
                const int bills = 3 + (day.day() + till) % 4;
                summary +=
                    QStringLiteral("till%1:%2;%3.00\r\n").arg(till).arg(bills).arg(bills * 37).toLatin1();
                for (int bill = 0; bill < bills; ++bill) {
                    ++archive;
                    const bool lost = outlet.tills == 1 && ago == 3 && bill == 0;
                    if (lost)
                        continue;
                    const PosLib::TTable table(dir, QStringLiteral("a%1").arg(archive), nullptr);
                    QFile file(QDir(dir).filePath(QStringLiteral("a%1").arg(archive)));
                    if (file.open(QIODevice::WriteOnly))
                        file.write(table.toBytes());
                    ++written;
                }
            }
            written += TDemoData::writeFile(QDir(dir).filePath(QStringLiteral("turnover.z")), summary);
        }
    }
    return written;
}

} // namespace

int TCashOfficeDemo::create(const QString& dataRoot)
{
    const QString root = QDir(dataRoot).absolutePath() + u'/';
    return cashOfficeIniFiles(root) + cashOfficeStatistics(root) + cashOfficeJournal(root);
}
