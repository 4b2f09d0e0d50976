// The client against a server of the test's own that misbehaves on purpose
// (hostile_server.py): where the password goes across redirects, answers without end, a server
// that trickles, a sync token without end, members outside their collection.

#include "core/sync/syncqueue.h"
#include "fakesync.h"
#include "hostileserver.h"
#include "net/collectionfetch.h"
#include "net/davsyncclient.h"
#include "storefixture.h"

#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTest>

class TestHostile : public QObject
{
    Q_OBJECT
private:
    QNetworkAccessManager m_manager;
    std::unique_ptr<HostileServer> m_server;

    std::unique_ptr<CollectionFetch> fetch(const DavAccount& account, const QString& token = {})
    {
        return run(std::make_unique<CollectionFetch>(
            m_manager, account, DavCollection{account.url, {}, DavCollection::Kind::AddressBook},
            token, QHash<QString, QString>()));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_server = std::make_unique<HostileServer>();
        QVERIFY(m_server->running());
    }
    void init() { m_server->log(); }

    // The rule alone, for the addresses the redirects below cannot have.
    void passwordRule_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("request");
        QTest::addColumn<bool>("carried");
        for (const auto& [tag, account, request, carried] :
             {std::tuple{"https, the same server", "https://dav.example/a/",
                         "https://dav.example:443/b/", true},
              {"webcal as https", "webcal://dav.example/f.ics", "https://dav.example/f.ics", true},
              {"http, another computer", "http://dav.example/a/", "http://dav.example/a/", false},
              {"http, this computer by name", "http://localhost:5232/", "http://localhost:5232/a/",
               true},
              {"http, IPv6 loopback", "http://[::1]:5232/", "http://[::1]:5232/a/", true}})
            QTest::newRow(tag) << QString(account) << QString(request) << carried;
    }
    void passwordRule()
    {
        QFETCH(QString, account);
        QFETCH(QString, request);
        QFETCH(bool, carried);
        QCOMPARE(mayCarryPassword(QUrl(account), QUrl(request)), carried);
    }

    // Each row: a listing from an address that redirects; the requests the server saw
    // ("port method depth password path") and the failure's message, if any.
    void redirects_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QString>("failure");
        const QString p = "http://127.0.0.1:P/to/", s = "https://127.0.0.1:S/to/";
        const auto rows = [&](const char* name, const QString& start, const QString& then,
                              const QString& failure = {}) {
            QTest::newRow(name) << start
                                << QStringList{start.section('/', 0, 2).contains(":S") ? "S" : "P",
                                               then}
                                << failure;
        };
        rows("relative 302", p + "302?/auth/b/", "P yes /auth/b/");
        rows("relative 307 with dots, over TLS", s + "307?../pub/x/", "S yes /pub/x/");
        rows("301 to the same server, absolute", p + "301?http://127.0.0.1:P/auth/c/",
             "P yes /auth/c/");
        rows("another port, a public listing: followed without", p + "308?http://127.0.0.1:Q/pub/",
             "Q no /pub/");
        rows("another port, wanting the password", p + "302?http://127.0.0.1:Q/auth/",
             "Q no /auth/", "the password is not sent to http://127.0.0.1:Q/auth/");
        rows("another host name", p + "302?http://localhost:P/auth/", "P no /auth/",
             "the password is not sent to http://localhost:P/auth/");
        rows("https to plain http", s + "302?http://127.0.0.1:P/auth/", "P no /auth/",
             "the password is not sent to http://127.0.0.1:P/auth/");
        QTest::newRow("to a file") << p + "302?file:///etc/passwd" << QStringList{"P"}
                                   << "redirected to file:///etc/passwd, which is not an http";
    }
    void redirects()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, requests);
        QFETCH(QString, failure);
        DavAccount account = alice(m_server->address(start));
        account.acceptedCertificates << m_server->certificate();
        const auto job = fetch(account);
        QVERIFY(job);
        const QString message = job->failure() ? job->failure()->message : QString();
        QVERIFY2(failure.isEmpty() ? message.isEmpty()
                                   : message.contains(m_server->address(failure)),
                 qPrintable(message));
        // The first request is the one to the address subscribed to, with the password.
        requests[0] += " yes " + start.section('/', 3).prepend('/');
        QStringList seen;
        for (const QJsonObject& line : m_server->log()) {
            const QJsonObject headers = line["headers"].toObject();
            QCOMPARE(line["method"].toString(), "PROPFIND");
            QCOMPARE(headers["depth"].toString(), "1");
            QCOMPARE(headers["accept-encoding"].toString(), "identity");
            QCOMPARE(headers["content-type"].toString(), "application/xml; charset=utf-8");
            if (headers.contains("authorization"))
                QCOMPARE(headers["authorization"].toString(),
                         "Basic " + QByteArray("alice:secret").toBase64());
            seen << m_server->portName(line["port"].toInt()) + ' ' +
                        (headers.contains("authorization") ? "yes " : "no ") +
                        line["path"].toString();
        }
        for (QString& request : requests)
            request = m_server->address(request);
        QCOMPARE(seen, requests);
    }

    // An answer without end is refused once past the limit, and its connection closed: the
    // server stops sending (a reply only deleted goes on reading what the server sends).
    void endless_data()
    {
        columnRows<QString>("path",
                            {{"chunked", "chunked/"}, {"neither length nor chunks", "flood/"}});
    }
    void endless()
    {
        QFETCH(QString, path);
        DavAccount account = alice(m_server->address("http://127.0.0.1:P/" + path));
        account.sizeLimit = 4 * 1024 * 1024;
        const auto job = fetch(account);
        QVERIFY(job && job->failure());
        QVERIFY2(job->failure()->message.contains("over the limit of 4194304 bytes"),
                 qPrintable(job->failure()->message));
        qint64 sent = -1;
        for (int i = 0; i < 100 && sent < 0; ++i)
            for (const QJsonObject& line : m_server->log())
                if (line.contains("sent"))
                    sent = line["sent"].toInteger();
        QVERIFY2(sent > account.sizeLimit && sent < 4 * account.sizeLimit,
                 qPrintable(QString::number(sent)));
    }

    // A sync token that changes with every part, each marked continued, is given up after the
    // bound; one of three parts is taken whole, each part asked for with the token before it.
    void syncReportParts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("tokens");
        QTest::addColumn<QStringList>("changed");
        QTest::addColumn<QString>("failure");
        QTest::newRow("three parts")
            << "parts/" << QStringList{"t0", "p1", "p2"}
            << QStringList{"/parts/1.vcf", "/parts/2.vcf", "/parts/3.vcf"} << "";
        QStringList endless{"t0"};
        for (int i = 1; i < 5; ++i)
            endless << QStringLiteral("t%1").arg(i);
        QTest::newRow("without end") << "token/" << endless << QStringList()
                                     << "the server sent its changes in more than 5 parts";
    }
    void syncReportParts()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, tokens);
        QFETCH(QStringList, changed);
        QFETCH(QString, failure);
        DavAccount account = alice(m_server->address("http://127.0.0.1:P/" + path));
        account.maxRounds = 5;
        const auto job = fetch(account, "t0");
        QVERIFY(job);
        QCOMPARE(job->failure() ? job->failure()->message.section(": ", 1).section(';', 0, 0)
                                : QString(),
                 failure);
        QStringList got;
        for (const RemoteResource& resource : job->changes().changed)
            got << resource.href;
        got.sort();
        QCOMPARE(got, failure.isEmpty() ? changed : QStringList());
        QStringList sent;
        for (const QJsonObject& line : m_server->log())
            if (line["headers"].toObject()["depth"] == "0")
                sent << line["token"].toString();
        QCOMPARE(sent, tokens);
    }

    // A listing's members elsewhere (above the collection, on another server, a file) are none
    // of its own: neither fetched nor taken.
    void foreignMembers()
    {
        const auto job = fetch(alice(m_server->address("http://127.0.0.1:P/foreign/")));
        QVERIFY(job && !job->failure());
        QCOMPARE(job->changes().changed.size(), 1);
        QCOMPARE(job->changes().changed[0].href, "/foreign/a.vcf");
        QVERIFY(job->changes().changed[0].body.contains("FN:a.vcf"));
    }

    // A source that trickles is given up at the deadline and the queue goes on to the next; one
    // without end to its sync token keeps its old token.
    void slowBesideFast()
    {
        StoreFixture f;
        SubscriptionTable table;
        for (const char* path : {"slow/", "token/", "pub/"}) {
            SyncSource source;
            source.url = m_server->address(QStringLiteral("http://127.0.0.1:P/") + path);
            source.displayName = path;
            source.syncToken = "t0";
            table.add(source);
        }
        QVERIFY(SubscriptionFile::save(SubscriptionFile::pathFor(f.path()), table));
        FakeSecrets secrets;
        DavAccount limits;
        limits.deadline = std::chrono::seconds(1);
        limits.maxRounds = 5;
        SyncQueue queue(
            f.store, f.clock, [&] { return std::make_unique<DavSyncClient>(limits); }, secrets);
        QSignalSpy finished(&queue, &SyncQueue::sourceFinished);
        QSignalSpy idle(&queue, &SyncQueue::idle);
        queue.syncAll();
        QVERIFY(idle.wait(30000));
        QStringList results;
        for (const QList<QVariant>& end : finished)
            results << end[1].toString() + ' ' + (end[2].toBool() ? "ok" : "failed") + ' ' +
                           end[3].toString().section(": ", -1).section(';', 0, 0);
        QCOMPARE(results,
                 (QStringList{"slow/ failed the answer did not come in full within 1 seconds",
                              "token/ failed the server sent its changes in more than 5 parts",
                              "pub/ ok 0 added, 0 updated, 0 removed"}));
        const auto kept = SubscriptionFile::load(SubscriptionFile::pathFor(f.path()));
        QVERIFY2(kept, qPrintable(kept.error()));
        QCOMPARE(kept->sources[1].syncToken, "t0");
    }
};

QTEST_GUILESS_MAIN(TestHostile)
#include "test_hostile.moc"
