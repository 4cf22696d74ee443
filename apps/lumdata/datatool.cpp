#include "datatool.h"

#include "databackup.h"
#include "tdir.h"
#include "terror.h"
#include "tfilereplacement.h"
#include "tlistnames.h"
#include "xmlexchange.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <memory>

namespace {

constexpr int loaded = 0;
constexpr int noFile = 7;
constexpr int storageError = -1;
// An exchange document larger than this is refused before it is parsed.
constexpr qint64 maxDocumentSize = qint64(256) << 20;

QString escaped(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            result += QLatin1String("\\\\");
            break;
        case '\n':
            result += QLatin1String("\\n");
            break;
        case '\r':
            result += QLatin1String("\\r");
            break;
        case '\t':
            result += QLatin1String("\\t");
            break;
        default:
            result += c;
        }
    }
    return result;
}

QString describeResult(int result)
{
    return result == noFile ? QCoreApplication::translate("lumdata", "the file does not exist")
                            : QCoreApplication::translate(
                                  "lumdata", "the data ends in the middle of a record or cannot be read");
}

} // namespace

// A list named after its file, loaded from it.
class OpenedList {
public:
    OpenedList(const QString& path, const QString& root, const QString& element)
    {
        const QFileInfo info(Basics::expandPath(path));
        PosLib::TListNames names = PosLib::TListNames::forFile(info.fileName());
        if (!root.isEmpty()) {
            names.root = root;
            if (PosLib::TListNames::isKnownRoot(root))
                names.element = PosLib::TListNames::forRoot(root).element;
        }
        if (!element.isEmpty())
            names.element = element;
        names.file = info.fileName();
        m_directory = info.absolutePath();
        m_list = std::make_unique<PosLib::TNamedList>(names);
    }

    // A file in a folder that does not exist is missing like any other: looking creates nothing.
    int load()
    {
        if (!QFileInfo(m_directory).isDir()) {
            m_list->clear();
            return noFile;
        }
        return m_list->load(m_list->fileName(), QFile::encodeName(m_directory).constData());
    }
    QString path() const { return m_directory + u'/' + m_list->fileName(); }
    PosLib::TNamedList& list() { return *m_list; }

private:
    QString m_directory;
    std::unique_ptr<PosLib::TNamedList> m_list;
};

DataTool::DataTool(QTextStream& out, QTextStream& err)
    : m_out(out)
    , m_err(err)
{
}

void DataTool::report(const QString& file, int code, const QString& reason)
{
    m_err << "lumdata: " << file << ": "
          << QCoreApplication::translate("lumdata", "error %1: %2").arg(code).arg(reason) << Qt::endl;
}

void DataTool::report(const QString& file, const Basics::TError& error)
{
    m_err << "lumdata: " << file << ": " << error.description() << Qt::endl;
}

int DataTool::load(OpenedList& opened, const QString& file, bool missingIsFine)
{
    try {
        const int result = opened.load();
        if (result != loaded && !(result == noFile && missingIsFine))
            report(file, result, describeResult(result));
        return result;
    } catch (const Basics::TError& error) {
        report(file, error);
        return storageError;
    }
}

int DataTool::show(const QString& file)
{
    OpenedList opened(file, m_root, m_element);
    const int result = load(opened, file);
    // The readable records of a damaged file are shown too: they tell where it broke.
    for (const Basics::TValue* value : opened.list()) {
        m_out << value->getID();
        for (const Basics::TAttribute& attribute : value->attributes()) {
            if (attribute.key != u"id")
                m_out << ' ' << escaped(attribute.key) << '=' << escaped(attribute.value.text());
        }
        m_out << '\n';
    }
    m_out.flush();
    return result == loaded ? Success : Failure;
}

int DataTool::xml(const QString& file)
{
    OpenedList opened(file, m_root, m_element);
    if (load(opened, file) != loaded)
        return Failure;
    QString problem;
    const QByteArray document = Basics::exportDocument(opened.list(), &problem);
    if (document.isNull()) {
        m_err << "lumdata: " << file << ": " << problem << Qt::endl;
        return Failure;
    }
    m_out << QString::fromUtf8(document);
    m_out.flush();
    return Success;
}

int DataTool::import(const QString& xmlFile, const QString& file)
{
    QFile input;
    bool readable = false;
    if (xmlFile == u"-") {
        readable = input.open(stdin, QIODevice::ReadOnly);
    } else {
        input.setFileName(Basics::expandPath(xmlFile));
        readable = input.open(QIODevice::ReadOnly);
    }
    if (!readable) {
        report(xmlFile, 301,
               QCoreApplication::translate("lumdata", "the file cannot be opened (%1)")
                   .arg(input.errorString()));
        return Failure;
    }
    const QByteArray document = input.read(maxDocumentSize + 1);
    if (document.size() > maxDocumentSize) {
        m_err << "lumdata: " << xmlFile << ": "
              << QCoreApplication::translate("lumdata", "larger than %1 bytes; nothing was imported")
                     .arg(maxDocumentSize)
              << Qt::endl;
        return Failure;
    }

    OpenedList opened(file, m_root, m_element);
    // The lock of the save is taken before the file is read and held until the merged list is in
    // place, so that no other save falls between the read and the write. A file that could not be
    // read completely is never written over; a missing one is created.
    std::unique_ptr<Basics::TFileReplacement> replacement;
    try {
        Basics::TDir(QFileInfo(opened.path()).path(), true);
        replacement = std::make_unique<Basics::TFileReplacement>(opened.path());
    } catch (const Basics::TError& error) {
        report(file, error);
        return Failure;
    }
    const int result = load(opened, file, true);
    if (result != loaded && result != noFile)
        return Failure;
    QString problem;
    if (!Basics::importDocument(opened.list(), document, &problem)) {
        m_err << "lumdata: " << xmlFile << ": "
              << QCoreApplication::translate("lumdata", "%1; nothing was imported").arg(problem) << Qt::endl;
        return Failure;
    }
    try {
        opened.list().saveTo(*replacement);
    } catch (const Basics::TError& error) {
        report(file, error);
        return Failure;
    }
    m_out << file << ": " << opened.list().count() << " records" << Qt::endl;
    return Success;
}

int DataTool::text(const QString& file, const QStringList& columns)
{
    OpenedList opened(file, m_root, m_element);
    if (load(opened, file) != loaded)
        return Failure;
    opened.list().exportText(m_out, columns);
    m_out.flush();
    return Success;
}

int DataTool::check(const QString& file)
{
    OpenedList opened(file, m_root, m_element);
    const int result = load(opened, file);
    if (result != storageError)
        m_out << "result=" << result << " records=" << opened.list().count() << Qt::endl;
    return result == loaded ? Success : Failure;
}

int DataTool::finish(const QString& what, const DataBackup::Result& result)
{
    for (const QString& note : result.notes)
        m_err << "lumdata: " << note << Qt::endl;
    if (!result.ok) {
        m_err << "lumdata: " << what << ": " << result.error << Qt::endl;
        return Failure;
    }
    m_out << QCoreApplication::translate("lumdata", "%1: %2 files, %3 bytes")
                 .arg(what)
                 .arg(result.files)
                 .arg(qlonglong(result.bytes))
          << Qt::endl;
    if (!result.kept.isEmpty())
        m_out
            << QCoreApplication::translate("lumdata", "The replaced data root is kept in %1").arg(result.kept)
            << Qt::endl;
    return Success;
}

int DataTool::backup(const QString& root, const QString& archive)
{
    return finish(archive, DataBackup::backup(Basics::expandPath(root), Basics::expandPath(archive)));
}

int DataTool::restore(const QString& archive, const QString& root)
{
    return finish(root, DataBackup::restore(Basics::expandPath(archive), Basics::expandPath(root)));
}
