#pragma once

#include "lumdialogs_global.h"
#include "tcardactionvalue.h"
#include "teditorform.h"
#include "tlumdlg.h"
#include "ui_TNetActionDlgBase.h"

#include <QList>

class QTreeWidget;
class TLumWindow;

namespace Basics {
class TValueList;
}
namespace PosLib {
class TNetCardAction;
}

// The card action form: the type ("Presets"), the card field and the modifier, the value widget of
// the type, the description and the validity period.
class LUMDIALOGS_EXPORT TNetActionDlgBase : public LumDialogs::TEditorLayout<Ui::TNetActionDlgBase> {
    Q_OBJECT
public:
    explicit TNetActionDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                               Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void onPresetChange();
    virtual void onFieldChange();
    virtual void onfreeinput(bool on);
};

// One action of a template (and the base of the action of a card, TNetActionDlg): a new action
// for the list given with setList, or the actions of the rows selected in a list of actions. A row
// stands for the action of its record, or of the id in its column 0.
class LUMDIALOGS_EXPORT TNetActionTemplateDlg : public TNetActionDlgBase, protected TLumDlg {
    Q_OBJECT
public:
    TNetActionTemplateDlg(TLumWindow* window, QWidget* parent);

    // The list the dialog stores into.
    void setList(Basics::TValueList* list) { m_list = list; }
    // A new action, numbered after the last row of the view.
    virtual void setID(QTreeWidget* view);
    // The actions of the rows selected in the view; the first one is shown.
    virtual void setData(QTreeWidget* view);
    // Writes the inputs into the action.
    virtual void getData(PosLib::TNetCardAction* action);

    void accept() override { accept(true); }
    // Stores a new action, or the inputs into every selected action; false, with the dialog open,
    // when the id is refused or the user may not change actions.
    virtual bool accept(bool close);

    // The frame's element check: false, after telling the operator, for an id below 1 or taken.
    static bool checkElem(QWidget* parent, Basics::TValueList* list, int id);

protected:
    TNetActionTemplateDlg(TLumWindow* window, const QString& name, QWidget* parent);

    // Set-up; validity says whether the validity period is edited.
    virtual void initData(bool validity);
    virtual void initControls();
    // The modifiers and the card fields the action type offers.
    void fillActionBox(int type);
    void fillFieldBox(int type);
    // The action types.
    void fillMapping();
    QString getCounterText(int type) const;
    void checkSelect(QDialog* dialog);

    void onPresetChange() override;
    void onFieldChange() override {}
    void onfreeinput(bool) override {}
    void onFirst() override {}
    void onPrev() override {}
    void onNext() override {}
    void onLast() override {}
    void onHelp() override;

    int currentType() const;
    // Shows the action: type, field, modifier, value, description.
    virtual void showAction(const PosLib::TNetCardAction& action);
    // The actions of the rows selected in the view.
    QList<PosLib::TNetCardAction*> selectedActions() const;
    LumDialogs::TActionValueWidgets valueWidgets() const;

    TLumWindow* m_window;
    Basics::TValueList* m_list = nullptr;
    QTreeWidget* m_view = nullptr;
    bool m_newAction = true;
};
