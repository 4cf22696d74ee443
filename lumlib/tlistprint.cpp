#include "tlistprint.h"

#include "tprompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QTreeView>

#include <algorithm>
#include <cmath>

namespace TListPrint {

namespace {

// More columns than this are printed on landscape pages in a smaller font.
constexpr int uprightColumns = 8;

QString tr(const char* text)
{
    return QCoreApplication::translate("TListPrint", text);
}

} // namespace

QList<int> shownColumns(const QTreeView& view)
{
    QList<int> columns;
    for (int visual = 0; visual < view.header()->count(); ++visual) {
        const int logical = view.header()->logicalIndex(visual);
        if (!view.header()->isSectionHidden(logical))
            columns << logical;
    }
    return columns;
}

QList<int> shownRows(const QTreeView& view)
{
    QList<int> rows;
    const int count = view.model() ? view.model()->rowCount() : 0;
    for (int row = 0; row < count; ++row) {
        if (!view.isRowHidden(row, QModelIndex()))
            rows << row;
    }
    return rows;
}

QString headerText(const QTreeView& view, int column)
{
    return view.model() ? view.model()->headerData(column, Qt::Horizontal).toString() : QString();
}

QString cellText(const QTreeView& view, int row, int column)
{
    return view.model() ? view.model()->index(row, column).data().toString() : QString();
}

namespace {

// The narrowest a text can be set without breaking a word.
int widestWord(const QFontMetricsF& metrics, const QString& text)
{
    qreal widest = 0;
    for (QStringView word : QStringView(text).split(u' ', Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word.toString()));
    return int(std::ceil(widest));
}

// A shown column and the width it needs.
struct PrintedColumn {
    int index;
    int width;
};

// The shown columns in groups that each fit the page's width without breaking a word of a
// header or of the first rows; the first column, which names the row, begins every group.
QList<QList<PrintedColumn>> columnGroups(const QTreeView& view, const QList<int>& columns,
                                         const QList<int>& rows, const QFont& font, int pageWidth,
                                         int padding)
{
    constexpr qsizetype measuredRows = 200;
    const QFontMetricsF plain(font);
    QFont boldFont = font;
    boldFont.setBold(true);
    const QFontMetricsF bold(boldFont);
    QList<PrintedColumn> measured;
    for (int column : columns) {
        int width = widestWord(bold, headerText(view, column));
        for (qsizetype r = 0; r < std::min(rows.size(), measuredRows); ++r)
            width = std::max(width, widestWord(plain, cellText(view, rows[r], column)));
        measured.append({column, width + 2 * padding + 4});
    }
    QList<QList<PrintedColumn>> groups;
    int used = 0;
    for (qsizetype c = 0; c < measured.size(); ++c) {
        if (groups.isEmpty() || (used + measured[c].width > pageWidth && groups.constLast().size() > 1)) {
            groups.append(c == 0 ? QList<PrintedColumn>() : QList<PrintedColumn>{measured[0]});
            used = c == 0 ? 0 : measured[0].width;
        }
        groups.last() << measured[c];
        used += measured[c].width;
    }
    return groups;
}

} // namespace

void render(const QTreeView& view, const QString& title, QPagedPaintDevice& device)
{
    const QList<int> columns = shownColumns(view);
    const QList<int> rows = shownRows(view);
    const bool wide = columns.size() > uprightColumns;
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(wide ? QPageLayout::Landscape : QPageLayout::Portrait);

    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSizeF(wide ? 6.5 : 9);
    document.setDefaultFont(font);
    const int resolution = device.logicalDpiX();
    const QSize page = device.pageLayout().paintRectPixels(resolution).size();
    document.setPageSize(page);
    const int padding = wide ? 2 : 3;
    // The document's own margin is inside the page's.
    const int tableWidth = page.width() - 2 * int(std::ceil(document.documentMargin()));
    const QList<QList<PrintedColumn>> groups = columnGroups(view, columns, rows, font, tableWidth, padding);

    QTextCursor cursor(&document);
    QTextCharFormat heading;
    heading.setFontPointSize(14);
    heading.setFontWeight(QFont::Bold);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (qsizetype g = 0; g < std::max<qsizetype>(groups.size(), 1); ++g) {
        const QList<PrintedColumn> group = groups.value(g);
        if (g > 0) {
            QTextBlockFormat newPage;
            newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.movePosition(QTextCursor::End);
            cursor.insertBlock(newPage);
        }
        cursor.insertText(groups.size() > 1
                              ? tr("%1 (columns, part %2 of %3)").arg(title).arg(g + 1).arg(groups.size())
                              : title,
                          heading);
        cursor.insertBlock(QTextBlockFormat());
        QTextTableFormat format;
        format.setHeaderRowCount(1);
        format.setCellPadding(padding);
        format.setCellSpacing(0);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        // Each column its share of the page as measured, so that no word is broken.
        int sum = 0;
        for (const PrintedColumn& column : group)
            sum += column.width;
        QList<QTextLength> shares;
        for (const PrintedColumn& column : group)
            shares << QTextLength(QTextLength::PercentageLength, 100.0 * column.width / std::max(sum, 1));
        format.setColumnWidthConstraints(shares);
        QTextTable* table =
            cursor.insertTable(int(rows.size()) + 1, std::max<int>(1, int(group.size())), format);
        for (int c = 0; c < group.size(); ++c) {
            const int column = group[c].index;
            table->cellAt(0, c).firstCursorPosition().insertText(headerText(view, column), bold);
            for (int r = 0; r < rows.size(); ++r)
                table->cellAt(r + 1, c).firstCursorPosition().insertText(cellText(view, rows[r], column));
        }
    }
    document.print(&device);
}

bool writePdf(const QTreeView& view, const QString& title, const QString& path)
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

bool print(const QTreeView& view, const QString& title, QWidget* parent, const QString& folder)
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
