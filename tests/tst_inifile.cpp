// INI files: what a line means, lookups and iteration, includes, files written back unchanged and
// values changed in place.

#include "terror.h"
#include "testfiles.h"
#include "tinifile.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Basics::TEntry;
using Basics::TInifile;

namespace {

// As the point-of-sale programs write them: byte-order mark, UTF-16LE, "\r\n" after every line.
QByteArray utf16File(const QStringList& lines)
{
    return QByteArrayLiteral("\xff\xfe") +
           QStringEncoder(QStringConverter::Utf16LE)(lines.join(u"\r\n") + QLatin1StringView("\r\n"));
}

QStringList keysOf(TInifile& ini, const QString& section)
{
    QStringList keys;
    for (const TEntry* entry = ini.first(section); entry; entry = ini.next())
        keys.append(entry->key());
    return keys;
}

} // namespace

class TestInifile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void syntaxCorners();
    void fileWrittenBackUnchanged();
    void encodings();
    void includes();
    void includeLoopsAndMissingFiles();
    void setValueKeepsEverythingElse();
    void setValueInIncludedFile();
    void namesAndMissingFiles();
    void eightBitLinesKeepTheirBytes();
    void includesAreReadOnceAndBounded();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestInifile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestInifile::syntaxCorners()
{
    const QString path = m_dir->filePath("outlets.ini");
    writeFile(path, "top = before any section\n"
                    "; comment before\n"
                    "  [Settings]  \n"
                    "Outlet = 3   \n"
                    "\tname\t=\tMain hall \n"
                    "\n"
                    "noequals\n"
                    "#not an include\n"
                    "[broken\n"
                    "key=a=b\n"
                    "empty=\n"
                    "  ; a=commented\n"
                    "[other]\n"
                    "x=1\n"
                    "[settings]\n"
                    "later = yes\n");
    TInifile ini;
    ini.read(path);
    QCOMPARE(ini.readString("settings", "outlet"), QStringLiteral("3"));
    QCOMPARE(ini.readString("SETTINGS", "  OUTLET\t"), QStringLiteral("3"));
    QCOMPARE(ini.readValue("Settings", "outlet").toInt(), 3);
    QCOMPARE(ini.readString("settings", "name"), QStringLiteral("Main hall"));
    QCOMPARE(ini.readString("settings", "key"), QStringLiteral("a=b"));
    QCOMPARE(ini.readString("settings", "empty", "default"), QString());
    QCOMPARE(ini.readString("settings", "later"), QStringLiteral("yes")); // same section again
    QCOMPARE(ini.readString("settings", "a", "none"), QStringLiteral("none"));
    QCOMPARE(ini.readString("settings", "top", "none"), QStringLiteral("none"));
    QCOMPARE(ini.readString("missing", "outlet", "none"), QStringLiteral("none"));
    QCOMPARE(ini.readString("settings", "missing", "none"), QStringLiteral("none"));
    QCOMPARE(ini.readValue("missing", "x", 5).toInt(), 5);
    QCOMPARE(ini.section("SETTINGS")->name(), QStringLiteral("Settings"));
    QCOMPARE(ini.readString("other", "x"), QStringLiteral("1"));

    // Iteration skips comments and empty lines; lines without "=" have no key.
    QCOMPARE(keysOf(ini, "settings"), QStringList({"Outlet", "name", "", "", "", "key", "empty", "later"}));
    QVERIFY(!ini.first("missing"));
    QVERIFY(!ini.next());
    QCOMPARE(ini.lines().size(), 16);
}

void TestInifile::fileWrittenBackUnchanged()
{
    const QByteArray original = utf16File(
        {"; Außer-Haus-Konten", "[accountmap]", "Bar = 12", "  Terrasse\t=  7 ", "", "[vaultinfos]",
         "cashin=Wechselgeld,Tresor €", "garbage line", "#include <nothing-here.ini>", "", "[empty]"});
    const QString path = m_dir->filePath("externaccountmap.ini");
    QVERIFY(writeFile(path, original));

    TInifile ini;
    ini.read(path);
    QCOMPARE(ini.readString("vaultinfos", "cashin"), QStringLiteral("Wechselgeld,Tresor €"));
    ini.write(m_dir->filePath("copy.ini"));
    QCOMPARE(readFile(m_dir->filePath("copy.ini")), original);
    ini.write();
    QCOMPARE(readFile(path), original);
    QVERIFY(!QFile::exists(path + ".new"));
}

void TestInifile::encodings()
{
    // Big-endian UTF-16 is recognised by its mark too.
    const QString big = m_dir->filePath("big.ini");
    QVERIFY(writeFile(big, QByteArrayLiteral("\xfe\xff") +
                               QStringEncoder(QStringConverter::Utf16BE)(u"[s]\nk=ü\n")));
    TInifile ini;
    ini.read(big);
    QCOMPARE(ini.readString("s", "k"), QStringLiteral("ü"));

    // The mark decides, whatever follows it.
    const QByteArray nul = utf16File({QString(QChar(0)) + u'x', "[s]", "k=1"});
    QVERIFY(writeFile(big, nul));
    ini.read(big);
    ini.write();
    QCOMPARE(readFile(big), nul);
    const QByteArray marked = "\xef\xbb\xbf[s]\r\nk=1\r\n";
    QVERIFY(writeFile(big, marked));
    ini.read(big);
    QCOMPARE(ini.readString("s", "k"), QStringLiteral("1"));
    ini.setLocal8Bit(true);
    ini.write();
    QCOMPARE(readFile(big), marked);

    // 8-bit files come back as they were when asked to, with "\r\n" after every line.
    const QString eight = m_dir->filePath("eight.ini");
    QVERIFY(writeFile(eight, "[s]\r\nk = Grüße\r\n\r\n; end\r\n"));
    ini.read(eight);
    ini.setLocal8Bit(true);
    ini.write(m_dir->filePath("eight-copy.ini"));
    QCOMPARE(readFile(m_dir->filePath("eight-copy.ini")), readFile(eight));
    QVERIFY(writeFile(eight, "[s]\nk=1"));
    ini.read(eight);
    ini.write();
    QCOMPARE(readFile(eight), QByteArray("[s]\r\nk=1\r\n"));
}

void TestInifile::includes()
{
    QVERIFY(QDir(m_dir->path()).mkdir("sub"));
    QVERIFY(writeFile(m_dir->filePath("main.ini"), "[a]\nx=1\n#include <sub/common.ini>\ny=2\n[b]\nv=5\n"));
    QVERIFY(writeFile(m_dir->filePath("sub/common.ini"),
                      "[shared]\nz=3\n[A]\nw=4\nx=9\n  # include <more.ini>\n"));
    QVERIFY(writeFile(m_dir->filePath("sub/more.ini"), "[more]\nm=6\n"));
    const QByteArray mainBytes = utf16File({"[a]", "x=1", "#include <sub/common.ini>", "y=2", "[b]", "v=5"});

    TInifile ini;
    ini.read(m_dir->filePath("main.ini"));
    QCOMPARE(ini.readString("shared", "z"), QStringLiteral("3"));
    QCOMPARE(ini.readString("a", "w"), QStringLiteral("4"));
    QCOMPARE(ini.readString("a", "x"), QStringLiteral("1"));    // the first entry wins
    QCOMPARE(ini.readString("a", "y"), QStringLiteral("2"));    // the including file goes on in its section
    QCOMPARE(ini.readString("more", "m"), QStringLiteral("6")); // relative to the included file
    QCOMPARE(ini.lines(),
             QStringList({"[a]", "x=1", "#include <sub/common.ini>", "[shared]", "z=3", "[A]", "w=4", "x=9",
                          "  # include <more.ini>", "[more]", "m=6", "y=2", "[b]", "v=5"}));
    QCOMPARE(keysOf(ini, "a"), QStringList({"x", "w", "x", "y"}));

    // Written back, the file keeps its include line and does not take in the included lines.
    QCOMPARE(ini.fileName(), m_dir->filePath("main.ini"));
    ini.write();
    QCOMPARE(readFile(m_dir->filePath("main.ini")), mainBytes);
    QCOMPARE(readFile(m_dir->filePath("sub/common.ini")),
             QByteArray("[shared]\nz=3\n[A]\nw=4\nx=9\n  # include <more.ini>\n"));
}

void TestInifile::includeLoopsAndMissingFiles()
{
    writeFile(m_dir->filePath("self.ini"),
              "[s]\nk=1\n#include <self.ini>\n#include <other.ini>\n#include <gone.ini>\n"
              "#include <.>\n");
    QVERIFY(writeFile(m_dir->filePath("other.ini"), "[o]\n#include <self.ini>\nk=2\n"));
    TInifile ini;
    ini.read(m_dir->filePath("self.ini"));
    QCOMPARE(ini.readString("o", "k"), QStringLiteral("2"));
    QCOMPARE(ini.lines().size(), 6 + 3);

    // A chain deeper than the limit ends there.
    for (int i = 0; i <= TInifile::maxIncludeDepth + 2; ++i)
        writeFile(m_dir->filePath(QStringLiteral("chain%1.ini").arg(i)),
                  QStringLiteral("[c%1]\nk=%1\n#include <chain%2.ini>\n").arg(i).arg(i + 1).toUtf8());
    ini.read(m_dir->filePath("chain0.ini"));
    QCOMPARE(ini.readString(QStringLiteral("c%1").arg(TInifile::maxIncludeDepth), "k"),
             QString::number(TInifile::maxIncludeDepth));
    QVERIFY(!ini.section(QStringLiteral("c%1").arg(TInifile::maxIncludeDepth + 1)));
}

void TestInifile::setValueKeepsEverythingElse()
{
    const QString path = m_dir->filePath("config.ini");
    writeFile(path, utf16File({"; settings of the till", "[Settings]", "Outlet = 3   ", "name=Main", "",
                               "; printers", "[Printers]", "  kitchen = lp0", "; no bar yet"}));
    TInifile ini;
    ini.read(path);
    ini.setValue("settings", "OUTLET", 7);
    ini.setValue("settings", "mandant", "2");
    ini.setValue("printers", "bar", " lp1\n");
    ini.setValue("Counters", "default", "c1,c2");
    ini.setValue("counters", "cash", "");
    QCOMPARE(ini.readString("settings", "outlet"), QStringLiteral("7"));
    QCOMPARE(ini.readString("printers", "bar"), QStringLiteral("lp1"));
    ini.write();
    const QStringList expected = {"; settings of the till",
                                  "[Settings]",
                                  "Outlet = 7   ",
                                  "name=Main",
                                  "mandant=2",
                                  "",
                                  "; printers",
                                  "[Printers]",
                                  "  kitchen = lp0",
                                  "  bar = lp1",
                                  "; no bar yet",
                                  "",
                                  "[Counters]",
                                  "default=c1,c2",
                                  "cash="};
    QCOMPARE(readFile(path), utf16File(expected));

    TInifile again;
    again.read(path);
    QCOMPARE(again.readString("counters", "default"), QStringLiteral("c1,c2"));
    QCOMPARE(again.readString("settings", "mandant"), QStringLiteral("2"));

    // A value with line breaks stays on its line.
    again.setValue("settings", "name", "two\nlines");
    QCOMPARE(again.lines()[3], QStringLiteral("name=two lines"));

    // An object that read nothing starts a file of its own.
    TInifile fresh;
    fresh.setValue("s", "k", "v");
    fresh.write(m_dir->filePath("fresh.ini"));
    QCOMPARE(readFile(m_dir->filePath("fresh.ini")), utf16File({"[s]", "k=v"}));
}

void TestInifile::setValueInIncludedFile()
{
    QVERIFY(writeFile(m_dir->filePath("main.ini"), "[main]\nk=1\n#include <common.ini>\n"));
    QVERIFY(writeFile(m_dir->filePath("common.ini"), "[shared]\nz = 3\n"));
    TInifile ini;
    ini.setLocal8Bit(true);
    ini.read(m_dir->filePath("main.ini"));
    ini.setValue("shared", "z", "30");
    ini.setValue("shared", "added", "1");
    ini.write();
    // Each value goes back to the file it came from.
    QCOMPARE(readFile(m_dir->filePath("common.ini")), QByteArray("[shared]\r\nz = 30\r\nadded = 1\r\n"));
    QCOMPARE(readFile(m_dir->filePath("main.ini")), QByteArray("[main]\r\nk=1\r\n#include <common.ini>\r\n"));
}

void TestInifile::namesAndMissingFiles()
{
    TInifile ini;
    try {
        ini.read(QString());
        QFAIL("a null name was read");
    } catch (const Basics::TInifileError& error) {
        QCOMPARE(error.code(), 2);
        QCOMPARE(error.message(), 501);
        QCOMPARE(error.source(), QStringLiteral("tinifile"));
    }
    QVERIFY_THROWS_EXCEPTION(Basics::TInifileError, ini.write());

    const QString missing = m_dir->filePath("missing.ini");
    ini.read(missing);
    QVERIFY(ini.lines().isEmpty());
    QCOMPARE(ini.readString("s", "k", "def"), QStringLiteral("def"));
    ini.setValue("s", "k", "v");
    ini.write();
    QCOMPARE(readFile(missing), utf16File({"[s]", "k=v"}));

    // "$(" references name the file through the environment.
    qputenv("LUM_INI_TEST_DIR", QFile::encodeName(m_dir->path()));
    ini.read("$(LUM_INI_TEST_DIR)/missing.ini");
    QCOMPARE(ini.readString("s", "k"), QStringLiteral("v"));
}

void TestInifile::eightBitLinesKeepTheirBytes()
{
    // A file of the point-of-sale programs in Windows-1252: only the changed line is new.
    const QString path = m_dir->filePath("pos.ini");
    QVERIFY(writeFile(path, "[s]\r\nname=M\xfcller \x80\r\n\tk = 1\n; Gr\xfc\xdf"
                            "e\r\n"));
    Basics::TInifile ini;
    ini.setLocal8Bit(true);
    ini.read(path);
    QCOMPARE(ini.readString("s", "name"), QStringLiteral("M\u00fcller \u20ac"));
    ini.setValue("s", "k", QStringLiteral("\u00e4 \u0159"));
    ini.write();
    QCOMPARE(readFile(path), QByteArray("[s]\r\nname=M\xfcller \x80\r\n\tk = \xe4 ?\r\n; Gr\xfc\xdf"
                                        "e\r\n"));

    // A UTF-16 file cut inside a character: the broken line is written as read, and then stays.
    QVERIFY(writeFile(path, QByteArray("\xfe\xff\0[\0s\0]\0\r\0\n\0k\0=\0"
                                       "1\0",
                                       19)));
    ini.setLocal8Bit(false);
    ini.read(path);
    ini.write();
    const QByteArray once = readFile(path);
    ini.read(path);
    ini.write();
    QCOMPARE(readFile(path), once);
    ini.setLocal8Bit(true);

    // Valid UTF-8 is read as such and stays so.
    QVERIFY(writeFile(path, "[s]\nname=M\xc3\xbcller\nk=1\n"));
    ini.read(path);
    QCOMPARE(ini.readString("s", "name"), QStringLiteral("M\u00fcller"));
    ini.setValue("s", "k", QStringLiteral("\u0159"));
    ini.write();
    QCOMPARE(readFile(path), QByteArray("[s]\r\nname=M\xc3\xbcller\r\nk=\xc5\x99\r\n"));
}

void TestInifile::includesAreReadOnceAndBounded()
{
    // Ten includes of the next file over six levels: a million lines if every include were read.
    for (int level = 0; level <= 6; ++level) {
        QByteArray text = QStringLiteral("[level %1]\nk=%1\n").arg(level).toUtf8();
        for (int i = 0; level < 6 && i < 10; ++i)
            text += QStringLiteral("#include <level%1.ini>\n").arg(level + 1).toUtf8();
        QVERIFY(writeFile(m_dir->filePath(QStringLiteral("level%1.ini").arg(level)), text));
    }
    Basics::TInifile ini;
    ini.read(m_dir->filePath("level0.ini"));
    QCOMPARE(ini.lines().size(), 6 * 12 + 2);
    QCOMPARE(ini.readString("level 6", "k"), QStringLiteral("6"));

    QVERIFY(writeFile(m_dir->filePath("huge.ini"), QByteArray(Basics::TInifile::maxTotalSize + 1, ';')));
    try {
        ini.read(m_dir->filePath("huge.ini"));
        QFAIL("a file above the limit was read");
    } catch (const Basics::TInifileError& error) {
        QCOMPARE(error.code(), 6);
    }
    QCOMPARE(::mkfifo(QFile::encodeName(m_dir->filePath("pipe.ini")).constData(), 0600), 0);
    try {
        ini.read(m_dir->filePath("pipe.ini"));
        QFAIL("a pipe was read");
    } catch (const Basics::TFileError& error) {
        QCOMPARE(error.code(), 317);
    }
}

QTEST_GUILESS_MAIN(TestInifile)
#include "tst_inifile.moc"
