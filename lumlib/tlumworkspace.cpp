#include "tlumworkspace.h"

#include "tcardmapping.h"
#include "tcostcenters.h"
#include "tcurrencies.h"
#include "tdir.h"
#include "terror.h"
#include "tfilereplacement.h"
#include "tlistnames.h"
#include "tlumdocument.h"
#include "tnetcardactions.h"
#include "tprompts.h"
#include "tsettings.h"
#include "tsqldatabase.h"
#include "tvaluelist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>

#include <sys/stat.h>

Devices::TDeviceList TLumWorkspace::ReaderDeviceList;
Devices::TDeviceList TLumWorkspace::FiscalDeviceList;
Basics::TValue TLumWorkspace::Cardmapping;

namespace {

constexpr int loaded = 0;
constexpr int noFile = 7;
constexpr int retryDelay = 100;

std::map<QString, TLumWorkspace::ListFactory>& factories()
{
    static std::map<QString, TLumWorkspace::ListFactory> registered = {
        {QStringLiteral("currencies"), [](TLumWorkspace*) { return new TCurrencies; }},
        {QStringLiteral("settings"), [](TLumWorkspace*) { return new PosLib::TSettings; }},
        {QStringLiteral("costcenters"), [](TLumWorkspace* workspace) { return new TCostCenters(workspace); }},
        {QStringLiteral("realnetcardactions"), [](TLumWorkspace*) { return new PosLib::TNetCardActions; }},
    };
    return registered;
}

// Lists that hold what the card server keeps, for the card editor to show: they are never read from
// or written to a file (the server is where they live).
bool keptInMemory(const QString& name)
{
    return name == u"actionlogs" || name == u"realnetcardactions";
}

Basics::TValueList* createList(const QString& name, TLumWorkspace* workspace)
{
    const auto& registered = factories();
    const auto it = registered.find(name);
    if (it != registered.end())
        return it->second(workspace);
    if (PosLib::TListNames::isKnownRoot(name))
        return new PosLib::TNamedList(PosLib::TListNames::forRoot(name));
    return nullptr;
}

} // namespace

TLumWorkspace::TLumWorkspace(const QString& dataRoot, QObject* parent)
    : QObject(parent)
    , m_dataRoot(QDir(dataRoot).absolutePath() + u'/')
    , m_watcher(new QFileSystemWatcher(this))
{
    // A save replaces the file by a rename, which the directory sees; a program that rewrites the
    // file in place is seen by the file's own watch.
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &TLumWorkspace::reloadChangedFiles);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &TLumWorkspace::reloadChangedFiles);
    TCardMapping::load(m_dataRoot);
}

TLumWorkspace::~TLumWorkspace()
{
    blockSignals(true); // whoever listened may be gone already
    saveChanges();
    if (!m_connectionName.isEmpty()) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

void TLumWorkspace::setDatabase(const QString& driver, const QString& databaseName)
{
    if (m_connectionName.isEmpty())
        m_connectionName = QStringLiteral("lumworkspace-%1").arg(quintptr(this), 0, 16);
    else
        QSqlDatabase::removeDatabase(m_connectionName);
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, m_connectionName);
    db.setDatabaseName(databaseName);
    db.setUserName(m_databaseUser);
    db.setPassword(m_databasePassword);
}

void TLumWorkspace::setDatabaseLogin(const QString& user, const QString& password)
{
    if (user == m_databaseUser && password == m_databasePassword)
        return;
    m_databaseUser = user;
    m_databasePassword = password;
    if (m_connectionName.isEmpty())
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    db.close();
    db.setUserName(user);
    db.setPassword(password);
}

QSqlDatabase TLumWorkspace::database()
{
    m_databaseError.clear();
    if (m_connectionName.isEmpty()) {
        // The system's own data source when it has one, even while it cannot be reached: the
        // journal must not go into another database then.
        if (Database::odbcDataSourceExists(QStringLiteral("poscashdb"))) {
            setDatabase(QStringLiteral("QODBC"), QStringLiteral("poscashdb"));
        } else {
            const QString file = m_dataRoot + QStringLiteral("var/db/poscash.sqlite");
            QDir().mkpath(QFileInfo(file).absolutePath());
            setDatabase(QStringLiteral("QODBC"), QStringLiteral("DRIVER={SQLite3};Database=%1").arg(file));
            if (!QSqlDatabase::database(m_connectionName, true).isOpen())
                setDatabase(QStringLiteral("QSQLITE"), file);
            m_tablesPending = true;
        }
    }
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isValid()) {
        m_databaseError = tr("No SQL driver for the database.");
        return db;
    }
    // A server may have gone away and come back since the connection was made: such a connection
    // answers nothing any more, and a new one is made.
    if (db.isOpen() && !QSqlQuery(db).exec(QStringLiteral("SELECT 1")))
        db.close();
    if (!db.isOpen() && !db.open()) {
        m_databaseError = db.lastError().text();
        return db;
    }
    // The tables of the project's scripts, also those a later version added to an older file.
    if (m_tablesPending) {
        for (const QString& script : Database::projectScripts(Database::Kind::SQLite)) {
            QSqlError error;
            if (!Database::runScript(db, Database::projectScript(Database::Kind::SQLite, script), &error)) {
                m_databaseError = script + QStringLiteral(": ") + error.text();
                db.close();
                return db;
            }
        }
        m_tablesPending = false;
    }
    return db;
}

QStringList TLumWorkspace::knownLists()
{
    QStringList names;
    for (const auto& entry : PosLib::TListNames::known())
        names << entry.root;
    for (const auto& [name, factory] : factories()) {
        if (!names.contains(name))
            names << name;
    }
    return names;
}

void TLumWorkspace::registerList(const QString& name, ListFactory factory)
{
    factories()[name] = std::move(factory);
}

Basics::TValueList* TLumWorkspace::getData(const QString& name)
{
    auto it = m_lists.find(name);
    if (it == m_lists.end()) {
        Entry entry;
        entry.list.reset(createList(name, this));
        if (!entry.list)
            return nullptr;
        it = m_lists.emplace(name, std::move(entry)).first;
        Basics::TValueList* list = it->second.list.get();
        if (keptInMemory(name))
            return list;
        load(name, it->second);
        if (auto* currencies = qobject_cast<TCurrencies*>(list)) {
            // Amounts are written in the system currency that the settings name.
            const Basics::TValueList* settings = getData(QStringLiteral("settings"));
            const Basics::TValue* system = settings ? settings->find(0) : nullptr;
            currencies->setSystemCurrencyId(system ? system->getInt("syscurr", 1) : 1);
        }
        const auto changed = [this, name](Basics::TValue* value) { markChanged(name, value); };
        connect(list, &Basics::TValueList::inserted, this, changed);
        connect(list, &Basics::TValueList::changed, this, changed);
        connect(list, &Basics::TValueList::removed, this, changed);
    }
    return it->second.list.get();
}

void TLumWorkspace::load(const QString& name, Entry& entry)
{
    Basics::TValueList* list = entry.list.get();
    QString reason;
    const QByteArray base = QFile::encodeName(m_dataRoot);
    // Stamped before reading: a save by another program in between makes the stamp older than
    // what was read, so the next save merges instead of writing over that program's records.
    entry.stamp = stampOf(filePath(name));
    list->blockSignals(true); // loading is not a change
    try {
        const int result = list->load(base.constData());
        if (result != loaded && result != noFile)
            reason = tr("The data ends in the middle of a record or cannot be read (error %1).").arg(result);
    } catch (const Basics::TError& error) {
        reason = error.description();
    }
    list->blockSignals(false);
    entry.base = snapshot(*list);
    entry.touched.clear();
    entry.damaged = !reason.isEmpty();
    if (entry.damaged)
        Q_EMIT loadFailed(name, filePath(name), reason);
    watch(filePath(name));
}

TLumWorkspace::FileStamp TLumWorkspace::stampOf(const QString& path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {true, quint64(info.st_ino), qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

void TLumWorkspace::watch(const QString& path)
{
    const QString directory = QFileInfo(path).absolutePath();
    if (QFileInfo(directory).isDir() && !m_watcher->directories().contains(directory))
        m_watcher->addPath(directory);
    if (QFileInfo::exists(path) && !m_watcher->files().contains(path))
        m_watcher->addPath(path); // renamed over, the file needs a new watch
}

void TLumWorkspace::reloadChangedFiles()
{
    if (m_reloadHolds > 0)
        return;
    for (auto& [name, entry] : m_lists) {
        const QString path = filePath(name);
        watch(path);
        if (entry.dirty || stampOf(path) == entry.stamp)
            continue;
        load(name, entry);
        Q_EMIT listReloaded(name);
    }
}

TLumWorkspace::ReloadHold::ReloadHold(TLumWorkspace* workspace)
    : m_workspace(workspace)
{
    if (m_workspace)
        ++m_workspace->m_reloadHolds;
}

TLumWorkspace::ReloadHold::~ReloadHold()
{
    if (m_workspace && --m_workspace->m_reloadHolds == 0)
        m_workspace->reloadChangedFiles();
}

void TLumWorkspace::markChanged(const QString& name, const Basics::TValue* value)
{
    const auto it = m_lists.find(name);
    if (it != m_lists.end()) {
        it->second.dirty = true;
        if (value)
            it->second.touched.insert(value->getID());
    }
    scheduleSave(0);
}

void TLumWorkspace::scheduleSave(int delay)
{
    if (m_saveScheduled)
        return;
    m_saveScheduled = true;
    QTimer::singleShot(delay, this, [this] {
        m_saveScheduled = false;
        saveChanges();
    });
}

bool TLumWorkspace::save(const QString& name, Entry& entry)
{
    if (entry.damaged)
        return false; // never over a file that could not be read completely
    const QString path = filePath(name);
    std::vector<Conflict> conflicts;
    const std::vector<RecordChange> changes =
        m_changeObserver ? changesOf(entry) : std::vector<RecordChange>();
    try {
        Basics::TDir(QFileInfo(path).path(), true);
        // Held from before the file is looked at until the new one is in place.
        Basics::TFileReplacement replacement(path);
        if (stampOf(path) == entry.stamp) {
            entry.list->saveTo(replacement);
            entry.base = snapshot(*entry.list);
            entry.stamp = stampOf(path);
        } else {
            // A list of the same class, but without a workspace: merging into it must not act on
            // the database as the workspace's own list does (the cost centres' rows).
            const std::unique_ptr<Basics::TValueList> current(createList(name, nullptr));
            current->blockSignals(true);
            const int result = current->load(QFile::encodeName(m_dataRoot).constData());
            if (result != loaded && result != noFile) {
                Q_EMIT saveFailed(name, path,
                                  tr("Another program changed the file, and it cannot be read now (error "
                                     "%1). Nothing was saved.")
                                      .arg(result));
                return false;
            }
            conflicts = merge(entry, *current);
            current->saveTo(replacement);
            // The list in memory lacks what the other program saved: it is loaded anew as soon
            // as nobody holds its records.
            entry.stamp = FileStamp();
        }
    } catch (const Basics::TError& error) {
        Q_EMIT saveFailed(name, path, error.description());
        return false;
    }
    entry.dirty = false;
    entry.touched.clear();
    watch(path);
    Q_EMIT listSaved(name);
    if (m_changeObserver && !changes.empty())
        m_changeObserver(name, changes);
    if (!conflicts.empty() && askToReapply(name, entry, conflicts))
        return save(name, entry);
    return true;
}

namespace {

bool sameRecord(const Basics::TValue* a, const Basics::TValue* b)
{
    return a == b || (a && b && *a == *b);
}

} // namespace

std::vector<TLumWorkspace::RecordChange> TLumWorkspace::changesOf(const Entry& entry)
{
    std::vector<RecordChange> changes;
    for (const int id : entry.touched) {
        const Basics::TValue* now = entry.list->find(id);
        const auto known = entry.base.find(id);
        const Basics::TValue* was = known == entry.base.end() ? nullptr : &known->second;
        if (sameRecord(now, was))
            continue; // changed and changed back
        RecordChange change;
        change.id = id;
        if (was)
            change.before = *was;
        if (now)
            change.after = *now;
        changes.push_back(std::move(change));
    }
    return changes;
}

std::map<int, Basics::TValue> TLumWorkspace::snapshot(const Basics::TValueList& list)
{
    std::map<int, Basics::TValue> records;
    for (const Basics::TValue* value : list)
        records.insert_or_assign(value->getID(), *value); // shared, not copied: records are implicitly shared
    return records;
}

// Puts this workspace's inserted, changed and removed records into the list as the file holds it
// now. A record the file changed too (compared with the version this workspace's record came from)
// keeps the file's version, unless both made the same change.
std::vector<TLumWorkspace::Conflict> TLumWorkspace::merge(Entry& entry, Basics::TValueList& current)
{
    std::vector<Conflict> conflicts;
    for (const int id : entry.touched) {
        const Basics::TValue* mine = entry.list->find(id);
        Basics::TValue* theirs = current.find(id);
        const auto known = entry.base.find(id);
        const Basics::TValue* was = known == entry.base.end() ? nullptr : &known->second;
        if (!sameRecord(theirs, was) && !sameRecord(theirs, mine)) {
            Conflict conflict;
            conflict.id = id;
            if (mine)
                conflict.mine = *mine;
            if (theirs)
                conflict.theirs = *theirs;
            conflicts.push_back(std::move(conflict));
            continue;
        }
        if (mine && theirs) {
            static_cast<Basics::TValue&>(*theirs) = *mine;
        } else if (mine) {
            Basics::TValue* added = current.createValue();
            static_cast<Basics::TValue&>(*added) = *mine;
            current.insert(added);
        } else if (theirs) {
            current.remove(theirs);
        }
        if (mine)
            entry.base.insert_or_assign(id, *mine);
        else
            entry.base.erase(id);
    }
    return conflicts;
}

// Tells the operator which records another program changed at the same time, and whether they
// want their own versions saved over those. When they do, the records count as changed once more,
// now against the file's versions.
bool TLumWorkspace::askToReapply(const QString& name, Entry& entry, const std::vector<Conflict>& conflicts)
{
    QStringList ids;
    for (const Conflict& conflict : conflicts)
        ids << QString::number(conflict.id);
    const int choice = prompts().choose(
        nullptr, QMessageBox::Warning, tr("Records changed by another program"),
        tr("Another program changed the records %1 of the list \"%2\" while you changed them here. "
           "Its version was kept.\n\nSave your version over it?")
            .arg(ids.join(QStringLiteral(", ")), name),
        {tr("Keep the other version"), tr("Save my version")}, 0, 0);
    if (choice != 1)
        return false;
    for (const Conflict& conflict : conflicts) {
        if (conflict.theirs)
            entry.base.insert_or_assign(conflict.id, *conflict.theirs);
        else
            entry.base.erase(conflict.id);
        Basics::TValue* mine = entry.list->find(conflict.id);
        if (conflict.mine && !mine) {
            // Loaded anew meanwhile: this workspace's version goes back into the list.
            mine = entry.list->createValue();
            static_cast<Basics::TValue&>(*mine) = *conflict.mine;
            const QSignalBlocker quiet(entry.list.get());
            entry.list->insert(mine);
        } else if (mine && conflict.mine) {
            static_cast<Basics::TValue&>(*mine) = *conflict.mine;
        } else if (mine) {
            const QSignalBlocker quiet(entry.list.get());
            entry.list->remove(mine);
        }
        entry.touched.insert(conflict.id);
    }
    entry.dirty = true;
    return true;
}

bool TLumWorkspace::saveChanges()
{
    if (m_saving) {
        // Asked for while a save waits for a lock or for the operator: once more a little later.
        scheduleSave(retryDelay);
        return true;
    }
    const QScopedValueRollback saving(m_saving, true);
    bool ok = true;
    bool merged = false;
    for (auto& [name, entry] : m_lists) {
        if (entry.dirty && !save(name, entry))
            ok = false;
        merged = merged || entry.stamp == FileStamp();
    }
    if (merged)
        QTimer::singleShot(0, this, &TLumWorkspace::reloadChangedFiles);
    return ok;
}

TLumDocument* TLumWorkspace::get(const QString& name)
{
    auto& document = m_documents[name];
    if (!document) {
        document = std::make_unique<TLumDocument>(name);
        document->setPrintFolder(m_dataRoot + QStringLiteral("var/print"));
    }
    return document.get();
}

QString TLumWorkspace::GetDataPath() const
{
    return m_dataRoot;
}

PosLib::TSetting* TLumWorkspace::GetActiveSetting()
{
    Basics::TValueList* settings = getData(QStringLiteral("settings"));
    return settings ? dynamic_cast<PosLib::TSetting*>(settings->find(0)) : nullptr;
}

bool TLumWorkspace::isLoaded(const QString& name) const
{
    return m_lists.count(name) != 0;
}

bool TLumWorkspace::hasData(const QString& name)
{
    const Basics::TValueList* list = getData(name);
    return list && (list->count() > 0 || QFileInfo::exists(filePath(name)));
}

bool TLumWorkspace::isDamaged(const QString& name) const
{
    const auto it = m_lists.find(name);
    return it != m_lists.end() && it->second.damaged;
}

bool TLumWorkspace::hasUnsavedChanges(const QString& name) const
{
    const auto it = m_lists.find(name);
    return it != m_lists.end() && it->second.dirty;
}

QString TLumWorkspace::filePath(const QString& name) const
{
    const auto it = m_lists.find(name);
    if (it != m_lists.end())
        return m_dataRoot + it->second.list->dataDir() + u'/' + it->second.list->fileName();
    const PosLib::TListNames names = PosLib::TListNames::forRoot(name);
    return m_dataRoot + QStringLiteral("usr/data/") + names.file;
}
