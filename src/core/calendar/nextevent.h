#pragma once

#include "core/calendar/occurrence.h"
#include "core/events/birthdayrecord.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

// What is coming up: an event's next occurrence as the list's "Next", "In" and "Age" columns
// and the tray icon's tip show it.
struct NextEvent
{
    int key = -1;
    QString name;
    Occurrence next;
    bool showAge = false;  // ShowYears is "1" and the occurrence is an anniversary
    bool yearless = false; // a day and month without a year: no year is shown

    QString dateText(const QLocale& locale = QLocale()) const; // the user's short form
    QString inText() const;                                    // "today", "in 12 days"
    QString ageText() const;                                   // "" unless showAge
};

// The record's coming occurrence; none when its date does not read or a one-off has passed.
std::optional<NextEvent> nextEvent(const BirthdayRecord& record, QDate today, LeapDayRule rule,
                                   const QLocale& locale = QLocale());

// One record's stored date, read, and its coming occurrence.
struct RecordDates
{
    std::optional<QDate> date;     // none when the stored Date does not read
    std::optional<NextEvent> next; // none without a date, or once a one-off has passed
};

// The dates of the records of one refresh, each worked out once: the reminder check, the list's
// "Date", "Next", "In" and "Age" columns and the tray icon's tip all take them from here, so
// they agree and no date is read twice.
struct ComingEvents
{
    QDate today;
    LeapDayRule rule = LeapDayRule::March1;
    QList<RecordDates> records; // one per record, in record order

    // The soonest coming occurrence of all; of several on one day, the first in record order.
    std::optional<NextEvent> soonest() const;
};

ComingEvents comingEvents(const QList<BirthdayRecord>& records, QDate today, LeapDayRule rule,
                          const QLocale& locale = QLocale());
// The tray icon's tip: "Marrowfell Candlewatcher — next: Anna Schmidt, in 2 days", or the
// plain tip when nothing is coming.
QString trayTipText(const std::optional<NextEvent>& soonest);
