// lumlog: prints a log file of the system (UTF-16, little-endian) as UTF-8 text, so that grep, less
// and tail work on it; with --follow it goes on printing what is appended, as tail -f does.

#include "language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QThread>

#include <cstdio>

namespace {

constexpr qint64 chunk = 1 << 16;

// Decodes and prints what the file holds from its current position; false when reading failed.
bool printFrom(QFile& file, QStringDecoder& decoder)
{
    while (true) {
        const QByteArray bytes = file.read(chunk);
        if (bytes.isEmpty())
            return file.error() == QFileDevice::NoError;
        const QByteArray text = QString(decoder(bytes)).remove(u'\r').toUtf8();
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumlog"));
    if (!AppLanguage::setUp("lumlog"))
        return 2;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("lumlog", "Prints a log file (UTF-16) as UTF-8 text."));
    parser.addHelpOption();
    const QCommandLineOption follow(
        {QStringLiteral("f"), QStringLiteral("follow")},
        QCoreApplication::translate("lumlog", "Go on printing what is appended, until interrupted."));
    parser.addOption(follow);
    parser.addOption(AppLanguage::option());
    parser.addPositionalArgument(QCoreApplication::translate("lumlog", "file"),
                                 QCoreApplication::translate("lumlog", "The log file."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("lumlog", "usage: lumlog [--follow] FILE")));
        return 2;
    }
    const QString path = parser.positionalArguments().first();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "lumlog: %s\n",
                     qPrintable(QCoreApplication::translate("lumlog", "%1 cannot be read").arg(path)));
        return 1;
    }
    QStringDecoder decoder(QStringConverter::Utf16LE, QStringConverter::Flag::ConvertInitialBom);
    if (!printFrom(file, decoder))
        return 1;
    while (parser.isSet(follow)) {
        QThread::msleep(300);
        // A log rotated away (renamed and begun anew) is opened again from its start.
        if (QFileInfo(path).size() < file.pos()) {
            file.close();
            if (!file.open(QIODevice::ReadOnly))
                continue;
            decoder.resetState();
        }
        if (!printFrom(file, decoder))
            return 1;
    }
    return 0;
}
