#include "app/clock.h"
#include "exchange/calendarexchange.h"
#include "exchange/importplan.h"
#include "store/backups.h"
#include "store/birthdaystore.h"
#include "text/textconv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDate today(2026, 12, 6);

// An entry as one line: name and date ("--MM-dd" without a year), or what is wrong with it.
QString described(const ImportEntry& e)
{
    switch (e.problem) {
    case ImportEntry::Problem::NoDate:
        return e.name + QStringLiteral(" : no date");
    case ImportEntry::Problem::LeftOut:
        return e.name + QStringLiteral(" : left out");
    case ImportEntry::Problem::Broken:
        return e.name + QStringLiteral(" : broken");
    case ImportEntry::Problem::None:
        break;
    }
    QString line =
        e.name + u' ' + (e.hasYear ? e.date.toString(Qt::ISODate) : e.date.toString(u"--MM-dd"));
    if (!e.recurs)
        line += QStringLiteral(" once");
    if (!e.alert.isEmpty())
        line += QStringLiteral(" alert=") + e.alert;
    return line;
}

BirthdayRecord record(const QString& name, QDate date, const char* recurs, const char* notify,
                      const char* alert, const char* showYears)
{
    BirthdayRecord r;
    r.values = {name,
                TextConv::dateToText(date),
                QLatin1String(recurs),
                QLatin1String(notify),
                QLatin1String(alert),
                QString(),
                QLatin1String(showYears)};
    return r;
}

// Four events the way the add dialog stores them, and one whose date no longer reads.
QList<BirthdayRecord> sampleRecords()
{
    QList<BirthdayRecord> records = {
        record(QStringLiteral("Anna Schmidt"), QDate(1984, 12, 8), "1", "10", "0", "1"),
        record(QStringLiteral("Grandpa Leap"), QDate(1932, 2, 29), "1", "5", "1", "1"),
        record(QStringLiteral("Move house"), QDate(2027, 1, 15), "0", "3", "0", "0"),
        record(QStringLiteral("M\u00fcller, J\u00f6rg; \"B\u00fcro\" \u00e4\u00f6\u00fc "
                              "\u00e4\u00f6\u00fc \u00e4\u00f6\u00fc \u00e4\u00f6\u00fc "
                              "\u00e4\u00f6\u00fc \u00e4\u00f6\u00fc \u00e4\u00f6\u00fc end"),
               QDate(1990, 7, 1), "1", "0", "1", "0"),
    };
    for (int i = 0; i < records.size(); ++i)
        records[i].key = i;
    BirthdayRecord unreadable = record(QStringLiteral("Lost"), QDate(), "1", "1", "1", "1");
    unreadable.values[BirthdayRecord::Date] = QStringLiteral("not a date");
    return records << unreadable;
}

} // namespace

class TestExchange : public QObject
{
    Q_OBJECT
private slots:
    void readFiles_data();
    void readFiles();
    void plan();
    void exportReadByPython_data();
    void exportReadByPython();
    void roundTrip();
    void importStopsAtTheLimitAndBacksUpFirst();
};

void TestExchange::readFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("error"); // a part of the whole file's error

    const QString anniversary = QStringLiteral(" \u2014 Anniversary");
    QTest::newRow("Google vCard 3.0")
        << "google-3.0.vcf"
        << QStringList{"Anna Schmidt 1984-12-08", "Anna Schmidt" + anniversary + " 2010-06-19",
                       "J\u00f6rg M\u00fcller --04-12", "Lena Weber : no date"}
        << "";
    QTest::newRow("Apple vCard 3.0")
        << "apple-3.0.vcf"
        << QStringList{"Chidi Okafor --02-29", "Chidi Okafor" + anniversary + " 2015-09-05",
                       "Lindqvist Bakery 1998-03-15",
                       "Dr. Hubert Blaine Wolfeschlegelsteinhausenbergerdorff Sr. of the Family "
                       "Line 1904-06-30"}
        << "";
    QTest::newRow("Android vCard 2.1")
        << "android-2.1.vcf"
        << QStringList{"Ay\u015fe \u00d6zt\u00fcrk 1990-07-21",
                       "Ay\u015fe \u00d6zt\u00fcrk" + anniversary + " 2016-05-14",
                       "\u5c71\u7530 \u592a\u90ce \u3068\u3044\u3046\u9577\u3044\u540d\u524d "
                       "--03-03"}
        << "";
    QTest::newRow("Outlook vCard 2.1, Windows-1252")
        << "outlook-2.1.vcf"
        << QStringList{"J\u00fcrgen L\u00fcdenscheidt 1966-04-12",
                       "J\u00fcrgen L\u00fcdenscheidt" + anniversary + " 1995-08-30",
                       "Siobhan Brennan 1979-11-02"}
        << "";
    QTest::newRow("vCard 4.0 with broken contacts")
        << "thunderbird-4.0.vcf"
        << QStringList{"Marie-Claire Dubois --04-12",
                       "Marie-Claire Dubois" + anniversary + " 2005-06-18",
                       "Nowak, Tomasz 1972-11-03",
                       "Nowak, Tomasz" + anniversary + " 1999-09-09",
                       "Great-Grandma Rose : no date",
                       "Kenji Watanabe : broken",
                       "Kenji Watanabe" + anniversary + " 2012-10-10",
                       "Half a Line : broken",
                       "Never Ended : broken",
                       "After the Unended 1980-06-06"}
        << "";
    QTest::newRow("Google Calendar")
        << "google.ics"
        << QStringList{"Anna Schmidt 1984-12-08 alert=1", "Team meeting : left out",
                       "Move to the new flat, at last 2027-01-15 once alert=1",
                       "Mother's Day : left out"}
        << "";
    QTest::newRow("Outlook calendar")
        << "outlook.ics"
        << QStringList{"Hochzeitstag J\u00fcrgen & Petra 1995-08-30 alert=0",
                       "Hochzeitstag J\u00fcrgen & Petra : left out",
                       "Christmas Eve at the L\u00fcdenscheidts 2026-12-24 once alert=1"}
        << "";
    QTest::newRow("Thunderbird and Apple calendars in one file")
        << "thunderbird.ics"
        << QStringList{"Gro\u00dfvater Heinrich 1932-02-29 alert=1", "A damaged date : broken",
                       "Someday : no date", "J\u00f6rg M\u00fcller --04-12 alert=1"}
        << "";
    QTest::newRow("vCard cut off") << "cut-off.vcf" << QStringList() << "cut off";
    QTest::newRow("iCalendar cut off") << "cut-off.ics" << QStringList() << "cut off";
    QTest::newRow("neither") << "not-a-calendar.vcf" << QStringList() << "neither";
    QTest::newRow("empty") << "empty.ics" << QStringList() << "empty";
    QTest::newRow("missing") << "no-such-file.vcf" << QStringList() << "could not be read";
}

void TestExchange::readFiles()
{
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    QFETCH(QString, error);
    const ImportFile read = ImportPlan::read(QStringLiteral(CW_EXCHANGE_DATA "/") + file);
    QStringList lines;
    for (const ImportEntry& entry : read.entries)
        lines << described(entry);
    QCOMPARE(lines, expected);
    QVERIFY2(error.isEmpty() ? read.error.isEmpty() : read.error.contains(error),
             qPrintable(read.error));
}

void TestExchange::plan()
{
    using Status = ImportPlan::Item::Status;
    const auto entry = [](const QString& name, QDate date, bool hasYear = true) {
        ImportEntry e;
        e.name = name;
        e.date = date;
        e.hasYear = hasYear;
        return e;
    };
    QList<ImportEntry> entries = {
        entry(QStringLiteral(" anna SCHMIDT "), QDate(2001, 12, 8)), // the stored one
        entry(QStringLiteral("Anna Schmidt"), QDate(1984, 12, 9)),   // another day
        entry(QStringLiteral("Ben"), QDate(2000, 4, 12), false),
        entry(QStringLiteral("ben"), QDate(1990, 4, 12)), // the same as the one before
        entry(QStringLiteral("Leap"), QDate(2000, 2, 29), false),
        entry(QString(200, QChar(0xe4)), QDate(1990, 1, 1)),
        entry(QStringLiteral("From a calendar"), QDate(2027, 1, 15)),
    };
    entries[6].recurs = false;
    entries[6].alert = QStringLiteral("1");
    entries[6].notify = QStringLiteral("999"); // does not fit the Notify cell
    ImportEntry undated = entry(QStringLiteral("Lena"), QDate());
    undated.problem = ImportEntry::Problem::NoDate;
    entries << undated;

    const QList<BirthdayRecord> stored = {
        record(QStringLiteral("Anna Schmidt"), QDate(1984, 12, 8), "1", "10", "0", "1")};
    const QList<ImportPlan::Item> items = ImportPlan::plan(entries, stored, today);
    QList<Status> statuses;
    for (const ImportPlan::Item& item : items)
        statuses << item.status;
    QCOMPARE(statuses,
             (QList<Status>{Status::AlreadyThere, Status::New, Status::New, Status::AlreadyThere,
                            Status::New, Status::New, Status::New, Status::NoDate}));
    // Without a year: this year, no years shown; 29 February goes to the last leap year.
    QCOMPARE(items[2].record.values,
             record(QStringLiteral("Ben"), QDate(2026, 4, 12), "1", "10", "0", "0").values);
    QCOMPARE(items[4].record.value(BirthdayRecord::Date), TextConv::dateToText(QDate(2024, 2, 29)));
    QCOMPARE(items[1].record.value(BirthdayRecord::ShowYears), QStringLiteral("1"));
    QCOMPARE(items[5].record.value(BirthdayRecord::Name), QString(127, QChar(0xe4)));
    QCOMPARE(
        items[6].record.values,
        record(QStringLiteral("From a calendar"), QDate(2027, 1, 15), "0", "10", "1", "0").values);
    const ImportPlan::Counts counts = ImportPlan::count(items);
    QCOMPARE(counts.summary(), QStringLiteral("5 added, 2 already there, 1 without a date"));
}

void TestExchange::exportReadByPython_data()
{
    QTest::addColumn<bool>("february28"); // the rule for 29 February in common years
    QTest::addColumn<QString>("leapDay"); // when it falls in 2027
    QTest::newRow("1 March") << false << "2027-03-01";
    QTest::newRow("28 February") << true << "2027-02-28";
}

void TestExchange::exportReadByPython()
{
    QFETCH(bool, february28);
    QFETCH(QString, leapDay);
    CalendarExchange::ExportOptions options;
    options.leapDayRule = february28 ? LeapDayRule::February28 : LeapDayRule::March1;
    options.alertTime = QTime(8, 30);
    options.calendarId = QStringLiteral("id");
    options.stamp = QDateTime(today, QTime(12, 0), Qt::UTC);
    const CalendarExchange::Export exported =
        CalendarExchange::exportRecords(sampleRecords(), options);
    QCOMPARE(exported.events, 4);
    QCOMPARE(exported.unreadable, QStringList{QStringLiteral("Lost")});

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("out.ics")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(exported.ics) == exported.ics.size());
    file.close();
    // One line per event: what a calendar program reads, and its first day in 2027.
    const char* script = R"(
import sys, datetime, icalendar, dateutil.rrule
cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
for e in cal.walk('VEVENT'):
    start = e['DTSTART'].dt
    first = start
    if 'RRULE' in e:
        rule = dateutil.rrule.rrulestr(e['RRULE'].to_ical().decode(),
                                       dtstart=datetime.datetime.combine(start, datetime.time()))
        first = rule.after(datetime.datetime(2027, 1, 1), inc=True).date()
    alarms = [str(a['TRIGGER'].dt) for a in e.walk('VALARM')]
    print('|'.join([str(e['UID']), str(e['SUMMARY']), str(start), str(first), ','.join(alarms),
                    str(e['X-CANDLEWATCHER-NOTIFY']), str(e['X-CANDLEWATCHER-SHOWYEARS'])]))
)";
    QProcess python;
    python.start(QStringLiteral(CW_PYTHON3),
                 {QStringLiteral("-c"), QString::fromLatin1(script), file.fileName()});
    QVERIFY(python.waitForFinished(60000));
    QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
    const QStringList lines = QString::fromUtf8(python.readAllStandardOutput()).split(u'\n');
    QCOMPARE(lines,
             (QStringList{"0-id@candlewatcher|Anna Schmidt|1984-12-08|2027-12-08|8:30:00|10|1",
                          "1-id@candlewatcher|Grandpa Leap|1932-02-29|" + leapDay + "||5|1",
                          "2-id@candlewatcher|Move house|2027-01-15|2027-01-15|8:30:00|3|0",
                          "3-id@candlewatcher|" + sampleRecords()[3].value(BirthdayRecord::Name) +
                              "|1990-07-01|2027-07-01||0|0",
                          ""}));
}

void TestExchange::roundTrip()
{
    QTemporaryDir dir;
    BirthdayStore store(dir.filePath(QStringLiteral("birthday.dat")));
    CalendarExchange::ExportOptions options;
    options.calendarId = QStringLiteral("id");
    const QByteArray ics = CalendarExchange::exportRecords(sampleRecords(), options).ics;

    const ImportFile file = ImportPlan::readData(ics);
    QVERIFY(file.error.isEmpty());
    QList<BirthdayRecord> records;
    for (const ImportPlan::Item& item : ImportPlan::plan(file.entries, {}, today))
        records << item.record;
    QCOMPARE(ImportPlan::run(store, records).error, QString());
    QList<BirthdayRecord> expected = sampleRecords().mid(0, 4);
    QCOMPARE(*store.recordsReadAll(), expected);

    // The same file again adds nothing.
    const ImportPlan::Counts again =
        ImportPlan::count(ImportPlan::plan(file.entries, *store.recordsReadAll(), today));
    QCOMPARE(again.summary(), QStringLiteral("0 added, 4 already there, 0 without a date"));
}

void TestExchange::importStopsAtTheLimitAndBacksUpFirst()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("birthday.dat"));
    // Every key but the last is taken: a file of bare Name cells.
    QByteArray cells;
    for (int key = 0; key < 1275; ++key)
        cells += char(0) + QByteArray(1, 0) + BirthdayStore::keyEncode(key) + QByteArray(255, 'x');
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(cells) == cells.size());
    file.close();
    BirthdayStore store(path);
    FixedClock clock(QDateTime(today, QTime(9, 0)));
    store.setClock(clock);
    const QList<BirthdayRecord> three = sampleRecords().mid(0, 3);

    // Without its backup, the import writes nothing.
    QFile blocker(Backups::folder(path));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ImportPlan::Result result = ImportPlan::run(store, three);
    QCOMPARE(result.added, 0);
    QVERIFY2(result.error.contains(QLatin1String("backup")), qPrintable(result.error));
    QCOMPARE(store.recordKeysList()->size(), 1275);

    QVERIFY(QFile::remove(Backups::folder(path)));
    result = ImportPlan::run(store, three);
    QCOMPARE(result.added, 1);
    QVERIFY2(result.error.contains(QLatin1String("after 1 of the 3 events")),
             qPrintable(result.error));
    const QList<Backups::Backup> backups = Backups::list(path);
    QCOMPARE(backups.size(), 1);
    QCOMPARE(backups[0].date, today);
    QCOMPARE(backups[0].events, 1275);
}

QTEST_GUILESS_MAIN(TestExchange)
#include "test_exchange.moc"
