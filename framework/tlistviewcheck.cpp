#include "tlistviewcheck.h"

namespace QtWidgets {

namespace {

void makeCheckable(QTreeWidgetItem* item, const QString& text)
{
    item->setText(0, text);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    // Without a check state the view draws no check box.
    item->setCheckState(0, Qt::Unchecked);
}

} // namespace

TListViewCheck::TListViewCheck(QTreeWidget* parent, const QString& text)
    : QTreeWidgetItem(parent, Type)
{
    makeCheckable(this, text);
}

TListViewCheck::TListViewCheck(QTreeWidget* parent, QTreeWidgetItem* after, const QString& text)
    : QTreeWidgetItem(parent, after, Type)
{
    makeCheckable(this, text);
}

TListViewCheck::TListViewCheck(QTreeWidgetItem* parent, const QString& text)
    : QTreeWidgetItem(parent, Type)
{
    makeCheckable(this, text);
}

bool TListViewCheck::isOn() const
{
    return checkState(0) == Qt::Checked;
}

void TListViewCheck::setOn(bool on)
{
    setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
}

void TListViewCheck::setData(int column, int role, const QVariant& value)
{
    if (column != 0 || role != Qt::CheckStateRole) {
        QTreeWidgetItem::setData(column, role, value);
        return;
    }
    const Qt::CheckState before = checkState(0);
    QTreeWidgetItem::setData(column, role, value);
    const Qt::CheckState after = checkState(0);
    if (after != before)
        Q_EMIT toggled(this, after == Qt::Checked);
}

} // namespace QtWidgets
