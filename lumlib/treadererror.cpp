#include "treadererror.h"

#include <QCoreApplication>

#include <iterator>

namespace Devices {

namespace {

struct ErrorText {
    int code;
    const char* text;
};

constexpr const char* context = "TNetReader";

const ErrorText texts[] = {
    {0, QT_TRANSLATE_NOOP("TNetReader", "Success")},
    {-1, QT_TRANSLATE_NOOP("TNetReader", "No card inserted")},
    {-2, QT_TRANSLATE_NOOP("TNetReader", "Unresponsive card")},
    {-3, QT_TRANSLATE_NOOP("TNetReader", "Unsupported card")},
    {-4, QT_TRANSLATE_NOOP("TNetReader", "Reader in use")},
    {-10, QT_TRANSLATE_NOOP("TNetReader", "Jammed card")},
    {-19, QT_TRANSLATE_NOOP("TNetReader", "Unsupported reader")},
    {-20, QT_TRANSLATE_NOOP("TNetReader", "Could not access data block")},
    {-21, QT_TRANSLATE_NOOP("TNetReader", "Not a K7 card")},
    {-22, QT_TRANSLATE_NOOP("TNetReader", "Card data mismatch")},
    {-23, QT_TRANSLATE_NOOP("TNetReader", "Card not found in DB")},
    {-24, QT_TRANSLATE_NOOP("TNetReader", "Process counter mismatch")},
    {-25, QT_TRANSLATE_NOOP("TNetReader", "Shadow data mismatch")},
    {-26, QT_TRANSLATE_NOOP("TNetReader", "Could not access DB")},
    {-40, QT_TRANSLATE_NOOP("TNetReader", "Wrong mandant")},
    {-50, QT_TRANSLATE_NOOP("TNetReader", "Unable to get Mifare key")},
    {-51, QT_TRANSLATE_NOOP("TNetReader", "Unable to get Mifare uid")},
    {-52, QT_TRANSLATE_NOOP("TNetReader", "Unable to read section block")},
    {-53, QT_TRANSLATE_NOOP("TNetReader", "Unable to read key section")},
    {-54, QT_TRANSLATE_NOOP("TNetReader", "Wrong Mifare UID detected")},
    {-98, QT_TRANSLATE_NOOP("TNetReader", "Authorisation error")},
    {-99, QT_TRANSLATE_NOOP("TNetReader", "Application blocked")},
    {-100, QT_TRANSLATE_NOOP("TNetReader", "Other internal error")},
};

} // namespace

QString readerErrorText(int code)
{
    for (const ErrorText& entry : texts) {
        if (entry.code == code)
            return QCoreApplication::translate(context, entry.text);
    }
    return QCoreApplication::translate(context, "Code %1: Unknown error").arg(code);
}

} // namespace Devices
