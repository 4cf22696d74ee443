#include "tlumdocument.h"

#include "tlumlistview.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTextStream>

TLumDocument::TLumDocument(const QString& name, QObject* parent)
    : QObject(parent)
    , m_name(name)
    , m_listView(std::make_unique<TLumListView>())
{
    setObjectName(name);
    m_listView->setElementName(name);
}

TLumDocument::~TLumDocument() = default;

void TLumDocument::exportXml(QDomDocument& doc, QDomElement& parent) const
{
    m_listView->exportXml(doc, parent);
}

QString TLumDocument::toHtml() const
{
    QString html;
    QTextStream out(&html);
    out << "<html><head><meta charset=\"utf-8\"><title>" << m_name.toHtmlEscaped() << "</title></head><body>"
        << "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>";
    const QTreeWidgetItem* header = m_listView->headerItem();
    for (int column = 0; column < m_listView->columnCount(); ++column)
        out << "<th>" << header->text(column).toHtmlEscaped() << "</th>";
    out << "</tr>";
    for (const QTreeWidgetItem* item : m_listView->itemsInOrder()) {
        out << "<tr>";
        for (int column = 0; column < m_listView->columnCount(); ++column)
            out << "<td>" << item->text(column).toHtmlEscaped() << "</td>";
        out << "</tr>";
    }
    out << "</table></body></html>\n";
    return html;
}

QString TLumDocument::print()
{
    const QString folder = m_printFolder.isEmpty() ? QDir::currentPath() : m_printFolder;
    if (!QDir().mkpath(folder))
        return QString();
    const QString fileName = QDir(folder).filePath(m_name + QStringLiteral(".html"));
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(toHtml().toUtf8());
    return fileName;
}
