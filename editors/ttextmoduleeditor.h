#pragma once

// The editor of text modules and of article help texts, written once for both: a name and a text
// of several lines. The lines are stored without the empty ones; a text without any line is
// refused with a message, while the name is still saved. With several records the first record's
// text is shown and goes into every selected record.

#include "teditordialog.h"
#include "tprompts.h"
#include "ttextlines.h"
#include "ttextmodule.h"

#include <QTextEdit>

namespace LumDialogs {

template <class Layout, class Record>
class TTextModuleEditor : public TEditorDialog<Layout, Record> {
protected:
    // text: the form's text field; emptyMessage: what the operator is told of a text without lines.
    TTextModuleEditor(TLumWindow* window, QWidget* parent, const char* objectName, QTextEdit* Layout::*text,
                      const QString& emptyCaption, const QString& emptyMessage)
        : TEditorDialog<Layout, Record>(window, parent, objectName)
        , m_text(this->*text)
        , m_emptyCaption(emptyCaption)
        , m_emptyMessage(emptyMessage)
    {
    }

    void initData() override
    {
        this->fields()
            .text(this->m_Name, &Record::getName, &Record::setName)
            .add(std::make_unique<TTextField>(m_text));
    }

    // An empty text is told, not refused: the rest is saved and the dialog closes as usual.
    bool validate() override
    {
        if (textLines(m_text).isEmpty())
            prompts().information(this, m_emptyCaption, m_emptyMessage);
        return true;
    }

private:
    class TTextField : public TField<Record> {
    public:
        explicit TTextField(QTextEdit* edit)
            : TField<Record>({.shownFromFirst = true})
            , m_edit(edit)
        {
        }
        bool differs(const Record& a, const Record& b) const override
        {
            return a.comparedText() != b.comparedText();
        }
        void show(TLumDlg&, const Record& record, bool) override { m_edit->setPlainText(record.getText()); }
        void store(Record& record) const override
        {
            const QStringList text = textLines(m_edit);
            if (!text.isEmpty())
                record.setLines(text);
        }
        QVariant state() const override { return rawText(m_edit); }
        QList<QWidget*> widgets() const override { return {m_edit}; }

    private:
        QTextEdit* m_edit;
    };

    QTextEdit* m_text;
    QString m_emptyCaption;
    QString m_emptyMessage;
};

} // namespace LumDialogs
