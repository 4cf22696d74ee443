#pragma once

#include "lumdialogs_global.h"
#include "ui_TNetActionFreeDlgBase.h"

#include <QDialog>

class TLumWindow;

namespace PosLib {
class TNetCardAction;
}

// The form that asks for the value of a free-input action.
class LUMDIALOGS_EXPORT TNetActionFreeDlgBase : public QDialog, public Ui::TNetActionFreeDlgBase {
    Q_OBJECT
public:
    explicit TNetActionFreeDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                                   Qt::WindowFlags fl = {});
};

// Asks, when a free-input action is carried out, for its value: only the value widgets of the
// action's type are shown. The host creates it; OK writes the value and the description back.
class LUMDIALOGS_EXPORT TNetActionFreeDlg : public TNetActionFreeDlgBase {
    Q_OBJECT
public:
    TNetActionFreeDlg(TLumWindow* window, QWidget* parent);

    void setData(PosLib::TNetCardAction* action);
    void getData(PosLib::TNetCardAction* action);
    // Shows the value widgets of the type only.
    void handleInputControls(int type);

public Q_SLOTS:
    void accept() override;

private:
    TLumWindow* m_window;
    PosLib::TNetCardAction* m_action = nullptr;
};
