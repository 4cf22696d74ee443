// The shared widgets, driven as the operator drives them: the id chooser with its type-ahead
// filter, the check-list item, the coloured list item and the removal confirmation.

#include "tcombobox.h"
#include "tdlgremove.h"
#include "tlistviewcheck.h"
#include "tlistviewitem.h"
#include "tvaluelist.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

using Basics::TValue;
using Basics::TValueList;
using QtWidgets::TComboBox;
using QtWidgets::TDlgRemove;
using QtWidgets::TListViewCheck;
using QtWidgets::TListViewItem;

namespace {

// A list of records from id/name pairs.
std::unique_ptr<TValueList> records(const QList<std::pair<int, QString>>& entries)
{
    auto list = std::make_unique<TValueList>();
    for (const auto& [id, name] : entries) {
        auto* value = new TValue;
        value->setID(id);
        value->setName(name);
        list->insert(value);
    }
    return list;
}

QStringList items(const QComboBox& combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}

// Beer, Tea and Bread with width 3, the filter on, in a shown combo box.
struct Drinks {
    QComboBox combo;
    TComboBox chooser{&combo, 3};
    std::unique_ptr<TValueList> list = records({{1, "Beer"}, {2, "Tea"}, {3, "Bread"}});

    Drinks()
    {
        chooser.fill(list.get());
        chooser.enableFilter();
        combo.show();
        // As when the operator tabs into the field: the current text is selected, typing replaces it.
        combo.lineEdit()->setFocus();
        combo.lineEdit()->selectAll();
    }

    void type(const QString& text) { QTest::keyClicks(combo.lineEdit(), text); }
    void erase(int count)
    {
        for (int i = 0; i < count; ++i)
            QTest::keyClick(combo.lineEdit(), Qt::Key_Backspace);
    }
};

const QStringList allDrinks{"  1)  Beer", "  2)  Tea", "  3)  Bread"};

} // namespace

class TestWidgets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void itemTexts_data();
    void itemTexts();
    void fillSortsLeadingEntriesAmongRecords();
    void setCurrentIdOfMissingId();
    void everyOperationWithoutComboDoesNothing();
    void manyItemsKeepTheSizeOfTheirLongestText();

    void typingNarrowsAndClearingRestores();
    void narrowingAndWideningAgree();
    void choosingWhileFilteredRestoresAll_data();
    void choosingWhileFilteredRestoresAll();
    void fillWhileFilterOnKeepsFiltering();
    void manyItemsMatchAlikeBeforeAndAfterIndexing();
    void disableFilterRestoresSettings();

    void checkItemTogglesOnce();
    void listItemPaintsOwnColours();

    void removeDialogShowsRows();
    void removeDialogAnswers_data();
    void removeDialogAnswers();
};

void TestWidgets::itemTexts_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");
    QTest::newRow("width 3") << 5 << "Cash" << 3 << "  5)  Cash";
    QTest::newRow("width 5") << 37 << "Beer" << 5 << "   37)  Beer";
    QTest::newRow("wider than width") << 12345 << "Wine" << 3 << "12345)  Wine";
    QTest::newRow("negative id") << -7 << "Loss" << 3 << " -7)  Loss";
    QTest::newRow("no name") << 9 << "" << 3 << "  9)  ";
    QTest::newRow("left aligned") << 5 << "Cash" << -3 << "5  )  Cash";
    QTest::newRow("parenthesis in name") << 12 << "Pils (0.5)" << 3 << " 12)  Pils (0.5)";
}

void TestWidgets::itemTexts()
{
    QFETCH(int, id);
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(QString, text);
    QCOMPARE(TComboBox::itemText(id, name, width), text);
    QCOMPARE(TComboBox::idOf(text), id);
}

void TestWidgets::fillSortsLeadingEntriesAmongRecords()
{
    QComboBox combo;
    TComboBox chooser(&combo, 3);
    auto list = records({{12, "Wine"}, {3, "Tea"}, {1000, "Gift"}});
    chooser.insertItem(0, "None specified");
    chooser.insertItem(7, "Water");
    chooser.fill(list.get());

    QCOMPARE(items(combo),
             (QStringList{"  0)  None specified", "  3)  Tea", "  7)  Water", " 12)  Wine", "1000)  Gift"}));
    QCOMPARE(combo.currentIndex(), 0);
    QCOMPARE(chooser.currentId(), 0);
    QCOMPARE(chooser.name(12), "Wine");
    QCOMPARE(chooser.name(0), "None specified");
    QCOMPARE(chooser.name(99), QString());

    chooser.setCurrentId(12);
    QCOMPARE(combo.currentText(), " 12)  Wine");
    QCOMPARE(chooser.currentId(), 12);

    chooser.clear();
    QCOMPARE(combo.count(), 0);
    QCOMPARE(chooser.currentId(), -1);
    QCOMPARE(chooser.name(12), QString());
    QCOMPARE(TComboBox::idOf("42"), 42);
    QCOMPARE(TComboBox::idOf("Beer"), 0);
}

void TestWidgets::setCurrentIdOfMissingId()
{
    auto list = records({{1, "Beer"}, {3, "Bread"}});

    QComboBox plain;
    TComboBox plainChooser(&plain, 3);
    plainChooser.fill(list.get());
    plainChooser.setCurrentId(2);
    QCOMPARE(plain.currentText(), "  2)  ");
    QCOMPARE(plainChooser.currentId(), 2);
    QCOMPARE(items(plain), (QStringList{"  1)  Beer", "  2)  ", "  3)  Bread"}));

    QComboBox editable;
    editable.setEditable(true);
    TComboBox editableChooser(&editable, 3);
    editableChooser.fill(list.get());
    editableChooser.setCurrentId(2);
    QCOMPARE(editable.currentText(), "  2)  ");
    QCOMPARE(editableChooser.currentId(), 2);
    QCOMPARE(editable.count(), 2);
}

void TestWidgets::everyOperationWithoutComboDoesNothing()
{
    auto list = records({{1, "Beer"}});
    TComboBox none(nullptr, 3);
    auto* combo = new QComboBox;
    TComboBox gone(combo, 3);
    delete combo;
    for (TComboBox* chooser : {&none, &gone}) {
        chooser->fill(list.get());
        chooser->insertItem(2, "Tea");
        chooser->setCurrentId(1);
        chooser->enableFilter();
        chooser->setFilterString("be");
        chooser->clear();
        QCOMPARE(chooser->currentId(), -1);
        QCOMPARE(chooser->combo(), nullptr);
        QVERIFY(!chooser->filterEnabled());
    }
}

void TestWidgets::manyItemsKeepTheSizeOfTheirLongestText()
{
    // Above a thousand items the width comes from the longest texts rather than from measuring all.
    TValueList list;
    QComboBox measured;
    for (int id = 1; id <= 2000; ++id) {
        auto* value = new TValue;
        value->setID(id);
        value->setName(id % 7 ? QString("Article %1").arg(id) : QString("Wide WWW article %1").arg(id));
        list.insert(value);
        measured.addItem(TComboBox::itemText(id, value->getName(), 5));
    }
    QComboBox combo;
    TComboBox chooser(&combo, 5);
    chooser.fill(&list);
    // Never narrower; wider by less than the character width it is counted in.
    const int extra = combo.sizeHint().width() - measured.sizeHint().width();
    QVERIFY2(extra >= 0 && extra < combo.fontMetrics().horizontalAdvance('X'), QByteArray::number(extra));
    QCOMPARE(combo.sizeHint().height(), measured.sizeHint().height());
}

void TestWidgets::typingNarrowsAndClearingRestores()
{
    Drinks drinks;
    QVERIFY(drinks.combo.isEditable());
    QCOMPARE(drinks.combo.completer(), nullptr);

    drinks.type("B");
    QCOMPARE(items(drinks.combo), (QStringList{"  1)  Beer", "  3)  Bread"}));
    drinks.type("e");
    QCOMPARE(items(drinks.combo), QStringList{"  1)  Beer"});
    QCOMPARE(drinks.combo.lineEdit()->text(), "Be");
    QCOMPARE(drinks.combo.lineEdit()->cursorPosition(), 2);
    QCOMPARE(drinks.chooser.filterString(), "Be");

    // Return keeps the typed text out of the items.
    QTest::keyClick(drinks.combo.lineEdit(), Qt::Key_Return);
    QCOMPARE(drinks.combo.count(), 1);

    drinks.erase(2);
    QCOMPARE(items(drinks.combo), allDrinks);
    QCOMPARE(drinks.combo.currentIndex(), 0);
    QCOMPARE(drinks.chooser.currentId(), 1);
    QVERIFY(drinks.chooser.filterString().isEmpty());

    // The first item's text is selected, so typing starts a new filter.
    drinks.type("t");
    QCOMPARE(items(drinks.combo), QStringList{"  2)  Tea"});
    QCOMPARE(drinks.combo.lineEdit()->text(), "t");
}

void TestWidgets::narrowingAndWideningAgree()
{
    QComboBox combo;
    TComboBox chooser(&combo, 3);
    auto list = records({{1, "Beer"}, {2, "Tea"}, {3, "Bread"}, {4, "Red wine"}, {5, "Berry juice"}});
    chooser.fill(list.get());
    chooser.enableFilter();

    combo.lineEdit()->setText("r");
    QCOMPARE(combo.count(), 4);
    combo.lineEdit()->setText("re");
    QCOMPARE(items(combo), (QStringList{"  3)  Bread", "  4)  Red wine"}));
    // Not an extension of "re": the whole list is searched again.
    combo.lineEdit()->setText("e");
    QCOMPARE(combo.count(), 5);
    combo.lineEdit()->setText("er");
    QCOMPARE(items(combo), (QStringList{"  1)  Beer", "  5)  Berry juice"}));
    combo.lineEdit()->setText("zz");
    QCOMPARE(combo.count(), 0);
    combo.lineEdit()->setText("5");
    QCOMPARE(items(combo), QStringList{"  5)  Berry juice"});
    // Letters beyond a-z and other characters ignore case as well.
    chooser.insertItem(6, "Crème brûlée");
    combo.lineEdit()->setText("ÈME B");
    QCOMPARE(items(combo), QStringList{"  6)  Crème brûlée"});
    combo.lineEdit()->setText("e b");
    QCOMPARE(items(combo), (QStringList{"  6)  Crème brûlée"}));
}

void TestWidgets::choosingWhileFilteredRestoresAll_data()
{
    QTest::addColumn<bool>("byPopup");
    QTest::newRow("arrow key") << false;
    QTest::newRow("popup click") << true;
}

void TestWidgets::choosingWhileFilteredRestoresAll()
{
    QFETCH(bool, byPopup);
    Drinks drinks;
    QSignalSpy activated(&drinks.combo, &QComboBox::activated);
    drinks.type("br");
    QCOMPARE(items(drinks.combo), QStringList{"  3)  Bread"});

    if (byPopup) {
        drinks.combo.showPopup();
        QAbstractItemView* view = drinks.combo.view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QRect rect = view->visualRect(view->model()->index(0, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.first().first().toInt(), 2);
    } else {
        QTest::keyClick(drinks.combo.lineEdit(), Qt::Key_Down);
    }
    QCOMPARE(items(drinks.combo), allDrinks);
    QCOMPARE(drinks.combo.currentIndex(), 2);
    QCOMPARE(drinks.chooser.currentId(), 3);
    QCOMPARE(drinks.combo.lineEdit()->text(), "  3)  Bread");

    // Choosing without a filter changes nothing.
    QTest::keyClick(drinks.combo.lineEdit(), Qt::Key_Up);
    QCOMPARE(drinks.combo.count(), 3);
    QCOMPARE(drinks.chooser.currentId(), 2);
}

void TestWidgets::fillWhileFilterOnKeepsFiltering()
{
    QComboBox combo;
    TComboBox chooser(&combo, 3);
    chooser.insertItem(0, "None specified");
    chooser.enableFilter();
    auto list = records({{1, "Beer"}, {2, "Tea"}, {3, "Bread"}});
    chooser.fill(list.get());
    QCOMPARE(combo.count(), 4);
    QCOMPARE(chooser.currentId(), 0);

    combo.lineEdit()->setText("b");
    QCOMPARE(items(combo), (QStringList{"  1)  Beer", "  3)  Bread"}));

    // Filling while filtered starts again from all items.
    auto more = records({{4, "Berry juice"}});
    chooser.fill(more.get());
    QCOMPARE(combo.count(), 5);
    QVERIFY(chooser.filterString().isEmpty());
    combo.lineEdit()->setText("be");
    QCOMPARE(items(combo), (QStringList{"  1)  Beer", "  4)  Berry juice"}));

    chooser.setCurrentId(2);
    QCOMPARE(combo.count(), 5);
    QCOMPARE(combo.currentText(), "  2)  Tea");

    chooser.clear();
    combo.lineEdit()->setText("be");
    QCOMPARE(combo.count(), 0);
}

void TestWidgets::manyItemsMatchAlikeBeforeAndAfterIndexing()
{
    // Too many to index at once: typing before the idle index is done searches the names instead.
    // Names longer than the index keeps, with characters beyond Latin-1 (µ folds beyond it), and
    // plain ones; texts that narrow, that start afresh, and that begin in the id.
    TValueList list;
    for (int id = 1; id <= 6000; ++id) {
        auto* value = new TValue;
        value->setID(id);
        value->setName(id % 3 == 0   ? QString("Article with a rather long name, number %1 Ünïcode").arg(id)
                       : id % 3 == 1 ? QString("Čaj %1 µ").arg(id)
                                     : QString("Beer %1").arg(id));
        list.insert(value);
    }
    QComboBox combo;
    TComboBox chooser(&combo, 5);
    chooser.fill(&list);
    chooser.enableFilter();
    QVERIFY(!chooser.filterIndexComplete());

    const QStringList texts{"b", "be", "BEER 59", "čaj", "µ", "ünï", "ïcode", "5) ", "1", "zz"};
    const auto typeAll = [&] {
        QList<QStringList> shown;
        for (const QString& text : texts) {
            combo.lineEdit()->setText(text);
            shown << items(combo);
        }
        combo.lineEdit()->clear();
        return shown;
    };
    const QList<QStringList> fromNames = typeAll();
    QCOMPARE(fromNames[texts.indexOf("BEER 59")].size(), 39);
    QCOMPARE(fromNames[texts.indexOf("čaj")].size(), 2000);
    QCOMPARE(fromNames[texts.indexOf("µ")].size(), 2000);
    QCOMPARE(fromNames[texts.indexOf("ïcode")].size(), 2000);
    QCOMPARE(fromNames[texts.indexOf("5) ")].size(), 600);

    QCoreApplication::processEvents(); // part of the index
    QCOMPARE(typeAll(), fromNames);
    while (!chooser.filterIndexComplete())
        QCoreApplication::processEvents();
    QCOMPARE(typeAll(), fromNames);
}

void TestWidgets::disableFilterRestoresSettings()
{
    Drinks drinks;
    drinks.type("tea");
    drinks.chooser.disableFilter();
    QVERIFY(!drinks.combo.isEditable());
    QCOMPARE(items(drinks.combo), allDrinks);
    drinks.combo.setEditable(true);
    drinks.combo.setEditText("be");
    QCOMPARE(drinks.combo.count(), 3);
}

void TestWidgets::checkItemTogglesOnce()
{
    QTreeWidget view;
    auto* first = new TListViewCheck(&view, "Monday");
    auto* item = new TListViewCheck(&view, first, "Tuesday");
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy toggled(item, &TListViewCheck::toggled);

    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.rect = view.visualItemRect(item);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = item->text(0);
    const QRect check = view.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &view);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, check.center());
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.first().at(0).value<TListViewCheck*>(), item);
    QCOMPARE(toggled.first().at(1).toBool(), true);
    QVERIFY(item->isOn());
    QVERIFY(!first->isOn());

    view.setCurrentItem(item);
    QTest::keyClick(view.viewport(), Qt::Key_Space);
    QCOMPARE(toggled.count(), 2);
    QCOMPARE(toggled.last().at(1).toBool(), false);
    QCOMPARE(item->checkState(0), Qt::Unchecked);

    // Setting the state it has is no toggle; blocked signals stay silent.
    item->setOn(false);
    item->setText(0, "Sunday");
    QCOMPARE(toggled.count(), 2);
    item->blockSignals(true);
    item->setOn(true);
    item->blockSignals(false);
    QVERIFY(item->isOn());
    QCOMPARE(toggled.count(), 2);
}

void TestWidgets::listItemPaintsOwnColours()
{
    QTreeWidget view;
    view.setColumnCount(8);
    auto* top = new TListViewItem(&view, nullptr, "1", "Cash");
    auto* item = new TListViewItem(&view, top, "2", "Card", "c", "d", "e", "f", "g", "h");
    auto* first = new TListViewItem(&view, nullptr, "0", "None");
    QCOMPARE(view.indexOfTopLevelItem(first), 0);
    QCOMPARE(view.indexOfTopLevelItem(item), 2);
    QCOMPARE(item->text(7), "h");

    const QColor base(10, 200, 30);
    item->setBaseColor(base);
    item->setTextColor(Qt::white);
    QVERIFY(!item->data(1, Qt::BackgroundRole).isValid());
    item->setUseOwnColors(true);
    QCOMPARE(item->data(1, Qt::BackgroundRole).value<QBrush>().color(), base);
    QCOMPARE(item->data(1, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::white));

    view.resize(400, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // Right of the short text of column 1, in the row of the item and in the row above it.
    const QImage image = view.viewport()->grab().toImage();
    const int x = view.header()->sectionViewportPosition(1) + view.header()->sectionSize(1) - 3;
    QCOMPARE(image.pixelColor(x, view.visualItemRect(item).center().y()), base);
    QVERIFY(image.pixelColor(x, view.visualItemRect(top).center().y()) != base);
}

void TestWidgets::removeDialogShowsRows()
{
    TDlgRemove dialog;
    dialog.setColumns({"Number", "Name"});
    dialog.addRow({"1", "Euro"});
    dialog.addRow({"2", "Swiss franc"});
    QVERIFY(dialog.m_No->isDefault()); // Return does not delete
    QCOMPARE(dialog.rowCount(), 2);
    QCOMPARE(dialog.m_Items->headerItem()->text(1), "Name");
    QCOMPARE(dialog.m_Items->topLevelItem(1)->text(1), "Swiss franc");

    TDlgRemove single;
    single.addRow({"Euro"});
    QVERIFY(single.m_Items->isHeaderHidden());
}

void TestWidgets::removeDialogAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("result");
    QTest::newRow("yes") << "yes" << int(QDialog::Accepted);
    QTest::newRow("no") << "no" << int(QDialog::Rejected);
    QTest::newRow("return") << "return" << int(QDialog::Rejected);
    QTest::newRow("alt+y") << "alt+y" << int(QDialog::Accepted);
}

void TestWidgets::removeDialogAnswers()
{
    QFETCH(QString, answer);
    QFETCH(int, result);
    TDlgRemove dialog;
    dialog.addRow({"Euro"});
    bool answered = false;
    QTimer::singleShot(0, &dialog, [&] {
        auto* shown = qobject_cast<TDlgRemove*>(QApplication::activeModalWidget());
        if (!shown) {
            dialog.done(-1);
            return;
        }
        answered = true;
        if (answer == "yes")
            QTest::mouseClick(shown->m_Yes, Qt::LeftButton);
        else if (answer == "no")
            QTest::mouseClick(shown->m_No, Qt::LeftButton);
        else if (answer == "return")
            QTest::keyClick(shown->focusWidget(), Qt::Key_Return);
        else if (shown->activateWindow(); QTest::qWaitForWindowActive(shown))
            QTest::keyClick(shown->focusWidget(), Qt::Key_Y, Qt::AltModifier);
        // A shortcut clicks its button with a short animation.
        if (!QTest::qWaitFor([shown] { return !shown->isVisible(); }))
            shown->done(-1);
    });
    QCOMPARE(dialog.exec(), result);
    QVERIFY(answered);
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
