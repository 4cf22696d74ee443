#include "thelpviewer.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpViewer::THelpViewer(QWidget* parent)
    : QDialog(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("THelpViewer"));
    setWindowTitle(tr("Help"));
    setModal(false);
    m_browser->setOpenExternalLinks(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(640, 520);
}

THelpViewer* THelpViewer::show(const QString& file, const QString& anchor, QWidget* parent)
{
    auto* viewer = parent ? parent->findChild<THelpViewer*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!viewer)
        viewer = new THelpViewer(parent);
    QUrl url = QUrl::fromLocalFile(file);
    url.setFragment(anchor);
    viewer->m_browser->setSource(url);
    viewer->m_browser->scrollToAnchor(anchor);
    viewer->QDialog::show();
    viewer->raise();
    return viewer;
}

QString THelpViewer::currentFile() const
{
    return m_browser->source().toLocalFile();
}

QString THelpViewer::currentAnchor() const
{
    return m_browser->source().fragment();
}
