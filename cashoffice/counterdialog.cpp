#include "counterdialog.h"

#include "terror.h"
#include "tinifile.h"
#include "tlumwindow.h"
#include "tprompts.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTableWidgetItem>

namespace {

enum Column { NameColumn, ValueColumn, FactorColumn, TotalColumn };

// A count of pieces: digits with "." or "," (read as a decimal point), not a lone ",".
const QRegularExpression& countPattern()
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("(?!,$)[0-9,.]+")));
    return pattern;
}

QString amountText(double amount)
{
    return QString::number(amount, 'f', 2);
}

} // namespace

const QString CounterDialog::CounterConfigSectionName = QStringLiteral("counters");
const QString CounterDialog::DefaultCounterSectrionName = QStringLiteral("default");
const QString CounterDialog::NameEntryName = QStringLiteral("name");
const QString CounterDialog::FactorEntryName = QStringLiteral("factor");

CounterDialog::CounterDialog(TLumWorkspace* workspace, TLumWindow* window)
    : CounterDialogBase(window, "CounterDialog", true)
    , m_workspace(workspace)
    , m_window(window)
{
    CounterTable->setColumnCount(4);
    connect(CounterTable, &QTableWidget::cellChanged, this, &CounterDialog::CounterTableValueChangedHandler);
}

bool CounterDialog::InsertCounters(const QString& iniFile, const QString& cashGroup)
{
    Basics::TInifile ini;
    try {
        ini.read(iniFile);
    } catch (const Basics::TError& error) {
        prompts().critical(this, tr("Counter"), error.description());
        return false;
    }
    QString rows = ini.readString(CounterConfigSectionName, cashGroup);
    if (rows.trimmed().isEmpty())
        rows = ini.readString(CounterConfigSectionName, DefaultCounterSectrionName);
    const QStringList sections = rows.split(u',', Qt::SkipEmptyParts);
    if (sections.isEmpty())
        return false;

    {
        const QSignalBlocker quiet(CounterTable);
        CounterTable->setRowCount(0);
    }
    for (const QString& name : sections) {
        const Basics::TSection* section = ini.section(name.trimmed());
        if (!section || !section->find(NameEntryName) || !section->find(FactorEntryName))
            continue;
        InsertCounter(ini.readString(section->name(), NameEntryName),
                      ini.readString(section->name(), FactorEntryName));
    }
    m_total = 0.0;
    CashGroupLabel->setText(cashGroup);
    TotalAmountLabel->setText(tr("Total: 0,00"));
    CounterTable->resizeColumnsToContents();
    return true;
}

void CounterDialog::InsertCounter(const QString& name, const QString& factor)
{
    const QSignalBlocker quiet(CounterTable);
    const int row = CounterTable->rowCount();
    CounterTable->insertRow(row);
    const QStringList texts = {name, QStringLiteral("0"), factor, QStringLiteral("0,00")};
    for (int column = NameColumn; column <= TotalColumn; ++column) {
        auto* item = new QTableWidgetItem(texts[column]);
        if (column != ValueColumn)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        else
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        CounterTable->setItem(row, column, item);
    }
}

void CounterDialog::setCell(int row, int column, const QString& text)
{
    const QSignalBlocker quiet(CounterTable);
    if (QTableWidgetItem* item = CounterTable->item(row, column))
        item->setText(text);
}

void CounterDialog::CounterTableValueChangedHandler(int row, int column)
{
    if (column != ValueColumn)
        return;
    const QTableWidgetItem* value = CounterTable->item(row, ValueColumn);
    const QTableWidgetItem* factor = CounterTable->item(row, FactorColumn);
    if (!value || !factor)
        return;
    const QString text = value->text().trimmed();
    bool valid = countPattern().match(text).hasMatch();
    double pieces = 0.0;
    if (valid)
        pieces = QString(text).replace(u',', u'.').toDouble(&valid); // "1.2.3" is no number either
    if (!valid) {
        prompts().information(this, tr("Counter"), tr("No valid number."));
        setCell(row, ValueColumn, QStringLiteral("0"));
        setCell(row, TotalColumn, amountText(0));
    } else {
        setCell(row, TotalColumn, amountText(pieces * factor->text().trimmed().toDouble()));
    }
    CalculateTotalAmount();
}

void CounterDialog::CalculateTotalAmount()
{
    m_total = 0.0;
    for (int row = 0; row < CounterTable->rowCount(); ++row) {
        if (const QTableWidgetItem* total = CounterTable->item(row, TotalColumn))
            m_total += total->text().toDouble();
    }
    TotalAmountLabel->setText(tr("Total: %1").arg(GetTotalAmount()));
}

QString CounterDialog::GetTotalAmount() const
{
    return amountText(m_total);
}
