// Data files: load and save with their results, the file format byte for byte, the compressed
// variant, path expansion, and the errors of the locked file and directory classes.

#include "tdir.h"
#include "terror.h"
#include "testfiles.h"
#include "tfile.h"
#include "tlistnames.h"
#include "tvaluelist.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
    void saveKeepsPreviousAsOld();
    void bytesMatchQtDataStream();
    void oversizedCountFailsLoad();
    void compressedVariant();
    void pathExpansion();
    void basePathFormsUseDataDir();
    void fileErrors();
    void failedSaveKeepsData();
    void locksBetweenOpenFiles();

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

    // A plain file that happens to end in 0xFF (a null string last) goes to the decompressor when
    // compression is on; it is then reported damaged rather than taken for an empty list.
    TValue nullLast;
    nullLast.set("name", QString());
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << nullLast;
    QCOMPARE(uchar(bytes.back()), 0xFF);
    QVERIFY(writeFile(m_path, bytes));
    TValueList loaded;
    QCOMPARE(loaded.load("elements.dat", m_dirName), 0);
    ScopedEnv compress("POS_COMPRESS", "yes");
    QCOMPARE(loaded.load("elements.dat", m_dirName), 304);

    writeFile(m_path, qCompress(QByteArray()) + '\xFF'); // a packed empty list is just that
    QCOMPARE(loaded.load("elements.dat", m_dirName), 0);
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

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
