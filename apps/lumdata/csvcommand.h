#pragma once

#include "csvexchange.h"

#include <QString>

class QTextStream;

// "lumdata csv": a list of a data root to a CSV file and back. The import prints its preview
// (every new, changed and refused row, the unchanged ones counted) and writes only when confirm
// is set, through the data root's workspace as the back office writes: with its locks, the rights
// of the user in lumconfig.ini, and the change history recording the changes under that user.
struct CsvCommand {
    QString dataRoot;
    QString list;
    QString file; // "-": standard output for the export
    int user = 0;
    bool confirm = false;
    // The format of the export; of the import the parts chosen on the command line, the rest
    // detected.
    PosLib::Csv::Format format;
    bool separatorChosen = false;
    bool encodingChosen = false;
    bool decimalChosen = false;

    int exportList(QTextStream& out, QTextStream& err) const;
    int importFile(QTextStream& out, QTextStream& err) const;
};
