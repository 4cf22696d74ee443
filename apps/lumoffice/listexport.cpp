#include "listexport.h"

#include "tlumlistview.h"

#include <QHeaderView>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <functional>

namespace {

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

QString csvField(const QString& text)
{
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

bool TListExport::writeCsv(const TLumListView& view, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QList<int> columns = shownColumns(view);
    const auto line = [&](const std::function<QString(int)>& text) {
        QStringList fields;
        for (int column : columns)
            fields << csvField(text(column));
        file.write(fields.join(u';').toUtf8() + "\r\n");
    };
    line([&](int column) { return view.headerItem()->text(column); });
    for (QTreeWidgetItem* row : shownRows(view))
        line([&](int column) { return row->text(column); });
    return file.commit();
}

bool TListExport::writePdf(const TLumListView& view, const QString& title, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setTitle(title);
    writer.setResolution(96);
    const QList<int> columns = shownColumns(view);
    const QList<QTreeWidgetItem*> rows = shownRows(view);

    QTextDocument document;
    document.setPageSize(writer.pageLayout().paintRectPixels(writer.resolution()).size());
    QTextCursor cursor(&document);
    QTextCharFormat heading;
    heading.setFontPointSize(14);
    heading.setFontWeight(QFont::Bold);
    cursor.insertText(title, heading);
    cursor.insertBlock();
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    QTextTable* table =
        cursor.insertTable(int(rows.size()) + 1, std::max<int>(1, int(columns.size())), format);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int c = 0; c < columns.size(); ++c) {
        table->cellAt(0, c).firstCursorPosition().insertText(view.headerItem()->text(columns[c]), bold);
        for (int r = 0; r < rows.size(); ++r)
            table->cellAt(r + 1, c).firstCursorPosition().insertText(rows[r]->text(columns[c]));
    }
    document.print(&writer);
    return file.commit();
}
