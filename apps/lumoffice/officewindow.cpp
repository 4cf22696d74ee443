#include "officewindow.h"

#include "periodchooser.h"
#include "tdlgremove.h"
#include "thelpviewer.h"
#include "tlistdescriptor.h"
#include "tlumdlg.h"
#include "tlumlistview.h"
#include "tlumworkspace.h"
#include "tprompts.h"
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
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using LumDialogs::TListDescriptor;

constexpr int listNameRole = Qt::UserRole + 1;

bool hasEditor(const QString& list)
{
    const TListDescriptor* descriptor = TListDescriptor::find(list);
    return descriptor && descriptor->editor;
}

} // namespace

TOfficeWindow::TOfficeWindow(TLumWorkspace* workspace, QWidget* parent)
    : TLumWindow(workspace, parent)
    , m_navigator(new QTreeWidget)
    , m_view(new TLumListView)
    , m_title(new QLabel)
    , m_banner(new QLabel)
    , m_findField(new QLineEdit)
    , m_statusRecords(new QLabel)
    , m_statusUser(new QLabel)
{
    setObjectName(QStringLiteral("TOfficeWindow"));
    m_navigator->setObjectName(QStringLiteral("m_Navigator"));
    m_view->setObjectName(QStringLiteral("m_List"));
    m_findField->setObjectName(QStringLiteral("m_Find"));

    m_navigator->setHeaderHidden(true);
    m_navigator->setRootIsDecorated(true);
    m_navigator->setMinimumWidth(200);
    buildNavigator();

    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_findField->setPlaceholderText(tr("Find in the list (Ctrl+F, Return for the next)"));
    m_findField->setClearButtonEnabled(true);
    m_findField->setMaximumWidth(320);
    m_banner->setWordWrap(true);
    m_banner->setVisible(false);
    m_banner->setStyleSheet(
        QStringLiteral("QLabel { background: #fff4ce; border: 1px solid #e0c060; padding: 6px; }"));
    m_view->header()->setSortIndicator(0, Qt::AscendingOrder);
    m_view->setSortingEnabled(true);
    m_view->header()->setStretchLastSection(false);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* header = new QHBoxLayout;
    header->addWidget(m_title, 1);
    header->addWidget(m_findField);
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(6, 6, 6, 6);
    rightLayout->addLayout(header);
    rightLayout->addWidget(m_banner);
    rightLayout->addWidget(m_view, 1);
    auto* splitter = new QSplitter;
    splitter->addWidget(m_navigator);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 770});
    setCentralWidget(splitter);

    statusBar()->addWidget(m_statusRecords, 1);
    statusBar()->addPermanentWidget(m_statusUser);
    buildActions();

    connect(m_navigator, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && item->data(0, listNameRole).isValid())
            showList(item->data(0, listNameRole).toString());
    });
    connect(m_view, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_edit->isEnabled())
            editSelection();
    });
    connect(m_view, &QTreeWidget::itemSelectionChanged, this, &TOfficeWindow::updateActions);
    connect(m_findField, &QLineEdit::returnPressed, this, &TOfficeWindow::findNext);
    connect(workspace, &TLumWorkspace::listReloaded, this, &TOfficeWindow::onReloaded);
    connect(workspace, &TLumWorkspace::loadFailed, this, &TOfficeWindow::onLoadFailed);
    connect(workspace, &TLumWorkspace::saveFailed, this, &TOfficeWindow::onSaveFailed);
    connect(this, &TLumWindow::userChanged, this, &TOfficeWindow::updateTitle);

    resize(1040, 680);
    updateTitle();
    updateActions();
}

TOfficeWindow::~TOfficeWindow() = default;

void TOfficeWindow::buildActions()
{
    QStyle* look = style();
    m_new = new QAction(look->standardIcon(QStyle::SP_FileIcon), tr("&New..."), this);
    m_new->setShortcut(QKeySequence(Qt::Key_Insert));
    m_new->setToolTip(tr("Create a new record (Insert)"));
    m_edit = new QAction(look->standardIcon(QStyle::SP_FileDialogDetailedView), tr("&Edit..."), this);
    m_edit->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    m_edit->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_edit->setToolTip(tr("Edit the selected records (Return or double click)"));
    m_delete = new QAction(look->standardIcon(QStyle::SP_TrashIcon), tr("&Delete..."), this);
    m_delete->setShortcut(QKeySequence::Delete);
    m_delete->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_delete->setToolTip(tr("Delete the selected records (Delete)"));
    m_find = new QAction(look->standardIcon(QStyle::SP_FileDialogContentsView), tr("&Find"), this);
    m_find->setShortcut(QKeySequence::Find);
    m_refresh = new QAction(look->standardIcon(QStyle::SP_BrowserReload), tr("&Refresh"), this);
    m_refresh->setShortcut(QKeySequence::Refresh);
    m_refresh->setToolTip(tr("Read the lists that other programs changed (F5)"));
    auto* quit = new QAction(tr("&Quit"), this);
    quit->setShortcut(QKeySequence::Quit);

    connect(m_new, &QAction::triggered, this, &TOfficeWindow::newRecord);
    connect(m_edit, &QAction::triggered, this, &TOfficeWindow::editSelection);
    connect(m_delete, &QAction::triggered, this, &TOfficeWindow::deleteSelection);
    connect(m_find, &QAction::triggered, this, [this] {
        m_findField->setFocus();
        m_findField->selectAll();
    });
    connect(m_refresh, &QAction::triggered, this, &TOfficeWindow::refresh);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(m_refresh);
    file->addAction((new TPeriodChooser(this))->action());
    file->addSeparator();
    file->addAction(quit);
    QMenu* record = menuBar()->addMenu(tr("&Record"));
    record->addActions({m_new, m_edit, m_delete});
    record->addSeparator();
    record->addAction(m_find);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* contents = help->addAction(tr("&Contents"), this, [this] {
        THelpViewer::show(QDir(TLumDlg::helpDirectory()).filePath(QStringLiteral("lumdialogs.html")),
                          QString(), this);
    });
    contents->setShortcut(QKeySequence::HelpContents);
    contents->setEnabled(TLumDlg::helpAvailable());
    help->addAction(tr("&About lumoffice"), this, [this] {
        prompts().information(this, tr("About lumoffice"),
                              tr("lumoffice %1\nThe back office of the point of sale.\n\nData root: %2")
                                  .arg(QApplication::applicationVersion(),
                                       QDir::toNativeSeparators(workspace()->GetDataPath())));
    });

    QToolBar* tools = addToolBar(tr("Records"));
    tools->setObjectName(QStringLiteral("recordTools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools->setMovable(false);
    tools->addActions({m_new, m_edit, m_delete});
    tools->addSeparator();
    tools->addAction(m_refresh);

    // Return and Delete act on the records only while the list has the focus; elsewhere (the find
    // field) they keep their usual meaning.
    m_view->addActions({m_new, m_edit, m_delete});
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
            if (!info.editor)
                item->setToolTip(0, tr("Shown read-only: this list has no editor yet."));
        }
        groupItem->setExpanded(true);
    }
}

bool TOfficeWindow::showList(const QString& name)
{
    const TListDescriptor* info = TListDescriptor::find(name);
    if (!info)
        return false;
    Basics::TValueList* list = workspace()->getData(name);
    if (!list)
        return false;
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
    for (int column = 0; column < m_view->columnCount(); ++column) {
        if (column == 1) {
            m_view->header()->setSectionResizeMode(column, QHeaderView::Stretch);
        } else {
            m_view->header()->setSectionResizeMode(column, QHeaderView::Interactive);
            m_view->resizeColumnToContents(column);
            m_view->setColumnWidth(column, std::max(m_view->columnWidth(column), 80));
        }
    }
    updateActions();
    updateStatus();
    return true;
}

void TOfficeWindow::fillView()
{
    m_view->setSortingEnabled(false);
    m_view->clear();
    m_items.clear();
    QList<QTreeWidgetItem*> items;
    if (m_list) {
        items.reserve(m_list->count());
        m_items.reserve(m_list->count());
        for (Basics::TValue* value : *m_list) {
            auto* item = new TLumListItem(static_cast<QTreeWidget*>(nullptr), value);
            m_items.insert(value, item);
            items << item;
        }
    }
    m_view->addTopLevelItems(items);
    m_view->setSortingEnabled(true); // the records come in id order: the usual first sort
    if (!items.isEmpty())
        m_view->setCurrentItem(items.first(), 0, QItemSelectionModel::NoUpdate);

    const bool damaged = workspace()->isDamaged(m_listName);
    m_banner->setVisible(damaged || !hasEditor(m_listName));
    if (damaged)
        m_banner->setText(tr("The file %1 could not be read completely. The records that could be read are "
                             "shown; nothing is saved to this file until it is repaired.")
                              .arg(workspace()->filePath(m_listName)));
    else
        m_banner->setText(tr("This list has no editor yet: it is shown read-only."));
}

void TOfficeWindow::connectList(Basics::TValueList* list)
{
    connect(list, &Basics::TValueList::inserted, this, &TOfficeWindow::onInserted);
    connect(list, &Basics::TValueList::changed, this, &TOfficeWindow::onChanged);
    connect(list, &Basics::TValueList::removed, this, &TOfficeWindow::onRemoved);
}

void TOfficeWindow::onInserted(Basics::TValue* value)
{
    if (m_items.contains(value))
        return;
    auto* item = new TLumListItem(m_view, value);
    m_items.insert(value, item);
    m_view->selectOnly(item);
    updateStatus();
}

void TOfficeWindow::onChanged(Basics::TValue* value)
{
    if (TLumListItem* item = m_items.value(value))
        item->refresh();
}

void TOfficeWindow::onRemoved(Basics::TValue* value)
{
    delete m_items.take(value);
    updateStatus();
}

void TOfficeWindow::onReloaded(const QString& name)
{
    if (name != m_listName)
        return;
    fillView();
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

bool TOfficeWindow::editable() const
{
    return m_list && !workspace()->isDamaged(m_listName) && hasEditor(m_listName);
}

void TOfficeWindow::updateActions()
{
    const bool canEdit = editable();
    const bool selected = !m_view->selectedItems().isEmpty();
    m_new->setEnabled(canEdit);
    m_edit->setEnabled(canEdit && selected);
    m_delete->setEnabled(canEdit && selected);
}

void TOfficeWindow::updateTitle()
{
    QString user;
    if (isLoggedIn()) {
        const Basics::TValueList* waiters = workspace()->getData(QStringLiteral("waiters"));
        const Basics::TValue* waiter = waiters ? waiters->find(userId()) : nullptr;
        user = waiter && !waiter->getName().isEmpty() ? waiter->getName() : tr("user %1").arg(userId());
        m_statusUser->setText(tr("Logged in: %1").arg(user));
    } else {
        m_statusUser->setText(tr("Nobody logged in"));
    }
    const QString root = QDir::toNativeSeparators(workspace()->GetDataPath());
    setWindowTitle(user.isEmpty() ? tr("lumoffice - %1").arg(root)
                                  : tr("lumoffice - %1 - %2").arg(root, user));
}

void TOfficeWindow::updateStatus()
{
    m_statusRecords->setText(m_list ? tr("%n record(s) in %1", nullptr, int(m_list->count()))
                                          .arg(QDir::toNativeSeparators(workspace()->filePath(m_listName)))
                                    : QString());
}

void TOfficeWindow::runEditor(bool newRecord)
{
    const TListDescriptor* descriptor = TListDescriptor::find(m_listName);
    if (!descriptor || !descriptor->editor)
        return;
    // The editor holds record pointers: no list may be read anew under it.
    const TLumWorkspace::ReloadHold hold(workspace());
    std::unique_ptr<QDialog> dialog = descriptor->openEditor(this, m_view, newRecord);
    dialog->exec();
    dialog.reset();
    m_view->viewport()->update();
    updateActions();
}

void TOfficeWindow::newRecord()
{
    if (editable())
        runEditor(true);
}

void TOfficeWindow::editSelection()
{
    if (editable() && !m_view->selectedItems().isEmpty())
        runEditor(false);
}

void TOfficeWindow::deleteSelection()
{
    if (!editable())
        return;
    QList<Basics::TValue*> doomed;
    for (QTreeWidgetItem* item : m_view->selectedInOrder()) {
        if (TLumListItem* recordItem = TLumListItem::of(item); recordItem && recordItem->value())
            doomed << recordItem->value();
    }
    if (doomed.isEmpty())
        return;
    QtWidgets::TDlgRemove confirm(this);
    confirm.setWindowTitle(tr("Delete records"));
    confirm.setColumns({tr("Number"), tr("Name")});
    for (const Basics::TValue* value : doomed)
        confirm.addRow({QString::number(value->getID()), value->getName()});
    if (confirm.exec() != QDialog::Accepted)
        return;
    for (Basics::TValue* value : doomed)
        m_list->remove(value);
}

void TOfficeWindow::findNext()
{
    if (!findListItem(m_findField->text(), m_view) && !m_findField->text().isEmpty())
        statusBar()->showMessage(tr("\"%1\" is not in the list.").arg(m_findField->text()), 4000);
}

void TOfficeWindow::refresh()
{
    workspace()->reloadChangedFiles();
    fillView();
    updateStatus();
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
    event->accept();
}
