#pragma once

// The record-editor frame. An editor is
//
//   class TCurrencyDlg : public LumDialogs::TEditorDialog<TCurrencyDlgBase, PosLib::TCurrency>
//
// where the layout class (here TCurrencyDlgBase) is the QDialog built from the editor's form, with
// the widgets m_Number, buttonOk, buttonCancel, b_Help, b_First, b_Prev, b_Next, b_Last and the
// virtual slots onChange, onFirst, onPrev, onNext, onLast and onHelp. The editor declares its
// fields in initData, each with its options:
//
//   fields().text(m_Name, &TCurrency::getName, &TCurrency::setName)
//           .decimal(m_Rate, &TCurrency::getRate, &TCurrency::setRate, 6) ...
//
// The frame does the rest: it sets the dialog up (rights first, then initData) before any record
// is shown or written, proposes the id of a new record, compares the selected records and fills
// the widgets without running any rule that reacts to the operator, writes back only what the
// operator changed while several records are edited, keeps the dialog open with its input when a
// save is refused, and navigates. The list, its record class and the captions come from the table
// of lists. An editor overrides getData, validate, createRecord, storeNew, storeChanged or
// showRecord only for rules of its own.

#include "teditorframe.h"
#include "terror.h"
#include "tfields.h"
#include "tlistdescriptor.h"
#include "tlumconfig.h"
#include "tlumdlg.h"
#include "tlumrecordrows.h"
#include "tlumwindow.h"
#include "tlumworkspace.h"
#include "trecordeditor.h"
#include "tvaluelist.h"

#include <QDialog>
#include <QSpinBox>

#include <memory>
#include <vector>

namespace LumDialogs {

template <class Layout, class Record>
class TEditorDialog : public Layout, public TRecordEditor, protected TLumDlg {
public:
    using RecordType = Record;

    QDialog* dialog() override { return this; }
    QString listName() const override { return m_listName; }
    int getID() const override { return this->m_Number->value(); }
    TEditContext editContext() const override { return m_context; }
    bool hasChanges() const override { return m_setUp && m_fields.changed(); }

    // Prepares the dialog for a new record: the host proposes its id.
    void setID(TLumRecordRows* view) override
    {
        ensureSetUp();
        m_context = TEditContext::NewRecord;
        multi = false;
        m_listView = nullptr;
        setListID(this->m_Number, list(), view, false);
        enableNavigation(widgets(), view != nullptr);
        m_fields.remember();
    }

    // Shows the records selected in the list view.
    void setData(TLumRecordRows* view) override
    {
        ensureSetUp();
        multi = false;
        const QList<Record*> records = selectedRecords(view);
        m_fields.compare(records);
        m_context = records.size() > 1 ? TEditContext::SeveralRecords : TEditContext::OneRecord;
        multi = records.size() > 1;
        lockNumber(widgets(), m_fields.firstTextField());
        if (!records.isEmpty()) {
            const TQuietFill quiet(this);
            if (records.size() == 1)
                this->m_Number->setValue(records.first()->getID());
            const TListDescriptor* descriptor = TListDescriptor::find(m_listName);
            if (descriptor)
                this->setWindowTitle(records.size() == 1 ? descriptor->captionOne : descriptor->captionMany);
            showRecord(*records.first());
        }
        m_fields.remember();
        this->onChange();
        checkSelection(this);
        m_listView = view;
    }

    bool save() override { return accept(false); }

    void writeShownFromFirst(Basics::TValue& record) const override
    {
        if (auto* typed = dynamic_cast<Record*>(&record))
            m_fields.writeShownFromFirst(*typed);
    }

    void setVisible(bool visible) override
    {
        if (visible)
            ensureSetUp();
        Layout::setVisible(visible);
    }

    void accept() override { accept(true); }

    // Cancel and Escape ask before they throw the operator's changes away.
    void reject() override
    {
        if (hasChanges() && TLumConfig::appliedRight(this) == TLumConfig::Full &&
            !confirmDiscard(this, false))
            return;
        Layout::reject();
    }

protected:
    // objectName is the logic class's own name; the list is the one of the record class unless
    // given (an editor that serves two lists of one record class).
    TEditorDialog(TLumWindow* window, QWidget* parent, const char* objectName,
                  const QString& listName = PosLib::TListNames::of<Record>().root)
        : Layout(parent, objectName, true)
        , m_window(window)
        , m_listName(listName)
    {
    }

    // The editor's own set-up: validators, choosers and the field declarations. The frame calls it
    // once, after it applied the user's rights, before anything is shown or written.
    virtual void initData() {}

    // Copies the inputs into one record, by the rules of the edit context.
    virtual void getData(Record* record) { m_fields.write(*record, m_context); }
    // Checks the inputs before anything is written; false (after telling the operator) keeps the
    // dialog open.
    virtual bool validate() { return true; }
    virtual std::unique_ptr<Record> createRecord() const { return std::make_unique<Record>(); }
    // Hands a new record to the list, which owns it from then on.
    virtual void storeNew(Basics::TValueList* target, std::unique_ptr<Record> record)
    {
        target->put(record.release());
    }
    // Writes the inputs into one selected record and tells the list. The record changes only when
    // the list takes the change: an error the list throws leaves the record as it was and stops the
    // walk over the selection. A record that the inputs leave as it was is not reported.
    virtual void storeChanged(Basics::TValueList* target, Record* record)
    {
        Record changed = *record;
        getData(&changed);
        if (changed == *record)
            return;
        const Record before = *record;
        *record = changed;
        try {
            target->notifyChanged(record);
        } catch (...) {
            *record = before;
            throw;
        }
    }
    // Fills the widgets from the reference record; editors with more than fields extend it. The
    // inputs emit no signals meanwhile: an editor applies here whatever states its rules give the
    // widgets that depend on others.
    virtual void showRecord(const Record& reference) { m_fields.show(*this, reference, m_context); }

    // Writes back: every selected record when editing, a new record otherwise; closes when close
    // is true. A refused id, a failed check, a missing right or a storage error writes nothing more,
    // keeps the dialog open with its inputs, and returns false.
    virtual bool accept(bool close)
    {
        ensureSetUp();
        Basics::TValueList* target = list();
        if (!target) {
            QDialog::accept();
            return true;
        }
        if (TLumConfig::appliedRight(this) != TLumConfig::Full || !validate())
            return false;
        m_storeRefused = false;
        try {
            if (m_listView) {
                for (Record* record : selectedRecords(m_listView))
                    storeChanged(target, record);
            } else {
                const int id = getID();
                if (!checkElement(this, target, id))
                    return false;
                std::unique_ptr<Record> record = createRecord();
                record->setID(id);
                getData(record.get());
                storeNew(target, std::move(record));
            }
        } catch (const Database::TDBError& error) {
            reportStorageError(this, error.text()); // the operation and the database's reason
            return false;
        } catch (const Basics::TError& error) {
            reportStorageError(this, error.description());
            return false;
        }
        if (m_storeRefused)
            return false;
        m_fields.remember(); // what is shown is stored now
        if (close)
            QDialog::accept();
        return true;
    }

    // With several records the operator may leave any input empty; otherwise the form decides.
    void onChange() override
    {
        if (multi)
            this->buttonOk->setEnabled(true);
        else
            Layout::onChange();
        this->explainOk();
    }

    void onFirst() override { navigate(&TLumDlg::onFirst); }
    void onPrev() override { navigate(&TLumDlg::onPrev); }
    void onNext() override { navigate(&TLumDlg::onNext); }
    void onLast() override { navigate(&TLumDlg::onLast); }
    void onHelp() override { TLumDlg::onHelp(QString::fromLatin1(helpFile), this); }

    // Called by storeNew or storeChanged when the record could not be stored elsewhere (the card
    // server refused it) and the operator has been told why: the walk goes on with the other records,
    // and the dialog stays open with its input.
    void refuseStore() { m_storeRefused = true; }

    TFields<Record>& fields() { return m_fields; }
    TLumWindow* window() const { return m_window; }
    TLumWorkspace* workspace() const { return m_window ? m_window->workspace() : nullptr; }
    TLumRecordRows* listView() const { return m_listView; }
    // The workspace list the editor works on; null when the workspace has none.
    Basics::TValueList* list() const { return workspaceList(m_listName); }
    // Another list of the workspace; null when there is none.
    Basics::TValueList* workspaceList(const QString& name) const
    {
        return workspace() ? workspace()->getData(name) : nullptr;
    }
    // An id chooser over a combo box of the form, owned by the dialog: an optional leading entry
    // with id 0, then the records of the named list, with the type-ahead filter when asked for.
    QtWidgets::TComboBox& chooser(QComboBox* combo, int idWidth, const QString& listName,
                                  const QString& leading = QString(), bool filter = false)
    {
        auto wrapper = std::make_unique<QtWidgets::TComboBox>(combo, idWidth);
        fillChooser(*wrapper, listName, leading);
        if (filter)
            wrapper->enableFilter();
        m_choosers.push_back(std::move(wrapper));
        return *m_choosers.back();
    }
    // Fills a chooser anew: the leading entry with id 0 (unless null), then the records of the
    // named list. False when the workspace has no such list.
    bool fillChooser(QtWidgets::TComboBox& chooser, const QString& listName,
                     const QString& leading = QString())
    {
        chooser.clear();
        if (!leading.isNull())
            chooser.insertItem(0, leading);
        Basics::TValueList* records = workspaceList(listName);
        if (records)
            chooser.fill(records);
        return records != nullptr;
    }
    // Runs another editor over the same window for a new record, created on the spot; the new
    // record's id once the operator accepted it, otherwise 0.
    template <class Editor>
    int createOnTheSpot()
    {
        Editor editor(m_window, this);
        editor.setID(nullptr);
        return editor.exec() == QDialog::Accepted ? editor.getID() : 0;
    }
    // The records of the rows selected in the view, in list order.
    static QList<Record*> selectedRecords(TLumRecordRows* view)
    {
        QList<Record*> records;
        if (!view)
            return records;
        for (Basics::TValue* value : view->selectedRecords()) {
            if (auto* record = dynamic_cast<Record*>(value))
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

    // Rights first, then the editor's own set-up; once, in every build, before anything is shown.
    void ensureSetUp()
    {
        if (m_setUp)
            return;
        m_setUp = true;
        initEditor(this, m_window, widgets());
        initData();
        TLumConfig::reapplyRight(this); // the set-up may have enabled inputs again
        m_fields.remember();
        this->onChange();
    }

    // Before other records are shown, what the operator typed is saved; when it cannot be, the
    // dialog stays unless the operator lets the changes go.
    bool leaveRecord()
    {
        if (!hasChanges() || TLumConfig::appliedRight(this) != TLumConfig::Full)
            return true;
        if (this->buttonOk->isEnabled())
            return accept(false);
        return confirmDiscard(this, true);
    }

    void navigate(bool (TLumDlg::*move)(TLumRecordRows*))
    {
        ensureSetUp();
        if (!leaveRecord())
            return;
        TLumRecordRows* view = parentListView(this);
        if ((this->*move)(view))
            setData(view);
    }

    TLumWindow* m_window;
    TLumRecordRows* m_listView = nullptr;
    QString m_listName;
    TEditContext m_context = TEditContext::NewRecord;
    TFields<Record> m_fields;
    std::vector<std::unique_ptr<QtWidgets::TComboBox>> m_choosers;
    bool m_setUp = false;
    bool m_storeRefused = false;
};

} // namespace LumDialogs
