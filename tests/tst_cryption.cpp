// The printable cipher text: the block cipher against a published vector, headers, padding,
// letters, round trips and what deciphering makes of damaged or foreign text.

#include "tcryption.h"
#include "tcryptioncore.h"
#include "terror.h"

#include <QTest>

using Basics::TCryption;
using Basics::TCryptionCore;

namespace {

// RFC 7836 "id-tc26-gost-28147-param-Z", row i for nibble i from the least significant one.
constexpr TCryptionCore::SBoxes paramZ = {{
    {0xC, 0x4, 0x6, 0x2, 0xA, 0x5, 0xB, 0x9, 0xE, 0x8, 0xD, 0x7, 0x0, 0x3, 0xF, 0x1},
    {0x6, 0x8, 0x2, 0x3, 0x9, 0xA, 0x5, 0xC, 0x1, 0xE, 0x4, 0x7, 0xB, 0xD, 0x0, 0xF},
    {0xB, 0x3, 0x5, 0x8, 0x2, 0xF, 0xA, 0xD, 0xE, 0x1, 0x7, 0x4, 0xC, 0x9, 0x6, 0x0},
    {0xC, 0x8, 0x2, 0x1, 0xD, 0x4, 0xF, 0x6, 0x7, 0x0, 0xA, 0x5, 0x3, 0xE, 0x9, 0xB},
    {0x7, 0xF, 0x5, 0xA, 0x8, 0x1, 0x6, 0xD, 0x0, 0x9, 0x3, 0xE, 0xB, 0x4, 0x2, 0xC},
    {0x5, 0xD, 0xF, 0x6, 0x9, 0x2, 0xC, 0xA, 0xB, 0x7, 0x8, 0x1, 0x4, 0x3, 0xE, 0x0},
    {0x8, 0xE, 0x2, 0x5, 0x6, 0x9, 0x1, 0xC, 0xF, 0x4, 0xB, 0x0, 0xD, 0xA, 0x3, 0x7},
    {0x1, 0x7, 0xE, 0xD, 0x0, 0x5, 0x8, 0x3, 0x4, 0xF, 0xA, 0x6, 0x9, 0xC, 0xB, 0x2},
}};

QString repeated(qsizetype length)
{
    QString text(length, Qt::Uninitialized);
    for (qsizetype i = 0; i < length; ++i)
        text[i] = QChar(char16_t(u'a' + i % 26));
    return text;
}

} // namespace

class TestCryption : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void coreMatchesPublishedVector();
    void roundTrips_data();
    void roundTrips();
    void lengthHeader();
    void everyBlockOfALongText();
    void padding_data();
    void padding();
    void damagedOrForeignTextGivesNull();
    void keys();
};

void TestCryption::coreMatchesPublishedVector()
{
    // RFC 8891: key ffeeddcc...fcfdfeff, block fedcba9876543210 -> 4ee901e5c2d8ca3d, with big-endian
    // words; the low word enters the first round.
    const TCryptionCore::Key key = {0xffeeddcc, 0xbbaa9988, 0x77665544, 0x33221100,
                                    0xf0f1f2f3, 0xf4f5f6f7, 0xf8f9fafb, 0xfcfdfeff};
    const TCryptionCore core(paramZ, key);
    quint32 low = 0x76543210;
    quint32 high = 0xfedcba98;
    core.encrypt(low, high);
    QCOMPARE(high, 0x4ee901e5u);
    QCOMPARE(low, 0xc2d8ca3du);
    core.decrypt(low, high);
    QCOMPARE(low, 0x76543210u);
    QCOMPARE(high, 0xfedcba98u);

    // Blocks side by side come out as each on its own.
    TCryptionCore::Lanes lows = {0x76543210, 1, 0, 0xffffffff};
    TCryptionCore::Lanes highs = {0xfedcba98, 2, 0, 0xffffffff};
    const TCryptionCore::Lanes givenLows = lows;
    const TCryptionCore::Lanes givenHighs = highs;
    core.encrypt(lows, highs);
    for (int i = 0; i < TCryptionCore::lanes; ++i) {
        quint32 one = givenLows[i];
        quint32 two = givenHighs[i];
        core.encrypt(one, two);
        QCOMPARE(lows[i], one);
        QCOMPARE(highs[i], two);
    }
    core.decrypt(lows, highs);
    QCOMPARE(lows, givenLows);
    QCOMPARE(highs, givenHighs);
}

void TestCryption::roundTrips_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("one character") << QStringLiteral("x");
    QTest::newRow("message") << QStringLiteral("123\x02\x02\x02log\x02"
                                               "class\x04TTable\x03level\x04"
                                               "2");
    QTest::newRow("umlauts and symbols") << QStringLiteral("Grüße aus Köln: 5 € für Crème brûlée");
    QTest::newRow("outside the BMP") << QStringLiteral("東京 🍣 ラーメン");
    QTest::newRow("below the long header") << repeated(63999);
    QTest::newRow("long header") << repeated(64000) + QStringLiteral("ü");
}

void TestCryption::roundTrips()
{
    QFETCH(QString, text);
    const TCryption cryption;
    const QString cipher = cryption.encrypt(text);
    QCOMPARE(cryption.decrypt(cipher), text);
    QCOMPARE(cipher.size() % 16, 0);
    for (const QChar c : cipher)
        QVERIFY2(c >= u'A' && c <= u'P', qPrintable(QString(c)));
    // A second object with the same key reads it too.
    QCOMPARE(TCryption().decrypt(cipher), text);
}

void TestCryption::lengthHeader()
{
    const TCryption cryption;
    QVERIFY(cryption.decode(cryption.encrypt(repeated(63999))).startsWith("f9ffabc"));
    // From 64000 characters on: the section sign (two bytes in UTF-8) and eight digits.
    QVERIFY(cryption.decode(cryption.encrypt(repeated(64000)))
                .startsWith("\xc2\xa7"
                            "0000fa00abc"));
    // The header counts UTF-16 characters, not bytes.
    QVERIFY(cryption.decode(cryption.encrypt(QStringLiteral("€🍣"))).startsWith("0003"));
}

void TestCryption::everyBlockOfALongText()
{
    // Long texts are enciphered in parts at once. Equal blocks give equal cipher blocks in this
    // mode, so a part left out or done twice shows. The header and six letters fill two blocks.
    const QString text = QString(6, u'x') + QStringLiteral("abcdefgh").repeated(300000);
    const QString cipher = TCryption().encrypt(text);
    const QStringView first = QStringView(cipher).sliced(32, 16);
    qsizetype equal = 0;
    for (qsizetype at = 32; at < cipher.size(); at += 16)
        equal += QStringView(cipher).sliced(at, 16) == first;
    QCOMPARE(equal, 300000);
    QCOMPARE(TCryption().decrypt(cipher), text);
}

void TestCryption::padding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("whole block") << QStringLiteral("abcd") << QByteArray("0004abcd");
    QTest::newRow("one pad byte") << QStringLiteral("abc") << QByteArray("0003abc@");
    QTest::newRow("second pad byte is B") << QStringLiteral("ab") << QByteArray("0002ab@B");
    QTest::newRow("seven pad bytes") << QStringLiteral("abcdefghi") << QByteArray("0009abcdefghi@BC");
    QTest::newRow("two bytes of UTF-8") << QStringLiteral("abü") << QByteArray("0003ab\xc3\xbc");
}

void TestCryption::padding()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, body);
    const TCryption cryption;
    const QString cipher = cryption.encrypt(text);
    QCOMPARE(cipher.size(), body.size() * 2);
    QCOMPARE(cryption.decode(cipher), body);
    QCOMPARE(cryption.encode(body), cipher);
}

void TestCryption::damagedOrForeignTextGivesNull()
{
    const TCryption cryption;
    const QString good = cryption.encrypt(QStringLiteral("hello"));
    QVERIFY(cryption.decrypt(cryption.encode("0000hello")).isNull());
    QVERIFY(cryption
                .decrypt(cryption.encode("\xc2\xa7"
                                         "ffffffffhello"))
                .isNull());                                           // negative
    QVERIFY(cryption.decrypt(cryption.encode("0020short")).isNull()); // too long
    QVERIFY(cryption.decrypt(cryption.encode("zz05hello")).isNull()); // no number
    QVERIFY(cryption
                .decrypt(cryption.encode("\xc2\xa7"
                                         "0005"))
                .isNull());                                                           // cut header
    QCOMPARE(cryption.decrypt(cryption.encode("0003abcdef")), QStringLiteral("abc")); // rest ignored
    QVERIFY(cryption.decrypt(QString()).isNull());
    QVERIFY(cryption.decrypt(good.left(good.size() - 1)).isNull());
    QVERIFY(cryption.decrypt(good.left(good.size() - 2)).isNull());
    QString foreign = good;
    foreign[3] = u'Q';
    QVERIFY(cryption.decrypt(foreign).isNull());
    foreign[3] = u'a';
    QVERIFY(cryption.decrypt(foreign).isNull());
}

void TestCryption::keys()
{
    const QByteArray key = "0123456789abcdef0123456789ABCDEF";
    const TCryption own(key);
    // The whole transform against a known answer: a fault in the boxes, the order of the nibbles
    // or of the words would still pass every round trip.
    QCOMPARE(own.encrypt(QStringLiteral("abcd")), QStringLiteral("IGINHOKKGLGCNNJL"));
    const QString cipher = own.encrypt(QStringLiteral("entry"));
    // Only the first 32 bytes count.
    QCOMPARE(TCryption(key + "ignored").decrypt(cipher), QStringLiteral("entry"));
    QVERIFY(TCryption().encrypt(QStringLiteral("entry")) != cipher);
    QVERIFY(TCryption().decrypt(cipher) != QStringLiteral("entry"));

    try {
        TCryption shortKey(key.left(31));
        QFAIL("a key of 31 bytes was taken");
    } catch (const Basics::TCryptError& error) {
        QCOMPARE(error.line(), 403);
        QCOMPARE(error.source(), QStringLiteral("tcryption"));
    }
    try {
        own.encrypt(QString());
        QFAIL("an empty text was enciphered");
    } catch (const Basics::TCryptError& error) {
        QCOMPARE(error.line(), 401);
    }
}

QTEST_GUILESS_MAIN(TestCryption)
#include "tst_cryption.moc"
