#include "core/exchange/importplan.h"
#include "core/store/backups.h"
#include "core/store/cellformat.h"
#include "core/sync/syncplan.h"
#include "core/sync/syncrun.h"
#include "fakesync.h"
#include "storefixture.h"

#include <QFile>
#include <QProcess>
#include <QStorageInfo>
#include <QTest>

Q_DECLARE_METATYPE(RemoteChanges)

namespace {

using Kind = SyncPlan::Action::Kind;
const QDate today(2026, 12, 7);

SyncSource source()
{
    SyncSource s;
    s.id = QStringLiteral("s1");
    s.syncToken = QStringLiteral("t1");
    return s;
}

RemoteResource calendarEvent(const QString& summary, const QByteArray& rule)
{
    return {"/cal/" + summary + ".ics", "1",
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VEVENT\r\nUID:" +
                summary.toUtf8() +
                "\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20000105\r\nSUMMARY:" +
                summary.toUtf8() + "\r\nRRULE:" + rule + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n"};
}

RemoteChanges complete(const QList<RemoteResource>& resources)
{
    return {resources, {}, true, QStringLiteral("t2")};
}

struct State
{
    QList<SyncLink> links;
    QList<BirthdayRecord> records;
};

// The records and links a first sync of remote gives, then one of them edited ("edit Ann") or
// deleted ("delete Ann") here, or all of them as a file's import leaves them ("unlinked").
State synced(const QList<RemoteResource>& remote, const QString& local)
{
    State state;
    for (const SyncPlan::Action& action :
         SyncPlan::make(source(), complete(remote), {}, {}, today).actions) {
        SyncLink link = *action.after;
        link.key = int(state.records.size());
        BirthdayRecord record = action.values;
        record.key = link.key;
        if (local != "unlinked")
            state.links.append(link);
        if (local == "edit " + action.name())
            record.setValue(BirthdayRecord::Notify, QStringLiteral("3"));
        if (local == "moved, links not saved")
            record.setValue(BirthdayRecord::Date, QStringLiteral("1980-02-02"));
        if (local != "delete " + action.name())
            state.records.append(record);
    }
    return state;
}

QStringList described(const SyncPlan::Plan& plan)
{
    const QStringList kinds = {"add", "update", "remove", "detach"};
    QStringList lines;
    for (const SyncPlan::Action& action : plan.actions)
        if (action.kind != Kind::Keep)
            lines << (kinds[int(action.kind)] + ' ' + action.name() + ' ' +
                      action.values.value(BirthdayRecord::Date))
                         .trimmed();
    for (const QString& left : plan.leftOut)
        lines << "left " + left.section(':', 0, 0);
    for (const QString& href : plan.unreadable)
        lines << "unreadable " + href.section(':', 0, 0);
    lines.sort();
    return lines;
}

QList<RemoteResource> contacts(int first, int count)
{
    QList<RemoteResource> cards;
    for (int i = first; i < first + count; ++i)
        cards << fakeCard(QStringLiteral("P%1").arg(i, 4, 10, QChar('0')), "1980-01-01");
    return cards;
}

// A 1 MB tmpfs of the test's own, so a full disk is real and nothing else's room is taken.
// Mounting needs root (as CI runs); elsewhere the test skips.
struct SmallDisk
{
    QTemporaryDir dir;
    bool mounted =
        QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", dir.path()}) == 0;
    ~SmallDisk()
    {
        if (mounted)
            QProcess::execute("umount", {dir.path()});
    }
    QString filler() const { return dir.filePath("filler"); }
    // Takes up all but kb of the room.
    bool leave(qint64 kb)
    {
        const qint64 take = QStorageInfo(dir.path()).bytesAvailable() - kb * 1024;
        return take >= 0 && writeFile(filler(), QByteArray(take, 'x'));
    }
};

} // namespace

class TestSync : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plan_data()
    {
        QTest::addColumn<QList<RemoteResource>>("before");
        QTest::addColumn<QString>("local");
        QTest::addColumn<RemoteChanges>("changes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("token");
        const RemoteResource ann = fakeCard("Ann", "1980-01-02"), bob = fakeCard("Bob", "19750304"),
                             dee = fakeCard("Dee", "1970-03-04", "1", "1995-06-07");
        const RemoteResource annMoved = fakeCard("Ann", "1980-02-02", "2");
        using Remote = QList<RemoteResource>;
        const auto row = [](const char* name, const Remote& before, const char* local,
                            const RemoteChanges& changes, const QStringList& expected,
                            const char* token = "t2") {
            QTest::newRow(name) << before << local << changes << expected << token;
        };
        row("first sync", {}, "", complete({ann, bob}),
            {"add Ann 1980-01-02", "add Bob 1975-03-04"});
        row("birthday changed on the server", {ann}, "", complete({annMoved}),
            {"update Ann 1980-02-02"});
        row("same birthday, new ETag", {ann}, "", complete({fakeCard("Ann", "1980-01-02", "2")}),
            {});
        row("unchanged, not fetched again", {ann}, "", complete({{ann.href, ann.etag, {}}}), {});
        row("contact added", {ann}, "", complete({ann, bob}), {"add Bob 1975-03-04"});
        row("contact removed", {ann, bob}, "", complete({ann}), {"remove Bob"});
        row("edited here, then changed on the server", {ann}, "edit Ann", complete({annMoved}),
            {"detach Ann"});
        row("updated before, its links not saved", {ann}, "moved, links not saved",
            complete({annMoved}), {});
        row("deleted here, then changed on the server", {ann}, "delete Ann", complete({annMoved}),
            {});
        row("year-less birthday", {}, "", complete({fakeCard("Cy", "--0412")}),
            {"add Cy 2027-04-12"});
        row("year-less birthday, a year later", {fakeCard("Cy", "--0412")}, "a year later",
            complete({fakeCard("Cy", "--0412", "2")}), {});
        row("birthday and anniversary", {}, "", complete({dee}),
            {"add Dee 1970-03-04", "add Dee \u2014 Anniversary 1995-06-07"});
        row("birthday dropped on the server, anniversary kept", {dee}, "",
            complete({fakeCard("Dee", "", "2", "1995-06-07")}), {"remove Dee"});
        row("imported before from a file", {ann}, "unlinked", complete({ann, bob}),
            {"add Bob 1975-03-04"});
        row("deleted here, then removed on the server", {ann}, "delete Ann", complete({}), {});
        row("edited here, then removed on the server", {ann}, "edit Ann", complete({}),
            {"detach Ann"});
        const auto feed = [](const QString& etag, const QList<RemoteResource>& events) {
            RemoteResource all{"/feed.ics", etag, {}};
            for (const RemoteResource& one : events)
                all.body += one.body;
            return all;
        };
        const RemoteResource alma = calendarEvent("Alma", "FREQ=YEARLY"),
                             bert = calendarEvent("Bert", "FREQ=YEARLY");
        row("two contacts in one resource, the first removed", {feed("1", {ann, bob})}, "",
            complete({feed("2", {bob})}), {"remove Ann"});
        row("one event gone from a calendar address", {feed("1", {alma, bert})}, "",
            complete({feed("2", {bert})}), {"remove Alma"});
        row("delta with removals", {ann, bob, dee}, "",
            RemoteChanges{{annMoved}, {bob.href}, false, QStringLiteral("t2")},
            {"remove Bob", "update Ann 1980-02-02"});
        row("a body that does not read keeps its event", {ann}, "",
            complete({{ann.href, "2", "BEGIN:VCARD\r\nFN:Ann\r\n"}}), {"unreadable /ab/Ann.vcf"},
            "t1");
        row("refused calendar rule", {}, "",
            complete(
                {calendarEvent("Weekly", "FREQ=WEEKLY"), calendarEvent("Yearly", "FREQ=YEARLY")}),
            {"add Yearly 2000-01-05", "left Weekly"});
    }
    void plan()
    {
        QFETCH(QList<RemoteResource>, before);
        QFETCH(QString, local);
        QFETCH(RemoteChanges, changes);
        const State state = synced(before, local);
        const SyncPlan::Plan plan =
            SyncPlan::make(source(), changes, state.links, state.records,
                           local == "a year later" ? today.addYears(1) : today);
        QFETCH(QStringList, expected);
        QFETCH(QString, token);
        QCOMPARE(described(plan), expected);
        QCOMPARE(plan.syncToken, token);
    }

    // A data file one event short of full: of a contact's two dates one (a birthday without a year,
    // its rule beside the data file) is added, the other waits for room; the link table holds the
    // one written, the old token and no ETag for the contact, so the next sync reads it again.
    void applyWithinTheLimit()
    {
        StoreFixture f;
        QByteArray cells;
        for (int key = 0; key < ImportPlan::eventLimit() - 1; ++key)
            cells += CellFormat::makeCell(BirthdayRecord::Name, key, "n");
        QVERIFY(writeFile(f.path(), cells));
        SubscriptionTable table{.sources = {source()}, .links = {}, .publishing = {}};
        const QString id = source().id;
        const SyncPlan::Plan plan =
            SyncPlan::make(source(), complete({fakeCard("Dee", "--0304", "1", "1995-06-07")}), {},
                           *f.store.readAllRecords(), today);
        QVERIFY(plan.leftOut.first().contains("no room"));
        const SyncRun::Result result = SyncRun::apply(f.store, table, id, plan, f.clock.now());
        QVERIFY2(result.errors.isEmpty(), qPrintable(result.summary()));
        QCOMPARE(result.added, 1);
        QVERIFY(f.store.readAllRecords()->last().isYearless());
        QCOMPARE(Backups::list(f.path()).size(), 1);
        const auto saved = SubscriptionFile::load(SubscriptionFile::pathFor(f.path()));
        QVERIFY2(saved, qPrintable(saved.error()));
        QCOMPARE(saved->links.size(), 1);
        QCOMPARE(saved->links.first().key, ImportPlan::eventLimit() - 1);
        QCOMPARE(saved->sources.first().syncToken, "t1");
        QVERIFY(SyncPlan::knownEtags(saved->links).isEmpty());
        QCOMPARE(saved->sources.first().lastResult, "1 added, 0 updated, 0 removed, 1 left out");
    }

    // An event edited between the plan and its writing is detached, never written over.
    void editedMeanwhileIsDetached()
    {
        StoreFixture f;
        SubscriptionTable table{.sources = {source()}, .links = {}, .publishing = {}};
        const QString id = source().id;
        SyncRun::apply(
            f.store, table, id,
            SyncPlan::make(source(), complete({fakeCard("Ann", "1980-01-02")}), {}, {}, today),
            f.clock.now());
        const QList<BirthdayRecord> records = *f.store.readAllRecords();
        const SyncPlan::Plan plan = SyncPlan::make(
            source(), complete({fakeCard("Ann", "1981-01-02", "2")}), table.links, records, today);
        BirthdayRecord edited = records.first();
        edited.setValue(BirthdayRecord::Name, "Annie");
        QCOMPARE(f.store.updateRecord(records.first(), edited), BirthdayStore::Outcome::Done);
        const SyncRun::Result result = SyncRun::apply(f.store, table, id, plan, f.clock.now());
        QCOMPARE(result.detached, 1);
        QCOMPARE(f.store.readAllRecords()->first().value(BirthdayRecord::Name), "Annie");
        QCOMPARE(table.links.first().state, SyncLink::State::Detached);
    }

    void fullDiskKeepsTheTable_data()
    {
        columnRows<int>("freeKb", {{"100 KB free", 100}, {"110 KB free", 110}});
    }
    // The events of a sync fit, the table's new copy does not: the old table stays byte for byte,
    // the sync says why; the next sync with room links the events it finds, not adding them twice.
    void fullDiskKeepsTheTable()
    {
        SmallDisk disk;
        if (!disk.mounted)
            QSKIP("needs root to mount a small tmpfs for the full disk");
        BirthdayStore store(disk.dir.filePath("birthday.dat"));
        SubscriptionTable table{.sources = {source()}, .links = {}, .publishing = {}};
        const QString id = source().id, tablePath = SubscriptionFile::pathFor(store.dataPath());
        const auto sync = [&](const QList<RemoteResource>& remote) {
            table = *SubscriptionFile::load(tablePath);
            return SyncRun::apply(store, table, id,
                                  SyncPlan::make(source(), complete(remote), table.links,
                                                 *store.readAllRecords(), today),
                                  QDateTime(today, QTime(9, 0)));
        };
        QVERIFY(SubscriptionFile::save(tablePath, table));
        // The day's backup made before, as by an earlier change of the day.
        QVERIFY(sync(contacts(0, 400)).errors.isEmpty() && store.backup());
        const QByteArray before = readFile(tablePath);
        QFETCH(int, freeKb);
        QVERIFY(before.size() > freeKb * 1024 && disk.leave(freeKb));
        const SyncRun::Result full = sync(contacts(0, 425));
        QVERIFY2(full.added == 25, qPrintable(full.summary()));
        QVERIFY2(full.summary().contains("No space left") && full.summary().contains("kept"),
                 qPrintable(full.summary()));
        QCOMPARE(readFile(tablePath), before);
        QVERIFY(QFile::remove(disk.filler()));
        const SyncRun::Result again = sync(contacts(0, 425));
        QVERIFY2(again.errors.isEmpty(), qPrintable(again.summary()));
        QCOMPARE(again.added, 0);
        QCOMPARE(store.readAllRecords()->size(), 425);
        QCOMPARE(table.links.size(), 425);
    }

    void unsubscribe_data()
    {
        QTest::addColumn<bool>("removeEvents");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("remove its events") << true << QStringList{"Annie"};
        QTest::newRow("keep its events") << false << QStringList{"Annie", "Bob"};
    }
    // Of a source's events an edited one always stays.
    void unsubscribe()
    {
        QFETCH(bool, removeEvents);
        StoreFixture f;
        SubscriptionTable table{.sources = {source()}, .links = {}, .publishing = {}};
        const QString id = source().id;
        table.add(source()); // another source, whose links stay
        table.links.append(SyncLink());
        table.links.last().sourceId = table.sources.last().id;
        table.links.last().href = "/other.vcf";
        SyncRun::apply(
            f.store, table, id,
            SyncPlan::make(source(),
                           complete({fakeCard("Ann", "1980-01-02"), fakeCard("Bob", "1980-01-03")}),
                           {}, {}, today),
            f.clock.now());
        BirthdayRecord edited = f.store.readAllRecords()->first();
        edited.setValue(BirthdayRecord::Name, "Annie");
        QCOMPARE(f.store.updateRecord(f.store.readAllRecords()->first(), edited),
                 BirthdayStore::Outcome::Done);
        QVERIFY(SyncRun::unsubscribe(f.store, table, id, removeEvents).errors.isEmpty());
        QTEST(f.names(), "left");
        const auto saved = SubscriptionFile::load(SubscriptionFile::pathFor(f.path()));
        QCOMPARE(saved->sources.size(), 1);
        QCOMPARE(saved->links.size(), 1);
        QCOMPARE(saved->links.first().href, "/other.vcf");
    }

    void damagedTableIsReported_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not JSON") << QByteArray("{\"sources\": [") << "damaged";
        QTest::newRow("newer version") << QByteArray("{\"version\": 2}") << "newer";
        QTest::newRow("unknown kind")
            << QByteArray("{\"sources\": [{\"id\": \"a\", \"kind\": \"ftp\"}]}") << "damaged";
        QTest::newRow("link without href")
            << QByteArray("{\"links\": [{\"source\": \"a\", \"key\": 3}]}") << "damaged";
        QTest::newRow("past the size read")
            << QByteArray(SubscriptionFile::maxFileBytes + 1, ' ') << "larger than 32 MB";
    }
    void damagedTableIsReported()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("t.json"), bytes));
        const Expected<SubscriptionTable> loaded = SubscriptionFile::load(dir.filePath("t.json"));
        QVERIFY(!loaded);
        QFETCH(QString, reason);
        QVERIFY2(loaded.error().contains(reason), qPrintable(loaded.error()));
    }

    // Everything saved reads back as it was.
    void tableRoundTrip()
    {
        QTemporaryDir dir;
        SubscriptionTable table;
        SyncSource s{{},
                     SyncSource::Kind::Calendar,
                     "https://h/cal/",
                     "u",
                     "Family",
                     QDateTime(today, QTime(10, 0), Qt::UTC),
                     "2 added",
                     "tok",
                     "-----BEGIN CERTIFICATE-----\nMIIB\n-----END CERTIFICATE-----\n"};
        table.add(s);
        SyncLink link{table.sources.first().id, "/c.ics", "uid-1", true, "\"e1\"", 7, {}};
        link.written.values = {"Ann", "2000-01-05", "1", "10", "0", "", "1"};
        link.state = SyncLink::State::Deleted;
        table.links = {link};
        const QString path = dir.filePath("t.json");
        const Expected<> saved = SubscriptionFile::save(path, table);
        QVERIFY2(saved, qPrintable(saved.error()));
        QVERIFY(readFile(path).contains("\"caldav\"")); // the name other copies read it by
        const auto read = SubscriptionFile::load(path);
        QVERIFY2(read, qPrintable(read.error()));
        const SyncSource& back = read->sources.first();
        QCOMPARE(std::tie(back.id, back.kind, back.url, back.userName, back.displayName,
                          back.lastSync, back.lastResult, back.syncToken, back.acceptedCertificate),
                 std::tie(table.sources.first().id, s.kind, s.url, s.userName, s.displayName,
                          s.lastSync, s.lastResult, s.syncToken, s.acceptedCertificate));
        const SyncLink& l = read->links.first();
        QVERIFY(l.sameDate(link));
        QCOMPARE(std::tie(l.sourceId, l.etag, l.key, l.written, l.state),
                 std::tie(link.sourceId, link.etag, link.key, link.written, link.state));
    }
};

QTEST_GUILESS_MAIN(TestSync)
#include "test_sync.moc"
