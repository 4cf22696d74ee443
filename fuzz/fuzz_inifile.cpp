// Hostile INI text: read with its includes, looked up, iterated, changed and written back. What is
// written must come back the same when it is read and written again. Files live on a memory file
// system where there is one, so that each run costs little.

#include "terror.h"
#include "tinifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

QTemporaryDir& workDir()
{
    static QTemporaryDir dir(QDir("/dev/shm").exists()
                                 ? QStringLiteral("/dev/shm/fuzz_inifile-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/fuzz_inifile-XXXXXX"));
    return dir;
}

void putFile(const QString& name, QByteArrayView bytes)
{
    QFile file(workDir().filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        __builtin_trap();
    file.write(bytes.data(), bytes.size());
}

QByteArray fileBytes(const QString& name)
{
    QFile file(workDir().filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    // An included file that includes the input again, laid anew every time: setValue changes it.
    // What the last run wrote is removed, so that every run starts alike.
    putFile("other.ini", "[Fuzz Other]\nfuzz k = 1\n#include <fuzz.ini>\n; end\n");
    putFile("fuzz.ini", input);
    QFile::remove(workDir().filePath("out.ini"));
    QFile::remove(workDir().filePath("again.ini"));

    Basics::TInifile ini;
    ini.setLocal8Bit(size > 0 && (data[0] & 1));
    try {
        ini.read(workDir().filePath("fuzz.ini"));
        const QStringList lines = ini.lines();
        for (qsizetype i = 0; i < lines.size() && i < 8; ++i) {
            const QString name = lines[i].trimmed().remove(u'[').remove(u']');
            (void)ini.readString(name, name, QStringLiteral("default"));
            for (const Basics::TEntry* entry = ini.first(name); entry; entry = ini.next())
                (void)ini.readValue(name, entry->key());
        }
        // Names that no file outside this directory uses, so that no other file is written.
        ini.setValue(QStringLiteral("fuzz section"), QStringLiteral("fuzz key"), QStringLiteral("v\nw"));
        ini.setValue(QStringLiteral("fuzz other"), QStringLiteral("FUZZ K"), QStringLiteral("2"));
        ini.write(workDir().filePath("out.ini"));

        Basics::TInifile again;
        again.setLocal8Bit(ini.isLocal8Bit());
        again.read(workDir().filePath("out.ini"));
        again.write(workDir().filePath("again.ini"));
        if (fileBytes("out.ini") != fileBytes("again.ini"))
            __builtin_trap();
    } catch (const Basics::TError&) {
        // a storage error is an answer, not a fault
    }
    return 0;
}
