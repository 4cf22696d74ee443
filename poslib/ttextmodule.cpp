#include "ttextmodule.h"

namespace PosLib {

QStringList TTextModule::getLines() const
{
    return getString("text").split(u'|');
}

QString TTextModule::getText() const
{
    return getLines().join(u'\n');
}

void TTextModule::setLines(const QStringList& lines)
{
    QStringList kept;
    for (const QString& line : lines) {
        if (!line.isEmpty())
            kept << line;
    }
    if (kept.isEmpty())
        remove("text");
    else
        set("text", kept.join(u'|'));
}

QString TTextModule::comparedText() const
{
    return contains("text") ? getString("text") : getName();
}

QList<TTextModulesGroup::Member> TTextModulesGroup::getMembers() const
{
    QList<Member> members;
    for (const QString& entry : getString("modules").split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int module = entry.section(u'-', 0, 0).trimmed().toInt(&ok);
        if (ok)
            members << Member{module, entry.section(u'-', 1).trimmed().toInt()};
    }
    return members;
}

void TTextModulesGroup::setMembers(const QList<Member>& members)
{
    QStringList entries;
    for (const Member& member : members)
        entries << QStringLiteral("%1-%2").arg(member.module).arg(member.prio);
    if (entries.isEmpty())
        remove("modules");
    else
        set("modules", entries.join(u','));
}

} // namespace PosLib
