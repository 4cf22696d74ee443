#include "tdlgremove.h"

#include <QHeaderView>

#include <algorithm>

namespace QtWidgets {

TDlgRemove::TDlgRemove(QWidget* parent)
    : TDlgRemoveBase(parent, "TDlgRemove", true)
{
    m_No->setFocus();
}

void TDlgRemove::setColumns(const QStringList& headers)
{
    m_Items->setColumnCount(std::max(int(headers.size()), 1));
    m_Items->setHeaderLabels(headers);
    const bool named =
        std::any_of(headers.cbegin(), headers.cend(), [](const QString& h) { return !h.isEmpty(); });
    m_Items->setHeaderHidden(!named);
}

void TDlgRemove::addRow(const QStringList& columns)
{
    if (columns.size() > m_Items->columnCount())
        m_Items->setColumnCount(int(columns.size()));
    new QTreeWidgetItem(m_Items, columns);
}

int TDlgRemove::rowCount() const
{
    return m_Items->topLevelItemCount();
}

void TDlgRemove::showEvent(QShowEvent* event)
{
    // Every column but the last as wide as its contents; the last takes the rest.
    for (int column = 0; column + 1 < m_Items->columnCount(); ++column)
        m_Items->resizeColumnToContents(column);
    TDlgRemoveBase::showEvent(event);
}

} // namespace QtWidgets
