// The bookings of the pages "Cash IO" and "Vault", and the export of their tables.

#include "cashtransactionsdialog.h"

#include "cashamounts.h"
#include "cashgroupjournalstable.h"
#include "cashjournal.h"
#include "cashtableview.h"
#include "fiscalexport.h"
#include "tcombobox.h"
#include "tcostcenter.h"
#include "tcurrencies.h"
#include "tcurrency.h"
#include "tlumworkspace.h"
#include "tpayform.h"
#include "tprompts.h"
#include "tsettings.h"
#include "ttable.h"
#include "tvaluelist.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHash>
#include <QSignalBlocker>

namespace {

// What tells the three vault actions apart.
struct VaultBookingKind {
    const char* title;
    const char* exportName;
    const char* reason;
    const char* logPrefix;
    const char* failedRows;
    const char* failedExport;
    const char* operation;
};

const VaultBookingKind vaultBookingKinds[] = {
    {QT_TRANSLATE_NOOP("CashTransactionsDialog", "Book vault cashIn"), "vaultcashin.xxx",
     QT_TRANSLATE_NOOP("CashTransactionsDialog", "Vault CashIN"), "vaultcashIN", "vault CashIN",
     "export vault cashin. code %1", "BookVaultCashIn"},
    {QT_TRANSLATE_NOOP("CashTransactionsDialog", "Book vault cashout"), "vaultcashout.xxx",
     QT_TRANSLATE_NOOP("CashTransactionsDialog", "Vault CashOUT"), "vaultcashOUT", "vault CashOUT",
     "export vault cashout. code %1", "BookVaultCashOut"},
    {QT_TRANSLATE_NOOP("CashTransactionsDialog", "Book vault flausch"), "vaultflush.xxx",
     QT_TRANSLATE_NOOP("CashTransactionsDialog", "Vault Flush"), "vaultcashFlush", "vault flush",
     "export vault flush. code %1", "BookVaultFlush"},
};

} // namespace

QString CashTransactionsDialog::vaultKey(int action)
{
    static const char* const keys[] = {"cashin", "cashout", "flush"};
    return action >= VaultCashIn && action <= VaultFlush ? QLatin1String(keys[action]) : QString();
}

int CashTransactionsDialog::BookCashIO()
{
    const QString title = tr("Book CashIO");
    BookingContext context;
    int code = 0;
    if (!prepare(title, context, code))
        return code;
    const QString text = CashIoAmountField->text().trimmed();
    const qint64 amount = m_amounts->minorUnits(text);
    QString refusal;
    if (!TCashAmounts::isNumber(text))
        refusal = tr("Invalid amount.");
    else if (amount == 0)
        refusal = tr("Zero amount.");
    else if (amount < 0)
        refusal = tr("Negative amount.");
    const Basics::TValue* payform = m_payforms ? m_payforms->find(m_payformChooser->currentId()) : nullptr;
    const int waiterId = m_waiterChooser->currentId();
    if (refusal.isEmpty() && !payform)
        refusal = tr("No payform selected.");
    if (refusal.isEmpty() && !m_waiterChooser->hasId(waiterId))
        refusal = tr("No waiter selected.");
    if (!refusal.isEmpty()) {
        prompts().information(this, title, refusal);
        return 10021;
    }

    const bool cashIn = CashTypeGroup->checkedId() != 1;
    const QString reason = cashIn ? QStringLiteral("CashIO CashIN") : QStringLiteral("CashIO CashOUT");
    const QString waiterLocation =
        QStringLiteral("%1(%2)").arg(m_waiterChooser->name(waiterId)).arg(waiterId);
    const double units = m_amounts->toUnits(amount);
    // What the waiter gets leaves the vault, and the reverse; both rows or none.
    const Database::CashGroupJournalsTableList rows = {
        journalRow(context, GetVaultName(), payform->getName(), cashIn ? -units : units, reason),
        journalRow(context, waiterLocation, payform->getName(), cashIn ? units : -units, reason),
    };
    if (!m_journal->InsertJournalRows(rows)) {
        prompts().information(this, title, tr("%1: Booking failed!").arg(reason));
        log("BookCashIO", QStringLiteral("%1 write record failed!  amount: %2 outlet: %3")
                              .arg(reason)
                              .arg(units, 0, 'g')
                              .arg(context.sumOutlet));
        return 607;
    }
    // Booked: the same amount is not booked twice by a second click.
    CashIoAmountField->setText(m_amounts->text(0));
    return 0;
}

int CashTransactionsDialog::BookVaultCashIn()
{
    return bookVault(VaultCashIn);
}

int CashTransactionsDialog::BookVaultCashOut()
{
    return bookVault(VaultCashOut);
}

int CashTransactionsDialog::BookVaultFlush()
{
    return bookVault(VaultFlush);
}

int CashTransactionsDialog::bookVault(VaultAction action)
{
    const VaultBookingKind& kind = vaultBookingKinds[action];
    const QString title = tr(kind.title);
    BookingContext context;
    int code = 0;
    if (!prepare(title, context, code))
        return code;
    const auto* currencies = dynamic_cast<const TCurrencies*>(m_currencies);
    const Basics::TValue* currency = currencies ? currencies->systemCurrency() : nullptr;
    if (!currency && m_currencies && m_currencies->count() > 0)
        currency = *m_currencies->begin();
    if (!currency) {
        prompts().information(this, title, tr("No currency found."));
        return 10018;
    }

    const QString key = vaultKey(action);
    const QString reason = tr(kind.reason);
    const TAccountMap::VaultAccount accountKind =
        action == VaultCashIn ? TAccountMap::VaultCashIn : TAccountMap::VaultCashOut;
    const int bag = BagNoSpinControl->value();
    std::unique_ptr<PosLib::TTable> table = GetExportTable(QLatin1String(kind.exportName), context.waiter);
    Database::CashGroupJournalsTableList rows;
    for (int row = 0; row < VaultTableView->rowCount(); ++row) {
        const qint64 entered = m_amounts->minorUnits(VaultTableView->text(row, CashTableView::AmountColumn));
        if (entered == 0)
            continue;
        const QString cashGroup = VaultTableView->text(row, CashTableView::CashGroupColumn);
        const qint64 amount = action == VaultCashIn ? entered : -entered;
        const QString account = m_accountMap.vaultAccount(cashGroup, accountKind);
        if (account.isEmpty())
            log(kind.operation, QStringLiteral("%1: no vaultaccount for cashgroup %2 found. Mode: 1")
                                    .arg(QLatin1String(kind.logPrefix), cashGroup));

        auto* cashing = new PosLib::TTableCashing;
        table->setText(cashing, QStringLiteral("reason"), key);
        table->setAccount(cashing, account);
        table->addCashMovement(cashing, key, GetVaultName(), cashGroup, amount);
        table->fillCashing(cashing, amount, amount, currency->getID(), context.terminal,
                           context.center->getID());
        if (action == VaultFlush)
            table->setText(cashing, QStringLiteral("vaultbag"), QString::number(bag));
        table->addAction(cashing);

        Database::CashGroupJournalsTable journal =
            journalRow(context, GetVaultName(), cashGroup, m_amounts->toUnits(amount), reason);
        journal.setVaultInfo(VaultInfoBox->currentText());
        journal.setCashCCDId(-1); // the vault's rows count towards its next count at once
        if (action == VaultFlush)
            journal.setBagNo(bag);
        if (action == VaultCashOut)
            journal.remove("cashform");
        rows << journal;
    }
    if (rows.isEmpty()) {
        prompts().information(this, title, tr("No amounts to book."));
        return 10021;
    }
    if (!m_journal->InsertJournalRows(rows)) {
        log(kind.operation, QStringLiteral("insert ccd journal records for outlet %1 %2 faiiled. %3")
                                .arg(context.terminal)
                                .arg(QLatin1String(kind.failedRows), m_journal->ErrorText()));
        prompts().information(this, title, tr("%1: Booking failed!").arg(reason));
        return 607; // nothing booked, nothing exported
    }
    VaultTableView->setModified(false);
    VaultCashTypeChangedHandler(m_vaultAction);
    code = ExportTransactions(table.get());
    table.reset();
    if (code != 0) {
        prompts().information(this, title, exportRefusal(code));
        log(kind.operation, QString::fromLatin1(kind.failedExport).arg(code));
    }
    return code;
}

QString CashTransactionsDialog::exportRefusal(int code)
{
    if (code == TFiscalExport::notKept)
        return tr(
            "The fiscal device did not take the export, and it cannot be kept for later (see the log).");
    const QString refusal = code == TFiscalExport::noDevice
                                ? tr("No fiscal device for export found.")
                                : tr("The fiscal device refused the export (code %1).").arg(code);
    return refusal + u'\n' + tr("The export is kept and handed to the fiscal device with the next one.");
}

std::unique_ptr<PosLib::TTable> CashTransactionsDialog::GetExportTable(const QString& name,
                                                                       Basics::TValue* waiter)
{
    // Only ever held in memory: the fiscal device takes the table itself, and a table it refuses
    // is kept by the export.
    return std::make_unique<PosLib::TTable>(m_workspace->GetDataPath(), name, waiter);
}

int CashTransactionsDialog::ExportTransactions(PosLib::TTable* table)
{
    return TFiscalExport(m_workspace->GetDataPath()).exportTable(*table);
}

void CashTransactionsDialog::JournalActionChangedHandler(int id)
{
    switch (id) {
    case VaultCashIn:
        BookButton->setText(tr("CashIn"));
        m_booking = &CashTransactionsDialog::BookVaultCashIn;
        break;
    case VaultCashOut:
        BookButton->setText(tr("CashOut"));
        m_booking = &CashTransactionsDialog::BookVaultCashOut;
        break;
    case VaultFlush:
        BookButton->setText(tr("Flush"));
        m_booking = &CashTransactionsDialog::BookVaultFlush;
        break;
    default:
        return;
    }
    m_vaultAction = id;
    UpdateVaultInfoBox(vaultKey(id));
}

void CashTransactionsDialog::UpdateVaultInfoBox(const QString& key)
{
    VaultInfoBox->clear();
    VaultInfoBox->addItems(m_accountMap.vaultInfos(key));
}

void CashTransactionsDialog::VaultCashTypeChangedHandler(int action)
{
    const QString key = vaultKey(action);
    if (key.isEmpty())
        return;
    if (VaultTableView->isModified() &&
        prompts().choose(this, QMessageBox::Question, tr("Vault Transactions"), tr("Lost modified data?"),
                         {tr("&Yes"), tr("&No")}, 0, 1) != 0) {
        // The amounts stay, and so does the action they were entered for.
        if (QAbstractButton* shown = JournalActionGroup->button(m_vaultTableAction)) {
            const QSignalBlocker quiet(JournalActionGroup);
            shown->setChecked(true);
        }
        JournalActionChangedHandler(m_vaultTableAction);
        return;
    }
    const PosLib::TSetting* setting = m_workspace->GetActiveSetting();
    const int sumOutlet = setting ? setting->getInt("cashoutlet", 0) : 0;
    QHash<QString, qint64> targets;
    // The vault's target counts every row not yet settled, as the next count of the vault will.
    if (sumOutlet != 0 && m_journal->PrepareCCDRows(sumOutlet)) {
        for (const Database::CashGroupCCDTable& value : m_journal->GetCCDValues(sumOutlet, GetVaultName()))
            targets.insert(value.getCashGroup(), m_amounts->fromUnits(value.getTargetAmount()));
    }
    QList<int> ids = m_accountMap.vaultPayforms(key);
    if (ids.isEmpty() && m_payforms) {
        for (const Basics::TValue* payform : *m_payforms)
            ids << payform->getID();
    }
    VaultTableView->clearRows();
    for (int id : std::as_const(ids)) {
        const Basics::TValue* record = m_payforms ? m_payforms->find(id) : nullptr;
        const auto* payform = dynamic_cast<const PosLib::TPayform*>(record);
        const bool counted =
            payform ? payform->flag("drawercounted") : record && record->getBool("drawercounted", true);
        if (!counted)
            continue;
        const QString name = record->getName();
        VaultTableView->appendRow({name, m_amounts->text(0), m_amounts->text(targets.value(name))});
    }
    VaultTableView->setModified(false);
    m_vaultTableAction = action;
}
