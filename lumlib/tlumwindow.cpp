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
#include <QTreeWidgetItemIterator>
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
    if (!list || text.isEmpty())
        return nullptr;
    const auto matches = [&](const QTreeWidgetItem* item) {
        for (int column = 0; column < list->columnCount(); ++column) {
            if (item->text(column).contains(text, Qt::CaseInsensitive))
                return true;
        }
        return false;
    };
    QList<QTreeWidgetItem*> items; // the rows a filter hides are not found
    for (QTreeWidgetItemIterator it(list, QTreeWidgetItemIterator::NotHidden); *it; ++it)
        items << *it;
    // The first match from the top; asked again while on a match, the next one.
    QTreeWidgetItem* current = list->currentItem();
    const qsizetype start = current && matches(current) ? items.indexOf(current) + 1 : 0;
    for (qsizetype step = 0; step < items.size(); ++step) {
        QTreeWidgetItem* item = items[(start + step) % items.size()];
        if (matches(item)) {
            list->clearSelection();
            list->setCurrentItem(item);
            item->setSelected(true);
            list->scrollToItem(item);
            return item;
        }
    }
    return nullptr;
}
