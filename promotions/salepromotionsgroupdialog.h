#pragma once

#include "lumdialogs_global.h"
#include "salepromotion.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "ui_SalePromotionsGroupDialogBase.h"

class QTreeWidget;
class QTreeWidgetItem;

// The groups editor's form: the promotions available and those of the group, with the buttons that
// move promotions between them and order the group. OK needs a name.
class LUMDIALOGS_EXPORT SalePromotionsGroupDialogBase
    : public LumDialogs::TEditorLayout<LumDialogs::TRoleNamedButtons<Ui::SalePromotionsGroupDialogBase>> {
    Q_OBJECT
public:
    explicit SalePromotionsGroupDialogBase(QWidget* parent = nullptr, const char* name = nullptr,
                                           bool modal = false, Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void OnNewPromotionHandler();
    virtual void OnAddAllPromotionsHandler();
    virtual void OnAddPromotionsHandler();
    virtual void OnRemovePromotionHandler();
    virtual void OnRemoveAllPromotionsHandler();
    virtual void OnPromotionUpHandler();
    virtual void OnPromotionDownHandler();
};

// Creates and edits promotion groups: the promotions the point of sale tries together, in order.
// Both lists hold a row for every promotion; a promotion belongs to the group while its row of the
// group is shown (and its available row hidden). The group's rows stand in the group's order, the
// available ones in the order of the promotion list. New promotions can be made on the spot. With
// several groups the first one's promotions are shown (marked) and go into every selected group.
class LUMDIALOGS_EXPORT SalePromotionsGroupDialog
    : public LumDialogs::TEditorDialog<SalePromotionsGroupDialogBase, PosLib::SalePromotionsGroup> {
    Q_OBJECT
public:
    SalePromotionsGroupDialog(TLumWindow* window, QWidget* parent);

protected:
    void initData() override;

    void OnNewPromotionHandler() override;
    void OnAddAllPromotionsHandler() override;
    void OnAddPromotionsHandler() override;
    void OnRemovePromotionHandler() override;
    void OnRemoveAllPromotionsHandler() override;
    void OnPromotionUpHandler() override;
    void OnPromotionDownHandler() override;

private:
    class TMembersField;

    // A row for every promotion in both lists; none belongs to the group.
    void FillAvailablePromotionsList();
    // Makes the promotions of these ids members, in this order, after those that are members now;
    // ids without a promotion are left out.
    void ShowPromotions(const QList<int>& ids);
    // Shows the promotion's row: in the group's list after its last member.
    void ShowPromotionItem(int id, QTreeWidget* list);
    void HidePromotionItem(int id, QTreeWidget* list);
    // The member ids in the group's order.
    QList<int> members() const;
    // Moves the first selected member past the next member above (-1) or below (1).
    void moveMember(int direction);
};
