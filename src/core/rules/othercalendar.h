#pragma once

#include "core/rules/yearlyrule.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// A day in the Chinese, Hebrew or Islamic (civil) calendar, through ICU's own calendars. Months
// count from 1; the Hebrew ones from Tishri, Adar I the sixth and Adar (Adar II) the seventh.
namespace OtherCalendar {

struct Date
{
    int year = 0; // that calendar's own count (the Chinese one from 2637 BC)
    int month = 0;
    int day = 0;
    bool leapMonth = false; // Chinese
    bool operator==(const Date&) const = default;
};

// The day `date` is in `calendar`; none when ICU cannot say.
std::optional<Date> fromGregorian(YearlyRule::Calendar calendar, QDate date);

// The rule's day on or after `from`. In a year without the day asked for it falls on the
// nearest one that is: a leap month's day in its plain month, Adar I's in Adar, a 30th on the
// month's last day.
QDate nextOccurrence(const YearlyRule& rule, QDate from);

// The day and month of `date` in `calendar`, as ICU's date formats write them for the locale
// ("27 Nisan", "Shawwal 25"); empty where ICU has no format data.
QString dayAndMonthText(YearlyRule::Calendar calendar, QDate date, const QLocale& locale);

} // namespace OtherCalendar
