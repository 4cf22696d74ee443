#include "trecorddlg.h"

#include "tlistdescriptor.h"
#include "tvatrate.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QRegularExpressionValidator>
#include <QTimeEdit>

namespace LumDialogs {

using Basics::TValue;

namespace {

// Getters and setters of an attribute by key; an empty text or a zero id removes it.
auto textOf(const QString& key)
{
    return [key](const TValue& record) { return record.getString(key); };
}
auto setText(const QString& key)
{
    return [key](TValue& record, const QString& text) {
        if (text.isEmpty())
            record.remove(key);
        else
            record.set(key, text);
    };
}
auto numberOf(const QString& key, int def = 0)
{
    return [key, def](const TValue& record) { return record.getInt(key, def); };
}
auto setNumber(const QString& key)
{
    return [key](TValue& record, int value) {
        if (value == 0)
            record.remove(key);
        else
            record.set(key, value);
    };
}

constexpr int everyDay = 32767;

} // namespace

TRecordDlg::TRecordDlg(TLumWindow* window, QWidget* parent, const TListDescriptor& list)
    : TEditorDialog(window, parent, "TRecordDlg", list.names.root)
    , m_list(list)
{
    setWindowTitle(tr("%1: new record").arg(list.title));
}

void TRecordDlg::initData()
{
    auto* form = qobject_cast<QFormLayout*>(m_Fields->layout());
    for (const TLumColumn& column : m_list.columns) {
        if (column.key != u"id")
            addField(column, form);
    }
}

void TRecordDlg::addField(const TLumColumn& column, QFormLayout* form)
{
    const QString& key = column.key;
    const QString name = QStringLiteral("m_") + key;
    const auto lineEdit = [&] {
        auto* edit = new QLineEdit(m_Fields);
        edit->setObjectName(name);
        form->addRow(column.title + u':', edit);
        return edit;
    };
    const TFieldOptions options{.writeEmpty = true};
    switch (column.kind) {
    case TLumColumn::Text:
    case TLumColumn::References: {
        QLineEdit* edit = lineEdit();
        fields().text(edit, textOf(key), setText(key), options);
        if (key == u"name")
            requireInput(edit);
        break;
    }
    case TLumColumn::Number: {
        QLineEdit* edit = lineEdit();
        edit->setValidator(new QIntValidator(edit));
        fields().text(edit, textOf(key), setText(key), options);
        break;
    }
    case TLumColumn::Decimal: {
        QLineEdit* edit = lineEdit();
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("-?\\d{0,12}([.]\\d{0,6})?")), edit));
        fields().text(edit, textOf(key), setText(key), options);
        break;
    }
    case TLumColumn::Amount: {
        QLineEdit* edit = lineEdit();
        const auto format = [this](qint64 amount) {
            return amount ? amountText(window(), amount) : QString();
        };
        const auto parse = [this](const QString& text) { return amountOf(window(), text); };
        fields().line<qint64>(
            edit, [key](const TValue& r) { return r.getString(key).toLongLong(); },
            [key](TValue& r, qint64 amount) { amount ? r.set(key, QString::number(amount)) : r.remove(key); },
            format, parse, options);
        break;
    }
    case TLumColumn::Percent: {
        QLineEdit* edit = lineEdit();
        fields().line<int>(edit, numberOf(key), setNumber(key), &TLumColumn::percentText,
                           &PosLib::TVatRate::parsePercent, options);
        break;
    }
    case TLumColumn::Time: {
        auto* edit = new QTimeEdit(m_Fields);
        edit->setObjectName(name);
        edit->setDisplayFormat(QStringLiteral("hh:mm"));
        form->addRow(column.title + u':', edit);
        fields().time(edit, numberOf(key), setNumber(key));
        break;
    }
    case TLumColumn::Weekdays: {
        auto* row = new QWidget(m_Fields);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        const QLocale locale;
        for (int day : {1, 2, 3, 4, 5, 6, 0}) { // Monday first; bit 0 is Sunday
            auto* box = new QCheckBox(locale.dayName(day == 0 ? 7 : day, QLocale::ShortFormat), row);
            box->setObjectName(name + QString::number(day));
            layout->addWidget(box);
            fields().bit(
                box, numberOf(key, everyDay),
                [key](TValue& r, int days) { days == everyDay ? r.remove(key) : r.set(key, days); }, day);
        }
        layout->addStretch();
        form->addRow(column.title + u':', row);
        break;
    }
    case TLumColumn::Flag: {
        auto* box = new QCheckBox(column.title, m_Fields);
        box->setObjectName(name);
        form->addRow(QString(), box);
        fields().check(
            box, [key](const TValue& r) { return r.getBool(key); },
            [key](TValue& r, bool on) { r.setFlag(key, on); });
        break;
    }
    case TLumColumn::Reference: {
        auto* combo = new QComboBox(m_Fields);
        combo->setObjectName(name);
        form->addRow(column.title + u':', combo);
        fields().combo(chooser(combo, 5, column.reference, tr("None specified"), true), numberOf(key),
                       setNumber(key));
        break;
    }
    }
}

} // namespace LumDialogs
