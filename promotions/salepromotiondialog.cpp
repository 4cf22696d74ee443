#include "salepromotiondialog.h"

#include "articleselectdialog.h"
#include "conditiondialogs.h"
#include "salepromotionmodel.h"
#include "salepromotionpageview.h"
#include "salespromotioncondition.h"
#include "tjson.h"
#include "tprompts.h"

#include <QKeyEvent>
#include <QStyle>

using PosLib::SalePromotion;
using PosLib::SalePromotionModel;
using PosLib::SalePromotionPage;
using PosLib::SalesPromotionCondition;

SalePromotionDialogBase::SalePromotionDialogBase(QWidget* parent, const char* name, bool modal,
                                                 Qt::WindowFlags fl)
    : TEditorLayout(parent, name, modal, fl)
{
    using Self = SalePromotionDialogBase;
    const std::pair<QPushButton*, void (Self::*)()> buttons[] = {
        {ConditionUpButton, &Self::ConditionUpHandler},
        {ConditionDownButton, &Self::ConditionDownHandler},
        {RemoveConditionButton, &Self::RemoveConditionHandler},
        {AddPageButton, &Self::AddPageHandler},
        {RemovePageButton, &Self::RemovePageHandler},
        {PageUpButton, &Self::PageUpHandler},
        {PageDownButton, &Self::PageDownHandler},
        {pushButton16, &Self::OpenArticleListHandler}};
    for (const auto& [button, slot] : buttons)
        connect(button, &QPushButton::clicked, this, slot);
    connect(ConditionsSelectList, &QListWidget::itemDoubleClicked, this, &Self::AddConditionHandler);
    ConditionsSelectList->installEventFilter(this);
    for (QPushButton* up : {PageUpButton, ConditionUpButton})
        up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    for (QPushButton* down : {PageDownButton, ConditionDownButton})
        down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
}

bool SalePromotionDialogBase::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ConditionsSelectList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            AddConditionHandler(ConditionsSelectList->currentItem());
            return true;
        }
    }
    return TEditorLayout::eventFilter(watched, event);
}

void SalePromotionDialogBase::ConditionUpHandler()
{
    notImplemented("ConditionUpHandler()");
}

void SalePromotionDialogBase::ConditionDownHandler()
{
    notImplemented("ConditionDownHandler()");
}

void SalePromotionDialogBase::RemoveConditionHandler()
{
    notImplemented("RemoveConditionHandler()");
}

void SalePromotionDialogBase::AddPageHandler()
{
    notImplemented("AddPageHandler()");
}

void SalePromotionDialogBase::RemovePageHandler()
{
    notImplemented("RemovePageHandler()");
}

void SalePromotionDialogBase::PageUpHandler()
{
    notImplemented("PageUpHandler()");
}

void SalePromotionDialogBase::PageDownHandler()
{
    notImplemented("PageDownHandler()");
}

void SalePromotionDialogBase::OpenArticleListHandler()
{
    notImplemented("OpenArticleListHandler()");
}

void SalePromotionDialogBase::AddConditionHandler(QListWidgetItem*)
{
    notImplemented("AddConditionHandler(QListBoxItem*)");
}

// The model: the pages with their conditions and the action, as shown. It has no no-change state, so
// with several promotions the first one's model is shown and goes into every selected promotion.
class SalePromotionDialog::TModelField : public LumDialogs::TField<SalePromotion> {
public:
    explicit TModelField(SalePromotionDialog* dialog)
        : TField({.shownFromFirst = true})
        , m_dialog(dialog)
    {
    }
    bool differs(const SalePromotion& a, const SalePromotion& b) const override
    {
        return a.getModel() != b.getModel();
    }
    void show(TLumDlg&, const SalePromotion& record, bool) override
    {
        m_dialog->showModel(SalePromotionModel::read(record.getModel()));
    }
    void store(SalePromotion& record) const override { record.setModel(m_dialog->shownModel().text()); }
    QVariant state() const override { return m_dialog->shownModel().text(); }
    QList<QWidget*> widgets() const override
    {
        return {m_dialog->PromotionsPageViewContainer, m_dialog->ConditionsViewContainer,
                m_dialog->ActionPropertiesToolBox};
    }

private:
    SalePromotionDialog* m_dialog;
};

namespace {

// The condition as the operator leaves the dialog of its kind; empty when cancelled.
template <class Dialog>
QString runPromotionConditionDialog(QWidget* parent, TLumWorkspace* workspace, const QString& condition)
{
    Dialog dialog(parent, workspace);
    dialog.Init();
    if (!condition.isEmpty())
        dialog.SetModel(SalesPromotionCondition::fromText(condition));
    return dialog.exec() == QDialog::Accepted ? dialog.GetModel() : QString();
}

bool confirmPromotionRemoval(QWidget* parent, const QString& caption, const QString& question)
{
    return prompts().choose(parent, QMessageBox::Question, caption, question,
                            {SalePromotionDialog::tr("&Yes"), SalePromotionDialog::tr("&No")}, 1, 1) == 0;
}

} // namespace

SalePromotionDialog::SalePromotionDialog(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "SalePromotionDialog")
{
}

SalePromotionDialog::~SalePromotionDialog()
{
    // The pages go with the widgets of the base classes; they tell this part nothing any more.
    if (m_pages)
        m_pages->disconnect(this);
}

void SalePromotionDialog::initData()
{
    m_pages = new SalePromotionPageView(PromotionsPageViewContainer);
    static_cast<QBoxLayout*>(PromotionsPageViewContainer->layout())->insertWidget(0, m_pages);
    connect(m_pages, &QTreeWidget::itemChanged, this, &SalePromotionDialog::PageNameChangedHandler);
    connect(m_pages, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { PageChangedHandler(current); });
    new ConditionTypeItem(ConditionsSelectList, tr("Order"), SalesPromotionCondition::OrderKind);
    new ConditionTypeItem(ConditionsSelectList, tr("Department"), SalesPromotionCondition::DepartmentKind);
    ConditionsSelectList->setCurrentRow(0);
    fields()
        .text(m_Name, &SalePromotion::getName, &SalePromotion::setName)
        .text(DescriptionTextControl, &SalePromotion::getDescription, &SalePromotion::setDescription,
              {.writeEmpty = true})
        .add(std::make_unique<TModelField>(this));
    AddPage(SalePromotion::initialPage(tr("New Page")));
}

bool SalePromotionDialog::validate()
{
    const qsizetype size = shownModel().text().size();
    if (size <= PosLib::Json::maxTextLength)
        return true;
    prompts().warning(this, tr("Sale Promotion"),
                      tr("The promotion is too large to be stored (%1 characters, at most %2). "
                         "Remove conditions or pages.")
                          .arg(size)
                          .arg(PosLib::Json::maxTextLength));
    return false;
}

SalesPromotionConditionsListView* SalePromotionDialog::CreateConditionsListView()
{
    auto* conditions = new SalesPromotionConditionsListView(ConditionsViewContainer, workspace());
    conditions->hide();
    connect(conditions, &SalesPromotionConditionsListView::ConditionDoubleClicked, this,
            &SalePromotionDialog::ConditionDoubleClickedHandler);
    return conditions;
}

void SalePromotionDialog::AddPage(const QString& page)
{
    rapidjson::Document object;
    PosLib::Json::parseObject(page, object);
    AddPage(SalePromotionPage::read(object));
}

void SalePromotionDialog::AddPage(const SalePromotionPage& page)
{
    SalesPromotionConditionsListView* conditions = CreateConditionsListView();
    for (const QString& condition : page.conditions)
        new ConditionViewItem(conditions, condition);
    auto* item = new SalePromotionPageItem(m_pages, m_pages->currentItem(), page.name, conditions);
    m_pages->setCurrentItem(item);
    showConditionsOf(item); // also while the dialog is filled and reports no change of page
    item->setCheckState(0, page.active ? Qt::Checked : Qt::Unchecked);
}

void SalePromotionDialog::showModel(const SalePromotionModel& model)
{
    m_pages->clear();
    showConditionsOf(nullptr);
    CombiOrderActiveButton->setChecked(model.combiOrder);
    CombiActionPlu->setValue(model.combiPlu);
    m_otherAction = model.otherAction;
    for (const SalePromotionPage& page : model.pages)
        AddPage(page);
    if (model.pages.isEmpty()) // one page always exists
        AddPage(SalePromotion::initialPage(tr("New Page")));
    m_pages->setCurrentItem(m_pages->page(0));
    showConditionsOf(m_pages->page(0));
}

SalePromotionModel SalePromotionDialog::shownModel() const
{
    SalePromotionModel model;
    for (int index = 0; index < m_pages->topLevelItemCount(); ++index) {
        const SalePromotionPageItem* page = m_pages->page(index);
        model.pages << SalePromotionPage{page->text(0), page->isActive(), page->conditions()->conditions()};
    }
    model.combiOrder = CombiOrderActiveButton->isChecked();
    model.combiPlu = CombiActionPlu->value();
    model.otherAction = m_otherAction;
    return model;
}

void SalePromotionDialog::showConditionsOf(SalePromotionPageItem* page)
{
    SalesPromotionConditionsListView* conditions = page ? page->conditions() : nullptr;
    if (m_shownConditions != conditions) {
        if (m_shownConditions) {
            conditionsGrid->removeWidget(m_shownConditions);
            m_shownConditions->hide();
        }
        m_shownConditions = conditions;
        if (conditions) {
            conditionsGrid->addWidget(conditions, 0, 0);
            conditions->show();
        }
    }
    ConditionsViewContainer->setTitle(page ? tr("Conditions of %1").arg(page->text(0)) : tr("Conditions"));
}

void SalePromotionDialog::PageNameChangedHandler(QTreeWidgetItem* item, int)
{
    if (item && item == m_pages->currentItem())
        showConditionsOf(m_pages->currentPage());
}

void SalePromotionDialog::PageChangedHandler(QTreeWidgetItem* item)
{
    showConditionsOf(static_cast<SalePromotionPageItem*>(item));
}

void SalePromotionDialog::AddPageHandler()
{
    bool ok = false;
    const QString name = prompts().getText(this, tr("New Page"), tr("Enter a pagename"), tr("New Page"), &ok);
    if (ok && !name.isEmpty())
        AddPage(SalePromotion::initialPage(name));
}

void SalePromotionDialog::RemovePageHandler()
{
    SalePromotionPageItem* page = m_pages->currentPage();
    if (!page)
        return;
    if (m_pages->topLevelItemCount() <= 1) {
        prompts().information(this, tr("Info"), tr("One page must exist."));
        return;
    }
    if (!confirmPromotionRemoval(this, tr("Remove Page"), tr("Remove Page?")))
        return;
    delete page; // and its conditions
    showConditionsOf(m_pages->currentPage());
}

void SalePromotionDialog::PageUpHandler()
{
    moveCurrentRow(m_pages, -1);
}

void SalePromotionDialog::PageDownHandler()
{
    moveCurrentRow(m_pages, 1);
}

void SalePromotionDialog::AddConditionHandler(QListWidgetItem* item)
{
    SalePromotionPageItem* page = m_pages->currentPage();
    if (!item || !page || !mayChange())
        return;
    const QString condition = editCondition(static_cast<ConditionTypeItem*>(item)->kind(), QString());
    if (condition.isEmpty())
        return;
    auto* added = new ConditionViewItem(page->conditions(), condition);
    page->conditions()->setCurrentItem(added);
}

void SalePromotionDialog::ConditionDoubleClickedHandler(ConditionViewItem* item)
{
    if (!item || !mayChange())
        return;
    const QString condition = editCondition(item->kind(), item->condition());
    if (!condition.isEmpty())
        item->setCondition(condition);
}

void SalePromotionDialog::RemoveConditionHandler()
{
    ConditionViewItem* condition = m_shownConditions ? m_shownConditions->currentCondition() : nullptr;
    if (condition && confirmPromotionRemoval(this, tr("Remove Condition"), tr("Remove Condition?")))
        delete condition;
}

void SalePromotionDialog::ConditionUpHandler()
{
    if (m_shownConditions)
        moveCurrentRow(m_shownConditions, -1);
}

void SalePromotionDialog::ConditionDownHandler()
{
    if (m_shownConditions)
        moveCurrentRow(m_shownConditions, 1);
}

void SalePromotionDialog::OpenArticleListHandler()
{
    if (const auto plu = QtWidgets::ArticleSelectDialog::choose(this, workspaceList(PosLib::Lists::articles)))
        CombiActionPlu->setValue(*plu);
}

QString SalePromotionDialog::editCondition(int kind, const QString& condition)
{
    switch (kind) {
    case SalesPromotionCondition::OrderKind:
        return runPromotionConditionDialog<OrderConditionDialog>(this, workspace(), condition);
    case SalesPromotionCondition::DepartmentKind:
        return runPromotionConditionDialog<DepartmentConditionDialog>(this, workspace(), condition);
    default: // a table condition and unknown kinds are kept as they are
        return QString();
    }
}

bool SalePromotionDialog::mayChange() const
{
    return TLumConfig::appliedRight(this) == TLumConfig::Full;
}
