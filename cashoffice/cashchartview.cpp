#include "cashchartview.h"

#include "cashjournal.h"
#include "terror.h"
#include "tlumworkspace.h"
#include "tsettings.h"

#include <QBarSet>
#include <QBoxLayout>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QLabel>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QTimer>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor surplusColour(0, 160, 0);
const QColor shortageColour(200, 0, 0);

// A new chart in the view in place of the one shown: a chart that had its axes taken away and
// new ones added kept drawing the old ones.
QChart* freshChart(QChartView* view, const QString& title)
{
    auto* chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setTitle(title);
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
    return chart;
}

QChartView* chartViewOf(const char* name)
{
    auto* view = new QChartView(new QChart);
    view->setObjectName(QLatin1String(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(320, 220);
    return view;
}

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y)
{
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

} // namespace

CashChartView::CashChartView(TLumWorkspace* workspace, QWidget* parent, Basics::TLog* log)
    : QWidget(parent)
    , m_workspace(workspace)
    , m_journal(std::make_unique<Database::CashJournal>(workspace, log))
    , m_location(new QComboBox)
    , m_period(new QComboBox)
    , m_charts(new QBoxLayout(QBoxLayout::LeftToRight))
    , m_countsView(chartViewOf("m_CountsChart"))
    , m_vaultView(chartViewOf("m_VaultChart"))
{
    setObjectName(QStringLiteral("CashChartView"));
    m_location->setObjectName(QStringLiteral("m_ChartLocation"));
    m_period->setObjectName(QStringLiteral("m_VaultPeriod"));
    m_location->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const int days : {30, 90, 365})
        m_period->addItem(tr("Last %n day(s)", nullptr, days), days);
    m_period->setCurrentIndex(0);

    auto* choices = new QHBoxLayout;
    auto* locationLabel = new QLabel(tr("Counts of:"));
    locationLabel->setBuddy(m_location);
    auto* periodLabel = new QLabel(tr("Vault:"));
    periodLabel->setBuddy(m_period);
    choices->addWidget(locationLabel);
    choices->addWidget(m_location);
    choices->addStretch(1);
    choices->addWidget(periodLabel);
    choices->addWidget(m_period);
    m_charts->addWidget(m_countsView, 1);
    m_charts->addWidget(m_vaultView, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(choices);
    layout->addLayout(m_charts, 1);

    connect(m_location, &QComboBox::currentIndexChanged, this,
            [this] { guarded(&CashChartView::showCounts); });
    connect(m_period, &QComboBox::currentIndexChanged, this, [this] { guarded(&CashChartView::showVault); });
}

CashChartView::~CashChartView() = default;

QChart* CashChartView::countsChart() const
{
    return m_countsView->chart();
}

QChart* CashChartView::vaultChart() const
{
    return m_vaultView->chart();
}

void CashChartView::setOrientation(Qt::Orientation orientation)
{
    m_charts->setDirection(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
}

void CashChartView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Read once the window is painted: the operator sees it while the database answers.
    if (!m_loaded) {
        m_loaded = true;
        QTimer::singleShot(0, this, &CashChartView::reload);
    }
}

void CashChartView::showFailure(const QString& title, const QString& reason)
{
    for (QChartView* view : {m_countsView, m_vaultView})
        freshChart(view, title)->setToolTip(reason);
}

void CashChartView::reload()
{
    m_loaded = true;
    const PosLib::TSetting* setting = m_workspace ? m_workspace->GetActiveSetting() : nullptr;
    m_sumOutlet = setting ? setting->getInt("cashoutlet", 0) : 0;
    if (m_sumOutlet == 0) {
        const QSignalBlocker quiet(m_location);
        m_location->clear();
        showFailure(tr("No CCD Outlet Id found."), QString());
        return;
    }
    if (guarded(&CashChartView::readLocations) && !m_journal->failed() && guarded(&CashChartView::showCounts))
        guarded(&CashChartView::showVault);
}

bool CashChartView::guarded(void (CashChartView::*step)())
{
    try {
        (this->*step)();
        return true;
    } catch (const Basics::TError& error) {
        showFailure(tr("The cash journal cannot be read."), error.description());
        return false;
    }
}

void CashChartView::readLocations()
{
    const QString chosen = m_location->currentText();
    const QSignalBlocker quiet(m_location);
    m_location->clear();
    const QStringList locations = m_journal->GetChartLocations(m_sumOutlet);
    if (m_journal->failed()) {
        showFailure(tr("The cash journal cannot be read."), m_journal->ErrorText());
        return;
    }
    m_location->addItems(locations);
    // The vault unless another was chosen before: it is counted most often.
    const qsizetype at =
        locations.contains(chosen) ? locations.indexOf(chosen) : locations.indexOf(Database::vaultLocation());
    m_location->setCurrentIndex(int(std::max<qsizetype>(at, 0)));
}

void CashChartView::showCounts()
{
    const QString location = m_location->currentText();
    if (location.isEmpty()) {
        freshChart(m_countsView, tr("No counts yet"));
        return;
    }
    const Database::CountSummaryList counts = m_journal->GetLastCounts(m_sumOutlet, location, countsShown);
    if (m_journal->failed()) {
        freshChart(m_countsView, tr("The cash journal cannot be read."))->setToolTip(m_journal->ErrorText());
        return;
    }
    if (counts.isEmpty()) {
        freshChart(m_countsView, tr("%1: no counts yet").arg(location));
        return;
    }
    QChart* chart =
        freshChart(m_countsView, tr("%1: the last %n count(s)", nullptr, int(counts.size())).arg(location));
    auto* target = new QLineSeries;
    target->setName(tr("Target"));
    target->setPen(QPen(Qt::darkGray, 2, Qt::DashLine));
    auto* counted = new QLineSeries;
    counted->setName(tr("Counted"));
    counted->setPen(QPen(QColor(30, 90, 180), 2));
    counted->setPointsVisible(true);
    auto* surplus = new QBarSet(tr("Over"));
    surplus->setColor(surplusColour);
    auto* shortage = new QBarSet(tr("Short"));
    shortage->setColor(shortageColour);
    QStringList labels;
    double amountMin = 0, amountMax = 0, differenceMax = 0;
    for (qsizetype i = 0; i < counts.size(); ++i) {
        const Database::CountSummary& count = counts[i];
        QString label = count.time.toString(QStringLiteral("dd.MM."));
        if (labels.contains(label)) // the axis needs each of its labels once
            label += QStringLiteral(" #%1").arg(count.ccdNumber);
        labels << label;
        target->append(double(i), count.target);
        counted->append(double(i), count.actual);
        *surplus << count.surplus;
        *shortage << count.shortage;
        amountMin = std::min({amountMin, count.target, count.actual});
        amountMax = std::max({amountMax, count.target, count.actual});
        differenceMax = std::max({differenceMax, count.surplus, -count.shortage});
    }
    auto* bars = new QStackedBarSeries;
    bars->append({surplus, shortage});
    bars->setBarWidth(0.6);

    // The date of every few counts: thirty of them do not fit below the bars.
    auto* x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    x->setRange(-0.5, double(counts.size()) - 0.5);
    x->setGridLineVisible(false);
    const qsizetype step = std::max<qsizetype>(1, counts.size() / 5);
    for (qsizetype i = (counts.size() - 1) % step; i < counts.size(); i += step)
        x->append(labels[i], double(i));
    // The differences on their own scale, centred on zero: a small shortage still shows.
    auto* difference = new QValueAxis;
    const double reach = differenceMax > 0 ? differenceMax * 1.1 : 1.0;
    difference->setRange(-reach, reach);
    difference->setTitleText(tr("Difference"));
    difference->setLabelFormat(QStringLiteral("%.2f"));
    auto* amount = new QValueAxis;
    amount->setRange(amountMin, amountMax > amountMin ? amountMax * 1.05 : amountMin + 1.0);
    amount->setTitleText(tr("Amount"));
    amount->setLabelFormat(QStringLiteral("%.0f"));
    amount->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(amount, Qt::AlignLeft);
    chart->addAxis(difference, Qt::AlignRight);
    attach(chart, bars, x, difference);
    // The target over the counted cash: where they meet, its dashes still show.
    attach(chart, counted, x, amount);
    attach(chart, target, x, amount);
}

void CashChartView::showVault()
{
    if (m_sumOutlet == 0)
        return;
    const int days = m_period->currentData().toInt();
    const QDate last = QDate::currentDate();
    const QDate first = last.addDays(1 - days);
    const Database::VaultBalanceList balances =
        m_journal->GetBalances(m_sumOutlet, Database::vaultLocation(), first, last);
    if (m_journal->failed()) {
        freshChart(m_vaultView, tr("The cash journal cannot be read."))->setToolTip(m_journal->ErrorText());
        return;
    }
    if (balances.isEmpty()) {
        freshChart(m_vaultView, tr("No cash in the vault"));
        return;
    }
    QChart* chart = freshChart(m_vaultView, tr("Cash in the vault"));
    auto* x = new QDateTimeAxis;
    x->setRange(first.startOfDay(), last.addDays(1).startOfDay());
    x->setFormat(QStringLiteral("dd.MM."));
    x->setTickCount(5);
    auto* y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(tr("Amount"));
    double low = 0, high = 0;
    for (const Database::VaultBalance& balance : balances) {
        // A step per day: the day's cash from its start, as it stood at the day's end.
        auto* series = new QLineSeries;
        series->setName(balance.cashGroup);
        double held = balance.opening;
        series->append(double(first.startOfDay().toMSecsSinceEpoch()), held);
        for (const auto& [day, amount] : balance.days) {
            const double at = double(day.startOfDay().toMSecsSinceEpoch());
            series->append(at, held);
            series->append(at, amount);
            held = amount;
            low = std::min(low, amount);
            high = std::max(high, amount);
        }
        low = std::min(low, balance.opening);
        high = std::max(high, balance.opening);
        series->append(double(last.addDays(1).startOfDay().toMSecsSinceEpoch()), held);
        if (chart->axes().isEmpty()) {
            chart->addAxis(x, Qt::AlignBottom);
            chart->addAxis(y, Qt::AlignLeft);
        }
        attach(chart, series, x, y);
    }
    y->setRange(low, high > low ? high * 1.05 : low + 1.0);
    y->applyNiceNumbers();
}
