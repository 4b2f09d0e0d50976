#include "core/sync/publisher.h"
#include "core/sync/subscriptionguard.h"
#include "core/sync/syncqueue.h"
#include "fakesync.h"
#include "storefixture.h"

#include <QLockFile>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString ab1 = "https://dav.test/ab/1/";
const QString ab2 = "https://dav.test/ab/2/";

// Two sources with a user each, their table saved beside the fixture's data file.
QStringList subscribe(StoreFixture& f)
{
    SubscriptionTable table;
    QStringList ids;
    for (const QString& url : {ab1, ab2}) {
        SyncSource source;
        source.url = url;
        source.userName = "ann";
        source.displayName = url.section('/', -2, -2);
        ids << table.add(source);
    }
    const Expected<> saved = SubscriptionFile::save(SubscriptionFile::pathFor(f.path()), table);
    if (!saved)
        qWarning("%s", qPrintable(saved.error()));
    return ids;
}

SubscriptionTable table(StoreFixture& f)
{
    return SubscriptionFile::load(SubscriptionFile::pathFor(f.path())).value();
}

} // namespace

class TestSyncQueue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A second source waits for the first one's answer; both end up written and noted.
    void oneAtATime()
    {
        StoreFixture f;
        const QStringList ids = subscribe(f);
        FakeServer server;
        server.content[ab1] = {{fakeCard("Ann", "1980-05-04")}, {}, true, "t1"};
        server.content[ab2] = {{fakeCard("Bob", "1990-06-07")}, {}, true, "t2"};
        server.hold = true;
        FakeSecrets secrets;
        secrets.kept = {{ids[0], "pw1"}, {ids[1], "pw2"}};
        SyncQueue queue(f.store, f.clock, server.factory(), secrets);
        QSignalSpy idle(&queue, &SyncQueue::idle);
        queue.syncAll();
        queue.syncSource(ids[0]); // already waiting: not twice
        QTRY_COMPARE(server.calls, QStringList{"fetch " + ab1 + " pw1"});
        QTest::qWait(20);
        QCOMPARE(server.calls.size(), 1);
        server.hold = false;
        server.release();
        QTRY_COMPARE(idle.size(), 1);
        QCOMPARE(server.calls.last(), "fetch " + ab2 + " pw2");
        QCOMPARE(server.calls.size(), 2);
        QCOMPARE(f.store.readAllRecords()->size(), 2);
        for (const SyncSource& source : table(f).sources)
            QVERIFY2(source.lastSync.isValid() && source.lastResult.startsWith("1 added"),
                     qPrintable(source.lastResult));
    }

    // A source with no kept password asks for it (and keeps the answer); a failed fetch keeps the
    // events, tells why, retries by itself; a password the user did not give is not asked again.
    void failures_data()
    {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("asked"); // "-": the user cancels
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("retried");
        const auto row = [](const char* name, const char* kept, const char* asked,
                            const QString& failure, const QString& call, const QString& result) {
            QTest::newRow(name) << kept << asked << failure << call << result << !failure.isEmpty();
        };
        row("kept", "pw", "", "", "fetch " + ab1 + " pw", "1 added");
        row("asked", "", "typed", "", "fetch " + ab1 + " typed", "1 added");
        row("cancelled", "", "-", "", "", "No password for " + ab1);
        const QString refused = "dav.test: connection refused";
        row("server down", "pw", "", refused, "fetch " + ab1 + " pw", refused);
    }
    void failures()
    {
        QFETCH(QString, kept);
        QFETCH(QString, asked);
        QFETCH(QString, failure);
        QFETCH(QString, call);
        QFETCH(QString, result);
        QFETCH(bool, retried);
        StoreFixture f;
        const QString id = subscribe(f).first();
        FakeServer server;
        server.content[ab1] = {{fakeCard("Ann", "1980-05-04")}, {}, true, "t1"};
        server.failure = failure;
        FakeSecrets secrets;
        if (!kept.isEmpty())
            secrets.kept[id] = kept;
        SyncQueue queue(f.store, f.clock, server.factory(), secrets);
        queue.setPasswordAsk(
            [&](const SyncSource&) { return asked == "-" ? std::nullopt : std::optional(asked); });
        // Longer than a wait for the first answer takes (QTRY's step), under Wine too.
        queue.setRetry(std::chrono::milliseconds(200), std::chrono::milliseconds(200));
        QSignalSpy finished(&queue, &SyncQueue::sourceFinished);
        queue.syncSource(id);
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(server.calls.value(0), call);
        const bool ok = result == "1 added";
        QCOMPARE(finished[0][2].toBool(), ok);
        QVERIFY2(finished[0][3].toString().startsWith(result),
                 qPrintable(finished[0][3].toString()));
        QCOMPARE(f.store.readAllRecords()->size(), ok ? 1 : 0);
        QVERIFY(table(f).source(id)->lastResult.contains(result));
        QCOMPARE(secrets.kept.value(id), ok ? QString(kept + asked) : kept);
        // The server back: only a failed fetch comes again, and then takes the contact.
        server.failure.clear();
        QTest::qWait(300);
        QTRY_COMPARE(finished.size(), retried ? 2 : 1);
        QCOMPARE(f.store.readAllRecords()->size(), ok || retried ? 1 : 0);
    }

    // Each failure in a row waits twice as long, up to the longest wait.
    void retryDelays()
    {
        StoreFixture f;
        FakeServer server;
        FakeSecrets secrets;
        SyncQueue queue(f.store, f.clock, server.factory(), secrets);
        queue.setRetry(std::chrono::minutes(10), std::chrono::minutes(50));
        QList<qint64> minutes;
        for (int failures : {1, 2, 3, 4, 40})
            minutes << std::chrono::duration_cast<std::chrono::minutes>(queue.retryDelay(failures))
                           .count();
        QCOMPARE(minutes, (QList<qint64>{10, 20, 40, 50, 50}));
    }

    // A certificate that changed since it was accepted is refused unless the user accepts the
    // new one, which then replaces it; without anyone to ask (--sync) it is refused. A source
    // removed (in the window, or by another copy) while the question was open ends quietly.
    void certificateChanged_data()
    {
        QTest::addColumn<int>("answer"); // -1: nobody asks; 2: accepted once removed
        QTest::newRow("accepted") << 1;
        QTest::newRow("accepted, removed meanwhile") << 2;
        QTest::newRow("refused") << 0;
        QTest::newRow("not asked") << -1;
    }
    void certificateChanged()
    {
        QFETCH(int, answer);
        StoreFixture f;
        const QString id = subscribe(f).first();
        SubscriptionTable kept = table(f);
        kept.source(id)->acceptedCertificate = "PEM-1";
        QVERIFY(SubscriptionFile::save(SubscriptionFile::pathFor(f.path()), kept));
        FakeServer server;
        server.content[ab1] = {{fakeCard("Ann", "1980-05-04")}, {}, true, "t1"};
        server.certificate.pem = "PEM-2";
        FakeSecrets secrets;
        secrets.kept[id] = "pw";
        SyncQueue queue(f.store, f.clock, server.factory(), secrets);
        int asked = 0;
        if (answer >= 0)
            queue.setCertificateAsk([&](const SyncSource&,
                                        const UntrustedCertificate& shown) -> bool {
                ++asked;
                if (answer == 2 && !SubscriptionFile::save(SubscriptionFile::pathFor(f.path()), {}))
                    return false;
                return shown.pem == "PEM-2" && answer >= 1;
            });
        QSignalSpy finished(&queue, &SyncQueue::sourceFinished);
        queue.syncSource(id);
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(asked, answer >= 0 ? 1 : 0);
        QCOMPARE(finished[0][2].toBool(), answer >= 1);
        QCOMPARE(server.calls.size(), answer == 1 ? 2 : 1);
        QCOMPARE(f.store.readAllRecords()->size(), answer == 1 ? 1 : 0);
        const SyncSource* left = table(f).source(id);
        QCOMPARE(left ? left->acceptedCertificate : "removed", answer == 2   ? "removed"
                                                               : answer == 1 ? "PEM-2"
                                                                             : "PEM-1");
    }

    // A calendar subscribed to is never published to (its events would come back as subscribed
    // ones); a run of data file changes makes one publish.
    void publishing_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("publishes");
        QTest::newRow("subscribed as well") << ab1 << "published to at once" << 0;
        QTest::newRow("three changes, one publish") << "https://dav.test/cal/"
                                                    << "1 added" << 1;
    }
    void publishing()
    {
        QFETCH(QString, target);
        QFETCH(QString, result);
        QFETCH(int, publishes);
        StoreFixture f;
        subscribe(f);
        SubscriptionTable both = table(f);
        both.publishing.emplace().url = target;
        QVERIFY(SubscriptionFile::save(SubscriptionFile::pathFor(f.path()), both));
        f.add("Ann", QDate(1980, 5, 4));
        FakeServer server;
        FakeSecrets secrets;
        Publisher publisher(f.store, f.clock, server.factory(), secrets,
                            [] { return CalendarExchange::ExportOptions(); });
        publisher.delay().setInterval(20);
        QSignalSpy finished(&publisher, &Publisher::finished);
        for (int i = 0; i < 3; ++i)
            publisher.publishSoon();
        QTRY_COMPARE(finished.size(), 1);
        QTest::qWait(100);
        QCOMPARE(finished.size(), 1);
        QVERIFY2(finished[0][1].toString().contains(result), qPrintable(finished[0][1].toString()));
        QCOMPARE(server.calls.size(), publishes);
    }

    // Another copy holding the table's lock: no change is made, and the reason says so.
    void lockedTableRefused()
    {
        StoreFixture f;
        QLockFile other(SubscriptionFile::pathFor(f.path()) + ".lock");
        QVERIFY(other.tryLock());
        bool changed = false;
        const Expected<> busy = SubscriptionGuard::change(
            f.path(), [&](SubscriptionTable&) { changed = true; }, 50);
        QVERIFY(!busy);
        QVERIFY(!changed);
        QVERIFY2(busy.error().contains("in use by another copy"), qPrintable(busy.error()));
        other.unlock();
        QVERIFY(SubscriptionGuard::change(
            f.path(), [&](SubscriptionTable&) { changed = true; }, 50));
        QVERIFY(changed);
    }
};

QTEST_GUILESS_MAIN(TestSyncQueue)
#include "test_syncqueue.moc"
