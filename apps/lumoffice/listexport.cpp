#include "listexport.h"

#include "tlistprint.h"

#include <QSaveFile>

#include <functional>

namespace {

QString csvField(const QString& text)
{
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

bool TListExport::writeCsv(const QTreeView& view, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QList<int> columns = TListPrint::shownColumns(view);
    const auto line = [&](const std::function<QString(int)>& text) {
        QStringList fields;
        for (int column : columns)
            fields << csvField(text(column));
        file.write(fields.join(u';').toUtf8() + "\r\n");
    };
    line([&](int column) { return TListPrint::headerText(view, column); });
    for (int row : TListPrint::shownRows(view))
        line([&](int column) { return TListPrint::cellText(view, row, column); });
    return file.commit();
}

bool TListExport::writePdf(const QTreeView& view, const QString& title, const QString& path)
{
    return TListPrint::writePdf(view, title, path);
}
