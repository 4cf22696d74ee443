#pragma once

#include <QString>

class QTreeView;

// The rows a list view shows (filtered rows and hidden columns left out), in its order, as the
// operator sees them.
namespace TListExport {

// A CSV file in UTF-8: a header line, then one line per row; fields separated by ";" and quoted
// where they hold ";", a quote or a line break. False when the file cannot be written.
bool writeCsv(const QTreeView& view, const QString& path);
// A PDF document with the title and a table of the rows, in pages of A4.
bool writePdf(const QTreeView& view, const QString& title, const QString& path);

} // namespace TListExport
