#pragma once

#include "lumdialogs_global.h"

#include <QColor>
#include <QTreeWidgetItem>

namespace QtWidgets {

// A list item with colours of its own: with useOwnColors set it paints its cells on its base colour
// in its text colour (a selected item keeps the view's selection colours); otherwise it paints as a
// plain item.
class LUMDIALOGS_EXPORT TListViewItem : public QTreeWidgetItem {
public:
    enum { Type = QTreeWidgetItem::UserType + 2 };

    // Inserted after the item after (at the top when null), with the non-null texts as columns 0 to 7.
    TListViewItem(QTreeWidget* parent, QTreeWidgetItem* after, const QString& label1,
                  const QString& label2 = QString(), const QString& label3 = QString(),
                  const QString& label4 = QString(), const QString& label5 = QString(),
                  const QString& label6 = QString(), const QString& label7 = QString(),
                  const QString& label8 = QString());

    QColor baseColor() const { return m_baseColor; }
    void setBaseColor(const QColor& color);
    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor& color);
    bool useOwnColors() const { return m_useOwnColors; }
    void setUseOwnColors(bool on);

    QVariant data(int column, int role) const override;

private:
    QColor m_baseColor;
    QColor m_textColor;
    bool m_useOwnColors = false;
};

} // namespace QtWidgets
