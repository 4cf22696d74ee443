#include "salepromotionsgroupdialog.h"

#include "salepromotiondialog.h"
#include "tidlist.h"

#include <QStyle>
#include <QTreeWidget>

using PosLib::SalePromotionsGroup;

namespace {

constexpr int promotionIdRole = Qt::UserRole;

int promotionIdOf(const QTreeWidgetItem* item)
{
    return item->data(0, promotionIdRole).toInt();
}

QTreeWidgetItem* promotionItem(const QTreeWidget* list, int id)
{
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (promotionIdOf(list->topLevelItem(row)) == id)
            return list->topLevelItem(row);
    }
    return nullptr;
}

// The rows selected and shown, top to bottom.
QList<QTreeWidgetItem*> selectedPromotionItems(const QTreeWidget* list)
{
    QList<QTreeWidgetItem*> items;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        if (item->isSelected() && !item->isHidden())
            items << item;
    }
    return items;
}

} // namespace

SalePromotionsGroupDialogBase::SalePromotionsGroupDialogBase(QWidget* parent, const char* name, bool modal,
                                                             Qt::WindowFlags fl)
    : TEditorLayout(parent, name, modal, fl)
{
    using Self = SalePromotionsGroupDialogBase;
    const std::pair<QPushButton*, void (Self::*)()> buttons[] = {
        {NewPromotionButton, &Self::OnNewPromotionHandler},
        {AddAllPromotionsButton, &Self::OnAddAllPromotionsHandler},
        {AddPromotionButton, &Self::OnAddPromotionsHandler},
        {RemovePromotionButton, &Self::OnRemovePromotionHandler},
        {RemoveAllPromotionsButton, &Self::OnRemoveAllPromotionsHandler},
        {PromotionUpButton, &Self::OnPromotionUpHandler},
        {PromotionDownButton, &Self::OnPromotionDownHandler}};
    for (const auto& [button, slot] : buttons)
        connect(button, &QPushButton::clicked, this, slot);
    PromotionUpButton->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    PromotionDownButton->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
}

void SalePromotionsGroupDialogBase::OnNewPromotionHandler()
{
    notImplemented("OnNewPromotionHandler()");
}

void SalePromotionsGroupDialogBase::OnAddAllPromotionsHandler()
{
    notImplemented("OnAddAllPromotionsHandler()");
}

void SalePromotionsGroupDialogBase::OnAddPromotionsHandler()
{
    notImplemented("OnAddPromotionsHandler()");
}

void SalePromotionsGroupDialogBase::OnRemovePromotionHandler()
{
    notImplemented("OnRemovePromotionHandler()");
}

void SalePromotionsGroupDialogBase::OnRemoveAllPromotionsHandler()
{
    notImplemented("OnRemoveAllPromotionsHandler()");
}

void SalePromotionsGroupDialogBase::OnPromotionUpHandler()
{
    notImplemented("OnPromotionUpHandler()");
}

void SalePromotionsGroupDialogBase::OnPromotionDownHandler()
{
    notImplemented("OnPromotionDownHandler()");
}

// The members in their order; shown from the first group and written into every selected group.
class SalePromotionsGroupDialog::TMembersField : public LumDialogs::TField<SalePromotionsGroup> {
public:
    explicit TMembersField(SalePromotionsGroupDialog* dialog)
        : TField({.shownFromFirst = true})
        , m_dialog(dialog)
    {
    }
    bool differs(const SalePromotionsGroup& a, const SalePromotionsGroup& b) const override
    {
        return a.getPromotions() != b.getPromotions();
    }
    void show(TLumDlg&, const SalePromotionsGroup& record, bool) override
    {
        m_dialog->FillAvailablePromotionsList();
        m_dialog->ShowPromotions(record.getPromotions());
    }
    void store(SalePromotionsGroup& record) const override { record.setPromotions(m_dialog->members()); }
    QVariant state() const override { return PosLib::joinIds(m_dialog->members(), u';'); }
    QList<QWidget*> widgets() const override
    {
        return {m_dialog->PromotionsListView, m_dialog->PromotionsGroupListView};
    }

private:
    SalePromotionsGroupDialog* m_dialog;
};

SalePromotionsGroupDialog::SalePromotionsGroupDialog(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "SalePromotionsGroupDialog")
{
}

void SalePromotionsGroupDialog::initData()
{
    for (QTreeWidget* list : {PromotionsListView, PromotionsGroupListView})
        list->setSortingEnabled(false);
    FillAvailablePromotionsList();
    fields()
        .text(m_Name, &SalePromotionsGroup::getName, &SalePromotionsGroup::setName)
        .text(DescriptionTextControl, &SalePromotionsGroup::getDescription,
              &SalePromotionsGroup::setDescription, {.writeEmpty = true})
        .add(std::make_unique<TMembersField>(this));
}

void SalePromotionsGroupDialog::FillAvailablePromotionsList()
{
    PromotionsListView->clear();
    PromotionsGroupListView->clear();
    const Basics::TValueList* promotions =
        workspaceList(PosLib::TListNames::of<PosLib::SalePromotion>().root);
    if (!promotions)
        return;
    QList<QTreeWidgetItem*> available;
    QList<QTreeWidgetItem*> members;
    for (const Basics::TValue* promotion : *promotions) {
        const auto* typed = dynamic_cast<const PosLib::SalePromotion*>(promotion);
        const QStringList texts{QString::number(promotion->getID()), promotion->getName(),
                                typed ? typed->getDescription() : QString()};
        for (QList<QTreeWidgetItem*>* items : {&available, &members}) {
            auto* item = new QTreeWidgetItem(texts);
            item->setData(0, promotionIdRole, promotion->getID());
            item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
            *items << item;
        }
    }
    PromotionsListView->addTopLevelItems(available);
    PromotionsGroupListView->addTopLevelItems(members);
    for (QTreeWidgetItem* member : members)
        member->setHidden(true); // a row is hidden in its list, so only once it is in it
    // Sized while every row is shown in the available list; the group's list takes the same widths.
    for (int column : {0, 1}) {
        PromotionsListView->resizeColumnToContents(column);
        PromotionsGroupListView->setColumnWidth(column, PromotionsListView->columnWidth(column));
    }
}

void SalePromotionsGroupDialog::ShowPromotions(const QList<int>& ids)
{
    for (int id : ids) {
        const QTreeWidgetItem* member = promotionItem(PromotionsGroupListView, id);
        if (!member || !member->isHidden()) // no such promotion, or named twice
            continue;
        ShowPromotionItem(id, PromotionsGroupListView);
        HidePromotionItem(id, PromotionsListView);
    }
}

void SalePromotionsGroupDialog::ShowPromotionItem(int id, QTreeWidget* list)
{
    QTreeWidgetItem* item = promotionItem(list, id);
    if (!item)
        return;
    if (list == PromotionsGroupListView) {
        int behind = 0; // the row after the last member
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            if (!list->topLevelItem(row)->isHidden())
                behind = row + 1;
        }
        const int row = list->indexOfTopLevelItem(item);
        if (row != behind && row + 1 != behind) {
            list->takeTopLevelItem(row);
            list->insertTopLevelItem(row < behind ? behind - 1 : behind, item);
        }
    }
    item->setHidden(false);
}

void SalePromotionsGroupDialog::HidePromotionItem(int id, QTreeWidget* list)
{
    if (QTreeWidgetItem* item = promotionItem(list, id)) {
        item->setSelected(false);
        item->setHidden(true);
    }
}

QList<int> SalePromotionsGroupDialog::members() const
{
    QList<int> ids;
    for (int row = 0; row < PromotionsGroupListView->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = PromotionsGroupListView->topLevelItem(row);
        if (!item->isHidden())
            ids << promotionIdOf(item);
    }
    return ids;
}

void SalePromotionsGroupDialog::OnNewPromotionHandler()
{
    if (createOnTheSpot<SalePromotionDialog>() == 0)
        return;
    const QList<int> kept = members();
    FillAvailablePromotionsList();
    ShowPromotions(kept);
}

void SalePromotionsGroupDialog::OnAddAllPromotionsHandler()
{
    QList<int> ids;
    for (int row = 0; row < PromotionsListView->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = PromotionsListView->topLevelItem(row);
        if (!item->isHidden())
            ids << promotionIdOf(item);
    }
    ShowPromotions(ids);
}

void SalePromotionsGroupDialog::OnAddPromotionsHandler()
{
    QList<int> ids;
    for (const QTreeWidgetItem* item : selectedPromotionItems(PromotionsListView))
        ids << promotionIdOf(item);
    ShowPromotions(ids);
}

void SalePromotionsGroupDialog::OnRemovePromotionHandler()
{
    for (const QTreeWidgetItem* item : selectedPromotionItems(PromotionsGroupListView)) {
        const int id = promotionIdOf(item);
        HidePromotionItem(id, PromotionsGroupListView);
        ShowPromotionItem(id, PromotionsListView);
    }
}

void SalePromotionsGroupDialog::OnRemoveAllPromotionsHandler()
{
    for (int id : members()) {
        HidePromotionItem(id, PromotionsGroupListView);
        ShowPromotionItem(id, PromotionsListView);
    }
}

void SalePromotionsGroupDialog::OnPromotionUpHandler()
{
    moveMember(-1);
}

void SalePromotionsGroupDialog::OnPromotionDownHandler()
{
    moveMember(1);
}

void SalePromotionsGroupDialog::moveMember(int direction)
{
    QTreeWidget* list = PromotionsGroupListView;
    const QList<QTreeWidgetItem*> selected = selectedPromotionItems(list);
    if (selected.isEmpty())
        return;
    QTreeWidgetItem* item = selected.first();
    const int from = list->indexOfTopLevelItem(item);
    int to = from + direction;
    while (to >= 0 && to < list->topLevelItemCount() && list->topLevelItem(to)->isHidden())
        to += direction;
    if (to < 0 || to >= list->topLevelItemCount())
        return; // at the top or the bottom
    // The two rows change places; the hidden rows between them stay where they are.
    const int low = std::min(from, to);
    const int high = std::max(from, to);
    QTreeWidgetItem* lower = list->takeTopLevelItem(high);
    QTreeWidgetItem* upper = list->takeTopLevelItem(low);
    list->insertTopLevelItem(low, lower);
    list->insertTopLevelItem(high, upper);
    list->clearSelection();
    item->setSelected(true);
    list->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    list->scrollToItem(item);
}
