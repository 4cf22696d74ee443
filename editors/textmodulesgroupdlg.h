#pragma once

#include "lumdialogs_global.h"
#include "ttextgroupeditor.h"
#include "ui_TextModulesGroupDlgBase.h"

// The text-module group editor's form, with the suggestions of group names. OK needs a name.
class LUMDIALOGS_EXPORT TextModulesGroupDlgBase
    : public LumDialogs::TTextGroupLayout<Ui::TextModulesGroupDlgBase> {
    Q_OBJECT
public:
    explicit TextModulesGroupDlgBase(QWidget* parent = nullptr, const char* name = nullptr,
                                     bool modal = false, Qt::WindowFlags fl = {});

protected Q_SLOTS:
    // Adds the name to the suggestions.
    virtual void addnametosuggestions() { notImplemented("addnametosuggestions()"); }
    // Removes the shown suggestion.
    virtual void removenamefromsuggestions() { notImplemented("removenamefromsuggestions()"); }
};

// Creates and edits the groups of text modules offered together. Names often given to groups are
// suggested; the suggestions are kept in the host configuration when a group is saved.
class LUMDIALOGS_EXPORT TextModulesGroupDlg
    : public LumDialogs::TTextGroupEditor<TextModulesGroupDlgBase, PosLib::TTextModulesGroup,
                                          PosLib::TTextModule> {
    Q_OBJECT
public:
    TextModulesGroupDlg(TLumWindow* window, QWidget* parent);

    using TTextGroupEditor::accept;

protected:
    void initData() override;
    bool accept(bool close) override;
    void addnametosuggestions() override;
    void removenamefromsuggestions() override;

private:
    void LoadGroupNameSuggestions();
    void HandleSuggestionBoxActivated(const QString& name);
    void saveSuggestions();
};
