#include "xmlexchange.h"

#include "tvaluelist.h"

#include <QDomDocument>

namespace Basics {

QByteArray exportDocument(TValueList& list)
{
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
    list.importXml(root);
    return true;
}

} // namespace Basics
