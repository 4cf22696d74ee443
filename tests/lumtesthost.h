#pragma once

// A host for dialog tests: a workspace on a temporary data root, a main window, a list view of one
// workspace list, and prompts that answer as the test says and remember what they were told.

#include "tlumlistview.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tprompts.h"
#include "tvaluelist.h"

#include <QFile>
#include <QQueue>
#include <QTemporaryDir>

#include <memory>

// A widget of a dialog by its object name, as a test reaches the widgets of a form.
template <class T>
T* child(QWidget* dialog, const char* name)
{
    T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

class ScriptedPrompts : public TPrompts {
public:
    struct Message {
        QString kind;
        QString caption;
        QString text;
    };

    ScriptedPrompts() { TPrompts::install(this); }
    ~ScriptedPrompts() override { TPrompts::install(nullptr); }

    void information(QWidget*, const QString& caption, const QString& text) override
    {
        told("information", caption, text);
    }
    void warning(QWidget*, const QString& caption, const QString& text) override
    {
        told("warning", caption, text);
    }
    void critical(QWidget*, const QString& caption, const QString& text) override
    {
        told("critical", caption, text);
    }
    QMessageBox::StandardButton question(QWidget*, const QString& caption, const QString& text,
                                         QMessageBox::StandardButtons, QMessageBox::StandardButton) override
    {
        told("question", caption, text);
        return buttons.isEmpty() ? QMessageBox::No : buttons.dequeue();
    }
    int choose(QWidget*, QMessageBox::Icon, const QString& caption, const QString& text, const QStringList&,
               int, int escape) override
    {
        told("choose", caption, text);
        return choices.isEmpty() ? escape : choices.dequeue();
    }
    QString getText(QWidget*, const QString& caption, const QString& label, const QString&, bool* ok) override
    {
        told("getText", caption, label);
        if (ok)
            *ok = !texts.isEmpty();
        return texts.isEmpty() ? QString() : texts.dequeue();
    }
    QString getSaveFileName(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        told("getSaveFileName", caption, QString());
        return texts.isEmpty() ? QString() : texts.dequeue();
    }
    QString getOpenFileName(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        told("getOpenFileName", caption, QString());
        return texts.isEmpty() ? QString() : texts.dequeue();
    }

    QList<Message> messages;
    QQueue<QMessageBox::StandardButton> buttons;
    QQueue<int> choices;
    QQueue<QString> texts;

private:
    void told(const char* kind, const QString& caption, const QString& text)
    {
        messages << Message{QString::fromLatin1(kind), caption, text};
    }
};

class TestHost {
public:
    // configuration: the text of the host configuration file, if any.
    explicit TestHost(const QByteArray& configuration = QByteArray())
    {
        if (!configuration.isNull()) {
            QFile file(dir.filePath("lumconfig.ini"));
            file.open(QIODevice::WriteOnly);
            file.write(configuration);
        }
        workspace = std::make_unique<TLumWorkspace>(dir.path());
        window = std::make_unique<TLumWindow>(workspace.get());
        view = new TLumListView(window.get());
        view->setColumns({{QStringLiteral("Number"), QStringLiteral("id"), true},
                          {QStringLiteral("Name"), QStringLiteral("name"), false}});
    }

    // Shows the records of a workspace list in the view.
    void showList(const QString& name)
    {
        view->clear();
        for (Basics::TValue* value : *workspace->getData(name))
            new TLumListItem(view, value);
    }

    // Selects the items of these record ids.
    void select(const QList<int>& ids)
    {
        view->clearSelection();
        for (QTreeWidgetItem* item : view->itemsInOrder())
            item->setSelected(ids.contains(TLumListItem::of(item)->id()));
    }

    QTemporaryDir dir;
    std::unique_ptr<TLumWorkspace> workspace;
    std::unique_ptr<TLumWindow> window;
    TLumListView* view = nullptr;
};
