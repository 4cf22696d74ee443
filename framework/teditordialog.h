#pragma once

// The record-editor frame. An editor is
//
//   class TCurrencyDlg : public LumDialogs::TEditorDialog<TCurrencyDlgBase, PosLib::TCurrency>
//
// where the layout class (here TCurrencyDlgBase) is the QDialog built from the editor's form, with
// the widgets m_Number, buttonOk, buttonCancel, b_Help, b_First, b_Prev, b_Next, b_Last and the
// virtual slots onChange, onFirst, onPrev, onNext, onLast and onHelp. The editor's constructor ends
// with "initData(); onChange();", and its initData begins with the frame's and declares the fields:
//
//   fields().text(m_Name, &TCurrency::getName, &TCurrency::setName)
//           .decimal(m_Rate, &TCurrency::getRate, &TCurrency::setRate, 6) ...
//
// From then on the frame does the rest: the id proposal for a new record, the comparison walk over
// the selected records with the no-change state where they differ, the captions, accepting new and
// changed records, navigation that saves first, and help. An editor overrides getData, validate,
// createRecord, storeNew or storeChanged only for rules of its own.

#include "teditorframe.h"
#include "terror.h"
#include "tfields.h"
#include "tlumconfig.h"
#include "tlumdlg.h"
#include "tlumlistview.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "tvaluelist.h"

#include <QDialog>
#include <QSpinBox>

#include <memory>

namespace LumDialogs {

template <class Layout, class Record>
class TEditorDialog : public Layout, protected TLumDlg {
public:
    // The value of the id field.
    int getID() const { return this->m_Number->value(); }

    // Prepares the dialog for a new record: the host proposes its id.
    virtual void setID(TLumListView* view)
    {
        Q_ASSERT_X(m_initialised, "TEditorDialog",
                   "the editor's constructor must end with initData(); onChange();");
        setListID(this->m_Number, list(), view, false);
        enableNavigation(widgets(), view != nullptr);
    }

    void accept() override { accept(true); }

    // Shows the records selected in the list view.
    virtual void setData(TLumListView* view)
    {
        Q_ASSERT_X(m_initialised, "TEditorDialog",
                   "the editor's constructor must end with initData(); onChange();");
        multi = false;
        const QList<Record*> records = selectedRecords(view);
        m_fields.compare(records);
        multi = records.size() > 1;
        lockNumber(widgets(), m_fields.firstTextField());
        if (records.size() == 1)
            this->m_Number->setValue(records.first()->getID());
        if (!records.isEmpty()) {
            this->setWindowTitle(records.size() == 1 ? m_captionOne : m_captionMany);
            showRecord(*records.first());
        }
        this->onChange();
        checkSelection(this);
        m_listView = view;
    }

protected:
    // listName names the workspace list; captionOne and captionMany are the captions of an edit of
    // one and of several records (the layout's caption stands for a new record).
    TEditorDialog(TLumWindow* window, QWidget* parent, const char* objectName, const QString& listName,
                  const QString& captionOne, const QString& captionMany)
        : Layout(parent, objectName, true)
        , m_window(window)
        , m_listName(listName)
        , m_captionOne(captionOne)
        , m_captionMany(captionMany)
    {
    }

    // The common one-time set-up; editors add their validators and choosers after it.
    virtual void initData()
    {
        m_initialised = true;
        initEditor(this, m_window, widgets());
    }

    // Copies the inputs into one record, skipping the inputs in their no-change state.
    virtual void getData(Record* record) { m_fields.write(*record); }
    // Checks the inputs before anything is written; false (after telling the operator) keeps the
    // dialog open.
    virtual bool validate() { return true; }
    virtual std::unique_ptr<Record> createRecord() const { return std::make_unique<Record>(); }
    // Hands a new record to the list, which owns it from then on.
    virtual void storeNew(Basics::TValueList* target, Record* record) { target->put(record); }
    // Writes the inputs into one selected record and tells the list. An editor that keeps the
    // records elsewhere as well overrides it; an error it throws stops the walk over the selection.
    virtual void storeChanged(Basics::TValueList* target, Record* record)
    {
        getData(record);
        target->notifyChanged(record);
    }
    // Fills the widgets from the reference record; editors with more than fields extend it.
    virtual void showRecord(const Record& reference) { m_fields.show(*this, reference); }

    // Writes back: every selected record when editing, a new record otherwise; closes when close
    // is true. A refused id or a failed validation keeps the dialog open with its inputs.
    virtual void accept(bool close)
    {
        Basics::TValueList* target = list();
        if (!target) {
            QDialog::accept();
            return;
        }
        if (TLumConfig::appliedRight(this) != TLumConfig::Full || !validate())
            return;
        try {
            if (m_listView) {
                for (Record* record : selectedRecords(m_listView))
                    storeChanged(target, record);
            } else {
                const int id = getID();
                if (!checkElement(this, target, id))
                    return;
                std::unique_ptr<Record> record = createRecord();
                record->setID(id);
                getData(record.get());
                storeNew(target, record.release());
            }
        } catch (const Database::TDBError& error) {
            reportStorageError(this, error.text()); // the operation and the database's reason
            return;
        } catch (const Basics::TError& error) {
            reportStorageError(this, error.description());
            return;
        }
        if (close)
            QDialog::accept();
    }

    // With several records the operator may leave any input empty; otherwise the form decides.
    void onChange() override
    {
        if (multi)
            this->buttonOk->setEnabled(true);
        else
            Layout::onChange();
    }

    void onFirst() override { navigate(&TLumDlg::onFirst); }
    void onPrev() override { navigate(&TLumDlg::onPrev); }
    void onNext() override { navigate(&TLumDlg::onNext); }
    void onLast() override { navigate(&TLumDlg::onLast); }
    void onHelp() override { TLumDlg::onHelp(QString::fromLatin1(helpFile), this); }

    TFields<Record>& fields() { return m_fields; }
    TLumWindow* window() const { return m_window; }
    TLumListView* listView() const { return m_listView; }
    // The workspace list the editor works on; null when the workspace has none.
    Basics::TValueList* list() const
    {
        return m_window && m_window->workspace() ? m_window->workspace()->getData(m_listName) : nullptr;
    }
    // The records of the items selected in the view, in list order.
    static QList<Record*> selectedRecords(TLumListView* view)
    {
        QList<Record*> records;
        if (!view)
            return records;
        for (QTreeWidgetItem* item : view->selectedInOrder()) {
            const TLumListItem* recordItem = TLumListItem::of(item);
            if (auto* record = recordItem ? dynamic_cast<Record*>(recordItem->value()) : nullptr)
                records << record;
        }
        return records;
    }

private:
    TEditorWidgets widgets() const
    {
        return {this->m_Number, this->buttonOk, this->b_Help, this->b_First,
                this->b_Prev,   this->b_Next,   this->b_Last};
    }

    // Saves what was typed (when it may be saved), moves the selection, shows what is selected now.
    void navigate(bool (TLumDlg::*move)(TLumListView*))
    {
        if (this->buttonOk->isEnabled())
            accept(false);
        TLumListView* view = parentListView(this);
        if ((this->*move)(view))
            setData(view);
    }

    TLumWindow* m_window;
    TLumListView* m_listView = nullptr;
    QString m_listName;
    QString m_captionOne;
    QString m_captionMany;
    TFields<Record> m_fields;
    bool m_initialised = false;
};

} // namespace LumDialogs
