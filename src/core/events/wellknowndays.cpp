#include "core/events/wellknowndays.h"

#include <QCoreApplication>

namespace WellKnownDays {

namespace {

// name, day, month
constexpr std::array<Row, rowCount> rows = {{
    {QT_TRANSLATE_NOOP("WellKnownDays", "New Year's Day"), "01", "01"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Sherlock Holmes Birthday"), "06", "01"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Baptism of Jesus"), "09", "01"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "World Religion Day"), "20", "01"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Epiphany"), "06", "01"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Martin Luther King Jr. Day"), "21", "01"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Burn's Night"), "25", "01"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Groundhog Day"), "02", "02"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Valentines Day"), "14", "02"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Lantern Festival"), "25", "02"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "St. David's Day"), "01", "03"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "International Women's Day"), "08", "03"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Mothers Day"), "10", "03"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "St. Patrick's Day"), "17", "03"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "April Fool's Day"), "01", "04"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Buddha's Birthday"), "08", "04"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Holocaust Rememberance Day"), "20", "04"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "St. Georges Day"), "23", "04"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "May Day"), "01", "05"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Mother's Day (US)"), "12", "05"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Pentecost"), "19", "05"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Trinity"), "26", "05"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Dragon Boat Festival"), "14", "06"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Father's Day"), "16", "06"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "International Joke Day"), "01", "07"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Independence Day (US)"), "04", "07"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Bastille Day (France)"), "14", "07"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Friendship Day"), "02", "08"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Chinese Valentines Day"), "24", "08"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Ghandi's Birthday"), "02", "10"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Oktoberfest"), "12", "10"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Black Thursday"), "24", "10"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "All Saints' Day"), "01", "11"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Guy Fawkes Day"), "05", "11"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "World Peace Day"), "17", "11"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Children's Day"), "20", "11"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "World AIDS Day"), "01", "12"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Advent Begins"), "02", "12"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "St. Nicholas Day"), "06", "12"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Pearl Harbour Day (US)"), "07", "12"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Christmas Eve"), "24", "12"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Christmas Day"), "25", "12"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "Boxing Day"), "26", "12"},
    {QT_TRANSLATE_NOOP("WellKnownDays", "New Year's Eve"), "31", "12"},
}};

} // namespace

QString Row::nameText() const
{
    return QCoreApplication::translate("WellKnownDays", name);
}

QString Row::shownAs() const
{
    return QString::fromLatin1(month) + QLatin1Char('\\') + QString::fromLatin1(day);
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
