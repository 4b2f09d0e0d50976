#include "core/text/textconv.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

namespace TextConv {

QString shortDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString dayMonthFormat(const QLocale& locale)
{
    // The form in pieces: a field is a run of one ASCII letter; quoted text and everything else
    // between two fields is one separator.
    QStringList pieces;
    QList<bool> fields;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        const bool field = c.isLetter() && c.unicode() < 128;
        qsizetype end = i + 1;
        if (field) {
            while (end < format.size() && format[end] == c)
                ++end;
        } else if (c == u'\'') {
            end = format.indexOf(u'\'', end);
            end = end < 0 ? format.size() : end + 1;
        }
        if (!field && !fields.isEmpty() && !fields.last())
            pieces.last() += format.sliced(i, end - i);
        else {
            pieces.append(format.sliced(i, end - i));
            fields.append(field);
        }
        i = end;
    }
    const qsizetype year = pieces.indexOf(QRegularExpression(QStringLiteral("^y+$")));
    if (year < 0)
        return format;
    // The year's separator goes with it: the one after a leading year, else the one before.
    const qsizetype separator = year == 0 ? 1 : year - 1;
    if (separator < pieces.size() && !fields.at(separator))
        pieces.remove(std::min(year, separator), 2);
    else
        pieces.remove(year);
    return pieces.join(QString());
}

QString shownDayMonthText(int month, int day, const QLocale& locale)
{
    // A leap year, so 29 February has a date; the form shows no year.
    return locale.toString(QDate(2000, month, day), dayMonthFormat(locale));
}

// Reads dates in one locale: the locale's short form is taken apart once, not once a date, and
// the texts that need Qt's parsers are kept with their dates.
class DateReader
{
public:
    explicit DateReader(const QLocale& locale);
    std::optional<QDate> read(const QString& text) const;
    const QLocale& locale() const { return m_locale; }

private:
    std::optional<QDate> readAnew(const QString& text) const;
    // A field of the short form (d, dd, M, MM, MMM, yy, yyyy) or one separator character.
    struct Part
    {
        enum Kind : quint8 { Day, Month, Year, MonthName, Separator } kind;
        quint8 least; // digits
        quint8 most;
        char16_t separator;
    };
    std::vector<Part> partsOf(const QString& format) const;
    QDate partsRead(QStringView text, const std::vector<Part>& parts) const;

    QLocale m_locale;
    QString m_format;
    QString m_twoDigitFormat; // the same with a two-digit year, for older files
    std::vector<Part> m_isoParts;
    std::vector<Part> m_parts;
    std::vector<Part> m_twoDigitParts;
    QStringList m_monthNames; // when the form has short month names
    mutable QHash<QString, std::optional<QDate>> m_known;
};

QString dateToText(QDate date)
{
    return date.toString(Qt::ISODate);
}

// The texts of the dates shown last, for the last locale asked: the list shows the date of
// every event's next day, which fall on at most 366 days, and Qt's writer takes tens of
// microseconds a date.
QString shownDateText(QDate date, const QLocale& locale)
{
    if (!date.isValid())
        return QString();
    thread_local QLocale cachedLocale = QLocale::c();
    thread_local QString format = shortDateFormat(cachedLocale);
    thread_local QHash<qint64, QString> texts;
    if (!(cachedLocale == locale)) {
        cachedLocale = locale;
        format = shortDateFormat(locale);
        texts.clear();
    }
    const auto known = texts.constFind(date.toJulianDay());
    if (known != texts.cend())
        return *known;
    const QString text = locale.toString(date, format);
    if (texts.size() >= 4096)
        texts.clear();
    texts.insert(date.toJulianDay(), text);
    return text;
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

std::optional<QDate> textToDate(const QString& text, const QLocale& locale)
{
    // The reader of the last locale asked: taking the locale's form apart costs more than
    // reading a date, and the list reads every stored date.
    thread_local std::optional<DateReader> reader;
    if (!reader || !(reader->locale() == locale))
        reader.emplace(locale);
    return reader->read(text);
}

DateReader::DateReader(const QLocale& locale)
    : m_locale(locale), m_format(shortDateFormat(locale)),
      m_twoDigitFormat(QString(m_format).replace(QLatin1String("yyyy"), QLatin1String("yy"))),
      m_isoParts(partsOf(QStringLiteral("yyyy-MM-dd"))), m_parts(partsOf(m_format)),
      m_twoDigitParts(partsOf(m_twoDigitFormat))
{
    if (m_format.contains(QLatin1String("MMM")))
        m_monthNames = shortMonthNames(locale);
}

// The form, taken apart once into its fields and separators. A form with anything else (names
// of days, quotes, other year widths, month names that are empty) has no parts: Qt's parser
// reads every date.
std::vector<DateReader::Part> DateReader::partsOf(const QString& format) const
{
    std::vector<Part> parts;
    for (qsizetype f = 0; f < format.size();) {
        const QChar c = format[f];
        qsizetype run = 1;
        while (f + run < format.size() && format[f + run] == c)
            ++run;
        f += run;
        const quint8 least = quint8(run);
        if (c == u'M' && run == 3 && !shortMonthNames(m_locale).contains(QString())) {
            parts.push_back({Part::MonthName, 0, 0, 0});
        } else if ((c == u'd' || c == u'M') && run <= 2) {
            parts.push_back({c == u'd' ? Part::Day : Part::Month, least, 2, 0});
        } else if (c == u'y' && (run == 4 || run == 2)) {
            parts.push_back({Part::Year, least, least, 0});
        } else if (c.isLetter() || c == u'\'') {
            return {};
        } else {
            for (qsizetype i = 0; i < run; ++i)
                parts.push_back({Part::Separator, 0, 0, c.unicode()});
        }
    }
    return parts;
}

// Reads a date by the parts of the form without Qt's general parser, which costs tens of
// microseconds a call: the list and the reminder check read every stored date. An invalid
// date when the text does not fit the parts.
QDate DateReader::partsRead(QStringView text, const std::vector<Part>& parts) const
{
    int fields[Part::Year + 1] = {-1, -1, -1};
    qsizetype t = 0;
    for (const Part& part : parts) {
        if (part.kind == Part::Separator) {
            if (t >= text.size() || text[t].unicode() != part.separator)
                return {};
            ++t;
        } else if (part.kind == Part::MonthName) {
            // As the C locale writes them ("6 Dec 2026"); the longest match wins, should one
            // name begin another.
            if (t >= text.size())
                return {};
            const QStringView rest = text.sliced(t);
            qsizetype matched = 0;
            for (int m = 1; m <= m_monthNames.size(); ++m) {
                const QString& name = m_monthNames[m - 1];
                if (name.front() == rest.front() && name.size() > matched &&
                    rest.startsWith(name)) {
                    fields[Part::Month] = m;
                    matched = name.size();
                }
            }
            if (matched == 0)
                return {};
            t += matched;
        } else {
            int value = 0;
            int digits = 0;
            while (digits < part.most && t < text.size() && text[t] >= u'0' && text[t] <= u'9') {
                value = value * 10 + (text[t].unicode() - u'0');
                ++t;
                ++digits;
            }
            if (digits < part.least)
                return {};
            // Two-digit years, of older files, mean 1930 to 2029.
            if (part.kind == Part::Year && part.most == 2)
                value += value < 30 ? 2000 : 1900;
            fields[part.kind] = value;
        }
    }
    if (t != text.size() || fields[Part::Day] < 0 || fields[Part::Month] < 0 ||
        fields[Part::Year] < 0)
        return {};
    return QDate(fields[Part::Year], fields[Part::Month], fields[Part::Day]);
}

std::optional<QDate> DateReader::read(const QString& text) const
{
    // Stored dates are ISO, or in older files the writer's own form: read by their parts, they
    // cost less than a look-up (a four-digit year can't be 0, so it lies within 1 to 9999). Only
    // the others, which take Qt's parsers tens of microseconds, are kept once read.
    const QStringView trimmed = QStringView(text).trimmed();
    QDate date = partsRead(trimmed, m_isoParts);
    if (!date.isValid())
        date = partsRead(trimmed, m_parts);
    if (date.isValid())
        return date;
    const auto known = m_known.constFind(text);
    if (known != m_known.cend())
        return *known;
    const std::optional<QDate> other = readAnew(text);
    if (m_known.size() >= 8192)
        m_known.clear();
    m_known.insert(text, other);
    return other;
}

std::optional<QDate> DateReader::readAnew(const QString& text) const
{
    const QStringView trimmed = QStringView(text).trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    QDate date = QDate::fromString(trimmed.toString(), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        date = m_locale.toDate(trimmed.toString(), m_format);
    if (!date.isValid()) {
        // Files of earlier versions may carry two-digit years: they mean 1930 to 2029.
        date = partsRead(trimmed, m_twoDigitParts);
        if (!date.isValid()) {
            date = m_locale.toDate(trimmed.toString(), m_twoDigitFormat);
            if (date.isValid() && date.year() < 1930)
                date = date.addYears(100);
        }
    }
    // Only years the four-digit form can write back: a year before 1 or after 9999 would not
    // read again in every locale. (Compared as dates: asking a date for its year takes time.)
    static const QDate first(1, 1, 1), last(9999, 12, 31);
    if (!date.isValid() || date < first || date > last)
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

QString timeToText(QTime time)
{
    return time.isValid() ? time.toString(QStringLiteral("HH:mm:ss")) : QString();
}

std::optional<QTime> textToTime(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    // H:mm, HH:mm and HH:mm:ss in plain digits read the same in every locale, and far faster
    // than through the locale's forms (the check reads the alert time at every run).
    const QList<QStringView> parts = QStringView(trimmed).split(u':');
    if (parts.size() == 2 || parts.size() == 3) {
        int fields[3] = {0, 0, 0};
        bool digits = parts[0].size() <= 2;
        for (qsizetype i = 0; i < parts.size() && digits; ++i) {
            digits = (i == 0 || parts[i].size() == 2) && !parts[i].isEmpty();
            for (const QChar c : parts[i]) {
                digits = digits && c >= u'0' && c <= u'9';
                if (!digits)
                    break;
                fields[i] = fields[i] * 10 + (c.unicode() - u'0');
            }
        }
        if (digits && QTime::isValid(fields[0], fields[1], fields[2]))
            return QTime(fields[0], fields[1], fields[2]);
    }
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

QString shownDigits(const QString& text, const QLocale& locale)
{
    // A zero outside the basic plane has no one-character digits to put in place.
    const QString zero = locale.zeroDigit();
    if (zero.size() != 1)
        return text;
    QString shown = text;
    for (QChar& c : shown) {
        if (c >= u'0' && c <= u'9')
            c = QChar(char16_t(zero.front().unicode() + (c.unicode() - u'0')));
    }
    return shown;
}

QString storedDigits(QString text)
{
    for (QChar& c : text) {
        if (c.isDigit())
            c = QChar(char16_t(u'0' + c.digitValue()));
    }
    return text;
}

std::optional<int> textToWhole(const QString& text, int min, int max, const QLocale& locale)
{
    // Plain digits, as stored numbers nearly always are, read the same in every locale, and
    // far faster than through the locale's parser.
    if (!text.isEmpty() && text.size() <= 9) {
        int value = 0;
        bool digits = true;
        for (const QChar c : text) {
            digits = c >= u'0' && c <= u'9';
            if (!digits)
                break;
            value = value * 10 + (c.unicode() - u'0');
        }
        if (digits)
            return value >= min && value <= max ? std::optional<int>(value) : std::nullopt;
    }
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
