#include "textmodulesgroupdlg.h"

#include "terror.h"
#include "tlumconfig.h"

TextModulesGroupDlgBase::TextModulesGroupDlgBase(QWidget* parent, const char* name, bool modal,
                                                 Qt::WindowFlags fl)
    : TTextGroupLayout(parent, name, modal, fl)
{
    connect(AddSuggestionButton, &QPushButton::clicked, this, &TextModulesGroupDlgBase::addnametosuggestions);
    connect(RemoveSuggestionButton, &QPushButton::clicked, this,
            &TextModulesGroupDlgBase::removenamefromsuggestions);
}

TextModulesGroupDlg::TextModulesGroupDlg(TLumWindow* window, QWidget* parent)
    : TTextGroupEditor(window, parent, "TextModulesGroupDlg")
{
}

void TextModulesGroupDlg::initData()
{
    TTextGroupEditor::initData();
    LoadGroupNameSuggestions();
    connect(GroupNameSuggestionBox, &QComboBox::textActivated, this,
            &TextModulesGroupDlg::HandleSuggestionBoxActivated);
}

bool TextModulesGroupDlg::accept(bool close)
{
    if (!list())
        return TTextGroupEditor::accept(close); // closes without saving anything
    if (!TTextGroupEditor::accept(false))
        return false;
    saveSuggestions();
    if (close)
        QDialog::accept();
    return true;
}

void TextModulesGroupDlg::addnametosuggestions()
{
    const QString name = m_Name->text();
    if (name.isEmpty())
        return;
    int index = GroupNameSuggestionBox->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        GroupNameSuggestionBox->addItem(name);
        index = GroupNameSuggestionBox->count() - 1;
    }
    GroupNameSuggestionBox->setCurrentIndex(index);
}

void TextModulesGroupDlg::removenamefromsuggestions()
{
    if (!GroupNameSuggestionBox->currentText().isEmpty())
        GroupNameSuggestionBox->removeItem(GroupNameSuggestionBox->currentIndex());
}

void TextModulesGroupDlg::LoadGroupNameSuggestions()
{
    GroupNameSuggestionBox->clear();
    if (const TLumConfig* config = window() ? window()->config() : nullptr)
        GroupNameSuggestionBox->addItems(config->GetTextGroupSuggestionsList());
}

void TextModulesGroupDlg::HandleSuggestionBoxActivated(const QString& name)
{
    if (!name.isEmpty())
        m_Name->setText(name);
}

void TextModulesGroupDlg::saveSuggestions()
{
    TLumConfig* config = window() ? window()->config() : nullptr;
    if (!config)
        return;
    QStringList suggestions;
    for (int i = 0; i < GroupNameSuggestionBox->count(); ++i)
        suggestions << GroupNameSuggestionBox->itemText(i);
    if (suggestions == config->GetTextGroupSuggestionsList())
        return;
    try {
        config->SetTextGroupSuggestionsList(suggestions);
        config->save();
    } catch (const Basics::TError& error) {
        LumDialogs::reportStorageError(this, error.description());
    }
}
