#include "backupactions.h"

#include "databackup.h"
#include "tlumconfig.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tprompts.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString backupRight = QStringLiteral("DataBackup");
const QString restoreRight = QStringLiteral("DataRestore");

// The data root without its trailing "/".
QString dataRootOf(TLumWindow* window)
{
    return QDir::cleanPath(window->workspace()->GetDataPath());
}

QString backupNotes(const DataBackup::Result& result)
{
    return result.notes.isEmpty() ? QString() : QStringLiteral("\n\n") + result.notes.join(u'\n');
}

} // namespace

TBackupActions::TBackupActions(TLumWindow* window, QMenu* menu)
    : QObject(window)
    , m_window(window)
    , m_backup(menu->addAction(tr("&Back up data...")))
    , m_restore(menu->addAction(tr("&Restore data...")))
{
    m_backup->setObjectName(QStringLiteral("backupData"));
    m_backup->setStatusTip(tr("Write an archive of every data file, INI file and the SQLite database"));
    m_restore->setObjectName(QStringLiteral("restoreData"));
    m_restore->setStatusTip(tr("Replace the data root by a checked archive; the replaced data is kept"));
    connect(m_backup, &QAction::triggered, this, &TBackupActions::backUp);
    connect(m_restore, &QAction::triggered, this, &TBackupActions::restore);
    connect(window, &TLumWindow::userChanged, this, &TBackupActions::updateActions);
    updateActions();
}

void TBackupActions::updateActions()
{
    const TLumConfig* config = m_window->config();
    const int user = m_window->userId();
    m_backup->setEnabled(config && config->right(backupRight, user) != TLumConfig::NoAccess);
    m_restore->setEnabled(config && config->right(restoreRight, user) == TLumConfig::Full);
}

void TBackupActions::backUp()
{
    if (!m_backup->isEnabled())
        return;
    const QString root = dataRootOf(m_window);
    const QString suggested = QDir::home().filePath(
        QStringLiteral("%1-%2.tar")
            .arg(QFileInfo(root).fileName(),
                 QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm"))));
    const QString archive =
        prompts().getSaveFileName(m_window, tr("Back up data"), suggested, tr("Backup archives (*.tar)"));
    if (archive.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DataBackup::Result result = DataBackup::backup(root, archive);
    QApplication::restoreOverrideCursor();
    if (!result.ok) {
        prompts().critical(m_window, tr("Back up data"),
                           tr("No archive was written: %1").arg(result.error) + backupNotes(result));
        return;
    }
    prompts().information(m_window, tr("Back up data"),
                          tr("%1 files (%2 bytes) are in %3.")
                                  .arg(result.files)
                                  .arg(qlonglong(result.bytes))
                                  .arg(QDir::toNativeSeparators(archive)) +
                              backupNotes(result));
}

QString TBackupActions::restoreQuestion(const QString& root, const QString& archive)
{
    return tr("Replace the data root %1 by the archive %2?\n\n"
              "Every data file, INI file and the SQLite database in the data root is replaced by the "
              "archive's. The archive is checked completely first; the current data root is kept beside it "
              "as %1.replaced-<date>-<time>.\n\n"
              "Stop the other programs that work on this data root first. lumoffice closes after the "
              "restore.")
        .arg(QDir::toNativeSeparators(root), QDir::toNativeSeparators(archive));
}

void TBackupActions::restore()
{
    if (!m_restore->isEnabled())
        return;
    const QString root = dataRootOf(m_window);
    const QString archive = prompts().getOpenFileName(m_window, tr("Restore data"), QDir::homePath(),
                                                      tr("Backup archives (*.tar)"));
    if (archive.isEmpty())
        return;
    const QString text = restoreQuestion(root, archive);
    if (prompts().question(m_window, tr("Restore data"), text, QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::No) != QMessageBox::Yes)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DataBackup::Result result = DataBackup::restore(archive, root);
    QApplication::restoreOverrideCursor();
    if (!result.ok) {
        prompts().critical(m_window, tr("Restore data"),
                           tr("Nothing was replaced: %1").arg(result.error) + backupNotes(result));
        return;
    }
    prompts().information(m_window, tr("Restore data"),
                          tr("%1 files are restored. The replaced data root is kept in %2.\n"
                             "lumoffice closes now; start it again to work with the restored data.")
                                  .arg(result.files)
                                  .arg(QDir::toNativeSeparators(result.kept)) +
                              backupNotes(result));
    m_window->close();
}
