#include "core/exchange/icalendar.h"

#include <QCoreApplication>

#include <libical/ical.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct ComponentFree
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

struct ParserFree
{
    void operator()(icalparser* parser) const { icalparser_free(parser); }
};

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8 ? utf8 : "").simplified();
}

QByteArray stripBom(const QByteArray& data)
{
    return data.startsWith("\xEF\xBB\xBF") ? data.mid(3) : data;
}

// Hands libical the data one line at a time, as fgets would.
struct LineSource
{
    QByteArray data;
    qsizetype pos = 0;

    static char* next(char* out, size_t size, void* self)
    {
        auto* source = static_cast<LineSource*>(self);
        if (source->pos >= source->data.size() || size < 2)
            return nullptr;
        size_t n = 0;
        while (source->pos < source->data.size() && n + 1 < size) {
            const char c = source->data[source->pos++];
            out[n++] = c;
            if (c == '\n')
                break;
        }
        out[n] = '\0';
        return out;
    }
};

struct IteratorFree
{
    void operator()(icalrecur_iterator* iterator) const { icalrecur_iterator_free(iterator); }
};
using Iterator = std::unique_ptr<icalrecur_iterator, IteratorFree>;

// How many years of a rule are followed to see whether it keeps to one day: a whole cycle of
// weekdays (28 years) shows, and libical's walk through a rule whose filters never match (30
// February) stays short.
constexpr int yearsFollowed = 30;
// How many days of an ending rule are walked to find its last one; a rule that goes on longer
// is as good as endless for a birthday.
constexpr int daysToEnd = 200;
// How many years of a moving day a calendar without its rule is given.
constexpr int movingDaysListed = 10;

QDate dayOf(const icaltimetype& time)
{
    return QDate(time.year, time.month, time.day);
}

bool isLeapDay(QDate day)
{
    return day.month() == 2 && day.day() == 29;
}

// Whether day is first's day of its year: the same day and month, or for 29 February in a
// common year 28 February or 1 March (the leap-day rule chooses which).
bool sameYearlyDay(QDate first, QDate day)
{
    if (day.month() == first.month() && day.day() == first.day())
        return true;
    return isLeapDay(first) && !QDate::isLeapYear(day.year()) &&
           ((day.month() == 2 && day.day() == 28) || (day.month() == 3 && day.day() == 1));
}

// Reads the rule the way it is applied: libical's iterator gives its days, and the event
// repeats yearly only when those days fall once every year on one day (29 February may skip
// the common years). What the rule's parts say is not trusted: BYMONTH=7 with a January start
// happens in July, BYMONTHDAY=-1 in February moves between the 28th and the 29th.
void recurrenceRead(const icalrecurrencetype& rule, const icaltimetype& start,
                    ICalendar::Event& event)
{
    event.repeat = ICalendar::Repeat::Other;
    // Rules finer than a day give several times a day, and libical would walk every second of
    // centuries for one that never matches.
    if (rule.freq < ICAL_DAILY_RECURRENCE || rule.freq == ICAL_NO_RECURRENCE)
        return;
    icalrecurrencetype followed = rule;
    followed.count = 0;
    followed.until = start;
    followed.until.year += yearsFollowed;
    followed.until.month = 12;
    followed.until.day = 31;
    const Iterator days(icalrecur_iterator_new(followed, start));
    QDate first, previous;
    bool yearly = days != nullptr;
    while (yearly) {
        const icaltimetype time = icalrecur_iterator_next(days.get());
        if (icaltime_is_null_time(time))
            break;
        const QDate day = dayOf(time);
        if (!first.isValid()) {
            first = previous = day;
            continue;
        }
        yearly = day.year() > previous.year() && sameYearlyDay(first, day);
        for (int year = previous.year() + 1; yearly && year < day.year(); ++year)
            yearly = isLeapDay(first) && !QDate::isLeapYear(year);
        previous = day;
    }
    event.repeat = yearly && previous.year() > first.year() ? ICalendar::Repeat::Yearly
                                                            : ICalendar::Repeat::Other;
    if (first.isValid())
        event.firstDay = first;

    // Only a yearly rule's end matters: any other is left out anyway.
    if (event.repeat != ICalendar::Repeat::Yearly ||
        (rule.count <= 0 && icaltime_is_null_time(rule.until)))
        return;
    const Iterator limited(icalrecur_iterator_new(rule, start));
    QDate last;
    for (int n = 0; limited; ++n) {
        const icaltimetype time = icalrecur_iterator_next(limited.get());
        if (icaltime_is_null_time(time))
            break;
        if (n == daysToEnd)
            return;
        last = dayOf(time);
    }
    event.lastDay = last;
}

// FREQ=YEARLY;BYMONTH=5;BYDAY=2SU and nothing else: the Nth (or last) weekday of one month.
std::optional<YearlyRule> nthWeekdayRead(const icalrecurrencetype& rule)
{
    const auto only = [](const auto& parts) { return parts[1] == ICAL_RECURRENCE_ARRAY_MAX; };
    const auto none = [](const auto& parts) { return parts[0] == ICAL_RECURRENCE_ARRAY_MAX; };
    if (rule.freq != ICAL_YEARLY_RECURRENCE || rule.interval > 1 || none(rule.by_month) ||
        !only(rule.by_month) || none(rule.by_day) || !only(rule.by_day) ||
        !none(rule.by_month_day) || !none(rule.by_year_day) || !none(rule.by_week_no) ||
        !none(rule.by_set_pos))
        return std::nullopt;
    const int nth = icalrecurrencetype_day_position(rule.by_day[0]);
    // libical counts the weekdays from Sunday (1), Qt from Monday.
    const int icalDay = int(icalrecurrencetype_day_day_of_week(rule.by_day[0]));
    if (nth == 0 || nth < -5 || nth > 5 || icalDay < 1 || rule.by_month[0] < 1 ||
        rule.by_month[0] > 12)
        return std::nullopt;
    return YearlyRule::nthWeekday(nth, icalDay == 1 ? 7 : icalDay - 1, rule.by_month[0]);
}

ICalendar::Event eventRead(icalcomponent* vevent)
{
    ICalendar::Event event;
    event.uid = text(icalcomponent_get_uid(vevent));
    event.summary = text(icalcomponent_get_summary(vevent));
    bool outlookAllDay = false;
    int rules = 0;
    for (icalproperty* p = icalcomponent_get_first_property(vevent, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(vevent, ICAL_ANY_PROPERTY)) {
        switch (icalproperty_isa(p)) {
        case ICAL_XLICERROR_PROPERTY: {
            // Only complaints about the fields read here count: calendar programs write
            // oddities elsewhere (Google an empty DESCRIPTION) that harm nothing.
            const QString complaint = text(icalproperty_get_xlicerror(p));
            for (const char* field : {"DTSTART", "RRULE", "SUMMARY", "RECURRENCE-ID"})
                if (event.error.isEmpty() && complaint.contains(QLatin1String(field)))
                    event.error = complaint;
            break;
        }
        case ICAL_RRULE_PROPERTY:
            ++rules;
            break;
        case ICAL_RECURRENCEID_PROPERTY:
            event.changedOccurrence = true;
            break;
        case ICAL_X_PROPERTY: {
            const QByteArray name = QByteArray(icalproperty_get_x_name(p)).toUpper();
            const QString value = QString::fromUtf8(icalproperty_get_x(p));
            event.extras.append({name, value});
            outlookAllDay = outlookAllDay || (name == "X-MICROSOFT-CDO-ALLDAYEVENT" &&
                                              value.trimmed().compare(QLatin1String("TRUE"),
                                                                      Qt::CaseInsensitive) == 0);
            break;
        }
        default:
            break;
        }
    }
    if (icalcomponent_get_first_property(vevent, ICAL_DTSTART_PROPERTY)) {
        const icaltimetype start = icalcomponent_get_dtstart(vevent);
        event.start = QDate(start.year, start.month, start.day);
        event.allDay = start.is_date ||
                       (outlookAllDay && start.hour == 0 && start.minute == 0 && start.second == 0);
        event.firstDay = *event.start;
        // Two rules together give days no single yearly day can stand for.
        if (rules > 1)
            event.repeat = ICalendar::Repeat::Other;
        else if (icalproperty* rule =
                     icalcomponent_get_first_property(vevent, ICAL_RRULE_PROPERTY)) {
            const icalrecurrencetype recur = icalproperty_get_rrule(rule);
            recurrenceRead(recur, start, event);
            if (event.repeat == ICalendar::Repeat::Other && (event.rule = nthWeekdayRead(recur))) {
                event.repeat = ICalendar::Repeat::Yearly;
                event.firstDay = nextOccurrence(*event.rule, *event.start);
            }
        }
    }
    event.cancelled = icalcomponent_get_status(vevent) == ICAL_STATUS_CANCELLED;
    if (icalcomponent_get_first_component(vevent, ICAL_VALARM_COMPONENT))
        event.alarmAt = QTime(0, 0);
    return event;
}

void calendarRead(icalcomponent* calendar, ICalendar::Calendar& out)
{
    for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
        out.events.append(eventRead(c));
}

icaltimetype dateOf(QDate date)
{
    icaltimetype t = icaltime_null_date();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    return t;
}

// 29 February every year, moved in common years as the rule says: day 60 of the year is
// 29 February in leap years and 1 March otherwise; the last day of February is the 28th.
icalrecurrencetype yearlyRule(QDate date, LeapDayRule rule)
{
    icalrecurrencetype recur;
    icalrecurrencetype_clear(&recur);
    recur.freq = ICAL_YEARLY_RECURRENCE;
    if (date.month() == 2 && date.day() == 29) {
        if (rule == LeapDayRule::March1) {
            recur.by_year_day[0] = 60;
            recur.by_year_day[1] = ICAL_RECURRENCE_ARRAY_MAX;
        } else {
            recur.by_month[0] = 2;
            recur.by_month[1] = ICAL_RECURRENCE_ARRAY_MAX;
            recur.by_month_day[0] = -1;
            recur.by_month_day[1] = ICAL_RECURRENCE_ARRAY_MAX;
        }
    }
    return recur;
}

// A day of another calendar as RFC 7529 writes it, for the calendars that read RSCALE; the
// RDATEs beside it are the same days for those that do not. Months as CLDR numbers them: the
// Hebrew ones from Tishri with Adar I as "5L", a Chinese leap month with an "L". A day a year
// lacks falls on the one before it (the month's last day, a leap month's plain month) but
// Adar I's, which falls in Adar, the month after.
icalproperty* otherCalendarRule(const YearlyRule& rule)
{
    static constexpr const char* scales[] = {"CHINESE", "HEBREW", "ISLAMIC-CIVIL"};
    QString month = QString::number(rule.month);
    bool forward = false;
    if (rule.calendar == YearlyRule::Calendar::Hebrew && rule.month >= 6) {
        forward = rule.month == 6;
        month = forward ? QStringLiteral("5L") : QString::number(rule.month - 1);
    } else if (rule.leapMonth) {
        month += u'L';
    }
    const QString text =
        QStringLiteral("RSCALE=%1;FREQ=YEARLY;BYMONTH=%2;BYMONTHDAY=%3;SKIP=%4")
            .arg(QLatin1String(scales[int(rule.calendar)]), month, QString::number(rule.day),
                 forward ? QLatin1String("FORWARD") : QLatin1String("BACKWARD"));
    return icalproperty_new_rrule(icalrecurrencetype_from_string(text.toLatin1().constData()));
}

// A moving day as an RRULE where one says it; otherwise (Easter, another calendar, a week that
// crosses a month's end, a day moved off some weekdays) as the next years' days, which every
// calendar reads.
void movingDayWrite(icalcomponent* vevent, const YearlyRule& rule, QDate start, LeapDayRule leapDay)
{
    static constexpr const char* weekdays[] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};
    QString recur;
    if (rule.kind == YearlyRule::Kind::NthWeekday) {
        recur = QStringLiteral("FREQ=YEARLY;BYMONTH=%1;BYDAY=%2%3")
                    .arg(rule.month)
                    .arg(rule.nth)
                    .arg(QLatin1String(weekdays[rule.weekday - 1]));
    } else if (rule.kind == YearlyRule::Kind::WeekdayOnOrAfter && rule.day + 6 <= 28) {
        QStringList days;
        for (int day = rule.day; day < rule.day + 7; ++day)
            days.append(QString::number(day));
        recur = QStringLiteral("FREQ=YEARLY;BYMONTH=%1;BYMONTHDAY=%2;BYDAY=%3")
                    .arg(QString::number(rule.month), days.join(u','),
                         QLatin1String(weekdays[rule.weekday - 1]));
    }
    if (!recur.isEmpty() && rule.moves.isEmpty()) {
        icalcomponent_add_property(vevent, icalproperty_new_rrule(icalrecurrencetype_from_string(
                                               recur.toLatin1().constData())));
        return;
    }
    // libical reads and writes RSCALE only when built with ICU; the RDATEs say the days anyway.
    if (rule.kind == YearlyRule::Kind::OtherCalendar && rule.moves.isEmpty() &&
        icalrecurrencetype_rscale_is_supported())
        icalcomponent_add_property(vevent, otherCalendarRule(rule));
    QDate day = start;
    for (int n = 0; n < movingDaysListed && day.isValid(); ++n) {
        day = nextOccurrence(rule, day.addDays(1), leapDay);
        if (!day.isValid())
            break;
        icaldatetimeperiodtype when;
        when.time = dateOf(day);
        when.period = icalperiodtype_null_period();
        icalcomponent_add_property(vevent, icalproperty_new_rdate(when));
    }
}

icalproperty* extraProperty(const QByteArray& name, const QString& value)
{
    icalproperty* p = icalproperty_new_x(value.toUtf8().constData());
    icalproperty_set_x_name(p, name.constData());
    return p;
}

icalcomponent* eventWrite(const ICalendar::Event& event, const icaltimetype& stamp)
{
    icalcomponent* vevent = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(vevent, icalproperty_new_uid(event.uid.toUtf8().constData()));
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stamp));
    const QDate start = event.start.value_or(QDate());
    icalcomponent_add_property(vevent, icalproperty_new_dtstart(dateOf(start)));
    // An all-day event ends where the next day begins.
    icalcomponent_add_property(vevent, icalproperty_new_dtend(dateOf(start.addDays(1))));
    if (event.repeat == ICalendar::Repeat::Yearly && event.rule)
        movingDayWrite(vevent, *event.rule, start, event.leapDayRule);
    else if (event.repeat == ICalendar::Repeat::Yearly)
        icalcomponent_add_property(vevent,
                                   icalproperty_new_rrule(yearlyRule(start, event.leapDayRule)));
    icalcomponent_add_property(vevent,
                               icalproperty_new_summary(event.summary.toUtf8().constData()));
    // A birthday leaves the day free for other appointments.
    icalcomponent_add_property(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    for (const auto& [name, value] : event.extras)
        icalcomponent_add_property(vevent, extraProperty(name, value));
    if (event.alarmAt) {
        icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(
            alarm, icalproperty_new_description(event.summary.toUtf8().constData()));
        icaltriggertype trigger;
        trigger.time = icaltime_null_time();
        trigger.duration = icaldurationtype_from_int(event.alarmAt->msecsSinceStartOfDay() / 1000);
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        icalcomponent_add_component(vevent, alarm);
    }
    return vevent;
}

// Each line of the data in turn, in place, after a BOM; stops when the visitor returns false.
template <typename Visit> void forEachLine(const QByteArray& data, Visit visit)
{
    for (qsizetype pos = data.startsWith("\xEF\xBB\xBF") ? 3 : 0; pos <= data.size();) {
        qsizetype end = data.indexOf('\n', pos);
        if (end < 0)
            end = data.size();
        if (!visit(QByteArrayView(data).sliced(pos, end - pos)))
            return;
        pos = end + 1;
    }
}

bool startsWithLine(const QByteArray& data, const char* wanted)
{
    bool found = false;
    forEachLine(data, [&](QByteArrayView line) {
        line = line.trimmed();
        found = line.compare(wanted, Qt::CaseInsensitive) == 0;
        return line.isEmpty();
    });
    return found;
}

bool startsWith(QByteArrayView line, QByteArrayView head)
{
    return line.size() >= head.size() &&
           line.first(head.size()).compare(head, Qt::CaseInsensitive) == 0;
}

// How deep BEGIN lines nest. libical frees what it read recursively, so a file nesting
// deeper than any calendar does (a calendar, its events, their alarms) could exhaust the
// stack; counted before libical sees the data. A folded line starts with a blank and is no
// BEGIN or END line.
int nestingDepth(const QByteArray& data)
{
    int depth = 0, deepest = 0;
    forEachLine(data, [&](QByteArrayView line) {
        if (startsWith(line, "BEGIN:"))
            deepest = std::max(deepest, ++depth);
        else if (startsWith(line, "END:"))
            depth = std::max(depth - 1, 0);
        return true;
    });
    return deepest;
}

} // namespace

namespace ICalendar {

bool looksLike(const QByteArray& data)
{
    return startsWithLine(data, "BEGIN:VCALENDAR");
}

Calendar read(const QByteArray& data)
{
    Calendar calendar;
    if (!looksLike(data)) {
        calendar.error = QCoreApplication::translate(
            "ICalendar", "It is not an iCalendar file: it does not start with BEGIN:VCALENDAR.");
        return calendar;
    }
    if (nestingDepth(data) > maxNesting) {
        calendar.error = QCoreApplication::translate(
                             "ICalendar", "Its BEGIN lines nest deeper than %1 levels, deeper than "
                                          "any calendar: it is not read.")
                             .arg(maxNesting);
        return calendar;
    }
    LineSource source{stripBom(data)};
    std::unique_ptr<icalparser, ParserFree> parser(icalparser_new());
    icalparser_set_gen_data(parser.get(), &source);
    const Component root(icalparser_parse(parser.get(), &LineSource::next));
    // What is still open at the end of the data never got its END line. The parser keeps
    // what this returns and frees it itself.
    const bool unfinished = icalparser_clean(parser.get()) != nullptr;
    if (unfinished || !root) {
        calendar.error = QCoreApplication::translate(
            "ICalendar", "The file ends in the middle of a calendar (a BEGIN line "
                         "has no END line): it looks cut off.");
        return calendar;
    }
    if (icalcomponent_isa(root.get()) == ICAL_XROOT_COMPONENT) {
        for (icalcomponent* c =
                 icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
             c; c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            calendarRead(c, calendar);
    } else {
        calendarRead(root.get(), calendar);
    }
    return calendar;
}

QByteArray write(const QList<Event>& events, const QDateTime& stamp, const QString& productId,
                 const QString& calendarName)
{
    const Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(),
                               icalproperty_new_prodid(productId.toUtf8().constData()));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    // The name calendar programs give the calendar they make of the file.
    icalcomponent_add_property(calendar.get(), extraProperty("X-WR-CALNAME", calendarName));
    const icaltimetype dtstamp =
        icaltime_from_timet_with_zone(stamp.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
    for (const Event& event : events)
        icalcomponent_add_component(calendar.get(), eventWrite(event, dtstamp));
    char* written = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray bytes(written);
    std::free(written);
    return bytes;
}

} // namespace ICalendar
