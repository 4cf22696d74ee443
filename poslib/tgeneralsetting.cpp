#include "tgeneralsetting.h"

namespace PosLib {

namespace {

// A number attribute for which 0 means "not set".
void setOrRemoveZero(Basics::TValue& record, const char* key, int value)
{
    if (value == 0)
        record.remove(key);
    else
        record.set(key, value);
}

void setTextOrRemove(Basics::TValue& record, const char* key, const QString& text)
{
    if (text.isEmpty())
        record.remove(key);
    else
        record.set(key, text);
}

const QStringList customDataScopes = {QStringLiteral("tableheader"), QStringLiteral("tablecreate"),
                                      QStringLiteral("terminal")};

} // namespace

const QString TGeneralSetting::defaultIConExchangePath = QStringLiteral("var\\spool\\icon");
const QString TGeneralSetting::defaultIConExportPath = QStringLiteral("var\\spool\\iconexports");

bool TGeneralSetting::getBonmonitorOnline() const
{
    return getBool("bonmonitoronline");
}

void TGeneralSetting::setBonmonitorOnline(bool on)
{
    setFlag("bonmonitoronline", on);
}

QString TGeneralSetting::getBonmonitorPath() const
{
    return getString("bonmonitorpath");
}

void TGeneralSetting::setBonmonitorPath(const QString& path)
{
    setTextOrRemove(*this, "bonmonitorpath", path);
}

QString TGeneralSetting::getIConExchangePath() const
{
    return getString("iconexchangepath", defaultIConExchangePath);
}

void TGeneralSetting::setIConExchangePath(const QString& path)
{
    setTextOrRemove(*this, "iconexchangepath", path);
}

int TGeneralSetting::getIConResponseTimeout() const
{
    return getInt("iconresponsetimeout", 10);
}

void TGeneralSetting::setIConResponseTimeout(int seconds)
{
    setOrRemoveZero(*this, "iconresponsetimeout", seconds);
}

bool TGeneralSetting::getIConExports() const
{
    return getBool("iconexports");
}

void TGeneralSetting::setIConExports(bool on)
{
    set("iconexports", Basics::TVariant(on));
}

QString TGeneralSetting::getIConExportPath() const
{
    return getString("iconexportpath", defaultIConExportPath);
}

void TGeneralSetting::setIConExportPath(const QString& path)
{
    setTextOrRemove(*this, "iconexportpath", path);
}

int TGeneralSetting::getVoucherSystem() const
{
    return getInt("vouchersystem", NoVoucherSystem);
}

void TGeneralSetting::setVoucherSystem(int system)
{
    set("vouchersystem", system);
}

QString TGeneralSetting::getProtelVoucherHost() const
{
    return getString("protelvoucherhost");
}

void TGeneralSetting::setProtelVoucherHost(const QString& host)
{
    setTextOrRemove(*this, "protelvoucherhost", host);
}

int TGeneralSetting::getProtelVoucherPort() const
{
    return getInt("protelvoucherport", 90);
}

void TGeneralSetting::setProtelVoucherPort(int port)
{
    setOrRemoveZero(*this, "protelvoucherport", port);
}

int TGeneralSetting::getProtelVoucherTimeout() const
{
    return getInt("protelvouchertimeout", 20);
}

void TGeneralSetting::setProtelVoucherTimeout(int seconds)
{
    setOrRemoveZero(*this, "protelvouchertimeout", seconds);
}

int TGeneralSetting::getProtelVoucherMPEHotelId() const
{
    return getInt("protelvouchermpehotelid", 0);
}

void TGeneralSetting::setProtelVoucherMPEHotelId(int id)
{
    setOrRemoveZero(*this, "protelvouchermpehotelid", id);
}

bool TGeneralSetting::getHasCustomVoucherData() const
{
    return getBool("hascustomvoucherdata");
}

void TGeneralSetting::setHasCustomVoucherData(bool on)
{
    set("hascustomvoucherdata", Basics::TVariant(on));
}

QStringList TGeneralSetting::getCustomVoucherData() const
{
    return getString("customvoucherdata").split(u':', Qt::SkipEmptyParts);
}

void TGeneralSetting::setCustomVoucherData(const QStringList& lines)
{
    QStringList valid;
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (isCustomDataLine(trimmed))
            valid << trimmed;
    }
    setTextOrRemove(*this, "customvoucherdata", valid.join(u':'));
}

bool TGeneralSetting::isCustomDataLine(const QString& line)
{
    const qsizetype dots = line.count(u'.');
    const qsizetype equals = line.count(u'=');
    if (line.isEmpty() || dots > 1 || equals > 1 || line.contains(u':') || dots + equals == 0)
        return false;
    return dots == 0 || customDataScopes.contains(line.section(u'.', 0, 0).toLower());
}

QString TGeneralSetting::getBakeryExchangePath() const
{
    return getString("bakeryexchangepath");
}

void TGeneralSetting::setBakeryExchangePath(const QString& path)
{
    setTextOrRemove(*this, "bakeryexchangepath", path);
}

bool TGeneralSetting::getPrintOnListChange() const
{
    return getBool("printonlistchange");
}

void TGeneralSetting::setPrintOnListChange(bool on)
{
    set("printonlistchange", Basics::TVariant(on));
}

int TGeneralSetting::getPreorderInPlu() const
{
    return getInt("preorderinplu", 0);
}

void TGeneralSetting::setPreorderInPlu(int plu)
{
    setOrRemoveZero(*this, "preorderinplu", plu);
}

int TGeneralSetting::getPreorderOutPlu() const
{
    return getInt("preorderoutplu", 0);
}

void TGeneralSetting::setPreorderOutPlu(int plu)
{
    setOrRemoveZero(*this, "preorderoutplu", plu);
}

} // namespace PosLib
