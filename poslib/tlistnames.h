#pragma once

#include "basics_global.h"
#include "tvaluelist.h"

#include <QList>
#include <QString>

namespace PosLib {

// The names under which the system knows a record list: the list (and XML root) name, the XML
// element name of one record, and the data file; and the record class of the list, so that every
// record read from the file is an object of its real class.
struct BASICS_EXPORT TListNames {
    using Factory = Basics::TValue* (*)();

    QString root;
    QString element;
    QString file;
    Factory create = nullptr; // null: plain records

    // Every list the system names.
    static const QList<TListNames>& known();
    // The entry for a list name or a data file name; the base list's names ("elements",
    // "element", "elements.dat") when the name is not known.
    static TListNames forRoot(const QString& root);
    static TListNames forFile(const QString& file);
    static bool isKnownRoot(const QString& root);
};

// A generic record list stored under the given names.
class BASICS_EXPORT TNamedList : public Basics::TValueList {
    Q_OBJECT
public:
    explicit TNamedList(TListNames names);

    QString rootName() const override { return m_names.root; }
    QString fileName() const override { return m_names.file; }
    QString elementName() const override { return m_names.element; }
    Basics::TValue* createValue() const override;

private:
    TListNames m_names;
};

} // namespace PosLib
