// The host library: the no-change states of the input functions, id proposals and checks, moving
// the selection, the workspace's loading and saving, the configuration and its rights.

#include "lumtesthost.h"
#include "tcombobox.h"
#include "tcurrencies.h"
#include "tcurrency.h"
#include "testfiles.h"
#include "tfile.h"
#include "tlumconfig.h"
#include "tlumdlg.h"
#include "tlumdocument.h"
#include "tlumrecordmodel.h"
#include "tlumrecordview.h"
#include "tprnprintdlg.h"
#include "tsettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QDomDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using Basics::TValue;

namespace {

TValue* named(int id, const QString& name)
{
    auto* value = new TValue;
    value->setID(id);
    value->setName(name);
    return value;
}

// TLumDlg is the private base of the editors; a test reaches it the same way.
class Host : public TLumDlg {
public:
    using TLumDlg::multi;
};

} // namespace

class TestLumLib : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void noChangeStates();
    void idProposalsAndChecks();
    void movingTheSelection();
    void findingRows();
    void sortingByStoredValues();
    void theWholeListViewSortsAsTheItemView();
    void workspaceListsAndNames();
    void workspaceSavesOncePerTurn();
    void damagedFilesAreNeverSaved();
    void workspacesMergeRecordByRecord();
    void waitingForALockIsShown();
    void rightsAndSwitches();
    void suggestionsKeepTheRestOfTheFile();
    void printerChooser();
    void documents();
    void amountsInTheSystemCurrency_data();
    void amountsInTheSystemCurrency();
    void amountsWithoutSystemCurrency();
    void workspaceDatabase();
};

void TestLumLib::noChangeStates()
{
    Host host;
    QWidget form;
    auto* edit = new QLineEdit(&form);
    host.inputText(edit, true, "x");
    QVERIFY(TLumDlg::inputEmpty(edit));
    host.inputText(edit, false, "x");
    QCOMPARE(edit->text(), QStringLiteral("x"));

    auto* box = new QCheckBox(&form);
    host.checkBox(box, true, true);
    QVERIFY(TLumDlg::checkEmpty(box));
    host.checkBox(box, false, true);
    QVERIFY(!box->isTristate() && box->isChecked());

    auto* spin = new QSpinBox(&form);
    spin->setRange(0, 99);
    host.spinBox(spin, true, 5);
    QVERIFY(TLumDlg::spinEmpty(spin));
    QCOMPARE(spin->value(), -1);
    QCOMPARE(spin->text().trimmed(), QString()); // shown blank
    spin->setValue(7);                           // the operator typed a value
    QVERIFY(!TLumDlg::spinEmpty(spin));
    host.spinBox(spin, false, 5);
    QCOMPARE(spin->minimum(), 0);
    QCOMPARE(spin->value(), 5);

    auto* combo = new QComboBox(&form);
    QtWidgets::TComboBox ids(combo, 3);
    ids.insertItem(1, "Cash");
    ids.insertItem(2, "Card");
    host.comboCurrent(ids, true, 2);
    QVERIFY(TLumDlg::comboEmpty(ids));
    host.comboCurrent(ids, false, 2);
    QCOMPARE(ids.currentId(), 2);

    QButtonGroup group;
    auto* first = new QRadioButton(&form);
    auto* second = new QRadioButton(&form);
    group.addButton(first, 0);
    group.addButton(second, 1);
    host.checkRadio(&group, false, 1);
    QVERIFY(second->isChecked());
    host.checkRadio(&group, true, 1);
    QVERIFY(TLumDlg::radioEmpty(&group));
    QVERIFY(group.exclusive());

    auto* date = new QDateEdit(&form);
    date->setMinimumDate(QDate(2000, 1, 1));
    host.inputDate(date, true, QDate(2020, 5, 5));
    QVERIFY(TLumDlg::dateEmpty(date));
    QCOMPARE(date->text().trimmed(), QString());
    host.inputDate(date, false, QDate(2020, 5, 5));
    QVERIFY(!TLumDlg::dateEmpty(date));
    QCOMPARE(date->minimumDate(), QDate(2000, 1, 1));
    QCOMPARE(date->date(), QDate(2020, 5, 5));

    auto* stamp = new QDateTimeEdit(&form);
    host.inputDateTime(stamp, true, QDateTime());
    QVERIFY(TLumDlg::dateTimeEmpty(stamp));
}

void TestLumLib::idProposalsAndChecks()
{
    ScriptedPrompts prompts;
    Host host;
    Basics::TValueList list;
    for (int id : {1, 2, 4, 9})
        list.insert(named(id, QStringLiteral("record %1").arg(id)));
    QSpinBox spin;
    spin.setRange(1, 999999);
    host.setListID(&spin, &list, nullptr, false);
    QCOMPARE(spin.value(), 10);
    host.setListID(&spin, &list, nullptr, true);
    QCOMPARE(spin.value(), 3);
    spin.setMaximum(9); // the numbers above are used up
    host.setListID(&spin, &list, nullptr, false);
    QCOMPARE(spin.value(), 3);
    QLineEdit edit;
    host.setListID(&edit, &list, nullptr, false);
    QCOMPARE(edit.text(), QStringLiteral("10"));

    QVERIFY(!host.checkElement(nullptr, &list, 0));
    QVERIFY(!host.checkElement(nullptr, &list, 4));
    QVERIFY(host.checkElement(nullptr, &list, 5));
    QCOMPARE(prompts.messages.size(), 2);
    QVERIFY(prompts.messages.last().text.contains("record 4"));
}

void TestLumLib::movingTheSelection()
{
    TestHost host;
    Basics::TValueList* list = host.workspace->getData("families");
    for (int id = 1; id <= 5; ++id)
        list->insert(named(id, id % 2 ? "odd" : "even"));
    host.showList("families");
    Host dlg;
    host.select({2});
    QVERIFY(dlg.onNext(host.view));
    QCOMPARE(TLumListItem::of(host.view->selectedInOrder().first())->id(), 3);
    QVERIFY(dlg.onLast(host.view));
    QVERIFY(!dlg.onLast(host.view)); // already there
    QVERIFY(!dlg.onNext(host.view));
    QVERIFY(dlg.onPrev(host.view));
    QCOMPARE(TLumListItem::of(host.view->selectedInOrder().first())->id(), 4);
    host.select({2, 3});
    QVERIFY(dlg.onNext(host.view)); // after the last selected one
    QCOMPARE(host.view->selectedInOrder().size(), 1);
    QCOMPARE(TLumListItem::of(host.view->selectedInOrder().first())->id(), 4);
    QVERIFY(dlg.onFirst(host.view));
    QVERIFY(dlg.onMultiNext(host.view, 1, "odd"));
    QCOMPARE(TLumListItem::of(host.view->selectedInOrder().first())->id(), 3);
    QVERIFY(dlg.onMultiPrev(host.view, 1, "odd"));
    QCOMPARE(TLumListItem::of(host.view->selectedInOrder().first())->id(), 1);
    QVERIFY(!dlg.onMultiPrev(host.view, 1, "odd"));
    const int found = dlg.onFindItem(host.view, 1, "EV");
    QCOMPARE(host.view->selectedRows(), QList<int>{found});
    QCOMPARE(host.view->recordAt(found)->getID(), 2);
    QVERIFY(!dlg.onFirst(nullptr));
}

void TestLumLib::findingRows()
{
    TestHost host;
    Basics::TValueList* list = host.workspace->getData("articles");
    for (const auto& [id, name] : {std::pair{1, "Apple juice"}, {2, "Beer"}, {3, "Ginger beer"}})
        list->insert(named(id, name));
    host.showList("articles");
    QTreeWidgetItem* found = host.window->findListItem("BEER", host.view);
    QCOMPARE(TLumListItem::of(found)->id(), 2);
    found = host.window->findListItem("beer", host.view); // again: the next one
    QCOMPARE(TLumListItem::of(found)->id(), 3);
    found = host.window->findListItem("beer", host.view);
    QCOMPARE(TLumListItem::of(found)->id(), 2);
    QCOMPARE(host.window->findListItem("wine", host.view), nullptr);
    QCOMPARE(host.view->topLevelItem(0)->text(1), QStringLiteral("Apple juice")); // texts from the record
    list->find(1)->setName("Apple cider");
    QCOMPARE(host.view->topLevelItem(0)->text(1), QStringLiteral("Apple cider"));
}

namespace {

// Articles whose names and prices sort in ways that are easy to get wrong: texts ignoring case, past
// a common start of more than sixteen characters, with letters that fold to others and a character
// outside the basic plane; numbers by value, ties in their order.
const QList<TLumColumn> sortColumns = {
    {"Number", "id", TLumColumn::Number}, {"Name", "name"}, {"Price", "price", TLumColumn::Amount}};

void putSortCases(Basics::TValueList* list)
{
    const QStringList names = {"beer",
                               "Beer",
                               "Ale",
                               QStringLiteral("\u00c4pfel"),
                               "apfel",
                               "Weissbier vom Fass 0,5 l",
                               "weissbier vom fass 0,3 l",
                               QStringLiteral("\U0001F37A Special"),
                               QStringLiteral("\u1E9E"),
                               QStringLiteral("\u00df"),
                               QString()};
    const QStringList prices = {"250", "250", "-3", "1.5", "nan", "250", "7", "12", "0", "1e3", "250"};
    for (int id = 1; id <= names.size(); ++id) {
        TValue* article = named(id, names[id - 1]);
        article->set("price", prices[id - 1]);
        list->insert(article);
    }
}

// The ids of the rows in list order.
QList<int> rowIds(const TLumRecordRows& rows)
{
    QList<int> ids;
    for (int row = 0; row < rows.rowCount(); ++row)
        ids << rows.recordAt(row)->getID();
    return ids;
}

const QList<std::pair<int, Qt::SortOrder>> sortSteps = {
    {1, Qt::AscendingOrder}, {2, Qt::DescendingOrder}, {1, Qt::DescendingOrder}, {2, Qt::AscendingOrder}};

} // namespace

void TestLumLib::sortingByStoredValues()
{
    TestHost host;
    host.view->setColumns(sortColumns);
    Basics::TValueList* list = host.list("articles");
    putSortCases(list);
    host.showList("articles");
    const auto ids = [&host] { return rowIds(*host.view); };
    const auto expected = [&](int column, Qt::SortOrder order) {
        QList<int> sorted = ids();
        const TLumColumn& by = host.view->columns().at(column);
        std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) {
            const int c = by.compare(*list->find(a), *list->find(b));
            return order == Qt::AscendingOrder ? c < 0 : c > 0;
        });
        return sorted;
    };

    host.select({2, 5, 9});
    host.view->setCurrentItem(host.view->topLevelItem(4), 0, QItemSelectionModel::NoUpdate);
    for (const auto& [column, order] : sortSteps) {
        const QList<int> wanted = expected(column, order);
        host.view->sortByColumn(column, order);
        QCOMPARE(ids(), wanted);
    }
    QCOMPARE(TLumListItem::of(host.view->currentItem())->id(), 5);
    QList<int> selected;
    for (QTreeWidgetItem* item : host.view->selectedInOrder())
        selected << TLumListItem::of(item)->id();
    std::sort(selected.begin(), selected.end());
    QCOMPARE(selected, (QList<int>{2, 5, 9}));

    // With sorting on, a changed or new record finds its place once control returns.
    host.view->setSortingEnabled(true);
    host.view->sortByColumn(1, Qt::AscendingOrder);
    list->find(3)->setName("Zwickel");
    for (QTreeWidgetItem* item : host.view->itemsInOrder()) {
        if (TLumListItem::of(item)->id() == 3)
            TLumListItem::of(item)->refresh();
    }
    TValue* cider = named(99, "Cider");
    list->insert(cider);
    new TLumListItem(host.view, cider);
    QTRY_COMPARE(ids(), expected(1, Qt::AscendingOrder)); // "Ale", which was first, is now "Zwickel"
}

void TestLumLib::theWholeListViewSortsAsTheItemView()
{
    TestHost host;
    host.view->setColumns(sortColumns);
    Basics::TValueList* list = host.list("articles");
    putSortCases(list);
    host.showList("articles");
    TLumRecordView view;
    view.setColumns(sortColumns);
    view.setSortingEnabled(true);
    view.setRecords(std::vector<TValue*>(list->begin(), list->end()));
    QCOMPARE(rowIds(view), rowIds(*host.view));
    const auto selectedIds = [&view] {
        QList<int> ids;
        for (const TValue* record : view.selectedRecords())
            ids << record->getID();
        std::sort(ids.begin(), ids.end());
        return ids;
    };

    // The selection and the current row stay with their records.
    for (int id : {2, 5, 9})
        view.selectionModel()->select(view.model()->index(view.rowOf(list->find(id)), 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view.selectionModel()->setCurrentIndex(view.model()->index(view.rowOf(list->find(5)), 0),
                                           QItemSelectionModel::NoUpdate);
    for (const auto& [column, order] : sortSteps) {
        host.view->sortByColumn(column, order);
        view.sortByColumn(column, order);
        QCOMPARE(rowIds(view), rowIds(*host.view));
    }
    QCOMPARE(view.recordAt(view.currentRow())->getID(), 5);
    QCOMPARE(selectedIds(), (QList<int>{2, 5, 9}));

    // A changed record moves to its place at once, a new one comes in at its place, a deleted one
    // leaves; the selection stays with its records.
    host.view->setSortingEnabled(true);
    host.view->sortByColumn(1, Qt::AscendingOrder);
    view.sortByColumn(1, Qt::AscendingOrder);
    list->find(3)->setName("Zwickel");
    view.recordModel()->recordChanged(list->find(3));
    host.select({3});
    TLumListItem::of(host.view->selectedInOrder().first())->refresh();
    TValue* cider = named(99, "Cider");
    list->insert(cider);
    view.recordModel()->insertRecord(cider);
    new TLumListItem(host.view, cider);
    QTRY_COMPARE(rowIds(view), rowIds(*host.view));
    view.recordModel()->removeRecord(list->find(2));
    QCOMPARE(selectedIds(), (QList<int>{5, 9}));
    QCOMPARE(view.rowCount(), int(list->count()) - 1);

    // The editors move through it as through the item view.
    const int last = view.selectedRows().last();
    Host dlg;
    QVERIFY(dlg.onNext(&view));
    QCOMPARE(view.selectedRows(), QList<int>{last + 1});
    QVERIFY(dlg.onLast(&view));
    QCOMPARE(view.selectedRows(), QList<int>{view.rowCount() - 1});
}

void TestLumLib::workspaceListsAndNames()
{
    TestHost host;
    TLumWorkspace& workspace = *host.workspace;
    QVERIFY(qobject_cast<TCurrencies*>(workspace.getData("currencies")));
    QVERIFY(qobject_cast<PosLib::TSettings*>(workspace.getData("settings")));
    Basics::TValueList* payforms = workspace.getData("payforms");
    QVERIFY(payforms);
    QCOMPARE(payforms->fileName(), QStringLiteral("payform.dat"));
    QCOMPARE(payforms->elementName(), QStringLiteral("payform"));
    QCOMPARE(workspace.getData("payforms"), payforms); // one list per name
    QCOMPARE(workspace.getData("nonsense"), nullptr);
    QVERIFY(TLumWorkspace::knownLists().contains("pseudoproperties"));
    QCOMPARE(workspace.filePath("costcenters"), host.dir.filePath("usr/data/centers.dat"));

    QCOMPARE(workspace.GetActiveSetting(), nullptr);
    auto* setting = new PosLib::TSetting;
    setting->setID(0);
    workspace.getData("settings")->insert(setting);
    QCOMPARE(workspace.GetActiveSetting(), setting);
}

void TestLumLib::workspaceSavesOncePerTurn()
{
    QTemporaryDir dir;
    {
        TLumWorkspace workspace(dir.path());
        Basics::TValueList* list = workspace.getData("discounts");
        QSignalSpy saved(&workspace, &TLumWorkspace::listSaved);
        list->insert(named(1, "Staff"));
        list->insert(named(2, "Happy hour"));
        list->notifyChanged(list->find(1));
        QVERIFY(workspace.hasUnsavedChanges("discounts"));
        QTRY_COMPARE(saved.count(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(saved.count(), 1); // three reports, one save
        list->remove(list->find(2));
        QVERIFY(workspace.hasUnsavedChanges("discounts"));
    } // the destructor saves what is left
    Basics::TValueList reread;
    QCOMPARE(reread.load("discount.dat", QFile::encodeName(dir.filePath("usr/data")).constData()), 0);
    QCOMPARE(reread.count(), 1);
}

void TestLumLib::damagedFilesAreNeverSaved()
{
    QTemporaryDir dir;
    Basics::TValueList original;
    for (int id = 1; id <= 3; ++id)
        original.insert(named(id, "whole"));
    original.save("discount.dat", QFile::encodeName(dir.filePath("usr/data")).constData());
    const QString path = dir.filePath("usr/data/discount.dat");
    QByteArray bytes = readFile(path);
    bytes.chop(5);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    {
        TLumWorkspace workspace(dir.path());
        QSignalSpy failed(&workspace, &TLumWorkspace::loadFailed);
        Basics::TValueList* list = workspace.getData("discounts");
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.first().at(1).toString(), path);
        QVERIFY(workspace.isDamaged("discounts"));
        QCOMPARE(list->count(), 2); // what could be read
        list->insert(named(9, "new"));
        QVERIFY(!workspace.saveChanges());
    }
    QCOMPARE(readFile(path), bytes);
}

void TestLumLib::workspacesMergeRecordByRecord()
{
    // Two programs on one data root: each saves only what it changed, into what the other saved.
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    TLumWorkspace first(dir.path());
    Basics::TValueList* mine = first.getData("discounts");
    for (int id = 1; id <= 3; ++id)
        mine->insert(named(id, "original"));
    QVERIFY(first.saveChanges());
    TLumWorkspace second(dir.path());
    Basics::TValueList* theirs = second.getData("discounts");
    QCOMPARE(theirs->count(), 3);

    theirs->find(1)->setName("theirs");
    theirs->notifyChanged(theirs->find(1));
    theirs->remove(theirs->find(3));
    QVERIFY(second.saveChanges());
    mine->find(2)->setName("mine");
    mine->notifyChanged(mine->find(2));
    mine->insert(named(10, "new here"));
    QVERIFY(first.saveChanges());
    const auto names = [&] {
        Basics::TValueList file;
        file.load("discount.dat", QFile::encodeName(dir.filePath("usr/data")).constData());
        QStringList result;
        for (const Basics::TValue* value : file)
            result << QStringLiteral("%1 %2").arg(value->getID()).arg(value->getName());
        return result;
    };
    QCOMPARE(names(), (QStringList{"1 theirs", "2 mine", "10 new here"}));
    QVERIFY(prompts.messages.isEmpty());

    // The same record changed on both sides: the file's version stays until the operator says.
    second.reloadChangedFiles(); // as its watch of the folder would
    QCOMPARE(theirs->find(2)->getName(), QStringLiteral("mine"));
    theirs->find(2)->setName("theirs too");
    theirs->notifyChanged(theirs->find(2));
    QVERIFY(second.saveChanges());
    mine->find(2)->setName("mine again");
    mine->notifyChanged(mine->find(2));
    prompts.choices << 0; // keep the other version
    QVERIFY(first.saveChanges());
    QCOMPARE(names(), (QStringList{"1 theirs", "2 theirs too", "10 new here"}));
    QCOMPARE(prompts.messages.size(), 1);
    QVERIFY(prompts.messages.first().text.contains("records 2 of the list \"discounts\""));

    mine->find(2)->setName("mine after all");
    mine->notifyChanged(mine->find(2));
    prompts.choices << 1; // save mine
    QVERIFY(first.saveChanges());
    QCOMPARE(names(), (QStringList{"1 theirs", "2 mine after all", "10 new here"}));
    QCOMPARE(prompts.messages.size(), 2);
    // The list is read anew once nobody holds its records, with what the other program saved.
    QTRY_COMPARE(mine->count(), 3);
    QTRY_COMPARE(mine->find(1)->getName(), QStringLiteral("theirs"));
}

void TestLumLib::waitingForALockIsShown()
{
    TestHost host;
    Basics::TValueList* list = host.workspace->getData("discounts");
    list->insert(named(1, "locked"));
    QVERIFY(host.workspace->saveChanges());
    // A saver that stopped while it held the lock.
    Basics::TFile stopped(host.workspace->filePath("discounts") + ".new");
    QVERIFY(stopped.open(QIODevice::WriteOnly));
    Basics::TLockedFile::setLockTimeout(600);
    const auto restore =
        qScopeGuard([] { Basics::TLockedFile::setLockTimeout(Basics::TLockedFile::defaultLockTimeout); });
    QSignalSpy failed(host.workspace.get(), &TLumWorkspace::saveFailed);
    list->find(1)->setName("changed");
    list->notifyChanged(list->find(1));
    QVERIFY(!host.workspace->saveChanges());
    QCOMPARE(failed.count(), 1);
    QVERIFY(failed.first().at(2).toString().contains("error 318"));
    // The wait was shown, and is gone again.
    const QDialog* wait = host.window->findChild<QDialog*>("TLumWaitDlg");
    QVERIFY(wait);
    QVERIFY(wait->findChild<QLabel*>()->text().contains("discount.dat"));
    QVERIFY(!wait->isVisible());
}

void TestLumLib::rightsAndSwitches()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lumconfig.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\r\nRestOfWorld = yes\r\n[KostForms]\r\n; the summaries\r\nForm1 = A All centres\r\n"
               "Form2 = B By waiter\r\n[Rights]\r\nTPayformDlg = none\r\n* = readonly\r\n"
               "[Rights.3]\r\n* = full\r\nTVatRateDlg = readonly\r\n");
    file.close();
    TLumConfig config(path);
    QCOMPARE(config.right("TCurrencyDlg", 0), TLumConfig::ReadOnly);
    QCOMPARE(config.right("TPayformDlg", 0), TLumConfig::NoAccess);
    QCOMPARE(config.right("TCurrencyDlg", 3), TLumConfig::Full);
    QCOMPARE(config.right("TVatRateDlg", 3), TLumConfig::ReadOnly);
    QCOMPARE(config.right("TPayformDlg", 3), TLumConfig::Full); // the user's "*" comes first
    QVERIFY(config.restOfWorld());
    QVERIFY(!config.doTaxComposite());
    QCOMPARE(config.getKostForms(), (QStringList{"A All centres", "B By waiter"}));

    TLumConfig missing(dir.filePath("absent.ini"));
    QCOMPARE(missing.right("TCurrencyDlg", 0), TLumConfig::Full);
    QVERIFY(missing.getKostForms().isEmpty());
    QVERIFY(missing.errorText().isEmpty());

    // A configuration that cannot be read withholds every right, and says why.
    QVERIFY(QDir(dir.path()).mkdir("folder.ini"));
    TLumConfig unreadable(dir.filePath("folder.ini"));
    QCOMPARE(unreadable.right("TCurrencyDlg", 3), TLumConfig::ReadOnly);
    QVERIFY(unreadable.errorText().contains("folder.ini"));
}

void TestLumLib::suggestionsKeepTheRestOfTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lumconfig.ini");
    const QByteArray original = "; installation of the bar\r\n[Rights]\r\n* = full\r\n";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(original);
    file.close();
    {
        TLumConfig config(path);
        QVERIFY(config.GetTextGroupSuggestionsList().isEmpty());
        config.SetTextGroupSuggestionsList({"Drinks", "Food"});
        config.save();
    }
    const QByteArray written = readFile(path);
    QVERIFY(written.startsWith(original)); // 8-bit as it was read, the lines kept
    TLumConfig again(path);
    QCOMPARE(again.GetTextGroupSuggestionsList(), (QStringList{"Drinks", "Food"}));
}

void TestLumLib::printerChooser()
{
    TestHost host;
    host.workspace->getData("prnconfigs")->insert(named(1, "Bar printer"));
    host.workspace->getData("prnconfigs")->insert(named(2, "Kitchen"));
    host.workspace->getData("layconfigs")->insert(named(5, "Bill"));
    TPrnPrintDlg dialog(0, host.workspace.get(), host.window.get(), "TPrnPrintDlg");
    dialog.setData(2, 5);
    int printer = 0;
    int layout = 0;
    dialog.getData(printer, layout);
    QCOMPARE(printer, 2);
    QCOMPARE(layout, 5);
    QVERIFY(dialog.findChild<QPushButton*>("buttonOk")->isEnabled());
}

void TestLumLib::documents()
{
    TestHost host;
    TLumDocument* document = host.workspace->get("actionlogs");
    QCOMPARE(host.workspace->get("actionlogs"), document);
    document->listView()->setColumns({{"Number", "id", TLumColumn::Number}, {"Name", "name"}});
    TValue entry;
    entry.setID(4);
    entry.setName("Top-up <10>");
    new TLumListItem(document->listView(), &entry);
    QDomDocument doc;
    QDomElement root = doc.createElement("Actions");
    document->exportXml(doc, root);
    QCOMPARE(root.firstChildElement("actionlogs").firstChildElement("name").text(),
             QStringLiteral("Top-up <10>"));
    // Without a printer the printout goes to the PDF file the operator names.
    ScriptedPrompts prompts;
    const QString pdf = host.dir.filePath("log.pdf");
    prompts.texts << pdf;
    QVERIFY(document->print(host.window.get(), "Action log"));
    QCOMPARE(prompts.messages.value(0).caption, QStringLiteral("Print to PDF"));
    QVERIFY(readFile(pdf).startsWith("%PDF"));
    QVERIFY(!document->print(host.window.get(), "Action log")); // cancelled
}

void TestLumLib::amountsInTheSystemCurrency_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<char>("sign");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("2 places") << 2 << ',' << qint64(123456) << "1234,56";
    QTest::newRow("2 places, point") << 2 << '.' << qint64(-150) << "-1.50";
    QTest::newRow("minus half a unit") << 2 << ',' << qint64(-50) << "-0,50";
    QTest::newRow("minus a cent") << 2 << ',' << qint64(-1) << "-0,01";
    QTest::newRow("zero") << 2 << ',' << qint64(0) << "0,00";
    QTest::newRow("no sign set") << 2 << '\0' << qint64(705) << "7.05";
    QTest::newRow("0 places") << 0 << ',' << qint64(-1234) << "-1234";
    QTest::newRow("-1 places") << -1 << ',' << qint64(123) << "1230";
    QTest::newRow("3 places") << 3 << ',' << qint64(-999) << "-0,999";
}

void TestLumLib::amountsInTheSystemCurrency()
{
    QFETCH(int, decimals);
    QFETCH(char, sign);
    QFETCH(qint64, amount);
    QFETCH(QString, text);
    TCurrencies currencies;
    auto* system = new PosLib::TCurrency;
    system->setID(1);
    system->setDecPos(decimals);
    system->setDecChar(sign);
    currencies.insert(system);
    QCOMPARE(currencies.amountToText(amount), text);
    QCOMPARE(currencies.textToAmount(text), amount); // and back
}

void TestLumLib::amountsWithoutSystemCurrency()
{
    TCurrencies currencies;
    auto* euro = new PosLib::TCurrency;
    euro->setID(1);
    euro->setDecPos(2);
    currencies.insert(euro);
    // Reading: the first comma is a point, rounding is half up and exact.
    QCOMPARE(currencies.textToAmount("12,345"), qint64(1235));
    QCOMPARE(currencies.textToAmount("1.005"), qint64(101)); // 100.4999... in binary
    QCOMPARE(currencies.textToAmount("-12.345"), qint64(-1234));
    QCOMPARE(currencies.textToAmount("-12.3451"), qint64(-1235));
    QCOMPARE(currencies.textToAmount(".5"), qint64(50));
    QCOMPARE(currencies.textToAmount("1e2"), qint64(10000));
    QCOMPARE(currencies.textToAmount("abc"), qint64(0));
    euro->setDecPos(-1);
    QCOMPARE(currencies.textToAmount("1235"), qint64(124));

    currencies.setSystemCurrencyId(9); // no such currency: plain integers
    QCOMPARE(currencies.amountToText(-1234), QStringLiteral("-1234"));
    QCOMPARE(currencies.textToAmount("1234."), qint64(1234));
    QCOMPARE(currencies.textToAmount("12,5"), qint64(0));
}

void TestLumLib::workspaceDatabase()
{
    TestHost host;
    QSqlDatabase db = host.workspace->database();
    QVERIFY2(db.isOpen(), qPrintable(host.workspace->databaseError()));
    QVERIFY(QFile::exists(host.dir.filePath("var/db/poscash.sqlite")));
    QCOMPARE(db.driverName(), QStringLiteral("QODBC")); // through the SQLite3 ODBC driver
    QSqlQuery insert(db);
    QVERIFY(insert.prepare("INSERT INTO Kostenstellen (KSCode, Bezeichnung) VALUES (?, ?)"));
    insert.addBindValue(7);
    insert.addBindValue(QStringLiteral("Terrasse \u00fcberdacht"));
    QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));
    QSqlQuery select(db);
    QVERIFY(select.exec("SELECT KstNr, Bezeichnung FROM Kostenstellen WHERE KSCode = 7"));
    QVERIFY(select.next());
    QVERIFY(select.value(0).toInt() > 0);
    QCOMPARE(select.value(1).toString(), QStringLiteral("Terrasse \u00fcberdacht"));
}

QTEST_MAIN(TestLumLib)
#include "tst_lumlib.moc"
