#pragma once

#include "lumlib_global.h"

#include <QDialog>

class QTextBrowser;

// The built-in help viewer: a window beside the dialog that asked for help, showing the help file
// at the dialog's section. It stays usable while that dialog runs modally, since it is its child.
class LUMLIB_EXPORT THelpViewer : public QDialog {
    Q_OBJECT
public:
    // Shows file at anchor in the viewer of parent, creating it on first use.
    static THelpViewer* show(const QString& file, const QString& anchor, QWidget* parent);

    QString currentFile() const;
    QString currentAnchor() const;

private:
    explicit THelpViewer(QWidget* parent);

    QTextBrowser* m_browser;
};
