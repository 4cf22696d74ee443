#include "tfiscaldevice.h"

#include "tdir.h"
#include "terror.h"
#include "tfile.h"
#include "tlog.h"
#include "tlumconfig.h"
#include "ttable.h"

#include <QDateTime>
#include <QFileInfo>

namespace Devices {

TFiscalExportDevice::TFiscalExportDevice(const QString& dataRoot, QObject* parent)
    : TFiscalDevice(QStringLiteral("TFiscalExport"), parent)
    , m_dataRoot(Basics::TDir(dataRoot).path())
{
}

QString TFiscalExportDevice::folder() const
{
    return m_dataRoot + QStringLiteral("var/fiscal");
}

int TFiscalExportDevice::exportTable(const PosLib::TTable& table)
{
    // Read at every export, so that a changed answer counts without a restart.
    const int answer = TLumConfig(m_dataRoot + TLumConfig::defaultFileName).fiscalAnswer();
    if (answer != 0)
        return answer;
    try {
        const QString directory = Basics::TDir(folder(), true).path();
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmsszzz"));
        const QString name = QFileInfo(table.getFileName()).fileName();
        QString path = directory + stamp + u'-' + name;
        for (int n = 2; QFileInfo::exists(path); ++n)
            path = directory + QStringLiteral("%1-%2-%3").arg(stamp).arg(n).arg(name);
        // Complete or not there: written aside, then renamed into place.
        const QString temp = path + QStringLiteral(".new");
        Basics::TFile out(temp);
        out.open(QIODevice::WriteOnly);
        out.writeDurably(table.toBytes());
        Basics::TFile::rename(temp, path);
        out.close();
    } catch (const Basics::TError& error) {
        Basics::TLog& log = Basics::TLog::instance();
        if (log.level() >= Basics::TLog::Error)
            log.write(Basics::TLog::Error, error.description(), "lumlib", "TFiscalExportDevice");
        return notFiled;
    }
    return 0;
}

} // namespace Devices
