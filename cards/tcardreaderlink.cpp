#include "tcardreaderlink.h"

#include "tcarderrors.h"
#include "tcardserverprotocol.h"
#include "tnetreader.h"

namespace LumDialogs {

Devices::TNetReader* findCardReader()
{
    return Devices::TNetReader::find();
}

int cardReaderErrorCode(Devices::TNetReader* reader)
{
    if (!reader)
        return PosLib::CardError::NoCard;
    QStringList result;
    reader->command(PosLib::CardServer::getErrorCode, result);
    return result.isEmpty() ? PosLib::CardError::NoCard : result.first().toInt();
}

int cardCommandOutcome(Devices::TNetReader* reader, const QString& command, const QStringList& arguments,
                       QStringList given, QStringList* answer)
{
    if (!reader)
        return PosLib::CardError::UnsupportedReader;
    reader->command(command, arguments, given);
    if (answer)
        *answer = given;
    if (!given.isEmpty())
        return given.first().toInt();
    const int code = cardReaderErrorCode(reader);
    return code != 0 ? code : int(PosLib::CardError::UnsupportedReader);
}

} // namespace LumDialogs
