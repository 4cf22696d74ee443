// The configuration editors: general settings, text modules and help texts with their groups,
// shifts and work models, hash tags and coat-check ranges, driven as an operator drives them. The
// two pairs of text editors are driven alike through the table of lists. (What every editor
// shares is held by the frame's tests.)

#include "coatcheckrangedlg.h"
#include "generalsettingdlg.h"
#include "hashtagdlg.h"
#include "lumtesthost.h"
#include "tgeneralsetting.h"
#include "tjson.h"
#include "tlistdescriptor.h"
#include "tshiftdlg.h"
#include "workmodeldialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimeEdit>
#include <QTimer>
#include <QTreeWidget>

using namespace PosLib;

namespace {

// Types lines into a text field as keys, Return between them; a character beyond the basic plane
// is one key.
void typeLines(QTextEdit* edit, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            QTest::keyClick(edit, Qt::Key_Return);
            continue;
        }
        const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

// Types a number into a spin box and enters it.
void enter(QSpinBox* spin, int value)
{
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(value));
    QTest::keyClick(spin, Qt::Key_Return);
}

// The numbers of the rows a list shows.
QList<int> shownModules(QTreeWidget* list)
{
    QList<int> modules;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (!list->topLevelItem(row)->isHidden())
            modules << list->topLevelItem(row)->text(0).toInt();
    }
    return modules;
}

QPoint centre(QTreeWidget* list, int row)
{
    return list->visualItemRect(list->topLevelItem(row)).center();
}

// A double click as the operator's mouse makes it: press and release, then the second press.
void doubleClick(QTreeWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre(list, row));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre(list, row));
}

// Return on the row, the prio typed, Return.
void editPrio(QTreeWidget* members, int row, const QString& prio)
{
    members->setCurrentItem(members->topLevelItem(row), 0, QItemSelectionModel::NoUpdate);
    QTest::keyClick(members, Qt::Key_Return);
    QLineEdit* editor = nullptr;
    for (QLineEdit* each : members->viewport()->findChildren<QLineEdit*>())
        editor = each->isVisible() ? each : editor;
    QVERIFY(editor);
    retype(editor, prio);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(); // the view takes the edit from its event loop
}

// The entry of the context menu of a row, chosen.
void contextMenu(QTreeWidget* list, int row, const QString& entry)
{
    QTimer::singleShot(0, [entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions()) {
            if (action->text() == entry)
                action->trigger();
        }
        menu->close();
    });
    const QPoint at = centre(list, row);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &event);
}

// The members of a JSON object text, and the "begin" of each.
QMap<QString, QString> daysOf(const QString& model)
{
    rapidjson::Document document;
    QMap<QString, QString> days;
    if (!Json::parseObject(model, document))
        return {{QStringLiteral("unreadable"), model}};
    for (const auto& member : document.GetObject()) {
        QString begin = QStringLiteral("?");
        if (member.value.IsObject() && member.value.HasMember("begin") && member.value["begin"].IsString())
            begin = QString::fromUtf8(member.value["begin"].GetString());
        days.insert(QString::fromUtf8(member.name.GetString()), begin);
    }
    return days;
}

} // namespace

class TestConfigEditors : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void customDataLines_data();
    void customDataLines();
    void generalSettingFromNewToStored();
    void generalSettingsEditedTogether();
    void textsSurviveARestart_data();
    void textsSurviveARestart();
    void groupMembersAndPrios_data();
    void groupMembersAndPrios();
    void groupNameSuggestionsGoToTheConfiguration();
    void shiftTimesDaysAndGroups();
    void workModelDaysAsJson();
    void workModelsThatAreNoValidJson();
    void hashTagsAndCoatCheckRanges();

private:
    std::unique_ptr<QDialog> open(const QString& list, const QList<int>& ids = {});
    Basics::TValue* find(const QString& list, int id) { return m_host->list(list)->find(id); }

    std::unique_ptr<TestHost> m_host;
    std::unique_ptr<ScriptedPrompts> m_prompts;
};

void TestConfigEditors::init()
{
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_host = std::make_unique<TestHost>("[TextGroups]\r\nSuggestions = Drinks|Food\r\n"
                                        "[Rights]\r\n* = full\r\n");
    m_host->put("articles", 1001, {{"name", "Rye bread"}, {"coatcheckrangeid", "4"}});
    m_host->put("articles", 1002, {{"name", "Croissant"}});
    m_host->put("articles", 1003, {{"name", "Coat"}, {"coatcheckrangeid", "4"}});
}

void TestConfigEditors::cleanup()
{
    m_host.reset();
    m_prompts.reset();
}

std::unique_ptr<QDialog> TestConfigEditors::open(const QString& list, const QList<int>& ids)
{
    m_host->showList(list);
    m_host->select(ids);
    auto dialog = LumDialogs::TListDescriptor::find(list)->openEditor(m_host->window.get(), m_host->view,
                                                                      ids.isEmpty());
    dialog->show();
    return dialog;
}

void TestConfigEditors::customDataLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("valid");
    QTest::newRow("user data") << "userid=334" << true;
    QTest::newRow("automatic data") << "terminal.waiter" << true;
    QTest::newRow("scope in capitals") << "TableHeader.guests" << true;
    QTest::newRow("scope with a value") << "tablecreate.time=now" << true;
    QTest::newRow("colon") << "Dump=4:2" << false;
    QTest::newRow("two dots") << "terminal.waiter.name" << false;
    QTest::newRow("two equals signs") << "a=b=c" << false;
    QTest::newRow("neither dot nor equals sign") << "userid" << false;
    QTest::newRow("unknown scope") << "waiter.name" << false;
    QTest::newRow("empty") << "" << false;
}

void TestConfigEditors::customDataLines()
{
    QFETCH(QString, line);
    QFETCH(bool, valid);
    QCOMPARE(TGeneralSetting::isCustomDataLine(line), valid);
}

void TestConfigEditors::generalSettingFromNewToStored()
{
    auto dialog = m_host->open<GeneralSettingDlg>();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Insert new general setting"));
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_IConExchangePath")->text(),
             QStringLiteral("var\\spool\\icon"));
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_IConExportPath")->text(),
             QStringLiteral("var\\spool\\iconexports"));
    QCOMPARE(child<QSpinBox>(dialog.get(), "m_IConRequestTimeoutBox")->value(), 10);
    QCOMPARE(child<QSpinBox>(dialog.get(), "m_ProtelVoucherPortBox")->value(), 90);
    QCOMPARE(child<QSpinBox>(dialog.get(), "m_ProtelVoucherTimeoutBox")->value(), 20);
    QCOMPARE(child<QComboBox>(dialog.get(), "m_InPLU")->count(), 3); // the articles, no empty entry

    // The order-display path is chosen once the order display is on.
    auto* bonmonitor = child<QLineEdit>(dialog.get(), "BonmonitorpathControl");
    QVERIFY(!bonmonitor->isEnabled());
    click(dialog.get(), "BonmonitorCheckControl");
    QVERIFY(bonmonitor->isEnabled());
    m_prompts->texts.enqueue(QStringLiteral("/srv/bonmonitor"));
    click(dialog.get(), "BonmonitorpathButton");
    QCOMPARE(m_prompts->messages.last().caption, QStringLiteral("Choose a path"));
    QCOMPARE(bonmonitor->text(), QStringLiteral("/srv/bonmonitor"));
    click(dialog.get(), "m_BakeryExchangePathButton"); // cancelled: the field stays empty
    QCOMPARE(child<QLineEdit>(dialog.get(), "m_BakeryExchangePath")->text(), QString());

    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Front desk");
    child<QGroupBox>(dialog.get(), "CustomDataBox")->setChecked(true);
    typeLines(child<QTextEdit>(dialog.get(), "CustomDataField"),
              "  userid=334  \nDump=4:2\n\nterminal.waiter\nwaiter.name");
    choose(child<QComboBox>(dialog.get(), "m_InPLU"), 1002);
    click(dialog.get(), "buttonOk");
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(attributesOf(*find("generalsettings", 1)),
             (QStringList{"bonmonitoronline=yes", "bonmonitorpath=/srv/bonmonitor",
                          "customvoucherdata=userid=334:terminal.waiter", "hascustomvoucherdata=yes",
                          "iconexchangepath=var\\spool\\icon", "iconexportpath=var\\spool\\iconexports",
                          "iconexports=no", "iconresponsetimeout=10", "id=1", "name=Front desk",
                          "preorderinplu=1002", "printonlistchange=no", "protelvoucherport=90",
                          "protelvouchertimeout=20", "vouchersystem=-1"}));

    auto again = m_host->open<GeneralSettingDlg>({1});
    QCOMPARE(child<QTextEdit>(again.get(), "CustomDataField")->toPlainText(),
             QStringLiteral("userid=334\nterminal.waiter"));
    QCOMPARE(child<QButtonGroup>(again.get(), "SystemGroupBox")->checkedId(), -1);
}

void TestConfigEditors::generalSettingsEditedTogether()
{
    m_host->put("generalsettings", 1,
                {{"name", "Shop"}, {"preorderinplu", "1001"}, {"bakeryexchangepath", "spool/shop"}});
    m_host->put("generalsettings", 2, {{"name", "Hall"}, {"preorderinplu", "1002"}, {"vouchersystem", "2"}});
    auto both = m_host->open<GeneralSettingDlg>({1, 2});
    QCOMPARE(both->windowTitle(), QStringLiteral("Edit general settings"));
    QCOMPARE(child<QComboBox>(both.get(), "m_InPLU")->currentText(), QString());
    choose(child<QComboBox>(both.get(), "m_OutPLU"), 1003);
    click(both.get(), "buttonOk");
    // Name and incoming article stay each set's own; the rest is the first set's in both.
    for (int id : {1, 2}) {
        QCOMPARE(find("generalsettings", id)->getInt("preorderinplu"), 1000 + id);
        QCOMPARE(find("generalsettings", id)->getString("preorderoutplu"), QStringLiteral("1003"));
        QCOMPARE(find("generalsettings", id)->getString("bakeryexchangepath"), QStringLiteral("spool/shop"));
        QCOMPARE(find("generalsettings", id)->getString("vouchersystem"), QStringLiteral("-1"));
    }
    QCOMPARE(find("generalsettings", 2)->getName(), QStringLiteral("Hall"));
}

void TestConfigEditors::textsSurviveARestart_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("emptyMessage");
    QTest::newRow("text modules") << "textmodules"
                                  << "TextField"
                                  << "Textmodule is empty.";
    QTest::newRow("help texts") << "articlehelptexts"
                                << "m_Text"
                                << "Helptext is empty.";
}

void TestConfigEditors::textsSurviveARestart()
{
    QFETCH(QString, list);
    QFETCH(QString, field);
    QFETCH(QString, emptyMessage);
    const QString name = QStringLiteral("\"Chef's\" <b>&amp; \u00c4pfel</b>");
    const QStringList lines = {
        QStringLiteral("\"Ohne\" <Zwiebeln> & 'Knoblauch'; 50% \\ `x`"),
        QStringLiteral(
            "\u041f\u0440\u0438\u0432\u0435\u0442 \u65e5\u672c\u8a9e \u0645\u0631\u062d\u0628\u0627 "
            "\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac \U0001F600"),
        QStringLiteral("a\u00a0b : c  "),
    };
    auto dialog = open(list);
    retype(child<QLineEdit>(dialog.get(), "m_Name"), name);
    typeLines(child<QTextEdit>(dialog.get(), qPrintable(field)),
              lines[0] + "\n\n" + lines[1] + "\n" + lines[2]);
    click(dialog.get(), "buttonOk");
    QVERIFY(m_prompts->messages.isEmpty());
    dialog.reset();

    m_host->restart();
    const Basics::TValue* stored = find(list, 1);
    QVERIFY(stored);
    QCOMPARE(stored->getName(), name);
    QCOMPARE(stored->getString("text"), lines.join(u'|'));
    // Shown again and saved again, the text stays as it is.
    auto again = open(list, {1});
    QCOMPARE(child<QTextEdit>(again.get(), qPrintable(field))->toPlainText().count(u'\n'), 2);
    retype(child<QLineEdit>(again.get(), "m_Name"), QStringLiteral("Renamed"));
    click(again.get(), "buttonOk");
    QCOMPARE(find(list, 1)->getString("text"), lines.join(u'|'));

    // A text without a line is told, and the rest is saved all the same.
    auto empty = open(list);
    QTest::keyClicks(child<QLineEdit>(empty.get(), "m_Name"), "Blank");
    typeLines(child<QTextEdit>(empty.get(), qPrintable(field)), "\n\n");
    click(empty.get(), "buttonOk");
    QCOMPARE(empty->result(), int(QDialog::Accepted));
    QCOMPARE(m_prompts->messages.last().text, emptyMessage);
    QCOMPARE(attributesOf(*find(list, 2)), (QStringList{"id=2", "name=Blank"}));
}

void TestConfigEditors::groupMembersAndPrios_data()
{
    QTest::addColumn<QString>("modules");
    QTest::addColumn<QString>("groups");
    QTest::newRow("text modules") << "textmodules"
                                  << "textmodulesgroups";
    QTest::newRow("help texts") << "articlehelptexts"
                                << "articlehelptextsgroups";
}

void TestConfigEditors::groupMembersAndPrios()
{
    QFETCH(QString, modules);
    QFETCH(QString, groups);
    for (int id : {4, 7, 12})
        m_host->put(modules, id, {{"name", "Module"}});
    auto dialog = open(groups);
    auto* members = child<QTreeWidget>(dialog.get(), "m_TextModulesOfGroup");
    auto* available = child<QTreeWidget>(dialog.get(), "m_TextModules");
    QVERIFY(!child<QPushButton>(dialog.get(), "m_RestoreModulesButton")->isVisible());
    QCOMPARE(shownModules(members), QList<int>());
    QCOMPARE(shownModules(available), (QList<int>{4, 7, 12}));

    doubleClick(available, 0);
    QTest::mouseClick(available->viewport(), Qt::LeftButton, {}, centre(available, 2));
    click(dialog.get(), "m_GetSelectedButton");
    QCOMPARE(shownModules(members), (QList<int>{4, 12}));
    QCOMPARE(shownModules(available), QList<int>{7});

    // Prios: a number from 0 to 99, blanks around it allowed; anything else is told and made 0.
    editPrio(members, 0, QStringLiteral(" 10 "));
    QVERIFY(dialog->isVisible()); // the Return that ends the edit is not OK
    QCOMPARE(members->topLevelItem(0)->text(2), QStringLiteral("10"));
    for (const char* wrong : {"1a", "120"}) {
        editPrio(members, 2, QString::fromLatin1(wrong));
        QCOMPARE(m_prompts->messages.last().text, QStringLiteral("Only numerics 0-99 allowed."));
        QCOMPARE(members->topLevelItem(2)->text(2), QStringLiteral("0"));
    }
    QTest::mouseClick(members->viewport(), Qt::LeftButton, {}, centre(members, 2));
    contextMenu(members, 2, QStringLiteral("Ignore"));
    QCOMPARE(members->topLevelItem(2)->text(2), QStringLiteral("99"));
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Kitchen");
    click(dialog.get(), "buttonOk");
    QCOMPARE(find(groups, 1)->getString("modules"), QStringLiteral("4-10,12-99"));

    // Loaded again: the members with their prios; "Set prio to" asks; Restore brings back what is
    // stored; without members "modules" goes.
    auto again = open(groups, {1});
    members = child<QTreeWidget>(again.get(), "m_TextModulesOfGroup");
    QCOMPARE(shownModules(members), (QList<int>{4, 12}));
    QCOMPARE(shownModules(child<QTreeWidget>(again.get(), "m_TextModules")), QList<int>{7});
    QTest::mouseClick(members->viewport(), Qt::LeftButton, {}, centre(members, 0));
    m_prompts->numbers.enqueue(42);
    contextMenu(members, 0, QStringLiteral("Set prio to"));
    QCOMPARE(m_prompts->messages.last().text, QStringLiteral("Enter a prio between 0 and 99."));
    QCOMPARE(members->topLevelItem(0)->text(2), QStringLiteral("42"));
    click(again.get(), "m_DropAllButton");
    click(again.get(), "m_RestoreModulesButton");
    QCOMPARE(shownModules(members), (QList<int>{4, 12}));
    QCOMPARE(members->topLevelItem(0)->text(2), QStringLiteral("10"));
    doubleClick(members, 0);
    click(again.get(), "m_DropAllButton");
    click(again.get(), "buttonOk");
    QVERIFY(!find(groups, 1)->contains("modules"));
}

void TestConfigEditors::groupNameSuggestionsGoToTheConfiguration()
{
    const QString configFile = m_host->dir.filePath("lumconfig.ini");
    auto readConfig = [&configFile] {
        QFile file(configFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    auto dialog = open(QStringLiteral("textmodulesgroups"));
    auto* suggestions = child<QComboBox>(dialog.get(), "GroupNameSuggestionBox");
    auto* name = child<QLineEdit>(dialog.get(), "m_Name");
    QCOMPARE(suggestions->count(), 2);
    QTest::keyClick(suggestions, Qt::Key_Down); // choosing a suggestion takes it as the name
    QCOMPARE(name->text(), QStringLiteral("Food"));
    retype(name, QStringLiteral("Desserts"));
    click(dialog.get(), "AddSuggestionButton");
    click(dialog.get(), "AddSuggestionButton"); // a name is suggested once
    QCOMPARE(suggestions->count(), 3);
    QCOMPARE(suggestions->currentText(), QStringLiteral("Desserts"));
    suggestions->setCurrentIndex(0);
    click(dialog.get(), "RemoveSuggestionButton");
    click(dialog.get(), "buttonOk");
    QVERIFY(readConfig().contains("[TextGroups]\r\nSuggestions = Food|Desserts\r\n[Rights]\r\n"));

    // The help-text groups have no suggestions and leave the configuration alone.
    const QByteArray before = readConfig();
    auto help = open(QStringLiteral("articlehelptextsgroups"));
    QVERIFY(!help->findChild<QComboBox*>(QStringLiteral("GroupNameSuggestionBox")));
    QTest::keyClicks(child<QLineEdit>(help.get(), "m_Name"), "Allergens");
    click(help.get(), "buttonOk");
    QCOMPARE(help->result(), int(QDialog::Accepted));
    QCOMPARE(readConfig(), before);
}

void TestConfigEditors::shiftTimesDaysAndGroups()
{
    m_host->put("shiftgroups", 1, {{"name", "Service"}});
    auto early = m_host->open<TShiftDlg>();
    QCOMPARE(child<QComboBox>(early.get(), "m_Group")->currentText(), QStringLiteral("  1)  Service"));
    QTest::keyClicks(child<QLineEdit>(early.get(), "m_Name"), "Early");
    child<QTimeEdit>(early.get(), "m_Start")->setTime(QTime(8, 0));
    child<QTimeEdit>(early.get(), "m_End")->setTime(QTime(16, 30));
    click(early.get(), "m_Mon");
    click(early.get(), "m_Tues");
    click(early.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("shifts", 1)), (QStringList{"days=32761", "end=1630", "graceperiod=0",
                                                            "group=1", "id=1", "name=Early", "start=800"}));

    // The bounds of the day; a group made on the spot is chosen.
    auto night = m_host->open<TShiftDlg>();
    QTest::keyClicks(child<QLineEdit>(night.get(), "m_Name"), "Night");
    enter(child<QSpinBox>(night.get(), "GracePeriodBox"), 45); // at most 30 minutes
    QTimer::singleShot(0, [] {
        auto* group = QApplication::activeModalWidget();
        QVERIFY(group && group->objectName() == u"TShiftGroupDlg");
        QTest::keyClicks(child<QLineEdit>(group, "m_Name"), "Kitchen");
        click(group, "buttonOk");
    });
    click(night.get(), "a_Group");
    QCOMPARE(child<QComboBox>(night.get(), "m_Group")->currentText(), QStringLiteral("  2)  Kitchen"));
    click(night.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("shifts", 2)),
             (QStringList{"end=2359", "graceperiod=4", "group=2", "id=2", "name=Night"}));

    // Two shifts of different times: the times are locked and each keeps its own; a day taken off
    // goes in both, the other days stay as each shift has them.
    auto both = m_host->open<TShiftDlg>({1, 2});
    QVERIFY(!child<QTimeEdit>(both.get(), "m_Start")->isEnabled());
    QCOMPARE(child<QCheckBox>(both.get(), "m_Mon")->checkState(), Qt::PartiallyChecked);
    click(both.get(), "m_Sat");
    click(both.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("shifts", 1)), (QStringList{"days=32697", "end=1630", "graceperiod=0",
                                                            "group=1", "id=1", "name=Early", "start=800"}));
    QCOMPARE(find("shifts", 2)->getString("days"), QStringLiteral("32703"));
}

void TestConfigEditors::workModelDaysAsJson()
{
    auto dialog = m_host->open<WorkmodelDialog>();
    QTest::keyClicks(child<QLineEdit>(dialog.get(), "m_Name"), "Office");
    auto* monday = child<QTimeEdit>(dialog.get(), "MondayStartTimeControl");
    QVERIFY(!monday->isEnabled());
    click(dialog.get(), "MondayCheckControl");
    QVERIFY(monday->isEnabled());
    monday->setTime(QTime(8, 0));
    click(dialog.get(), "SundayCheckControl");
    child<QTimeEdit>(dialog.get(), "SundayStartTimeControl")->setTime(QTime(10, 15));
    click(dialog.get(), "buttonOk");
    const QMap<QString, QString> week{{"1", "08:00"}, {"7", "10:15"}};
    QCOMPARE(daysOf(find("workingmodels", 1)->getString("model")), week);
    QVERIFY(!find("workingmodels", 1)->contains("graceperiod"));

    auto again = m_host->open<WorkmodelDialog>({1});
    QVERIFY(child<QCheckBox>(again.get(), "MondayCheckControl")->isChecked());
    QCOMPARE(child<QTimeEdit>(again.get(), "SundayStartTimeControl")->time(), QTime(10, 15));
    click(again.get(), "SundayCheckControl");
    click(again.get(), "buttonOk");
    QCOMPARE(daysOf(find("workingmodels", 1)->getString("model")), (QMap<QString, QString>{{"1", "08:00"}}));
}

void TestConfigEditors::workModelsThatAreNoValidJson()
{
    // Stored models as other programs or hands may have left them: none shows a working day it
    // does not hold, and saving writes a valid object that keeps what is not a day.
    const QString deep = QString(100000, u'[') + QString(100000, u']');
    const QStringList stored = {
        QStringLiteral("{\"1\":{\"begin\":\"08:00\""), QStringLiteral("[1,2]"), deep,
        QStringLiteral("{\"note\":\"x\",\"2\":{\"begin\":\"25:00\"},\"3\":{\"begin\":7},"
                       "\"4\":{\"begin\":\"06:45\"},\"4\":{\"begin\":\"07:00\"}}")};
    for (int id = 1; id <= stored.size(); ++id)
        m_host->put("workingmodels", id, {{"name", "Model"}, {"model", qPrintable(stored[id - 1])}});
    for (int id = 1; id <= stored.size(); ++id) {
        auto dialog = m_host->open<WorkmodelDialog>({id});
        QList<QString> checked;
        for (const char* day :
             {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"}) {
            if (child<QCheckBox>(dialog.get(), qPrintable(QString::fromLatin1(day) + "CheckControl"))
                    ->isChecked())
                checked << QString::fromLatin1(day);
        }
        QCOMPARE(checked, id == 4 ? QStringList{"Thursday"} : QStringList());
        retype(child<QLineEdit>(dialog.get(), "m_Name"), QStringLiteral("Saved"));
        click(dialog.get(), "buttonOk");
        using Days = QMap<QString, QString>;
        const Days expected = id == 4 ? Days{{"4", "06:45"}, {"note", "?"}} : Days();
        QCOMPARE(daysOf(find("workingmodels", id)->getString("model")), expected);
    }
}

void TestConfigEditors::hashTagsAndCoatCheckRanges()
{
    m_host->put("hashtags", 1, {{"name", "Vegan"}, {"buttoncaption", "Vegan"}, {"tag", "#vegan"}});
    m_host->put("hashtags", 2, {{"name", "Local"}});
    auto tag = m_host->open<HashTagDlg>({1});
    retype(child<QLineEdit>(tag.get(), "TagField"), QString());
    click(tag.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("hashtags", 1)), (QStringList{"buttoncaption=Vegan", "id=1", "name=Vegan"}));
    QCOMPARE(m_host->open<HashTagDlg>({1, 2})->windowTitle(), QStringLiteral("Edit hashtag"));

    // The end never stays below the begin, also at the top of the numbers.
    auto range = m_host->open<CoatCheckRangeDlg>();
    auto* begin = child<QSpinBox>(range.get(), "RangeBeginField");
    auto* end = child<QSpinBox>(range.get(), "RangeEndField");
    enter(end, 300);
    enter(begin, 500);
    QCOMPARE(end->value(), 501);
    enter(begin, 200);
    enter(end, 100);
    QCOMPARE(begin->value(), 201);
    QCOMPARE(end->value(), 202);
    enter(begin, 999999);
    enter(end, 5);
    QCOMPARE(end->value(), 999999);
    enter(begin, 100);
    enter(end, 250);
    QTest::keyClicks(child<QLineEdit>(range.get(), "NameField"), "Cloakroom");
    click(range.get(), "GapsModeButton");
    click(range.get(), "buttonOk");
    QCOMPARE(attributesOf(*find("coatcheckranges", 1)),
             (QStringList{"begin=100", "end=250", "id=1", "mode=1", "name=Cloakroom"}));

    // Ranges may overlap; a range shows the articles booked into it.
    auto overlapping = m_host->open<CoatCheckRangeDlg>();
    child<QSpinBox>(overlapping.get(), "NumberField")->setValue(4);
    QTest::keyClicks(child<QLineEdit>(overlapping.get(), "NameField"), "Hall");
    enter(child<QSpinBox>(overlapping.get(), "RangeEndField"), 260);
    enter(child<QSpinBox>(overlapping.get(), "RangeBeginField"), 150);
    click(overlapping.get(), "buttonOk");
    QCOMPARE(overlapping->result(), int(QDialog::Accepted));
    auto hall = m_host->open<CoatCheckRangeDlg>({4});
    auto* articles = child<QListWidget>(hall.get(), "ArticlesBox");
    QCOMPARE(articles->count(), 2);
    QCOMPARE(articles->item(0)->text(), QStringLiteral("PLU 1001 - Rye bread"));
    QCOMPARE(articles->item(1)->text(), QStringLiteral("PLU 1003 - Coat"));
    QCOMPARE(find("coatcheckranges", 4)->getString("mode"), QStringLiteral("0"));
}

QTEST_MAIN(TestConfigEditors)
#include "tst_configeditors.moc"
