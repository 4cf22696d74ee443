#include "ttaxgroupdlg.h"

#include "tvatrate.h"
#include "tvatratedlg.h"

#include <QStyle>

#include <cstdlib>

using PosLib::TTaxGroup;
using PosLib::TVatRate;

// The rows of VAT rates. They are written only while one record or a new one is edited: with
// several records selected the rows are shown (where the records agree) but cannot be changed.
class TTaxGroupDlg::TRatesField : public LumDialogs::TField<TTaxGroup> {
public:
    explicit TRatesField(TTaxGroupDlg* dialog)
        : TField({.oneRecordOnly = true})
        , m_dialog(dialog)
    {
    }

    bool differs(const TTaxGroup& a, const TTaxGroup& b) const override
    {
        return a.getRates() != b.getRates();
    }
    void show(TLumDlg&, const TTaxGroup& record, bool differs) override
    {
        m_dialog->showRates(differs ? QList<int>() : record.getRates());
    }
    void store(TTaxGroup& record) const override { record.setRates(m_dialog->rateIds()); }
    QVariant state() const override { return QVariant::fromValue(m_dialog->rateIds()); }
    QList<QWidget*> widgets() const override { return {m_dialog->groupRates}; }

private:
    TTaxGroupDlg* m_dialog;
};

namespace {

Basics::TValueList* vatRates(const TLumWindow* window)
{
    return window && window->workspace()
               ? window->workspace()->getData(PosLib::TListNames::of<TVatRate>().root)
               : nullptr;
}

const TVatRate* vatRate(const TLumWindow* window, int id)
{
    Basics::TValueList* rates = vatRates(window);
    return rates ? dynamic_cast<const TVatRate*>(rates->find(id)) : nullptr;
}

// A rate in the rows: "%3d.%02d" and "%" for a percentage, a fixed amount as it is written.
QString rowRateText(const TLumWindow* window, const TVatRate& rate)
{
    if (rate.isFixAmount())
        return TVatRateDlg::rateText(window, rate);
    const int value = rate.getRate();
    return QString::asprintf("%3d.%02d%%", value / 100, std::abs(value % 100));
}

} // namespace

TTaxGroupDlg::TTaxGroupDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TTaxGroupDlg")
{
}

TTaxGroupDlg::~TTaxGroupDlg() = default;

void TTaxGroupDlg::initData()
{
    b_RateUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    b_RateDn->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    m_Rates->setColumnWidth(0, 60);
    m_Rates->setColumnWidth(1, 90);
    m_rateChooser = std::make_unique<QtWidgets::TComboBox>(m_Rate, 3);
    fillRateChooser();
    fields().text(m_Name, &TTaxGroup::getName, &TTaxGroup::setName).add(std::make_unique<TRatesField>(this));
}

void TTaxGroupDlg::fillRateChooser()
{
    m_rateChooser->clear();
    Basics::TValueList* rates = vatRates(window());
    if (!rates)
        return;
    for (const Basics::TValue* value : *rates) {
        if (const auto* rate = dynamic_cast<const TVatRate*>(value)) {
            const QString text = TVatRateDlg::rateText(window(), *rate) +
                                 (rate->isFixAmount() ? QString() : QStringLiteral("%"));
            m_rateChooser->insertItem(rate->getID(), QStringLiteral("%1  %2").arg(text, rate->getName()));
        }
    }
    m_Rate->setCurrentIndex(m_Rate->count() > 0 ? 0 : -1);
}

void TTaxGroupDlg::showRates(const QList<int>& ids)
{
    m_Rates->clear();
    for (int id : ids)
        addRow(id);
}

QList<int> TTaxGroupDlg::rateIds() const
{
    QList<int> ids;
    for (int row = 0; row < m_Rates->topLevelItemCount(); ++row)
        ids << m_Rates->topLevelItem(row)->data(0, Qt::UserRole).toInt();
    return ids;
}

QTreeWidgetItem* TTaxGroupDlg::addRow(int id)
{
    auto* row = new QTreeWidgetItem(m_Rates);
    row->setData(0, Qt::UserRole, id);
    row->setText(0, QString::number(id));
    row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    if (const TVatRate* rate = vatRate(window(), id)) {
        row->setText(1, rowRateText(window(), *rate));
        row->setText(2, rate->getName());
    }
    return row;
}

void TTaxGroupDlg::onRateAdd()
{
    const int id = m_rateChooser->currentId();
    if (id <= 0)
        return;
    // A rate stands in a group once; adding it again only shows where it is.
    const int present = rateIds().indexOf(id);
    QTreeWidgetItem* row = present >= 0 ? m_Rates->topLevelItem(present) : addRow(id);
    m_Rates->setCurrentItem(row);
}

void TTaxGroupDlg::onRateDel()
{
    delete m_Rates->currentItem();
}

void TTaxGroupDlg::onRateUp()
{
    moveRow(-1);
}

void TTaxGroupDlg::onRateDn()
{
    moveRow(1);
}

void TTaxGroupDlg::moveRow(int by)
{
    QTreeWidgetItem* row = m_Rates->currentItem();
    if (!row)
        return;
    const int from = m_Rates->indexOfTopLevelItem(row);
    const int to = from + by;
    if (to < 0 || to >= m_Rates->topLevelItemCount())
        return;
    m_Rates->takeTopLevelItem(from);
    m_Rates->insertTopLevelItem(to, row);
    m_Rates->setCurrentItem(row);
}

void TTaxGroupDlg::onNewRate()
{
    const int id = createOnTheSpot<TVatRateDlg>();
    if (id == 0)
        return;
    fillRateChooser();
    m_rateChooser->setCurrentId(id);
}
