#pragma once

#include "csvexchange.h"

#include <QByteArray>
#include <QString>

class TLumConfig;
class TLumWorkspace;

// A CSV file on its way into a list of the workspace: read (bounded), its format detected or
// chosen, compared with the list, and written only when apply is called. The write goes through
// the workspace as every edit does (its save with locks and merging; the change history records
// it under the user logged in), and only for a user with the full right on the list's editor.
class TCsvImport {
public:
    TCsvImport(TLumWorkspace& workspace, const QString& list);

    // Reads the file and detects its format; false (error set) when it cannot be read or is larger
    // than a CSV file may be.
    bool readFile(const QString& path, QString* error);
    // Takes the file's bytes and detects their format.
    void setBytes(const QByteArray& bytes);
    // Compares the file with the list again in another format.
    void setFormat(const PosLib::Csv::Format& format);

    const QString& list() const { return m_list; }
    const PosLib::Csv::Format& format() const { return m_table.format; }
    const PosLib::Csv::Table& table() const { return m_table; }
    const PosLib::Csv::Preview& preview() const { return m_preview; }
    // The value of a row in the named column ("name"), empty when the file has none.
    QString cell(qsizetype row, const QString& column) const;

    // Why the user may not import into the list; empty when they may.
    QString refusal(const TLumConfig& config, int user) const;

    struct Result {
        PosLib::Csv::Applied applied;
        QString saveError; // the records are in the list but could not be saved
    };
    // Writes the new and changed rows into the list and saves it.
    Result apply();

    // The list's records as CSV; false (error set) when the file cannot be written.
    static bool exportList(TLumWorkspace& workspace, const QString& list, const QString& path,
                           const PosLib::Csv::Format& format, QString* error);

private:
    void compare();

    TLumWorkspace& m_workspace;
    QString m_list;
    QByteArray m_bytes;
    PosLib::Csv::Table m_table;
    PosLib::Csv::Preview m_preview;
};
