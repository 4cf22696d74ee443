#pragma once

#include <QDir>
#include <QPixmap>
#include <QString>

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
    // The card dialogs that no list opens: the client picker and the card action dialogs.
    static int renderCardDialogs(TOfficeWindow& window, const QDir& out);
    // The promotion editor on one promotion, and the dialogs it opens: the order and the department
    // condition and the article picker.
    static int renderPromotionDialogs(TOfficeWindow& window, const QDir& out);
};
