#pragma once

#include <QDir>
#include <QPixmap>
#include <QString>

class QDialog;
class QTabWidget;
class QWidget;
class TOfficeWindow;

// Renders the main window and every editor (for a new record and, with several records selected,
// for editing them together) into PNG files, offscreen as well as on a screen.
class TScreenshots {
public:
    // Returns the number of pictures written; false-like 0 when the folder cannot be written.
    static int render(TOfficeWindow& window, const QString& folder);
    // The widget as a window looks on a desktop, with its caption in a title bar.
    static QPixmap grab(QWidget* widget);
    // Every page of a dialog with pages, two pages to a row, so that each can be looked at.
    static QPixmap allPages(QDialog* dialog, QTabWidget* tabs);
    // The card dialogs that no list opens: the client picker, the card action dialogs, the card
    // editor on a demo card with its lists loaded, and the formatting of new cards.
    static int renderCardDialogs(TOfficeWindow& window, const QDir& out);
    // The promotion editor on one promotion, and the dialogs it opens: the order and the department
    // condition and the article picker.
    static int renderPromotionDialogs(TOfficeWindow& window, const QDir& out);
};
