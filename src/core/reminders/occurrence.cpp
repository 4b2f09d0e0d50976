#include "occurrence.h"

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

QDate anniversaryOf(int month, int day, int year, LeapDayRule rule)
{
    if (month == 2 && day == 29 && !QDate::isLeapYear(year))
        return rule == LeapDayRule::February28 ? QDate(year, 2, 28) : QDate(year, 3, 1);
    return QDate(year, month, day);
}

} // namespace

QDate anniversary(QDate date, int year, LeapDayRule rule)
{
    return anniversaryOf(date.month(), date.day(), year, rule);
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
        // Each of QDate's year(), month() and day() works the calendar out anew: one getDate
        // does it once. The check asks this of every record.
        int eventYear = 0, month = 0, day = 0;
        date.getDate(&eventYear, &month, &day);
        int year = today.year();
        next.date = anniversaryOf(month, day, year, rule);
        if (next.date < today)
            next.date = anniversaryOf(month, day, ++year, rule);
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
        return QStringLiteral("today");
    if (days == 1)
        return QStringLiteral("tomorrow");
    // Concatenated: arg() took most of the list's "In" column.
    return QStringLiteral("in ") + QString::number(days) + QStringLiteral(" days");
}
