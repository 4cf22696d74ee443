#include "tlistprint.h"

#include "tlumlistview.h"
#include "tprompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace TListPrint {

namespace {

// More columns than this are printed on landscape pages in a smaller font.
constexpr int uprightColumns = 8;

QString tr(const char* text)
{
    return QCoreApplication::translate("TListPrint", text);
}

} // namespace

QList<int> shownColumns(const TLumListView& view)
{
    QList<int> columns;
    for (int visual = 0; visual < view.header()->count(); ++visual) {
        const int logical = view.header()->logicalIndex(visual);
        if (!view.header()->isSectionHidden(logical))
            columns << logical;
    }
    return columns;
}

QList<QTreeWidgetItem*> shownRows(const TLumListView& view)
{
    QList<QTreeWidgetItem*> rows;
    for (QTreeWidgetItem* item : view.itemsInOrder()) {
        if (!item->isHidden())
            rows << item;
    }
    return rows;
}

void render(const TLumListView& view, const QString& title, QPagedPaintDevice& device)
{
    const QList<int> columns = shownColumns(view);
    const QList<QTreeWidgetItem*> rows = shownRows(view);
    const bool wide = columns.size() > uprightColumns;
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(wide ? QPageLayout::Landscape : QPageLayout::Portrait);

    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSizeF(wide ? 6.5 : 9);
    document.setDefaultFont(font);
    const int resolution = device.logicalDpiX();
    document.setPageSize(device.pageLayout().paintRectPixels(resolution).size());
    QTextCursor cursor(&document);
    QTextCharFormat heading;
    heading.setFontPointSize(14);
    heading.setFontWeight(QFont::Bold);
    cursor.insertText(title, heading);
    cursor.insertBlock();
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setCellPadding(wide ? 1.5 : 3);
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QTextTable* table =
        cursor.insertTable(int(rows.size()) + 1, std::max<int>(1, int(columns.size())), format);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int c = 0; c < columns.size(); ++c) {
        table->cellAt(0, c).firstCursorPosition().insertText(view.headerItem()->text(columns[c]), bold);
        for (int r = 0; r < rows.size(); ++r)
            table->cellAt(r + 1, c).firstCursorPosition().insertText(rows[r]->text(columns[c]));
    }
    document.print(&device);
}

bool writePdf(const TLumListView& view, const QString& title, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setResolution(96);
    render(view, title, writer);
    return file.commit();
}

bool print(const TLumListView& view, const QString& title, QWidget* parent, const QString& folder)
{
    if (prompts().printers().isEmpty()) {
        const QString proposed = QDir(folder.isEmpty() ? QDir::currentPath() : folder)
                                     .filePath(QString(title).replace(u'/', u'-') + QStringLiteral(".pdf"));
        QDir().mkpath(QFileInfo(proposed).absolutePath());
        const QString path =
            prompts().getSaveFileName(parent, tr("Print to PDF"), proposed, tr("PDF documents (*.pdf)"));
        if (path.isEmpty())
            return false;
        if (writePdf(view, title, path))
            return true;
        prompts().critical(parent, tr("Print to PDF"), tr("%1 cannot be written.").arg(path));
        return false;
    }
    // At the resolution the PDF writer uses too, so that both lay the table out alike.
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setDocName(title);
    if (!prompts().choosePrinter(parent, &printer))
        return false;
    render(view, title, printer);
    return true;
}

} // namespace TListPrint
