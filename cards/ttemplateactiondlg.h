#pragma once

#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "tlistnames.h"
#include "ttemplatecardaction.h"
#include "ui_TNetActionTemplateDlgBase.h"

class QTreeWidgetItem;

// The card action template form: number, name and the list of the template's actions with the
// buttons that add, delete and move them.
class LUMDIALOGS_EXPORT TNetActionTemplateDlgBase
    : public LumDialogs::TEditorLayout<Ui::TNetActionTemplateDlgBase> {
    Q_OBJECT
public:
    explicit TNetActionTemplateDlgBase(QWidget* parent = nullptr, const char* name = nullptr,
                                       bool modal = false, Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void onTempAdd();
    virtual void onTempDel();
    virtual void onTempUp();
    virtual void onTempDown();
    virtual void onChangeTemp(QTreeWidgetItem* item);
    virtual void onSelChanged();
};

// Creates and edits card action templates: named lists of actions, prepared once and applied to
// cards. The actions are edited with TNetActionTemplateDlg on a list of the dialog's own and
// numbered 1, 2, 3 ... in row order when the template is saved. With several templates, the first
// one's actions are shown and go into every selected template.
class LUMDIALOGS_EXPORT TTemplateActionDlg
    : public LumDialogs::TEditorDialog<TNetActionTemplateDlgBase, PosLib::TTemplateCardAction> {
    Q_OBJECT
public:
    TTemplateActionDlg(TLumWindow* window, QWidget* parent);
    ~TTemplateActionDlg() override;

    using TEditorDialog::accept;

protected:
    void initData() override;
    void onTempAdd() override;
    void onTempDel() override;
    void onTempUp() override;
    void onTempDown() override;
    void onChangeTemp(QTreeWidgetItem* item) override;
    void onSelChanged() override;
    // A new or changed action of the dialog's list: its row is rewritten, or one is added.
    void onInsertItem(Basics::TValue* value);

private:
    class TActionsField;

    // The actions in row order, numbered from 1.
    QList<PosLib::TNetCardAction> rowActions() const;
    void showActions(const QList<PosLib::TNetCardAction>& actions);
    void writeRow(QTreeWidgetItem* row, const PosLib::TNetCardAction& action);
    void swapRows(int from, int to);

    PosLib::TNamedList m_actions;
};
