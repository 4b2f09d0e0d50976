#pragma once

#include "core/calendar/occurrence.h"
#include "core/events/birthdayrecord.h"
#include "core/exchange/importentry.h"
#include "core/settings/settingkeys.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>

class Clock;
class SettingsStore;

// Events to and from iCalendar files: what an event of a calendar becomes, and what a record
// becomes in a calendar. The export carries the fields a calendar has no place for as X-
// properties, so importing it again gives the same events.
namespace CalendarExchange {

// All-day events repeating yearly become recurring events, other single all-day events
// one-off ones. Timed events, other repeats and moved occurrences are left out.
ImportFile importRead(const QByteArray& data);

struct ExportOptions
{
    LeapDayRule leapDayRule = LeapDayRule::March1;
    // Of the alarm on the day of an event whose Alert is "0".
    QTime alertTime = Setting::defaultTime(Setting::alertTime);
    QString calendarId; // makes the UIDs of this program's events its own
    QDateTime stamp;    // DTSTAMP
};

// The settings the export follows (LeapDayEvents, AlertTime, CalendarId) and the clock.
ExportOptions exportOptions(SettingsStore& settings, const Clock& clock);

// An event's UID: the same for a record in every export, so a calendar that imports the file
// again updates its events instead of adding them twice.
QString eventUid(int key, const QString& calendarId);

// A random id, made on first use and kept in the setting "CalendarId", that keeps the UIDs of
// two people's events apart in one calendar.
QString calendarId(SettingsStore& settings);

struct Export
{
    QByteArray ics;
    int events = 0;
    QStringList unreadable; // names of the records left out because their date did not read
};

Export exportRecords(const QList<BirthdayRecord>& records, const ExportOptions& options,
                     const QLocale& locale = QLocale());

} // namespace CalendarExchange
