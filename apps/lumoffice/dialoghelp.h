#pragma once

#include "tlumdlg.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>

// Gives a window of the back office a Help button and F1, both opening its section (anchored by
// the window's object name) of the help in the language of the texts.
inline void offerDialogHelp(QDialogButtonBox* buttons, QDialog* dialog)
{
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    help->setShortcut(QKeySequence::HelpContents);
    help->setAutoDefault(false);
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, dialog,
                     [dialog] { TLumDlg::onHelp(QStringLiteral("lumdialogs.html"), dialog); });
}
