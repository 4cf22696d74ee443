// The card, card list, client, action and template records, the card UID mapping of the data root
// and the reader's error texts.

#include "tcardactionlog.h"
#include "tcardactiontext.h"
#include "tcardmapping.h"
#include "tcardproperties.h"
#include "tcurrencies.h"
#include "tcurrency.h"
#include "tlumworkspace.h"
#include "tnetcardaction.h"
#include "tnetcardactions.h"
#include "tnetclient.h"
#include "tnetreader.h"
#include "tpseudoproperty.h"
#include "treadererror.h"
#include "ttemplatecardaction.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using PosLib::TCardProperties;
using PosLib::TNetCardAction;

class TestCardRecords : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parseCardText_data();
    void parseCardText();
    void boundedSetters_data();
    void boundedSetters();
    void cardListRecord_data();
    void cardListRecord();
    void cardMappingSurvivesRestarts();
    void listsMakeTheirRecordClasses();
    void clientKeepsOldBirthdays();
    void actionText_data();
    void actionText();
    void descriptionEscapesAngles();
    void templateJoinsActions();
    void actionLogKeepsItsOwnId();
    void readerErrorTexts_data();
    void readerErrorTexts();
};

void TestCardRecords::parseCardText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("uid");
    QTest::newRow("empty text") << "" << true << true << 0 << "";
    QTest::newRow("empty element") << "<carddata/>" << true << true << 0 << "";
    QTest::newRow("number 17") << "<carddata><cardnumber>17</cardnumber><uid>04A1</uid></carddata>" << true
                               << false << 17 << "04A1";
    QTest::newRow("number wins over id")
        << "<carddata><id>5</id><cardnumber>9</cardnumber></carddata>" << true << false << 9 << "";
    QTest::newRow("unknown elements are kept")
        << "<carddata><cardnumber>3</cardnumber><colour>red</colour></carddata>" << true << false << 3 << "";
    QTest::newRow("not XML") << "<carddata><cardnumber>3</carddata>" << false << false << 0 << "";
    QTest::newRow("text in the element")
        << "<carddata>x<cardnumber>4</cardnumber></carddata>" << false << false << 0 << "";
}

void TestCardRecords::parseCardText()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(bool, empty);
    QFETCH(int, id);
    QFETCH(QString, uid);
    TCardProperties card;
    card.setUid(QStringLiteral("before"));
    QCOMPARE(card.setXml(text), ok);
    QCOMPARE(card.isEmpty(), empty);
    QCOMPARE(card.getID(), id);
    // An empty card text changes nothing else.
    QCOMPARE(card.getUid(), empty ? QStringLiteral("before") : uid);
    if (QTest::currentDataTag() == QLatin1StringView("unknown elements are kept"))
        QCOMPARE(TCardProperties(card.toXml()).getString("colour"), QStringLiteral("red"));
}

void TestCardRecords::boundedSetters_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<long>("value");
    QTest::addColumn<int>("result");
    QTest::addColumn<long>("stored");
    QTest::newRow("below min") << "pointssaldo" << -1L << 11 << 40L;
    QTest::newRow("at max") << "pointssaldo" << 100L << 0 << 100L;
    QTest::newRow("above max") << "pointssaldo" << 250L << 10 << 100L;
    QTest::newRow("extra in bounds") << "extrapoints2" << 7L << 0 << 7L;
    QTest::newRow("extra below") << "extrapoints3" << 1L << 11 << 40L;
    QTest::newRow("extra above") << "extrapoints1" << 51L << 10 << 50L;
    QTest::newRow("not an extra balance") << "creditsaldo" << 5L << 11 << 40L;
}

void TestCardRecords::boundedSetters()
{
    QFETCH(QString, key);
    QFETCH(long, value);
    QFETCH(int, result);
    QFETCH(long, stored);
    TCardProperties card;
    card.setPointsMax(100);
    card.setExtraPointsMin(5);
    card.setExtraPointsMax(50);
    for (const char* balance : {"pointssaldo", "extrapoints1", "extrapoints2", "extrapoints3", "creditsaldo"})
        card.set(balance, 40);
    const int got = key == u"pointssaldo" ? card.setPoints(value) : card.setExtraPoints(key, value);
    QCOMPARE(got, result);
    QCOMPARE(card.getString(key).toLong(), stored);
}

void TestCardRecords::cardListRecord_data()
{
    QTest::addColumn<QString>("flags");
    QTest::addColumn<int>("cardType");
    QTest::newRow("points and credit") << "canpoints,cancredit" << 3;
    QTest::newRow("locked only") << "islocked" << 32;
    QTest::newRow("none") << "" << 0;
    QTest::newRow("all six") << "canpoints,cancredit,cantable,canwaiter,databasecard,islocked" << 63;
}

void TestCardRecords::cardListRecord()
{
    QFETCH(QString, flags);
    QFETCH(int, cardType);
    TCardProperties card;
    card.setCardNumber(1001);
    card.setUid(QStringLiteral("04A1B201"));
    card.setClientNumber(4);
    card.setPointsSaldo(12);
    card.setExtraPointsSaldo(QStringLiteral("extrapoints2"), 3);
    for (const QString& flag : flags.split(u',', Qt::SkipEmptyParts))
        card.setFlag(flag, true);
    const QString text = card.toXml();

    PosLib::TPseudoProperty listed;
    listed.setCreditSaldo(99); // from an earlier reading: the card's 0 removes it
    listed.takeCard(card, text, 7);
    QCOMPARE(listed.getID(), 7);
    QCOMPARE(listed.getCardNumber(), 1001);
    QCOMPARE(listed.getUid(), QStringLiteral("04A1B201"));
    QCOMPARE(listed.getCardData(), text);
    QCOMPARE(listed.getPointsSaldo(), 12);
    QCOMPARE(listed.getExtraPoints(QStringLiteral("extrapoints2")), 3);
    QCOMPARE(listed.getCardType(), cardType);
    QCOMPARE(listed.contains("cardtype"), cardType != 0);
    QVERIFY(!listed.contains("creditsaldo"));
    QVERIFY(!listed.contains("tablenr"));
}

void TestCardRecords::cardMappingSurvivesRestarts()
{
    QTemporaryDir root;
    TCardMapping::load(root.path());
    QCOMPARE(TCardMapping::cardId(root.path(), "04A1B201"), 1);
    QCOMPARE(TCardMapping::cardId(root.path(), "04A1B202"), 2);
    QCOMPARE(TCardMapping::cardId(root.path(), "04A1B201"), 1);
    QCOMPARE(TCardMapping::cardId(root.path(), "04A1B203"), 3);
    QCOMPARE(TCardMapping::cardId(root.path(), QString()), 0);

    // Another program on the same data root maps a card meanwhile; its id is taken over.
    const Basics::TValue ours = TLumWorkspace::Cardmapping;
    TCardMapping::load(root.path());
    QCOMPARE(TCardMapping::cardId(root.path(), "0AB1C2D3"), 4);
    TLumWorkspace::Cardmapping = ours;
    QCOMPARE(TCardMapping::cardId(root.path(), "0AB1C2D4"), 5);
    QCOMPARE(TCardMapping::cardId(root.path(), "0AB1C2D3"), 4);

    // The next run of the program (a new workspace) knows them all.
    TLumWorkspace::Cardmapping = Basics::TValue();
    TLumWorkspace workspace(root.path());
    QCOMPARE(TLumWorkspace::Cardmapping.count(), 5);
    QCOMPARE(TCardMapping::cardId(root.path(), "04A1B202"), 2);
    QCOMPARE(TCardMapping::cardId(root.path(), "0AB1C2D4"), 5);
}

void TestCardRecords::listsMakeTheirRecordClasses()
{
    QTemporaryDir root;
    TLumWorkspace workspace(root.path());
    QVERIFY(qobject_cast<PosLib::TNetCardActions*>(workspace.getData("realnetcardactions")));
    const auto makes = [&](const char* list, auto* record) {
        std::unique_ptr<Basics::TValue> made(workspace.getData(QString::fromLatin1(list))->createValue());
        return dynamic_cast<decltype(record)>(made.get()) != nullptr;
    };
    QVERIFY(makes("realnetcardactions", static_cast<TNetCardAction*>(nullptr)));
    QVERIFY(makes("netclients", static_cast<PosLib::TNetClient*>(nullptr)));
    QVERIFY(makes("actionlogs", static_cast<PosLib::TCardActionLog*>(nullptr)));
    QVERIFY(makes("pseudoproperties", static_cast<PosLib::TPseudoProperty*>(nullptr)));
}

void TestCardRecords::clientKeepsOldBirthdays()
{
    PosLib::TNetClient client;
    client.setID(3);
    client.setName(QStringLiteral("Bauer"));
    client.setBirthday(QDateTime(QDate(1956, 2, 29), QTime(0, 0)));
    client.setCity(QStringLiteral("München"));
    client.setCity(QString());
    client.setParentId(20);
    client.setParentId(0);
    const PosLib::TNetClient read(client.toXml());
    QCOMPARE(read.getID(), 3);
    QCOMPARE(read.getBirthday().date(), QDate(1956, 2, 29));
    QVERIFY(!read.contains("city"));
    QVERIFY(!read.contains("parentid"));
    // The client template's "no birthday".
    client.setBirthday(QDateTime(QDate(1800, 1, 1), QTime(0, 0)));
    QCOMPARE(client.getBirthday().date(), QDate(1800, 1, 1));
}

void TestCardRecords::actionText_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("modifier");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("freeInput");
    QTest::addColumn<bool>("currencies");
    QTest::addColumn<QString>("text");
    QTest::newRow("one month") << 5 << 2 << "enddate"
                               << "1" << false << false << "add 1 month to enddate";
    QTest::newRow("three months") << 5 << 2 << "enddate"
                                  << "3" << false << false << "add 3 months to enddate";
    QTest::newRow("days back") << 4 << 3 << "startdate"
                               << "10" << false << false << "substract from startdate 10 days";
    QTest::newRow("one year") << 6 << 2 << "lastsubvent"
                              << "1" << false << false << "add 1 year to lastsubvent";
    QTest::newRow("amount") << 2 << 1 << "creditsaldo"
                            << "1250" << false << true << "set creditsaldo to 12,50";
    QTest::newRow("amount, no currencies") << 2 << 1 << "creditsaldo"
                                           << "1250" << false << false << "set creditsaldo to 1250";
    QTest::newRow("counter is no amount") << 1 << 2 << "pointssaldo"
                                          << "1250" << false << true << "add 1250 to pointssaldo";
    QTest::newRow("subtract counter") << 1 << 3 << "pointssaldo"
                                      << "5" << false << false << "substract from pointssaldo 5";
    QTest::newRow("free input") << 2 << 1 << "creditsaldo"
                                << "" << true << true << "set creditsaldo to free input";
    QTest::newRow("lock") << 0 << 1 << "islocked"
                          << "true" << false << false << "set islocked to true";
    QTest::newRow("unknown modifier") << 1 << 7 << "pointssaldo"
                                      << "5" << false << false << "";
}

void TestCardRecords::actionText()
{
    QFETCH(int, type);
    QFETCH(int, modifier);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(bool, freeInput);
    QFETCH(bool, currencies);
    QFETCH(QString, text);
    TCurrencies list;
    auto* euro = new PosLib::TCurrency;
    euro->setID(1);
    euro->setDecPos(2);
    list.insert(euro);
    TNetCardAction action;
    action.setDateTag(type);
    action.setModifier(modifier);
    action.setField(field);
    action.setNewValue(value);
    action.setFreeInput(freeInput);
    QCOMPARE(cardActionText(action, currencies ? &list : nullptr), text);
}

void TestCardRecords::descriptionEscapesAngles()
{
    TNetCardAction action;
    action.setDescription(QStringLiteral("<b>Bonus</b> > 5"));
    QCOMPARE(action.getString("description"),
             QStringLiteral("SmAlLeRbGrEaTeRBonusSmAlLeR/bGrEaTeR GrEaTeR 5"));
    QCOMPARE(TNetCardAction(action.toXml()).getDescription(), QStringLiteral("<b>Bonus</b> > 5"));

    // A set date travels with its time and is shown with both.
    action.setDateTag(3);
    action.setModifier(1);
    action.setField(QStringLiteral("enddate"));
    action.setNewValueDate(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 0)));
    QCOMPARE(action.getActionText(), QStringLiteral("set enddate to 31.12.2026 23:59:00"));
    action.setNewValue(QStringLiteral("3"));
    QVERIFY(!action.hasDateValue());
}

void TestCardRecords::templateJoinsActions()
{
    PosLib::TTemplateCardAction empty;
    empty.setActions({});
    QVERIFY(!empty.contains("templates"));
    QVERIFY(empty.getActions().isEmpty());

    TNetCardAction first;
    first.setID(1);
    first.setDateTag(1);
    first.setModifier(2);
    first.setField(QStringLiteral("pointssaldo"));
    first.setNewValue(QStringLiteral("500"));
    first.setDescription(QStringLiteral("<bonus>"));
    TNetCardAction second;
    second.setID(2);
    second.setDateTag(0);
    second.setModifier(1);
    second.setField(QStringLiteral("islocked"));
    second.setNewValue(QStringLiteral("true"));
    PosLib::TTemplateCardAction pair;
    pair.setActions({first, second});
    const QString text = pair.getString("templates");
    QCOMPARE(text.count(QStringLiteral("?$")), 1);
    QVERIFY(text.contains(QStringLiteral("field__pointssaldo\u00a7\u00a7id__1")));
    const QList<TNetCardAction> back = pair.getActions();
    QCOMPARE(back.size(), 2);
    QVERIFY(back[0] == first);
    QVERIFY(back[1] == second);
    QCOMPARE(back[0].getDescription(), QStringLiteral("<bonus>"));
}

void TestCardRecords::actionLogKeepsItsOwnId()
{
    TCardProperties card;
    card.setCardNumber(1001);
    PosLib::TCardActionLog entry(card.toXml());
    entry.setID(55);
    entry.setResult(PosLib::TCardActionLog::success);
    const PosLib::TCardActionLog read(entry.toXml());
    QCOMPARE(read.getID(), 55);
    QCOMPARE(read.getCardNumber(), 1001ul);
    QVERIFY(read.toXml().contains(QStringLiteral("<cardactionlog>")));
    QVERIFY(PosLib::TCardActionLog(QString()).isEmpty());
}

void TestCardRecords::readerErrorTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "Success";
    QTest::newRow("-1") << -1 << "No card inserted";
    QTest::newRow("-24") << -24 << "Process counter mismatch";
    QTest::newRow("-54") << -54 << "Wrong Mifare UID detected";
    QTest::newRow("-98") << -98 << "Authorisation error";
    QTest::newRow("-100") << -100 << "Other internal error";
    QTest::newRow("-7") << -7 << "Code -7: Unknown error";
    QTest::newRow("5") << 5 << "Code 5: Unknown error";
}

void TestCardRecords::readerErrorTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(Devices::readerErrorText(code), text);
    // Without a device named "TNetReader" there is no reader.
    Devices::TDevice other(QStringLiteral("TFiscalPrinter"));
    TLumWorkspace::ReaderDeviceList.append(&other);
    QVERIFY(!Devices::TNetReader::find());
    TLumWorkspace::ReaderDeviceList.removeAll(&other);
}

QTEST_GUILESS_MAIN(TestCardRecords)
#include "tst_cardrecords.moc"
