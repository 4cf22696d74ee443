#pragma once

// The editor of text-module groups and of help-text groups, written once for both. Two lists hold
// every module of the module list, row for row in the same order: "of group" and "available". A
// module belongs to the group while its row of the group is shown (and its available row hidden).
// Each member has a prio of 0 to 99, edited in place (Return), or for the selected members through
// the context menu. With several groups the first group's members are shown and go into every
// selected group.

#include "teditordialog.h"
#include "teditorform.h"
#include "tprompts.h"
#include "ttextmodule.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace LumDialogs {

// The layout of a group form: the buttons and lists connected to their slots.
template <class Form>
class TTextGroupLayout : public TEditorLayout<Form> {
public:
    explicit TTextGroupLayout(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                              Qt::WindowFlags fl = {})
        : TEditorLayout<Form>(parent, name, modal, fl)
    {
        using Self = TTextGroupLayout<Form>;
        QTreeWidget* members = this->m_TextModulesOfGroup;
        QObject::connect(this->m_GetAllButton, &QPushButton::clicked, this, &Self::onGetAllModules);
        QObject::connect(this->m_GetSelectedButton, &QPushButton::clicked, this, &Self::onGetSelectedModules);
        QObject::connect(this->m_DropSelectedButton, &QPushButton::clicked, this,
                         &Self::onDropSelectedModules);
        QObject::connect(this->m_DropAllButton, &QPushButton::clicked, this, &Self::onDropAllModules);
        QObject::connect(this->m_RestoreModulesButton, &QPushButton::clicked, this,
                         &Self::onRestoreAllModules);
        QObject::connect(this->m_TextModules, &QTreeWidget::itemDoubleClicked, this,
                         &Self::onGetClickedModule);
        QObject::connect(members, &QTreeWidget::itemDoubleClicked, this, &Self::onDropClickedModule);
        QObject::connect(members, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
            onCheckPrio(item, column, item->text(column));
        });
        QObject::connect(
            members, &QWidget::customContextMenuRequested, this, [this, members](const QPoint& at) {
                onGroupContextMenuRequest(members->itemAt(at), members->viewport()->mapToGlobal(at),
                                          members->columnAt(at.x()));
            });
    }

protected:
    virtual void onGetAllModules() { this->notImplemented("onGetAllModules()"); }
    virtual void onGetSelectedModules() { this->notImplemented("onGetSelectedModules()"); }
    virtual void onGetClickedModule(QTreeWidgetItem*)
    {
        this->notImplemented("onGetClickedModule(QListViewItem*)");
    }
    virtual void onDropAllModules() { this->notImplemented("onDropAllModules()"); }
    virtual void onDropSelectedModules() { this->notImplemented("onDropSelectedModules()"); }
    virtual void onDropClickedModule(QTreeWidgetItem*)
    {
        this->notImplemented("onDropClickedModule(QListViewItem*)");
    }
    virtual void onRestoreAllModules() { this->notImplemented("onRestoreAllModules()"); }
    virtual void onCheckPrio(QTreeWidgetItem*, int, const QString&)
    {
        this->notImplemented("onCheckPrio(QListViewItem*,int,const QString&)");
    }
    virtual void onEnterPrio(QTreeWidgetItem*) { this->notImplemented("onEnterPrio(QListViewItem*)"); }
    virtual void onGroupContextMenuRequest(QTreeWidgetItem*, const QPoint&, int)
    {
        this->notImplemented("onGroupContextMenuRequest(QListViewItem*,const QPoint&,int)");
    }
};

template <class Layout, class Record, class Module>
class TTextGroupEditor : public TEditorDialog<Layout, Record> {
    using Base = TEditorDialog<Layout, Record>;
    using Member = PosLib::TTextModulesGroup::Member;

protected:
    static constexpr int prioColumn = 2;
    static constexpr int moduleRole = Qt::UserRole;

    TTextGroupEditor(TLumWindow* window, QWidget* parent, const char* objectName)
        : Base(window, parent, objectName)
    {
    }

    void initData() override
    {
        this->m_RestoreModulesButton->hide();
        this->m_TextModulesOfGroup->installEventFilter(this);
        LoadAllModules();
        this->fields()
            .text(this->m_Name, &Record::getName, &Record::setName)
            .add(std::make_unique<TMembersField>(this));
    }

    // Editing stored groups can restore what they held.
    void showRecord(const Record& reference) override
    {
        Base::showRecord(reference);
        this->m_RestoreModulesButton->show();
    }

    // Return on a row of the group edits its prio (and does not close the dialog). The Return that
    // ends an edit comes here from the editor; the view takes it.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QTreeWidget* members = this->m_TextModulesOfGroup;
        if (watched == members && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            QTreeWidgetItem* current = members->currentItem();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
                !(current && members->itemWidget(current, prioColumn))) {
                onEnterPrio(current);
                return true;
            }
        }
        return Base::eventFilter(watched, event);
    }

    void onGetAllModules() override
    {
        for (int row = 0; row < rowCount(); ++row)
            moveIn(row);
    }
    void onGetSelectedModules() override
    {
        for (int row : selectedRows(this->m_TextModules))
            moveIn(row);
    }
    void onGetClickedModule(QTreeWidgetItem* item) override
    {
        if (item)
            moveIn(this->m_TextModules->indexOfTopLevelItem(item));
    }
    void onDropAllModules() override
    {
        for (int row = 0; row < rowCount(); ++row)
            moveOut(row);
    }
    void onDropSelectedModules() override
    {
        for (int row : selectedRows(this->m_TextModulesOfGroup))
            moveOut(row);
    }
    void onDropClickedModule(QTreeWidgetItem* item) override
    {
        if (item)
            moveOut(this->m_TextModulesOfGroup->indexOfTopLevelItem(item));
    }
    // The members of every selected group; where they share a module, the last one's prio.
    void onRestoreAllModules() override
    {
        if (!this->listView())
            return;
        const QSignalBlocker quiet(this->m_TextModulesOfGroup);
        onDropAllModules();
        for (const Record* group : this->selectedRecords(this->listView()))
            SetTextModules(*group);
    }
    // A prio is a number from 0 to 99; blanks around it go, an empty one is 0.
    void onCheckPrio(QTreeWidgetItem* item, int column, const QString& typed) override
    {
        if (!item || column != prioColumn)
            return;
        const QString prio = typed.simplified();
        bool number = !prio.isEmpty();
        for (const QChar c : prio)
            number = number && c >= u'0' && c <= u'9';
        QString shown = QStringLiteral("0");
        if (number && prio.size() <= 2)
            shown = QString::number(prio.toInt());
        else if (!prio.isEmpty())
            prompts().information(this, text("Info"), text("Only numerics 0-99 allowed."));
        if (item->text(prioColumn) != shown)
            item->setText(prioColumn, shown);
    }
    void onEnterPrio(QTreeWidgetItem* item) override
    {
        if (item && !item->isHidden())
            this->m_TextModulesOfGroup->editItem(item, prioColumn);
    }
    void onGroupContextMenuRequest(QTreeWidgetItem* item, const QPoint& at, int) override
    {
        if (!item || !this->m_TextModulesOfGroup->isEnabled())
            return;
        QMenu menu(this);
        menu.addAction(text("Clear prios"), this, [this] { clearSelectedPrios(); });
        menu.addAction(text("Ignore"), this, [this] { setSelectedIgnorePrios(); });
        menu.addAction(text("Set prio to"), this, [this] { setSelectedPriosTo(); });
        menu.exec(at);
    }

    void clearSelectedPrios() { setSelectedPrios(0); }
    void setSelectedIgnorePrios() { setSelectedPrios(PosLib::TTextModulesGroup::ignoredPrio); }
    void setSelectedPriosTo()
    {
        bool ok = false;
        const int prio = prompts().getInt(this, text("Set prio to"), text("Enter a prio between 0 and 99."),
                                          0, 0, PosLib::TTextModulesGroup::maxPrio, 1, &ok);
        if (ok)
            setSelectedPrios(prio);
    }

private:
    // The members: shown from the first group and written into every selected group.
    class TMembersField : public TField<Record> {
    public:
        explicit TMembersField(TTextGroupEditor* editor)
            : TField<Record>({.shownFromFirst = true})
            , m_editor(editor)
        {
        }
        bool differs(const Record& a, const Record& b) const override
        {
            return a.getMembers() != b.getMembers();
        }
        void show(TLumDlg&, const Record& record, bool) override
        {
            m_editor->onDropAllModules();
            m_editor->SetTextModules(record);
        }
        void store(Record& record) const override { record.setMembers(m_editor->members()); }
        QVariant state() const override
        {
            QStringList entries;
            for (const Member& member : m_editor->members())
                entries << QStringLiteral("%1-%2").arg(member.module).arg(member.prio);
            return entries.join(u',');
        }
        QList<QWidget*> widgets() const override { return {m_editor->m_TextModulesOfGroup}; }

    private:
        TTextGroupEditor* m_editor;
    };

    int rowCount() const { return this->m_TextModules->topLevelItemCount(); }
    QTreeWidgetItem* memberRow(int row) const { return this->m_TextModulesOfGroup->topLevelItem(row); }
    QTreeWidgetItem* sourceRow(int row) const { return this->m_TextModules->topLevelItem(row); }

    // One row in each list per module, in the list's order; no module is a member yet.
    void LoadAllModules()
    {
        this->m_TextModulesOfGroup->clear();
        this->m_TextModules->clear();
        m_rowOfModule.clear();
        Basics::TValueList* modules = this->workspaceList(PosLib::TListNames::of<Module>().root);
        if (!modules)
            return;
        for (const Basics::TValue* module : *modules) {
            const QString number = QString::asprintf("%3d", module->getID());
            auto* source = new QTreeWidgetItem(this->m_TextModules, {number, module->getName()});
            auto* member = new QTreeWidgetItem(this->m_TextModulesOfGroup,
                                               {number, module->getName(), QStringLiteral("0")});
            member->setFlags(member->flags() | Qt::ItemIsEditable);
            member->setData(0, moduleRole, module->getID());
            for (QTreeWidgetItem* row : {source, member})
                row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
            member->setTextAlignment(prioColumn, Qt::AlignRight | Qt::AlignVCenter);
            member->setHidden(true);
            m_rowOfModule.insert(module->getID(), this->m_TextModules->indexOfTopLevelItem(source));
        }
        for (QTreeWidget* list : {this->m_TextModulesOfGroup, this->m_TextModules})
            list->resizeColumnToContents(0);
    }

    // Shows the group's members with their prios; modules that no longer exist are left out.
    void SetTextModules(const Record& group)
    {
        for (const Member& member : group.getMembers()) {
            const auto row = m_rowOfModule.constFind(member.module);
            if (row == m_rowOfModule.cend())
                continue;
            moveIn(*row);
            memberRow(*row)->setText(prioColumn, QString::number(member.prio));
        }
    }

    QList<Member> members() const
    {
        QList<Member> members;
        for (int row = 0; row < rowCount(); ++row) {
            const QTreeWidgetItem* member = memberRow(row);
            if (!member->isHidden())
                members << Member{member->data(0, moduleRole).toInt(), member->text(prioColumn).toInt()};
        }
        return members;
    }

    // The rows selected and shown in a list, top to bottom.
    static QList<int> selectedRows(const QTreeWidget* list)
    {
        QList<int> rows;
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = list->topLevelItem(row);
            if (item->isSelected() && !item->isHidden())
                rows << row;
        }
        return rows;
    }

    // A moved row keeps its prio; the row left behind is hidden and no longer selected.
    void moveIn(int row) { move(sourceRow(row), memberRow(row)); }
    void moveOut(int row) { move(memberRow(row), sourceRow(row)); }
    static void move(QTreeWidgetItem* from, QTreeWidgetItem* to)
    {
        if (!from || !to)
            return;
        from->setSelected(false);
        from->setHidden(true);
        to->setHidden(false);
    }

    void setSelectedPrios(int prio)
    {
        for (int row : selectedRows(this->m_TextModulesOfGroup))
            memberRow(row)->setText(prioColumn, QString::number(prio));
    }

    // The messages and menu entries are the same for every group editor.
    static QString text(const char* source)
    {
        return QCoreApplication::translate("TTextGroupEditor", source);
    }

    QHash<int, int> m_rowOfModule;
};

} // namespace LumDialogs
