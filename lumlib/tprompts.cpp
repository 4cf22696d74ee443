#include "tprompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace {

TPrompts* installed = nullptr;

// A box stands over the window it belongs to: the nearest visible one of the parent and its
// ancestors (a dialog that is still being set up is not shown yet), else the active window.
QWidget* over(QWidget* parent)
{
    QWidget* widget = parent;
    while (widget && !widget->isVisible())
        widget = widget->parentWidget();
    return widget ? widget : QApplication::activeWindow();
}

} // namespace

TPrompts::~TPrompts() = default;

void TPrompts::information(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox::information(over(parent), caption, text);
}

void TPrompts::warning(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox::warning(over(parent), caption, text);
}

void TPrompts::critical(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox::critical(over(parent), caption, text);
}

QMessageBox::StandardButton TPrompts::question(QWidget* parent, const QString& caption, const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::question(over(parent), caption, text, buttons, defaultButton);
}

int TPrompts::choose(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
                     const QStringList& buttons, int defaultButton, int escapeButton)
{
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, over(parent));
    QList<QPushButton*> pushButtons;
    for (const QString& label : buttons)
        pushButtons << box.addButton(label, QMessageBox::ActionRole);
    if (defaultButton >= 0 && defaultButton < pushButtons.size())
        box.setDefaultButton(pushButtons[defaultButton]);
    if (escapeButton >= 0 && escapeButton < pushButtons.size())
        box.setEscapeButton(pushButtons[escapeButton]);
    box.exec();
    const qsizetype chosen = pushButtons.indexOf(static_cast<QPushButton*>(box.clickedButton()));
    return chosen >= 0 ? int(chosen) : escapeButton;
}

QString TPrompts::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter)
{
    return QFileDialog::getOpenFileName(over(parent), caption, dir, filter);
}

QString TPrompts::getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter)
{
    return QFileDialog::getSaveFileName(over(parent), caption, dir, filter);
}

QString TPrompts::getExistingDirectory(QWidget* parent, const QString& caption, const QString& dir)
{
    return QFileDialog::getExistingDirectory(parent, caption, dir, QFileDialog::ShowDirsOnly);
}

QString TPrompts::getText(QWidget* parent, const QString& caption, const QString& label, const QString& text,
                          bool* ok)
{
    return QInputDialog::getText(over(parent), caption, label, QLineEdit::Normal, text, ok);
}

int TPrompts::getInt(QWidget* parent, const QString& caption, const QString& label, int value, int minimum,
                     int maximum, int step, bool* ok)
{
    return QInputDialog::getInt(over(parent), caption, label, value, minimum, maximum, step, ok);
}

QString TPrompts::getItem(QWidget* parent, const QString& caption, const QString& label,
                          const QStringList& items, int current, bool editable, bool* ok)
{
    return QInputDialog::getItem(over(parent), caption, label, items, current, editable, ok);
}

QStringList TPrompts::printers()
{
    return QPrinterInfo::availablePrinterNames();
}

bool TPrompts::choosePrinter(QWidget* parent, QPrinter* printer)
{
    QPrintDialog dialog(printer, over(parent));
    return dialog.exec() == QDialog::Accepted;
}

TPrompts& TPrompts::current()
{
    static TPrompts real;
    return installed ? *installed : real;
}

void TPrompts::install(TPrompts* prompts)
{
    installed = prompts;
}

TPrompts& prompts()
{
    return TPrompts::current();
}
