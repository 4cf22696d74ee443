// The editors of menu cards, table configurations and subvention maps, driven as an operator drives
// them: what each stores, the rules of its own, and references to records that are gone. (What
// every editor shares is held by the frame's tests.) The workspace has a currency list, so amounts
// read "2,50".

#include "lumtesthost.h"
#include "tdevicelist.h"
#include "tmenucarddlg.h"
#include "tmenucardlists.h"
#include "tpayformdlg.h"
#include "tsubventmapdlg.h"
#include "ttablecfgdlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QThread>
#include <QTimer>

namespace {

// A card reader as the host lists it: it reports the text of every card read, from a thread of
// its own.
class TestReader : public Devices::TDevice {
    Q_OBJECT
public:
    TestReader()
        : TDevice(QStringLiteral("TestReader"))
    {
    }

    void read(const QString& text)
    {
        std::unique_ptr<QThread> thread(QThread::create([this, text] { emit dataChanged(text); }));
        thread->start();
        thread->wait();
    }

Q_SIGNALS:
    void dataChanged(const QString& text);
};

// Clicks a row of a list (with Ctrl: adds it to the selection).
void clickRow(QTreeWidget* list, int row, Qt::KeyboardModifiers modifiers = {})
{
    const QRect rect = list->visualItemRect(list->topLevelItem(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
}

void doubleClickRow(QTreeWidget* list, int row)
{
    // The first click of the two, then the second one that makes it a double click.
    clickRow(list, row);
    const QPoint at = list->visualItemRect(list->topLevelItem(row)).center();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

QStringList plus(QWidget* dialog, const char* list)
{
    return column(child<QTreeWidget>(dialog, list), 0);
}

} // namespace

class TestVenueEditors : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void menuCardMovesArticlesBetweenTheLists();
    void menuCardFamilyFilters();
    void severalMenuCardsChangeNameAndLevelOnly();
    void menuCardPricesAndSearch();
    void newTableStoresNoDefaults();
    void guestQuestionsExcludeEachOther();
    void cardReaderFillsTheOrderCard();
    void missingRecordsAreCreatedFromTheTable();
    void referencesToMissingRecordsStay();
    void subventMapPeriodCountAndPayform();
    void wrongSubventionIsRefused();

private:
    Basics::TValue* find(const char* list, int id)
    {
        return m_host->list(QString::fromLatin1(list))->find(id);
    }

    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TestHost> m_host;
};

void TestVenueEditors::init()
{
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_host = std::make_unique<TestHost>();
    TestHost& h = *m_host;
    h.put("currencies", 1, {{"name", "Euro"}, {"shortname", "EUR"}, {"decpos", "2"}});
    h.put("families", 3, {{"name", "Coffee"}});
    h.put("families", 4, {{"name", "Beer"}});
    h.put("articles", 7, {{"name", "Espresso"}, {"price", "250"}, {"family", "3"}});
    h.put("articles", 12, {{"name", "Lager"}, {"price", "420"}, {"family", "4"}});
    h.put("articles", 20, {{"name", "Cappuccino"}, {"price", "1200"}, {"family", "3"}});
    h.put("articles", 25, {{"name", "Stout"}, {"price", "480"}, {"family", "4"}});
    h.put("articles", 31, {{"name", "Espresso double"}, {"price", "390"}, {"family", "3"}});
    h.put("pricelevels", 1, {{"name", "Normal"}});
    h.put("pricelevels", 2, {{"name", "Happy hour"}, {"start", "1700"}, {"end", "1930"}});
    h.put("menucards", 1, {{"name", "Lunch"}, {"excludes", "12:7"}});
    h.put("menucards", 2, {{"name", "Bar"}, {"pricelevel", "2"}, {"excludes", "20"}});
    h.put("payforms", 1, {{"name", "Cash"}});
    h.put("payforms", 5, {{"name", "Staff account"}});
    h.put("subventions", 1, {{"name", "Staff price"}});
    h.put("subventions", 2, {{"name", "Canteen"}});
    h.put("tablecfgs", 1, {{"name", "Table 1"}, {"doaskguests", "2"}});
    h.put("tablecfgs", 2, {{"name", "Table 2"}, {"menucard", "9"}, {"payform", "5"}});
    h.put("subventmaps", 1, {{"name", "Staff meal"}, {"subventid", "1"}, {"payformid", "7"}});
}

void TestVenueEditors::cleanup()
{
    m_host.reset();
    m_prompts.reset();
}

void TestVenueEditors::menuCardMovesArticlesBetweenTheLists()
{
    auto dialog = m_host->open<TMenuCardDlg>({1});
    dialog->show();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit menu card"));
    QCOMPARE(plus(dialog.get(), "m_Forbidden"), (QStringList{"7", "12"}));
    QCOMPARE(plus(dialog.get(), "m_Allowed"), (QStringList{"20", "25", "31"}));
    auto* forbid = child<QPushButton>(dialog.get(), "b_Forbid");
    QVERIFY(!forbid->isEnabled()); // nothing selected yet

    auto* allowed = child<QTreeWidget>(dialog.get(), "m_Allowed");
    clickRow(allowed, 0);
    clickRow(allowed, 2, Qt::ControlModifier);
    QVERIFY(forbid->isEnabled());
    click(dialog.get(), "b_Forbid");
    QCOMPARE(plus(dialog.get(), "m_Forbidden"), (QStringList{"7", "12", "20", "31"}));
    doubleClickRow(child<QTreeWidget>(dialog.get(), "m_Forbidden"), 1); // Lager back
    QCOMPARE(plus(dialog.get(), "m_Allowed"), (QStringList{"12", "25"}));
    click(dialog.get(), "buttonOk");
    QCOMPARE(find("menucards", 1)->getString("excludes"), QStringLiteral("7:20:31"));

    // Everything allowed again: the attribute goes.
    auto again = m_host->open<TMenuCardDlg>({1});
    click(again.get(), "b_AllowAll");
    QVERIFY(!child<QPushButton>(again.get(), "b_AllowAll")->isEnabled());
    click(again.get(), "buttonOk");
    QVERIFY(!find("menucards", 1)->contains("excludes"));

    // An excluded article that no longer exists is dropped when the card is saved.
    find("menucards", 2)->set("excludes", "20:99");
    auto bar = m_host->open<TMenuCardDlg>({2});
    QCOMPARE(plus(bar.get(), "m_Forbidden"), (QStringList{"20"}));
    click(bar.get(), "buttonOk");
    QCOMPARE(find("menucards", 2)->getString("excludes"), QStringLiteral("20"));
}

void TestVenueEditors::menuCardFamilyFilters()
{
    auto dialog = m_host->open<TMenuCardDlg>({1});
    choose(child<QComboBox>(dialog.get(), "m_AFamily"), 3);
    QCOMPARE(plus(dialog.get(), "m_Allowed"), (QStringList{"20", "31"}));
    click(dialog.get(), "b_ForbidAll"); // the coffees only
    QCOMPARE(plus(dialog.get(), "m_Allowed"), QStringList());
    choose(child<QComboBox>(dialog.get(), "m_AFamily"), 0);
    QCOMPARE(plus(dialog.get(), "m_Allowed"), (QStringList{"25"}));

    // Rows hidden by the excluded side's filter stay excluded.
    choose(child<QComboBox>(dialog.get(), "m_FFamily"), 4);
    QCOMPARE(plus(dialog.get(), "m_Forbidden"), (QStringList{"12"}));
    click(dialog.get(), "buttonOk");
    QCOMPARE(find("menucards", 1)->getString("excludes"), QStringLiteral("7:12:20:31"));
}

void TestVenueEditors::severalMenuCardsChangeNameAndLevelOnly()
{
    auto dialog = m_host->open<TMenuCardDlg>({1, 2});
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit menu cards"));
    QVERIFY(!child<QGroupBox>(dialog.get(), "grpAllowed")->isEnabled());
    QVERIFY(!child<QGroupBox>(dialog.get(), "grpForbidden")->isEnabled());
    QCOMPARE(plus(dialog.get(), "m_Allowed"), QStringList());
    for (const char* button : {"b_Forbid", "b_ForbidAll", "b_Allow", "b_AllowAll"})
        QVERIFY(!child<QPushButton>(dialog.get(), button)->isEnabled());
    auto* level = child<QComboBox>(dialog.get(), "PricelevelBox");
    QVERIFY(level->currentText().isEmpty()); // the cards' levels differ
    choose(level, 1);
    click(dialog.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("menucards", 1)),
             (QStringList{"excludes=12:7", "id=1", "name=Lunch", "pricelevel=1"}));
    QCOMPARE(find("menucards", 2)->getString("excludes"), QStringLiteral("20"));
    QCOMPARE(find("menucards", 2)->getInt("pricelevel"), 1);

    // One card again: the lists are back.
    m_host->select({2});
    dialog->setData(m_host->view);
    QVERIFY(child<QGroupBox>(dialog.get(), "grpAllowed")->isEnabled());
    QCOMPARE(plus(dialog.get(), "m_Forbidden"), (QStringList{"20"}));
}

void TestVenueEditors::menuCardPricesAndSearch()
{
    auto dialog = m_host->open<TMenuCardDlg>();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Insert new menu card..."));
    dialog->show();
    auto* allowed = child<QTreeWidget>(dialog.get(), "m_Allowed");
    QCOMPARE(column(allowed, 2), (QStringList{"2,50", "4,20", "12,00", "4,80", "3,90"}));
    // The price sorts as a number: 2,50 before 12,00 (as text it would come after it).
    allowed->sortByColumn(TMenuCardArtItem::PriceColumn, Qt::AscendingOrder);
    QCOMPARE(column(allowed, 0), (QStringList{"7", "31", "12", "25", "20"}));

    // Typing finds the first article that contains the text; Return finds the next one.
    auto* findField = child<QLineEdit>(dialog.get(), "m_FindInc");
    QTest::keyClicks(findField, "esp");
    QCOMPARE(allowed->currentItem()->text(1), QStringLiteral("Espresso"));
    QTest::keyClick(findField, Qt::Key_Return);
    QCOMPARE(allowed->currentItem()->text(1), QStringLiteral("Espresso double"));
    QVERIFY(dialog->isVisible()); // Return searched, it did not press OK
    QCOMPARE(allowed->selectedItems().size(), 1);
    retype(findField, "4,8");
    QCOMPARE(allowed->currentItem()->text(1), QStringLiteral("Stout"));

    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Breakfast");
    click(dialog.get(), "b_Forbid");
    click(dialog.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("menucards", 3)), (QStringList{"excludes=25", "id=3", "name=Breakfast"}));
}

void TestVenueEditors::newTableStoresNoDefaults()
{
    auto dialog = m_host->open<TTableCfgDlg>();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Insert new table configuration..."));
    QVERIFY(!child<QPushButton>(dialog.get(), "buttonOk")->isEnabled());
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Table 3");
    // The boxes whose default is on start checked; the radio groups show their defaults.
    for (const char* box : {"m_CanDiscounts", "m_Drawer", "m_Changer", "m_Bill"})
        QVERIFY(child<QCheckBox>(dialog.get(), box)->isChecked());
    click(dialog.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("tablecfgs", 3)), (QStringList{"id=3", "name=Table 3"}));

    // Amounts in the system currency, price levels with their window of the day.
    auto table = m_host->open<TTableCfgDlg>({3});
    auto* level = child<QComboBox>(table.get(), "m_Level");
    QCOMPARE(level->itemText(2), QStringLiteral("  2)  Happy hour ( 17:00-19:30 )"));
    choose(level, 2);
    QTest::keyClicks(child<QLineEdit>(table.get(), "m_MinAmount"), "12,5");
    click(table.get(), "m_Bill");
    click(table.get(), "seatEveryRound");
    click(table.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("tablecfgs", 3)),
             (QStringList{"doaskseat=2", "dobill=no", "id=3", "level=2", "limitmin=1250", "name=Table 3"}));
}

void TestVenueEditors::guestQuestionsExcludeEachOther()
{
    auto dialog = m_host->open<TTableCfgDlg>({1});
    auto* firstOrder = child<QCheckBox>(dialog.get(), "m_AskOGuests");
    auto* count = child<QCheckBox>(dialog.get(), "m_Guests");
    QVERIFY(firstOrder->isChecked());
    QVERIFY(!count->isEnabled());
    click(dialog.get(), "m_AskOGuests");
    QVERIFY(count->isEnabled());
    click(dialog.get(), "buttonOk");
    QVERIFY(!find("tablecfgs", 1)->contains("doaskguests"));

    auto again = m_host->open<TTableCfgDlg>({1});
    click(again.get(), "m_Guests");
    QVERIFY(!child<QCheckBox>(again.get(), "m_AskOGuests")->isEnabled());
    click(again.get(), "buttonOk");
    QCOMPARE(find("tablecfgs", 1)->getInt("doaskguests"), 1);

    // Several tables whose questions differ keep theirs unless a box is changed.
    auto several = m_host->open<TTableCfgDlg>({1, 2});
    QCOMPARE(child<QCheckBox>(several.get(), "m_Guests")->checkState(), Qt::PartiallyChecked);
    QVERIFY(child<QCheckBox>(several.get(), "m_AskOGuests")->isEnabled());
    click(several.get(), "buttonOk");
    QCOMPARE(find("tablecfgs", 1)->getInt("doaskguests"), 1);
    QVERIFY(!find("tablecfgs", 2)->contains("doaskguests"));
}

void TestVenueEditors::cardReaderFillsTheOrderCard()
{
    TestReader reader;
    TLumWorkspace::ReaderDeviceList.append(&reader);
    auto dialog = m_host->open<TTableCfgDlg>({1});
    auto* ordercard = child<QLineEdit>(dialog.get(), "m_Ordercard");
    reader.read(QStringLiteral("04A2B91C"));
    QTRY_COMPARE(ordercard->text(), QStringLiteral("04A2B91C"));
    reader.read(QString()); // a read that brought nothing changes nothing
    QCoreApplication::processEvents();
    QCOMPARE(ordercard->text(), QStringLiteral("04A2B91C"));
    click(dialog.get(), "buttonOk");
    QCOMPARE(find("tablecfgs", 1)->getString("ordercard"), QStringLiteral("04A2B91C"));

    // A dialog that is gone hears nothing more.
    dialog.reset();
    reader.read(QStringLiteral("FFFF"));
    QCoreApplication::processEvents();
    TLumWorkspace::ReaderDeviceList.removeAll(&reader);
}

void TestVenueEditors::missingRecordsAreCreatedFromTheTable()
{
    auto dialog = m_host->open<TTableCfgDlg>({1});
    auto* payform = child<QComboBox>(dialog.get(), "m_Payform");
    QString caption;
    QTimer::singleShot(0, [&caption] {
        auto* editor = qobject_cast<TPayformDlg*>(QApplication::activeModalWidget());
        QVERIFY(editor);
        caption = editor->windowTitle();
        QTest::keyClicks(child<QLineEdit>(editor, "m_Name"), "Voucher");
        click(editor, "buttonOk");
    });
    click(dialog.get(), "a_Payform");
    QCOMPARE(caption, QStringLiteral("Insert new payform..."));
    QCOMPARE(payform->currentText(), QStringLiteral("  6)  Voucher"));

    // Cancelled: nothing new, the choice stays.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    click(dialog.get(), "a_MenuCard");
    QCOMPARE(m_host->list("menucards")->count(), 2);
    QCOMPARE(child<QComboBox>(dialog.get(), "m_MenuCard")->currentText(),
             QStringLiteral("  0)  Not specified"));
    click(dialog.get(), "buttonOk");
    QCOMPARE(find("tablecfgs", 1)->getInt("payform"), 6);
    QVERIFY(!find("tablecfgs", 1)->contains("menucard"));
}

void TestVenueEditors::referencesToMissingRecordsStay()
{
    auto table = m_host->open<TTableCfgDlg>({2});
    QCOMPARE(child<QComboBox>(table.get(), "m_MenuCard")->currentText(), QStringLiteral("  9)  (missing)"));
    retype(child<QLineEdit>(table.get(), "m_Name"), "Window table");
    click(table.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("tablecfgs", 2)),
             (QStringList{"id=2", "menucard=9", "name=Window table", "payform=5"}));

    auto map = m_host->open<TSubventMapDlg>({1});
    QCOMPARE(child<QComboBox>(map.get(), "m_PayformId")->currentText(), QStringLiteral("  7)  (missing)"));
    retype(child<QLineEdit>(map.get(), "NameBox"), "Staff lunch");
    click(map.get(), "buttonOk");
    QCOMPARE(find("subventmaps", 1)->getInt("payformid"), 7);
    QCOMPARE(find("subventmaps", 1)->getName(), QStringLiteral("Staff lunch"));
}

void TestVenueEditors::subventMapPeriodCountAndPayform()
{
    auto dialog = m_host->open<TSubventMapDlg>();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Insert new subvent mapping"));
    choose(child<QComboBox>(dialog.get(), "m_SubventId"), 2);
    choose(child<QComboBox>(dialog.get(), "m_SubventType"), 3);
    child<QSpinBox>(dialog.get(), "m_MaxSubvent")->setValue(4);
    choose(child<QComboBox>(dialog.get(), "m_PayformId"), 5);
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_PayformName")->text(), QStringLiteral("Staff account"));
    click(dialog.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("subventmaps", 2)),
             (QStringList{"id=2", "maxsubvent=4", "payformid=5", "payformname=Staff account", "subventid=2",
                          "subventtype=3"}));

    // Per day and no count are the defaults; a name typed after the choice stays.
    auto again = m_host->open<TSubventMapDlg>({2});
    choose(child<QComboBox>(again.get(), "m_SubventType"), 1);
    child<QSpinBox>(again.get(), "m_MaxSubvent")->setValue(0);
    choose(child<QComboBox>(again.get(), "m_PayformId"), 1);
    retype(child<QLineEdit>(again.get(), "m_PayformName"), "Cash desk");
    click(again.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("subventmaps", 2)),
             (QStringList{"id=2", "payformid=1", "payformname=Cash desk", "subventid=2"}));
}

void TestVenueEditors::wrongSubventionIsRefused()
{
    m_host->list("subventions")->remove(m_host->list("subventions")->find(1));
    auto dialog = m_host->open<TSubventMapDlg>({1});
    QCOMPARE(child<QComboBox>(dialog.get(), "m_SubventId")->currentText(), QStringLiteral("  1)  (missing)"));
    retype(child<QLineEdit>(dialog.get(), "NameBox"), "Renamed");
    click(dialog.get(), "buttonOk");
    QCOMPARE(m_prompts->messages.last().caption, QStringLiteral("Wrong Subvention"));
    QCOMPARE(m_prompts->messages.last().text,
             QStringLiteral("There is no subvention selected or it does not exist."));
    QCOMPARE(dialog->result(), int(QDialog::Rejected)); // still open, input as typed
    QCOMPARE(find("subventmaps", 1)->getName(), QStringLiteral("Staff meal"));

    // Choosing one that exists lets it through.
    choose(child<QComboBox>(dialog.get(), "m_SubventId"), 2);
    click(dialog.get(), "buttonOk");
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(find("subventmaps", 1)->getInt("subventid"), 2);
}

QTEST_MAIN(TestVenueEditors)
#include "tst_venueeditors.moc"
