#pragma once

#include "lumlib_global.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;
class QTreeView;
class QWidget;

// A list view as the operator sees it (hidden columns and rows left out, in its order), printed as
// a table under a title: onto a page device, into a PDF file, or on a printer.
namespace TListPrint {

// The logical columns in the order shown, and the rows not hidden; the texts of a header and a cell.
LUMLIB_EXPORT QList<int> shownColumns(const QTreeView& view);
LUMLIB_EXPORT QList<int> shownRows(const QTreeView& view);
LUMLIB_EXPORT QString headerText(const QTreeView& view, int column);
LUMLIB_EXPORT QString cellText(const QTreeView& view, int row, int column);

// Pages of A4, landscape when the table has more columns than fit upright.
LUMLIB_EXPORT void render(const QTreeView& view, const QString& title, QPagedPaintDevice& device);
// False when the file cannot be written.
LUMLIB_EXPORT bool writePdf(const QTreeView& view, const QString& title, const QString& path);
// On a printer the operator chooses in the system's print dialog; where the system knows no
// printer, into a PDF file the operator names (proposed in folder). False when the operator
// cancelled or the file could not be written (the operator is told).
LUMLIB_EXPORT bool print(const QTreeView& view, const QString& title, QWidget* parent,
                         const QString& folder = QString());

} // namespace TListPrint
