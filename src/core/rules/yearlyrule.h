#pragma once

#include "core/rules/leapday.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// When a yearly event falls: on a fixed day, on the Nth (or last) weekday of a month, on the
// first given weekday on or after a day, a number of days from Easter, or on a day of another
// calendar. The data file holds one date per event; a rule says how that date moves each year.
struct YearlyRule
{
    enum class Kind { Fixed, NthWeekday, WeekdayOnOrAfter, Easter, OtherCalendar };
    enum class Easter { Western, Orthodox };
    enum class Calendar { Chinese, Hebrew, IslamicCivil };

    Kind kind = Kind::Fixed;
    int month = 1;   // 1..12; in another calendar its own month, 1 for its first
    int day = 1;     // Fixed, WeekdayOnOrAfter, OtherCalendar
    int nth = 1;     // NthWeekday: 1..5 from the start, -1..-5 from the end of the month
    int weekday = 7; // NthWeekday, WeekdayOnOrAfter: Qt::DayOfWeek, 7 for Sunday
    int offset = 0;  // Easter: days after Easter Sunday, negative before
    Easter easter = Easter::Western;
    Calendar calendar = Calendar::Chinese;
    bool leapMonth = false; // Chinese: the leap month after `month`
    // A day that lands on one of these weekdays is kept that many days later (earlier when
    // negative), as a memorial day that never falls on a Sabbath's eve: the first that applies.
    struct Move
    {
        int weekday = 5; // Qt::DayOfWeek
        int days = 0;    // -3..3
        bool operator==(const Move&) const = default;
    };
    QList<Move> moves;

    bool operator==(const YearlyRule&) const = default;

    static YearlyRule fixed(int month, int day);
    static YearlyRule nthWeekday(int nth, int weekday, int month);
    static YearlyRule weekdayOnOrAfter(int weekday, int month, int day);
    static YearlyRule fromEaster(int offset, Easter easter = Easter::Western);
    static YearlyRule inCalendar(Calendar calendar, int month, int day, bool leapMonth = false);

    // One line a rule, as the side file and the export's own property keep it:
    // "date 05-12", "weekday 2 SU 05", "after SA 09-16", "easter +49", "orthodox -7",
    // "chinese 01-15", "chinese L04-08", "hebrew 08-27", "islamic 09-01"; the moves after it,
    // "hebrew 08-27 FR-1 SU+1".
    QString toText() const;
    static std::optional<YearlyRule> fromText(const QString& text);

private:
    QString dayText() const; // toText() without the moves
};

// Easter Sunday of a year in the Gregorian calendar.
QDate easterSunday(int year, YearlyRule::Easter easter = YearlyRule::Easter::Western);

// The rule's day for a Gregorian year: an "after" rule from late December can fall early in the
// next, Easter - 100 late in the one before. Invalid when the year has none (a fifth weekday; a day
// of another calendar can miss a Gregorian year, or fall in it twice: then the first).
QDate occurrence(const YearlyRule& rule, int year, LeapDayRule leapDay = LeapDayRule::March1);

// The rule's first day on or after `from`.
QDate nextOccurrence(const YearlyRule& rule, QDate from, LeapDayRule leapDay = LeapDayRule::March1);
