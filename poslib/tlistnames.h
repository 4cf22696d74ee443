#pragma once

#include "basics_global.h"
#include "tvaluelist.h"

#include <QLatin1String>
#include <QList>
#include <QString>

#include <typeindex>
#include <typeinfo>

namespace PosLib {

// The names of the lists that have no record class of their own, for the code that reads them.
namespace Lists {
inline constexpr QLatin1String articles("articles");
inline constexpr QLatin1String currencies("currencies");
inline constexpr QLatin1String departments("departments");
inline constexpr QLatin1String families("families");
inline constexpr QLatin1String layconfigs("layconfigs");
inline constexpr QLatin1String prnconfigs("prnconfigs");
inline constexpr QLatin1String settings("settings");
inline constexpr QLatin1String subventions("subventions");
inline constexpr QLatin1String waiters("waiters");
} // namespace Lists

// The names under which the system knows a record list: the list (and XML root) name, the XML
// element name of one record, and the data file; and the record class of the list, so that every
// record read from the file is an object of its real class. Declared once per list, in known().
struct BASICS_EXPORT TListNames {
    using Factory = Basics::TValue* (*)();

    QString root;
    QString element;
    QString file;
    Factory create = nullptr; // null: plain records
    std::type_index recordType = typeid(Basics::TValue);

    // Every list the system names.
    static const QList<TListNames>& known();
    // The entry for a list name or a data file name; the base list's names ("elements",
    // "element", "elements.dat") when the name is not known.
    static TListNames forRoot(const QString& root);
    static TListNames forFile(const QString& file);
    static bool isKnownRoot(const QString& root);
    // The list whose records are of that class; the base list's names for a class no list has.
    static TListNames forRecord(const std::type_info& type);
    template <class Record>
    static TListNames of()
    {
        return forRecord(typeid(Record));
    }
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
