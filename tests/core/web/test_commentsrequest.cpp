#include "web/commentsrequest.h"

#include <QTest>

class TestCommentsRequest : public QObject
{
    Q_OBJECT
private slots:
    void pathAndQuery_data();
    void pathAndQuery();
    void encoded_data();
    void encoded();
    void url_data();
    void url();
    void replyAccepted();
};

void TestCommentsRequest::pathAndQuery_data()
{
    QTest::addColumn<bool>("displayOnSite");
    QTest::addColumn<QString>("comments");
    QTest::addColumn<QString>("suggestions");
    QTest::addColumn<QString>("expected");

    QTest::newRow("both texts, shown on site")
        << true << QStringLiteral("Nice") << QStringLiteral("More")
        << QStringLiteral("/comments.asp?AppName='Candlewatcher'&AppVersion='v2.00'"
                          "&DisplayOnSite=true&Comments='Nice'&Suggestions='More'");
    QTest::newRow("not on site") << false << QStringLiteral("Nice") << QStringLiteral("More")
                                 << QStringLiteral(
                                        "/comments.asp?AppName='Candlewatcher'&AppVersion='v2.00'"
                                        "&DisplayOnSite=false&Comments='Nice'&Suggestions='More'");
    QTest::newRow("only suggestions")
        << true << QString() << QStringLiteral("Colours")
        << QStringLiteral("/comments.asp?AppName='Candlewatcher'&AppVersion='v2.00'"
                          "&DisplayOnSite=true&Comments=''&Suggestions='Colours'");
    QTest::newRow("delimiters in the texts are substituted")
        << true << QStringLiteral("Fred's & \"Rita\"") << QStringLiteral("why?")
        << QStringLiteral("/comments.asp?AppName='Candlewatcher'&AppVersion='v2.00'"
                          "&DisplayOnSite=true&Comments='Fred`s and ``Rita``'&Suggestions='why") +
               QChar(0x00AC) + QStringLiteral("'");
}

void TestCommentsRequest::pathAndQuery()
{
    QFETCH(bool, displayOnSite);
    QFETCH(QString, comments);
    QFETCH(QString, suggestions);
    QFETCH(QString, expected);

    CommentsRequest request;
    request.displayOnSite = displayOnSite;
    request.comments = comments;
    request.suggestions = suggestions;
    QCOMPARE(request.pathAndQuery(), expected);
}

void TestCommentsRequest::encoded_data()
{
    QTest::addColumn<QString>("comments");
    QTest::addColumn<QByteArray>("expectedComments");

    QTest::newRow("plain word") << QStringLiteral("Nice") << QByteArray("Nice");
    QTest::newRow("spaces") << QStringLiteral("very nice") << QByteArray("very%20nice");
    QTest::newRow("line breaks") << QStringLiteral("a\r\nb\nc") << QByteArray("a%0D%0Ab%0Ac");
    QTest::newRow("ampersand and question mark")
        << QStringLiteral("a&b?") << QByteArray("aandb%C2%AC");
    QTest::newRow("apostrophe and quote")
        << QStringLiteral("it's \"x\"") << QByteArray("it%60s%20%60%60x%60%60");
    QTest::newRow("percent, plus, hash, equals")
        << QStringLiteral("5% +1 #2 =3") << QByteArray("5%25%20%2B1%20%232%20%3D3");
    QTest::newRow("non-ASCII") << QStringLiteral("Zoë 日") << QByteArray("Zo%C3%AB%20%E6%97%A5");
    QTest::newRow("unreserved pass") << QStringLiteral("a-b.c_d~e") << QByteArray("a-b.c_d~e");
}

void TestCommentsRequest::encoded()
{
    QFETCH(QString, comments);
    QFETCH(QByteArray, expectedComments);

    CommentsRequest request;
    request.comments = comments;
    request.suggestions = QStringLiteral("s");
    QCOMPARE(request.encodedPathAndQuery(),
             QByteArray("/comments.asp?AppName='Candlewatcher'&AppVersion='v2.00'"
                        "&DisplayOnSite=true&Comments='") +
                 expectedComments + QByteArray("'&Suggestions='s'"));
}

void TestCommentsRequest::url_data()
{
    QTest::addColumn<QString>("serverUrl");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray tail("/comments.asp?AppName='Candlewatcher'&AppVersion='v2.00'"
                          "&DisplayOnSite=true&Comments='a%20b'&Suggestions=''");
    QTest::newRow("host only") << QStringLiteral("https://www.marrowfell.example")
                               << QByteArray("https://www.marrowfell.example") + tail;
    QTest::newRow("trailing slash") << QStringLiteral("https://www.marrowfell.example/")
                                    << QByteArray("https://www.marrowfell.example") + tail;
    QTest::newRow("port and base path") << QStringLiteral("http://127.0.0.1:8080/site")
                                        << QByteArray("http://127.0.0.1:8080/site") + tail;
    QTest::newRow("no scheme") << QStringLiteral("www.marrowfell.example") << QByteArray();
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestCommentsRequest::url()
{
    QFETCH(QString, serverUrl);
    QFETCH(QByteArray, expected);

    CommentsRequest request;
    request.comments = QStringLiteral("a b");
    const QUrl url = request.url(serverUrl);
    if (expected.isEmpty()) {
        QVERIFY(!url.isValid() || url.isEmpty());
        return;
    }
    QVERIFY(url.isValid());
    QCOMPARE(url.toEncoded(), expected);
}

void TestCommentsRequest::replyAccepted()
{
    // The full table runs against a server in the sender's tests; here the boundary alone.
    QVERIFY(::replyAccepted(QByteArray(998, ' ') + "oK"));
    QVERIFY(!::replyAccepted(QByteArray(999, ' ') + "ok"));
    QVERIFY(!::replyAccepted(QByteArray()));
}

QTEST_APPLESS_MAIN(TestCommentsRequest)
#include "test_commentsrequest.moc"
