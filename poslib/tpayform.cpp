#include "tpayform.h"

#include <QStringList>

namespace PosLib {

bool TPayform::flagDefault(const char* key)
{
    return isOneOf(key, {"intermsum", "insummary", "nofinsplit", "dodrawer", "dochanger", "drawercounted"});
}

TPayform::Printouts TPayform::parsePrintouts(const QString& text)
{
    Printouts printouts;
    for (const QString& entry : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(u',');
        printouts << Printout{parts.value(0).toInt(), parts.value(1).toInt()};
    }
    return printouts;
}

QString TPayform::printoutsText(const Printouts& printouts)
{
    QStringList entries;
    for (const Printout& printout : printouts)
        entries << QStringLiteral("%1,%2").arg(printout.printer).arg(printout.layout);
    return entries.join(u';');
}

TPayform::Printouts TPayform::printouts(const char* key) const
{
    return parsePrintouts(getString(key));
}

void TPayform::setPrintouts(const char* key, const Printouts& printouts)
{
    setText(key, printoutsText(printouts));
}

QList<int> TPayform::allowedCurrencies() const
{
    QList<int> ids;
    for (const QString& id : getString("allowedcurrencies").split(u';', Qt::SkipEmptyParts))
        ids << id.toInt();
    return ids;
}

void TPayform::setAllowedCurrencies(const QList<int>& ids)
{
    QStringList texts;
    for (int id : ids)
        texts << QString::number(id);
    // Written also when empty: an empty text is not a missing attribute here.
    set("allowedcurrencies", texts.isEmpty() ? QStringLiteral("") : texts.join(u';'));
}

} // namespace PosLib
