#include "tnetcarddlg.h"

#include "tcardactioncolumns.h"
#include "tcardlist.h"
#include "tcardmapping.h"
#include "tcardproperties.h"
#include "tcombobox.h"
#include "teditorframe.h"
#include "terror.h"
#include "tformatcarddlg.h"
#include "tformatlogindlg.h"
#include "tlistnames.h"
#include "tlumconfig.h"
#include "tlumlistview.h"
#include "tlumwindow.h"
#include "tnetcardaction.h"
#include "tnetcardactions.h"
#include "tnetclient.h"
#include "tnetclientselectdlg.h"
#include "tnetreader.h"
#include "tprompts.h"
#include "tpseudoproperty.h"
#include "treadererror.h"
#include "tvaluelist.h"

#include <QDoubleValidator>
#include <QHeaderView>

namespace {

// Waiters above this id may not be written to a card.
constexpr int highestWaiterId = 32000;
// Dates before this one are not accepted on a card.
const QDateTime earliestCardDate(QDate(2010, 1, 1), QTime(0, 0));

} // namespace

TNetCardDlgBase::TNetCardDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setupUi(this);
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("TNetCardDlgBase"));
    setModal(modal);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(buttonOk, &QPushButton::clicked, this, &TNetCardDlgBase::onWritecard);
    connect(b_Help, &QPushButton::clicked, this, &TNetCardDlgBase::onHelp);
    connect(b_First, &QPushButton::clicked, this, &TNetCardDlgBase::onFirst);
    connect(b_Prev, &QPushButton::clicked, this, &TNetCardDlgBase::onPrev);
    connect(b_Next, &QPushButton::clicked, this, &TNetCardDlgBase::onNext);
    connect(b_Last, &QPushButton::clicked, this, &TNetCardDlgBase::onLast);
    connect(buttonFormat, &QPushButton::clicked, this, &TNetCardDlgBase::onFormatCard);
    connect(m_uid, &QLineEdit::textChanged, this, &TNetCardDlgBase::onChange);
    connect(m_chkCredit, &QGroupBox::toggled, this, &TNetCardDlgBase::onToggleCredit);
    connect(m_chkTable, &QGroupBox::toggled, this, &TNetCardDlgBase::onToggleTable);
    connect(m_chkWaiter, &QGroupBox::toggled, this, &TNetCardDlgBase::onToggleWaiter);
    connect(m_chkPoints, &QGroupBox::toggled, this, &TNetCardDlgBase::onTogglePoints);
    connect(m_Tab, &QTabWidget::currentChanged, this,
            [this](int index) { onTabChanged(m_Tab->widget(index)); });
    connect(buttonPrint, &QPushButton::clicked, this, &TNetCardDlgBase::onPrintAction);
    connect(m_chkreadentries, &QCheckBox::toggled, this, &TNetCardDlgBase::onrefreshaction);
    connect(m_actioncount, &QSpinBox::valueChanged, this, &TNetCardDlgBase::onrefreshaction);
    connect(buttonExport, &QPushButton::clicked, this, &TNetCardDlgBase::onExportAction);
    connect(buttonDeleteAction, &QPushButton::clicked, this, &TNetCardDlgBase::onDeleteCardAction);
    connect(buttonExportActions, &QPushButton::clicked, this, &TNetCardDlgBase::onExportCardActions);
    connect(buttonPrintActions, &QPushButton::clicked, this, &TNetCardDlgBase::onPrintCardActions);
    connect(m_ActionsList, &QTreeWidget::itemSelectionChanged, this, &TNetCardDlgBase::onActionSelect);
    connect(m_chkbooked, &QCheckBox::toggled, this, &TNetCardDlgBase::onToggleBooked);
    // A double click or Return on a row.
    connect(m_ActionsList, &QTreeWidget::itemActivated, this, &TNetCardDlgBase::onChangeAction);
    connect(buttonSelect, &QPushButton::clicked, this, &TNetCardDlgBase::onClientSelect);
}

void TNetCardDlgBase::notImplemented(const char* slot) const
{
    LumDialogs::notImplemented(QByteArray("TNetCardDlgBase::").append(slot).constData());
}

// clang-format off
void TNetCardDlgBase::onWritecard() { notImplemented("onWritecard()"); }
void TNetCardDlgBase::onHelp() { notImplemented("onHelp()"); }
void TNetCardDlgBase::onFirst() { notImplemented("onFirst()"); }
void TNetCardDlgBase::onPrev() { notImplemented("onPrev()"); }
void TNetCardDlgBase::onNext() { notImplemented("onNext()"); }
void TNetCardDlgBase::onLast() { notImplemented("onLast()"); }
void TNetCardDlgBase::onFormatCard() { notImplemented("onFormatCard()"); }
void TNetCardDlgBase::onChange() { notImplemented("onChange()"); }
void TNetCardDlgBase::onToggleCredit(bool) { notImplemented("onToggleCredit(bool)"); }
void TNetCardDlgBase::onToggleTable(bool) { notImplemented("onToggleTable(bool)"); }
void TNetCardDlgBase::onToggleWaiter(bool) { notImplemented("onToggleWaiter(bool)"); }
void TNetCardDlgBase::onTogglePoints(bool) { notImplemented("onTogglePoints(bool)"); }
void TNetCardDlgBase::onTabChanged(QWidget*) { notImplemented("onTabChanged(QWidget*)"); }
void TNetCardDlgBase::onPrintAction() { notImplemented("onPrintAction()"); }
void TNetCardDlgBase::onrefreshaction() { notImplemented("onrefreshaction()"); }
void TNetCardDlgBase::onExportAction() { notImplemented("onExportAction()"); }
void TNetCardDlgBase::onDeleteCardAction() { notImplemented("onDeleteCardAction()"); }
void TNetCardDlgBase::onExportCardActions() { notImplemented("onExportCardActions()"); }
void TNetCardDlgBase::onPrintCardActions() { notImplemented("onPrintCardActions()"); }
void TNetCardDlgBase::onActionSelect() { notImplemented("onActionSelect()"); }
void TNetCardDlgBase::onToggleBooked(bool) { notImplemented("onToggleBooked(bool)"); }
void TNetCardDlgBase::onChangeAction(QTreeWidgetItem*) { notImplemented("onChangeAction(QTreeWidgetItem*)"); }
void TNetCardDlgBase::onClientSelect() { notImplemented("onClientSelect()"); }
// clang-format on

TNetCardDlg::TNetCardDlg(TLumWindow* window, QWidget* parent)
    : TNetCardDlgBase(parent, "TNetCardDlg", true)
    , m_window(window)
    , m_subventMaps(std::make_unique<QtWidgets::TComboBox>(SubventMappingBox, 4))
    , m_priceLevels(std::make_unique<QtWidgets::TComboBox>(m_pricemodel, 4))
    , m_waiters(std::make_unique<QtWidgets::TComboBox>(m_waiter, 5))
{
    if (m_window)
        m_reloadHold = std::make_unique<TLumWorkspace::ReloadHold>(m_window->workspace());
    // Rights, navigation keys and help as every editor has them.
    LumDialogs::initEditor(this, m_window, {m_Number, buttonOk, b_Help, b_First, b_Prev, b_Next, b_Last});
    buttonDeleteAction->setShortcut(QKeySequence(Qt::Key_Delete));
    for (QLineEdit* amount : {m_givensubvent, m_current, m_min, m_max}) {
        auto* validator = new QDoubleValidator(-999999, 999999, 5, amount);
        validator->setNotation(QDoubleValidator::StandardNotation);
        amount->setValidator(validator);
    }
    for (QDateTimeEdit* date : {m_validfrom, m_validto, m_lastsubvent})
        date->setMinimumDateTime(earliestCardDate);
    m_actioncount->setKeyboardTracking(false);
    createHeader(m_ActionList);
    createActionHeader(m_ActionsList);

    m_reader.claim(this, [this](const QString& uid) { onReader(uid); });
    showReaderStatus();

    fillChooser(*m_waiters, PosLib::Lists::waiters, true);
    fillChooser(*m_subventMaps, QStringLiteral("subventmaps"), false);
    fillChooser(*m_priceLevels, QStringLiteral("pricelevels"), false);
    connect(m_waiter, &QComboBox::activated, this, &TNetCardDlg::CheckWaiterId);

    Basics::TValueList* actions =
        m_window ? m_window->workspace()->getData(PosLib::TListNames::of<PosLib::TNetCardAction>().root)
                 : nullptr;
    if (!actions) {
        m_ownActions = std::make_unique<PosLib::TNetCardActions>();
        actions = m_ownActions.get();
    }
    m_actions = actions;
    connect(m_actions, &Basics::TValueList::inserted, this, &TNetCardDlg::onInsertAction);
    connect(m_actions, &Basics::TValueList::changed, this, &TNetCardDlg::onUpdateAction);
    connect(m_actions, &Basics::TValueList::removed, this, &TNetCardDlg::onRemoveAction);

    buttonPrint->setEnabled(false);
    buttonPrintActions->setEnabled(false);
    onActionSelect();
    enableFormat();
    keepRight();
}

TNetCardDlg::~TNetCardDlg()
{
    // The rows point at records of the workspace's lists.
    m_ActionList->clear();
    m_ActionsList->clear();
}

QString TNetCardDlg::listName() const
{
    return PosLib::TListNames::of<PosLib::TPseudoProperty>().root;
}

LumDialogs::TEditContext TNetCardDlg::editContext() const
{
    return m_context;
}

int TNetCardDlg::getID() const
{
    return m_Number->value();
}

void TNetCardDlg::fillChooser(QtWidgets::TComboBox& chooser, const QString& list, bool markInvalidWaiters)
{
    chooser.clear();
    chooser.insertItem(0, tr("not specified"));
    const Basics::TValueList* records = m_window ? m_window->workspace()->getData(list) : nullptr;
    if (!records)
        return;
    for (const Basics::TValue* record : *records) {
        QString name = record->getName();
        if (markInvalidWaiters && record->getID() > highestWaiterId)
            name += tr(" ( NOT VALID )");
        chooser.insertItem(record->getID(), name);
    }
    chooser.combo()->setCurrentIndex(0);
}

void TNetCardDlg::keepRight()
{
    TLumConfig::reapplyRight(this);
}

void TNetCardDlg::showReaderStatus()
{
    m_Statustext->setText(m_reader.errorText());
}

void TNetCardDlg::enableFormat()
{
    const bool anyFunction = m_chkCredit->isChecked() || m_chkTable->isChecked() ||
                             m_chkWaiter->isChecked() || m_chkPoints->isChecked();
    buttonFormat->setEnabled(m_reader.isClaimed() && anyFunction);
}

PosLib::TPseudoProperty* TNetCardDlg::listRecord(const QString& uid) const
{
    Basics::TValueList* cards =
        m_window && !uid.isEmpty() ? m_window->workspace()->getData(listName()) : nullptr;
    if (!cards || !TLumWorkspace::Cardmapping.contains(uid))
        return nullptr;
    return dynamic_cast<PosLib::TPseudoProperty*>(cards->find(TLumWorkspace::Cardmapping.getInt(uid)));
}

void TNetCardDlg::setData(TLumRecordRows* view)
{
    const QList<Basics::TValue*> selected = view ? view->selectedRecords() : QList<Basics::TValue*>();
    multi = selected.size() > 1;
    m_context = multi ? LumDialogs::TEditContext::SeveralRecords : LumDialogs::TEditContext::OneRecord;
    m_Number->setEnabled(false);
    showCard(selected.isEmpty() ? nullptr : dynamic_cast<const PosLib::TPseudoProperty*>(selected.first()));
    m_listView = view;
}

void TNetCardDlg::showCard(const PosLib::TPseudoProperty* record)
{
    const PosLib::TCardProperties card(record ? record->getCardData() : QString());
    if (!multi)
        m_Number->setValue(card.getID());
    spinBox(m_Mandant, false, int(card.getMandant()));
    inputText(m_uid, false, card.getUid());
    m_counter->setText(QString::number(card.getCounter()));
    m_version->setText(QString::number(card.getVersion()));
    inputText(m_current, false, LumDialogs::amountText(m_window, card.getCreditSaldo()));
    inputText(m_min, false, LumDialogs::amountText(m_window, card.getCreditMin()));
    inputText(m_max, false, LumDialogs::amountText(m_window, card.getCreditMax()));
    inputText(m_givensubvent, false, LumDialogs::amountText(m_window, card.getGivenSubvent()));
    spinBox(m_pcurrent1, false, int(card.getPointsSaldo()));
    spinBox(m_pmin1, false, int(card.getPointsMin()));
    spinBox(m_pmax1, false, int(card.getPointsMax()));
    spinBox(m_pcurrent2, false, int(card.getExtraPoints(QStringLiteral("extrapoints1"))));
    spinBox(m_pcurrent3, false, int(card.getExtraPoints(QStringLiteral("extrapoints2"))));
    spinBox(m_pcurrent4, false, int(card.getExtraPoints(QStringLiteral("extrapoints3"))));
    spinBox(m_pminG, false, int(card.getExtraPointsMin()));
    spinBox(m_pmaxG, false, int(card.getExtraPointsMax()));
    spinBox(m_clientnumber, false, int(card.getClientNumber()));
    spinBox(m_persontype, false, int(card.getPersonType()));
    spinBox(m_outlet, false, int(card.getOutlet()));
    spinBox(m_table, false, int(card.getTableNr()));
    spinBox(m_party, false, int(card.getPartyNr()));
    comboCurrent(*m_waiters, false, int(card.getWaiterNr()));
    comboCurrent(*m_subventMaps, false, int(card.getPriceFinding()));
    comboCurrent(*m_priceLevels, false, int(card.getPriceModel()));
    for (QtWidgets::TComboBox* chooser : {m_waiters.get(), m_subventMaps.get(), m_priceLevels.get()})
        LumDialogs::markMissingId(*chooser, chooser->currentId());
    inputDateTime(m_validfrom, false, card.getStartDate());
    inputDateTime(m_validto, false, card.getEndDate());
    inputDateTime(m_lastsubvent, false, card.getLastSubvent());
    inputDateTime(m_lastwrite, false, card.getLastProcess());
    inputDateTime(m_lastformat, false, card.getLastFormat());
    checkBox(m_chkLocked, false, card.isLocked());
    m_chkCredit->setChecked(card.canCredit());
    m_chkPoints->setChecked(card.canPoints());
    m_chkTable->setChecked(card.canTable());
    m_chkWaiter->setChecked(card.canWaiter());
    m_isDB->setText(card.isDatabaseCard() ? tr("yes") : tr("no"));
    m_databaseCard = card.isDatabaseCard();
    onChange();
    checkSelection(this);
}

void TNetCardDlg::setID(TLumRecordRows* view)
{
    m_context = LumDialogs::TEditContext::NewRecord;
    multi = false;
    setListID(m_Number, m_window ? m_window->workspace()->getData(listName()) : nullptr, view, false);
    LumDialogs::enableNavigation({m_Number, buttonOk, b_Help, b_First, b_Prev, b_Next, b_Last},
                                 view != nullptr);
    m_listView = view;
    onChange();
}

void TNetCardDlg::getData(PosLib::TCardProperties* card)
{
    if (!spinEmpty(m_clientnumber))
        card->setClientNumber((unsigned long)m_clientnumber->value());
    if (!spinEmpty(m_persontype))
        card->setPersonType((unsigned long)m_persontype->value());
    if (!spinEmpty(m_outlet))
        card->setOutlet((unsigned long)m_outlet->value());
    if (m_chkWaiter->isChecked() && !comboEmpty(*m_waiters))
        card->setWaiterNr((unsigned long)std::max(m_waiters->currentId(), 0));
    if (m_chkTable->isChecked()) {
        if (!spinEmpty(m_table))
            card->setTableNr((unsigned long)m_table->value());
        if (!spinEmpty(m_party))
            card->setPartyNr((unsigned long)m_party->value());
    }
    if (m_chkPoints->isChecked()) {
        getPoints(card);
    }
    if (m_chkCredit->isChecked()) {
        const auto amount = [this](QLineEdit* edit, void (PosLib::TCardProperties::*set)(long),
                                   PosLib::TCardProperties* c) {
            if (!inputEmpty(edit))
                (c->*set)(long(LumDialogs::amountOf(m_window, edit->text())));
        };
        amount(m_current, &PosLib::TCardProperties::setCreditSaldo, card);
        amount(m_min, &PosLib::TCardProperties::setCreditMin, card);
        amount(m_max, &PosLib::TCardProperties::setCreditMax, card);
        amount(m_givensubvent, &PosLib::TCardProperties::setGivenSubvent, card);
    }
    if (!dateTimeEmpty(m_validfrom))
        card->setStartDate(m_validfrom->dateTime());
    if (!dateTimeEmpty(m_validto))
        card->setEndDate(m_validto->dateTime());
    if (!dateTimeEmpty(m_lastsubvent))
        card->setLastSubvent(m_lastsubvent->dateTime());
    if (!comboEmpty(*m_priceLevels))
        card->setPriceModel((unsigned long)std::max(m_priceLevels->currentId(), 0));
    if (!comboEmpty(*m_subventMaps))
        card->setPriceFinding((unsigned long)std::max(m_subventMaps->currentId(), 0));
    if (!checkEmpty(m_chkLocked))
        card->setLocked(m_chkLocked->isChecked());
}

// The balances against the bounds stored so far, then the new bounds.
void TNetCardDlg::getPoints(PosLib::TCardProperties* card)
{
    card->setPoints(m_pcurrent1->value());
    card->setExtraPoints(QStringLiteral("extrapoints1"), m_pcurrent2->value());
    card->setExtraPoints(QStringLiteral("extrapoints2"), m_pcurrent3->value());
    card->setExtraPoints(QStringLiteral("extrapoints3"), m_pcurrent4->value());
    card->setPointsMin(m_pmin1->value());
    card->setPointsMax(m_pmax1->value());
    card->setExtraPointsMin(m_pminG->value());
    card->setExtraPointsMax(m_pmaxG->value());
}

void TNetCardDlg::getFormatData(PosLib::TCardProperties* card)
{
    card->setClientNumber((unsigned long)std::max(m_clientnumber->value(), 0));
    card->setPersonType((unsigned long)std::max(m_persontype->value(), 0));
    card->setOutlet((unsigned long)std::max(m_outlet->value(), 0));
    card->setWaiterNr((unsigned long)std::max(m_waiters->currentId(), 0));
    card->setTableNr((unsigned long)std::max(m_table->value(), 0));
    card->setPartyNr((unsigned long)std::max(m_party->value(), 0));
    getPoints(card);
    card->setCreditSaldo(long(LumDialogs::amountOf(m_window, m_current->text())));
    card->setCreditMin(long(LumDialogs::amountOf(m_window, m_min->text())));
    card->setCreditMax(long(LumDialogs::amountOf(m_window, m_max->text())));
    card->setGivenSubvent(long(LumDialogs::amountOf(m_window, m_givensubvent->text())));
    card->setStartDate(m_validfrom->dateTime());
    card->setEndDate(m_validto->dateTime());
    card->setLastSubvent(m_lastsubvent->dateTime());
    card->setPriceModel((unsigned long)std::max(m_priceLevels->currentId(), 0));
    card->setPriceFinding((unsigned long)std::max(m_subventMaps->currentId(), 0));
    card->setLocked(m_chkLocked->checkState() != Qt::Unchecked);
    card->setCanPoints(m_chkPoints->isChecked());
    card->setCanCredit(m_chkCredit->isChecked());
    card->setCanTable(m_chkTable->isChecked());
    card->setCanWaiter(m_chkWaiter->isChecked());
    card->setDatabaseCard(m_databaseCard);
    card->setCounter(0);
    card->setCardNumber((unsigned long)std::max(m_Number->value(), 0));
    card->setMandant((unsigned long)std::max(m_Mandant->value(), 0));
    card->setUid(m_uid->text());
    card->setVersion(m_version->text().toLong());
    card->setLastProcess(m_lastwrite->dateTime());
    card->setLastFormat(m_lastformat->dateTime());
    card->setEmpty(false);
}

void TNetCardDlg::onChange()
{
    const QString cardText = m_reader.isClaimed() ? m_reader.cardData() : QString();
    buttonOk->setEnabled(!cardText.isEmpty() && PosLib::TCardProperties(cardText).getUid() == m_uid->text());
    const bool card = !m_uid->text().isEmpty();
    for (int page = 0; page < m_Tab->count(); ++page) {
        if (m_Tab->widget(page) != TabCardproperties)
            m_Tab->setTabEnabled(page, card);
    }
    keepRight();
}

void TNetCardDlg::onToggleCredit(bool on)
{
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_current, m_min, m_max, m_givensubvent, textLabelCurrent,
                                         textLabelMin, textLabelMax, textLabelGivensubvent})
        widget->setEnabled(on);
    enableFormat();
    keepRight();
}

void TNetCardDlg::onToggleTable(bool on)
{
    for (QWidget* widget : std::initializer_list<QWidget*>{m_table, m_party, textLabelTable, textLabelParty})
        widget->setEnabled(on);
    enableFormat();
    keepRight();
}

void TNetCardDlg::onToggleWaiter(bool on)
{
    m_waiter->setEnabled(on);
    textLabelWaiter->setEnabled(on);
    enableFormat();
    keepRight();
}

void TNetCardDlg::onTogglePoints(bool on)
{
    for (QWidget* widget : std::initializer_list<QWidget*>{
             m_pcurrent1, m_pmin1, m_pmax1, m_pcurrent2, m_pcurrent3, m_pcurrent4, m_pminG, m_pmaxG,
             textLabelPcurrent1, textLabelPmin1, textLabelPmax1, textLabelPcurrent2, textLabelPcurrent3,
             textLabelPcurrent4, textLabelPminG, textLabelPmaxG})
        widget->setEnabled(on);
    enableFormat();
    keepRight();
}

void TNetCardDlg::CheckWaiterId(int index)
{
    if (QtWidgets::TComboBox::idOf(m_waiter->itemText(index)) <= highestWaiterId)
        return;
    prompts().information(this, tr("Info"), tr("Waiter is not allowed. Id to high!"));
    m_waiter->setCurrentIndex(0);
}

void TNetCardDlg::onWritecard()
{
    Devices::TNetReader* reader = m_reader.reader();
    if (!reader)
        return;
    const QString uid = m_uid->text();
    m_reader.cardData(); // the reader's state now, for the status
    PosLib::TPseudoProperty* record = listRecord(uid);
    PosLib::TCardProperties card(record ? record->getCardData() : QString());
    if (card.getUid().isEmpty()) {
        showReaderStatus();
        return;
    }
    const TReaderRelease released(m_reader);
    const bool functionsDiffer =
        m_chkCredit->isChecked() != card.canCredit() || m_chkPoints->isChecked() != card.canPoints() ||
        m_chkTable->isChecked() != card.canTable() || m_chkWaiter->isChecked() != card.canWaiter();
    if (functionsDiffer &&
        prompts().question(
            this, tr("Write card"),
            tr("Functions can't be changed by normal writing.\nContinue with original functions?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes)
        return;
    bool ok = false;
    const QString description =
        prompts().getText(this, tr("Write card"), tr("Please enter a description:"), QString(), &ok);
    if (!ok)
        return;
    if (m_window && m_window->isLoggedIn())
        reader->request().set("waiter", m_window->userId());
    reader->request().set("reason", QStringLiteral("officeWrite"));
    if (!description.isEmpty())
        reader->request().set("comment", description);
    getData(&card);
    reader->writeCard(card.toXml());
    const int code = m_reader.errorCode();
    showReaderStatus();
    if (code != 0) {
        prompts().critical(this, tr("Write card error"), Devices::readerErrorText(code));
        return;
    }
    // The card list takes the card as it is now (its process counter counted up), so that the next
    // write starts from it.
    try {
        TCardList::store(m_window ? m_window->workspace() : nullptr, uid, m_reader.cardData());
    } catch (const Basics::TError& error) {
        LumDialogs::reportStorageError(this, error.description());
    }
    showCard(listRecord(uid));
    prompts().information(this, tr("Success"), tr("Writing card was successful"));
}

void TNetCardDlg::onReader(const QString& uid)
{
    m_reader.post(uid);
}

void TNetCardDlg::customEvent(QEvent* event)
{
    m_reader.handle(event, [this](const QString& uid) { gotReaderData(uid); });
}

void TNetCardDlg::gotReaderData(const QString& uid)
{
    m_lastKey = uid;
    if (!uid.isEmpty()) {
        const QString cardText = m_reader.cardData();
        PosLib::TPseudoProperty* record = listRecord(uid);
        if (!cardText.isEmpty()) {
            // A card written or formatted since it was listed is listed anew.
            const PosLib::TCardProperties onReader(cardText);
            const PosLib::TCardProperties listed(record ? record->getCardData() : QString());
            if (!record || onReader.getLastProcess() != listed.getLastProcess()) {
                try {
                    record = TCardList::store(m_window ? m_window->workspace() : nullptr, uid, cardText);
                } catch (const Basics::TError& error) {
                    LumDialogs::reportStorageError(this, error.description());
                }
            }
        }
        if (record) {
            if (m_listView)
                m_listView->selectRecord(record);
            multi = false;
            m_context = LumDialogs::TEditContext::OneRecord;
            showCard(record);
        }
    }
    showReaderStatus();
    buttonOk->setEnabled(!uid.isEmpty() && uid == m_uid->text());
    keepRight();
    if (!uid.isEmpty())
        updateActionList();
}

void TNetCardDlg::onFormatCard()
{
    {
        const TReaderRelease released(m_reader);
        if (!m_login)
            m_login = std::make_unique<TFormatLoginDlg>(m_window, this);
        m_login->onlyLogin(false);
        m_login->setCardNumber();
        if (m_login->exec() == QDialog::Accepted) {
            PosLib::TCardProperties record;
            getFormatData(&record);
            TFormatCardDlg formatting(m_window, m_listView, this);
            formatting.setData(m_login->getUser(), m_login->getPassword(), m_login->getCount(),
                               m_login->getCardNumber(), &record, m_login->getTemplateId(),
                               m_login->cardisclient());
            formatting.exec();
            prompts().information(this, tr("Formatting result"),
                                  tr("%1 card(s) formatted.").arg(formatting.getCount()));
        }
    }
    onChange();
    showReaderStatus();
}

void TNetCardDlg::onClientSelect()
{
    const TReaderRelease released(m_reader);
    TNetClientSelectDlg picker(m_window, this);
    if (m_clientnumber->value() > 0)
        picker.setSearchId(m_clientnumber->value());
    if (picker.exec() == QDialog::Accepted && picker.getResultClient())
        m_clientnumber->setValue(picker.getResultClient()->getID());
}

void TNetCardDlg::navigate(bool (TLumDlg::*move)(TLumRecordRows*))
{
    if (!(this->*move)(m_listView))
        return;
    setData(m_listView);
    updateActionList();
}

void TNetCardDlg::onFirst()
{
    navigate(&TLumDlg::onFirst);
}

void TNetCardDlg::onPrev()
{
    navigate(&TLumDlg::onPrev);
}

void TNetCardDlg::onNext()
{
    navigate(&TLumDlg::onNext);
}

void TNetCardDlg::onLast()
{
    navigate(&TLumDlg::onLast);
}

void TNetCardDlg::onHelp()
{
    TLumDlg::onHelp(QString::fromLatin1(LumDialogs::helpFile), this);
}

void TNetCardDlg::accept()
{
    QDialog::accept();
}
