#include "tlumwindow.h"

#include "tlockedfile.h"
#include "tlog.h"
#include "tlumconfig.h"
#include "tlumworkspace.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

TLumWindow::TLumWindow(TLumWorkspace* workspace, QWidget* parent)
    : QMainWindow(parent)
    , m_workspace(workspace)
    , m_config(std::make_unique<TLumConfig>(workspace ? workspace->GetDataPath() + TLumConfig::defaultFileName
                                                      : TLumConfig::defaultFileName))
{
    // A save or load that waits for another program's lock says so on the screen.
    waitingWindow() = this;
    Basics::TLockedFile::setWaitObserver([](const QString& file, bool waiting) {
        TLumWindow* window = waitingWindow();
        if (!window || QThread::currentThread() != window->thread())
            return;
        if (waiting)
            window->showWaitDlg(
                false,
                tr("Waiting for %1, which another program is using.").arg(QDir::toNativeSeparators(file)),
                tr("Please wait"));
        else
            window->hideWaitDlg();
    });
}

TLumWindow::~TLumWindow()
{
    if (waitingWindow() == this) {
        waitingWindow() = nullptr;
        Basics::TLockedFile::setWaitObserver({});
    }
}

TLumWindow*& TLumWindow::waitingWindow()
{
    static TLumWindow* window = nullptr;
    return window;
}

Basics::TLog* TLumWindow::log() const
{
    return &Basics::TLog::instance();
}

void TLumWindow::setUser(int userId)
{
    if (userId == m_userId)
        return;
    m_userId = userId;
    Q_EMIT userChanged(userId);
}

void TLumWindow::showWaitDlg(bool cancel, const QString& text, const QString& caption, QWidget* parent)
{
    if (!m_waitDialog) {
        m_waitDialog =
            new QDialog(parent ? parent : this, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        m_waitDialog->setObjectName(QStringLiteral("TLumWaitDlg"));
        m_waitText = new QLabel(m_waitDialog);
        m_waitText->setMinimumWidth(320);
        m_waitText->setWordWrap(true);
        auto* layout = new QVBoxLayout(m_waitDialog);
        layout->addWidget(m_waitText);
        if (cancel) {
            auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, m_waitDialog);
            connect(buttons, &QDialogButtonBox::rejected, this, [this] { m_waitCancelled = true; });
            layout->addWidget(buttons);
        }
    }
    m_waitCancelled = false;
    m_waitDialog->setWindowTitle(caption);
    m_waitText->setText(text);
    m_waitDialog->show();
    m_waitDialog->raise();
    // Painted now: the work that follows keeps the event loop busy.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TLumWindow::hideWaitDlg()
{
    if (m_waitDialog) {
        m_waitDialog->hide();
        m_waitDialog->deleteLater();
    }
}

QTreeWidgetItem* TLumWindow::findListItem(const QString& text, QTreeWidget* list)
{
    return findListRow(text, list) >= 0 ? list->currentItem() : nullptr;
}

int TLumWindow::findListRow(const QString& text, QTreeView* view)
{
    const QAbstractItemModel* model = view ? view->model() : nullptr;
    if (!model || text.isEmpty())
        return -1;
    const auto matches = [&](int row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            if (model->index(row, column).data().toString().contains(text, Qt::CaseInsensitive))
                return true;
        }
        return false;
    };
    const int count = model->rowCount();
    // The first match from the top; asked again while on a match, the next one. The rows a filter
    // hides are not found.
    const QModelIndex current = view->currentIndex();
    const int start =
        current.isValid() && !view->isRowHidden(current.row(), QModelIndex()) && matches(current.row())
            ? current.row() + 1
            : 0;
    for (int step = 0; step < count; ++step) {
        const int row = (start + step) % count;
        if (view->isRowHidden(row, QModelIndex()) || !matches(row))
            continue;
        const QModelIndex found = model->index(row, 0);
        view->clearSelection();
        view->selectionModel()->setCurrentIndex(found,
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        view->scrollTo(found);
        return row;
    }
    return -1;
}
