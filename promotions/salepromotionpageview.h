#pragma once

// The pages of a promotion and their conditions as the promotion editor shows them: a list of pages
// (check box = switched on, text = name, renamed in place), each page with a list of its conditions.

#include "lumdialogs_global.h"

#include <QListWidgetItem>
#include <QPointer>
#include <QTreeWidget>
#include <QTreeWidgetItem>

class SalesPromotionConditionsListView;
class TLumWorkspace;

// A condition of a page: its JSON object, shown as lines of text with the names of the records it
// refers to.
class LUMDIALOGS_EXPORT ConditionViewItem : public QTreeWidgetItem {
public:
    ConditionViewItem(SalesPromotionConditionsListView* list, const QString& condition);

    QString condition() const { return m_condition; }
    int kind() const { return m_kind; }
    void setCondition(const QString& condition);

private:
    QString m_condition;
    int m_kind = 0;
};

// The conditions of one page, in order. A double click on a condition is reported.
class LUMDIALOGS_EXPORT SalesPromotionConditionsListView : public QTreeWidget {
    Q_OBJECT
public:
    SalesPromotionConditionsListView(QWidget* parent, TLumWorkspace* workspace);

    TLumWorkspace* workspace() const { return m_workspace; }
    QStringList conditions() const;
    ConditionViewItem* currentCondition() const;

Q_SIGNALS:
    void ConditionDoubleClicked(ConditionViewItem* item);

private:
    TLumWorkspace* m_workspace;
};

// One page: its name and check state in the page list; it owns the list of its conditions.
class LUMDIALOGS_EXPORT SalePromotionPageItem : public QTreeWidgetItem {
public:
    SalePromotionPageItem(QTreeWidget* pages, QTreeWidgetItem* after, const QString& name,
                          SalesPromotionConditionsListView* conditions);
    ~SalePromotionPageItem() override;

    SalesPromotionConditionsListView* conditions() const { return m_conditions; }
    bool isActive() const { return checkState(0) == Qt::Checked; }

private:
    QPointer<SalesPromotionConditionsListView> m_conditions;
};

// The list of pages.
class LUMDIALOGS_EXPORT SalePromotionPageView : public QTreeWidget {
    Q_OBJECT
public:
    explicit SalePromotionPageView(QWidget* parent);

    SalePromotionPageItem* page(int index) const;
    SalePromotionPageItem* currentPage() const;
};

// A kind of condition offered for adding.
class LUMDIALOGS_EXPORT ConditionTypeItem : public QListWidgetItem {
public:
    ConditionTypeItem(QListWidget* list, const QString& text, int kind);
    int kind() const { return m_kind; }

private:
    int m_kind;
};

// Moves the current row of a list by that many places (as far as it goes); it stays current.
LUMDIALOGS_EXPORT void moveCurrentRow(QTreeWidget* list, int places);
