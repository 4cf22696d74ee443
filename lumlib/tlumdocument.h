#pragma once

#include "lumlib_global.h"

#include <QObject>
#include <QString>

#include <memory>

class QDomDocument;
class QDomElement;
class QWidget;
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
    // Prints the list view as a table under the title: on a printer the operator chooses, or, where
    // the system knows no printer, into a PDF file the operator names, proposed in the folder given
    // by setPrintFolder. False when the operator cancelled or it could not be printed (told).
    virtual bool print(QWidget* parent, const QString& title);
    void setPrintFolder(const QString& folder) { m_printFolder = folder; }

private:
    QString m_name;
    QString m_printFolder;
    std::unique_ptr<TLumListView> m_listView;
};
