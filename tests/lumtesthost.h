#pragma once

// A host for dialog tests: a workspace on a temporary data root, a main window, a list view of one
// workspace list, and prompts that answer as the test says and remember what they were told; and
// the operator's ways of typing, clicking and choosing.

#include "tcombobox.h"
#include "tlistnames.h"
#include "tlumlistview.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tprompts.h"
#include "tvaluelist.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QQueue>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

using Attributes = std::initializer_list<std::pair<const char*, const char*>>;

// A widget of a dialog by its object name, as a test reaches the widgets of a form.
template <class T>
T* child(QWidget* dialog, const char* name)
{
    T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// Replaces the text as typed keys (any character, not only what QTest::keyClicks knows).
inline void retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Runs the answer once the modal dialog that the next step opens is up, from the event loop that
// dialog runs.
inline void answerNextDialog(const std::function<void(QDialog*)>& answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(dialog);
    });
}

inline void click(QWidget* dialog, const char* button)
{
    QTest::mouseClick(child<QAbstractButton>(dialog, button), Qt::LeftButton);
}

// Makes the item of that id current in an id chooser.
inline void choose(QComboBox* combo, int id)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (QtWidgets::TComboBox::idOf(combo->itemText(i)) == id) {
            combo->setCurrentIndex(i);
            return;
        }
    }
    qFatal("no item %d", id);
}

// The texts of one column of a list, top to bottom.
inline QStringList column(QTreeWidget* list, int column)
{
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts << list->topLevelItem(row)->text(column);
    return texts;
}

// The attributes of a record as "key=value", in key order.
inline QStringList attributesOf(const Basics::TValue& record)
{
    QStringList texts;
    for (const auto& attribute : record.attributes())
        texts << attribute.key + u'=' + attribute.value.text();
    return texts;
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
    int getInt(QWidget*, const QString& caption, const QString& label, int value, int, int, int,
               bool* ok) override
    {
        told("getInt", caption, label);
        if (ok)
            *ok = !numbers.isEmpty();
        return numbers.isEmpty() ? value : numbers.dequeue();
    }
    QString getItem(QWidget*, const QString& caption, const QString& label, const QStringList&, int, bool,
                    bool* ok) override
    {
        told("getItem", caption, label);
        if (ok)
            *ok = !texts.isEmpty();
        return texts.isEmpty() ? QString() : texts.dequeue();
    }
    QString getExistingDirectory(QWidget*, const QString& caption, const QString& dir) override
    {
        told("getExistingDirectory", caption, dir);
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

    // No printer, as on a machine without any: printouts go to PDF files.
    QStringList printers() override { return {}; }
    bool choosePrinter(QWidget*, QPrinter*) override
    {
        told("choosePrinter", QString(), QString());
        return false;
    }

    QList<Message> messages;
    QQueue<QMessageBox::StandardButton> buttons;
    QQueue<int> choices;
    QQueue<int> numbers;
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
        restart();
    }

    Basics::TValueList* list(const QString& name) { return workspace->getData(name); }

    // Ends the run (the workspace saves what changed) and starts another on the same data root.
    // Dialogs whose parent is the view must be gone before.
    void restart()
    {
        window.reset();
        workspace.reset();
        workspace = std::make_unique<TLumWorkspace>(dir.path());
        window = std::make_unique<TLumWindow>(workspace.get());
        view = new TLumListView(window.get());
        view->setColumns({{QStringLiteral("Number"), QStringLiteral("id"), TLumColumn::Number},
                          {QStringLiteral("Name"), QStringLiteral("name")}});
    }

    // Puts a record of the list's own class with these attributes into the list.
    Basics::TValue* put(const QString& name, int id, Attributes attributes = {})
    {
        Basics::TValueList* target = list(name);
        Basics::TValue* record = target->createValue();
        record->setID(id);
        for (const auto& [key, text] : attributes)
            record->set(key, QString::fromUtf8(text));
        target->insert(record);
        return record;
    }

    // The editor on the records of these ids of its list, or for a new record when none are given.
    template <class Editor>
    std::unique_ptr<Editor> open(const QList<int>& ids = {})
    {
        showList(PosLib::TListNames::of<typename Editor::RecordType>().root);
        auto dialog = std::make_unique<Editor>(window.get(), view);
        if (ids.isEmpty()) {
            dialog->setID(view);
        } else {
            select(ids);
            dialog->setData(view);
        }
        return dialog;
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
