// Records and their typed values: conversions, copy-on-write, the stream, XML and text forms.

#include "terror.h"
#include "tvalue.h"
#include "txmlvalue.h"
#include "xmlrecordreader.h"

#include <QDataStream>
#include <QDate>
#include <QDomDocument>
#include <QTest>
#include <QTextStream>

#include <memory>

using Basics::TValue;
using Basics::TVariant;

class TestValues : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void variantTexts();
    void variantReading_data();
    void variantReading();
    void copiesDetachOnWrite();
    void textsReadOutliveTheirRecord();
    void attributesStayInCodeUnitOrder();
    void storeOnlyWhatDiffers();
    void streamFormWritesKeysInOrder();
    void streamCountLimit();
    void xmlMergesAndStopsAtNonElement();
    void textFormEscapes();
    void xmlValueRoundTrip();
    void xmlValueReadsAsTheTree_data();
    void xmlValueReadsAsTheTree();
    void xmlValueDateTimePairs();
};

void TestValues::variantTexts()
{
    QCOMPARE(TVariant(1.5).text(), QStringLiteral("1.50000"));
    QCOMPARE(TVariant(1.5).type(), int(TVariant::Double));
    QCOMPARE(TVariant(true).text(), QStringLiteral("yes"));
    QCOMPARE(TVariant(false).text(), QStringLiteral("no"));
    QCOMPARE(TVariant(-42).text(), QStringLiteral("-42"));
    QCOMPARE(TVariant(4000000000u).text(), QStringLiteral("4000000000"));
    QCOMPARE(TVariant('A').text(), QStringLiteral("A"));
    QCOMPARE(TVariant(QDate(2024, 2, 29)).text(), QStringLiteral("2024-02-29"));
    QCOMPARE(TVariant(QTime(7, 5, 3)).text(), QStringLiteral("07:05:03"));
    QCOMPARE(TVariant(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 1))).text(),
             QStringLiteral("2024-02-29T23:59:01"));
    QCOMPARE(TVariant(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 1))).type(), int(TVariant::DateTime));
    QCOMPARE(TVariant().type(), int(TVariant::Empty));
    QVERIFY(TVariant().text().isEmpty());
}

void TestValues::variantReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("asBool");
    QTest::addColumn<int>("asInt");
    QTest::newRow("YES") << "YES" << true << 0;
    QTest::newRow("True") << "True" << true << 0;
    QTest::newRow("on") << "on" << true << 0;
    QTest::newRow("1") << "1" << true << 1;
    QTest::newRow("2") << "2" << false << 2;
    QTest::newRow("no") << "no" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("garbage") << "12abc" << false << 0;
    QTest::newRow("negative") << "-7" << false << -7;
}

void TestValues::variantReading()
{
    QFETCH(QString, text);
    QFETCH(bool, asBool);
    QFETCH(int, asInt);
    const TVariant value(text);
    QCOMPARE(value.toBool(), asBool);
    QCOMPARE(value.toInt(), asInt);
    QCOMPARE(value.type(), int(TVariant::String));
}

void TestValues::copiesDetachOnWrite()
{
    TValue original;
    original.set("name", "Euro");
    TValue copy = original;
    copy.set("name", "Franc");
    copy.remove("absent"); // a no-op must not disturb either
    QCOMPARE(original.getName(), QStringLiteral("Euro"));
    QCOMPARE(copy.getName(), QStringLiteral("Franc"));

    TValue third = copy;
    third.remove("name");
    QCOMPARE(copy.getName(), QStringLiteral("Franc"));
    QVERIFY(!third.contains("name"));
}

void TestValues::textsReadOutliveTheirRecord()
{
    // Texts, types and null texts as a record keeps them side by side, through every change.
    auto value = std::make_unique<TValue>();
    value->set("rate", 1.5);
    value->set("name", "Euro");
    value->set("null", QString());
    value->set("empty", QStringLiteral(""));
    value->set("count", 7);
    const QString name = value->getString("name");
    const TVariant rate = value->get("rate");
    const auto before = value->attributes();

    value->set("name", "Franc");
    value->remove("count");
    value->set("aa", true);
    QCOMPARE(value->get("rate").type(), int(TVariant::Double));
    QCOMPARE(value->get("aa").type(), int(TVariant::Bool));
    QVERIFY(value->getString("null").isNull());
    QVERIFY(!value->getString("empty").isNull());
    QVERIFY(value->getString("empty").isEmpty());

    // What was read before keeps its value, also once the record is gone.
    QString franc = value->getString("name");
    value.reset();
    QCOMPARE(name, QStringLiteral("Euro"));
    QCOMPARE(rate.text(), QStringLiteral("1.50000"));
    QCOMPARE(rate.type(), int(TVariant::Double));
    QCOMPARE(before.size(), 5);
    QCOMPARE(before.at(0).key, QStringLiteral("count"));
    QCOMPARE(before.at(0).value.toInt(), 7);
    QVERIFY(name.utf16()[name.size()] == 0); // terminated like any other string
    franc.append(QStringLiteral(" suisse")); // the last holder of the storage may change it
    QCOMPARE(franc, QStringLiteral("Franc suisse"));
}

void TestValues::attributesStayInCodeUnitOrder()
{
    TValue value;
    value.set("b", 1);
    value.set("a", 2);
    value.set("B", 3);
    value.set(QStringLiteral("\u00e9"), 4);
    value.set("a", 5); // replaces, does not add
    QStringList keys;
    for (const auto& attribute : value.attributes())
        keys << attribute.key;
    QCOMPARE(keys, (QStringList{"B", "a", "b", QStringLiteral("\u00e9")}));
    QCOMPARE(value.getInt("a"), 5);
    QCOMPARE(value.getInt(u"\u00e9"), 4);
    QCOMPARE(value.getInt("missing", 17), 17);

    // Assigned at once, the same order and the same rule: the later of two equal keys wins.
    TValue assigned;
    assigned.set("stale", 1);
    assigned.assign({{"b", 1}, {"a", 2}, {"B", 3}, {QStringLiteral("\u00e9"), 4}, {"a", 5}, {"id", 9}});
    QVERIFY(!assigned.contains("stale"));
    QCOMPARE(assigned.getID(), 9);
    value.set("id", 9);
    QVERIFY(assigned == value);
}

void TestValues::storeOnlyWhatDiffers()
{
    TValue value;
    value.setName("Cash");
    value.setName(QString());
    QVERIFY(!value.contains("name"));
    QCOMPARE(value.getName(), QString());

    value.setOrRemove("decimals", 2, 2);
    QVERIFY(!value.contains("decimals"));
    value.setOrRemove("decimals", 0, 2);
    QCOMPARE(value.getString("decimals"), QStringLiteral("0"));

    value.setFlag("tip", true);
    QCOMPARE(value.getString("tip"), QStringLiteral("yes"));
    value.setFlag("tip", false);
    QVERIFY(!value.contains("tip"));
    value.setFlagDefaultOn("print", false);
    QCOMPARE(value.getString("print"), QStringLiteral("no"));
    QCOMPARE(value.getBool("print", true), false);
    value.setFlagDefaultOn("print", true);
    QVERIFY(!value.contains("print"));
    QCOMPARE(value.getBool("print", true), true);

    value.setID(12);
    QCOMPARE(value.getID(), 12);
    QCOMPARE(TValue().getID(), 0);
}

void TestValues::streamFormWritesKeysInOrder()
{
    TValue value;
    value.set("b", "2");
    value.set("a", "1");
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_3_3);
        out << value;
    }
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_3_3);
    quint32 count = 0;
    QString k1, v1, k2, v2;
    in >> count >> k1 >> v1 >> k2 >> v2;
    QCOMPARE(count, 2u);
    QCOMPARE(k1, QStringLiteral("a"));
    QCOMPARE(k2, QStringLiteral("b"));
    QVERIFY(in.atEnd());

    TValue back;
    back.set("stale", "x");
    QDataStream again(bytes);
    again.setVersion(QDataStream::Qt_3_3);
    again >> back;
    QVERIFY(back == value); // reading clears first
    QCOMPARE(back.get("a").type(), int(TVariant::String));
}

void TestValues::streamCountLimit()
{
    const auto streamWithCount = [](quint32 count) {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << count;
        return bytes;
    };
    TValue value;
    value.set("kept", "no");
    QDataStream tooMany(streamWithCount(1u << 24));
    try {
        tooMany >> value;
        QFAIL("a count of 2^24 must be refused");
    } catch (const Basics::TError& error) {
        QCOMPARE(error.code(), 5);
        QCOMPARE(error.source(), QStringLiteral("tvalue"));
    }
    QCOMPARE(value.count(), 0);

    // One less is a valid count; the stream then simply runs out of data.
    QDataStream justBelow(streamWithCount((1u << 24) - 1));
    justBelow >> value;
    QCOMPARE(justBelow.status(), QDataStream::ReadPastEnd);
}

void TestValues::xmlMergesAndStopsAtNonElement()
{
    QDomDocument doc;
    QVERIFY(doc.setContent(QStringLiteral("<currency><rate>1.50000</rate><name>Franc</name>"
                                          "<!--note--><shortname>CHF</shortname></currency>")));
    TValue value;
    value.set("rate", "9");
    value.set("decimals", "2");
    QVERIFY(!value.readXml(doc.documentElement()));
    QCOMPARE(value.getString("rate"), QStringLiteral("1.50000"));
    QCOMPARE(value.getName(), QStringLiteral("Franc"));
    QCOMPARE(value.getString("decimals"), QStringLiteral("2")); // merged, not replaced
    QVERIFY(!value.contains("shortname"));                      // after the comment

    QDomDocument empty;
    QVERIFY(empty.setContent(QStringLiteral("<currency/>")));
    QVERIFY(value.readXml(empty.documentElement()));
    QCOMPARE(value.count(), 3);

    QDomDocument out;
    QDomElement parent = out.createElement("currency");
    value.writeXml(out, parent);
    QCOMPARE(parent.firstChildElement().tagName(), QStringLiteral("decimals"));
    QCOMPARE(parent.firstChildElement("rate").text(), QStringLiteral("1.50000"));
}

void TestValues::textFormEscapes()
{
    TValue value;
    value.setName(QStringLiteral("a;b\n\""));
    value.set("id", 3);
    QString line;
    QTextStream stream(&line);
    value.writeText(stream, {"id", "missing", "name"});
    stream.flush();
    QCOMPARE(line, QStringLiteral("3;;a,b|'"));
}

void TestValues::xmlValueRoundTrip()
{
    PosLib::TXmlValue card(QStringLiteral("carddata"));
    card.set("uid", QStringLiteral("04A1\u00fc"));
    card.set("name", QStringLiteral("Bauer & S\u00f6hne <\"Zum Hirschen\">"));
    card.set("balance", 1250);
    const QString xml = card.toXml();
    QVERIFY(xml.contains(QStringLiteral("<!DOCTYPE carddata>")));
    QVERIFY(xml.contains(QStringLiteral("encoding=\"utf-8\"")));

    QList<Basics::TAttribute> plain; // the records' own texts are read by hand, the fast way
    QVERIFY(PosLib::XmlRecordReader::readPlain(xml, plain));
    PosLib::TXmlValue back(QStringLiteral("carddata"));
    back.set("stale", "gone");
    QVERIFY(back.setXml(xml));
    QVERIFY(back == card);

    QVERIFY(back.setXml(QString())); // empty text changes nothing
    QVERIFY(back == card);
    QVERIFY(!back.setXml(QStringLiteral("<carddata><uid>1</uid>")));
}

// Record texts are read from the stream, not through a document tree: what they give must be what
// the tree gives to readXml.
void TestValues::xmlValueReadsAsTheTree_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("spaces between") << QStringLiteral("<c>\n <a>1</a>\n <b> x y </b>\n</c>");
    QTest::newRow("nested and cdata") << QStringLiteral("<c><a>1<i>2</i><![CDATA[<3>]]></a><b/></c>");
    QTest::newRow("entities") << QStringLiteral("<c><a>&lt;&amp;&#65;</a></c>");
    QTest::newRow("comment stops") << QStringLiteral("<c><a>1</a><!--x--><b>2</b></c>");
    QTest::newRow("instruction stops") << QStringLiteral("<c><a>1</a><?p x?><b>2</b></c>");
    QTest::newRow("text stops") << QStringLiteral("<c><a>1</a>loose<b>2</b></c>");
    QTest::newRow("cdata stops") << QStringLiteral("<c><a>1</a><![CDATA[ ]]><b>2</b></c>");
    QTest::newRow("doctype entity") << QStringLiteral("<!DOCTYPE c [<!ENTITY e \"E\">]><c><a>&e;</a></c>");
    QTest::newRow("prefixed") << QStringLiteral("<c><p:a xmlns:p=\"u\">1</p:a></c>");
    QTest::newRow("repeated key") << QStringLiteral("<c><a>1</a><a>2</a></c>");
    QTest::newRow("unclosed") << QStringLiteral("<c><a>1</a>");
    QTest::newRow("no root") << QStringLiteral("<?xml version=\"1.0\"?>");
    // The records' own form, read by hand, and what lies just beside it.
    QTest::newRow("own form") << QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE c><c><a>&lt;&amp;&gt;"
        "&quot;&apos;</a><b/><e></e><s> \u00a0</s><u>\u00fc \u20ac</u></c>");
    QTest::newRow("entity among spaces") << QStringLiteral("<c><a> &amp; </a><b>&#32;&amp;</b></c>");
    QTest::newRow("line ends") << QStringLiteral("<c><a>1\r\n2\r3</a></c>");
    QTest::newRow("control character") << QStringLiteral("<c><a>1\u00012</a></c>");
    QTest::newRow("end of cdata in text") << QStringLiteral("<c><a>]]></a></c>");
    QTest::newRow("root attribute") << QStringLiteral("<c v=\"1\"><a>1</a></c>");
    QTest::newRow("end tag of another") << QStringLiteral("<c><a>1</b></c>");
    QTest::newRow("text after the root") << QStringLiteral("<c><a>1</a></c>x");
    QTest::newRow("empty root") << QStringLiteral("<!DOCTYPE c><c/>");
}

void TestValues::xmlValueReadsAsTheTree()
{
    QFETCH(QString, text);
    PosLib::TXmlValue streamed(QStringLiteral("c"));
    const bool streamedOk = streamed.setXml(text);
    TValue tree;
    QDomDocument doc;
    const bool treeOk = doc.setContent(text) && tree.readXml(doc.documentElement());
    QCOMPARE(streamedOk, treeOk);
    QVERIFY(static_cast<const TValue&>(streamed) == tree);

    // Where the hand reader takes a text, the stream reader reads the same from it.
    QList<Basics::TAttribute> plain;
    QList<Basics::TAttribute> stream;
    if (PosLib::XmlRecordReader::readPlain(text, plain)) {
        QCOMPARE(PosLib::XmlRecordReader::readStream(text, stream),
                 PosLib::XmlRecordReader::Outcome::Complete);
        TValue byHand;
        byHand.assign(plain);
        TValue byStream;
        byStream.assign(stream);
        QVERIFY(byHand == byStream);
    }
}

void TestValues::xmlValueDateTimePairs()
{
    PosLib::TXmlValue value(QStringLiteral("cardactiondata"));
    const QDateTime when(QDate(2026, 3, 14), QTime(15, 9, 26));
    value.setDateTime("trigger", when);
    QCOMPARE(value.getString("trigger"), QStringLiteral("2026-03-14"));
    QCOMPARE(value.getString("triggertime"), QStringLiteral("15:09:26"));
    QCOMPARE(value.getDateTime("trigger"), when);

    value.setDateTime("trigger", QDateTime(QDate(2009, 12, 31), QTime(23, 0)));
    QVERIFY(!value.contains("trigger"));
    QVERIFY(!value.contains("triggertime"));
    QCOMPARE(value.getDateTime("trigger"), value.defaultDateTime());
    QCOMPARE(value.defaultDateTime(), QDateTime(QDate(2010, 1, 1), QTime(0, 0)));
}

QTEST_GUILESS_MAIN(TestValues)
#include "tst_values.moc"
