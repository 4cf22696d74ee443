#include "outletdata.h"

#include "terror.h"
#include "tinifile.h"

#include <QFileInfo>

const QString TOutletData::fileName = QStringLiteral("outlets.ini");

bool TOutletData::read(const QString& path)
{
    *this = TOutletData();
    if (!QFileInfo(path).isFile())
        return false;
    Basics::TInifile ini;
    try {
        ini.read(path);
    } catch (const Basics::TError&) {
        return false;
    }
    const QString section = QStringLiteral("settings");
    const auto number = [&](const char* key, int fallback) {
        bool isNumber = false;
        const int value = ini.readString(section, QLatin1String(key)).trimmed().toInt(&isNumber);
        return isNumber ? value : fallback;
    };
    const auto text = [&](const char* key, const QString& fallback) {
        const QString value = ini.readString(section, QLatin1String(key)).trimmed();
        return value.isEmpty() ? fallback : value;
    };
    outlet = number("outlet", outlet);
    outletName = text("outletname", outletName);
    mandant = number("mandant", mandant);
    mandantName = text("mandantname", mandantName);
    return true;
}
