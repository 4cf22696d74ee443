#pragma once

#include "lumdialogs_global.h"
#include "ui_TNetClientSelectDlgBase.h"

#include <QDialog>

class QTreeWidgetItem;
class TLumWindow;

namespace Basics {
class TValue;
class TValueList;
} // namespace Basics
namespace Devices {
class TNetReader;
}
namespace PosLib {
class TNetClient;
}

// The client picker's form: the clients in a list, a search field and its button, a button for a
// new client.
class LUMDIALOGS_EXPORT TNetClientSelectDlgBase : public QDialog, public Ui::TNetClientSelectDlgBase {
    Q_OBJECT
public:
    explicit TNetClientSelectDlgBase(QWidget* parent = nullptr, const char* name = nullptr,
                                     bool modal = false, Qt::WindowFlags fl = {});

protected Q_SLOTS:
    virtual void onsearch();
    virtual void onNewClient();
    virtual void onaccept(QTreeWidgetItem* item);
    virtual void onChange();
    virtual void onInsert(Basics::TValue* value);

protected:
    virtual void languageChange() { retranslateUi(this); }
};

// Picks a client of the card server: the server's clients are loaded through the card reader into
// the workspace's copy "netclients" and listed, one row each. Typing into the search field selects
// the first client from the selected one on that holds the text in any column; Return or "search"
// goes on to the next one, from the end round to the top. The number columns sort as numbers.
class LUMDIALOGS_EXPORT TNetClientSelectDlg : public TNetClientSelectDlgBase {
    Q_OBJECT
public:
    static constexpr int columnCount = 14;

    TNetClientSelectDlg(TLumWindow* window, QWidget* parent);
    ~TNetClientSelectDlg() override;

    // Selects and shows the client of that id; 0 does nothing.
    void setSearchId(int id);
    void findStartItem(int id);
    // The client taken by OK (owned by the list "netclients"); null when none was.
    PosLib::TNetClient* getResultClient() const { return m_result; }

    void accept() override;

protected:
    void onsearch() override;
    void onNewClient() override;
    void onaccept(QTreeWidgetItem* item) override;
    void onChange() override;
    void onInsert(Basics::TValue* value) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class TClientItem;

    void loadClients();
    void addRows();
    TClientItem* addRow(PosLib::TNetClient* client);
    // Selects the first row from start on (wrapping round) that holds the text; false when none does.
    bool findFrom(int start, const QString& text);
    void onRemoved(Basics::TValue* value);

    TLumWindow* m_window;
    Devices::TNetReader* m_reader;
    Basics::TValueList* m_clients = nullptr;
    PosLib::TNetClient* m_result = nullptr;
};
