// The client against a Radicale server of the test's own on the loopback address, and against
// a server of the test's own that answers wrongly.

#include "core/sync/publisher.h"
#include "core/sync/syncqueue.h"
#include "fakesync.h"
#include "hostileserver.h"
#include "net/collectionfetch.h"
#include "net/davdiscovery.h"
#include "net/davsyncclient.h"
#include "storefixture.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// A Radicale with its own storage and one user, alice:secret; over TLS with the certificate and
// key in tls, if given.
class Radicale
{
public:
    explicit Radicale(const QString& tls = {}) : m_port(freePort()), m_tls(!tls.isEmpty())
    {
        const QString dir = m_dir.path();
        // An empty configuration: nothing from /etc/radicale.
        m_ok = writeFile(dir + "/users", "alice:secret\n") && writeFile(dir + "/config", {});
        QStringList arguments =
            QStringLiteral("--config %1/config --server-hosts 127.0.0.1:%2 --storage-filesystem-"
                           "folder %1/storage --auth-type htpasswd --auth-htpasswd-filename "
                           "%1/users --auth-htpasswd-encryption plain --auth-delay 0")
                .arg(dir)
                .arg(m_port)
                .split(' ');
        if (m_tls)
            arguments << QStringLiteral("--ssl True --certificate %1/cert.pem --key %1/key.pem")
                             .arg(tls)
                             .split(' ');
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start("radicale", arguments);
        for (int i = 0; i < 300 && m_process.state() != QProcess::NotRunning; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_port);
            if (socket.waitForConnected(100))
                return;
            QTest::qWait(50);
        }
        m_ok = false;
    }
    ~Radicale()
    {
        m_process.terminate();
        m_process.waitForFinished();
    }
    bool running() const { return m_ok && m_process.state() == QProcess::Running; }
    QString log() { return m_process.errorString() + '\n' + m_process.readAll(); }
    QUrl url(const QString& path = "/") const
    {
        return QUrl(QString(m_tls ? "https" : "http") + "://127.0.0.1:" + QString::number(m_port) +
                    path);
    }

private:
    QTemporaryDir m_dir;
    quint16 m_port;
    bool m_tls;
    QProcess m_process;
    bool m_ok = true;
};

// A contact or a yearly event named name, on date (yyyyMMdd).
QString resource(bool contact, const QString& name, const QString& date)
{
    return QString(contact
                       ? "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:%1\r\nFN:%1\r\nN:;%1;;;\r\nBDAY:%2\r\n"
                         "END:VCARD\r\n"
                       : "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\n"
                         "UID:%1\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:%2\r\n"
                         "RRULE:FREQ=YEARLY\r\nSUMMARY:%1\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
        .arg(name, date);
}

// What went wrong with a job, for a failed check's message.
template <typename Job> QByteArray why(const Job& job)
{
    return !job ? "no end" : job->failure() ? job->failure()->message.toUtf8() : "";
}

// The resource's name: the file name without extension, or an event's UID in a feed.
QString nameOf(const QString& href)
{
    return href.section(href.contains('#') ? '#' : '/', -1).section('.', 0, 0);
}

// Syncs the store's subscriptions once, as the tray program does; the summary it ends with.
QString syncOnce(StoreFixture& f, FakeSecrets& secrets)
{
    SyncQueue queue(
        f.store, f.clock, [] { return std::make_unique<DavSyncClient>(); }, secrets);
    QSignalSpy finished(&queue, &SyncQueue::sourceFinished);
    QSignalSpy idle(&queue, &SyncQueue::idle);
    queue.syncAll();
    if ((idle.isEmpty() && !idle.wait(120000)) || finished.size() != 1)
        return "no end";
    return finished[0][3].toString() + (finished[0][2].toBool() ? "" : " (failed)");
}

// Publishes the store's events once; the summary it ends with. clients counts the clients
// made: none where no request was sent.
QString publishOnce(StoreFixture& f, FakeSecrets& secrets, int& clients)
{
    Publisher publisher(
        f.store, f.clock,
        [&] {
            ++clients;
            return std::make_unique<DavSyncClient>();
        },
        secrets,
        [&] {
            CalendarExchange::ExportOptions options;
            options.calendarId = "t";
            options.stamp = f.clock.now();
            return options;
        });
    QSignalSpy finished(&publisher, &Publisher::finished);
    publisher.publish();
    if (finished.isEmpty() && !finished.wait(60000))
        return "no end";
    return finished[0][1].toString() + (finished[0][0].toBool() ? "" : " (failed)");
}

// The events of the data file as "name yyyy-MM-dd", sorted.
QStringList eventsOf(StoreFixture& f)
{
    QStringList events;
    for (const BirthdayRecord& r : f.store.readAllRecords().value_or(QList<BirthdayRecord>()))
        events << r.value(BirthdayRecord::Name) + ' ' +
                      TextConv::textToDate(r.value(BirthdayRecord::Date), f.store.dateLocale())
                          .value_or(QDate())
                          .toString(Qt::ISODate);
    events.sort();
    return events;
}

} // namespace

class TestDavClient : public QObject
{
    Q_OBJECT
private:
    QNetworkAccessManager m_manager;
    std::unique_ptr<Radicale> m_server;
    HostileServer m_faulty; // for the faults Radicale does not make
    int m_collections = 0;

    // Sets up the server as a client would; the status of the answer.
    int http(const QByteArray& verb, const QString& path, const QString& body = {})
    {
        QNetworkRequest request(m_server->url(path));
        request.setRawHeader("Authorization", "Basic " + QByteArray("alice:secret").toBase64());
        QNetworkReply* reply = m_manager.sendCustomRequest(request, verb, body.toUtf8());
        // A whole address book of 1,000 contacts takes Radicale many seconds on a busy machine.
        QSignalSpy(reply, &QNetworkReply::finished).wait(120000);
        reply->deleteLater();
        return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    }
    // A collection of the type named, holding the calendar component named if any.
    bool mkcol(const QString& path, const QString& type, const QString& component = {})
    {
        const QString set = "<C:supported-calendar-component-set><C:comp name='" + component +
                            "'/></C:supported-calendar-component-set>";
        return http("MKCOL", path,
                    "<mkcol xmlns='DAV:' xmlns:C='urn:ietf:params:xml:ns:caldav' xmlns:A='urn:"
                    "ietf:params:xml:ns:carddav'><set><prop><resourcetype><collection/>" +
                        type + "</resourcetype><displayname>" + path.section('/', 2, 2) +
                        "</displayname>" + (component.isEmpty() ? "" : set) +
                        "</prop></set></mkcol>") == 201;
    }
    std::unique_ptr<CollectionFetch> fetch(const DavAccount& account, DavCollection::Kind kind,
                                           const QString& token = {},
                                           const QHash<QString, QString>& known = {})
    {
        return run(std::make_unique<CollectionFetch>(
            m_manager, account, DavCollection{account.url, {}, kind}, token, known));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_server = std::make_unique<Radicale>();
        QVERIFY2(m_server->running(), qPrintable(m_server->log()));
    }

    void discovers()
    {
        QVERIFY(mkcol("/alice/Contacts/", "<A:addressbook/>"));
        QVERIFY(mkcol("/alice/Family/", "<C:calendar/>", "VEVENT"));
        QVERIFY(mkcol("/alice/Tasks/", "<C:calendar/>", "VTODO"));
        // From the server's address (the well-known addresses, the principal, the home set),
        // from a collection's address, and an iCalendar file on a plain web server.
        const QList<std::pair<QUrl, QStringList>> cases{
            {m_server->url("/"), {"0 Contacts /alice/Contacts/", "1 Family /alice/Family/"}},
            {m_server->url("/alice/Family/"), {"1 Family /alice/Family/"}},
            {QUrl(m_faulty.address("http://127.0.0.1:P/h.ics")), {"2 Holidays /h.ics"}}};
        // Through the subscriptions' client, as their Find asks.
        for (const auto& [url, expected] : cases) {
            DavSyncClient client;
            std::optional<QStringList> found;
            client.discover({url.toString(), "alice", "secret", {}},
                            [&found](const QList<FoundCollection>& all, const SyncFailure& error) {
                                found = QStringList(error.message);
                                for (const FoundCollection& c : all)
                                    *found << QStringLiteral("%1 %2 %3")
                                                  .arg(int(c.kind))
                                                  .arg(c.displayName, QUrl(c.url).path());
                            });
            QTRY_VERIFY_WITH_TIMEOUT(found, 60000);
            found->sort();
            QCOMPARE(*found, QStringList{""} + expected);
        }
    }

    // Each row: a collection holding a and b (fetched once unless "first"), the changes made on
    // the server, the next fetch with the stored token, none (ETags compared) or a stale one.
    void fetches_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QStringList>("edits"); // "+name": put it (again, changed), "-name": remove
        QTest::addColumn<QStringList>("changed");
        QTest::addColumn<QStringList>("removed");
        // Kind (book, cal, feed), token, then edits, changed and removed, comma-separated.
        for (const char* row :
             {"first fetch|book|first||a,b|", "a contact changed|book|stored|+a|a|",
              "a contact removed|book|stored|-b||b",
              "added (a name to escape) and removed, by ETags|book|none|+c d@x,-b|c d@x|b",
              "the token refused: the listing|book|stale|+a,-b|a|b",
              "calendar: an event changed|cal|stored|+b|b|", "feed: first fetch|feed|first||a,b|",
              "feed: one event changed, the other not|feed|stored|+b|b|"}) {
            const QStringList c = QString(row).split('|');
            const auto names = [&c](int i) { return c[i].split(',', Qt::SkipEmptyParts); };
            QTest::addRow("%s", qPrintable(c[0]))
                << int(QStringList{"book", "cal", "feed"}.indexOf(c[1])) << c[2] << names(3)
                << names(4) << names(5);
        }
    }
    void fetches()
    {
        QFETCH(int, kind);
        QFETCH(QString, token);
        QFETCH(QStringList, edits);
        QFETCH(QStringList, changed);
        QFETCH(QStringList, removed);
        const auto type = DavCollection::Kind(kind);
        const bool book = type == DavCollection::Kind::AddressBook;
        const QString path = QStringLiteral("/alice/c%1/").arg(++m_collections);
        QVERIFY(mkcol(path, book ? "<A:addressbook/>" : "<C:calendar/>"));
        const QString ext = book ? ".vcf" : ".ics";
        const auto put = [&](const QString& name, int version) {
            return http("PUT", path + name + ext,
                        resource(book, name, QString::number(1970 + version) + "0501"));
        };
        QVERIFY(put("a", 1) == 201 && put("b", 1) == 201);
        const DavAccount account = alice(m_server->url(path));
        QString nextToken;
        QHash<QString, QString> known;
        if (token != "first") {
            const auto first = fetch(account, type);
            QVERIFY(first && !first->failure());
            for (const RemoteResource& r : first->changes().changed)
                known.insert(r.href, r.etag);
            nextToken = token == "stored"  ? first->changes().syncToken
                        : token == "stale" ? "http://radicale.org/ns/sync/0000"
                                           : "";
        }
        for (const QString& edit : edits) // a success: 200, 201 or 204
            QCOMPARE((edit.startsWith('+') ? put(edit.mid(1), 2)
                                           : http("DELETE", path + edit.mid(1) + ext)) /
                         100,
                     2);
        const auto job = fetch(account, type, nextToken, known);
        QVERIFY2(job && !job->failure(), why(job));
        const RemoteChanges& changes = job->changes();
        // As the sync plan reads it: no body: unchanged; missing from a full listing: gone.
        QStringList gotChanged, gotRemoved;
        QSet<QString> listed;
        for (const RemoteResource& r : changes.changed) {
            listed << r.href;
            QVERIFY(!r.etag.isEmpty());
            if (r.body.isEmpty()) {
                QCOMPARE(r.etag, known.value(r.href));
                continue;
            }
            gotChanged << nameOf(r.href);
            QVERIFY2(r.body.contains("UID:" + nameOf(r.href).toUtf8()), r.body);
            // The body is the server's latest: version 2 where edited.
            QVERIFY(r.body.contains(edits.contains('+' + nameOf(r.href)) ? "1972" : "1971"));
        }
        for (const QString& href :
             changes.removed + (changes.complete ? known.keys() : QList<QString>()))
            if (!listed.contains(href))
                gotRemoved << nameOf(href);
        gotChanged.sort();
        gotRemoved.sort();
        QCOMPARE(gotChanged, changed);
        QCOMPARE(gotRemoved, removed);
        QCOMPARE(changes.complete, token != "stored" || type == DavCollection::Kind::CalendarFeed);
        // A DAV collection's next token is Radicale's; a feed's the file's ETag.
        QVERIFY(!changes.syncToken.isEmpty());
        QVERIFY(changes.syncToken != nextToken);
    }

    // The whole sync, from the server to the data file. Each row: the address book's contacts
    // ("name BDAY"), synced once into an empty data file; then the contacts changed on the
    // server; the second sync's summary and the events after it. What an edit or a delete here
    // does to the next sync, and the year a year-less birthday takes, are the plan's.
    void syncs_data()
    {
        QTest::addColumn<QStringList>("contacts");
        QTest::addColumn<QStringList>("edits"); // "name BDAY": put again, "-name": remove
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("events");
        const QStringList ab{"ann 1980-05-01", "bob 1975-03-04"};
        QTest::newRow("nothing changed")
            << ab << QStringList() << "0 added, 0 updated, 0 removed" << ab;
        QTest::newRow("a contact added, another removed")
            << ab << QStringList{"cy 2001-02-03", "-bob"} << "1 added, 0 updated, 1 removed"
            << QStringList{"ann 1980-05-01", "cy 2001-02-03"};
        QStringList many;
        for (int i = 0; i < 1000; ++i)
            many << QStringLiteral("p%1 1980-01-01").arg(i, 4, 10, QChar('0'));
        QStringList manyAfter = many;
        manyAfter[500] = "p0500 1990-01-01";
        QTest::newRow("1,000 contacts, one changed")
            << many << QStringList{manyAfter[500]} << "0 added, 1 updated, 0 removed" << manyAfter;
    }
    void syncs()
    {
        QFETCH(QStringList, contacts);
        QFETCH(QStringList, edits);
        QFETCH(QString, summary);
        QFETCH(QStringList, events);
        // The address book put whole, in one request.
        const QString path = QStringLiteral("/alice/s%1/").arg(++m_collections);
        QString book;
        for (const QString& c : contacts)
            book += resource(true, c.section(' ', 0, 0), c.section(' ', 1));
        QCOMPARE(http("PUT", path, book), 201);

        StoreFixture f;
        SubscriptionTable table;
        SyncSource source;
        source.url = m_server->url(path).toString();
        source.userName = "alice";
        const QString id = table.add(source);
        QVERIFY(SubscriptionFile::save(SubscriptionFile::pathFor(f.path()), table));
        FakeSecrets secrets;
        secrets.kept.insert(id, "secret");
        QCOMPARE(syncOnce(f, secrets),
                 QStringLiteral("%L1 added, 0 updated, 0 removed").arg(contacts.size()));
        QCOMPARE(eventsOf(f), contacts);

        for (const QString& edit : edits)
            QCOMPARE((edit.startsWith('-')
                          ? http("DELETE", path + edit.mid(1) + ".vcf")
                          : http("PUT", path + edit.section(' ', 0, 0) + ".vcf",
                                 resource(true, edit.section(' ', 0, 0), edit.section(' ', 1)))) /
                         100,
                     2);
        QCOMPARE(syncOnce(f, secrets), summary);
        QCOMPARE(eventsOf(f), events);
        QCOMPARE(syncOnce(f, secrets), "0 added, 0 updated, 0 removed"); // nothing new to tell
    }

    // Each row: a calendar holding an event of someone else's and the data file's three events,
    // published once; then changes here (and on the server) and the second publish's summary. The
    // calendar then holds exactly the data file's events, as exported, and the other one.
    void publishes_data()
    {
        QTest::addColumn<QString>("local");  // "edit N", "delete N", "add", joined by ", "
        QTest::addColumn<QString>("remote"); // "put N": the event of key N put on the server
        QTest::addColumn<QString>("summary");
        // The one added first, so that it takes no key a delete frees.
        const auto row = [](const char* name, const char* local, const char* remote,
                            const char* summary) {
            QTest::newRow(name) << local << remote << summary;
        };
        row("nothing changed: no request", "", "", "0 added, 0 updated, 0 removed");
        row("added, changed and deleted here", "add, edit 1, delete 2", "",
            "1 added, 1 updated, 1 removed");
        row("changed on the server meanwhile: overwritten", "edit 0", "put 0",
            "0 added, 1 updated, 0 removed");
        row("added here, on the server already: overwritten", "add", "put 3",
            "1 added, 0 updated, 0 removed");
    }
    void publishes()
    {
        QFETCH(QString, local);
        QFETCH(QString, remote);
        QFETCH(QString, summary);
        const QString path = QStringLiteral("/alice/p%1/").arg(++m_collections);
        QVERIFY(mkcol(path, "<C:calendar/>", "VEVENT"));
        QCOMPARE(http("PUT", path + "other.ics", resource(false, "other", "19710501")), 201);
        StoreFixture f;
        for (const char* name : {"ann", "bob", "cy"})
            QVERIFY(f.add(name, "1980-05-04") >= 0);
        SubscriptionTable table;
        table.publishing.emplace();
        table.publishing->url = m_server->url(path).toString();
        table.publishing->userName = "alice";
        table.publishing->displayName = "Phone";
        QVERIFY(SubscriptionFile::save(SubscriptionFile::pathFor(f.path()), table));
        FakeSecrets secrets;
        secrets.kept.insert(PublishTarget::secretId, "secret");
        int clients = 0;
        QCOMPARE(publishOnce(f, secrets, clients),
                 "Published to Phone: 3 added, 0 updated, 0 removed");

        QList<BirthdayRecord> records = f.store.readAllRecords().value();
        for (const QString& change : local.split(", ", Qt::SkipEmptyParts)) {
            const int n = change.section(' ', 1).toInt();
            if (change.startsWith("edit"))
                QCOMPARE(f.store.updateField(records[n], BirthdayRecord::Name, "changed"),
                         BirthdayStore::Outcome::Done);
            else if (change.startsWith("delete"))
                QCOMPARE(f.store.deleteRecord(records[n]), BirthdayStore::Outcome::Done);
            else
                QVERIFY(f.store.addRecord(records[0]));
        }
        const QString uid = CalendarExchange::eventUid(remote.section(' ', 1).toInt(), "t");
        if (!remote.isEmpty())
            QCOMPARE(http("PUT", path + QUrl::toPercentEncoding(uid + ".ics"),
                          QString(resource(false, uid, "19750501"))
                              .replace("SUMMARY:" + uid, "SUMMARY:theirs")) /
                         100,
                     2);
        clients = 0;
        QCOMPARE(publishOnce(f, secrets, clients), "Published to Phone: " + summary);
        QCOMPARE(clients, local.isEmpty() ? 0 : 1);

        // Each resource's UID and SUMMARY, against the data file's.
        QStringList expected{"other other"}, held;
        records = f.store.readAllRecords().value();
        for (const BirthdayRecord& r : records)
            expected << CalendarExchange::eventUid(r.key, "t") + ' ' +
                            r.value(BirthdayRecord::Name);
        const auto job = fetch(alice(m_server->url(path)), DavCollection::Kind::Calendar);
        QVERIFY2(job && !job->failure(), why(job));
        static const QRegularExpression property("\\n(UID|SUMMARY):([^\\r\\n]*)");
        for (const RemoteResource& r : job->changes().changed) {
            QString values[2];
            for (const auto& m : property.globalMatch(QString::fromUtf8(r.body)))
                values[m.captured(1) == "SUMMARY"] = m.captured(2);
            held << values[0] + ' ' + values[1];
        }
        expected.sort();
        held.sort();
        QCOMPARE(held, expected);
    }

    // Each fault ends the job with a message that names the address and what happened, and
    // no result. An answer without a length that runs on is the hostile server's test.
    void faults_data()
    {
        QTest::addColumn<QByteArray>("fault");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("status");
        for (const auto& [tag, fault, message, status] :
             {std::tuple{"wrong password", "password", "password was refused (401)", 401},
              {"not found", "404", "not found on the server (404)", 404},
              {"server stopped", "stopped", "refused", 0},
              {"slow", "silent", "no answer for 0.3 seconds", 0},
              {"cut short", "short", "closed", 0},
              {"5xx", "503", "the server failed (503 Service Unavailable)", 503},
              {"malformed", "malformed", "the answer cannot be read: ", 207},
              {"50 MB announced", "huge",
               "answer of 52428800 bytes is over the limit of 1048576 bytes", 0}})
            QTest::newRow(tag) << QByteArray(fault) << QString(message) << status;
    }
    void faults()
    {
        QFETCH(QByteArray, fault);
        QFETCH(QString, message);
        QFETCH(int, status);
        QUrl url(m_faulty.address("http://127.0.0.1:P/" + fault + '/'));
        if (fault == "password" || fault == "404")
            url = m_server->url(fault == "404" ? "/alice/none/" : "/alice/c1/");
        if (fault == "stopped")
            url.setPort(freePort());
        DavAccount account = alice(url, fault == "password" ? "wrong" : "secret");
        account.timeout = std::chrono::milliseconds(fault == "silent" ? 300 : 10000);
        account.sizeLimit = 1024 * 1024;
        const auto job = fetch(account, DavCollection::Kind::AddressBook);
        QVERIFY(job && job->failure());
        const std::optional<NetFailure> failure = job->failure();
        QVERIFY2(failure->message.startsWith(url.toString()), qPrintable(failure->message));
        QVERIFY2(failure->message.contains(message), qPrintable(failure->message));
        QVERIFY(!failure->message.contains("secret") && !failure->message.contains("wrong"));
        QCOMPARE(failure->httpStatus, status);
    }

    // A published calendar the server says is unchanged since its ETag is not read again.
    void feedUnchanged()
    {
        const DavAccount account = alice(m_faulty.address("http://127.0.0.1:P/h.ics"));
        const auto first = fetch(account, DavCollection::Kind::CalendarFeed);
        QVERIFY2(first && !first->failure(), why(first));
        QCOMPARE(first->changes().syncToken, "\"v1\"");
        const auto again =
            fetch(account, DavCollection::Kind::CalendarFeed, "\"v1\"", {{"/h.ics#x", "1"}});
        QVERIFY2(again && !again->failure(), why(again));
        QVERIFY(again->changes().removed.isEmpty() && !again->changes().complete);
        QCOMPARE(again->changes().syncToken, "\"v1\"");
    }

    // A certificate that does not verify is refused, and carries what a dialog shows; once
    // accepted for the server, it is taken.
    void certificates()
    {
        Radicale server(m_faulty.certificateFolder()); // the hostile server's certificate
        QVERIFY2(server.running(), qPrintable(server.log()));
        DavAccount account = alice(server.url("/alice/"));
        const auto refused = fetch(account, DavCollection::Kind::AddressBook);
        QVERIFY2(refused && why(refused).contains("certificate does not verify"), why(refused));
        QCOMPARE(refused->failure()->certificate, m_faulty.certificate());
        QVERIFY(!refused->failure()->sslErrors.isEmpty());
        // Discovery's requests share the refused connection: the ones dropped when the first
        // fails must go quietly (Qt warns of an error reported twice where they are aborted).
        QTest::failOnWarning(QRegularExpression("only be called once"));
        for (int i = 0; i < 3; ++i) {
            const auto found = run(std::make_unique<DavDiscovery>(m_manager, account));
            QVERIFY2(found && why(found).contains("certificate does not verify"), why(found));
            QTest::qWait(100);
        }

        account.acceptedCertificates << refused->failure()->certificate;
        const auto accepted = fetch(account, DavCollection::Kind::AddressBook);
        QVERIFY2(accepted && !accepted->failure(), why(accepted));
    }
};

QTEST_GUILESS_MAIN(TestDavClient)
#include "test_davclient.moc"
