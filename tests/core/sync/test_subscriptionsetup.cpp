// Adding a subscription step by step: finding, previewing, subscribing, publishing instead.

#include "core/sync/subscriptionsetup.h"
#include "core/sync/syncqueue.h"
#include "fakesync.h"
#include "storefixture.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QString server = "https://dav.test/";
const QString book = "https://dav.test/ab/family/";
const QString calendar = "https://dav.test/cal/work/";

struct Fixture : StoreFixture
{
    FakeServer remote;
    FakeSecrets secrets;
    SubscriptionSetup setup{store, clock, remote.factory(), secrets};
    QSignalSpy found{&setup, &SubscriptionSetup::found};
    QSignalSpy previewed{&setup, &SubscriptionSetup::previewed};
    QSignalSpy failed{&setup, &SubscriptionSetup::failed};

    Fixture()
    {
        remote.found = {{SyncSource::Kind::Calendar, calendar, "Work"},
                        {SyncSource::Kind::AddressBook, book, "Family"}};
        remote.content[book] = {{fakeCard("Ann", "1980-05-04")}, {}, true, "t1"};
    }
    QString lastFailure() const { return failed.isEmpty() ? "" : failed.last()[0].toString(); }
    FoundCollection collection(const QString& url) const
    {
        return url == book ? remote.found[1] : remote.found[0];
    }
    SubscriptionTable table() const
    {
        return SubscriptionFile::load(SubscriptionFile::pathFor(path())).value();
    }
    QByteArray tableBytes() const { return readFile(SubscriptionFile::pathFor(path())); }
    void save(const SubscriptionTable& table)
    {
        const Expected<> saved = SubscriptionFile::save(SubscriptionFile::pathFor(path()), table);
        QVERIFY2(saved, qPrintable(saved.error()));
    }
};

} // namespace

class TestSubscriptionSetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A bare host means https; a bad address never reaches the server; failure or no find is told.
    void find_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("failure"); // the server's; "offline": no client at all
        QTest::addColumn<QString>("told");    // "": found
        QTest::addColumn<QStringList>("calls");
        const auto row = [](const char* name, const char* address, const char* failure,
                            const char* told, bool asks) {
            QTest::newRow(name) << address << failure << told
                                << (asks ? QStringList{"discover " + server + " ann secret"}
                                         : QStringList());
        };
        row("bare host", " dav.test/ ", "", "", true);
        row("refused", "dav.test/", "dav.test: 401 Unauthorized", "dav.test: 401 Unauthorized",
            true);
        row("nothing found", "dav.test/", "none", "No address book or calendar was found there.",
            true);
        row("not an address", "ftp://dav.test", "", "Give the address", false);
        row("no host", "https://", "", "Give the address", false);
        row("built without network", "dav.test/", "offline",
            "This copy of Candlewatcher was built without network access.", false);
    }
    void find()
    {
        QFETCH(QString, address);
        QFETCH(QString, failure);
        QFETCH(QString, told);
        QFETCH(QStringList, calls);
        Fixture f;
        if (failure == "none")
            f.remote.found.clear();
        else if (failure != "offline")
            f.remote.failure = failure;
        SubscriptionSetup offline(f.store, f.clock, {}, f.secrets);
        SubscriptionSetup& setup = failure == "offline" ? offline : f.setup;
        QSignalSpy found(&setup, &SubscriptionSetup::found);
        QSignalSpy failed(&setup, &SubscriptionSetup::failed);
        QCOMPARE(setup.find(address, " ann ", "secret"), !calls.isEmpty());
        QTRY_COMPARE(found.size() + failed.size(), 1);
        QCOMPARE(f.remote.calls, calls);
        if (told.isEmpty())
            QCOMPARE(found[0][0].value<QList<FoundCollection>>().size(), 2);
        else
            QVERIFY2(failed[0][0].toString().startsWith(told), qPrintable(failed[0][0].toString()));
    }

    // A calendar is never subscribed to and published to at once, the same source not
    // subscribed to twice, and only one calendar published to; a refusal asks nothing of the
    // server. Otherwise the preview fetches, and publishing is noted with its password.
    void refusals_data()
    {
        QTest::addColumn<QString>("subscribed"); // the table's source, "" none
        QTest::addColumn<QString>("publishing"); // the table's publishing target, "" none
        QTest::addColumn<bool>("publish");       // publishTo, or else preview
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("refusal");
        const QString bothWays =
            "\"Work\" cannot be subscribed to and published to at once: your events would "
            "come back as subscribed ones.";
        QTest::newRow("preview, subscribed already")
            << book << "" << false << book << "You subscribe to \"Family\" already.";
        QTest::newRow("preview, published to") << "" << calendar << false << calendar << bothWays;
        QTest::newRow("preview, another one subscribed") << calendar << "" << false << book << "";
        QTest::newRow("publish, subscribed to") << calendar << "" << true << calendar << bothWays;
        QTest::newRow("publish, published to another")
            << ""
            << "https://dav.test/cal/home/" << true << calendar
            << "Your events are published to \"Home\" already: remove that first.";
        QTest::newRow("publish, another one subscribed") << book << "" << true << calendar << "";
    }
    void refusals()
    {
        QFETCH(QString, subscribed);
        QFETCH(QString, publishing);
        QFETCH(bool, publish);
        QFETCH(QString, chosen);
        QFETCH(QString, refusal);
        Fixture f;
        SubscriptionTable before;
        if (!subscribed.isEmpty()) {
            SyncSource source;
            source.url = subscribed;
            source.displayName = f.collection(subscribed).displayName;
            before.add(source);
        }
        if (!publishing.isEmpty())
            before.publishing.emplace() = {publishing, "", "Home", {}, {}, {}, {}};
        f.save(before);
        const QByteArray table = f.tableBytes();
        QVERIFY(f.setup.find("dav.test/", "ann", "secret"));
        QTRY_COMPARE(f.found.size(), 1);
        f.remote.calls.clear();
        const Expected<> published =
            publish ? f.setup.publishTo(f.collection(chosen)) : Expected<>();
        const bool done = publish ? bool(published) : f.setup.preview(f.collection(chosen));
        const QString error = publish ? published.error() : f.lastFailure();
        QCOMPARE(error, refusal);
        QCOMPARE(done, refusal.isEmpty());
        if (!refusal.isEmpty()) {
            QCOMPARE(f.remote.calls, QStringList());
            QCOMPARE(f.tableBytes(), table);
        } else if (publish) {
            QCOMPARE(f.table().publishing->url, chosen);
            QCOMPARE(f.table().publishing->userName, "ann");
            QCOMPARE(f.secrets.kept.value(PublishTarget::secretId), "secret");
        } else {
            QTRY_COMPARE(f.previewed.size(), 1);
            QCOMPARE(f.remote.calls, QStringList{"fetch " + chosen + " secret"});
        }
    }

    // The preview writes nothing; Subscribe writes the event and the source with its user name,
    // and the password to the secret store only. A password the store refuses is told.
    void subscribeWritesOnlyThen_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::newRow("password kept") << "";
        QTest::newRow("password refused") << "no secret service";
    }
    void subscribeWritesOnlyThen()
    {
        QFETCH(QString, refusal);
        Fixture f;
        f.secrets.refusal = refusal;
        QSignalSpy notKept(&f.setup, &SubscriptionSetup::passwordNotKept);
        QVERIFY(f.setup.find("dav.test/", "ann", "secret"));
        QTRY_COMPARE(f.found.size(), 1);
        QVERIFY(f.setup.preview(f.collection(book)));
        QTRY_COMPARE(f.previewed.size(), 1);
        const auto plan = f.previewed[0][0].value<SyncPlan::Plan>();
        QCOMPARE(plan.count(SyncPlan::Action::Kind::Add), 1);
        QCOMPARE(plan.actions.value(0).values.value(BirthdayRecord::Name), "Ann");
        QCOMPARE(f.store.readAllRecords()->size(), 0);
        QVERIFY(f.tableBytes().isEmpty());

        const auto subscribed = f.setup.subscribe();
        QVERIFY2(subscribed, qPrintable(subscribed.error()));
        const auto& [id, result] = *subscribed;
        QCOMPARE(result.added, 1);
        QCOMPARE(f.store.readAllRecords()->value(0).value(BirthdayRecord::Name), "Ann");
        const SyncSource source = *f.table().source(id);
        QCOMPARE(source.displayName, "Family");
        QCOMPARE(source.userName, "ann");
        QVERIFY(!f.tableBytes().contains("secret"));
        QCOMPARE(f.secrets.kept.value(id), refusal.isEmpty() ? "secret" : "");
        QCOMPARE(notKept.size(), refusal.isEmpty() ? 0 : 1);
        QCOMPARE(notKept.value(0).value(0).toString(), refusal.isEmpty() ? "" : refusal);
    }

    // A certificate that does not verify is asked about once; accepted, the step is made again
    // with it, the next steps take it along and it is kept with the source, so the queue's syncs
    // use it, and with a publishing target; refused, the step fails.
    void certificate_data() { boolRows("accept", "refused", "accepted"); }
    void certificate()
    {
        QFETCH(bool, accept);
        Fixture f;
        f.remote.certificate.pem = "PEM-1";
        QStringList asked;
        f.setup.setCertificateAsk([&](const QString& address, const SyncFailure& failure) {
            asked << address + " | " + failure.message + " | " + failure.certificate.pem;
            return accept;
        });
        QVERIFY(f.setup.find("dav.test/", "ann", "secret"));
        QTRY_COMPARE(f.found.size() + f.failed.size(), 1);
        QCOMPARE(asked, QStringList{server + " | " + server +
                                    ": the server's certificate does not verify | PEM-1"});
        if (!accept) {
            QVERIFY2(f.lastFailure().contains("certificate does not verify"),
                     qPrintable(f.lastFailure()));
            return;
        }
        QCOMPARE(f.remote.calls.size(), 2);
        QVERIFY(f.setup.preview(f.collection(book)));
        QTRY_COMPARE(f.previewed.size(), 1);
        const auto subscribed = f.setup.subscribe();
        QVERIFY(subscribed);
        const QString& id = subscribed->id;
        QCOMPARE(f.table().source(id)->acceptedCertificate, "PEM-1");
        SyncQueue queue(f.store, f.clock, f.remote.factory(), f.secrets);
        QSignalSpy synced(&queue, &SyncQueue::sourceFinished);
        queue.syncAll();
        QTRY_COMPARE(synced.size(), 1);
        QVERIFY2(synced[0][2].toBool(), qPrintable(synced[0][3].toString()));
        QCOMPARE(asked.size(), 1);
        QVERIFY(f.setup.publishTo(f.collection(calendar)));
        QCOMPARE(f.table().publishing->acceptedCertificate, "PEM-1");
    }
};

QTEST_GUILESS_MAIN(TestSubscriptionSetup)
#include "test_subscriptionsetup.moc"
