// The record list: ids, ownership, signals, iteration order, and the XML and text exchange forms.

#include "tcurrency.h"
#include "tlistnames.h"
#include "tpayform.h"
#include "tvaluelist.h"
#include "xmlexchange.h"

#include <QDomDocument>
#include <QSignalSpy>
#include <QTest>
#include <QTextStream>

using Basics::TValue;
using Basics::TValueList;

namespace {

// Counts the records alive, so that ownership mistakes show up as a wrong count.
int liveRecords = 0;

class CountedValue : public TValue {
public:
    CountedValue() { ++liveRecords; }
    ~CountedValue() override { --liveRecords; }
};

class CountedList : public TValueList {
public:
    TValue* createValue() const override { return new CountedValue; }
};

class CurrencyList : public CountedList {
public:
    QString rootName() const override { return QStringLiteral("currencies"); }
    QString elementName() const override { return QStringLiteral("currency"); }
};

TValue* record(int id, const QString& name = QString())
{
    auto* value = new CountedValue;
    if (id != 0)
        value->setID(id);
    value->setName(name);
    return value;
}

QList<int> ids(const TValueList& list)
{
    QList<int> result;
    for (const TValue* value : list)
        result << value->getID();
    return result;
}

QDomElement parse(QDomDocument& doc, const QString& xml)
{
    if (!doc.setContent(xml))
        qFatal("bad test document");
    return doc.documentElement();
}

} // namespace

class TestValueList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { liveRecords = 0; }
    void appendGivesNextFreeId();
    void putOfPresentIdOnlyReportsChange();
    void insertUnderPresentIdShadows();
    void iterationIsAscending();
    void removeSignalsBeforeDeleting();
    void takeHandsOwnershipBack();
    void clearAndDestructionDeleteEverything();
    void blockedSignalsAreNotEmitted();
    void importReplacesMergesAppendsAndDeletes();
    void importOfSettingsPuts();
    void exportXmlAndText();
    void exchangeDocumentRoundTrip();
    void namesOfTheSystemsLists_data();
    void namesOfTheSystemsLists();
};

void TestValueList::appendGivesNextFreeId()
{
    CountedList list;
    TValue* first = record(0, "one");
    list.append(first);
    QCOMPARE(first->getID(), 1);
    list.insert(record(41));
    QCOMPARE(list.nextID(), 42);
    TValue* next = record(0);
    list.append(next);
    QCOMPARE(next->getID(), 42);
    list.insert(record(7)); // a lower id does not lower nextID
    QCOMPARE(list.nextID(), 43);
    QCOMPARE(list.count(), 4);
}

void TestValueList::putOfPresentIdOnlyReportsChange()
{
    CountedList list;
    list.put(record(5, "stored"));
    QSignalSpy inserted(&list, &TValueList::inserted);
    QSignalSpy changed(&list, &TValueList::changed);
    std::unique_ptr<TValue> passed(record(5, "passed"));
    list.put(passed.get());
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().value<TValue*>(), passed.get());
    QCOMPARE(list.find(5)->getName(), QStringLiteral("stored"));
    QCOMPARE(list.count(), 1);
}

void TestValueList::insertUnderPresentIdShadows()
{
    CountedList list;
    list.insert(record(3, "first"));
    list.insert(record(3, "second"));
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.find(3)->getName(), QStringLiteral("second"));
    QVERIFY(list.remove(list.find(3)));
    QCOMPARE(list.find(3)->getName(), QStringLiteral("first"));
    QCOMPARE(list.find(4), nullptr);
    QCOMPARE(list.find(2), nullptr);
}

void TestValueList::iterationIsAscending()
{
    CountedList list;
    for (int id : {500, 3, 77, -2, 1000000, 4})
        list.insert(record(id));
    QCOMPARE(ids(list), (QList<int>{-2, 3, 4, 77, 500, 1000000}));
}

void TestValueList::removeSignalsBeforeDeleting()
{
    CountedList list;
    list.insert(record(9, "Bar"));
    QString seen;
    connect(&list, &TValueList::removed, this, [&](TValue* value) { seen = value->getName(); });
    QVERIFY(list.remove(list.find(9)));
    QCOMPARE(seen, QStringLiteral("Bar"));
    QCOMPARE(liveRecords, 0);

    std::unique_ptr<TValue> stranger(record(9));
    QSignalSpy removed(&list, &TValueList::removed);
    QVERIFY(!list.remove(stranger.get()));
    QCOMPARE(removed.count(), 0);
}

void TestValueList::takeHandsOwnershipBack()
{
    CountedList list;
    TValue* value = record(2);
    list.insert(value);
    QSignalSpy removed(&list, &TValueList::removed);
    std::unique_ptr<TValue> taken(list.take(value));
    QCOMPARE(taken.get(), value);
    QCOMPARE(removed.count(), 1);
    QVERIFY(list.isEmpty());
    QCOMPARE(liveRecords, 1);
    QCOMPARE(list.take(value), nullptr);
}

void TestValueList::clearAndDestructionDeleteEverything()
{
    {
        CountedList list;
        for (int id = 1; id <= 10; ++id)
            list.insert(record(id));
        QSignalSpy removed(&list, &TValueList::removed);
        list.clear();
        QCOMPARE(removed.count(), 0);
        QCOMPARE(liveRecords, 0);
        QCOMPARE(list.nextID(), 11); // the ids given out stay given out
        list.insert(record(1));
    }
    QCOMPARE(liveRecords, 0);
}

void TestValueList::blockedSignalsAreNotEmitted()
{
    CountedList list;
    QSignalSpy inserted(&list, &TValueList::inserted);
    list.blockSignals(true);
    list.insert(record(1));
    list.blockSignals(false);
    list.insert(record(2));
    QCOMPARE(inserted.count(), 1);
}

void TestValueList::importReplacesMergesAppendsAndDeletes()
{
    CurrencyList list;
    list.insert(record(1, "old"));
    QDomDocument doc;
    QDomElement root = parse(doc, "<currencies><_delete_/>"
                                  "<currency><id>4</id><name>Euro</name><rate>1</rate></currency>"
                                  "<currency><name>no id</name></currency>"
                                  "</currencies>");
    QSignalSpy counts(&list, &TValueList::importCount);
    QSignalSpy steps(&list, &TValueList::importStep);
    list.importXml(root);
    QCOMPARE(counts.count(), 1);
    QCOMPARE(counts.first().first().toInt(), 3);
    QCOMPARE(steps.count(), 2);
    QCOMPARE(ids(list), (QList<int>{4, 5})); // the list was replaced; no id means the next free one
    QCOMPARE(list.find(5)->getName(), QStringLiteral("no id"));

    QDomDocument second;
    root = parse(second, "<currencies>"
                         "<currency><id>4</id><name>Euro (new)</name></currency>"
                         "<currency><_delete_/><id>5</id></currency>"
                         "<currency><_delete_/><id>99</id></currency>"
                         "</currencies>");
    QSignalSpy changed(&list, &TValueList::changed);
    list.importXml(root);
    QCOMPARE(ids(list), (QList<int>{4, 99})); // a delete of an unknown id simply adds that record
    QCOMPARE(list.find(4)->getName(), QStringLiteral("Euro (new)"));
    QCOMPARE(list.find(4)->getString("rate"), QStringLiteral("1")); // merged
    QCOMPARE(changed.count(), 1);
    QCOMPARE(liveRecords, 2);
}

void TestValueList::importOfSettingsPuts()
{
    CountedList list;
    list.insert(record(0, "stored"));
    QDomDocument doc;
    QDomElement root = parse(doc, "<Settings><setting><id>0</id><name>imported</name></setting>"
                                  "<setting><id>3</id><name>new</name></setting></Settings>");
    QSignalSpy changed(&list, &TValueList::changed);
    list.importXml(root);
    QCOMPARE(changed.count(), 1); // record 0 exists: put() only reports it
    QCOMPARE(list.find(0)->getName(), QStringLiteral("stored"));
    QCOMPARE(list.find(3)->getName(), QStringLiteral("new"));
    QCOMPARE(liveRecords, 2); // the record put() did not keep is not leaked
}

void TestValueList::exportXmlAndText()
{
    CurrencyList list;
    list.insert(record(2, "Franc"));
    list.insert(record(1, "Euro"));
    QSignalSpy steps(&list, &TValueList::exportStep);
    QDomDocument doc;
    QDomElement parent = doc.createElement("export");
    list.exportXml(doc, parent);
    const QDomElement root = parent.firstChildElement();
    QCOMPARE(root.tagName(), QStringLiteral("currencies"));
    QCOMPARE(root.firstChildElement().tagName(), QStringLiteral("currency"));
    QCOMPARE(root.firstChildElement().firstChildElement("name").text(), QStringLiteral("Euro"));
    QCOMPARE(steps.count(), 2);

    QString text;
    QTextStream stream(&text);
    list.exportText(stream, {"name", "id"});
    stream.flush();
    QCOMPARE(text, QStringLiteral("Euro;1\nFranc;2\n"));
}

void TestValueList::exchangeDocumentRoundTrip()
{
    CurrencyList list;
    list.insert(record(1, QStringLiteral("Z\u0142oty & <co>")));
    const QByteArray xml = Basics::exportDocument(list);
    QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));

    CurrencyList copy;
    QString error;
    QVERIFY(Basics::importDocument(copy, xml, &error));
    QCOMPARE(copy.find(1)->getName(), QStringLiteral("Z\u0142oty & <co>"));

    QVERIFY(!Basics::importDocument(copy, "<discounts/>", &error));
    QVERIFY(error.contains("currencies"));
    QVERIFY(!Basics::importDocument(copy, "<currencies><currency>", &error));
    QVERIFY(error.contains("line"));
    QCOMPARE(copy.count(), 1);
}

void TestValueList::namesOfTheSystemsLists_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("file");
    const char* const table[][3] = {
        {"currencies", "currency", "currency.dat"},
        {"costcenters", "costcenter", "centers.dat"},
        {"discounts", "discount", "discount.dat"},
        {"pricelevels", "pricelevel", "prlevels.dat"},
        {"taxgroups", "taxgroup", "taxgroups.dat"},
        {"vatrates", "vatrate", "vatrate.dat"},
        {"articlehelptexts", "articlehelptext", "articlehelptexts.dat"},
        {"subventmaps", "subventmap", "subventmap.dat"},
        {"shifts", "shift", "shifts.dat"},
        {"shiftgroups", "shiftgroup", "shiftgroups.dat"},
        {"textmodules", "textmodule", "textmodules.dat"},
        {"textmodulesgroups", "textmodulesgroup", "textmodulesgroups.dat"},
        {"workingmodels", "workingmodel", "workingmodels.dat"},
        {"families", "family", "families.dat"},
        {"authorizations", "authorization", "authorizations.dat"},
        {"coatcheckranges", "coatcheckrange", "coatcheckranges.dat"},
        {"generalsettings", "generalsetting", "generalsettings.dat"},
        {"hashtags", "hashtag", "hashtags.dat"},
        {"menucards", "menucard", "menucards.dat"},
        {"salepromotions", "salepromotion", "salepromotions.dat"},
        {"salepromotionsgroups", "salepromotionsgroup", "salepromotionsgroups.dat"},
        {"waiterrights", "waiterright", "waiterrights.dat"},
        {"settings", "setting", "settings.dat"},
        {"realnetcardactions", "realnetcardaction", "realnetcardactions.dat"},
        {"templatecardactions", "templatecardaction", "netcardactions.dat"},
        {"netclients", "netclient", "netclients.dat"},
        {"elements", "element", "elements.dat"},
    };
    for (const auto& [root, element, file] : table)
        QTest::newRow(root) << root << element << file;
}

void TestValueList::namesOfTheSystemsLists()
{
    QFETCH(QString, root);
    QFETCH(QString, element);
    QFETCH(QString, file);
    const PosLib::TListNames names = PosLib::TListNames::forRoot(root);
    QCOMPARE(names.root, root);
    QCOMPARE(names.element, element);
    QCOMPARE(names.file, file);
    QCOMPARE(PosLib::TListNames::forFile(file).root, root);
    // Every list and every data file is named once.
    const auto& known = PosLib::TListNames::known();
    QVERIFY(std::count_if(known.cbegin(), known.cend(), [&](const auto& n) { return n.file == file; }) <= 1);
    QCOMPARE(PosLib::TListNames::of<PosLib::TPayform>().root, QStringLiteral("payforms"));
    std::unique_ptr<TValue> currency(PosLib::TListNames::of<PosLib::TCurrency>().create());
    QVERIFY(dynamic_cast<PosLib::TCurrency*>(currency.get()));
}

QTEST_GUILESS_MAIN(TestValueList)
#include "tst_valuelist.moc"
