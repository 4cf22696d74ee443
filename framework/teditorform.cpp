#include "teditorform.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace LumDialogs {

TEditorForm::TEditorForm(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
}

void TEditorForm::setUpForm(const char* name, bool modal, const TEditorWidgets& widgets, QPushButton* cancel)
{
    m_className = objectName().toLatin1();
    m_ok = widgets.ok;
    setObjectName(name ? QString::fromLatin1(name) : objectName());
    setModal(modal);
    for (QButtonGroup* group : findChildren<QButtonGroup*>()) {
        for (QAbstractButton* button : group->buttons()) {
            const QVariant id = button->property("buttonId");
            if (id.isValid())
                group->setId(button, id.toInt());
        }
    }
    connect(widgets.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(widgets.first, &QPushButton::clicked, this, &TEditorForm::onFirst);
    connect(widgets.prev, &QPushButton::clicked, this, &TEditorForm::onPrev);
    connect(widgets.next, &QPushButton::clicked, this, &TEditorForm::onNext);
    connect(widgets.last, &QPushButton::clicked, this, &TEditorForm::onLast);
    connect(widgets.help, &QPushButton::clicked, this, &TEditorForm::onHelp);
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        if (edit->property("required").toBool())
            requireInput(edit);
    }
}

void TEditorForm::requireInput(QLineEdit* edit)
{
    edit->setProperty("required", true);
    if (edit->placeholderText().isEmpty())
        edit->setPlaceholderText(tr("required"));
    m_required << edit;
    connect(edit, &QLineEdit::textChanged, this, &TEditorForm::onChange);
}

QString TEditorForm::fieldName(const QWidget* field) const
{
    for (const QLabel* label : findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            QString text = label->text();
            text.remove(u'&');
            return text.endsWith(u':') ? text.chopped(1) : text;
        }
    }
    if (const auto* form = qobject_cast<const QFormLayout*>(
            field->parentWidget() ? field->parentWidget()->layout() : nullptr)) {
        if (const auto* label = qobject_cast<const QLabel*>(form->labelForField(const_cast<QWidget*>(field))))
            return label->text().endsWith(u':') ? label->text().chopped(1) : label->text();
    }
    return field->objectName();
}

void TEditorForm::explainOk()
{
    if (!m_ok)
        return;
    QStringList missing;
    if (!m_ok->isEnabled()) {
        for (const QLineEdit* edit : std::as_const(m_required)) {
            if (edit->text().isEmpty())
                missing << fieldName(edit);
        }
    }
    m_ok->setToolTip(missing.isEmpty() ? QString()
                                       : tr("Needed before OK: %1").arg(missing.join(QStringLiteral(", "))));
}

void TEditorForm::notImplemented(const char* slot) const
{
    LumDialogs::notImplemented(QByteArray(m_className).append("::").append(slot).constData());
}

void TEditorForm::onChange()
{
    if (m_ok)
        m_ok->setEnabled(std::none_of(m_required.cbegin(), m_required.cend(),
                                      [](const QLineEdit* edit) { return edit->text().isEmpty(); }));
    explainOk();
}

void TEditorForm::onFirst()
{
    notImplemented("onFirst()");
}

void TEditorForm::onPrev()
{
    notImplemented("onPrev()");
}

void TEditorForm::onNext()
{
    notImplemented("onNext()");
}

void TEditorForm::onLast()
{
    notImplemented("onLast()");
}

void TEditorForm::onHelp()
{
    notImplemented("onHelp()");
}

} // namespace LumDialogs
