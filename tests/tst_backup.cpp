// Backup and restore of a data root through lumdata, as an operator runs them: while another
// process saves, and against archives that are damaged or lead out of the root.

#include "tararchive.h"
#include "testfiles.h"
#include "tvaluelist.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

const QString lumdata = QStringLiteral(LUMDATA_PATH);
const QString worker = QStringLiteral(WORKER_PATH);

int run(const QStringList& arguments)
{
    QProcess process;
    process.start(lumdata, arguments);
    process.waitForFinished(60000);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// Every file below a folder with its content's hash: what a restore must leave alone or put back.
std::map<QString, QByteArray> snapshot(const QString& dir)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[path.mid(dir.size())] = QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256);
    }
    return files;
}

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// The values in a database made by makeDatabase.
QStringList databaseValues(const QString& file)
{
    QStringList values;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("backup"));
        db.setDatabaseName(file);
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("SELECT value FROM counts ORDER BY value"))) {
            while (query.next())
                values << query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("backup"));
    return values;
}

void makeDatabase(const QString& file, int value)
{
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("backup"));
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS counts (value INTEGER)")));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO counts VALUES (%1)").arg(value)));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("backup"));
}

// A header whose type or checksum is set by hand, as a hostile archive would have it.
QByteArray withType(QByteArray header, char type)
{
    header[156] = type;
    std::memset(header.data() + 148, ' ', 8);
    unsigned sum = 0;
    for (const char c : header)
        sum += static_cast<unsigned char>(c);
    const QByteArray digits = QByteArray::number(sum, 8).rightJustified(6, '0');
    std::memcpy(header.data() + 148, digits.constData(), 6);
    header[154] = '\0';
    return header;
}

QByteArray member(const QByteArray& header, const QByteArray& content)
{
    return header + content + TarArchive::padding(content.size());
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void backupWhileAnotherProcessSaves();
    void damagedArchiveChangesNothing_data();
    void damagedArchiveChangesNothing();
    void restoreKeepsWhatItReplaces();
};

void TestBackup::backupWhileAnotherProcessSaves()
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("root"));
    const QString lists = root + QStringLiteral("/usr/data");
    QVERIFY(QDir().mkpath(lists));
    makeDatabase(root + QStringLiteral("/var/db/poscash.sqlite"), 1);
    constexpr int records = 1000;
    QProcess saver;
    saver.start(worker,
                {QStringLiteral("save-lists"), lists, QString::number(records), QStringLiteral("100")});
    QVERIFY(saver.waitForReadyRead(10000));

    int taken = 0;
    while (!saver.waitForFinished(0)) {
        QCOMPARE(run({QStringLiteral("backup"), root, dir.filePath(QStringLiteral("%1.tar").arg(taken))}), 0);
        ++taken;
    }
    QCOMPARE(saver.exitCode(), 0);
    QVERIFY(taken > 0);

    for (int i = 0; i < taken; ++i) {
        const QString restored = dir.filePath(QStringLiteral("restored%1").arg(i));
        QCOMPARE(run({QStringLiteral("restore"), dir.filePath(QStringLiteral("%1.tar").arg(i)), restored}),
                 0);
        for (const char* file : {"articles.dat", "currency.dat", "elements.dat"}) {
            if (!QFileInfo::exists(restored + QStringLiteral("/usr/data/") + QLatin1String(file)))
                continue; // taken before the first save of this list
            Basics::TValueList list;
            QCOMPARE(list.load(QLatin1String(file),
                               QFile::encodeName(restored + QStringLiteral("/usr/data")).constData()),
                     0);
            QCOMPARE(list.count(), records);
            const int generation = list.find(1)->get("generation").toInt();
            QCOMPARE(list.find(records)->get("generation").toInt(), generation);
        }
    }
}

void TestBackup::damagedArchiveChangesNothing_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("byte changed in a file") << "flip";
    QTest::newRow("cut short") << "cut";
    QTest::newRow("manifest missing") << "nomanifest";
    QTest::newRow("list that does not load") << "badlist";
    QTest::newRow("name with ..") << "dotdot";
    QTest::newRow("absolute name") << "absolute";
    QTest::newRow("symbolic link") << "link";
    QTest::newRow("size above the limit") << "huge";
}

void TestBackup::damagedArchiveChangesNothing()
{
    QFETCH(QString, damage);
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("root"));
    QVERIFY(writeFile(root + QStringLiteral("/lumconfig.ini"), "[Rights]\n"));
    Basics::TValueList list;
    auto* value = new Basics::TValue;
    value->setID(1);
    value->setName(QStringLiteral("Euro"));
    list.insert(value);
    list.save("currency.dat", QFile::encodeName(root + QStringLiteral("/usr/data")).constData());
    const QString archive = dir.filePath(QStringLiteral("a.tar"));
    QCOMPARE(run({QStringLiteral("backup"), root, archive}), 0);

    QByteArray bytes = readFile(archive);
    const qint64 manifestAt = bytes.indexOf("{\n") - TarArchive::blockSize;
    if (damage == u"flip") {
        bytes[TarArchive::blockSize + 2] = char(bytes[TarArchive::blockSize + 2] ^ 1);
    } else if (damage == u"cut") {
        bytes.truncate(bytes.size() / 2);
    } else if (damage == u"nomanifest") {
        bytes = bytes.left(manifestAt) + TarArchive::endOfArchive();
    } else if (damage == u"badlist") {
        // A list cut inside a record, listed in the manifest with its true size and checksum.
        const QByteArray cut = readFile(root + QStringLiteral("/usr/data/currency.dat")).left(7);
        const QByteArray manifest =
            QByteArray("{\"format\":\"lumdialogs-data-root\",\"version\":1,\"files\":"
                       "[{\"path\":\"c.dat\",\"kind\":\"list\",\"size\":7,\"sha256\":\"") +
            QCryptographicHash::hash(cut, QCryptographicHash::Sha256).toHex() + "\"}]}";
        bytes =
            member(TarArchive::fileHeader(QStringLiteral("data/c.dat"), 7, 0), cut) +
            member(TarArchive::fileHeader(QStringLiteral("manifest.json"), manifest.size(), 0), manifest) +
            TarArchive::endOfArchive();
    } else if (damage == u"dotdot" || damage == u"absolute") {
        const QString name =
            damage == u"dotdot" ? QStringLiteral("data/../escaped") : QStringLiteral("/tmp/escaped");
        bytes = member(TarArchive::fileHeader(name, 1, 0), "x") + bytes;
    } else if (damage == u"link") {
        bytes =
            member(withType(TarArchive::fileHeader(QStringLiteral("data/usr/data/currency.dat"), 0, 0), '2'),
                   {}) +
            bytes;
    } else if (damage == u"huge") {
        bytes =
            member(TarArchive::fileHeader(QStringLiteral("data/big"), (qint64(1) << 33) - 1, 0), {}) + bytes;
    }
    QVERIFY(writeFile(archive, bytes));

    const auto before = snapshot(root);
    const QStringList around = entries(dir.path());
    QCOMPARE(run({QStringLiteral("restore"), archive, root}), 1);
    QVERIFY(snapshot(root) == before);
    QCOMPARE(entries(dir.path()), around);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("escaped"))));
}

void TestBackup::restoreKeepsWhatItReplaces()
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("root"));
    QVERIFY(writeFile(root + QStringLiteral("/lumconfig.ini"), "[Rights]\nversion=1\n"));
    makeDatabase(root + QStringLiteral("/var/db/poscash.sqlite"), 1);
    const QString database = QStringLiteral("/var/db/poscash.sqlite");
    const QString archive = dir.filePath(QStringLiteral("a.tar"));
    QCOMPARE(run({QStringLiteral("backup"), root, archive}), 0);

    QVERIFY(writeFile(root + QStringLiteral("/lumconfig.ini"), "[Rights]\nversion=2\n"));
    QVERIFY(writeFile(root + QStringLiteral("/usr/data/added.dat"), {}));
    makeDatabase(root + database, 2);
    const auto replaced = snapshot(root);
    QCOMPARE(run({QStringLiteral("restore"), archive, root}), 0);

    QCOMPARE(readFile(root + QStringLiteral("/lumconfig.ini")), QByteArray("[Rights]\nversion=1\n"));
    QVERIFY(!QFileInfo::exists(root + QStringLiteral("/usr/data/added.dat")));
    QCOMPARE(databaseValues(root + database), QStringList{QStringLiteral("1")});
    const QStringList kept = QDir(dir.path()).entryList({QStringLiteral("root.replaced-*")}, QDir::Dirs);
    QCOMPARE(kept.size(), 1);
    QVERIFY(snapshot(dir.filePath(kept.first())) == replaced);
}

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
