#pragma once

#include "tlumwindow.h"

#include <QHash>
#include <QPointer>
#include <QString>

class QAction;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class TLumListItem;
class TLumListView;

namespace Basics {
class TValue;
class TValueList;
} // namespace Basics

// The back office's main window: a navigator of the workspace lists on the left, the records of
// the chosen list on the right, and the actions that create, edit and delete them through the
// list's editor.
class TOfficeWindow : public TLumWindow {
    Q_OBJECT
public:
    explicit TOfficeWindow(TLumWorkspace* workspace, QWidget* parent = nullptr);
    ~TOfficeWindow() override;

    // Shows the list of that name (the navigator follows); false for a list it does not know.
    bool showList(const QString& name);
    const QString& currentList() const { return m_listName; }
    TLumListView* listView() const { return m_view; }
    QTreeWidget* navigator() const { return m_navigator; }

    // The actions, as the menus and the tool bar offer them.
    QAction* newAction() const { return m_new; }
    QAction* editAction() const { return m_edit; }
    QAction* deleteAction() const { return m_delete; }
    QAction* findAction() const { return m_find; }
    QAction* refreshAction() const { return m_refresh; }

public Q_SLOTS:
    void newRecord();
    void editSelection();
    void deleteSelection();
    void findNext();
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildActions();
    void buildNavigator();
    void fillView();
    void connectList(Basics::TValueList* list);
    void updateActions();
    void updateTitle();
    void updateStatus();
    bool editable() const;
    void runEditor(bool newRecord);

    void onInserted(Basics::TValue* value);
    void onChanged(Basics::TValue* value);
    void onRemoved(Basics::TValue* value);
    void onReloaded(const QString& name);
    void onLoadFailed(const QString& name, const QString& file, const QString& reason);
    void onSaveFailed(const QString& name, const QString& file, const QString& reason);

    QTreeWidget* m_navigator;
    TLumListView* m_view;
    QLabel* m_title;
    QLabel* m_banner;
    QLineEdit* m_findField;
    QLabel* m_statusRecords;
    QLabel* m_statusUser;
    QAction* m_new = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_find = nullptr;
    QAction* m_refresh = nullptr;
    QString m_listName;
    QPointer<Basics::TValueList> m_list;
    QHash<const Basics::TValue*, TLumListItem*> m_items;
};
