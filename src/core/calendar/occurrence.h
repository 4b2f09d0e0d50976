#pragma once

#include "core/rules/leapday.h"
#include "core/rules/yearlyrule.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// When an event falls: the one rule that the reminder check, the list's "Next" column, the
// command line's upcoming list and the calendar export share, so they can never disagree.

// The event's day in `year`. Only 29 February can miss a year; the rule says where it goes.
QDate anniversary(QDate date, int year, LeapDayRule rule = LeapDayRule::March1);

struct Occurrence
{
    QDate date;          // today or later
    qint64 days = 0;     // from today; 0 for today
    int years = 0;       // the age at that occurrence: its year minus the event's year
    bool stored = false; // it is the stored date itself, not an anniversary of it
};

// The event's occurrence on or after today. A one-off event falls on its date only, and has
// none once that has passed. A recurring event falls on its stored date while that lies
// ahead, otherwise on this year's anniversary, or next year's once this year's has passed. A
// recurring event with a moving day (`moving`) falls on that rule's days alone: its stored date
// is only the rule's next day as an older copy reads it.
std::optional<Occurrence> nextOccurrence(QDate date, bool recurs, QDate today,
                                         LeapDayRule rule = LeapDayRule::March1,
                                         const std::optional<YearlyRule>& moving = {});

// Every day from `first` to `last` (both included) on which the event falls, oldest first. A
// recurring event falls on its stored date and on each anniversary after it, none before it;
// one with a moving day on each of the rule's days.
QList<QDate> occurrencesBetween(QDate date, bool recurs, QDate first, QDate last,
                                LeapDayRule rule = LeapDayRule::March1,
                                const std::optional<YearlyRule>& moving = {});

// How far off an occurrence is, in words: "today", "tomorrow", "in 12 days".
QString daysUntilText(qint64 days);
