#include "fiscalexport.h"

#include "tdir.h"
#include "terror.h"
#include "tfile.h"
#include "tfiscaldevice.h"
#include "tlog.h"
#include "tlumworkspace.h"
#include "ttable.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

// A kept table larger than this is no export table of the cash office.
constexpr qint64 maxPendingSize = 16 * 1024 * 1024;

void logExport(int level, const QString& text)
{
    Basics::TLog& log = Basics::TLog::instance();
    if (log.level() >= level)
        log.write(level, text, "cashoffice", "TFiscalExport");
}

} // namespace

TFiscalExport::TFiscalExport(const QString& dataPath)
    : m_dataPath(Basics::TDir(dataPath.isEmpty() ? QStringLiteral(".") : dataPath).path())
{
}

QString TFiscalExport::pendingFolder() const
{
    return m_dataPath + QStringLiteral("var/fiscalpending");
}

QStringList TFiscalExport::pending() const
{
    QStringList files;
    // The names begin with the time they were kept: in name order, oldest first.
    for (const QString& name : QDir(pendingFolder()).entryList(QDir::Files, QDir::Name)) {
        if (!name.endsWith(QStringLiteral(".new")) && !name.endsWith(QStringLiteral(".damaged")))
            files << QDir(pendingFolder()).filePath(name);
    }
    return files;
}

int TFiscalExport::deviceExport(const PosLib::TTable& table) const
{
    for (Devices::TDevice* device : TLumWorkspace::FiscalDeviceList) {
        if (auto* fiscal = qobject_cast<Devices::TFiscalDevice*>(device))
            return fiscal->exportTable(table);
    }
    return noDevice;
}

int TFiscalExport::sendPending()
{
    for (const QString& file : pending()) {
        QFile in(file);
        PosLib::TTable table(QFileInfo(file).path(), QFileInfo(file).fileName(), nullptr);
        if (in.size() > maxPendingSize || !in.open(QIODevice::ReadOnly) || !table.fromBytes(in.readAll())) {
            // Set aside for a look by hand, so that it does not hold up the tables behind it.
            in.close();
            QFile::rename(file, file + QStringLiteral(".damaged"));
            logExport(Basics::TLog::Error,
                      QStringLiteral("%1 is no table record; set aside as %1.damaged.").arg(file));
            continue;
        }
        in.close();
        const int code = deviceExport(table);
        if (code != 0)
            return code;
        QFile::remove(file);
        logExport(Basics::TLog::Info, QStringLiteral("%1 handed to the fiscal device.").arg(file));
    }
    return 0;
}

int TFiscalExport::exportTable(const PosLib::TTable& table)
{
    int code = sendPending();
    if (code == 0)
        code = deviceExport(table);
    if (code != 0 && !keep(table))
        return notKept;
    return code;
}

bool TFiscalExport::keep(const PosLib::TTable& table)
{
    try {
        const QString directory = Basics::TDir(pendingFolder(), true).path();
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmsszzz"));
        const QString name = QFileInfo(table.getFileName()).fileName();
        QString path;
        for (int n = 1; path.isEmpty() || QFileInfo::exists(path); ++n)
            path = directory + QStringLiteral("%1-%2-%3").arg(stamp).arg(n, 3, 10, QChar(u'0')).arg(name);
        // Complete or not there: written aside, then renamed into place.
        const QString temp = path + QStringLiteral(".new");
        Basics::TFile out(temp);
        out.open(QIODevice::WriteOnly);
        out.writeDurably(table.toBytes());
        Basics::TFile::rename(temp, path);
        out.close();
        logExport(Basics::TLog::Warning,
                  QStringLiteral("%1 kept for the fiscal device as %2.").arg(table.getFileName(), path));
        return true;
    } catch (const Basics::TError& error) {
        logExport(Basics::TLog::Error, error.description());
        return false;
    }
}
