#include "web/stringtourl.h"

#include <QTest>

class TestStringToUrl : public QObject
{
    Q_OBJECT
private slots:
    void substitutes_data();
    void substitutes();
    void isIdempotent_data();
    void isIdempotent();
    void longTexts();
};

void TestStringToUrl::substitutes_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    const QString notSign(QChar(0x00AC));
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("nothing to replace")
        << QStringLiteral("Happy birthday, Rita!") << QStringLiteral("Happy birthday, Rita!");
    QTest::newRow("apostrophe") << QStringLiteral("Fred's") << QStringLiteral("Fred`s");
    QTest::newRow("double quote") << QStringLiteral("\"x\"") << QStringLiteral("``x``");
    QTest::newRow("ampersand") << QStringLiteral("salt & pepper")
                               << QStringLiteral("salt and pepper");
    QTest::newRow("ampersand without blanks") << QStringLiteral("a&b") << QStringLiteral("aandb");
    QTest::newRow("question mark") << QStringLiteral("why?") << QStringLiteral("why") + notSign;
    QTest::newRow("all four with spaces")
        << QStringLiteral("It's \"great\" & why? Yes")
        << QStringLiteral("It`s ``great`` and why") + notSign + QStringLiteral(" Yes");
    QTest::newRow("line breaks and spaces pass")
        << QStringLiteral("one\r\ntwo\n  three\t") << QStringLiteral("one\r\ntwo\n  three\t");
    QTest::newRow("percent and equals pass")
        << QStringLiteral("100% = a+b#c") << QStringLiteral("100% = a+b#c");
    QTest::newRow("non-ASCII passes")
        << QStringLiteral("Zoë, Łódź, 日本") << QStringLiteral("Zoë, Łódź, 日本");
    QTest::newRow("grave accent and not sign pass")
        << QStringLiteral("`") + notSign << QStringLiteral("`") + notSign;
    QTest::newRow("only delimiters")
        << QStringLiteral("'\"&?") << QStringLiteral("```and") + notSign;
}

void TestStringToUrl::substitutes()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(stringToURL(input), expected);
}

void TestStringToUrl::isIdempotent_data()
{
    substitutes_data();
}

void TestStringToUrl::isIdempotent()
{
    QFETCH(QString, input);
    const QString once = stringToURL(input);
    QCOMPARE(stringToURL(once), once);
    // No delimiter of the request survives.
    for (const QChar c : {u'\'', u'"', u'&', u'?'})
        QVERIFY(!once.contains(c));
}

void TestStringToUrl::longTexts()
{
    // Lengths around and far beyond the 16-bit limit of the old position counter.
    for (const qsizetype length : {qsizetype(32766), qsizetype(32767), qsizetype(32768),
                                   qsizetype(70000), qsizetype(1) << 20}) {
        QString text(length, u'x');
        text[length - 1] = u'&';
        text[length / 2] = u'\'';
        const QString result = stringToURL(text);
        QCOMPARE(result.size(), length + 2);
        QCOMPARE(result.at(length / 2), u'`');
        QVERIFY(result.endsWith(QLatin1String("xand")));
    }
}

QTEST_APPLESS_MAIN(TestStringToUrl)
#include "test_stringtourl.moc"
