#include "ttable.h"

#include "recordstream.h"
#include "tcounter.h"
#include "tdir.h"
#include "terror.h"
#include "tfile.h"
#include "tlog.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>

namespace PosLib {

namespace {

// A table file larger than this is not read: no table grows that far.
constexpr qint64 maxFileSize = 64 * 1024 * 1024;

// Opening the temporary file is tried again this often, this far apart, when the system says
// that it is busy or out of descriptors for the moment.
constexpr int openAttempts = 50;
constexpr unsigned long openPauseMs = 100;

bool passes(int osError)
{
    return osError == EINTR || osError == EAGAIN || osError == EBUSY || osError == ETXTBSY ||
           osError == EMFILE || osError == ENFILE;
}

QStringList listOf(const QString& text)
{
    QStringList items = text.split(u',', Qt::SkipEmptyParts);
    for (QString& item : items)
        item = item.trimmed();
    return items;
}

} // namespace

TTable::TTable(const QString& basePath, int tableNo, int partyNo, QObject* parent)
    : QObject(parent)
    , m_kind(Open)
    , m_basePath(Basics::TDir(basePath).path())
    , m_tableNo(tableNo)
    , m_partyNo(partyNo)
{
}

TTable::TTable(const QString& basePath, Location kind, int archiveNo, const QDate& date, QObject* parent)
    : QObject(parent)
    , m_kind(kind)
    , m_basePath(Basics::TDir(basePath).path())
    , m_archiveNo(archiveNo)
    , m_date(date)
{
}

TTable::TTable(const QString& directory, const QString& fileName, const Basics::TValue* waiter,
               QObject* parent)
    : QObject(parent)
    , m_kind(Export)
    , m_basePath(Basics::TDir(directory).path())
    , m_directory(directory.isEmpty() ? QStringLiteral(".") : directory)
    , m_fileName(fileName)
{
    startNew(waiter);
    if (waiter)
        m_waiter = *waiter;
}

TTable::~TTable()
{
    if (m_state == Writable)
        close();
    release();
}

QString TTable::getFileName() const
{
    switch (m_kind) {
    case Open:
        return m_basePath +
               QStringLiteral("var/tables/t%1.%2").arg(m_tableNo).arg(m_partyNo, 3, 10, QChar(u'0'));
    case Archive:
    case Restored:
        return m_basePath + QStringLiteral("var/archives/a%1").arg(m_archiveNo);
    case Statist:
        return statistDirectory(m_basePath, m_date) + QStringLiteral("/a%1").arg(m_archiveNo);
    case Export:
        return m_directory + u'/' + m_fileName;
    }
    return {};
}

QString TTable::statistDirectory(const QString& basePath, const QDate& date)
{
    return Basics::TDir(basePath).path() + QStringLiteral("var/statist/tag%1.%2.%3")
                                               .arg(date.day(), 2, 10, QChar(u'0'))
                                               .arg(date.month(), 2, 10, QChar(u'0'))
                                               .arg(date.year(), 4, 10, QChar(u'0'));
}

QString TTable::activeMarker(int sequence) const
{
    return QStringLiteral("%1/T%2P%3.%4")
        .arg(m_basePath + QStringLiteral("var/activetables"))
        .arg(m_tableNo)
        .arg(m_partyNo)
        .arg(sequence);
}

void TTable::log(int level, const QString& text) const
{
    Basics::TLog& log = Basics::TLog::instance();
    if (log.level() >= level)
        log.write(level, text, "TTable", "TTable");
}

void TTable::release()
{
    if (m_file) {
        m_file->close();
        m_file.reset();
    }
}

void TTable::clearActions()
{
    m_actions.clear();
    m_highest = -1;
    m_create.reset();
}

void TTable::startNew(const Basics::TValue* waiter)
{
    Basics::TValue::clear();
    set("type", 1);
    set("table", m_tableNo);
    set("party", m_partyNo);
    m_create = std::make_unique<TTableCreate>();
    m_create->setCreated(QDateTime::currentDateTime());
    if (waiter) {
        set("waiter", waiter->getID());
        m_create->setWaiter(waiter->getID());
        m_create->setWaiterName(waiter->getName());
        m_create->setTrainee(waiter->getBool("trainee"));
    }
}

bool TTable::readFile(const QByteArray& bytes)
{
    try {
        Basics::RecordReader reader(bytes);
        Basics::TValue header;
        auto create = std::make_unique<TTableCreate>();
        if (!reader.read(header) || !reader.read(*create))
            return false;
        std::map<int, std::unique_ptr<TTableAction>> actions;
        int highest = -1;
        while (!reader.atEnd()) {
            Basics::TValue record;
            if (!reader.read(record))
                return false;
            if (record.contains("father")) {
                // A line of the action with that number, which came before it.
                const auto owner = actions.find(record.getInt("father"));
                if (owner == actions.end())
                    return false;
                record.remove("father");
                auto* entry = new TTableEntry;
                static_cast<Basics::TValue&>(*entry) = record;
                owner->second->entries().insert(entry);
                continue;
            }
            const int kind = record.getInt("type");
            std::unique_ptr<TTableAction> action(TTableAction::create(kind));
            if (!action)
                action = std::make_unique<TTableAction>(kind); // a kind of a later version, kept as it is
            static_cast<Basics::TValue&>(*action) = record;
            highest = std::max(highest, record.getID());
            actions[record.getID()] = std::move(action);
        }
        Basics::TValue::operator=(header);
        m_create = std::move(create);
        m_actions = std::move(actions);
        m_highest = highest;
        return true;
    } catch (const Basics::TError&) {
        return false; // an impossible attribute count
    }
}

bool TTable::mayOpen(const Basics::TValue& waiter, bool force, int& result) const
{
    const bool traineeTable = m_create && m_create->isTrainee();
    if (waiter.getBool("trainee") != traineeTable && !force) {
        result = TraineeMismatch;
        return false;
    }
    if (getInt("waiter") == waiter.getID())
        return true;
    if (m_tableNo != 0 && m_tableNo >= waiter.getInt("mintablerange") &&
        m_tableNo <= waiter.getInt("maxtablerange"))
        return true;
    const QStringList teams = listOf(getString("teams"));
    const QStringList waiterTeams = listOf(waiter.getString("teams"));
    const bool sharesTeam =
        teams.isEmpty() || std::any_of(teams.cbegin(), teams.cend(),
                                       [&](const QString& team) { return waiterTeams.contains(team); });
    if (waiter.getBool("alltables") && sharesTeam)
        return true;
    result = WrongWaiter;
    return false;
}

int TTable::open(const Basics::TValue* waiter, bool create, bool force, int sequence)
{
    if (m_state == Writable)
        close();
    release();
    clearActions();
    m_state = Closed;
    const QString path = getFileName();
    if (!QFileInfo::exists(path) && !create)
        return Missing;
    try {
        Basics::TDir(QFileInfo(path).path(), true);
        m_file = std::make_unique<Basics::TFile>(path);
        m_file->open(QIODevice::ReadWrite);
        if (m_file->size() > maxFileSize) {
            log(Basics::TLog::Error, QStringLiteral("Table file %1 is too large").arg(path));
            release();
            return Damaged;
        }
        const QByteArray bytes = m_file->readAll();
        if (bytes.isEmpty()) {
            startNew(waiter);
            m_file->writeDurably(toBytes());
            m_state = Writable;
            Q_EMIT created(this);
        } else {
            if (!readFile(bytes)) {
                log(Basics::TLog::Error, QStringLiteral("Table file %1 cannot be read").arg(path));
                release();
                return Damaged;
            }
            if (getInt("type") != 1) {
                release();
                m_state = NotATable;
                return NoTable;
            }
            int refused = Opened;
            if (waiter && !mayOpen(*waiter, force, refused)) {
                release();
                m_state = refused == WrongWaiter ? NoAccess : Closed;
                return refused;
            }
            if (m_kind == Open) {
                set("table", m_tableNo);
                set("party", m_partyNo);
            } else {
                m_tableNo = getInt("table");
                m_partyNo = getInt("party");
            }
            m_state = Writable;
            Q_EMIT loaded(long(m_actions.size()));
        }
    } catch (const Basics::TError& error) {
        log(Basics::TLog::Error, error.description());
        release();
        return Damaged;
    }
    if (waiter)
        m_waiter = *waiter;
    m_sequence = sequence;
    if (m_sequence > 0) {
        Basics::TDir(m_basePath + QStringLiteral("var/activetables"), true);
        QFile marker(activeMarker(m_sequence));
        marker.open(QIODevice::WriteOnly);
    }
    return Opened;
}

void TTable::removeMarker()
{
    if (m_sequence > 0)
        QFile::remove(activeMarker(m_sequence));
}

void TTable::assignTableIndex()
{
    try {
        TCounter counter(m_basePath, QStringLiteral("tablecounter.dat"));
        set("tableindex", counter.next(QStringLiteral("tableindex")) + 1);
    } catch (const Basics::TError& error) {
        log(Basics::TLog::Error, error.description()); // saved without an index; the next save tries again
    }
}

void TTable::close()
{
    if (m_state != Writable) {
        log(Basics::TLog::Warning, QStringLiteral("No access on File m_State:%1").arg(m_state));
        return;
    }
    if (!m_create) {
        log(Basics::TLog::Error, QStringLiteral("No create information"));
        return;
    }
    removeMarker();
    if (m_actions.empty() && !m_keep && getString("reservationno").isEmpty()) {
        // Nothing was done on the table: it is not kept.
        const QString path = getFileName();
        release();
        m_state = Closed;
        if (!QFile::remove(path))
            log(Basics::TLog::Warning, QStringLiteral("Table file %1 could not be removed").arg(path));
        Q_EMIT tableRemoved(this);
        return;
    }
    if (getInt("tableindex") == 0)
        assignTableIndex();
    if (m_kind == Open && (m_tableNo == 0 || m_partyNo == 0))
        log(Basics::TLog::Warning,
            QStringLiteral("ttable::close tableno: %1 partyno=%2").arg(m_tableNo).arg(m_partyNo));
    if (!writeFile())
        return; // still open: the previous file is in place, and a later close tries again
    release();
    m_state = Closed;
}

bool TTable::writeFile()
{
    const QString path = getFileName();
    const QString temp = path + QStringLiteral(".tmp");
    Basics::TFile out(temp);
    for (int attempt = 1;; ++attempt) {
        try {
            out.open(QIODevice::WriteOnly);
            break;
        } catch (const Basics::TFileError& error) {
            if (attempt == openAttempts || !passes(error.osError())) {
                log(Basics::TLog::Error, QStringLiteral("Temp Tablefile could not open"));
                return false;
            }
            QThread::msleep(openPauseMs);
        }
    }
    qint64 total = 0;
    for (const auto& [number, action] : m_actions)
        total += action->amountChange();
    if (total != getAmount()) {
        log(Basics::TLog::Warning, QStringLiteral("Amount not correct: %1 %2").arg(getAmount()).arg(total));
        set("amount", total);
        Q_EMIT amountChanged(this, double(total));
    }
    try {
        // The complete new content replaces the file in one step: whoever reads the table finds
        // either the previous or the new content, also after a crash at any moment.
        out.writeDurably(toBytes());
        Basics::TFile::rename(temp, path);
        Basics::TFile::syncDirectory(QFileInfo(path).path());
        out.close();
    } catch (const Basics::TError& error) {
        log(Basics::TLog::Error, error.description());
        out.close();
        QFile::remove(temp);
        return false;
    }
    return true;
}

TTableAction* TTable::action(int number) const
{
    const auto it = m_actions.find(number);
    return it == m_actions.end() ? nullptr : it->second.get();
}

void TTable::addAction(TTableAction* action)
{
    action->setID(++m_highest);
    m_actions[m_highest].reset(action);
    switch (action->kind()) {
    case TTableAction::Change:
        Q_EMIT tableChanged(this, static_cast<TTableChange*>(action));
        break;
    case TTableAction::Order:
        Q_EMIT ordered(this, static_cast<TTableOrder*>(action));
        break;
    case TTableAction::Void:
        Q_EMIT voided(this, static_cast<TTableVoid*>(action));
        break;
    case TTableAction::Pay:
        Q_EMIT paid(this, static_cast<TTablePay*>(action));
        break;
    case TTableAction::Split:
        Q_EMIT splitted(this, static_cast<TTableSplit*>(action));
        break;
    case TTableAction::Control:
        Q_EMIT control(this, static_cast<TTableControl*>(action));
        break;
    case TTableAction::Restore:
        Q_EMIT restored(this);
        break;
    case TTableAction::Archived:
        Q_EMIT archived(this);
        break;
    default:
        break;
    }
}

qint64 TTable::getAmount() const
{
    return get("amount").text().toLongLong();
}

void TTable::setAccount(TTableAction* action, const QString& account)
{
    action->setExtAccount(account);
}

void TTable::setText(TTableAction* action, const QString& key, const QString& text)
{
    action->set(key, text);
}

TTableEntry* TTable::addCashMovement(TTableAction* action, const QString& actionKey, const QString& vaultName,
                                     const QString& cashGroup, qint64 amount)
{
    return action->addCashInformation(actionKey, vaultName, cashGroup, amount);
}

void TTable::fillCashing(TTableCashing* action, qint64 amount, qint64 given, int currency, int terminal,
                         int center)
{
    action->setPayment(amount, given, currency, terminal, center);
}

void TTable::addBalanceActions(const QList<TTableBalance*>& balances, int waiter, int terminal)
{
    for (TTableBalance* balance : balances) {
        balance->setWaiter(waiter);
        balance->setTerminal(terminal);
        addAction(balance);
    }
}

QByteArray TTable::toBytes() const
{
    QByteArray bytes;
    Basics::appendRecord(bytes, *this);
    if (m_create)
        Basics::appendRecord(bytes, *m_create);
    else
        Basics::appendRecord(bytes, TTableCreate());
    for (const auto& [number, action] : m_actions) {
        Basics::appendRecord(bytes, *action);
        for (const Basics::TValue* entry : action->entries()) {
            Basics::TValue line = *entry;
            line.set("father", number);
            Basics::appendRecord(bytes, line);
        }
    }
    return bytes;
}

bool TTable::fromBytes(const QByteArray& bytes)
{
    if (bytes.size() > maxFileSize || !readFile(bytes))
        return false;
    m_tableNo = getInt("table");
    m_partyNo = getInt("party");
    return true;
}

} // namespace PosLib
