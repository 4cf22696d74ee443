// The card editor, the login and formatting dialogs and the authorization editor, driven as an
// operator would, against a real card server with its demo cards: cards put on and taken off the
// reader, written, formatted one after the other, and the faults of a reader and a server.

#include "authorizationdlg.h"
#include "lumcardhost.h"
#include "lumtesthost.h"
#include "tcardactionlog.h"
#include "tcardproperties.h"
#include "tcounter.h"
#include "tformatcarddlg.h"
#include "tformatcounter.h"
#include "tformatlogindlg.h"
#include "tlumreaderevent.h"
#include "tnetcardaction.h"
#include "tnetcarddlg.h"
#include "tnetclient.h"
#include "tpseudoproperty.h"

#include <QApplication>
#include <QCheckBox>
#include <QDomDocument>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <csignal>
#include <functional>
#include <memory>

namespace CardServer = PosLib::CardServer;

namespace {

const QString user = QStringLiteral("manager");
const QString password = QStringLiteral("demo");

// A reader whose writes and formats can be interrupted just before they reach the server, as a
// card taken off or a server that stops would interrupt them.
class InterruptedReader : public Devices::TNetReader {
public:
    using TNetReader::TNetReader;

    void writeCard(const QString& text) override
    {
        if (beforeWrite)
            std::exchange(beforeWrite, nullptr)();
        TNetReader::writeCard(text);
    }
    int format(const QString& text, const QString& name, const QString& secret) override
    {
        if (beforeFormat)
            std::exchange(beforeFormat, nullptr)();
        return TNetReader::format(text, name, secret);
    }

    std::function<void()> beforeWrite;
    std::function<void()> beforeFormat;
};

// A card server with the demo cards, the back office's reader "office" at it, and the host of the
// dialogs on a data root of its own.
class CardRig {
public:
    CardRig()
        : server(serverDir.path())
    {
    }
    ~CardRig() { TLumWorkspace::ReaderDeviceList.removeAll(reader.get()); }

    bool start()
    {
        if (!server.start())
            return false;
        Devices::TNetReader::Settings settings;
        settings.port = server.port;
        settings.replyTimeout = 3000;
        settings.retryInterval = 50;
        reader = std::make_unique<InterruptedReader>(settings);
        TLumWorkspace::ReaderDeviceList.append(reader.get());
        host.showList("pseudoproperties");
        return true;
    }

    // A call to the server, as the hand at a reader or a till makes it.
    PosLib::TCardServerAnswer call(const QString& command, const QStringList& arguments = {},
                                   const QString& at = QStringLiteral("office"))
    {
        Basics::TTcpClient client;
        PosLib::TCardServerCall message;
        message.reader = at;
        message.command = command;
        message.arguments = arguments;
        return PosLib::callCardServer(client, QStringLiteral("127.0.0.1"), server.port, message);
    }
    // Puts a card on the office reader; without a UID a new blank card. Its UID.
    QString put(const QString& uid = QString())
    {
        return call(CardServer::putCard, uid.isEmpty() ? QStringList() : QStringList{uid}).results.value(0);
    }
    void take() { call(CardServer::takeCard); }
    // The card as the server keeps it, read at a reader of its own.
    PosLib::TCardProperties stored(const QString& uid)
    {
        call(CardServer::putCard, {uid}, QStringLiteral("inspect"));
        return PosLib::TCardProperties(
            call(CardServer::readCard, {}, QStringLiteral("inspect")).results.value(0));
    }
    // The card number the server lists for a UID; empty for a blank card.
    QString numberOf(const QString& uid)
    {
        for (const QString& row : call(CardServer::listCards).results) {
            if (row.section(u'\t', 0, 0) == uid)
                return row.section(u'\t', 1, 1);
        }
        return QStringLiteral("none");
    }
    int nextCardNumber()
    {
        return PosLib::TCounter(host.workspace->GetDataPath(), TFormatCounter::fileName)
            .getCounter(TFormatCounter::key);
    }
    PosLib::TPseudoProperty* listed(const QString& uid)
    {
        for (Basics::TValue* value : *host.list("pseudoproperties")) {
            auto* card = dynamic_cast<PosLib::TPseudoProperty*>(value);
            if (card && card->getUid() == uid)
                return card;
        }
        return nullptr;
    }

    QTemporaryDir serverDir;
    LumCardHost::Server server;
    std::unique_ptr<InterruptedReader> reader;
    TestHost host;
    ScriptedPrompts prompts;
};

// Runs what on the modal dialog of that object name once it shows.
void whenShown(const QString& name, const std::function<void(QDialog*)>& what)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, name, what] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != name)
            return;
        timer->stop();
        timer->deleteLater();
        what(dialog);
    });
    timer->start();
}

// Runs what every few milliseconds until it returns true.
void until(const std::function<bool()>& what)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, what] {
        if (what()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

PosLib::TCardProperties pointsCard()
{
    PosLib::TCardProperties record;
    record.setCanPoints(true);
    record.setPointsMax(100);
    record.setEmpty(false);
    return record;
}

QStringList messageTexts(const ScriptedPrompts& prompts)
{
    QStringList texts;
    for (const auto& message : prompts.messages)
        texts << message.caption + QStringLiteral(": ") + message.text;
    return texts;
}

} // namespace

class TestCardDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loginIsCheckedByTheServer();
    void formattingAStackOfCards();
    void formattedCardGetsAClientFromTheTemplate();
    void usedCardNumberIsConfirmedTwice_data();
    void usedCardNumberIsConfirmedTwice();
    void serverStopsDuringAFormat();
    void formattingFromTheEditor();

    void cardOnTheReaderIsListedAndShown();
    void writingACard();
    void writeFaults_data();
    void writeFaults();
    void readOnlyUserWritesNoCard();
    void clientIsPickedForTheCard();
    void waiterAboveTheLimitIsRefused();

    void actionLogOfTheCard();
    void actionsOfTheCard();

    void authorizationKeepsItsDescription();
};

void TestCardDialogs::loginIsCheckedByTheServer()
{
    CardRig rig;
    QVERIFY(rig.start());
    PosLib::TCounter(rig.host.workspace->GetDataPath(), TFormatCounter::fileName)
        .setCounter(TFormatCounter::key, 240);

    TFormatLoginDlg login(rig.host.window.get(), nullptr);
    login.onlyLogin(false);
    login.setCardNumber();
    QCOMPARE(login.getCardNumber(), 240);
    // The server's clients, as templates: "name first name" in the order of their numbers.
    auto* templates = child<QComboBox>(&login, "m_template");
    QCOMPARE(templates->count(), 20);
    QVERIFY(templates->itemText(0).endsWith(QLatin1StringView("Bauer Anton")));
    QCOMPARE(templates->currentIndex(), -1);
    QCOMPARE(rig.host.list("netclients")->count(), 20);

    auto* ok = child<QPushButton>(&login, "buttonOk");
    retype(child<QLineEdit>(&login, "m_user"), user);
    QVERIFY(!ok->isEnabled());
    for (int attempt = 0; attempt < 3; ++attempt) {
        retype(child<QLineEdit>(&login, "m_password"), QStringLiteral("guess%1").arg(attempt));
        click(&login, "buttonOk");
        QCOMPARE(login.result(), int(QDialog::Rejected));
    }
    QCOMPARE(rig.prompts.messages.size(), 3);
    QCOMPARE(rig.prompts.messages.last().caption, QStringLiteral("Login failed"));
    QCOMPARE(rig.prompts.messages.last().text, QStringLiteral("Unknown user or wrong password."));

    retype(child<QLineEdit>(&login, "m_password"), password);
    templates->setCurrentIndex(2);
    click(&login, "buttonOk");
    QCOMPARE(login.result(), int(QDialog::Accepted));
    QCOMPARE(login.getTemplateId(), 3);
    // Nothing was formatted meanwhile.
    QCOMPARE(rig.numberOf(QStringLiteral("0AB1C2D3")), QString());
    QCOMPARE(rig.nextCardNumber(), 240);

    login.onlyLogin(true);
    QVERIFY(child<QSpinBox>(&login, "m_count")->isHidden());
    QVERIFY(child<QComboBox>(&login, "m_template")->isHidden());
}

void TestCardDialogs::formattingAStackOfCards()
{
    CardRig rig;
    QVERIFY(rig.start());
    PosLib::TCardProperties record = pointsCard();
    TFormatCardDlg formatting(rig.host.window.get(), rig.host.view, nullptr);
    formatting.setData(user, password, 2, 100, &record, 0, false);
    formatting.show();
    auto* status = child<QLabel>(&formatting, "m_status");
    auto* cards = child<QLabel>(&formatting, "m_cardsdisplay");
    QCOMPARE(status->text(), QStringLiteral("Please insert card"));
    QCOMPARE(cards->text(), QStringLiteral("Card 1 of 2"));

    const QString first = rig.put();
    QTRY_COMPARE(formatting.getCount(), 1);
    QCOMPARE(cards->text(), QStringLiteral("Card 2 of 2"));
    QCOMPARE(child<QLabel>(&formatting, "m_card")->text(), QStringLiteral("101"));
    QCOMPARE(child<QProgressBar>(&formatting, "m_progress")->value(), 1);
    QCOMPARE(rig.nextCardNumber(), 101);
    QCOMPARE(rig.numberOf(first), QStringLiteral("100"));
    QVERIFY(rig.listed(first));
    QCOMPARE(rig.listed(first)->getCardNumber(), 100);
    QCOMPARE(rig.listed(first)->getCardType(), 1 + 16);

    // The formatted card reported again is not formatted twice.
    QCoreApplication::postEvent(&formatting, new TLumReaderEvent(first));
    QTRY_COMPARE(status->text(), QStringLiteral("Please remove card"));
    QCOMPARE(formatting.getCount(), 1);
    rig.take();
    QTRY_COMPARE(status->text(), QStringLiteral("Please insert card"));

    const QString second = rig.put();
    QTRY_COMPARE(formatting.getCount(), 2);
    QCOMPARE(cards->text(), QStringLiteral("Card 2 of 2"));
    QCOMPARE(rig.numberOf(second), QStringLiteral("101"));
    QVERIFY(formatting.isVisible());
    rig.take(); // the next report after the last card closes the dialog
    QTRY_VERIFY(!formatting.isVisible());
    QCOMPARE(formatting.result(), int(QDialog::Rejected));
    QCOMPARE(rig.nextCardNumber(), 102);

    TFormatLoginDlg login(rig.host.window.get(), nullptr);
    login.setCardNumber();
    QCOMPARE(login.getCardNumber(), 102);
    QVERIFY(rig.prompts.messages.isEmpty());
}

void TestCardDialogs::formattedCardGetsAClientFromTheTemplate()
{
    CardRig rig;
    QVERIFY(rig.start());
    rig.host.put("netclients", 3, {{"name", "Vogel"}, {"prename", "Carla"}, {"city", "München"}});
    PosLib::TCardProperties record = pointsCard();
    TFormatCardDlg formatting(rig.host.window.get(), rig.host.view, nullptr);
    formatting.setData(user, password, 1, 500, &record, 3, true);
    const QString uid = rig.put();
    QTRY_COMPARE(formatting.getCount(), 1);
    // The card's number is its client number, and the server made that client from the template.
    QCOMPARE(rig.stored(uid).getClientNumber(), 500ul);
    PosLib::TNetClient client;
    for (const QString& text : rig.call(CardServer::getAllClients).results) {
        const PosLib::TNetClient candidate(text);
        if (candidate.getID() == 500)
            client = candidate;
    }
    QCOMPARE(client.getName(), QStringLiteral("Vogel"));
    QCOMPARE(client.getCity(), QStringLiteral("München"));
}

void TestCardDialogs::usedCardNumberIsConfirmedTwice_data()
{
    QTest::addColumn<QString>("uid");
    QTest::addColumn<QList<int>>("answers"); // 0 yes, 1 no
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("formatted");
    QTest::newRow("no") << "0AB1C2D3" << QList<int>{1} << true << false;
    QTest::newRow("yes, then no") << "0AB1C2D3" << QList<int>{0, 1} << true << false;
    QTest::newRow("yes twice") << "0AB1C2D3" << QList<int>{0, 0} << true << true;
    QTest::newRow("the card's own number") << "04A1B201" << QList<int>{} << false << true;
}

void TestCardDialogs::usedCardNumberIsConfirmedTwice()
{
    QFETCH(QString, uid);
    QFETCH(QList<int>, answers);
    QFETCH(bool, asked);
    QFETCH(bool, formatted);
    CardRig rig;
    QVERIFY(rig.start());
    for (int answer : answers)
        rig.prompts.choices << answer;
    PosLib::TCardProperties record = pointsCard();
    TFormatCardDlg formatting(rig.host.window.get(), rig.host.view, nullptr);
    formatting.setData(user, password, 3, 1001, &record, 0, false); // the number of card 04A1B201
    formatting.show();
    rig.put(uid);
    if (formatted) {
        QTRY_COMPARE(formatting.getCount(), 1);
        QCOMPARE(rig.numberOf(uid), QStringLiteral("1001"));
        QCOMPARE(rig.nextCardNumber(), 1002);
        QVERIFY(formatting.isVisible());
    } else {
        QTRY_VERIFY(!formatting.isVisible());
        QCOMPARE(formatting.getCount(), 0);
        QCOMPARE(rig.numberOf(uid), QString());
        QCOMPARE(rig.nextCardNumber(), 1); // the number was not used up
    }
    QCOMPARE(rig.prompts.messages.size(), asked ? answers.size() : 0);
    if (asked) {
        QCOMPARE(rig.prompts.messages.first().caption, QStringLiteral("Card number copy found"));
        QVERIFY(rig.prompts.messages.first().text.startsWith(
            QLatin1StringView("Card number 1001 is used by other card(s).\nWARNING!")));
    }
}

void TestCardDialogs::serverStopsDuringAFormat()
{
    CardRig rig;
    QVERIFY(rig.start());
    const quint16 port = rig.server.port;
    PosLib::TCardProperties record = pointsCard();
    TFormatCardDlg formatting(rig.host.window.get(), rig.host.view, nullptr);
    formatting.setData(user, password, 1, 100, &record, 0, false);
    formatting.show();
    // The server asked for the number answers, then ends before the format reaches it.
    rig.reader->beforeFormat = [&rig] { rig.server.stop(SIGKILL); };
    rig.put(QStringLiteral("0AB1C2D3"));
    auto* error = child<QLabel>(&formatting, "m_displayerror");
    QTRY_COMPARE(error->text(), QStringLiteral("Could not access DB"));
    QCOMPARE(formatting.getCount(), 0);
    QCOMPARE(rig.nextCardNumber(), 1);
    QVERIFY(!rig.listed(QStringLiteral("0AB1C2D3")));

    // Back again, the server knows the card as blank, and the card can be formatted with the number.
    QVERIFY(rig.server.start({"--port", QString::number(port)}));
    QCOMPARE(rig.numberOf(QStringLiteral("0AB1C2D3")), QString());
    QTRY_COMPARE(child<QLabel>(&formatting, "m_status")->text(), QStringLiteral("Please insert card"));
    rig.put(QStringLiteral("0AB1C2D3"));
    QTRY_COMPARE(formatting.getCount(), 1);
    QCOMPARE(rig.numberOf(QStringLiteral("0AB1C2D3")), QStringLiteral("100"));
    QVERIFY(error->text().isEmpty());
}

void TestCardDialogs::formattingFromTheEditor()
{
    CardRig rig;
    QVERIFY(rig.start());
    TNetCardDlg editor(rig.host.window.get(), rig.host.view);
    editor.setID(rig.host.view);
    auto* format = child<QPushButton>(&editor, "buttonFormat");
    QVERIFY(!format->isEnabled()); // no function chosen
    child<QGroupBox>(&editor, "m_chkCredit")->setChecked(true);
    QVERIFY(format->isEnabled());
    retype(child<QLineEdit>(&editor, "m_max"), QStringLiteral("5000"));

    QString uid;
    whenShown(QStringLiteral("TFormatLoginDlg"), [](QDialog* login) {
        retype(child<QLineEdit>(login, "m_user"), user);
        retype(child<QLineEdit>(login, "m_password"), password);
        child<QSpinBox>(login, "m_start")->setValue(700);
        click(login, "buttonOk");
    });
    whenShown(QStringLiteral("TFormatCardDlg"), [&rig, &uid](QDialog* dialog) {
        uid = rig.put();
        auto* formatting = static_cast<TFormatCardDlg*>(dialog);
        until([&rig, formatting] {
            if (formatting->getCount() < 1)
                return false;
            rig.take();
            return true;
        });
    });
    click(&editor, "buttonFormat");
    QCOMPARE(messageTexts(rig.prompts), QStringList{"Formatting result: 1 card(s) formatted."});
    QCOMPARE(rig.stored(uid).getCardNumber(), 700ul);
    QCOMPARE(rig.stored(uid).getCreditMax(), 5000l);
    QVERIFY(rig.stored(uid).canCredit());
    QVERIFY(rig.listed(uid));
}

void TestCardDialogs::cardOnTheReaderIsListedAndShown()
{
    CardRig rig;
    QVERIFY(rig.start());
    TNetCardDlg editor(rig.host.window.get(), rig.host.view);
    editor.setID(rig.host.view);
    auto* uid = child<QLineEdit>(&editor, "m_uid");
    auto* write = child<QPushButton>(&editor, "buttonOk");
    QVERIFY(!write->isEnabled());
    QVERIFY(!child<QTabWidget>(&editor, "m_Tab")->isTabEnabled(1));

    rig.put(QStringLiteral("04A1B202"));
    QTRY_COMPARE(uid->text(), QStringLiteral("04A1B202"));
    QCOMPARE(editor.getID(), 1002);
    QCOMPARE(child<QLineEdit>(&editor, "m_current")->text(), QStringLiteral("12550"));
    QCOMPARE(child<QSpinBox>(&editor, "m_pcurrent1")->value(), 40);
    QVERIFY(child<QGroupBox>(&editor, "m_chkPoints")->isChecked());
    QVERIFY(!child<QGroupBox>(&editor, "m_chkTable")->isChecked());
    QCOMPARE(child<QLineEdit>(&editor, "m_counter")->text(), QStringLiteral("7"));
    QCOMPARE(child<QLabel>(&editor, "m_Statustext")->text(), QStringLiteral("Success"));
    QVERIFY(write->isEnabled());
    QVERIFY(child<QTabWidget>(&editor, "m_Tab")->isTabEnabled(1));
    PosLib::TPseudoProperty* listed = rig.listed(QStringLiteral("04A1B202"));
    QVERIFY(listed);
    QCOMPARE(listed->getID(), 1); // the first UID the mapping saw

    // The same card again, unchanged since: its list record is not touched.
    QSignalSpy changed(rig.host.list("pseudoproperties"), &Basics::TValueList::changed);
    rig.take();
    QTRY_VERIFY(!write->isEnabled());
    rig.put(QStringLiteral("04A1B202"));
    QTRY_VERIFY(write->isEnabled());
    QCOMPARE(changed.count(), 0);

    rig.put(QStringLiteral("04A1B209"));
    QTRY_COMPARE(uid->text(), QStringLiteral("04A1B209"));
    QCOMPARE(rig.listed(QStringLiteral("04A1B209"))->getID(), 2);

    // A blank card is not listed; the editor says what the reader found.
    const QString blank = rig.put();
    QTRY_COMPARE(child<QLabel>(&editor, "m_Statustext")->text(), QStringLiteral("Not a K7 card"));
    QVERIFY(!rig.listed(blank));
    QVERIFY(!write->isEnabled());
    QCOMPARE(rig.host.list("pseudoproperties")->count(), 2);
}

void TestCardDialogs::writingACard()
{
    CardRig rig;
    QVERIFY(rig.start());
    TNetCardDlg editor(rig.host.window.get(), rig.host.view);
    editor.setID(rig.host.view);
    rig.put(QStringLiteral("04A1B202"));
    auto* write = child<QPushButton>(&editor, "buttonOk");
    QTRY_VERIFY(write->isEnabled());

    // A function the card has not got: the card keeps its functions.
    child<QGroupBox>(&editor, "m_chkTable")->setChecked(true);
    child<QSpinBox>(&editor, "m_table")->setValue(12);
    child<QSpinBox>(&editor, "m_pcurrent1")->setValue(70);
    retype(child<QLineEdit>(&editor, "m_current"), QStringLiteral("200"));
    rig.prompts.buttons << QMessageBox::Yes;
    rig.prompts.texts << QStringLiteral("Top-up at the desk");
    click(&editor, "buttonOk");
    QCOMPARE(
        messageTexts(rig.prompts),
        (QStringList{
            "Write card: Functions can't be changed by normal writing.\nContinue with original functions?",
            "Write card: Please enter a description:", "Success: Writing card was successful"}));
    PosLib::TCardProperties stored = rig.stored(QStringLiteral("04A1B202"));
    QCOMPARE(stored.getPointsSaldo(), 70l);
    QCOMPARE(stored.getCreditSaldo(), 200l);
    QCOMPARE(stored.getCounter(), 8ul);
    QVERIFY(!stored.canTable());
    const PosLib::TCardActionLog entry(
        rig.call(CardServer::getActionLogs,
                 {QStringLiteral("04A1B202"), QStringLiteral("1"), QStringLiteral("true")})
            .results.value(0));
    QCOMPARE(entry.getComment(), QStringLiteral("Top-up at the desk"));
    QCOMPARE(entry.getReason(), QStringLiteral("officeWrite"));
    // The card list follows the card.
    QCOMPARE(PosLib::TCardProperties(rig.listed(QStringLiteral("04A1B202"))->getCardData()).getCounter(),
             8ul);

    // Points switched off: the points stay as they are, the rest is written.
    rig.prompts.messages.clear();
    child<QGroupBox>(&editor, "m_chkTable")->setChecked(false);
    child<QGroupBox>(&editor, "m_chkPoints")->setChecked(false);
    child<QSpinBox>(&editor, "m_pcurrent1")->setValue(5);
    child<QSpinBox>(&editor, "m_persontype")->setValue(4);
    rig.prompts.buttons << QMessageBox::Yes;
    rig.prompts.texts << QString();
    click(&editor, "buttonOk");
    QCOMPARE(rig.prompts.messages.last().text, QStringLiteral("Writing card was successful"));
    stored = rig.stored(QStringLiteral("04A1B202"));
    QCOMPARE(stored.getPointsSaldo(), 70l);
    QCOMPARE(stored.getPersonType(), 4ul);
    QVERIFY(stored.canPoints());

    // Not continuing with the original functions, or no description: nothing is written.
    rig.prompts.buttons << QMessageBox::No;
    click(&editor, "buttonOk");
    child<QGroupBox>(&editor, "m_chkPoints")->setChecked(true);
    click(&editor, "buttonOk"); // the description is cancelled
    QCOMPARE(rig.stored(QStringLiteral("04A1B202")).getCounter(), 9ul);
}

void TestCardDialogs::writeFaults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("told");
    QTest::newRow("card taken off during the write") << "taken off"
                                                     << "No card inserted";
    QTest::newRow("written by another terminal since") << "another terminal"
                                                       << "Process counter mismatch";
}

void TestCardDialogs::writeFaults()
{
    QFETCH(QString, fault);
    QFETCH(QString, told);
    CardRig rig;
    QVERIFY(rig.start());
    const QString uid = QStringLiteral("04A1B203");
    TNetCardDlg editor(rig.host.window.get(), rig.host.view);
    editor.setID(rig.host.view);
    rig.put(uid);
    QTRY_VERIFY(child<QPushButton>(&editor, "buttonOk")->isEnabled());
    const QString listedBefore = rig.listed(uid)->getCardData();

    PosLib::TCardProperties expected = rig.stored(uid);
    if (fault == u"taken off") {
        rig.reader->beforeWrite = [&rig] { rig.take(); };
    } else {
        // A till reads the card and books points on it.
        rig.call(CardServer::putCard, {uid}, QStringLiteral("till"));
        PosLib::TCardProperties card(
            rig.call(CardServer::readCard, {}, QStringLiteral("till")).results.value(0));
        card.setPointsSaldo(990);
        QCOMPARE(
            rig.call(CardServer::writeCard, {card.toXml(), "2", "sale", ""}, QStringLiteral("till")).code, 0);
        expected = rig.stored(uid);
    }
    child<QSpinBox>(&editor, "m_pcurrent1")->setValue(1);
    rig.prompts.texts << QStringLiteral("Correction");
    click(&editor, "buttonOk");
    QCOMPARE(rig.prompts.messages.last().caption, QStringLiteral("Write card error"));
    QCOMPARE(rig.prompts.messages.last().text, told);
    // The server keeps the card as it was, the card list as it was read.
    QCOMPARE(rig.stored(uid).toXml(), expected.toXml());
    QCOMPARE(rig.listed(uid)->getCardData(), listedBefore);
}

void TestCardDialogs::readOnlyUserWritesNoCard()
{
    CardRig rig;
    QVERIFY(rig.start());
    QFile config(rig.host.dir.filePath("lumconfig.ini"));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("[Rights]\r\nTNetCardDlg = readonly\r\n");
    config.close();
    rig.host.restart();
    TNetCardDlg editor(rig.host.window.get(), rig.host.view);
    editor.setID(rig.host.view);
    child<QGroupBox>(&editor, "m_chkPoints")->setChecked(true);
    rig.put(QStringLiteral("04A1B202"));
    QTRY_COMPARE(child<QLineEdit>(&editor, "m_uid")->text(), QStringLiteral("04A1B202"));
    QVERIFY(!child<QPushButton>(&editor, "buttonOk")->isEnabled());
    QVERIFY(!child<QPushButton>(&editor, "buttonFormat")->isEnabled());
    QVERIFY(!child<QPushButton>(&editor, "buttonSelect")->isEnabled());
}

void TestCardDialogs::waiterAboveTheLimitIsRefused()
{
    CardRig rig;
    QVERIFY(rig.start());
    rig.host.put("waiters", 3, {{"name", "Anna"}});
    rig.host.put("waiters", 32001, {{"name", "Aushilfe"}});
    TNetCardDlg editor(rig.host.window.get(), rig.host.view);
    editor.setID(rig.host.view);
    auto* waiter = child<QComboBox>(&editor, "m_waiter");
    QCOMPARE(waiter->count(), 3);
    QVERIFY(waiter->itemText(0).endsWith(QLatin1StringView("not specified")));
    QVERIFY(waiter->itemText(2).endsWith(QLatin1StringView("Aushilfe ( NOT VALID )")));
    waiter->setCurrentIndex(1);
    Q_EMIT waiter->activated(1);
    QVERIFY(rig.prompts.messages.isEmpty());
    waiter->setCurrentIndex(2);
    Q_EMIT waiter->activated(2);
    QCOMPARE(messageTexts(rig.prompts), QStringList{"Info: Waiter is not allowed. Id to high!"});
    QCOMPARE(waiter->currentIndex(), 0);
}

void TestCardDialogs::actionLogOfTheCard()
{
    CardRig rig;
    QVERIFY(rig.start());
    const QString uid = QStringLiteral("04A1B201");
    rig.put(uid);
    QCOMPARE(rig.call(CardServer::bookActions).results.value(0), QStringLiteral("2")); // two more entries
    TNetCardDlg editor(rig.host.window.get(), rig.host.view);
    editor.setID(rig.host.view);
    QCoreApplication::postEvent(&editor, new TLumReaderEvent(uid));
    QTRY_COMPARE(child<QLineEdit>(&editor, "m_uid")->text(), uid);

    auto* log = child<QTreeWidget>(&editor, "m_ActionList");
    QCOMPARE(log->columnCount(), 38);
    QCOMPARE(log->headerItem()->text(12), QStringLiteral("Functions"));
    child<QTabWidget>(&editor, "m_Tab")->setCurrentWidget(child<QWidget>(&editor, "TabActionlogs"));
    QCOMPARE(log->topLevelItemCount(), 3);
    QCOMPARE(column(log, 12), QStringList(3, QStringLiteral("P,C")));
    QCOMPARE(column(log, 7), QStringList(3, QStringLiteral("OK")));
    QCOMPARE(column(log, 6), QStringList(3, QStringLiteral("1001")));
    log->sortByColumn(0, Qt::DescendingOrder);
    QStringList ids = column(log, 0);
    QVERIFY(ids[0].toInt() > ids[1].toInt() && ids[1].toInt() > ids[2].toInt());
    QCOMPARE(log->topLevelItem(2)->text(2), QStringLiteral("format"));

    // Entries read once are left out unless asked for; 0 lists them all.
    child<QSpinBox>(&editor, "m_actioncount")->setValue(0);
    QCOMPARE(log->topLevelItemCount(), 0);
    child<QCheckBox>(&editor, "m_chkreadentries")->setChecked(true);
    QCOMPARE(log->topLevelItemCount(), 3);

    const QString xmlFile = rig.host.dir.filePath("log.xml");
    rig.prompts.texts << xmlFile;
    click(&editor, "buttonExport");
    QFile file(xmlFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument xml;
    QVERIFY(xml.setContent(&file));
    QCOMPARE(xml.doctype().name(), QStringLiteral("PosData"));
    QCOMPARE(xml.documentElement().tagName(), QStringLiteral("CardActionLogs"));
    QCOMPARE(xml.documentElement().elementsByTagName("actionlogs").size(), 3);
    QCOMPARE(xml.documentElement().firstChildElement("actionlogs").firstChildElement("cardnumber").text(),
             QStringLiteral("1001"));

    // The log is printed through the host's document; without a printer into a PDF file.
    QVERIFY(!child<QPushButton>(&editor, "buttonPrint")->isEnabled());
    const QString pdf = rig.host.dir.filePath("log.pdf");
    rig.prompts.texts << pdf;
    QVERIFY(QMetaObject::invokeMethod(&editor, "onPrintAction"));
    QFile printed(pdf);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QVERIFY(printed.read(4) == "%PDF");
    // Forty columns do not fit one page without breaking their words: they go on two.
    const QByteArray document = printed.readAll();
    QCOMPARE(document.count("/Type /Page\n"), 2);
}

void TestCardDialogs::clientIsPickedForTheCard()
{
    CardRig rig;
    QVERIFY(rig.start());
    TNetCardDlg editor(rig.host.window.get(), rig.host.view);
    editor.setID(rig.host.view);
    auto* client = child<QSpinBox>(&editor, "m_clientnumber");
    client->setValue(3);
    // The picker starts at the card's client; another one chosen replaces it, Cancel keeps it.
    QString startedAt;
    whenShown(QStringLiteral("TNetClientSelectDlg"), [&startedAt](QDialog* picker) {
        auto* clients = child<QTreeWidget>(picker, "m_ClientView");
        startedAt =
            clients->selectedItems().value(0) ? clients->selectedItems().value(0)->text(0) : QString();
        clients->clearSelection();
        clients->findItems(QStringLiteral("7"), Qt::MatchExactly, 0).value(0)->setSelected(true);
        click(picker, "buttonOk");
    });
    click(&editor, "buttonSelect");
    QCOMPARE(startedAt, QStringLiteral("3"));
    QCOMPARE(client->value(), 7);
    whenShown(QStringLiteral("TNetClientSelectDlg"), [](QDialog* picker) { picker->reject(); });
    click(&editor, "buttonSelect");
    QCOMPARE(client->value(), 7);
}

void TestCardDialogs::actionsOfTheCard()
{
    CardRig rig;
    QVERIFY(rig.start());
    const QString uid = QStringLiteral("04A1B202");
    for (const char* points : {"10", "20", "30"}) {
        PosLib::TNetCardAction action;
        action.setDateTag(1);
        action.setModifier(2);
        action.setField(QStringLiteral("pointssaldo"));
        action.setNewValue(QString::fromLatin1(points));
        action.setUid(uid);
        QCOMPARE(rig.call(CardServer::updateAction, {action.toXml()}).code, 0);
    }
    TNetCardDlg editor(rig.host.window.get(), rig.host.view);
    editor.setID(rig.host.view);
    rig.put(uid);
    QTRY_COMPARE(child<QLineEdit>(&editor, "m_uid")->text(), uid);
    child<QTabWidget>(&editor, "m_Tab")->setCurrentWidget(child<QWidget>(&editor, "TabActions"));
    auto* actions = child<QTreeWidget>(&editor, "m_ActionsList");
    QCOMPARE(actions->topLevelItemCount(), 4); // the demo's one and the three above
    QCOMPARE(column(actions, 3), QStringList(4, QStringLiteral("no")));
    QCOMPARE(column(actions, 4), QStringList(4, QStringLiteral("n/a")));
    QVERIFY(!child<QPushButton>(&editor, "buttonDeleteAction")->isEnabled());

    // Three selected; another terminal removes the second meanwhile.
    for (int row = 1; row < 4; ++row)
        actions->topLevelItem(row)->setSelected(true);
    QVERIFY(child<QPushButton>(&editor, "buttonDeleteAction")->isEnabled());
    const QStringList chosen = {actions->topLevelItem(1)->text(0), actions->topLevelItem(2)->text(0),
                                actions->topLevelItem(3)->text(0)};
    QCOMPARE(rig.call(CardServer::removeAction, {chosen[1]}).code, 0);
    whenShown(QStringLiteral("TDlgRemove"), [](QDialog* confirm) { confirm->accept(); });
    click(&editor, "buttonDeleteAction");
    QCOMPARE(messageTexts(rig.prompts),
             QStringList{"Error while removing card actions: 2 card actions could not be removed."});
    QCOMPARE(column(actions, 0), (QStringList{column(actions, 0).first(), chosen[1], chosen[2]}));
    QStringList left;
    for (const QString& text : rig.call(CardServer::getActions, {uid, QStringLiteral("false")}).results)
        left << QString::number(PosLib::TNetCardAction(text).getID());
    QCOMPARE(left.size(), 2);
    QVERIFY(!left.contains(chosen[0]) && left.contains(chosen[2]));

    // An action opens for changing with the card's UID.
    QString opened;
    whenShown(QStringLiteral("TNetActionDlg"), [&opened](QDialog* change) {
        opened = change->windowTitle();
        change->reject();
    });
    emit actions->itemActivated(actions->topLevelItem(1), 0);
    QCOMPARE(opened, QStringLiteral("Edit card action..."));

    // Booked actions are listed on request and are never deleted.
    rig.prompts.messages.clear();
    rig.put(QStringLiteral("04A1B205"));
    QTRY_COMPARE(child<QLineEdit>(&editor, "m_uid")->text(), QStringLiteral("04A1B205"));
    QCOMPARE(actions->topLevelItemCount(), 0);
    child<QCheckBox>(&editor, "m_chkbooked")->setChecked(true);
    QCOMPARE(column(actions, 3), (QStringList{"yes", "yes"}));
    actions->topLevelItem(0)->setSelected(true);
    click(&editor, "buttonDeleteAction");
    QCOMPARE(messageTexts(rig.prompts),
             QStringList{"Important: Booked actions can't be deleted. Please deselect them."});
    emit actions->itemActivated(actions->topLevelItem(0), 0);
    QCOMPARE(messageTexts(rig.prompts).last(),
             QStringLiteral("Important: Booked actions can't be changed. Please deselect them."));
    QCOMPARE(actions->topLevelItemCount(), 2);
}

void TestCardDialogs::authorizationKeepsItsDescription()
{
    TestHost host;
    ScriptedPrompts prompts;
    auto dialog = host.open<AuthorizationDlg>();
    QVERIFY(!child<QPushButton>(dialog.get(), "buttonOk")->isEnabled());
    retype(child<QLineEdit>(dialog.get(), "NameField"), QStringLiteral("Cancel bills"));
    retype(child<QLineEdit>(dialog.get(), "DescriptionControl"), QStringLiteral("May cancel <any> bill"));
    click(dialog.get(), "buttonOk");
    Basics::TValue* stored = host.list("authorizations")->find(1);
    QVERIFY(stored);
    QCOMPARE(stored->getString("description"), QStringLiteral("May cancel <any> bill"));

    dialog = host.open<AuthorizationDlg>({1});
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit authorization"));
    retype(child<QLineEdit>(dialog.get(), "DescriptionControl"), QString());
    click(dialog.get(), "buttonOk");
    QVERIFY(!host.list("authorizations")->find(1)->contains("description"));
}

QTEST_MAIN(TestCardDialogs)
#include "tst_carddialogs.moc"
