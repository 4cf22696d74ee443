#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QString>
#include <QStringList>

namespace PosLib {

// A general setting set: the installation's interfaces to the order display ("bonmonitor"), the
// inventory-control exchange, the voucher systems and the bakery exchange.
class BASICS_EXPORT TGeneralSetting : public Basics::TValue {
public:
    // The voucher system used ("vouchersystem"); -1 is stored when none was chosen.
    enum VoucherSystem { NoVoucherSystem = 0, ProtelVoucherSystem = 1, OwnVoucherSystem = 2 };

    static const QString defaultIConExchangePath; // var\spool\icon
    static const QString defaultIConExportPath;   // var\spool\iconexports

    bool getBonmonitorOnline() const; // "bonmonitoronline": "yes" or removed
    void setBonmonitorOnline(bool on);
    QString getBonmonitorPath() const; // "bonmonitorpath"; the paths are removed when empty
    void setBonmonitorPath(const QString& path);
    QString getIConExchangePath() const; // "iconexchangepath", defaultIConExchangePath
    void setIConExchangePath(const QString& path);
    int getIConResponseTimeout() const; // "iconresponsetimeout", 10 seconds; 0 removes
    void setIConResponseTimeout(int seconds);
    bool getIConExports() const; // "iconexports": "yes" or "no"
    void setIConExports(bool on);
    QString getIConExportPath() const; // "iconexportpath", defaultIConExportPath
    void setIConExportPath(const QString& path);
    int getVoucherSystem() const; // "vouchersystem", 0; always written
    void setVoucherSystem(int system);
    QString getProtelVoucherHost() const; // "protelvoucherhost"
    void setProtelVoucherHost(const QString& host);
    int getProtelVoucherPort() const; // "protelvoucherport", 90; the voucher numbers: 0 removes
    void setProtelVoucherPort(int port);
    int getProtelVoucherTimeout() const; // "protelvouchertimeout", 20 seconds
    void setProtelVoucherTimeout(int seconds);
    int getProtelVoucherMPEHotelId() const; // "protelvouchermpehotelid", 0
    void setProtelVoucherMPEHotelId(int id);
    bool getHasCustomVoucherData() const; // "hascustomvoucherdata": "yes" or "no"
    void setHasCustomVoucherData(bool on);
    // "customvoucherdata": the lines sent with voucher requests, joined by ":".
    QStringList getCustomVoucherData() const;
    // Keeps the valid lines (without their surrounding blanks); removed when none is valid.
    void setCustomVoucherData(const QStringList& lines);
    // A line of user data "Key=Value" or of automatic data "Scope.Name" with the scope "terminal",
    // "tablecreate" or "tableheader" (in any case): at most one "." and one "=", no ":".
    static bool isCustomDataLine(const QString& trimmedLine);
    QString getBakeryExchangePath() const; // "bakeryexchangepath"
    void setBakeryExchangePath(const QString& path);
    bool getPrintOnListChange() const; // "printonlistchange": "yes" or "no"
    void setPrintOnListChange(bool on);
    int getPreorderInPlu() const; // "preorderinplu", 0: the article of preorders in; 0 removes
    void setPreorderInPlu(int plu);
    int getPreorderOutPlu() const; // "preorderoutplu", 0
    void setPreorderOutPlu(int plu);
};

} // namespace PosLib
