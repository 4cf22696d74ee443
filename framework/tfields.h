#pragma once

// The fields of a record editor, declared once: which widget shows which value of the record, how
// the value is read and written, and how it is shown in text. From the declarations the frame
// compares the selected records, fills the widgets (with the no-change state where the records
// differ), tells whether the operator changed anything, and writes back in declaration order.
//
// One rule for every kind of field: while several records are edited, a field is written only when
// the operator changed it from what was shown; a field declared shownFromFirst is the exception
// (shown from the first record and written into every selected one, and marked so on screen).

#include "lumdialogs_global.h"
#include "tcombobox.h"
#include "teditorframe.h"
#include "tlumdlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QList>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVariant>

#include <algorithm>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

namespace LumDialogs {

// What an editor is showing: a record to be created, one stored record, or several at once.
enum class TEditContext { NewRecord, OneRecord, SeveralRecords };

// How a field takes part in editing, given with its declaration:
//   fields().text(m_Account, get, set, {.writeEmpty = true})
struct TFieldOptions {
    // With several records: no no-change state; the first record's value is shown and written into
    // every selected record.
    bool shownFromFirst = false;
    // A text field writes an empty text too (its setter takes it as "remove").
    bool writeEmpty = false;
    // Written only while one record (or a new one) is edited; disabled while several are.
    bool oneRecordOnly = false;
    // Written only while this widget (the page or group the field stands on) is enabled.
    QWidget* whileEnabled = nullptr;
};

// Marks the widgets of a field whose value goes into every selected record, or takes the mark off.
LUMDIALOGS_EXPORT void markEveryRecord(QWidget* widget, bool on);
// An empty text field that stands for values that differ says so in its placeholder.
LUMDIALOGS_EXPORT void showSeveralValues(QLineEdit* edit, bool on);
// Disables the widget of a one-record field while several records are edited, and gives it back.
LUMDIALOGS_EXPORT void lockForSeveral(QWidget* widget, bool on);

template <class Record>
class TField {
public:
    explicit TField(const TFieldOptions& options)
        : m_options(options)
    {
    }
    virtual ~TField() = default;

    const TFieldOptions& options() const { return m_options; }

    // Whether two records show different values in this field.
    virtual bool differs(const Record& a, const Record& b) const = 0;
    // Shows the record's value, or the widget's no-change state where the records differ.
    virtual void show(TLumDlg& host, const Record& record, bool differs) = 0;
    // Writes what the widget shows into the record, unless it shows the no-change state.
    virtual void store(Record& record) const = 0;
    // The widget's state as the operator sees it; compared with the state as it was shown.
    virtual QVariant state() const = 0;
    // The widgets that show the field.
    virtual QList<QWidget*> widgets() const = 0;

    // The state now is the state as shown.
    void remember() { m_shown = state(); }
    bool changed() const { return state() != m_shown; }
    // Whether the field is written in this context.
    bool writes(TEditContext context) const
    {
        if (m_options.whileEnabled && !m_options.whileEnabled->isEnabled())
            return false;
        if (context != TEditContext::SeveralRecords)
            return true;
        if (m_options.oneRecordOnly)
            return false;
        return m_options.shownFromFirst || changed();
    }

private:
    TFieldOptions m_options;
    QVariant m_shown;
};

namespace Detail {

template <class Record, class Value, class Widget>
class TBoundField : public TField<Record> {
public:
    using Getter = std::function<Value(const Record&)>;
    using Setter = std::function<void(Record&, const Value&)>;

    TBoundField(Widget* widget, Getter get, Setter set, const TFieldOptions& options)
        : TField<Record>(options)
        , m_widget(widget)
        , m_get(std::move(get))
        , m_set(std::move(set))
    {
    }
    bool differs(const Record& a, const Record& b) const override { return !(m_get(a) == m_get(b)); }
    QList<QWidget*> widgets() const override
    {
        if constexpr (std::is_base_of_v<QWidget, Widget>)
            return {m_widget};
        else
            return {};
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
               Parse parse, const TFieldOptions& options)
        : Base(edit, std::move(get), std::move(set), options)
        , m_format(std::move(format))
        , m_parse(std::move(parse))
    {
    }
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        host.inputText(this->m_widget, differs, m_format(this->m_get(record)));
        showSeveralValues(this->m_widget, differs);
    }
    // An empty text means "no change", also for a single record: an attribute is never cleared
    // through an empty text field unless the field says so.
    void store(Record& record) const override
    {
        if (this->options().writeEmpty || !TLumDlg::inputEmpty(this->m_widget))
            this->m_set(record, m_parse(this->m_widget->text()));
    }
    QVariant state() const override { return this->m_widget->text(); }

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
    void store(Record& record) const override
    {
        if (!TLumDlg::checkEmpty(this->m_widget))
            this->m_set(record, this->m_widget->isChecked());
    }
    QVariant state() const override { return int(this->m_widget->checkState()); }
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
    void store(Record& record) const override { this->m_set(record, this->m_widget->isChecked()); }
    QVariant state() const override { return this->m_widget->isChecked(); }
};

template <class Record>
class TSpinField : public TBoundField<Record, int, QSpinBox> {
    using TBoundField<Record, int, QSpinBox>::TBoundField;

public:
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        host.spinBox(this->m_widget, differs, this->m_get(record));
    }
    void store(Record& record) const override
    {
        if (!TLumDlg::spinEmpty(this->m_widget))
            this->m_set(record, this->m_widget->value());
    }
    QVariant state() const override { return this->m_widget->value(); }
};

template <class Record>
class TComboField : public TBoundField<Record, int, QtWidgets::TComboBox> {
    using TBoundField<Record, int, QtWidgets::TComboBox>::TBoundField;

public:
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        const int id = this->m_get(record);
        host.comboCurrent(*this->m_widget, differs, id);
        if (!differs)
            markMissingId(*this->m_widget, id);
    }
    void store(Record& record) const override
    {
        if (!TLumDlg::comboEmpty(*this->m_widget))
            this->m_set(record, this->m_widget->currentId());
    }
    QVariant state() const override
    {
        const QComboBox* box = this->m_widget->combo();
        return box ? box->currentText() : QString();
    }
    QList<QWidget*> widgets() const override { return {this->m_widget->combo()}; }
};

template <class Record>
class TRadioField : public TBoundField<Record, int, QButtonGroup> {
    using TBoundField<Record, int, QButtonGroup>::TBoundField;

public:
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        host.checkRadio(this->m_widget, differs, this->m_get(record));
    }
    void store(Record& record) const override
    {
        if (!TLumDlg::radioEmpty(this->m_widget))
            this->m_set(record, this->m_widget->checkedId());
    }
    QVariant state() const override { return this->m_widget->checkedId(); }
    QList<QWidget*> widgets() const override
    {
        QList<QWidget*> buttons;
        for (QAbstractButton* button : this->m_widget->buttons())
            buttons << button;
        return buttons;
    }
};

template <class Record>
class TDateField : public TBoundField<Record, QDate, QDateEdit> {
    using TBoundField<Record, QDate, QDateEdit>::TBoundField;

public:
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        host.inputDate(this->m_widget, differs, this->m_get(record));
    }
    void store(Record& record) const override
    {
        if (!TLumDlg::dateEmpty(this->m_widget))
            this->m_set(record, this->m_widget->date());
    }
    QVariant state() const override { return this->m_widget->date(); }
};

template <class Record>
class TDateTimeField : public TBoundField<Record, QDateTime, QDateTimeEdit> {
    using TBoundField<Record, QDateTime, QDateTimeEdit>::TBoundField;

public:
    void show(TLumDlg& host, const Record& record, bool differs) override
    {
        host.inputDateTime(this->m_widget, differs, this->m_get(record));
    }
    void store(Record& record) const override
    {
        if (!TLumDlg::dateTimeEmpty(this->m_widget))
            this->m_set(record, this->m_widget->dateTime());
    }
    QVariant state() const override { return this->m_widget->dateTime(); }
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
    void store(Record& record) const override
    {
        if (this->m_widget->isEnabled())
            this->m_set(record, valueOf(this->m_widget->time()));
    }
    QVariant state() const override { return this->m_widget->time(); }

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
    TBitField(QCheckBox* box, typename Base::Getter get, typename Base::Setter set, int bit,
              const TFieldOptions& options)
        : Base(box, std::move(get), std::move(set), options)
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
    void store(Record& record) const override
    {
        if (TLumDlg::checkEmpty(this->m_widget))
            return;
        const int value = this->m_get(record);
        this->m_set(record, this->m_widget->isChecked() ? value | m_mask : value & ~m_mask);
    }
    QVariant state() const override { return int(this->m_widget->checkState()); }

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
    void store(Record& record) const override
    {
        if (this->m_widget->currentIndex() >= 0)
            this->m_set(record, this->m_widget->currentIndex());
    }
    QVariant state() const override { return this->m_widget->currentIndex(); }
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
    template <template <class> class Field, class Value, class Widget, class Get, class Set>
    TFields& bind(Widget* widget, Get get, Set set, const TFieldOptions& options)
    {
        return add(std::make_unique<Field<Record>>(widget, Detail::getter<Value, Record>(get),
                                                   Detail::setter<Value, Record>(set), options));
    }

public:
    // A text field of any value type, with its conversions to and from text.
    template <class Value, class Get, class Set, class Format, class Parse>
    TFields& line(QLineEdit* edit, Get get, Set set, Format format, Parse parse,
                  const TFieldOptions& options = {})
    {
        return add(std::make_unique<Detail::TLineField<Record, Value>>(
            edit, Detail::getter<Value, Record>(get), Detail::setter<Value, Record>(set), format, parse,
            options));
    }
    template <class Get, class Set>
    TFields& text(QLineEdit* edit, Get get, Set set, const TFieldOptions& options = {})
    {
        return line<QString>(
            edit, get, set, [](const QString& s) { return s; }, [](const QString& s) { return s; }, options);
    }
    template <class Get, class Set>
    TFields& integer(QLineEdit* edit, Get get, Set set, const TFieldOptions& options = {})
    {
        return line<int>(
            edit, get, set, [](int v) { return QString::number(v); },
            [](const QString& s) { return s.toInt(); }, options);
    }
    // A number shown with at most that many significant digits ("." as decimal point); records are
    // compared by the number itself.
    template <class Get, class Set>
    TFields& decimal(QLineEdit* edit, Get get, Set set, int significantDigits,
                     const TFieldOptions& options = {})
    {
        return line<double>(
            edit, get, set,
            [significantDigits](double v) { return QString::number(v, 'g', significantDigits); },
            [](const QString& s) { return s.toDouble(); }, options);
    }
    template <class Get, class Set>
    TFields& character(QLineEdit* edit, Get get, Set set, const TFieldOptions& options = {})
    {
        return line<char>(edit, get, set, &Detail::characterText, &Detail::firstCharacter, options);
    }
    template <class Get, class Set>
    TFields& check(QCheckBox* box, Get get, Set set, const TFieldOptions& options = {})
    {
        return bind<Detail::TCheckField, bool>(box, get, set, options);
    }
    // A checkable group box has no no-change state: it is always shown from the first record.
    template <class Get, class Set>
    TFields& group(QGroupBox* box, Get get, Set set, TFieldOptions options = {})
    {
        options.shownFromFirst = true;
        return bind<Detail::TGroupField, bool>(box, get, set, options);
    }
    template <class Get, class Set>
    TFields& spin(QSpinBox* spin, Get get, Set set, const TFieldOptions& options = {})
    {
        return bind<Detail::TSpinField, int>(spin, get, set, options);
    }
    template <class Get, class Set>
    TFields& combo(QtWidgets::TComboBox& combo, Get get, Set set, const TFieldOptions& options = {})
    {
        return bind<Detail::TComboField, int>(&combo, get, set, options);
    }
    template <class Get, class Set>
    TFields& radio(QButtonGroup* group, Get get, Set set, const TFieldOptions& options = {})
    {
        return bind<Detail::TRadioField, int>(group, get, set, options);
    }
    template <class Get, class Set>
    TFields& date(QDateEdit* edit, Get get, Set set, const TFieldOptions& options = {})
    {
        return bind<Detail::TDateField, QDate>(edit, get, set, options);
    }
    template <class Get, class Set>
    TFields& dateTime(QDateTimeEdit* edit, Get get, Set set, const TFieldOptions& options = {})
    {
        return bind<Detail::TDateTimeField, QDateTime>(edit, get, set, options);
    }
    // A time of day as hour * 100 + minute; where the records differ the field is disabled.
    template <class Get, class Set>
    TFields& time(QTimeEdit* edit, Get get, Set set, const TFieldOptions& options = {})
    {
        return bind<Detail::TTimeField, int>(edit, get, set, options);
    }
    // One bit (0 the lowest) of an integer attribute.
    template <class Get, class Set>
    TFields& bit(QCheckBox* box, Get get, Set set, int bit, const TFieldOptions& options = {})
    {
        return add(std::make_unique<Detail::TBitField<Record>>(
            box, Detail::getter<int, Record>(get), Detail::setter<int, Record>(set), bit, options));
    }
    // The item index of a plain combo box.
    template <class Get, class Set>
    TFields& choice(QComboBox* combo, Get get, Set set, const TFieldOptions& options = {})
    {
        return bind<Detail::TChoiceField, int>(combo, get, set, options);
    }
    // An amount (in the smallest unit of the system currency) as the workspace's currency list
    // writes and reads it; 0 shows as an empty field.
    template <class Get, class Set>
    TFields& amount(QLineEdit* edit, Get get, Set set, const TLumWindow* window,
                    const TFieldOptions& options = {})
    {
        return line<qint64>(
            edit, get, set, [window](qint64 v) { return v ? amountText(window, v) : QString(); },
            [window](const QString& s) { return amountOf(window, s); }, options);
    }

    // Fields of records read and written by key (PosLib::TKeyedValue): a flag with the record's
    // default for the key, a text, a number (0 removes it) and an amount.
    TFields& flag(QCheckBox* box, const char* key, const TFieldOptions& options = {})
    {
        return check(
            box, [key](const Record& r) { return r.flag(key); },
            [key](Record& r, bool on) { r.setFlag(key, on); }, options);
    }
    TFields& keyText(QLineEdit* edit, const char* key, const TFieldOptions& options = {})
    {
        return text(
            edit, [key](const Record& r) { return r.text(key); },
            [key](Record& r, const QString& value) { r.setText(key, value); }, options);
    }
    template <class Widget>
    TFields& keyNumber(Widget&& widget, const char* key, const TFieldOptions& options = {})
    {
        const auto get = [key](const Record& r) { return r.number(key); };
        const auto set = [key](Record& r, int value) { r.setNumber(key, value); };
        using Plain = std::remove_cvref_t<Widget>;
        if constexpr (std::is_same_v<Plain, QtWidgets::TComboBox>)
            return combo(widget, get, set, options);
        else if constexpr (std::is_same_v<Plain, QButtonGroup*>)
            return radio(widget, get, set, options);
        else
            return spin(widget, get, set, options);
    }
    TFields& keyAmount(QLineEdit* edit, const char* key, const TLumWindow* window,
                       const TFieldOptions& options = {})
    {
        return amount(
            edit, [key](const Record& r) { return r.amount(key); },
            [key](Record& r, qint64 value) { r.setAmount(key, value); }, window, options);
    }

    // A field of the editor's own kind.
    TFields& add(std::unique_ptr<TField<Record>> field)
    {
        m_fields.push_back(std::move(field));
        m_marks.push_back(false);
        return *this;
    }

    // The comparison walk: the first record is the reference; a field whose value differs in any
    // other record is marked, and a mark is never cleared within one walk.
    void compare(const QList<Record*>& records)
    {
        std::fill(m_marks.begin(), m_marks.end(), false);
        for (qsizetype r = 1; r < records.size(); ++r) {
            for (std::size_t f = 0; f < m_fields.size(); ++f) {
                if (!m_marks[f] && !m_fields[f]->options().shownFromFirst &&
                    m_fields[f]->differs(*records.first(), *records[r]))
                    m_marks[f] = true;
            }
        }
    }
    // Fills the widgets from the reference record. With several records, a one-record field shows
    // its no-change state and is locked, and a field shown from the first record is marked.
    void show(TLumDlg& host, const Record& reference, TEditContext context)
    {
        const bool several = context == TEditContext::SeveralRecords;
        for (std::size_t f = 0; f < m_fields.size(); ++f) {
            TField<Record>& field = *m_fields[f];
            const bool oneOnly = field.options().oneRecordOnly;
            field.show(host, reference, m_marks[f] || (several && oneOnly));
            for (QWidget* widget : field.widgets()) {
                markEveryRecord(widget, several && field.options().shownFromFirst);
                if (oneOnly)
                    lockForSeveral(widget, several);
            }
        }
    }
    // What is shown now counts as unchanged.
    void remember()
    {
        for (const auto& field : m_fields)
            field->remember();
    }
    bool changed() const
    {
        return std::any_of(m_fields.cbegin(), m_fields.cend(),
                           [](const auto& field) { return field->changed(); });
    }
    void write(Record& record, TEditContext context) const
    {
        for (const auto& field : m_fields) {
            if (field->writes(context))
                field->store(record);
        }
    }
    // Only the fields that go into every selected record whatever the operator did.
    void writeShownFromFirst(Record& record) const
    {
        for (const auto& field : m_fields) {
            if (field->options().shownFromFirst && field->writes(TEditContext::SeveralRecords))
                field->store(record);
        }
    }
    // The widget of the first text field, which takes the focus while records are edited.
    QLineEdit* firstTextField() const
    {
        for (const auto& field : m_fields) {
            for (QWidget* widget : field->widgets()) {
                if (auto* edit = qobject_cast<QLineEdit*>(widget))
                    return edit;
            }
        }
        return nullptr;
    }
    std::size_t size() const { return m_fields.size(); }

private:
    std::vector<std::unique_ptr<TField<Record>>> m_fields;
    std::vector<bool> m_marks;
};

} // namespace LumDialogs
