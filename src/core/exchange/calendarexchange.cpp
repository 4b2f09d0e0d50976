#include "core/exchange/calendarexchange.h"

#include "core/calendar/clock.h"
#include "core/exchange/icalendar.h"
#include "core/program/programidentity.h"
#include "core/settings/settingsstore.h"
#include "core/text/textconv.h"

#include <QCoreApplication>
#include <QUuid>

namespace {

const QByteArray notifyProperty = "X-CANDLEWATCHER-NOTIFY";
const QByteArray showYearsProperty = "X-CANDLEWATCHER-SHOWYEARS";
// A moving day's rule as this program keeps it, so its own export reads back the same.
const QByteArray ruleProperty = "X-CANDLEWATCHER-RULE";
// Apple's birthday calendars start a day without a year in 1604 and say so here; Nextcloud's
// start it in 1970 and mark it with the second.
constexpr int omittedYear = 1604;
const QByteArray omitYearProperty = "X-APPLE-OMIT-YEAR";
const QByteArray unknownYearProperty = "X-NEXTCLOUD-BC-UNKNOWN-YEAR";

ImportEntry entryOf(const ICalendar::Event& event)
{
    using Problem = ImportEntry::Problem;
    ImportEntry entry;
    entry.uid = event.uid;
    entry.name = event.summary.isEmpty()
                     ? QCoreApplication::translate("CalendarExchange", "(an event without a name)")
                     : event.summary;
    const auto problem = [&](Problem kind, const QString& reason) {
        entry.problem = kind;
        entry.reason = reason;
        return entry;
    };
    if (!event.error.isEmpty())
        return problem(Problem::Broken,
                       QCoreApplication::translate("CalendarExchange", "it could not be read: %1")
                           .arg(event.error));
    if (event.summary.isEmpty())
        return problem(Problem::Broken,
                       QCoreApplication::translate("CalendarExchange", "the event has no name"));
    if (event.changedOccurrence)
        return problem(Problem::LeftOut,
                       QCoreApplication::translate("CalendarExchange",
                                                   "it moves one day of a repeating event"));
    if (!event.start)
        return problem(Problem::NoDate, QCoreApplication::translate("CalendarExchange",
                                                                    "the event has no start date"));
    if (!event.start->isValid() || event.start->year() < 1)
        return problem(Problem::Broken,
                       QCoreApplication::translate("CalendarExchange", "its start is not a date"));
    if (event.cancelled)
        return problem(Problem::LeftOut,
                       QCoreApplication::translate("CalendarExchange", "it was cancelled"));
    if (!event.allDay)
        return problem(Problem::LeftOut, QCoreApplication::translate("CalendarExchange",
                                                                     "it is not an all-day event"));
    entry.rule = event.rule ? event.rule : YearlyRule::fromText(event.extra(ruleProperty));
    if (event.repeat == ICalendar::Repeat::Other && !entry.rule)
        return problem(Problem::LeftOut,
                       QCoreApplication::translate("CalendarExchange",
                                                   "it does not repeat on one day every year"));
    entry.date = event.firstDay;
    entry.recurs = event.repeat == ICalendar::Repeat::Yearly || entry.rule;
    entry.lastDay = event.lastDay;
    // Birthday calendars of address books that keep no year use a placeholder year.
    entry.hasYear =
        !entry.recurs || !(entry.date.year() == omittedYear ||
                           event.extra(omitYearProperty) == QString::number(entry.date.year()) ||
                           event.extra(unknownYearProperty) == QLatin1String("1"));
    entry.notify = event.extra(notifyProperty);
    entry.showYears = event.extra(showYearsProperty);
    // A day needs no alarm in the calendar to be announced: only this program's own export,
    // which carries its other fields, says "do nothing" by leaving the alarm out.
    if (event.alarmAt)
        entry.alert = QStringLiteral("0");
    else if (!entry.notify.isEmpty())
        entry.alert = QStringLiteral("1");
    return entry;
}

} // namespace

namespace CalendarExchange {

ImportFile importRead(const QByteArray& data)
{
    const ICalendar::Calendar calendar = ICalendar::read(data);
    ImportFile file;
    file.error = calendar.error;
    for (const ICalendar::Event& event : calendar.events)
        file.entries.append(entryOf(event));
    return file;
}

ExportOptions exportOptions(SettingsStore& settings, const Clock& clock)
{
    ExportOptions options;
    options.leapDayRule = LeapDayRules::fromName(settings.read(Setting::leapDayEvents));
    options.alertTime = settings.read(Setting::alertTime);
    options.calendarId = calendarId(settings);
    options.stamp = clock.now();
    return options;
}

QString eventUid(int key, const QString& calendarId)
{
    return QStringLiteral("%1-%2@candlewatcher").arg(key).arg(calendarId);
}

QString calendarId(SettingsStore& settings)
{
    QString id = settings.read(Setting::calendarId);
    if (id.isEmpty()) {
        id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        settings.write(Setting::calendarId, id);
    }
    return id;
}

Export exportRecords(const QList<BirthdayRecord>& records, const ExportOptions& options,
                     const QLocale& locale)
{
    Export result;
    QList<ICalendar::Event> events;
    for (const BirthdayRecord& record : records) {
        const std::optional<QDate> date =
            TextConv::textToDate(record.value(BirthdayRecord::Date), locale);
        if (!date) {
            result.unreadable.append(record.value(BirthdayRecord::Name));
            continue;
        }
        ICalendar::Event event;
        event.uid = eventUid(record.key, options.calendarId);
        event.summary = record.value(BirthdayRecord::Name);
        event.start = *date;
        event.repeat = record.value(BirthdayRecord::Recurs) == QLatin1String("1")
                           ? ICalendar::Repeat::Yearly
                           : ICalendar::Repeat::None;
        event.leapDayRule = options.leapDayRule;
        const bool yearless = event.repeat == ICalendar::Repeat::Yearly && record.isYearless();
        if (yearless)
            event.start = QDate(omittedYear, record.rule->month, record.rule->day);
        else if (event.repeat == ICalendar::Repeat::Yearly)
            event.rule = record.rule;
        if (record.value(BirthdayRecord::Alert) == QLatin1String("0"))
            event.alarmAt = options.alertTime;
        event.extras = {{notifyProperty, record.value(BirthdayRecord::Notify)},
                        {showYearsProperty, record.value(BirthdayRecord::ShowYears)}};
        if (yearless)
            event.extras.append({omitYearProperty, QString::number(omittedYear)});
        if (event.rule || yearless)
            event.extras.append({ruleProperty, record.rule->toText()});
        events.append(event);
    }
    result.events = int(events.size());
    result.ics =
        ICalendar::write(events, options.stamp,
                         QStringLiteral("-//%1//%2 %3//EN")
                             .arg(organisationName(), programTitle(), TextConv::versionText()),
                         programTitle());
    return result;
}

} // namespace CalendarExchange
