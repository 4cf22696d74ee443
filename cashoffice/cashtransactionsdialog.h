#pragma once

#include "accountmap.h"
#include "cashgroupccdtable.h"
#include "cashtransactionsdlgbase.h"
#include "lumdialogs_global.h"
#include "operationresult.h"
#include "outletdata.h"

#include <QMap>
#include <QString>

#include <memory>

class CashChartView;
class CashTableView;
class TCashAmounts;
class TLumWindow;
class TLumWorkspace;

namespace Basics {
class TValue;
class TValueList;
} // namespace Basics
namespace Database {
class CashGroupJournalsTable;
class CashJournal;
} // namespace Database
namespace PosLib {
class TCostCenter;
class TSetting;
class TTable;
} // namespace PosLib
namespace QtWidgets {
class TComboBox;
}

// The cash office: cash handed from the vault to a waiter and back ("Cash IO"), the cash count of
// a location against the targets the journal gives ("CCD"), deposits, withdrawals and flushes of
// the vault ("Vault"), and the journal of a time range ("Journal"). Every booking writes its rows
// into the cash journal, all of them or none; vault bookings and counts hand an export table to
// the fiscal device as well.
//
// The host constructs the dialog, calls InitData, may call ShowPendingCCDs, and runs exec().
class LUMDIALOGS_EXPORT CashTransactionsDialog : public CashTransactionsDlgBase {
    Q_OBJECT

public:
    // The title of the messages of the count and the journal: "Cash Transactions".
    static QString MessageCaption();

    CashTransactionsDialog(TLumWorkspace* workspace, TLumWindow* window);
    ~CashTransactionsDialog() override;

    void InitData();
    // Warns of the locations that have not been counted for the days "pendingccddays" of the
    // account map names (nothing when that is 0 or missing).
    void ShowPendingCCDs();

protected Q_SLOTS:
    void OnBookButtonHandler() override;
    void OnCashIoPayformChangedHandler(int index) override;
    void OnCashTypeChangedHandler(int id) override;
    void OnTabPageChangedHandler(QWidget* page) override;
    void OnCashIOAmountFieldHandler() override;
    void OnCcdLocationChangedHandler(int index) override;
    void CCDJournalRequestHandler() override;
    void CCDAmountChangedHandler(int row, int column);
    void CCDCashGroupsViewCellClickedHandler(int row, int column);
    void VaultAmountChangedHandler(int row, int column);
    void VaultTableViewCellClickedHandler(int row, int column);
    void JournalActionChangedHandler(int id);
    void VaultCashTypeChangedHandler(int action);

private:
    using Booking = int (CashTransactionsDialog::*)();
    enum VaultAction { VaultCashIn = 0, VaultCashOut = 1, VaultFlush = 2 };
    // "cashin", "cashout", "flush": the action's key in the account map and the export.
    static QString vaultKey(int action);
    // What the rows of one booking share: the settings, who books and for which cost centre,
    // outlet and mandant.
    struct BookingContext {
        PosLib::TSetting* setting = nullptr;
        Basics::TValue* waiter = nullptr;
        PosLib::TCostCenter* center = nullptr;
        TOutletData outlet;
        int sumOutlet = 0;
        int terminal = 1;
    };

    Basics::OperationResult PrepareBooking(PosLib::TSetting** setting, Basics::TValue** waiter,
                                           PosLib::TCostCenter** center);
    // Runs PrepareBooking and fills the context; false after telling the operator why (code
    // then holds the result).
    bool prepare(const QString& title, BookingContext& context, int& code);
    Basics::TValue* GetBookingWaiter();
    void GetOutletMandantData(QString& outletName, int& outlet, QString& mandantName, int& mandant);
    static QString GetVaultName();
    // A journal row with the fields every booking writes.
    Database::CashGroupJournalsTable journalRow(const BookingContext& context, const QString& location,
                                                const QString& cashGroup, double amount,
                                                const QString& reason) const;

    void LoadCashGroups();
    void LoadCCDJournal();
    void UpdateVaultInfoBox(const QString& key);
    void DisableTab(int index);
    std::unique_ptr<PosLib::TTable> GetExportTable(const QString& name, Basics::TValue* waiter);
    int ExportTransactions(PosLib::TTable* table);
    // What the operator is told when the export fails with that code.
    static QString exportRefusal(int code);

    int BookCashIO();
    int BookCCD();
    int BookVaultCashIn();
    int BookVaultCashOut();
    int BookVaultFlush();
    int bookVault(VaultAction action);

    // The sum outlet of the active setting ("cashoutlet"); 0 after telling the operator (and the
    // log, under the operation's name) that there is none.
    int sumOutletFor(const char* operation);
    // Checks an amount the operator entered into the second column of a table: a bad one is
    // refused with a message and set back to zero; a good one is written in the currency's
    // form. False when it was refused.
    bool checkAmountCell(CashTableView* table, int row, const QString& title);
    // Counts the cash group of the row with the cash counter; true when the operator took the total.
    bool countCashGroup(CashTableView* table, int row);
    void recomputeDifference(int row);
    void readJournalPiece();
    void log(const char* operation, const QString& text) const;
    bool mayBook() const { return m_mayBook; }

    TLumWorkspace* m_workspace;
    TLumWindow* m_window;
    std::unique_ptr<TCashAmounts> m_amounts;
    std::unique_ptr<Database::CashJournal> m_journal;
    Basics::TValueList* m_currencies = nullptr;
    Basics::TValueList* m_payforms = nullptr;
    TAccountMap m_accountMap;
    QString m_accountMapPath;
    // The location of each count, by name, with the targets of its cash groups.
    QMap<QString, Database::CashGroupCCDTableList> m_locations;
    Booking m_booking = nullptr;
    int m_vaultAction = VaultCashIn;
    // The action whose payment forms the vault table shows.
    int m_vaultTableAction = VaultCashIn;
    bool m_mayBook = true;
    // The journal page's lines read so far, and whether the next piece is due.
    int m_journalLines = 0;
    int m_journalSumOutlet = 0;
    bool m_journalPieceDue = false;
    std::unique_ptr<QtWidgets::TComboBox> m_waiterChooser;
    std::unique_ptr<QtWidgets::TComboBox> m_payformChooser;
    std::unique_ptr<QtWidgets::TComboBox> m_locationChooser;
    CashChartView* m_charts = nullptr;
    CashTableView* VaultTableView = nullptr;
    CashTableView* CCDCashGroupsTableView = nullptr;
};
