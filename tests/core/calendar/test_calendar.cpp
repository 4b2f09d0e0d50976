#include "core/calendar/missedevents.h"
#include "core/calendar/nextevent.h"
#include "core/calendar/reminderdecision.h"
#include "core/calendar/snooze.h"
#include "core/text/textconv.h"

#include <QTest>

// Dates are written as the US locale the checks are given writes them.
namespace {

const QLocale us(QLocale::English, QLocale::UnitedStates);
const LeapDayRule march1 = LeapDayRule::March1, feb28 = LeapDayRule::February28;

BirthdayRecord rec(const QString& date, const QString& recurs = "1", const QString& notify = "10",
                   const QString& alert = "0", const QString& lastDate = {},
                   const QString& showYears = "1", const QString& name = "Ann", int key = 0)
{
    BirthdayRecord record;
    record.key = key;
    record.values = {name, date, recurs, notify, alert, lastDate, showYears};
    return record;
}

// A day without a year, whose Date cell holds its next day.
BirthdayRecord noYear(BirthdayRecord record, int month, int day)
{
    record.rule = YearlyRule::fixed(month, day);
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
    return reminderDecide(records, at(now), forceShow, firstCheckDone, settings, us, us);
}

struct Classified
{
    BirthdayRecord record;
    QString now, soon, today; // the entries; "" for none
    LeapDayRule rule = march1;
};

struct Alerted
{
    QString alert, lastDate, alertTime, now;
    int due; // -1: not due; 0: stamped only; 1: with its dialog
};

struct Scheduled
{
    bool force, firstDone;
    QString every, now;
    bool show;
    QString time = "2:10:00 PM", date = "5/12/2002"; // of the last showing
};

struct Away
{
    BirthdayRecord record;
    QString lastCheck, now, entry; // entry "" for nothing missed; "!" ends one with its dialog
    LeapDayRule rule = march1;
};

} // namespace

class TestReminderDecision : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void classification_data()
    {
        QTest::addColumn<Classified>("c");
        const auto row = [](const char* name, Classified c) { QTest::newRow(name) << c; };
        row("one-off today", {rec("5/12/2002", "0", "0"), "2002-05-12", "", "Ann (0 Years)"});
        row("one-off tomorrow, a day's notice",
            {rec("5/13/2002", "0", "1"), "2002-05-12", "Ann (5/13/2002 - 0 Years)", ""});
        row("yearly on its day", {rec("5/12/1970"), "2002-05-12", "", "Ann (32 Years)"});
        row("years hidden, soon",
            {rec("5/12/1970", "1", "10", "0", {}, "0"), "2002-05-05", "Ann (5/12/1970)", ""});
        row("years hidden, today",
            {rec("5/12/1970", "1", "10", "0", {}, "0"), "2002-05-12", "", "Ann"});
        row("ShowYears empty shows them",
            {rec("5/12/1970", "1", "10", "0", {}, ""), "2002-05-12", "", "Ann (32 Years)"});
        row("Recurs not exactly 1: one-off", {rec("5/12/1970", "true"), "2002-05-12", "", ""});
        row("stored next year: negative years",
            {rec("5/14/2003", "1", "400"), "2002-05-12", "Ann (5/14/2003 - -1 Years)", ""});
        row("29 Feb on 1 March", {rec("2/29/1996", "1", "0"), "2002-03-01", "", "Ann (6 Years)"});
        row("29 Feb kept on 28 Feb",
            {rec("2/29/1996", "1", "0"), "2002-02-28", "", "Ann (6 Years)", feb28});
        row("29 Feb kept on 28 Feb, not 1 March",
            {rec("2/29/1996", "1", "400"), "2002-03-01", "Ann (2/29/1996 - 7 Years)", "", feb28});
        // A negative Notify (written by another program) lies below even today: never listed.
        row("negative Notify on the day", {rec("5/12/1970", "1", "-1"), "2002-05-12", "", ""});
        row("negative Notify, the stored day", {rec("5/12/2002", "0", "-3"), "2002-05-12", "", ""});
        row("29 Feb in a leap year",
            {rec("2/29/1996", "1", "0"), "2004-02-29", "", "Ann (8 Years)"});
        row("2 January on 30 December",
            {rec("1/2/2000"), "2002-12-30", "Ann (1/2/2000 - 3 Years)", ""});
        row("passed yesterday: next year's age",
            {rec("5/11/1970", "1", "400"), "2002-05-12", "Ann (5/11/1970 - 33 Years)", ""});
        // No year: no years, the day without one, 29 February as set, whatever the Date cell holds.
        row("no year, soon", {noYear(rec("4/15/2002"), 4, 15), "2002-04-10", "Ann (4/15)", ""});
        row("no year, today", {noYear(rec("4/15/2002"), 4, 15), "2002-04-15", "", "Ann"});
        row("no year, 29 Feb on 1 March",
            {noYear(rec("3/1/2003", "1", "0"), 2, 29), "2003-03-01", "", "Ann"});
        row("no year, 29 Feb on 28 Feb",
            {noYear(rec("3/1/2003", "1", "0"), 2, 29), "2003-02-28", "", "Ann", feb28});
        row("no year, 29 Feb in a leap year",
            {noYear(rec("3/1/2003", "1", "5"), 2, 29), "2004-02-25", "Ann (2/29)", ""});
        // In the user's form, whatever form is stored.
        row("ISO date shown in the user's form",
            {rec("1970-05-14"), "2002-05-12", "Ann (5/14/1970 - 32 Years)", ""});
        // Concatenated, not formatted: a name may hold "%1".
        row("names are not patterns, soon", {rec("5/13/1990", "1", "10", "0", {}, "1", "50% %1"),
                                             "2002-05-12", "50% %1 (5/13/1990 - 12 Years)", ""});
        row("names are not patterns, today", {rec("5/12/1990", "1", "10", "0", {}, "1", "Bob %1"),
                                              "2002-05-12", "", "Bob %1 (12 Years)"});
    }

    void classification()
    {
        QFETCH(Classified, c);
        // An unreadable LastDate matters only on the day itself.
        if (c.today.isEmpty())
            c.record.values[BirthdayRecord::LastDate] = "junk";
        ReminderSettings settings;
        settings.leapDayRule = c.rule;
        const ReminderDecision decision = decide({c.record}, c.now, settings);
        QCOMPARE(decision.soonText(), c.soon.isEmpty() ? "There are no events due" : c.soon);
        QCOMPARE(decision.todayText(), c.today.isEmpty() ? "There are no events today" : c.today);
        QCOMPARE(decision.alerts.size(), c.today.isEmpty() ? 0 : 1);
        QCOMPARE(decision.skippedRecords, 0);
    }

    void badRecordsAreSkippedOthersStillCount()
    {
        for (const BirthdayRecord& bad : {rec("31/31/1980"),              // Date not a date
                                          rec("5/12/1980", "1", "ten"),   // Notify not a number
                                          rec("5/12/1980", "1", "40000"), // beyond 16 bits
                                          rec("5/12/1980", "1", "10", "0", "yesterday")}) {
            const ReminderDecision decision =
                decide({rec("5/12/1970", "1", "10", "0", {}, "1", "Zoe", 3), bad,
                        rec("5/15/1975", "1", "10", "0", {}, "1", "Bob", 2),
                        rec("5/12/1980", "1", "10", "1", {}, "1", "Amy", 1)},
                       "2002-05-12");
            QCOMPARE(decision.skippedRecords, 1);
            // In record order, joined with CR LF.
            QCOMPARE(decision.todayText(), "Zoe (32 Years)\r\nAmy (22 Years)");
            QCOMPARE(decision.soonText(), "Bob (5/15/1975 - 27 Years)");
            QCOMPARE(decision.alerts, QList<ReminderAlert>({{3, "Zoe", true}, {1, "Amy", false}}));
            QVERIFY(decision.show);
        }
    }

    // By the coming day, across the year's end; of one day, in record order.
    void soonInDateOrder()
    {
        const auto soon = [](const QString& date, const QString& name) {
            return rec(date, "1", "30", "0", {}, "1", name);
        };
        const ReminderDecision decision =
            decide({soon("1/3/1990", "Cy"), soon("12/31/1980", "Bob"), soon("12/28/1960", "Eve"),
                    soon("12/29/1970", "Ann"), soon("1/3/1985", "Dee")},
                   "2002-12-28");
        QCOMPARE(decision.soonEntries,
                 QStringList({"Ann (12/29/1970 - 32 Years)", "Bob (12/31/1980 - 22 Years)",
                              "Cy (1/3/1990 - 13 Years)", "Dee (1/3/1985 - 18 Years)"}));
        QCOMPARE(decision.todayEntries, QStringList{"Eve (42 Years)"});
    }

    void alerts_data()
    {
        QTest::addColumn<Alerted>("a");
        const auto row = [](const char* name, Alerted a) { QTest::newRow(name) << a; };
        row("never handled", {"0", "", "09:00", "2002-05-12", 1});
        row("handled yesterday", {"0", "5/11/2002", "09:00", "2002-05-12", 1});
        row("handled last year on the day", {"0", "5/12/2001", "09:00", "2002-05-12", 1});
        row("handled today", {"0", "5/12/2002", "09:00", "2002-05-12", -1});
        // Only exactly "0" asks for the dialog; any other Alert is stamped without one.
        for (const char* other : {"1", "", "00", " 0", "0 ", "2", "-0"})
            row(qPrintable(QStringLiteral("Alert \"%1\"").arg(other)),
                {other, "", "09:00", "2002-05-12", 0});
        row("before the alert time", {"0", "", "09:00", "2002-05-12T08:59:59", -1});
        row("at the alert time", {"0", "", "09:00", "2002-05-12T09:00:00", 1});
        row("long form, before", {"0", "", "2:30:00 PM", "2002-05-12T14:29:59", -1});
        row("long form, at", {"0", "", "2:30:00 PM", "2002-05-12T14:30:00", 1});
        row("unreadable: not before 09:00", {"0", "", "tea", "2002-05-12T08:59:59", -1});
        row("unreadable: from 09:00", {"0", "", "tea", "2002-05-12T09:00:00", 1});
        row("midnight", {"0", "", "00:00", "2002-05-12T00:00:30", 1});
    }

    void alerts()
    {
        QFETCH(Alerted, a);
        ReminderSettings settings;
        settings.alertTime = a.alertTime;
        const ReminderDecision decision =
            decide({rec("5/12/1970", "1", "0", a.alert, a.lastDate)}, a.now, settings);
        // Listed in any case: the notification does not wait for the alert.
        QCOMPARE(decision.todayEntries, QStringList{"Ann (32 Years)"});
        QCOMPARE(decision.alerts, a.due < 0 ? QList<ReminderAlert>()
                                            : QList<ReminderAlert>({{0, "Ann", a.due == 1}}));
    }

    void showSchedule_data()
    {
        QTest::addColumn<Scheduled>("s");
        const auto row = [](const char* name, Scheduled s) { QTest::newRow(name) << s; };
        row("first run shows whatever the schedule", {false, false, "None", "2002-05-12", true});
        row("None: later runs stay quiet", {false, true, "None", "2002-05-13", false});
        row("None: the tray menu still shows", {true, true, "None", "2002-05-12", true});
        row("no stamps yet", {false, true, "None", "2002-05-12", true, "", ""});
        row("Hour: same hour", {false, true, "Hour", "2002-05-12T14:59:59", false});
        row("Hour: next hour", {false, true, "Hour", "2002-05-12T15:00:00", true});
        row("Hour: same hour a day later", {false, true, "Hour", "2002-05-13T14:30:00", true});
        row("Day: later the same day", {false, true, "Day", "2002-05-12T23:59:59", false});
        row("Day: next day", {false, true, "Day", "2002-05-13T00:00:00", true});
        row("Day: same day of the next month", {false, true, "Day", "2002-06-12T10:00:00", true});
        row("unknown choice acts as Day", {false, true, "Weekly", "2002-05-13T10:00:00", true});
        row("lower-case hour acts as Day", {false, true, "hour", "2002-05-12T18:00:00", false});
        // Unreadable stamps count as no showing.
        row("Hour, bad time", {false, true, "Hour", "2002-05-12T14:20:00", true, "noon"});
        row("Day, bad date", {false, true, "Day", "2002-05-12T14:20:00", true, "2:10 PM", "x"});
    }

    void showSchedule()
    {
        QFETCH(Scheduled, s);
        const ReminderSettings settings{s.every, s.time, s.date, "09:00"};
        const QString inThreeDays = TextConv::dateToText(at(s.now).date().addDays(3));
        const ReminderDecision decision =
            decide({rec(inThreeDays, "0")}, s.now, settings, s.force, s.firstDone);
        QCOMPARE(decision.show, s.show);
        QVERIFY(decision.firstCheckDone);
        // Nothing due: nothing to show, even on request, and the first showing is still to come.
        const ReminderDecision none = decide({rec("8/1/1970")}, s.now, settings, true, false);
        QVERIFY(!none.show && !none.firstCheckDone);
    }

    void missedWhileAway_data()
    {
        QTest::addColumn<Away>("m");
        const auto row = [](const char* name, Away m) { QTest::newRow(name) << m; };
        const BirthdayRecord ann = rec("12/8/1980", "1", "0", "1");
        const QString friday = "2024-12-06T22:00:00", october = "2024-10-01T09:00:00",
                      february = "2023-02-27T20:00:00";
        row("first start: no stamp", {ann, "", "2024-12-10", ""});
        row("off over its day", {ann, friday, "2024-12-10", "Ann (Sun 8 Dec - 44 Years)"});
        row("handled on its day",
            {rec("12/8/1980", "1", "0", "1", "12/8/2024"), friday, "2024-12-10", ""});
        row("handled last year", {rec("12/8/1980", "1", "0", "1", "12/8/2023"), friday,
                                  "2024-12-10", "Ann (Sun 8 Dec - 44 Years)"});
        row("the stamp's own day, not handled",
            {ann, "2024-12-08T07:00:00", "2024-12-10", "Ann (Sun 8 Dec - 44 Years)"});
        row("today belongs to the check", {ann, friday, "2024-12-08", ""});
        row("one-off, yesterday",
            {rec("12/8/2024", "0", "0", "1"), friday, "2024-12-09", "Ann (Sun 8 Dec - 0 Years)"});
        row("years hidden",
            {rec("12/8/1980", "1", "0", "00", {}, "0"), friday, "2024-12-10", "Ann (Sun 8 Dec)"});
        row("years unset: shown", {rec("12/8/1980", "1", "0", "1", {}, ""), friday, "2024-12-10",
                                   "Ann (Sun 8 Dec - 44 Years)"});
        row("stored next year: no day before it", {rec("12/8/2025"), friday, "2024-12-10", ""});
        row("30 days back at most", {rec("11/9/1980"), october, "2024-12-10", ""});
        row("30 days back",
            {rec("11/10/1980"), october, "2024-12-10", "Ann (Sun 10 Nov - 44 Years)!"});
        row("across the year end",
            {rec("1/1/1990"), "2024-12-30T20:00:00", "2025-01-03", "Ann (Wed 1 Jan - 35 Years)!"});
        row("29 February on 1 March",
            {rec("2/29/1996"), february, "2023-03-03", "Ann (Wed 1 Mar - 27 Years)!"});
        row("29 February kept on 28 February",
            {rec("2/29/1996"), february, "2023-03-03", "Ann (Tue 28 Feb - 27 Years)!", feb28});
    }

    void missedWhileAway()
    {
        QFETCH(Away, m);
        QStringList entries;
        for (const MissedEvents::Missed& missed :
             MissedEvents::since({m.record}, m.lastCheck, at(m.now), m.rule, us, us))
            entries << missed.entry + (missed.showDialog ? "!" : "");
        QCOMPARE(entries.join(u'|'), m.entry);
    }

    // LastCheck is due once a day, or when it does not read; a clock moved on by more than five
    // minutes between two checks was asleep or set ahead, one set back was neither.
    void stampAndClockJump()
    {
        const QDateTime now = at("2024-12-10T09:00:00");
        for (const auto& [stored, due] : {std::pair{"2024-12-10T00:00:00", false},
                                          {"2024-12-09T23:59:59", true},
                                          {"2024-12-11T08:00:00", true},
                                          {"Tuesday", true}})
            QCOMPARE(MissedEvents::stampDue(stored, now), due);
        for (const auto& [seconds, jumped] : {std::pair{300, false}, {301, true}, {-3600, false}})
            QCOMPARE(MissedEvents::clockJumped(now.addSecs(-seconds), now), jumped);
    }

    // "Remind Me Again" from 23:55: ten minutes and an hour cross midnight, tomorrow is the
    // next day's alert time; kept as text, it comes back the same, and nothing else reads.
    void snoozeEndsAndKeeps()
    {
        using L = Snooze::Length;
        const QDateTime now = at("2024-12-31T23:55:00");
        for (const auto& [length, alertTime, until] :
             {std::tuple{L::TenMinutes, QTime(9, 0), "2025-01-01T00:05:00"},
              {L::OneHour, QTime(9, 0), "2025-01-01T00:55:00"},
              {L::Tomorrow, QTime(7, 30), "2025-01-01T07:30:00"},
              {L::Tomorrow, QTime(), "2025-01-01T09:00:00"}})
            QCOMPARE(Snooze::end(length, now, alertTime), at(until));
        const Snooze kept{now, {"Ann", "Bob \"B\""}, {"Cid (Sun 8 Dec - 42 Years)"}};
        QCOMPARE(Snooze::fromText(kept.toText()), kept);
        for (const char* text :
             {"", "{", R"({"due": ["Ann"]})", R"({"until": "2025-01-01T00:00:00Z"})"})
            QCOMPARE(Snooze::fromText(text), std::nullopt);
    }

    void nextEventColumns()
    {
        // The list's Next, In and Age columns on 10 December 2024; "" for no next occurrence.
        for (const auto& [record, columns] :
             {std::pair{rec("12/1/1980"), "12/1/2025|in 356 days|45"},
              {rec("12/10/1980"), "12/10/2024|today|44"},
              {rec("12/22/1980", "1", "0", "1", {}, ""), "12/22/2024|in 12 days|"}, // ShowYears ""
              {rec("1/5/2025"), "1/5/2025|in 26 days|"}, // stored ahead: no age yet
              {noYear(rec("4/15/2025"), 4, 15), "4/15|in 126 days|"},
              {rec("12/1/2024", "0"), ""}}) { // a one-off passed
            const std::optional<NextEvent> next =
                nextEvent(record, QDate(2024, 12, 10), march1, us);
            QCOMPARE(next ? next->dateText(us) + u'|' + next->inText() + u'|' + next->ageText()
                          : QString(),
                     columns);
        }
        // Of two events on the soonest day, the first in the file is named; one a day later is not.
        const ComingEvents coming = comingEvents({rec("12/13/1980", "1", "10", "0", {}, "1", "Zoe"),
                                                  rec("12/12/1990", "1", "10", "0", {}, "1", "Bo"),
                                                  rec("12/12/1970", "1", "10", "0", {}, "1", "Al")},
                                                 QDate(2024, 12, 10), march1, us);
        QCOMPARE(coming.soonest()->name, "Bo");
    }
};

QTEST_GUILESS_MAIN(TestReminderDecision)
#include "test_calendar.moc"
