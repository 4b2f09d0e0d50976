// The comments request's text, as the server reads it and as it goes on the wire.

#include "core/comments/commentsrequest.h"
#include "core/comments/stringtourl.h"

#include <QTest>

class TestWeb : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The four delimiters give way, all else passes, and a second pass changes nothing.
    void substitutes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("the four") << "It's \"great\" & why? Yes"
                                  << "It`s ``great`` and why¬ Yes";
        QTest::newRow("only the four") << "'\"&?"
                                       << "```and¬";
        QTest::newRow("the rest") << "a\r\n\t 100% = +#`¬ Zoë 日本"
                                  << "a\r\n\t 100% = +#`¬ Zoë 日本";
        QTest::newRow("long") << QString(70000, u'x') + u'&' << QString(70000, u'x') + "and";
    }
    void substitutes()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(stringToURL(text), expected);
        QCOMPARE(stringToURL(expected), expected);
    }

    // Fixed keys and order, the texts substituted; on the wire the same, percent-encoded
    // as UTF-8 but for letters, digits, "-._~" and the delimiters; below the server's address.
    void request_data()
    {
        QTest::addColumn<bool>("displayOnSite");
        QTest::addColumn<QString>("comments");
        QTest::addColumn<QString>("suggestions");
        QTest::addColumn<QString>("query");   // from DisplayOnSite's value on
        QTest::addColumn<QByteArray>("wire"); // the comments on the wire
        QTest::newRow("both") << true << "Nice-a.b_c~"
                              << "More"
                              << "true&Comments='Nice-a.b_c~'&Suggestions='More'"
                              << QByteArray("Nice-a.b_c~");
        QTest::newRow("not on site, only suggestions")
            << false << ""
            << "Colours"
            << "false&Comments=''&Suggestions='Colours'" << QByteArray();
        QTest::newRow("delimiters") << true << "Fred's & \"Rita\""
                                    << "why?"
                                    << "true&Comments='Fred`s and ``Rita``'&Suggestions='why¬'"
                                    << QByteArray("Fred%60s%20and%20%60%60Rita%60%60");
        QTest::newRow("blanks, signs") << true << "a b\r\nc\t5% +1 #2 =3"
                                       << ""
                                       << "true&Comments='a b\r\nc\t5% +1 #2 =3'&Suggestions=''"
                                       << QByteArray("a%20b%0D%0Ac%095%25%20%2B1%20%232%20%3D3");
        QTest::newRow("non-ASCII")
            << true << "Zoë 日"
            << ""
            << "true&Comments='Zoë 日'&Suggestions=''" << QByteArray("Zo%C3%AB%20%E6%97%A5");
    }
    void request()
    {
        QFETCH(bool, displayOnSite);
        QFETCH(QString, comments);
        QFETCH(QString, suggestions);
        QFETCH(QString, query);
        QFETCH(QByteArray, wire);
        CommentsRequest request;
        request.displayOnSite = displayOnSite;
        request.comments = comments;
        request.suggestions = suggestions;
        QCOMPARE(request.pathAndQuery(),
                 "/comments.asp?AppName='Candlewatcher'&AppVersion='v2.00'&DisplayOnSite=" + query);
        const QByteArray encoded = request.encodedPathAndQuery();
        QVERIFY2(encoded.contains("&Comments='" + wire + "'&Suggestions='"), encoded);
        QCOMPARE(QString::fromUtf8(QByteArray::fromPercentEncoding(encoded)),
                 request.pathAndQuery());
        QCOMPARE(request.url(" http://127.0.0.1:8080/site/").toEncoded(),
                 "http://127.0.0.1:8080/site" + encoded);
        QVERIFY(!request.url("www.marrowfell.example").isValid());
    }
};

QTEST_APPLESS_MAIN(TestWeb)
#include "test_comments.moc"
