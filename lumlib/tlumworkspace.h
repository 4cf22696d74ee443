#pragma once

#include "lumlib_global.h"
#include "tdevicelist.h"
#include "tvalue.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

class QFileSystemWatcher;
class TLumDocument;

namespace Basics {
class TValueList;
}
namespace PosLib {
class TSetting;
}

// The named record lists of one data root. A list is loaded from its data file when it is first
// asked for, and saved after it reported an insert, a change or a removal (at most once per turn of
// the event loop) and when the workspace is destroyed. A list whose file could not be read
// completely is never saved: its file stays as it was. The lists of what the card server keeps
// ("actionlogs", "realnetcardactions") are held in memory only, for the card editor.
//
// When another program replaces or rewrites the data file of a loaded list, the list is loaded
// anew (and listReloaded tells its views to show it again), unless it has unsaved changes of its
// own, or reloads are held: the records of a list that is reloaded are deleted, so whoever holds
// record pointers (an open editor) holds the reloads too.
//
// Saves are record by record: the workspace remembers which records it inserted, changed or
// removed since it read the file. When the file has not changed since then, the list is written as
// it is; otherwise the file is read again under the save lock, this workspace's records are put
// into it, and that is written, so that what another program saved meanwhile stays. A record that
// both changed keeps the other program's version; the operator is told and may save theirs again.
class LUMLIB_EXPORT TLumWorkspace : public QObject {
    Q_OBJECT
public:
    using ListFactory = std::function<Basics::TValueList*(TLumWorkspace*)>;

    explicit TLumWorkspace(const QString& dataRoot, QObject* parent = nullptr);
    ~TLumWorkspace() override;

    // The list of that name, loaded on first use; null for a name the system does not know.
    Basics::TValueList* getData(const QString& name);
    // The document of that name, created on first use.
    TLumDocument* get(const QString& name);
    // The data root, with "/" at the end.
    QString GetDataPath() const;
    // Record 0 of the "settings" list; null when there is none.
    PosLib::TSetting* GetActiveSetting();

    // Every list name getData knows.
    static QStringList knownLists();
    // Makes getData build the list of that name with the factory (a host list class).
    static void registerList(const QString& name, ListFactory factory);

    bool isLoaded(const QString& name) const;
    // Whether the list holds records or has a data file: a list that getData only made up for
    // the asking has neither.
    bool hasData(const QString& name);
    // The list could not be read completely (or not at all) and will not be saved.
    bool isDamaged(const QString& name) const;
    bool hasUnsavedChanges(const QString& name) const;
    // The data file of a list.
    QString filePath(const QString& name) const;
    // Saves every list with unsaved changes now; false when one of them failed.
    bool saveChanges();
    // Loads every list whose file another program changed (and that has no unsaved changes).
    void reloadChangedFiles();

    // A record this workspace changed, as a save wrote it: as the file held it before (none for a
    // new record) and as it was written (none for a removed record).
    struct RecordChange {
        int id = 0;
        std::optional<Basics::TValue> before;
        std::optional<Basics::TValue> after;
    };
    // Told after every successful save of a list, with the records this workspace changed in it
    // (what other programs changed is not among them); the change history listens here.
    using ChangeObserver = std::function<void(const QString& list, const std::vector<RecordChange>& changes)>;
    void setChangeObserver(ChangeObserver observer) { m_changeObserver = std::move(observer); }

    // Holds reloads for its lifetime; the files changed meanwhile are looked at when the last
    // hold ends.
    class ReloadHold {
    public:
        explicit ReloadHold(TLumWorkspace* workspace);
        ~ReloadHold();
        ReloadHold(const ReloadHold&) = delete;
        ReloadHold& operator=(const ReloadHold&) = delete;

    private:
        TLumWorkspace* m_workspace;
    };

    // The workspace's SQL database, open and answering (a connection that no longer answers, say
    // after the server was restarted, is made anew); not open (with databaseError telling why) when
    // there is none. Unless setDatabase chose another, it is the ODBC data source "poscashdb" when the
    // system defines one (also while it cannot be reached), otherwise the SQLite file
    // var/db/poscash.sqlite in the data root through the SQLite3 ODBC driver (or Qt's own SQLite
    // driver where that ODBC driver is missing); the SQLite file gets the tables and views of the
    // scripts in the project's db/sqlite folder that it lacks.
    QSqlDatabase database();
    QString databaseError() const { return m_databaseError; }
    // Uses this Qt SQL driver and database name (for QODBC a data source or connection string).
    void setDatabase(const QString& driver, const QString& databaseName);
    // The user and password the database is opened with (for "poscashdb" from the cash office's
    // "externaccountmap.ini"); an empty user leaves the login to the data source's own settings.
    // A changed login closes an open connection, so the next database() logs in anew.
    void setDatabaseLogin(const QString& user, const QString& password);

    static Devices::TDeviceList ReaderDeviceList;
    static Devices::TDeviceList FiscalDeviceList;
    static Basics::TValue Cardmapping;

Q_SIGNALS:
    void loadFailed(const QString& name, const QString& file, const QString& reason);
    void saveFailed(const QString& name, const QString& file, const QString& reason);
    void listSaved(const QString& name);
    // The list was loaded anew from its file: its former records are gone.
    void listReloaded(const QString& name);

private:
    // What identifies the content of a file without reading it.
    struct FileStamp {
        bool exists = false;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modified = 0; // nanoseconds
        bool operator==(const FileStamp&) const = default;
    };

    struct Entry {
        std::unique_ptr<Basics::TValueList> list;
        bool damaged = false;
        bool dirty = false;
        // The file as this workspace last read or wrote it (nothing known: never equal).
        FileStamp stamp;
        // Each record as the file held it when the record in the list was read or written, by id.
        std::map<int, Basics::TValue> base;
        // The ids this workspace inserted, changed or removed since.
        std::set<int> touched;
    };
    // A record both this workspace and another program changed: this workspace's version (none
    // when it removed the record) and the file's.
    struct Conflict {
        int id = 0;
        std::optional<Basics::TValue> mine;
        std::optional<Basics::TValue> theirs;
    };

    static FileStamp stampOf(const QString& path);
    static std::map<int, Basics::TValue> snapshot(const Basics::TValueList& list);
    static std::vector<RecordChange> changesOf(const Entry& entry);
    void load(const QString& name, Entry& entry);
    void watch(const QString& path);
    void markChanged(const QString& name, const Basics::TValue* value);
    void scheduleSave(int delay);
    bool save(const QString& name, Entry& entry);
    std::vector<Conflict> merge(Entry& entry, Basics::TValueList& current);
    bool askToReapply(const QString& name, Entry& entry, const std::vector<Conflict>& conflicts);

    QString m_dataRoot;
    std::map<QString, Entry> m_lists;
    std::map<QString, std::unique_ptr<TLumDocument>> m_documents;
    bool m_saveScheduled = false;
    bool m_saving = false;
    QFileSystemWatcher* m_watcher;
    int m_reloadHolds = 0;
    QString m_connectionName;
    QString m_databaseError;
    QString m_databaseUser;
    QString m_databasePassword;
    bool m_tablesPending = false;
    ChangeObserver m_changeObserver;
};
