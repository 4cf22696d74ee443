#include "accountmap.h"

#include "terror.h"
#include "tinifile.h"
#include "tvaluelist.h"

#include <QFileInfo>

const QString TAccountMap::fileName = QStringLiteral("externaccountmap.ini");

namespace {

// Keys of the file are compared without case, as the INI file compares them.
QString accountMapKey(const QString& key)
{
    return key.trimmed().toLower();
}

} // namespace

QString TAccountMap::pathIn(const QString& dataPath)
{
    QString directory = dataPath.isEmpty() ? QStringLiteral(".") : dataPath;
    if (directory.endsWith(u'/') || directory.endsWith(u'\\'))
        directory.chop(1);
    return QStringLiteral("%1/%2").arg(directory, fileName);
}

bool TAccountMap::read(const QString& path, const Basics::TValueList* payforms)
{
    *this = TAccountMap();
    if (!QFileInfo::exists(path)) {
        m_error = QStringLiteral("%1 does not exist.").arg(path);
        return false;
    }
    Basics::TInifile ini;
    try {
        ini.read(path);
    } catch (const Basics::TError& error) {
        m_error = error.description();
        return false;
    }
    readAccountMap(ini, payforms);
    m_vaultAccounts = listSection(ini, QStringLiteral("vaultaccountmap"), u';');
    m_vaultPayforms = listSection(ini, QStringLiteral("vaultpayforms"), u',');
    m_vaultInfos = listSection(ini, QStringLiteral("vaultinfos"), u',');
    m_cashReasons = listSection(ini, QStringLiteral("cashreasons"), u',');
    m_user = ini.readString(QStringLiteral("database"), QStringLiteral("user")).trimmed();
    m_password = ini.readString(QStringLiteral("database"), QStringLiteral("password"));
    m_pendingDays =
        qMax(0, ini.readString(QStringLiteral("settings"), QStringLiteral("pendingccddays")).toInt());
    return true;
}

void TAccountMap::readAccountMap(const Basics::TInifile& ini, const Basics::TValueList* payforms)
{
    const Basics::TSection* section = ini.section(QStringLiteral("accountmap"));
    if (!section)
        return;
    for (const auto& entry : section->entries()) {
        if (entry->kind() != Basics::TEntry::Value || entry->key().isEmpty())
            continue;
        bool isNumber = false;
        const int payform = entry->value().text().trimmed().toInt(&isNumber);
        if (!isNumber || payform == 0 || !payforms || !payforms->find(payform))
            continue;
        const QString key = accountMapKey(entry->key());
        if (!m_cashForms.contains(key)) // the first entry counts, as the file is read
            m_cashForms.insert(key, payform);
    }
}

QHash<QString, QStringList> TAccountMap::listSection(const Basics::TInifile& ini, const QString& name,
                                                     QChar separator)
{
    QHash<QString, QStringList> lists;
    const Basics::TSection* section = ini.section(name);
    if (!section)
        return lists;
    for (const auto& entry : section->entries()) {
        if (entry->kind() != Basics::TEntry::Value || entry->key().isEmpty())
            continue;
        const QString key = accountMapKey(entry->key());
        if (lists.contains(key))
            continue;
        QStringList items;
        for (const QString& item : entry->value().text().split(separator))
            items << item.trimmed();
        lists.insert(key, items);
    }
    return lists;
}

int TAccountMap::cashForm(const QString& cashGroup) const
{
    return m_cashForms.value(accountMapKey(cashGroup), unmappedCashForm);
}

bool TAccountMap::hasCashForm(const QString& cashGroup) const
{
    return m_cashForms.contains(accountMapKey(cashGroup));
}

QString TAccountMap::vaultAccount(const QString& cashGroup, VaultAccount which) const
{
    return m_vaultAccounts.value(accountMapKey(cashGroup)).value(int(which));
}

QList<int> TAccountMap::vaultPayforms(const QString& action) const
{
    QList<int> ids;
    for (const QString& item : m_vaultPayforms.value(accountMapKey(action))) {
        bool isNumber = false;
        const int id = item.toInt(&isNumber);
        if (isNumber && !ids.contains(id))
            ids << id;
    }
    return ids;
}

QStringList TAccountMap::vaultInfos(const QString& action) const
{
    QStringList infos = m_vaultInfos.value(accountMapKey(action));
    infos.removeAll(QString());
    return infos;
}

QStringList TAccountMap::cashReasons(const QString& key) const
{
    return m_cashReasons.value(accountMapKey(key));
}
