#pragma once

#include "basics_global.h"
#include "tvariant.h"

#include <QAnyStringView>
#include <QList>
#include <QSharedDataPointer>
#include <QString>

#include <iterator>

class QDataStream;
class QDomDocument;
class QDomElement;
class QTextStream;

namespace Basics {

class TAttributes;
struct RecordAccess;
struct TValueData;

// A record in a stream or file with this many attributes or more is refused (TError code 5).
inline constexpr quint32 maxAttributeCount = 1u << 24;

// One named attribute of a record.
struct TAttribute {
    QString key;
    TVariant value;
};

// A record: an integer id plus named text attributes, kept in key order (code-unit order, case
// sensitive). Copies share the attributes and detach on the first write, so copying is cheap and
// never aliases later changes. A text read from a record shares the record's storage: reading
// copies nothing (tvalue_p.h tells how the attributes are kept).
//
// Record classes add typed accessors built from get/set/remove with a key, a default and a
// conversion. Two patterns recur: a setter stores only what differs from the default (setOrRemove),
// and a flag is stored as "yes" when set and removed when cleared (setFlag); a flag whose default is
// set is stored only as "no" (setFlagDefaultOn).
class BASICS_EXPORT TValue {
public:
    TValue();
    TValue(const TValue& other);
    TValue(TValue&& other) noexcept;
    TValue& operator=(const TValue& other);
    TValue& operator=(TValue&& other) noexcept;

    // The first three virtual operations, in this order; record classes add theirs after them.
    virtual ~TValue();
    virtual int getID() const;
    virtual void setID(int id);

    TVariant get(QAnyStringView key, const TVariant& def = TVariant()) const;
    QString getString(QAnyStringView key, const QString& def = QString()) const;
    int getInt(QAnyStringView key, int def = 0) const;
    double getDouble(QAnyStringView key, double def = 0.0) const;
    bool getBool(QAnyStringView key, bool def = false) const;
    bool contains(QAnyStringView key) const;

    void set(QAnyStringView key, const TVariant& value);
    void remove(QAnyStringView key);
    void clear();
    // Replaces every attribute at once; of equal keys the last wins. Where set() rewrites the record
    // once per key, this writes it once, so building a record of many keys stays linear.
    void assign(QList<TAttribute> attributes);

    // Stores value, or removes the key when the value's text equals the default's.
    void setOrRemove(QAnyStringView key, const TVariant& value, const TVariant& def);
    // "yes" when set, removed when cleared.
    void setFlag(QAnyStringView key, bool on);
    // For a flag whose default is set: removed when set, "no" when cleared.
    void setFlagDefaultOn(QAnyStringView key, bool on);

    QString getName() const;
    QString getShortName() const;
    // An empty text removes the attribute.
    void setName(const QString& name);
    void setShortName(const QString& shortName);

    // The attributes in key order, as they are now (see TAttributes).
    TAttributes attributes() const;
    qsizetype count() const;

    // XML form: one child element per attribute (tag = key, text = value).
    // readXml merges the element's children into the record and returns false at the first child
    // that is not an element (the attributes read before it stay).
    bool readXml(const QDomElement& element);
    void writeXml(QDomDocument& doc, QDomElement& parent) const;
    // Text form: the named columns joined by ";", with ";" -> ",", line breaks -> "|", '"' -> "'".
    void writeText(QTextStream& stream, const QList<QString>& columns) const;

    bool operator==(const TValue& other) const;

private:
    friend struct RecordAccess; // the record stream reads and writes the storage directly
    friend class TAttributes;
    // Keeps the cached id in step after the attributes changed behind set() and remove().
    void refreshID();

    QSharedDataPointer<TValueData> d;
    // The id is asked for far more often than any other attribute: it is cached here.
    int m_id = 0;
};

// The attributes of a record in key order, each read as a TAttribute whose key and text share the
// record's storage. The view keeps the attributes as they were when it was taken: changing the
// record afterwards changes a copy of them.
class BASICS_EXPORT TAttributes {
public:
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = TAttribute;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = TAttribute;

        const_iterator() = default;
        TAttribute operator*() const { return m_attributes->at(m_index); }
        const_iterator& operator++()
        {
            ++m_index;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator old = *this;
            ++m_index;
            return old;
        }
        bool operator==(const const_iterator& other) const { return m_index == other.m_index; }

    private:
        friend class TAttributes;
        const_iterator(const TAttributes* attributes, qsizetype index)
            : m_attributes(attributes)
            , m_index(index)
        {
        }
        const TAttributes* m_attributes = nullptr;
        qsizetype m_index = 0;
    };

    TAttributes(const TAttributes& other);
    TAttributes& operator=(const TAttributes& other);
    ~TAttributes();

    qsizetype size() const;
    bool isEmpty() const { return size() == 0; }
    TAttribute at(qsizetype index) const;
    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, size()); }

private:
    friend class TValue;
    explicit TAttributes(const QSharedDataPointer<TValueData>& data);

    QSharedDataPointer<TValueData> d;
};

// Stream form of one record in QDataStream's encoding: a 32-bit attribute count, then key and text
// of every attribute in key order. Reading clears the record first; a count of 2^24 or more throws
// TError code 5 and leaves the record empty.
BASICS_EXPORT QDataStream& operator<<(QDataStream& stream, const TValue& value);
BASICS_EXPORT QDataStream& operator>>(QDataStream& stream, TValue& value);

} // namespace Basics
