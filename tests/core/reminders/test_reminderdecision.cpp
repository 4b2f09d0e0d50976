#include "reminders/missedevents.h"
#include "reminders/nextevent.h"
#include "reminders/notificationlines.h"
#include "reminders/reminderdecision.h"
#include "text/textconv.h"

#include <QTest>

// Dates are written as the US locale the checks are given writes them.
namespace {

const QLocale us(QLocale::English, QLocale::UnitedStates);

BirthdayRecord rec(const QString& date, const QString& recurs = "1", const QString& notify = "10",
                   const QString& alert = "0", const QString& lastDate = {},
                   const QString& showYears = "1", const QString& name = "Ann", int key = 0)
{
    BirthdayRecord record;
    record.key = key;
    record.values = {name, date, recurs, notify, alert, lastDate, showYears};
    return record;
}

// "2002-05-12" at noon, or "2002-05-12T08:59:59".
QDateTime at(const QString& when)
{
    return when.size() == 10 ? QDateTime(QDate::fromString(when, Qt::ISODate), QTime(12, 0))
                             : QDateTime::fromString(when, Qt::ISODate);
}

ReminderDecision decide(const QList<BirthdayRecord>& records, const QString& now,
                        const ReminderSettings& settings = {}, bool forceShow = false,
                        bool firstCheckDone = false)
{
    return reminderDecide(records, at(now), forceShow, firstCheckDone, settings, us);
}

QStringList listed(const char* entry)
{
    return *entry ? QStringList{entry} : QStringList();
}

} // namespace

class TestReminderDecision : public QObject
{
    Q_OBJECT

private slots:
    void classification_data()
    {
        QTest::addColumn<BirthdayRecord>("record");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("soon");
        QTest::addColumn<QString>("today");
        QTest::addColumn<LeapDayRule>("rule");

        // An unreadable LastDate matters only on the day itself.
        const auto row = [](const char* name, BirthdayRecord record, const char* now,
                            const char* soon, const char* today,
                            LeapDayRule rule = LeapDayRule::March1) {
            if (!*today)
                record.values[BirthdayRecord::LastDate] = "junk";
            QTest::newRow(name) << record << now << soon << today << rule;
        };
        const auto feb28 = LeapDayRule::February28;
        row("one-off today", rec("5/12/2002", "0", "0"), "2002-05-12", "", "Ann (0 Years)");
        row("one-off tomorrow, a day's notice", rec("5/13/2002", "0", "1"), "2002-05-12",
            "Ann (5/13/2002 - 0 Years)", "");
        row("one-off yesterday", rec("5/11/2002", "0"), "2002-05-12", "", "");
        row("yearly on its day", rec("5/12/1970"), "2002-05-12", "", "Ann (32 Years)");
        row("a week ahead", rec("5/12/1970"), "2002-05-05", "Ann (5/12/1970 - 32 Years)", "");
        row("just outside the notice", rec("5/12/1970", "1", "6"), "2002-05-05", "", "");
        row("years hidden, soon", rec("5/12/1970", "1", "10", "0", {}, "0"), "2002-05-05",
            "Ann (5/12/1970)", "");
        row("years hidden, today", rec("5/12/1970", "1", "10", "0", {}, "0"), "2002-05-12", "",
            "Ann");
        row("ShowYears empty shows them", rec("5/12/1970", "1", "10", "0", {}, ""), "2002-05-12",
            "", "Ann (32 Years)");
        row("Recurs not exactly 1: one-off", rec("5/12/1970", "true"), "2002-05-12", "", "");
        row("stored next year, far off", rec("5/20/2003"), "2002-05-12", "", "");
        row("stored next year, in notice", rec("5/20/2003"), "2003-05-15",
            "Ann (5/20/2003 - 0 Years)", "");
        row("stored next year, negative years", rec("5/14/2003", "1", "400"), "2002-05-12",
            "Ann (5/14/2003 - -1 Years)", "");
        row("29 Feb on 1 March", rec("2/29/1996", "1", "0"), "2002-03-01", "", "Ann (6 Years)");
        row("29 Feb, soon on 28 Feb", rec("2/29/1996", "1", "1"), "2002-02-28",
            "Ann (2/29/1996 - 6 Years)", "");
        row("29 Feb kept on 28 Feb", rec("2/29/1996", "1", "0"), "2002-02-28", "", "Ann (6 Years)",
            feb28);
        row("29 Feb kept on 28 Feb, not 1 March", rec("2/29/1996", "1", "400"), "2002-03-01",
            "Ann (2/29/1996 - 7 Years)", "", feb28);
        row("29 Feb in a leap year", rec("2/29/1996", "1", "0"), "2004-02-29", "", "Ann (8 Years)");
        row("2 January on 30 December", rec("1/2/2000"), "2002-12-30", "Ann (1/2/2000 - 3 Years)",
            "");
        row("1 January in the old year", rec("1/1/1900", "1", "7"), "2002-12-28",
            "Ann (1/1/1900 - 103 Years)", "");
        row("2 January on its day", rec("1/2/2000"), "2003-01-02", "", "Ann (3 Years)");
        row("passed yesterday: next year's age", rec("5/11/1970", "1", "400"), "2002-05-12",
            "Ann (5/11/1970 - 33 Years)", "");
        row("29 Feb across the year end", rec("2/29/2000", "1", "70"), "2002-12-30",
            "Ann (2/29/2000 - 3 Years)", "");
        // The stored text, not a reformatted date: an ISO text stays ISO.
        row("the stored date text", rec("1970-05-14"), "2002-05-12", "Ann (1970-05-14 - 32 Years)",
            "");
    }

    void classification()
    {
        QFETCH(BirthdayRecord, record);
        QFETCH(QString, now);
        QFETCH(QString, soon);
        QFETCH(QString, today);
        QFETCH(LeapDayRule, rule);
        ReminderSettings settings;
        settings.leapDayRule = rule;
        const ReminderDecision decision = decide({record}, now, settings);
        QCOMPARE(decision.soonEntries, listed(qPrintable(soon)));
        QCOMPARE(decision.todayEntries, listed(qPrintable(today)));
        QCOMPARE(decision.alerts.size(), today.isEmpty() ? 0 : 1);
        QCOMPARE(decision.skippedRecords, 0);
    }

    void badRecordsAreSkippedOthersStillCount_data()
    {
        QTest::addColumn<BirthdayRecord>("bad");
        QTest::newRow("Date not a date") << rec("31/31/1980");
        QTest::newRow("Date empty") << rec("");
        QTest::newRow("Notify empty") << rec("5/12/1980", "1", "");
        QTest::newRow("Notify not a number") << rec("5/12/1980", "1", "ten");
        QTest::newRow("Notify beyond 16 bits") << rec("5/12/1980", "1", "40000");
        QTest::newRow("LastDate not a date, due") << rec("5/12/1980", "1", "10", "0", "yesterday");
    }

    void badRecordsAreSkippedOthersStillCount()
    {
        QFETCH(BirthdayRecord, bad);
        const ReminderDecision decision =
            decide({rec("5/12/1970", "1", "10", "0", {}, "1", "First", 3), bad,
                    rec("5/15/1975", "1", "10", "0", {}, "1", "Later", 2)},
                   "2002-05-12");
        QCOMPARE(decision.skippedRecords, 1);
        QCOMPARE(decision.todayEntries, QStringList{"First (32 Years)"});
        QCOMPARE(decision.soonEntries, QStringList{"Later (5/15/1975 - 27 Years)"});
        QCOMPARE(decision.alerts, QList<ReminderAlert>({{3, "First", true}}));
        QVERIFY(decision.show);
    }

    void alerts_data()
    {
        QTest::addColumn<QString>("alert");
        QTest::addColumn<QString>("lastDate");
        QTest::addColumn<QString>("alertTime");
        QTest::addColumn<QString>("now");
        QTest::addColumn<int>("due"); // -1: not due; 0: stamped only; 1: with its dialog
        const auto row = [](const char* name, const char* alert, const char* lastDate,
                            const char* alertTime, const char* now, int due) {
            QTest::newRow(name) << alert << lastDate << alertTime << now << due;
        };
        row("never handled", "0", "", "09:00", "2002-05-12", 1);
        row("handled yesterday", "0", "5/11/2002", "09:00", "2002-05-12", 1);
        row("handled last year on the day", "0", "5/12/2001", "09:00", "2002-05-12", 1);
        row("handled today", "0", "5/12/2002", "09:00", "2002-05-12", -1);
        // Only exactly "0" asks for the dialog; any other Alert is stamped without one.
        for (const char* other : {"1", "", "00", " 0", "0 ", "2", "-0"})
            row(qPrintable(QStringLiteral("Alert \"%1\"").arg(other)), other, "", "09:00",
                "2002-05-12", 0);
        row("before the alert time", "0", "", "09:00", "2002-05-12T08:59:59", -1);
        row("at the alert time", "0", "", "09:00", "2002-05-12T09:00:00", 1);
        row("long form, before", "0", "", "2:30:00 PM", "2002-05-12T14:29:59", -1);
        row("long form, at", "0", "", "2:30:00 PM", "2002-05-12T14:30:00", 1);
        row("unreadable: not before 09:00", "0", "", "tea", "2002-05-12T08:59:59", -1);
        row("unreadable: from 09:00", "0", "", "tea", "2002-05-12T09:00:00", 1);
        row("midnight", "0", "", "00:00", "2002-05-12T00:00:30", 1);
    }

    void alerts()
    {
        QFETCH(QString, alert);
        QFETCH(QString, lastDate);
        QFETCH(QString, alertTime);
        QFETCH(QString, now);
        QFETCH(int, due);
        ReminderSettings settings;
        settings.alertTime = alertTime;
        const ReminderDecision decision =
            decide({rec("5/12/1970", "1", "0", alert, lastDate)}, now, settings);
        // Listed in any case: the notification does not wait for the alert.
        QCOMPARE(decision.todayEntries, QStringList{"Ann (32 Years)"});
        QCOMPARE(decision.alerts,
                 due < 0 ? QList<ReminderAlert>() : QList<ReminderAlert>({{0, "Ann", due == 1}}));
    }

    void showSchedule_data()
    {
        QTest::addColumn<bool>("forceShow");
        QTest::addColumn<bool>("firstCheckDone");
        QTest::addColumn<QString>("notifyEvery");
        QTest::addColumn<QString>("notifyTime"); // empty: no stamps
        QTest::addColumn<QString>("notifyDate");
        QTest::addColumn<QString>("now");
        QTest::addColumn<bool>("show");
        // Last shown at 2:10 PM on 12 May 2002 unless the row says otherwise.
        const auto row = [](const char* name, bool force, bool first, const char* every,
                            const char* now, bool show, const char* time = "2:10:00 PM",
                            const char* date = "5/12/2002") {
            QTest::newRow(name) << force << first << every << time << date << now << show;
        };
        row("first run shows whatever the schedule", false, false, "None", "2002-05-12", true);
        row("None: later runs stay quiet", false, true, "None", "2002-05-13", false);
        row("None: the tray menu still shows", true, true, "None", "2002-05-12", true);
        row("no stamps yet", false, true, "None", "2002-05-12", true, "", "");
        row("Hour: same hour", false, true, "Hour", "2002-05-12T14:59:59", false);
        row("Hour: next hour", false, true, "Hour", "2002-05-12T15:00:00", true);
        row("Hour: same hour a day later", false, true, "Hour", "2002-05-13T14:30:00", true);
        row("Hour: forced within the hour", true, true, "Hour", "2002-05-12T14:30:00", true);
        row("Day: later the same day", false, true, "Day", "2002-05-12T23:59:59", false);
        row("Day: next day", false, true, "Day", "2002-05-13T00:00:00", true);
        row("Day: same day of the next month", false, true, "Day", "2002-06-12T10:00:00", true);
        row("unknown choice acts as Day", false, true, "Weekly", "2002-05-12T18:00:00", false);
        row("lower-case hour acts as Day", false, true, "hour", "2002-05-12T18:00:00", false);
        // Unreadable stamps count as no showing.
        row("Hour, bad time", false, true, "Hour", "2002-05-12T14:20:00", true, "noon");
        row("Hour, bad date", false, true, "Hour", "2002-05-12T14:20:00", true, "2:10 PM", "x");
        row("Day, bad date", false, true, "Day", "2002-05-12T14:20:00", true, "2:10 PM", "x");
    }

    void showSchedule()
    {
        QFETCH(bool, forceShow);
        QFETCH(bool, firstCheckDone);
        QFETCH(QString, notifyEvery);
        QFETCH(QString, notifyTime);
        QFETCH(QString, notifyDate);
        QFETCH(QString, now);
        const ReminderSettings settings{notifyEvery, notifyTime, notifyDate, "09:00"};
        const QString inThreeDays = TextConv::dateToText(at(now).date().addDays(3), us);
        const ReminderDecision decision =
            decide({rec(inThreeDays, "0")}, now, settings, forceShow, firstCheckDone);
        QTEST(decision.show, "show");
        QVERIFY(decision.firstCheckDone);
        // Nothing due: nothing to show, even on request, and the first showing is still to come.
        const ReminderDecision none = decide({rec("8/1/1970")}, now, settings, true, false);
        QVERIFY(!none.show && !none.firstCheckDone);
    }

    void notificationTexts_data()
    {
        QTest::addColumn<QList<BirthdayRecord>>("records");
        QTest::addColumn<QString>("soonText");
        QTest::addColumn<QString>("todayText");
        const auto ev = [](const char* name, const char* date) {
            return rec(date, "1", "10", "0", {}, "1", name);
        };
        QTest::newRow("only soon")
            << QList<BirthdayRecord>{ev("Ann", "5/13/1990")} << "Ann (5/13/1990 - 12 Years)"
            << "There are no events today";
        QTest::newRow("only today")
            << QList<BirthdayRecord>{ev("Ann", "5/12/1990")} << "There are no events due"
            << "Ann (12 Years)";
        QTest::newRow("CR LF between lines, in record order")
            << QList<BirthdayRecord>{ev("Cid", "5/12/1990"), ev("Bob", "5/13/1990"),
                                     ev("Ann", "5/12/1990")}
            << "Bob (5/13/1990 - 12 Years)"
            << "Cid (12 Years)\r\nAnn (12 Years)";
        QTest::newRow("names are not format patterns")
            << QList<BirthdayRecord>{ev("50% off %1 %2", "5/13/1990"), ev("Bob %1", "5/12/1990")}
            << "50% off %1 %2 (5/13/1990 - 12 Years)"
            << "Bob %1 (12 Years)";
    }

    void notificationTexts()
    {
        QFETCH(QList<BirthdayRecord>, records);
        const ReminderDecision decision = decide(records, "2002-05-12");
        QTEST(decision.soonText(), "soonText");
        QTEST(decision.todayText(), "todayText");
    }

    void notificationLines_data()
    {
        QTest::addColumn<int>("todayCount");
        QTest::addColumn<int>("soonCount");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("todayLines");
        QTest::addColumn<int>("soonLines");
        QTest::newRow("room for all") << 3 << 1 << 4 << 3 << 1;
        QTest::newRow("today fills, soon keeps three") << 20 << 5 << 10 << 7 << 3;
        QTest::newRow("few today, soon cut") << 3 << 20 << 10 << 3 << 7;
        QTest::newRow("many today, two soon shown whole") << 20 << 2 << 10 << 8 << 2;
        QTest::newRow("tiny screen: soon at most half") << 20 << 20 << 4 << 2 << 2;
        QTest::newRow("one line left for soon") << 20 << 20 << 3 << 2 << 1;
        QTest::newRow("no room at all still one each") << 5 << 5 << 0 << 1 << 1;
    }

    void notificationLines()
    {
        QFETCH(int, todayCount);
        QFETCH(int, soonCount);
        QFETCH(int, capacity);
        QFETCH(int, todayLines);
        QFETCH(int, soonLines);
        // A list that lost lines shows its first entries and then how many it left out.
        const auto lists = [](const char* prefix, int count, int lines) {
            QStringList all;
            for (int i = 1; i <= count; ++i)
                all.append(prefix + QString::number(i));
            const QString more = QStringLiteral("(%1 more events)").arg(count - lines + 1);
            return std::pair{all, lines == count ? all : all.first(lines - 1) << more};
        };
        const auto [today, todayShown] = lists("t", todayCount, todayLines);
        const auto [soon, soonShown] = lists("s", soonCount, soonLines);
        const NotificationLines fitted = NotificationLines::fit(today, soon, capacity);
        QCOMPARE(fitted.today, todayShown);
        QCOMPARE(fitted.soon, soonShown);
    }

    void nameLength_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("soon");
        QTest::addColumn<QString>("name");
        QTest::newRow("soon with years") << "Bob (9/12/1990 - 36 Years)" << true << "Bob";
        QTest::newRow("soon without years") << "Bob (9/12/1990)" << true << "Bob";
        QTest::newRow("name with parentheses") << "Mum (Jane) (9.12.1990)" << true << "Mum (Jane)";
        QTest::newRow("today with years") << "Ann (-2 Years)" << false << "Ann";
        QTest::newRow("today, name only") << "Mum (Jane)" << false << "Mum (Jane)";
        QTest::newRow("count line") << "(3 more events)" << true << "(3 more events)";
    }

    void nameLength()
    {
        QFETCH(QString, entry);
        QFETCH(bool, soon);
        QTEST(entry.first(NotificationLines::nameLength(entry, soon)), "name");
    }

    void missedWhileAway_data()
    {
        QTest::addColumn<BirthdayRecord>("record");
        QTest::addColumn<QString>("lastCheck");
        QTest::addColumn<QString>("now");
        QTest::addColumn<LeapDayRule>("rule");
        QTest::addColumn<QString>("entry"); // "" for nothing missed
        const auto row = [](const char* name, const char* date, const char* lastCheck,
                            const char* now, const char* entry, const char* recurs = "1",
                            const QString& lastDate = {}, const char* showYears = "1",
                            LeapDayRule rule = LeapDayRule::March1) {
            QTest::newRow(name) << rec(date, recurs, "0", "1", lastDate, showYears) << lastCheck
                                << now << rule << entry;
        };
        const char* friday = "2024-12-06T22:00:00";
        row("first start: no stamp", "12/8/1980", "", "2024-12-10", "");
        row("off over its day", "12/8/1980", friday, "2024-12-10", "Ann (Sun 8 Dec - 44 Years)");
        row("handled on its day", "12/8/1980", friday, "2024-12-10", "", "1", "12/8/2024");
        row("the stamp's own day, not handled", "12/8/1980", "2024-12-08T07:00:00", "2024-12-10",
            "Ann (Sun 8 Dec - 44 Years)");
        row("today belongs to the check", "12/8/1980", friday, "2024-12-08", "");
        row("one-off on its day", "12/8/2024", friday, "2024-12-10", "Ann (Sun 8 Dec - 0 Years)",
            "0");
        row("years hidden", "12/8/1980", friday, "2024-12-10", "Ann (Sun 8 Dec)", "1", {}, "0");
        row("stored next year: no day before it", "12/8/2025", friday, "2024-12-10", "");
        row("30 days back at most", "11/9/1980", "2024-10-01T09:00:00", "2024-12-10", "");
        row("30 days back", "11/10/1980", "2024-10-01T09:00:00", "2024-12-10",
            "Ann (Sun 10 Nov - 44 Years)");
        row("across the year end", "1/1/1990", "2024-12-30T20:00:00", "2025-01-03",
            "Ann (Wed 1 Jan - 35 Years)");
        row("29 February on 1 March", "2/29/1996", "2023-02-27T20:00:00", "2023-03-03",
            "Ann (Wed 1 Mar - 27 Years)");
        row("29 February kept on 28 February", "2/29/1996", "2023-02-27T20:00:00", "2023-03-03",
            "Ann (Tue 28 Feb - 27 Years)", "1", {}, "1", LeapDayRule::February28);
    }

    void missedWhileAway()
    {
        QFETCH(BirthdayRecord, record);
        QFETCH(QString, lastCheck);
        QFETCH(QString, now);
        QFETCH(LeapDayRule, rule);
        QStringList entries;
        for (const MissedEvents::Missed& missed :
             MissedEvents::since({record}, lastCheck, at(now), rule, us))
            entries << missed.entry;
        QTEST(entries.join(u'|'), "entry");
    }

    void nextEventColumns_data()
    {
        QTest::addColumn<BirthdayRecord>("record");
        QTest::addColumn<QString>("columns"); // Next, In, Age; empty: no next occurrence
        // Today is 10 December 2024.
        QTest::newRow("passed: next year's") << rec("12/1/1980") << "12/1/2025|in 356 days|45";
        QTest::newRow("tomorrow") << rec("12/11/1980") << "12/11/2024|tomorrow|44";
        QTest::newRow("today") << rec("12/10/1980") << "12/10/2024|today|44";
        QTest::newRow("age only where ShowYears is 1")
            << rec("12/22/1980", "1", "0", "1", {}, "") << "12/22/2024|in 12 days|";
        QTest::newRow("stored ahead: no age yet") << rec("1/5/2025") << "1/5/2025|in 26 days|";
        QTest::newRow("one-off passed") << rec("12/1/2024", "0") << "";
    }

    void nextEventColumns()
    {
        QFETCH(BirthdayRecord, record);
        const std::optional<NextEvent> next =
            nextEvent(record, QDate(2024, 12, 10), LeapDayRule::March1, us);
        QTEST(next ? next->dateText(us) + u'|' + next->inText() + u'|' + next->ageText()
                   : QString(),
              "columns");
    }
};

QTEST_GUILESS_MAIN(TestReminderDecision)
#include "test_reminderdecision.moc"
