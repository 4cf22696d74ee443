#include "cashtableview.h"

#include <QHeaderView>
#include <QSignalBlocker>

CashTableView::CashTableView(const QStringList& headers, QWidget* parent)
    : QTableWidget(0, int(headers.size()), parent)
{
    setHorizontalHeaderLabels(headers);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
}

void CashTableView::clearRows()
{
    const QSignalBlocker quiet(this);
    setRowCount(0);
}

void CashTableView::appendRow(const QStringList& texts)
{
    const QSignalBlocker quiet(this);
    const int row = rowCount();
    insertRow(row);
    for (int column = 0; column < columnCount(); ++column) {
        auto* item = new QTableWidgetItem(texts.value(column));
        if (column != AmountColumn)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        if (column != CashGroupColumn)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(row, column, item);
    }
}

QString CashTableView::text(int row, int column) const
{
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CashTableView::setText(int row, int column, const QString& text)
{
    const QSignalBlocker quiet(this);
    if (QTableWidgetItem* cell = item(row, column))
        cell->setText(text);
}
