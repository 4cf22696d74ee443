#include "tlumconfig.h"

#include "terror.h"
#include "tinifile.h"
#include "tlumwindow.h"
#include "tpasswordhash.h"
#include "tprompts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

const QString TLumConfig::defaultFileName = QStringLiteral("lumconfig.ini");

namespace {

const char* const rightProperty = "lumRight";
const QString rightsSection = QStringLiteral("Rights");
const QString separator = QStringLiteral("|");

// Buttons that only look or move, never change a record.
bool isHarmless(const QAbstractButton* button)
{
    static const QStringList names = {QStringLiteral("b_Help"),     QStringLiteral("b_First"),
                                      QStringLiteral("b_Prev"),     QStringLiteral("b_Next"),
                                      QStringLiteral("b_Last"),     QStringLiteral("buttonCancel"),
                                      QStringLiteral("buttonClose")};
    // The same buttons of forms that name them by their role.
    static const QStringList roles = {QStringLiteral("HelpButton"),     QStringLiteral("FirstButton"),
                                      QStringLiteral("PreviousButton"), QStringLiteral("NextButton"),
                                      QStringLiteral("LastButton"),     QStringLiteral("CancelButton")};
    return names.contains(button->objectName()) || roles.contains(button->objectName());
}

void disableInputs(QDialog* dialog)
{
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (!isHarmless(button))
                button->setEnabled(false);
        } else if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                   qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QTextEdit*>(widget) ||
                   qobject_cast<QPlainTextEdit*>(widget)) {
            widget->setEnabled(false);
        } else if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
            view->setEditTriggers(QAbstractItemView::NoEditTriggers); // still scrolls and selects
        }
    }
}

TLumConfig::Right parseRight(const QString& text)
{
    const QString right = text.trimmed().toLower();
    if (right == u"readonly" || right == u"read" || right == u"read only")
        return TLumConfig::ReadOnly;
    if (right == u"none" || right == u"no")
        return TLumConfig::NoAccess;
    return TLumConfig::Full;
}

bool parseBool(const QString& text)
{
    const QString value = text.trimmed().toLower();
    return value == u"yes" || value == u"true" || value == u"on" || value == u"1";
}

} // namespace

TLumConfig::TLumConfig(const QString& fileName)
    : m_fileName(fileName)
    , m_ini(std::make_unique<Basics::TInifile>())
{
    try {
        m_ini->read(fileName);
        // Written back in the encoding it came in: UTF-16 with its byte-order mark, or 8-bit text.
        if (const auto encoding = m_ini->encodingRead())
            m_ini->setLocal8Bit(*encoding != Basics::TInifile::Encoding::Utf16LE &&
                                *encoding != Basics::TInifile::Encoding::Utf16BE);
    } catch (const Basics::TError& error) {
        // Unreadable is not missing: nobody gets rights that the file may withhold.
        m_error = error.description();
        m_ini = std::make_unique<Basics::TInifile>();
    }
}

TLumConfig::~TLumConfig() = default;

TLumConfig::Right TLumConfig::right(const QString& dialog, int user) const
{
    if (!m_error.isEmpty())
        return ReadOnly;
    QStringList sections;
    if (user > 0)
        sections << rightsSection + u'.' + QString::number(user);
    sections << rightsSection;
    for (const QString& section : sections) {
        for (const QString& key : {dialog, QStringLiteral("*")}) {
            const QString value = m_ini->readString(section, key);
            if (!value.isEmpty())
                return parseRight(value);
        }
    }
    return Full;
}

void TLumConfig::checkDlgRight(QDialog* dialog, TLumWindow* window) const
{
    if (!dialog)
        return;
    const Right granted = right(dialog->objectName(), window ? window->userId() : 0);
    dialog->setProperty(rightProperty, int(granted));
    if (granted == Full)
        return;
    disableInputs(dialog);
    if (granted == NoAccess)
        prompts().warning(dialog, QCoreApplication::translate("TLumConfig", "No access"),
                          QCoreApplication::translate("TLumConfig", "You have no access to this dialog.\n"
                                                                    "Nothing can be changed here."));
}

void TLumConfig::reapplyRight(QDialog* dialog)
{
    if (dialog && appliedRight(dialog) != Full)
        disableInputs(dialog);
}

TLumConfig::Right TLumConfig::appliedRight(const QDialog* dialog)
{
    const QVariant value = dialog ? dialog->property(rightProperty) : QVariant();
    return value.isValid() ? Right(value.toInt()) : NoAccess;
}

QList<TLumConfig::User> TLumConfig::users() const
{
    QList<User> result;
    const Basics::TSection* section = m_ini->section(QStringLiteral("Users"));
    if (!section)
        return result;
    for (const auto& entry : section->entries()) {
        bool ok = false;
        const int id = entry->key().toInt(&ok);
        if (entry->kind() != Basics::TEntry::Value || !ok || id < 1)
            continue;
        const QString value = entry->value().text();
        result << User{id, value.section(u'|', 0, 0).trimmed(), value.section(u'|', 1).trimmed()};
    }
    return result;
}

std::optional<TLumConfig::User> TLumConfig::user(int id) const
{
    for (const User& each : users()) {
        if (each.id == id)
            return each;
    }
    return std::nullopt;
}

bool TLumConfig::checkPassword(int id, const QString& password) const
{
    const std::optional<User> known = user(id);
    return known && TPasswordHash::matches(password, known->passwordHash);
}

bool TLumConfig::restOfWorld() const
{
    return parseBool(m_ini->readString(QStringLiteral("General"), QStringLiteral("RestOfWorld")));
}

bool TLumConfig::doTaxComposite() const
{
    return parseBool(m_ini->readString(QStringLiteral("General"), QStringLiteral("TaxComposite")));
}

int TLumConfig::fiscalAnswer() const
{
    return m_ini->readString(QStringLiteral("FiscalDevice"), QStringLiteral("Answer")).trimmed().toInt();
}

QStringList TLumConfig::getKostForms() const
{
    QStringList forms;
    const Basics::TSection* section = m_ini->section(QStringLiteral("KostForms"));
    if (!section)
        return forms;
    for (const auto& entry : section->entries()) {
        if (entry->kind() == Basics::TEntry::Value && !entry->value().text().isEmpty())
            forms << entry->value().text();
    }
    return forms;
}

QStringList TLumConfig::GetTextGroupSuggestionsList() const
{
    return m_ini->readString(QStringLiteral("TextGroups"), QStringLiteral("Suggestions"))
        .split(separator, Qt::SkipEmptyParts);
}

void TLumConfig::SetTextGroupSuggestionsList(const QStringList& suggestions)
{
    m_ini->setValue(QStringLiteral("TextGroups"), QStringLiteral("Suggestions"), suggestions.join(separator));
}

void TLumConfig::save()
{
    m_ini->write(m_fileName);
}
