#include "httptestserver.h"
#include "messageboxcatcher.h"
#include "web/commentsrequest.h"
#include "web/internetconnection.h"
#include "web/messagesender.h"

#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

class TestMessageSender : public QObject
{
    Q_OBJECT
private slots:
    void judgesTheReply_data();
    void judgesTheReply();
    void requestHeaders();
    void requestLine_data();
    void requestLine();
    void silentServerTimesOut();
    void refusedConnection();
    void unusableAddress_data();
    void unusableAddress();
    void offlineSendsNothing();
    void oneRequestAtATime();
    void dialingIsNotAvailable();

private:
    // Sends to the server and waits for the verdict.
    static bool sendAndWait(MessageSender& sender, const QUrl& url);
};

bool TestMessageSender::sendAndWait(MessageSender& sender, const QUrl& url)
{
    QSignalSpy spy(&sender, &MessageSender::finished);
    if (!sender.messageSend(url))
        return false;
    if (!spy.wait(10000))
        qWarning("no verdict");
    if (spy.size() != 1)
        return false;
    return spy.at(0).at(0).toBool();
}

void TestMessageSender::judgesTheReply_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("OK") << 200 << QByteArray("OK") << true;
    QTest::newRow("Ok") << 200 << QByteArray("Ok") << true;
    QTest::newRow("ok in a page") << 200 << QByteArray("<html><body>oK, thanks</body></html>")
                                  << true;
    QTest::newRow("ok inside a word") << 200 << QByteArray("token") << true;
    QTest::newRow("no ok") << 200 << QByteArray("refused") << false;
    QTest::newRow("empty reply") << 200 << QByteArray() << false;
    QTest::newRow("ok ends at byte 1000") << 200 << QByteArray(998, '-') + "ok" << true;
    QTest::newRow("ok only after byte 1000 of 1500")
        << 200 << QByteArray(1200, '-') + "ok" + QByteArray(298, '-') << false;
    QTest::newRow("long reply with ok at the start")
        << 200 << QByteArray("ok") + QByteArray(2'000'000, '-') << true;
    // An error page is a failure even where its wording happens to hold the two letters.
    QTest::newRow("server error page")
        << 500 << QByteArray("<h1>Error</h1>Look in the log") << false;
    QTest::newRow("not found page") << 404 << QByteArray("not ok") << false;
}

void TestMessageSender::judgesTheReply()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, accepted);

    HttpTestServer server;
    QVERIFY(server.isListening());
    server.setReply(status, body);
    MessageSender sender;
    sender.setConnectedCheck([] { return true; });
    QCOMPARE(sendAndWait(sender, QUrl(server.baseUrl() + "/comments.asp")), accepted);
    QCOMPARE(server.requests().size(), 1);
    QVERIFY(!sender.isBusy());
}

void TestMessageSender::requestHeaders()
{
    HttpTestServer server;
    MessageSender sender;
    sender.setConnectedCheck([] { return true; });
    QVERIFY(sendAndWait(sender, QUrl(server.baseUrl() + "/comments.asp?AppName='x'")));
    QCOMPARE(server.connectionCount(), 1);
    QCOMPARE(server.requests().size(), 1);
    const HttpTestServer::Request& request = server.requests().constFirst();
    QVERIFY(request.requestLine.startsWith("GET "));
    QCOMPARE(request.header("User-Agent"), QByteArray("Marrowfell"));
    // No extra headers: the cache is kept out by the request's attributes alone.
    QCOMPARE(request.header("Cache-Control"), QByteArray());
    QCOMPARE(request.header("Pragma"), QByteArray());

    // A second send asks the server again rather than a cache.
    QVERIFY(sendAndWait(sender, QUrl(server.baseUrl() + "/comments.asp?AppName='x'")));
    QCOMPARE(server.requests().size(), 2);
}

void TestMessageSender::requestLine_data()
{
    QTest::addColumn<QString>("comments");
    QTest::addColumn<QString>("suggestions");
    QTest::addColumn<QByteArray>("expectedTarget");

    const QByteArray head("/comments.asp?AppName='Candlewatcher'&AppVersion='v2.00'"
                          "&DisplayOnSite=true&Comments='");
    QTest::newRow("spaces") << QStringLiteral("very good") << QStringLiteral("more colours")
                            << head + "very%20good'&Suggestions='more%20colours'";
    QTest::newRow("line breaks") << QStringLiteral("line one\nline two") << QString()
                                 << head + "line%20one%0Aline%20two'&Suggestions=''";
    QTest::newRow("ampersand and question mark")
        << QStringLiteral("salt & pepper?") << QStringLiteral("a&b")
        << head + "salt%20and%20pepper%C2%AC'&Suggestions='aandb'";
    QTest::newRow("apostrophes and quotes")
        << QStringLiteral("Fred's \"cake\"") << QStringLiteral("it's")
        << head + "Fred%60s%20%60%60cake%60%60'&Suggestions='it%60s'";
    QTest::newRow("non-ASCII letters")
        << QStringLiteral("Zoë and Łukasz") << QStringLiteral("日本")
        << head + "Zo%C3%AB%20and%20%C5%81ukasz'&Suggestions='%E6%97%"
                  "A5%E6%9C%AC'";
    QTest::newRow("percent, plus and hash") << QStringLiteral("100% +1 #tag") << QStringLiteral("=")
                                            << head + "100%25%20%2B1%20%23tag'&Suggestions='%3D'";
}

void TestMessageSender::requestLine()
{
    QFETCH(QString, comments);
    QFETCH(QString, suggestions);
    QFETCH(QByteArray, expectedTarget);

    HttpTestServer server;
    MessageSender sender;
    sender.setConnectedCheck([] { return true; });
    CommentsRequest request;
    request.comments = comments;
    request.suggestions = suggestions;
    QVERIFY(sendAndWait(sender, request.url(server.baseUrl())));
    QCOMPARE(server.requests().size(), 1);
    const HttpTestServer::Request& received = server.requests().constFirst();
    QCOMPARE(received.requestLine, "GET " + expectedTarget + " HTTP/1.1");
    // Decoded, the server holds exactly the substituted texts.
    QCOMPARE(QString::fromUtf8(QByteArray::fromPercentEncoding(received.target())),
             request.pathAndQuery());
}

void TestMessageSender::silentServerTimesOut()
{
    HttpTestServer server;
    server.setSilent();
    MessageSender sender;
    QCOMPARE(sender.timeout(), 30000ms);
    sender.setTimeout(300ms);
    sender.setConnectedCheck([] { return true; });
    QSignalSpy spy(&sender, &MessageSender::finished);
    QVERIFY(sender.messageSend(QUrl(server.baseUrl() + "/comments.asp")));
    QTRY_COMPARE(server.requests().size(), 1);
    QVERIFY(sender.isBusy());
    QVERIFY(spy.wait(10000));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QVERIFY(!sender.isBusy());
    // Nothing more arrives once it gave up.
    QTest::qWait(100);
    QCOMPARE(spy.size(), 1);
}

void TestMessageSender::refusedConnection()
{
    quint16 port = 0;
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        port = closed.serverPort();
    }
    MessageSender sender;
    sender.setConnectedCheck([] { return true; });
    QCOMPARE(
        sendAndWait(sender, QUrl(QStringLiteral("http://127.0.0.1:%1/comments.asp").arg(port))),
        false);
}

void TestMessageSender::unusableAddress_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::newRow("empty") << QUrl();
    QTest::newRow("unknown scheme") << QUrl(QStringLiteral("gopher://127.0.0.1/comments.asp"));
    QTest::newRow("unknown host") << QUrl(QStringLiteral("http://no-such-host.invalid/x"));
}

void TestMessageSender::unusableAddress()
{
    QFETCH(QUrl, url);
    MessageSender sender;
    // A name lookup without a resolver ends in the timeout: a failure all the same.
    sender.setTimeout(5s);
    sender.setConnectedCheck([] { return true; });
    QCOMPARE(sendAndWait(sender, url), false);
    QVERIFY(!sender.isBusy());
}

void TestMessageSender::offlineSendsNothing()
{
    HttpTestServer server;
    MessageBoxCatcher catcher;
    MessageSender sender;
    int checks = 0;
    sender.setConnectedCheck([&checks] {
        ++checks;
        return false;
    });
    QSignalSpy spy(&sender, &MessageSender::finished);
    QVERIFY(!sender.messageSend(QUrl(server.baseUrl() + "/comments.asp")));
    QCOMPARE(checks, 1);
    QCOMPARE(catcher.messages().size(), 1);
    const MessageBoxCatcher::Message& message = catcher.messages().constFirst();
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.title, QStringLiteral("Marrowfell Candlewatcher"));
    QCOMPARE(message.text, QStringLiteral("Marrowfell Candlewatcher was unable to connect to the "
                                          "internet.  Please connect manually and then try "
                                          "again."));
    QTest::qWait(100);
    QCOMPARE(server.connectionCount(), 0);
    QCOMPARE(spy.size(), 0);
    QVERIFY(!sender.isBusy());
}

void TestMessageSender::oneRequestAtATime()
{
    HttpTestServer server;
    server.setReply(200, "OK", 300);
    MessageSender sender;
    sender.setConnectedCheck([] { return true; });
    QSignalSpy spy(&sender, &MessageSender::finished);
    QVERIFY(sender.messageSend(QUrl(server.baseUrl() + "/first")));
    QVERIFY(!sender.messageSend(QUrl(server.baseUrl() + "/second")));
    QVERIFY(spy.wait(10000));
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().constFirst().target(), QByteArray("/first"));
    // Free again afterwards.
    QVERIFY(sender.messageSend(QUrl(server.baseUrl() + "/third")));
    QVERIFY(spy.wait(10000));
    QCOMPARE(server.requests().size(), 2);
}

void TestMessageSender::dialingIsNotAvailable()
{
    QCOMPARE(InternetConnection::internetAutodial(false), false);
    QCOMPARE(InternetConnection::internetAutodial(true), false);
    // Without dialling, being connected is exactly what the system reports.
    QCOMPARE(InternetConnection::internetConnect(), InternetConnection::internetConnectedCheck());
}

QTEST_MAIN(TestMessageSender)
#include "test_messagesender.moc"
