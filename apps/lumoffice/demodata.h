#pragma once

#include <QByteArray>
#include <QString>

// A demo data root for trying the back office: a small restaurant with a bar, its master data,
// staff, printers, cards and the INI files of the cash office.
class TDemoData {
public:
    // Writes every demo file that the root does not hold yet, so that a second call keeps what the
    // operator changed. Returns the number of files written; throws Basics::TError.
    static int create(const QString& dataRoot);
    // The folder used when none is given: "lumoffice-demo" in the user's data location.
    static QString defaultRoot();
    // Writes a demo file unless the path exists already; whether it wrote it.
    static bool writeFile(const QString& path, const QByteArray& text);
};
