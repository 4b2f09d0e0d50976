#include "storefixture.h"

#include "core/exchange/calendarexchange.h"
#include "core/exchange/importformats.h"
#include "core/exchange/importplan.h"
#include "core/store/backups.h"
#include "core/store/cellformat.h"
#include "core/text/textconv.h"
#include "core/text/translations.h"
#include "platform/filelock.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>

#include <fstream>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QDate today(2026, 12, 6);

// A planned entry as one line: name, date ("--MM-dd" without a year) and what happens on its
// day; or its status and reason when it is not added as it comes.
QString described(const ImportPlan::Item& item)
{
    using S = ImportPlan::Item::Status;
    const ImportEntry& e = item.entry;
    const QString status = QStringList{"",       "already there", "no date", "left out",
                                       "broken", "ending",        "no room"}[int(item.status)];
    if (item.status != S::New && item.status != S::Ending)
        return e.name + " : " + status + ": " + item.reason;
    return e.name + u' ' +
           (e.hasYear ? e.date.toString(Qt::ISODate) : e.date.toString(u"--MM-dd")) +
           (e.recurs ? "" : " once") + " alert=" + item.record.value(BirthdayRecord::Alert) +
           (e.rule ? " rule=" + e.rule->toText() : QString()) +
           (item.status == S::Ending ? " : " + status + ": " + item.reason : QString());
}

BirthdayRecord record(const QString& name, QDate date, const char* recurs, const char* notify,
                      const char* alert, const char* showYears, int key = -1)
{
    BirthdayRecord r;
    r.key = key;
    r.values = {name, TextConv::dateToText(date), recurs, notify, alert, QString(), showYears};
    return r;
}

// Four events the way the add dialog stores them, and one whose date no longer reads.
QList<BirthdayRecord> sampleRecords()
{
    BirthdayRecord lost = record("Lost", QDate(), "1", "1", "1", "1");
    lost.values[BirthdayRecord::Date] = QStringLiteral("not a date");
    return {record("Anna Schmidt", QDate(1984, 12, 8), "1", "10", "0", "1", 0),
            record("Grandpa Leap", QDate(1932, 2, 29), "1", "5", "1", "1", 1),
            record("Move house", QDate(2027, 1, 15), "0", "3", "0", "0", 2),
            record(QStringLiteral("M\u00fcller, J\u00f6rg; \"B\u00fcro\" \u00e4\u00f6\u00fc "
                                  "\u00e4\u00f6\u00fc \u00e4\u00f6\u00fc \u00e4\u00f6\u00fc "
                                  "\u00e4\u00f6\u00fc \u00e4\u00f6\u00fc \u00e4\u00f6\u00fc end"),
                   QDate(1990, 7, 1), "1", "0", "1", "0", 3),
            lost};
}

// Whether the plan of the data is the expected lines ("name date"), in a child process whose
// address space may grow by 4 times the data's size (noexcept: running out ends it).
bool plannedWithinMemory(const QByteArray& data, const QString& expected) noexcept
{
    if (const pid_t child = ::fork(); child != 0) {
        int status = 0;
        return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
    }
#ifndef __SANITIZE_ADDRESS__ // its shadow memory needs terabytes of addresses
    rlim_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages; // mapped now
    const rlim_t cap = pages * ::getpagesize() + 4 * rlim_t(data.size()) + (64 << 20);
    const rlimit limit{cap, cap};
    ::setrlimit(RLIMIT_AS, &limit);
#endif
    QString planned;
    for (const ImportPlan::Item& item :
         ImportPlan::plan(ImportPlan::readData(data).entries, {}, today))
        planned += item.record.value(BirthdayRecord::Name) + u' ' +
                   item.record.value(BirthdayRecord::Date) + u'\n';
    ::_exit(planned == expected ? 0 : 1);
}

} // namespace

class TestExchange : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    void readFiles_data()
    {
        QTest::addColumn<QString>("sample");
        QStringList patterns;
        for (const ImportFormat& format : ImportFormats::all())
            for (const QString& extension : format.extensions)
                patterns << "*." + extension;
        for (const QString& sample : QDir(CW_EXCHANGE_DATA).entryList(patterns))
            QTest::newRow(qPrintable(sample)) << sample;
    }

    // The texts made from the table of formats; the one for an unknown file is in a sample's.
    void formatTexts()
    {
        QCOMPARE(ImportFormats::fileFilter(),
                 "Contacts and calendars (*.vcf *.vcard *.ics *.ical);;All files (*)");
        QCOMPARE(ImportFormats::importHelp(),
                 "Import the birthdays and anniversaries of contacts (vCard) and the all-day "
                 "events of calendars (iCalendar) from FILE and the files after it.");
    }

    void readFiles()
    {
        // What each sample gives, one line an entry as the plan takes it (or the whole file's
        // error), is in the file of its name with ".expected" added; a sample in UTF-16 or UTF-32
        // gives what the UTF-8 sample before the dash in its name gives.
        QFETCH(QString, sample);
        const QDir data(CW_EXCHANGE_DATA);
        const ImportFile read = ImportPlan::read(data.filePath(sample));
        QString lines;
        for (const ImportPlan::Item& item : ImportPlan::plan(read.entries, {}, today))
            lines += described(item) + u'\n';
        if (!read.error.isEmpty())
            lines += QStringLiteral("error: ") + read.error + u'\n';
        static const QRegularExpression wide("-utf\\d+[lb]e");
        QCOMPARE(lines, QString::fromUtf8(
                            readFile(data.filePath(QString(sample).remove(wide) + ".expected"))));
    }

    // Whatever their size, files read in memory a few times their size; a name too long for
    // its cell is cut at a character's end.
    void largeInputs_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("planned");
        const auto contact = [](const QString& name, const QByteArray& more = {}) {
            return "BEGIN:VCARD\r\nFN:" + name.toUtf8() + "\r\nBDAY:19840412\r\n" + more +
                   "END:VCARD\r\n";
        };
        const QString ae(QChar(0xe4));
        const QString born = " 1984-04-12\n";
        QTest::newRow("800,000 x \u00e4")
            << contact(ae.repeated(800000)) << ae.repeated(127) + born;
        QTest::newRow("50 MB of blank lines")
            << QByteArray(50 << 20, '\n') + contact("Ann") << "Ann" + born;
        QByteArray dates;
        for (int i = 0; i < 20000; ++i)
            dates += QStringLiteral("item%1.X-ABDATE:2010-06-20\r\nitem%1.X-ABLabel:Other\r\n")
                         .arg(i)
                         .toUtf8();
        dates += "last.X-ABDATE:2010-06-19\r\nlast.X-ABLabel:_$!<Anniversary>!$_\r\n";
        QTest::newRow("20,000 labelled dates")
            << contact("Ann", dates) << "Ann" + born + anniversaryName("Ann") + " 2010-06-19\n";
    }

    void largeInputs()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, planned);
        QVERIFY(plannedWithinMemory(data, planned));
    }

    // Anything but a regular file of at most 64 MB is refused before it is read.
    void refusedUnread()
    {
        QVERIFY(::mkfifo(qPrintable(dir.filePath("pipe")), 0600) == 0);
        QFile large(dir.filePath("large.vcf"));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(ImportPlan::maxFileBytes + 1));
        const QString notAFile = "It is not a regular file";
        for (const auto& [path, error] : {std::pair<QString, QString>{dir.path(), "It is a folder"},
                                          {"/dev/zero", notAFile},
                                          {dir.filePath("pipe"), notAFile},
                                          {large.fileName(), "It is larger than 64 MB"},
                                          {dir.filePath("gone.vcf"), "It could not be read: "}})
            QVERIFY2(ImportPlan::read(path).error.startsWith(error), qPrintable(path));
    }

    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void plan()
    {
        using E = ImportEntry;
        const auto e = [](const QString& name, QDate date, bool hasYear = true) {
            return E{name, date, hasYear, true, {}, {}, {}, {}, {}, {}, {}, {}, {}};
        };
        const QList<ImportEntry> entries = {
            e(" anna SCHMIDT ", QDate(2001, 12, 8)), // the stored one
            E{"Anna Schmidt", QDate(1984, 12, 9), true, true, {}, {}, "14", {}, {}, {}, {}, {}, {}},
            e("Ben", QDate(2000, 4, 12), false),
            e("ben", QDate(1990, 4, 12)),                    // the same as the one before
            e("Leap", QDate(2000, 2, 29), false),            // no year: the last leap year
            e(QString(200, QChar(0xe4)), QDate(1990, 1, 1)), // a name too long
            // A one-off whose Notify is too long.
            E{"Calendar", QDate(2027, 1, 15), true, false, {}, {}, "999", "1", {}, {}, {}, {}, {}},
            E{"Lena", {}, true, true, E::Problem::NoDate, {}, {}, {}, {}, {}, {}, {}, {}},
            e("Before year 1", QDate(-1, 3, 3))}; // from no reader, yet never added
        const QList<ImportPlan::Item> items = ImportPlan::plan(
            entries, {record("Anna Schmidt", QDate(1984, 12, 8), "1", "10", "0", "1")}, today);
        QStringList planned; // the status (new 0, already there 1, no date 2), the record
        for (const ImportPlan::Item& item : items) {
            QStringList fields(item.record.values.begin(), item.record.values.end());
            fields.prepend(QString::number(int(item.status)));
            planned << fields.join(u'|').replace(QString(127, QChar(0xe4)), "127 x \u00e4");
        }
        // Without a year: stored on the next day, no years shown.
        QCOMPARE(planned,
                 QStringList({"1| anna SCHMIDT |2001-12-08|1|10|0||1",
                              "0|Anna Schmidt|1984-12-09|1|14|0||1", "0|Ben|2027-04-12|1|10|0||0",
                              "1|ben|1990-04-12|1|10|0||1", "0|Leap|2027-03-01|1|10|0||0",
                              "0|127 x \u00e4|1990-01-01|1|10|0||1",
                              "0|Calendar|2027-01-15|0|10|1||0", "2|||||||", "4|||||||"}));
        QCOMPARE(ImportPlan::count(items).summary(),
                 "5 added, 2 already there, 1 without a date, 1 could not be read");
    }

    // Whether a contact's event is there already does not depend on the language the program
    // ran in when it was imported: an anniversary is named in that language.
    void importInTwoLanguages_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("secondAnniversary");
        QTest::addColumn<int>("added"); // by the second import
        for (const auto& [tag, first, second, anniversary, added] :
             {std::tuple{"English, then German", "en", "de", "20100619", 0},
              {"German, then English", "de", "en", "20100619", 0},
              {"Japanese, then Arabic", "ja", "ar", "20100619", 0},
              {"another day", "de", "en", "20100620", 1}})
            QTest::newRow(tag) << QString(first) << QString(second) << QString(anniversary)
                               << added;
    }
    void importInTwoLanguages()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, secondAnniversary);
        QFETCH(int, added);
        const auto planned = [](const QString& language, const QString& anniversary,
                                const QList<BirthdayRecord>& stored) {
            Translations::install(*qApp, {language});
            const QList<ImportPlan::Item> items = ImportPlan::plan(
                ImportPlan::readData("BEGIN:VCARD\r\nFN:Ann\r\nBDAY:19840412\r\nANNIVERSARY:" +
                                     anniversary.toLatin1() + "\r\nEND:VCARD\r\n")
                    .entries,
                stored, today);
            qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
            return items;
        };
        QList<BirthdayRecord> stored;
        for (const ImportPlan::Item& item : planned(first, "20100619", {}))
            stored << item.record;
        const QList<ImportPlan::Item> again = planned(second, secondAnniversary, stored);
        QCOMPARE(stored.size(), 2);
        QVERIFY(stored[1].value(BirthdayRecord::Name) != again[1].entry.name); // two languages
        QCOMPARE(ImportPlan::count(again).added, added);
        QCOMPARE(ImportPlan::count(again).alreadyThere, 2 - added);
    }

    // New events beyond the data file's room are not promised; one whose repeats end takes no
    // room, as it is added only when chosen.
    void planKeepsToTheRoom_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("entries");
        QTest::addColumn<bool>("dryRun");
        QTest::addColumn<QString>("summary");
        const QString ending = ", 1 whose repeats end, not chosen";
        QTest::newRow("2000 into an empty file")
            << 0 << 2000 << true
            << "1,276 to add, 0 already there, 0 without a date" + ending +
                   "; 1,276 fit, 724 would not be added: the data file holds at most 1,276 events";
        QTest::newRow("room for all")
            << 1272 << 4 << true << "4 to add, 0 already there, 0 without a date" + ending;
        QTest::newRow("full") << 1276 << 4 << false
                              << "0 added, 0 already there, 0 without a date" + ending +
                                     "; 4 not added: the data file holds at most 1,276 events";
    }
    void planKeepsToTheRoom()
    {
        QFETCH(int, stored);
        QFETCH(int, entries);
        QFETCH(bool, dryRun);
        QFETCH(QString, summary);
        QList<ImportEntry> planned(entries + 1);
        for (int i = 0; i < planned.size(); ++i)
            planned[i].name = QString::number(i), planned[i].date = QDate(1990, 1, 1);
        planned.first().lastDay = QDate(2030, 1, 1);
        const QList<ImportPlan::Item> items =
            ImportPlan::plan(planned, QList<BirthdayRecord>(stored), today);
        QCOMPARE(ImportPlan::count(items).summary(dryRun), summary);
        QCOMPARE(items.first().status, ImportPlan::Item::Status::Ending);
    }

    void exportReadByPython_data()
    {
        // The settings ("": not set), then Grandpa's day in 2027 (a common year) and the alarm.
        QTest::addColumn<QStringList>("c");
        QTest::newRow("defaults: 1 March, 09:00") << QStringList{"", "", "03-01", "9:00:00"};
        QTest::newRow("28 February, 08:30")
            << QStringList{"February28", "08:30", "02-28", "8:30:00"};
    }

    void exportReadByPython()
    {
        QFETCH(QStringList, c);
        StoreFixture f;
        f.settings.writeSetting("CalendarId", "id");
        for (const auto& [name, value] : {std::pair{"LeapDayEvents", c[0]}, {"AlertTime", c[1]}})
            if (!value.isEmpty())
                f.settings.writeSetting(name, value);
        const CalendarExchange::Export exported = CalendarExchange::exportRecords(
            sampleRecords(), CalendarExchange::exportOptions(f.settings, f.clock));
        QCOMPARE(exported.events, 4);
        QCOMPARE(exported.unreadable, QStringList{"Lost"});

        const QString ics = f.dir.filePath("out.ics");
        QVERIFY(writeFile(ics, exported.ics));
        // One line per event: what a calendar program reads, and its days in 2027 and 2028.
        const char* script = R"(
import sys, datetime, icalendar, dateutil.rrule
cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
for e in cal.walk('VEVENT'):
    start = e['DTSTART'].dt
    days = [start]
    if 'RRULE' in e:
        rule = dateutil.rrule.rrulestr(e['RRULE'].to_ical().decode(),
                                       dtstart=datetime.datetime.combine(start, datetime.time()))
        days = [d.date() for d in rule.between(datetime.datetime(2027, 1, 1),
                                               datetime.datetime(2028, 12, 31), inc=True)]
    alarms = [str(a['TRIGGER'].dt) for a in e.walk('VALARM')]
    print('|'.join([str(e['UID']), str(e['SUMMARY']), str(start), str(e['DTEND'].dt),
                    ','.join(map(str, days)), ','.join(alarms),
                    str(e['X-CANDLEWATCHER-NOTIFY']), str(e['X-CANDLEWATCHER-SHOWYEARS'])]))
)";
        QProcess python;
        python.start(CW_PYTHON3, {"-c", script, ics});
        QVERIFY(python.waitForFinished(60000));
        QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
        const QString uid = "-id@candlewatcher|", alarm = c[3];
        const QString name3 = sampleRecords()[3].value(BirthdayRecord::Name);
        QCOMPARE(
            QString::fromUtf8(python.readAllStandardOutput()).split('\n'),
            QStringList(
                {"0" + uid + "Anna Schmidt|1984-12-08|1984-12-09|2027-12-08,2028-12-08|" + alarm +
                     "|10|1",
                 "1" + uid + "Grandpa Leap|1932-02-29|1932-03-01|2027-" + c[2] + ",2028-02-29||5|1",
                 "2" + uid + "Move house|2027-01-15|2027-01-16|2027-01-15|" + alarm + "|3|0",
                 "3" + uid + name3 + "|1990-07-01|1990-07-02|2027-07-01,2028-07-01||0|0", ""}));
    }

    void roundTrip()
    {
        StoreFixture f;
        const ImportFile file = ImportPlan::readData(
            CalendarExchange::exportRecords(sampleRecords(), CalendarExchange::ExportOptions())
                .ics);
        QVERIFY(file.error.isEmpty());
        QList<BirthdayRecord> records;
        for (const ImportPlan::Item& item : ImportPlan::plan(file.entries, {}, today))
            records << item.record;
        QCOMPARE(ImportPlan::run(f.store, records).error, QString());
        QCOMPARE(*f.store.readAllRecords(), sampleRecords().mid(0, 4));
        // The same file again adds nothing.
        const ImportPlan::Counts again =
            ImportPlan::count(ImportPlan::plan(file.entries, *f.store.readAllRecords(), today));
        QCOMPARE(again.summary(), "0 added, 4 already there, 0 without a date");
    }

    // Moving days go out as RRULE (BYDAY) or next years' RDATEs, a day without a year as Apple
    // writes it; back, they keep their rules, on their next days, the rules beside the data file.
    void roundTrip_keepsMovingDays()
    {
        StoreFixture f;
        QList<BirthdayRecord> moving;
        for (const char* rule : {"weekday 2 SU 05", "after SA 09-16", "easter +49", "hebrew 01-01",
                                 "date 02-29", "hebrew 08-27 FR-1 SU+1"}) {
            BirthdayRecord r = record(rule, QDate(), "1", "10", "1", "0", int(moving.size()));
            r.rule = YearlyRule::fromText(QString::fromLatin1(rule));
            r.values[BirthdayRecord::Date] = TextConv::dateToText(nextOccurrence(*r.rule, today));
            moving << r;
        }
        const QByteArray ics =
            CalendarExchange::exportRecords(moving, CalendarExchange::ExportOptions()).ics;
        QVERIFY(ics.contains("RRULE:FREQ=YEARLY;BYDAY=2SU;BYMONTH=5\r\n"));
        QVERIFY(
            ics.contains("RRULE:FREQ=YEARLY;BYDAY=SA;BYMONTHDAY=16,17,18,19,20,21,22;BYMONTH=9"));
        QVERIFY(ics.contains("RDATE;VALUE=DATE:20280604\r\n")); // Pentecost 2028
        QVERIFY(
            ics.contains("RRULE:RSCALE=HEBREW;FREQ=YEARLY;BYMONTHDAY=1;BYMONTH=1;SKIP=BACKWARD"));
        QVERIFY(ics.contains("RDATE;VALUE=DATE:20280921\r\n")); // Rosh Hashanah 2028
        // A day that moves off weekdays has no RRULE or RSCALE to say it: RDATEs alone.
        QVERIFY(ics.contains("RDATE;VALUE=DATE:20280424\r\n")); // Yom HaShoah 2028, a Monday
        QCOMPARE(ics.count("RSCALE="), 1);
        // A day without a year as Apple's birthday calendars write it.
        QVERIFY(ics.contains("DTSTART;VALUE=DATE:16040229\r\nDTEND;VALUE=DATE:16040301\r\n"
                             "RRULE:FREQ=YEARLY;BYYEARDAY=60\r\n"));
        QVERIFY(ics.contains("X-APPLE-OMIT-YEAR:1604\r\n"));
        QList<BirthdayRecord> records;
        for (const ImportPlan::Item& item :
             ImportPlan::plan(ImportPlan::readData(ics).entries, {}, today))
            records << item.record;
        QCOMPARE(ImportPlan::run(f.store, records).error, QString());
        QCOMPARE(*f.store.readAllRecords(), moving);
    }

    void importStopsAtTheLimitAndBacksUpFirst()
    {
        StoreFixture f;
        f.store.setClock(f.clock);
        // Every key but the last is taken: a file of bare Name cells.
        QByteArray cells;
        for (int key = 0; key < 1275; ++key)
            cells += QByteArray(2, 0) + CellFormat::encodeKey(key) + QByteArray(255, 'x');
        QVERIFY(writeFile(f.path(), cells));
        const QList<BirthdayRecord> three = sampleRecords().mid(0, 3);

        // Without its backup, the import writes nothing.
        QVERIFY(writeFile(Backups::folder(f.path()), {}));
        ImportPlan::Result result = ImportPlan::run(f.store, three);
        QCOMPARE(result.added, 0);
        QVERIFY2(result.error.contains("backup"), qPrintable(result.error));
        QCOMPARE(f.fields.recordKeys()->size(), 1275);

        // In steps whose time is up at once: still one record a step, and the same stop.
        QVERIFY(QFile::remove(Backups::folder(f.path())));
        ImportPlan::Run adding(f.store, three);
        QVERIFY(adding.step(QDeadlineTimer(0)));
        QVERIFY(!adding.step(QDeadlineTimer(0)) && !adding.step(QDeadlineTimer(0)));
        result = adding.result();
        QCOMPARE(result.added, 1);
        QVERIFY2(result.error.contains("after 1 of the 3 events"), qPrintable(result.error));
        const QList<Backups::Backup> backups = Backups::list(f.path());
        QCOMPARE(backups.size(), 1);
        QCOMPARE(backups[0].date, f.clock.today());
        QCOMPARE(backups[0].events, 1275);
    }

    // Another copy takes the lock before the import's step number busyAt: the import stops
    // there and says how many it added, never that it is done.
    void importStopsOnABusyLock_data()
    {
        QTest::addColumn<int>("busyAt");
        QTest::addColumn<int>("added");
        QTest::addColumn<QString>("told"); // besides the lock's own message
        QTest::newRow("before the backup") << 0 << 0 << "";
        QTest::newRow("after one") << 1 << 1 << "The import stopped after 1 of the 3 events";
    }
    void importStopsOnABusyLock()
    {
        QFETCH(int, busyAt);
        StoreFixture f;
        BirthdayStore store(f.path(), 50);
        store.setClock(f.clock);
        ImportPlan::Run adding(store, sampleRecords().mid(0, 3));
        std::unique_ptr<FileLock> held;
        for (int step = 0; step <= 3; ++step) {
            if (step == busyAt) {
                held = std::make_unique<FileLock>(f.path() + ".lock");
                QCOMPARE(held->lock(QDeadlineTimer(0)), FileLock::Status::Locked);
            }
            if (!adding.step(QDeadlineTimer(0)))
                break;
        }
        held.reset();
        const ImportPlan::Result result = adding.result();
        QTEST(result.added, "added");
        QFETCH(QString, told);
        QVERIFY2(result.error.startsWith(told), qPrintable(result.error));
        QVERIFY2(result.error.contains("in use by another running copy"), qPrintable(result.error));
        QCOMPARE(f.store.readAllRecords()->size(), result.added);
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "test_exchange.moc"
