#include "officewindow.h"

#include "backupactions.h"
#include "cashchartdock.h"
#include "cashchartview.h"
#include "cashofficemenu.h"
#include "changehistory.h"
#include "configcheckdlg.h"
#include "csvimport.h"
#include "csvimportdlg.h"
#include "historydlg.h"
#include "listexport.h"
#include "logindialog.h"
#include "periodchooser.h"
#include "readerpanel.h"
#include "recordview.h"
#include "tdlgremove.h"
#include "terror.h"
#include "thelpviewer.h"
#include "tlistdescriptor.h"
#include "tlistnames.h"
#include "tlumdlg.h"
#include "tlumreaderevent.h"
#include "tlumrecordmodel.h"
#include "tlumrecordview.h"
#include "tlumworkspace.h"
#include "tprompts.h"
#include "tpseudoproperty.h"
#include "trecordeditor.h"
#include "tvaluelist.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using LumDialogs::TListDescriptor;

constexpr int listNameRole = Qt::UserRole + 1;
constexpr int listedMore = 20; // records named in a question before "and n more"

QString shortList(QStringList lines)
{
    if (lines.size() > listedMore) {
        const qsizetype more = lines.size() - listedMore;
        lines = lines.mid(0, listedMore);
        lines << QCoreApplication::translate("TOfficeWindow", "... and %1 more").arg(more);
    }
    return lines.join(u'\n');
}

// The box layout (within the layout, at any depth) that holds the widget.
QBoxLayout* officeBoxHolding(QLayout* layout, QWidget* widget)
{
    if (!layout)
        return nullptr;
    if (auto* box = qobject_cast<QBoxLayout*>(layout); box && box->indexOf(widget) >= 0)
        return box;
    for (int i = 0; i < layout->count(); ++i) {
        if (QBoxLayout* found = officeBoxHolding(layout->itemAt(i)->layout(), widget))
            return found;
    }
    return nullptr;
}

QString listKey(const QString& list, const char* what)
{
    return QStringLiteral("lists/%1/%2").arg(list, QLatin1String(what));
}

} // namespace

TOfficeWindow::TOfficeWindow(TLumWorkspace* workspace, QWidget* parent)
    : TLumWindow(workspace, parent)
    , m_navigator(new QTreeWidget)
    , m_view(new TLumRecordView)
    , m_splitter(new QSplitter)
    , m_title(new QLabel)
    , m_banner(new QLabel)
    , m_findField(new QLineEdit)
    , m_statusRecords(new QLabel)
    , m_statusUser(new QLabel)
    , m_historyWarning(new QLabel)
{
    setObjectName(QStringLiteral("TOfficeWindow"));
    m_navigator->setObjectName(QStringLiteral("m_Navigator"));
    m_view->setObjectName(QStringLiteral("m_List"));
    m_findField->setObjectName(QStringLiteral("m_Find"));
    m_view->setWorkspace(workspace);

    m_navigator->setHeaderHidden(true);
    m_navigator->setRootIsDecorated(true);
    m_navigator->setMinimumWidth(200);
    buildNavigator();

    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_findField->setPlaceholderText(tr("Filter the list (Ctrl+F; Return finds the next)"));
    m_findField->setClearButtonEnabled(true);
    m_findField->setMinimumWidth(
        m_findField->fontMetrics().horizontalAdvance(m_findField->placeholderText()) + 48);
    m_banner->setWordWrap(true);
    m_banner->setVisible(false);
    m_banner->setStyleSheet(
        QStringLiteral("QLabel { background: #fff4ce; border: 1px solid #e0c060; padding: 6px; }"));
    m_view->header()->setSortIndicator(0, Qt::AscendingOrder);
    m_view->setSortingEnabled(true);
    m_view->header()->setStretchLastSection(false);
    m_view->header()->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_view->installEventFilter(this);

    auto* header = new QHBoxLayout;
    header->addWidget(m_title, 1);
    header->addWidget(m_findField);
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(6, 6, 6, 6);
    rightLayout->addLayout(header);
    rightLayout->addWidget(m_banner);
    rightLayout->addWidget(m_view, 1);
    m_splitter->setObjectName(QStringLiteral("m_Splitter"));
    m_splitter->addWidget(m_navigator);
    m_splitter->addWidget(right);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({230, 770});
    setCentralWidget(m_splitter);

    m_history = std::make_unique<TChangeHistory>(*workspace, [this] { return userId(); });
    // Rows the database did not take stay told until they are written.
    m_historyWarning->setObjectName(QStringLiteral("m_HistoryWarning"));
    m_historyWarning->setStyleSheet(QStringLiteral("QLabel { color: #b02020; }"));
    m_historyWarning->setVisible(false);
    m_history->setWriteHandler([this](const QString& error) {
        m_historyWarning->setVisible(!error.isEmpty());
        m_historyWarning->setText(tr("History: %n change(s) wait", nullptr, int(m_history->pending())));
        m_historyWarning->setToolTip(tr("The change history could not be written; the changes are written "
                                        "with the next save.\n%1")
                                         .arg(error));
    });
    auto* readerPanel = new TReaderPanel(workspace, this);
    addDockWidget(Qt::BottomDockWidgetArea, readerPanel);
    connect(readerPanel, &TReaderPanel::editCard, this, &TOfficeWindow::editCardOnReader);
    m_cashCharts = new TCashChartDock(this);
    addDockWidget(Qt::RightDockWidgetArea, m_cashCharts);
    statusBar()->addWidget(m_statusRecords, 1);
    statusBar()->addPermanentWidget(m_historyWarning);
    statusBar()->addPermanentWidget(m_statusUser);
    buildActions();

    connect(m_navigator, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && item->data(0, listNameRole).isValid())
            showList(item->data(0, listNameRole).toString());
    });
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this] {
        if (m_edit->isEnabled())
            editSelection();
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TOfficeWindow::updateActions);
    connect(m_view->header(), &QHeaderView::customContextMenuRequested, this, &TOfficeWindow::chooseColumns);
    connect(m_findField, &QLineEdit::textChanged, this, &TOfficeWindow::applyFilter);
    connect(m_findField, &QLineEdit::returnPressed, this, &TOfficeWindow::findNext);
    connect(workspace, &TLumWorkspace::listReloaded, this, &TOfficeWindow::onReloaded);
    connect(workspace, &TLumWorkspace::loadFailed, this, &TOfficeWindow::onLoadFailed);
    connect(workspace, &TLumWorkspace::saveFailed, this, &TOfficeWindow::onSaveFailed);
    connect(workspace, &TLumWorkspace::listSaved, this, [this](const QString& name) {
        statusBar()->showMessage(
            tr("Saved: %1").arg(QDir::toNativeSeparators(this->workspace()->filePath(name))), 4000);
    });
    connect(this, &TLumWindow::userChanged, this, [this] {
        updateTitle();
        updateActions();
    });

    resize(1040, 680);
    updateTitle();
    updateActions();
}

TOfficeWindow::~TOfficeWindow() = default;

void TOfficeWindow::buildActions()
{
    QStyle* look = style();
    const auto action = [this](const QIcon& icon, const QString& text, const QKeySequence& key,
                               const QString& tip) {
        auto* created = new QAction(icon, text, this);
        created->setShortcut(key);
        created->setToolTip(tip);
        created->setStatusTip(tip);
        return created;
    };
    m_new = action(look->standardIcon(QStyle::SP_FileIcon), tr("&New..."), QKeySequence(Qt::Key_Insert),
                   tr("Create a new record"));
    m_edit = action(look->standardIcon(QStyle::SP_FileDialogDetailedView), tr("&Edit..."),
                    QKeySequence(Qt::Key_Return), tr("Edit the selected records (Return or double click)"));
    m_edit->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    m_edit->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_show = action(look->standardIcon(QStyle::SP_FileDialogInfoView), tr("&Show record..."),
                    QKeySequence(Qt::CTRL | Qt::Key_I), tr("Show every attribute of the selected record"));
    m_delete = action(look->standardIcon(QStyle::SP_TrashIcon), tr("&Delete..."), QKeySequence::Delete,
                      tr("Delete the selected records"));
    m_delete->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    auto* deleted = action(QIcon(), tr("Deleted &records..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D),
                           tr("Bring back records deleted since the start"));
    m_find = action(look->standardIcon(QStyle::SP_FileDialogContentsView), tr("&Find"), QKeySequence::Find,
                    tr("Filter the list"));
    m_refresh = action(look->standardIcon(QStyle::SP_BrowserReload), tr("&Refresh"), QKeySequence::Refresh,
                       tr("Read the lists that other programs changed"));
    m_export = action(QIcon(), tr("E&xport to CSV..."), QKeySequence(Qt::CTRL | Qt::Key_E),
                      tr("Write the rows shown to a CSV file"));
    m_exportRecords =
        action(QIcon(), tr("Export &records to CSV..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
               tr("Write every attribute of the list's records to a CSV file that can be "
                  "imported again"));
    m_import = action(QIcon(), tr("&Import from CSV..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I),
                      tr("Show what a CSV file would change in the list, then import it"));
    m_print = action(look->standardIcon(QStyle::SP_DialogSaveButton), tr("&Print to PDF..."),
                     QKeySequence::Print, tr("Write the rows shown to a PDF document"));
    auto* columns = action(QIcon(), tr("&Columns..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                           tr("Choose the columns of the list"));
    m_changeUser = action(QIcon(), tr("Change &user..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
                          tr("Log in as another user"));
    m_historyAction = action(QIcon(), tr("&History..."), QKeySequence(Qt::CTRL | Qt::Key_H),
                             tr("Who changed the selected record, what and when"));
    m_historyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_listHistory =
        action(QIcon(), tr("History of the &list..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H),
               tr("Every change of the list, by user and period"));
    auto* check =
        action(QIcon(), tr("Configuration &check..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K),
               tr("List every reference to a record that does not exist"));
    auto* quit = action(QIcon(), tr("&Quit"), QKeySequence::Quit, tr("Quit the back office"));

    connect(m_new, &QAction::triggered, this, &TOfficeWindow::newRecord);
    connect(m_edit, &QAction::triggered, this, &TOfficeWindow::editSelection);
    connect(m_show, &QAction::triggered, this, &TOfficeWindow::showSelection);
    connect(m_delete, &QAction::triggered, this, &TOfficeWindow::deleteSelection);
    connect(deleted, &QAction::triggered, this, &TOfficeWindow::showDeletedRecords);
    connect(m_find, &QAction::triggered, this, [this] {
        m_findField->setFocus();
        m_findField->selectAll();
    });
    connect(m_refresh, &QAction::triggered, this, &TOfficeWindow::refresh);
    connect(m_export, &QAction::triggered, this, &TOfficeWindow::exportCsv);
    connect(m_print, &QAction::triggered, this, &TOfficeWindow::printPdf);
    connect(m_exportRecords, &QAction::triggered, this, &TOfficeWindow::exportRecords);
    connect(m_import, &QAction::triggered, this, &TOfficeWindow::importCsv);
    connect(columns, &QAction::triggered, this,
            [this] { chooseColumns(m_view->header()->mapToGlobal(QPoint(0, m_view->header()->height()))); });
    connect(m_changeUser, &QAction::triggered, this, &TOfficeWindow::changeUser);
    connect(check, &QAction::triggered, this, &TOfficeWindow::showConfigCheck);
    connect(m_historyAction, &QAction::triggered, this, &TOfficeWindow::showHistory);
    connect(m_listHistory, &QAction::triggered, this, &TOfficeWindow::showListHistory);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addActions({m_refresh, m_export, m_print});
    file->addSeparator();
    file->addActions({m_exportRecords, m_import});
    auto* period = new TPeriodChooser(this);
    file->addAction(period->action());
    file->addSeparator();
    file->addAction(m_changeUser);
    file->addSeparator();
    file->addAction(quit);
    QMenu* record = menuBar()->addMenu(tr("&Record"));
    record->addActions({m_new, m_edit, m_show, m_delete});
    record->addSeparator();
    record->addActions({deleted, m_find});
    record->addSeparator();
    record->addActions({m_historyAction, m_listHistory});
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(columns);
    view->addAction(m_cashCharts->toggleViewAction());
    menuBar()->addMenu((new TCashOfficeMenu(this, period))->menu());
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("toolsMenu"));
    tools->addAction(check);
    tools->addSeparator();
    new TBackupActions(this, tools);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* contents = help->addAction(tr("&Contents"), this, [this] {
        THelpViewer::show(TLumDlg::helpPath(QStringLiteral("lumdialogs.html")), QString(), this);
    });
    contents->setShortcut(QKeySequence::HelpContents);
    contents->setEnabled(TLumDlg::helpAvailable());
    help->addAction(tr("&About lumoffice"), this, [this] {
        prompts().information(this, tr("About lumoffice"),
                              tr("lumoffice %1\nThe back office of the point of sale.\n\nData root: %2")
                                  .arg(QApplication::applicationVersion(),
                                       QDir::toNativeSeparators(workspace()->GetDataPath())));
    });

    QToolBar* toolBar = addToolBar(tr("Records"));
    toolBar->setObjectName(QStringLiteral("recordTools"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->setMovable(false);
    toolBar->addActions({m_new, m_edit, m_delete});
    toolBar->addSeparator();
    toolBar->addActions({m_refresh, m_print});

    // Return and Delete act on the records only while the list (or, for Delete, the navigator) has
    // the focus; elsewhere (the filter field) they keep their usual meaning.
    m_view->addActions({m_new, m_edit, m_show, m_delete, m_historyAction});
    auto* csvSeparator = new QAction(this);
    csvSeparator->setSeparator(true);
    m_view->addActions({csvSeparator, m_exportRecords, m_import});
    m_navigator->addAction(m_delete);
}

void TOfficeWindow::buildNavigator()
{
    QFont groupFont = m_navigator->font();
    groupFont.setBold(true);
    for (const QString& group : TListDescriptor::groups()) {
        auto* groupItem = new QTreeWidgetItem(m_navigator, {group});
        groupItem->setFont(0, groupFont);
        groupItem->setFlags(Qt::ItemIsEnabled);
        for (const TListDescriptor& info : TListDescriptor::all()) {
            if (info.group != group)
                continue;
            auto* item = new QTreeWidgetItem(groupItem, {info.title});
            item->setData(0, listNameRole, info.names.root);
        }
        groupItem->setExpanded(true);
    }
}

const TListDescriptor* TOfficeWindow::descriptor() const
{
    return TListDescriptor::find(m_listName);
}

TLumConfig::Right TOfficeWindow::rightFor(const QString& list) const
{
    const TListDescriptor* info = TListDescriptor::find(list);
    return info && config() ? config()->right(info->dialogName, userId()) : TLumConfig::NoAccess;
}

bool TOfficeWindow::showList(const QString& name)
{
    const TListDescriptor* info = TListDescriptor::find(name);
    if (!info)
        return false;
    Basics::TValueList* list = workspace()->getData(name);
    if (!list)
        return false;
    saveListState();
    if (m_list)
        disconnect(m_list, nullptr, this, nullptr);
    m_listName = name;
    m_list = list;
    connectList(list);

    for (QTreeWidgetItemIterator it(m_navigator); *it; ++it) {
        if ((*it)->data(0, listNameRole).toString() == name && m_navigator->currentItem() != *it) {
            const QSignalBlocker blocker(m_navigator);
            m_navigator->setCurrentItem(*it);
        }
    }
    m_title->setText(info->title);
    m_view->setColumns(info->columns);
    fillView();
    // The name takes the room that is left; the other columns fit their texts.
    for (int column = 0; column < int(info->columns.size()); ++column) {
        m_view->header()->setSectionHidden(column, !info->columns.at(column).shown);
        if (column == 1) {
            m_view->header()->setSectionResizeMode(column, QHeaderView::Stretch);
        } else {
            m_view->header()->setSectionResizeMode(column, QHeaderView::Interactive);
            m_view->resizeColumnToContents(column);
            m_view->setColumnWidth(column, std::max(m_view->columnWidth(column), 80));
        }
    }
    restoreListState();
    applyFilter();
    updateActions();
    updateStatus();
    return true;
}

void TOfficeWindow::fillView()
{
    m_anyHidden = false;
    std::vector<Basics::TValue*> records;
    if (m_list) {
        records.reserve(size_t(m_list->count()));
        for (Basics::TValue* value : *m_list)
            records.push_back(value);
    }
    m_view->setRecords(std::move(records));
    if (m_view->rowCount() > 0)
        m_view->selectionModel()->setCurrentIndex(m_view->model()->index(0, 0),
                                                  QItemSelectionModel::NoUpdate);

    const bool damaged = workspace()->isDamaged(m_listName);
    m_banner->setVisible(damaged);
    if (damaged)
        m_banner->setText(tr("The file %1 could not be read completely. The records that could be read are "
                             "shown; nothing is saved to this file until it is repaired.")
                              .arg(workspace()->filePath(m_listName)));
}

void TOfficeWindow::connectList(Basics::TValueList* list)
{
    connect(list, &Basics::TValueList::inserted, this, &TOfficeWindow::onInserted);
    connect(list, &Basics::TValueList::changed, this, &TOfficeWindow::onChanged);
    connect(list, &Basics::TValueList::removed, this, &TOfficeWindow::onRemoved);
}

void TOfficeWindow::onInserted(Basics::TValue* value)
{
    m_view->recordModel()->insertRecord(value);
    m_view->selectRecord(value);
    updateStatus();
}

void TOfficeWindow::onChanged(Basics::TValue* value)
{
    m_view->recordModel()->recordChanged(value);
}

void TOfficeWindow::onRemoved(Basics::TValue* value)
{
    m_view->recordModel()->removeRecord(value);
    updateStatus();
}

void TOfficeWindow::onReloaded(const QString& name)
{
    if (name != m_listName)
        return;
    const QList<Basics::TValue*> selected = selectedRecords();
    const int keep = selected.isEmpty() ? 0 : selected.first()->getID();
    fillView();
    applyFilter();
    selectRecord(keep);
    updateStatus();
    statusBar()->showMessage(
        tr("%1 was changed by another program and has been read again.").arg(workspace()->filePath(name)),
        8000);
}

void TOfficeWindow::onLoadFailed(const QString&, const QString& file, const QString& reason)
{
    prompts().critical(
        this, tr("Damaged data file"),
        tr("The file %1 could not be read completely:\n%2\n\nThe records that could be read are "
           "shown, but the file is not written until it is repaired.")
            .arg(file, reason));
}

void TOfficeWindow::onSaveFailed(const QString&, const QString& file, const QString& reason)
{
    prompts().critical(this, tr("Save error"),
                       tr("The changes could not be saved to %1:\n%2\n\nThe previous file is still in place; "
                          "the changes are tried again with the next save.")
                           .arg(file, reason));
}

void TOfficeWindow::updateActions()
{
    const TLumConfig::Right right = rightFor(m_listName);
    const bool damaged = m_list && workspace()->isDamaged(m_listName);
    const bool selected = m_view->selectionModel()->hasSelection();
    const bool full = m_list && right == TLumConfig::Full && !damaged;
    const bool look = m_list && right != TLumConfig::NoAccess;
    QString reason;
    if (right == TLumConfig::NoAccess)
        reason = tr("You have no access to this list.");
    else if (right == TLumConfig::ReadOnly)
        reason = tr("You may only look at this list.");
    else if (damaged)
        reason = tr("The list's file is damaged: nothing is written to it.");
    m_new->setEnabled(full);
    m_edit->setEnabled(look && !damaged && selected);
    m_show->setEnabled(look && selected);
    m_delete->setEnabled(full && selected);
    m_export->setEnabled(look);
    m_print->setEnabled(look);
    m_exportRecords->setEnabled(look);
    m_import->setEnabled(look); // a read-only user sees the preview, without the import
    m_historyAction->setEnabled(look && selected);
    m_listHistory->setEnabled(look);
    for (QAction* action : {m_new, m_edit, m_delete}) {
        const QString tip = action->statusTip();
        action->setToolTip(action->isEnabled() || reason.isEmpty() ? tip : tip + u'\n' + reason);
    }
    m_view->setEnabled(look || !m_list);
    if (!reason.isEmpty())
        statusBar()->showMessage(reason);
    else
        statusBar()->clearMessage();
}

void TOfficeWindow::updateTitle()
{
    QString user;
    if (isLoggedIn()) {
        user = userName(userId());
        m_statusUser->setText(tr("Logged in: %1").arg(user));
    } else {
        m_statusUser->setText(tr("Nobody logged in"));
    }
    const QString root = QDir::toNativeSeparators(workspace()->GetDataPath());
    setWindowTitle(user.isEmpty() ? tr("lumoffice - %1").arg(root)
                                  : tr("lumoffice - %1 - %2").arg(root, user));
}

QString TOfficeWindow::userName(int id) const
{
    if (id <= 0)
        return tr("nobody logged in");
    const std::optional<TLumConfig::User> configured = config()->user(id);
    const Basics::TValueList* waiters = workspace()->getData(PosLib::Lists::waiters);
    const Basics::TValue* waiter = waiters ? waiters->find(id) : nullptr;
    if (configured && !configured->name.isEmpty())
        return configured->name;
    if (waiter && !waiter->getName().isEmpty())
        return waiter->getName();
    return tr("user %1").arg(id);
}

void TOfficeWindow::updateStatus()
{
    if (!m_list) {
        m_statusRecords->clear();
        return;
    }
    int shown = m_view->rowCount();
    if (m_anyHidden) {
        for (int row = 0; row < m_view->rowCount(); ++row)
            shown -= m_view->isRowHidden(row) ? 1 : 0;
    }
    const QString file = QDir::toNativeSeparators(workspace()->filePath(m_listName));
    const int count = int(m_list->count());
    m_statusRecords->setText(shown == count
                                 ? tr("%n record(s) in %1", nullptr, count).arg(file)
                                 : tr("%1 of %n record(s) in %2", nullptr, count).arg(shown).arg(file));
}

void TOfficeWindow::applyFilter()
{
    const QString text = m_findField->text().trimmed();
    if (text.isEmpty() && !m_anyHidden) {
        updateStatus();
        return;
    }
    const QHeaderView* header = m_view->header();
    m_view->setUpdatesEnabled(false);
    m_anyHidden = false;
    const int columns = m_view->model()->columnCount();
    for (int row = 0; row < m_view->rowCount(); ++row) {
        bool match = text.isEmpty();
        for (int column = 0; !match && column < columns; ++column)
            match = !header->isSectionHidden(column) &&
                    m_view->rowText(row, column).contains(text, Qt::CaseInsensitive);
        if (m_view->isRowHidden(row) == match)
            m_view->setRowHidden(row, !match);
        m_anyHidden = m_anyHidden || !match;
    }
    m_view->setUpdatesEnabled(true);
    updateStatus();
}

void TOfficeWindow::chooseColumns(const QPoint& at)
{
    const TListDescriptor* info = descriptor();
    if (!info)
        return;
    QMenu menu(this);
    for (int column = 2; column < info->columns.size(); ++column) { // number and name always show
        QAction* choice = menu.addAction(info->columns.at(column).title);
        choice->setCheckable(true);
        choice->setChecked(!m_view->header()->isSectionHidden(column));
        connect(choice, &QAction::toggled, this, [this, column](bool on) {
            m_view->header()->setSectionHidden(column, !on);
            if (on && m_view->columnWidth(column) < 40)
                m_view->setColumnWidth(column, 100);
            applyFilter();
        });
    }
    if (menu.isEmpty())
        menu.addAction(tr("This list has no more columns"))->setEnabled(false);
    menu.exec(at);
}

void TOfficeWindow::saveListState()
{
    if (m_listName.isEmpty())
        return;
    QSettings settings;
    settings.setValue(listKey(m_listName, "sort"), m_view->header()->sortIndicatorSection());
    settings.setValue(listKey(m_listName, "order"), int(m_view->header()->sortIndicatorOrder()));
    settings.setValue(listKey(m_listName, "header"), m_view->header()->saveState());
}

void TOfficeWindow::restoreListState()
{
    QSettings settings;
    const QByteArray header = settings.value(listKey(m_listName, "header")).toByteArray();
    if (!header.isEmpty() && m_view->header()->restoreState(header) &&
        m_view->header()->count() == m_view->model()->columnCount()) {
        m_view->sortByColumn(settings.value(listKey(m_listName, "sort"), 0).toInt(),
                             Qt::SortOrder(settings.value(listKey(m_listName, "order"), 0).toInt()));
        return;
    }
    m_view->sortByColumn(0, Qt::AscendingOrder); // a list seen first: by number
}

bool TOfficeWindow::restoreState()
{
    QSettings settings;
    if (!settings.contains(QStringLiteral("window/geometry")))
        return false;
    restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray());
    m_splitter->restoreState(settings.value(QStringLiteral("window/splitter")).toByteArray());
    return showList(settings.value(QStringLiteral("window/list")).toString());
}

QList<Basics::TValue*> TOfficeWindow::selectedRecords() const
{
    return m_view->selectedRecords();
}

void TOfficeWindow::selectRecord(int id)
{
    const Basics::TValue* record = m_list ? m_list->find(id) : nullptr;
    m_view->selectRecord(record);
}

void TOfficeWindow::runEditor(bool newRecord, const std::function<void(QDialog*)>& prepare)
{
    const TListDescriptor* info = descriptor();
    const TLumConfig::Right right = rightFor(m_listName);
    if (!info || right == TLumConfig::NoAccess || (newRecord && right != TLumConfig::Full)) {
        prompts().warning(this, tr("No access"), tr("You may not change this list."));
        return;
    }
    // The editor holds record pointers: no list may be read anew under it.
    const TLumWorkspace::ReloadHold hold(workspace());
    std::unique_ptr<QDialog> dialog = info->openEditor(this, m_view, newRecord);
    if (prepare)
        prepare(dialog.get());
    if (!newRecord)
        offerHistoryIn(dialog.get());
    dialog->exec();
    dialog.reset();
    m_view->viewport()->update();
    updateActions();
}

void TOfficeWindow::editCardOnReader(const QString& uid)
{
    const QString cards = PosLib::TListNames::of<PosLib::TPseudoProperty>().root;
    if (!showList(cards))
        return;
    m_view->clearSelection();
    const int id = uid.isEmpty() ? 0 : TLumWorkspace::Cardmapping.getInt(uid);
    if (id > 0)
        selectRecord(id);
    const bool listed = m_view->selectionModel()->hasSelection();
    if (!(listed ? m_edit : m_new)->isEnabled()) {
        prompts().warning(this, tr("No access"), tr("You may not change this list."));
        return;
    }
    // The editor takes the card as the reader reports it: a new card joins the list there.
    runEditor(!listed, [uid](QDialog* dialog) {
        if (!uid.isEmpty())
            QCoreApplication::postEvent(dialog, new TLumReaderEvent(uid));
    });
}

void TOfficeWindow::newRecord()
{
    if (m_new->isEnabled())
        runEditor(true);
}

void TOfficeWindow::editSelection()
{
    if (m_edit->isEnabled())
        runEditor(false);
}

void TOfficeWindow::showSelection()
{
    const QList<Basics::TValue*> records = selectedRecords();
    const TListDescriptor* info = descriptor();
    if (!m_show->isEnabled() || records.isEmpty() || !info)
        return;
    TRecordViewDlg view(*info, *records.first(), workspace(), this);
    view.exec();
}

void TOfficeWindow::deleteSelection()
{
    const QList<Basics::TValue*> doomed = selectedRecords();
    if (!m_delete->isEnabled() || doomed.isEmpty() || rightFor(m_listName) != TLumConfig::Full)
        return;
    QList<int> ids;
    for (const Basics::TValue* value : doomed)
        ids << value->getID();
    if (TDeleteCheck::holdsSystemCurrency(*workspace(), m_listName, ids)) {
        prompts().warning(this, tr("Delete records"),
                          tr("The system currency cannot be deleted: every amount is kept in it."));
        return;
    }
    const QStringList referrers = TDeleteCheck::referrers(*workspace(), m_listName, ids);
    if (!referrers.isEmpty() &&
        prompts().question(this, tr("Delete records"),
                           tr("These records refer to what you are about to delete:\n\n%1\n\n"
                              "They will refer to records that do not exist. Delete anyway?")
                               .arg(shortList(referrers)),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    QtWidgets::TDlgRemove confirm(this);
    confirm.setWindowTitle(tr("Delete records"));
    confirm.setColumns({tr("Number"), tr("Name")});
    for (const Basics::TValue* value : doomed)
        confirm.addRow({QString::number(value->getID()), value->getName()});
    if (confirm.exec() != QDialog::Accepted)
        return;
    // The row of the first deleted record is selected afterwards: what followed it moves up.
    const int row = m_view->rowOf(doomed.first());
    for (Basics::TValue* value : doomed) {
        try {
            m_deleted.keep(m_listName, *m_list, *value);
            m_list->remove(value);
        } catch (const Basics::TError& error) {
            prompts().critical(this, tr("Delete records"),
                               tr("%1 %2 could not be deleted:\n%3")
                                   .arg(value->getID())
                                   .arg(value->getName(), error.description()));
            break;
        }
    }
    const int count = m_view->rowCount();
    if (count > 0)
        m_view->selectOnlyRow(std::min(std::max(row, 0), count - 1));
    statusBar()->showMessage(tr("Deleted; Record > Deleted records brings them back."), 6000);
}

void TOfficeWindow::showDeletedRecords()
{
    TDeletedRecordsDlg dialog(
        m_deleted, *workspace(), [this](const QString& list) { return rightFor(list) == TLumConfig::Full; },
        this);
    dialog.exec();
}

void TOfficeWindow::openHistory(const QString& list, std::optional<int> id, const QString& noRestore,
                                QWidget* parent)
{
    THistoryDlg::Access access;
    access.mayChange = [this](const QString& name) { return rightFor(name) == TLumConfig::Full; };
    access.userName = [this](int user) { return userName(user); };
    access.noRestore = noRestore;
    THistoryDlg dialog(*m_history, *workspace(), list, id, std::move(access), parent);
    dialog.exec();
}

void TOfficeWindow::showHistory()
{
    const QList<Basics::TValue*> records = selectedRecords();
    if (!m_historyAction->isEnabled() || records.isEmpty())
        return;
    // The view's records may be read anew meanwhile: only the id goes along.
    openHistory(m_listName, records.first()->getID(), QString(), this);
}

void TOfficeWindow::showListHistory()
{
    if (m_listHistory->isEnabled())
        openHistory(m_listName, std::nullopt, QString(), this);
}

void TOfficeWindow::offerHistoryIn(QDialog* editor)
{
    LumDialogs::TRecordEditor* record = LumDialogs::recordEditor(editor);
    if (!record || record->editContext() != LumDialogs::TEditContext::OneRecord)
        return;
    const auto open = [this, editor, record] {
        openHistory(record->listName(), record->getID(),
                    tr("Close the editor to restore a version: it shows the record as it is now."), editor);
    };
    auto* shortcut = new QAction(editor);
    shortcut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(shortcut, &QAction::triggered, editor, open);
    editor->addAction(shortcut);
    // A button beside the editor's help button, where the form has one in a box layout.
    for (const char* name : {"b_Help", "HelpButton"}) {
        auto* help = editor->findChild<QPushButton*>(QLatin1String(name));
        QWidget* holder = help ? help->parentWidget() : nullptr;
        QBoxLayout* row = holder ? officeBoxHolding(holder->layout(), help) : nullptr;
        if (!row)
            continue;
        const int at = row->indexOf(help);
        auto* button = new QPushButton(tr("Hi&story..."), holder);
        button->setObjectName(QStringLiteral("b_History"));
        button->setAutoDefault(false);
        button->setToolTip(tr("Who changed this record, what and when (Ctrl+H)"));
        connect(button, &QPushButton::clicked, editor, open);
        row->insertWidget(at + 1, button);
        break;
    }
}

void TOfficeWindow::showConfigCheck()
{
    TConfigCheckDlg dialog(
        *workspace(), [this](const QString& list, int id) { editRecord(list, id); }, this);
    dialog.exec();
}

bool TOfficeWindow::editRecord(const QString& list, int id)
{
    if (!showList(list))
        return false;
    m_findField->clear(); // the record's row must not be filtered away
    m_view->clearSelection();
    selectRecord(id);
    if (!m_edit->isEnabled()) {
        prompts().warning(this, tr("Edit record"),
                          rightFor(list) == TLumConfig::NoAccess
                              ? tr("You have no access to this list.")
                              : tr("%1 %2 cannot be edited here.").arg(descriptor()->title).arg(id));
        return false;
    }
    runEditor(false);
    return true;
}

void TOfficeWindow::findNext()
{
    if (findListRow(m_findField->text(), m_view) < 0 && !m_findField->text().isEmpty())
        statusBar()->showMessage(tr("\"%1\" is not in the list.").arg(m_findField->text()), 4000);
}

void TOfficeWindow::refresh()
{
    const QList<Basics::TValue*> selected = selectedRecords();
    const int keep = selected.isEmpty() ? 0 : selected.first()->getID();
    workspace()->reloadChangedFiles();
    fillView();
    applyFilter();
    selectRecord(keep);
    if (m_cashCharts->isVisible())
        m_cashCharts->charts()->reload();
}

void TOfficeWindow::exportCsv()
{
    const TListDescriptor* info = descriptor();
    if (!m_export->isEnabled() || !info)
        return;
    const QString path = prompts().getSaveFileName(
        this, tr("Export to CSV"), info->names.root + QStringLiteral(".csv"), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (TListExport::writeCsv(*m_view, path))
        statusBar()->showMessage(tr("Written: %1").arg(QDir::toNativeSeparators(path)), 6000);
    else
        prompts().critical(this, tr("Export to CSV"), tr("%1 cannot be written.").arg(path));
}

void TOfficeWindow::exportRecords()
{
    const TListDescriptor* info = descriptor();
    if (!m_exportRecords->isEnabled() || !info)
        return;
    const QString path =
        prompts().getSaveFileName(this, tr("Export records to CSV"),
                                  info->names.root + QStringLiteral(".csv"), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    // Spreadsheets of a language that writes decimal commas read them.
    PosLib::Csv::Format format;
    format.decimalComma = locale().decimalPoint() == u',';
    QString error;
    if (TCsvImport::exportList(*workspace(), m_listName, path, format, &error))
        statusBar()->showMessage(tr("Written: %1").arg(QDir::toNativeSeparators(path)), 6000);
    else
        prompts().critical(this, tr("Export records to CSV"), error);
}

void TOfficeWindow::importCsv()
{
    const TListDescriptor* info = descriptor();
    if (!m_import->isEnabled() || !info)
        return;
    const QString path = prompts().getOpenFileName(this, tr("Import from CSV"), QString(),
                                                   tr("CSV files (*.csv *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    const QString list = m_listName;
    TCsvImport import(*workspace(), list);
    QString error;
    if (!import.readFile(path, &error)) {
        prompts().critical(this, tr("Import from CSV"), error);
        return;
    }
    {
        TCsvImportDlg preview(import, info->title, import.refusal(*config(), userId()), this);
        if (preview.exec() != QDialog::Accepted)
            return;
    }
    if (!import.refusal(*config(), userId()).isEmpty())
        return;
    const TCsvImport::Result result = import.apply();
    QStringList failed;
    for (const PosLib::Csv::PreviewRow& row : result.applied.failed)
        failed << tr("Line %1, number %2: %3").arg(row.line).arg(row.id).arg(row.reason);
    if (!failed.isEmpty())
        prompts().warning(this, tr("Import from CSV"),
                          tr("%1 row(s) were written; these were refused:\n\n%2")
                              .arg(result.applied.written)
                              .arg(shortList(failed)));
    else if (result.saveError.isEmpty())
        statusBar()->showMessage(tr("Imported: %1 row(s) written to %2")
                                     .arg(result.applied.written)
                                     .arg(QDir::toNativeSeparators(workspace()->filePath(list))),
                                 6000);
}

void TOfficeWindow::printPdf()
{
    const TListDescriptor* info = descriptor();
    if (!m_print->isEnabled() || !info)
        return;
    const QString path = prompts().getSaveFileName(
        this, tr("Print to PDF"), info->names.root + QStringLiteral(".pdf"), tr("PDF documents (*.pdf)"));
    if (path.isEmpty())
        return;
    if (TListExport::writePdf(*m_view, info->title, path))
        statusBar()->showMessage(tr("Written: %1").arg(QDir::toNativeSeparators(path)), 6000);
    else
        prompts().critical(this, tr("Print to PDF"), tr("%1 cannot be written.").arg(path));
}

bool TOfficeWindow::changeUser()
{
    if (config()->users().isEmpty()) {
        bool ok = false;
        const int id = prompts().getInt(this, tr("Change user"), tr("Waiter number (0: nobody):"), userId(),
                                        0, 999999, 1, &ok);
        if (!ok)
            return false;
        const Basics::TValueList* waiters = workspace()->getData(PosLib::Lists::waiters);
        if (id != 0 && (!waiters || !waiters->find(id))) {
            prompts().warning(this, tr("Change user"), tr("There is no waiter %1.").arg(id));
            return false;
        }
        setUser(id);
        return true;
    }
    TLoginDlg login(*config(), userId(), this);
    if (login.exec() != QDialog::Accepted)
        return false;
    setUser(login.userId());
    return true;
}

bool TOfficeWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A list that gets the focus selects its current row, so Return edits what the operator sees.
    if (watched == m_view && event->type() == QEvent::FocusIn && !m_view->selectionModel()->hasSelection()) {
        int current = m_view->currentRow();
        if (current < 0 || m_view->isRowHidden(current)) {
            current = -1;
            for (int row = 0; row < m_view->rowCount() && current < 0; ++row) {
                if (!m_view->isRowHidden(row))
                    current = row;
            }
        }
        if (current >= 0)
            m_view->selectOnlyRow(current);
    }
    return TLumWindow::eventFilter(watched, event);
}

void TOfficeWindow::closeEvent(QCloseEvent* event)
{
    if (!workspace()->saveChanges()) {
        const auto answer = prompts().question(
            this, tr("Quit"), tr("Some changes could not be saved. Quit anyway and lose them?"));
        if (answer != QMessageBox::Yes) {
            event->ignore();
            return;
        }
    }
    saveListState();
    QSettings settings;
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("window/splitter"), m_splitter->saveState());
    settings.setValue(QStringLiteral("window/list"), m_listName);
    event->accept();
}
