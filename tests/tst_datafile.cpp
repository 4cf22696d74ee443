// Data files: load and save with their results, the file format byte for byte, the compressed
// variant, path expansion, and the errors of the locked file and directory classes.

#include "recordstream.h"
#include "tdir.h"
#include "terror.h"
#include "testfiles.h"
#include "tfile.h"
#include "tlistnames.h"
#include "tvaluelist.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using Basics::TValue;
using Basics::TValueList;

namespace {

TValue* record(int id, const QString& name)
{
    auto* value = new TValue;
    value->setID(id);
    value->setName(name);
    return value;
}

// Environment variable set for the lifetime of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv() { qunsetenv(m_name); }

private:
    const char* m_name;
};

template <typename Error>
int codeOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& error) {
        return error.code();
    }
    return 0;
}

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void roundTripAndResults();
    void emptyListIsEmptyFile();
    void truncatedFileKeepsEarlierRecords();
    void largeFilesReadInPieces();
    void saveKeepsPreviousAsOld();
    void bytesMatchQtDataStream();
    void oversizedCountFailsLoad();
    void compressedVariant();
    void readsAreBoundedByTheFileSize();
    void pathExpansion();
    void basePathFormsUseDataDir();
    void fileErrors();
    void failedSaveKeepsData();
    void locksBetweenOpenFiles();
    void savesKeepModeOwnerAndLinks();
    void plantedCompanionsAreNotFollowed();
    void lockWaitIsBounded();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    QByteArray m_dirName;
};

void TestDataFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dirName = QFile::encodeName(m_dir->path());
    m_path = m_dir->filePath("elements.dat");
}

void TestDataFile::roundTripAndResults()
{
    TValueList list;
    list.insert(record(2, QStringLiteral("K\u00e4se")));
    list.insert(record(10, "Bier"));
    list.find(10)->set("price", 450);
    list.save("elements.dat", m_dirName);

    TValueList loaded;
    loaded.insert(record(99, "stale"));
    QCOMPARE(loaded.load("elements.dat", m_dirName), 0);
    QCOMPARE(loaded.count(), 2);
    QVERIFY(*loaded.find(2) == *list.find(2));
    QVERIFY(*loaded.find(10) == *list.find(10));
    QCOMPARE(loaded.find(10)->get("price").type(), int(Basics::TVariant::String));
    QCOMPARE(loaded.nextID(), 100); // nextID never shrinks

    QCOMPARE(loaded.load("missing.dat", m_dirName), 7);
    QVERIFY(loaded.isEmpty());
}

void TestDataFile::emptyListIsEmptyFile()
{
    TValueList list;
    list.save("elements.dat", m_dirName);
    QCOMPARE(QFileInfo(m_path).size(), 0);
    QCOMPARE(list.load("elements.dat", m_dirName), 0);
    QVERIFY(list.isEmpty());
}

void TestDataFile::truncatedFileKeepsEarlierRecords()
{
    TValueList list;
    for (int id = 1; id <= 3; ++id)
        list.insert(record(id, QStringLiteral("record %1").arg(id)));
    list.save("elements.dat", m_dirName);
    const QByteArray whole = readFile(m_path);
    for (qsizetype cut : {whole.size() - 1, whole.size() - 7, qsizetype(3)}) {
        QVERIFY(writeFile(m_path, whole.left(cut)));
        TValueList loaded;
        QCOMPARE(loaded.load("elements.dat", m_dirName), 304);
        QCOMPARE(loaded.count(), cut == 3 ? 0 : 2);
    }
    // A string of odd byte length cannot be UTF-16: the file is damaged.
    QByteArray odd("\0\0\0\1\0\0\0\3abc\0\0\0\0", 15);
    QVERIFY(writeFile(m_path, odd));
    TValueList loaded;
    QCOMPARE(loaded.load("elements.dat", m_dirName), 304);
}

void TestDataFile::largeFilesReadInPieces()
{
    // Files are read a piece at a time: records cut by the end of a piece, one record larger than a
    // piece, and key sets that change from record to record all read back and save byte for byte.
    // The file is large enough for the records to share chunks of memory, the large record apart.
    TValueList list;
    for (int id = 1; id <= 20000; ++id) {
        TValue* value = record(id, QStringLiteral("record %1").arg(id));
        value->set(id % 3 ? "price" : "plu", id);
        list.insert(value);
    }
    list.find(2000)->set("text", QString(3500000, QChar(0xe9)));
    list.save("elements.dat", m_dirName);
    const QByteArray whole = readFile(m_path);
    QVERIFY(whole.size() > 8 << 20);

    TValueList loaded;
    QCOMPARE(loaded.load("elements.dat", m_dirName), 0);
    QCOMPARE(loaded.count(), 20000);
    for (int id : {1, 1999, 2000, 2001, 20000})
        QVERIFY(*loaded.find(id) == *list.find(id));
    loaded.save("elements.dat", m_dirName);
    QCOMPARE(readFile(m_path), whole);

    // A text read from a loaded record outlives changes to the record, its neighbours and the list.
    {
        TValueList shared;
        QCOMPARE(shared.load("elements.dat", m_dirName), 0);
        const QString name = shared.find(1)->getName();
        const QString text = shared.find(2000)->getString("text");
        shared.find(1)->setName("changed");
        shared.remove(shared.find(2));
        QCOMPARE(shared.find(3)->getName(), QStringLiteral("record 3"));
        shared.clear();
        QCOMPARE(name, QStringLiteral("record 1"));
        QCOMPARE(text.size(), 3500000);
    }

    // Cut inside the large record: the records before it stay.
    QByteArray before;
    for (int id = 1; id < 2000; ++id)
        Basics::appendRecord(before, *list.find(id));
    QVERIFY(writeFile(m_path, whole.left(before.size() + 1000000)));
    QCOMPARE(loaded.load("elements.dat", m_dirName), 304);
    QCOMPARE(loaded.count(), 1999);

    // Another program's record with its keys out of order, one of them twice: the last one counts,
    // and the record is written back in key order.
    QByteArray foreign;
    QDataStream out(&foreign, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_3_3);
    out << quint32(3) << QStringLiteral("name") << QStringLiteral("first") << QStringLiteral("id")
        << QStringLiteral("5") << QStringLiteral("name") << QStringLiteral("second");
    QVERIFY(writeFile(m_path, foreign));
    QCOMPARE(loaded.load("elements.dat", m_dirName), 0);
    QCOMPARE(loaded.find(5)->getName(), QStringLiteral("second"));
    QCOMPARE(loaded.find(5)->count(), 2);
    loaded.save("elements.dat", m_dirName);
    QByteArray sorted;
    QDataStream expected(&sorted, QIODevice::WriteOnly);
    expected.setVersion(QDataStream::Qt_3_3);
    expected << quint32(2) << QStringLiteral("id") << QStringLiteral("5") << QStringLiteral("name")
             << QStringLiteral("second");
    QCOMPARE(readFile(m_path), sorted);
}

void TestDataFile::saveKeepsPreviousAsOld()
{
    TValueList list;
    list.insert(record(1, "first"));
    list.save("elements.dat", m_dirName);
    const QByteArray first = readFile(m_path);
    list.find(1)->setName("second");
    list.save("elements.dat", m_dirName);
    QCOMPARE(readFile(m_path + ".old"), first);
    QVERIFY(readFile(m_path).contains(QByteArray("\0s\0e\0c\0o\0n\0d", 12)));
    QVERIFY(!QFile::exists(m_path + ".new"));
    list.save("elements.dat", m_dirName);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), (QStringList{"elements.dat", "elements.dat.old"}));
}

void TestDataFile::bytesMatchQtDataStream()
{
    // Keys chosen so that code-unit order differs from code-point order: a surrogate pair sorts
    // before U+FF71.
    const QStringList keys = {"z",
                              QStringLiteral("\u00e4"),
                              QStringLiteral("\u03a9"),
                              QStringLiteral("\u20ac"),
                              QStringLiteral("\U0001F600"),
                              QStringLiteral("\uFF71"),
                              "A",
                              "id"};
    TValueList list;
    for (int id : {3, 1, 2}) {
        auto* value = new TValue;
        for (const QString& key : keys)
            value->set(key, QStringLiteral("%1 \u00fcber %2").arg(key).arg(id));
        value->setID(id);
        value->set("empty", QStringLiteral(""));
        value->set("null", QString());
        list.insert(value);
    }
    list.save("elements.dat", m_dirName);

    QStringList sorted = keys;
    sorted << "empty"
           << "null";
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return std::lexicographical_compare(a.utf16(), a.utf16() + a.size(), b.utf16(), b.utf16() + b.size());
    });
    QByteArray expected;
    QDataStream out(&expected, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_3_3);
    for (int id : {1, 2, 3}) {
        out << quint32(sorted.size());
        for (const QString& key : sorted) {
            out << key;
            if (key == u"id")
                out << QString::number(id);
            else if (key == u"empty")
                out << QStringLiteral("");
            else if (key == u"null")
                out << QString();
            else
                out << QStringLiteral("%1 \u00fcber %2").arg(key).arg(id);
        }
    }
    QCOMPARE(readFile(m_path), expected);

    // Reading keeps null and empty apart, so a second save is identical.
    TValueList loaded;
    QCOMPARE(loaded.load("elements.dat", m_dirName), 0);
    QVERIFY(loaded.find(1)->getString("null").isNull());
    QVERIFY(!loaded.find(1)->getString("empty").isNull());
    loaded.save("elements.dat", m_dirName);
    QCOMPARE(readFile(m_path), expected);
}

void TestDataFile::oversizedCountFailsLoad()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << quint32(1) << QStringLiteral("id") << QStringLiteral("1") << quint32(1u << 24);
    QVERIFY(writeFile(m_path, bytes));
    TValueList list;
    QCOMPARE(codeOf<Basics::TError>([&] { list.load("elements.dat", m_dirName); }), 5);
    QCOMPARE(list.count(), 1);
    // The file was closed and unlocked on the way out: a writer gets it at once.
    Basics::TFile file(m_path);
    QVERIFY(file.open(QIODevice::ReadWrite));
}

void TestDataFile::compressedVariant()
{
    TValueList list;
    list.insert(record(1, "packed"));
    list.save("elements.dat", m_dirName);
    const QByteArray plain = readFile(m_path);
    QVERIFY(writeFile(m_path, qCompress(plain) + '\xFF'));
    {
        ScopedEnv compress("POS_COMPRESS", "1");
        TValueList loaded;
        QCOMPARE(loaded.load("elements.dat", m_dirName), 0);
        QCOMPARE(loaded.find(1)->getName(), QStringLiteral("packed"));
    }
    for (const QByteArray& off : {QByteArray(), QByteArray("0"), QByteArray("false")}) {
        ScopedEnv compress("POS_COMPRESS", off);
        TValueList loaded;
        QCOMPARE(loaded.load("elements.dat", m_dirName), 304); // parsed as plain data
    }

    // Plain files that happen to end in 0xFF (a null string or a "ÿ" last) are handed to the
    // decompressor when compression is on; what does not uncompress is read as plain records, so
    // that every file this program writes reads back, and can be saved again.
    ScopedEnv compress("POS_COMPRESS", "yes");
    for (const QString& last : {QString(), QStringLiteral("M\u00fcller \u00ff")}) {
        TValueList own;
        own.insert(record(1, "first"));
        own.insert(record(2, "second"));
        own.find(2)->set("zz", last);
        own.save("elements.dat", m_dirName);
        QCOMPARE(uchar(readFile(m_path).back()), 0xFF);
        TValueList loaded;
        QCOMPARE(loaded.load("elements.dat", m_dirName), 0);
        QCOMPARE(loaded.count(), 2);
        QCOMPARE(loaded.find(2)->getString("zz"), last);
    }

    // A damaged compressed file is damaged, neither an empty list nor records made of its bytes.
    QByteArray packed = qCompress(plain);
    packed.chop(3);
    QVERIFY(writeFile(m_path, packed + '\xFF'));
    TValueList loaded;
    QCOMPARE(loaded.load("elements.dat", m_dirName), 304);
    QVERIFY(loaded.isEmpty());

    writeFile(m_path, qCompress(QByteArray()) + '\xFF'); // a packed empty list is just that
    QCOMPARE(loaded.load("elements.dat", m_dirName), 0);
}

void TestDataFile::readsAreBoundedByTheFileSize()
{
    // 50 KB of packed zeros would make 50 MB of data and 13 million empty records.
    QVERIFY(writeFile(m_path, qCompress(QByteArray(50 << 20, '\0'), 9) + '\xFF'));
    QVERIFY(QFileInfo(m_path).size() < 60000);
    {
        ScopedEnv compress("POS_COMPRESS", "1");
        TValueList list;
        QCOMPARE(list.load("elements.dat", m_dirName), 304);
        QVERIFY(list.isEmpty());
    }
    // Plain zeros are empty records, four bytes each: a few load, millions are refused.
    QVERIFY(writeFile(m_path, QByteArray(40, '\0')));
    TValueList list;
    QCOMPARE(list.load("elements.dat", m_dirName), 0);
    QCOMPARE(list.count(), 10);
    QVERIFY(writeFile(m_path, QByteArray(8 << 20, '\0')));
    QCOMPARE(list.load("elements.dat", m_dirName), 304);
    QVERIFY(list.isEmpty());

    // Only regular files are read: a pipe would block, a device would never end.
    QFile::remove(m_path);
    QVERIFY(QFile::link("/dev/zero", m_path));
    QCOMPARE(codeOf<Basics::TFileError>([&] { list.load("elements.dat", m_dirName); }), 317);
    QFile::remove(m_path);
    QCOMPARE(::mkfifo(QFile::encodeName(m_path).constData(), 0600), 0);
    QCOMPARE(codeOf<Basics::TFileError>([&] { list.load("elements.dat", m_dirName); }), 317);
    QFile::remove(m_path);
    QVERIFY(QDir().mkdir(m_path)); // not "does not exist", and no ".new" left behind
    QCOMPARE(codeOf<Basics::TFileError>([&] { list.load("elements.dat", m_dirName); }), 317);
    QCOMPARE(codeOf<Basics::TFileError>([&] { list.save("elements.dat", m_dirName); }), 317);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"elements.dat"});
}

void TestDataFile::pathExpansion()
{
    ScopedEnv path("POS_PATH", QFile::encodeName(m_dir->path()));
    ScopedEnv inner("LUM_TEST_INNER", "$(POS_PATH)/in");
    ScopedEnv loop("LUM_TEST_LOOP", "$(LUM_TEST_LOOP)");
    QCOMPARE(Basics::expandPath("$(POS_PATH)/x.dat"), m_dir->path() + "/x.dat");
    QCOMPARE(Basics::expandPath("$(LUM_TEST_UNSET)x.dat"), QStringLiteral("x.dat"));
    QCOMPARE(Basics::expandPath("$(LUM_TEST_INNER)/x"), m_dir->path() + "/in/x");
    QCOMPARE(Basics::expandPath("a$(POS_PATH"), QStringLiteral("a$(POS_PATH"));
    QVERIFY(Basics::expandPath("$(LUM_TEST_LOOP)").contains("$(")); // ends instead of looping

    TValueList list;
    list.insert(record(1, "expanded"));
    list.save("$(POS_PATH)/elements.dat", "");
    QVERIFY(QFile::exists(m_path));
    QCOMPARE(list.load("elements.dat", "$(POS_PATH)"), 0);
    QCOMPARE(Basics::TDir("$(POS_PATH)/a/b/", true).path(), m_dir->path() + "/a/b/");
    QVERIFY(QFileInfo(m_dir->filePath("a/b")).isDir());
}

void TestDataFile::basePathFormsUseDataDir()
{
    PosLib::TNamedList list(PosLib::TListNames::forRoot("currencies"));
    list.insert(record(1, "Euro"));
    list.save(m_dirName.constData());
    QVERIFY(QFile::exists(m_dir->filePath("usr/data/currency.dat")));
    PosLib::TNamedList loaded(PosLib::TListNames::forFile("currency.dat"));
    QCOMPARE(loaded.rootName(), QStringLiteral("currencies"));
    QCOMPARE(loaded.load((m_dirName + "/").constData()), 0);
    QCOMPARE(loaded.count(), 1);
}

void TestDataFile::fileErrors()
{
    using Basics::TFile;
    using Basics::TFileError;
    const QString present = m_dir->filePath("present");
    QVERIFY(writeFile(present, "x"));
    const QString missing = m_dir->filePath("missing");

    QCOMPARE(codeOf<TFileError>([&] { TFile(m_dir->filePath("a%b")).open(QIODevice::ReadOnly); }), 3);
    QCOMPARE(codeOf<TFileError>([&] { TFile(missing, TFile::MustExist).open(QIODevice::ReadOnly); }), 316);
    QCOMPARE(codeOf<TFileError>([&] { TFile(present, TFile::MustNotExist).open(QIODevice::WriteOnly); }),
             315);
    QCOMPARE(codeOf<TFileError>([&] { TFile(missing).open(QIODevice::ReadOnly); }), 301);
    QCOMPARE(codeOf<TFileError>([&] { TFile(m_dir->path()).open(QIODevice::WriteOnly); }), 301);
    QCOMPARE(codeOf<TFileError>([&] { TFile::remove(m_dir->path()); }), 311); // a directory
    QCOMPARE(codeOf<TFileError>([&] { TFile::rename(missing, present); }), 312);
    QCOMPARE(codeOf<TFileError>([&] { TFile::remove(missing); }), 0); // absent: nothing to do
    QCOMPARE(codeOf<Basics::TDirError>([&] { Basics::TDir(present + "/sub", true); }), 201);

    try {
        TFile(missing).open(QIODevice::ReadOnly);
        QFAIL("a missing file was opened");
    } catch (const Basics::TError& error) {
        QCOMPARE(error.source(), QStringLiteral("tfile"));
        QCOMPARE(error.message(), 301);
        QCOMPARE(error.text(), missing);
        QCOMPARE(error.osError(), ENOENT);
        QVERIFY(error.description().contains(missing));
    }

    TFile file(present);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.isLocked());
    QCOMPARE(file.size(), 0); // truncated once locked
    file.close();
    QVERIFY(!file.isLocked());
}

void TestDataFile::failedSaveKeepsData()
{
    TValueList list;
    list.insert(record(1, "kept"));
    list.save("elements.dat", m_dirName);
    const QByteArray before = readFile(m_path);
    QVERIFY(QDir().mkdir(m_path + ".new")); // the temporary file cannot be created
    list.find(1)->setName("lost");
    QCOMPARE(codeOf<Basics::TFileError>([&] { list.save("elements.dat", m_dirName); }), 301);
    QCOMPARE(readFile(m_path), before);
}

void TestDataFile::locksBetweenOpenFiles()
{
    QVERIFY(writeFile(m_path, "data"));
    Basics::TFile writer(m_path);
    QVERIFY(writer.open(QIODevice::ReadWrite));
    Basics::TLockedFile other(m_path);
    QVERIFY(other.open(QIODevice::ReadOnly));
    QVERIFY(!other.lock(Basics::TLockedFile::ReadLock, false));
    writer.close();
    QVERIFY(other.lock(Basics::TLockedFile::ReadLock, false));
    Basics::TLockedFile reader(m_path);
    QVERIFY(reader.open(QIODevice::ReadOnly));
    QVERIFY(reader.lock(Basics::TLockedFile::ReadLock, false)); // readers share
}

void TestDataFile::savesKeepModeOwnerAndLinks()
{
    TValueList list;
    list.insert(record(1, "private"));
    list.save("elements.dat", m_dirName);
    QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner));
    const bool root = ::geteuid() == 0;
    if (root)
        QCOMPARE(::chown(QFile::encodeName(m_path).constData(), 4321, 4321), 0);
    list.save("elements.dat", m_dirName);
    struct stat info = {};
    QCOMPARE(::stat(QFile::encodeName(m_path).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, 0600u);
    if (root)
        QCOMPARE(info.st_uid, 4321u);

    // A file nobody may write is refused, not replaced.
    QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QByteArray before = readFile(m_path);
    list.find(1)->setName("changed");
    QCOMPARE(codeOf<Basics::TFileError>([&] { list.save("elements.dat", m_dirName); }), 301);
    QCOMPARE(readFile(m_path), before);
    QVERIFY(!QFile::exists(m_path + ".new"));

    // A data file that is a link into a shared folder: the shared file gets the records, the link
    // stays a link, and the companions are made beside the shared file.
    const QString shared = m_dir->filePath("shared/elements.dat");
    TValueList sharedList;
    sharedList.insert(record(1, "old"));
    sharedList.save("elements.dat", QFile::encodeName(m_dir->filePath("shared")));
    const QString local = m_dir->filePath("local");
    QVERIFY(QDir().mkdir(local));
    QVERIFY(QFile::link("../shared/elements.dat", local + "/elements.dat"));
    list.save("elements.dat", QFile::encodeName(local));
    QVERIFY(QFileInfo(local + "/elements.dat").isSymLink());
    QCOMPARE(QDir(local).entryList(QDir::Files | QDir::System), QStringList{"elements.dat"});
    TValueList loaded;
    QCOMPARE(loaded.load("elements.dat", QFile::encodeName(m_dir->filePath("shared"))), 0);
    QCOMPARE(loaded.find(1)->getName(), QStringLiteral("changed"));
    QVERIFY(QFile::exists(shared + ".old"));
}

void TestDataFile::plantedCompanionsAreNotFollowed()
{
    TValueList list;
    list.insert(record(1, "data"));
    list.save("elements.dat", m_dirName);
    const QString victim = m_dir->filePath("victim");
    QVERIFY(writeFile(victim, "untouched"));

    // A ".new" link or hard link to another file, and a dangling ".old" link.
    QVERIFY(QFile::link(victim, m_path + ".new"));
    list.save("elements.dat", m_dirName);
    QCOMPARE(QFile::remove(m_path + ".old"), true);
    QCOMPARE(::link(QFile::encodeName(victim).constData(), QFile::encodeName(m_path + ".new").constData()),
             0);
    list.save("elements.dat", m_dirName);
    QVERIFY(QFile::remove(m_path + ".old"));
    QVERIFY(QFile::link(m_dir->filePath("nowhere"), m_path + ".old"));
    list.save("elements.dat", m_dirName);

    QCOMPARE(readFile(victim), QByteArray("untouched"));
    QVERIFY(!QFileInfo(m_path).isSymLink());
    QVERIFY(!QFileInfo(m_path + ".old").isSymLink());
    TValueList loaded;
    QCOMPARE(loaded.load("elements.dat", m_dirName), 0);
    QCOMPARE(loaded.count(), 1);
}

void TestDataFile::lockWaitIsBounded()
{
    TValueList list;
    list.insert(record(1, "data"));
    list.save("elements.dat", m_dirName);
    // A saver that stopped while it held the ".new" lock.
    Basics::TFile stopped(m_path + ".new");
    QVERIFY(stopped.open(QIODevice::WriteOnly));

    QStringList told;
    Basics::TLockedFile::setWaitObserver(
        [&](const QString& file, bool waiting) { told << QStringLiteral("%1 %2").arg(waiting).arg(file); });
    Basics::TLockedFile::setLockTimeout(400);
    const auto restore = qScopeGuard([] {
        Basics::TLockedFile::setLockTimeout(Basics::TLockedFile::defaultLockTimeout);
        Basics::TLockedFile::setWaitObserver({});
    });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(codeOf<Basics::TFileError>([&] { list.save("elements.dat", m_dirName); }), 318);
    QVERIFY(clock.elapsed() >= 400);
    QCOMPARE(told, (QStringList{"1 " + m_path + ".new", "0 " + m_path + ".new"}));
    stopped.close();
    list.save("elements.dat", m_dirName);
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
