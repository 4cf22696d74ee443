#pragma once

#include "basics_global.h"
#include "ttableaction.h"
#include "tvalue.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

#include <map>
#include <memory>

namespace Basics {
class TFile;
}

namespace PosLib {

// The file of one guest table or bill: the header record (this object) and the actions done on the
// table, in the order of their numbers, each followed by its lines.
//
// Where the file lies depends on the kind of table, below the base path (the data root):
//   Open      var/tables/t<table>.<party, 3 digits>
//   Archive   var/archives/a<archive number>      (and Restored)
//   Statist   var/statist/tagDD.MM.YYYY/a<archive number>
//   Export    <directory>/<file name>             (the export tables of the cash office)
// An open table holds its file open under a write lock, so that no other program works on it at
// the same time; close() saves it through "<file>.tmp", which replaces the file in one step.
// Failures are logged (module "TTable"), never thrown, and leave the previous file in place.
class BASICS_EXPORT TTable : public QObject, public Basics::TValue {
    Q_OBJECT
public:
    enum Location { Open = 1, Archive = 2, Statist = 3, Restored = 4, Export = 5 };
    enum State { Closed = 0, Writable = 1, NoAccess = 2, NotATable = 3 };
    // Results of open().
    enum Result {
        Opened = 0,
        WrongWaiter = 8,
        NoTable = 3,
        Damaged = 304,
        Missing = 10002,
        TraineeMismatch = 10043,
    };

    // An open table, by table and party number.
    TTable(const QString& basePath, int tableNo, int partyNo, QObject* parent = nullptr);
    // An archived table (Archive, Restored) or one of a day's statistics (Statist).
    TTable(const QString& basePath, Location kind, int archiveNo, const QDate& date = QDate(),
           QObject* parent = nullptr);
    // An export table of the cash office: a file in the directory ("." when empty), created by the
    // booking waiter.
    TTable(const QString& directory, const QString& fileName, const Basics::TValue* waiter,
           QObject* parent = nullptr);
    ~TTable() override;

    Location kind() const { return m_kind; }
    int state() const { return m_state; }
    int tableNo() const { return m_tableNo; }
    int partyNo() const { return m_partyNo; }
    QString getFileName() const;
    // The folder of a day's statistics below a base path: var/statist/tagDD.MM.YYYY.
    static QString statistDirectory(const QString& basePath, const QDate& date);
    // The marker of an active table: var/activetables/T<table>P<party>.<sequence>.
    QString activeMarker(int sequence) const;

    // Opens the table for a waiter (null: no waiter's checks). A missing file is made into a new
    // table only when create is set. A trainee may open only a trainee's table and the reverse,
    // unless force is set; a table of another waiter only when its number lies in the waiter's
    // table range, or the waiter may open all tables ("alltables") and shares a team with it.
    // With a sequence above 0 the table is marked active until it is closed.
    int open(const Basics::TValue* waiter, bool create, bool force = false, int sequence = 0);
    // Saves an open table and closes it. A table without actions is not kept (unless keep is set
    // or it has a reservation): its file is removed.
    void close();
    void setKeep(bool keep) { m_keep = keep; }

    const TTableCreate* createInfo() const { return m_create.get(); }
    // The actions by number.
    const std::map<int, std::unique_ptr<TTableAction>>& actions() const { return m_actions; }
    TTableAction* action(int number) const;
    // Takes the action into the table under the next number.
    void addAction(TTableAction* action);
    qint64 getAmount() const; // "amount"

    // The export operations of the cash office.
    void setAccount(TTableAction* action, const QString& account);
    void setText(TTableAction* action, const QString& key, const QString& text);
    TTableEntry* addCashMovement(TTableAction* action, const QString& actionKey, const QString& vaultName,
                                 const QString& cashGroup, qint64 amount);
    void fillCashing(TTableCashing* action, qint64 amount, qint64 given, int currency, int terminal,
                     int center);
    // Adds the balances of a cash count, booked by that waiter at that terminal.
    void addBalanceActions(const QList<TTableBalance*>& balances, int waiter, int terminal);

    // The file's content: header, create action, then every action followed by its lines (each
    // carrying its action's number in "father").
    QByteArray toBytes() const;
    // Takes header and actions from such content, opening no file (the table stays closed); false,
    // leaving the table as it was, for bytes that are no table record.
    bool fromBytes(const QByteArray& bytes);

Q_SIGNALS:
    void loaded(long actions);
    void NameChanged(PosLib::TTable* table, const QString& name);
    void vatChanged(PosLib::TTable* table, bool outOfHouse);
    void restored(PosLib::TTable* table);
    void tableChanged(PosLib::TTable* table, PosLib::TTableChange* change);
    void created(PosLib::TTable* table);
    void discountChanged(PosLib::TTable* table, long discount);
    void amountChanged(PosLib::TTable* table, double amount);
    void splitted(PosLib::TTable* table, PosLib::TTableSplit* split);
    void voided(PosLib::TTable* table, PosLib::TTableVoid* voided);
    void ordered(PosLib::TTable* table, PosLib::TTableOrder* order);
    void tableRemoved(PosLib::TTable* table);
    void unpaid(PosLib::TTable* table, PosLib::TTablePay* pay);
    void paid(PosLib::TTable* table, PosLib::TTablePay* pay);
    void control(PosLib::TTable* table, PosLib::TTableControl* control);
    void archived(PosLib::TTable* table);
    void changed(PosLib::TTable* table, PosLib::TTableEntry* entry);

private:
    void clearActions();
    bool readFile(const QByteArray& bytes);
    bool mayOpen(const Basics::TValue& waiter, bool force, int& result) const;
    void startNew(const Basics::TValue* waiter);
    void removeMarker();
    void assignTableIndex();
    bool writeFile();
    void release();
    void log(int level, const QString& text) const;

    Location m_kind;
    QString m_basePath;
    int m_tableNo = 0;
    int m_partyNo = 0;
    int m_archiveNo = 0;
    QDate m_date;
    QString m_directory;
    QString m_fileName;
    Basics::TValue m_waiter;
    std::unique_ptr<TTableCreate> m_create;
    std::map<int, std::unique_ptr<TTableAction>> m_actions;
    int m_highest = -1;
    std::unique_ptr<Basics::TFile> m_file;
    int m_state = Closed;
    int m_sequence = 0;
    bool m_keep = false;
};

} // namespace PosLib
