#include "tpayformdlg.h"

#include "tcombobox.h"
#include "tlumconfig.h"
#include "tlumworkspace.h"
#include "tprintoutlist.h"
#include "tsettings.h"

#include <QFile>

using PosLib::TPayform;

namespace {

constexpr int currencyIdRole = Qt::UserRole;

// A currency of the "Ask for" list: a check item that carries the currency's id.
class CurrenciesListItem : public QTreeWidgetItem {
public:
    CurrenciesListItem(QTreeWidget* list, int id, const QString& name)
        : QTreeWidgetItem(list, {name})
    {
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        setCheckState(0, Qt::Unchecked);
        setData(0, currencyIdRole, id);
    }
    int id() const { return data(0, currencyIdRole).toInt(); }
};

// Getters and setters of the record's attributes by key, for the field declarations.
auto flagGet(const char* key)
{
    return [key](const TPayform& p) { return p.flag(key); };
}
// A flag that is always written, "yes" or "no" (a plain box, or one that stores both states).
auto flagAlwaysSet(const char* key)
{
    return [key](TPayform& p, bool on) { p.set(key, Basics::TVariant(on)); };
}
auto flagOrRemoveSet(const char* key)
{
    return [key](TPayform& p, bool on) { p.Basics::TValue::setFlag(key, on); };
}

bool onOrNoChange(const QCheckBox* box)
{
    return box->checkState() != Qt::Unchecked;
}

} // namespace

// The currencies that may be asked for, with the box that asks for them. It has no no-change state:
// with several forms the first form's currencies are shown and written into every form.
class TPayformDlg::TCurrenciesField : public LumDialogs::TField<TPayform> {
public:
    explicit TCurrenciesField(TPayformDlg* dialog)
        : TField({.shownFromFirst = true})
        , m_dialog(dialog)
    {
    }
    bool differs(const TPayform&, const TPayform&) const override { return false; }
    void show(TLumDlg&, const TPayform& record, bool) override
    {
        TPayform shown = record;
        m_dialog->SetCurrenciesListItems(&shown);
    }
    void store(TPayform& record) const override { m_dialog->GetCurrenciesListItems(&record); }
    QVariant state() const override
    {
        TPayform shown;
        m_dialog->GetCurrenciesListItems(&shown);
        return shown.text("askforallowedcurrencies") + u'/' + shown.text("allowedcurrencies");
    }
    QList<QWidget*> widgets() const override { return {m_dialog->CurrenciesListBox}; }

private:
    TPayformDlg* m_dialog;
};

// One printout list of one form, written while its page is enabled.
class TPayformDlg::TPrintoutsField : public LumDialogs::TField<TPayform> {
public:
    TPrintoutsField(TPrintoutList* printouts, const char* key, QWidget* page)
        : TField({.oneRecordOnly = true, .whileEnabled = page})
        , m_printouts(printouts)
        , m_key(key)
    {
    }
    bool differs(const TPayform& a, const TPayform& b) const override
    {
        return a.text(m_key) != b.text(m_key);
    }
    void show(TLumDlg&, const TPayform& record, bool differs) override
    {
        m_printouts->show(differs ? QString() : record.text(m_key));
    }
    void store(TPayform& record) const override { record.setPrintouts(m_key, m_printouts->printouts()); }
    QVariant state() const override { return m_printouts->stored(); }
    QList<QWidget*> widgets() const override { return {m_printouts->list()}; }

private:
    TPrintoutList* m_printouts;
    const char* m_key;
};

// The KOST summary type: the code that begins the chosen KOST form. A form without a code shows
// the first KOST form.
class TPayformDlg::TKostField : public LumDialogs::TField<TPayform> {
public:
    explicit TKostField(QComboBox* forms)
        : TField({.oneRecordOnly = true})
        , m_forms(forms)
    {
    }
    bool differs(const TPayform& a, const TPayform& b) const override
    {
        return a.text("kostsummary") != b.text("kostsummary");
    }
    void show(TLumDlg&, const TPayform& record, bool) override
    {
        const QString code = record.text("kostsummary").left(1);
        int index = 0;
        for (int i = 0; i < m_forms->count() && !code.isEmpty(); ++i) {
            if (m_forms->itemText(i).startsWith(code)) {
                index = i;
                break;
            }
        }
        m_forms->setCurrentIndex(index);
    }
    void store(TPayform& record) const override
    {
        record.setText("kostsummary", m_forms->currentText().left(1));
    }
    QVariant state() const override { return m_forms->currentIndex(); }
    QList<QWidget*> widgets() const override { return {m_forms}; }

private:
    QComboBox* m_forms;
};

TPayformDlg::TPayformDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TPayformDlg")
{
}

TPayformDlg::~TPayformDlg() = default;

void TPayformDlg::initData()
{
    connect(m_NoReturn, &QCheckBox::toggled, this, &TPayformDlg::AdjustNoReturnPayAsTipBoxes);
    connect(b_RPrnAdd, &QPushButton::clicked, this, &TPayformDlg::onRPrnAdd);
    connect(b_RPrnEdit, &QPushButton::clicked, this, qOverload<>(&TPayformDlg::onRPrnEdit));
    connect(b_RPrnDel, &QPushButton::clicked, this, qOverload<>(&TPayformDlg::onRPrnDel));
    connect(b_RPrnClear, &QPushButton::clicked, this, &TPayformDlg::onRPrnClear);
    connect(m_RPrinters, &QTreeWidget::itemSelectionChanged, this, qOverload<>(&TPayformDlg::onRPrnChange));
    connect(m_RPrinters, &QTreeWidget::itemActivated, this,
            qOverload<QTreeWidgetItem*>(&TPayformDlg::onRPrnEdit));
    connect(m_Number, &QSpinBox::valueChanged, this, &TPayformDlg::updateClientscreenText);

    TLumWorkspace* workspace = this->workspace();
    CreateCurrenciesList();

    m_bills = std::make_unique<TPrintoutList>(TPrintoutList::Bills, workspace, m_Printers, b_PrnAdd,
                                              b_PrnEdit, b_PrnDel, b_PrnClear);
    m_partBills = std::make_unique<TPrintoutList>(TPrintoutList::PartialBills, workspace, m_PPrinters,
                                                  b_PPrnAdd, b_PPrnEdit, b_PPrnDel, b_PPrnClear);
    m_restore = std::make_unique<TPrintoutList>(TPrintoutList::RestoreReceipts, workspace, m_RPrinters,
                                                b_RPrnAdd, b_RPrnEdit, b_RPrnDel, b_RPrnClear);
    // A list that has neither records nor a file is one the workspace only made up for the asking.
    if (!workspace || !workspace->hasData(PosLib::Lists::prnconfigs)) {
        tabWidget->setTabEnabled(tabWidget->indexOf(tabBills), false);
        tabWidget->setTabEnabled(tabWidget->indexOf(tabPBills), false);
    }

    const QStringList kostForms =
        window() && window()->config() ? window()->config()->getKostForms() : QStringList();
    if (kostForms.isEmpty()) {
        removePage(tabKost);
        m_kostPage = false;
    } else {
        m_KostForm->addItems(kostForms);
    }
    if (bonusSwitchedOff())
        removePage(tabBonus);

    declareFields();
    applyWidgetRules();
    onPrnChange();
    onPPrnChange();
    onRPrnChange();
}

void TPayformDlg::declareFields()
{
    using LumDialogs::TFieldOptions;
    const TFieldOptions fromFirst{.shownFromFirst = true};
    const TFieldOptions oneRecord{.oneRecordOnly = true};
    const auto amount = [&](QLineEdit* edit, const char* key, const TFieldOptions& options = {}) {
        fields().keyAmount(edit, key, window(), options);
    };
    const auto flag = [&](QCheckBox* box, const char* key, const TFieldOptions& options = {}) {
        fields().flag(box, key, options);
    };
    const auto text = [&](QLineEdit* edit, const char* key, const TFieldOptions& options = {}) {
        fields().keyText(edit, key, options);
    };
    const auto chosen = [&](QComboBox* combo, int width, QLatin1String list, const QString& leading,
                            bool filter) -> QtWidgets::TComboBox& {
        return chooser(combo, width, list, leading, filter);
    };

    // General page.
    text(m_Name, "name");
    text(m_Short, "shortname");
    text(m_Button, "button");
    text(m_Account, "account");
    text(m_BillCounter, "billcntr");
    fields().keyNumber(m_Prio, "prio");
    fields().keyNumber(VoucherMPENoBox, "mpeno", fromFirst);
    fields().keyNumber(chosen(m_Subvent, 3, PosLib::Lists::subventions, tr("None specified"), false),
                       "subvention");
    fields().keyNumber(grpRndType, "rndtype", oneRecord);
    // A disabled rounding value or order article does not apply to the rounding type: getData
    // removes them.
    fields().keyNumber(m_RndVal, "rndval", oneRecord);
    m_rndPlu = &chooser(m_RndPlu, 5, PosLib::Lists::articles, QString(), true);
    fields().keyNumber(*m_rndPlu, "rndplu", oneRecord);
    flag(m_TermSum, "intermsum");
    flag(m_Summary, "insummary");
    flag(m_NoBillCopy, "nobillcopy");
    flag(m_NoPaySplit, "nopaysplit");
    flag(m_NoFinalSplit, "nofinsplit");
    flag(m_NoCreditArt, "nocredart");
    flag(m_NoFiscal, "nofiscal");
    flag(m_NetOnly, "isnetonly");
    flag(m_GrossForNet, "brutfornet");
    flag(m_AlwaysPrint, "alwaysprintout");
    flag(m_NoReturn, "noreturn");
    flag(m_IsRetour, "isretour");
    flag(NoAddTipBox, "noaddtip", fromFirst);
    flag(EmailBox, "email");
    flag(m_PayAsTipBox, "payastip");
    flag(NoDiscountsBox, "nodiscounts");
    flag(m_ReadBill, "isReadBill");
    flag(m_NoTip, "notip");
    fields().check(DrawerCountedBox, flagGet("drawercounted"), flagAlwaysSet("drawercounted"));

    // Payment page.
    amount(m_MinAmount, "limmin");
    amount(m_MaxAmount, "limmax");
    flag(m_MinAmGuest, "limminguest");
    const QString forbid = tr("No, forbid payment");
    fields().keyNumber(chosen(m_MinOrder, 5, PosLib::Lists::articles, forbid, true), "ordermin");
    fields().keyNumber(chosen(m_MaxOrder, 5, PosLib::Lists::articles, forbid, true), "ordermax", fromFirst);
    fields().keyNumber(m_Vat, "vat");
    flag(m_Drawer, "dodrawer");
    flag(m_DrawerConstr, "dodrawerconstr");
    flag(m_DrawerZero, "dontdrawerzero", fromFirst);
    flag(m_Changer, "dochanger");
    flag(m_Guests, "doaskguests");
    flag(m_AskTip, "doasktip");
    flag(m_AskGiven, "doaskgiven");
    flag(m_AskSignature, "signaturerequest");
    flag(m_NoOverPay, "nooverpay");
    flag(m_ReturnCurr, "retcurr");
    flag(m_PayCurr, "paycurr");
    flag(m_GivenMultiplier, "givenmultiplier", fromFirst);
    flag(m_GuestAddr, "doaskguestaddr");
    flag(m_RequestDatabase, "dorequestdatabase");
    amount(m_MinGuestAddr, "minamguestaddr");
    fields().add(std::make_unique<TCurrenciesField>(this));

    // External page: the boxes without a no-change state are written as shown.
    fields().group(m_Hotel, flagGet("ishotel"), flagOrRemoveSet("ishotel"));
    fields().check(m_SelectHotelBox, flagGet("ishotelselectable"), flagOrRemoveSet("ishotelselectable"),
                   fromFirst);
    fields().check(m_IgnoreHotelLimitBox, flagGet("ignoreclientlimit"), flagOrRemoveSet("ignoreclientlimit"),
                   fromFirst);
    fields().spin(
        m_SelectedHotel, &TPayform::getHotelType, [](TPayform& p, int hotel) { p.setHotelType(hotel); },
        fromFirst);
    fields().group(m_Clients, flagGet("isclients"), flagOrRemoveSet("isclients"));
    fields().keyNumber(m_DefaultClientGroup, "defaultclientgroup", fromFirst);
    fields().check(m_ClientscreenMode, flagGet("clientscreendependency"),
                   flagOrRemoveSet("clientscreendependency"), fromFirst);
    text(m_Extern, "extern");
    fields().group(m_Warning, flagGet("notifylimit"), flagOrRemoveSet("notifylimit"), oneRecord);
    amount(m_warnlimit, "notifylimitvalue");
    text(m_warntext, "notifylimitmessage");
    fields().group(ELPayBox, flagGet("iselpay"), flagOrRemoveSet("iselpay"));
    fields().check(ELPayPinPadBox, flagGet("pinpad"), flagOrRemoveSet("pinpad"), fromFirst);
    fields().group(ExternAccountsBox, flagGet("extaccass"), flagOrRemoveSet("extaccass"));
    for (const auto& [edit, key] : {std::pair{ExtPosAccountField, "extposacc"},
                                    {ExtNegAccountField, "extnegacc"},
                                    {ExtPosDiffAccountField, "extposdiffacc"},
                                    {ExtNegDiffAccountField, "extnegdiffacc"}})
        text(edit, key, {.shownFromFirst = true, .writeEmpty = true});
    flag(MafisBox, "mafis");

    // Printout, KOST and bonus pages.
    fields().add(std::make_unique<TPrintoutsField>(m_partBills.get(), "Pprinters", tabPBills));
    fields().add(std::make_unique<TPrintoutsField>(m_bills.get(), "printers", tabBills));
    fields().add(std::make_unique<TPrintoutsField>(m_restore.get(), "Rprinters", RestoreTabPage));
    if (m_kostPage)
        fields().add(std::make_unique<TKostField>(m_KostForm));
    flag(m_payWithPoints, "allowpoints");
    flag(m_askForBonusCard, "askpointscard");
    fields().group(PointsBox, flagGet("pointsenabledbypayment"), flagOrRemoveSet("pointsenabledbypayment"));
    fields().keyNumber(PointsSpinbox, "pointsperamount", fromFirst);
    amount(PriceField, "pointsamount", fromFirst);
    amount(MinPriceField, "pointsminamount", fromFirst);
    amount(MaxPriceField, "pointmaxmaount", fromFirst);
    fields().check(IgnoreCreditsBox, flagGet("ignorepointsforcredit"),
                   flagOrRemoveSet("ignorepointsforcredit"), fromFirst);
    fields().keyNumber(
        chosen(NoBonusDepartmentBox, 5, PosLib::Lists::departments, tr("None specified"), false),
        "nobonusdep");
}

void TPayformDlg::setID(TLumRecordRows* view)
{
    TEditorDialog::setID(view);
    updateClientscreenText();
}

void TPayformDlg::showRecord(const TPayform& reference)
{
    TEditorDialog::showRecord(reference);
    // What is written for a single form only cannot be changed for several together.
    for (TPrintoutList* printouts : {m_bills.get(), m_partBills.get(), m_restore.get()})
        printouts->setEditable(!multi);
    for (QWidget* group :
         {static_cast<QWidget*>(grpRoundings), static_cast<QWidget*>(grpRndTypeBox), tabKost})
        LumDialogs::lockForSeveral(group, multi);
    if (!multi)
        onRndType(reference.getRndType());
    applyWidgetRules();
}

void TPayformDlg::getData(TPayform* payform)
{
    TEditorDialog::getData(payform);
    if (editContext() == LumDialogs::TEditContext::SeveralRecords)
        return;
    if (!m_RndVal->isEnabled())
        payform->remove("rndval");
    if (!m_RndPlu->isEnabled())
        payform->remove("rndplu");
}

void TPayformDlg::CreateCurrenciesList()
{
    CurrenciesListView->setSelectionMode(QAbstractItemView::NoSelection);
    CurrenciesListView->setHeaderHidden(true);
    CurrenciesListView->clear();
    const Basics::TValueList* currencies = workspaceList(PosLib::Lists::currencies);
    if (!currencies)
        return;
    for (const Basics::TValue* currency : *currencies)
        new CurrenciesListItem(CurrenciesListView, currency->getID(), currency->getName());
}

void TPayformDlg::SetCurrenciesListItems(TPayform* payform)
{
    CurrenciesListBox->setChecked(payform->getBool("askforallowedcurrencies"));
    const QList<int> allowed = payform->allowedCurrencies();
    for (int row = 0; row < CurrenciesListView->topLevelItemCount(); ++row) {
        auto* item = static_cast<CurrenciesListItem*>(CurrenciesListView->topLevelItem(row));
        item->setCheckState(0, allowed.contains(item->id()) ? Qt::Checked : Qt::Unchecked);
    }
}

void TPayformDlg::GetCurrenciesListItems(TPayform* payform)
{
    payform->Basics::TValue::setFlag("askforallowedcurrencies", CurrenciesListBox->isChecked());
    QList<int> allowed;
    for (int row = 0; row < CurrenciesListView->topLevelItemCount(); ++row) {
        auto* item = static_cast<CurrenciesListItem*>(CurrenciesListView->topLevelItem(row));
        if (item->checkState(0) == Qt::Checked)
            allowed << item->id();
    }
    payform->setAllowedCurrencies(allowed);
}

bool TPayformDlg::bonusSwitchedOff() const
{
    if (!window() || !window()->workspace())
        return false;
    PosLib::TSettings settings;
    const QByteArray dataPath = QFile::encodeName(window()->workspace()->GetDataPath());
    try {
        if (settings.load(dataPath.constData()) != 0)
            return false; // the page stays when the settings cannot be read
    } catch (const Basics::TError&) {
        return false;
    }
    const Basics::TValue* system = settings.find(0);
    return system && !system->getBool("usebonus");
}

void TPayformDlg::removePage(QWidget* page)
{
    tabWidget->removeTab(tabWidget->indexOf(page));
    page->hide();
}

void TPayformDlg::applyWidgetRules()
{
    updateClientscreenText();
    // The boxes that follow another box get its state also when it did not change.
    m_Summary->setDisabled(m_ReadBill->checkState() == Qt::Checked);
    m_TermSum->setDisabled(m_ReadBill->checkState() == Qt::Checked);
    m_NoFinalSplit->setEnabled(onOrNoChange(m_NoPaySplit));
    m_NoOverPay->setDisabled(m_AskGiven->checkState() == Qt::Checked);
    m_AskGiven->setDisabled(m_NoOverPay->checkState() == Qt::Checked);
    m_RequestDatabase->setEnabled(onOrNoChange(m_GuestAddr));
    m_MinGuestAddr->setEnabled(onOrNoChange(m_GuestAddr));
    selecthotelchanged(m_SelectHotelBox->isChecked());
    AdjustNoReturnPayAsTipBoxes(onOrNoChange(m_NoReturn));
}

void TPayformDlg::updateClientscreenText()
{
    m_ClientscreenMode->setText(tr("Using %1_%2%3")
                                    .arg(QStringLiteral("clientscreen"))
                                    .arg(m_Number->value())
                                    .arg(QStringLiteral(".ini")));
}

void TPayformDlg::grosfornetchanged(bool on)
{
    if (on && onOrNoChange(m_NetOnly))
        m_NetOnly->setCheckState(Qt::Unchecked);
}

void TPayformDlg::netonlychanged(bool on)
{
    if (on && onOrNoChange(m_GrossForNet))
        m_GrossForNet->setCheckState(Qt::Unchecked);
}

void TPayformDlg::AdjustNoReturnPayAsTipBoxes(bool on)
{
    m_PayAsTipBox->setEnabled(on);
    // Unchecked when it no longer applies; a box left in the no-change state keeps every record's
    // own value.
    if (!on && m_PayAsTipBox->checkState() != Qt::PartiallyChecked)
        m_PayAsTipBox->setCheckState(Qt::Unchecked);
}

TPrintoutList* TPayformDlg::printoutsOf(QTreeWidget* list) const
{
    for (TPrintoutList* printouts : {m_bills.get(), m_partBills.get(), m_restore.get()}) {
        if (printouts->list() == list)
            return printouts;
    }
    return nullptr;
}

QString TPayformDlg::getPrinters(QTreeWidget* list) const
{
    const TPrintoutList* printouts = printoutsOf(list);
    return printouts ? printouts->stored() : QString();
}

void TPayformDlg::insertPrinters(QTreeWidget* list, const QString& stored)
{
    if (TPrintoutList* printouts = printoutsOf(list))
        printouts->show(stored);
}

void TPayformDlg::insertPrinter(QTreeWidget* list, int printer, int layout, QTreeWidgetItem* row)
{
    if (TPrintoutList* printouts = printoutsOf(list)) {
        printouts->insert(printer, layout, row);
        printouts->updateButtons();
    }
}

void TPayformDlg::onPrnDel(QTreeWidget* list)
{
    if (TPrintoutList* printouts = printoutsOf(list))
        printouts->remove();
}

void TPayformDlg::onPrnAdd()
{
    m_bills->add();
}

void TPayformDlg::onPrnEdit()
{
    m_bills->edit(m_Printers->currentItem());
}

void TPayformDlg::onPrnEdit(QTreeWidgetItem* item)
{
    m_bills->edit(item);
}

void TPayformDlg::onPrnDel()
{
    m_bills->remove();
}

void TPayformDlg::onPrnClear()
{
    m_bills->clear();
}

void TPayformDlg::onPrnChange()
{
    m_bills->updateButtons();
}

void TPayformDlg::onPrnChange(QTreeWidgetItem*)
{
    m_bills->updateButtons();
}

void TPayformDlg::onPPrnAdd()
{
    m_partBills->add();
}

void TPayformDlg::onPPrnEdit()
{
    m_partBills->edit(m_PPrinters->currentItem());
}

void TPayformDlg::onPPrnEdit(QTreeWidgetItem* item)
{
    m_partBills->edit(item);
}

void TPayformDlg::onPPrnDel()
{
    m_partBills->remove();
}

void TPayformDlg::onPPrnClear()
{
    m_partBills->clear();
}

void TPayformDlg::onPPrnChange()
{
    m_partBills->updateButtons();
}

void TPayformDlg::onPPrnChange(QTreeWidgetItem*)
{
    m_partBills->updateButtons();
}

void TPayformDlg::onRPrnAdd()
{
    m_restore->add();
}

void TPayformDlg::onRPrnEdit()
{
    m_restore->edit(m_RPrinters->currentItem());
}

void TPayformDlg::onRPrnEdit(QTreeWidgetItem* item)
{
    m_restore->edit(item);
}

void TPayformDlg::onRPrnDel()
{
    m_restore->remove();
}

void TPayformDlg::onRPrnClear()
{
    m_restore->clear();
}

void TPayformDlg::onRPrnChange()
{
    m_restore->updateButtons();
}

void TPayformDlg::onRPrnChange(QTreeWidgetItem*)
{
    m_restore->updateButtons();
}
