#include "xmlexchange.h"

#include "tvaluelist.h"

#include <QDomDocument>
#include <QXmlStreamReader>

#include <climits>
#include <set>

namespace Basics {

namespace {

QString at(const QDomNode& node)
{
    return QStringLiteral("line %1, column %2").arg(node.lineNumber()).arg(node.columnNumber());
}

bool isBlankText(const QDomNode& node)
{
    return (node.isText() || node.isCDATASection()) && node.nodeValue().trimmed().isEmpty();
}

// A character XML 1.0 cannot hold, or 0.
char32_t forbiddenCharacter(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0xFFFE || u == 0xFFFF)
            return u;
    }
    return 0;
}

// Refuses a document nested deeper than a list can be before any tree is built: the stream reader
// walks it in linear time, and stops at the first element too deep.
bool checkDepth(const QByteArray& xml, QString* error)
{
    QXmlStreamReader reader(xml);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > maxDocumentDepth) {
            if (error)
                *error = QStringLiteral("line %1, column %2: elements nested deeper than a list, its records "
                                        "and their values")
                             .arg(reader.lineNumber())
                             .arg(reader.columnNumber());
            return false;
        }
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return true; // errors of form are the parser's to tell
}

// Walks the records as importXml will, keeping track of the ids present and of the id append()
// would give, and names the first record that importXml would drop, truncate or make up.
class ImportCheck {
public:
    explicit ImportCheck(const TValueList& list)
        : m_list(list)
        , m_nextID(list.nextID())
    {
    }

    QString problem(const QDomElement& root)
    {
        const bool settings = root.tagName().toLower() == u"settings";
        QDomNode node = root.firstChild();
        if (!node.isNull() && node.nodeName() == u"_delete_") {
            m_cleared = true;
            node = node.nextSibling();
        }
        int number = 0;
        for (; !node.isNull(); node = node.nextSibling()) {
            if (node.isComment() || node.isProcessingInstruction() || isBlankText(node))
                continue;
            if (!node.isElement())
                return at(node) + QStringLiteral(": text between the records");
            ++number;
            const QString found = checkRecord(node.toElement(), number, settings);
            if (!found.isEmpty())
                return found;
        }
        return QString();
    }

private:
    bool present(int id) const
    {
        if (m_added.count(id))
            return true;
        return !m_cleared && !m_deleted.count(id) && m_list.find(id);
    }

    void raise(int id)
    {
        if (id >= m_nextID)
            m_nextID = id == INT_MAX ? INT_MAX : id + 1;
    }

    QString checkRecord(const QDomElement& element, int number, bool settings)
    {
        const QString record = at(element) + QStringLiteral(": record %1").arg(number);
        if (element.firstChild().isNull())
            return record + QStringLiteral(" is empty");
        int id = 0;
        for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
            if (!child.isElement())
                return at(child) +
                       QStringLiteral(": record %1 holds text or a comment between its values").arg(number);
            if (child.nodeName() == u"_delete_" && child != element.firstChild())
                return at(child) +
                       QStringLiteral(": \"_delete_\" must be the first element of record %1").arg(number);
            if (child.nodeName() == u"id") {
                bool ok = false;
                id = child.toElement().text().toInt(&ok); // as TVariant reads it
                if (!ok)
                    return record + QStringLiteral(": the id \"%1\" is not a number from %2 to %3")
                                        .arg(child.toElement().text())
                                        .arg(INT_MIN)
                                        .arg(INT_MAX);
            }
        }
        const bool deletes = element.firstChild().nodeName() == u"_delete_";
        if (settings) {
            raise(id);
            if (present(id))
                return record + QStringLiteral(": a settings record with the id %1 exists already").arg(id);
            add(id);
            return QString();
        }
        if (id == 0) {
            if (deletes)
                return record + QStringLiteral(": \"_delete_\" without an id");
            if (m_nextID == 0)
                m_nextID = 1;
            if (present(m_nextID))
                return record + QStringLiteral(": no id is left for a record without one");
            id = m_nextID;
            raise(id);
            add(id);
            return QString();
        }
        raise(id);
        if (deletes) {
            if (!present(id))
                return record + QStringLiteral(": the list holds no record %1 to delete").arg(id);
            m_added.erase(id);
            m_deleted.insert(id);
        } else {
            add(id);
        }
        return QString();
    }

    void add(int id)
    {
        m_added.insert(id);
        m_deleted.erase(id);
    }

    const TValueList& m_list;
    int m_nextID;
    bool m_cleared = false;
    std::set<int> m_added;
    std::set<int> m_deleted;
};

} // namespace

QByteArray exportDocument(TValueList& list, QString* error)
{
    for (const TValue* value : list) {
        for (const TAttribute& attribute : value->attributes()) {
            for (const QString* text : {&attribute.key, &attribute.value.text()}) {
                if (const char32_t c = forbiddenCharacter(*text)) {
                    if (error)
                        *error =
                            QStringLiteral("record %1, \"%2\": the character U+%3 cannot be written as XML")
                                .arg(value->getID())
                                .arg(attribute.key)
                                .arg(uint(c), 4, 16, QLatin1Char('0'));
                    return QByteArray();
                }
            }
        }
    }
    QDomDocument doc;
    doc.appendChild(doc.createProcessingInstruction(QStringLiteral("xml"),
                                                    QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    // exportXml appends the root element to an element; a holder lends it one, and the root then
    // moves up to become the document element.
    QDomElement holder = doc.createElement(QStringLiteral("holder"));
    list.exportXml(doc, holder);
    doc.appendChild(holder.firstChildElement());
    return doc.toByteArray(1);
}

bool importDocument(TValueList& list, const QByteArray& xml, QString* error)
{
    if (!checkDepth(xml, error))
        return false;
    QDomDocument doc;
    QString message;
    int line = 0;
    int column = 0;
    if (!doc.setContent(xml, &message, &line, &column)) {
        if (error)
            *error = QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(message);
        return false;
    }
    QDomElement root = doc.documentElement();
    if (root.tagName() != list.rootName()) {
        if (error)
            *error =
                QStringLiteral("the document holds \"%1\", not \"%2\"").arg(root.tagName(), list.rootName());
        return false;
    }
    const QString problem = ImportCheck(list).problem(root);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    list.importXml(root);
    return true;
}

} // namespace Basics
