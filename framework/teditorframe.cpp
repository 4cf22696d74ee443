#include "teditorframe.h"

#include "tcurrencies.h"
#include "tlumconfig.h"
#include "tlumdlg.h"
#include "tlumlistview.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tprompts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>

namespace LumDialogs {

void initEditor(QDialog* dialog, TLumWindow* window, const TEditorWidgets& widgets)
{
    if (window && window->config())
        window->config()->checkDlgRight(dialog, window);
    const QStyle* style = dialog->style();
    widgets.first->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    widgets.prev->setShortcut(QKeySequence(Qt::Key_PageUp));
    widgets.next->setShortcut(QKeySequence(Qt::Key_PageDown));
    widgets.last->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    widgets.first->setIcon(style->standardIcon(QStyle::SP_MediaSkipBackward));
    widgets.prev->setIcon(style->standardIcon(QStyle::SP_MediaSeekBackward));
    widgets.next->setIcon(style->standardIcon(QStyle::SP_MediaSeekForward));
    widgets.last->setIcon(style->standardIcon(QStyle::SP_MediaSkipForward));
    widgets.help->setEnabled(TLumDlg::helpAvailable());
    widgets.number->setFocus();
}

void enableNavigation(const TEditorWidgets& widgets, bool enabled)
{
    for (QPushButton* button : {widgets.first, widgets.prev, widgets.next, widgets.last})
        button->setEnabled(enabled);
}

void lockNumber(const TEditorWidgets& widgets, QWidget* firstTextField)
{
    if (widgets.number->hasFocus() && firstTextField)
        firstTextField->setFocus();
    widgets.number->setEnabled(false);
}

void reportStorageError(QWidget* parent, const QString& description)
{
    prompts().critical(
        parent, QCoreApplication::translate("LumDialogs", "Storage error"),
        QCoreApplication::translate("LumDialogs", "The change could not be stored:\n%1").arg(description));
}

TLumListView* parentListView(const QDialog* dialog)
{
    return qobject_cast<TLumListView*>(dialog->parentWidget());
}

namespace {

const TCurrencies* currencies(const TLumWindow* window)
{
    TLumWorkspace* workspace = window ? window->workspace() : nullptr;
    return workspace ? qobject_cast<const TCurrencies*>(workspace->getData(QStringLiteral("currencies")))
                     : nullptr;
}

} // namespace

QString amountText(const TLumWindow* window, qint64 amount)
{
    const TCurrencies* list = currencies(window);
    return list ? list->amountToText(amount) : QString::number(amount);
}

qint64 amountOf(const TLumWindow* window, const QString& text)
{
    const TCurrencies* list = currencies(window);
    return list ? list->textToAmount(text) : text.trimmed().toLongLong();
}

void notImplemented(const char* classAndSlot)
{
    qWarning("%s: Not implemented yet", classAndSlot);
}

} // namespace LumDialogs
