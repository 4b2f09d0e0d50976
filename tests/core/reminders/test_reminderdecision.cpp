#include "reminders/missedevents.h"
#include "reminders/nextevent.h"
#include "reminders/reminderdecision.h"
#include "text/textconv.h"

#include <QTest>

namespace {

const QLocale us(QLocale::English, QLocale::UnitedStates);

QString dateText(QDate date)
{
    return TextConv::dateToText(date, us);
}

BirthdayRecord makeRecord(int key, const QString& name, const QString& date,
                          const QString& recurs = QStringLiteral("1"),
                          const QString& notify = QStringLiteral("10"),
                          const QString& alert = QStringLiteral("0"),
                          const QString& lastDate = QString(),
                          const QString& showYears = QStringLiteral("1"))
{
    BirthdayRecord record;
    record.key = key;
    record.values = {name, date, recurs, notify, alert, lastDate, showYears};
    return record;
}

QDateTime at(int year, int month, int day, int hour = 12, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute));
}

ReminderDecision decide(const QList<BirthdayRecord>& records, const QDateTime& now,
                        const ReminderSettings& settings = {}, bool forceShow = false,
                        bool firstCheckDone = false)
{
    return reminderDecide(records, now, forceShow, firstCheckDone, settings, us);
}

} // namespace

class TestReminderDecision : public QObject
{
    Q_OBJECT

private slots:
    void classification_data()
    {
        QTest::addColumn<QString>("eventDate");
        QTest::addColumn<QString>("recurs");
        QTest::addColumn<QString>("notify");
        QTest::addColumn<QString>("showYears");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("soon");  // "" for no soon entry
        QTest::addColumn<QString>("today"); // "" for no today entry
        QTest::addColumn<LeapDayRule>("leapRule");

        auto row = [](const char* name, const QString& date, const char* notify, QDateTime now,
                      const char* soon, const char* today, const char* recurs = "1",
                      const char* showYears = "1", LeapDayRule rule = LeapDayRule::March1) {
            QTest::newRow(name) << date << recurs << notify << showYears << now << soon << today
                                << rule;
        };
        auto d = [](int y, int m, int day) { return dateText(QDate(y, m, day)); };
        row("one-off dated today", d(2002, 5, 12), "0", at(2002, 5, 12), "", "Ann (0 Years)", "0");
        row("one-off tomorrow, a day's notice", d(2002, 5, 13), "1", at(2002, 5, 12),
            "Ann (5/13/2002 - 0 Years)", "", "0");
        row("one-off tomorrow, no notice", d(2002, 5, 13), "0", at(2002, 5, 12), "", "", "0");
        row("one-off yesterday", d(2002, 5, 11), "10", at(2002, 5, 12), "", "", "0");
        row("yearly on its day", d(1970, 5, 12), "10", at(2002, 5, 12), "", "Ann (32 Years)");
        row("yearly, a week ahead", d(1970, 5, 12), "10", at(2002, 5, 5),
            "Ann (5/12/1970 - 32 Years)", "");
        row("yearly, just outside the notice", d(1970, 5, 12), "6", at(2002, 5, 5), "", "");
        row("years hidden, soon", d(1970, 5, 12), "10", at(2002, 5, 5), "Ann (5/12/1970)", "", "1",
            "0");
        row("years hidden, today", d(1970, 5, 12), "10", at(2002, 5, 12), "", "Ann", "1", "0");
        row("ShowYears empty still shows them", d(1970, 5, 12), "10", at(2002, 5, 12), "",
            "Ann (32 Years)", "1", "");
        row("Recurs other than exactly 1 is one-off", d(1970, 5, 12), "10", at(2002, 5, 12), "", "",
            "true");
        row("yearly stored next year, far off", d(2003, 5, 20), "10", at(2002, 5, 12), "", "");
        row("yearly stored next year, within notice", d(2003, 5, 20), "10", at(2003, 5, 15),
            "Ann (5/20/2003 - 0 Years)", "");
        row("yearly stored next year, negative years", d(2003, 5, 14), "400", at(2002, 5, 12),
            "Ann (5/14/2003 - -1 Years)", "");
        row("29 February on 1 March of a common year", d(1996, 2, 29), "0", at(2002, 3, 1), "",
            "Ann (6 Years)");
        row("29 February, soon on 28 February", d(1996, 2, 29), "1", at(2002, 2, 28),
            "Ann (2/29/1996 - 6 Years)", "");
        row("29 February kept on 28 February: due that day", d(1996, 2, 29), "0", at(2002, 2, 28),
            "", "Ann (6 Years)", "1", "1", LeapDayRule::February28);
        row("29 February kept on 28 February: not on 1 March", d(1996, 2, 29), "400",
            at(2002, 3, 1), "Ann (2/29/1996 - 7 Years)", "", "1", "1", LeapDayRule::February28);
        row("29 February in a leap year is its own day", d(1996, 2, 29), "0", at(2004, 2, 29), "",
            "Ann (8 Years)");
        row("2 January seen on 30 December", d(2000, 1, 2), "10", at(2002, 12, 30),
            "Ann (1/2/2000 - 3 Years)", "");
        row("New Year's Day seen in the old year", d(1900, 1, 1), "7", at(2002, 12, 28),
            "Ann (1/1/1900 - 103 Years)", "");
        row("2 January on its day", d(2000, 1, 2), "10", at(2003, 1, 2), "", "Ann (3 Years)");
        row("passed yesterday: next year's, with next year's age", d(1970, 5, 11), "400",
            at(2002, 5, 12), "Ann (5/11/1970 - 33 Years)", "");
        row("29 February across the year end", d(2000, 2, 29), "70", at(2002, 12, 30),
            "Ann (2/29/2000 - 3 Years)", "");
        row("born 1930, today", d(1930, 5, 12), "10", at(2025, 5, 12), "", "Ann (95 Years)");
        row("born 1930, soon", d(1930, 5, 20), "10", at(2025, 5, 12), "Ann (5/20/1930 - 95 Years)",
            "");
        row("founded 1700", d(1700, 7, 4), "3", at(2025, 7, 2), "Ann (7/4/1700 - 325 Years)", "");
        row("Notify as a fraction rounds half to even", d(1970, 5, 14), "2.5", at(2002, 5, 12),
            "Ann (5/14/1970 - 32 Years)", "");
        // The stored text, not a reformatted date: an ISO text stays ISO.
        row("soon entry shows the stored date text", "1970-05-14", "10", at(2002, 5, 12),
            "Ann (1970-05-14 - 32 Years)", "");
    }

    void classification()
    {
        QFETCH(QString, eventDate);
        QFETCH(QString, recurs);
        QFETCH(QString, notify);
        QFETCH(QString, showYears);
        QFETCH(QDateTime, now);
        QFETCH(QString, soon);
        QFETCH(QString, today);
        QFETCH(LeapDayRule, leapRule);

        // An unreadable LastDate matters only on the day itself.
        const QString lastDate = today.isEmpty() ? QStringLiteral("junk") : QString();
        ReminderSettings settings;
        settings.leapDayRule = leapRule;
        const ReminderDecision decision =
            decide({makeRecord(0, "Ann", eventDate, recurs, notify, "0", lastDate, showYears)}, now,
                   settings);
        QCOMPARE(decision.soonEntries, soon.isEmpty() ? QStringList() : QStringList{soon});
        QCOMPARE(decision.todayEntries, today.isEmpty() ? QStringList() : QStringList{today});
        QCOMPARE(decision.alerts.size(), today.isEmpty() ? 0 : 1);
        QCOMPARE(decision.skippedRecords, 0);
    }

    void entriesKeepRecordOrderAndHaveNoLimit()
    {
        QList<BirthdayRecord> records;
        for (int key = 0; key < 1500; ++key)
            records.append(
                makeRecord(key, QString::number(key), dateText(QDate(1990, 5, key % 2 ? 12 : 13))));
        const ReminderDecision decision = decide(records, at(2002, 5, 12));
        QCOMPARE(decision.todayEntries.size(), 750);
        QCOMPARE(decision.soonEntries.size(), 750);
        QCOMPARE(decision.todayEntries.first(), "1 (12 Years)");
        QCOMPARE(decision.todayEntries.last(), "1499 (12 Years)");
        QCOMPARE(decision.soonEntries.first(), "0 (5/13/1990 - 12 Years)");
        QCOMPARE(decision.alerts.size(), 750);
        QCOMPARE(decision.alerts.last().key, 1499);
    }

    void badRecordsAreSkippedOthersStillCount_data()
    {
        QTest::addColumn<BirthdayRecord>("bad");

        const QString day = dateText(QDate(1980, 5, 12));
        QTest::newRow("Date not a date") << makeRecord(1, "Bad", "31/31/1980");
        QTest::newRow("Date empty") << makeRecord(1, "Bad", "");
        QTest::newRow("Notify empty") << makeRecord(1, "Bad", day, "1", "");
        QTest::newRow("Notify not a number") << makeRecord(1, "Bad", day, "1", "ten");
        QTest::newRow("Notify beyond 16 bits") << makeRecord(1, "Bad", day, "1", "40000");
        QTest::newRow("LastDate not a date, due today")
            << makeRecord(1, "Bad", day, "1", "10", "0", "yesterday");
    }

    void badRecordsAreSkippedOthersStillCount()
    {
        QFETCH(BirthdayRecord, bad);
        const QList<BirthdayRecord> records = {
            makeRecord(0, "First", dateText(QDate(1970, 5, 12))), bad,
            makeRecord(2, "Later", dateText(QDate(1975, 5, 15)))};

        const ReminderDecision decision = decide(records, at(2002, 5, 12));
        QCOMPARE(decision.skippedRecords, 1);
        QCOMPARE(decision.todayEntries, QStringList{"First (32 Years)"});
        QCOMPARE(decision.soonEntries, QStringList{"Later (5/15/1975 - 27 Years)"});
        QCOMPARE(decision.alerts, QList<ReminderAlert>({{0, "First", true}}));
        QVERIFY(decision.show);
    }

    void alerts_data()
    {
        QTest::addColumn<QString>("alert");
        QTest::addColumn<QString>("lastDate");
        QTest::addColumn<QString>("alertTime");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<bool>("due");

        auto row = [](const char* name, const QString& alert, const QString& lastDate,
                      const char* alertTime, QTime time, bool due) {
            QTest::newRow(name) << alert << lastDate << alertTime << time << due;
        };
        const QString never;
        const QTime noon(12, 0);
        row("never handled", "0", never, "09:00", noon, true);
        row("handled yesterday", "0", dateText(QDate(2002, 5, 11)), "09:00", noon, true);
        row("handled last year on the day", "0", dateText(QDate(2001, 5, 12)), "09:00", noon, true);
        row("handled today", "0", dateText(QDate(2002, 5, 12)), "09:00", noon, false);
        row("no dialog still stamped", "1", never, "09:00", noon, true);
        row("before the alert time", "0", never, "09:00", QTime(8, 59, 59), false);
        row("at the alert time", "0", never, "09:00", QTime(9, 0), true);
        row("alert time in long form", "0", never, "2:30:00 PM", QTime(14, 29), false);
        row("after the alert time in long form", "0", never, "2:30:00 PM", QTime(14, 30), true);
        row("unreadable alert time waits for 09:00", "0", never, "tea time", QTime(8, 0), false);
        row("midnight alert time", "0", never, "00:00", QTime(0, 0, 30), true);
    }

    void alerts()
    {
        QFETCH(QString, alert);
        QFETCH(QString, lastDate);
        QFETCH(QString, alertTime);
        QFETCH(QTime, time);
        QFETCH(bool, due);

        ReminderSettings settings;
        settings.alertTime = alertTime;
        const ReminderDecision decision =
            decide({makeRecord(7, "Ann", dateText(QDate(1970, 5, 12)), "1", "0", alert, lastDate)},
                   QDateTime(QDate(2002, 5, 12), time), settings);
        // Listed in any case: the notification does not wait for the alert.
        QCOMPARE(decision.todayEntries, QStringList{"Ann (32 Years)"});
        if (due)
            QCOMPARE(decision.alerts, QList<ReminderAlert>({{7, "Ann", alert == "0"}}));
        else
            QVERIFY(decision.alerts.isEmpty());
    }

    void alertsFollowRecordOrderAndSkipSoonEntries()
    {
        const QString day = dateText(QDate(1980, 5, 12));
        const ReminderDecision decision =
            decide({makeRecord(4, "Zoe", day), makeRecord(1, "Soon", dateText(QDate(1980, 5, 13))),
                    makeRecord(2, "Amy", day, "1", "10", "1"), makeRecord(0, "Bea", day)},
                   at(2002, 5, 12));
        QCOMPARE(decision.alerts,
                 QList<ReminderAlert>({{4, "Zoe", true}, {2, "Amy", false}, {0, "Bea", true}}));
    }

    void showSchedule_data()
    {
        QTest::addColumn<bool>("forceShow");
        QTest::addColumn<bool>("firstCheckDone");
        QTest::addColumn<QString>("notifyEvery");
        QTest::addColumn<QString>("notifyTime"); // empty: no stamps
        QTest::addColumn<QString>("notifyDate");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("show");

        auto stamps = [](const char* name, bool force, bool first, const char* every,
                         const QString& time, const QString& date, QDateTime now, bool show) {
            QTest::newRow(name) << force << first << every << time << date << now << show;
        };
        auto row = [&stamps](const char* name, bool force, bool first, const char* every,
                             QDateTime lastShown, QDateTime now, bool show) {
            stamps(name, force, first, every, TextConv::timeToText(lastShown.time(), us),
                   TextConv::dateToText(lastShown.date(), us), now, show);
        };
        const QDateTime shown = at(2002, 5, 12, 14, 10);
        row("first run shows whatever the schedule", false, false, "None", shown,
            at(2002, 5, 12, 14, 20), true);
        row("None: later runs stay quiet", false, true, "None", shown, at(2002, 5, 13, 9, 0),
            false);
        row("None: the tray menu still shows", true, true, "None", shown, at(2002, 5, 12, 14, 20),
            true);
        stamps("no stamps yet", false, true, "None", "", "", at(2002, 5, 12, 14, 20), true);
        row("Hour: same hour", false, true, "Hour", shown, at(2002, 5, 12, 14, 59), false);
        row("Hour: next hour", false, true, "Hour", shown, at(2002, 5, 12, 15, 0), true);
        row("Hour: same hour a day later", false, true, "Hour", shown, at(2002, 5, 13, 14, 30),
            true);
        row("Hour: forced within the hour", true, true, "Hour", shown, at(2002, 5, 12, 14, 30),
            true);
        row("Day: later the same day", false, true, "Day", shown, at(2002, 5, 12, 23, 59), false);
        row("Day: next day", false, true, "Day", shown, at(2002, 5, 13, 0, 0), true);
        row("Day: same day of the next month", false, true, "Day", at(2002, 4, 12, 10, 0),
            at(2002, 5, 12, 10, 0), true);
        row("unknown choice acts as Day", false, true, "Weekly", shown, at(2002, 5, 12, 18, 0),
            false);
        row("lower-case hour acts as Day", false, true, "hour", shown, at(2002, 5, 12, 18, 0),
            false);
        // Unreadable stamps count as no showing.
        const QDateTime later = at(2002, 5, 12, 14, 20);
        stamps("Hour, bad time", false, true, "Hour", "noon", "5/12/2002", later, true);
        stamps("Hour, bad date", false, true, "Hour", "2:10:00 PM", "today", later, true);
        stamps("Day, bad date", false, true, "Day", "2:10:00 PM", "today", later, true);
    }

    void showSchedule()
    {
        QFETCH(bool, forceShow);
        QFETCH(bool, firstCheckDone);
        QFETCH(QString, notifyEvery);
        QFETCH(QString, notifyTime);
        QFETCH(QString, notifyDate);
        QFETCH(QDateTime, now);
        QFETCH(bool, show);

        const ReminderSettings settings{notifyEvery, notifyTime, notifyDate, "09:00"};
        const QList<BirthdayRecord> soonOnly = {
            makeRecord(0, "Ann", dateText(now.date().addDays(3)), "0", "10")};
        const ReminderDecision decision =
            decide(soonOnly, now, settings, forceShow, firstCheckDone);
        QCOMPARE(decision.show, show);
        QVERIFY(decision.firstCheckDone);
    }

    void nothingDueShowsNothingAndKeepsTheFirstShowing()
    {
        const ReminderDecision decision = decide(
            {makeRecord(0, "Ann", dateText(QDate(1970, 8, 1)))}, at(2002, 5, 12), {}, true, false);
        QVERIFY(!decision.show);
        QVERIFY(!decision.firstCheckDone);
        QVERIFY(decide({}, at(2002, 5, 12), {}, true, true).firstCheckDone);
    }

    void notificationTexts_data()
    {
        QTest::addColumn<QList<BirthdayRecord>>("records");
        QTest::addColumn<QString>("soonText");
        QTest::addColumn<QString>("todayText");

        const QString day = dateText(QDate(1990, 5, 12));
        const QString nextDay = dateText(QDate(1990, 5, 13));
        QTest::newRow("only soon")
            << QList<BirthdayRecord>{makeRecord(0, "Ann", nextDay)} << "Ann (5/13/1990 - 12 Years)"
            << "There are no events today";
        QTest::newRow("only today")
            << QList<BirthdayRecord>{makeRecord(0, "Ann", day)} << "There are no events due"
            << "Ann (12 Years)";
        QTest::newRow("lines joined with CR LF")
            << QList<BirthdayRecord>{makeRecord(0, "Ann", day), makeRecord(1, "Bob", nextDay),
                                     makeRecord(2, "Cid", day)}
            << "Bob (5/13/1990 - 12 Years)"
            << "Ann (12 Years)\r\nCid (12 Years)";
        QTest::newRow("names are not format patterns")
            << QList<BirthdayRecord>{makeRecord(0, "50% off %1 %2 %3", nextDay),
                                     makeRecord(1, "Bob %1", day)}
            << "50% off %1 %2 %3 (5/13/1990 - 12 Years)"
            << "Bob %1 (12 Years)";
    }

    void notificationTexts()
    {
        QFETCH(QList<BirthdayRecord>, records);
        QFETCH(QString, soonText);
        QFETCH(QString, todayText);
        const ReminderDecision decision = decide(records, at(2002, 5, 12));
        QCOMPARE(decision.soonText(), soonText);
        QCOMPARE(decision.todayText(), todayText);
    }

    void missedWhileAway_data()
    {
        QTest::addColumn<QDate>("eventDate");
        QTest::addColumn<QString>("recurs");
        QTest::addColumn<QString>("lastDate");
        QTest::addColumn<QString>("showYears");
        QTest::addColumn<QString>("lastCheck");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<LeapDayRule>("leapRule");
        QTest::addColumn<QString>("entry"); // "" for nothing missed

        auto row = [](const char* name, QDate date, const char* lastCheck, QDateTime now,
                      const char* entry, const char* recurs = "1", const QString& lastDate = {},
                      const char* showYears = "1", LeapDayRule rule = LeapDayRule::March1) {
            QTest::newRow(name) << date << recurs << lastDate << showYears << lastCheck << now
                                << rule << entry;
        };
        const QDate anna(1980, 12, 8);
        const QDateTime tuesday = at(2024, 12, 10);
        row("first start: no stamp", anna, "", tuesday, "");
        row("off over its day", anna, "2024-12-06T22:00:00", tuesday, "Ann (Sun 8 Dec - 44 Years)");
        row("handled on its day", anna, "2024-12-06T22:00:00", tuesday, "", "1",
            dateText(QDate(2024, 12, 8)));
        row("the stamp's own day, not handled", anna, "2024-12-08T07:00:00", tuesday,
            "Ann (Sun 8 Dec - 44 Years)");
        row("today belongs to the check", anna, "2024-12-06T22:00:00", at(2024, 12, 8), "");
        row("one-off on its day", QDate(2024, 12, 8), "2024-12-01T09:00:00", tuesday,
            "Ann (Sun 8 Dec - 0 Years)", "0");
        row("stored next year: no day before it", QDate(2025, 12, 8), "2024-12-01T09:00:00",
            tuesday, "");
        row("30 days back at most", QDate(1980, 11, 9), "2024-10-01T09:00:00", tuesday, "");
        row("30 days back", QDate(1980, 11, 10), "2024-10-01T09:00:00", tuesday,
            "Ann (Sun 10 Nov - 44 Years)");
        row("across the year end", QDate(1990, 1, 1), "2024-12-30T20:00:00", at(2025, 1, 3),
            "Ann (Wed 1 Jan - 35 Years)");
        row("29 February on 1 March", QDate(1996, 2, 29), "2023-02-27T20:00:00", at(2023, 3, 3),
            "Ann (Wed 1 Mar - 27 Years)");
        row("29 February kept on 28 February", QDate(1996, 2, 29), "2023-02-27T20:00:00",
            at(2023, 3, 3), "Ann (Tue 28 Feb - 27 Years)", "1", {}, "1", LeapDayRule::February28);
    }

    void missedWhileAway()
    {
        QFETCH(QDate, eventDate);
        QFETCH(QString, recurs);
        QFETCH(QString, lastDate);
        QFETCH(QString, showYears);
        QFETCH(QString, lastCheck);
        QFETCH(QDateTime, now);
        QFETCH(LeapDayRule, leapRule);
        QFETCH(QString, entry);
        const QList<MissedEvents::Missed> missed = MissedEvents::since(
            {makeRecord(3, "Ann", dateText(eventDate), recurs, "0", "1", lastDate, showYears)},
            lastCheck, now, leapRule, us);
        QCOMPARE(missed.size(), entry.isEmpty() ? 0 : 1);
        if (!entry.isEmpty())
            QCOMPARE(missed.first(), (MissedEvents::Missed{3, missed.first().day, entry, false}));
    }

    void nextEventColumns_data()
    {
        QTest::addColumn<QDate>("eventDate");
        QTest::addColumn<QString>("recurs");
        QTest::addColumn<QString>("showYears");
        QTest::addColumn<QStringList>("columns"); // Next, In, Age; empty: no next occurrence

        auto row = [](const char* name, QDate date, QStringList columns, const char* recurs = "1",
                      const char* showYears = "1") {
            QTest::newRow(name) << date << recurs << showYears << columns;
        };
        // Today is 10 December 2024.
        row("passed: next year's", QDate(1980, 12, 1), {"12/1/2025", "in 356 days", "45"});
        row("age only where ShowYears is 1", QDate(1980, 12, 22), {"12/22/2024", "in 12 days", ""},
            "1", "");
        row("stored ahead: no age yet", QDate(2025, 1, 5), {"1/5/2025", "in 26 days", ""});
        row("one-off passed", QDate(2024, 12, 1), {}, "0");
    }

    void nextEventColumns()
    {
        QFETCH(QDate, eventDate);
        QFETCH(QString, recurs);
        QFETCH(QString, showYears);
        QFETCH(QStringList, columns);
        const std::optional<NextEvent> next =
            nextEvent(makeRecord(0, "Ann", dateText(eventDate), recurs, "0", "1", {}, showYears),
                      QDate(2024, 12, 10), LeapDayRule::March1, us);
        QCOMPARE(next ? QStringList({next->dateText(us), next->inText(), next->ageText()})
                      : QStringList(),
                 columns);
    }
};

QTEST_GUILESS_MAIN(TestReminderDecision)
#include "test_reminderdecision.moc"
