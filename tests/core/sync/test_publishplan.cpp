#include "core/sync/publishplan.h"

#include <QTest>

namespace {

using Kind = PublishPlan::Step::Kind;

// "key name date": a record; a date that does not read stays as it is.
QList<BirthdayRecord> recordsOf(const QStringList& rows)
{
    QList<BirthdayRecord> records;
    for (const QString& row : rows) {
        BirthdayRecord& r = records.emplace_back();
        r.key = row.section(' ', 0, 0).toInt();
        r.setValue(BirthdayRecord::Name, row.section(' ', 1, 1));
        r.setValue(BirthdayRecord::Date, row.section(' ', 2, 2));
        r.setValue(BirthdayRecord::Recurs, "1");
    }
    return records;
}

CalendarExchange::ExportOptions options(const QDateTime& stamp)
{
    CalendarExchange::ExportOptions o;
    o.calendarId = "cal";
    o.stamp = stamp;
    return o;
}

} // namespace

class TestPublishPlan : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each row: the records published once (the first `taken` steps taken, -1: all, ETag "e" + the
    // step's number), the records an hour later (another DTSTAMP), the second plan's steps.
    void plan_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("steps"); // "kind uid-key href-tail etag"
        QTest::addColumn<int>("leftOut");
        QTest::addColumn<int>("taken");
        const QStringList two{"1 Ann 1980-05-04", "2 Bob 1975-03-01"};
        QTest::newRow("first publish")
            << QStringList() << two
            << QStringList{"0 1 1-cal%40candlewatcher.ics -", "0 2 2-cal%40candlewatcher.ics -"}
            << 0 << -1;
        QTest::newRow("nothing changed") << two << two << QStringList() << 0 << -1;
        QTest::newRow("one changed, one deleted, one added")
            << two << QStringList{"1 Ann 1980-05-05", "3 Cy 2001-01-01"}
            << QStringList{"1 1 1-cal%40candlewatcher.ics e0", "0 3 3-cal%40candlewatcher.ics -",
                           "2 2 2-cal%40candlewatcher.ics e1"}
            << 0 << -1;
        QTest::newRow("a date that does not read: left out, its event left alone")
            << two << QStringList{"1 Ann someday", "2 Bob 1975-03-01", "4 Dee never"}
            << QStringList() << 2 << -1;
        QTest::newRow("cut after its first step: the rest sent next time")
            << two << two << QStringList{"0 2 2-cal%40candlewatcher.ics -"} << 0 << 1;
    }
    void plan()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QStringList, steps);
        QFETCH(int, leftOut);
        QFETCH(int, taken);
        const QDateTime first({2026, 12, 7}, {10, 0}, Qt::UTC);
        const QString url = "https://dav.test/cal/phone"; // no slash at the end
        PublishTarget target;
        const PublishPlan::Plan once =
            PublishPlan::make(url, recordsOf(before), options(first), {}, QLocale::c());
        QList<PublishPlan::Done> done;
        for (int i = 0; i < (taken < 0 ? once.steps.size() : taken); ++i)
            done.append({i, QStringLiteral("e%1").arg(i)});
        PublishPlan::take(target, once.steps, done);
        QCOMPARE(target.events.size(), taken < 0 ? before.size() : taken);

        const PublishPlan::Plan plan = PublishPlan::make(
            url, recordsOf(after), options(first.addSecs(3600)), target.events, QLocale::c());
        QStringList got;
        for (const PublishPlan::Step& step : plan.steps) {
            QVERIFY(step.href.startsWith(url + '/'));
            QCOMPARE(step.body.isEmpty(), step.kind == Kind::Remove);
            QCOMPARE(step.body.count("BEGIN:VEVENT"), step.kind == Kind::Remove ? 0 : 1);
            if (step.kind != Kind::Remove)
                QVERIFY(step.body.contains("UID:" + step.uid.toUtf8()));
            got << QStringLiteral("%1 %2 %3 %4")
                       .arg(int(step.kind))
                       .arg(step.uid.section('-', 0, 0), step.href.section('/', -1),
                            step.etag.isEmpty() ? "-" : step.etag);
        }
        QCOMPARE(got, steps);
        QCOMPARE(plan.leftOut.size(), leftOut);
    }
};

QTEST_GUILESS_MAIN(TestPublishPlan)
#include "test_publishplan.moc"
