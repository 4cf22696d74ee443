#pragma once

#include "basics_global.h"

#include <QByteArray>
#include <QString>

#include <exception>

namespace Basics {

// Error record of the storage layer, thrown by value and caught by reference: a handler for TError
// catches every subclass.
class BASICS_EXPORT TError : public std::exception {
public:
    // osError is taken from errno at construction.
    TError(int line, const char* source, int code, int message, const QString& text);

    int line() const { return m_line; }
    // Name of the source file that raised the error, without extension ("tfile", "tdir" ...).
    const QString& source() const { return m_source; }
    int code() const { return m_code; }
    int message() const { return m_message; }
    int osError() const { return m_osError; }
    // The object concerned, as a rule a file or directory name.
    const QString& text() const { return m_text; }

    // A readable description for the operator: what failed, on what, and the system's reason.
    QString description() const;
    const char* what() const noexcept override;

private:
    qint32 m_line;
    QString m_source;
    qint32 m_code;
    qint32 m_message;
    qint32 m_osError;
    QString m_text;
    QByteArray m_what;
};

class BASICS_EXPORT TOsError : public TError {
public:
    using TError::TError;
};

class BASICS_EXPORT TFileError : public TOsError {
public:
    using TOsError::TOsError;
};

class BASICS_EXPORT TDirError : public TOsError {
public:
    using TOsError::TOsError;
};

class BASICS_EXPORT TInifileError : public TOsError {
public:
    using TOsError::TOsError;
};

class BASICS_EXPORT TCryptError : public TError {
public:
    using TError::TError;
};

} // namespace Basics

namespace Database {

class BASICS_EXPORT TDBError : public Basics::TError {
public:
    using Basics::TError::TError;
};

class BASICS_EXPORT TSQLError : public TDBError {
public:
    using TDBError::TDBError;
};

} // namespace Database
