#pragma once

#include "core/calendar/occurrence.h"
#include "core/rules/yearlyrule.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>

#include <optional>
#include <utility>

// The part of iCalendar (RFC 5545) the program reads and writes, done by libical: the one file
// that sees libical, so the rest of the program deals in these few fields only.
namespace ICalendar {

enum class Repeat {
    None,
    Yearly, // every year on the start's day (29 February: as leapDayRule says)
    Other,  // any other rule: weekly, every other year, the second Sunday of May...
};

struct Event
{
    QString uid;
    QString summary;
    std::optional<QDate> start; // the start's date (invalid when unreadable); none without DTSTART
    bool allDay = false;        // a date without a time, or Outlook's all-day mark at midnight
    // Written: the rule made for start. Read: Yearly when the rule gives one day every year (29
    // February only in leap years counts), whatever its parts say.
    Repeat repeat = Repeat::None;
    // Read: the first day the event happens, as its rule gives it (a rule for July with a
    // January start happens in July); the start when it does not repeat.
    QDate firstDay;
    // Read: the last day a repeating event happens when its rule ends (COUNT, UNTIL), invalid
    // when the rule gives no day at all; none when it goes on.
    std::optional<QDate> lastDay;
    bool cancelled = false;                        // read: STATUS:CANCELLED
    LeapDayRule leapDayRule = LeapDayRule::March1; // written only
    // A yearly day that moves (Repeat::Yearly). Written: an RRULE where one says it (BYDAY), a
    // list of the next years' days (RDATE) where none does. Read: an RRULE's Nth or last
    // weekday of one month.
    std::optional<YearlyRule> rule;
    bool changedOccurrence = false; // one occurrence of a repeating event moved (RECURRENCE-ID)
    // Written: a reminder at this time of the event's day. Read: midnight for any alarm.
    std::optional<QTime> alarmAt;
    // X- properties, names in upper case.
    QList<std::pair<QByteArray, QString>> extras;
    QString error; // what libical could not read in this event; empty when it read cleanly

    QString extra(const QByteArray& name) const
    {
        for (const auto& [key, value] : extras)
            if (key == name)
                return value;
        return {};
    }
};

struct Calendar
{
    QList<Event> events;
    QString error; // the file as a whole is unreadable: not iCalendar, or cut off
};

// Whether the data starts like an iCalendar file (BEGIN:VCALENDAR after blank lines and a BOM).
bool looksLike(const QByteArray& data);

// Calendars nest two or three levels (VCALENDAR, VEVENT, VALARM; VTIMEZONE, STANDARD); data
// nesting deeper is refused unread.
inline constexpr int maxNesting = 8;

// The VEVENTs of every VCALENDAR in the data.
Calendar read(const QByteArray& data);

// One VCALENDAR holding the events as all-day events, in UTF-8 with CRLF line ends. stamp is
// the DTSTAMP of every event.
QByteArray write(const QList<Event>& events, const QDateTime& stamp, const QString& productId,
                 const QString& calendarName);

} // namespace ICalendar
