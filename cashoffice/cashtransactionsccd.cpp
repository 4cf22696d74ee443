// The page "CCD": counting the cash of a location against the targets of the journal.

#include "cashtransactionsdialog.h"

#include "cashamounts.h"
#include "cashgroupjournalstable.h"
#include "cashjournal.h"
#include "cashtableview.h"
#include "tcombobox.h"
#include "tcostcenter.h"
#include "tcounter.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tpayform.h"
#include "tprompts.h"
#include "tsettings.h"
#include "ttable.h"
#include "tvaluelist.h"

#include <QApplication>
#include <QDateTime>
#include <QGuiApplication>

#include <vector>

namespace {

enum CCDColumn { CCDTargetColumn = 2, CCDDiffColumn = 3 };

// The wait cursor while the database is asked.
class CCDWaitCursor {
public:
    CCDWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CCDWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    CCDWaitCursor(const CCDWaitCursor&) = delete;
    CCDWaitCursor& operator=(const CCDWaitCursor&) = delete;
};

} // namespace

void CashTransactionsDialog::LoadCCDJournal()
{
    const QString shown = m_locationChooser->name(m_locationChooser->currentId());
    const int sumOutlet = sumOutletFor("LoadCCDJournal");
    if (sumOutlet == 0)
        return;
    m_locationChooser->clear();
    m_locations.clear();
    CCDCashGroupsTableView->clearRows();
    if (!m_journal->PrepareCCDRows(sumOutlet)) {
        prompts().information(this, MessageCaption(), tr("CCD Value preparation failed!"));
        log("LoadCCDJournal", QStringLiteral("ccd value prepare for outlet %1 failed. %2")
                                  .arg(sumOutlet)
                                  .arg(m_journal->ErrorText()));
        return;
    }
    Database::CashGroupCCDTableList values;
    {
        const CCDWaitCursor wait;
        values = m_journal->GetCCDValues(sumOutlet);
    }
    if (values.isEmpty()) {
        prompts().information(this, MessageCaption(), tr("No ccd data available."));
        log("LoadCCDJournal", QStringLiteral("no ccd data for outlet %1 in db found.").arg(sumOutlet));
        return;
    }
    int id = 0;
    for (const Database::CashGroupCCDTable& value : std::as_const(values)) {
        const QString location = value.getLocation();
        if (!m_locations.contains(location))
            m_locationChooser->insertItem(++id, location);
        m_locations[location] << value;
    }
    if (m_locations.isEmpty()) {
        prompts().warning(this, MessageCaption(), tr("No locations for CCD Outlet %1 found.").arg(sumOutlet));
        return;
    }
    // The location counted before stays chosen while it has anything to count.
    CCDLocationComboBox->setCurrentIndex(0);
    for (int index = 0; index < CCDLocationComboBox->count(); ++index) {
        const int itemId = QtWidgets::TComboBox::idOf(CCDLocationComboBox->itemText(index));
        if (m_locationChooser->name(itemId) == shown)
            CCDLocationComboBox->setCurrentIndex(index);
    }
    LoadCashGroups();
}

void CashTransactionsDialog::LoadCashGroups()
{
    CCDCashGroupsTableView->clearRows();
    const QString location = m_locationChooser->name(m_locationChooser->currentId());
    const Database::CashGroupCCDTableList values = m_locations.value(location);
    if (values.isEmpty()) {
        prompts().information(this, tr("CCD"), tr("No cashgroups for %1 available.").arg(location));
        return;
    }
    for (const Database::CashGroupCCDTable& value : values) {
        const qint64 target = m_amounts->fromUnits(value.getTargetAmount());
        CCDCashGroupsTableView->appendRow(
            {value.getCashGroup(), m_amounts->text(0), m_amounts->text(target), m_amounts->text(0)});
        const int row = CCDCashGroupsTableView->rowCount() - 1;
        CCDCashGroupsTableView->item(row, CCDTargetColumn)->setData(Qt::UserRole, target);
        recomputeDifference(row);
    }
    CCDCashGroupsTableView->setModified(false);
}

void CashTransactionsDialog::OnCcdLocationChangedHandler(int)
{
    LoadCashGroups();
}

void CashTransactionsDialog::recomputeDifference(int row)
{
    const qint64 actual =
        m_amounts->minorUnits(CCDCashGroupsTableView->text(row, CashTableView::AmountColumn));
    const qint64 target = CCDCashGroupsTableView->item(row, CCDTargetColumn)->data(Qt::UserRole).toLongLong();
    const qint64 difference = actual - target;
    CCDCashGroupsTableView->setText(row, CashTableView::AmountColumn, m_amounts->text(actual));
    CCDCashGroupsTableView->setText(row, CCDDiffColumn, m_amounts->text(difference));
    if (QTableWidgetItem* cell = CCDCashGroupsTableView->item(row, CCDDiffColumn)) {
        const QSignalBlocker quiet(CCDCashGroupsTableView);
        cell->setBackground(difference != 0 ? QColor(200, 0, 0) : QColor(0, 200, 0));
        cell->setForeground(QColor(Qt::white));
    }
}

void CashTransactionsDialog::CCDAmountChangedHandler(int row, int column)
{
    if (column != CashTableView::AmountColumn)
        return;
    checkAmountCell(CCDCashGroupsTableView, row, tr("CCD Transactions"));
    CCDCashGroupsTableView->setModified(true);
    recomputeDifference(row);
}

void CashTransactionsDialog::CCDCashGroupsViewCellClickedHandler(int row, int column)
{
    if (column == CashTableView::AmountColumn && m_mayBook)
        countCashGroup(CCDCashGroupsTableView, row);
}

int CashTransactionsDialog::BookCCD()
{
    const QString title = tr("Book CCD");
    const QString location = m_locationChooser->name(m_locationChooser->currentId());
    const int rows = CCDCashGroupsTableView->rowCount();
    if (rows == 0) {
        prompts().information(this, tr("CCD"), tr("No cashgroups for %1 available.").arg(location));
        return 10021;
    }
    bool differs = false;
    for (int row = 0; row < rows; ++row) {
        recomputeDifference(row);
        differs = differs || m_amounts->minorUnits(CCDCashGroupsTableView->text(row, CCDDiffColumn)) != 0;
    }
    if (differs &&
        prompts().choose(this, QMessageBox::Question, title, tr("Differences found! Proceed booking?"),
                         {tr("&Yes"), tr("&No")}, 0, 1) != 0)
        return 9;
    BookingContext context;
    int code = 0;
    if (!prepare(title, context, code))
        return code;
    // Drawn before anything is written: a number that a failed booking took is not handed out again.
    const qint64 ccdNumber =
        PosLib::TCounter(m_workspace->GetDataPath(), QStringLiteral("counter.dat")).getNextCCD();
    std::unique_ptr<PosLib::TTable> table = GetExportTable(QStringLiteral("ccd.xxx"), context.waiter);

    const bool initial = InitialCheckBox->isChecked();
    const bool vault = location == GetVaultName();
    const QDateTime now = QDateTime::currentDateTime();
    std::vector<std::unique_ptr<PosLib::TTableBalance>> balances;
    Database::CashGroupCCDTableList counted;
    Database::CashGroupJournalsTableList journal;
    for (int row = 0; row < rows; ++row) {
        const QString cashGroup = CCDCashGroupsTableView->text(row, CashTableView::CashGroupColumn);
        const qint64 actual =
            m_amounts->minorUnits(CCDCashGroupsTableView->text(row, CashTableView::AmountColumn));
        const qint64 target =
            CCDCashGroupsTableView->item(row, CCDTargetColumn)->data(Qt::UserRole).toLongLong();
        const qint64 difference = actual - target;

        auto balance = std::make_unique<PosLib::TTableBalance>();
        balance->setAllWaiters(false);
        balance->setCCDAmount(actual);
        balance->setCCDBalance(target);
        balance->setCCDDifferences(difference);
        balance->setTermName(QStringLiteral("Office: %1").arg(context.terminal));
        QString account;
        if (vault) {
            account =
                m_accountMap.vaultAccount(cashGroup, difference < 0 ? TAccountMap::VaultNegativeDifference
                                                                    : TAccountMap::VaultPositiveDifference);
        } else if (m_accountMap.hasCashForm(cashGroup) && m_payforms) {
            if (const Basics::TValue* payform = m_payforms->find(m_accountMap.cashForm(cashGroup)))
                account = payform->getString(difference < 0 ? "extnegdiffacc" : "extposdiffacc");
        }
        table->setAccount(balance.get(), account);
        balance->addCashBalanceInformation(actual, target, initial, cashGroup, location);
        if (initial)
            balance->addCashInformation(QStringLiteral("cashbalance"), GetVaultName(), cashGroup, actual);
        balances.push_back(std::move(balance));

        Database::CashGroupCCDTable count;
        count.setCCDTimestamp(now);
        count.setLocation(location);
        count.setCashGroup(cashGroup);
        count.setTargetAmount(m_amounts->toUnits(target));
        count.setDifferenceAmount(m_amounts->toUnits(difference));
        count.setActualAmount(m_amounts->toUnits(actual));
        count.setSumOutletId(context.sumOutlet);
        count.setOutletId(context.outlet.outlet);
        count.setOutletName(context.outlet.outletName);
        count.setMandantId(context.outlet.mandant);
        count.setMandantName(context.outlet.mandantName);
        count.setTerminalId(context.terminal);
        count.setTerminalName(QStringLiteral("office"));
        count.setCostCenterId(context.center->getID());
        count.setCostCenterName(context.center->getName());
        count.setWaiterId(context.waiter->getID());
        count.setWaiterName(context.waiter->getName());
        count.setCCDId(ccdNumber);
        counted << count;

        // The counted cash goes into the vault.
        journal << journalRow(context, GetVaultName(), cashGroup, m_amounts->toUnits(actual),
                              QStringLiteral("CCD CashIN"));
    }

    // The count, the rows it settles and the cash it moves: all of it, or nothing.
    const bool booked = m_journal->InOneTransaction([&] {
        if (!m_journal->InsertCCDRows(counted)) {
            log("BookCCD", QStringLiteral("insert ccd records for outlet %1 and ccd counter %2 failed. %3")
                               .arg(context.terminal)
                               .arg(ccdNumber)
                               .arg(m_journal->ErrorText()));
            return false;
        }
        if (!m_journal->MarkCCDRows(context.sumOutlet, ccdNumber, location)) {
            log("BookCCD", QStringLiteral("ccd value mark for outlet %1 and ccd counter %2 failed. %3")
                               .arg(context.terminal)
                               .arg(ccdNumber)
                               .arg(m_journal->ErrorText()));
            return false;
        }
        if (!m_journal->InsertJournalRows(journal)) {
            log("BookCCD", QStringLiteral("insert ccd journal records for outlet %1 CCDCashIN faiiled. %2")
                               .arg(context.terminal)
                               .arg(m_journal->ErrorText()));
            return false;
        }
        return true;
    });
    if (!booked) {
        if (!m_journal->ErrorText().isEmpty())
            log("BookCCD", m_journal->ErrorText());
        prompts().information(this, title, tr("%1: Booking failed!").arg(QStringLiteral("CCD CashIN")));
        return 607; // nothing booked, nothing exported
    }

    QList<PosLib::TTableBalance*> actions;
    for (auto& balance : balances)
        actions << balance.release();
    table->addBalanceActions(actions, context.waiter->getID(), context.terminal);
    CCDCashGroupsTableView->setModified(false);
    LoadCCDJournal();
    code = ExportTransactions(table.get());
    table.reset();
    VaultCashTypeChangedHandler(m_vaultAction);
    if (code != 0) {
        prompts().information(this, title, exportRefusal(code));
        log("BookCCD", QStringLiteral("export ccd failed. code %1").arg(code));
    }
    return code;
}

void CashTransactionsDialog::ShowPendingCCDs()
{
    const PosLib::TSetting* setting = m_workspace->GetActiveSetting();
    const int days = m_accountMap.pendingCCDDays();
    if (!setting || days == 0)
        return;
    const QMap<QString, QString> pending = m_journal->GetNoCCDSince(days, setting->getInt("cashoutlet", 0));
    if (pending.isEmpty())
        return;
    QStringList lines;
    for (auto it = pending.cbegin(); it != pending.cend(); ++it)
        lines << tr("%1 - LastCCD: %2").arg(it.key(), it.value());
    prompts().warning(m_window, tr("Pending CCD's"), lines.join(u'\n'));
}
