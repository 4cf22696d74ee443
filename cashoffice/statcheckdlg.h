#pragma once

#include "lumdialogs_global.h"
#include "statcheckdlgbase.h"

#include <QByteArray>
#include <QDate>
#include <QString>

class QTreeWidgetItem;
class TLumWindow;

// Checks, for a range of days and every outlet of the list "outlets", that the outlet's statistics
// directory of each day exists and holds as many statistics files ("a*") as its summary file
// "turnover.z" records. An outlet's "path" is its base directory (relative to the data root, which
// an outlet without one uses); the day's directory is <path>/var/statist/tagDD.MM.YYYY.
//
// "turnover.z" holds one entry per line: what stands before a ";" is "name:count" (further fields
// are ignored); lines empty before the ";" are skipped. Without the file a day records no file.
//
// A report window: show() shows it and runs the check; Close stops a check still running.
class LUMDIALOGS_EXPORT StatCheckDlg : public StatCheckDlgBase {
    Q_OBJECT

public:
    // A summary file larger than this is not read.
    static constexpr qint64 maxTurnoverSize = 4 * 1024 * 1024;

    // An invalid "to" stands for "from".
    StatCheckDlg(const QDate& from, const QDate& to, TLumWindow* window);

    // Shows the window, then checks every outlet and day.
    void show();

    // The number of files the content of a summary file records; false for a line that is no
    // entry, whose number (from 1) badLine then holds.
    static bool turnoverFiles(const QByteArray& content, qint64& files, int& badLine);

public Q_SLOTS:
    void reject() override;

protected Q_SLOTS:
    void onHelp() override;

protected:
    // Checks one day's directory and tells in the row's first column what failed.
    bool checkDir(QTreeWidgetItem* row, const QString& dir);

private:
    void initData();

    QDate m_from;
    QDate m_to;
    TLumWindow* m_window;
    bool m_stopped = false;
};
