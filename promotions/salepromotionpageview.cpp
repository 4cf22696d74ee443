#include "salepromotionpageview.h"

#include "conditiontext.h"
#include "salespromotioncondition.h"

ConditionViewItem::ConditionViewItem(SalesPromotionConditionsListView* list, const QString& condition)
    : QTreeWidgetItem(list)
{
    setCondition(condition);
}

void ConditionViewItem::setCondition(const QString& condition)
{
    const auto parsed = PosLib::SalesPromotionCondition::fromText(condition);
    m_condition = condition;
    m_kind = parsed.kind();
    auto* list = static_cast<SalesPromotionConditionsListView*>(treeWidget());
    setText(0, promotionConditionText(parsed, list ? list->workspace() : nullptr));
}

SalesPromotionConditionsListView::SalesPromotionConditionsListView(QWidget* parent, TLumWorkspace* workspace)
    : QTreeWidget(parent)
    , m_workspace(workspace)
{
    setObjectName(QStringLiteral("SalesPromotionConditionsListView"));
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setAlternatingRowColors(true);
    setColumnCount(1);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        Q_EMIT ConditionDoubleClicked(static_cast<ConditionViewItem*>(item));
    });
}

QStringList SalesPromotionConditionsListView::conditions() const
{
    QStringList result;
    for (int row = 0; row < topLevelItemCount(); ++row)
        result << static_cast<const ConditionViewItem*>(topLevelItem(row))->condition();
    return result;
}

ConditionViewItem* SalesPromotionConditionsListView::currentCondition() const
{
    return static_cast<ConditionViewItem*>(currentItem());
}

SalePromotionPageItem::SalePromotionPageItem(QTreeWidget* pages, QTreeWidgetItem* after, const QString& name,
                                             SalesPromotionConditionsListView* conditions)
    : QTreeWidgetItem(pages, after)
    , m_conditions(conditions)
{
    setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsUserCheckable);
    setText(0, name);
    setCheckState(0, Qt::Checked);
}

SalePromotionPageItem::~SalePromotionPageItem()
{
    delete m_conditions;
}

SalePromotionPageView::SalePromotionPageView(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("SalePromotionPageView"));
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
}

SalePromotionPageItem* SalePromotionPageView::page(int index) const
{
    return static_cast<SalePromotionPageItem*>(topLevelItem(index));
}

SalePromotionPageItem* SalePromotionPageView::currentPage() const
{
    return static_cast<SalePromotionPageItem*>(currentItem());
}

ConditionTypeItem::ConditionTypeItem(QListWidget* list, const QString& text, int kind)
    : QListWidgetItem(text, list)
    , m_kind(kind)
{
}

void moveCurrentRow(QTreeWidget* list, int places)
{
    QTreeWidgetItem* item = list->currentItem();
    if (!item)
        return;
    const int from = list->indexOfTopLevelItem(item);
    const int to = qBound(0, from + places, list->topLevelItemCount() - 1);
    if (from < 0 || to == from)
        return;
    list->takeTopLevelItem(from);
    list->insertTopLevelItem(to, item);
    list->setCurrentItem(item);
    list->scrollToItem(item);
}
