#include "teditorframe.h"

#include "tcombobox.h"
#include "tcurrencies.h"
#include "tfields.h"
#include "tlumconfig.h"
#include "tlumdlg.h"
#include "tlumrecordrows.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tprompts.h"
#include "trecordeditor.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTextEdit>

namespace LumDialogs {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("LumDialogs", text);
}

} // namespace

TRecordEditor::~TRecordEditor() = default;

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
    prompts().critical(parent, tr("Storage error"),
                       tr("The change could not be stored:\n%1").arg(description));
}

bool confirmDiscard(QWidget* parent, bool cannotSave)
{
    const QString text = cannotSave ? tr("The record cannot be saved as it is: a required input is empty.\n"
                                         "Discard your changes?")
                                    : tr("Your changes have not been saved.\nDiscard them?");
    return prompts().question(parent, tr("Discard changes"), text, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) == QMessageBox::Yes;
}

TLumRecordRows* parentListView(const QDialog* dialog)
{
    return TLumRecordRows::of(dialog->parentWidget());
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

void markMissingId(QtWidgets::TComboBox& chooser, int id)
{
    QComboBox* combo = chooser.combo();
    if (!combo || id == 0 || chooser.hasId(id) || QtWidgets::TComboBox::idOf(combo->currentText()) != id)
        return;
    const QString text = QtWidgets::TComboBox::itemText(id, tr("(missing)"), chooser.idWidth());
    if (combo->isEditable())
        combo->setEditText(text);
    else
        combo->setItemText(combo->currentIndex(), text);
}

void notImplemented(const char* classAndSlot)
{
    qWarning("%s: Not implemented yet", classAndSlot);
}

namespace {

// Whatever the operator can change, and whatever reports it; not the scroll bars, which only move
// the view and must keep it in step with its contents.
bool isInput(const QObject* object)
{
    if (qobject_cast<const QScrollBar*>(object))
        return false;
    return qobject_cast<const QAbstractButton*>(object) || qobject_cast<const QButtonGroup*>(object) ||
           qobject_cast<const QGroupBox*>(object) || qobject_cast<const QLineEdit*>(object) ||
           qobject_cast<const QComboBox*>(object) || qobject_cast<const QAbstractSpinBox*>(object) ||
           qobject_cast<const QTextEdit*>(object) || qobject_cast<const QPlainTextEdit*>(object) ||
           qobject_cast<const QAbstractItemView*>(object) || qobject_cast<const QAbstractSlider*>(object) ||
           qobject_cast<const QTabWidget*>(object);
}

const char* const everyRecordStyle = "lumEveryRecordStyle";
const char* const everyRecordTip = "lumEveryRecordTip";
const char* const lockedForSeveral = "lumLockedForSeveral";

} // namespace

TQuietFill::TQuietFill(QDialog* dialog)
{
    for (QObject* object : dialog->findChildren<QObject*>()) {
        if (isInput(object) && !object->signalsBlocked()) {
            object->blockSignals(true);
            m_blocked.emplace_back(object);
        }
    }
}

TQuietFill::~TQuietFill()
{
    for (const QPointer<QObject>& object : m_blocked) {
        if (object)
            object->blockSignals(false);
    }
}

void markEveryRecord(QWidget* widget, bool on)
{
    if (!widget)
        return;
    const bool marked = widget->property(everyRecordStyle).isValid();
    if (on == marked)
        return;
    if (on) {
        widget->setProperty(everyRecordStyle, widget->styleSheet());
        widget->setProperty(everyRecordTip, widget->toolTip());
        const QString selector = widget->objectName().isEmpty() ? QString() : u'#' + widget->objectName();
        widget->setStyleSheet(widget->styleSheet() +
                              QStringLiteral("%1%2 { background-color: #fde9b0; }")
                                  .arg(QString::fromLatin1(widget->metaObject()->className()), selector));
        const QString tip = tr("This value goes into every selected record.");
        widget->setToolTip(widget->toolTip().isEmpty() ? tip : widget->toolTip() + u'\n' + tip);
    } else {
        widget->setStyleSheet(widget->property(everyRecordStyle).toString());
        widget->setToolTip(widget->property(everyRecordTip).toString());
        widget->setProperty(everyRecordStyle, QVariant());
        widget->setProperty(everyRecordTip, QVariant());
    }
}

void showSeveralValues(QLineEdit* edit, bool on)
{
    const char* const saved = "lumOwnPlaceholder";
    if (on && !edit->property(saved).isValid()) {
        edit->setProperty(saved, edit->placeholderText());
        edit->setPlaceholderText(tr("(several values)"));
    } else if (!on && edit->property(saved).isValid()) {
        edit->setPlaceholderText(edit->property(saved).toString());
        edit->setProperty(saved, QVariant());
    }
}

void lockForSeveral(QWidget* widget, bool on)
{
    if (!widget)
        return;
    if (on && widget->isEnabled()) {
        widget->setEnabled(false);
        widget->setProperty(lockedForSeveral, true);
    } else if (!on && widget->property(lockedForSeveral).toBool()) {
        widget->setEnabled(true);
        widget->setProperty(lockedForSeveral, QVariant());
    }
}

} // namespace LumDialogs
