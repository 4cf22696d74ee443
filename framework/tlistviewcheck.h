#pragma once

#include "lumdialogs_global.h"

#include <QObject>
#include <QTreeWidgetItem>

namespace QtWidgets {

// A check-list item that reports its toggling. Whenever the check box of the first column changes
// state, by a click of the operator or through setCheckState/setOn, toggled is emitted once with
// the new state (unless the item's signals are blocked).
class LUMDIALOGS_EXPORT TListViewCheck : public QObject, public QTreeWidgetItem {
    Q_OBJECT

public:
    enum { Type = QTreeWidgetItem::UserType + 1 };

    TListViewCheck(QTreeWidget* parent, const QString& text);
    TListViewCheck(QTreeWidget* parent, QTreeWidgetItem* after, const QString& text);
    TListViewCheck(QTreeWidgetItem* parent, const QString& text);

    bool isOn() const;
    void setOn(bool on);

    void setData(int column, int role, const QVariant& value) override;

Q_SIGNALS:
    void toggled(QtWidgets::TListViewCheck* item, bool on);
};

} // namespace QtWidgets
