#include "csvcommand.h"

#include "changehistory.h"
#include "csvimport.h"
#include "datatool.h"
#include "tlistdescriptor.h"
#include "tlumconfig.h"
#include "tlumworkspace.h"
#include "tprompts.h"

#include <QCoreApplication>
#include <QFile>
#include <QScopeGuard>
#include <QTextStream>

namespace {

// A question of the workspace (another program changed the same records) has nobody to answer it
// here: it is printed, and the other program's version is kept.
class TTerminalPrompts : public TPrompts {
public:
    explicit TTerminalPrompts(QTextStream& err)
        : m_err(err)
    {
    }
    void information(QWidget*, const QString&, const QString& text) override { print(text); }
    void warning(QWidget*, const QString&, const QString& text) override { print(text); }
    void critical(QWidget*, const QString&, const QString& text) override { print(text); }
    QMessageBox::StandardButton question(QWidget*, const QString&, const QString& text,
                                         QMessageBox::StandardButtons, QMessageBox::StandardButton) override
    {
        print(text);
        return QMessageBox::No;
    }
    int choose(QWidget*, QMessageBox::Icon, const QString&, const QString& text, const QStringList&, int,
               int escapeButton) override
    {
        print(text);
        return escapeButton;
    }

private:
    void print(const QString& text) { m_err << "lumdata: " << text << Qt::endl; }
    QTextStream& m_err;
};

bool csvKnownList(const QString& list, QTextStream& err)
{
    if (LumDialogs::TListDescriptor::find(list))
        return true;
    err << "lumdata: " << QCoreApplication::translate("lumdata", "there is no list \"%1\"").arg(list)
        << Qt::endl;
    return false;
}

} // namespace

int CsvCommand::exportList(QTextStream& out, QTextStream& err) const
{
    if (!csvKnownList(list, err))
        return DataTool::Usage;
    TLumWorkspace workspace(dataRoot);
    workspace.getData(list);
    if (workspace.isDamaged(list))
        err << "lumdata: " << workspace.filePath(list) << ": "
            << QCoreApplication::translate(
                   "lumdata", "could not be read completely; the records that could be read are written")
            << Qt::endl;
    if (file == u"-") {
        out.flush();
        QFile output;
        if (!output.open(stdout, QIODevice::WriteOnly) ||
            output.write(PosLib::Csv::write(*workspace.getData(list), format)) < 0)
            return DataTool::Failure;
        return DataTool::Success;
    }
    QString error;
    if (!TCsvImport::exportList(workspace, list, file, format, &error)) {
        err << "lumdata: " << error << Qt::endl;
        return DataTool::Failure;
    }
    return workspace.isDamaged(list) ? DataTool::Failure : DataTool::Success;
}

int CsvCommand::importFile(QTextStream& out, QTextStream& err) const
{
    if (!csvKnownList(list, err))
        return DataTool::Usage;
    TTerminalPrompts prompts(err);
    TPrompts::install(&prompts);
    const auto restore = qScopeGuard([] { TPrompts::install(nullptr); });

    TLumWorkspace workspace(dataRoot);
    const TLumConfig config(workspace.GetDataPath() + TLumConfig::defaultFileName);
    TCsvImport import(workspace, list);
    QString error;
    if (!import.readFile(file, &error)) {
        err << "lumdata: " << error << Qt::endl;
        return DataTool::Failure;
    }
    if (separatorChosen || encodingChosen || decimalChosen) {
        PosLib::Csv::Format chosen = import.format();
        if (separatorChosen)
            chosen.separator = format.separator;
        if (encodingChosen)
            chosen.encoding = format.encoding;
        if (decimalChosen)
            chosen.decimalComma = format.decimalComma;
        import.setFormat(chosen);
    }
    out << file << ": " << PosLib::Csv::describe(import.format()) << '\n';
    if (!import.table().error.isEmpty()) {
        err << "lumdata: " << file << ": " << import.table().error << "; "
            << QCoreApplication::translate("lumdata", "nothing was imported") << Qt::endl;
        return DataTool::Failure;
    }
    const PosLib::Csv::Preview& preview = import.preview();
    if (!preview.unknownColumns.isEmpty())
        out << QCoreApplication::translate("lumdata", "columns that no record has yet: %1")
                   .arg(preview.unknownColumns.join(u','))
            << '\n';
    for (const PosLib::Csv::PreviewRow& row : preview.rows) {
        if (row.state == PosLib::Csv::RowState::Unchanged)
            continue;
        out << QCoreApplication::translate("lumdata", "line %1").arg(row.line) << '\t';
        if (row.id >= 0)
            out << row.id;
        out << '\t' << PosLib::Csv::stateText(row.state);
        if (row.state == PosLib::Csv::RowState::Changed)
            out << '\t' << row.changed.join(u',');
        else if (row.state == PosLib::Csv::RowState::Refused)
            out << '\t' << row.reason;
        out << '\n';
    }
    using PosLib::Csv::RowState;
    out << QCoreApplication::translate("lumdata", "%1 new, %2 changed, %3 unchanged, %4 refused")
               .arg(preview.count(RowState::New))
               .arg(preview.count(RowState::Changed))
               .arg(preview.count(RowState::Unchanged))
               .arg(preview.count(RowState::Refused))
        << Qt::endl;

    const QString refusal = import.refusal(config, user);
    if (!confirm) {
        out << (refusal.isEmpty()
                    ? QCoreApplication::translate(
                          "lumdata", "Nothing was written; --confirm writes the new and changed rows.")
                    : QCoreApplication::translate("lumdata", "Nothing was written."))
            << Qt::endl;
        if (!refusal.isEmpty())
            err << "lumdata: " << refusal << Qt::endl;
        return DataTool::Success;
    }
    if (!refusal.isEmpty()) {
        err << "lumdata: " << refusal << ' ' << QCoreApplication::translate("lumdata", "Nothing was written.")
            << Qt::endl;
        return DataTool::Failure;
    }
    TChangeHistory history(workspace, [this] { return user; });
    const TCsvImport::Result result = import.apply();
    for (const PosLib::Csv::PreviewRow& row : result.applied.failed)
        err << "lumdata: " << QCoreApplication::translate("lumdata", "line %1").arg(row.line) << ": "
            << row.reason << Qt::endl;
    if (!result.saveError.isEmpty()) {
        err << "lumdata: " << workspace.filePath(list) << ": " << result.saveError << Qt::endl;
        return DataTool::Failure;
    }
    out << QCoreApplication::translate("lumdata", "%1 row(s) written to %2")
               .arg(result.applied.written)
               .arg(workspace.filePath(list))
        << Qt::endl;
    return result.applied.failed.isEmpty() ? DataTool::Success : DataTool::Failure;
}
