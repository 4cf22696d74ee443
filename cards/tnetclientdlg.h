#pragma once

#include "lumdialogs_global.h"
#include "teditordialog.h"
#include "teditorform.h"
#include "tnetclient.h"
#include "ui_TNetClientDlgBase.h"

namespace Devices {
class TNetReader;
}

// The client editor's form: the client's fields, its picture on b_Bitmap, the parent client.
class LUMDIALOGS_EXPORT TNetClientDlgBase : public LumDialogs::TEditorLayout<Ui::TNetClientDlgBase> {
    Q_OBJECT
public:
    explicit TNetClientDlgBase(QWidget* parent = nullptr, const char* name = nullptr, bool modal = false,
                               Qt::WindowFlags fl = {});

protected Q_SLOTS:
    // Lets the operator choose a picture file.
    virtual void onBitmap();
    // Shows the picture of the path on b_Bitmap, "..." without one.
    virtual void setBitmap(const QString& path);
};

// Creates and edits the clients of the card server. The workspace keeps a copy of them in
// "netclients"; every new or changed client is written to the server through the card reader
// first, and only what the server took goes into the copy. A client needs a name or a first name.
class LUMDIALOGS_EXPORT TNetClientDlg
    : public LumDialogs::TEditorDialog<TNetClientDlgBase, PosLib::TNetClient> {
    Q_OBJECT
public:
    TNetClientDlg(TLumWindow* window, QWidget* parent);

    using TEditorDialog::accept;

protected:
    void initData() override;
    void onChange() override;
    void onBitmap() override;
    void setBitmap(const QString& path) override;
    void storeNew(Basics::TValueList* target, std::unique_ptr<PosLib::TNetClient> client) override;
    void storeChanged(Basics::TValueList* target, PosLib::TNetClient* client) override;

    // Sends the client to the server: 0, or the reader's error code.
    int writeClientToDB(const PosLib::TNetClient& client);

private:
    Devices::TNetReader* m_reader;
};
