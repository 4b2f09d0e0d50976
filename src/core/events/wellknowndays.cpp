#include "core/events/wellknowndays.h"

#include <QCoreApplication>

namespace WellKnownDays {

namespace {

// name, day, month, and for a day that moves its rule (core/rules/yearlyrule.h); day and month
// are then the day it was first given on. Where the day differs by country the name says which.
// Baptism of Jesus: the Sunday after Epiphany; Mothers Day: Mothering Sunday; Buddha's
// Birthday: the 8th day of the 4th lunar month; Holocaust Rememberance Day: Yom HaShoah, 27
// Nisan, kept on the Thursday before when that is a Friday and on the Monday after when it is a
// Sunday, as Israel keeps it; Friendship Day: the first Sunday of August; Oktoberfest: its first
// day in Munich, the Saturday after 15 September.
constexpr std::array<Row, rowCount> rows = {{
    {QT_TRANSLATE_NOOP("WellKnownDays", "New Year's Day"), "01", "01", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Sherlock Holmes Birthday"), "06", "01", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Baptism of Jesus"), "09", "01", "after SU 01-07"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "World Religion Day"), "20", "01", "weekday 3 SU 01"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Epiphany"), "06", "01", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Martin Luther King Jr. Day"), "21", "01",
     "weekday 3 MO 01"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Burn's Night"), "25", "01", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Groundhog Day"), "02", "02", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Valentines Day"), "14", "02", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Lantern Festival"), "25", "02", "chinese 01-15"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "St. David's Day"), "01", "03", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "International Women's Day"), "08", "03", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Mothers Day (UK)"), "10", "03", "easter -21"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "St. Patrick's Day"), "17", "03", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "April Fool's Day"), "01", "04", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Buddha's Birthday (Korea)"), "08", "04", "chinese 04-08"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Holocaust Rememberance Day (Israel)"), "20", "04",
     "hebrew 08-27 FR-1 SU+1"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "St. Georges Day"), "23", "04", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "May Day"), "01", "05", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Mother's Day (US)"), "12", "05", "weekday 2 SU 05"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Pentecost"), "19", "05", "easter +49"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Trinity"), "26", "05", "easter +56"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Dragon Boat Festival"), "14", "06", "chinese 05-05"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Father's Day (US, UK)"), "16", "06", "weekday 3 SU 06"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "International Joke Day"), "01", "07", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Independence Day (US)"), "04", "07", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Bastille Day (France)"), "14", "07", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Friendship Day"), "02", "08", "weekday 1 SU 08"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Chinese Valentines Day"), "24", "08", "chinese 07-07"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Ghandi's Birthday"), "02", "10", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Oktoberfest"), "12", "10", "after SA 09-16"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Black Thursday"), "24", "10", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "All Saints' Day"), "01", "11", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Guy Fawkes Day"), "05", "11", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "World Peace Day"), "17", "11", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Children's Day"), "20", "11", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "World AIDS Day"), "01", "12", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Advent Begins"), "02", "12", "after SU 11-27"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "St. Nicholas Day"), "06", "12", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Pearl Harbour Day (US)"), "07", "12", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Christmas Eve"), "24", "12", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Christmas Day"), "25", "12", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Boxing Day"), "26", "12", nullptr},
    {QT_TRANSLATE_NOOP("WellKnownDays", "New Year's Eve"), "31", "12", nullptr},
}};

} // namespace

QString Row::nameText() const
{
    return QCoreApplication::translate("WellKnownDays", name);
}

YearlyRule Row::yearlyRule() const
{
    if (rule)
        return *YearlyRule::fromText(QString::fromLatin1(rule));
    return YearlyRule::fixed(QByteArray(month).toInt(), QByteArray(day).toInt());
}

QString Row::shownAs(int year) const
{
    const QDate date = occurrence(yearlyRule(), year);
    return QStringLiteral("%1\\%2")
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

const std::array<Row, rowCount>& table()
{
    return rows;
}

QDate dateFromShown(const QString& shownAs, int year)
{
    if (shownAs.size() < 4)
        return {};
    bool monthOk = false;
    bool dayOk = false;
    const int month = shownAs.left(2).toInt(&monthOk);
    const int day = shownAs.right(2).toInt(&dayOk);
    if (!monthOk || !dayOk)
        return {};
    return QDate(year, month, day);
}

} // namespace WellKnownDays
