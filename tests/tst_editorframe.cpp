// What the editor frame promises, held against every editor of the table of lists (a new editor is
// covered without a line of its own), and the frame's own rules shown on single editors.

#include "lumcardhost.h"
#include "lumtesthost.h"
#include "tcostcenterdlg.h"
#include "tcurrencydlg.h"
#include "tlistdescriptor.h"
#include "tpayformdlg.h"
#include "trecordeditor.h"
#include "tvatratedlg.h"

#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHash>
#include <QPushButton>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTextEdit>
#include <QTimeEdit>
#include <QTreeWidget>

using LumDialogs::TListDescriptor;
using LumDialogs::TRecordEditor;

namespace {

// Every page of every editor is offered: abroad, composite taxes, KOST forms.
const QByteArray everything = "[General]\r\nRestOfWorld = yes\r\nTaxComposite = yes\r\n"
                              "[KostForms]\r\nForm1 = A All centres\r\nForm2 = W By waiter\r\n";

// Gives every input the operator can reach (with force: every input, as a program could) a value of
// its own for the variant 0 or 1.
void fillInputs(QDialog* dialog, int variant, bool force = false)
{
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        const QWidget* parent = widget->parentWidget();
        // The id field (named by its role in some forms) is the frame's to fill.
        if (widget->objectName() == u"m_Number" || widget->objectName() == u"NumberField" ||
            (!force && !widget->isEnabled()) || qobject_cast<const QComboBox*>(parent) ||
            qobject_cast<const QAbstractSpinBox*>(parent))
            continue;
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (!edit->isReadOnly())
                edit->setText(QString::number(variant + 1));
        } else if (auto* text = qobject_cast<QTextEdit*>(widget)) {
            if (!text->isReadOnly())
                text->setPlainText(QStringLiteral("Line %1\nkey=%1").arg(variant + 1));
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            box->setCheckState(variant == 0 ? Qt::Checked : Qt::Unchecked);
        } else if (auto* group = qobject_cast<QGroupBox*>(widget); group && group->isCheckable()) {
            group->setChecked(variant == 0);
        } else if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
            spin->setValue(spin->minimum() + 1 + variant);
        } else if (auto* time = qobject_cast<QTimeEdit*>(widget)) {
            time->setTime(QTime(8 + variant, 30));
        } else if (auto* date = qobject_cast<QDateTimeEdit*>(widget)) {
            date->setDateTime(QDateTime(QDate(2024, 3, 1 + variant), QTime(12, 0)));
        } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->count() > 1) {
            combo->setCurrentIndex((variant + 1) % combo->count());
        } else if (auto* list = qobject_cast<QTreeWidget*>(widget)) {
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                QTreeWidgetItem* item = list->topLevelItem(row);
                if (item->flags() & Qt::ItemIsUserCheckable)
                    item->setCheckState(0, row % 2 == variant ? Qt::Checked : Qt::Unchecked);
            }
        }
    }
    for (QButtonGroup* group : dialog->findChildren<QButtonGroup*>()) {
        const QList<QAbstractButton*> buttons = group->buttons();
        if (buttons.size() < 2)
            continue;
        QAbstractButton* button = buttons.at(variant % buttons.size());
        if (force)
            button->setChecked(true);
        else
            button->click();
    }
}

// A button of the frame by the frame's name (b_Next, buttonOk ...), or by its role where the form
// names it so (NextButton, OkButton ...).
QPushButton* frameButton(QWidget* dialog, const char* name)
{
    static const QHash<QByteArray, QByteArray> roles = {
        {"buttonOk", "OkButton"},   {"buttonCancel", "CancelButton"}, {"b_Help", "HelpButton"},
        {"b_First", "FirstButton"}, {"b_Prev", "PreviousButton"},     {"b_Next", "NextButton"},
        {"b_Last", "LastButton"}};
    if (auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(name)))
        return button;
    return child<QPushButton>(dialog, roles.value(name).constData());
}

void clickFrame(QWidget* dialog, const char* name)
{
    QTest::mouseClick(frameButton(dialog, name), Qt::LeftButton);
}

// Every editor of its own that writes its list's records, and the record editor on two lists of
// different columns.
QList<TListDescriptor> editorsToHold()
{
    QList<TListDescriptor> held;
    for (const TListDescriptor& descriptor : TListDescriptor::all()) {
        if ((descriptor.ownEditor && descriptor.writesRecords) ||
            descriptor.names.root == PosLib::Lists::articles || descriptor.names.root == u"shifts")
            held << descriptor;
    }
    return held;
}

} // namespace

class TestEditorFrame : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void severalUntouchedRecordsStayAsTheyWere_data() { everyEditor(); }
    void severalUntouchedRecordsStayAsTheyWere();
    void walkingThroughTheListChangesNothing_data() { everyEditor(); }
    void walkingThroughTheListChangesNothing();
    void withoutTheRightNothingIsWritten_data();
    void withoutTheRightNothingIsWritten();

    void refusedInputStaysForTheOperator();
    void navigationSavesWhatWasChanged();
    void rightsAreAppliedWithoutBeingAskedFor();
    void fieldsForEveryRecordAreMarked();

private:
    void everyEditor();
    // A host with two records of the list made through its editor (so they differ wherever the
    // editor lets them), one bare record, and two records in every other list to choose from.
    void makeHost(const QString& list, const QByteArray& configuration = everything);
    std::unique_ptr<QDialog> open(const QList<int>& ids);
    QList<QStringList> records() const;

    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TestHost> m_host;
    const TListDescriptor* m_descriptor = nullptr;
    // The card server and reader of the editors that store through it (clients).
    QTemporaryDir m_cardDir;
    std::unique_ptr<LumCardHost::Server> m_cardServer;
    std::unique_ptr<LumCardHost::ListedReader> m_reader;
};

void TestEditorFrame::everyEditor()
{
    QTest::addColumn<QString>("list");
    for (const TListDescriptor& descriptor : editorsToHold())
        QTest::newRow(qPrintable(descriptor.names.root)) << descriptor.names.root;
}

void TestEditorFrame::initTestCase()
{
    m_cardServer = std::make_unique<LumCardHost::Server>(m_cardDir.path());
    QVERIFY(m_cardServer->start({}));
    m_reader = std::make_unique<LumCardHost::ListedReader>(LumCardHost::device(m_cardServer->port, "office"));
}

void TestEditorFrame::init()
{
    m_prompts = std::make_unique<ScriptedPrompts>();
}

void TestEditorFrame::cleanup()
{
    m_host.reset();
    m_prompts.reset();
}

void TestEditorFrame::makeHost(const QString& list, const QByteArray& configuration)
{
    m_host = std::make_unique<TestHost>(configuration);
    m_descriptor = TListDescriptor::find(list);
    QVERIFY(m_descriptor);
    for (const TListDescriptor& other : TListDescriptor::all()) {
        if (other.names.root == list || other.names.root == PosLib::Lists::settings)
            continue;
        for (int id : {1, 2})
            m_host->put(other.names.root, id, {{"name", id == 1 ? "First" : "Second"}, {"decpos", "2"}});
    }
    m_host->showList(list);
    for (int variant : {0, 1}) {
        std::unique_ptr<QDialog> dialog = m_descriptor->openEditor(m_host->window.get(), nullptr, true);
        fillInputs(dialog.get(), variant);
        clickFrame(dialog.get(), "buttonOk");
        QVERIFY2(dialog->result() == QDialog::Accepted,
                 qPrintable(m_prompts->messages.isEmpty() ? QString() : m_prompts->messages.last().text));
    }
    m_host->put(list, 90, {{"name", "Bare"}});
    m_host->showList(list);
}

std::unique_ptr<QDialog> TestEditorFrame::open(const QList<int>& ids)
{
    m_host->select(ids);
    return m_descriptor->openEditor(m_host->window.get(), m_host->view, ids.isEmpty());
}

QList<QStringList> TestEditorFrame::records() const
{
    QList<QStringList> all;
    for (const Basics::TValue* record : *m_host->list(m_descriptor->names.root))
        all << attributesOf(*record);
    return all;
}

void TestEditorFrame::severalUntouchedRecordsStayAsTheyWere()
{
    QFETCH(QString, list);
    makeHost(list);
    const QList<QStringList> before = records();
    QCOMPARE(before.size(), 3);
    QVERIFY2(before[0] != before[1], "the editor could not make two different records");

    std::unique_ptr<QDialog> dialog = open({1, 2});
    TRecordEditor* editor = LumDialogs::recordEditor(dialog.get());
    QCOMPARE(editor->editContext(), LumDialogs::TEditContext::SeveralRecords);
    QVERIFY(!editor->hasChanges());
    // What goes into every selected record whatever the operator does, as the fields declare it.
    QList<QStringList> expected = before;
    Basics::TValueList* stored = m_host->list(list);
    for (int id : {1, 2}) {
        std::unique_ptr<Basics::TValue> copy(stored->createValue());
        *copy = *stored->find(id);
        editor->writeShownFromFirst(*copy);
        expected[id - 1] = attributesOf(*copy);
    }
    clickFrame(dialog.get(), "buttonOk");
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(records(), expected);
}

void TestEditorFrame::walkingThroughTheListChangesNothing()
{
    QFETCH(QString, list);
    makeHost(list);
    const QList<QStringList> before = records();
    std::unique_ptr<QDialog> dialog = open({1});
    TRecordEditor* editor = LumDialogs::recordEditor(dialog.get());
    QList<int> seen{editor->getID()};
    for (const char* button : {"b_Next", "b_Next", "b_Next", "b_Prev", "b_Prev", "b_Last", "b_First"}) {
        clickFrame(dialog.get(), button);
        seen << editor->getID();
    }
    QCOMPARE(seen, (QList<int>{1, 2, 90, 90, 2, 1, 90, 1}));
    QVERIFY(m_prompts->messages.isEmpty());
    QCOMPARE(records(), before);
}

void TestEditorFrame::withoutTheRightNothingIsWritten_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QByteArray>("right");
    for (const TListDescriptor& descriptor : editorsToHold()) {
        for (const char* right : {"readonly", "none"})
            QTest::addRow("%s %s", qPrintable(descriptor.names.root), right)
                << descriptor.names.root << QByteArray(right);
    }
}

void TestEditorFrame::withoutTheRightNothingIsWritten()
{
    QFETCH(QString, list);
    QFETCH(QByteArray, right);
    makeHost(list);
    const QList<QStringList> before = records();
    // The same data root, now for an operator who may only look.
    QFile config(m_host->dir.filePath("lumconfig.ini"));
    QVERIFY(config.open(QIODevice::Append));
    config.write("[Rights]\r\n* = " + right + "\r\n");
    config.close();
    m_host->window = std::make_unique<TLumWindow>(m_host->workspace.get());
    m_host->view = new TLumListView(m_host->window.get());
    m_host->showList(list);

    std::unique_ptr<QDialog> dialog = open({1});
    TRecordEditor* editor = LumDialogs::recordEditor(dialog.get());
    QVERIFY(!frameButton(dialog.get(), "buttonOk")->isEnabled());
    fillInputs(dialog.get(), 1, true);
    QVERIFY(!editor->save());
    dialog->accept();
    clickFrame(dialog.get(), "b_Next");
    fillInputs(dialog.get(), 0, true);
    clickFrame(dialog.get(), "b_Prev");
    std::unique_ptr<QDialog> fresh = open({});
    fillInputs(fresh.get(), 0, true);
    fresh->accept();
    QCOMPARE(fresh->result(), int(QDialog::Rejected));
    QCOMPARE(records(), before);
}

void TestEditorFrame::refusedInputStaysForTheOperator()
{
    makeHost(QStringLiteral("vatrates"));
    auto dialog = m_host->open<TVatRateDlg>({1});
    auto* name = child<QLineEdit>(dialog.get(), "m_Name");
    retype(name, "Food, drinks");
    click(dialog.get(), "b_Next");
    QCOMPARE(m_prompts->messages.last().text, QStringLiteral("Comma not allowed in name"));
    QCOMPARE(dialog->getID(), 1);
    QCOMPARE(name->text(), QStringLiteral("Food, drinks"));

    // A refused id keeps the new record's input as typed.
    auto fresh = m_host->open<TVatRateDlg>();
    child<QSpinBox>(fresh.get(), "m_Number")->setValue(2);
    QTest::keyClicks(child<QLineEdit>(fresh.get(), "m_Name"), "Other");
    click(fresh.get(), "buttonOk");
    QCOMPARE(fresh->result(), int(QDialog::Rejected));
    QVERIFY(m_prompts->messages.last().text.contains("2"));
    QCOMPARE(child<QLineEdit>(fresh.get(), "m_Name")->text(), QStringLiteral("Other"));

    // A list that refuses the change (the database under cost centres is gone) keeps the record
    // as it was and the input as typed, also on Next.
    dialog.reset();
    fresh.reset();
    makeHost(QStringLiteral("costcenters"));
    QVERIFY(QSqlQuery(m_host->workspace->database()).exec("DROP TABLE Kostenstellen"));
    const QList<QStringList> before = records();
    auto center = m_host->open<TCostCenterDlg>({1});
    retype(child<QLineEdit>(center.get(), "m_Name"), "Terrace");
    click(center.get(), "b_Next");
    QCOMPARE(center->getID(), 1);
    QCOMPARE(m_prompts->messages.last().kind, QStringLiteral("critical"));
    QCOMPARE(child<QLineEdit>(center.get(), "m_Name")->text(), QStringLiteral("Terrace"));
    QCOMPARE(records(), before);
}

void TestEditorFrame::navigationSavesWhatWasChanged()
{
    makeHost(QStringLiteral("currencies"));
    auto dialog = m_host->open<TCurrencyDlg>({1});
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit currency"));
    retype(child<QLineEdit>(dialog.get(), "m_Short"), "EU");
    click(dialog.get(), "b_Next");
    QCOMPARE(m_host->list("currencies")->find(1)->getShortName(), QStringLiteral("EU"));
    QCOMPARE(dialog->getID(), 2);

    // OK is disabled (no name): moving on would lose the input, so the operator is asked first.
    retype(child<QLineEdit>(dialog.get(), "m_Name"), QString());
    m_prompts->buttons.enqueue(QMessageBox::No);
    click(dialog.get(), "b_Next");
    QCOMPARE(dialog->getID(), 2);
    m_prompts->buttons.enqueue(QMessageBox::Yes);
    click(dialog.get(), "b_Next");
    QCOMPARE(dialog->getID(), 90);
    QCOMPARE(m_host->list("currencies")->find(2)->getName(), QStringLiteral("2"));

    // Cancel asks before it drops a change; a dialog left untouched just closes.
    dialog->show();
    retype(child<QLineEdit>(dialog.get(), "m_Short"), "XX");
    m_prompts->buttons.enqueue(QMessageBox::No);
    dialog->reject();
    QVERIFY(dialog->isVisible());
    m_prompts->buttons.enqueue(QMessageBox::Yes);
    dialog->reject();
    QVERIFY(!dialog->isVisible());
    const qsizetype asked = m_prompts->messages.size();
    auto untouched = m_host->open<TCurrencyDlg>({1, 2});
    QCOMPARE(untouched->windowTitle(), QStringLiteral("Edit currencies"));
    untouched->reject();
    QCOMPARE(m_prompts->messages.size(), asked);

    // A new-record dialog that navigates becomes an edit dialog.
    auto fresh = m_host->open<TCurrencyDlg>();
    click(fresh.get(), "b_First");
    QCOMPARE(fresh->windowTitle(), QStringLiteral("Edit currency"));
    QVERIFY(!child<QSpinBox>(fresh.get(), "m_Number")->isEnabled());
}

void TestEditorFrame::rightsAreAppliedWithoutBeingAskedFor()
{
    // An editor without a host window has no rights at all.
    TCurrencyDlg orphan(nullptr, nullptr);
    orphan.setID(nullptr);
    QVERIFY(!child<QPushButton>(&orphan, "buttonOk")->isEnabled());

    makeHost(QStringLiteral("currencies"), "[Rights.7]\r\nTCurrencyDlg = none\r\n");
    m_host->window->setUser(7);
    auto refused = m_host->open<TCurrencyDlg>({1});
    QCOMPARE(m_prompts->messages.last().kind, QStringLiteral("warning"));
    QVERIFY(!child<QLineEdit>(refused.get(), "m_Name")->isEnabled());
    m_host->window->setUser(8);
    auto other = m_host->open<TCurrencyDlg>({1});
    QVERIFY(child<QLineEdit>(other.get(), "m_Name")->isEnabled());
}

void TestEditorFrame::fieldsForEveryRecordAreMarked()
{
    makeHost(QStringLiteral("payforms"));
    auto several = m_host->open<TPayformDlg>({1, 2});
    auto* currencies = child<QGroupBox>(several.get(), "CurrenciesListBox");
    QVERIFY(currencies->toolTip().contains("every selected record"));
    QVERIFY(!currencies->styleSheet().isEmpty());
    QVERIFY(!child<QLineEdit>(several.get(), "m_Name")->toolTip().contains("every selected record"));
    // One record again: the mark is gone.
    m_host->select({1});
    several->setData(m_host->view);
    QVERIFY(!currencies->toolTip().contains("every selected record"));
    QVERIFY(currencies->styleSheet().isEmpty());
}

QTEST_MAIN(TestEditorFrame)
#include "tst_editorframe.moc"
