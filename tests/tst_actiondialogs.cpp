// The card action dialogs and the template editor, driven as an operator would: what a template
// stores, what the card server takes from the action of a card, and what the operator is told when
// the server refuses, is gone, stops in the middle or answers garbage.

#include "lumcardhost.h"
#include "lumtesthost.h"
#include "tcarderrors.h"
#include "tnetactiondlg.h"
#include "tnetactionfreedlg.h"
#include "tnetactiontemplatedlg.h"
#include "tnetcardaction.h"
#include "treadererror.h"
#include "ttemplateactiondlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

using namespace LumCardHost;
using PosLib::TNetCardAction;
namespace CardError = PosLib::CardError;

namespace {

void whenModal(std::function<void(QDialog*)> action)
{
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(dialog);
    });
}

// Chooses the item of that data in a combo box as the operator would.
void activate(QComboBox* combo, int data)
{
    const int index = combo->findData(data);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Fills the action dialog with one action: type, field number, modifier id and what to type.
void fillAction(QDialog* dialog, int type, int field, int modifier, const std::function<void()>& value)
{
    activate(child<QComboBox>(dialog, "m_presets"), type);
    activate(child<QComboBox>(dialog, "m_field"), field);
    activate(child<QComboBox>(dialog, "m_actiontype"), modifier);
    value();
}

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

const QString card = QStringLiteral("04A1B201");

} // namespace

class TestActionDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void templateCollectsItsActions();
    void templateRowsMoveAndGo();
    void cardActionGoesToTheServer();
    void refusedOrLostActionStaysAsItWas_data();
    void refusedOrLostActionStaysAsItWas();
    void freeInputAsksForTheValueOfItsType();

private:
    // The actions of the card as the card editor lists them: loaded into "realnetcardactions",
    // one row each with the id in column 0.
    QTreeWidget* loadActions(const QString& uid, bool booked);
    void addAction(QDialog* templates, const std::function<void(QDialog*)>& fill);

    QTemporaryDir m_serverDir;
    std::unique_ptr<Server> m_server;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TestHost> m_host;
    std::unique_ptr<ListedReader> m_reader;
    std::unique_ptr<QTreeWidget> m_actionView;
};

void TestActionDialogs::initTestCase()
{
    m_server = std::make_unique<Server>(m_serverDir.path());
    QVERIFY(m_server->start());
}

void TestActionDialogs::init()
{
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_host = std::make_unique<TestHost>();
    m_host->put("currencies", 1, {{"name", "Euro"}, {"decpos", "2"}});
    m_reader = std::make_unique<ListedReader>(device(m_server->port, "office"));
}

void TestActionDialogs::cleanup()
{
    m_actionView.reset();
    m_reader.reset();
    m_host.reset();
    m_prompts.reset();
}

QTreeWidget* TestActionDialogs::loadActions(const QString& uid, bool booked)
{
    QStringList texts;
    m_reader->get()->command(PosLib::CardServer::getActions, {uid, booked ? "true" : "false"}, texts);
    Basics::TValueList* list = m_host->list("realnetcardactions");
    m_actionView = std::make_unique<QTreeWidget>();
    for (const QString& text : texts) {
        auto* action = new TNetCardAction(text);
        action->setID(action->getInt("id"));
        list->insert(action);
        auto* row = new QTreeWidgetItem(m_actionView.get());
        row->setText(0, QString::number(action->getID()));
    }
    return m_actionView.get();
}

void TestActionDialogs::addAction(QDialog* templates, const std::function<void(QDialog*)>& fill)
{
    whenModal([fill](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("TNetActionTemplateDlg"));
        QVERIFY(!child<QWidget>(dialog, "m_groupValidity")->isVisible());
        fill(dialog);
        click(dialog, "buttonOk");
    });
    click(templates, "b_add");
}

void TestActionDialogs::templateCollectsItsActions()
{
    auto dialog = m_host->open<TTemplateActionDlg>();
    retype(child<QLineEdit>(dialog.get(), "m_Name"), "Welcome");
    addAction(dialog.get(), [](QDialog* action) {
        QCOMPARE(child<QSpinBox>(action, "m_Number")->value(), 1);
        fillAction(action, 5, 23, 1, [action] { child<QSpinBox>(action, "m_countervalue")->setValue(3); });
        retype(child<QLineEdit>(action, "m_description"), "Three <more> months");
    });
    addAction(dialog.get(), [](QDialog* action) {
        QCOMPARE(child<QSpinBox>(action, "m_Number")->value(), 2);
        fillAction(action, 2, 18, 0,
                   [action] { retype(child<QLineEdit>(action, "m_currenyvalue"), "12,50"); });
    });
    addAction(dialog.get(), [](QDialog* action) {
        fillAction(action, 1, 1, 0, [action] { child<QSpinBox>(action, "m_countervalue")->setValue(100); });
        child<QCheckBox>(action, "m_chkFreeInput")->setChecked(true);
    });
    auto* rows = child<QTreeWidget>(dialog.get(), "m_templates");
    QCOMPARE(column(rows, 1), (QStringList{"add 3 months to enddate", "set creditsaldo to 12,50",
                                           "set pointssaldo to free input"}));
    QCOMPARE(column(rows, 2).first(), QStringLiteral("Three <more> months"));

    // Editing a row rewrites it; a month value of 1 is one month.
    rows->setCurrentItem(rows->topLevelItem(0));
    whenModal([](QDialog* action) {
        QCOMPARE(action->windowTitle(), QStringLiteral("Edit card action"));
        QVERIFY(!child<QSpinBox>(action, "m_Number")->isEnabled());
        QCOMPARE(child<QSpinBox>(action, "m_countervalue")->value(), 3);
        child<QSpinBox>(action, "m_countervalue")->setValue(1);
        click(action, "buttonOk");
    });
    emit rows->itemActivated(rows->topLevelItem(0), 0);
    QCOMPARE(rows->topLevelItemCount(), 3);
    QCOMPARE(rows->topLevelItem(0)->text(1), QStringLiteral("add 1 month to enddate"));

    click(dialog.get(), "buttonOk");
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    const auto* stored =
        dynamic_cast<PosLib::TTemplateCardAction*>(m_host->list("templatecardactions")->find(1));
    QVERIFY(stored);
    const QString text = stored->getString("templates");
    QCOMPARE(text.count(QStringLiteral("?$")), 2);
    QVERIFY(text.contains(QStringLiteral("Three SmAlLeRmoreGrEaTeR months")));
    const QList<TNetCardAction> actions = stored->getActions();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions[1].getNewValue(), QStringLiteral("1250"));
    QCOMPARE(actions[2].getID(), 3);
    QVERIFY(actions[2].isFreeInput());
    QCOMPARE(actions[0].getDescription(), QStringLiteral("Three <more> months"));

    // Shown again, the template lists the same rows.
    auto again = m_host->open<TTemplateActionDlg>({1});
    QCOMPARE(again->windowTitle(), QStringLiteral("Edit card action template..."));
    QCOMPARE(column(child<QTreeWidget>(again.get(), "m_templates"), 1), column(rows, 1));

    // A template without actions has no "templates".
    auto bare = m_host->open<TTemplateActionDlg>();
    retype(child<QLineEdit>(bare.get(), "m_Name"), "Empty");
    click(bare.get(), "buttonOk");
    QVERIFY(!m_host->list("templatecardactions")->find(2)->contains("templates"));
}

void TestActionDialogs::templateRowsMoveAndGo()
{
    PosLib::TTemplateCardAction stored;
    QList<TNetCardAction> actions;
    for (const char* field : {"pointssaldo", "pointsmin", "pointsmax"}) {
        TNetCardAction action;
        action.setDateTag(1);
        action.setModifier(1);
        action.setField(QString::fromLatin1(field));
        action.setNewValue(QStringLiteral("5"));
        actions << action;
    }
    stored.setActions(actions);
    m_host->put("templatecardactions", 4,
                {{"name", "Three"}, {"templates", stored.getString("templates").toUtf8().constData()}});
    auto dialog = m_host->open<TTemplateActionDlg>({4});
    auto* rows = child<QTreeWidget>(dialog.get(), "m_templates");
    auto* up = child<QPushButton>(dialog.get(), "b_TempUp");
    auto* down = child<QPushButton>(dialog.get(), "b_TempDn");
    QVERIFY(!up->isEnabled() && !down->isEnabled());
    rows->topLevelItem(0)->setSelected(true);
    QVERIFY(!up->isEnabled() && down->isEnabled());
    rows->clearSelection();
    rows->topLevelItem(1)->setSelected(true);
    QVERIFY(up->isEnabled() && down->isEnabled());

    // The second row goes up: it is number 1 now and the former first one number 2.
    click(dialog.get(), "b_TempUp");
    QCOMPARE(column(rows, 0), (QStringList{"1", "2", "3"}));
    QCOMPARE(column(rows, 1),
             (QStringList{"set pointsmin to 5", "set pointssaldo to 5", "set pointsmax to 5"}));
    QVERIFY(rows->topLevelItem(0)->isSelected());
    QVERIFY(!up->isEnabled());
    click(dialog.get(), "b_TempDn");
    click(dialog.get(), "b_TempDn");
    QCOMPARE(column(rows, 1),
             (QStringList{"set pointssaldo to 5", "set pointsmax to 5", "set pointsmin to 5"}));
    QVERIFY(!down->isEnabled());
    click(dialog.get(), "b_del");
    click(dialog.get(), "buttonOk");
    const QList<TNetCardAction> kept =
        dynamic_cast<PosLib::TTemplateCardAction*>(m_host->list("templatecardactions")->find(4))
            ->getActions();
    QCOMPARE(kept.size(), 2);
    QCOMPARE(kept[1].getField(), QStringLiteral("pointsmax"));
    QCOMPARE(kept[1].getID(), 2);
}

void TestActionDialogs::cardActionGoesToTheServer()
{
    QTreeWidget* view = loadActions(card, false);
    QCOMPARE(view->topLevelItemCount(), 2);
    view->topLevelItem(0)->setSelected(true);
    const int id = view->topLevelItem(0)->text(0).toInt();
    TNetActionDlg dialog(m_host->window.get(), nullptr, false);
    dialog.setHeaderInfo(card, QDateTime(QDate(2024, 3, 1), QTime(10, 0)),
                         QDateTime(QDate(2027, 12, 31), QTime(23, 59)), QDateTime());
    dialog.setData(view);
    QVERIFY(child<QWidget>(&dialog, "m_groupValidity")->isVisibleTo(&dialog));
    QVERIFY(!child<QWidget>(&dialog, "m_chkFreeInput")->isVisibleTo(&dialog));
    QCOMPARE(child<QSpinBox>(&dialog, "m_countervalue")->value(), 500);
    child<QSpinBox>(&dialog, "m_countervalue")->setValue(750);
    // "Set date" proposes the card's own date of the chosen field.
    activate(child<QComboBox>(&dialog, "m_presets"), 3);
    activate(child<QComboBox>(&dialog, "m_field"), 23);
    QCOMPARE(child<QDateTimeEdit>(&dialog, "m_datevalue")->date(), QDate(2027, 12, 31));
    activate(child<QComboBox>(&dialog, "m_presets"), 1);
    activate(child<QComboBox>(&dialog, "m_field"), 1);
    activate(child<QComboBox>(&dialog, "m_actiontype"), 1);
    click(&dialog, "buttonOk");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(m_prompts->messages.isEmpty());

    const auto* changed = static_cast<TNetCardAction*>(m_host->list("realnetcardactions")->find(id));
    QCOMPARE(changed->getNewValue(), QStringLiteral("750"));
    QCOMPARE(changed->getUid(), card);
    QStringList texts;
    m_reader->get()->command(PosLib::CardServer::getActions, {card, "false"}, texts);
    bool found = false;
    for (const QString& text : texts) {
        const TNetCardAction stored(text);
        if (stored.getInt("id") == id) {
            found = true;
            QCOMPARE(stored.getNewValue(), QStringLiteral("750"));
            QCOMPARE(stored.getActionText(), QStringLiteral("add 750 to pointssaldo"));
        }
    }
    QVERIFY(found);
}

void TestActionDialogs::refusedOrLostActionStaysAsItWas_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("code");
    QTest::newRow("booked action") << "booked" << int(CardError::InternalError);
    QTest::newRow("server not running") << "not running" << int(CardError::NoDatabase);
    QTest::newRow("server stops in the middle") << "stops" << int(CardError::NoDatabase);
    QTest::newRow("server answers garbage") << "garbage" << int(CardError::InternalError);
}

void TestActionDialogs::refusedOrLostActionStaysAsItWas()
{
    QFETCH(QString, fault);
    QFETCH(int, code);
    const bool booked = fault == u"booked";
    const QString uid = booked ? QStringLiteral("04A1B205") : card;
    QTreeWidget* view = loadActions(uid, booked);
    QVERIFY(view->topLevelItemCount() > 0);
    view->topLevelItem(0)->setSelected(true);
    Basics::TValue* action = m_host->list("realnetcardactions")->find(view->topLevelItem(0)->text(0).toInt());
    const QStringList before = attributesOf(*action);

    QTemporaryDir stoppedDir;
    Server stopped(stoppedDir.path());
    std::unique_ptr<GarbageServer> garbage;
    if (fault == u"not running") {
        m_reader = std::make_unique<ListedReader>(device(closedPort(), "office", 300));
    } else if (fault == u"stops") {
        QVERIFY(stopped.start({}));
        stopped.pause();
        m_reader = std::make_unique<ListedReader>(device(stopped.port, "office", 300));
    } else if (fault == u"garbage") {
        garbage = std::make_unique<GarbageServer>("\x05hello\x06");
        m_reader = std::make_unique<ListedReader>(device(garbage->port, "office", 300));
    }
    TNetActionDlg dialog(m_host->window.get(), nullptr, false);
    dialog.setHeaderInfo(uid, QDateTime(), QDateTime(), QDateTime());
    dialog.setData(view);
    retype(child<QLineEdit>(&dialog, "m_description"), "Changed");
    QElapsedTimer clock;
    clock.start();
    click(&dialog, "buttonOk");
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(dialog.result() != QDialog::Accepted);
    QCOMPARE(m_prompts->messages.size(), 1);
    QCOMPARE(m_prompts->messages.last().caption, QStringLiteral("Action update error"));
    QCOMPARE(m_prompts->messages.last().text, Devices::readerErrorText(code));
    QCOMPARE(attributesOf(*action), before);
    QCOMPARE(child<QLineEdit>(&dialog, "m_description")->text(), QStringLiteral("Changed"));
}

void TestActionDialogs::freeInputAsksForTheValueOfItsType()
{
    TNetCardAction days;
    days.setID(7);
    days.setDateTag(4);
    days.setModifier(2);
    days.setField(QStringLiteral("enddate"));
    days.setNewValue(QStringLiteral("14"));
    days.setDescription(QStringLiteral("Holidays"));
    TNetActionFreeDlg dialog(m_host->window.get(), nullptr);
    dialog.setData(&days);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Specify new value for enddate"));
    QCOMPARE(child<QLabel>(&dialog, "m_modifier")->text(), QStringLiteral("add"));
    QCOMPARE(child<QLabel>(&dialog, "textLabelCounter")->text(), QStringLiteral("Day:"));
    QVERIFY(!child<QWidget>(&dialog, "m_currenyvalue")->isVisibleTo(&dialog));
    QVERIFY(!child<QWidget>(&dialog, "m_datevalue")->isVisibleTo(&dialog));
    QCOMPARE(child<QSpinBox>(&dialog, "m_countervalue")->value(), 14);
    child<QSpinBox>(&dialog, "m_countervalue")->setValue(21);
    click(&dialog, "buttonOk");
    QCOMPARE(days.getNewValue(), QStringLiteral("21"));

    // An amount shows and is read in the system currency.
    TNetCardAction credit = days;
    credit.setDateTag(2);
    credit.setModifier(3);
    credit.setField(QStringLiteral("creditsaldo"));
    credit.setNewValue(QStringLiteral("1250"));
    TNetActionFreeDlg amount(m_host->window.get(), nullptr);
    amount.setData(&credit);
    QCOMPARE(child<QLabel>(&amount, "m_modifier")->text(), QStringLiteral("substract"));
    QCOMPARE(child<QLineEdit>(&amount, "m_currenyvalue")->text(), QStringLiteral("12,50"));
    QVERIFY(!child<QWidget>(&amount, "m_countervalue")->isVisibleTo(&amount));
    retype(child<QLineEdit>(&amount, "m_currenyvalue"), "7,05");
    click(&amount, "buttonOk");
    QCOMPARE(credit.getNewValue(), QStringLiteral("705"));
}

QTEST_MAIN(TestActionDialogs)
#include "tst_actiondialogs.moc"
