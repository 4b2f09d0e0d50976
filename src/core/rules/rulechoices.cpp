#include "core/rules/rulechoices.h"

#include "core/rules/othercalendar.h"

#include <QCoreApplication>

#include <array>

namespace {

// Farther from Easter than this, a day is unlikely to be kept by it.
constexpr int furthestFromEaster = 100;

// A Gregorian day on which the rule's own day of its calendar falls, unmoved and unclamped
// (a Chinese leap month comes only in some years); invalid when none is found in 60 years.
QDate dayInCalendar(const YearlyRule& rule)
{
    QDate day(2000, 1, 1);
    for (int year = 0; year < 60 && day.isValid(); ++year, day = day.addDays(1)) {
        day = OtherCalendar::nextOccurrence(rule, day);
        const std::optional<OtherCalendar::Date> other =
            OtherCalendar::fromGregorian(rule.calendar, day);
        if (other && other->month == rule.month && other->day == rule.day &&
            other->leapMonth == rule.leapMonth)
            return day;
    }
    return {};
}

QString otherCalendarDay(const YearlyRule& rule, const QLocale& locale)
{
    const QString shown = dayInOwnCalendar(rule, dayInCalendar(rule), locale);
    switch (rule.calendar) {
    case YearlyRule::Calendar::Chinese:
        //: %1 is a day and month of the Chinese calendar, as ICU writes it ("Second Month 26").
        return QCoreApplication::translate("YearlyRule", "on %1 in the Chinese calendar")
            .arg(shown);
    case YearlyRule::Calendar::Hebrew:
        //: %1 is a day and month of the Hebrew calendar ("27 Nisan").
        return QCoreApplication::translate("YearlyRule", "on %1 in the Hebrew calendar").arg(shown);
    case YearlyRule::Calendar::IslamicCivil:
        //: %1 is a day and month of the Islamic calendar ("1 Ramadan").
        return QCoreApplication::translate("YearlyRule", "on %1 in the Islamic calendar")
            .arg(shown);
    }
    return shown;
}

QString weekdayOfMonth(const YearlyRule& rule, const QLocale& locale)
{
    //: In each, %1 is a weekday ("Sunday") and %2 a month ("May").
    static constexpr std::array<const char*, 5> fromStart = {
        QT_TRANSLATE_NOOP("YearlyRule", "on the first %1 of %2"),
        QT_TRANSLATE_NOOP("YearlyRule", "on the second %1 of %2"),
        QT_TRANSLATE_NOOP("YearlyRule", "on the third %1 of %2"),
        QT_TRANSLATE_NOOP("YearlyRule", "on the fourth %1 of %2"),
        QT_TRANSLATE_NOOP("YearlyRule", "on the fifth %1 of %2")};
    static constexpr std::array<const char*, 5> fromEnd = {
        QT_TRANSLATE_NOOP("YearlyRule", "on the last %1 of %2"),
        QT_TRANSLATE_NOOP("YearlyRule", "on the second-last %1 of %2"),
        QT_TRANSLATE_NOOP("YearlyRule", "on the third-last %1 of %2"),
        QT_TRANSLATE_NOOP("YearlyRule", "on the fourth-last %1 of %2"),
        QT_TRANSLATE_NOOP("YearlyRule", "on the fifth-last %1 of %2")};
    const int index = qBound(0, qAbs(rule.nth) - 1, 4);
    return QCoreApplication::translate("YearlyRule", rule.nth > 0 ? fromStart[size_t(index)]
                                                                  : fromEnd[size_t(index)])
        .arg(locale.dayName(rule.weekday), locale.monthName(rule.month));
}

QString fromEaster(const YearlyRule& rule, const QLocale& locale)
{
    const bool western = rule.easter == YearlyRule::Easter::Western;
    if (rule.offset == 0)
        return western ? QCoreApplication::translate("YearlyRule", "on Easter Sunday")
                       : QCoreApplication::translate("YearlyRule", "on Orthodox Easter Sunday");
    const QString days = locale.toString(qAbs(rule.offset));
    if (rule.offset > 0)
        //: %1 is a number of days, 1 or more.
        return (western
                    ? QCoreApplication::translate("YearlyRule", "%1 day(s) after Easter")
                    : QCoreApplication::translate("YearlyRule", "%1 day(s) after Orthodox Easter"))
            .arg(days);
    //: %1 is a number of days, 1 or more.
    return (western ? QCoreApplication::translate("YearlyRule", "%1 day(s) before Easter")
                    : QCoreApplication::translate("YearlyRule", "%1 day(s) before Orthodox Easter"))
        .arg(days);
}

} // namespace

QList<YearlyRule> rulesThrough(QDate date)
{
    if (!date.isValid())
        return {};
    QList<YearlyRule> offered = {YearlyRule::fixed(date.month(), date.day())};
    const int nth = (date.day() - 1) / 7 + 1;
    if (nth < 5)
        offered << YearlyRule::nthWeekday(nth, date.dayOfWeek(), date.month());
    if (date.day() + 7 > date.daysInMonth())
        offered << YearlyRule::nthWeekday(-1, date.dayOfWeek(), date.month());
    for (const YearlyRule::Easter easter :
         {YearlyRule::Easter::Western, YearlyRule::Easter::Orthodox}) {
        const qint64 offset = easterSunday(date.year(), easter).daysTo(date);
        if (qAbs(offset) <= furthestFromEaster)
            offered << YearlyRule::fromEaster(int(offset), easter);
    }
    for (const YearlyRule::Calendar calendar :
         {YearlyRule::Calendar::Chinese, YearlyRule::Calendar::Hebrew,
          YearlyRule::Calendar::IslamicCivil}) {
        if (const std::optional<OtherCalendar::Date> other =
                OtherCalendar::fromGregorian(calendar, date))
            offered << YearlyRule::inCalendar(calendar, other->month, other->day, other->leapMonth);
    }
    // Only what truly falls on the day: a calendar ICU cannot open offers nothing.
    offered.removeIf([date](const YearlyRule& rule) { return nextOccurrence(rule, date) != date; });
    return offered;
}

QString describeRule(const YearlyRule& rule, const QLocale& locale)
{
    QString text;
    switch (rule.kind) {
    case YearlyRule::Kind::Fixed:
        text = QCoreApplication::translate("YearlyRule", "on this date");
        break;
    case YearlyRule::Kind::NthWeekday:
        text = weekdayOfMonth(rule, locale);
        break;
    case YearlyRule::Kind::WeekdayOnOrAfter:
        //: %1 is a weekday ("Saturday"), %2 a day and month ("16/09").
        text = QCoreApplication::translate("YearlyRule", "on the first %1 on or after %2")
                   .arg(locale.dayName(rule.weekday),
                        locale.toString(QDate(2000, rule.month, rule.day), u"d MMMM"));
        break;
    case YearlyRule::Kind::Easter:
        text = fromEaster(rule, locale);
        break;
    case YearlyRule::Kind::OtherCalendar:
        text = otherCalendarDay(rule, locale);
        break;
    }
    if (rule.moves.isEmpty())
        return text;
    QStringList weekdays;
    for (const YearlyRule::Move& move : rule.moves)
        weekdays << locale.dayName(move.weekday);
    //: %1 is when the day falls ("on 27 Nisan in the Hebrew calendar"), %2 the weekdays it is
    //: moved off ("Friday and Sunday").
    return QCoreApplication::translate("YearlyRule", "%1, moved when it falls on %2")
        .arg(text, locale.createSeparatedList(weekdays));
}

QString dayInOwnCalendar(const YearlyRule& rule, QDate date, const QLocale& locale)
{
    const QString words =
        date.isValid() ? OtherCalendar::dayAndMonthText(rule.calendar, date, locale) : QString();
    if (!words.isEmpty())
        return words;
    const std::optional<OtherCalendar::Date> other =
        OtherCalendar::fromGregorian(rule.calendar, date);
    //: %1 is a day of a month of another calendar, %2 the month's number in that calendar.
    return QCoreApplication::translate("YearlyRule", "day %1 of month %2")
        .arg(locale.toString(other ? other->day : rule.day),
             locale.toString(other ? other->month : rule.month));
}
