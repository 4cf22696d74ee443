#include "csvimport.h"

#include "tlistdescriptor.h"
#include "tlumconfig.h"
#include "tlumworkspace.h"
#include "tvaluelist.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

TCsvImport::TCsvImport(TLumWorkspace& workspace, const QString& list)
    : m_workspace(workspace)
    , m_list(list)
{
}

bool TCsvImport::readFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error =
            QCoreApplication::translate("TCsvImport", "%1 cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    // Never more than a CSV file may hold, whatever the file claims to be (a pipe, a device).
    const QByteArray bytes = file.read(PosLib::Csv::maxFileSize + 1);
    if (bytes.size() > PosLib::Csv::maxFileSize) {
        *error = QCoreApplication::translate("TCsvImport",
                                             "%1 is larger than %2 MiB: it is no CSV file of a list.")
                     .arg(path)
                     .arg(PosLib::Csv::maxFileSize / 1024 / 1024);
        return false;
    }
    setBytes(bytes);
    return true;
}

void TCsvImport::setBytes(const QByteArray& bytes)
{
    m_bytes = bytes;
    setFormat(PosLib::Csv::detect(m_bytes));
}

void TCsvImport::setFormat(const PosLib::Csv::Format& format)
{
    m_table = PosLib::Csv::read(m_bytes, format);
    compare();
}

void TCsvImport::compare()
{
    // What other programs saved meanwhile is what the file is compared with.
    m_workspace.reloadChangedFiles();
    const Basics::TValueList* list = m_workspace.getData(m_list);
    m_preview = list ? PosLib::Csv::preview(*list, m_table) : PosLib::Csv::Preview();
}

QString TCsvImport::cell(qsizetype row, const QString& column) const
{
    const qsizetype at = m_table.header.indexOf(column);
    return at < 0 ? QString() : m_table.rows.value(row).value(at);
}

QString TCsvImport::refusal(const TLumConfig& config, int user) const
{
    const LumDialogs::TListDescriptor* descriptor = LumDialogs::TListDescriptor::find(m_list);
    if (!descriptor)
        return QCoreApplication::translate("TCsvImport", "There is no list \"%1\".").arg(m_list);
    // Cards and clients are kept by the card server; their copies here follow it.
    if (!descriptor->writesRecords || m_list == u"netclients")
        return QCoreApplication::translate("TCsvImport",
                                           "%1 are kept by the card server: change them in their editor.")
            .arg(descriptor->title);
    if (m_workspace.isDamaged(m_list))
        return QCoreApplication::translate("TCsvImport",
                                           "The list's file is damaged: nothing is written to it.");
    switch (config.right(descriptor->dialogName, user)) {
    case TLumConfig::Full:
        return {};
    case TLumConfig::ReadOnly:
        return QCoreApplication::translate("TCsvImport", "You may only look at this list.");
    case TLumConfig::NoAccess:
        break;
    }
    return QCoreApplication::translate("TCsvImport", "You have no access to this list.");
}

TCsvImport::Result TCsvImport::apply()
{
    Result result;
    Basics::TValueList* list = m_workspace.getData(m_list);
    if (!list)
        return result;
    result.applied = PosLib::Csv::apply(*list, m_table, m_preview);
    const QMetaObject::Connection failed = QObject::connect(
        &m_workspace, &TLumWorkspace::saveFailed,
        [&result](const QString&, const QString&, const QString& reason) { result.saveError = reason; });
    if (!m_workspace.saveChanges() && result.saveError.isEmpty())
        result.saveError = QCoreApplication::translate("TCsvImport", "the list could not be saved");
    QObject::disconnect(failed);
    return result;
}

bool TCsvImport::exportList(TLumWorkspace& workspace, const QString& list, const QString& path,
                            const PosLib::Csv::Format& format, QString* error)
{
    const Basics::TValueList* records = workspace.getData(list);
    if (!records) {
        *error = QCoreApplication::translate("TCsvImport", "There is no list \"%1\".").arg(list);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(PosLib::Csv::write(*records, format)) < 0 ||
        !file.commit()) {
        *error = QCoreApplication::translate("TCsvImport", "%1 cannot be written: %2")
                     .arg(path, file.errorString());
        return false;
    }
    return true;
}
