#include "core/events/wellknowndays.h"

namespace WellKnownDays {

namespace {

// name, day, month
constexpr std::array<Row, rowCount> rows = {{
    {"New Year's Day", "01", "01"},
    {"Sherlock Holmes Birthday", "06", "01"},
    {"Baptism of Jesus", "09", "01"},
    {"World Religion Day", "20", "01"},
    {"Epiphany", "06", "01"},
    {"Martin Luther King Jr. Day", "21", "01"},
    {"Burn's Night", "25", "01"},
    {"Groundhog Day", "02", "02"},
    {"Valentines Day", "14", "02"},
    {"Lantern Festival", "25", "02"},
    {"St. David's Day", "01", "03"},
    {"International Women's Day", "08", "03"},
    {"Mothers Day", "10", "03"},
    {"St. Patrick's Day", "17", "03"},
    {"April Fool's Day", "01", "04"},
    {"Buddha's Birthday", "08", "04"},
    {"Holocaust Rememberance Day", "20", "04"},
    {"St. Georges Day", "23", "04"},
    {"May Day", "01", "05"},
    {"Mother's Day (US)", "12", "05"},
    {"Pentecost", "19", "05"},
    {"Trinity", "26", "05"},
    {"Dragon Boat Festival", "14", "06"},
    {"Father's Day", "16", "06"},
    {"International Joke Day", "01", "07"},
    {"Independence Day (US)", "04", "07"},
    {"Bastille Day (France)", "14", "07"},
    {"Friendship Day", "02", "08"},
    {"Chinese Valentines Day", "24", "08"},
    {"Ghandi's Birthday", "02", "10"},
    {"Oktoberfest", "12", "10"},
    {"Black Thursday", "24", "10"},
    {"All Saints' Day", "01", "11"},
    {"Guy Fawkes Day", "05", "11"},
    {"World Peace Day", "17", "11"},
    {"Children's Day", "20", "11"},
    {"World AIDS Day", "01", "12"},
    {"Advent Begins", "02", "12"},
    {"St. Nicholas Day", "06", "12"},
    {"Pearl Harbour Day (US)", "07", "12"},
    {"Christmas Eve", "24", "12"},
    {"Christmas Day", "25", "12"},
    {"Boxing Day", "26", "12"},
    {"New Year's Eve", "31", "12"},
}};

} // namespace

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
