#include "conditiondialogs.h"

#include "articleselectdialog.h"
#include "teditorframe.h"
#include "tlistnames.h"
#include "tlumworkspace.h"
#include "tprompts.h"
#include "tvaluelist.h"

namespace {

// A count of 1 to 200 pieces.
void prepareConditionCount(QSpinBox* count)
{
    count->setRange(1, 200);
    count->setSuffix(QCoreApplication::translate("OrderConditionDialog", " pcs"));
}

// "Ignore" (key 0) before the records of the list.
void fillIgnoringChooser(ComboControl* combo, TLumWorkspace* workspace, const QString& list)
{
    combo->clear();
    combo->insertItem(0, QCoreApplication::translate("OrderConditionDialog", "Ignore"), QStringLiteral("0"));
    combo->addRecords(workspace ? workspace->getData(list) : nullptr);
}

QString conditionKey(int id)
{
    return QString::number(id);
}

int conditionKeyValue(const ComboControl* combo)
{
    return combo->currentKey().toInt();
}

} // namespace

OrderConditionDialogBase::OrderConditionDialogBase(QWidget* parent, const char* name, bool modal,
                                                   Qt::WindowFlags fl)
    : PromotionForm(parent, name, "OrderConditionDialogBase", modal, fl)
{
    connect(OpenArticleDlgButton, &QPushButton::clicked, this,
            &OrderConditionDialogBase::OpenArticleDlgHandler);
}

void OrderConditionDialogBase::OpenArticleDlgHandler()
{
    LumDialogs::notImplemented("OrderConditionDialogBase::OpenArticleDlgHandler()");
}

OrderConditionDialog::OrderConditionDialog(QWidget* parent, TLumWorkspace* workspace)
    : OrderConditionDialogBase(parent, "OrderConditionDialog", true)
    , m_workspace(workspace)
{
}

void OrderConditionDialog::Init()
{
    prepareConditionCount(CountControl);
    DiscountControl->clear();
    DiscountControl->insertItem(0, tr("Ignore"), conditionKey(PosLib::OrderCondition::IgnoreDiscount));
    DiscountControl->insertItem(1, tr("Yes"), conditionKey(PosLib::OrderCondition::Discounted));
    DiscountControl->insertItem(2, tr("No"), conditionKey(PosLib::OrderCondition::NotDiscounted));
    fillIgnoringChooser(CostcenterControl, m_workspace, QStringLiteral("costcenters"));
    fillIgnoringChooser(FamilyControl, m_workspace, PosLib::Lists::families);
    fillIgnoringChooser(PricelevelControl, m_workspace, QStringLiteral("pricelevels"));
}

void OrderConditionDialog::SetModel(const PosLib::SalesPromotionCondition& condition)
{
    m_condition = PosLib::OrderCondition(condition);
    m_plu = m_condition.getPlu();
    RenderArticle(m_plu);
    CostcenterControl->setCurrentKey(conditionKey(m_condition.getCostCenter()));
    FamilyControl->setCurrentKey(conditionKey(m_condition.getFamily()));
    PricelevelControl->setCurrentKey(conditionKey(m_condition.getPriceLevel()));
    DiscountControl->setCurrentKey(conditionKey(m_condition.getDiscount()));
    CountControl->setValue(m_condition.getCount());
}

QString OrderConditionDialog::GetModel() const
{
    PosLib::OrderCondition condition = m_condition;
    condition.setInt("type", PosLib::SalesPromotionCondition::OrderKind);
    condition.setPlu(m_plu);
    condition.setCostCenter(conditionKeyValue(CostcenterControl));
    condition.setFamily(conditionKeyValue(FamilyControl));
    condition.setPriceLevel(conditionKeyValue(PricelevelControl));
    condition.setDiscount(conditionKeyValue(DiscountControl));
    condition.setCount(CountControl->value());
    return condition.toJson();
}

void OrderConditionDialog::accept()
{
    if (m_plu == 0) {
        prompts().information(this, tr("Info"), tr("No article speicified."));
        return;
    }
    QDialog::accept();
}

void OrderConditionDialog::OpenArticleDlgHandler()
{
    const auto plu = QtWidgets::ArticleSelectDialog::choose(
        this, m_workspace ? m_workspace->getData(PosLib::Lists::articles) : nullptr);
    if (!plu)
        return;
    m_plu = *plu;
    RenderArticle(m_plu);
}

void OrderConditionDialog::RenderArticle(int plu)
{
    if (plu == 0) {
        ArticleLabel->clear();
        return;
    }
    const Basics::TValueList* articles =
        m_workspace ? m_workspace->getData(PosLib::Lists::articles) : nullptr;
    const Basics::TValue* article = articles ? articles->find(plu) : nullptr;
    ArticleLabel->setText(
        QStringLiteral("%1 %2").arg(plu, -5).arg(article ? article->getName() : tr("(missing)")));
}

DepartmentConditionDialogBase::DepartmentConditionDialogBase(QWidget* parent, const char* name, bool modal,
                                                             Qt::WindowFlags fl)
    : PromotionForm(parent, name, "DepartmentConditionDialogBase", modal, fl)
{
}

DepartmentConditionDialog::DepartmentConditionDialog(QWidget* parent, TLumWorkspace* workspace)
    : DepartmentConditionDialogBase(parent, "DepartmentConditionDialog", true)
    , m_workspace(workspace)
{
}

void DepartmentConditionDialog::Init()
{
    prepareConditionCount(CountControl);
    DepartmentControl->clear();
    DepartmentControl->addRecords(m_workspace ? m_workspace->getData(PosLib::Lists::departments) : nullptr);
    fillIgnoringChooser(PricelevelControl, m_workspace, QStringLiteral("pricelevels"));
}

void DepartmentConditionDialog::SetModel(const PosLib::SalesPromotionCondition& condition)
{
    m_condition = PosLib::DepartmentCondition(condition);
    DepartmentControl->setCurrentKey(conditionKey(m_condition.getDepartment()));
    PricelevelControl->setCurrentKey(conditionKey(m_condition.getPriceLevel()));
    CountControl->setValue(m_condition.getCount());
}

QString DepartmentConditionDialog::GetModel() const
{
    PosLib::DepartmentCondition condition = m_condition;
    condition.setInt("type", PosLib::SalesPromotionCondition::DepartmentKind);
    condition.setDepartment(conditionKeyValue(DepartmentControl));
    condition.setPriceLevel(conditionKeyValue(PricelevelControl));
    condition.setCount(CountControl->value());
    return condition.toJson();
}
