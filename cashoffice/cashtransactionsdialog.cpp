#include "cashtransactionsdialog.h"

#include "cashamounts.h"
#include "cashchartview.h"
#include "cashgroupjournalstable.h"
#include "cashjournal.h"
#include "cashtableview.h"
#include "counterdialog.h"
#include "fiscalexport.h"
#include "tcombobox.h"
#include "tcostcenter.h"
#include "terror.h"
#include "tlistnames.h"
#include "tlog.h"
#include "tlumconfig.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tpayform.h"
#include "tprompts.h"
#include "tsettings.h"
#include "tvaluelist.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDateTime>
#include <QGridLayout>
#include <QSplitter>
#include <QSqlDatabase>

namespace {

// The tab pages, by index.
enum Page { CashIOPage = 0, CCDPage = 1, VaultPage = 2, JournalListPage = 3 };

} // namespace

QString CashTransactionsDialog::MessageCaption()
{
    return tr("Cash Transactions");
}

CashTransactionsDialog::CashTransactionsDialog(TLumWorkspace* workspace, TLumWindow* window)
    : CashTransactionsDlgBase(window, "CashTransactionsDialog", true)
    , m_workspace(workspace)
    , m_window(window)
    , m_amounts(std::make_unique<TCashAmounts>(workspace))
    , m_journal(std::make_unique<Database::CashJournal>(workspace, window ? window->log() : nullptr))
    , m_booking(&CashTransactionsDialog::BookCashIO)
{
    // Without a host window nobody is known, and nobody books.
    m_mayBook = window && window->config() &&
                window->config()->right(objectName(), window->userId()) == TLumConfig::Full;
}

CashTransactionsDialog::~CashTransactionsDialog() = default;

void CashTransactionsDialog::log(const char* operation, const QString& text) const
{
    Basics::TLog* target = m_window ? m_window->log() : &Basics::TLog::instance();
    if (target->level() >= Basics::TLog::Debug)
        target->write(Basics::TLog::Debug, text, "CashTransactionsDialog", operation);
}

void CashTransactionsDialog::InitData()
{
    if (VaultTableView)
        return; // once
    m_currencies = m_workspace->getData(PosLib::Lists::currencies);
    m_payforms = m_workspace->getData(PosLib::TListNames::of<PosLib::TPayform>().root);

    VaultTableView = new CashTableView({tr("Cashgroup"), tr("Amount"), tr("Target")}, VaultViewContainer);
    VaultTableView->setObjectName(QStringLiteral("VaultTableView"));
    VaultTableView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    static_cast<QGridLayout*>(VaultViewContainer->layout())->addWidget(VaultTableView, 0, 0);
    CCDCashGroupsTableView = new CashTableView({tr("Cashgroup"), tr("Actual"), tr("Target"), tr("Diff")},
                                               CCDCashGroupsViewContainer);
    CCDCashGroupsTableView->setObjectName(QStringLiteral("CCDCashGroupsTableView"));
    static_cast<QGridLayout*>(CCDCashGroupsViewContainer->layout())->addWidget(CCDCashGroupsTableView, 0, 0);
    connect(CCDCashGroupsTableView, &QTableWidget::cellChanged, this,
            &CashTransactionsDialog::CCDAmountChangedHandler);
    connect(CCDCashGroupsTableView, &QTableWidget::cellClicked, this,
            &CashTransactionsDialog::CCDCashGroupsViewCellClickedHandler);
    connect(JournalActionGroup, &QButtonGroup::idClicked, this,
            &CashTransactionsDialog::JournalActionChangedHandler);
    connect(JournalActionGroup, &QButtonGroup::idClicked, this,
            &CashTransactionsDialog::VaultCashTypeChangedHandler);
    connect(VaultTableView, &QTableWidget::cellChanged, this,
            &CashTransactionsDialog::VaultAmountChangedHandler);
    connect(VaultTableView, &QTableWidget::cellClicked, this,
            &CashTransactionsDialog::VaultTableViewCellClickedHandler);

    m_accountMapPath = TAccountMap::pathIn(m_workspace->GetDataPath());
    if (!m_accountMap.read(m_accountMapPath, m_payforms))
        log("InitData", QStringLiteral("Can' load %2.").arg(m_accountMapPath));

    m_waiterChooser = std::make_unique<QtWidgets::TComboBox>(CashIoWaiterComboBox, 5);
    if (const Basics::TValueList* waiters = m_workspace->getData(PosLib::Lists::waiters)) {
        for (const Basics::TValue* waiter : *waiters) {
            if (!waiter->getBool("trainee"))
                m_waiterChooser->insertItem(waiter->getID(), waiter->getName());
        }
    }
    CashIoWaiterComboBox->setCurrentIndex(0);
    JournalCashInButton->setChecked(true);
    m_payformChooser = std::make_unique<QtWidgets::TComboBox>(CashIoPayformComboBox, 5);
    m_payformChooser->fill(m_payforms);
    m_locationChooser = std::make_unique<QtWidgets::TComboBox>(CCDLocationComboBox, 5);
    CashIoAmountField->setText(m_amounts->text(0));
    OnCashTypeChangedHandler(0);

    // Below the journal's lines, the charts of the counts and the vault.
    m_charts = new CashChartView(m_workspace, JournalPage, m_window ? m_window->log() : nullptr);
    auto* journalSplit = new QSplitter(Qt::Vertical, JournalPage);
    journalSplit->setObjectName(QStringLiteral("m_JournalSplit"));
    delete journalLayout->replaceWidget(CCDJournalViewControl, journalSplit);
    journalSplit->addWidget(CCDJournalViewControl);
    journalSplit->addWidget(m_charts);
    journalSplit->setStretchFactor(1, 1);

    const QDate today = QDate::currentDate();
    CCDJournalBeginTimestampControl->setDateTime(QDateTime(today.addDays(-1), QTime(0, 0)));
    CCDJournalEndTimestampControl->setDateTime(QDateTime(today.addDays(1), QTime(23, 59)));

    // The journal database logs in as the account map says (or as its data source says).
    m_workspace->setDatabaseLogin(m_accountMap.databaseUser(), m_accountMap.databasePassword());
    if (!m_workspace->database().isOpen()) {
        log("InitData",
            QStringLiteral("No ODBC database connection available. CCD transactions not available."));
        for (int page : {CashIOPage, CCDPage, VaultPage, JournalListPage})
            DisableTab(page);
    } else {
        VaultCashTypeChangedHandler(VaultCashIn);
        if (!m_journal->MakeCCDTable()) {
            log("InitData", QStringLiteral("Cant create cashgroupccd table. %1").arg(m_journal->ErrorText()));
            DisableTab(CCDPage);
        }
        // Exports that the fiscal device refused before go out now, if it takes them.
        TFiscalExport(m_workspace->GetDataPath()).sendPending();
    }
    if (!m_mayBook) {
        BookButton->setToolTip(tr("You may only look at the cash office."));
        for (CashTableView* table : {VaultTableView, CCDCashGroupsTableView})
            table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    OnTabPageChangedHandler(MainTabView->currentWidget());
}

void CashTransactionsDialog::DisableTab(int index)
{
    if (QWidget* page = MainTabView->widget(index); page && page->isEnabled()) {
        page->setEnabled(false);
        MainTabView->setTabEnabled(index, false);
        MainTabView->setTabText(index, tr("%1 (not available)").arg(MainTabView->tabText(index)));
    }
    OnTabPageChangedHandler(MainTabView->currentWidget());
}

void CashTransactionsDialog::OnTabPageChangedHandler(QWidget* page)
{
    const int index = MainTabView->indexOf(page);
    BookButton->setVisible(index != JournalListPage);
    BookButton->setEnabled(m_mayBook && page && page->isEnabled());
    if (!page || !page->isEnabled())
        return;
    switch (index) {
    case CashIOPage:
        BookButton->setText(tr("Book CashIO"));
        m_booking = &CashTransactionsDialog::BookCashIO;
        break;
    case CCDPage:
        BookButton->setText(tr("Book CCD"));
        m_booking = &CashTransactionsDialog::BookCCD;
        LoadCCDJournal();
        break;
    case VaultPage:
        JournalActionChangedHandler(JournalActionGroup->checkedId());
        // Targets as they are now (bookings of other pages and programs), unless amounts wait.
        if (!VaultTableView->isModified())
            VaultCashTypeChangedHandler(m_vaultAction);
        break;
    default:
        m_booking = nullptr;
        break;
    }
}

void CashTransactionsDialog::OnCashTypeChangedHandler(int id)
{
    CashIoAccountInfoField->setText(tr("Not available"));
    const Basics::TValue* payform = m_payforms ? m_payforms->find(m_payformChooser->currentId()) : nullptr;
    if (!payform)
        return;
    const QString account = payform->getString(id == 0 ? "extposacc" : "extnegacc");
    if (!account.isEmpty())
        CashIoAccountInfoField->setText(account);
}

void CashTransactionsDialog::OnCashIoPayformChangedHandler(int)
{
    OnCashTypeChangedHandler(CashTypeGroup->checkedId());
}

void CashTransactionsDialog::OnCashIOAmountFieldHandler()
{
    const QString text = CashIoAmountField->text().trimmed();
    if (text.isEmpty() || TCashAmounts::isNumber(text))
        return;
    prompts().information(this, tr("CashIO Transactions"), tr("No valid number."));
    CashIoAmountField->setText(m_amounts->text(0));
}

void CashTransactionsDialog::OnBookButtonHandler()
{
    if (!m_booking || !m_mayBook)
        return;
    if (prompts().choose(this, QMessageBox::Question, tr("Cash Transactions"), tr("Book transaction?"),
                         {tr("&Yes"), tr("&No")}, 0, 1) != 0)
        return;
    // A journal still being read is read to its end: the booking needs the connection.
    while (m_journal->JournalOpen())
        readJournalPiece();
    int code = 0;
    try {
        code = (this->*m_booking)();
    } catch (const Basics::TError& error) {
        prompts().critical(this, tr("Cash Transactions"), error.description());
        code = error.code() != 0 ? error.code() : -1;
    }
    if (code != 0)
        prompts().warning(this, tr("Cash Transactions"), tr("Booking error. Code; %1.").arg(code));
    else
        prompts().information(this, tr("Cash Transactions"), tr("Booking complete."));
}

Basics::OperationResult CashTransactionsDialog::PrepareBooking(PosLib::TSetting** setting,
                                                               Basics::TValue** waiter,
                                                               PosLib::TCostCenter** center)
{
    *setting = m_workspace->GetActiveSetting();
    if (!*setting)
        return {10069, tr("No settings found.")};
    const Basics::TValueList* centers =
        m_workspace->getData(PosLib::TListNames::of<PosLib::TCostCenter>().root);
    if (!centers || centers->count() == 0)
        return {10034, tr("No costcenters found.")};
    *center = dynamic_cast<PosLib::TCostCenter*>(centers->find((*setting)->getInt("cashiocc", 1)));
    if (!*center)
        return {10034, tr("No costcenter found.")};
    *waiter = GetBookingWaiter();
    if (!*waiter)
        return {10005, tr("No waiter available.")};
    return {};
}

bool CashTransactionsDialog::prepare(const QString& title, BookingContext& context, int& code)
{
    const Basics::OperationResult result = PrepareBooking(&context.setting, &context.waiter, &context.center);
    code = result.code;
    if (!result.ok()) {
        prompts().information(this, title, result.message);
        return false;
    }
    GetOutletMandantData(context.outlet.outletName, context.outlet.outlet, context.outlet.mandantName,
                         context.outlet.mandant);
    context.sumOutlet = context.setting->getInt("cashoutlet", 0);
    context.terminal = context.setting->getInt("officeid", 1);
    return true;
}

Basics::TValue* CashTransactionsDialog::GetBookingWaiter()
{
    const Basics::TValueList* waiters = m_workspace->getData(PosLib::Lists::waiters);
    if (!waiters || waiters->count() == 0)
        return nullptr;
    if (m_window && m_window->isLoggedIn()) {
        if (Basics::TValue* loggedIn = waiters->find(m_window->userId()))
            return loggedIn;
    }
    return *waiters->begin();
}

void CashTransactionsDialog::GetOutletMandantData(QString& outletName, int& outlet, QString& mandantName,
                                                  int& mandant)
{
    TOutletData data;
    const QString path = m_workspace->GetDataPath() + TOutletData::fileName;
    if (!data.read(path))
        log("GetOutletMandantData",
            QStringLiteral("%1 not found. Using default values for mandant and outlet.").arg(path));
    outletName = data.outletName;
    outlet = data.outlet;
    mandantName = data.mandantName;
    mandant = data.mandant;
}

QString CashTransactionsDialog::GetVaultName()
{
    return Database::vaultLocation();
}

Database::CashGroupJournalsTable CashTransactionsDialog::journalRow(const BookingContext& context,
                                                                    const QString& location,
                                                                    const QString& cashGroup, double amount,
                                                                    const QString& reason) const
{
    Database::CashGroupJournalsTable row;
    row.setLocation(location);
    row.setOutletSumKey(context.sumOutlet);
    row.setOutlet(context.outlet.outlet);
    row.setOutletName(context.outlet.outletName);
    row.setMandant(context.outlet.mandant);
    row.setMandantName(context.outlet.mandantName);
    row.setTerminal(context.terminal);
    row.setTermName(QStringLiteral("office"));
    row.setCenter(context.center->getID());
    row.setCenterName(context.center->getName());
    row.setWaiter(context.waiter->getID());
    row.setWaiterName(context.waiter->getName());
    row.setCashGroup(cashGroup);
    row.setCashAmount(amount);
    row.setCashForm(m_accountMap.cashForm(cashGroup));
    row.setCashReason(reason);
    return row;
}

int CashTransactionsDialog::sumOutletFor(const char* operation)
{
    const PosLib::TSetting* setting = m_workspace->GetActiveSetting();
    if (!setting) {
        prompts().information(this, MessageCaption(), tr("No settings found. Can't get CCD Outlet Id."));
        log(operation, QStringLiteral("no setting for ccd outlet id found."));
        return 0;
    }
    const int sumOutlet = setting->getInt("cashoutlet", 0);
    if (sumOutlet == 0) {
        prompts().information(this, MessageCaption(), tr("No CCD Outlet Id found."));
        log(operation, QStringLiteral("no ccd outlet id found."));
    }
    return sumOutlet;
}

bool CashTransactionsDialog::checkAmountCell(CashTableView* table, int row, const QString& title)
{
    const QString text = table->text(row, CashTableView::AmountColumn).trimmed();
    QString refusal;
    if (!text.isEmpty() && !TCashAmounts::isNumber(text))
        refusal = tr("No valid number.");
    else if (m_amounts->minorUnits(text) < 0)
        refusal = tr("Amounts cannot be negative.");
    if (!refusal.isEmpty())
        prompts().information(this, title, refusal);
    // An emptied cell counts as zero.
    table->setText(row, CashTableView::AmountColumn,
                   m_amounts->text(refusal.isEmpty() ? m_amounts->minorUnits(text) : 0));
    return refusal.isEmpty();
}

bool CashTransactionsDialog::countCashGroup(CashTableView* table, int row)
{
    const QString cashGroup = table->text(row, CashTableView::CashGroupColumn);
    CounterDialog counter(m_workspace, m_window);
    if (!counter.InsertCounters(m_accountMapPath, cashGroup) || counter.exec() != QDialog::Accepted)
        return false;
    // Taken as if the operator had typed the total.
    if (QTableWidgetItem* cell = table->item(row, CashTableView::AmountColumn))
        cell->setText(counter.GetTotalAmount());
    return true;
}

void CashTransactionsDialog::VaultAmountChangedHandler(int row, int column)
{
    if (column != CashTableView::AmountColumn)
        return;
    if (checkAmountCell(VaultTableView, row, tr("Vault Transactions")))
        VaultTableView->setModified(true);
}

void CashTransactionsDialog::VaultTableViewCellClickedHandler(int row, int column)
{
    if (column == CashTableView::AmountColumn && m_mayBook)
        countCashGroup(VaultTableView, row);
}
