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
        QTest::addColumn<QDate>("eventDate");
        QTest::addColumn<QString>("recurs");
        QTest::addColumn<QString>("notify");
        QTest::addColumn<QString>("showYears");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("soon");  // "" for no soon entry
        QTest::addColumn<QString>("today"); // "" for no today entry

        const QString once = QStringLiteral("0");
        const QString yearly = QStringLiteral("1");
        QTest::newRow("one-off dated today") << QDate(2002, 5, 12) << once << "0"
                                             << "1" << at(2002, 5, 12) << ""
                                             << "Ann (0 Years)";
        QTest::newRow("one-off tomorrow, a day's notice")
            << QDate(2002, 5, 13) << once << "1"
            << "1" << at(2002, 5, 12) << "Ann (5/13/2002 - 0 Years)"
            << "";
        QTest::newRow("one-off tomorrow, no notice") << QDate(2002, 5, 13) << once << "0"
                                                     << "1" << at(2002, 5, 12) << ""
                                                     << "";
        QTest::newRow("one-off yesterday") << QDate(2002, 5, 11) << once << "10"
                                           << "1" << at(2002, 5, 12) << ""
                                           << "";
        QTest::newRow("yearly on its day") << QDate(1970, 5, 12) << yearly << "10"
                                           << "1" << at(2002, 5, 12) << ""
                                           << "Ann (32 Years)";
        QTest::newRow("yearly, a week ahead")
            << QDate(1970, 5, 12) << yearly << "10"
            << "1" << at(2002, 5, 5) << "Ann (5/12/1970 - 32 Years)"
            << "";
        QTest::newRow("yearly, just outside the notice") << QDate(1970, 5, 12) << yearly << "6"
                                                         << "1" << at(2002, 5, 5) << ""
                                                         << "";
        QTest::newRow("years hidden, soon") << QDate(1970, 5, 12) << yearly << "10"
                                            << "0" << at(2002, 5, 5) << "Ann (5/12/1970)"
                                            << "";
        QTest::newRow("years hidden, today") << QDate(1970, 5, 12) << yearly << "10"
                                             << "0" << at(2002, 5, 12) << ""
                                             << "Ann";
        QTest::newRow("ShowYears empty still shows them") << QDate(1970, 5, 12) << yearly << "10"
                                                          << "" << at(2002, 5, 12) << ""
                                                          << "Ann (32 Years)";
        QTest::newRow("Recurs other than exactly 1 is one-off") << QDate(1970, 5, 12) << "true"
                                                                << "10"
                                                                << "1" << at(2002, 5, 12) << ""
                                                                << "";
        QTest::newRow("yearly stored next year, far off") << QDate(2003, 5, 20) << yearly << "10"
                                                          << "1" << at(2002, 5, 12) << ""
                                                          << "";
        QTest::newRow("yearly stored next year, within notice")
            << QDate(2003, 5, 20) << yearly << "10"
            << "1" << at(2003, 5, 15) << "Ann (5/20/2003 - 0 Years)"
            << "";
        QTest::newRow("yearly stored next year, negative years")
            << QDate(2003, 5, 14) << yearly << "400"
            << "1" << at(2002, 5, 12) << "Ann (5/14/2003 - -1 Years)"
            << "";
        QTest::newRow("29 February on 1 March of a common year")
            << QDate(1996, 2, 29) << yearly << "0"
            << "1" << at(2002, 3, 1) << ""
            << "Ann (6 Years)";
        QTest::newRow("29 February, soon on 28 February")
            << QDate(1996, 2, 29) << yearly << "1"
            << "1" << at(2002, 2, 28) << "Ann (2/29/1996 - 6 Years)"
            << "";
        QTest::newRow("29 February in a leap year is its own day")
            << QDate(1996, 2, 29) << yearly << "0"
            << "1" << at(2004, 2, 29) << ""
            << "Ann (8 Years)";
        QTest::newRow("2 January seen on 30 December")
            << QDate(2000, 1, 2) << yearly << "10"
            << "1" << at(2002, 12, 30) << "Ann (1/2/2000 - 3 Years)"
            << "";
        QTest::newRow("New Year's Day seen in the old year")
            << QDate(1900, 1, 1) << yearly << "7"
            << "1" << at(2002, 12, 28) << "Ann (1/1/1900 - 103 Years)"
            << "";
        QTest::newRow("2 January on its day") << QDate(2000, 1, 2) << yearly << "10"
                                              << "1" << at(2003, 1, 2) << ""
                                              << "Ann (3 Years)";
        QTest::newRow("passed yesterday: next year's, with next year's age")
            << QDate(1970, 5, 11) << yearly << "400"
            << "1" << at(2002, 5, 12) << "Ann (5/11/1970 - 33 Years)"
            << "";
        QTest::newRow("29 February across the year end")
            << QDate(2000, 2, 29) << yearly << "70"
            << "1" << at(2002, 12, 30) << "Ann (2/29/2000 - 3 Years)"
            << "";
        QTest::newRow("born 1930, today") << QDate(1930, 5, 12) << yearly << "10"
                                          << "1" << at(2025, 5, 12) << ""
                                          << "Ann (95 Years)";
        QTest::newRow("born 1930, soon") << QDate(1930, 5, 20) << yearly << "10"
                                         << "1" << at(2025, 5, 12) << "Ann (5/20/1930 - 95 Years)"
                                         << "";
        QTest::newRow("founded 1700") << QDate(1700, 7, 4) << yearly << "3"
                                      << "1" << at(2025, 7, 2) << "Ann (7/4/1700 - 325 Years)"
                                      << "";
        QTest::newRow("Notify as a fraction rounds half to even")
            << QDate(1970, 5, 14) << yearly << "2.5"
            << "1" << at(2002, 5, 12) << "Ann (5/14/1970 - 32 Years)"
            << "";
    }

    void classification()
    {
        QFETCH(QDate, eventDate);
        QFETCH(QString, recurs);
        QFETCH(QString, notify);
        QFETCH(QString, showYears);
        QFETCH(QDateTime, now);
        QFETCH(QString, soon);
        QFETCH(QString, today);

        const ReminderDecision decision = decide(
            {makeRecord(0, "Ann", dateText(eventDate), recurs, notify, "0", "", showYears)}, now);
        QCOMPARE(decision.soonEntries, soon.isEmpty() ? QStringList() : QStringList{soon});
        QCOMPARE(decision.todayEntries, today.isEmpty() ? QStringList() : QStringList{today});
        QCOMPARE(decision.alerts.size(), today.isEmpty() ? 0 : 1);
        QCOMPARE(decision.skippedRecords, 0);
    }

    void soonEntryShowsTheStoredDateText()
    {
        // The stored text, not a reformatted date: an ISO text stays ISO.
        const ReminderDecision decision =
            decide({makeRecord(0, "Ann", "1970-05-14")}, at(2002, 5, 12));
        QCOMPARE(decision.soonEntries, QStringList{"Ann (1970-05-14 - 32 Years)"});
    }

    void namesAreNotFormatPatterns()
    {
        const ReminderDecision decision =
            decide({makeRecord(0, "50% off %1 %2 %3", dateText(QDate(1970, 5, 14))),
                    makeRecord(1, "Bob %1", dateText(QDate(1970, 5, 12)))},
                   at(2002, 5, 12));
        QCOMPARE(decision.soonEntries, QStringList{"50% off %1 %2 %3 (5/14/1970 - 32 Years)"});
        QCOMPARE(decision.todayEntries, QStringList{"Bob %1 (32 Years)"});
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

    void unreadableLastDateMattersOnlyOnTheDay()
    {
        const ReminderDecision decision =
            decide({makeRecord(0, "Ann", dateText(QDate(1970, 5, 14)), "1", "10", "0", "junk")},
                   at(2002, 5, 12));
        QCOMPARE(decision.skippedRecords, 0);
        QCOMPARE(decision.soonEntries.size(), 1);
    }

    void alerts_data()
    {
        QTest::addColumn<QString>("alert");
        QTest::addColumn<QString>("lastDate");
        QTest::addColumn<QString>("alertTime");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<bool>("due");

        const QString never;
        const QString yesterday = dateText(QDate(2002, 5, 11));
        const QString today = dateText(QDate(2002, 5, 12));
        QTest::newRow("never handled") << "0" << never << "09:00" << QTime(12, 0) << true;
        QTest::newRow("handled yesterday") << "0" << yesterday << "09:00" << QTime(12, 0) << true;
        QTest::newRow("handled last year on the day")
            << "0" << dateText(QDate(2001, 5, 12)) << "09:00" << QTime(12, 0) << true;
        QTest::newRow("handled today") << "0" << today << "09:00" << QTime(12, 0) << false;
        QTest::newRow("no dialog still stamped") << "1" << never << "09:00" << QTime(12, 0) << true;
        QTest::newRow("before the alert time")
            << "0" << never << "09:00" << QTime(8, 59, 59) << false;
        QTest::newRow("at the alert time") << "0" << never << "09:00" << QTime(9, 0) << true;
        QTest::newRow("alert time in long form")
            << "0" << never << "2:30:00 PM" << QTime(14, 29) << false;
        QTest::newRow("after the alert time in long form")
            << "0" << never << "2:30:00 PM" << QTime(14, 30) << true;
        QTest::newRow("unreadable alert time waits for 09:00")
            << "0" << never << "tea time" << QTime(8, 0) << false;
        QTest::newRow("midnight alert time") << "0" << never << "00:00" << QTime(0, 0, 30) << true;
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
        QTest::addColumn<QDateTime>("lastShown"); // invalid: no stamps
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("show");

        const QDateTime never;
        const QDateTime shown = at(2002, 5, 12, 14, 10);
        QTest::newRow("first run shows whatever the schedule")
            << false << false << "None" << shown << at(2002, 5, 12, 14, 20) << true;
        QTest::newRow("None: later runs stay quiet")
            << false << true << "None" << shown << at(2002, 5, 13, 9, 0) << false;
        QTest::newRow("None: the tray menu still shows")
            << true << true << "None" << shown << at(2002, 5, 12, 14, 20) << true;
        QTest::newRow("no stamps yet")
            << false << true << "None" << never << at(2002, 5, 12, 14, 20) << true;
        QTest::newRow("Hour: same hour")
            << false << true << "Hour" << shown << at(2002, 5, 12, 14, 59) << false;
        QTest::newRow("Hour: next hour")
            << false << true << "Hour" << shown << at(2002, 5, 12, 15, 0) << true;
        QTest::newRow("Hour: same hour a day later")
            << false << true << "Hour" << shown << at(2002, 5, 13, 14, 30) << true;
        QTest::newRow("Hour: forced within the hour")
            << true << true << "Hour" << shown << at(2002, 5, 12, 14, 30) << true;
        QTest::newRow("Day: later the same day")
            << false << true << "Day" << shown << at(2002, 5, 12, 23, 59) << false;
        QTest::newRow("Day: next day")
            << false << true << "Day" << shown << at(2002, 5, 13, 0, 0) << true;
        QTest::newRow("Day: same day of the next month")
            << false << true << "Day" << at(2002, 4, 12, 10, 0) << at(2002, 5, 12, 10, 0) << true;
        QTest::newRow("unknown choice acts as Day")
            << false << true << "Weekly" << shown << at(2002, 5, 12, 18, 0) << false;
        QTest::newRow("lower-case hour acts as Day")
            << false << true << "hour" << shown << at(2002, 5, 12, 18, 0) << false;
    }

    void showSchedule()
    {
        QFETCH(bool, forceShow);
        QFETCH(bool, firstCheckDone);
        QFETCH(QString, notifyEvery);
        QFETCH(QDateTime, lastShown);
        QFETCH(QDateTime, now);
        QFETCH(bool, show);

        ReminderSettings settings;
        settings.notifyEvery = notifyEvery;
        if (lastShown.isValid()) {
            settings.notifyTime = TextConv::timeToText(lastShown.time(), us);
            settings.notifyDate = TextConv::dateToText(lastShown.date(), us);
        }
        const QList<BirthdayRecord> soonOnly = {
            makeRecord(0, "Ann", dateText(now.date().addDays(3)), "0", "10")};
        const ReminderDecision decision =
            decide(soonOnly, now, settings, forceShow, firstCheckDone);
        QCOMPARE(decision.show, show);
        QVERIFY(decision.firstCheckDone);
    }

    void unreadableStampsCountAsNoShowing_data()
    {
        QTest::addColumn<QString>("notifyEvery");
        QTest::addColumn<QString>("notifyTime");
        QTest::addColumn<QString>("notifyDate");
        QTest::newRow("Hour, bad time") << "Hour"
                                        << "noon"
                                        << "5/12/2002";
        QTest::newRow("Hour, bad date") << "Hour"
                                        << "2:10:00 PM"
                                        << "today";
        QTest::newRow("Day, bad date") << "Day"
                                       << "2:10:00 PM"
                                       << "today";
    }

    void unreadableStampsCountAsNoShowing()
    {
        QFETCH(QString, notifyEvery);
        QFETCH(QString, notifyTime);
        QFETCH(QString, notifyDate);
        const ReminderSettings settings{notifyEvery, notifyTime, notifyDate, "09:00"};
        const ReminderDecision decision =
            decide({makeRecord(0, "Ann", dateText(QDate(1970, 5, 12)))}, at(2002, 5, 12, 14, 20),
                   settings, false, true);
        QVERIFY(decision.show);
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
};

QTEST_GUILESS_MAIN(TestReminderDecision)
#include "test_reminderdecision.moc"
