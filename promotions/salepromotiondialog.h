#pragma once

#include "lumdialogs_global.h"
#include "salepromotion.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "ui_SalePromotionDialogBase.h"

#include <QPointer>

class ConditionViewItem;
class QListWidgetItem;
class QTreeWidgetItem;
class SalePromotionPageItem;
class SalePromotionPageView;
class SalesPromotionConditionsListView;

namespace PosLib {
struct SalePromotionModel;
struct SalePromotionPage;
} // namespace PosLib

// The promotion editor's form: the pages with their buttons, the conditions of the current page, the
// kinds of condition to add, and the Combi Order action. OK needs a name.
class LUMDIALOGS_EXPORT SalePromotionDialogBase
    : public LumDialogs::TEditorLayout<Ui::SalePromotionDialogBase> {
    Q_OBJECT
public:
    explicit SalePromotionDialogBase(QWidget* parent = nullptr, const char* name = nullptr,
                                     bool modal = false, Qt::WindowFlags fl = {});

protected:
    // Return on a kind of condition adds one, as a double click does, and does not close the dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;

protected Q_SLOTS:
    virtual void ConditionUpHandler();
    virtual void ConditionDownHandler();
    virtual void RemoveConditionHandler();
    virtual void AddPageHandler();
    virtual void RemovePageHandler();
    virtual void PageUpHandler();
    virtual void PageDownHandler();
    virtual void OpenArticleListHandler();
    virtual void AddConditionHandler(QListWidgetItem* item);
};

// Creates and edits sales promotions: pages of conditions (orders of an article, articles of a
// department), each page switched on or off, and the Combi Order action that books a combination
// article. The model is built from what the dialog shows when the promotion is saved. With several
// promotions the first one's pages and action are shown (marked) and go into every selected one.
class LUMDIALOGS_EXPORT SalePromotionDialog
    : public LumDialogs::TEditorDialog<SalePromotionDialogBase, PosLib::SalePromotion> {
    Q_OBJECT
public:
    SalePromotionDialog(TLumWindow* window, QWidget* parent);
    ~SalePromotionDialog() override;

protected:
    void initData() override;
    // A model too large to be read again is refused.
    bool validate() override;

    void ConditionUpHandler() override;
    void ConditionDownHandler() override;
    void RemoveConditionHandler() override;
    void AddPageHandler() override;
    void RemovePageHandler() override;
    void PageUpHandler() override;
    void PageDownHandler() override;
    void OpenArticleListHandler() override;
    void AddConditionHandler(QListWidgetItem* item) override;

private:
    class TModelField;

    // A condition list for a new page, hidden until its page is current.
    SalesPromotionConditionsListView* CreateConditionsListView();
    void PageNameChangedHandler(QTreeWidgetItem* item, int column);
    void PageChangedHandler(QTreeWidgetItem* item);
    void ConditionDoubleClickedHandler(ConditionViewItem* item);

    // A page after the current one, which it becomes.
    void AddPage(const QString& page);
    void AddPage(const PosLib::SalePromotionPage& page);
    void showModel(const PosLib::SalePromotionModel& model);
    PosLib::SalePromotionModel shownModel() const;
    void showConditionsOf(SalePromotionPageItem* page);
    // Runs the dialog of the kind on a condition (a new one when empty); the condition as edited, or
    // an empty text when the operator cancelled or the kind has no dialog.
    QString editCondition(int kind, const QString& condition);
    bool mayChange() const;

    SalePromotionPageView* m_pages = nullptr;
    QPointer<SalesPromotionConditionsListView> m_shownConditions;
    QString m_otherAction; // an action of a kind this dialog does not offer, kept as it was
};
