#include "tvatratedlg.h"

#include "tlistviewcheck.h"
#include "tprompts.h"

#include <QRegularExpressionValidator>

using PosLib::TVatRate;
using QtWidgets::TListViewCheck;

// The check list of the VAT rates a composite rate is made of. Where the selected records differ
// every item is shown cleared. A rate is never written as composed of itself.
class TVatRateDlg::TComposeField : public LumDialogs::TField<TVatRate> {
public:
    TComposeField(QTreeWidget* list, QWidget* page)
        : TField({.whileEnabled = page})
        , m_list(list)
    {
    }

    bool differs(const TVatRate& a, const TVatRate& b) const override
    {
        return a.getCompose() != b.getCompose();
    }
    void show(TLumDlg&, const TVatRate& record, bool differs) override
    {
        const QList<int> ids = differs ? QList<int>() : record.getCompose();
        for (TListViewCheck* item : items())
            item->setOn(ids.contains(idOf(item)));
    }
    void store(TVatRate& record) const override
    {
        QList<int> ids;
        for (int id : checked()) {
            if (id != record.getID())
                ids << id;
        }
        record.setCompose(ids);
    }
    QVariant state() const override { return QVariant::fromValue(checked()); }
    QList<QWidget*> widgets() const override { return {m_list}; }

    // Only other rates can be ticked; with several records selected none is locked.
    void lockOwnItem(int id)
    {
        for (TListViewCheck* item : items()) {
            const Qt::ItemFlags flags = item->flags();
            item->setFlags(idOf(item) == id ? flags & ~Qt::ItemIsEnabled : flags | Qt::ItemIsEnabled);
        }
    }

private:
    QList<TListViewCheck*> items() const
    {
        QList<TListViewCheck*> result;
        for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
            if (auto* item = dynamic_cast<TListViewCheck*>(m_list->topLevelItem(row)))
                result << item;
        }
        return result;
    }
    QList<int> checked() const
    {
        QList<int> ids;
        for (const TListViewCheck* item : items()) {
            if (item->isOn())
                ids << idOf(item);
        }
        return ids;
    }
    static int idOf(const QTreeWidgetItem* item) { return item->data(0, Qt::UserRole).toInt(); }

    QTreeWidget* m_list;
};

TVatRateDlg::TVatRateDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TVatRateDlg")
{
}

QString TVatRateDlg::rateText(const TLumWindow* window, const TVatRate& rate)
{
    return rate.isFixAmount() ? LumDialogs::amountText(window, rate.getRate())
                              : TVatRate::percentText(rate.getRate());
}

void TVatRateDlg::initData()
{
    const TLumConfig* config = window() ? window()->config() : nullptr;
    // The type of a rate counts only outside the home country; at home it is shown, not chosen.
    groupType->setEnabled(config && config->restOfWorld());
    const bool composite = config && config->doTaxComposite();
    const int composeTab = tabWidget->indexOf(tabCompose);
    tabWidget->setTabEnabled(composeTab, composite);
    tabWidget->setTabVisible(composeTab, composite);
    // A percentage: 0 to 100 with at most two decimals, a point or a comma before them.
    m_percent = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("100([.,]0{0,2})?|\\d{0,2}([.,]\\d{0,2})?")), this);
    applyType(m_Type->checkedId());
    connect(m_Rate, &QLineEdit::textChanged, this, &TVatRateDlg::onChange);
    fillCompose();

    auto compose = std::make_unique<TComposeField>(m_Compose, tabCompose);
    m_compose = compose.get();
    fields()
        .text(m_Name, &TVatRate::getName, &TVatRate::setName)
        .text(m_ShortName, &TVatRate::getShortName, &TVatRate::setShortName)
        .radio(m_Type, &TVatRate::getType, &TVatRate::setType, {.whileEnabled = groupType})
        .text(
            m_Rate, [this](const TVatRate& rate) { return rateText(window(), rate); },
            [this](TVatRate& rate, const QString& text) {
                rate.setRate(typeFor(rate) == TVatRate::FixAmount ? int(LumDialogs::amountOf(window(), text))
                                                                  : TVatRate::parsePercent(text));
            })
        .choice(RKSTaxRatesBox, &TVatRate::getRksTaxId, &TVatRate::setRksTaxId)
        .text(FisacalTaxSignField, &TVatRate::getFiscalTaxSign, &TVatRate::setFiscalTaxSign,
              {.writeEmpty = true})
        .check(m_DoDiscount, &TVatRate::getDoDiscount, &TVatRate::setDoDiscount, {.whileEnabled = tabGeneral})
        .check(m_IsGuestTA, &TVatRate::getIsGuestTA, &TVatRate::setIsGuestTA, {.whileEnabled = tabGeneral})
        .check(m_IsGuestIH, &TVatRate::getIsGuestIH, &TVatRate::setIsGuestIH, {.whileEnabled = tabGeneral})
        .add(std::move(compose));
}

void TVatRateDlg::fillCompose()
{
    m_Compose->clear();
    Basics::TValueList* rates = list();
    if (!rates)
        return;
    QTreeWidgetItem* after = nullptr;
    for (const Basics::TValue* value : *rates) {
        const auto* rate = dynamic_cast<const TVatRate*>(value);
        if (!rate)
            continue;
        auto* item = new TListViewCheck(m_Compose, after, QString::number(rate->getID()));
        item->setData(0, Qt::UserRole, rate->getID());
        item->setText(1, rateText(window(), *rate));
        item->setText(2, rate->getName());
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        after = item;
    }
    m_Compose->setColumnWidth(0, 70);
    m_Compose->setColumnWidth(1, 90);
}

bool TVatRateDlg::validate()
{
    if (!m_Name->text().contains(u','))
        return true;
    prompts().information(this, tr("Warning"), tr("Comma not allowed in name"));
    return false;
}

void TVatRateDlg::showRecord(const TVatRate& reference)
{
    TEditorDialog::showRecord(reference);
    m_compose->lockOwnItem(multi ? 0 : reference.getID());
    applyType(typeFor(reference));
}

void TVatRateDlg::onChange()
{
    TEditorDialog::onChange();
    // A percentage beyond what the rate field takes (typed as an amount before) is not accepted.
    if (!m_Rate->text().isEmpty() && !m_Rate->hasAcceptableInput())
        buttonOk->setEnabled(false);
}

void TVatRateDlg::onType(int type)
{
    applyType(type);
    onChange();
}

int TVatRateDlg::typeFor(const TVatRate& rate) const
{
    const int chosen = m_Type->checkedId();
    return chosen >= 0 ? chosen : rate.getType();
}

void TVatRateDlg::applyType(int type)
{
    m_Rate->setValidator(type == TVatRate::FixAmount ? nullptr : m_percent);
}
