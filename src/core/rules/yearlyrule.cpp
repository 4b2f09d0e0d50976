#include "core/rules/yearlyrule.h"

#include "core/rules/othercalendar.h"

#include <QCalendar>
#include <QRegularExpression>

#include <array>

namespace {

// iCalendar's two-letter weekday names, Monday first as Qt::DayOfWeek counts.
constexpr std::array<const char*, 7> weekdayNames = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

constexpr std::array<const char*, 3> calendarNames = {"chinese", "hebrew", "islamic"};

int weekdayFromName(const QString& name)
{
    for (int i = 0; i < 7; ++i) {
        if (name == QLatin1String(weekdayNames[i]))
            return i + 1;
    }
    return 0;
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QDate fixedDay(int month, int day, int year, LeapDayRule leapDay)
{
    if (month == 2 && day == 29 && !QDate::isLeapYear(year))
        return leapDay == LeapDayRule::February28 ? QDate(year, 2, 28) : QDate(year, 3, 1);
    return QDate(year, month, day);
}

QDate nthWeekday(int nth, int weekday, int month, int year)
{
    if (nth > 0) {
        const QDate first(year, month, 1);
        const QDate day = first.addDays((weekday - first.dayOfWeek() + 7) % 7 + 7 * (nth - 1));
        return day.month() == month ? day : QDate();
    }
    const QDate last(year, month, QDate(year, month, 1).daysInMonth());
    const QDate day = last.addDays(-((last.dayOfWeek() - weekday + 7) % 7) + 7 * (nth + 1));
    return day.month() == month ? day : QDate();
}

// The day as the rule keeps it, moved off the weekdays it avoids.
QDate moved(const YearlyRule& rule, QDate day)
{
    for (const YearlyRule::Move& move : rule.moves) {
        if (day.isValid() && day.dayOfWeek() == move.weekday)
            return day.addDays(move.days);
    }
    return day;
}

// How far a move can take a day back.
constexpr int mostMoved = 3;

} // namespace

YearlyRule YearlyRule::fixed(int month, int day)
{
    YearlyRule rule;
    rule.month = month;
    rule.day = day;
    return rule;
}

YearlyRule YearlyRule::nthWeekday(int nth, int weekday, int month)
{
    YearlyRule rule;
    rule.kind = Kind::NthWeekday;
    rule.nth = nth;
    rule.weekday = weekday;
    rule.month = month;
    return rule;
}

YearlyRule YearlyRule::weekdayOnOrAfter(int weekday, int month, int day)
{
    YearlyRule rule = fixed(month, day);
    rule.kind = Kind::WeekdayOnOrAfter;
    rule.weekday = weekday;
    return rule;
}

YearlyRule YearlyRule::fromEaster(int offset, Easter easter)
{
    YearlyRule rule;
    rule.kind = Kind::Easter;
    rule.offset = offset;
    rule.easter = easter;
    return rule;
}

YearlyRule YearlyRule::inCalendar(Calendar calendar, int month, int day, bool leapMonth)
{
    YearlyRule rule = fixed(month, day);
    rule.kind = Kind::OtherCalendar;
    rule.calendar = calendar;
    rule.leapMonth = leapMonth;
    return rule;
}

QString YearlyRule::toText() const
{
    QString text = dayText();
    for (const Move& move : moves)
        text += QStringLiteral(" %1%2%3").arg(QLatin1String(weekdayNames[move.weekday - 1]),
                                              QLatin1String(move.days < 0 ? "-" : "+"),
                                              QString::number(qAbs(move.days)));
    return text;
}

QString YearlyRule::dayText() const
{
    const QString monthDay = twoDigits(month) + QLatin1Char('-') + twoDigits(day);
    switch (kind) {
    case Kind::Fixed:
        return QLatin1String("date ") + monthDay;
    case Kind::NthWeekday:
        return QStringLiteral("weekday %1 %2 %3")
            .arg(QString::number(nth), QLatin1String(weekdayNames[weekday - 1]), twoDigits(month));
    case Kind::WeekdayOnOrAfter:
        return QStringLiteral("after %1 %2")
            .arg(QLatin1String(weekdayNames[weekday - 1]), monthDay);
    case Kind::Easter:
        return QLatin1String(easter == Easter::Orthodox ? "orthodox " : "easter ") +
               (offset >= 0 ? QLatin1String("+") : QLatin1String("")) + QString::number(offset);
    case Kind::OtherCalendar:
        return QLatin1String(calendarNames[int(calendar)]) + QLatin1Char(' ') +
               (leapMonth ? QLatin1String("L") : QLatin1String("")) + monthDay;
    }
    return {};
}

std::optional<YearlyRule> YearlyRule::fromText(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(?:date (\\d\\d)-(\\d\\d)|weekday (-?[1-5]) ([A-Z]{2}) (\\d\\d)|after ([A-Z]{2}) "
        "(\\d\\d)-(\\d\\d)|(easter|orthodox) ([+-]\\d{1,3})|(chinese|hebrew|islamic) "
        "(L?)(\\d\\d)-(\\d\\d))((?: [A-Z]{2}[+-][1-3])*)$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    auto number = [&m](int group) { return m.captured(group).toInt(); };
    YearlyRule rule;
    if (m.hasCaptured(1)) {
        rule = fixed(number(1), number(2));
    } else if (m.hasCaptured(3)) {
        rule = nthWeekday(number(3), weekdayFromName(m.captured(4)), number(5));
    } else if (m.hasCaptured(6)) {
        rule = weekdayOnOrAfter(weekdayFromName(m.captured(6)), number(7), number(8));
    } else if (m.hasCaptured(9)) {
        rule = fromEaster(number(10), m.captured(9) == QLatin1String("orthodox") ? Easter::Orthodox
                                                                                 : Easter::Western);
    } else {
        const int calendar =
            int(std::find(calendarNames.begin(), calendarNames.end(), m.captured(11).toLatin1()) -
                calendarNames.begin());
        rule = inCalendar(Calendar(calendar), number(13), number(14), !m.captured(12).isEmpty());
    }
    for (const QString& token : m.captured(15).split(u' ', Qt::SkipEmptyParts)) {
        const int days = token.mid(3).toInt();
        rule.moves.append({weekdayFromName(token.left(2)), token.at(2) == u'-' ? -days : days});
        if (rule.moves.last().weekday == 0)
            return std::nullopt;
    }
    // A rule that names no real day is no rule: the record keeps its plain date.
    const int lastMonth =
        rule.kind == Kind::OtherCalendar && rule.calendar == Calendar::Hebrew ? 13 : 12;
    if (rule.weekday < 1 || rule.nth == 0 || rule.month < 1 || rule.month > lastMonth ||
        rule.day < 1 || rule.day > 31 ||
        (rule.kind == Kind::Fixed && !QDate(2000, rule.month, rule.day).isValid()))
        return std::nullopt;
    return rule;
}

QDate easterSunday(int year, YearlyRule::Easter easter)
{
    if (easter == YearlyRule::Easter::Orthodox) {
        // Meeus's Julian computus, then the Julian date on Qt's Julian calendar.
        const int a = year % 4, b = year % 7, c = year % 19;
        const int d = (19 * c + 15) % 30;
        const int e = (2 * a + 4 * b - d + 34) % 7;
        const int month = (d + e + 114) / 31;
        const int day = (d + e + 114) % 31 + 1;
        return QDate(year, month, day, QCalendar(QCalendar::System::Julian));
    }
    // The Anonymous Gregorian algorithm (Meeus, Jones, Butcher).
    const int a = year % 19, b = year / 100, c = year % 100;
    const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

QDate occurrence(const YearlyRule& rule, int year, LeapDayRule leapDay)
{
    switch (rule.kind) {
    case YearlyRule::Kind::Fixed:
        return moved(rule, fixedDay(rule.month, rule.day, year, leapDay));
    case YearlyRule::Kind::NthWeekday:
        return moved(rule, nthWeekday(rule.nth, rule.weekday, rule.month, year));
    case YearlyRule::Kind::WeekdayOnOrAfter: {
        const QDate from = fixedDay(rule.month, rule.day, year, leapDay);
        return moved(rule, from.addDays((rule.weekday - from.dayOfWeek() + 7) % 7));
    }
    case YearlyRule::Kind::Easter:
        return moved(rule, easterSunday(year, rule.easter).addDays(rule.offset));
    case YearlyRule::Kind::OtherCalendar: {
        const QDate day = nextOccurrence(rule, QDate(year, 1, 1), leapDay);
        return day.year() == year ? day : QDate();
    }
    }
    return {};
}

QDate nextOccurrence(const YearlyRule& rule, QDate from, LeapDayRule leapDay)
{
    if (!from.isValid())
        return {};
    if (rule.kind == YearlyRule::Kind::OtherCalendar) {
        // A day moved back lies before its calendar day: the search starts that much earlier.
        QDate day = OtherCalendar::nextOccurrence(
            rule, from.addDays(rule.moves.isEmpty() ? 0 : -mostMoved));
        while (day.isValid() && moved(rule, day) < from)
            day = OtherCalendar::nextOccurrence(rule, day.addDays(1));
        return moved(rule, day);
    }
    // A rule's day can fall in the year before (Easter - 100, an "after" rule in late
    // December); a fifth weekday of a month can be years away (a fifth Sunday of February, 28).
    for (int year = from.year() - 1; year <= from.year() + 28; ++year) {
        const QDate day = occurrence(rule, year, leapDay);
        if (day.isValid() && day >= from)
            return day;
    }
    return {};
}
