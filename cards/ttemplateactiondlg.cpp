#include "ttemplateactiondlg.h"

#include "tcardactiontext.h"
#include "tcurrencies.h"
#include "tnetactiontemplatedlg.h"
#include "tnetcardaction.h"

#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>

using PosLib::TNetCardAction;
using PosLib::TTemplateCardAction;

TNetActionTemplateDlgBase::TNetActionTemplateDlgBase(QWidget* parent, const char* name, bool modal,
                                                     Qt::WindowFlags fl)
    : TEditorLayout(parent, name, modal, fl)
{
    connect(b_TempUp, &QPushButton::clicked, this, &TNetActionTemplateDlgBase::onTempUp);
    connect(b_TempDn, &QPushButton::clicked, this, &TNetActionTemplateDlgBase::onTempDown);
    connect(b_add, &QPushButton::clicked, this, &TNetActionTemplateDlgBase::onTempAdd);
    connect(b_del, &QPushButton::clicked, this, &TNetActionTemplateDlgBase::onTempDel);
    connect(m_templates, &QTreeWidget::itemActivated, this, &TNetActionTemplateDlgBase::onChangeTemp);
    connect(m_templates, &QTreeWidget::itemSelectionChanged, this, &TNetActionTemplateDlgBase::onSelChanged);
}

void TNetActionTemplateDlgBase::onTempAdd()
{
    notImplemented("onTempAdd()");
}
void TNetActionTemplateDlgBase::onTempDel()
{
    notImplemented("onTempDel()");
}
void TNetActionTemplateDlgBase::onTempUp()
{
    notImplemented("onTempUp()");
}
void TNetActionTemplateDlgBase::onTempDown()
{
    notImplemented("onTempDown()");
}
void TNetActionTemplateDlgBase::onChangeTemp(QTreeWidgetItem*)
{
    notImplemented("onChangeTemp(QListViewItem*)");
}
void TNetActionTemplateDlgBase::onSelChanged()
{
    notImplemented("onSelChanged()");
}

// The template's actions as the rows of the list show them.
class TTemplateActionDlg::TActionsField : public LumDialogs::TField<TTemplateCardAction> {
public:
    explicit TActionsField(TTemplateActionDlg* dialog)
        : TField({.shownFromFirst = true})
        , m_dialog(dialog)
    {
    }
    bool differs(const TTemplateCardAction& a, const TTemplateCardAction& b) const override
    {
        return a.getString("templates") != b.getString("templates");
    }
    void show(TLumDlg&, const TTemplateCardAction& record, bool) override
    {
        m_dialog->showActions(record.getActions());
    }
    void store(TTemplateCardAction& record) const override { record.setActions(m_dialog->rowActions()); }
    QVariant state() const override
    {
        TTemplateCardAction record;
        store(record);
        return record.getString("templates");
    }
    QList<QWidget*> widgets() const override { return {m_dialog->m_templates}; }

private:
    TTemplateActionDlg* m_dialog;
};

TTemplateActionDlg::TTemplateActionDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "TTemplateActionDlg")
    , m_actions(PosLib::TListNames::of<TNetCardAction>())
{
    connect(&m_actions, &Basics::TValueList::inserted, this, &TTemplateActionDlg::onInsertItem);
    connect(&m_actions, &Basics::TValueList::changed, this, &TTemplateActionDlg::onInsertItem);
}

TTemplateActionDlg::~TTemplateActionDlg() = default;

void TTemplateActionDlg::initData()
{
    m_templates->setColumnCount(3);
    m_templates->setHeaderLabels({tr("ID"), tr("Spezification"), tr("Description")});
    m_templates->setColumnWidth(1, 260);
    b_TempUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    b_TempDn->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    b_add->setShortcut(QKeySequence(Qt::Key_Insert));
    b_del->setShortcut(QKeySequence(Qt::Key_Delete));
    fields()
        .text(m_Name, &TTemplateCardAction::getName, &TTemplateCardAction::setName)
        .add(std::make_unique<TActionsField>(this));
    onSelChanged();
}

void TTemplateActionDlg::writeRow(QTreeWidgetItem* row, const TNetCardAction& action)
{
    const auto* currencies = qobject_cast<const TCurrencies*>(workspaceList(QStringLiteral("currencies")));
    row->setText(0, QString::number(action.getID()));
    row->setText(1, cardActionText(action, currencies));
    row->setText(2, action.getDescription());
}

void TTemplateActionDlg::showActions(const QList<TNetCardAction>& actions)
{
    const QSignalBlocker quiet(&m_actions);
    m_actions.clear();
    m_templates->clear();
    int id = 0;
    for (const TNetCardAction& stored : actions) {
        auto* action = new TNetCardAction(stored);
        action->setID(++id);
        m_actions.insert(action);
        writeRow(new QTreeWidgetItem(m_templates), *action);
    }
    onSelChanged();
}

QList<TNetCardAction> TTemplateActionDlg::rowActions() const
{
    QList<TNetCardAction> actions;
    for (int row = 0; row < m_templates->topLevelItemCount(); ++row) {
        if (const auto* action = dynamic_cast<const TNetCardAction*>(
                m_actions.find(m_templates->topLevelItem(row)->text(0).toInt()))) {
            actions << *action;
            actions.last().setID(int(actions.size()));
        }
    }
    return actions;
}

void TTemplateActionDlg::onInsertItem(Basics::TValue* value)
{
    const auto* action = dynamic_cast<const TNetCardAction*>(value);
    if (!action)
        return;
    for (int row = 0; row < m_templates->topLevelItemCount(); ++row) {
        if (m_templates->topLevelItem(row)->text(0).toInt() == action->getID()) {
            writeRow(m_templates->topLevelItem(row), *action);
            return;
        }
    }
    writeRow(new QTreeWidgetItem(m_templates), *action);
    onSelChanged();
}

void TTemplateActionDlg::onTempAdd()
{
    TNetActionTemplateDlg editor(window(), this);
    editor.setList(&m_actions);
    editor.setID(m_templates);
    editor.exec();
    onChange();
}

void TTemplateActionDlg::onChangeTemp(QTreeWidgetItem* item)
{
    if (!item)
        return;
    TNetActionTemplateDlg editor(window(), this);
    editor.setWindowTitle(tr("Edit card action"));
    editor.setList(&m_actions);
    editor.setData(m_templates);
    editor.exec();
    onChange();
}

void TTemplateActionDlg::onTempDel()
{
    for (QTreeWidgetItem* row : m_templates->selectedItems()) {
        if (Basics::TValue* action = m_actions.find(row->text(0).toInt()))
            m_actions.remove(action);
        delete row;
    }
    onSelChanged();
    onChange();
}

// The rows exchange their actions and texts; the two actions exchange their ids, so each row keeps
// its number.
void TTemplateActionDlg::swapRows(int from, int to)
{
    QTreeWidgetItem* moved = m_templates->topLevelItem(from);
    QTreeWidgetItem* other = m_templates->topLevelItem(to);
    Basics::TValue* movedAction = m_actions.find(moved->text(0).toInt());
    Basics::TValue* otherAction = m_actions.find(other->text(0).toInt());
    if (!movedAction || !otherAction)
        return;
    const int movedId = movedAction->getID();
    const int otherId = otherAction->getID();
    const Basics::TValue kept = *movedAction;
    *movedAction = *otherAction;
    movedAction->setID(movedId);
    *otherAction = kept;
    otherAction->setID(otherId);
    writeRow(moved, *static_cast<TNetCardAction*>(movedAction));
    writeRow(other, *static_cast<TNetCardAction*>(otherAction));
    m_templates->clearSelection();
    m_templates->setCurrentItem(other);
    other->setSelected(true);
    onChange();
}

void TTemplateActionDlg::onTempUp()
{
    const QList<QTreeWidgetItem*> selected = m_templates->selectedItems();
    const int row = selected.size() == 1 ? m_templates->indexOfTopLevelItem(selected.first()) : -1;
    if (row > 0)
        swapRows(row, row - 1);
}

void TTemplateActionDlg::onTempDown()
{
    const QList<QTreeWidgetItem*> selected = m_templates->selectedItems();
    const int row = selected.size() == 1 ? m_templates->indexOfTopLevelItem(selected.first()) : -1;
    if (row >= 0 && row + 1 < m_templates->topLevelItemCount())
        swapRows(row, row + 1);
}

void TTemplateActionDlg::onSelChanged()
{
    const QList<QTreeWidgetItem*> selected = m_templates->selectedItems();
    const int rows = m_templates->topLevelItemCount();
    const int row = selected.size() == 1 ? m_templates->indexOfTopLevelItem(selected.first()) : -1;
    b_TempUp->setEnabled(rows >= 2 && row > 0);
    b_TempDn->setEnabled(rows >= 2 && row >= 0 && row + 1 < rows);
    b_del->setEnabled(!selected.isEmpty());
}
