#include "databackup.h"

#include "listcodec.h"
#include "sqlitecopy.h"
#include "tararchive.h"
#include "terror.h"
#include "tfile.h"
#include "tfilereplacement.h"
#include "tsqldatabase.h"
#include "tvaluelist.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace DataBackup {

namespace {

constexpr int formatVersion = 1;
constexpr qint64 chunkSize = qint64(1) << 20;
const QString dataPrefix = QStringLiteral("data/");
const QString manifestName = QStringLiteral("manifest.json");
const QString formatName = QStringLiteral("lumdialogs-data-root");

// Files that are no state of their own: a save in progress, the storage layer's previous
// generation, SQLite's journals (the online backup takes what they hold).
bool isLeftOut(const QString& name)
{
    static const char* const suffixes[] = {".new", ".old", "-wal", "-shm", "-journal"};
    for (const char* suffix : suffixes) {
        if (name.endsWith(QLatin1String(suffix)))
            return true;
    }
    return false;
}

// The archive being written, with the manifest entries of its members.
class ArchiveWriter {
public:
    explicit ArchiveWriter(const QString& archive)
        : m_replacement(archive)
    {
    }

    // Copies size bytes of source as the member name, hashing them; false when the source gave
    // fewer.
    bool add(const QString& name, QIODevice& source, std::int64_t size, const QString& kind)
    {
        const QByteArray header = TarArchive::fileHeader(name, size, QDateTime::currentSecsSinceEpoch());
        if (header.isEmpty())
            return false;
        m_replacement.write(header);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        std::int64_t left = size;
        while (left > 0) {
            const QByteArray chunk = source.read(std::min<std::int64_t>(left, chunkSize));
            if (chunk.isEmpty())
                return false;
            hash.addData(chunk);
            m_replacement.write(chunk);
            left -= chunk.size();
        }
        m_replacement.write(TarArchive::padding(size));
        m_files.append(QJsonObject{{QStringLiteral("path"), name.mid(dataPrefix.size())},
                                   {QStringLiteral("size"), qint64(size)},
                                   {QStringLiteral("sha256"), QString::fromLatin1(hash.result().toHex())},
                                   {QStringLiteral("kind"), kind}});
        m_bytes += size;
        return true;
    }

    void finish(const QJsonObject& manifestHead)
    {
        QJsonObject manifest = manifestHead;
        manifest.insert(QStringLiteral("files"), m_files);
        const QByteArray bytes = QJsonDocument(manifest).toJson(QJsonDocument::Indented);
        m_replacement.write(
            TarArchive::fileHeader(manifestName, bytes.size(), QDateTime::currentSecsSinceEpoch()));
        m_replacement.write(bytes);
        m_replacement.write(TarArchive::padding(bytes.size()));
        m_replacement.write(TarArchive::endOfArchive());
        m_replacement.commit(false);
    }

    int files() const { return int(m_files.size()); }
    std::int64_t bytes() const { return m_bytes; }

private:
    Basics::TFileReplacement m_replacement;
    QJsonArray m_files;
    std::int64_t m_bytes = 0;
};

// A data file under its read lock: the kind it is archived as, then its bytes.
bool addLockedFile(ArchiveWriter& writer, const QString& path, const QString& name, Result& result)
{
    Basics::TFile file(path, Basics::TFile::MustExist | Basics::TFile::NoFollow | Basics::TFile::RegularOnly);
    file.open(QIODevice::ReadOnly);
    const std::int64_t size = file.size();
    QString kind = name.endsWith(QLatin1String(".ini")) ? QStringLiteral("ini") : QStringLiteral("file");
    if (name.endsWith(QLatin1String(".dat"))) {
        // A list is decoded under the same lock as it is copied, so that the archive says whether
        // the very bytes it holds load completely.
        Basics::TValueList list;
        if (Basics::readList(list, file, Basics::compressionEnabled()) == 0)
            kind = QStringLiteral("list");
        else
            result.notes << QCoreApplication::translate(
                                "backup", "%1 does not load completely; it is archived as it is")
                                .arg(name.mid(dataPrefix.size()));
        file.seek(0);
    }
    return writer.add(name, file, size, kind);
}

bool addDatabase(ArchiveWriter& writer, const QString& path, const QString& name, const QString& scratch,
                 Result& result)
{
    const QString copy = scratch + QStringLiteral("/copy.sqlite");
    QFile::remove(copy);
    QString error;
    if (!SqliteCopy::copy(path, copy, &error)) {
        result.error = QCoreApplication::translate("backup", "%1: the database cannot be copied (%2)")
                           .arg(name.mid(dataPrefix.size()), error);
        return false;
    }
    QFile file(copy);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return writer.add(name, file, file.size(), QStringLiteral("sqlite"));
}

// The files of the root to archive, in name order, without links (a link's target belongs to the
// folder it is in).
QStringList filesOf(const QString& root, const QString& archive, const Limits& limits, Result& result)
{
    QStringList names;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = path.mid(root.size() + 1);
        if (info.isSymLink()) {
            result.notes
                << QCoreApplication::translate("backup", "%1 is a link and is not archived").arg(name);
            continue;
        }
        if (info.isDir() || isLeftOut(name) || path == archive || path == archive + QStringLiteral(".new"))
            continue;
        if (!info.isFile()) {
            result.notes << QCoreApplication::translate("backup", "%1 is no regular file and is not archived")
                                .arg(name);
            continue;
        }
        if (names.size() >= limits.maxFiles) {
            result.error = QCoreApplication::translate("backup", "the data root holds more than %1 files")
                               .arg(limits.maxFiles);
            return {};
        }
        names << name;
    }
    names.sort();
    return names;
}

QString stamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

// The archive unpacked beside the root, removed again unless it is taken into place.
class Staging {
public:
    explicit Staging(const QString& path)
        : m_path(path)
    {
    }
    ~Staging()
    {
        if (!m_kept && QFileInfo(m_path).isDir())
            QDir(m_path).removeRecursively();
    }
    bool create() { return QDir().mkdir(m_path); }
    const QString& path() const { return m_path; }
    void keep() { m_kept = true; }

private:
    QString m_path;
    bool m_kept = false;
};

struct Unpacked {
    std::int64_t size = 0;
    QString sha256;
};

// Unpacks every member into the staging folder, and the manifest into manifest.
bool unpack(const QString& archive, const QString& staging, const Limits& limits,
            std::map<QString, Unpacked>& unpacked, QByteArray& manifest, QString& error)
{
    QFile input(archive);
    if (!QFileInfo(archive).isFile() || !input.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("backup", "the archive cannot be opened (%1)")
                    .arg(input.errorString());
        return false;
    }
    TarArchive::Reader reader(input, limits.maxFileSize);
    TarArchive::Member member;
    while (reader.next(member)) {
        if (!manifest.isNull()) {
            error = QCoreApplication::translate("backup", "the archive goes on after its manifest");
            return false;
        }
        if (member.name == manifestName) {
            if (member.size > limits.maxManifestSize) {
                error = QCoreApplication::translate("backup", "the manifest is larger than %1 bytes")
                            .arg(qlonglong(limits.maxManifestSize));
                return false;
            }
            manifest = QByteArray("");
            for (QByteArray chunk; !(chunk = reader.readChunk(chunkSize)).isEmpty();)
                manifest += chunk;
            continue;
        }
        if (!member.name.startsWith(dataPrefix) || unpacked.count(member.name.mid(dataPrefix.size()))) {
            error = QCoreApplication::translate("backup", "the archive holds \"%1\", which no backup writes")
                        .arg(member.name);
            return false;
        }
        if (int(unpacked.size()) >= limits.maxFiles) {
            error = QCoreApplication::translate("backup", "the archive holds more than %1 files")
                        .arg(limits.maxFiles);
            return false;
        }
        const QString name = member.name.mid(dataPrefix.size());
        const QString path = staging + u'/' + name;
        QFile out(path);
        if (!QDir().mkpath(QFileInfo(path).path()) || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            error = QCoreApplication::translate("backup", "%1 cannot be unpacked (%2)")
                        .arg(name, out.errorString());
            return false;
        }
        QCryptographicHash hash(QCryptographicHash::Sha256);
        std::int64_t written = 0;
        for (QByteArray chunk; !(chunk = reader.readChunk(chunkSize)).isEmpty();) {
            hash.addData(chunk);
            if (out.write(chunk) != chunk.size()) {
                error = QCoreApplication::translate("backup", "%1 cannot be unpacked (%2)")
                            .arg(name, out.errorString());
                return false;
            }
            written += chunk.size();
        }
        if (!reader.error().isEmpty())
            break;
        unpacked[name] = Unpacked{written, QString::fromLatin1(hash.result().toHex())};
    }
    if (!reader.error().isEmpty()) {
        error = reader.error();
        return false;
    }
    if (manifest.isNull()) {
        error = QCoreApplication::translate("backup", "the archive has no manifest");
        return false;
    }
    return true;
}

// The manifest against what was unpacked; every list and database checked. Adds the count and
// size to the result.
bool verify(const QByteArray& manifestBytes, const QString& staging,
            const std::map<QString, Unpacked>& unpacked, Result& result)
{
    QJsonParseError parseError;
    const QJsonObject manifest = QJsonDocument::fromJson(manifestBytes, &parseError).object();
    if (parseError.error != QJsonParseError::NoError ||
        manifest.value(QStringLiteral("format")) != formatName ||
        manifest.value(QStringLiteral("version")).toInt() != formatVersion) {
        result.error = QCoreApplication::translate("backup", "the manifest is damaged or of another format");
        return false;
    }
    const QJsonArray files = manifest.value(QStringLiteral("files")).toArray();
    if (files.size() != qsizetype(unpacked.size())) {
        result.error =
            QCoreApplication::translate("backup", "the manifest lists %1 files, the archive holds %2")
                .arg(files.size())
                .arg(unpacked.size());
        return false;
    }
    for (const QJsonValue& value : files) {
        const QJsonObject file = value.toObject();
        const QString path = file.value(QStringLiteral("path")).toString();
        const auto found = unpacked.find(path);
        if (found == unpacked.end()) {
            result.error =
                QCoreApplication::translate("backup", "%1 is in the manifest but not in the archive")
                    .arg(path);
            return false;
        }
        if (qint64(found->second.size) != file.value(QStringLiteral("size")).toInteger(-1) ||
            found->second.sha256 != file.value(QStringLiteral("sha256")).toString()) {
            result.error = QCoreApplication::translate(
                               "backup", "%1 is damaged: its size or checksum differs from the manifest")
                               .arg(path);
            return false;
        }
        const QString kind = file.value(QStringLiteral("kind")).toString();
        const QString staged = staging + u'/' + path;
        if (kind == u"list") {
            Basics::TValueList list;
            int loaded = -1;
            try {
                loaded = list.load(QFileInfo(staged).fileName(),
                                   QFile::encodeName(QFileInfo(staged).path()).constData());
            } catch (const Basics::TError&) {
            }
            if (loaded != 0) {
                result.error =
                    QCoreApplication::translate("backup", "the list %1 does not load completely").arg(path);
                return false;
            }
        } else if (kind == u"sqlite") {
            QString error;
            if (!SqliteCopy::check(staged, &error)) {
                result.error =
                    QCoreApplication::translate("backup", "the database %1 is damaged (%2)").arg(path, error);
                return false;
            }
        }
        ++result.files;
        result.bytes += found->second.size;
    }
    const QString database = manifest.value(QStringLiteral("serverDatabase")).toString();
    if (!database.isEmpty())
        result.notes
            << QCoreApplication::translate(
                   "backup",
                   "The archive does not hold the server database \"%1\": restore it with the server's "
                   "own tools (pg_restore).")
                   .arg(database);
    return true;
}

} // namespace

QString serverDatabase()
{
    const QString source = QStringLiteral("poscashdb");
    return Database::odbcDataSourceExists(source) ? source : QString();
}

Result backup(const QString& rootName, const QString& archiveName, const Limits& limits)
{
    Result result;
    const QString root = QDir::cleanPath(QDir(rootName).absolutePath());
    const QString archive = QDir::cleanPath(QFileInfo(archiveName).absoluteFilePath());
    if (!QFileInfo(root).isDir()) {
        result.error = QCoreApplication::translate("backup", "the data root %1 is no folder").arg(root);
        return result;
    }
    const QStringList names = filesOf(root, archive, limits, result);
    if (!result.error.isEmpty())
        return result;
    QTemporaryDir scratch(QFileInfo(archive).path() + QStringLiteral("/.lumbackup-XXXXXX"));
    if (!scratch.isValid()) {
        result.error = QCoreApplication::translate("backup", "no scratch folder beside the archive (%1)")
                           .arg(scratch.errorString());
        return result;
    }
    try {
        ArchiveWriter writer(archive);
        for (const QString& name : names) {
            const QString path = root + u'/' + name;
            const QString member = dataPrefix + name;
            if (QFileInfo(path).size() > limits.maxFileSize) {
                result.error = QCoreApplication::translate("backup", "%1 is larger than %2 bytes")
                                   .arg(name)
                                   .arg(qlonglong(limits.maxFileSize));
                return result;
            }
            const bool added = SqliteCopy::isDatabase(path)
                                   ? addDatabase(writer, path, member, scratch.path(), result)
                                   : addLockedFile(writer, path, member, result);
            if (!added) {
                if (result.error.isEmpty())
                    result.error = QCoreApplication::translate(
                                       "backup", "%1 cannot be read completely or its name is too long")
                                       .arg(name);
                return result; // the replacement is given up: no archive is left
            }
        }
        QJsonObject head{{QStringLiteral("format"), formatName},
                         {QStringLiteral("version"), formatVersion},
                         {QStringLiteral("created"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
                         {QStringLiteral("root"), root}};
        const QString database = serverDatabase();
        if (!database.isEmpty()) {
            head.insert(QStringLiteral("serverDatabase"), database);
            result.notes
                << QCoreApplication::translate(
                       "backup",
                       "The database is the server data source \"%1\" and is NOT in this archive: back it "
                       "up with the server's own tool (pg_dump).")
                       .arg(database);
        }
        writer.finish(head);
        result.files = writer.files();
        result.bytes = writer.bytes();
    } catch (const Basics::TError& error) {
        result.error = error.description();
        return result;
    }
    result.ok = true;
    return result;
}

Result restore(const QString& archiveName, const QString& rootName, const Limits& limits)
{
    Result result;
    const QString root = QDir::cleanPath(QDir(rootName).absolutePath());
    const QString archive = QFileInfo(archiveName).absoluteFilePath();
    if (QFileInfo(root).isSymLink() || QDir(root).isRoot()) {
        result.error = QCoreApplication::translate("backup", "%1 cannot be replaced as a whole").arg(root);
        return result;
    }
    const QString when = stamp();
    Staging staging(root + QStringLiteral(".restoring-") + when);
    if (!staging.create()) {
        result.error =
            QCoreApplication::translate("backup", "the folder %1 cannot be created").arg(staging.path());
        return result;
    }
    std::map<QString, Unpacked> unpacked;
    QByteArray manifest;
    if (!unpack(archive, staging.path(), limits, unpacked, manifest, result.error) ||
        !verify(manifest, staging.path(), unpacked, result)) {
        result.files = 0;
        result.bytes = 0;
        return result;
    }
    // Checked completely: the root moves aside and the unpacked archive takes its place.
    if (QFileInfo::exists(root)) {
        result.kept = root + QStringLiteral(".replaced-") + when;
        if (!QDir().rename(root, result.kept)) {
            result.error =
                QCoreApplication::translate("backup", "%1 cannot be moved aside; nothing was replaced")
                    .arg(root);
            result.kept.clear();
            return result;
        }
    }
    if (!QDir().rename(staging.path(), root)) {
        result.error =
            QCoreApplication::translate("backup", "the restored folder cannot be put in place of %1")
                .arg(root);
        if (!result.kept.isEmpty() && QDir().rename(result.kept, root))
            result.kept.clear();
        return result;
    }
    staging.keep();
    result.ok = true;
    return result;
}

} // namespace DataBackup
