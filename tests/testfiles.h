#pragma once

// Reading and writing whole files in tests.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

// The content of a file; empty when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces a file's content (creating its folder); false when it cannot be written.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The lines of a log file; a file without its byte-order mark gives nothing.
inline QStringList logLines(const QString& path)
{
    const QByteArray bytes = readFile(path);
    if (!bytes.startsWith("\xff\xfe"))
        return {};
    const QString text = QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
