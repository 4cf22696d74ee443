#include "ttablecfgdlg.h"

#include "tcostcenter.h"
#include "tcostcenterdlg.h"
#include "tcurrency.h"
#include "tcurrencydlg.h"
#include "tdevicelist.h"
#include "tlumworkspace.h"
#include "tmenucard.h"
#include "tmenucarddlg.h"
#include "tpayform.h"
#include "tpayformdlg.h"
#include "tpricelevel.h"
#include "tpriceleveldlg.h"

#include <QMetaMethod>

using PosLib::TTableCfg;

TTableCfgDlgBase::TTableCfgDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : TEditorLayout(parent, name, modal, fl)
{
    connect(a_Center, &QPushButton::clicked, this, &TTableCfgDlgBase::onNewCenter);
    connect(a_Currency, &QPushButton::clicked, this, &TTableCfgDlgBase::onNewCurrency);
    connect(a_Level, &QPushButton::clicked, this, &TTableCfgDlgBase::onNewLevel);
    connect(a_Payform, &QPushButton::clicked, this, &TTableCfgDlgBase::onNewPayform);
    connect(a_MenuCard, &QPushButton::clicked, this, &TTableCfgDlgBase::onNewMenuCard);
}

// "doaskguests": 1 asks the guest count ("Ask Guest count" on the Payment page), 2 asks it for the
// first order ("Ask for guest count for 1st order" on the Order page). Each box sets or clears its
// own value; the one that is checked disables the other.
class TTableCfgDlg::TAskGuestsField : public LumDialogs::TField<TTableCfg> {
public:
    TAskGuestsField(QCheckBox* count, QCheckBox* firstOrder)
        : TField({})
        , m_count(count)
        , m_firstOrder(firstOrder)
    {
    }
    bool differs(const TTableCfg& a, const TTableCfg& b) const override
    {
        return a.getAskGuests() != b.getAskGuests();
    }
    void show(TLumDlg& host, const TTableCfg& record, bool differs) override
    {
        host.checkBox(m_count, differs, record.getAskGuests() == TTableCfg::AskGuestCount);
        host.checkBox(m_firstOrder, differs, record.getAskGuests() == TTableCfg::AskGuestsFirstOrder);
    }
    void store(TTableCfg& record) const override
    {
        storeBox(record, m_count, TTableCfg::AskGuestCount);
        storeBox(record, m_firstOrder, TTableCfg::AskGuestsFirstOrder);
    }
    QVariant state() const override
    {
        return int(m_count->checkState()) * 3 + int(m_firstOrder->checkState());
    }
    QList<QWidget*> widgets() const override { return {m_count, m_firstOrder}; }

private:
    static void storeBox(TTableCfg& record, QCheckBox* box, int value)
    {
        if (!box->isEnabled() || TLumDlg::checkEmpty(box))
            return;
        if (box->isChecked())
            record.setAskGuests(value);
        else if (record.getAskGuests() == value)
            record.setAskGuests(TTableCfg::DontAskGuests);
    }

    QCheckBox* m_count;
    QCheckBox* m_firstOrder;
};

TTableCfgDlg::TTableCfgDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TTableCfgDlg")
{
}

void TTableCfgDlg::initData()
{
    using LumDialogs::TFieldOptions;
    const TFieldOptions fromFirst{.shownFromFirst = true};
    const QString notSpecified = tr("Not specified");
    m_center = &chooser(m_Center, 3, QString());
    m_currency = &chooser(m_Currency, 3, QString());
    m_level = &chooser(m_Level, 3, QString());
    m_payform = &chooser(m_Payform, 3, QString());
    m_menuCard = &chooser(m_MenuCard, 3, QString());
    fillCenters();
    fillCurrencies();
    fillLevels();
    fillPayforms();
    fillCards();
    const QString forbid = tr("No, forbid payment");
    const QLatin1String articles = PosLib::Lists::articles;

    fields()
        .keyText(m_Name, "name")
        .keyText(m_Extern, "extern")
        .keyText(m_Descr, "descr")
        .keyNumber(*m_center, "center")
        .keyNumber(chooser(m_Waiter, 3, PosLib::Lists::waiters, notSpecified), "waiter")
        .keyNumber(*m_currency, "currency")
        .keyNumber(chooser(m_Subvent, 3, PosLib::Lists::subventions, tr("None specified")), "subvention")
        .keyNumber(*m_menuCard, "menucard")
        .keyNumber(*m_payform, "payform")
        .keyNumber(*m_level, "level")
        .keyNumber(m_Vat, "vat")
        .flag(m_Bill, "dobill")
        .flag(m_Drawer, "dodrawer")
        .flag(m_DrawerConstr, "dodrawerconstr")
        .flag(m_Changer, "dochanger")
        .flag(m_AskTip, "doasktip")
        .flag(m_AlwaysPrintout, "alwaysprintout")
        .flag(m_AskGiven, "doaskgiven")
        .flag(m_CanDiscounts, "dodiscount")
        .add(std::make_unique<TAskGuestsField>(m_Guests, m_AskOGuests))
        .flag(m_GuestAddr, "doaskguestaddr")
        .flag(m_RequestDatabase, "dorequestdatabase")
        .flag(m_AskClient, "doaskclient")
        .keyNumber(m_AskSeat, "doaskseat")
        .flag(m_ComprTable, "docomprtable")
        .flag(m_AsOrdered, "doasordered")
        .keyNumber(chooser(m_CreateArt, 5, articles, tr("None"), true), "createart")
        .keyNumber(chooser(m_MinOrder, 5, articles, forbid, true), "ordermin")
        .keyNumber(chooser(m_MaxOrder, 5, articles, forbid, true), "ordermax", fromFirst)
        .keyText(m_Ordercard, "ordercard")
        .keyAmount(m_MinAmount, "limitmin", window())
        .flag(m_MinAmGuest, "limitminguest")
        .keyAmount(m_MaxAmount, "limitmax", window())
        .keyAmount(m_MinGuestAddr, "minamguestaddr", window())
        .keyNumber(m_ReservationNumberBox, "hotelreservation", fromFirst)
        .keyNumber(EventNumberBox, "eventno", fromFirst);

    for (QCheckBox* box : {m_Guests, m_AskOGuests, m_GuestAddr})
        connect(box, &QCheckBox::stateChanged, this, &TTableCfgDlg::applyWidgetRules);
    applyWidgetRules();
    listenToCardReaders();
}

void TTableCfgDlg::showRecord(const TTableCfg& reference)
{
    TEditorDialog::showRecord(reference);
    applyWidgetRules();
}

void TTableCfgDlg::applyWidgetRules()
{
    m_Guests->setEnabled(m_AskOGuests->checkState() != Qt::Checked);
    m_AskOGuests->setEnabled(m_Guests->checkState() != Qt::Checked);
    // On: checked, or the no-change state of several records.
    const bool addressAsked = m_GuestAddr->checkState() != Qt::Unchecked;
    m_RequestDatabase->setEnabled(addressAsked);
    m_MinGuestAddr->setEnabled(addressAsked);
}

void TTableCfgDlg::listenToCardReaders()
{
    // The devices are the host's, of whatever class: every one that reports read cards is heard.
    const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("onReader(QString)"));
    for (Devices::TDevice* device : TLumWorkspace::ReaderDeviceList) {
        if (!device)
            continue;
        const int signal = device->metaObject()->indexOfSignal("dataChanged(QString)");
        if (signal >= 0)
            connect(device, device->metaObject()->method(signal), this, slot);
    }
}

void TTableCfgDlg::onReader(const QString& text)
{
    if (text.isEmpty() || !m_Ordercard->isEnabled())
        return;
    m_Ordercard->setText(text);
}

bool TTableCfgDlg::fillWithButton(QtWidgets::TComboBox& chooser, const QString& list, QPushButton* button)
{
    const bool exists = fillChooser(chooser, list, tr("Not specified"));
    button->setVisible(exists);
    return exists;
}

bool TTableCfgDlg::fillCenters()
{
    return fillWithButton(*m_center, PosLib::TListNames::of<PosLib::TCostCenter>().root, a_Center);
}

bool TTableCfgDlg::fillCurrencies()
{
    return fillWithButton(*m_currency, PosLib::TListNames::of<PosLib::TCurrency>().root, a_Currency);
}

bool TTableCfgDlg::fillPayforms()
{
    return fillWithButton(*m_payform, PosLib::TListNames::of<PosLib::TPayform>().root, a_Payform);
}

bool TTableCfgDlg::fillCards()
{
    return fillWithButton(*m_menuCard, PosLib::TListNames::of<PosLib::TMenuCard>().root, a_MenuCard);
}

bool TTableCfgDlg::fillLevels()
{
    // A level shows its window of the day: "Happy hour ( 17:00-19:00 )".
    m_level->clear();
    m_level->insertItem(0, tr("Not specified"));
    const Basics::TValueList* levels = workspaceList(PosLib::TListNames::of<PosLib::TPricelevel>().root);
    a_Level->setVisible(levels != nullptr);
    if (!levels)
        return false;
    for (const Basics::TValue* value : *levels) {
        const int start = value->getInt("start", 0);
        const int end = value->getInt("end", 0);
        m_level->insertItem(value->getID(),
                            value->getName() + QStringLiteral(" ( ") +
                                QString::asprintf("%02u:%02u-%02u:%02u", unsigned(start / 100),
                                                  unsigned(start % 100), unsigned(end / 100),
                                                  unsigned(end % 100)) +
                                QStringLiteral(" )"));
    }
    m_Level->setCurrentIndex(0);
    return true;
}

template <class Editor>
void TTableCfgDlg::createAndChoose(QtWidgets::TComboBox& chooser, bool (TTableCfgDlg::*refill)())
{
    const int id = createOnTheSpot<Editor>();
    if (id == 0)
        return;
    (this->*refill)();
    chooser.setCurrentId(id);
}

void TTableCfgDlg::onNewCenter()
{
    createAndChoose<TCostCenterDlg>(*m_center, &TTableCfgDlg::fillCenters);
}

void TTableCfgDlg::onNewCurrency()
{
    createAndChoose<TCurrencyDlg>(*m_currency, &TTableCfgDlg::fillCurrencies);
}

void TTableCfgDlg::onNewLevel()
{
    createAndChoose<TPriceLevelDlg>(*m_level, &TTableCfgDlg::fillLevels);
}

void TTableCfgDlg::onNewPayform()
{
    createAndChoose<TPayformDlg>(*m_payform, &TTableCfgDlg::fillPayforms);
}

void TTableCfgDlg::onNewMenuCard()
{
    createAndChoose<TMenuCardDlg>(*m_menuCard, &TTableCfgDlg::fillCards);
}
