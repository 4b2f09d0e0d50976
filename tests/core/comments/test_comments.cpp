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
        for (const auto& [tag, text, expected] :
             {std::tuple{"the four", "It's \"great\" & why? Yes", "It`s ``great`` and why¬ Yes"},
              {"only the four", "'\"&?", "```and¬"},
              {"the rest", "a\r\n\t 100% = +#`¬ Zoë 日本", "a\r\n\t 100% = +#`¬ Zoë 日本"}})
            QTest::newRow(tag) << QString(text) << QString(expected);
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
        const auto row = [](const char* tag, bool displayOnSite, const char* comments,
                            const char* suggestions, const char* query, const char* wire) {
            QTest::newRow(tag) << displayOnSite << QString(comments) << QString(suggestions)
                               << QString(query) << QByteArray(wire);
        };
        row("both", true, "Nice-a.b_c~", "More", "true&Comments='Nice-a.b_c~'&Suggestions='More'",
            "Nice-a.b_c~");
        row("not on site, only suggestions", false, "", "Colours",
            "false&Comments=''&Suggestions='Colours'", "");
        row("delimiters", true, "Fred's & \"Rita\"", "why?",
            "true&Comments='Fred`s and ``Rita``'&Suggestions='why¬'",
            "Fred%60s%20and%20%60%60Rita%60%60");
        row("blanks, signs", true, "a b\r\nc\t5% +1 #2 =3", "",
            "true&Comments='a b\r\nc\t5% +1 #2 =3'&Suggestions=''",
            "a%20b%0D%0Ac%095%25%20%2B1%20%232%20%3D3");
        row("non-ASCII", true, "Zoë 日", "", "true&Comments='Zoë 日'&Suggestions=''",
            "Zo%C3%AB%20%E6%97%A5");
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
