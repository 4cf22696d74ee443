#pragma once

#include "deletion.h"
#include "tlumconfig.h"
#include "tlumwindow.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class TCashChartDock;
class QLabel;
class QLineEdit;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
class TLumRecordView;
class TChangeHistory;

namespace Basics {
class TValue;
class TValueList;
} // namespace Basics
namespace LumDialogs {
struct TListDescriptor;
}

// The back office's main window: a navigator of the workspace lists on the left, the records of
// the chosen list on the right, and the actions that create, edit, show, delete, export and print
// them. Every action follows the logged-in user's right for the list's editor.
class TOfficeWindow : public TLumWindow {
    Q_OBJECT
public:
    explicit TOfficeWindow(TLumWorkspace* workspace, QWidget* parent = nullptr);
    ~TOfficeWindow() override;

    // Shows the list of that name (the navigator follows); false for a list it does not know.
    bool showList(const QString& name);
    const QString& currentList() const { return m_listName; }
    TLumRecordView* listView() const { return m_view; }
    QTreeWidget* navigator() const { return m_navigator; }
    QLineEdit* findField() const { return m_findField; }
    // The user's right for a list, by the object name of its editor.
    TLumConfig::Right rightFor(const QString& list) const;
    TDeletedRecords& deletedRecords() { return m_deleted; }
    TChangeHistory& changeHistory() { return *m_history; }
    // A user's name as the window shows it: the configured user's, else the waiter's, else the id.
    QString userName(int id) const;

    // The actions, as the menus and the tool bar offer them.
    QAction* newAction() const { return m_new; }
    QAction* editAction() const { return m_edit; }
    QAction* showAction() const { return m_show; }
    QAction* deleteAction() const { return m_delete; }
    QAction* findAction() const { return m_find; }
    QAction* refreshAction() const { return m_refresh; }
    QAction* historyAction() const { return m_historyAction; }
    QAction* listHistoryAction() const { return m_listHistory; }
    QAction* exportRecordsAction() const { return m_exportRecords; }
    QAction* importAction() const { return m_import; }

    // Shows the list with only that record selected and opens its editor; false (and the operator
    // told why) when the record is not there or the user may not open the list.
    bool editRecord(const QString& list, int id);

    // Restores the window as it was left (geometry, splitter, last list); false when it was never
    // saved.
    bool restoreState();

public Q_SLOTS:
    void newRecord();
    void editSelection();
    void showSelection();
    void deleteSelection();
    void findNext();
    void refresh();
    void showDeletedRecords();
    void showConfigCheck();
    // The change history of the selected record, and of the whole list.
    void showHistory();
    void showListHistory();
    void exportCsv();
    // The list's records to a CSV file that can be imported again, and the import with its preview.
    void exportRecords();
    void importCsv();
    void printPdf();
    // Asks for a user and password (when the configuration has users) and logs that user in.
    bool changeUser();
    // Opens the card editor on the card with that UID lying on the reader (shown in the card
    // list, which takes it when it is new); without a UID on a new card, for formatting.
    void editCardOnReader(const QString& uid);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildActions();
    void buildNavigator();
    void fillView();
    void connectList(Basics::TValueList* list);
    void updateActions();
    void updateTitle();
    void updateStatus();
    void applyFilter();
    void chooseColumns(const QPoint& at);
    void saveListState();
    void restoreListState();
    const LumDialogs::TListDescriptor* descriptor() const;
    QList<Basics::TValue*> selectedRecords() const;
    void selectRecord(int id);
    // Runs the editor of the list shown; prepare, when given, sees it before it runs.
    void runEditor(bool newRecord, const std::function<void(QDialog*)>& prepare = {});
    // Offers the history of the edited record in an editor (a button beside Help, Ctrl+H).
    void offerHistoryIn(QDialog* editor);
    void openHistory(const QString& list, std::optional<int> id, const QString& noRestore, QWidget* parent);

    void onInserted(Basics::TValue* value);
    void onChanged(Basics::TValue* value);
    void onRemoved(Basics::TValue* value);
    void onReloaded(const QString& name);
    void onLoadFailed(const QString& name, const QString& file, const QString& reason);
    void onSaveFailed(const QString& name, const QString& file, const QString& reason);

    QTreeWidget* m_navigator;
    TLumRecordView* m_view;
    QSplitter* m_splitter;
    QLabel* m_title;
    QLabel* m_banner;
    QLineEdit* m_findField;
    QLabel* m_statusRecords;
    QLabel* m_statusUser;
    QLabel* m_historyWarning;
    TCashChartDock* m_cashCharts = nullptr;
    QAction* m_new = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_show = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_find = nullptr;
    QAction* m_refresh = nullptr;
    QAction* m_export = nullptr;
    QAction* m_print = nullptr;
    QAction* m_exportRecords = nullptr;
    QAction* m_import = nullptr;
    QAction* m_changeUser = nullptr;
    QAction* m_historyAction = nullptr;
    QAction* m_listHistory = nullptr;
    QString m_listName;
    QPointer<Basics::TValueList> m_list;
    // Whether the filter hides any row.
    bool m_anyHidden = false;
    TDeletedRecords m_deleted;
    std::unique_ptr<TChangeHistory> m_history;
};
