#include "tnetactiontemplatedlg.h"

#include "tcardactionfields.h"
#include "teditorframe.h"
#include "tlumconfig.h"
#include "tlumlistview.h"
#include "tlumwindow.h"
#include "tnetcardaction.h"
#include "tvaluelist.h"

#include <QDateTime>
#include <QTreeWidget>

using PosLib::TCardActionField;
using PosLib::TCardActionType;
using PosLib::TNetCardAction;

TNetActionDlgBase::TNetActionDlgBase(QWidget* parent, const char* name, bool modal, Qt::WindowFlags fl)
    : TEditorLayout(parent, name, modal, fl)
{
    connect(m_presets, &QComboBox::activated, this, &TNetActionDlgBase::onPresetChange);
    connect(m_field, &QComboBox::activated, this, &TNetActionDlgBase::onFieldChange);
    connect(m_chkFreeInput, &QCheckBox::toggled, this, &TNetActionDlgBase::onfreeinput);
}

void TNetActionDlgBase::onPresetChange()
{
    notImplemented("onPresetChange()");
}

void TNetActionDlgBase::onFieldChange()
{
    notImplemented("onFieldChange()");
}

void TNetActionDlgBase::onfreeinput(bool)
{
    notImplemented("onfreeinput(bool)");
}

TNetActionTemplateDlg::TNetActionTemplateDlg(TLumWindow* window, QWidget* parent)
    : TNetActionTemplateDlg(window, QStringLiteral("TNetActionTemplateDlg"), parent)
{
    initData(false);
}

TNetActionTemplateDlg::TNetActionTemplateDlg(TLumWindow* window, const QString& name, QWidget* parent)
    : TNetActionDlgBase(parent, name.toLatin1().constData(), true)
    , m_window(window)
{
}

void TNetActionTemplateDlg::initData(bool validity)
{
    LumDialogs::initEditor(this, m_window, {m_Number, buttonOk, b_Help, b_First, b_Prev, b_Next, b_Last});
    m_groupValidity->setVisible(validity);
    // The date that stands for "not set" in an action shows as such.
    const PosLib::TNetCardAction unset;
    for (QDateTimeEdit* edit : {m_actvalidfrom, m_actvalidto}) {
        edit->setMinimumDateTime(unset.defaultDateTime());
        edit->setSpecialValueText(tr("not set"));
        edit->setDateTime(unset.defaultDateTime());
    }
    const QDateTime today = QDate::currentDate().startOfDay();
    m_datevalue->setDateTime(today);
    initControls();
    checkSelect(this);
}

void TNetActionTemplateDlg::initControls()
{
    fillMapping();
    m_presets->setCurrentIndex(0);
    onPresetChange();
}

void TNetActionTemplateDlg::fillMapping()
{
    m_presets->clear();
    for (int type = 0; type < TCardActionType::count; ++type)
        m_presets->addItem(TCardActionType::text(type), type);
}

void TNetActionTemplateDlg::fillActionBox(int type)
{
    m_actiontype->clear();
    for (int modifier : TCardActionType::modifiers(type))
        m_actiontype->addItem(TCardActionType::modifierText(modifier), modifier);
}

void TNetActionTemplateDlg::fillFieldBox(int type)
{
    m_field->clear();
    for (const TCardActionField& field : TCardActionField::forType(type))
        m_field->addItem(field.translatedText(), field.number);
}

QString TNetActionTemplateDlg::getCounterText(int type) const
{
    return TCardActionType::counterLabel(type);
}

void TNetActionTemplateDlg::checkSelect(QDialog* dialog)
{
    checkSelection(dialog);
}

int TNetActionTemplateDlg::currentType() const
{
    return m_presets->currentData().toInt();
}

LumDialogs::TActionValueWidgets TNetActionTemplateDlg::valueWidgets() const
{
    return {m_chklocked,    textLabelCounter, m_countervalue, textLabelCurrency,
            m_currenyvalue, textLabelDate,    m_datevalue};
}

void TNetActionTemplateDlg::onPresetChange()
{
    const int type = currentType();
    m_groupValue->setEnabled(type != TCardActionType::LockedStatus);
    m_actiontype->setEnabled(type != TCardActionType::LockedStatus);
    fillActionBox(type);
    fillFieldBox(type);
    LumDialogs::showActionValueWidgets(valueWidgets(), type, false);
}

void TNetActionTemplateDlg::onHelp()
{
    TLumDlg::onHelp(QString::fromLatin1(LumDialogs::helpFile), this);
}

QList<TNetCardAction*> TNetActionTemplateDlg::selectedActions() const
{
    QList<TNetCardAction*> actions;
    if (!m_view)
        return actions;
    QList<QTreeWidgetItem*> rows;
    for (int row = 0; row < m_view->topLevelItemCount(); ++row) {
        if (m_view->topLevelItem(row)->isSelected())
            rows << m_view->topLevelItem(row);
    }
    for (QTreeWidgetItem* row : rows) {
        Basics::TValue* value = nullptr;
        if (const TLumListItem* item = TLumListItem::of(row))
            value = item->value();
        else if (m_list)
            value = m_list->find(row->text(0).toInt());
        if (auto* action = dynamic_cast<TNetCardAction*>(value))
            actions << action;
    }
    return actions;
}

void TNetActionTemplateDlg::setID(QTreeWidget* view)
{
    m_newAction = true;
    m_view = nullptr;
    const int rows = view ? view->topLevelItemCount() : 0;
    m_Number->setValue(rows > 0 ? view->topLevelItem(rows - 1)->text(0).toInt() + 1 : 1);
    m_Number->setEnabled(true);
}

void TNetActionTemplateDlg::setData(QTreeWidget* view)
{
    m_newAction = false;
    m_view = view;
    const QList<TNetCardAction*> actions = selectedActions();
    if (!actions.isEmpty())
        showAction(*actions.first());
    m_Number->setEnabled(false); // stored actions keep their ids
    checkSelect(this);
}

void TNetActionTemplateDlg::showAction(const TNetCardAction& action)
{
    const LumDialogs::TQuietFill quiet(this);
    m_Number->setValue(action.getID());
    const int type = action.getDateTag();
    m_presets->setCurrentIndex(qMax(0, m_presets->findData(type)));
    onPresetChange();
    if (const TCardActionField* field = TCardActionField::byKey(action.getField()))
        m_field->setCurrentIndex(qMax(0, m_field->findData(field->number)));
    m_actiontype->setCurrentIndex(qMax(0, m_actiontype->findData(action.getModifier() - 1)));
    LumDialogs::showActionValue(valueWidgets(), action, m_window);
    m_chkFreeInput->setChecked(action.isFreeInput());
    m_description->setText(action.getDescription());
}

void TNetActionTemplateDlg::getData(TNetCardAction* action)
{
    const int type = currentType();
    action->setDateTag(type);
    LumDialogs::storeActionValue(valueWidgets(), type, *action, m_window);
    action->setModifier(m_actiontype->currentData().toInt() + 1);
    if (const TCardActionField* field = TCardActionField::byNumber(m_field->currentData().toInt()))
        action->setField(QString::fromLatin1(field->key));
    if (m_window && m_window->userId() > 0)
        action->setCreateWaiter(m_window->userId());
    action->setCreateDate(QDateTime::currentDateTime());
    action->setUid(m_uid->text());
    action->setDescription(m_description->text());
    action->setFreeInput(m_chkFreeInput->isChecked());
    action->setID(m_Number->value());
}

bool TNetActionTemplateDlg::checkElem(QWidget* parent, Basics::TValueList* list, int id)
{
    TLumDlg check;
    return check.checkElement(parent, list, id);
}

bool TNetActionTemplateDlg::accept(bool close)
{
    if (TLumConfig::appliedRight(this) != TLumConfig::Full || !m_list)
        return false;
    if (m_newAction) {
        if (!checkElement(this, m_list, m_Number->value()))
            return false;
        auto* action = new TNetCardAction;
        getData(action);
        m_list->put(action);
    } else {
        for (TNetCardAction* action : selectedActions()) {
            const int id = action->getID();
            getData(action);
            action->setID(id);
            m_list->notifyChanged(action);
        }
    }
    if (close)
        QDialog::accept();
    return true;
}
