// The lumdata tool as an administrator or a script runs it.

#include "testfiles.h"

#include <QDataStream>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run lumdata(const QStringList& arguments, const QByteArray& input = QByteArray())
{
    QProcess process;
    process.start(QStringLiteral(LUMDATA_PATH), arguments);
    if (!input.isNull())
        process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QByteArray currencies = R"(<?xml version="1.0" encoding="UTF-8"?>
<currencies>
 <currency><id>1</id><name>Euro</name><shortname>EUR</shortname><rate>1.00000</rate></currency>
 <currency><id>2</id><name>Franc; "CH"
suisse</name><shortname>CHF</shortname></currency>
</currencies>
)";

} // namespace

class TestLumData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void importThenShowXmlTextCheck();
    void importMergesAppendsAndDeletes();
    void damagedFilesAreReportedAndKept();
    void namesOverrides();
    void wrongUsage();
    void importsAllOrNothing_data();
    void importsAllOrNothing();
    void unwritableValuesAndNames();
    void concurrentImportsLoseNothing();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
};

void TestLumData::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_file = m_dir->filePath("currency.dat");
}

void TestLumData::importThenShowXmlTextCheck()
{
    const QString xml = m_dir->filePath("in.xml");
    QVERIFY(writeFile(xml, currencies));
    Run run = lumdata({"import", xml, m_file});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());

    run = lumdata({"show", m_file});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QStringLiteral("1 name=Euro rate=1.00000 shortname=EUR\n"
                                     "2 name=Franc; \"CH\"\\nsuisse shortname=CHF\n"));

    run = lumdata({"text", m_file, "id,shortname,name"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QStringLiteral("1;EUR;Euro\n2;CHF;Franc, 'CH'|suisse\n"));

    run = lumdata({"check", m_file});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QStringLiteral("result=0 records=2\n"));

    // The exported document imports into an empty file as the same list.
    run = lumdata({"xml", m_file});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("<currencies>"));
    const QString copy = m_dir->filePath("copy/currency.dat");
    QVERIFY(QDir().mkpath(m_dir->filePath("copy")));
    QCOMPARE(lumdata({"import", "-", copy}, run.out.toUtf8()).status, 0);
    QCOMPARE(readFile(copy), readFile(m_file));
}

void TestLumData::importMergesAppendsAndDeletes()
{
    const QString xml = m_dir->filePath("in.xml");
    QVERIFY(writeFile(xml, currencies));
    QCOMPARE(lumdata({"import", xml, m_file}).status, 0);
    writeFile(xml, "<currencies>"
                   "<currency><id>1</id><rate>0.50000</rate></currency>"
                   "<currency><_delete_/><id>2</id></currency>"
                   "<currency><name>Yen</name></currency>"
                   "</currencies>");
    Run run = lumdata({"import", xml, m_file});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.trimmed(), m_file + ": 2 records");
    QCOMPARE(lumdata({"show", m_file}).out, QStringLiteral("1 name=Euro rate=0.50000 shortname=EUR\n"
                                                           "3 name=Yen\n"));
    QVERIFY(QFile::exists(m_file + ".old"));
}

void TestLumData::damagedFilesAreReportedAndKept()
{
    const QString xml = m_dir->filePath("in.xml");
    QVERIFY(writeFile(xml, currencies));
    QCOMPARE(lumdata({"import", xml, m_file}).status, 0);
    const QByteArray whole = readFile(m_file);
    const QByteArray damaged = whole.left(whole.size() - 3);
    QVERIFY(writeFile(m_file, damaged));
    QFile::remove(m_file + ".old");

    Run run = lumdata({"check", m_file});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QStringLiteral("result=304 records=1\n"));
    QVERIFY(run.err.contains("error 304") && run.err.contains(m_file));

    run = lumdata({"show", m_file});
    QCOMPARE(run.status, 1);
    QVERIFY(run.out.startsWith("1 name=Euro")); // what could be read is shown

    QCOMPARE(lumdata({"xml", m_file}).status, 1);
    QCOMPARE(lumdata({"text", m_file, "name"}).status, 1);
    run = lumdata({"import", xml, m_file});
    QCOMPARE(run.status, 1);
    QVERIFY(run.err.contains("304"));
    QCOMPARE(readFile(m_file), damaged);
    QVERIFY(!QFile::exists(m_file + ".old"));
    QVERIFY(!QFile::exists(m_file + ".new"));

    // Bad documents change nothing either.
    QVERIFY(writeFile(m_file, whole));
    QVERIFY(writeFile(xml, "<currencies><currency><id>1</id>"));
    run = lumdata({"import", xml, m_file});
    QCOMPARE(run.status, 1);
    QVERIFY(run.err.contains(xml) && run.err.contains("line"));
    QVERIFY(writeFile(xml, "<discounts/>"));
    QCOMPARE(lumdata({"import", xml, m_file}).status, 1);
    QCOMPARE(lumdata({"import", m_dir->filePath("absent.xml"), m_file}).status, 1);
    QCOMPARE(readFile(m_file), whole);

    // An attribute count no file can hold is a storage error.
    QByteArray bytes;
    QDataStream(&bytes, QIODevice::WriteOnly) << quint32(1u << 24);
    QVERIFY(writeFile(m_file, bytes));
    run = lumdata({"show", m_file});
    QCOMPARE(run.status, 1);
    QVERIFY(run.err.contains("error 5") && run.err.contains(m_file));

    run = lumdata({"check", m_dir->filePath("missing.dat")});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QStringLiteral("result=7 records=0\n"));
}

void TestLumData::namesOverrides()
{
    const QString file = m_dir->filePath("list.dat");
    const QString xml = m_dir->filePath("in.xml");
    QVERIFY(writeFile(xml, currencies));
    QCOMPARE(lumdata({"import", xml, file}).status, 1); // "list.dat" holds "elements"
    QCOMPARE(lumdata({"import", "--root", "currencies", xml, file}).status, 0);
    Run run = lumdata({"xml", "--root", "currencies", "--element", "money", file});
    QVERIFY(run.out.contains("<money>"));
    run = lumdata({"xml", file});
    QVERIFY(run.out.contains("<elements>") && run.out.contains("<element>"));
}

void TestLumData::wrongUsage()
{
    QCOMPARE(lumdata({}).status, 2);
    QCOMPARE(lumdata({"frobnicate", m_file}).status, 2);
    QCOMPARE(lumdata({"show"}).status, 2);
    QCOMPARE(lumdata({"import", m_file}).status, 2);
    QCOMPARE(lumdata({"text", m_file, ","}).status, 2);
    QCOMPARE(lumdata({"--bogus", "show", m_file}).status, 2);
    const Run help = lumdata({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains("import XMLFILE FILE"));
}

void TestLumData::importsAllOrNothing_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("reason");
    const QByteArray tail = "</currencies>";
    QTest::newRow("no id left") << QByteArray("<currencies><currency><id>2147483647</id><name>Last</name>"
                                              "</currency><currency><name>New</name></currency>") +
                                       tail
                                << "no id is left";
    QTest::newRow("text between values")
        << QByteArray("<currencies><currency><id>7</id>stray<name>X</name></currency>") + tail << "text";
    QTest::newRow("text between records")
        << QByteArray("<currencies><currency><id>7</id></currency>stray") + tail
        << "text between the records";
    QTest::newRow("id not a number")
        << QByteArray("<currencies><currency><id>seven</id><name>X</name></currency>") + tail << "seven";
    QTest::newRow("id too large")
        << QByteArray("<currencies><currency><id>2147483648</id><name>X</name></currency>") + tail
        << "2147483648";
    QTest::newRow("empty record") << QByteArray("<currencies><currency/>") + tail << "empty";
    QTest::newRow("delete without id")
        << QByteArray("<currencies><currency><_delete_/><name>X</name></currency>") + tail << "without an id";
    QTest::newRow("delete not first")
        << QByteArray("<currencies><currency><id>1</id><_delete_/></currency>") + tail << "must be the first";
    QTest::newRow("delete of a missing record")
        << QByteArray("<currencies><currency><_delete_/><id>9</id></currency>") + tail << "no record 9";
    QByteArray deep = "<currencies>";
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    QTest::newRow("nested 100,000 deep") << deep << "nested deeper";
}

void TestLumData::importsAllOrNothing()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, reason);
    const QString xml = m_dir->filePath("in.xml");
    QVERIFY(writeFile(xml, currencies));
    QCOMPARE(lumdata({"import", xml, m_file}).status, 0);
    const QByteArray before = readFile(m_file);
    QVERIFY(writeFile(xml, document));
    const Run run = lumdata({"import", xml, m_file});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(reason) && run.err.contains("nothing was imported"), qPrintable(run.err));
    QCOMPARE(readFile(m_file), before);
}

void TestLumData::unwritableValuesAndNames()
{
    // A value with a control character has no XML form: refused, not written broken.
    const QString xml = m_dir->filePath("in.xml");
    QVERIFY(writeFile(xml, "<currencies><currency><id>1</id><name>A&#10;B</name></currency></currencies>"));
    QCOMPARE(lumdata({"import", xml, m_file}).status, 0);
    QByteArray bytes = readFile(m_file);
    const qsizetype lineFeed = bytes.indexOf(QByteArray("\0\n", 2));
    QVERIFY(lineFeed > 0);
    bytes[lineFeed + 1] = '\x01';
    QVERIFY(writeFile(m_file, bytes));
    Run run = lumdata({"xml", m_file});
    QCOMPARE(run.status, 1);
    QVERIFY(run.err.contains("U+0001") && run.err.contains("record 1"));
    QCOMPARE(run.out, QString());

    // File names are expanded; looking at a missing file creates no folder.
    qputenv("LUM_TEST_DIR", QFile::encodeName(m_dir->path()));
    run = lumdata({"check", "$(LUM_TEST_DIR)/currency.dat"});
    QCOMPARE(run.out, QStringLiteral("result=0 records=1\n"));
    QCOMPARE(lumdata({"check", m_dir->filePath("new/folder/currency.dat")}).status, 1);
    QVERIFY(!QFileInfo::exists(m_dir->filePath("new")));
}

void TestLumData::concurrentImportsLoseNothing()
{
    // Two scripts import 100 single-record documents each into one file at the same time.
    constexpr int imports = 20;
    for (int worker = 0; worker < 2; ++worker)
        for (int i = 1; i <= imports; ++i)
            QVERIFY(writeFile(m_dir->filePath(QStringLiteral("in-%1-%2.xml").arg(worker).arg(i)),
                              QStringLiteral("<currencies><currency><id>%1</id><name>w%2</name></currency>"
                                             "</currencies>")
                                  .arg(worker * 1000 + i)
                                  .arg(worker)
                                  .toUtf8()));
    std::vector<std::unique_ptr<QProcess>> scripts;
    for (int worker = 0; worker < 2; ++worker) {
        scripts.push_back(std::make_unique<QProcess>());
        scripts.back()->start("/bin/sh", {"-c",
                                          QStringLiteral("ok=0; for i in $(seq %1); do \"$0\" import "
                                                         "\"$1/in-%2-$i.xml\" \"$2\" >/dev/null && "
                                                         "ok=$((ok+1)); done; echo $ok")
                                              .arg(imports)
                                              .arg(worker),
                                          LUMDATA_PATH, m_dir->path(), m_file});
    }
    for (auto& script : scripts) {
        QVERIFY(script->waitForFinished(300000)); // a sanitizer build starts slowly
        QCOMPARE(script->readAllStandardOutput().trimmed(), QByteArray::number(imports));
    }
    QCOMPARE(lumdata({"check", m_file}).out, QStringLiteral("result=0 records=%1\n").arg(2 * imports));
}

QTEST_GUILESS_MAIN(TestLumData)
#include "tst_lumdata.moc"
