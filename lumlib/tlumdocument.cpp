#include "tlumdocument.h"

#include "tlistprint.h"
#include "tlumlistview.h"

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

bool TLumDocument::print(QWidget* parent, const QString& title)
{
    return TListPrint::print(*m_listView, title, parent, m_printFolder);
}
