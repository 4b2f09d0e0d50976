#include "listdate.h"

#include "text/textconv.h"

namespace ListDate {

QString dateSeparator(const QLocale& locale)
{
    // The first run of characters between two fields of the short form, without blanks; quoted
    // literals do not occur in short date forms. A form that only has blanks there (a month
    // name, "d MMM yyyy") has no separator of its own.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    bool inField = false;
    QString separator;
    for (const QChar c : format) {
        if (c.isLetter()) {
            if (!separator.trimmed().isEmpty())
                return separator.trimmed();
            separator.clear();
            inField = true;
        } else if (inField) {
            separator += c;
        }
    }
    return QStringLiteral("/");
}

QString columnText(const QString& storedDate, const QLocale& locale)
{
    return ColumnFormat(locale).columnText(storedDate);
}

ColumnFormat::ColumnFormat(const QLocale& locale)
    : m_locale(locale), m_separator(dateSeparator(locale))
{}

QString ColumnFormat::columnText(const QString& storedDate) const
{
    const std::optional<QDate> date = TextConv::textToDate(storedDate, m_locale);
    if (!date)
        return QString();
    return QStringLiteral("%1%2%3%4%5")
        .arg(date->year(), 4, 10, QLatin1Char('0'))
        .arg(m_separator)
        .arg(date->month(), 2, 10, QLatin1Char('0'))
        .arg(m_separator)
        .arg(date->day(), 2, 10, QLatin1Char('0'));
}

} // namespace ListDate
