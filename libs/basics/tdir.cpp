#include "tdir.h"

#include "terror.h"

#include <QDir>
#include <QFileInfo>

namespace Basics {

namespace {
constexpr int maxExpansionRounds = 32;
}

QString expandPath(const QString& path)
{
    QString result = path;
    for (int round = 0; round < maxExpansionRounds; ++round) {
        const qsizetype start = result.indexOf(u"$(");
        if (start < 0)
            break;
        bool replaced = false;
        QString expanded;
        qsizetype from = 0;
        for (qsizetype ref = start; ref >= 0; ref = result.indexOf(u"$(", from)) {
            const qsizetype close = result.indexOf(u')', ref + 2);
            if (close < 0)
                break;
            const QString name = result.mid(ref + 2, close - ref - 2);
            expanded += QStringView(result).mid(from, ref - from);
            expanded += qEnvironmentVariable(name.toLocal8Bit().constData());
            from = close + 1;
            replaced = true;
        }
        if (!replaced)
            break;
        expanded += QStringView(result).mid(from);
        result = expanded;
    }
    return result;
}

TDir::TDir(const QString& path, bool create)
{
    QString dir = expandPath(path);
    if (dir.size() > 1 && (dir.endsWith(u'/') || dir.endsWith(u'\\')))
        dir.chop(1);
    if (create && !dir.isEmpty() && !QFileInfo(dir).isDir()) {
        // One component at a time, so that the error names the first directory that failed.
        const QStringList parts = QDir::fromNativeSeparators(dir).split(u'/');
        QString current;
        for (qsizetype i = 0; i < parts.size(); ++i) {
            current += parts[i];
            if (!current.isEmpty() && !QFileInfo(current).isDir() && !QDir().mkdir(current) &&
                !QFileInfo(current).isDir())
                throw TDirError(__LINE__, "tdir", 201, 201, current);
            current += u'/';
        }
    }
    // An empty name stays empty: it stands for the working directory, not for the root.
    m_path = dir.isEmpty() || dir.endsWith(u'/') ? dir : dir + u'/';
}

} // namespace Basics
