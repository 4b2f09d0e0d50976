#include "core/rules/othercalendar.h"

#include <unicode/ucal.h>
#include <unicode/udat.h>
#include <unicode/udatpg.h>

#include <array>
#include <memory>
#include <string>

namespace OtherCalendar {

namespace {

// Hebrew months as ICU counts them from 0: Tishri ... Adar I (5), Adar (6), Nisan (7) ... Elul.
constexpr int hebrewAdar1 = 5;
constexpr qint64 msPerDay = 24 * 60 * 60 * 1000;
constexpr qint64 unixEpochJulianDay = 2440588;

struct CalendarCloser
{
    void operator()(UCalendar* calendar) const { ucal_close(calendar); }
};
using Calendar = std::unique_ptr<UCalendar, CalendarCloser>;

constexpr const char* calendarNames[] = {"chinese", "hebrew", "islamic-civil"};
constexpr UChar utc[] = {u'U', u'T', u'C', 0};

// Days are counted at noon UTC, so no zone and no change of day moves one.
Calendar openCalendar(YearlyRule::Calendar which)
{
    const QByteArray id = QByteArray("en@calendar=") + calendarNames[int(which)];
    UErrorCode status = U_ZERO_ERROR;
    Calendar calendar(ucal_open(utc, -1, id.constData(), UCAL_DEFAULT, &status));
    if (U_FAILURE(status))
        return nullptr;
    return calendar;
}

UDate noonOf(QDate date)
{
    return UDate((date.toJulianDay() - unixEpochJulianDay) * msPerDay + msPerDay / 2);
}

QDate dateOf(UDate millis)
{
    return QDate::fromJulianDay(qint64(millis) / msPerDay + unixEpochJulianDay);
}

int field(UCalendar* calendar, UCalendarDateFields which, UErrorCode& status)
{
    return ucal_get(calendar, which, &status);
}

// ICU's month (from 0) for the rule's month in `year`, and whether it is a leap month.
struct IcuMonth
{
    int month = 0;
    bool leap = false;
};

// Sets the calendar to day 1 of the month and reads it back: a month the year does not have
// (a Chinese leap month, Adar I in a common Hebrew year) comes back as another.
bool setMonthStart(UCalendar* calendar, int year, IcuMonth month, UErrorCode& status)
{
    ucal_clear(calendar);
    ucal_set(calendar, UCAL_EXTENDED_YEAR, year);
    ucal_set(calendar, UCAL_MONTH, month.month);
    ucal_set(calendar, UCAL_IS_LEAP_MONTH, month.leap ? 1 : 0);
    ucal_set(calendar, UCAL_DATE, 1);
    ucal_set(calendar, UCAL_HOUR_OF_DAY, 12);
    ucal_getMillis(calendar, &status);
    return U_SUCCESS(status) && field(calendar, UCAL_MONTH, status) == month.month &&
           (field(calendar, UCAL_IS_LEAP_MONTH, status) != 0) == month.leap &&
           field(calendar, UCAL_EXTENDED_YEAR, status) == year;
}

// The rule's day in the calendar's `year`; invalid when ICU fails.
QDate dayInYear(UCalendar* calendar, const YearlyRule& rule, int year)
{
    UErrorCode status = U_ZERO_ERROR;
    IcuMonth month{rule.month - 1,
                   rule.leapMonth && rule.calendar == YearlyRule::Calendar::Chinese};
    if (!setMonthStart(calendar, year, month, status)) {
        if (U_FAILURE(status))
            return {};
        // Adar I is Adar in a common year, a leap month's day falls in its plain month.
        if (rule.calendar == YearlyRule::Calendar::Hebrew && month.month == hebrewAdar1)
            month.month = hebrewAdar1 + 1;
        month.leap = false;
        if (!setMonthStart(calendar, year, month, status))
            return {};
    }
    const int lastDay = ucal_getLimit(calendar, UCAL_DATE, UCAL_ACTUAL_MAXIMUM, &status);
    ucal_set(calendar, UCAL_DATE, std::min(rule.day, lastDay));
    const UDate millis = ucal_getMillis(calendar, &status);
    return U_SUCCESS(status) ? dateOf(millis) : QDate();
}

} // namespace

std::optional<Date> fromGregorian(YearlyRule::Calendar which, QDate date)
{
    const Calendar calendar = openCalendar(which);
    if (!calendar || !date.isValid())
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    ucal_setMillis(calendar.get(), noonOf(date), &status);
    Date other;
    other.year = field(calendar.get(), UCAL_EXTENDED_YEAR, status);
    other.month = field(calendar.get(), UCAL_MONTH, status) + 1;
    other.day = field(calendar.get(), UCAL_DATE, status);
    other.leapMonth = field(calendar.get(), UCAL_IS_LEAP_MONTH, status) != 0;
    if (U_FAILURE(status))
        return std::nullopt;
    return other;
}

QDate nextOccurrence(const YearlyRule& rule, QDate from)
{
    const std::optional<Date> today = fromGregorian(rule.calendar, from);
    const Calendar calendar = openCalendar(rule.calendar);
    if (!today || !calendar)
        return {};
    for (int year = today->year; year <= today->year + 1; ++year) {
        const QDate day = dayInYear(calendar.get(), rule, year);
        if (day.isValid() && day >= from)
            return day;
    }
    return {};
}

QString dayAndMonthText(YearlyRule::Calendar calendar, QDate date, const QLocale& locale)
{
    const QByteArray id = locale.name().toLatin1() + "@calendar=" + calendarNames[int(calendar)];
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UDateTimePatternGenerator, void (*)(UDateTimePatternGenerator*)>
        generator(udatpg_open(id.constData(), &status), udatpg_close);
    std::array<UChar, 64> pattern{};
    const std::u16string skeleton = u"dMMMM";
    const int32_t length =
        U_SUCCESS(status)
            ? udatpg_getBestPattern(generator.get(), skeleton.data(), int32_t(skeleton.size()),
                                    pattern.data(), int32_t(pattern.size()), &status)
            : 0;
    const std::unique_ptr<UDateFormat, void (*)(UDateFormat*)> format(
        U_SUCCESS(status) ? udat_open(UDAT_PATTERN, UDAT_PATTERN, id.constData(), utc, -1,
                                      pattern.data(), length, &status)
                          : nullptr,
        udat_close);
    if (U_FAILURE(status) || !format)
        return {};
    std::array<UChar, 128> text{};
    const int32_t written = udat_format(format.get(), noonOf(date), text.data(),
                                        int32_t(text.size()), nullptr, &status);
    if (U_FAILURE(status))
        return {};
    return QString(reinterpret_cast<const QChar*>(text.data()), written);
}

} // namespace OtherCalendar
