#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace Basics {
class TError;
}
class OpenedList;
namespace DataBackup {
struct Result;
}

// The commands of the lumdata tool, with their output and error streams, so that the program's
// main only parses the command line.
class DataTool {
public:
    enum ExitCode { Success = 0, Failure = 1, Usage = 2 };

    DataTool(QTextStream& out, QTextStream& err);

    // Overrides of the names that the file name implies.
    void setRootName(const QString& root) { m_root = root; }
    void setElementName(const QString& element) { m_element = element; }

    int show(const QString& file);
    int xml(const QString& file);
    int import(const QString& xmlFile, const QString& file);
    int text(const QString& file, const QStringList& columns);
    int check(const QString& file);
    int backup(const QString& root, const QString& archive);
    int restore(const QString& archive, const QString& root);

private:
    void report(const QString& file, int code, const QString& reason);
    void report(const QString& file, const Basics::TError& error);
    // The load result, reported when it is not 0 (nor 7 when a missing file is fine); -1 after a
    // storage error, which is reported too.
    int load(OpenedList& opened, const QString& file, bool missingIsFine = false);
    int finish(const QString& what, const DataBackup::Result& result);

    QTextStream& m_out;
    QTextStream& m_err;
    QString m_root;
    QString m_element;
};
