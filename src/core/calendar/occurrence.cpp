#include "core/calendar/occurrence.h"

#include <QCoreApplication>

namespace LeapDayRules {

QString name(LeapDayRule rule)
{
    return rule == LeapDayRule::February28 ? QStringLiteral("February28")
                                           : QStringLiteral("March1");
}

LeapDayRule fromName(const QString& name)
{
    return name == QLatin1String("February28") ? LeapDayRule::February28 : LeapDayRule::March1;
}

} // namespace LeapDayRules

namespace {

struct MonthDay
{
    int month = 0;
    int day = 0;
    auto operator<=>(const MonthDay&) const = default;
};

// The month and day the event falls on in `year`.
MonthDay anniversaryDay(int month, int day, int year, LeapDayRule rule)
{
    if (month == 2 && day == 29 && !QDate::isLeapYear(year))
        return rule == LeapDayRule::February28 ? MonthDay{2, 28} : MonthDay{3, 1};
    return {month, day};
}

} // namespace

QDate anniversary(QDate date, int year, LeapDayRule rule)
{
    int month = 0, day = 0;
    date.getDate(nullptr, &month, &day);
    const MonthDay when = anniversaryDay(month, day, year, rule);
    return QDate(year, when.month, when.day);
}

std::optional<Occurrence> nextOccurrence(QDate date, bool recurs, QDate today, LeapDayRule rule)
{
    if (!date.isValid() || !today.isValid())
        return std::nullopt;
    Occurrence next;
    if (date >= today) {
        next.date = date;
        next.stored = true;
    } else if (!recurs) {
        return std::nullopt;
    } else {
        // QDate's year(), month() and day() each work the calendar out anew, and so does
        // building a QDate: both dates are taken apart once, and only the anniversary that
        // counts is built. A refresh asks this of every record.
        int eventYear = 0, month = 0, day = 0;
        date.getDate(&eventYear, &month, &day);
        // Today is the same for every event of a refresh: it is taken apart once.
        thread_local QDate known;
        thread_local int knownYear = 0, todayMonth = 0, todayDay = 0;
        if (today != known) {
            today.getDate(&knownYear, &todayMonth, &todayDay);
            known = today;
        }
        int year = knownYear;
        MonthDay when = anniversaryDay(month, day, year, rule);
        if (when < MonthDay{todayMonth, todayDay})
            when = anniversaryDay(month, day, ++year, rule);
        next.date = QDate(year, when.month, when.day);
        next.years = year - eventYear;
    }
    next.days = today.daysTo(next.date);
    return next;
}

QList<QDate> occurrencesBetween(QDate date, bool recurs, QDate first, QDate last, LeapDayRule rule)
{
    QList<QDate> days;
    if (!date.isValid() || !first.isValid() || !last.isValid())
        return days;
    if (!recurs) {
        if (date >= first && date <= last)
            days.append(date);
        return days;
    }
    for (int year = first.year(); year <= last.year(); ++year) {
        const QDate day = anniversary(date, year, rule);
        if (day >= date && day >= first && day <= last)
            days.append(day);
    }
    return days;
}

QString daysUntilText(qint64 days)
{
    if (days == 0)
        //: The list's narrow "In" column and the tray icon's tip: keep it short.
        return QCoreApplication::translate("Occurrence", "today");
    if (days == 1)
        //: The list's narrow "In" column and the tray icon's tip: keep it short.
        return QCoreApplication::translate("Occurrence", "tomorrow");
    // %Ln, not arg(): arg() took most of the list's "In" column.
    //: The list's narrow "In" column and the tray icon's tip: keep it short.
    return QCoreApplication::translate("Occurrence", "in %Ln days", nullptr, int(days));
}
