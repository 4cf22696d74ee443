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
auto flagSet(const char* key)
{
    return [key](TPayform& p, bool on) { p.setFlag(key, on); };
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
auto textGet(const char* key)
{
    return [key](const TPayform& p) { return p.text(key); };
}
auto textSet(const char* key)
{
    return [key](TPayform& p, const QString& text) { p.setText(key, text); };
}
auto numberGet(const char* key)
{
    return [key](const TPayform& p) { return p.number(key); };
}
auto numberSet(const char* key)
{
    return [key](TPayform& p, int value) { p.setNumber(key, value); };
}
auto amountGet(const char* key)
{
    return [key](const TPayform& p) { return p.amount(key); };
}
auto amountSet(const char* key)
{
    return [key](TPayform& p, qint64 value) { p.setAmount(key, value); };
}

bool onOrNoChange(const QCheckBox* box)
{
    return box->checkState() != Qt::Unchecked;
}

} // namespace

TPayformDlg::TPayformDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TPayformDlg", QStringLiteral("payforms"), tr("Edit payform"),
                    tr("Edit payforms"))
{
    initData();
    onChange();
    onPrnChange();
    onPPrnChange();
    onRPrnChange();
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

    TEditorDialog::initData();

    TLumWorkspace* workspace = window() ? window()->workspace() : nullptr;
    const auto list = [workspace](const char* name) {
        return workspace ? workspace->getData(QString::fromLatin1(name)) : nullptr;
    };
    const auto chooser = [&](QComboBox* combo, int width, const QString& leading, const char* listName,
                             bool filter) {
        auto wrapper = std::make_unique<QtWidgets::TComboBox>(combo, width);
        if (!leading.isNull())
            wrapper->insertItem(0, leading);
        if (Basics::TValueList* records = list(listName))
            wrapper->fill(records);
        if (filter)
            wrapper->enableFilter();
        return wrapper;
    };
    m_subvent = chooser(m_Subvent, 3, tr("None specified"), "subventions", false);
    m_minOrder = chooser(m_MinOrder, 5, tr("No, forbid payment"), "articles", true);
    m_maxOrder = chooser(m_MaxOrder, 5, tr("No, forbid payment"), "articles", true);
    m_rndPlu = chooser(m_RndPlu, 5, QString(), "articles", true);
    m_noBonusDepartment = chooser(NoBonusDepartmentBox, 5, tr("None specified"), "departments", false);

    CreateCurrenciesList();

    m_bills = std::make_unique<TPrintoutList>(TPrintoutList::Bills, workspace, m_Printers, b_PrnAdd,
                                              b_PrnEdit, b_PrnDel, b_PrnClear);
    m_partBills = std::make_unique<TPrintoutList>(TPrintoutList::PartialBills, workspace, m_PPrinters,
                                                  b_PPrnAdd, b_PPrnEdit, b_PPrnDel, b_PPrnClear);
    m_restore = std::make_unique<TPrintoutList>(TPrintoutList::RestoreReceipts, workspace, m_RPrinters,
                                                b_RPrnAdd, b_RPrnEdit, b_RPrnDel, b_RPrnClear);
    if (!list("prnconfigs")) {
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
}

void TPayformDlg::declareFields()
{
    const auto amountFormat = [this](qint64 amount) {
        return amount ? LumDialogs::amountText(window(), amount) : QString();
    };
    const auto amountParse = [this](const QString& text) { return LumDialogs::amountOf(window(), text); };
    const auto amount = [&](QLineEdit* edit, const char* key) {
        fields().line<qint64>(edit, amountGet(key), amountSet(key), amountFormat, amountParse);
    };
    const auto flag = [&](QCheckBox* box, const char* key) {
        fields().check(box, flagGet(key), flagSet(key));
    };
    const auto text = [&](QLineEdit* edit, const char* key) {
        fields().text(edit, textGet(key), textSet(key));
    };

    // General page.
    text(m_Name, "name");
    text(m_Short, "shortname");
    text(m_Button, "button");
    text(m_Account, "account");
    text(m_BillCounter, "billcntr");
    fields().spin(m_Prio, numberGet("prio"), numberSet("prio"));
    fields().spin(VoucherMPENoBox, numberGet("mpeno"), numberSet("mpeno")).shownFromFirst();
    fields().combo(*m_subvent, numberGet("subvention"), numberSet("subvention"));
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
    flag(NoAddTipBox, "noaddtip");
    fields().shownFromFirst();
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
    fields().combo(*m_minOrder, numberGet("ordermin"), numberSet("ordermin"));
    fields().combo(*m_maxOrder, numberGet("ordermax"), numberSet("ordermax")).shownFromFirst();
    fields().radio(m_Vat, numberGet("vat"), numberSet("vat"));
    flag(m_Drawer, "dodrawer");
    flag(m_DrawerConstr, "dodrawerconstr");
    flag(m_DrawerZero, "dontdrawerzero");
    fields().shownFromFirst();
    flag(m_Changer, "dochanger");
    flag(m_Guests, "doaskguests");
    flag(m_AskTip, "doasktip");
    flag(m_AskGiven, "doaskgiven");
    flag(m_AskSignature, "signaturerequest");
    flag(m_NoOverPay, "nooverpay");
    flag(m_ReturnCurr, "retcurr");
    flag(m_PayCurr, "paycurr");
    flag(m_GivenMultiplier, "givenmultiplier");
    fields().shownFromFirst();
    flag(m_GuestAddr, "doaskguestaddr");
    flag(m_RequestDatabase, "dorequestdatabase");
    amount(m_MinGuestAddr, "minamguestaddr");

    // External page: the boxes without a no-change state are written as shown.
    fields().group(m_Hotel, flagGet("ishotel"), flagOrRemoveSet("ishotel"));
    fields()
        .check(m_SelectHotelBox, flagGet("ishotelselectable"), flagOrRemoveSet("ishotelselectable"))
        .shownFromFirst();
    fields()
        .check(m_IgnoreHotelLimitBox, flagGet("ignoreclientlimit"), flagOrRemoveSet("ignoreclientlimit"))
        .shownFromFirst();
    fields()
        .spin(m_SelectedHotel, &TPayform::getHotelType, [](TPayform& p, int hotel) { p.setHotelType(hotel); })
        .shownFromFirst();
    fields().group(m_Clients, flagGet("isclients"), flagOrRemoveSet("isclients"));
    fields()
        .spin(m_DefaultClientGroup, numberGet("defaultclientgroup"), numberSet("defaultclientgroup"))
        .shownFromFirst();
    fields()
        .check(m_ClientscreenMode, flagGet("clientscreendependency"),
               flagOrRemoveSet("clientscreendependency"))
        .shownFromFirst();
    text(m_Extern, "extern");
    amount(m_warnlimit, "notifylimitvalue");
    text(m_warntext, "notifylimitmessage");
    fields().group(ELPayBox, flagGet("iselpay"), flagOrRemoveSet("iselpay"));
    fields().check(ELPayPinPadBox, flagGet("pinpad"), flagOrRemoveSet("pinpad")).shownFromFirst();
    fields().group(ExternAccountsBox, flagGet("extaccass"), flagOrRemoveSet("extaccass"));
    for (const auto& [edit, key] : {std::pair{ExtPosAccountField, "extposacc"},
                                    {ExtNegAccountField, "extnegacc"},
                                    {ExtPosDiffAccountField, "extposdiffacc"},
                                    {ExtNegDiffAccountField, "extnegdiffacc"}}) {
        text(edit, key);
        fields().shownFromFirst().writingEmpty();
    }
    flag(MafisBox, "mafis");

    // Bonus page.
    flag(m_payWithPoints, "allowpoints");
    flag(m_askForBonusCard, "askpointscard");
    fields().group(PointsBox, flagGet("pointsenabledbypayment"), flagOrRemoveSet("pointsenabledbypayment"));
    fields().spin(PointsSpinbox, numberGet("pointsperamount"), numberSet("pointsperamount")).shownFromFirst();
    for (const auto& [edit, key] : {std::pair{PriceField, "pointsamount"},
                                    {MinPriceField, "pointsminamount"},
                                    {MaxPriceField, "pointmaxmaount"}}) {
        amount(edit, key);
        fields().shownFromFirst();
    }
    fields()
        .check(IgnoreCreditsBox, flagGet("ignorepointsforcredit"), flagOrRemoveSet("ignorepointsforcredit"))
        .shownFromFirst();
    fields().combo(*m_noBonusDepartment, numberGet("nobonusdep"), numberSet("nobonusdep"));
}

void TPayformDlg::setID(TLumListView* view)
{
    TEditorDialog::setID(view);
    updateClientscreenText();
}

void TPayformDlg::showRecord(const TPayform& reference)
{
    TEditorDialog::showRecord(reference);
    const bool single = !multi;

    // What is written for a single record only cannot be changed for several together.
    for (TPrintoutList* printouts : {m_bills.get(), m_partBills.get(), m_restore.get()})
        printouts->setEditable(single);
    tabKost->setEnabled(single);
    grpRoundings->setEnabled(single);
    grpRndTypeBox->setEnabled(single);
    if (single) {
        if (tabWidget->isTabEnabled(tabWidget->indexOf(RestoreTabPage)))
            m_restore->show(reference.text("Rprinters"));
        if (tabWidget->isTabEnabled(tabWidget->indexOf(tabBills))) {
            m_bills->show(reference.text("printers"));
            m_partBills->show(reference.text("Pprinters"));
        }
        if (m_kostPage) {
            const QString code = reference.text("kostsummary").left(1);
            for (int i = 0; i < m_KostForm->count() && !code.isEmpty(); ++i) {
                if (m_KostForm->itemText(i).startsWith(code)) {
                    m_KostForm->setCurrentIndex(i);
                    break;
                }
            }
        }
        checkRadio(grpRndType, false, reference.getRndType());
        onRndType(reference.getRndType());
        m_RndVal->setValue(std::max(reference.number("rndval"), m_RndVal->minimum()));
        m_rndPlu->setCurrentId(reference.number("rndplu"));
        m_Warning->setChecked(reference.flag("notifylimit"));
    }
    applyWidgetRules();
    TPayform shown = reference;
    SetCurrenciesListItems(&shown);
}

void TPayformDlg::getData(TPayform* payform)
{
    TEditorDialog::getData(payform);
    if (!multi) {
        if (tabWidget->isTabEnabled(tabWidget->indexOf(tabBills))) {
            payform->setPrintouts("printers", m_bills->printouts());
            payform->setPrintouts("Pprinters", m_partBills->printouts());
        }
        if (tabWidget->isTabEnabled(tabWidget->indexOf(RestoreTabPage)))
            payform->setPrintouts("Rprinters", m_restore->printouts());
        if (m_kostPage)
            payform->setText("kostsummary", m_KostForm->currentText().left(1));
        if (!radioEmpty(grpRndType))
            payform->setNumber("rndtype", grpRndType->checkedId());
        // A disabled rounding value or order article does not apply to the rounding type chosen.
        if (m_RndVal->isEnabled())
            payform->setNumber("rndval", m_RndVal->value());
        else
            payform->remove("rndval");
        if (!m_RndPlu->isEnabled())
            payform->remove("rndplu");
        else if (!comboEmpty(*m_rndPlu))
            payform->setNumber("rndplu", m_rndPlu->currentId());
        payform->Basics::TValue::setFlag("notifylimit", m_Warning->isChecked());
    }
    GetCurrenciesListItems(payform);
}

void TPayformDlg::CreateCurrenciesList()
{
    CurrenciesListView->setSelectionMode(QAbstractItemView::NoSelection);
    CurrenciesListView->setHeaderHidden(true);
    CurrenciesListView->clear();
    const Basics::TValueList* currencies = window() && window()->workspace()
                                               ? window()->workspace()->getData(QStringLiteral("currencies"))
                                               : nullptr;
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
