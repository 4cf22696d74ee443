#pragma once

#include <QString>

class TOfficeWindow;

// Renders the main window and every editor (for a new record and, with several records selected,
// for editing them together) into PNG files, offscreen as well as on a screen.
class TScreenshots {
public:
    // Returns the number of pictures written; false-like 0 when the folder cannot be written.
    static int render(TOfficeWindow& window, const QString& folder);
};
