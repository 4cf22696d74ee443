// The statistics check over the day directories of the outlets.

#include "lumtesthost.h"
#include "statcheckdlg.h"
#include "testfiles.h"
#include "ttable.h"

#include <QProgressBar>
#include <QTreeWidget>

class TestStatCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void turnoverFiles_data();
    void turnoverFiles();
    void everyDayOfEveryOutlet();
};

void TestStatCheck::turnoverFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("read");
    QTest::addColumn<qint64>("files");
    QTest::addColumn<int>("badLine");

    QTest::newRow("empty") << QByteArray() << true << qint64(0) << 0;
    QTest::newRow("before a semicolon") << QByteArray("till1:3;1234.50\r\n") << true << qint64(3) << 0;
    QTest::newRow("without a semicolon") << QByteArray("till2:4") << true << qint64(4) << 0;
    QTest::newRow("summed, blank lines skipped")
        << QByteArray("a:3;x:9\n\n  \nb:4\r\n;comment\n") << true << qint64(7) << 0;
    QTest::newRow("more fields") << QByteArray("a:2:17\n") << true << qint64(2) << 0;
    QTest::newRow("no count") << QByteArray("a:1\nnothing here\n") << false << qint64(0) << 2;
    QTest::newRow("count after the semicolon") << QByteArray("a;:5\n") << false << qint64(0) << 1;
    QTest::newRow("not a number") << QByteArray("a:x\n") << false << qint64(0) << 1;
    QTest::newRow("negative") << QByteArray("a:-2\n") << false << qint64(0) << 1;
    QTest::newRow("too large a number") << QByteArray("a:99999999999\n") << false << qint64(0) << 1;
}

void TestStatCheck::turnoverFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, read);
    qint64 files = -1;
    int badLine = -1;
    QCOMPARE(StatCheckDlg::turnoverFiles(content, files, badLine), read);
    if (read)
        QTEST(files, "files");
    QTEST(badLine, "badLine");
}

void TestStatCheck::everyDayOfEveryOutlet()
{
    TestHost host;
    const QDate first(2024, 3, 4);
    const QString lindenhof = host.dir.filePath("outlets/lindenhof");
    host.put("outlets", 1, {{"name", "Lindenhof"}, {"path", "outlets/lindenhof"}});
    host.put("outlets", 2, {{"name", "Root"}}); // the data root itself
    const auto day = [](const QString& base, const QDate& date) {
        return PosLib::TTable::statistDirectory(base, date) + u'/';
    };
    // Day 1: two files as recorded. Day 2: neither summary nor files. Day 3: one file missing.
    QVERIFY(writeFile(day(lindenhof, first) + "turnover.z", "till1:2;10.00\r\n"));
    QVERIFY(writeFile(day(lindenhof, first) + "a1", "x"));
    QVERIFY(writeFile(day(lindenhof, first) + "a2", "x"));
    QVERIFY(writeFile(day(lindenhof, first) + "journal", "not a table"));
    QVERIFY(QDir().mkpath(day(lindenhof, first.addDays(1))));
    QVERIFY(writeFile(day(lindenhof, first.addDays(2)) + "turnover.z", "till1:1\r\ntill2:1\r\n"));
    QVERIFY(writeFile(day(lindenhof, first.addDays(2)) + "a7", "x"));
    for (int i = 0; i < 3; ++i)
        QVERIFY(QDir().mkpath(day(host.dir.path(), first.addDays(i))));

    StatCheckDlg check(first, first.addDays(2), host.window.get());
    check.show();
    auto* outlets = child<QTreeWidget>(&check, "m_Outs");
    QCOMPARE(outlets->topLevelItemCount(), 2);
    const QTreeWidgetItem* failed = outlets->topLevelItem(0);
    QCOMPARE(failed->text(0) + u'|' + failed->text(1) + u'|' + failed->text(2),
             QStringLiteral("Lindenhof|1|Failed"));
    QVERIFY(failed->isExpanded());
    QStringList days;
    for (int i = 0; i < failed->childCount(); ++i)
        days << failed->child(i)->text(0) + u'|' + failed->child(i)->text(1) + u'|' +
                    failed->child(i)->text(2);
    QCOMPARE(days, (QStringList{"|04.03.2024|Ok", "|05.03.2024|Ok",
                                "File count mismatch (2:1)|06.03.2024|Failed"}));
    QCOMPARE(outlets->topLevelItem(1)->text(2), QStringLiteral("Success"));
    QVERIFY(!outlets->topLevelItem(1)->isExpanded());
    auto* progress = child<QProgressBar>(&check, "m_Prog");
    QCOMPARE(progress->value(), progress->maximum());
    QCOMPARE(progress->maximum(), 6);

    // A day without its directory fails with the path; an invalid end is the first day.
    StatCheckDlg missing(first.addDays(-1), QDate(), host.window.get());
    missing.show();
    const QTreeWidgetItem* gone = child<QTreeWidget>(&missing, "m_Outs")->topLevelItem(0)->child(0);
    QCOMPARE(gone->text(0),
             "Directory " +
                 QDir::toNativeSeparators(PosLib::TTable::statistDirectory(lindenhof, first.addDays(-1))) +
                 " not found");
    QCOMPARE(gone->text(2), QStringLiteral("Failed"));
}

QTEST_MAIN(TestStatCheck)
#include "tst_statcheck.moc"
