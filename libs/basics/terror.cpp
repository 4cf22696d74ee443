#include "terror.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace Basics {

namespace {

// In the language of the program's translators, where it has any.
QString reason(int code)
{
    switch (code) {
    case 2:
        return QCoreApplication::translate("Basics::TError", "no file name is given");
    case 3:
        return QCoreApplication::translate("Basics::TError", "the file name contains an unresolved '%'");
    case 5:
        return QCoreApplication::translate("Basics::TError", "a record has too many attributes");
    case 6:
        return QCoreApplication::translate("Basics::TError", "the file and its includes are too large");
    case 201:
        return QCoreApplication::translate("Basics::TError", "the directory cannot be created");
    case 301:
        return QCoreApplication::translate("Basics::TError", "the file cannot be opened");
    case 304:
        return QCoreApplication::translate("Basics::TError",
                                           "the data ends in the middle of a record or cannot be read");
    case 305:
        return QCoreApplication::translate("Basics::TError", "a counter in the file is not a valid number");
    case 311:
        return QCoreApplication::translate("Basics::TError", "the file cannot be removed");
    case 312:
        return QCoreApplication::translate("Basics::TError", "the file cannot be renamed");
    case 315:
        return QCoreApplication::translate("Basics::TError", "the file already exists");
    case 316:
        return QCoreApplication::translate("Basics::TError", "the file does not exist");
    case 317:
        return QCoreApplication::translate("Basics::TError", "the name does not refer to a regular file");
    case 318:
        return QCoreApplication::translate("Basics::TError", "the file cannot be locked");
    case 401:
        return QCoreApplication::translate("Basics::TError", "the text cannot be enciphered");
    case 403:
        return QCoreApplication::translate("Basics::TError", "the key is shorter than 32 bytes");
    default:
        return QCoreApplication::translate("Basics::TError", "error");
    }
}

} // namespace

TError::TError(int line, const char* source, int code, int message, const QString& text)
    : m_line(line)
    , m_source(QString::fromLatin1(source))
    , m_code(code)
    , m_message(message)
    , m_osError(errno)
    , m_text(text)
{
    m_what = description().toUtf8();
}

QString TError::description() const
{
    QString result = QCoreApplication::translate("Basics::TError", "error %1: %2: %3")
                         .arg(m_code)
                         .arg(m_text, reason(m_code));
    if (m_osError != 0 && m_code >= 200)
        result += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(m_osError)));
    return result;
}

const char* TError::what() const noexcept
{
    return m_what.constData();
}

} // namespace Basics
