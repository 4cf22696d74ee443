#pragma once

// The fields of a record editor, declared once: which widget shows which value of the record, how
// the value is read and written, and how it is shown in text. From the declarations the frame
// compares the selected records, fills the widgets (with the no-change state where the records
// differ) and writes back what the operator changed, in the order the fields were declared.

#include "tcombobox.h"
#include "tlumdlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimeEdit>

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
    void show(TLumDlg&, const Record& record, bool) override
    {
        this->m_widget->setChecked(this->m_get(record));
    }
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

// A time of day kept as hour * 100 + minute. A time edit has no blank state, so where the records
// differ it shows blank and is disabled, and a disabled time field writes nothing.
template <class Record>
class TTimeField : public TBoundField<Record, int, QTimeEdit> {
    using TBoundField<Record, int, QTimeEdit>::TBoundField;

public:
    void show(TLumDlg&, const Record& record, bool differs) override
    {
        QTimeEdit* edit = this->m_widget;
        if (differs) {
            if (!edit->property(savedSpecialText).isValid())
                edit->setProperty(savedSpecialText, edit->specialValueText());
            edit->setSpecialValueText(QStringLiteral(" "));
            edit->setTime(edit->minimumTime());
        } else if (edit->property(savedSpecialText).isValid()) {
            edit->setSpecialValueText(edit->property(savedSpecialText).toString());
            edit->setProperty(savedSpecialText, QVariant());
        }
        edit->setEnabled(!differs);
        if (!differs)
            edit->setTime(timeOf(this->m_get(record)));
    }
    void write(Record& record) const override
    {
        if (this->m_widget->isEnabled())
            this->m_set(record, valueOf(this->m_widget->time()));
    }

    static QTime timeOf(int value) { return QTime(qBound(0, value / 100, 23), qBound(0, value % 100, 59)); }
    static int valueOf(const QTime& time) { return time.hour() * 100 + time.minute(); }

private:
    static constexpr const char* savedSpecialText = "lumTimeSpecialText";
};

// A check box for one bit of an integer attribute: writing sets or clears that bit and keeps the
// others as the record has them.
template <class Record>
class TBitField : public TBoundField<Record, int, QCheckBox> {
    using Base = TBoundField<Record, int, QCheckBox>;

public:
    TBitField(QCheckBox* box, typename Base::Getter get, typename Base::Setter set, int bit)
        : Base(box, std::move(get), std::move(set))
        , m_mask(1 << bit)
    {
    }
    bool differs(const Record& a, const Record& b) const override
    {
        return (this->m_get(a) & m_mask) != (this->m_get(b) & m_mask);
    }
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        host.checkBox(this->m_widget, differs, this->m_get(record) & m_mask);
    }
    void write(Record& record) const override
    {
        if (TLumDlg::checkEmpty(this->m_widget))
            return;
        const int value = this->m_get(record);
        this->m_set(record, this->m_widget->isChecked() ? value | m_mask : value & ~m_mask);
    }

private:
    int m_mask;
};

// A plain combo box whose item index is the value. Where the records differ no item is current,
// and then nothing is written.
template <class Record>
class TChoiceField : public TBoundField<Record, int, QComboBox> {
    using TBoundField<Record, int, QComboBox>::TBoundField;

public:
    void show(TLumDlg&, const Record& record, bool differs) override
    {
        this->m_widget->setCurrentIndex(differs ? -1 : this->m_get(record));
    }
    void write(Record& record) const override
    {
        if (this->m_widget->currentIndex() >= 0)
            this->m_set(record, this->m_widget->currentIndex());
    }
};

// Any field, written only while a widget (the page or group it stands on) is enabled.
template <class Record>
class TGuardedField : public TField<Record> {
public:
    TGuardedField(std::unique_ptr<TField<Record>> field, QWidget* guard)
        : m_field(std::move(field))
        , m_guard(guard)
    {
        this->options = m_field->options;
    }
    bool differs(const Record& a, const Record& b) const override { return m_field->differs(a, b); }
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        m_field->show(host, record, differs);
    }
    void write(Record& record) const override
    {
        if (m_guard->isEnabled())
            m_field->write(record);
    }
    QWidget* widget() const override { return m_field->widget(); }

private:
    std::unique_ptr<TField<Record>> m_field;
    QWidget* m_guard;
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
    // A time of day as hour * 100 + minute; where the records differ the field is disabled.
    template <class Get, class Set>
    TFields& time(QTimeEdit* edit, Get get, Set set)
    {
        return add(std::make_unique<Detail::TTimeField<Record>>(edit, Detail::getter<int, Record>(get),
                                                                Detail::setter<int, Record>(set)));
    }
    // One bit (0 the lowest) of an integer attribute.
    template <class Get, class Set>
    TFields& bit(QCheckBox* box, Get get, Set set, int bit)
    {
        return add(std::make_unique<Detail::TBitField<Record>>(box, Detail::getter<int, Record>(get),
                                                               Detail::setter<int, Record>(set), bit));
    }
    // The item index of a plain combo box.
    template <class Get, class Set>
    TFields& choice(QComboBox* combo, Get get, Set set)
    {
        return add(std::make_unique<Detail::TChoiceField<Record>>(combo, Detail::getter<int, Record>(get),
                                                                  Detail::setter<int, Record>(set)));
    }
    // The field declared last is written only while the guard (its tab page or group) is enabled;
    // declare it after the field's other options.
    TFields& whileEnabled(QWidget* guard)
    {
        m_fields.back() = std::make_unique<Detail::TGuardedField<Record>>(std::move(m_fields.back()), guard);
        return *this;
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
