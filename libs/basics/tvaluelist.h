#pragma once

#include "basics_global.h"
#include "tvalue.h"

#include <QList>
#include <QObject>
#include <QString>

#include <map>

class QDomDocument;
class QDomElement;
class QTextStream;

namespace Basics {

class TFileReplacement;

// A list of records keyed by id. The list owns its records: it deletes a record when it is removed,
// when the list is cleared and when the list is destroyed.
//
// Iteration goes in ascending id order; records added under the same id come in the order they were
// added, and find() returns the one added last. Lookup, insertion and removal take logarithmic time,
// adding in ascending id order (as load does with a saved file) amortised constant time.
//
// The 22 virtual operations below keep their declaration order: list classes of the host are built
// against it. A subclass that overrides one overload of load or save should bring the other one
// into scope with "using TValueList::load;" / "using TValueList::save;".
class BASICS_EXPORT TValueList : public QObject {
    Q_OBJECT
    using Map = std::multimap<int, TValue*>;

public:
    TValueList();
    ~TValueList() override;

    virtual QString rootName() const;    // "elements"
    virtual QString fileName() const;    // "elements.dat"
    virtual QString elementName() const; // "element"
    virtual QString dataDir() const;     // "usr/data"
    // A new empty record of the list's record class; the caller owns it until it is added.
    virtual TValue* createValue() const;
    virtual TValue* find(int id) const;
    // Gives the record the next free id, then put()s it.
    virtual void append(TValue* value);
    // Adds the record under its id, even when that id is present already; emits inserted.
    virtual void insert(TValue* value);
    // Adds the record when its id is new (as insert). For a present id the base class only calls
    // notifyChanged with it: the record is neither stored nor owned, the caller keeps it.
    virtual void put(TValue* value);
    // Detaches the record stored under value's id (value itself when it is in the list) and hands
    // it back to the caller; emits removed. Null when there is none.
    virtual TValue* take(TValue* value);
    // Emits removed, then deletes the record stored under value's id (value itself when it is in
    // the list). False, with no signal, when there is none.
    virtual bool remove(TValue* value);
    virtual void notifyChanged(TValue* value);
    // Load results: 0 read completely; 7 no such file (the list is emptied); 304 the data ends
    // inside a record or cannot be read (the records before stay). TError code 5 propagates.
    virtual int load(const QString& file, const char* dir);
    virtual int load(const char* basePath);
    // Replaces the file through "<file>.new", keeping the previous content as "<file>.old". The data
    // file is present at every moment. Throws TFileError; the previous file then stays in place.
    virtual void save(const QString& file, const char* dir) const;
    virtual void save(const char* basePath) const;
    virtual void importXml(QDomElement& root);
    virtual void exportXml(QDomDocument& doc, QDomElement& parent);
    virtual void exportText(QTextStream& stream, const QList<QString>& columns);
    virtual bool shallExport(TValue* value) const;
    virtual bool readValueXml(TValue* value, QDomElement& element);
    virtual void writeValueXml(TValue* value, QDomDocument& doc, QDomElement& element) const;

    // Saves the records through a replacement whose lock the caller took before it read the file,
    // so that a read, change and save is one step for every other program (see TFileReplacement).
    void saveTo(TFileReplacement& replacement) const;

    // Greater than every id ever added; the id append() gives next.
    int nextID() const { return m_nextID; }
    qsizetype count() const { return qsizetype(m_values.size()); }
    bool isEmpty() const { return m_values.empty(); }
    // Deletes all records; emits nothing.
    void clear();

    class const_iterator {
    public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = TValue*;
        using difference_type = std::ptrdiff_t;
        using pointer = TValue* const*;
        using reference = TValue* const&;

        const_iterator() = default;
        reference operator*() const { return m_it->second; }
        const_iterator& operator++()
        {
            ++m_it;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator old = *this;
            ++m_it;
            return old;
        }
        const_iterator& operator--()
        {
            --m_it;
            return *this;
        }
        bool operator==(const const_iterator& other) const = default;

    private:
        friend class TValueList;
        explicit const_iterator(Map::const_iterator it)
            : m_it(it)
        {
        }
        Map::const_iterator m_it;
    };

    const_iterator begin() const { return const_iterator(m_values.cbegin()); }
    const_iterator end() const { return const_iterator(m_values.cend()); }

Q_SIGNALS:
    void importCount(int count);
    void importStep(int step);
    void exportCount(int count);
    void exportStep(int step);
    void inserted(Basics::TValue* value);
    void removed(Basics::TValue* value);
    void changed(Basics::TValue* value);

private:
    Map::iterator locate(TValue* value);
    void raiseNextID(int id);

    Map m_values;
    int m_nextID = 1;
};

} // namespace Basics

Q_DECLARE_METATYPE(Basics::TValue*)
