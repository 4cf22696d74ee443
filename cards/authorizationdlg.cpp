#include "authorizationdlg.h"

using PosLib::Authorization;

AuthorizationDlg::AuthorizationDlg(TLumWindow* window, QWidget* parent)
    : TEditorDialog(window, parent, "AuthorizationDlg")
{
}

void AuthorizationDlg::initData()
{
    // An emptied description is removed; with several records only what was typed into is written.
    fields()
        .text(NameField, &Authorization::getName, &Authorization::setName)
        .text(DescriptionControl, &Authorization::getDescription, &Authorization::setDescription,
              {.writeEmpty = true});
}
