#include "txmlvalue.h"

#include "xmlrecordreader.h"

#include <QDomDocument>
#include <QDomImplementation>

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
    // Read as the document tree would read it, but without the tree: card lists of tens of
    // thousands of texts are read this way.
    QList<Basics::TAttribute> values;
    const XmlRecordReader::Outcome outcome = XmlRecordReader::read(text, values);
    if (outcome == XmlRecordReader::Outcome::Failed)
        return false;
    assign(std::move(values));
    return outcome == XmlRecordReader::Outcome::Complete;
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
