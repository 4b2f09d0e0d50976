#pragma once

#include "core/calendar/nextevent.h"
#include "core/calendar/occurrence.h"
#include "core/events/birthdayrecord.h"
#include "core/settings/settingkeys.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// The settings one run of the reminder check reads, as stored (already defaulted by the
// settings store).
struct ReminderSettings
{
    QString notifyEvery = QLatin1String(Setting::notifyEvery.defaultText);
    QString notifyTime;
    QString notifyDate;
    QString alertTime = QLatin1String(Setting::alertTime.defaultText);
    LeapDayRule leapDayRule = LeapDayRule::March1;
};

// A record due today whose day has not been handled yet: it gets its alert dialog (when its
// Alert field asks for one) and then its LastDate stamp.
struct ReminderAlert
{
    int key = -1;
    QString name;
    bool showDialog = false; // Alert is exactly "0"

    bool operator==(const ReminderAlert&) const = default;
};

// What one run of the check decided; the caller carries it out.
struct ReminderDecision
{
    QStringList soonEntries;  // soonest first; of one day, in record order
    QStringList todayEntries; // in record order
    QList<ReminderAlert> alerts;
    bool show = false;           // the notification window is to be shown
    bool firstCheckDone = false; // the caller's flag after this run
    int skippedRecords = 0;      // records left out because a field did not convert
    // Every record's date and coming occurrence, as the check worked them out: the list and
    // the tray icon's tip show the same, without reading the dates again.
    ComingEvents coming;

    // The texts of the notification window: entries joined with CR LF, or the "nothing" texts.
    QString soonText() const;
    QString todayText() const;
};

// The reminder check's decision, without any window or file: classifies every record as due
// today, soon or neither, picks the records due their alert and LastDate stamp, and decides
// whether the notification window shows. A record whose Date, Notify or (when it matters)
// LastDate does not convert is skipped; the others are still checked. The dates are those of
// today under the settings' leap-day rule. Stored dates and times not in ISO form are read
// with locale, the language that wrote them; the entries show dates in shownLocale's form.
ReminderDecision reminderDecide(const QList<BirthdayRecord>& records, const QDateTime& now,
                                bool forceShow, bool firstCheckDone,
                                const ReminderSettings& settings, const QLocale& locale = QLocale(),
                                const QLocale& shownLocale = QLocale());
