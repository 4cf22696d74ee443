#include "tvaluelist.h"

#include "listcodec.h"
#include "tdir.h"
#include "terror.h"
#include "tfile.h"
#include "tfilereplacement.h"

#include <QDomDocument>
#include <QDomElement>
#include <QFileInfo>
#include <QTextStream>

#include <cerrno>
#include <climits>
#include <memory>

namespace Basics {

namespace {

enum LoadResult { NoFile = 7, Unreadable = 304 };

} // namespace

TValueList::TValueList() = default;

TValueList::~TValueList()
{
    clear();
}

QString TValueList::rootName() const
{
    return QStringLiteral("elements");
}

QString TValueList::fileName() const
{
    return QStringLiteral("elements.dat");
}

QString TValueList::elementName() const
{
    return QStringLiteral("element");
}

QString TValueList::dataDir() const
{
    return QStringLiteral("usr/data");
}

TValue* TValueList::createValue() const
{
    return new TValue;
}

TValue* TValueList::find(int id) const
{
    auto it = m_values.upper_bound(id);
    if (it == m_values.begin())
        return nullptr;
    --it;
    return it->first == id ? it->second : nullptr;
}

void TValueList::raiseNextID(int id)
{
    if (id >= m_nextID)
        m_nextID = id == INT_MAX ? INT_MAX : id + 1;
}

void TValueList::append(TValue* value)
{
    if (m_nextID == 0)
        m_nextID = 1;
    value->setID(m_nextID);
    put(value);
}

void TValueList::insert(TValue* value)
{
    const int id = value->getID();
    raiseNextID(id);
    // With the end as hint, an id above all others is added in constant time, and a present id
    // goes behind its twins, which makes it the one find() returns.
    m_values.emplace_hint(m_values.end(), id, value);
    Q_EMIT inserted(value);
}

void TValueList::put(TValue* value)
{
    raiseNextID(value->getID());
    if (find(value->getID()))
        notifyChanged(value);
    else
        insert(value);
}

TValueList::Map::iterator TValueList::locate(TValue* value)
{
    const auto [first, last] = m_values.equal_range(value->getID());
    if (first == last)
        return m_values.end();
    for (auto it = first; it != last; ++it) {
        if (it->second == value)
            return it;
    }
    return std::prev(last);
}

TValue* TValueList::take(TValue* value)
{
    const auto it = locate(value);
    if (it == m_values.end())
        return nullptr;
    TValue* taken = it->second;
    m_values.erase(it);
    Q_EMIT removed(taken);
    return taken;
}

bool TValueList::remove(TValue* value)
{
    const auto it = locate(value);
    if (it == m_values.end())
        return false;
    // Listeners see the record while it is still valid.
    Q_EMIT removed(value);
    // A listener may have changed the list: look the record up again.
    const auto now = locate(value);
    if (now == m_values.end())
        return true;
    TValue* stored = now->second;
    m_values.erase(now);
    delete stored;
    return true;
}

void TValueList::notifyChanged(TValue* value)
{
    Q_EMIT changed(value);
}

int TValueList::load(const QString& file, const char* dir)
{
    const QString path = expandPath(TDir(QFile::decodeName(dir), true).path() + file);
    if (!QFileInfo::exists(path)) {
        clear();
        return NoFile;
    }
    // Only a regular file: a pipe would block the reader, a device would feed it without end.
    TFile data(path, TFile::RegularOnly);
    try {
        data.open(QIODevice::ReadOnly);
    } catch (const TFileError& error) {
        if (error.code() != 301 || error.osError() != ENOENT)
            throw;
        clear();
        return NoFile;
    }
    clear();
    const int result = readList(*this, data, compressionEnabled());
    return data.error() != QFileDevice::NoError ? int(Unreadable) : result;
}

int TValueList::load(const char* basePath)
{
    const QString dir = TDir(TDir(QFile::decodeName(basePath), true).path() + dataDir(), true).path();
    return load(fileName(), QFile::encodeName(dir).constData());
}

void TValueList::save(const QString& file, const char* dir) const
{
    TFileReplacement replacement(TDir(QFile::decodeName(dir), true).path() + file);
    saveTo(replacement);
}

void TValueList::saveTo(TFileReplacement& replacement) const
{
    writeList(*this, replacement);
    replacement.commit(true);
}

void TValueList::save(const char* basePath) const
{
    const QString dir = TDir(TDir(QFile::decodeName(basePath), true).path() + dataDir(), true).path();
    save(fileName(), QFile::encodeName(dir).constData());
}

void TValueList::importXml(QDomElement& root)
{
    Q_EMIT importCount(int(root.childNodes().count()));
    QDomNode node = root.firstChild();
    if (!node.isNull() && node.nodeName() == u"_delete_") {
        clear();
        node = node.nextSibling();
    }
    const bool settings = root.tagName().toLower() == u"settings";
    int step = 0;
    for (; !node.isNull(); node = node.nextSibling()) {
        Q_EMIT importStep(++step);
        if (!node.isElement())
            continue;
        QDomElement element = node.toElement();
        std::unique_ptr<TValue> value(createValue());
        readValueXml(value.get(), element);
        const int id = value->getID();
        if (settings) {
            TValue* passed = value.release();
            put(passed);
            if (find(id) != passed)
                delete passed; // put() did not keep it
            continue;
        }
        if (id == 0) {
            append(value.release());
            continue;
        }
        TValue* existing = find(id);
        if (!existing) {
            insert(value.release());
        } else if (element.firstChild().nodeName() == u"_delete_") {
            remove(existing);
        } else {
            existing->readXml(element); // merge: only the attributes the element names change
            notifyChanged(existing);
        }
    }
}

void TValueList::exportXml(QDomDocument& doc, QDomElement& parent)
{
    Q_EMIT exportCount(int(count()));
    QDomElement root = doc.createElement(rootName());
    parent.appendChild(root);
    int step = 0;
    for (TValue* value : *this) {
        if (!shallExport(value))
            continue;
        Q_EMIT exportStep(++step);
        QDomElement element = doc.createElement(elementName());
        writeValueXml(value, doc, element);
        root.appendChild(element);
    }
}

void TValueList::exportText(QTextStream& stream, const QList<QString>& columns)
{
    Q_EMIT exportCount(int(count()));
    int step = 0;
    for (TValue* value : *this) {
        Q_EMIT exportStep(++step);
        value->writeText(stream, columns);
        stream << '\n';
    }
}

bool TValueList::shallExport(TValue*) const
{
    return true;
}

bool TValueList::readValueXml(TValue* value, QDomElement& element)
{
    return value->readXml(element);
}

void TValueList::writeValueXml(TValue* value, QDomDocument& doc, QDomElement& element) const
{
    value->writeXml(doc, element);
}

void TValueList::clear()
{
    Map values;
    values.swap(m_values);
    for (auto& entry : values)
        delete entry.second;
}

} // namespace Basics
