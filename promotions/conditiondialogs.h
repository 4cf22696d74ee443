#pragma once

// The two dialogs that edit a condition of a promotion page: an order condition (an article, with
// cost centre, family, price level and discount to match) and a department condition. Both are
// given a condition (SetModel) or start from a new one, and give it back as JSON (GetModel); the
// members they do not show stay in the condition as they were.

#include "lumdialogs_global.h"
#include "promotionform.h"
#include "salespromotioncondition.h"
#include "ui_DepartmentConditionDialogBase.h"
#include "ui_OrderConditionDialogBase.h"

class TLumWorkspace;

// The form of the order condition.
class LUMDIALOGS_EXPORT OrderConditionDialogBase : public PromotionForm<Ui::OrderConditionDialogBase> {
    Q_OBJECT
public:
    explicit OrderConditionDialogBase(QWidget* parent = nullptr, const char* name = nullptr,
                                      bool modal = false, Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void OpenArticleDlgHandler();
};

// At least so many pieces of one article, ordered on a cost centre, of a family, at a price level
// and discounted or not; "Ignore" matches any.
class LUMDIALOGS_EXPORT OrderConditionDialog : public OrderConditionDialogBase {
    Q_OBJECT
public:
    OrderConditionDialog(QWidget* parent, TLumWorkspace* workspace);

    // Fills the choosers from the workspace's lists; the count is 1 to 200 pieces.
    void Init();
    void SetModel(const PosLib::SalesPromotionCondition& condition);
    // The condition (kind 1) as compact JSON.
    QString GetModel() const;

public Q_SLOTS:
    // Refused, with the dialog kept open, while no article is chosen.
    void accept() override;

protected:
    void OpenArticleDlgHandler() override;

private:
    // The article as "<PLU> <name>", the PLU left-aligned in five places.
    void RenderArticle(int plu);

    TLumWorkspace* m_workspace;
    PosLib::OrderCondition m_condition;
    int m_plu = 0;
};

// The form of the department condition.
class LUMDIALOGS_EXPORT DepartmentConditionDialogBase
    : public PromotionForm<Ui::DepartmentConditionDialogBase> {
    Q_OBJECT
public:
    explicit DepartmentConditionDialogBase(QWidget* parent = nullptr, const char* name = nullptr,
                                           bool modal = false, Qt::WindowFlags fl = {});
};

// At least so many articles of one department, at a price level ("Ignore" matches any).
class LUMDIALOGS_EXPORT DepartmentConditionDialog : public DepartmentConditionDialogBase {
    Q_OBJECT
public:
    DepartmentConditionDialog(QWidget* parent, TLumWorkspace* workspace);

    // Fills the choosers from the workspace's lists; the count is 1 to 200 articles.
    void Init();
    void SetModel(const PosLib::SalesPromotionCondition& condition);
    // The condition (kind 2) as compact JSON.
    QString GetModel() const;

private:
    TLumWorkspace* m_workspace;
    PosLib::DepartmentCondition m_condition;
};
