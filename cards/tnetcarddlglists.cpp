// The card editor's two server lists: the card's actions ("Single actions") and its action log
// ("Actionlogs"), loaded through the reader, with deleting, changing, export and printing.

#include "tcardactioncolumns.h"
#include "tcardactionlog.h"
#include "tcardserverprotocol.h"
#include "tdlgremove.h"
#include "tlistnames.h"
#include "tlumdocument.h"
#include "tlumlistview.h"
#include "tlumwindow.h"
#include "tnetactiondlg.h"
#include "tnetcardaction.h"
#include "tnetcarddlg.h"
#include "tprompts.h"
#include "tsortedrow.h"
#include "tvaluelist.h"

#include <QDomDocument>
#include <QHeaderView>
#include <QProgressBar>
#include <QSaveFile>

#include <algorithm>
#include <optional>

namespace {

// The rows of a list view with the columns of one server list, sorted by column 0 at the start.
void setUpRows(QTreeWidget* view, const QList<TLumColumn>& columns, TLumWorkspace* workspace)
{
    auto* rows = static_cast<TLumListView*>(view);
    rows->setColumns(columns);
    rows->setWorkspace(workspace);
    QStringList titles;
    for (const TLumColumn& column : columns)
        titles << column.title;
    rows->setHeaderLabels(titles);
    rows->header()->setSortIndicator(0, Qt::AscendingOrder);
    rows->setSortingEnabled(true);
}

// Reads one server answer into a record of the list: the record of its id, or a new one.
template <class Record>
Record* takeAnswer(Basics::TValueList& list, const QString& text)
{
    auto answer = std::make_unique<Record>();
    if (text.isEmpty() || !answer->setXml(text))
        return nullptr;
    if (auto* stored = dynamic_cast<Record*>(list.find(answer->getID()))) {
        *stored = *answer;
        list.notifyChanged(stored);
        return stored;
    }
    Record* added = answer.release();
    list.insert(added);
    return added;
}

} // namespace

void TNetCardDlg::createHeader(QTreeWidget* view)
{
    setUpRows(view, TCardActionColumns::actionLog(), m_window ? m_window->workspace() : nullptr);
}

void TNetCardDlg::createActionHeader(QTreeWidget* view)
{
    setUpRows(view, TCardActionColumns::actions(), m_window ? m_window->workspace() : nullptr);
}

void TNetCardDlg::startProgressBar(int total, QProgressBar* bar, QTreeWidget* view)
{
    bar->setRange(0, total);
    bar->setValue(0);
    view->setUpdatesEnabled(false);
}

void TNetCardDlg::setProgress(int step, QProgressBar* bar, QTreeWidget* view)
{
    // The bar moves by whole per cent: a log of 50,000 entries would otherwise lay out and paint
    // its text 50,000 times.
    const qint64 total = std::max(bar->maximum() - bar->minimum(), 1);
    if (step == bar->maximum() || (qint64(step) * 100 / total) != (qint64(bar->value()) * 100 / total))
        bar->setValue(step);
    if (step == bar->maximum() - 1)
        view->setUpdatesEnabled(true);
}

void TNetCardDlg::endProgressBar(QProgressBar* bar, QTreeWidget* view)
{
    view->setUpdatesEnabled(true);
    if (view->topLevelItemCount() > 0)
        view->setCurrentItem(view->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    bar->reset();
}

void TNetCardDlg::onTabChanged(QWidget*)
{
    updateActionList();
}

void TNetCardDlg::onToggleBooked(bool)
{
    updateActionList();
}

void TNetCardDlg::onrefreshaction()
{
    m_actioncount->setEnabled(false);
    updateActionList();
    m_actioncount->setEnabled(true);
    keepRight();
}

void TNetCardDlg::updateActionList()
{
    if (m_uid->text().isEmpty() || !m_reader)
        return;
    // Reports of the reader wait while the list loads: the wait dialog lets events through.
    const TCardReaderLink::Busy busy(m_reader);
    const QString page = m_Tab->currentWidget()->objectName();
    if (page == QLatin1String("TabActionlogs"))
        loadActionLogs();
    else if (page == QLatin1String("TabActions"))
        loadActions();
}

void TNetCardDlg::loadActionLogs()
{
    Basics::TValueList* list =
        m_window ? m_window->workspace()->getData(PosLib::TListNames::of<PosLib::TCardActionLog>().root)
                 : nullptr;
    m_ActionList->clear();
    if (!list)
        return;
    // The list holds the entries of the card shown, as the server gave them.
    list->clear();
    m_window->showWaitDlg(false, tr("Loading actionlogs from database, please wait."), tr("Collecting data"));
    const QStringList arguments = {m_uid->text(), QString::number(m_actioncount->value()),
                                   m_chkreadentries->isChecked() ? QStringLiteral("true")
                                                                 : QStringLiteral("false")};
    // The entries come page by page; each page is parsed while the server prepares the next. Rows
    // are made apart from the view and added in one step at the end: a sorted view would place each
    // row on its own, and a log that fails half-way shows nothing.
    std::optional<TReaderRelease> released;
    QList<QTreeWidgetItem*> rows;
    int done = 0;
    const bool complete = m_reader.actionLogPages(arguments, [&](const QStringList& entries, int expected) {
        if (!released) {
            m_window->hideWaitDlg();
            released.emplace(m_reader);
            startProgressBar(expected, m_actionprogress, m_ActionList);
            rows.reserve(expected);
        }
        for (const QString& text : entries) {
            setProgress(++done, m_actionprogress, m_ActionList);
            if (auto* entry = takeAnswer<PosLib::TCardActionLog>(*list, text))
                rows << new TSortedRow(entry);
        }
    });
    if (!released) {
        m_window->hideWaitDlg();
        return;
    }
    if (complete) {
        m_ActionList->setSortingEnabled(false);
        m_ActionList->addTopLevelItems(rows);
        m_ActionList->setSortingEnabled(true);
    } else {
        qDeleteAll(rows);
        list->clear();
    }
    endProgressBar(m_actionprogress, m_ActionList);
}

void TNetCardDlg::loadActions()
{
    m_ActionsList->clear();
    // The list holds the actions of the card shown; its rows come through its signals.
    m_actions->clear();
    if (m_window)
        m_window->showWaitDlg(false, tr("Loading card actions from database, please wait."),
                              tr("Collecting data"));
    const QStringList arguments = {m_uid->text(), m_chkbooked->isChecked() ? QStringLiteral("true")
                                                                           : QStringLiteral("false")};
    const QStringList actions = m_reader.command(PosLib::CardServer::getActions, arguments);
    if (m_window)
        m_window->hideWaitDlg();
    if (!actions.isEmpty()) {
        const TReaderRelease released(m_reader);
        const int total = int(actions.size());
        startProgressBar(total, m_actionsprogress, m_ActionsList);
        for (int i = 0; i < total; ++i) {
            setProgress(i + 1, m_actionsprogress, m_ActionsList);
            takeAnswer<PosLib::TNetCardAction>(*m_actions, actions[i]);
        }
        endProgressBar(m_actionsprogress, m_ActionsList);
    }
    onActionSelect();
}

QTreeWidgetItem* TNetCardDlg::actionRow(int id) const
{
    for (QTreeWidgetItem* item : static_cast<TLumListView*>(m_ActionsList)->itemsInOrder()) {
        if (const TLumListItem* row = TLumListItem::of(item); row && row->id() == id)
            return item;
    }
    return nullptr;
}

void TNetCardDlg::onInsertAction(Basics::TValue* value)
{
    new TSortedRow(m_ActionsList, value);
}

void TNetCardDlg::onUpdateAction(Basics::TValue* value)
{
    if (auto* row = dynamic_cast<TSortedRow*>(actionRow(value->getID()))) {
        row->setValue(value);
        row->forgetKey();
        row->refresh();
    } else {
        onInsertAction(value);
    }
}

void TNetCardDlg::onRemoveAction(Basics::TValue* value)
{
    delete actionRow(value->getID());
}

void TNetCardDlg::onActionSelect()
{
    buttonDeleteAction->setEnabled(!m_ActionsList->selectedItems().isEmpty());
    keepRight();
}

bool TNetCardDlg::selectedActionBooked() const
{
    if (!m_chkbooked->isChecked())
        return false;
    for (QTreeWidgetItem* item : m_ActionsList->selectedItems()) {
        const TLumListItem* row = TLumListItem::of(item);
        if (row && row->value() && row->value()->getBool("booked"))
            return true;
    }
    return false;
}

void TNetCardDlg::onChangeAction(QTreeWidgetItem*)
{
    if (selectedActionBooked()) {
        prompts().warning(this, tr("Important"),
                          tr("Booked actions can't be changed. Please deselect them."));
        return;
    }
    const TReaderRelease released(m_reader);
    TNetActionDlg editor(m_window, this, false);
    editor.setWindowTitle(tr("Edit card action..."));
    editor.setHeaderInfo(m_uid->text(), m_validfrom->dateTime(), m_validto->dateTime(),
                         m_lastsubvent->dateTime());
    editor.setData(m_ActionsList);
    editor.exec();
}

void TNetCardDlg::onDeleteCardAction()
{
    if (m_Tab->currentWidget() != TabActions)
        return;
    if (selectedActionBooked()) {
        prompts().warning(this, tr("Important"),
                          tr("Booked actions can't be deleted. Please deselect them."));
        return;
    }
    QList<Basics::TValue*> doomed;
    for (QTreeWidgetItem* item : static_cast<TLumListView*>(m_ActionsList)->selectedInOrder()) {
        if (const TLumListItem* row = TLumListItem::of(item); row && row->value())
            doomed << row->value();
    }
    if (doomed.isEmpty())
        return;
    const TReaderRelease released(m_reader);
    QtWidgets::TDlgRemove confirm(this);
    confirm.setWindowTitle(tr("Remove Actions"));
    QStringList titles;
    for (int column = 0; column < TCardActionColumns::actionCount; ++column)
        titles << TCardActionColumns::actionTitle(column);
    confirm.setColumns(titles);
    for (Basics::TValue* action : std::as_const(doomed)) {
        const QTreeWidgetItem* row = actionRow(action->getID());
        QStringList texts;
        for (int column = 0; column < TCardActionColumns::actionCount; ++column)
            texts << (row ? row->text(column) : QString());
        confirm.addRow(texts);
    }
    if (confirm.exec() != QDialog::Accepted)
        return;
    for (qsizetype i = 0; i < doomed.size(); ++i) {
        const QStringList result =
            m_reader.command(PosLib::CardServer::removeAction, {QString::number(doomed[i]->getID())});
        if (result.isEmpty() || result.first() != u"0") {
            prompts().critical(this, tr("Error while removing card actions"),
                               tr("%1 card actions could not be removed.").arg(doomed.size() - i));
            return;
        }
        m_actions->remove(doomed[i]);
    }
}

void TNetCardDlg::fillDocument(const QString& name, QTreeWidget* rows)
{
    TLumDocument* document = m_window->workspace()->get(name);
    TLumListView* view = document->listView();
    const auto* shown = static_cast<const TLumListView*>(rows);
    view->clear();
    view->setColumns(shown->columns());
    view->setWorkspace(shown->workspace());
    QStringList titles;
    for (const TLumColumn& column : shown->columns())
        titles << column.title;
    view->setHeaderLabels(titles);
    for (int column = 0; column < shown->columnCount(); ++column)
        view->setColumnHidden(column, shown->isColumnHidden(column));
    for (QTreeWidgetItem* item : shown->itemsInOrder()) {
        if (const TLumListItem* row = TLumListItem::of(item); row && row->value())
            new TLumListItem(view, row->value());
    }
}

void TNetCardDlg::exportRows(const QString& document, QTreeWidget* rows, const QString& rootElement)
{
    if (!m_window)
        return;
    const QString fileName =
        prompts().getSaveFileName(this, tr("Export to..."), QString(), tr("XML files (*.xml)"));
    if (fileName.isEmpty())
        return;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        prompts().critical(this, tr("Export to..."),
                           tr("%1 cannot be written:\n%2").arg(fileName, file.errorString()));
        return;
    }
    fillDocument(document, rows);
    QDomDocument xml(QStringLiteral("PosData"));
    QDomElement root = xml.createElement(rootElement);
    xml.appendChild(root);
    m_window->workspace()->get(document)->exportXml(xml, root);
    // The document's rows point at the records shown; they are not kept beyond the export.
    m_window->workspace()->get(document)->listView()->clear();
    file.write(xml.toByteArray(4));
    if (!file.commit())
        prompts().critical(this, tr("Export to..."),
                           tr("%1 cannot be written:\n%2").arg(fileName, file.errorString()));
}

void TNetCardDlg::onExportAction()
{
    exportRows(PosLib::TListNames::of<PosLib::TCardActionLog>().root, m_ActionList,
               QStringLiteral("CardActionLogs"));
}

void TNetCardDlg::onExportCardActions()
{
    exportRows(PosLib::TListNames::of<PosLib::TNetCardAction>().root, m_ActionsList,
               QStringLiteral("CardActions"));
}

void TNetCardDlg::onPrintAction()
{
    if (!m_window)
        return;
    const QString name = PosLib::TListNames::of<PosLib::TCardActionLog>().root;
    fillDocument(name, m_ActionList);
    TLumDocument* document = m_window->workspace()->get(name);
    const TReaderRelease released(m_reader);
    document->print(this, tr("Action log of card %1 (%2)").arg(m_Number->value()).arg(m_uid->text()));
    document->listView()->clear();
}

void TNetCardDlg::onPrintCardActions() {}
