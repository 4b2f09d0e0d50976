#pragma once

#include "core/calendar/occurrence.h"
#include "core/events/birthdayrecord.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>

// Never a missed day: the events whose day came while the program was not running, or the
// computer was off or asleep, are announced once when it comes back.
//
// The setting LastCheck holds when a check last ran (ISO date and time). It is written at the
// first check of each day and after each catch-up, so it costs one write a day. The days
// looked at run from its day to yesterday; an event that was handled on its day carries that
// day in its LastDate and is left out, so a day the program saw in part is neither lost nor
// announced twice.
namespace MissedEvents {

// Only so far back: a computer left off for a season does not greet its user with a list.
inline constexpr int maxDays = 30;
// A longer gap between two checks (every 30 seconds) means the computer slept.
inline constexpr qint64 clockJumpSeconds = 5 * 60;

struct Missed
{
    int key = -1;
    QDate day;               // the day it fell on
    QString entry;           // "Anna Schmidt (Sun 8 Dec - 42 Years)"
    bool showDialog = false; // Alert is exactly "0"

    bool operator==(const Missed&) const = default;
};

QString stampText(const QDateTime& now);
// Whether LastCheck is to be written at a check now: missing, unreadable or of another day.
bool stampDue(const QString& stored, const QDateTime& now);
// Whether the clock moved so far between two checks that the days between need a catch-up.
bool clockJumped(const QDateTime& previousCheck, const QDateTime& now);

// The events missed since the stored LastCheck, by day, then in record order. No stamp (the
// first start) or an unreadable one: nothing missed. Records whose Date does not read are left
// out, as the check leaves them out (and says). Dates are read with locale where they are not
// ISO; the days are shown in shownLocale.
QList<Missed> since(const QList<BirthdayRecord>& records, const QString& lastCheck,
                    const QDateTime& now, LeapDayRule rule, const QLocale& locale = QLocale(),
                    const QLocale& shownLocale = QLocale());

} // namespace MissedEvents
