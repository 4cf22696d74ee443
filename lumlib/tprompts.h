#pragma once

#include "lumlib_global.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// Every message box, input box and file chooser of the host and the dialogs goes through the
// current prompts object. The default shows the real Qt dialogs; a test installs its own to script
// the answers and to see what the operator would have been told.
class LUMLIB_EXPORT TPrompts {
public:
    virtual ~TPrompts();

    virtual void information(QWidget* parent, const QString& caption, const QString& text);
    virtual void warning(QWidget* parent, const QString& caption, const QString& text);
    virtual void critical(QWidget* parent, const QString& caption, const QString& text);
    virtual QMessageBox::StandardButton
    question(QWidget* parent, const QString& caption, const QString& text,
             QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    // A box with buttons of the given texts; returns the index of the button chosen, or
    // escapeButton when the box is closed otherwise.
    virtual int choose(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
                       const QStringList& buttons, int defaultButton = 0, int escapeButton = -1);

    virtual QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir = QString(),
                                    const QString& filter = QString());
    virtual QString getSaveFileName(QWidget* parent, const QString& caption, const QString& dir = QString(),
                                    const QString& filter = QString());
    // A directory, or an empty text when the operator cancelled.
    virtual QString getExistingDirectory(QWidget* parent, const QString& caption,
                                         const QString& dir = QString());
    virtual QString getText(QWidget* parent, const QString& caption, const QString& label,
                            const QString& text = QString(), bool* ok = nullptr);
    virtual int getInt(QWidget* parent, const QString& caption, const QString& label, int value = 0,
                       int minimum = -2147483647, int maximum = 2147483647, int step = 1, bool* ok = nullptr);
    virtual QString getItem(QWidget* parent, const QString& caption, const QString& label,
                            const QStringList& items, int current = 0, bool editable = true,
                            bool* ok = nullptr);

    // The printers the system knows, by name; none: printouts go to PDF files.
    virtual QStringList printers();
    // The system's print dialog for the printer; true when the operator chose to print.
    virtual bool choosePrinter(QWidget* parent, QPrinter* printer);

    // The prompts in use.
    static TPrompts& current();
    // Puts prompts in place of the current ones (the caller keeps ownership); null restores the
    // real dialogs.
    static void install(TPrompts* prompts);
};

// Short for TPrompts::current().
LUMLIB_EXPORT TPrompts& prompts();
