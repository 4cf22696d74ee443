#include "tlistviewitem.h"

#include <QBrush>

namespace QtWidgets {

TListViewItem::TListViewItem(QTreeWidget* parent, QTreeWidgetItem* after, const QString& label1,
                             const QString& label2, const QString& label3, const QString& label4,
                             const QString& label5, const QString& label6, const QString& label7,
                             const QString& label8)
    : QTreeWidgetItem(parent, after, Type)
{
    const QString* labels[] = {&label1, &label2, &label3, &label4, &label5, &label6, &label7, &label8};
    for (int column = 0; column < 8; ++column) {
        if (!labels[column]->isNull())
            setText(column, *labels[column]);
    }
}

void TListViewItem::setBaseColor(const QColor& color)
{
    m_baseColor = color;
    emitDataChanged();
}

void TListViewItem::setTextColor(const QColor& color)
{
    m_textColor = color;
    emitDataChanged();
}

void TListViewItem::setUseOwnColors(bool on)
{
    m_useOwnColors = on;
    emitDataChanged();
}

QVariant TListViewItem::data(int column, int role) const
{
    if (m_useOwnColors) {
        if (role == Qt::BackgroundRole && m_baseColor.isValid())
            return QBrush(m_baseColor);
        if (role == Qt::ForegroundRole && m_textColor.isValid())
            return QBrush(m_textColor);
    }
    return QTreeWidgetItem::data(column, role);
}

} // namespace QtWidgets
