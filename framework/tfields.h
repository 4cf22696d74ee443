#pragma once

// The fields of a record editor, declared once: which widget shows which value of the record, how
// the value is read and written, and how it is shown in text. From the declarations the frame
// compares the selected records, fills the widgets (with the no-change state where the records
// differ) and writes back what the operator changed, in the order the fields were declared.

#include "tcombobox.h"
#include "tlumdlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

namespace LumDialogs {

// How a field takes part in editing several records.
struct TFieldOptions {
    // false: the field has no no-change state; it shows the first record's value and is written
    // into every selected record.
    bool noChangeState = true;
    // A text field writes an empty text too (its setter removes the attribute).
    bool writeEmpty = false;
};

template <class Record>
class TField {
public:
    virtual ~TField() = default;
    // Whether two records show different values in this field.
    virtual bool differs(const Record& a, const Record& b) const = 0;
    virtual void show(TLumDlg& host, const Record& record, bool differs) = 0;
    // Writes the shown value into the record, unless the widget is in its no-change state.
    virtual void write(Record& record) const = 0;
    virtual QWidget* widget() const = 0;

    TFieldOptions options;
};

namespace Detail {

template <class Record, class Value, class Widget>
class TBoundField : public TField<Record> {
public:
    using Getter = std::function<Value(const Record&)>;
    using Setter = std::function<void(Record&, const Value&)>;

    TBoundField(Widget* widget, Getter get, Setter set)
        : m_widget(widget)
        , m_get(std::move(get))
        , m_set(std::move(set))
    {
    }
    bool differs(const Record& a, const Record& b) const override { return !(m_get(a) == m_get(b)); }
    QWidget* widget() const override
    {
        if constexpr (std::is_base_of_v<QWidget, Widget>)
            return m_widget;
        else
            return nullptr;
    }

protected:
    Widget* m_widget;
    Getter m_get;
    Setter m_set;
};

template <class Record, class Value>
class TLineField : public TBoundField<Record, Value, QLineEdit> {
    using Base = TBoundField<Record, Value, QLineEdit>;

public:
    using Format = std::function<QString(const Value&)>;
    using Parse = std::function<Value(const QString&)>;

    TLineField(QLineEdit* edit, typename Base::Getter get, typename Base::Setter set, Format format,
               Parse parse)
        : Base(edit, std::move(get), std::move(set))
        , m_format(std::move(format))
        , m_parse(std::move(parse))
    {
    }
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        host.inputText(this->m_widget, differs, m_format(this->m_get(record)));
    }
    // An empty text means "no change", also for a single record: an attribute is never cleared
    // through an empty text field.
    void write(Record& record) const override
    {
        if (this->options.writeEmpty || !TLumDlg::inputEmpty(this->m_widget))
            this->m_set(record, m_parse(this->m_widget->text()));
    }

private:
    Format m_format;
    Parse m_parse;
};

template <class Record>
class TCheckField : public TBoundField<Record, bool, QCheckBox> {
    using TBoundField<Record, bool, QCheckBox>::TBoundField;

public:
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        host.checkBox(this->m_widget, differs, this->m_get(record));
    }
    void write(Record& record) const override
    {
        if (!TLumDlg::checkEmpty(this->m_widget))
            this->m_set(record, this->m_widget->isChecked());
    }
};

// A checkable group box: it has no no-change state of its own.
template <class Record>
class TGroupField : public TBoundField<Record, bool, QGroupBox> {
    using TBoundField<Record, bool, QGroupBox>::TBoundField;

public:
    void show(TLumDlg&, const Record& record, bool) override { this->m_widget->setChecked(this->m_get(record)); }
    void write(Record& record) const override { this->m_set(record, this->m_widget->isChecked()); }
};

template <class Record>
class TSpinField : public TBoundField<Record, int, QSpinBox> {
    using TBoundField<Record, int, QSpinBox>::TBoundField;

public:
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        host.spinBox(this->m_widget, differs, this->m_get(record));
    }
    void write(Record& record) const override
    {
        if (!TLumDlg::spinEmpty(this->m_widget))
            this->m_set(record, this->m_widget->value());
    }
};

template <class Record>
class TComboField : public TBoundField<Record, int, QtWidgets::TComboBox> {
    using TBoundField<Record, int, QtWidgets::TComboBox>::TBoundField;

public:
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        host.comboCurrent(*this->m_widget, differs, this->m_get(record));
    }
    void write(Record& record) const override
    {
        if (!TLumDlg::comboEmpty(*this->m_widget))
            this->m_set(record, this->m_widget->currentId());
    }
    QWidget* widget() const override { return this->m_widget->combo(); }
};

template <class Record>
class TRadioField : public TBoundField<Record, int, QButtonGroup> {
    using TBoundField<Record, int, QButtonGroup>::TBoundField;

public:
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        host.checkRadio(this->m_widget, differs, this->m_get(record));
    }
    void write(Record& record) const override
    {
        if (!TLumDlg::radioEmpty(this->m_widget))
            this->m_set(record, this->m_widget->checkedId());
    }
    QWidget* widget() const override { return nullptr; }
};

template <class Record>
class TDateField : public TBoundField<Record, QDate, QDateEdit> {
    using TBoundField<Record, QDate, QDateEdit>::TBoundField;

public:
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        host.inputDate(this->m_widget, differs, this->m_get(record));
    }
    void write(Record& record) const override
    {
        if (!TLumDlg::dateEmpty(this->m_widget))
            this->m_set(record, this->m_widget->date());
    }
};

template <class Record>
class TDateTimeField : public TBoundField<Record, QDateTime, QDateTimeEdit> {
    using TBoundField<Record, QDateTime, QDateTimeEdit>::TBoundField;

public:
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        host.inputDateTime(this->m_widget, differs, this->m_get(record));
    }
    void write(Record& record) const override
    {
        if (!TLumDlg::dateTimeEmpty(this->m_widget))
            this->m_set(record, this->m_widget->dateTime());
    }
};

// A getter or setter given as a member function pointer or as anything callable.
template <class Value, class Record, class Get>
std::function<Value(const Record&)> getter(Get get)
{
    return [get](const Record& record) { return Value(std::invoke(get, record)); };
}

template <class Value, class Record, class Set>
std::function<void(Record&, const Value&)> setter(Set set)
{
    return [set](Record& record, const Value& value) { std::invoke(set, record, value); };
}

inline QString characterText(char c)
{
    return c == 0 ? QString() : QString(QChar(uchar(c)));
}

// The first character; one beyond Latin-1 becomes code 0.
inline char firstCharacter(const QString& text)
{
    if (text.isEmpty() || text.at(0).unicode() > 255)
        return 0;
    return char(uchar(text.at(0).unicode()));
}

} // namespace Detail

template <class Record>
class TFields {
public:
    // A text field of any value type, with its conversions to and from text.
    template <class Value, class Get, class Set, class Format, class Parse>
    TFields& line(QLineEdit* edit, Get get, Set set, Format format, Parse parse)
    {
        return add(std::make_unique<Detail::TLineField<Record, Value>>(
            edit, Detail::getter<Value, Record>(get), Detail::setter<Value, Record>(set), format, parse));
    }
    template <class Get, class Set>
    TFields& text(QLineEdit* edit, Get get, Set set)
    {
        return line<QString>(
            edit, get, set, [](const QString& s) { return s; }, [](const QString& s) { return s; });
    }
    template <class Get, class Set>
    TFields& integer(QLineEdit* edit, Get get, Set set)
    {
        return line<int>(
            edit, get, set, [](int v) { return QString::number(v); },
            [](const QString& s) { return s.toInt(); });
    }
    // A number shown with at most that many significant digits ("." as decimal point); records are
    // compared by the number itself.
    template <class Get, class Set>
    TFields& decimal(QLineEdit* edit, Get get, Set set, int significantDigits)
    {
        return line<double>(
            edit, get, set,
            [significantDigits](double v) { return QString::number(v, 'g', significantDigits); },
            [](const QString& s) { return s.toDouble(); });
    }
    template <class Get, class Set>
    TFields& character(QLineEdit* edit, Get get, Set set)
    {
        return line<char>(edit, get, set, &Detail::characterText, &Detail::firstCharacter);
    }
    template <class Get, class Set>
    TFields& check(QCheckBox* box, Get get, Set set)
    {
        return add(std::make_unique<Detail::TCheckField<Record>>(box, Detail::getter<bool, Record>(get),
                                                                 Detail::setter<bool, Record>(set)));
    }
    // A checkable group box; it always shows the first record's value.
    template <class Get, class Set>
    TFields& group(QGroupBox* box, Get get, Set set)
    {
        add(std::make_unique<Detail::TGroupField<Record>>(box, Detail::getter<bool, Record>(get),
                                                          Detail::setter<bool, Record>(set)));
        return shownFromFirst();
    }
    template <class Get, class Set>
    TFields& spin(QSpinBox* spin, Get get, Set set)
    {
        return add(std::make_unique<Detail::TSpinField<Record>>(spin, Detail::getter<int, Record>(get),
                                                                Detail::setter<int, Record>(set)));
    }
    template <class Get, class Set>
    TFields& combo(QtWidgets::TComboBox& combo, Get get, Set set)
    {
        return add(std::make_unique<Detail::TComboField<Record>>(&combo, Detail::getter<int, Record>(get),
                                                                 Detail::setter<int, Record>(set)));
    }
    template <class Get, class Set>
    TFields& radio(QButtonGroup* group, Get get, Set set)
    {
        return add(std::make_unique<Detail::TRadioField<Record>>(group, Detail::getter<int, Record>(get),
                                                                 Detail::setter<int, Record>(set)));
    }
    template <class Get, class Set>
    TFields& date(QDateEdit* edit, Get get, Set set)
    {
        return add(std::make_unique<Detail::TDateField<Record>>(edit, Detail::getter<QDate, Record>(get),
                                                                Detail::setter<QDate, Record>(set)));
    }
    template <class Get, class Set>
    TFields& dateTime(QDateTimeEdit* edit, Get get, Set set)
    {
        return add(std::make_unique<Detail::TDateTimeField<Record>>(
            edit, Detail::getter<QDateTime, Record>(get), Detail::setter<QDateTime, Record>(set)));
    }
    // A field of the editor's own kind.
    TFields& add(std::unique_ptr<TField<Record>> field)
    {
        m_fields.push_back(std::move(field));
        m_marks.push_back(false);
        return *this;
    }
    // The field declared last has no no-change state: it shows the first record's value and is
    // written into every selected record.
    TFields& shownFromFirst()
    {
        m_fields.back()->options.noChangeState = false;
        return *this;
    }
    // The text field declared last writes an empty text too, which its setter takes as "remove".
    TFields& writingEmpty()
    {
        m_fields.back()->options.writeEmpty = true;
        return *this;
    }

    // The comparison walk: the first record is the reference; a field whose value differs in any
    // other record is marked, and a mark is never cleared within one walk.
    void compare(const QList<Record*>& records)
    {
        std::fill(m_marks.begin(), m_marks.end(), false);
        for (qsizetype r = 1; r < records.size(); ++r) {
            for (std::size_t f = 0; f < m_fields.size(); ++f) {
                if (!m_marks[f] && m_fields[f]->options.noChangeState &&
                    m_fields[f]->differs(*records.first(), *records[r]))
                    m_marks[f] = true;
            }
        }
    }
    bool differs(std::size_t index) const { return m_marks.at(index); }
    void show(TLumDlg& host, const Record& reference)
    {
        for (std::size_t f = 0; f < m_fields.size(); ++f)
            m_fields[f]->show(host, reference, m_marks[f]);
    }
    void write(Record& record) const
    {
        for (const auto& field : m_fields)
            field->write(record);
    }
    // The widget of the first text field, which takes the focus while records are edited.
    QLineEdit* firstTextField() const
    {
        for (const auto& field : m_fields) {
            if (auto* edit = qobject_cast<QLineEdit*>(field->widget()))
                return edit;
        }
        return nullptr;
    }
    std::size_t size() const { return m_fields.size(); }

private:
    std::vector<std::unique_ptr<TField<Record>>> m_fields;
    std::vector<bool> m_marks;
};

} // namespace LumDialogs
