#include "tcardmapping.h"

#include "terror.h"
#include "tlistnames.h"
#include "tlockedfile.h"
#include "tlog.h"
#include "tlumworkspace.h"

#include <QDir>
#include <QFile>

const QString TCardMapping::fileName = QStringLiteral("cardmapping.dat");

namespace {

constexpr const char* mappingDir = "usr/data";

// The mapping file as a list of one record.
class MappingFile : public PosLib::TNamedList {
public:
    MappingFile()
        : TNamedList({QStringLiteral("cardmapping"), QStringLiteral("cardmapping"), TCardMapping::fileName})
    {
    }

    // The mapping in the file, or none when the file is missing; false when it could not be read
    // completely (it is then never written over).
    bool read(const QString& dataRoot, Basics::TValue& mapping)
    {
        mapping = Basics::TValue();
        int result = 0;
        try {
            result =
                load(fileName(), QFile::encodeName(dataRoot + QLatin1StringView(mappingDir)).constData());
        } catch (const Basics::TError& error) {
            complain(error.description());
            return false;
        }
        if (result != 0 && result != 7) {
            complain(QStringLiteral("result %1").arg(result));
            return false;
        }
        if (!isEmpty())
            mapping = **begin();
        return true;
    }

    bool write(const QString& dataRoot, const Basics::TValue& mapping)
    {
        clear();
        insert(new Basics::TValue(mapping));
        try {
            QDir(dataRoot).mkpath(QLatin1StringView(mappingDir));
            save(fileName(), QFile::encodeName(dataRoot + QLatin1StringView(mappingDir)).constData());
            return true;
        } catch (const Basics::TError& error) {
            complain(error.description());
            return false;
        }
    }

private:
    void complain(const QString& why)
    {
        Basics::TLog::instance().write(Basics::TLog::Error,
                                       QStringLiteral("card mapping %1: %2").arg(TCardMapping::fileName, why),
                                       "lumlib", "TCardMapping");
    }
};

QString withSlash(const QString& dataRoot)
{
    return dataRoot.endsWith(u'/') ? dataRoot : dataRoot + u'/';
}

} // namespace

void TCardMapping::load(const QString& dataRoot)
{
    MappingFile().read(withSlash(dataRoot), TLumWorkspace::Cardmapping);
}

int TCardMapping::cardId(const QString& dataRoot, const QString& uid)
{
    Basics::TValue& mapping = TLumWorkspace::Cardmapping;
    if (uid.isEmpty())
        return 0;
    if (mapping.contains(uid))
        return mapping.getInt(uid);

    // Other programs on the data root may have mapped UIDs meanwhile: their ids are taken over, and
    // the lock keeps two of them from giving one id twice.
    const QString root = withSlash(dataRoot);
    QDir(root).mkpath(QLatin1StringView(mappingDir));
    Basics::TLockedFile lock(root + QLatin1StringView(mappingDir) + QStringLiteral("/cardmapping.lock"));
    const bool locked = lock.open(QIODevice::ReadWrite) && lock.lock(Basics::TLockedFile::WriteLock);
    MappingFile file;
    Basics::TValue stored;
    const bool readable = file.read(root, stored);
    for (const Basics::TAttribute& attribute : stored.attributes()) {
        if (!mapping.contains(attribute.key))
            mapping.set(attribute.key, attribute.value);
    }
    if (!mapping.contains(uid)) {
        mapping.set(uid, static_cast<unsigned long>(mapping.count() + 1));
        if (readable && locked)
            file.write(root, mapping);
    }
    return mapping.getInt(uid);
}
