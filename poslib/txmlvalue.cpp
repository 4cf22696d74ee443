#include "txmlvalue.h"

#include <QDomDocument>
#include <QDomImplementation>
#include <QXmlStreamReader>

#include <utility>

namespace PosLib {

TXmlValue::TXmlValue(const QString& tagName)
    : m_tagName(tagName)
{
}

bool TXmlValue::setXml(const QString& text)
{
    if (text.isEmpty())
        return true;
    clear();
    // Read as the document tree would read it (its element children by tag, each with the text
    // of all it holds; text of spaces only left out), but straight from the stream: card lists of
    // tens of thousands of texts are read this way, and the tree costs twice the time.
    QXmlStreamReader reader(text);
    reader.setNamespaceProcessing(false);
    QList<Basics::TAttribute> values;
    int depth = 0;
    bool root = false;
    bool stopped = false; // a child that is no element: the values before it are kept
    QString key;
    QString value;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            root = true;
            if (depth == 1 && !stopped) {
                key = reader.qualifiedName().toString();
                value.clear();
            }
            ++depth;
            break;
        case QXmlStreamReader::EndElement:
            if (--depth == 1 && !stopped)
                values.append({key, Basics::TVariant(value)});
            break;
        case QXmlStreamReader::Characters:
            if (!reader.isCDATA() && reader.text().trimmed().isEmpty())
                break;
            if (depth == 1)
                stopped = true;
            else if (depth > 1 && !stopped)
                value += reader.text();
            break;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::EntityReference:
            if (depth == 1)
                stopped = true;
            break;
        default:
            break;
        }
    }
    if (reader.hasError() || !root)
        return false;
    assign(std::move(values));
    return !stopped;
}

QString TXmlValue::toXml() const
{
    QDomImplementation implementation;
    QDomDocument doc(implementation.createDocumentType(m_tagName, QString(), QString()));
    doc.appendChild(doc.createProcessingInstruction(QStringLiteral("xml"),
                                                    QStringLiteral("version=\"1.0\" encoding=\"utf-8\"")));
    QDomElement element = doc.createElement(m_tagName);
    writeXml(doc, element);
    doc.appendChild(element);
    return doc.toString(-1);
}

QDateTime TXmlValue::defaultDateTime() const
{
    return QDateTime(QDate(2010, 1, 1), QTime(0, 0, 0));
}

void TXmlValue::setDateTime(const QString& key, const QDateTime& dateTime)
{
    const QString timeKey = key + QStringLiteral("time");
    if (!dateTime.isValid() || dateTime < defaultDateTime()) {
        remove(key);
        remove(timeKey);
        return;
    }
    set(key, dateTime.date().toString(QStringLiteral("yyyy-MM-dd")));
    set(timeKey, dateTime.time().toString(QStringLiteral("hh:mm:ss")));
}

QDateTime TXmlValue::getDateTime(const QString& key) const
{
    const QString date = getString(key);
    if (date.isEmpty())
        return defaultDateTime();
    const QStringList day = date.split(u'-');
    const QStringList time = getString(key + QStringLiteral("time")).split(u':');
    const auto part = [](const QStringList& parts, int i) { return i < parts.size() ? parts[i].toInt() : 0; };
    const QDateTime result(QDate(part(day, 0), part(day, 1), part(day, 2)),
                           QTime(part(time, 0), part(time, 1), part(time, 2)));
    return result.isValid() ? result : defaultDateTime();
}

} // namespace PosLib
