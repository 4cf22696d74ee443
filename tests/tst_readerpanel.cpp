// The back office's card reader panel with the card server running in the program, the demo cards
// of the card list, and a card server of the shop that cannot be reached.

#include "cardlistdemo.h"
#include "cardservice.h"
#include "readerpanel.h"
#include "tlistnames.h"
#include "tlumworkspace.h"
#include "tnetreader.h"
#include "tpseudoproperty.h"
#include "tvaluelist.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {

template <class T>
T* child(QWidget* parent, const char* name)
{
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

} // namespace

class TestReaderPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void demoCardsAreListed();
    void cardsGoOnAndOffTheReader();
    void unreachableShopServer();
};

void TestReaderPanel::demoCardsAreListed()
{
    QTemporaryDir root;
    QVERIFY(TCardListDemo::create(root.path()) > 40);
    QCOMPARE(TCardListDemo::create(root.path()), 0); // a second time writes nothing

    TLumWorkspace workspace(root.path());
    Basics::TValueList* cards = workspace.getData("pseudoproperties");
    QCOMPARE(cards->count(), 10);
    auto* first = dynamic_cast<PosLib::TPseudoProperty*>(cards->find(1));
    QVERIFY(first);
    QCOMPARE(first->getUid(), QStringLiteral("04A1B201"));
    QCOMPARE(first->getCardNumber(), 1001);
    QCOMPARE(first->getCardType(), 1 + 2 + 16);
    QCOMPARE(workspace.getData("netclients")->count(), 20);
    QCOMPARE(TLumWorkspace::Cardmapping.getInt("04A1B20A"), 10);
}

void TestReaderPanel::cardsGoOnAndOffTheReader()
{
    QTemporaryDir root;
    TCardListDemo::create(root.path());
    TLumWorkspace workspace(root.path());
    TReaderPanel panel(&workspace);
    QVERIFY(panel.service()->runsServer());
    QCOMPARE(Devices::TNetReader::find(), panel.service()->reader());

    auto* cards = child<QComboBox>(&panel, "m_Cards");
    auto* onReader = child<QLabel>(&panel, "m_OnReader");
    QCOMPARE(cards->count(), 13); // a new blank card, 10 cards and 2 blank ones
    QCOMPARE(cards->itemText(0), QStringLiteral("new blank card"));
    QVERIFY(cards->itemText(1).startsWith(QLatin1StringView("card 1001 (04A1B201)")));

    // A new blank card: it joins the chooser and lies on the reader, as the reader reports.
    cards->setCurrentIndex(0);
    child<QPushButton>(&panel, "b_Put")->click();
    QCOMPARE(cards->count(), 14);
    const QString uid = cards->currentData().toString();
    QCOMPARE(uid.size(), 8);
    QTRY_COMPARE(onReader->text(), uid);

    cards->setCurrentIndex(cards->findData(QStringLiteral("04A1B202")));
    child<QPushButton>(&panel, "b_Put")->click();
    QTRY_COMPARE(onReader->text(), QStringLiteral("04A1B202"));
    QString text;
    panel.service()->reader()->readCardData(text);
    QVERIFY(text.contains(QStringLiteral("<cardnumber>1002</cardnumber>")));
    child<QPushButton>(&panel, "b_Take")->click();
    QTRY_COMPARE(onReader->text(), QStringLiteral("no card"));
}

void TestReaderPanel::unreachableShopServer()
{
    QTemporaryDir root;
    quint16 port = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        port = probe.serverPort();
    }
    QFile config(root.filePath("lumconfig.ini"));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("[CardServer]\r\nHost = 127.0.0.1\r\nPort = %1\r\nReader = kasse2\r\n")
                     .arg(port)
                     .toUtf8());
    config.close();

    TLumWorkspace workspace(root.path());
    TReaderPanel panel(&workspace);
    QVERIFY(!panel.service()->runsServer());
    QCOMPARE(panel.service()->reader()->settings().reader, QStringLiteral("kasse2"));
    QCOMPARE(child<QLabel>(&panel, "m_Server")->text(), QStringLiteral("127.0.0.1:%1").arg(port));
    QVERIFY(child<QLabel>(&panel, "m_Problem")->text().startsWith(QLatin1StringView("Could not access DB")));
    QVERIFY(!child<QPushButton>(&panel, "b_Put")->isEnabled());
    QCOMPARE(child<QComboBox>(&panel, "m_Cards")->count(), 1);
}

QTEST_MAIN(TestReaderPanel)
#include "tst_readerpanel.moc"
