#pragma once

#include "lumlib_global.h"

#include <QObject>
#include <QString>

#include <memory>

class QDomDocument;
class QDomElement;
class TLumListView;

// A named document of the host: a list of records that a dialog fills and then exports or prints.
class LUMLIB_EXPORT TLumDocument : public QObject {
    Q_OBJECT
public:
    explicit TLumDocument(const QString& name, QObject* parent = nullptr);
    ~TLumDocument() override;

    const QString& name() const { return m_name; }
    TLumListView* listView() const { return m_listView.get(); }

    // The records of the list view, one element each, appended to parent.
    void exportXml(QDomDocument& doc, QDomElement& parent) const;
    // The list view as an HTML table, the form in which the host prints it.
    QString toHtml() const;
    // Hands the document to the host's printing; the base writes toHtml() to "<name>.html" in
    // the folder given by setPrintFolder and returns that file name (empty on failure).
    virtual QString print();
    void setPrintFolder(const QString& folder) { m_printFolder = folder; }

private:
    QString m_name;
    QString m_printFolder;
    std::unique_ptr<TLumListView> m_listView;
};
