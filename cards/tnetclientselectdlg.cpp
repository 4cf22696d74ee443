#include "tnetclientselectdlg.h"

#include "tcardreaderlink.h"
#include "tcardserverprotocol.h"
#include "teditorframe.h"
#include "tlistnames.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tnetclient.h"
#include "tnetclientcopy.h"
#include "tnetclientdlg.h"
#include "tnetreader.h"
#include "tprompts.h"
#include "treadererror.h"
#include "tvaluelist.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>

using PosLib::TNetClient;

TNetClientSelectDlgBase::TNetClientSelectDlgBase(QWidget* parent, const char* name, bool modal,
                                                 Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setupUi(this);
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    connect(m_ClientView, &QTreeWidget::itemActivated, this, &TNetClientSelectDlgBase::onaccept);
    connect(m_ClientView, &QTreeWidget::itemSelectionChanged, this, &TNetClientSelectDlgBase::onChange);
    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(b_search, &QPushButton::clicked, this, &TNetClientSelectDlgBase::onsearch);
    connect(buttonNewClient, &QPushButton::clicked, this, &TNetClientSelectDlgBase::onNewClient);
}

void TNetClientSelectDlgBase::onsearch()
{
    LumDialogs::notImplemented("TNetClientSelectDlgBase::onsearch()");
}

void TNetClientSelectDlgBase::onNewClient()
{
    LumDialogs::notImplemented("TNetClientSelectDlgBase::onNewClient()");
}

void TNetClientSelectDlgBase::onaccept(QTreeWidgetItem*)
{
    LumDialogs::notImplemented("TNetClientSelectDlgBase::onaccept(QListViewItem*)");
}

void TNetClientSelectDlgBase::onChange()
{
    LumDialogs::notImplemented("TNetClientSelectDlgBase::onChange()");
}

void TNetClientSelectDlgBase::onInsert(Basics::TValue*)
{
    LumDialogs::notImplemented("TNetClientSelectDlgBase::onInsert(TValue*)");
}

// One client: its texts, and the same texts case-folded in one line for the search, so that a
// keystroke looks into one string per row.
class TNetClientSelectDlg::TClientItem : public QTreeWidgetItem {
public:
    explicit TClientItem(TNetClient* client)
        : m_client(client)
    {
        update();
    }

    TNetClient* client() const { return m_client; }

    void update()
    {
        const QDateTime birthday = m_client->getBirthday();
        const QStringList texts = {
            QString::number(m_client->getID()),
            m_client->getAddress(),
            m_client->getName(),
            m_client->getPrename(),
            m_client->contains("bday") ? QLocale().toString(birthday.date(), QLocale::ShortFormat)
                                       : QString(),
            m_client->getPlz(),
            m_client->getCity(),
            m_client->getStreet(),
            m_client->getPhone1(),
            m_client->getPhone2(),
            m_client->getFax(),
            m_client->getEmail(),
            m_client->getBitmap(),
            m_client->getParentId() ? QString::number(m_client->getParentId()) : QString(),
        };
        for (int column = 0; column < texts.size(); ++column)
            setText(column, texts[column]);
        // A line break cannot be typed into the search field, so no hit spans two columns.
        m_folded = texts.join(u'\n').toCaseFolded();
    }

    bool holds(const QString& folded) const { return m_folded.contains(folded); }

    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (column == 0 || column == 5 || column == 13)
            return text(column).toLongLong() < other.text(column).toLongLong();
        return QString::localeAwareCompare(text(column), other.text(column)) < 0;
    }

private:
    TNetClient* m_client;
    QString m_folded;
};

namespace {

QString selectTr(const char* text)
{
    return QCoreApplication::translate("TNetClientSelectDlg", text);
}

} // namespace

TNetClientSelectDlg::TNetClientSelectDlg(TLumWindow* window, QWidget* parent)
    : TNetClientSelectDlgBase(parent, "TNetClientSelectDlg", true)
    , m_window(window)
    , m_reader(LumDialogs::findCardReader())
{
    m_ClientView->setColumnCount(columnCount);
    m_ClientView->setHeaderLabels({tr("ID"), tr("Address"), tr("Name"), tr("Prename"), tr("Birthday"),
                                   tr("Plz"), tr("City"), tr("Street"), tr("Phone1"), tr("Phone2"), tr("Fax"),
                                   tr("Email"), tr("Bitmap"), tr("Parent")});
    m_ClientView->sortByColumn(0, Qt::AscendingOrder);
    m_input->installEventFilter(this);
    connect(m_input, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QList<QTreeWidgetItem*> selected = m_ClientView->selectedItems();
        findFrom(selected.isEmpty() ? 0 : m_ClientView->indexOfTopLevelItem(selected.first()), text);
    });
    TLumWorkspace* workspace = window ? window->workspace() : nullptr;
    m_clients = workspace ? workspace->getData(PosLib::TListNames::of<TNetClient>().root) : nullptr;
    if (!m_reader || !m_clients) {
        buttonNewClient->setEnabled(false);
        onChange();
        return;
    }
    loadClients();
    onChange();
    connect(m_clients, &Basics::TValueList::inserted, this, &TNetClientSelectDlg::onInsert);
    connect(m_clients, &Basics::TValueList::changed, this, [this](Basics::TValue* value) {
        for (int row = 0; row < m_ClientView->topLevelItemCount(); ++row) {
            auto* item = static_cast<TClientItem*>(m_ClientView->topLevelItem(row));
            if (item->client() == value)
                item->update();
        }
    });
    connect(m_clients, &Basics::TValueList::removed, this, &TNetClientSelectDlg::onRemoved);
    buttonNewClient->setShortcut(QKeySequence(Qt::Key_Insert));
}

TNetClientSelectDlg::~TNetClientSelectDlg() = default;

void TNetClientSelectDlg::loadClients()
{
    if (m_window)
        m_window->showWaitDlg(false, selectTr("Loading data from database, please wait."),
                              selectTr("Collecting data"), this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QStringList texts;
    m_reader->command(PosLib::CardServer::getAllClients, texts);
    // An empty answer is no client at all only when the reader says so; otherwise the server could
    // not be asked, and the copy of the last load stays as it is.
    const int code = texts.isEmpty() ? LumDialogs::cardReaderErrorCode(m_reader) : 0;
    const int unreadable = code == 0 ? TNetClientCopy::take(*m_clients, texts) : 0;
    addRows();
    QApplication::restoreOverrideCursor();
    if (m_window)
        m_window->hideWaitDlg();
    if (code != 0)
        prompts().critical(this, selectTr("Loading clients"), Devices::readerErrorText(code));
    else if (unreadable > 0)
        prompts().warning(this, selectTr("Loading clients"),
                          selectTr("%1 client texts of the server could not be read; they are not listed.")
                              .arg(unreadable));
}

void TNetClientSelectDlg::addRows()
{
    QList<QTreeWidgetItem*> rows;
    rows.reserve(m_clients->count());
    for (Basics::TValue* value : *m_clients) {
        if (auto* client = dynamic_cast<TNetClient*>(value))
            rows << new TClientItem(client);
    }
    m_ClientView->setSortingEnabled(false);
    m_ClientView->clear();
    m_ClientView->addTopLevelItems(rows);
    m_ClientView->setSortingEnabled(true);
}

TNetClientSelectDlg::TClientItem* TNetClientSelectDlg::addRow(TNetClient* client)
{
    auto* item = new TClientItem(client);
    m_ClientView->addTopLevelItem(item);
    return item;
}

void TNetClientSelectDlg::setSearchId(int id)
{
    if (id != 0)
        findStartItem(id);
}

void TNetClientSelectDlg::findStartItem(int id)
{
    for (int row = 0; row < m_ClientView->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_ClientView->topLevelItem(row);
        if (static_cast<TClientItem*>(item)->client()->getID() == id) {
            m_ClientView->clearSelection();
            m_ClientView->setCurrentItem(item);
            item->setSelected(true);
            m_ClientView->scrollToItem(item);
            return;
        }
    }
}

bool TNetClientSelectDlg::findFrom(int start, const QString& text)
{
    const int rows = m_ClientView->topLevelItemCount();
    if (text.isEmpty() || rows == 0)
        return false;
    const QString folded = text.toCaseFolded();
    for (int step = 0; step < rows; ++step) {
        QTreeWidgetItem* item = m_ClientView->topLevelItem((start + step) % rows);
        if (static_cast<TClientItem*>(item)->holds(folded)) {
            m_ClientView->clearSelection();
            m_ClientView->setCurrentItem(item);
            item->setSelected(true);
            m_ClientView->scrollToItem(item);
            return true;
        }
    }
    return false;
}

void TNetClientSelectDlg::onsearch()
{
    const QList<QTreeWidgetItem*> selected = m_ClientView->selectedItems();
    findFrom(selected.isEmpty() ? 0 : m_ClientView->indexOfTopLevelItem(selected.first()) + 1,
             m_input->text());
}

void TNetClientSelectDlg::onNewClient()
{
    TNetClientDlg editor(m_window, this);
    editor.setID(nullptr);
    if (editor.exec() == QDialog::Accepted)
        setSearchId(editor.getID());
}

void TNetClientSelectDlg::onaccept(QTreeWidgetItem* item)
{
    if (item && !item->isSelected()) {
        m_ClientView->clearSelection();
        item->setSelected(true);
    }
    accept();
}

void TNetClientSelectDlg::onChange()
{
    buttonOk->setEnabled(!m_ClientView->selectedItems().isEmpty());
}

void TNetClientSelectDlg::onInsert(Basics::TValue* value)
{
    if (auto* client = dynamic_cast<TNetClient*>(value))
        addRow(client);
}

void TNetClientSelectDlg::onRemoved(Basics::TValue* value)
{
    for (int row = m_ClientView->topLevelItemCount() - 1; row >= 0; --row) {
        if (static_cast<TClientItem*>(m_ClientView->topLevelItem(row))->client() == value)
            delete m_ClientView->takeTopLevelItem(row);
    }
}

void TNetClientSelectDlg::accept()
{
    const QList<QTreeWidgetItem*> selected = m_ClientView->selectedItems();
    if (selected.isEmpty())
        return;
    m_result = static_cast<TClientItem*>(selected.first())->client();
    QDialog::accept();
}

bool TNetClientSelectDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_input && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            onsearch();
            return true;
        }
    }
    return TNetClientSelectDlgBase::eventFilter(watched, event);
}
