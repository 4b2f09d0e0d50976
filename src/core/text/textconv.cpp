#include "textconv.h"

#include "store/birthdayrecord.h"
#include "store/fieldtable.h"

#include <QRegularExpression>

#include <cmath>

namespace TextConv {

QString shortDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString dateToText(QDate date, const QLocale& locale)
{
    // Some locales' own form does not read back (digits or separators Qt's reader does not
    // take), or takes more bytes than the data file's date fields hold; ISO always does both.
    const QString text = locale.toString(date, shortDateFormat(locale));
    if (text.toUtf8().size() <= FieldTable::fieldSize(BirthdayRecord::Date) &&
        textToDate(text, locale) == date)
        return text;
    return date.toString(Qt::ISODate);
}

// The locale's short month names, kept for the last locale asked: looking one up costs more
// than reading the whole date.
static const QStringList& shortMonthNames(const QLocale& locale)
{
    thread_local QLocale cachedLocale = QLocale::c();
    thread_local QStringList names;
    if (names.isEmpty() || !(cachedLocale == locale)) {
        names.clear();
        for (int m = 1; m <= 12; ++m)
            names.append(locale.monthName(m, QLocale::ShortFormat));
        cachedLocale = locale;
    }
    return names;
}

// Reads a date whose format is numbers (d, dd, M, MM, yyyy, or yy for 1930 to 2029), short
// month names and separators without Qt's general parser, which costs tens of microseconds a
// call: the list and the reminder check read every stored date. Anything it does not recognise
// goes on to the general parser.
static QDate numericDate(QStringView text, QStringView format, const QLocale& locale)
{
    int day = -1, month = -1, year = -1;
    bool twoDigitYear = false;
    qsizetype t = 0;
    for (qsizetype f = 0; f < format.size();) {
        const QChar c = format[f];
        qsizetype run = 1;
        while (f + run < format.size() && format[f + run] == c)
            ++run;
        f += run;
        if (c.isLetter()) {
            int* field = nullptr;
            qsizetype minDigits = 1, maxDigits = 2;
            if (c == u'M' && run == 3) {
                // Short month names, as the C locale writes them ("6 Dec 2026"); the longest
                // match wins, should one name begin another.
                const QStringList& names = shortMonthNames(locale);
                qsizetype matched = 0;
                for (int m = 1; m <= 12; ++m) {
                    const QString& name = names[m - 1];
                    if (name.size() > matched && text.sliced(t).startsWith(name)) {
                        month = m;
                        matched = name.size();
                    }
                }
                t += matched;
                if (month < 0)
                    return {};
                continue;
            }
            if (c == u'd' && run <= 2)
                field = &day;
            else if (c == u'M' && run <= 2)
                field = &month;
            else if (c == u'y' && (run == 4 || run == 2)) {
                field = &year;
                minDigits = maxDigits = run;
                twoDigitYear = run == 2;
            } else
                return {}; // names of days or months, quotes, other year widths
            if (run == 2)
                minDigits = 2;
            int value = 0;
            qsizetype digits = 0;
            while (digits < maxDigits && t < text.size() && text[t].isDigit() &&
                   text[t].unicode() < 128) {
                value = value * 10 + (text[t].unicode() - '0');
                ++t;
                ++digits;
            }
            if (digits < minDigits)
                return {};
            *field = value;
        } else {
            for (qsizetype i = 0; i < run; ++i, ++t) {
                if (t >= text.size() || text[t] != c || c == u'\'')
                    return {};
            }
        }
    }
    if (t != text.size() || day < 0 || month < 0 || year < 0)
        return {};
    if (twoDigitYear)
        year += year < 30 ? 2000 : 1900;
    return QDate(year, month, day);
}

std::optional<QDate> textToDate(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QString format = shortDateFormat(locale);
    QDate date = numericDate(trimmed, format, locale);
    if (!date.isValid())
        date = locale.toDate(trimmed, format);
    if (!date.isValid())
        date = QDate::fromString(trimmed, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid()) {
        // Files of earlier versions may carry two-digit years: they mean 1930 to 2029.
        const QString twoDigits =
            QString(format).replace(QLatin1String("yyyy"), QLatin1String("yy"));
        date = numericDate(trimmed, twoDigits, locale);
        if (!date.isValid()) {
            date = locale.toDate(trimmed, twoDigits);
            if (date.isValid() && date.year() < 1930)
                date = date.addYears(100);
        }
    }
    // Only years the four-digit form can write back: a year before 1 or after 9999 would not
    // read again in every locale.
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return std::nullopt;
    return date;
}

// The long time form without its time zone: the zone name is no part of a time of day and
// would not read back.
static QString longTimeFormat(const QLocale& locale)
{
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.replace(zone, QStringLiteral(" "));
    return format.trimmed();
}

QString timeToText(QTime time, const QLocale& locale)
{
    // Where the locale's own form does not read back (some locales' afternoon or morning
    // markers, digits Qt's reader does not take), the plain 24-hour form does.
    const QString text = locale.toString(time, longTimeFormat(locale));
    const QTime whole(time.hour(), time.minute(), time.second());
    if (textToTime(text, locale) == whole)
        return text;
    return whole.toString(QStringLiteral("HH:mm:ss"));
}

std::optional<QTime> textToTime(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    QTime time = locale.toTime(trimmed, longTimeFormat(locale));
    if (!time.isValid())
        time = locale.toTime(trimmed, QLocale::ShortFormat);
    for (const char* format : {"HH:mm:ss", "H:mm:ss", "HH:mm", "H:mm"}) {
        if (time.isValid())
            break;
        time = QTime::fromString(trimmed, QLatin1String(format));
    }
    if (!time.isValid())
        return std::nullopt;
    return time;
}

static std::optional<double> textToNumber(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    double number = locale.toDouble(trimmed, &ok);
    if (!ok)
        number = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<int> textToWhole(const QString& text, int min, int max, const QLocale& locale)
{
    const std::optional<double> number = textToNumber(text, locale);
    if (!number)
        return std::nullopt;
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const double whole = std::nearbyint(*number);
    if (whole < static_cast<double>(min) || whole > static_cast<double>(max))
        return std::nullopt;
    return static_cast<int>(whole);
}

std::optional<bool> textToBool(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    const std::optional<double> number = textToNumber(trimmed, locale);
    if (!number)
        return std::nullopt;
    return *number != 0.0;
}

QString boolToText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString versionText(int major, int minor, int patch)
{
    return QStringLiteral("%1.%2%3").arg(major).arg(minor).arg(patch);
}

QString versionText()
{
    return versionText(CANDLEWATCHER_VERSION_MAJOR, CANDLEWATCHER_VERSION_MINOR,
                       CANDLEWATCHER_VERSION_PATCH);
}

} // namespace TextConv
