#pragma once

#include <QString>

#include <functional>
#include <memory>

class QDialog;
class TLumListView;
class TLumWindow;

// Which editor creates and edits the records of a list. A list without one is shown read-only.
class TEditorRegistry {
public:
    enum Mode { NewRecord, EditSelection };
    // Builds the editor with the window and the list view as its parent and prepares it (setID for
    // a new record, setData for the selection); the caller runs it.
    using Factory = std::function<std::unique_ptr<QDialog>(TLumWindow*, TLumListView*, Mode)>;

    static const Factory* find(const QString& list);
    static QStringList lists();

    template <class Dialog>
    static Factory factory()
    {
        return [](TLumWindow* window, TLumListView* view, Mode mode) {
            auto dialog = std::make_unique<Dialog>(window, view);
            if (mode == NewRecord)
                dialog->setID(view);
            else
                dialog->setData(view);
            return std::unique_ptr<QDialog>(std::move(dialog));
        };
    }
};
